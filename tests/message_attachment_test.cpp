// The message attachment: its starting state and its assignment's decisions (copies carrying
// both fields are checked for every class in copies_test.cpp).
#include "qodata/message_attachment.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

using Pair = std::pair<qo::String, tagATTACHMENT_TYPE>;

auto Values(IMessageAttachment& a) { return Pair(a.getAttachment(), a.getAttachmentType()); }

TEST(MessageAttachment, StartsEmptyAndAssignsBothFieldsKeepingTheTargetsHolders) {
  CMessageAttachment empty;
  EXPECT_EQ(Values(empty), Pair(qo::String(), static_cast<tagATTACHMENT_TYPE>(0)));
  void* out = nullptr;
  EXPECT_EQ(empty.GetDataInterface(CONTAINER_MESSAGE, &out), 0);

  // Both fields are copied (a negative type too); the holders and the result are the target's.
  const Pair song(u"song.mp3", static_cast<tagATTACHMENT_TYPE>(-7));
  auto* target = new CMessageAttachment(u"/tmp/photo.png", static_cast<tagATTACHMENT_TYPE>(2));
  target->AddRef();
  CMessageAttachment source(song.first, song.second);
  EXPECT_EQ(&(*target & source), target);
  EXPECT_EQ(Values(*target), song);
  EXPECT_EQ(target->HolderCount(), 2u);
  CMessageAttachment& same = *target;
  *target = same;  // self-assignment changes nothing
  EXPECT_EQ(Values(*target), song);
  target->Release();
  target->Release();
}

}  // namespace
