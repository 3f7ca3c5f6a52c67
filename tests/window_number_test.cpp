// The process-wide window-number counter, alone in its program so that no other test draws
// numbers before it.
#include <gtest/gtest.h>

#include <cstdint>

#include "qodata/plugin_window.h"

namespace {

TEST(WindowNumber, CountsFromZeroThenStaysAtAllOnesAfter5025Numbers) {
  CPluginWindowElement first;
  CPluginWindowElement second;
  EXPECT_EQ(first.GetID(), 0u);
  EXPECT_EQ(second.GetID(), 1u);

  // The three-argument constructor gets 0 and leaves the counter alone.
  CPluginWindowElement described(nullptr, CRect(0, 0, 10, 10), 3);
  EXPECT_EQ(described.GetID(), 0u);
  EXPECT_EQ(CPluginWindowElement().GetID(), 2u);

  // Clone and Copy draw a number for the copy they build, then give it the source's number.
  second.SetID(1000);  // SetID does not touch the counter
  IDataContainer* clone = second.Clone();
  EXPECT_EQ(static_cast<IPluginWindowElement*>(clone)->GetID(), 1000u);
  clone->Release();
  IPluginWindowElement* copy = first.Copy();
  EXPECT_EQ(copy->GetID(), 0u);
  copy->Release();
  EXPECT_EQ(CPluginWindowElement().GetID(), 5u);

  // A copy construction draws nothing.
  CPluginWindowElement constructed(second);
  EXPECT_EQ(constructed.GetID(), 1000u);
  EXPECT_EQ(CPluginWindowElement().GetID(), 6u);

  std::uint32_t last = 0;
  for (int i = 7; i <= 5024; ++i) last = CPluginWindowElement().GetID();
  EXPECT_EQ(last, 5024u);
  EXPECT_EQ(CPluginWindowElement().GetID(), 0xFFFFFFFFu);
  EXPECT_EQ(CPluginWindowElement().GetID(), 0xFFFFFFFFu);
  IPluginWindowElement* late = first.Copy();
  EXPECT_EQ(late->GetID(), 0u);  // still the source's number
  late->Release();
  EXPECT_EQ(CPluginWindowElement().GetID(), 0xFFFFFFFFu);
}

}  // namespace
