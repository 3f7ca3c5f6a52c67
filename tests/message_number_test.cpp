// The process-wide system-message number, alone in its program so that it starts at 0.
#include <gtest/gtest.h>

#include "framework/catalogue.h"
#include "qodata/message_kinds.h"

namespace {

TEST(MessageNumber, CountsEverySystemMessageMadeAndCloneCarriesTheSourcesNumber) {
  auto* first = new CSystemMessage();
  CSystemMessage second(u"text", static_cast<SYSTEM_MSG_TYPE>(0), 0);
  // The clone draws number 3 from the counter, then takes the source's by assignment.
  auto* clone = static_cast<ISystemMessage*>(first->Clone());
  CSystemMessage fourth;
  EXPECT_EQ(first->getMsgID(), 1);
  EXPECT_EQ(second.getMsgID(), 2);
  EXPECT_EQ(clone->getMsgID(), 1);
  EXPECT_EQ(fourth.getMsgID(), 4);

  // Copy construction and assignment draw nothing; a number given replaces the drawn one.
  CSystemMessage copied(second);
  fourth = second;
  auto* made = static_cast<ISystemMessage*>(qo::MakeContainer(CONTAINER_SYSTEM_MESSAGE));
  EXPECT_EQ(copied.getMsgID(), 2);
  EXPECT_EQ(fourth.getMsgID(), 2);
  EXPECT_EQ(made->getMsgID(), 5);
  made->SetParameters(u"", 100, static_cast<SYSTEM_MSG_TYPE>(0));
  EXPECT_EQ(made->getMsgID(), 100);
  EXPECT_EQ(CSystemMessage().getMsgID(), 6);

  made->Release();
  clone->Release();
  first->Release();
}

}  // namespace
