// Out of memory while containers are made, copied and changed (by the factories, every
// constructor, Clone, Copy, the exported entry points, assignments, setters, inserts and resource
// loading): the exception reaches the caller, nothing half made is left, and the object copied
// from or changed holds what it held before. operator& is every class's assignment: left out.
#include <functional>
#include <memory>
#include <string>
#include <type_traits>

#include "alloc_failure.h"
#include "platform/contract.h"

namespace {

using qo::test::ExpectFailureSafe;
using qo::test::ExpectFailureSafeOn;
using qo::test::Fresh;
using qo::test::Long;
using qo::test::Owned;
using qo::test::Unchanged;
using qo::test::View;

// An operation without an object of its own: only the exception and the blocks are checked.
void ExpectCreationSafe(const char* what, const std::function<void()>& create) {
  ExpectFailureSafe(
      what, [] { return 0; }, [&](int) { create(); }, [](int) { return [] { return true; }; });
}

TEST(AllocationFailure, FactoriesMakeEveryCodeOrNothing) {
  CDataFactory factory;
  void* object = nullptr;
  ASSERT_EQ(CreateAppComInstance(&object), S_OK);
  auto* appCom = static_cast<IApplicationCom*>(object);
  auto* catalogue = static_cast<IDataFactory2*>(appCom);
  // Every code that a factory makes, made again with each of its allocations failing.
  auto expectMakes = [](const char* what,
                        const std::function<std::int32_t(IDataContainer**)>& make) {
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
    expectMakes("CreateInstance",
                [&](IDataContainer** out) { return factory.CreateInstance(code, out); });
    expectMakes("CreateContainer",
                [&](IDataContainer** out) { return catalogue->CreateContainer(code, out); });
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

// The default constructors run in the factories' loop above; here the others.
TEST(AllocationFailure, EveryConstructorFailsWhole) {
  const qo::String text = Long("text", 1);
  const qo::String stamp = u"240131235959";
  const auto medium = static_cast<tagSEND_MEDIUM>(1);
  const qo::Time t5 = 5, t6 = 6;
  Owned message = Fresh(CONTAINER_MESSAGE);
  const std::pair<const char*, std::function<void()>> constructors[] = {
      {"CUserList", [] { std::make_unique<CUserList>(); }},
      {"CSearchResultList", [] { std::make_unique<CSearchResultList>()->get(0); }},
      {"CMessage(sender, text)", Construct<CMessage>(text, text)},
      {"CMessage(time)", Construct<CMessage>(text, text, text, t5, medium, true)},
      {"CMessage(time text)", Construct<CMessage>(text, text, text, stamp, medium, true)},
      {"CInboxMessage(time)", Construct<CInboxMessage>(text, text, text, t5, medium, true)},
      {"CInboxMessage(time text)", Construct<CInboxMessage>(text, text, text, stamp, medium, true)},
      {"COutboxMessage(time)",
       Construct<COutboxMessage>(text, text, text, t5, medium, t6, 1, true)},
      {"COutboxMessage(time text)",
       Construct<COutboxMessage>(text, text, text, stamp, medium, stamp, 1, true)},
      {"CSystemMessage", Construct<CSystemMessage>(text, static_cast<SYSTEM_MSG_TYPE>(1), 0)},
      {"CMessageAttachment",
       Construct<CMessageAttachment>(text, static_cast<tagATTACHMENT_TYPE>(1))},
      {"CCredit", Construct<CCredit>(text, 10, 4)},
      {"CAds", Construct<CAds>(text, text, static_cast<ADSTYPE>(1), text, 1u, 2u)},
      {"CAdsList", [] { std::make_unique<CAdsList>()->AddTail(new CAds()); }},
      {"CPluginWindowElement(handle)",
       Construct<CPluginWindowElement>(static_cast<void*>(nullptr), CRect(1, 2, 3, 4), 7u)},
      {"CPluginWindowControl", Construct<CPluginWindowControl>(1u, text, CRect(), 0u, 0u)},
      {"PluginEventData",
       Construct<PluginEventData>(static_cast<PluginEvent>(1), static_cast<void*>(nullptr))},
      {"CQoDataSource(data)", Construct<CQoDataSource>(CONTAINER_MESSAGE, message.get())},
      {"CDataFactory", [] { std::make_unique<CDataFactory>(); }},
  };
  for (const auto& [name, construct] : constructors) ExpectCreationSafe(name, construct);
}

TEST(AllocationFailure, CopiesLeaveTheSource) {
  // The copy constructor of each class offered directly, from a filled source.
  qo::test::CopiedClasses::ForEach([](auto* type, tagCONTAINER_DATATYPE code, const char* name) {
    using T = std::remove_pointer_t<decltype(type)>;
    ExpectFailureSafeOn(name, code,
                        [](Owned& source) { (new T(*dynamic_cast<T*>(source.get())))->Release(); });
  });
  for (tagCONTAINER_DATATYPE code : qo::test::ClassCodes())
    ExpectFailureSafeOn("Clone", code, [](Owned& source) { source->Clone()->Release(); });

  // The typed copies with code of their own (the others copy by Clone or copy construction).
  ExpectFailureSafeOn("Copy", CONTAINER_BUDDY_PROFILE,
                      [](Owned& s) { View<IBuddyProfile>(s.get())->Copy()->Release(); });
  ExpectFailureSafeOn("Copy", CONTAINER_MESSAGE,
                      [](Owned& s) { View<IMessage>(s.get())->Copy()->Release(); });
  ExpectFailureSafeOn("Copy", CONTAINER_PLUGIN_WINDOW_ELEMENT,
                      [](Owned& s) { View<IPluginWindowElement>(s.get())->Copy()->Release(); });
}

TEST(AllocationFailure, AssignmentsGiveTheStrongGuarantee) {
  // From a source filled differently; self-assignment as well.
  qo::test::CopiedClasses::ForEach([](auto* type, tagCONTAINER_DATATYPE code, const char* what) {
    using T = std::remove_pointer_t<decltype(type)>;
    const Owned source = Fresh(code, 2);
    ExpectFailureSafeOn(what, code, [&](Owned& target) {
      *dynamic_cast<T*>(target.get()) = *dynamic_cast<T*>(source.get());
    });
    // Self-assignment may allocate nothing; it must still be safe when it does.
    ExpectFailureSafeOn(
        what, code,
        [](Owned& target) {
          T& object = *dynamic_cast<T*>(target.get());
          const T& self = object;
          object = self;
        },
        1, true);
  });

  // The inbox and outbox messages' own assignments.
  auto messages = [](const char* what, auto make) {
    const auto source = make(2);
    source->setAttachment(Long("path", 2), static_cast<tagATTACHMENT_TYPE>(2));
    ExpectFailureSafe(
        what, [&] { return make(1); }, [&](auto& m) { *m = *source; },
        [](auto& m) { return Unchanged(static_cast<IMessage*>(m.get())); });
  };
  messages("CInboxMessage", [](int v) {
    return std::make_unique<CInboxMessage>(Long("from", v), Long("to", v), Long("text", v),
                                           qo::Time{v}, static_cast<tagSEND_MEDIUM>(v), v == 2);
  });
  messages("COutboxMessage", [](int v) {
    return std::make_unique<COutboxMessage>(Long("from", v), Long("to", v), Long("text", v),
                                            qo::Time{v}, static_cast<tagSEND_MEDIUM>(1),
                                            qo::Time{3}, v, false);
  });

  // The two plain lists, read entry by entry: the ads copied, the user profiles shared.
  auto ads = [] {
    auto list = std::make_unique<CAdsList>();
    list->AddTail(
        new CAds(Long("image", 1), Long("url", 1), static_cast<ADSTYPE>(1), Long("tip", 1), 1, 2));
    return list;
  };
  const auto adsSource = ads();
  adsSource->AddTail(nullptr);
  ExpectFailureSafe(
      "CAdsList", ads, [&](auto& list) { *list = *adsSource; },
      [](auto& list) {
        return [list = list.get(), first = list->GetHead(), held = Unchanged(list->GetHead())] {
          return list->GetCount() == 1 && list->GetHead() == first && held();
        };
      });
  CUserProfile profile;
  auto users = [&] {
    auto list = std::make_unique<CUserList>();
    list->AddTail(&profile);
    return list;
  };
  const auto usersSource = users();
  usersSource->AddTail(nullptr);
  ExpectFailureSafe(
      "CUserList", users, [&](auto& list) { *list = *usersSource; },
      [&](auto& list) {
        return [list = list.get(), &profile] {
          return list->GetCount() == 1 && list->GetHead() == &profile;
        };
      });
}

TEST(AllocationFailure, SettersAndInsertsGiveTheStrongGuarantee) {
  // Each kTest row on its own, with a text and a number new to the container (rows left out run
  // the same code as a row there: buddy profiles' user-profile setters, the buddy list's updates).
  for (const qo::test::Change& change : qo::test::Changes()) {
    if ((change.use & qo::test::kTest) == 0) continue;
    SCOPED_TRACE(testing::Message()
                 << "code " << change.code << " filled with variant " << change.variant);
    const qo::String text = Long(change.what, 3);
    ExpectFailureSafeOn(
        change.what, change.code, [&](Owned& target) { change.op(target.get(), text, 3); },
        change.variant);
  }
  // The buddy list re-files a lent record whose e-mail address or BLII changed at its next
  // lookup by either: that lookup may run out of memory, and must find the record after.
  auto changedList = [] {
    Owned list = Fresh(CONTAINER_BUDDY_LIST);
    auto* record = View<IBuddyList>(list.get())->getBuddyProfileRecord(Long("buddy", 1) + u"b");
    View<IUserProfile>(record)->setEmail(Long("moved@address", 4));
    record->setBLII(77);
    return list;
  };
  ExpectFailureSafe(
      "lookups after a lent record changed", changedList,
      [](Owned& list) {
        auto* view = View<IBuddyList>(list.get());
        IBuddyProfile* byEmail = view->getBuddyProfileRecord(Long("moved@address", 4));
        ASSERT_NE(byEmail, nullptr);
        EXPECT_EQ(byEmail, view->getBuddyProfileRecord(77));
        EXPECT_EQ(view->removeBuddyRecord(77), 1);
      },
      [](Owned& list) { return Unchanged(list.get()); });
}

TEST(AllocationFailure, ResourceLoadingFailsWhole) {
  const std::string path = std::string(QODATA_FIXTURE_DIR) + "/dialog.res";
  HINSTANCE module = qo::platform::LoadResourceModule(path.c_str());
  ASSERT_NE(module, nullptr);
  auto none = [] { return 0; };
  auto bitmaps = [](int) {
    return [n = qo::platform::LiveBitmapCount()] { return qo::platform::LiveBitmapCount() == n; };
  };
  ExpectFailureSafe(
      "LoadResourceModule", none,
      [&](int) {
        qo::platform::FreeResourceModule(qo::platform::LoadResourceModule(path.c_str()));
      },
      bitmaps);
  ExpectFailureSafe(
      "LoadBitmap", none,
      [&](int) { qo::platform::DeleteObject(qo::platform::LoadBitmap(module, 201)); }, bitmaps);

  // A window element loading its dialog and its controls' bitmaps.
  auto window = [] {
    auto element = Fresh(CONTAINER_PLUGIN_WINDOW_ELEMENT);
    auto* view = View<IPluginWindowElement>(element.get());
    view->SetDialogID(101);
    view->AddControl(1, u"a", CRect(), 0, 201);
    view->AddControl(2, u"b", CRect(), 0, 201);
    return element;
  };
  ExpectFailureSafe(
      "LoadResource", window,
      [&](Owned& element) { View<IPluginWindowElement>(element.get())->LoadResource(module); },
      [](Owned& object) { return Unchanged(object.get()); });
  // A control loading its bitmap, first or in place of one it holds. Destruction leaves the
  // bitmap to the client, so the control unloads it before it dies.
  struct Unloading {
    Owned control;
    ~Unloading() { View<IPluginWindowControl>(control.get())->UnloadControlResource(nullptr); }
  };
  for (bool loadedBefore : {false, true}) {
    auto control = [&] {
      auto* made = new CPluginWindowControl(1, u"c", CRect(), 0, 201);
      if (loadedBefore) made->LoadControlResource(module);
      return Unloading{Owned::Adopt(static_cast<IPluginWindowControl*>(made))};
    };
    ExpectFailureSafe(
        "LoadControlResource", control,
        [&](Unloading& made) {
          View<IPluginWindowControl>(made.control.get())->LoadControlResource(module);
        },
        [](Unloading& made) { return Unchanged(made.control.get()); });
  }
  qo::platform::FreeResourceModule(module);
}

}  // namespace
