// Out of memory while containers are made: by the two factories for every code they make,
// by every constructor a client can call, by Clone and the typed Copy of every class, and by
// the exported entry points. The allocator's exception must reach the caller with nothing
// half made left behind, and the object copied from must read as before.
#include <functional>
#include <memory>
#include <type_traits>

#include "alloc_failure.h"

namespace {

using qo::test::ExpectFailureSafe;
using qo::test::ExpectFailureSafeOn;
using qo::test::Owned;
using qo::test::View;

// An operation without an object of its own: only the exception and the blocks are checked.
void ExpectCreationSafe(const char* what, const std::function<void()>& create) {
  ExpectFailureSafe(what, [] { return 0; }, [&](int) { create(); }, [](int) { return 0; });
}

TEST(AllocationFailure, FactoriesMakeEveryCodeOrNothing) {
  CDataFactory factory;
  void* object = nullptr;
  ASSERT_EQ(CreateAppComInstance(&object), S_OK);
  auto* appCom = static_cast<IApplicationCom*>(object);
  auto* catalogue = static_cast<IDataFactory2*>(appCom);
  // Every code that a factory makes, made again with each of its allocations failing.
  auto expectMakes = [](const char* what, const std::function<std::int32_t(IDataContainer**)>& make) {
    IDataContainer* made = nullptr;
    if (make(&made) != 1) return;
    made->Release();
    ExpectCreationSafe(what, [&] {
      make(&made);
      made->Release();
    });
  };
  for (int value = 1; value <= 34; ++value) {
    const auto code = static_cast<tagCONTAINER_DATATYPE>(value);
    expectMakes("CreateInstance", [&](IDataContainer** out) { return factory.CreateInstance(code, out); });
    expectMakes("CreateContainer", [&](IDataContainer** out) { return catalogue->CreateContainer(code, out); });
  }
  DestroyAppComInstance(&appCom);

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
  const qo::String text = qo::test::Long("text", 1);
  const qo::String stamp = u"240131235959";
  const auto medium = static_cast<tagSEND_MEDIUM>(1);
  const qo::Time t5 = 5, t6 = 6;
  Owned message = qo::test::Fresh(CONTAINER_MESSAGE);
  const std::pair<const char*, std::function<void()>> constructors[] = {
      {"CUserProfile", Construct<CUserProfile>()},
      {"CBuddyProfile", Construct<CBuddyProfile>()},
      {"CBuddyList", Construct<CBuddyList>()},
      {"CUserList", [] { std::make_unique<CUserList>(); }},
      {"CSearchResultList", [] { std::make_unique<CSearchResultList>()->get(0); }},
      {"CMessage", Construct<CMessage>()},
      {"CMessage(sender, text)", Construct<CMessage>(text, text)},
      {"CMessage(time)", Construct<CMessage>(text, text, text, t5, medium, true)},
      {"CMessage(time text)", Construct<CMessage>(text, text, text, stamp, medium, true)},
      {"CInboxMessage(time)", Construct<CInboxMessage>(text, text, text, t5, medium, true)},
      {"CInboxMessage(time text)", Construct<CInboxMessage>(text, text, text, stamp, medium, true)},
      {"COutboxMessage(time)", Construct<COutboxMessage>(text, text, text, t5, medium, t6, 1, true)},
      {"COutboxMessage(time text)",
       Construct<COutboxMessage>(text, text, text, stamp, medium, stamp, 1, true)},
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
      {"CPluginWindowElement(handle)",
       Construct<CPluginWindowElement>(static_cast<void*>(nullptr), CRect(1, 2, 3, 4), 7u)},
      {"CPluginWindowControl", Construct<CPluginWindowControl>(1u, text, CRect(), 0u, 0u)},
      {"CPluginControlCommand", Construct<CPluginControlCommand>()},
      {"PluginEventData",
       Construct<PluginEventData>(static_cast<PluginEvent>(1), static_cast<void*>(nullptr))},
      {"CQoDataSource", Construct<CQoDataSource>()},
      {"CQoDataSource(data)", Construct<CQoDataSource>(CONTAINER_MESSAGE, message.get())},
      {"CDataFactory", [] { std::make_unique<CDataFactory>(); }},
  };
  for (const auto& [name, construct] : constructors) ExpectCreationSafe(name, construct);
}

TEST(AllocationFailure, CopiesLeaveTheSource) {
  // The copy constructor of each class offered directly, from a filled source.
  qo::test::CopyableClasses::ForEach([](auto* type, tagCONTAINER_DATATYPE code, const char* name) {
    using T = std::remove_pointer_t<decltype(type)>;
    ExpectFailureSafeOn(name, code,
                        [](Owned& source) { (new T(*dynamic_cast<T*>(source.get())))->Release(); });
  });
  for (tagCONTAINER_DATATYPE code : qo::test::ClassCodes()) {
    if (code == CONTAINER_PLUGIN_EVENT_DATA) continue;  // holds nothing on the heap: below
    ExpectFailureSafeOn("Clone", code, [](Owned& source) { source->Clone()->Release(); });
  }
  // A clone of event data allocates only the new object.
  ExpectCreationSafe("PluginEventData Clone", [] { PluginEventData().Clone()->Release(); });

  // The typed copies with code of their own (CAds and CCredit copy by Clone, CPluginUIElement
  // by its copy constructor, both checked above).
  using Copy = IDataContainer* (*)(IDataContainer*);
  const std::pair<tagCONTAINER_DATATYPE, Copy> typed[] = {
      {CONTAINER_BUDDY_PROFILE, [](IDataContainer* c) -> IDataContainer* { return View<IBuddyProfile>(c)->Copy(); }},
      {CONTAINER_MESSAGE, [](IDataContainer* c) -> IDataContainer* { return View<IMessage>(c)->Copy(); }},
      {CONTAINER_PLUGIN_WINDOW_ELEMENT,
       [](IDataContainer* c) -> IDataContainer* { return View<IPluginWindowElement>(c)->Copy(); }},
  };
  for (const auto& [code, copy] : typed) {
    ExpectFailureSafeOn("Copy", code, [copy = copy](Owned& source) { copy(source.get())->Release(); });
  }
}

}  // namespace
