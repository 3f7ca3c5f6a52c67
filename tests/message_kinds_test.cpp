// Inbox, outbox and system messages: their constructors, their own assignments, the outbox
// message's own status, what Clone and Copy carry, and the system message's parameters.
#include "qodata/message_kinds.h"

#include <gtest/gtest.h>

#include <tuple>

#include "framework/catalogue.h"

namespace {

using qo::String;

constexpr auto Medium(std::int32_t value) { return static_cast<tagSEND_MEDIUM>(value); }
constexpr auto MsgType(std::int32_t value) { return static_cast<SYSTEM_MSG_TYPE>(value); }

// The message proper, as the getters give it back.
auto Proper(IMessage& m) {
  return std::tuple(m.getSender(), m.getRecipient(), m.getMessage(), m.getTimeStamp(),
                    m.getSendMedium(), m.isUnicode());
}
const auto kAnnToBob = std::tuple(String(u"ann"), String(u"bob"), String(u"hi"), qo::Time{50});

// A system message's fields: content, number, message type, type, event, modal, final.
auto Fields(ISystemMessage& m) {
  return std::tuple(m.getMsgContent(), m.getMsgID(), m.getMsgType(), m.getType(), m.getEventId(),
                    m.IsModal(), m.IsFinal());
}

TEST(InboxMessage, ConstructorFilesNoRecipientAndSetsTheMedium) {
  CInboxMessage inbox(u"ann", u"bob", u"hi", qo::Time{50}, Medium(3), true);
  EXPECT_EQ(inbox.GetType(), CONTAINER_MESSAGE);
  // setSendMedium stores the medium (our choice), so the inbox message knows it.
  EXPECT_EQ(Proper(inbox), std::tuple_cat(kAnnToBob, std::tuple(3, true)));
  EXPECT_EQ(inbox.getRecipientCount(Medium(3)), 0);
  EXPECT_EQ(inbox.getRecipient(Medium(3)), nullptr);
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
  EXPECT_EQ(Proper(target), std::tuple_cat(kAnnToBob, std::tuple(3, true)));
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
  EXPECT_EQ(Proper(*outbox), std::tuple_cat(kAnnToBob, std::tuple(2, false)));
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
    EXPECT_EQ(Proper(*made), std::tuple_cat(kAnnToBob, std::tuple(2, false)));
    made->Release();
  }
  outbox->Release();
}

TEST(OutboxMessage, AssignmentAddsTheOwnStatusToTheMessageProper) {
  COutboxMessage source(u"ann", u"bob", u"hi", qo::Time{50}, Medium(2), qo::Time{60}, 5, true);
  source.SetStatus(1);
  COutboxMessage target(u"x", u"y", u"z", qo::Time{1}, Medium(7), qo::Time{2}, 3, false);
  target = source;
  EXPECT_EQ(Proper(target), std::tuple_cat(kAnnToBob, std::tuple(2, true)));
  EXPECT_EQ(target.getStatus(), 5);
  EXPECT_EQ(target.getStatusTime(), 60);
  EXPECT_EQ(static_cast<CMessage&>(target).CMessage::getStatus(), 0);  // the message's own stays

  COutboxMessage copied(source);
  EXPECT_EQ(copied.getStatus(), 5);
  EXPECT_EQ(copied.getStatusTime(), 60);
  EXPECT_EQ(Proper(copied), std::tuple_cat(kAnnToBob, std::tuple(2, true)));
}

TEST(InboxMessage, CloneOfAnInboxMessageIsAPlainMessage) {
  CInboxMessage inbox(u"ann", u"bob", u"hi", qo::Time{50}, Medium(3), false);
  inbox.AddRef();
  IDataContainer* clone = inbox.Clone();
  auto* message = dynamic_cast<CMessage*>(static_cast<IMessage*>(clone));
  ASSERT_NE(message, nullptr);
  EXPECT_EQ(dynamic_cast<CInboxMessage*>(message), nullptr);
  EXPECT_EQ(message->HolderCount(), 1u);
  EXPECT_EQ(Proper(*message), std::tuple_cat(kAnnToBob, std::tuple(3, false)));
  clone->Release();
}

