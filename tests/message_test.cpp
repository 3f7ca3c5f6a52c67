// The plain message: its contract on three interfaces, its starting state, the recipient
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
const auto kFilledValues = std::tuple(String(u"ann"), String(u"bob"), String(u"hello"),
                                      qo::Time{1000}, 3, true, 4, 6, qo::Time{2000}, String(u"key"));

TEST(Message, StartsEmptyAndAnswersItsThreeCodesOnOneHolderCount) {
  auto* message = new CMessage();
  EXPECT_EQ(Values(message), std::tuple(String(), String(), String(), qo::Time{0}, 0, false, -1,
                                        0, qo::Time{0}, String()));
  EXPECT_EQ(message->getAttachmentInterface(), nullptr);
  EXPECT_EQ(message->GetBuddyProfile(), nullptr);
  EXPECT_EQ(message->getRecipient(Medium(0)), nullptr);

  // The object's own address is its IMessage_02 view.
  EXPECT_EQ(static_cast<void*>(message), static_cast<void*>(static_cast<IMessage_02*>(message)));
  IDataContainer* views[] = {static_cast<IMessage_02*>(message),
                             static_cast<IMessage_01*>(message), static_cast<IMessage*>(message)};
  for (IDataContainer* view : views) EXPECT_EQ(view->GetType(), CONTAINER_MESSAGE);

  void* out = nullptr;
  ASSERT_EQ(views[2]->GetDataInterface(CONTAINER_MESSAGE_01, &out), 1);
  EXPECT_EQ(out, static_cast<IMessage_01*>(message));
  ASSERT_EQ(views[1]->GetDataInterface(CONTAINER_MESSAGE_02, &out), 1);
  EXPECT_EQ(out, static_cast<IMessage_02*>(message));
  ASSERT_EQ(views[0]->GetDataInterface(CONTAINER_MESSAGE, &out), 1);
  EXPECT_EQ(out, static_cast<IMessage*>(message));
  EXPECT_EQ(message->HolderCount(), 4u);
  void* untouched = &out;
  for (auto code : {CONTAINER_USER_PROFILE, CONTAINER_XMPP_CONN_PROPERTIES,
                    CONTAINER_SYSTEM_MESSAGE}) {
    out = untouched;
    EXPECT_EQ(message->GetDataInterface(code, &out), 0);
    EXPECT_EQ(out, untouched);
  }
  EXPECT_EQ(message->GetDataInterface(CONTAINER_MESSAGE, nullptr), 0);
  EXPECT_EQ(message->HolderCount(), 4u);

  // Any interface's Release acts on the one count.
  for (IDataContainer* view : views) EXPECT_EQ(view->Release(), 1);
  EXPECT_EQ(message->HolderCount(), 1u);
  EXPECT_EQ(views[2]->Release(), 1);
}

TEST(Message, ConstructorsFillTheirFieldsAndFileTheRecipient) {
  CMessage brief(u"ann", u"hi");
  EXPECT_EQ(Values(&brief), std::tuple(String(u"ann"), String(), String(u"hi"), qo::Time{0}, 0,
                                       false, -1, 0, qo::Time{0}, String()));
  CMessage full(u"ann", u"bob", u"hi", qo::Time{77}, Medium(4), true);
  EXPECT_EQ(Values(&full), std::tuple(String(u"ann"), String(u"bob"), String(u"hi"),
                                      qo::Time{77}, 4, true, -1, 0, qo::Time{0}, String()));
  ASSERT_NE(full.getRecipient(Medium(4)), nullptr);
  EXPECT_EQ(*full.getRecipient(Medium(4)), StringList{u"bob"});
}

