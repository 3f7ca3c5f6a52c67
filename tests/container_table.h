// Containers of every class filled from one table of setters and inserts, and a Snapshot of
// everything a container holds, to compare a container with a copy or with itself later.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <tuple>
#include <utility>
#include <type_traits>
#include <typeinfo>
#include <vector>

#include "contacts/transport.h"
#include "framework/application_event.h"
#include "framework/data_collection.h"
#include "framework/generic_data.h"
#include "framework/generic_event.h"
#include "qodata/qodata.h"
#include "services/web_request.h"

namespace qo::test {

// --- What a container holds ------------------------------------------------------------------

// The interface I of the container, or null; the container keeps its own holder.
template <class I>
I* View(IDataContainer* container) {
  void* view = nullptr;
  if (container == nullptr ||
      container->GetDataInterface(qo::InterfaceCode<I>::value, &view) != 1) {
    return nullptr;
  }
  static_cast<I*>(view)->Release();
  return static_cast<I*>(view);
}

// The keys the tests fill maps that a caller cannot enumerate with.
inline const qo::StringList kKeys = {u"k1", u"k2", u"a key long enough to allocate", u"new"};

// The values of the classes that keep no field record, read through their getters.
inline auto Fields(IPluginInfo& i) {
  return std::tuple(i.GetAuthor(), i.GetCopyRight(), i.GetVersion(), i.GetStatus(),
                    i.GetDescription(), i.GetPluginPath(), i.GetPluginType(), i.GetLoadOption(),
                    i.GetBrandKey(), i.GetPluginId());
}
inline auto Fields(IPluginUIElement& e) {
  auto* more = View<IPluginUIElement2>(&e);
  return std::tuple(e.GetLocation(), e.GetLabel(), e.GetCommandId(), e.GetImage(),
                    e.GetImageHandle(), e.GetPluginId(), e.GetEventGUID(), e.IsEnabled(),
                    e.IsVisible(), e.GetUiFilter(), more->GetPUiKey(), more->GetControlType(),
                    more->GetControlState());
}
inline auto Fields(IPluginEventData& e) { return std::tuple(e.GetEventId(), e.GetData()); }
inline auto Fields(ITransport& t) {
  return std::tuple(t.GetTransportNumber1(), t.GetTransportText1(), t.GetTransportText2(),
                    t.GetTransportText3(), t.GetTransportNumber2(), t.GetTransportNumber3(),
                    t.GetTransportNumber4(), t.GetTransportNumber5(), t.GetTransportNumber6());
}

// Everything a container holds, taken at construction: field records, held containers (compared
// in turn), list and map entries. Matches(other): a copy, or the same one later, holds it all.
class Snapshot {
 public:
  explicit Snapshot(IDataContainer* c) : present_(c != nullptr) {
    if (c != nullptr) Take(c);
  }
  bool Matches(IDataContainer* other) const {
    if (!present_ || other == nullptr) return present_ == (other != nullptr);
    return std::all_of(checks_.begin(), checks_.end(),
                       [&](const auto& check) { return check(other); });
  }

 private:
  // get(other) must give what get(c) gives now.
  template <class Get>
  void Same(IDataContainer* c, Get get) {
    checks_.push_back([get, value = get(c)](IDataContainer* other) { return get(other) == value; });
  }
  // get(other) must be a container that matches get(c) now (a lent pointer, or a caller's handle).
  template <class Get>
  void Held(IDataContainer* c, Get get) {
    const auto now = get(c);
    checks_.push_back([get, held = Snapshot(Pointer(now))](IDataContainer* other) {
      const auto then = get(other);
      return held.Matches(Pointer(then));
    });
  }
  static IDataContainer* Pointer(IDataContainer* c) { return c; }
  static IDataContainer* Pointer(const qo::Held<IDataContainer>& c) { return c.get(); }
  // A list, walked from head to tail: the same count, and matching entries in order.
  template <class I, class Item>
  void Walk(IDataContainer* c, POSITION (I::*head)(), Item* (I::*next)(POSITION&)) {
    auto items = [=](IDataContainer* x) {
      std::vector<IDataContainer*> all;
      for (POSITION p = (View<I>(x)->*head)(); p != nullptr;) all.push_back((View<I>(x)->*next)(p));
      return all;
    };
    Same(c, [=](IDataContainer* x) { return items(x).size(); });
    for (std::size_t i = 0; i < items(c).size(); ++i)
      Held(c, [=](IDataContainer* x) { return items(x)[i]; });
  }
  template <class... T>
  void Records(IDataContainer* c) {
    (
        [&] {
          if (dynamic_cast<T*>(c) != nullptr)  // every class listed has a record: no silent skip
            Same(c, [](IDataContainer* x) { return dynamic_cast<T*>(x)->fields(); });
        }(),
        ...);
  }
  template <class... I>
  void Getters(IDataContainer* c) {
    ((View<I>(c) != nullptr ? Same(c, [](IDataContainer* x) { return Fields(*View<I>(x)); })
                            : void()),
     ...);
  }
  void Take(IDataContainer* c);

