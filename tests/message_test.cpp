// The plain message: recipient lists, owned attachment and buddy-profile copies, assignment.
#include "qodata/message.h"

#include <gtest/gtest.h>

#include <tuple>

#include "qodata/buddy_profile.h"

namespace {

using qo::String;
using qo::StringList;

constexpr auto Medium(std::int32_t value) { return static_cast<tagSEND_MEDIUM>(value); }

CBuddyProfile* AsBuddy(IBuddyProfile* profile) { return dynamic_cast<CBuddyProfile*>(profile); }

TEST(Message, RecipientsAreFiledUnderTheMessagesMediumByItsLow16Bits) {
  CMessage full(u"ann", u"bob", u"hi", qo::Time{77}, Medium(4), true);
  EXPECT_EQ(full.fields().core,
            (CMessage::Core{u"ann", u"bob", u"hi", Medium(4), qo::Time{77}, true}));
  EXPECT_EQ(*full.getRecipient(Medium(4)), StringList{u"bob"});  // the constructor files it

  CMessage message;
  message.addRecipient(u"a", Medium(3));  // the first recipient gives the medium and principal
  message.addRecipient(u"b", Medium(5));  // filed under 3, the message's medium
  message.addRecipient(u"a", Medium(3));  // duplicates are refused exactly...
  message.addRecipient(u"A", Medium(3));  // ...another case is another recipient
  message.addRecipient(u"", Medium(3));
  EXPECT_EQ(message.getSendMedium(), 3);
  EXPECT_EQ(message.getRecipient(), u"a");
  EXPECT_EQ(*message.getRecipient(Medium(3)), (StringList{u"a", u"b", u"A", u""}));
  EXPECT_EQ(
      std::tuple(message.getRecipient(Medium(5)), message.getRecipientCount(Medium(5)),
                 message.getRecipient(Medium(0x10003)), message.getRecipientCount(Medium(0x10003))),
      std::tuple(nullptr, 0, message.getRecipient(Medium(3)), 4));

  // Clearing drops the lists but keeps principal and medium.
  message.setRecipient(u"zed");
  message.ClearReceipients();
  message.addRecipient(u"c", Medium(9));
  EXPECT_EQ(*message.getRecipient(Medium(3)), StringList{u"c"});
  EXPECT_EQ(message.getRecipient(), u"zed");

  // A medium of 0x10000 is set (not 0), but files under key 0.
  CMessage high;
  high.addRecipient(u"x", Medium(0x10000));
  high.addRecipient(u"y", Medium(7));
  EXPECT_EQ(high.getSendMedium(), 0x10000);
  EXPECT_EQ(high.getRecipientCount(Medium(0)), 2);

  // Our choice: setSendMedium stores its medium; the next recipient is filed under it only.
  CMessage stored;
  stored.setRecipient(u"principal");
  stored.setSendMedium(Medium(8));
  stored.addRecipient(u"a", Medium(2));
  EXPECT_EQ(stored.getRecipientCount(Medium(8)), 1);
  EXPECT_EQ(stored.getRecipient(), u"principal");
}

TEST(Message, StartsEmptyAndOwnsItsAttachmentAndACopyOfTheBuddyProfile) {
  CMessage message;
  EXPECT_EQ(message.fields(), CMessage::Fields{});  // the charging option starts at -1
  EXPECT_EQ(std::tuple(message.getAttachmentInterface(), message.GetBuddyProfile()),
            std::tuple(nullptr, nullptr));
  // The object's own address is its IMessage_02 view.
  EXPECT_EQ(static_cast<void*>(&message), static_cast<void*>(static_cast<IMessage_02*>(&message)));
  message.setAttachment(u"a.txt", static_cast<tagATTACHMENT_TYPE>(1));
  CMessageAttachment* first = message.getAttachment();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(std::tuple(message.getAttachmentInterface(), first->HolderCount()),
            std::tuple(static_cast<IMessageAttachment*>(first), 1u));
  message.setAttachment(u"b.txt", static_cast<tagATTACHMENT_TYPE>(2));
  EXPECT_EQ(message.getAttachmentInterface()->getAttachment(), u"b.txt");
  message.removeAttachment();
  message.removeAttachment();  // nothing to remove
  EXPECT_EQ(message.getAttachmentInterface(), nullptr);

  auto* buddy = new CBuddyProfile();
  buddy->setScreenName(u"Bobby");
  message.SetBuddyProfile(buddy, Medium(6));
  IBuddyProfile* held = message.GetBuddyProfile();
  ASSERT_NE(held, nullptr);
  EXPECT_EQ(std::tuple(buddy->HolderCount(), AsBuddy(held)->HolderCount()), std::tuple(1u, 1u));
  buddy->setScreenName(u"changed");
  EXPECT_EQ(held->getScreenName(), u"Bobby");

  // A later profile releases the first copy once.
  held->AddRef();
  message.SetBuddyProfile(buddy, Medium(6));
  EXPECT_EQ(std::tuple(AsBuddy(held)->HolderCount(), message.GetBuddyProfile()->getScreenName()),
            std::tuple(1u, qo::String(u"changed")));
  held->Release();

  // Passing the held copy itself is safe: it is copied before it is released.
  message.SetBuddyProfile(message.GetBuddyProfile(), Medium(6));
  EXPECT_EQ(message.GetBuddyProfile()->getScreenName(), u"changed");

  // Our choice: a null profile drops the held copy instead of failing.
  message.SetBuddyProfile(nullptr, Medium(2));
  EXPECT_EQ(std::tuple(message.GetBuddyProfile(), message.getSendMedium()), std::tuple(nullptr, 2));
  buddy->Release();
}

TEST(Message, AssignmentIsDeepWithOneHolderAndReplacesTheLists) {
  auto* buddy = new CBuddyProfile();
  buddy->setScreenName(u"Bobby");
  CMessage source;  // a value in every field that assignment copies
  source.SetParameters(u"ann", u"bob", u"hello", Medium(3), qo::Time{1000});
  EXPECT_EQ(source.fields().core,
            (CMessage::Core{u"ann", u"bob", u"hello", Medium(3), qo::Time{1000}, false}));
  source.addRecipient(u"bob", Medium(3));
  source.addRecipient(u"carl", Medium(3));
  source.setAttachment(u"photo.png", static_cast<tagATTACHMENT_TYPE>(2));
  source.setUnicode(true);
  source.setChargingOption(static_cast<tagCHARGING_OPTION>(4));
  source.SetStatus(6);
  source.SetStatusTime(qo::Time{2000});
  source.setWalletUserKey(u"key");
  source.SetBuddyProfile(buddy, Medium(3));
  buddy->Release();

  // Our choice: assignment replaces lists whole, carries the status time, leaves one holder.
  CMessage assigned;
  assigned.AddRef();
  assigned.addRecipient(u"stale", Medium(11));
  assigned = source;
  const CMessage::Fields filled = source.fields();
  EXPECT_EQ(std::tuple(assigned.fields(), assigned.HolderCount()), std::tuple(filled, 1u));
  // Changing the source's attachment and buddy profile reaches neither copy.
  source.getAttachment()->SetAttachment(u"other.png");
  AsBuddy(source.GetBuddyProfile())->setScreenName(u"other");
  EXPECT_EQ(assigned.getAttachmentInterface()->getAttachment(), u"photo.png");
  EXPECT_EQ(assigned.GetBuddyProfile()->getScreenName(), u"Bobby");

  // An empty source leaves no attachment, buddy profile or list behind; self-assignment keeps all.
  assigned = CMessage();
  EXPECT_EQ(std::tuple(assigned.getAttachment(), assigned.GetBuddyProfile(),
                       assigned.getRecipient(Medium(3))),
            std::tuple(nullptr, nullptr, nullptr));
  CMessage& same = source;
  source = same;
  EXPECT_EQ(source.fields(), filled);
  EXPECT_EQ(source.getAttachment()->getAttachment(), u"other.png");
}

}  // namespace