TEST(Message, RecipientsAreFiledUnderTheMessagesFirstMedium) {
  CMessage message;
  message.addRecipient(u"a", Medium(3));
  EXPECT_EQ(message.getSendMedium(), 3);
  EXPECT_EQ(message.getRecipient(), u"a");
  message.addRecipient(u"b", Medium(5));  // filed under 3, the message's medium
  EXPECT_EQ(message.getRecipientCount(Medium(3)), 2);
  EXPECT_EQ(message.getRecipient(Medium(5)), nullptr);
  EXPECT_EQ(message.getRecipientCount(Medium(5)), 0);
  EXPECT_EQ(message.getRecipient(), u"a");

  // Duplicates are refused exactly; another case is another recipient.
  message.addRecipient(u"a", Medium(3));
  message.addRecipient(u"A", Medium(3));
  message.addRecipient(u"", Medium(3));
  EXPECT_EQ(*message.getRecipient(Medium(3)), (StringList{u"a", u"b", u"A", u""}));

  // setRecipient touches no list.
  message.setRecipient(u"zed");
  EXPECT_EQ(message.getRecipient(), u"zed");
  EXPECT_EQ(message.getRecipientCount(Medium(3)), 4);

  // Clearing drops the lists but keeps the principal recipient and the medium.
  message.ClearReceipients();
  EXPECT_EQ(message.getRecipient(Medium(3)), nullptr);
  EXPECT_EQ(message.getRecipient(), u"zed");
  EXPECT_EQ(message.getSendMedium(), 3);
  message.addRecipient(u"c", Medium(9));
  EXPECT_EQ(*message.getRecipient(Medium(3)), StringList{u"c"});
}

TEST(Message, MediaShareAListByTheirLow16Bits) {
  CMessage message;
  message.addRecipient(u"a", Medium(1));
  EXPECT_EQ(message.getRecipient(Medium(0x10001)), message.getRecipient(Medium(1)));
  EXPECT_EQ(message.getRecipientCount(Medium(0x10001)), 1);
  EXPECT_EQ(message.getSendMedium(), 1);

  // A medium of 0x10000 is set (not 0), but files under key 0.
  CMessage high;
  high.addRecipient(u"x", Medium(0x10000));
  high.addRecipient(u"y", Medium(7));
  EXPECT_EQ(high.getSendMedium(), 0x10000);
  EXPECT_EQ(high.getRecipientCount(Medium(0)), 2);
}

TEST(Message, SetSendMediumStoresTheMediumForLaterRecipients) {
  // Our choice: setSendMedium stores its medium, so the next recipient is filed under it and
  // does not become the principal recipient.
  CMessage message;
  message.setRecipient(u"principal");
  message.setSendMedium(Medium(8));
  EXPECT_EQ(message.getSendMedium(), 8);
  message.addRecipient(u"a", Medium(2));
  EXPECT_EQ(message.getRecipientCount(Medium(8)), 1);
  EXPECT_EQ(message.getRecipient(), u"principal");
}

TEST(Message, AttachmentIsOwnedAndReplaced) {
  CMessage message;
  message.setAttachment(u"a.txt", static_cast<tagATTACHMENT_TYPE>(1));
  CMessageAttachment* first = message.getAttachment();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(message.getAttachmentInterface(), static_cast<IMessageAttachment*>(first));
  EXPECT_EQ(first->getAttachment(), u"a.txt");
  EXPECT_EQ(first->HolderCount(), 1u);
  message.setAttachment(u"b.txt", static_cast<tagATTACHMENT_TYPE>(2));
  EXPECT_EQ(message.getAttachmentInterface()->getAttachment(), u"b.txt");
  message.removeAttachment();
  EXPECT_EQ(message.getAttachment(), nullptr);
  message.removeAttachment();  // nothing to remove
  EXPECT_EQ(message.getAttachmentInterface(), nullptr);
}

