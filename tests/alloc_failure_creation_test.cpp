// Out of memory while containers are made: by the two factories for every code they make,
// by every constructor a client can call, by Clone and the typed Copy of every class, and by
// the exported entry points. The allocator's exception must reach the caller with nothing
// half made left behind, and the object copied from must read as before.
#include <functional>
#include <memory>

#include "alloc_failure.h"

namespace {

using qo::test::ExpectFailureSafe;
using qo::test::Made;
using qo::test::Owned;
using qo::test::Read;

// An operation without an object of its own: only the exception and the blocks are checked.
void ExpectCreationSafe(const char* what, const std::function<void()>& create) {
  ExpectFailureSafe(what, [] { return 0; }, [&](int) { create(); }, [](int) { return 0; });
}

TEST(AllocationFailure, FactoriesMakeEveryCodeOrNothing) {
  CDataFactory factory;
  void* object = nullptr;
  ASSERT_EQ(CreateAppComInstance(&object), S_OK);
  auto* appCom = static_cast<IDataFactory2*>(static_cast<IApplicationCom*>(object));
  for (int value = 1; value <= 34; ++value) {
    const auto code = static_cast<tagCONTAINER_DATATYPE>(value);
    IDataContainer* probe = nullptr;
    if (factory.CreateInstance(code, &probe) == 1) {
      probe->Release();
      ExpectCreationSafe("CreateInstance", [&] {
        IDataContainer* made = nullptr;
        factory.CreateInstance(code, &made);
        made->Release();
      });
    }
    if (appCom->CreateContainer(code, &probe) == 1) {
      probe->Release();
      ExpectCreationSafe("CreateContainer", [&] {
        IDataContainer* made = nullptr;
        appCom->CreateContainer(code, &made);
        made->Release();
      });
    }
  }
  IApplicationCom* destroyed = appCom;
  DestroyAppComInstance(&destroyed);

  ExpectCreationSafe("CreateDataFactoryInstance", [] {
    IDataFactory* made = nullptr;
    CreateDataFactoryInstance(&made);
    FreeDataFactoryInstance(&made);
  });
  ExpectCreationSafe("CreateAppComInstance", [] {
    void* made = nullptr;
    CreateAppComInstance(&made);
    IApplicationCom* com = static_cast<IApplicationCom*>(made);
    DestroyAppComInstance(&com);
  });
}

// Makes a T on the heap with the arguments and gives its holder back.
template <class T, class... Args>
std::function<void()> Construct(Args... args) {
  return [=] { (new T(args...))->Release(); };
}

TEST(AllocationFailure, EveryConstructorFailsWhole) {
  const qo::String text = qo::test::Long(u"text", 1);
  const qo::String stamp = u"240131235959";
  const auto medium = static_cast<tagSEND_MEDIUM>(1);
  Owned message(Owned::Adopt(Made(CONTAINER_MESSAGE, 1)));
  const std::pair<const char*, std::function<void()>> constructors[] = {
      {"CUserProfile", Construct<CUserProfile>()},
      {"CBuddyProfile", Construct<CBuddyProfile>()},
      {"CBuddyList", Construct<CBuddyList>()},
      {"CUserList", [] { std::make_unique<CUserList>(); }},
      {"CSearchResultList", [] { std::make_unique<CSearchResultList>()->get(0); }},
      {"CMessage", Construct<CMessage>()},
      {"CMessage(sender, text)", Construct<CMessage>(text, text)},
      {"CMessage(time)", Construct<CMessage>(text, text, text, qo::Time{5}, medium, true)},
      {"CMessage(time text)", Construct<CMessage>(text, text, text, stamp, medium, true)},
      {"CInboxMessage(time)", Construct<CInboxMessage>(text, text, text, qo::Time{5}, medium, true)},
      {"CInboxMessage(time text)", Construct<CInboxMessage>(text, text, text, stamp, medium, true)},
      {"COutboxMessage(time)", Construct<COutboxMessage>(text, text, text, qo::Time{5}, medium, qo::Time{6}, 1, true)},
      {"COutboxMessage(time text)", Construct<COutboxMessage>(text, text, text, stamp, medium, stamp, 1, true)},
      {"CSystemMessage", Construct<CSystemMessage>(text, static_cast<SYSTEM_MSG_TYPE>(1), 0)},
      {"CMessageAttachment", Construct<CMessageAttachment>(text, static_cast<tagATTACHMENT_TYPE>(1))},
      {"CConnectionProperties", Construct<CConnectionProperties>()},
      {"CXMPPConnProperties", Construct<CXMPPConnProperties>()},
      {"CCagTokens", Construct<CCagTokens>()},
      {"CCredit", Construct<CCredit>(text, 10, 4)},
      {"CCreditList", Construct<CCreditList>()},
      {"CAds", Construct<CAds>(text, text, static_cast<ADSTYPE>(1), text, 1u, 2u)},
      {"CAdsList", [] { std::make_unique<CAdsList>()->AddTail(new CAds()); }},
      {"CIAdsList", Construct<CIAdsList>()},
      {"CPluginInfo", Construct<CPluginInfo>()},
      {"CPluginUIElement", Construct<CPluginUIElement>()},
      {"CPluginUIElementAction", Construct<CPluginUIElementAction>()},
      {"CPluginWindowElement", Construct<CPluginWindowElement>()},
      {"CPluginWindowElement(handle)", Construct<CPluginWindowElement>(static_cast<void*>(nullptr), CRect(1, 2, 3, 4), 7u)},
      {"CPluginWindowControl", Construct<CPluginWindowControl>(1u, text, CRect(), 0u, 0u)},
      {"CPluginControlCommand", Construct<CPluginControlCommand>()},
      {"PluginEventData", Construct<PluginEventData>(static_cast<PluginEvent>(1), static_cast<void*>(nullptr))},
      {"CQoDataSource", Construct<CQoDataSource>()},
      {"CQoDataSource(data)", Construct<CQoDataSource>(CONTAINER_MESSAGE, message.get())},
      {"CDataFactory", [] { std::make_unique<CDataFactory>(); }},
  };
  for (const auto& [name, construct] : constructors) ExpectCreationSafe(name, construct);
}

// The copy constructor of each class offered directly, from a filled source that must stay
// as it was.
template <class T>
void ExpectCopyConstructionSafe(const char* what, tagCONTAINER_DATATYPE code) {
  ExpectFailureSafe(
      what, [code] { return Owned::Adopt(Made(code, 1)); },
      [](Owned& source) { (new T(*dynamic_cast<T*>(source.get())))->Release(); },
      [](Owned& source) { return Read(source.get()); });
}

TEST(AllocationFailure, CopyConstructionLeavesTheSource) {
  ExpectCopyConstructionSafe<CUserProfile>("CUserProfile", CONTAINER_USER_PROFILE);
  ExpectCopyConstructionSafe<CBuddyProfile>("CBuddyProfile", CONTAINER_BUDDY_PROFILE);
  ExpectCopyConstructionSafe<CBuddyList>("CBuddyList", CONTAINER_BUDDY_LIST);
  ExpectCopyConstructionSafe<CMessage>("CMessage", CONTAINER_MESSAGE);
  ExpectCopyConstructionSafe<CSystemMessage>("CSystemMessage", CONTAINER_SYSTEM_MESSAGE);
  ExpectCopyConstructionSafe<CMessageAttachment>("CMessageAttachment", CONTAINER_MESSAGE_ATTACHMENT);
  ExpectCopyConstructionSafe<CConnectionProperties>("CConnectionProperties", CONTAINER_CONNECTION_PROPERTIES);
  ExpectCopyConstructionSafe<CXMPPConnProperties>("CXMPPConnProperties", CONTAINER_XMPP_CONN_PROPERTIES);
  ExpectCopyConstructionSafe<CCagTokens>("CCagTokens", CONTAINER_CAG_TOKENS);
  ExpectCopyConstructionSafe<CCredit>("CCredit", CONTAINER_CREDIT);
  ExpectCopyConstructionSafe<CCreditList>("CCreditList", CONTAINER_CREDIT_LIST);
  ExpectCopyConstructionSafe<CAds>("CAds", CONTAINER_ADS);
  ExpectCopyConstructionSafe<CIAdsList>("CIAdsList", CONTAINER_ADS_LIST);
  ExpectCopyConstructionSafe<CPluginInfo>("CPluginInfo", CONTAINER_PLUGIN_INFO);
  ExpectCopyConstructionSafe<CPluginUIElement>("CPluginUIElement", CONTAINER_PLUGIN_UI_ELEMENT);
  ExpectCopyConstructionSafe<CPluginUIElementAction>("CPluginUIElementAction", CONTAINER_PLUGIN_UI_ELEMENT_ACTION);
  ExpectCopyConstructionSafe<CPluginWindowElement>("CPluginWindowElement", CONTAINER_PLUGIN_WINDOW_ELEMENT);
  ExpectCopyConstructionSafe<CPluginWindowControl>("CPluginWindowControl", CONTAINER_PLUGIN_WINDOW_CONTROL);
  ExpectCopyConstructionSafe<CPluginControlCommand>("CPluginControlCommand", CONTAINER_PLUGIN_CONTROL_COMMAND);
  ExpectCopyConstructionSafe<CQoDataSource>("CQoDataSource", CONTAINER_DATA_SOURCE);
}

TEST(AllocationFailure, CloneAndCopyOfEveryClassLeaveTheSource) {
  for (tagCONTAINER_DATATYPE code : qo::test::ClassCodes()) {
    if (code == CONTAINER_PLUGIN_EVENT_DATA) continue;  // holds nothing on the heap: below
    ExpectFailureSafe(
        "Clone", [code] { return Owned::Adopt(Made(code, 1)); },
        [](Owned& source) { source->Clone()->Release(); },
        [](Owned& source) { return Read(source.get()); });
  }
  // A clone of event data allocates only the new object.
  ExpectCreationSafe("PluginEventData Clone", [] {
    PluginEventData data;
    data.Clone()->Release();
  });

  // The typed copies.
  auto typed = [](tagCONTAINER_DATATYPE code, IDataContainer* (*copy)(IDataContainer*)) {
    ExpectFailureSafe(
        "Copy", [code] { return Owned::Adopt(Made(code, 1)); },
        [copy](Owned& source) { copy(source.get())->Release(); },
        [](Owned& source) { return Read(source.get()); });
  };
  using qo::test::View;
  typed(CONTAINER_ADS, [](IDataContainer* c) -> IDataContainer* { return View<IAds>(c)->Copy(); });
  typed(CONTAINER_CREDIT, [](IDataContainer* c) -> IDataContainer* { return View<ICredit>(c)->Copy(); });
  typed(CONTAINER_BUDDY_PROFILE, [](IDataContainer* c) -> IDataContainer* { return View<IBuddyProfile>(c)->Copy(); });
  typed(CONTAINER_MESSAGE, [](IDataContainer* c) -> IDataContainer* { return View<IMessage>(c)->Copy(); });
  typed(CONTAINER_PLUGIN_UI_ELEMENT, [](IDataContainer* c) -> IDataContainer* { return View<IPluginUIElement>(c)->Copy(); });
  typed(CONTAINER_PLUGIN_WINDOW_ELEMENT, [](IDataContainer* c) -> IDataContainer* { return View<IPluginWindowElement>(c)->Copy(); });
}

}  // namespace
