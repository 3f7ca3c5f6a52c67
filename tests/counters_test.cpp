// The three process-wide counters. Each case runs in a process of its own, so its counter
// starts where a fresh library starts it.
#include <gtest/gtest.h>

#include <cstdint>
#include <tuple>

#include "framework/catalogue.h"
#include "qodata/message_kinds.h"
#include "qodata/plugin_window.h"
#include "qodata/web_request.h"

namespace {

TEST(Counters, SystemMessageNumberCountsEveryMessageMadeAndCloneCarriesTheSources) {
  auto* first = new CSystemMessage();
  CSystemMessage second(u"text", static_cast<SYSTEM_MSG_TYPE>(0), 0);
  // The clone draws number 3 from the counter, then takes the source's by assignment.
  auto* clone = static_cast<ISystemMessage*>(first->Clone());
  CSystemMessage fourth;
  EXPECT_EQ(std::tuple(first->getMsgID(), second.getMsgID(), clone->getMsgID(), fourth.getMsgID()),
            std::tuple(1, 2, 1, 4));

  // Copy construction and assignment draw nothing; a number given replaces the drawn one.
  CSystemMessage copied(second);
  fourth = second;
  auto* made = static_cast<ISystemMessage*>(qo::MakeContainer(CONTAINER_SYSTEM_MESSAGE));
  EXPECT_EQ(std::tuple(copied.getMsgID(), fourth.getMsgID(), made->getMsgID()),
            std::tuple(2, 2, 5));
  made->SetParameters(u"", 100, static_cast<SYSTEM_MSG_TYPE>(0));
  EXPECT_EQ(std::tuple(made->getMsgID(), CSystemMessage().getMsgID()), std::tuple(100, 6));
  made->Release();
  clone->Release();
  first->Release();
}

TEST(Counters, WindowNumberCountsFromZeroThenStaysAtAllOnesAfter5025Numbers) {
  auto drawn = [] { return CPluginWindowElement().GetID(); };
  CPluginWindowElement first;
  CPluginWindowElement second;
  // The three-argument constructor gets 0 and leaves the counter alone.
  EXPECT_EQ(std::tuple(first.GetID(), second.GetID(),
                       CPluginWindowElement(nullptr, CRect(0, 0, 10, 10), 3).GetID(), drawn()),
            std::tuple(0u, 1u, 0u, 2u));

  // Clone and Copy draw a number for the copy they build, then give it the source's number.
  second.SetID(1000);  // SetID does not touch the counter
  IDataContainer* clone = second.Clone();
  EXPECT_EQ(static_cast<IPluginWindowElement*>(clone)->GetID(), 1000u);
  clone->Release();
  IPluginWindowElement* copy = first.Copy();
  EXPECT_EQ(copy->GetID(), 0u);
  copy->Release();
  EXPECT_EQ(drawn(), 5u);
  // A copy construction draws nothing.
  EXPECT_EQ(CPluginWindowElement(second).GetID(), 1000u);
  EXPECT_EQ(drawn(), 6u);

  std::uint32_t last = 0;
  for (int i = 7; i <= 5024; ++i) last = drawn();
  EXPECT_EQ(last, 5024u);
  EXPECT_EQ(std::tuple(drawn(), drawn()), std::tuple(0xFFFFFFFFu, 0xFFFFFFFFu));
  IPluginWindowElement* late = first.Copy();
  EXPECT_EQ(late->GetID(), 0u);  // still the source's number
  late->Release();
  EXPECT_EQ(drawn(), 0xFFFFFFFFu);
}

TEST(Counters, WebRequestIdCountsFromOneAndClonesKeepTheirSources) {
  auto make = [] { return static_cast<IWebRequest*>(qo::MakeContainer(CONTAINER_WEB_REQUEST)); };
  IWebRequest* first = make();
  IWebRequest* second = make();
  auto* clone = static_cast<IWebRequest*>(first->Clone());  // draws 3, then takes 1
  IWebRequest* third = make();
  EXPECT_EQ(std::tuple(first->GetRequestId(), second->GetRequestId(), clone->GetRequestId(),
                       third->GetRequestId()),
            std::tuple(1u, 2u, 1u, 4u));
  for (IWebRequest* request : {first, second, clone, third}) request->Release();
  IWebRequest* after = make();
  EXPECT_EQ(after->GetRequestId(), 5u);  // identifiers are never reused
  after->Release();
}

}  // namespace
