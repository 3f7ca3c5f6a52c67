// Inbox, outbox and system messages: constructors, assignments, Clone and Copy, parameters.
#include "qodata/message_kinds.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using qo::String;

constexpr auto Medium(std::int32_t value) { return static_cast<tagSEND_MEDIUM>(value); }
constexpr auto MsgType(std::int32_t value) { return static_cast<SYSTEM_MSG_TYPE>(value); }

// The message proper, as the getters give it back, against ann's "hi" to bob at time 50.
auto Proper(IMessage& m) {
  return std::tuple(m.getSender(), m.getRecipient(), m.getMessage(), m.getTimeStamp(),
                    m.getSendMedium(), m.isUnicode());
}
auto AnnToBob(int medium, bool unicode) {
  return std::tuple(String(u"ann"), String(u"bob"), String(u"hi"), qo::Time{50}, medium, unicode);
}

// A system message's fields: content, number, message type, type, event, modal, final.
auto Fields(ISystemMessage& m) {
  return std::tuple(m.getMsgContent(), m.getMsgID(), m.getMsgType(), m.getType(), m.getEventId(),
                    m.IsModal(), m.IsFinal());
}

TEST(InboxMessage, FilesNoRecipientAndCopiesTheMessageProperOnly) {
  CInboxMessage source(u"ann", u"bob", u"hi", qo::Time{50}, Medium(3), true);
  // setSendMedium stores the medium (our choice), so the inbox message knows it.
  EXPECT_EQ(Proper(source), AnnToBob(3, true));
  EXPECT_EQ(source.getRecipient(Medium(3)), nullptr);
  source.setAttachment(u"a.png", static_cast<tagATTACHMENT_TYPE>(1));
  source.SetStatus(4);
  source.setWalletUserKey(u"key");
  source.setChargingOption(static_cast<tagCHARGING_OPTION>(2));

  // Assignment leaves the lists, status, charging option, wallet key and holders alone.
  CInboxMessage target;
  target.addRecipient(u"kept", Medium(9));
  target.SetStatus(8);
  target.AddRef();
  EXPECT_EQ(&(target & source), &target);
  EXPECT_EQ(Proper(target), AnnToBob(3, true));
  EXPECT_EQ(std::tuple(target.getRecipientCount(Medium(9)), target.getStatus(),
                       target.getChargingOption(), target.getWalletUserKey(), target.HolderCount()),
            std::tuple(1, 8, -1, String(), 2u));

  // Copy construction takes the same part only, with an attachment of its own.
  CInboxMessage copied(target);
  EXPECT_EQ(std::tuple(copied.getRecipientCount(Medium(9)), copied.getStatus()), std::tuple(0, 0));
  source.getAttachment()->SetAttachment(u"other.png");
  for (CInboxMessage* made : {&target, &copied}) {
    ASSERT_NE(made->getAttachment(), nullptr);
    EXPECT_EQ(made->getAttachment()->getAttachment(), u"a.png");
  }
}

TEST(OutboxMessage, AnswersItsOwnStatusWhileCopiesCarryTheMessagesStatus) {
  COutboxMessage outbox(u"ann", u"bob", u"hi", qo::Time{50}, Medium(2), qo::Time{60}, 5, false);
  EXPECT_EQ(Proper(outbox), AnnToBob(2, false));
  EXPECT_EQ(outbox.getRecipientCount(Medium(2)), 0);
  outbox.SetStatus(9);
  outbox.SetStatusTime(qo::Time{70});
  // Through the interface the replaced slots answer.
  IMessage* asMessage = &outbox;
  EXPECT_EQ(std::tuple(asMessage->getStatus(), asMessage->getStatusTime()),
            std::tuple(5, qo::Time{60}));

  // Assignment and copy construction add the own status to the message proper.
  COutboxMessage target(u"x", u"y", u"z", qo::Time{1}, Medium(7), qo::Time{2}, 3, true);
  target = outbox;
  COutboxMessage copied(outbox);
  for (COutboxMessage* made : {&target, &copied}) {
    EXPECT_EQ(Proper(*made), AnnToBob(2, false));
    EXPECT_EQ(std::tuple(made->getStatus(), made->getStatusTime()), std::tuple(5, qo::Time{60}));
  }
  EXPECT_EQ(static_cast<CMessage&>(target).CMessage::getStatus(), 0);  // the message's own stays

  // Copy and Clone make plain messages that carry the message's status.
  IMessage* copy = outbox.Copy();
  auto* clone = static_cast<IMessage*>(static_cast<IDataContainer*>(outbox.Clone()));
  for (IMessage* made : {copy, clone}) {
    EXPECT_EQ(dynamic_cast<COutboxMessage*>(made), nullptr);
    ASSERT_NE(dynamic_cast<CMessage*>(made), nullptr);
    EXPECT_EQ(std::tuple(made->getStatus(), made->getStatusTime()), std::tuple(9, qo::Time{70}));
    EXPECT_EQ(Proper(*made), AnnToBob(2, false));
    made->Release();
  }
}

TEST(SystemMessage, DefaultsParameterOverloadsAndTheResponseThatOnlyCopyConstructionCarries) {
  CSystemMessage m;
  CSystemMessage second(u"notice", MsgType(3), 99);
  void* out = nullptr;  // a system message is no plain message
  EXPECT_EQ(std::tuple(Fields(m), m.GetUserResponse(), Fields(second),
                       m.GetDataInterface(CONTAINER_MESSAGE, &out)),
            std::tuple(std::tuple(String(), m.getMsgID(), 0, -1, String(), 0, 0), nullptr,
                       std::tuple(String(u"notice"), second.getMsgID(), 3, -1, String(), 0, 0), 0));

  m.SetParameters(u"event-1");
  EXPECT_EQ(Fields(m), std::tuple(String(), m.getMsgID(), 0, -1, String(u"event-1"), 0, 0));
  m.SetParameters(u"c", 40, MsgType(2));
  EXPECT_EQ(Fields(m), std::tuple(String(u"c"), 40, 2, -1, String(u"event-1"), 0, 0));
  // The longer overloads each set their own fields and pass the rest on to the next shorter one.
  m.SetParameters(u"d", 44, MsgType(5), 8, u"event-4", u"detail", 1, 1);
  EXPECT_EQ(Fields(m), std::tuple(String(u"d"), 44, 5, 8, String(u"event-4"), 1, 1));
  EXPECT_EQ(m.fields().detail, u"detail");  // kept for copies, read by no getter

  std::uint32_t response = 0, otherResponse = 0;
  m.SetUserResponse(response);
  // The copy constructor copies everything, the response address included.
  EXPECT_EQ(CSystemMessage(m).GetUserResponse(), &response);

  // Assignment copies the fields but keeps the target's response and holders.
  CSystemMessage target;
  target.SetUserResponse(otherResponse);
  target.AddRef();
  target = m;
  EXPECT_EQ(std::tuple(target.GetUserResponse(), target.HolderCount()),
            std::tuple(&otherResponse, 2u));

  // A clone carries no response (its number: the counters test).
  auto* clone = static_cast<ISystemMessage*>(m.Clone());
  EXPECT_EQ(clone->GetUserResponse(), nullptr);
  clone->Release();
}

}  // namespace
