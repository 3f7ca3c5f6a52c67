// Allocation-failure injection for the alloc_failure_*_test programs. Including this header
// replaces every replaceable form of the global operator new and delete in the program (so
// it is included by exactly one source file of each program): once armed with N, the N-th
// allocation fails (std::bad_alloc, or null for the nothrow forms). The live-block count
// lets a test see an allocation that a failed operation did not give back.
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
#include <new>
#include <string>
#include <vector>

#include "qodata/qodata.h"

namespace qo::test {

struct Injection {
  std::size_t countdown = 0;  // 0: disarmed; else the allocations left until the failing one
  bool fired = false;
  long long liveBlocks = 0;
  std::size_t failurePoints = 0;  // failed runs checked by ExpectFailureSafe
};
inline Injection injection;

inline void Arm(std::size_t n) {
  injection.fired = false;
  injection.countdown = n;
}
inline void Disarm() { injection.countdown = 0; }

// True when this allocation is the one to fail.
inline bool ShouldFail() {
  if (injection.countdown == 0) return false;
  if (--injection.countdown != 0) return false;
  injection.fired = true;
  return true;
}

inline void* Allocate(std::size_t size, std::size_t alignment, bool nothrow) {
  if (ShouldFail()) {
    if (nothrow) return nullptr;
    throw std::bad_alloc();
  }
  if (size == 0) size = 1;
  void* block = nullptr;
  if (alignment <= alignof(std::max_align_t)) {
    block = std::malloc(size);
  } else if (posix_memalign(&block, alignment, size) != 0) {
    block = nullptr;
  }
  if (block == nullptr) {
    if (nothrow) return nullptr;
    throw std::bad_alloc();
  }
  ++injection.liveBlocks;
  return block;
}

inline void Free(void* block) {
  if (block == nullptr) return;
  --injection.liveBlocks;
  std::free(block);
}

// Runs make() then op(object) with the N-th allocation of op failing, for N = 1, 2, ... until
// op succeeds. After each failure describe(object) must read as before, and once the object
// is destroyed every block allocated since make() must be freed again (a container may keep
// capacity it grew before the failure, but nothing may outlive it). Returns the failures.
template <class Make, class Op, class Describe>
std::size_t ExpectFailureSafe(const char* what, Make make, Op op, Describe describe) {
  {  // once without failure, so that lazily made statics do not count as kept blocks
    auto object = make();
    op(object);
  }
  std::size_t failures = 0;
  for (std::size_t n = 1;; ++n) {
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
      Disarm();
      if (threw) {
        EXPECT_TRUE(describe(object) == before) << what << ": allocation " << n
                                                << " failed and changed the object";
      } else {
        EXPECT_FALSE(injection.fired) << what << ": the failing allocation " << n
                                      << " was swallowed";
      }
    }
    if (!threw) break;
    ++failures;
    EXPECT_EQ(injection.liveBlocks, baseline) << what << ": allocation " << n
                                              << " failed and blocks outlived the object";
    if (n > 100000) {
      ADD_FAILURE() << what << ": never succeeds";
      break;
    }
  }
  EXPECT_GT(failures, 0u) << what << ": allocates nothing";
  injection.failurePoints += failures;
  return failures;
}

// Prints the summary line when the program ends.
class FailurePointReport : public ::testing::Environment {
 public:
  void TearDown() override {
    std::printf("allocation-failure points exercised: %zu\n", injection.failurePoints);
  }
};
inline ::testing::Environment* const failurePointReport =
    ::testing::AddGlobalTestEnvironment(new FailurePointReport);

}  // namespace qo::test

// --- Reading a container back as text -----------------------------------------------------