TEST(SystemMessage, StartsWithDefaultsAndAnswersOnlyItsCode) {
  CSystemMessage first;
  CSystemMessage second(u"notice", MsgType(3), 99);
  EXPECT_EQ(first.GetType(), CONTAINER_SYSTEM_MESSAGE);
  EXPECT_EQ(Fields(first), std::tuple(String(), first.getMsgID(), 0, -1, String(), 0, 0));
  EXPECT_EQ(first.GetUserResponse(), nullptr);
  EXPECT_EQ(Fields(second),
            std::tuple(String(u"notice"), second.getMsgID(), 3, -1, String(), 0, 0));

  IDataContainer* made = qo::MakeContainer(CONTAINER_SYSTEM_MESSAGE);
  ASSERT_NE(made, nullptr);
  void* out = nullptr;
  EXPECT_EQ(made->GetDataInterface(CONTAINER_MESSAGE, &out), 0);
  made->Release();
}

TEST(SystemMessage, EachSetParametersOverloadSetsItsOwnFields) {
  CSystemMessage m;
  m.SetParameters(u"event-1");
  EXPECT_EQ(Fields(m), std::tuple(String(), m.getMsgID(), 0, -1, String(u"event-1"), 0, 0));
  m.SetParameters(u"c", 40, MsgType(2));
  EXPECT_EQ(Fields(m), std::tuple(String(u"c"), 40, 2, -1, String(u"event-1"), 0, 0));
  m.SetParameters(u"c", 41, MsgType(2), 7, u"event-2");
  EXPECT_EQ(Fields(m), std::tuple(String(u"c"), 41, 2, 7, String(u"event-2"), 0, 0));
  m.SetParameters(u"c", 42, MsgType(2), 7, u"event-3", u"detail");
  EXPECT_EQ(Fields(m), std::tuple(String(u"c"), 42, 2, 7, String(u"event-3"), 0, 0));
  m.SetParameters(u"c", 43, MsgType(2), 7, u"event-3", u"detail", 1);
  EXPECT_EQ(Fields(m), std::tuple(String(u"c"), 43, 2, 7, String(u"event-3"), 1, 0));
  m.SetParameters(u"d", 44, MsgType(5), 8, u"event-4", u"detail", 0, 1);
  EXPECT_EQ(Fields(m), std::tuple(String(u"d"), 44, 5, 8, String(u"event-4"), 0, 1));
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
  EXPECT_EQ(Fields(copied), std::tuple(String(u"notice"), 500, 1, 2, String(u"event"), 1, 1));
  EXPECT_EQ(copied.GetUserResponse(), &response);
  EXPECT_EQ(copied.HolderCount(), 1u);

  // Assignment copies the fields but keeps the target's response and holders.
  std::uint32_t otherResponse = 0;
  CSystemMessage target;
  target.SetUserResponse(otherResponse);
  target.AddRef();
  CSystemMessage& result = target & *source;
  EXPECT_EQ(&result, &target);
  const auto sourceFields = std::tuple(String(u"notice"), 500, 1, 2, String(u"event"), 1, 1);
  EXPECT_EQ(Fields(target), sourceFields);
  EXPECT_EQ(target.GetUserResponse(), &otherResponse);
  EXPECT_EQ(target.HolderCount(), 2u);

  // A clone carries the number but no response, with one holder.
  auto* clone = static_cast<ISystemMessage*>(source->Clone());
  EXPECT_EQ(Fields(*clone), sourceFields);
  EXPECT_EQ(clone->GetUserResponse(), nullptr);
  EXPECT_EQ(static_cast<CSystemMessage*>(clone)->HolderCount(), 1u);
  clone->Release();
  source->Release();
  source->Release();
}

}  // namespace
