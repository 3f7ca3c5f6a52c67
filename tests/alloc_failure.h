// Allocation-failure injection for the alloc_failure_tests program, whose alloc_failure.cpp
// replaces the global operator new and delete: once armed with N, the N-th allocation fails (std::bad_alloc,
// or null for the nothrow forms). The live-block count lets a test see an allocation that a
// failed operation did not give back. The over-aligned forms stay the runtime's own, in pairs:
// nothing here is over-aligned. Under the sanitizers the replacements take the place of the
// runtime's, and every block still goes through malloc and free, which the runtime watches.
//
// qo::test::ExpectFailureSafe runs an operation on a fresh object with N = 1, 2, 3, ... until
// it succeeds, and after each failure checks that the exception reached the caller, that the
// object reads exactly as before (Describe) and that no allocation was kept.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <new>
#include <string>
#include <type_traits>
#include <typeinfo>
#include <vector>

#include "qodata/qodata.h"

namespace qo::test {

struct Injection {
  std::size_t countdown = 0;  // 0: disarmed; else the allocations left until the failing one
  bool fired = false;
  long long liveBlocks = 0;
  std::size_t failurePoints = 0;  // failed runs checked by ExpectFailureSafe, for the report
};
inline Injection injection;

inline void Arm(std::size_t n) {
  injection.fired = false;
  injection.countdown = n;
}

inline void* Allocate(std::size_t size, bool nothrow) {
  void* block = nullptr;
  if (injection.countdown != 0 && --injection.countdown == 0) {
    injection.fired = true;  // this is the allocation to fail
  } else {
    block = std::malloc(size == 0 ? 1 : size);
  }
  if (block == nullptr && !nothrow) throw std::bad_alloc();
  if (block != nullptr) ++injection.liveBlocks;
  return block;
}

inline void Free(void* block) {
  if (block != nullptr) --injection.liveBlocks;
  std::free(block);
}

// Runs make() then op(object) with the N-th allocation of op failing, for N = 1, 2, ... until
// op succeeds. After each failure describe(object) must read as before, and once the object
// is destroyed every block allocated since make() must be freed again (a container may keep
// capacity it grew before the failure, but nothing may outlive it).
template <class Make, class Op, class Describe>
void ExpectFailureSafe(const char* what, Make make, Op op, Describe describe) {
  {  // once without failure, so that lazily made statics do not count as kept blocks
    auto object = make();
    op(object);
  }
  for (std::size_t n = 1; n <= 100000; ++n) {
    const long long baseline = injection.liveBlocks;
    bool threw = false;
    {
      auto object = make();
      const auto before = describe(object);
      Arm(n);
      try {
        op(object);
      } catch (const std::bad_alloc&) {
        threw = true;
      }
      injection.countdown = 0;
      EXPECT_TRUE(threw ? describe(object) == before : !injection.fired)
          << what << ": allocation " << n
          << (threw ? " failed and changed the object" : " failed and was swallowed");
    }
    if (!threw) {
      EXPECT_GT(n, 1u) << what << ": allocates nothing";
      return;
    }
    ++injection.failurePoints;
    EXPECT_EQ(injection.liveBlocks, baseline)
        << what << ": allocation " << n << " failed and blocks outlived the object";
  }
  ADD_FAILURE() << what << ": never succeeds";
}

// Prints how many failure points the program checked when it ends.
class FailurePointReport : public ::testing::Environment {
 public:
  void TearDown() override {
    std::printf("allocation-failure points exercised: %zu\n", injection.failurePoints);
  }
};
inline ::testing::Environment* const failurePointReport =
    ::testing::AddGlobalTestEnvironment(new FailurePointReport);

// --- Reading a container back as text -----------------------------------------------------

// Everything a caller can read from a container, through its interfaces, as one text; held
// containers are read recursively. Two reads are equal exactly when no state visible to a
// client differs. Keys that a caller cannot enumerate are read for the keys the tests use.
class Reading {
 public:
  template <class T>
  Reading& operator<<(const T& value) {
    if constexpr (std::is_convertible_v<T, qo::String>) {
      out_ += qo::String(value);
    } else if constexpr (std::is_same_v<T, qo::StringList>) {
      *this << value.size();
      for (const auto& text : value) *this << text;
      return *this;
    } else {
      std::string text;
      if constexpr (std::is_pointer_v<T>) {
        text = std::to_string(reinterpret_cast<std::uintptr_t>(value));
      } else if constexpr (std::is_floating_point_v<T>) {
        text = std::to_string(value);
      } else {  // numbers, flags and enumerations
        text = std::to_string(static_cast<long long>(value));
      }
      out_.append(text.begin(), text.end());
    }
    out_ += u'|';
    return *this;
  }
  // For sets and maps without order: the entries sorted.
  Reading& Unordered(qo::StringList list) {
    std::sort(list.begin(), list.end());
    return *this << list;
  }
  qo::String text() const { return out_; }

