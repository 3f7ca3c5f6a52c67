// Plug-in event data: the event and a borrowed pointer that copies carry unchanged.
#include "qodata/plugin_event_data.h"

#include <gtest/gtest.h>

#include <tuple>

#include "framework/catalogue.h"

namespace {

auto Values(IPluginEventData& e) { return std::tuple(e.GetEventId(), e.GetData()); }

TEST(PluginEventData, HoldsTheEventAndTheBorrowedPointerWhichCopiesCarry) {
  IDataContainer* made = qo::MakeContainer(CONTAINER_PLUGIN_EVENT_DATA);
  EXPECT_EQ(Values(*static_cast<IPluginEventData*>(made)), std::tuple(0, nullptr));  // our start
  made->Release();

  int payload = 42;
  int other = 2;
  PluginEventData source(static_cast<PluginEvent>(-12345), &payload);
  const auto sourceValues = std::tuple(-12345, static_cast<void*>(&payload));
  EXPECT_EQ(Values(source), sourceValues);
  // The copies test sees no record of this class: Clone and assignment are checked here.
  auto* clone = static_cast<IPluginEventData*>(source.Clone());
  EXPECT_EQ(Values(*clone), sourceValues);
  clone->SetData(&other);
  EXPECT_EQ(source.GetData(), &payload);
  clone->Release();
  PluginEventData target(static_cast<PluginEvent>(9), &other);
  EXPECT_EQ(&(target = source), &target);
  EXPECT_EQ(Values(target), sourceValues);
}

}  // namespace
