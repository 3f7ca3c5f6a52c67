// The message attachment: its copies, its clone and its assignment.
#include "qodata/message_attachment.h"

#include <gtest/gtest.h>

#include <utility>

#include "framework/catalogue.h"

namespace {

const auto kPicture = static_cast<tagATTACHMENT_TYPE>(2);

auto Values(IMessageAttachment& a) { return std::pair(a.getAttachment(), a.getAttachmentType()); }
const auto kPhoto = std::pair(qo::String(u"/tmp/photo.png"), kPicture);

TEST(MessageAttachment, StartsEmptyAndAnswersOnlyItsOwnCode) {
  auto* attachment = new CMessageAttachment();
  EXPECT_EQ(Values(*attachment), std::pair(qo::String(), static_cast<tagATTACHMENT_TYPE>(0)));
  EXPECT_EQ(attachment->GetType(), CONTAINER_MESSAGE_ATTACHMENT);
  void* out = nullptr;
  EXPECT_EQ(attachment->GetDataInterface(CONTAINER_MESSAGE, &out), 0);
  EXPECT_EQ(out, nullptr);
  ASSERT_EQ(attachment->GetDataInterface(CONTAINER_MESSAGE_ATTACHMENT, &out), 1);
  EXPECT_EQ(out, static_cast<IMessageAttachment*>(attachment));
  EXPECT_EQ(attachment->HolderCount(), 2u);
  EXPECT_EQ(attachment->Release(), 1);
  EXPECT_EQ(attachment->Release(), 1);
}

TEST(MessageAttachment, CloneAndCopyConstructionStartWithOneHolderOfTheirOwn) {
  auto* source = new CMessageAttachment(u"/tmp/photo.png", kPicture);
  source->AddRef();
  source->AddRef();

  auto* clone = static_cast<IMessageAttachment*>(source->Clone());
  EXPECT_EQ(Values(*clone), kPhoto);
  EXPECT_EQ(static_cast<CMessageAttachment*>(clone)->HolderCount(), 1u);
  clone->SetAttachment(u"other");
  EXPECT_EQ(Values(*source), kPhoto);
  clone->Release();

  CMessageAttachment copy(*source);
  EXPECT_EQ(Values(copy), kPhoto);
  EXPECT_EQ(copy.HolderCount(), 1u);

  for (int i = 0; i < 3; ++i) source->Release();
}

TEST(MessageAttachment, AssignmentCopiesBothFieldsAndKeepsTheTargetsHolders) {
  CMessageAttachment source(u"song.mp3", static_cast<tagATTACHMENT_TYPE>(-7));
  CMessageAttachment target(u"old", kPicture);
  target.AddRef();
  target.AddRef();

  CMessageAttachment& result = target & source;
  EXPECT_EQ(&result, &target);
  const auto song = Values(source);
  EXPECT_EQ(song, std::pair(qo::String(u"song.mp3"), static_cast<tagATTACHMENT_TYPE>(-7)));
  EXPECT_EQ(Values(target), song);
  EXPECT_EQ(target.HolderCount(), 3u);

  CMessageAttachment& same = target;
  target = same;  // self-assignment changes nothing
  EXPECT_EQ(Values(target), song);
}

}  // namespace