 private:
  qo::String out_;
};

// The keys the tests fill maps that a caller cannot enumerate with.
inline const qo::StringList kKeys = {u"k1", u"k2", u"a key long enough to allocate", u"new"};

// The interface I of the container, or null; the container keeps its own holder.
template <class I>
I* View(IDataContainer* container) {
  void* view = nullptr;
  if (container == nullptr || container->GetDataInterface(qo::InterfaceCode<I>::value, &view) != 1) {
    return nullptr;
  }
  static_cast<I*>(view)->Release();
  return static_cast<I*>(view);
}

qo::String Read(IDataContainer* container);

template <class List, class Item>
void ReadWalk(Reading& r, List* list, POSITION (List::*head)(), Item* (List::*next)(POSITION&)) {
  if (list == nullptr) return;
  for (POSITION p = (list->*head)(); p != nullptr;) r << Read((list->*next)(p));
}

inline void ReadProfiles(Reading& r, IDataContainer* c) {
  if (auto* u = View<IUserProfile>(c)) {
    r << u->getQuilloID() << u->getPassword() << u->getOldPassword() << u->getFirstName()
      << u->getLastName() << u->getEmail() << u->getStreetAddress() << u->getCityAddress()
      << u->getStateAddress() << u->getCountryAddress() << u->getFax() << u->getTelephone()
      << u->getProfile() << u->getProvider() << u->getTheme() << u->getIdleTime()
      << u->getMood() << u->getGender() << u->getStatus() << u->getAge()
      << u->isUnifiedAccount() << u->getProfileImage() << u->getStatusMessage()
      << u->getAvatarFileKey() << u->GetBigImage() << u->GetSmallImage() << u->GetWalletId()
      << u->GetWalletPassword() << u->GetWalletCurrency() << u->GetWalletBalance();
  }
  if (auto* u = View<IUserProfile_01>(c)) {
    r << u->getAvatarUrl() << u->getBirthdate() << u->getAddressList() << u->getTelephoneList()
      << u->getEmailList() << u->isEmailVerified() << u->getSettings() << u->GetGlobalID()
      << u->isSearchable() << u->GetLastStatus() << u->getJsonUserSettings();
    qo::StringMap request;
    u->GetProfileRqst(request);
    qo::StringList entries;
    for (const auto& [key, value] : request) entries.push_back(key + u"=" + value);
    r.Unordered(entries);
    for (const auto& [key, s] : u->GetCustomStatus()) r << key << s.status << s.text << s.number;
  }
  if (auto* u = View<IUserProfile_02>(c)) r << u->getWalletUserKey();
  auto* b = View<IBuddyProfile>(c);
  auto* b1 = View<IBuddyProfile_01>(c);
  if (b == nullptr || b1 == nullptr) return;
  r << b->getScreenName() << b->getQuickCode() << b->GetGroupName() << b->isFavoriteBuddy()
    << b->getAcceptStatus() << b->getBlii() << b->getDomain() << b->getLogonStatus()
    << b->getQuilloID() << b->IsAccepted() << b->GetPSMSRate() << b->GetPSMSCurrency()
    << b1->GetToogleFlags() << b1->GetRealQuilloId() << b1->getAddBuddyRequester()
    << b1->getGroupList() << b1->GetResourceList() << b->getStatus() << b->getStatusMessage();
}

inline void ReadWindowControl(Reading& r, IPluginWindowControl* w) {
  const CRect rect = w->GetRect();
  r << w->GetID() << w->GetLabel() << rect.left << rect.top << rect.right << rect.bottom
    << w->GetStyle() << w->GetBitmap() << w->GetHwnd();
  for (int key = 0; key < 4; ++key) {
    std::uint32_t number = 0;
    qo::String text = u"-";
    const auto resourceKey = static_cast<tagPLUGINCONTROL_RES_KEY>(key);
    r << w->GetResource(resourceKey, number) << number << w->GetResource(resourceKey, text) << text;
  }
}

inline void ReadWebRequest(Reading& r, IWebRequest* w) {
  const std::uint8_t* body = w->GetBody();
  qo::String primary;
  w->GetPrimaryText(primary);
  qo::StringList headers, names, parameters;
  w->GetHeaders(headers);
  w->GetPartNames(names);
  w->GetParameterNames(parameters);
  r << w->GetRequestId() << w->GetAddress() << w->GetRequestKind() << w->GetRequestOption()
    << w->GetBodyLength() << w->GetBodyType() << w->GetBodyFlags() << w->GetContextValue()
    << w->GetSecondaryText() << w->GetValuePair().first << w->GetValuePair().second
    << w->GetRequestFlags() << Read(w->GetUserData()) << qo::String(body, body + w->GetBodyLength())
    << primary;
  for (auto* list : {&names, &parameters}) std::sort(list->begin(), list->end());
  r.Unordered(headers) << names << parameters;
  for (const auto& name : names) {
    qo::String value;
    std::uint32_t type = 0, flags = 0, length = 0;
    std::uint8_t* data = nullptr;
    w->GetPartValue(name, value);
    w->GetPartData(name, type, flags, data, length);
    r << value << type << flags << qo::String(data, data + length);
    std::free(data);
  }
  for (const auto& name : parameters) {
    qo::String value;
    w->GetParameter(name, value);
    r << value;
  }
}

inline qo::String Read(IDataContainer* c) {
  if (c == nullptr) return u"null";
  Reading r;
  r << c->GetType();
  ReadProfiles(r, c);
  if (auto* list = View<IBuddyList>(c)) {
    std::vector<IBuddyProfile*> copies;
    list->getList(copies);
    qo::StringList records;
    for (IBuddyProfile* copy : copies) records.push_back(Read(copy));
    list->clearCopyOfList(copies);
    r.Unordered(records);
  }
  if (auto* x = View<ICredit>(c)) r << x->getProvider() << x->getTotalCredits() << x->getUsedCredits();
  ReadWalk(r, View<ICreditList>(c), &ICreditList::getHead, &ICreditList::getNext);
  if (auto* p = View<IConnectionProperties>(c)) {
    r << p->getServerHost() << p->getServerPort() << p->getConnectAttempts()
      << p->getServerType() << p->getProxyHost() << p->getProxyPort() << p->getProxyType()
      << p->getProxyUserName() << p->getProxyPassword() << p->useProxyAuthentication()
      << p->useProxyConnection() << p->getUrl() << p->getRetries() << p->GetAutoconfigureStatus();
  }
  if (auto* m = View<ISystemMessage>(c)) {
    r << m->getMsgContent() << m->getMsgID() << m->getType() << m->getEventId()
      << m->getMsgType() << m->IsFinal() << m->IsModal() << m->GetUserResponse();
  }
  if (auto* m = View<IMessage>(c)) {
    r << m->getSender() << m->getMessage() << m->getRecipient() << m->isUnicode()
      << m->getTimeStamp() << m->getSendMedium() << m->getChargingOption() << m->getStatus()
      << m->getStatusTime() << Read(m->getAttachmentInterface())
      << Read(View<IMessage_01>(c)->GetBuddyProfile()) << View<IMessage_02>(c)->getWalletUserKey();
    for (int medium = 0; medium < 4; ++medium) {
      const qo::StringList* list = m->getRecipient(static_cast<tagSEND_MEDIUM>(medium));
      r << (list != nullptr ? *list : qo::StringList{u"none"});
    }
  }
  if (auto* p = View<IPluginInfo>(c)) {
    r << p->GetAuthor() << p->GetCopyRight() << p->GetVersion() << p->GetDescription()
      << p->GetPluginPath() << p->GetBrandKey() << p->GetStatus() << p->GetPluginId()
      << p->GetPluginType() << p->GetLoadOption();
  }
  if (auto* e = View<IPluginUIElement>(c)) {
    auto* e2 = View<IPluginUIElement2>(c);
    r << e->GetLabel() << e->GetImage() << e->GetEventGUID() << e->IsEnabled()
      << e->IsVisible() << e->GetCommandId() << e->GetPluginId() << e->GetLocation()
      << e2->GetPUiKey() << e2->GetControlType() << e2->GetControlState();
  }
  if (auto* a = View<IPluginUIElementAction>(c)) {
    r << a->GetPluginEvent() << Read(a->GetPluginElement()) << Read(a->GetData());
  }
  if (auto* e = View<IPluginEventData>(c)) r << e->GetEventId() << e->GetData();
  if (auto* w = View<IPluginWindowElement>(c)) {
    r << w->GetResourceHandle() << w->GetDialogTemplate() << w->GetDialogInit() << w->GetHwnd()
      << w->GetDialogID() << w->GetID() << w->GetCmdShow();
    std::vector<IPluginWindowControl*> controls;
    w->GetControls(controls);
    for (IPluginWindowControl* control : controls) ReadWindowControl(r, control);
  }
  if (auto* s = View<IDataSource>(c)) r << s->GetDataType() << Read(s->GetData());
  if (auto* a = View<IMessageAttachment>(c)) r << a->getAttachment() << a->getAttachmentType();
  if (auto* a = View<IAds>(c)) {
    r << a->GetImagePath() << a->GetURL() << a->GetTooltip() << a->GetSleepInterval()
      << a->GetTransitionAnimation() << a->GetAdsType();
  }
  ReadWalk(r, View<IAdsList>(c), &IAdsList::GetHeadPosition, &IAdsList::GetNext);
  if (auto* p = View<IPluginControlCommand>(c)) {
    r << p->GetDialogId() << p->GetControlId() << p->GetFunctionId() << p->GetCommandType();
    for (std::uint32_t id = 0; id <= 10; ++id) {
      std::int32_t signedValue = 0;
      std::uint32_t unsignedValue = 0;
      qo::String text = u"-";
      r << p->GetParam(id, signedValue) << signedValue << p->GetParam(id, unsignedValue)
        << unsignedValue << p->GetParam(id, text) << text;
    }
  }
  ReadWalk(r, View<IMessageList>(c), &IMessageList::GetHeadPosition, &IMessageList::GetNext);
  if (auto* e = View<IApplicationEvent>(c)) {
    r << e->GetEventId() << e->GetEventKind() << Read(e->GetEventData());
  }
  if (auto* d = View<IQoDataCollection>(c)) {
    r << d->GetCount() << d->GetUserValue();
    ReadWalk(r, d, &IQoDataCollection::GetHeadPosition, &IQoDataCollection::GetNext);
  }
  if (auto* t = View<ITransport>(c)) {
    r << t->GetTransportNumber1() << t->GetTransportText1() << t->GetTransportText2()
      << t->GetTransportText3() << t->GetTransportNumber2() << t->GetTransportNumber3()
      << t->GetTransportNumber4() << t->GetTransportNumber5() << t->GetTransportNumber6();
  }
  if (auto* w = View<IWebRequest>(c)) ReadWebRequest(r, w);
  if (auto* e = View<IGenericEvent>(c)) {
    qo::StringList strings;
    e->GetStrings(strings);
    r.Unordered(strings) << e->GetNumber() << e->GetText();
  }
  if (auto* w = View<IPluginWindowControl>(c)) ReadWindowControl(r, w);
  if (auto* g = View<IGenericDataContainer>(c)) {
    for (const auto& key : kKeys) {
      qo::String text = u"-";
      std::int32_t number = -1;
      IDataContainer* held = nullptr;
      r << g->GetString(key, &text) << text << g->GetInteger(key, &number) << number
        << g->GetContainer(key, &held) << Read(held);
      if (held != nullptr) held->Release();
    }
  }
  if (auto* x = View<IXMPPConnProperties>(c)) {
    r << x->GetDomain() << x->GetResource() << x->GetPort() << x->GetEncryptType()
      << x->GetServer() << x->GetTimeout() << x->IsSSLWarningIgnored()
      << x->IsPlainTextAllowed() << x->IsWeb() << x->GetBoshServer();
  }
  if (View<ICagTokens>(c) != nullptr) {
    // Read from a clone, since reading a token takes it off the queue.
    auto* copy = View<ICagTokens>(c->Clone());
    r << copy->GetTokenCount();
    for (int i = 0; i < 8; ++i) r << copy->GetToken();
    copy->Release();
  }
  return r.text();
}

// --- Setters and inserts: filling containers, and the operations under test ----------------

// A text long enough to live on the heap, different (and longer) for each variant, so that
// assigning one variant to another needs a new buffer.
inline qo::String Long(const char* what, int variant) {
  const std::string seed = std::string(what) + " text long enough to allocate " + std::string(8 * variant, '+');
  return qo::String(seed.begin(), seed.end());  // a buffer of exactly its length
}

using Owned = qo::Held<IDataContainer>;
IDataContainer* Made(tagCONTAINER_DATATYPE code, int variant);

// A filled container of another class to pass to a setter: converts to any of its interfaces.
struct Other {
  Other(tagCONTAINER_DATATYPE code, int variant) : held(Owned::Adopt(Made(code, variant))) {}
  template <class I>
  operator I*() const {
    if constexpr (std::is_same_v<I, IDataContainer>) return held.get();
    else return View<I>(held.get());
  }
  Owned held;
};

enum Use { kFill = 1, kTest = 2, kFillAndTest = 3 };
struct Change {
  tagCONTAINER_DATATYPE code;
  const char* what;
  std::function<void(IDataContainer*, const qo::String& t, int v)> op;  // sets t or v
  int use = kFillAndTest;
  int variant = 1;  // how the container under test is filled first (0: not at all)
};
inline const auto kMedium = static_cast<tagSEND_MEDIUM>(1);
inline const std::uint8_t kBytes[64] = {7, 2, 3, 4};

// A row that makes one call on the container's interface I.
#define QO_CALL(code, I, call, ...)                                                             \
  Change {                                                                                      \
    CONTAINER_##code, #call,                                                                    \
        [](IDataContainer* c, [[maybe_unused]] const qo::String& t, [[maybe_unused]] int v) { \
          View<I>(c)->call;                                                                     \
        },                                                                                      \
        __VA_ARGS__                                                                             \
  }

// The setters and inserts of every class. Fill applies each kFill row to a container (those of
// the user profile to buddy profiles too), with texts that live on the heap, so that copying
// it has many allocations to fail; each kTest row is applied on its own to a filled container
// and must fail safely.
inline const std::vector<Change>& Changes() {
  auto request = [](std::int32_t apply) {
    return [apply](IDataContainer* c, const qo::String& t, int) {
      qo::StringMap entries{{u"first_name", t}, {u"LAST_NAME", t}, {u"email", t}, {u"theme", t},
                            {u"GLOBAL_ID", t}, {u"idle", u"42"}, {u"birthday", u"1990-02-03"}, {t, t}};
      View<IUserProfile_01>(c)->SetProfileRqst(entries, apply);
    };
  };
  static const std::vector<Change> rows = {
      QO_CALL(USER_PROFILE, IUserProfile, setQuilloID(t)),
      QO_CALL(USER_PROFILE, IUserProfile, setQuilloID(t + u"@TRANSPORT_yahoo.com"), kTest),
      QO_CALL(USER_PROFILE, IUserProfile, setName(t, t)),
      QO_CALL(USER_PROFILE, IUserProfile, setEmail(t)),
      QO_CALL(USER_PROFILE, IUserProfile, setAddressInfo(t, t, t, t)),
      QO_CALL(USER_PROFILE, IUserProfile, SetWalletId(t)),
      QO_CALL(USER_PROFILE, IUserProfile_01, setAvatarUrl(t)),
      QO_CALL(USER_PROFILE, IUserProfile_01, setAddressList({t, t})),
      QO_CALL(USER_PROFILE, IUserProfile_01, setEmailList({t})),
      {CONTAINER_USER_PROFILE, "SetProfileRqst applied", request(1)},
      {CONTAINER_USER_PROFILE, "SetProfileRqst kept", request(0), kTest},
      QO_CALL(USER_PROFILE, IUserProfile_01, AddStatus({v, t, static_cast<std::uint32_t>(v)})),
      QO_CALL(USER_PROFILE, IUserProfile_01, AddStatus({1, t, 1}), kTest),  // replacing
      QO_CALL(USER_PROFILE, IUserProfile_02, setWalletUserKey(t)),
      QO_CALL(BUDDY_PROFILE, IBuddyProfile, setScreenName(t)),
      QO_CALL(BUDDY_PROFILE, IBuddyProfile, SetGroupName(t)),
      QO_CALL(BUDDY_PROFILE, IBuddyProfile, setBLII(v), kFill),
      QO_CALL(BUDDY_PROFILE, IBuddyProfile_01, setGroupList({t, t})),
      QO_CALL(BUDDY_PROFILE, IBuddyProfile_01, SetResourceList({t, u"R", u"r"}), kTest),
      QO_CALL(BUDDY_PROFILE, IBuddyProfile_01, AddResource(t)),
      QO_CALL(BUDDY_PROFILE, IBuddyProfile_01, SetPresence({static_cast<tagSTATUS>(v), t, 1, t})),
      {CONTAINER_BUDDY_LIST, "three records", [](IDataContainer* c, const qo::String&, int v) {
         for (char16_t i = u'a'; i <= u'c'; ++i) {
           const Other buddy(CONTAINER_BUDDY_PROFILE, v);
           static_cast<IUserProfile*>(buddy)->setQuilloID(Long("buddy", v) + i);
           View<IBuddyList>(c)->addBuddyRecord(buddy);
         }
       }, kFill},
      QO_CALL(BUDDY_LIST, IBuddyList, addBuddyRecord(Other(CONTAINER_BUDDY_PROFILE, v)), kTest),
      QO_CALL(BUDDY_LIST, IBuddyList, updateBuddyRecord(Long("buddy", 1) + u"a", Other(CONTAINER_BUDDY_PROFILE, v)), kTest),
      {CONTAINER_BUDDY_LIST, "getList", [](IDataContainer* c, const qo::String&, int) {
         std::vector<IBuddyProfile*> copies;
         View<IBuddyList>(c)->getList(copies);
         View<IBuddyList>(c)->clearCopyOfList(copies);
       }, kTest},
      {CONTAINER_BUDDY_LIST, "class addBuddyRecord", [](IDataContainer* c, const qo::String&, int v) {
         const Other buddy(CONTAINER_BUDDY_PROFILE, v);
         dynamic_cast<CBuddyList*>(c)->addBuddyRecord(*dynamic_cast<CBuddyProfile*>(buddy.held.get()));
       }, kTest},
      {CONTAINER_BUDDY_LIST, "class getList", [](IDataContainer* c, const qo::String&, int) {
         std::vector<CBuddyProfile*> copies;
         dynamic_cast<CBuddyList*>(c)->getList(copies);
         dynamic_cast<CBuddyList*>(c)->clearCopyOfList(copies);
       }, kTest},
      QO_CALL(CREDIT, ICredit, setProvider(t)),
      QO_CALL(CREDIT, ICredit, setTotalCredits(10 * v), kFill),
      QO_CALL(CREDIT_LIST, ICreditList, putCredit(Other(CONTAINER_CREDIT, v))),
      QO_CALL(CREDIT_LIST, ICreditList, putCredit(Other(CONTAINER_CREDIT, v)), kFill),
      QO_CALL(CREDIT_LIST, ICreditList, putCredit(Other(CONTAINER_CREDIT, v)), kFill),
      QO_CALL(CONNECTION_PROPERTIES, IConnectionProperties, setServerHost(t)),
      QO_CALL(CONNECTION_PROPERTIES, IConnectionProperties, setProxyHost(t)),
      QO_CALL(CONNECTION_PROPERTIES, IConnectionProperties, setProxyUserName(t)),
      QO_CALL(CONNECTION_PROPERTIES, IConnectionProperties, setProxyPassword(t)),
      QO_CALL(CONNECTION_PROPERTIES, IConnectionProperties, setUrl(t)),
      QO_CALL(SYSTEM_MESSAGE, ISystemMessage, SetParameters(t, v, static_cast<SYSTEM_MSG_TYPE>(v), v, t, t, 1, 1)),
      QO_CALL(MESSAGE, IMessage, SetParameters(t, t, t, kMedium, qo::Time{1000 * v})),
      QO_CALL(MESSAGE, IMessage, SetParameters(t, t, t, kMedium, qo::String(u"240131235959")), kTest),
      QO_CALL(MESSAGE, IMessage, addRecipient(t, kMedium)),
      QO_CALL(MESSAGE, IMessage, addRecipient(t + u"b", kMedium), kFill),
      QO_CALL(MESSAGE, IMessage, addRecipient(t, kMedium), kTest, 0),  // without a medium yet
      QO_CALL(MESSAGE, IMessage, setAttachment(t, static_cast<tagATTACHMENT_TYPE>(v))),
      QO_CALL(MESSAGE, IMessage_01, SetBuddyProfile(Other(CONTAINER_BUDDY_PROFILE, v), kMedium)),
      QO_CALL(MESSAGE, IMessage_02, setWalletUserKey(t)),
      QO_CALL(PLUGIN_INFO, IPluginInfo, SetAuthor(t)),
      QO_CALL(PLUGIN_INFO, IPluginInfo, SetDescription(t)),
      QO_CALL(PLUGIN_INFO, IPluginInfo, SetPluginPath(t)),
      QO_CALL(PLUGIN_UI_ELEMENT, IPluginUIElement, SetLabel(t)),
      QO_CALL(PLUGIN_UI_ELEMENT, IPluginUIElement, SetEventGUID(t)),
      QO_CALL(PLUGIN_UI_ELEMENT, IPluginUIElement2, SetPUiKey(t)),
      QO_CALL(PLUGIN_UI_ELEMENT_ACTION, IPluginUIElementAction, SetPluginUIElement(Other(CONTAINER_PLUGIN_UI_ELEMENT, v))),
      QO_CALL(PLUGIN_UI_ELEMENT_ACTION, IPluginUIElementAction, SetData(Other(CONTAINER_DATA_SOURCE, v))),
      // Control 1 is replaced, controls 7, 8 and 9 are added.
      QO_CALL(PLUGIN_WINDOW_ELEMENT, IPluginWindowElement, AddControl(1, t, CRect(1, 2, 3, 4), 5, 0)),
      QO_CALL(PLUGIN_WINDOW_ELEMENT, IPluginWindowElement, AddControl(6 + v, t, CRect(), 0, 0)),
      QO_CALL(DATA_SOURCE, IDataSource, SetDataType(CONTAINER_MESSAGE), kFill),
      QO_CALL(DATA_SOURCE, IDataSource, SetData(Other(CONTAINER_MESSAGE, v))),
      {CONTAINER_DATA_SOURCE, "class SetData", [](IDataContainer* c, const qo::String&, int v) {
         dynamic_cast<CQoDataSource*>(c)->SetData(CONTAINER_BUDDY_PROFILE, Other(CONTAINER_BUDDY_PROFILE, v));
       }, kTest},
      QO_CALL(MESSAGE_ATTACHMENT, IMessageAttachment, SetAttachment(t)),
      QO_CALL(ADS, IAds, SetParameters(t, t, static_cast<ADSTYPE>(v), t, 1, 2)),
      // The list takes over the reference that Made gives.
      QO_CALL(ADS_LIST, IAdsList, AddTail(View<IAds>(Made(CONTAINER_ADS, v)))),
      QO_CALL(ADS_LIST, IAdsList, AddTail(View<IAds>(Made(CONTAINER_ADS, v))), kFill),
      QO_CALL(ADS_LIST, IAdsList, AddTail(View<IAds>(Made(CONTAINER_ADS, v))), kFill),
      // Parameter 1 is replaced, parameters 7, 8 and 9 are added.
      QO_CALL(PLUGIN_CONTROL_COMMAND, IPluginControlCommand, AddParam(1, t)),
      QO_CALL(PLUGIN_CONTROL_COMMAND, IPluginControlCommand, AddParam(2, std::int32_t{-v}), kFill),
      QO_CALL(PLUGIN_CONTROL_COMMAND, IPluginControlCommand, AddParam(3, std::uint32_t(v)), kFill),
      QO_CALL(PLUGIN_CONTROL_COMMAND, IPluginControlCommand, AddParam(6 + v, t)),
      QO_CALL(PLUGIN_CONTROL_COMMAND, IPluginControlCommand, AddParam(10, std::int32_t{v}), kTest),
      QO_CALL(MESSAGE_LIST, IMessageList, AddHead(Other(CONTAINER_MESSAGE, v))),
      QO_CALL(MESSAGE_LIST, IMessageList, AddHead(Other(CONTAINER_MESSAGE, v)), kFill),
      QO_CALL(APPLICATION_EVENT, IApplicationEvent, SetApplicationEvent(7, 1, Other(CONTAINER_CREDIT, v)), kFill),
      // The application event is set once: on an event not set yet.
      QO_CALL(APPLICATION_EVENT, IApplicationEvent, SetApplicationEvent(1, 2, c), kTest, 0),
      QO_CALL(DATA_COLLECTION, IQoDataCollection, Add(Other(CONTAINER_MESSAGE, v))),
      QO_CALL(DATA_COLLECTION, IQoDataCollection, Add(Other(CONTAINER_WEB_REQUEST, v)), kFill),
      QO_CALL(DATA_COLLECTION, IQoDataCollection, SetUserValue(static_cast<std::uint32_t>(v)), kFill),
      QO_CALL(TRANSPORT, ITransport, SetTransportText1(t)),
      QO_CALL(TRANSPORT, ITransport, SetTransportText2(t)),
      QO_CALL(TRANSPORT, ITransport, SetTransportText3(t)),
      QO_CALL(WEB_REQUEST, IWebRequest, SetRequest(1, t, 2)),
      QO_CALL(WEB_REQUEST, IWebRequest, SetBody(v, 2, kBytes, 4 * v)),
      QO_CALL(WEB_REQUEST, IWebRequest, SetParameter(u"k1", t)),
      QO_CALL(WEB_REQUEST, IWebRequest, SetParameter(t, t), kTest),
      QO_CALL(WEB_REQUEST, IWebRequest, AddPart(u"k2", t)),
      QO_CALL(WEB_REQUEST, IWebRequest, AddPart(t, t), kTest),
      QO_CALL(WEB_REQUEST, IWebRequest, SetPartData(u"k2", v, 2, kBytes, 3 * v)),
      QO_CALL(WEB_REQUEST, IWebRequest, SetHeader(kKeys[2], t)),
      QO_CALL(WEB_REQUEST, IWebRequest, SetHeader(t, t), kTest),
      QO_CALL(WEB_REQUEST, IWebRequest, SetPrimaryText(t)),
      QO_CALL(WEB_REQUEST, IWebRequest, SetSecondaryText(t)),
      QO_CALL(WEB_REQUEST, IWebRequest, SetUserData(Other(CONTAINER_CREDIT, v))),
      {CONTAINER_WEB_REQUEST, "GetHeaders and names", [](IDataContainer* c, const qo::String& t, int) {
         qo::StringList lines{t};
         View<IWebRequest>(c)->GetHeaders(lines);
         View<IWebRequest>(c)->GetPartNames(lines);
         View<IWebRequest>(c)->GetParameterNames(lines);
       }, kTest},
      QO_CALL(GENERIC_EVENT, IGenericEvent, AddString(t)),
      QO_CALL(GENERIC_EVENT, IGenericEvent, AddString(t + u"b"), kFill),
      QO_CALL(GENERIC_EVENT, IGenericEvent, SetText(t)),
      QO_CALL(PLUGIN_WINDOW_CONTROL, IPluginWindowControl, AddResource(static_cast<tagPLUGINCONTROL_RES_KEY>(1), t)),
      QO_CALL(PLUGIN_WINDOW_CONTROL, IPluginWindowControl, AddResource(static_cast<tagPLUGINCONTROL_RES_KEY>(2), std::uint32_t(v)), kFill),
      QO_CALL(PLUGIN_WINDOW_CONTROL, IPluginWindowControl, AddResource(static_cast<tagPLUGINCONTROL_RES_KEY>(3), t), kTest),
      QO_CALL(GENERIC_DATA, IGenericDataContainer, SetString(u"k1", t)),
      QO_CALL(GENERIC_DATA, IGenericDataContainer, SetInteger(u"k2", v), kFill),
      QO_CALL(GENERIC_DATA, IGenericDataContainer, SetContainer(kKeys[2], Other(CONTAINER_MESSAGE, v))),
      QO_CALL(GENERIC_DATA, IGenericDataContainer, SetString(u"new", t), kTest),
      QO_CALL(GENERIC_DATA, IGenericDataContainer, SetInteger(u"new", 5), kTest),
      QO_CALL(GENERIC_DATA, IGenericDataContainer, SetContainer(u"k1", Other(CONTAINER_MESSAGE, v)), kTest),
      QO_CALL(XMPP_CONN_PROPERTIES, IXMPPConnProperties, SetDomain(t)),
      QO_CALL(XMPP_CONN_PROPERTIES, IXMPPConnProperties, SetServer(t)),
      QO_CALL(CAG_TOKENS, ICagTokens, AddToken(t)),
      QO_CALL(CAG_TOKENS, ICagTokens, AddToken(t + u"b"), kFill),
      QO_CALL(CAG_TOKENS, ICagTokens, AddToken(t + u"c"), kFill),
  };
  return rows;
}
#undef QO_CALL

inline void Fill(IDataContainer* c, int v) {
  const tagCONTAINER_DATATYPE type = c->GetType();
  for (const Change& row : Changes()) {
    const bool mine = row.code == type || (row.code == CONTAINER_USER_PROFILE && type == CONTAINER_BUDDY_PROFILE);
    if (mine && (row.use & kFill) != 0) row.op(c, Long(row.what, v), v);
  }
}

// A new container of the code (by the application-communication object's catalogue), filled
// with variant 1 or 2 (0: left empty). The caller owns the one holder.
inline IDataContainer* Made(tagCONTAINER_DATATYPE code, int variant) {
  static IDataFactory2* appCom = [] {
    void* object = nullptr;
    CreateAppComInstance(&object);
    return static_cast<IDataFactory2*>(static_cast<IApplicationCom*>(object));
  }();
  IDataContainer* made = nullptr;
  appCom->CreateContainer(code, &made);
  Owned owned = Owned::Adopt(made);  // released again if filling runs out of memory
  if (variant != 0) Fill(made, variant);
  return owned.release();
}
inline Owned Fresh(tagCONTAINER_DATATYPE code, int variant = 1) {
  return Owned::Adopt(Made(code, variant));
}

// ExpectFailureSafe on a container of the code filled with the variant, read back whole.
template <class Op>
void ExpectFailureSafeOn(const char* what, tagCONTAINER_DATATYPE code, Op op, int variant = 1) {
  ExpectFailureSafe(what, [=] { return Fresh(code, variant); }, op, [](Owned& o) { return Read(o.get()); });
}

// The classes offered for direct copy construction and assignment: ForEach calls
// f(T*, code, name) with a null T*, the code whose containers are T and the class name.
template <class... T>
struct Classes {
  template <class F>
  static void ForEach(F f) {
    auto name = [](std::string mangled) {  // "12CUserProfile": the length, then the name
      return mangled.substr(mangled.find_first_not_of("0123456789"));
    };
    (f(static_cast<T*>(nullptr), qo::InterfaceCode<typename T::MainInterface>::value,
       name(typeid(T).name()).c_str()),
     ...);
  }
};
using CopyableClasses =
    Classes<CUserProfile, CBuddyProfile, CBuddyList, CMessage, CSystemMessage, CMessageAttachment,
            CConnectionProperties, CXMPPConnProperties, CCagTokens, CCredit, CCreditList, CAds,
            CIAdsList, CPluginInfo, CPluginUIElement, CPluginUIElementAction, CPluginWindowElement,
            CPluginWindowControl, CPluginControlCommand, CQoDataSource>;

// The class codes (one per class; the second and third interface codes left out).
inline std::vector<tagCONTAINER_DATATYPE> ClassCodes() {
  std::vector<tagCONTAINER_DATATYPE> codes;
  for (int code = 1; code <= 34; ++code) {
    if ((code < 26 || code > 29) && code != 31 && code != 32) {
      codes.push_back(static_cast<tagCONTAINER_DATATYPE>(code));
    }
  }
  return codes;
}

}  // namespace qo::test
