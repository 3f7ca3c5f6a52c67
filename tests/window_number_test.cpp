// The process-wide window-number counter, alone in its program so that no other test draws
// numbers before it.
#include <gtest/gtest.h>

#include <cstdint>

#include "qodata/plugin_window.h"

namespace {

// The number a fresh element draws.
std::uint32_t Drawn() { return CPluginWindowElement().GetID(); }

TEST(WindowNumber, CountsFromZeroThenStaysAtAllOnesAfter5025Numbers) {
  CPluginWindowElement first;
  CPluginWindowElement second;
  EXPECT_EQ(first.GetID(), 0u);
  EXPECT_EQ(second.GetID(), 1u);

  // The three-argument constructor gets 0 and leaves the counter alone.
  EXPECT_EQ(CPluginWindowElement(nullptr, CRect(0, 0, 10, 10), 3).GetID(), 0u);
  EXPECT_EQ(Drawn(), 2u);

  // Clone and Copy draw a number for the copy they build, then give it the source's number.
  second.SetID(1000);  // SetID does not touch the counter
  IDataContainer* clone = second.Clone();
  EXPECT_EQ(static_cast<IPluginWindowElement*>(clone)->GetID(), 1000u);
  clone->Release();
  IPluginWindowElement* copy = first.Copy();
  EXPECT_EQ(copy->GetID(), 0u);
  copy->Release();
  EXPECT_EQ(Drawn(), 5u);

  // A copy construction draws nothing.
  EXPECT_EQ(CPluginWindowElement(second).GetID(), 1000u);
  EXPECT_EQ(Drawn(), 6u);

  std::uint32_t last = 0;
  for (int i = 7; i <= 5024; ++i) last = Drawn();
  EXPECT_EQ(last, 5024u);
  EXPECT_EQ(Drawn(), 0xFFFFFFFFu);
  EXPECT_EQ(Drawn(), 0xFFFFFFFFu);
  IPluginWindowElement* late = first.Copy();
  EXPECT_EQ(late->GetID(), 0u);  // still the source's number
  late->Release();
  EXPECT_EQ(Drawn(), 0xFFFFFFFFu);
}

}  // namespace
