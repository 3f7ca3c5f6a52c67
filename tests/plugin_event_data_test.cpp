// Plug-in event data: the event and a borrowed pointer that copies carry unchanged.
#include "qodata/plugin_event_data.h"

#include <gtest/gtest.h>

#include "framework/catalogue.h"

namespace {

TEST(PluginEventData, HoldsTheEventAndTheBorrowedPointer) {
  PluginEventData empty;
  EXPECT_EQ(empty.GetEventId(), 0);  // our starting value
  EXPECT_EQ(empty.GetData(), nullptr);

  int payload = 42;
  PluginEventData data(static_cast<PluginEvent>(-12345), &payload);
  EXPECT_EQ(data.GetEventId(), -12345);
  EXPECT_EQ(data.GetData(), &payload);
  EXPECT_EQ(data.HolderCount(), 1u);
  EXPECT_EQ(payload, 42);  // never followed
}

TEST(PluginEventData, CopiesCarryTheSamePointer) {
  int payload = 1;
  int other = 2;
  PluginEventData source(static_cast<PluginEvent>(3), &payload);
  source.AddRef();

  auto* clone = static_cast<IPluginEventData*>(source.Clone());
  EXPECT_EQ(clone->GetType(), CONTAINER_PLUGIN_EVENT_DATA);
  EXPECT_EQ(clone->GetEventId(), 3);
  EXPECT_EQ(clone->GetData(), &payload);
  EXPECT_EQ(dynamic_cast<PluginEventData*>(clone)->HolderCount(), 1u);
  clone->SetData(&other);
  EXPECT_EQ(source.GetData(), &payload);
  clone->Release();

  PluginEventData copied(source);
  EXPECT_EQ(copied.GetData(), &payload);
  EXPECT_EQ(copied.HolderCount(), 1u);

  PluginEventData target(static_cast<PluginEvent>(9), &other);
  EXPECT_EQ(&(target = source), &target);
  EXPECT_EQ(target.GetEventId(), 3);
  EXPECT_EQ(target.GetData(), &payload);
  EXPECT_EQ(target.HolderCount(), 1u);
  PluginEventData viaAmpersand;
  EXPECT_EQ(&(viaAmpersand & source), &viaAmpersand);
  EXPECT_EQ(viaAmpersand.GetData(), &payload);
  source.Release();
}

TEST(PluginEventData, FactoryMakesOneThatAnswersOnlyItsCode) {
  IDataContainer* container = qo::MakeContainer(CONTAINER_PLUGIN_EVENT_DATA);
  ASSERT_NE(container, nullptr);
  EXPECT_EQ(container->GetType(), CONTAINER_PLUGIN_EVENT_DATA);
  void* out = nullptr;
  EXPECT_EQ(container->GetDataInterface(CONTAINER_PLUGIN_INFO, &out), 0);
  EXPECT_EQ(out, nullptr);
  EXPECT_EQ(container->GetDataInterface(CONTAINER_PLUGIN_EVENT_DATA, nullptr), 0);
  EXPECT_EQ(container->GetDataInterface(CONTAINER_PLUGIN_EVENT_DATA, &out), 1);
  EXPECT_EQ(static_cast<IPluginEventData*>(out)->GetData(), nullptr);
  static_cast<IPluginEventData*>(out)->Release();
  container->Release();
}

}  // namespace
