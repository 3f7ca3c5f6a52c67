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
  // A kind above 8 or identifier 0: refused, on an source event and on a set one alike.
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

TEST(ApplicationEvent, HoldsItsOwnCloneAndCopiesAreSetLikeTheirSource) {
  const int destroyedBefore = g_probesDestroyed;
  auto* source = static_cast<IApplicationEvent*>(qo::MakeContainer(CONTAINER_APPLICATION_EVENT));
  ASSERT_NE(source, nullptr);
  auto* unsetCopy = static_cast<IApplicationEvent*>(source->Clone());
  EXPECT_EQ(unsetCopy->SetApplicationEvent(1, 1, nullptr), S_OK);  // the copy can still be set
  unsetCopy->Release();

  auto* probe = new Probe();
  probe->value = 6;
  ASSERT_EQ(source->SetApplicationEvent(11, 0, static_cast<IProbeMain*>(probe)), S_OK);
  probe->Release();
  EXPECT_EQ(g_probesDestroyed - destroyedBefore, 1);
  auto* held = dynamic_cast<Probe*>(source->GetEventData());
  ASSERT_NE(held, nullptr);
  EXPECT_EQ(std::tuple(held->value, held->HolderCount()), std::tuple(6, 1u));  // a clone, lent

  auto* copy = static_cast<IApplicationEvent*>(source->Clone());
  source->Release();
  EXPECT_EQ(copy->SetApplicationEvent(12, 2, nullptr), qo::kEventAlreadySet);
  copy->Release();
  EXPECT_EQ(g_probesDestroyed - destroyedBefore, 3);  // the caller's, the source's, the copy's
}

}  // namespace
