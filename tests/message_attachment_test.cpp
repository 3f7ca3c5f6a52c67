// The message attachment: its starting state, its copies, its clone and its assignment.
#include "qodata/message_attachment.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

using Pair = std::pair<qo::String, tagATTACHMENT_TYPE>;

auto Values(IMessageAttachment& a) { return Pair(a.getAttachment(), a.getAttachmentType()); }
const Pair kPhoto(u"/tmp/photo.png", static_cast<tagATTACHMENT_TYPE>(2));
const Pair kSong(u"song.mp3", static_cast<tagATTACHMENT_TYPE>(-7));

TEST(MessageAttachment, StartsEmptyCopiesWithOneHolderAndAssignsKeepingTheTargetsHolders) {
  CMessageAttachment empty;
  EXPECT_EQ(Values(empty), Pair(qo::String(), static_cast<tagATTACHMENT_TYPE>(0)));
  void* out = nullptr;
  EXPECT_EQ(empty.GetDataInterface(CONTAINER_MESSAGE, &out), 0);

  auto* source = new CMessageAttachment(kPhoto.first, kPhoto.second);
  source->AddRef();
  auto* clone = static_cast<IMessageAttachment*>(source->Clone());
  CMessageAttachment copy(*source);
  for (CMessageAttachment* made : {static_cast<CMessageAttachment*>(clone), &copy}) {
    EXPECT_EQ(Values(*made), kPhoto);
    EXPECT_EQ(made->HolderCount(), 1u);
    made->SetAttachment(u"other");
  }
  EXPECT_EQ(Values(*source), kPhoto);
  clone->Release();

  // Both fields are copied (a negative type too); the holders and the result are the target's.
  CMessageAttachment song(kSong.first, kSong.second);
  EXPECT_EQ(&(*source & song), source);
  EXPECT_EQ(Values(*source), kSong);
  EXPECT_EQ(source->HolderCount(), 2u);
  CMessageAttachment& same = *source;
  *source = same;  // self-assignment changes nothing
  EXPECT_EQ(Values(*source), kSong);
  source->Release();
  source->Release();
}

}  // namespace
