// The plain message: its three interfaces on one count, its starting state, the recipient
// lists, the attachment and buddy-profile copies it owns, assignment, Copy and Clone.
#include "qodata/message.h"

#include <gtest/gtest.h>

#include <tuple>

#include "framework/catalogue.h"
#include "qodata/buddy_profile.h"

namespace {

using qo::String;
using qo::StringList;

constexpr auto Medium(std::int32_t value) { return static_cast<tagSEND_MEDIUM>(value); }

CBuddyProfile* AsBuddy(IBuddyProfile* profile) { return dynamic_cast<CBuddyProfile*>(profile); }

// A message with a value in every field that assignment copies.
void Fill(CMessage& message, IBuddyProfile* buddy) {
  message.SetParameters(u"ann", u"bob", u"hello", Medium(0), qo::Time{1000});
  message.addRecipient(u"bob", Medium(3));
  message.addRecipient(u"carl", Medium(3));
  message.setAttachment(u"photo.png", static_cast<tagATTACHMENT_TYPE>(2));
  message.setUnicode(true);
  message.setChargingOption(static_cast<tagCHARGING_OPTION>(4));
  message.SetStatus(6);
  message.SetStatusTime(qo::Time{2000});
  message.setWalletUserKey(u"key");
  if (buddy != nullptr) message.SetBuddyProfile(buddy, Medium(3));
}

// The plain values of a message.
auto Values(IMessage* m) {
  return std::tuple(m->getSender(), m->getRecipient(), m->getMessage(), m->getTimeStamp(),
                    m->getSendMedium(), m->isUnicode(), m->getChargingOption(), m->getStatus(),
                    m->getStatusTime(), dynamic_cast<CMessage*>(m)->getWalletUserKey());
}
const auto kFilledValues =
    std::tuple(String(u"ann"), String(u"bob"), String(u"hello"), qo::Time{1000}, 3, true, 4, 6,
               qo::Time{2000}, String(u"key"));

TEST(Message, StartsEmptyAndAnswersItsThreeCodesOnOneHolderCount) {
  auto* message = new CMessage();
  EXPECT_EQ(Values(message), std::tuple(String(), String(), String(), qo::Time{0}, 0, false, -1, 0,
                                        qo::Time{0}, String()));
  EXPECT_EQ(message->getAttachmentInterface(), nullptr);
  EXPECT_EQ(message->GetBuddyProfile(), nullptr);
  EXPECT_EQ(message->getRecipient(Medium(0)), nullptr);

  // The object's own address is its IMessage_02 view; each code is asked through another view.
  EXPECT_EQ(static_cast<void*>(message), static_cast<void*>(static_cast<IMessage_02*>(message)));
  IDataContainer* views[] = {static_cast<IMessage_02*>(message), static_cast<IMessage_01*>(message),
                             static_cast<IMessage*>(message)};
  const tagCONTAINER_DATATYPE codes[] = {CONTAINER_MESSAGE_02, CONTAINER_MESSAGE_01,
                                         CONTAINER_MESSAGE};
  for (int i = 0; i < 3; ++i) {
    void* out = nullptr;
    ASSERT_EQ(views[(i + 1) % 3]->GetDataInterface(codes[i], &out), 1) << "code " << codes[i];
    EXPECT_EQ(out, views[i]);
  }
  void* out = nullptr;
  EXPECT_EQ(message->GetDataInterface(CONTAINER_SYSTEM_MESSAGE, &out), 0);
  EXPECT_EQ(message->HolderCount(), 4u);

  // Any interface's Release acts on the one count.
  for (IDataContainer* view : views) EXPECT_EQ(view->Release(), 1);
  EXPECT_EQ(message->HolderCount(), 1u);
  EXPECT_EQ(views[2]->Release(), 1);
}

TEST(Message, RecipientsAreFiledUnderTheMessagesMediumByItsLow16Bits) {
  CMessage full(u"ann", u"bob", u"hi", qo::Time{77}, Medium(4), true);
  EXPECT_EQ(Values(&full), std::tuple(String(u"ann"), String(u"bob"), String(u"hi"), qo::Time{77},
                                      4, true, -1, 0, qo::Time{0}, String()));
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
  EXPECT_EQ(message.getRecipient(Medium(5)), nullptr);
  EXPECT_EQ(message.getRecipientCount(Medium(5)), 0);
  EXPECT_EQ(message.getRecipient(Medium(0x10003)), message.getRecipient(Medium(3)));
  EXPECT_EQ(message.getRecipientCount(Medium(0x10003)), 4);

  // setRecipient touches no list; clearing drops the lists but keeps principal and medium.
  message.setRecipient(u"zed");
  EXPECT_EQ(message.getRecipientCount(Medium(3)), 4);
  message.ClearReceipients();
  EXPECT_EQ(message.getRecipient(Medium(3)), nullptr);
  message.addRecipient(u"c", Medium(9));
  EXPECT_EQ(*message.getRecipient(Medium(3)), StringList{u"c"});
  EXPECT_EQ(message.getRecipient(), u"zed");
  EXPECT_EQ(message.getSendMedium(), 3);

  // A medium of 0x10000 is set (not 0), but files under key 0.
  CMessage high;
  high.addRecipient(u"x", Medium(0x10000));
  high.addRecipient(u"y", Medium(7));
  EXPECT_EQ(high.getSendMedium(), 0x10000);
  EXPECT_EQ(high.getRecipientCount(Medium(0)), 2);

  // Our choice: setSendMedium stores its medium, so the next recipient is filed under it and
  // does not become the principal recipient.
  CMessage stored;
  stored.setRecipient(u"principal");
  stored.setSendMedium(Medium(8));
  stored.addRecipient(u"a", Medium(2));
  EXPECT_EQ(stored.getRecipientCount(Medium(8)), 1);
  EXPECT_EQ(stored.getRecipient(), u"principal");
}

TEST(Message, OwnsItsAttachmentAndACopyOfTheBuddyProfile) {
  CMessage message;
  message.setAttachment(u"a.txt", static_cast<tagATTACHMENT_TYPE>(1));
  CMessageAttachment* first = message.getAttachment();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(message.getAttachmentInterface(), static_cast<IMessageAttachment*>(first));
  EXPECT_EQ(first->HolderCount(), 1u);
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
  EXPECT_EQ(buddy->HolderCount(), 1u);
  EXPECT_EQ(AsBuddy(held)->HolderCount(), 1u);
  buddy->setScreenName(u"changed");
  EXPECT_EQ(held->getScreenName(), u"Bobby");

  // A later profile releases the first copy once.
  held->AddRef();
  message.SetBuddyProfile(buddy, Medium(6));
  EXPECT_EQ(AsBuddy(held)->HolderCount(), 1u);
  EXPECT_EQ(message.GetBuddyProfile()->getScreenName(), u"changed");
  held->Release();

  // Passing the held copy itself is safe: it is copied before it is released.
  message.SetBuddyProfile(message.GetBuddyProfile(), Medium(6));
  EXPECT_EQ(message.GetBuddyProfile()->getScreenName(), u"changed");

  // Our choice: a null profile drops the held copy instead of failing.
  message.SetBuddyProfile(nullptr, Medium(2));
  EXPECT_EQ(message.GetBuddyProfile(), nullptr);
  EXPECT_EQ(message.getSendMedium(), 2);
  buddy->Release();
}

TEST(Message, AssignmentCopyAndCloneAreDeepWithOneHolder) {
  auto* buddy = new CBuddyProfile();
  buddy->setScreenName(u"Bobby");
  auto* source = new CMessage();
  Fill(*source, buddy);
  buddy->Release();
  source->AddRef();

  // Our choice: assignment replaces the target's lists as a whole, carries the status time
  // with the status, and leaves the target a single holder.
  CMessage assigned;
  assigned.AddRef();
  assigned.AddRef();
  assigned.addRecipient(u"stale", Medium(11));
  EXPECT_EQ(&(assigned & *source), &assigned);
  CMessage constructed(*source);
  IMessage* copy = source->Copy();
  auto* clone = static_cast<IMessage*>(static_cast<IDataContainer*>(source->Clone()));

  // Changing the source's lists, attachment and buddy profile reaches none of the copies.
  source->addRecipient(u"dora", Medium(3));
  source->getAttachment()->SetAttachment(u"other.png");
  AsBuddy(source->GetBuddyProfile())->setScreenName(u"other");
  for (IMessage* made :
       {static_cast<IMessage*>(&assigned), static_cast<IMessage*>(&constructed), copy, clone}) {
    auto* message = dynamic_cast<CMessage*>(made);
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(message->HolderCount(), 1u);
    EXPECT_EQ(Values(made), kFilledValues);
    EXPECT_EQ(made->getRecipient(Medium(11)), nullptr);
    EXPECT_EQ(*made->getRecipient(Medium(3)), (StringList{u"bob", u"carl"}));
    ASSERT_NE(made->getAttachmentInterface(), nullptr);
    EXPECT_EQ(made->getAttachmentInterface()->getAttachment(), u"photo.png");
    ASSERT_NE(message->GetBuddyProfile(), nullptr);
    EXPECT_EQ(message->GetBuddyProfile()->getScreenName(), u"Bobby");
  }
  EXPECT_EQ(source->HolderCount(), 2u);
  copy->Release();
  clone->Release();
  source->Release();
  source->Release();

  // An empty source leaves no attachment, buddy profile or list behind; self-assignment keeps all.
  assigned = CMessage();
  EXPECT_EQ(assigned.getAttachment(), nullptr);
  EXPECT_EQ(assigned.GetBuddyProfile(), nullptr);
  EXPECT_EQ(assigned.getRecipient(Medium(3)), nullptr);
  Fill(assigned, nullptr);
  CMessage& same = assigned;
  assigned = same;
  EXPECT_EQ(Values(&assigned), kFilledValues);
  EXPECT_EQ(assigned.getAttachment()->getAttachment(), u"photo.png");
  EXPECT_EQ(assigned.getRecipientCount(Medium(3)), 2);
}

}  // namespace
