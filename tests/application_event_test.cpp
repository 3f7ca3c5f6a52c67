// The application event: set once, refusals by status code, the data held as a clone.
#include "framework/application_event.h"

#include <gtest/gtest.h>

#include <tuple>

#include "framework/catalogue.h"
#include "probe_containers.h"

namespace {


auto State(IApplicationEvent& e) {
  return std::tuple(e.GetEventId(), e.GetEventKind(), e.GetEventData());
}
const auto kUnset = std::tuple(0u, 9u, static_cast<IDataContainer*>(nullptr));

TEST(ApplicationEvent, RefusesBadArgumentsWithoutChangingAnything) {
  CApplicationEvent event;
  EXPECT_EQ(State(event), kUnset);

  Probe probe;
  EXPECT_EQ(event.SetApplicationEvent(7, 9, static_cast<IProbeMain*>(&probe)), E_FAIL);
  EXPECT_EQ(event.SetApplicationEvent(0, 1, static_cast<IProbeMain*>(&probe)), E_FAIL);
  EXPECT_EQ(event.SetApplicationEvent(7, 0xFFFFFFFFu, nullptr), E_FAIL);
  EXPECT_EQ(State(event), kUnset);
  EXPECT_EQ(probe.HolderCount(), 1u);
}

TEST(ApplicationEvent, IsSetOnce) {
  CApplicationEvent event;
  EXPECT_EQ(event.SetApplicationEvent(7, 8, nullptr), S_OK);
  const auto set = std::tuple(7u, 8u, static_cast<IDataContainer*>(nullptr));
  EXPECT_EQ(State(event), set);

  Probe probe;
  EXPECT_EQ(event.SetApplicationEvent(9, 1, static_cast<IProbeMain*>(&probe)), 0x01000002);
  EXPECT_EQ(event.SetApplicationEvent(9, 1, nullptr), qo::kEventAlreadySet);
  // A bad argument is reported first, even on a set event.
  EXPECT_EQ(event.SetApplicationEvent(0, 1, nullptr), E_FAIL);
  EXPECT_EQ(State(event), set);
}

TEST(ApplicationEvent, HoldsItsOwnCloneOfTheData) {
  const int destroyedBefore = g_probesDestroyed;
  {
    CApplicationEvent event;
    auto* probe = new Probe();
    probe->value = 4;
    IDataContainer* given = static_cast<IProbeMain*>(probe);
    ASSERT_EQ(event.SetApplicationEvent(3, 0, given), S_OK);
    probe->Release();
    EXPECT_EQ(g_probesDestroyed - destroyedBefore, 1);

    IDataContainer* data = event.GetEventData();
    ASSERT_NE(data, nullptr);
    EXPECT_NE(data, given);
    auto* held = dynamic_cast<Probe*>(data);
    ASSERT_NE(held, nullptr);
    EXPECT_EQ(held->value, 4);
    EXPECT_EQ(held->HolderCount(), 1u);  // lent: no holder added
  }
  EXPECT_EQ(g_probesDestroyed - destroyedBefore, 2);
}

TEST(ApplicationEvent, CloneIsSetLikeItsSourceOrUnset) {
  const int destroyedBefore = g_probesDestroyed;
  auto* unset = static_cast<IApplicationEvent*>(qo::MakeContainer(CONTAINER_APPLICATION_EVENT));
  ASSERT_NE(unset, nullptr);
  auto* unsetCopy = static_cast<IApplicationEvent*>(unset->Clone());
  EXPECT_EQ(State(*unsetCopy), kUnset);
  EXPECT_EQ(unsetCopy->SetApplicationEvent(1, 1, nullptr), S_OK);  // the copy can still be set
  unsetCopy->Release();
  unset->Release();

  auto* event = static_cast<IApplicationEvent*>(qo::MakeContainer(CONTAINER_APPLICATION_EVENT));
  Probe probe;
  probe.value = 6;
  event->SetApplicationEvent(11, 2, static_cast<IProbeMain*>(&probe));
  auto* copy = static_cast<IApplicationEvent*>(event->Clone());
  EXPECT_EQ(copy->GetType(), CONTAINER_APPLICATION_EVENT);
  EXPECT_EQ(copy->GetEventId(), 11u);
  EXPECT_EQ(copy->GetEventKind(), 2u);
  EXPECT_EQ(copy->SetApplicationEvent(12, 2, nullptr), qo::kEventAlreadySet);
  ASSERT_NE(copy->GetEventData(), nullptr);
  EXPECT_NE(copy->GetEventData(), event->GetEventData());
  event->Release();
  EXPECT_EQ(dynamic_cast<Probe*>(copy->GetEventData())->value, 6);
  copy->Release();
  EXPECT_EQ(g_probesDestroyed - destroyedBefore, 2);  // the two held clones, once each
}

}  // namespace
