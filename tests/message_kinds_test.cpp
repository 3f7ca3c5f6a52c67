// Inbox, outbox and system messages: their constructors, their own assignments, the outbox
// message's own status, what Clone and Copy carry, and the system message's parameters.
#include "qodata/message_kinds.h"

#include <gtest/gtest.h>

#include "framework/catalogue.h"

namespace {

using qo::String;

constexpr auto Medium(std::int32_t value) { return static_cast<tagSEND_MEDIUM>(value); }
constexpr auto MsgType(std::int32_t value) { return static_cast<SYSTEM_MSG_TYPE>(value); }

TEST(InboxMessage, ConstructorFilesNoRecipientAndSetsTheMedium) {
  CInboxMessage inbox(u"ann", u"bob", u"hi", qo::Time{50}, Medium(3), true);
  EXPECT_EQ(inbox.GetType(), CONTAINER_MESSAGE);
  EXPECT_EQ(inbox.getSender(), u"ann");
  EXPECT_EQ(inbox.getRecipient(), u"bob");
  EXPECT_EQ(inbox.getMessage(), u"hi");
  EXPECT_EQ(inbox.getTimeStamp(), 50);
  EXPECT_TRUE(inbox.isUnicode());
  EXPECT_EQ(inbox.getRecipientCount(Medium(3)), 0);
  EXPECT_EQ(inbox.getRecipient(Medium(3)), nullptr);
  // setSendMedium stores the medium (our choice), so the inbox message knows it.
  EXPECT_EQ(inbox.getSendMedium(), 3);
  CInboxMessage empty;
  EXPECT_EQ(empty.getChargingOption(), -1);
}

TEST(InboxMessage, AssignmentCopiesTheMessageProperOnly) {
  CInboxMessage source(u"ann", u"bob", u"hi", qo::Time{50}, Medium(3), true);
  source.setAttachment(u"a.png", static_cast<tagATTACHMENT_TYPE>(1));
  source.SetStatus(4);
  source.setWalletUserKey(u"key");
  source.setChargingOption(static_cast<tagCHARGING_OPTION>(2));

  CInboxMessage target;
  target.addRecipient(u"kept", Medium(9));
  target.SetStatus(8);
  target.AddRef();
  CInboxMessage& result = target & source;
  EXPECT_EQ(&result, &target);
  EXPECT_EQ(target.getSender(), u"ann");
  EXPECT_EQ(target.getRecipient(), u"bob");
  EXPECT_EQ(target.getMessage(), u"hi");
  EXPECT_EQ(target.getSendMedium(), 3);
  EXPECT_EQ(target.getTimeStamp(), 50);
  EXPECT_TRUE(target.isUnicode());
  // Left as they were: lists, status, charging option, wallet key and holder count.
  EXPECT_EQ(target.getRecipientCount(Medium(9)), 1);
  EXPECT_EQ(target.getStatus(), 8);
  EXPECT_EQ(target.getChargingOption(), -1);
  EXPECT_EQ(target.getWalletUserKey(), u"");
  EXPECT_EQ(target.HolderCount(), 2u);

  // The attachment is the target's own.
  source.removeAttachment();
  ASSERT_NE(target.getAttachment(), nullptr);
  EXPECT_EQ(target.getAttachment()->getAttachment(), u"a.png");

  CInboxMessage copied(target);
  EXPECT_EQ(copied.HolderCount(), 1u);
  EXPECT_EQ(copied.getAttachment()->getAttachment(), u"a.png");
  EXPECT_EQ(copied.getRecipientCount(Medium(9)), 0);
  EXPECT_EQ(copied.getStatus(), 0);
}

TEST(OutboxMessage, OwnStatusIsAnsweredWhileCopiesCarryTheMessagesStatus) {
  auto* outbox = new COutboxMessage(u"ann", u"bob", u"hi", qo::Time{50}, Medium(2),
                                    qo::Time{60}, 5, false);
  EXPECT_EQ(outbox->GetType(), CONTAINER_MESSAGE);
  EXPECT_EQ(outbox->getStatus(), 5);
  EXPECT_EQ(outbox->getStatusTime(), 60);
  EXPECT_EQ(outbox->getRecipient(), u"bob");
  EXPECT_EQ(outbox->getRecipientCount(Medium(2)), 0);

  outbox->SetStatus(9);
  outbox->SetStatusTime(qo::Time{70});
  EXPECT_EQ(outbox->getStatus(), 5);
  EXPECT_EQ(outbox->getStatusTime(), 60);
  // Through the interface the replaced slots answer too.
  EXPECT_EQ(static_cast<IMessage*>(outbox)->getStatus(), 5);

  IMessage* copy = outbox->Copy();
  auto* clone = static_cast<IMessage*>(static_cast<IDataContainer*>(outbox->Clone()));
  for (IMessage* made : {copy, clone}) {
    EXPECT_EQ(dynamic_cast<COutboxMessage*>(made), nullptr);
    ASSERT_NE(dynamic_cast<CMessage*>(made), nullptr);
    EXPECT_EQ(made->getStatus(), 9);
    EXPECT_EQ(made->getStatusTime(), 70);
    EXPECT_EQ(made->getSender(), u"ann");
    made->Release();
  }
  outbox->Release();
}

TEST(OutboxMessage, AssignmentAddsTheOwnStatusToTheMessageProper) {
  COutboxMessage source(u"ann", u"bob", u"hi", qo::Time{50}, Medium(2), qo::Time{60}, 5, true);
  source.SetStatus(1);
  COutboxMessage target(u"x", u"y", u"z", qo::Time{1}, Medium(7), qo::Time{2}, 3, false);
  target = source;
  EXPECT_EQ(target.getSender(), u"ann");
  EXPECT_EQ(target.getSendMedium(), 2);
  EXPECT_EQ(target.getStatus(), 5);
  EXPECT_EQ(target.getStatusTime(), 60);
  EXPECT_EQ(static_cast<CMessage&>(target).CMessage::getStatus(), 0);  // the message's own stays

  COutboxMessage copied(source);
  EXPECT_EQ(copied.getStatus(), 5);
  EXPECT_EQ(copied.getStatusTime(), 60);
  EXPECT_TRUE(copied.isUnicode());
}

TEST(InboxMessage, CloneOfAnInboxMessageIsAPlainMessage) {
  CInboxMessage inbox(u"ann", u"bob", u"hi", qo::Time{50}, Medium(3), false);
  inbox.AddRef();
  IDataContainer* clone = inbox.Clone();
  auto* message = dynamic_cast<CMessage*>(static_cast<IMessage*>(clone));
  ASSERT_NE(message, nullptr);
  EXPECT_EQ(dynamic_cast<CInboxMessage*>(message), nullptr);
  EXPECT_EQ(message->HolderCount(), 1u);
  EXPECT_EQ(message->getRecipient(), u"bob");
  clone->Release();
}

TEST(SystemMessage, StartsWithDefaultsAndTheNextNumber) {
  CSystemMessage first;
  CSystemMessage second(u"notice", MsgType(3), 99);
  EXPECT_EQ(second.getMsgID(), first.getMsgID() + 1);
  EXPECT_EQ(first.GetType(), CONTAINER_SYSTEM_MESSAGE);
  EXPECT_EQ(first.getType(), -1);
  EXPECT_EQ(first.getMsgType(), 0);
  EXPECT_EQ(first.IsModal(), 0);
  EXPECT_EQ(first.IsFinal(), 0);
  EXPECT_EQ(first.GetUserResponse(), nullptr);
  EXPECT_EQ(first.getMsgContent(), u"");
  EXPECT_EQ(first.getEventId(), u"");
  EXPECT_EQ(second.getMsgContent(), u"notice");
  EXPECT_EQ(second.getMsgType(), 3);
  EXPECT_EQ(second.getType(), -1);

  IDataContainer* made = qo::MakeContainer(CONTAINER_SYSTEM_MESSAGE);
  ASSERT_NE(made, nullptr);
  EXPECT_EQ(static_cast<ISystemMessage*>(made)->getMsgID(), second.getMsgID() + 1);
  void* out = nullptr;
  EXPECT_EQ(made->GetDataInterface(CONTAINER_MESSAGE, &out), 0);
  made->Release();
}

TEST(SystemMessage, EachSetParametersOverloadSetsItsOwnFields) {
  CSystemMessage message;
  message.SetParameters(u"event-1");
  EXPECT_EQ(message.getEventId(), u"event-1");
  EXPECT_EQ(message.getMsgContent(), u"");

  message.SetParameters(u"c", 40, MsgType(2));
  EXPECT_EQ(message.getMsgID(), 40);
  EXPECT_EQ(message.getMsgType(), 2);
  EXPECT_EQ(message.getEventId(), u"event-1");
  EXPECT_EQ(message.getType(), -1);

  message.SetParameters(u"c", 41, MsgType(2), 7, u"event-2");
  EXPECT_EQ(message.getType(), 7);
  EXPECT_EQ(message.getEventId(), u"event-2");
  EXPECT_EQ(message.IsModal(), 0);

  message.SetParameters(u"c", 42, MsgType(2), 7, u"event-3", u"detail");
  EXPECT_EQ(message.getMsgID(), 42);
  EXPECT_EQ(message.IsModal(), 0);

  message.SetParameters(u"c", 43, MsgType(2), 7, u"event-3", u"detail", 1);
  EXPECT_EQ(message.IsModal(), 1);
  EXPECT_EQ(message.IsFinal(), 0);

  message.SetParameters(u"d", 44, MsgType(5), 8, u"event-4", u"detail", 0, 1);
  EXPECT_EQ(message.getMsgContent(), u"d");
  EXPECT_EQ(message.getMsgID(), 44);
  EXPECT_EQ(message.getMsgType(), 5);
  EXPECT_EQ(message.getType(), 8);
  EXPECT_EQ(message.getEventId(), u"event-4");
  EXPECT_EQ(message.IsModal(), 0);
  EXPECT_EQ(message.IsFinal(), 1);
}

TEST(SystemMessage, CopyConstructionAssignmentAndCloneTreatTheResponseDifferently) {
  std::uint32_t response = 0;
  auto* source = new CSystemMessage(u"notice", MsgType(1), 0);
  source->SetParameters(u"notice", 500, MsgType(1), 2, u"event", u"detail", 1, 1);
  source->SetUserResponse(response);
  *source->GetUserResponse() = 17;
  EXPECT_EQ(response, 17u);
  source->AddRef();

  // The copy constructor copies everything, the response address included.
  CSystemMessage copied(*source);
  EXPECT_EQ(copied.getMsgID(), 500);
  EXPECT_EQ(copied.GetUserResponse(), &response);
  EXPECT_EQ(copied.HolderCount(), 1u);

  // Assignment copies the fields but keeps the target's response and holders.
  std::uint32_t otherResponse = 0;
  CSystemMessage target;
  target.SetUserResponse(otherResponse);
  target.AddRef();
  CSystemMessage& result = target & *source;
  EXPECT_EQ(&result, &target);
  EXPECT_EQ(target.getMsgID(), 500);
  EXPECT_EQ(target.getEventId(), u"event");
  EXPECT_EQ(target.IsModal(), 1);
  EXPECT_EQ(target.IsFinal(), 1);
  EXPECT_EQ(target.GetUserResponse(), &otherResponse);
  EXPECT_EQ(target.HolderCount(), 2u);

  // A clone carries the number but no response, with one holder.
  auto* clone = static_cast<ISystemMessage*>(source->Clone());
  EXPECT_EQ(clone->getMsgID(), 500);
  EXPECT_EQ(clone->getMsgContent(), u"notice");
  EXPECT_EQ(clone->GetUserResponse(), nullptr);
  EXPECT_EQ(static_cast<CSystemMessage*>(clone)->HolderCount(), 1u);
  clone->Release();
  source->Release();
  source->Release();
}

}  // namespace
