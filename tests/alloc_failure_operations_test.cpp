// Out of memory in the operations that change a container: assignments, string and list
// setters, inserts into lists and maps, and resource loading. Each must pass the allocator's
// exception to the caller and leave the container exactly as it was (the strong guarantee),
// with every allocation of the failed attempt given back.
#include <functional>
#include <memory>
#include <string>

#include "alloc_failure.h"
#include "platform/resources.h"

namespace {

using qo::test::ExpectFailureSafe;
using qo::test::Long;
using qo::test::Made;
using qo::test::Owned;
using qo::test::Read;
using qo::test::View;

Owned Fresh(tagCONTAINER_DATATYPE code, int variant = 1) { return Owned::Adopt(Made(code, variant)); }

// Assignment and operator& from a source filled differently; self-assignment as well.
template <class T, bool kHasAnd = true>
void ExpectAssignmentSafe(const char* what, tagCONTAINER_DATATYPE code) {
  const Owned source = Fresh(code, 2);
  auto make = [code] { return Fresh(code); };
  auto read = [](Owned& target) { return Read(target.get()); };
  T& from = *dynamic_cast<T*>(source.get());
  ExpectFailureSafe(what, make, [&](Owned& target) { *dynamic_cast<T*>(target.get()) = from; }, read);
  if constexpr (kHasAnd) {
    ExpectFailureSafe(what, make, [&](Owned& target) { *dynamic_cast<T*>(target.get()) & from; }, read);
  }
  // Self-assignment may allocate nothing; it must still be safe when it does.
  auto self = [](Owned& target) {
    T& object = *dynamic_cast<T*>(target.get());
    object = object;
  };
  Owned probe = make();
  const long long blocks = qo::test::injection.liveBlocks;
  const qo::String before = Read(probe.get());
  qo::test::Arm(1);
  try {
    self(probe);
  } catch (const std::bad_alloc&) {
  }
  qo::test::Disarm();
  if (qo::test::injection.fired) {
    EXPECT_EQ(Read(probe.get()), before) << what << " self-assignment";
  }
  EXPECT_LE(qo::test::injection.liveBlocks, blocks + 1) << what << " self-assignment";
}

TEST(AllocationFailure, AssignmentsGiveTheStrongGuarantee) {
  ExpectAssignmentSafe<CUserProfile>("CUserProfile", CONTAINER_USER_PROFILE);
  ExpectAssignmentSafe<CBuddyProfile>("CBuddyProfile", CONTAINER_BUDDY_PROFILE);
  ExpectAssignmentSafe<CBuddyList>("CBuddyList", CONTAINER_BUDDY_LIST);
  ExpectAssignmentSafe<CMessage>("CMessage", CONTAINER_MESSAGE);
  ExpectAssignmentSafe<CSystemMessage>("CSystemMessage", CONTAINER_SYSTEM_MESSAGE);
  ExpectAssignmentSafe<CMessageAttachment>("CMessageAttachment", CONTAINER_MESSAGE_ATTACHMENT);
  ExpectAssignmentSafe<CConnectionProperties>("CConnectionProperties", CONTAINER_CONNECTION_PROPERTIES);
  ExpectAssignmentSafe<CXMPPConnProperties>("CXMPPConnProperties", CONTAINER_XMPP_CONN_PROPERTIES);
  ExpectAssignmentSafe<CCagTokens>("CCagTokens", CONTAINER_CAG_TOKENS);
  ExpectAssignmentSafe<CCredit>("CCredit", CONTAINER_CREDIT);
  ExpectAssignmentSafe<CCreditList>("CCreditList", CONTAINER_CREDIT_LIST);
  ExpectAssignmentSafe<CAds, false>("CAds", CONTAINER_ADS);
  ExpectAssignmentSafe<CIAdsList>("CIAdsList", CONTAINER_ADS_LIST);
  ExpectAssignmentSafe<CPluginInfo>("CPluginInfo", CONTAINER_PLUGIN_INFO);
  ExpectAssignmentSafe<CPluginUIElement>("CPluginUIElement", CONTAINER_PLUGIN_UI_ELEMENT);
  ExpectAssignmentSafe<CPluginUIElementAction>("CPluginUIElementAction", CONTAINER_PLUGIN_UI_ELEMENT_ACTION);
  ExpectAssignmentSafe<CPluginWindowElement, false>("CPluginWindowElement", CONTAINER_PLUGIN_WINDOW_ELEMENT);
  ExpectAssignmentSafe<CPluginWindowControl, false>("CPluginWindowControl", CONTAINER_PLUGIN_WINDOW_CONTROL);
  ExpectAssignmentSafe<CPluginControlCommand>("CPluginControlCommand", CONTAINER_PLUGIN_CONTROL_COMMAND);
  ExpectAssignmentSafe<CQoDataSource>("CQoDataSource", CONTAINER_DATA_SOURCE);

  // The inbox and outbox messages' own assignments.
  auto inbox = [] { return std::make_unique<CInboxMessage>(Long(u"from", 1), Long(u"to", 1), Long(u"text", 1), qo::Time{1}, static_cast<tagSEND_MEDIUM>(1), false); };
  const auto inboxSource = std::make_unique<CInboxMessage>(Long(u"from", 2), Long(u"to", 2), Long(u"text", 2), qo::Time{2}, static_cast<tagSEND_MEDIUM>(2), true);
  inboxSource->setAttachment(Long(u"path", 2), static_cast<tagATTACHMENT_TYPE>(2));
  ExpectFailureSafe("CInboxMessage", inbox, [&](auto& m) { *m = *inboxSource; },
                    [](auto& m) { return Read(static_cast<IMessage*>(m.get())); });
  auto outbox = [] { return std::make_unique<COutboxMessage>(Long(u"from", 1), Long(u"to", 1), Long(u"text", 1), qo::Time{1}, static_cast<tagSEND_MEDIUM>(1), qo::Time{3}, 1, false); };
  const auto outboxSource = outbox();
  outboxSource->setAttachment(Long(u"path", 2), static_cast<tagATTACHMENT_TYPE>(2));
  ExpectFailureSafe("COutboxMessage", outbox, [&](auto& m) { *m & *outboxSource; },
                    [](auto& m) { return Read(static_cast<IMessage*>(m.get())); });

  // The two plain lists, read entry by entry.
  auto ads = [] {
    auto list = std::make_unique<CAdsList>();
    list->AddTail(new CAds(Long(u"image", 1), Long(u"url", 1), static_cast<ADSTYPE>(1), Long(u"tip", 1), 1, 2));
    return list;
  };
  auto readAds = [](auto& list) {
    qo::String text;
    for (POSITION p = list->GetHeadPosition(); p != nullptr;) text += Read(list->GetNext(p));
    return text;
  };
  const auto adsSource = ads();
  adsSource->AddTail(nullptr);
  ExpectFailureSafe("CAdsList", ads, [&](auto& list) { *list = *adsSource; }, readAds);
  CUserProfile profile;
  auto users = [&] {
    auto list = std::make_unique<CUserList>();
    list->AddTail(&profile);
    return list;
  };
  auto readUsers = [](auto& list) {
    std::vector<const void*> entries;
    for (POSITION p = list->GetHeadPosition(); p != nullptr;) entries.push_back(list->GetNext(p));
    return entries;
  };
  const auto usersSource = users();
  usersSource->AddTail(nullptr);
  ExpectFailureSafe("CUserList", users, [&](auto& list) { *list & *usersSource; }, readUsers);
}

struct Change {
  tagCONTAINER_DATATYPE code;
  const char* what;
  std::function<void(IDataContainer*)> op;
  int variant = 1;  // how the container is filled first (0: not at all)
};

// The setters and inserts of every class, each applied to a filled container.
std::vector<Change> Changes() {
  const qo::String text = Long(u"new", 3);
  const auto medium = static_cast<tagSEND_MEDIUM>(1);
  static const Owned buddy = Fresh(CONTAINER_BUDDY_PROFILE, 2);
  static const Owned message = Fresh(CONTAINER_MESSAGE, 2);
  static const Owned element = Fresh(CONTAINER_PLUGIN_UI_ELEMENT, 2);
  static const Owned source = Fresh(CONTAINER_DATA_SOURCE, 2);
  static const Owned credit = Fresh(CONTAINER_CREDIT, 2);
  auto* otherBuddy = View<IBuddyProfile>(buddy.get());
  auto request = [text](IDataContainer* c, std::int32_t apply) {
    qo::StringMap entries{{u"first_name", text}, {u"LAST_NAME", text}, {u"email", text},
                          {u"theme", text}, {u"GLOBAL_ID", text}, {u"idle", u"42"},
                          {u"birthday", u"1990-02-03"}, {text, text}};
    View<IUserProfile_01>(c)->SetProfileRqst(entries, apply);
  };
  return {
      {CONTAINER_USER_PROFILE, "setQuilloID", [=](IDataContainer* c) { View<IUserProfile>(c)->setQuilloID(text + u"@TRANSPORT_yahoo.com"); }},
      {CONTAINER_USER_PROFILE, "setAddressInfo", [=](IDataContainer* c) { View<IUserProfile>(c)->setAddressInfo(text, text, text, text); }},
      {CONTAINER_USER_PROFILE, "setAddressList", [=](IDataContainer* c) { View<IUserProfile_01>(c)->setAddressList({text, text, text}); }},
      {CONTAINER_USER_PROFILE, "SetProfileRqst applied", [=](IDataContainer* c) { request(c, 1); }},
      {CONTAINER_USER_PROFILE, "SetProfileRqst kept", [=](IDataContainer* c) { request(c, 0); }},
      {CONTAINER_USER_PROFILE, "AddStatus", [=](IDataContainer* c) { View<IUserProfile_01>(c)->AddStatus({1, text, 9}); }},
      {CONTAINER_USER_PROFILE, "AddStatus replacing", [=](IDataContainer* c) { View<IUserProfile_01>(c)->AddStatus({1, text, 1}); }},
      {CONTAINER_USER_PROFILE, "setWalletUserKey", [=](IDataContainer* c) { View<IUserProfile_02>(c)->setWalletUserKey(text); }},
      {CONTAINER_BUDDY_PROFILE, "setQuilloID", [=](IDataContainer* c) { View<IUserProfile>(c)->setQuilloID(text); }},
      {CONTAINER_BUDDY_PROFILE, "SetProfileRqst", [=](IDataContainer* c) { request(c, 1); }},
      {CONTAINER_BUDDY_PROFILE, "setGroupList", [=](IDataContainer* c) { View<IBuddyProfile_01>(c)->setGroupList({text, text}); }},
      {CONTAINER_BUDDY_PROFILE, "SetResourceList", [=](IDataContainer* c) { View<IBuddyProfile_01>(c)->SetResourceList({text, u"R", u"r"}); }},
      {CONTAINER_BUDDY_PROFILE, "AddResource", [=](IDataContainer* c) { View<IBuddyProfile_01>(c)->AddResource(text); }},
      {CONTAINER_BUDDY_PROFILE, "SetPresence", [=](IDataContainer* c) { View<IBuddyProfile_01>(c)->SetPresence({static_cast<tagSTATUS>(3), text, 5, text}); }},
      {CONTAINER_BUDDY_PROFILE, "SetGroupName", [=](IDataContainer* c) { View<IBuddyProfile>(c)->SetGroupName(text); }},
      {CONTAINER_BUDDY_LIST, "addBuddyRecord", [=](IDataContainer* c) { View<IBuddyList>(c)->addBuddyRecord(otherBuddy); }},
      {CONTAINER_BUDDY_LIST, "updateBuddyRecord", [=](IDataContainer* c) { View<IBuddyList>(c)->updateBuddyRecord(Long(u"buddy", 1) + u"a", otherBuddy); }},
      {CONTAINER_BUDDY_LIST, "updateBuddyRecord by profile", [=](IDataContainer* c) {
         auto* list = View<IBuddyList>(c);
         list->updateBuddyRecord(list->getBuddyProfileRecord(Long(u"buddy", 1) + u"b"), otherBuddy); }},
      {CONTAINER_BUDDY_LIST, "getList", [=](IDataContainer* c) {
         std::vector<IBuddyProfile*> copies;
         View<IBuddyList>(c)->getList(copies);
         View<IBuddyList>(c)->clearCopyOfList(copies); }},
      {CONTAINER_BUDDY_LIST, "GetList", [=](IDataContainer* c) {
         std::vector<IBuddyProfile*> copies;
         View<IBuddyList>(c)->GetList(Long(u"group", 1), copies);
         View<IBuddyList>(c)->clearCopyOfList(copies); }},
      {CONTAINER_BUDDY_LIST, "class addBuddyRecord", [=](IDataContainer* c) { dynamic_cast<CBuddyList*>(c)->addBuddyRecord(*dynamic_cast<CBuddyProfile*>(buddy.get())); }},
      {CONTAINER_BUDDY_LIST, "class updateBuddyRecord", [=](IDataContainer* c) { dynamic_cast<CBuddyList*>(c)->updateBuddyRecord(text, *dynamic_cast<CBuddyProfile*>(buddy.get())); }},
      {CONTAINER_BUDDY_LIST, "class getList", [=](IDataContainer* c) {
         std::vector<CBuddyProfile*> copies;
         dynamic_cast<CBuddyList*>(c)->getList(copies);
         dynamic_cast<CBuddyList*>(c)->clearCopyOfList(copies); }},
      {CONTAINER_CREDIT_LIST, "putCredit", [=](IDataContainer* c) { View<ICreditList>(c)->putCredit(View<ICredit>(credit.get())); }},
      {CONTAINER_CONNECTION_PROPERTIES, "setProxyHost", [=](IDataContainer* c) { View<IConnectionProperties>(c)->setProxyHost(text); }},
      {CONTAINER_SYSTEM_MESSAGE, "SetParameters", [=](IDataContainer* c) { View<ISystemMessage>(c)->SetParameters(text, 1, {}, 2, text, text, 3, 4); }},
      {CONTAINER_MESSAGE, "addRecipient", [=](IDataContainer* c) { View<IMessage>(c)->addRecipient(text, medium); }},
      {CONTAINER_MESSAGE, "addRecipient to a message without a medium", [=](IDataContainer* c) { View<IMessage>(c)->addRecipient(text, medium); }, 0},
      {CONTAINER_MESSAGE, "setAttachment", [=](IDataContainer* c) { View<IMessage>(c)->setAttachment(text, {}); }},
      {CONTAINER_MESSAGE, "SetBuddyProfile", [=](IDataContainer* c) { View<IMessage_01>(c)->SetBuddyProfile(otherBuddy, medium); }},
      {CONTAINER_MESSAGE, "SetParameters with a time text", [=](IDataContainer* c) { View<IMessage>(c)->SetParameters(text, text, text, medium, qo::String(u"240131235959")); }},
      {CONTAINER_PLUGIN_INFO, "SetAuthor", [=](IDataContainer* c) { View<IPluginInfo>(c)->SetAuthor(text); }},
      {CONTAINER_PLUGIN_UI_ELEMENT, "SetPUiKey", [=](IDataContainer* c) { View<IPluginUIElement2>(c)->SetPUiKey(text); }},
      {CONTAINER_PLUGIN_UI_ELEMENT_ACTION, "SetPluginUIElement", [=](IDataContainer* c) { View<IPluginUIElementAction>(c)->SetPluginUIElement(View<IPluginUIElement>(element.get())); }},
      {CONTAINER_PLUGIN_UI_ELEMENT_ACTION, "SetData", [=](IDataContainer* c) { View<IPluginUIElementAction>(c)->SetData(View<IDataSource>(source.get())); }},
      {CONTAINER_PLUGIN_WINDOW_ELEMENT, "AddControl", [=](IDataContainer* c) { View<IPluginWindowElement>(c)->AddControl(9, text, CRect(), 0, 0); }},
      {CONTAINER_PLUGIN_WINDOW_ELEMENT, "AddControl replacing", [=](IDataContainer* c) { View<IPluginWindowElement>(c)->AddControl(1, text, CRect(), 0, 0); }},
      {CONTAINER_DATA_SOURCE, "SetData", [=](IDataContainer* c) { View<IDataSource>(c)->SetData(message.get()); }},
      {CONTAINER_DATA_SOURCE, "class SetData", [=](IDataContainer* c) { dynamic_cast<CQoDataSource*>(c)->SetData(CONTAINER_BUDDY_PROFILE, buddy.get()); }},
      {CONTAINER_MESSAGE_ATTACHMENT, "SetAttachment", [=](IDataContainer* c) { View<IMessageAttachment>(c)->SetAttachment(text); }},
      {CONTAINER_ADS, "SetParameters", [=](IDataContainer* c) { View<IAds>(c)->SetParameters(text, text, {}, text, 1, 2); }},
      {CONTAINER_ADS_LIST, "AddTail", [=](IDataContainer* c) { View<IAdsList>(c)->AddTail(new CAds(text, text, {}, text, 1, 2)); }},
      {CONTAINER_PLUGIN_CONTROL_COMMAND, "AddParam", [=](IDataContainer* c) { View<IPluginControlCommand>(c)->AddParam(9, text); }},
      {CONTAINER_PLUGIN_CONTROL_COMMAND, "AddParam replacing", [=](IDataContainer* c) { View<IPluginControlCommand>(c)->AddParam(1, text); }},
      {CONTAINER_PLUGIN_CONTROL_COMMAND, "AddParam number", [=](IDataContainer* c) { View<IPluginControlCommand>(c)->AddParam(9, std::int32_t{4}); }},
      {CONTAINER_MESSAGE_LIST, "AddHead", [=](IDataContainer* c) { View<IMessageList>(c)->AddHead(View<IMessage>(message.get())); }},
      {CONTAINER_DATA_COLLECTION, "Add", [=](IDataContainer* c) { View<IQoDataCollection>(c)->Add(message.get()); }},
      {CONTAINER_TRANSPORT, "SetTransportText2", [=](IDataContainer* c) { View<ITransport>(c)->SetTransportText2(text); }},
      {CONTAINER_WEB_REQUEST, "SetParameter", [=](IDataContainer* c) { View<IWebRequest>(c)->SetParameter(text, text); }},
      {CONTAINER_WEB_REQUEST, "SetParameter replacing", [=](IDataContainer* c) { View<IWebRequest>(c)->SetParameter(u"k1", text); }},
      {CONTAINER_WEB_REQUEST, "AddPart", [=](IDataContainer* c) { View<IWebRequest>(c)->AddPart(text, text); }},
      {CONTAINER_WEB_REQUEST, "AddPart replacing", [=](IDataContainer* c) { View<IWebRequest>(c)->AddPart(u"k2", text); }},
      {CONTAINER_WEB_REQUEST, "SetPartData", [=](IDataContainer* c) {
         const std::uint8_t bytes[64] = {7};
         View<IWebRequest>(c)->SetPartData(u"k2", 3, 4, bytes, sizeof bytes); }},
      {CONTAINER_WEB_REQUEST, "SetBody", [=](IDataContainer* c) {
         const std::uint8_t bytes[64] = {7};
         View<IWebRequest>(c)->SetBody(3, 4, bytes, sizeof bytes); }},
      {CONTAINER_WEB_REQUEST, "SetHeader", [=](IDataContainer* c) { View<IWebRequest>(c)->SetHeader(text, text); }},
      {CONTAINER_WEB_REQUEST, "SetUserData", [=](IDataContainer* c) { View<IWebRequest>(c)->SetUserData(message.get()); }},
      {CONTAINER_WEB_REQUEST, "GetHeaders and names", [=](IDataContainer* c) {
         qo::StringList lines{text};
         View<IWebRequest>(c)->GetHeaders(lines);
         View<IWebRequest>(c)->GetPartNames(lines);
         View<IWebRequest>(c)->GetParameterNames(lines); }},
      {CONTAINER_GENERIC_EVENT, "AddString", [=](IDataContainer* c) { View<IGenericEvent>(c)->AddString(text); }},
      {CONTAINER_PLUGIN_WINDOW_CONTROL, "AddResource", [=](IDataContainer* c) { View<IPluginWindowControl>(c)->AddResource(static_cast<tagPLUGINCONTROL_RES_KEY>(3), text); }},
      {CONTAINER_GENERIC_DATA, "SetString", [=](IDataContainer* c) { View<IGenericDataContainer>(c)->SetString(u"new", text); }},
      {CONTAINER_GENERIC_DATA, "SetInteger", [=](IDataContainer* c) { View<IGenericDataContainer>(c)->SetInteger(u"new", 5); }},
      {CONTAINER_GENERIC_DATA, "SetContainer", [=](IDataContainer* c) { View<IGenericDataContainer>(c)->SetContainer(u"k1", message.get()); }},
      {CONTAINER_XMPP_CONN_PROPERTIES, "SetServer", [=](IDataContainer* c) { View<IXMPPConnProperties>(c)->SetServer(text); }},
      {CONTAINER_CAG_TOKENS, "AddToken", [=](IDataContainer* c) { View<ICagTokens>(c)->AddToken(text); }},
  };
}

TEST(AllocationFailure, SettersAndInsertsGiveTheStrongGuarantee) {
  for (const Change& change : Changes()) {
    const tagCONTAINER_DATATYPE code = change.code;
    const int variant = change.variant;
    ExpectFailureSafe(
        change.what, [code, variant] { return Fresh(code, variant); },
        [&](Owned& target) { change.op(target.get()); },
        [](Owned& target) { return Read(target.get()); });
  }
  // The buddy list re-files a lent record whose e-mail address or BLII changed at its next
  // lookup by either: that lookup may run out of memory, and must find the record after.
  auto changedList = [] {
    Owned list = Fresh(CONTAINER_BUDDY_LIST);
    auto* record = View<IBuddyList>(list.get())->getBuddyProfileRecord(Long(u"buddy", 1) + u"b");
    View<IUserProfile>(record)->setEmail(Long(u"moved@address", 4));
    record->setBLII(77);
    return list;
  };
  ExpectFailureSafe("lookups after a lent record changed", changedList, [](Owned& list) {
    auto* view = View<IBuddyList>(list.get());
    IBuddyProfile* byEmail = view->getBuddyProfileRecord(Long(u"moved@address", 4));
    IBuddyProfile* byBlii = view->getBuddyProfileRecord(77);
    ASSERT_NE(byEmail, nullptr);
    EXPECT_EQ(byEmail, byBlii);
    EXPECT_EQ(view->removeBuddyRecord(77), 1);
  }, [](Owned& list) { return Read(list.get()); });

  // The application event is set once: on an event not set yet.
  ExpectFailureSafe(
      "SetApplicationEvent", [] { return Fresh(CONTAINER_APPLICATION_EVENT, 0); },
      [](Owned& event) { View<IApplicationEvent>(event.get())->SetApplicationEvent(1, 2, event.get()); },
      [](Owned& event) { return Read(event.get()); });
}

TEST(AllocationFailure, ResourceLoadingFailsWhole) {
  const std::string path = std::string(QODATA_FIXTURE_DIR) + "/dialog.res";
  HINSTANCE module = qo::platform::LoadResourceModule(path.c_str());
  ASSERT_NE(module, nullptr);
  auto none = [] { return 0; };
  auto nothing = [](int) { return 0; };
  ExpectFailureSafe("LoadResourceModule", none, [&](int) {
    qo::platform::FreeResourceModule(qo::platform::LoadResourceModule(path.c_str()));
  }, nothing);
  ExpectFailureSafe("LoadBitmap", none, [&](int) {
    qo::platform::DeleteObject(qo::platform::LoadBitmap(module, 201));
  }, [](int) { return qo::platform::LiveBitmapCount(); });

  // A window element loading its dialog and its controls' bitmaps.
  auto window = [] {
    auto element = Fresh(CONTAINER_PLUGIN_WINDOW_ELEMENT);
    auto* view = View<IPluginWindowElement>(element.get());
    view->SetDialogID(101);
    view->AddControl(1, u"a", CRect(), 0, 201);
    view->AddControl(2, u"b", CRect(), 0, 201);
    return element;
  };
  ExpectFailureSafe("LoadResource", window,
                    [&](Owned& element) { View<IPluginWindowElement>(element.get())->LoadResource(module); },
                    [](Owned& element) { return Read(element.get()); });
  // A control loading its bitmap, first or in place of one it holds.
  for (bool loadedBefore : {false, true}) {
    auto control = [&] {
      auto* made = new CPluginWindowControl(1, u"c", CRect(), 0, 201);
      if (loadedBefore) made->LoadControlResource(module);
      return Owned::Adopt(static_cast<IPluginWindowControl*>(made));
    };
    ExpectFailureSafe("LoadControlResource", control,
                      [&](Owned& made) { View<IPluginWindowControl>(made.get())->LoadControlResource(module); },
                      [](Owned& made) { return Read(made.get()); });
  }
  qo::platform::FreeResourceModule(module);
}

}  // namespace