TEST(Message, BuddyProfileIsACopyOfItsOwn) {
  auto* buddy = new CBuddyProfile();
  buddy->setScreenName(u"Bobby");
  CMessage message;
  message.SetBuddyProfile(buddy, Medium(6));
  EXPECT_EQ(message.getSendMedium(), 6);
  IBuddyProfile* held = message.GetBuddyProfile();
  ASSERT_NE(held, nullptr);
  EXPECT_NE(AsBuddy(held), buddy);
  EXPECT_EQ(held->getScreenName(), u"Bobby");
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

TEST(Message, AssignmentCopiesEverythingAndLeavesOneHolder) {
  auto* buddy = new CBuddyProfile();
  buddy->setScreenName(u"Bobby");
  CMessage source;
  Fill(source, buddy);
  buddy->Release();

  CMessage target;
  target.AddRef();
  target.AddRef();
  target.addRecipient(u"stale", Medium(11));  // our choice: replaced with the whole map
  CMessage& result = target & source;
  EXPECT_EQ(&result, &target);
  EXPECT_EQ(target.HolderCount(), 1u);
  // Our choice: the status time travels with the status.
  EXPECT_EQ(Values(&target), kFilledValues);
  EXPECT_EQ(target.getRecipient(Medium(11)), nullptr);
  ASSERT_NE(target.getRecipient(Medium(3)), nullptr);
  EXPECT_NE(target.getRecipient(Medium(3)), source.getRecipient(Medium(3)));
  EXPECT_EQ(*target.getRecipient(Medium(3)), (StringList{u"bob", u"carl"}));

  // The attachment and the buddy profile are copies of the target's own.
  ASSERT_NE(target.getAttachment(), nullptr);
  EXPECT_NE(target.getAttachment(), source.getAttachment());
  ASSERT_NE(target.GetBuddyProfile(), nullptr);
  EXPECT_NE(target.GetBuddyProfile(), source.GetBuddyProfile());
  EXPECT_EQ(target.GetBuddyProfile()->getScreenName(), u"Bobby");
  source.removeAttachment();
  source.addRecipient(u"dora", Medium(3));
  EXPECT_EQ(target.getAttachment()->getAttachment(), u"photo.png");
  EXPECT_EQ(target.getRecipientCount(Medium(3)), 2);

  // An empty source leaves no attachment or buddy profile behind.
  target = CMessage();
  EXPECT_EQ(target.getAttachment(), nullptr);
  EXPECT_EQ(target.GetBuddyProfile(), nullptr);
  EXPECT_EQ(target.getRecipient(Medium(3)), nullptr);

  // Self-assignment keeps everything.
  CMessage& same = target;
  target = same;
  Fill(target, nullptr);
  target = same;
  EXPECT_EQ(target.getAttachment()->getAttachment(), u"photo.png");
  EXPECT_EQ(target.getRecipientCount(Medium(3)), 2);
}

TEST(Message, CopiesAreNewMessagesWithOneHolder) {
  auto* buddy = new CBuddyProfile();
  auto* source = new CMessage();
  Fill(*source, buddy);
  buddy->Release();
  source->AddRef();

  IMessage* copy = source->Copy();
  auto* clone = static_cast<IMessage*>(static_cast<IDataContainer*>(source->Clone()));
  CMessage constructed(*source);
  for (IMessage* made : {copy, clone, static_cast<IMessage*>(&constructed)}) {
    auto* message = dynamic_cast<CMessage*>(made);
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(message->HolderCount(), 1u);
    EXPECT_EQ(Values(made), kFilledValues);
    EXPECT_EQ(*made->getRecipient(Medium(3)), (StringList{u"bob", u"carl"}));
    EXPECT_NE(message->GetBuddyProfile(), source->GetBuddyProfile());
    EXPECT_NE(made->getAttachmentInterface(), source->getAttachmentInterface());
    made->addRecipient(u"extra", Medium(3));
  }
  EXPECT_EQ(source->getRecipientCount(Medium(3)), 2);
  EXPECT_EQ(source->HolderCount(), 2u);
  copy->Release();
  clone->Release();
  source->Release();
  source->Release();
}

}  // namespace
