// Out of memory in the operations that change a container: assignments, string and list
// setters, inserts into lists and maps, and resource loading. Each must pass the allocator's
// exception to the caller and leave the container exactly as it was (the strong guarantee),
// with every allocation of the failed attempt given back. operator& is left out: every class
// implements it as its assignment.
#include <functional>
#include <memory>
#include <string>
#include <type_traits>

#include "alloc_failure.h"
#include "platform/resources.h"

namespace {

using qo::test::ExpectFailureSafe;
using qo::test::ExpectFailureSafeOn;
using qo::test::Fresh;
using qo::test::injection;
using qo::test::Long;
using qo::test::Owned;
using qo::test::Read;
using qo::test::View;

TEST(AllocationFailure, AssignmentsGiveTheStrongGuarantee) {
  // From a source filled differently; self-assignment as well.
  qo::test::CopyableClasses::ForEach([](auto* type, tagCONTAINER_DATATYPE code, const char* what) {
    using T = std::remove_pointer_t<decltype(type)>;
    const Owned source = Fresh(code, 2);
    auto assign = [&](Owned& target) { *dynamic_cast<T*>(target.get()) = *dynamic_cast<T*>(source.get()); };
    ExpectFailureSafeOn(what, code, assign);
    if constexpr (std::is_base_of_v<CUserProfile, T>) {  // the profiles' records, to the last field
      ExpectFailureSafe(what, [&] { return Fresh(code); }, assign, [](Owned& target) {
        T& t = *dynamic_cast<T*>(target.get());
        if constexpr (std::is_same_v<T, CBuddyProfile>) return std::pair(t.fields(), t.buddyFields());
        else return t.fields();
      });
    }
    // Self-assignment may allocate nothing; it must still be safe when it does.
    Owned probe = Fresh(code);
    const long long blocks = injection.liveBlocks;
    const qo::String before = Read(probe.get());
    T& object = *dynamic_cast<T*>(probe.get());
    const T& self = object;
    qo::test::Arm(1);
    try {
      object = self;
    } catch (const std::bad_alloc&) {
    }
    injection.countdown = 0;
    if (injection.fired) {
      EXPECT_EQ(Read(probe.get()), before) << what << " self-assignment";
    }
    EXPECT_LE(injection.liveBlocks, blocks + 1) << what << " self-assignment";
  });

  // The inbox and outbox messages' own assignments.
  auto messages = [](const char* what, auto make) {
    const auto source = make(2);
    source->setAttachment(Long("path", 2), static_cast<tagATTACHMENT_TYPE>(2));
    ExpectFailureSafe(what, [&] { return make(1); }, [&](auto& m) { *m = *source; },
                      [](auto& m) { return Read(static_cast<IMessage*>(m.get())); });
  };
  messages("CInboxMessage", [](int v) {
    return std::make_unique<CInboxMessage>(Long("from", v), Long("to", v), Long("text", v),
                                           qo::Time{v}, static_cast<tagSEND_MEDIUM>(v), v == 2);
  });
  messages("COutboxMessage", [](int v) {
    return std::make_unique<COutboxMessage>(Long("from", v), Long("to", v), Long("text", v), qo::Time{v},
                                            static_cast<tagSEND_MEDIUM>(1), qo::Time{3}, v, false);
  });

  // The two plain lists, read entry by entry: the ads copied, the user profiles shared.
  auto ads = [] {
    auto list = std::make_unique<CAdsList>();
    list->AddTail(new CAds(Long("image", 1), Long("url", 1), static_cast<ADSTYPE>(1), Long("tip", 1), 1, 2));
    return list;
  };
  const auto adsSource = ads();
  adsSource->AddTail(nullptr);
  ExpectFailureSafe("CAdsList", ads, [&](auto& list) { *list = *adsSource; }, [](auto& list) {
    qo::String text;
    for (POSITION p = list->GetHeadPosition(); p != nullptr;) text += Read(list->GetNext(p));
    return text;
  });
  CUserProfile profile;
  auto users = [&] {
    auto list = std::make_unique<CUserList>();
    list->AddTail(&profile);
    return list;
  };
  const auto usersSource = users();
  usersSource->AddTail(nullptr);
  ExpectFailureSafe("CUserList", users, [&](auto& list) { *list = *usersSource; }, [](auto& list) {
    std::vector<const void*> entries;
    for (POSITION p = list->GetHeadPosition(); p != nullptr;) entries.push_back(list->GetNext(p));
    return entries;
  });
}

TEST(AllocationFailure, SettersAndInsertsGiveTheStrongGuarantee) {
  // Each row of the table on its own, with a text and a number new to the container. Left out as
  // the same code as a row there: the user-profile setters on a buddy profile, the buddy list's
  // update by profile (the update by key after the key lookup that addBuddyRecord makes too),
  // its class update (the class add's store) and GetList (getList with a filter).
  for (const qo::test::Change& change : qo::test::Changes()) {
    if ((change.use & qo::test::kTest) == 0) continue;
    SCOPED_TRACE(testing::Message() << "code " << change.code << " filled with variant " << change.variant);
    const qo::String text = Long(change.what, 3);
    ExpectFailureSafeOn(change.what, change.code, [&](Owned& target) { change.op(target.get(), text, 3); },
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
  ExpectFailureSafe("lookups after a lent record changed", changedList, [](Owned& list) {
    auto* view = View<IBuddyList>(list.get());
    IBuddyProfile* byEmail = view->getBuddyProfileRecord(Long("moved@address", 4));
    ASSERT_NE(byEmail, nullptr);
    EXPECT_EQ(byEmail, view->getBuddyProfileRecord(77));
    EXPECT_EQ(view->removeBuddyRecord(77), 1);
  }, [](Owned& list) { return Read(list.get()); });
}

TEST(AllocationFailure, ResourceLoadingFailsWhole) {
  const std::string path = std::string(QODATA_FIXTURE_DIR) + "/dialog.res";
  HINSTANCE module = qo::platform::LoadResourceModule(path.c_str());
  ASSERT_NE(module, nullptr);
  auto none = [] { return 0; };
  ExpectFailureSafe("LoadResourceModule", none, [&](int) {
    qo::platform::FreeResourceModule(qo::platform::LoadResourceModule(path.c_str()));
  }, [](int) { return 0; });
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
  auto read = [](Owned& object) { return Read(object.get()); };
  ExpectFailureSafe("LoadResource", window,
                    [&](Owned& element) { View<IPluginWindowElement>(element.get())->LoadResource(module); }, read);
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
        [](Unloading& made) { return Read(made.control.get()); });
  }
  qo::platform::FreeResourceModule(module);
}

}  // namespace