  bool present_;
  std::vector<std::function<bool(IDataContainer*)>> checks_;
};

inline void Snapshot::Take(IDataContainer* c) {
  Same(c, [](IDataContainer* x) { return x->GetType(); });  // first: the casts below rely on it
  if (dynamic_cast<CBuddyProfile*>(c) != nullptr) {  // a buddy carries the shared part of a profile
    Same(c, [](IDataContainer* x) {
      auto* buddy = dynamic_cast<CBuddyProfile*>(x);
      return std::pair(buddy->fields().shared, buddy->buddyFields());
    });
  } else {
    Records<CUserProfile>(c);
  }
  Records<CMessage, CSystemMessage, CMessageAttachment, CConnectionProperties, CXMPPConnProperties,
          CCagTokens, CCredit, CAds, CPluginWindowElement, CPluginWindowControl,
          CPluginControlCommand, CWebRequest, CGenericEvent, CApplicationEvent>(c);
  Getters<IPluginInfo, IPluginUIElement, IPluginEventData, ITransport>(c);  // no public record
  if (View<IMessage>(c) != nullptr) {
    Held(c, [](IDataContainer* x) { return View<IMessage>(x)->getAttachmentInterface(); });
    Held(c, [](IDataContainer* x) { return View<IMessage_01>(x)->GetBuddyProfile(); });
  }
  if (View<IPluginUIElementAction>(c) != nullptr) {
    Held(c, [](IDataContainer* x) { return View<IPluginUIElementAction>(x)->GetPluginElement(); });
    Held(c, [](IDataContainer* x) { return View<IPluginUIElementAction>(x)->GetData(); });
  }
  if (View<IDataSource>(c) != nullptr) {
    Same(c, [](IDataContainer* x) { return View<IDataSource>(x)->GetDataType(); });
    Held(c, [](IDataContainer* x) { return View<IDataSource>(x)->GetData(); });
  }
  if (View<IApplicationEvent>(c) != nullptr) {
    Held(c, [](IDataContainer* x) { return View<IApplicationEvent>(x)->GetEventData(); });
  }
  if (View<IWebRequest>(c) != nullptr)
    Held(c, [](IDataContainer* x) { return View<IWebRequest>(x)->GetUserData(); });
  if (View<IPluginWindowElement>(c) != nullptr) {
    auto controls = [](IDataContainer* x) {
      std::vector<IPluginWindowControl*> all;
      View<IPluginWindowElement>(x)->GetControls(all);
      return all;
    };
    Same(c, [=](IDataContainer* x) { return controls(x).size(); });
    for (std::size_t i = 0; i < controls(c).size(); ++i)
      Held(c, [=](IDataContainer* x) { return controls(x)[i]; });
  }
  if (auto* list = View<IBuddyList>(c)) {
    Same(c, [](IDataContainer* x) { return View<IBuddyList>(x)->size(); });
    for (std::int32_t i = 0; i < list->size(); ++i) {
      Held(c, [i](IDataContainer* x) { return View<IBuddyList>(x)->getBuddyProfileRecord(i); });
    }
  }
  if (View<ICreditList>(c) != nullptr) Walk(c, &ICreditList::getHead, &ICreditList::getNext);
  if (View<IAdsList>(c) != nullptr) Walk(c, &IAdsList::GetHeadPosition, &IAdsList::GetNext);
  if (View<IMessageList>(c) != nullptr)
    Walk(c, &IMessageList::GetHeadPosition, &IMessageList::GetNext);
  if (View<IQoDataCollection>(c) != nullptr) {
    Same(c, [](IDataContainer* x) { return View<IQoDataCollection>(x)->GetUserValue(); });
    Walk(c, &IQoDataCollection::GetHeadPosition, &IQoDataCollection::GetNext);
  }
  if (View<IGenericDataContainer>(c) != nullptr) {
    for (const auto& key : kKeys) {
      Same(c, [key](IDataContainer* x) {
        qo::String text;
        std::int32_t number = 0;
        auto* g = View<IGenericDataContainer>(x);
        return std::tuple(g->GetString(key, &text), text, g->GetInteger(key, &number), number);
      });
      Held(c, [key](IDataContainer* x) {
        IDataContainer* held = nullptr;
        View<IGenericDataContainer>(x)->GetContainer(key, &held);
        return qo::Held<IDataContainer>::Adopt(held);  // a holder of the caller's
      });
    }
  }
}

// --- Setters and inserts: filling containers, and the operations under test ----------------

// A text long enough to live on the heap, different (and longer) for each variant, so that
// assigning one variant to another needs a new buffer.
inline qo::String Long(const char* what, int variant) {
  const std::string seed =
      std::string(what) + " text long enough to allocate " + std::string(8 * variant, '+');
  return qo::String(seed.begin(), seed.end());  // a buffer of exactly its length
}

using Owned = qo::Held<IDataContainer>;
IDataContainer* Made(tagCONTAINER_DATATYPE code, int variant);

// A filled container of another class to pass to a setter: converts to any of its interfaces.
struct Other {
  Other(tagCONTAINER_DATATYPE code, int variant) : held(Owned::Adopt(Made(code, variant))) {}
  template <class I>
  operator I*() const {
    if constexpr (std::is_same_v<I, IDataContainer>)
      return held.get();
    else
      return View<I>(held.get());
  }
  Owned held;
};

// kSame: the row changes nothing that a Snapshot sees (a read, or fields it cannot read).
enum Use { kFill = 1, kTest = 2, kFillAndTest = 3, kSame = 4 };
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
#define QO_CALL(code, I, call, ...)                                                           \
  Change {                                                                                    \
    CONTAINER_##code, #call,                                                                  \
        [](IDataContainer* c, [[maybe_unused]] const qo::String& t, [[maybe_unused]] int v) { \
          View<I>(c)->call;                                                                   \
        },                                                                                    \
        __VA_ARGS__                                                                           \
  }

// The setters and inserts of every class. Fill applies each kFill row (the user profile's to
// buddy profiles too) with texts on the heap, so a copy has many allocations to fail; each kTest
// row is applied on its own to a filled container and must fail safely.
inline const std::vector<Change>& Changes() {
  auto request = [](std::int32_t apply) {
    return [apply](IDataContainer* c, const qo::String& t, int) {
      qo::StringMap entries{{u"first_name", t},
                            {u"LAST_NAME", t},
                            {u"email", t},
                            {u"theme", t},
                            {u"GLOBAL_ID", t},
                            {u"idle", u"42"},
                            {u"birthday", u"1990-02-03"},
                            {t, t}};
      View<IUserProfile_01>(c)->SetProfileRqst(entries, apply);
    };
  };
  static const std::vector<Change> rows = {
      QO_CALL(USER_PROFILE, IUserProfile, setQuilloID(t)),
      QO_CALL(USER_PROFILE, IUserProfile, setQuilloID(t + u"@TRANSPORT_yahoo.com"), kTest),
      QO_CALL(USER_PROFILE, IUserProfile_01, setAddressList({t, t})),
      {CONTAINER_USER_PROFILE, "SetProfileRqst applied", request(1)},
      {CONTAINER_USER_PROFILE, "SetProfileRqst kept", request(0), kTest},
      QO_CALL(USER_PROFILE, IUserProfile_01, AddStatus({v, t, static_cast<std::uint32_t>(v)})),
      QO_CALL(USER_PROFILE, IUserProfile_01, AddStatus({1, t, 1}), kTest),  // replacing
      QO_CALL(BUDDY_PROFILE, IBuddyProfile, setScreenName(t)),
      QO_CALL(BUDDY_PROFILE, IBuddyProfile, setBLII(v), kFill),
      QO_CALL(BUDDY_PROFILE, IBuddyProfile_01, setGroupList({t, t})),
      QO_CALL(BUDDY_PROFILE, IBuddyProfile_01, SetResourceList({t, u"R", u"r"}), kTest),
      QO_CALL(BUDDY_PROFILE, IBuddyProfile_01, AddResource(t)),
      QO_CALL(BUDDY_PROFILE, IBuddyProfile_01, SetPresence({static_cast<tagSTATUS>(v), t, 1, t})),
      {CONTAINER_BUDDY_LIST, "three records",
       [](IDataContainer* c, const qo::String&, int v) {
         for (char16_t i = u'a'; i <= u'c'; ++i) {
           const Other buddy(CONTAINER_BUDDY_PROFILE, v);
           static_cast<IUserProfile*>(buddy)->setQuilloID(Long("buddy", v) + i);
           View<IBuddyList>(c)->addBuddyRecord(buddy);
         }
       },
       kFill},
      QO_CALL(BUDDY_LIST, IBuddyList, addBuddyRecord(Other(CONTAINER_BUDDY_PROFILE, v)), kTest),
      QO_CALL(BUDDY_LIST, IBuddyList,
              updateBuddyRecord(Long("buddy", 1) + u"a", Other(CONTAINER_BUDDY_PROFILE, v)), kTest),
      {CONTAINER_BUDDY_LIST, "getList",
       [](IDataContainer* c, const qo::String&, int) {
         std::vector<IBuddyProfile*> copies;
         View<IBuddyList>(c)->getList(copies);
         View<IBuddyList>(c)->clearCopyOfList(copies);
       },
       kTest | kSame},
      {CONTAINER_BUDDY_LIST, "class addBuddyRecord",
       [](IDataContainer* c, const qo::String&, int v) {
         const Other buddy(CONTAINER_BUDDY_PROFILE, v);
         dynamic_cast<CBuddyList*>(c)->addBuddyRecord(
             *dynamic_cast<CBuddyProfile*>(buddy.held.get()));
       },
       kTest},
      {CONTAINER_BUDDY_LIST, "class getList",
       [](IDataContainer* c, const qo::String&, int) {
         std::vector<CBuddyProfile*> copies;
         dynamic_cast<CBuddyList*>(c)->getList(copies);
         dynamic_cast<CBuddyList*>(c)->clearCopyOfList(copies);
       },
       kTest | kSame},
      QO_CALL(CREDIT, ICredit, setProvider(t)),
      QO_CALL(CREDIT, ICredit, setTotalCredits(10 * v), kFill),
      QO_CALL(CREDIT_LIST, ICreditList, putCredit(Other(CONTAINER_CREDIT, v))),
      QO_CALL(CREDIT_LIST, ICreditList, putCredit(Other(CONTAINER_CREDIT, v)), kFill),
      QO_CALL(CONNECTION_PROPERTIES, IConnectionProperties, setServerHost(t)),
      QO_CALL(SYSTEM_MESSAGE, ISystemMessage,
              SetParameters(t, v, static_cast<SYSTEM_MSG_TYPE>(v), v, t, t, 1, 1)),
      QO_CALL(MESSAGE, IMessage, SetParameters(t, t, t, kMedium, qo::Time{1000 * v})),
      QO_CALL(MESSAGE, IMessage, SetParameters(t, t, t, kMedium, qo::String(u"240131235959")),
              kTest),
      QO_CALL(MESSAGE, IMessage, addRecipient(t, kMedium)),
      QO_CALL(MESSAGE, IMessage, addRecipient(t + u"b", kMedium), kFill),
      QO_CALL(MESSAGE, IMessage, addRecipient(t, kMedium), kTest, 0),  // without a medium yet
      QO_CALL(MESSAGE, IMessage, setAttachment(t, static_cast<tagATTACHMENT_TYPE>(v))),
      QO_CALL(MESSAGE, IMessage, setChargingOption(static_cast<tagCHARGING_OPTION>(v)), kFill),
      QO_CALL(MESSAGE, IMessage_02, setWalletUserKey(t)),
      QO_CALL(MESSAGE, IMessage_01, SetBuddyProfile(Other(CONTAINER_BUDDY_PROFILE, v), kMedium)),
      QO_CALL(PLUGIN_INFO, IPluginInfo, SetAuthor(t)),
      QO_CALL(PLUGIN_UI_ELEMENT, IPluginUIElement, SetLabel(t)),
      QO_CALL(PLUGIN_UI_ELEMENT_ACTION, IPluginUIElementAction,
              SetPluginUIElement(Other(CONTAINER_PLUGIN_UI_ELEMENT, v)), kFillAndTest | kSame),
      QO_CALL(PLUGIN_UI_ELEMENT_ACTION, IPluginUIElementAction,
              SetData(Other(CONTAINER_DATA_SOURCE, v))),
      // Control 1 is replaced, controls 7, 8 and 9 are added.
      QO_CALL(PLUGIN_WINDOW_ELEMENT, IPluginWindowElement,
              AddControl(1, t, CRect(1, 2, 3, 4), 5, 0)),
      QO_CALL(PLUGIN_WINDOW_ELEMENT, IPluginWindowElement, AddControl(6 + v, t, CRect(), 0, 0)),
      QO_CALL(DATA_SOURCE, IDataSource, SetDataType(CONTAINER_MESSAGE), kFill),
      QO_CALL(DATA_SOURCE, IDataSource, SetData(Other(CONTAINER_MESSAGE, v))),
      {CONTAINER_DATA_SOURCE, "class SetData",
       [](IDataContainer* c, const qo::String&, int v) {
         dynamic_cast<CQoDataSource*>(c)->SetData(CONTAINER_BUDDY_PROFILE,
                                                  Other(CONTAINER_BUDDY_PROFILE, v));
       },
       kTest},
      QO_CALL(PLUGIN_EVENT_DATA, IPluginEventData, SetEventId(static_cast<PluginEvent>(v)), kFill),
      QO_CALL(MESSAGE_ATTACHMENT, IMessageAttachment, SetAttachment(t)),
      QO_CALL(MESSAGE_ATTACHMENT, IMessageAttachment,
              SetAttachmentType(static_cast<tagATTACHMENT_TYPE>(v)), kFill),
      QO_CALL(ADS, IAds, SetParameters(t, t, static_cast<ADSTYPE>(v), t, 1, 2)),
      QO_CALL(ADS, IAds, SetImagePath(t)),
      // The list takes over the reference that Made gives.
      QO_CALL(ADS_LIST, IAdsList, AddTail(View<IAds>(Made(CONTAINER_ADS, v)))),
      QO_CALL(ADS_LIST, IAdsList, AddTail(View<IAds>(Made(CONTAINER_ADS, v))), kFill),
      // Parameter 1 is replaced, parameters 7, 8 and 9 are added.
      QO_CALL(PLUGIN_CONTROL_COMMAND, IPluginControlCommand, AddParam(1, t)),
      QO_CALL(PLUGIN_CONTROL_COMMAND, IPluginControlCommand, AddParam(2, std::int32_t{-v}), kFill),
      QO_CALL(PLUGIN_CONTROL_COMMAND, IPluginControlCommand, AddParam(6 + v, t)),
      QO_CALL(PLUGIN_CONTROL_COMMAND, IPluginControlCommand, AddParam(10, std::int32_t{v}), kTest),
      QO_CALL(PLUGIN_CONTROL_COMMAND, IPluginControlCommand, SetDialogId(v), kFill),
      QO_CALL(PLUGIN_CONTROL_COMMAND, IPluginControlCommand, SetControlId(v), kFill),
      QO_CALL(PLUGIN_CONTROL_COMMAND, IPluginControlCommand, SetFunctionId(v), kFill),
      QO_CALL(PLUGIN_CONTROL_COMMAND, IPluginControlCommand,
              SetCommandType(static_cast<tagUI_COMMAND_TYPE>(-v)), kFill),  // any 32-bit value
      QO_CALL(MESSAGE_LIST, IMessageList, AddHead(Other(CONTAINER_MESSAGE, v))),
      QO_CALL(MESSAGE_LIST, IMessageList, AddHead(Other(CONTAINER_MESSAGE, v)), kFill),
      QO_CALL(APPLICATION_EVENT, IApplicationEvent,
              SetApplicationEvent(7, 1, Other(CONTAINER_CREDIT, v)), kFill),
      // The application event is set once: on an event not set yet.
      QO_CALL(APPLICATION_EVENT, IApplicationEvent, SetApplicationEvent(1, 2, c), kTest, 0),
      QO_CALL(DATA_COLLECTION, IQoDataCollection, Add(Other(CONTAINER_MESSAGE, v))),
      QO_CALL(DATA_COLLECTION, IQoDataCollection, Add(Other(CONTAINER_WEB_REQUEST, v)), kFill),
      QO_CALL(DATA_COLLECTION, IQoDataCollection, SetUserValue(static_cast<std::uint32_t>(v)),
              kFill),
      QO_CALL(TRANSPORT, ITransport, SetTransportText1(t)),
      QO_CALL(WEB_REQUEST, IWebRequest, SetRequest(1, t, 2)),
      QO_CALL(WEB_REQUEST, IWebRequest, SetAddress(t)),
      QO_CALL(WEB_REQUEST, IWebRequest, SetRequestOption(v), kFill),
      QO_CALL(WEB_REQUEST, IWebRequest, SetBody(v, 2, kBytes, 4 * v)),
      QO_CALL(WEB_REQUEST, IWebRequest, SetParameter(u"k1", t)),
      QO_CALL(WEB_REQUEST, IWebRequest, SetParameter(t, t), kTest),
      QO_CALL(WEB_REQUEST, IWebRequest, AddPart(u"k2", t)),
      QO_CALL(WEB_REQUEST, IWebRequest, AddPart(t, t), kTest),
      QO_CALL(WEB_REQUEST, IWebRequest, SetPartData(u"k2", v, 2, kBytes, 3 * v)),
      QO_CALL(WEB_REQUEST, IWebRequest, SetHeader(kKeys[2], t)),
      QO_CALL(WEB_REQUEST, IWebRequest, SetHeader(t, t), kTest),
      QO_CALL(WEB_REQUEST, IWebRequest, SetPrimaryText(t)),
      QO_CALL(WEB_REQUEST, IWebRequest, SetUserData(Other(CONTAINER_CREDIT, v))),
      {CONTAINER_WEB_REQUEST, "GetHeaders and names",
       [](IDataContainer* c, const qo::String& t, int) {
         qo::StringList lines{t};
         View<IWebRequest>(c)->GetHeaders(lines);
         View<IWebRequest>(c)->GetPartNames(lines);
         View<IWebRequest>(c)->GetParameterNames(lines);
       },
       kTest | kSame},
      QO_CALL(GENERIC_EVENT, IGenericEvent, AddString(t)),
      QO_CALL(GENERIC_EVENT, IGenericEvent, AddString(t + u"b"), kFill),
      QO_CALL(PLUGIN_WINDOW_CONTROL, IPluginWindowControl,
              AddResource(static_cast<tagPLUGINCONTROL_RES_KEY>(1), t)),
      QO_CALL(PLUGIN_WINDOW_CONTROL, IPluginWindowControl,
              AddResource(static_cast<tagPLUGINCONTROL_RES_KEY>(2), std::uint32_t(v)), kFill),
      QO_CALL(PLUGIN_WINDOW_CONTROL, IPluginWindowControl,
              AddResource(static_cast<tagPLUGINCONTROL_RES_KEY>(3), t), kTest),
      QO_CALL(GENERIC_DATA, IGenericDataContainer, SetString(u"k1", t)),
      QO_CALL(GENERIC_DATA, IGenericDataContainer, SetInteger(u"k2", v), kFill),
      QO_CALL(GENERIC_DATA, IGenericDataContainer,
              SetContainer(kKeys[2], Other(CONTAINER_MESSAGE, v))),
      QO_CALL(GENERIC_DATA, IGenericDataContainer, SetString(u"new", t), kTest),
      QO_CALL(GENERIC_DATA, IGenericDataContainer, SetInteger(u"new", 5), kTest),
      QO_CALL(GENERIC_DATA, IGenericDataContainer, SetContainer(u"k1", Other(CONTAINER_MESSAGE, v)),
              kTest),
      QO_CALL(XMPP_CONN_PROPERTIES, IXMPPConnProperties, SetDomain(t)),
      QO_CALL(CAG_TOKENS, ICagTokens, AddToken(t)),
      QO_CALL(CAG_TOKENS, ICagTokens, AddToken(t + u"b"), kFill),
  };
  return rows;
}
#undef QO_CALL

inline void Fill(IDataContainer* c, int v) {
  const tagCONTAINER_DATATYPE type = c->GetType();
  for (const Change& row : Changes()) {
    const bool mine =
        row.code == type || (row.code == CONTAINER_USER_PROFILE && type == CONTAINER_BUDDY_PROFILE);
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

// The classes offered for direct copy construction and assignment: ForEach calls f(T*, code,
// name) with a null T*, the code whose containers are T and the class name.
template <class... T>
struct Classes {
  template <class... More>
  using With = Classes<T..., More...>;
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
// With the framework's classes that the library copies the same way.
using CopiedClasses =
    CopyableClasses::With<CQoDataCollection, CGenericData, CApplicationEvent, CGenericEvent>;

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
