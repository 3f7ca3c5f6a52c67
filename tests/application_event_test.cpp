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

TEST(ApplicationEvent, IsSetOnceAndRefusesBadArgumentsFirst) {
  CApplicationEvent event;
  EXPECT_EQ(State(event), kUnset);
  Probe probe;
  IDataContainer* data = static_cast<IProbeMain*>(&probe);
  const int destroyedBefore = g_probesDestroyed;
  // A kind above 8 or identifier 0: refused, on an unset event and on a set one alike.
  for (int set = 0; set < 2; ++set) {
    SCOPED_TRACE(set);
    EXPECT_EQ(event.SetApplicationEvent(7, 9, data), E_FAIL);
    EXPECT_EQ(event.SetApplicationEvent(0, 1, data), E_FAIL);
    EXPECT_EQ(event.SetApplicationEvent(7, 0xFFFFFFFFu, nullptr), E_FAIL);
    if (set == 0) {
      EXPECT_EQ(State(event), kUnset);
      EXPECT_EQ(event.SetApplicationEvent(7, 8, nullptr), S_OK);
    }
  }
  EXPECT_EQ(event.SetApplicationEvent(9, 1, data), 0x01000002);
  EXPECT_EQ(event.SetApplicationEvent(9, 1, nullptr), qo::kEventAlreadySet);
  EXPECT_EQ(State(event), std::tuple(7u, 8u, static_cast<IDataContainer*>(nullptr)));
  EXPECT_EQ(g_probesDestroyed, destroyedBefore);  // no refused call took a clone
  EXPECT_EQ(probe.HolderCount(), 1u);
}

// (Copies carry the set state and a clone of the data: the copies test.)
TEST(ApplicationEvent, HoldsItsOwnCloneOfTheData) {
  const int destroyedBefore = g_probesDestroyed;
  auto* event = static_cast<IApplicationEvent*>(qo::MakeContainer(CONTAINER_APPLICATION_EVENT));
  ASSERT_NE(event, nullptr);
  auto* probe = new Probe(6);
  ASSERT_EQ(event->SetApplicationEvent(11, 0, static_cast<IProbeMain*>(probe)), S_OK);
  probe->Release();
  EXPECT_EQ(g_probesDestroyed - destroyedBefore, 1);
  auto* held = dynamic_cast<Probe*>(event->GetEventData());
  ASSERT_NE(held, nullptr);
  EXPECT_EQ(std::tuple(held->value, held->HolderCount()), std::tuple(6, 1u));  // a clone, lent
  event->Release();
  EXPECT_EQ(g_probesDestroyed - destroyedBefore, 2);  // the caller's and the event's
}

}  // namespace