namespace qo::test {

// Everything a caller can read from a container, through its interfaces, as one text; held
// containers are read recursively. Two reads are equal exactly when no state visible to a
// client differs. Keys that a caller cannot enumerate are read for the keys the tests use.
class Reading {
 public:
  Reading& operator<<(const qo::String& text) {
    out_ += text;
    out_ += u'|';
    return *this;
  }
  Reading& operator<<(const char16_t* text) { return *this << qo::String(text); }
  Reading& operator<<(long long number) {
    for (char digit : std::to_string(number)) out_.push_back(static_cast<char16_t>(digit));
    out_ += u'|';
    return *this;
  }
  Reading& operator<<(const void* pointer) {
    return *this << static_cast<long long>(reinterpret_cast<std::uintptr_t>(pointer));
  }
  Reading& operator<<(const qo::StringList& list) {
    *this << static_cast<long long>(list.size());
    for (const auto& text : list) *this << text;
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

// The keys and media the tests fill unordered maps with.
inline const qo::StringList kKeys = {u"k1", u"k2", u"a key long enough to allocate", u"new"};

qo::String Read(IDataContainer* container);

template <class I>
I* View(IDataContainer* container) {
  void* view = nullptr;
  if (container == nullptr || container->GetDataInterface(qo::InterfaceCode<I>::value, &view) != 1) {
    return nullptr;
  }
  static_cast<I*>(view)->Release();  // the container keeps its own holder
  return static_cast<I*>(view);
}

inline void ReadUserProfile(Reading& r, IDataContainer* c) {
  if (auto* u = View<IUserProfile>(c)) {
    r << u->getQuilloID() << u->getPassword() << u->getOldPassword() << u->getFirstName()
      << u->getLastName() << u->getEmail() << u->getStreetAddress() << u->getCityAddress()
      << u->getStateAddress() << u->getCountryAddress() << u->getFax() << u->getTelephone()
      << u->getProfile() << u->getProvider() << u->getTheme() << u->getIdleTime()
      << u->getMood() << u->getGender() << u->getStatus() << u->getAge()
      << u->isUnifiedAccount() << u->getProfileImage() << u->getStatusMessage()
      << u->getAvatarFileKey() << u->GetBigImage() << u->GetSmallImage() << u->GetWalletId()
      << u->GetWalletPassword() << u->GetWalletCurrency()
      << static_cast<long long>(u->GetWalletBalance());
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
    for (const auto& [key, status] : u->GetCustomStatus()) {
      r << key << status.status << status.text << status.number;
    }
  }
  if (auto* u = View<IUserProfile_02>(c)) r << u->getWalletUserKey();
}

inline void ReadBuddyProfile(Reading& r, IDataContainer* c) {
  auto* b = View<IBuddyProfile>(c);
  auto* b1 = View<IBuddyProfile_01>(c);
  if (b == nullptr || b1 == nullptr) return;
  r << b->getScreenName() << b->getQuickCode() << b->GetGroupName() << b->isFavoriteBuddy()
    << b->getAcceptStatus() << b->getBlii() << b->getDomain() << b->getLogonStatus()
    << b->getQuilloID() << b->IsAccepted() << static_cast<long long>(b->GetPSMSRate())
    << b->GetPSMSCurrency() << b1->GetToogleFlags() << b1->GetRealQuilloId()
    << b1->getAddBuddyRequester() << b1->getGroupList() << b1->GetResourceList()
    << b->getStatus() << b->getStatusMessage();
}

inline void ReadMessage(Reading& r, IDataContainer* c) {
  auto* m = View<IMessage>(c);
  r << m->getSender() << m->getMessage() << m->getRecipient() << m->isUnicode()
    << m->getTimeStamp() << m->getSendMedium() << m->getChargingOption() << m->getStatus()
    << m->getStatusTime();
  for (int medium = 0; medium < 4; ++medium) {
    const qo::StringList* list = m->getRecipient(static_cast<tagSEND_MEDIUM>(medium));
    r << (list != nullptr ? *list : qo::StringList{u"none"});
  }
  r << Read(m->getAttachmentInterface()) << Read(View<IMessage_01>(c)->GetBuddyProfile())
    << View<IMessage_02>(c)->getWalletUserKey();
}

template <class List, class Item>
void ReadWalk(Reading& r, List* list, POSITION (List::*head)(), Item* (List::*next)(POSITION&)) {
  for (POSITION p = (list->*head)(); p != nullptr;) r << Read((list->*next)(p));
}

inline void ReadWindowControl(Reading& r, IPluginWindowControl* w) {
  const CRect rect = w->GetRect();
  r << w->GetID() << w->GetLabel() << rect.left << rect.top << rect.right << rect.bottom
    << w->GetStyle() << static_cast<const void*>(w->GetBitmap())
    << static_cast<const void*>(w->GetHwnd());
  for (int key = 0; key < 4; ++key) {
    std::uint32_t number = 0;
    qo::String text = u"-";
    const auto resourceKey = static_cast<tagPLUGINCONTROL_RES_KEY>(key);
    r << w->GetResource(resourceKey, number) << number << w->GetResource(resourceKey, text) << text;
  }
}

inline void ReadWebRequest(Reading& r, IWebRequest* w) {
  r << w->GetRequestId() << w->GetAddress() << w->GetRequestKind() << w->GetRequestOption()
    << w->GetBodyLength() << w->GetBodyType() << w->GetBodyFlags() << w->GetContextValue()
    << w->GetSecondaryText() << w->GetValuePair().first << w->GetValuePair().second
    << w->GetRequestFlags() << Read(w->GetUserData());
  const std::uint8_t* body = w->GetBody();
  r << qo::String(body, body + w->GetBodyLength());
  qo::String primary;
  w->GetPrimaryText(primary);
  qo::StringList names;
  qo::StringList headers;
  w->GetHeaders(headers);
  r << primary;
  r.Unordered(headers);
  w->GetPartNames(names);
  r.Unordered(names);
  for (const auto& name : names) {
    qo::String value;
    std::uint32_t type = 0, flags = 0, length = 0;
    std::uint8_t* data = nullptr;
    w->GetPartValue(name, value);
    w->GetPartData(name, type, flags, data, length);
    r << name << value << type << flags << qo::String(data, data + length);
    std::free(data);
  }
  w->GetParameterNames(names);
  std::sort(names.begin(), names.end());
  for (const auto& name : names) {
    qo::String value;
    w->GetParameter(name, value);
    r << name << value;
  }
}

inline qo::String Read(IDataContainer* c) {
  Reading r;
  if (c == nullptr) return u"null";
  r << c->GetType();
  switch (c->GetType()) {
    case CONTAINER_USER_PROFILE:
      ReadUserProfile(r, c);
      break;
    case CONTAINER_BUDDY_PROFILE:
      ReadUserProfile(r, c);
      ReadBuddyProfile(r, c);
      break;
    case CONTAINER_BUDDY_LIST: {
      auto* list = View<IBuddyList>(c);
      std::vector<IBuddyProfile*> copies;
      list->getList(copies);
      qo::StringList records;
      for (IBuddyProfile* copy : copies) records.push_back(Read(copy));
      list->clearCopyOfList(copies);
      r.Unordered(records);
      break;
    }
    case CONTAINER_CREDIT: {
      auto* credit = View<ICredit>(c);
      r << credit->getProvider() << credit->getTotalCredits() << credit->getUsedCredits();
      break;
    }
    case CONTAINER_CREDIT_LIST:
      ReadWalk(r, View<ICreditList>(c), &ICreditList::getHead, &ICreditList::getNext);
      break;
    case CONTAINER_CONNECTION_PROPERTIES: {
      auto* p = View<IConnectionProperties>(c);
      r << p->getServerHost() << p->getServerPort() << p->getConnectAttempts()
        << p->getServerType() << p->getProxyHost() << p->getProxyPort() << p->getProxyType()
        << p->getProxyUserName() << p->getProxyPassword() << p->useProxyAuthentication()
        << p->useProxyConnection() << p->getUrl() << p->getRetries()
        << p->GetAutoconfigureStatus();
      break;
    }
    case CONTAINER_SYSTEM_MESSAGE: {
      auto* m = View<ISystemMessage>(c);
      r << m->getMsgContent() << m->getMsgID() << m->getType() << m->getEventId()
        << m->getMsgType() << m->IsFinal() << m->IsModal()
        << static_cast<const void*>(m->GetUserResponse());
      break;
    }
    case CONTAINER_MESSAGE:
      ReadMessage(r, c);
      break;
    case CONTAINER_PLUGIN_INFO: {
      auto* p = View<IPluginInfo>(c);
      r << p->GetAuthor() << p->GetCopyRight() << p->GetVersion() << p->GetDescription()
        << p->GetPluginPath() << p->GetBrandKey() << p->GetStatus() << p->GetPluginId()
        << p->GetPluginType() << p->GetLoadOption();
      break;
    }
    case CONTAINER_PLUGIN_UI_ELEMENT: {
      auto* e = View<IPluginUIElement>(c);
      auto* e2 = View<IPluginUIElement2>(c);
      r << e->GetLabel() << e->GetImage() << e->GetEventGUID() << e->IsEnabled()
        << e->IsVisible() << e->GetCommandId() << e->GetPluginId() << e->GetLocation()
        << e2->GetPUiKey() << e2->GetControlType() << e2->GetControlState();
      break;
    }
    case CONTAINER_PLUGIN_UI_ELEMENT_ACTION: {
      auto* a = View<IPluginUIElementAction>(c);
      r << a->GetPluginEvent() << Read(a->GetPluginElement()) << Read(a->GetData());
      break;
    }
    case CONTAINER_PLUGIN_EVENT_DATA: {
      auto* e = View<IPluginEventData>(c);
      r << e->GetEventId() << e->GetData();
      break;
    }
    case CONTAINER_PLUGIN_WINDOW_ELEMENT: {
      auto* w = View<IPluginWindowElement>(c);
      r << w->GetResourceHandle() << w->GetDialogTemplate() << w->GetDialogInit()
        << static_cast<const void*>(w->GetHwnd()) << w->GetDialogID() << w->GetID()
        << w->GetCmdShow();
      std::vector<IPluginWindowControl*> controls;
      w->GetControls(controls);
      for (IPluginWindowControl* control : controls) ReadWindowControl(r, control);
      break;
    }
    case CONTAINER_DATA_SOURCE: {
      auto* s = View<IDataSource>(c);
      r << s->GetDataType() << Read(s->GetData());
      break;
    }
    case CONTAINER_MESSAGE_ATTACHMENT: {
      auto* a = View<IMessageAttachment>(c);
      r << a->getAttachment() << a->getAttachmentType();
      break;
    }
    case CONTAINER_ADS: {
      auto* a = View<IAds>(c);
      r << a->GetImagePath() << a->GetURL() << a->GetTooltip() << a->GetSleepInterval()
        << a->GetTransitionAnimation() << a->GetAdsType();
      break;
    }
    case CONTAINER_ADS_LIST:
      ReadWalk(r, View<IAdsList>(c), &IAdsList::GetHeadPosition, &IAdsList::GetNext);
      break;
    case CONTAINER_PLUGIN_CONTROL_COMMAND: {
      auto* p = View<IPluginControlCommand>(c);
      r << p->GetDialogId() << p->GetControlId() << p->GetFunctionId() << p->GetCommandType();
      for (std::uint32_t id = 0; id < 4; ++id) {
        std::int32_t signedValue = 0;
        std::uint32_t unsignedValue = 0;
        qo::String text = u"-";
        r << p->GetParam(id, signedValue) << signedValue << p->GetParam(id, unsignedValue)
          << unsignedValue << p->GetParam(id, text) << text;
      }
      break;
    }
    case CONTAINER_MESSAGE_LIST:
      ReadWalk(r, View<IMessageList>(c), &IMessageList::GetHeadPosition, &IMessageList::GetNext);
      break;
    case CONTAINER_APPLICATION_EVENT: {
      auto* e = View<IApplicationEvent>(c);
      r << e->GetEventId() << e->GetEventKind() << Read(e->GetEventData());
      break;
    }
    case CONTAINER_DATA_COLLECTION: {
      auto* d = View<IQoDataCollection>(c);
      r << d->GetCount() << d->GetUserValue();
      ReadWalk(r, d, &IQoDataCollection::GetHeadPosition, &IQoDataCollection::GetNext);
      break;
    }
    case CONTAINER_TRANSPORT: {
      auto* t = View<ITransport>(c);
      r << t->GetTransportNumber1() << t->GetTransportText1() << t->GetTransportText2()
        << t->GetTransportText3() << t->GetTransportNumber2() << t->GetTransportNumber3()
        << t->GetTransportNumber4() << t->GetTransportNumber5() << t->GetTransportNumber6();
      break;
    }
    case CONTAINER_WEB_REQUEST:
      ReadWebRequest(r, View<IWebRequest>(c));
      break;
    case CONTAINER_GENERIC_EVENT: {
      auto* e = View<IGenericEvent>(c);
      qo::StringList strings;
      e->GetStrings(strings);
      r.Unordered(strings) << e->GetNumber() << e->GetText();
      break;
    }
    case CONTAINER_PLUGIN_WINDOW_CONTROL:
      ReadWindowControl(r, View<IPluginWindowControl>(c));
      break;
    case CONTAINER_GENERIC_DATA: {
      auto* g = View<IGenericDataContainer>(c);
      for (const auto& key : kKeys) {
        qo::String text = u"-";
        std::int32_t number = -1;
        IDataContainer* held = nullptr;
        r << g->GetString(key, &text) << text << g->GetInteger(key, &number) << number
          << g->GetContainer(key, &held) << Read(held);
        if (held != nullptr) held->Release();
      }
      break;
    }
    case CONTAINER_XMPP_CONN_PROPERTIES: {
      auto* x = View<IXMPPConnProperties>(c);
      r << x->GetDomain() << x->GetResource() << x->GetPort() << x->GetEncryptType()
        << x->GetServer() << x->GetTimeout() << x->IsSSLWarningIgnored()
        << x->IsPlainTextAllowed() << x->IsWeb() << x->GetBoshServer();
      break;
    }
    case CONTAINER_CAG_TOKENS: {
      // Read from a clone, since reading a token takes it off the queue.
      auto* copy = View<ICagTokens>(c->Clone());
      r << copy->GetTokenCount();
      for (int i = 0; i < 8; ++i) r << copy->GetToken();
      copy->Release();
      break;
    }
    default:
      r << u"unknown";
      break;
  }
  return r.text();
}

}  // namespace qo::test

// --- Filled containers ---------------------------------------------------------------------

namespace qo::test {

// A text long enough to live on the heap, different (and longer) for each variant, so that
// assigning one variant to another needs a new buffer.
inline qo::String Long(const char16_t* what, int variant) {
  const qo::String text = qo::String(what) + u" text long enough to allocate " + qo::String(8 * variant, u'+');
  return qo::String(text.begin(), text.end());  // a buffer of exactly its length
}

IDataContainer* Made(tagCONTAINER_DATATYPE code, int variant);

// Fills a container of any class with data in every kind of field it has (texts, lists,
// maps, held containers), so that copying it has many allocations to fail.
inline void Fill(IDataContainer* c, int v) {
  auto held = [v](tagCONTAINER_DATATYPE code) { return qo::Held<IDataContainer>::Adopt(Made(code, v)); };
  if (auto* u = View<IUserProfile>(c)) {
    u->setQuilloID(Long(u"id", v));
    u->setName(Long(u"first", v), Long(u"last", v));
    u->setEmail(Long(u"mail", v));
    u->setAddressInfo(Long(u"street", v), Long(u"city", v), Long(u"state", v), Long(u"country", v));
    u->SetWalletId(Long(u"wallet", v));
  }
  if (auto* u = View<IUserProfile_01>(c)) {
    u->setAvatarUrl(Long(u"avatar", v));
    u->setAddressList({Long(u"address", v), Long(u"second address", v)});
    u->setEmailList({Long(u"email", v)});
    qo::StringMap request{{u"theme", Long(u"theme", v)}, {Long(u"custom key", v), Long(u"value", v)}};
    u->SetProfileRqst(request, 1);
    u->AddStatus(eSAVED_STATUS{v, Long(u"status", v), static_cast<std::uint32_t>(v)});
  }
  if (auto* u = View<IUserProfile_02>(c)) u->setWalletUserKey(Long(u"key", v));
  if (auto* b = View<IBuddyProfile>(c)) {
    b->setScreenName(Long(u"screen", v));
    b->SetGroupName(Long(u"group", v));
    b->setBLII(v);
  }
  if (auto* b = View<IBuddyProfile_01>(c)) {
    b->setGroupList({Long(u"group a", v), Long(u"group b", v)});
    b->AddResource(Long(u"resource", v));
    b->SetPresence(_PRESENCE{static_cast<tagSTATUS>(v), Long(u"source", v), 1, Long(u"presence", v)});
  }
  switch (c->GetType()) {
    case CONTAINER_BUDDY_LIST: {
      auto* list = View<IBuddyList>(c);
      for (int i = 0; i < 3; ++i) {
        auto buddy = held(CONTAINER_BUDDY_PROFILE);
        View<IUserProfile>(buddy.get())->setQuilloID(Long(u"buddy", v) + char16_t(u'a' + i));
        list->addBuddyRecord(View<IBuddyProfile>(buddy.get()));
      }
      break;
    }
    case CONTAINER_CREDIT:
      View<ICredit>(c)->setProvider(Long(u"provider", v));
      View<ICredit>(c)->setTotalCredits(10 * v);
      break;
    case CONTAINER_CREDIT_LIST:
      for (int i = 0; i < 3; ++i) View<ICreditList>(c)->putCredit(View<ICredit>(held(CONTAINER_CREDIT).get()));
      break;
    case CONTAINER_CONNECTION_PROPERTIES: {
      auto* p = View<IConnectionProperties>(c);
      p->setServerHost(Long(u"host", v));
      p->setProxyHost(Long(u"proxy", v));
      p->setProxyUserName(Long(u"user", v));
      p->setProxyPassword(Long(u"password", v));
      p->setUrl(Long(u"url", v));
      break;
    }
    case CONTAINER_SYSTEM_MESSAGE:
      View<ISystemMessage>(c)->SetParameters(Long(u"content", v), v, static_cast<SYSTEM_MSG_TYPE>(v), v,
                                             Long(u"event", v), Long(u"detail", v), 1, 1);
      break;
    case CONTAINER_MESSAGE: {
      auto* m = View<IMessage>(c);
      m->SetParameters(Long(u"sender", v), Long(u"to", v), Long(u"text", v),
                       static_cast<tagSEND_MEDIUM>(1), qo::Time{1000 * v});
      m->addRecipient(Long(u"recipient a", v), static_cast<tagSEND_MEDIUM>(1));
      m->addRecipient(Long(u"recipient b", v), static_cast<tagSEND_MEDIUM>(1));
      m->setAttachment(Long(u"path", v), static_cast<tagATTACHMENT_TYPE>(v));
      auto buddy = held(CONTAINER_BUDDY_PROFILE);
      View<IMessage_01>(c)->SetBuddyProfile(View<IBuddyProfile>(buddy.get()), static_cast<tagSEND_MEDIUM>(1));
      View<IMessage_02>(c)->setWalletUserKey(Long(u"wallet", v));
      break;
    }
    case CONTAINER_PLUGIN_INFO: {
      auto* p = View<IPluginInfo>(c);
      p->SetAuthor(Long(u"author", v));
      p->SetDescription(Long(u"description", v));
      p->SetPluginPath(Long(u"path", v));
      break;
    }
    case CONTAINER_PLUGIN_UI_ELEMENT:
      View<IPluginUIElement>(c)->SetLabel(Long(u"label", v));
      View<IPluginUIElement>(c)->SetEventGUID(Long(u"guid", v));
      View<IPluginUIElement2>(c)->SetPUiKey(Long(u"ui key", v));
      break;
    case CONTAINER_PLUGIN_UI_ELEMENT_ACTION: {
      auto* a = View<IPluginUIElementAction>(c);
      a->SetPluginUIElement(View<IPluginUIElement>(held(CONTAINER_PLUGIN_UI_ELEMENT).get()));
      a->SetData(View<IDataSource>(held(CONTAINER_DATA_SOURCE).get()));
      break;
    }
    case CONTAINER_PLUGIN_WINDOW_ELEMENT:
      View<IPluginWindowElement>(c)->AddControl(1, Long(u"control", v), CRect(1, 2, 3, 4), 5, 0);
      View<IPluginWindowElement>(c)->AddControl(1 + v, Long(u"other control", v), CRect(), 0, 0);
      break;
    case CONTAINER_DATA_SOURCE:
      View<IDataSource>(c)->SetDataType(CONTAINER_MESSAGE);
      View<IDataSource>(c)->SetData(held(CONTAINER_MESSAGE).get());
      break;
    case CONTAINER_MESSAGE_ATTACHMENT:
      View<IMessageAttachment>(c)->SetAttachment(Long(u"attachment", v));
      break;
    case CONTAINER_ADS:
      View<IAds>(c)->SetParameters(Long(u"image", v), Long(u"url", v), static_cast<ADSTYPE>(v),
                                   Long(u"tooltip", v), 1, 2);
      break;
    case CONTAINER_ADS_LIST:
      for (int i = 0; i < 3; ++i) View<IAdsList>(c)->AddTail(View<IAds>(Made(CONTAINER_ADS, v)));
      break;
    case CONTAINER_PLUGIN_CONTROL_COMMAND: {
      auto* p = View<IPluginControlCommand>(c);
      p->AddParam(1, Long(u"param", v));
      p->AddParam(2, std::int32_t{-v});
      p->AddParam(3, std::uint32_t(v));
      p->AddParam(static_cast<std::uint32_t>(v), Long(u"param", v));
      break;
    }
    case CONTAINER_MESSAGE_LIST:
      for (int i = 0; i < 2; ++i) View<IMessageList>(c)->AddHead(View<IMessage>(held(CONTAINER_MESSAGE).get()));
      break;
    case CONTAINER_APPLICATION_EVENT:
      View<IApplicationEvent>(c)->SetApplicationEvent(7, 1, held(CONTAINER_CREDIT).get());
      break;
    case CONTAINER_DATA_COLLECTION:
      View<IQoDataCollection>(c)->Add(held(CONTAINER_MESSAGE).get());
      View<IQoDataCollection>(c)->Add(held(CONTAINER_WEB_REQUEST).get());
      View<IQoDataCollection>(c)->SetUserValue(static_cast<std::uint32_t>(v));
      break;
    case CONTAINER_TRANSPORT:
      View<ITransport>(c)->SetTransportText1(Long(u"one", v));
      View<ITransport>(c)->SetTransportText2(Long(u"two", v));
      View<ITransport>(c)->SetTransportText3(Long(u"three", v));
      break;
    case CONTAINER_WEB_REQUEST: {
      auto* w = View<IWebRequest>(c);
      const std::uint8_t bytes[] = {1, 2, 3, 4};
      w->SetRequest(1, Long(u"address", v), 2);
      w->SetBody(1, 2, bytes, 4);
      w->SetParameter(u"k1", Long(u"parameter", v));
      w->AddPart(u"k2", Long(u"part", v));
      w->SetPartData(u"k2", 1, 2, bytes, 3);
      w->SetHeader(kKeys[2], Long(u"header", v));
      w->SetPrimaryText(Long(u"primary", v));
      w->SetSecondaryText(Long(u"secondary", v));
      w->SetUserData(held(CONTAINER_CREDIT).get());
      break;
    }
    case CONTAINER_GENERIC_EVENT:
      View<IGenericEvent>(c)->AddString(Long(u"string a", v));
      View<IGenericEvent>(c)->AddString(Long(u"string b", v));
      View<IGenericEvent>(c)->SetText(Long(u"text", v));
      break;
    case CONTAINER_PLUGIN_WINDOW_CONTROL: {
      auto* w = View<IPluginWindowControl>(c);
      w->AddResource(static_cast<tagPLUGINCONTROL_RES_KEY>(1), Long(u"resource", v));
      w->AddResource(static_cast<tagPLUGINCONTROL_RES_KEY>(2), std::uint32_t(v));
      break;
    }
    case CONTAINER_GENERIC_DATA: {
      auto* g = View<IGenericDataContainer>(c);
      g->SetString(u"k1", Long(u"value", v));
      g->SetInteger(u"k2", v);
      g->SetContainer(kKeys[2], held(CONTAINER_MESSAGE).get());
      break;
    }
    case CONTAINER_XMPP_CONN_PROPERTIES:
      View<IXMPPConnProperties>(c)->SetDomain(Long(u"domain", v));
      View<IXMPPConnProperties>(c)->SetServer(Long(u"server", v));
      break;
    case CONTAINER_CAG_TOKENS:
      for (int i = 0; i < 3; ++i) View<ICagTokens>(c)->AddToken(Long(u"token", v + i));
      break;
    default:
      break;
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
  if (variant != 0) Fill(made, variant);
  return made;
}

// The class codes (one per class; the second and third interface codes left out).
inline std::vector<tagCONTAINER_DATATYPE> ClassCodes() {
  std::vector<tagCONTAINER_DATATYPE> codes;
  for (int code = 1; code <= 34; ++code) {
    if ((code >= 26 && code <= 29) || code == 31 || code == 32) continue;
    codes.push_back(static_cast<tagCONTAINER_DATATYPE>(code));
  }
  return codes;
}

using Owned = qo::Held<IDataContainer>;

}  // namespace qo::test

// --- The replaceable allocation functions ---------------------------------------------------

void* operator new(std::size_t size) { return qo::test::Allocate(size, 0, false); }
void* operator new[](std::size_t size) { return qo::test::Allocate(size, 0, false); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  return qo::test::Allocate(size, 0, true);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  return qo::test::Allocate(size, 0, true);
}
void* operator new(std::size_t size, std::align_val_t alignment) {
  return qo::test::Allocate(size, static_cast<std::size_t>(alignment), false);
}
void* operator new[](std::size_t size, std::align_val_t alignment) {
  return qo::test::Allocate(size, static_cast<std::size_t>(alignment), false);
}
void* operator new(std::size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept {
  return qo::test::Allocate(size, static_cast<std::size_t>(alignment), true);
}
void* operator new[](std::size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept {
  return qo::test::Allocate(size, static_cast<std::size_t>(alignment), true);
}
void operator delete(void* block) noexcept { qo::test::Free(block); }
void operator delete[](void* block) noexcept { qo::test::Free(block); }
void operator delete(void* block, std::size_t) noexcept { qo::test::Free(block); }
void operator delete[](void* block, std::size_t) noexcept { qo::test::Free(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { qo::test::Free(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { qo::test::Free(block); }
void operator delete(void* block, std::align_val_t) noexcept { qo::test::Free(block); }
void operator delete[](void* block, std::align_val_t) noexcept { qo::test::Free(block); }
void operator delete(void* block, std::size_t, std::align_val_t) noexcept { qo::test::Free(block); }
void operator delete[](void* block, std::size_t, std::align_val_t) noexcept { qo::test::Free(block); }
void operator delete(void* block, std::align_val_t, const std::nothrow_t&) noexcept {
  qo::test::Free(block);
}
void operator delete[](void* block, std::align_val_t, const std::nothrow_t&) noexcept {
  qo::test::Free(block);
}
