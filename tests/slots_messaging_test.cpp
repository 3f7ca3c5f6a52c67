// The vtable slot of every operation of the messaging interfaces: callers across the library
// boundary reach them by place.
#include <gtest/gtest.h>

#include "qodata/message.h"
#include "qodata/message_attachment.h"
#include "qodata/message_kinds.h"
#include "qodata/message_list.h"
#include "slot_index.h"

namespace {

template <class Interface>
void ExpectContainerSlots() {
  EXPECT_SLOT(Interface, GetType, 0);
  EXPECT_SLOT(Interface, Clone, 1);
  EXPECT_SLOT(Interface, GetDataInterface, 2);
  EXPECT_SLOT(Interface, AddRef, 3);
  EXPECT_SLOT(Interface, Release, 4);
}

TEST(SlotsMessaging, Message) {
  ExpectContainerSlots<IMessage>();
  EXPECT_SLOT(IMessage, addRecipient, 5);
  EXPECT_SLOT(IMessage, setAttachment, 6);
  EXPECT_SLOT(IMessage, setChargingOption, 7);
  EXPECT_SLOT(IMessage, removeAttachment, 8);
  EXPECT_SLOT(IMessage, setUnicode, 9);
  EXPECT_SLOT(IMessage, setRecipient, 10);
  EXPECT_SLOT(IMessage, setMessage, 11);
  EXPECT_SLOT(IMessage, setSender, 12);
  EXPECT_OVERLOAD_SLOT(IMessage, setTimeStamp, void (IMessage::*)(qo::String), 13);
  EXPECT_OVERLOAD_SLOT(IMessage, setTimeStamp, void (IMessage::*)(qo::Time), 14);
  EXPECT_SLOT(IMessage, setSendMedium, 15);
  EXPECT_OVERLOAD_SLOT(IMessage, SetParameters,
                       void (IMessage::*)(qo::String, qo::String, qo::String, tagSEND_MEDIUM,
                                          qo::Time),
                       16);
  EXPECT_OVERLOAD_SLOT(IMessage, SetParameters,
                       void (IMessage::*)(qo::String, qo::String, qo::String, tagSEND_MEDIUM,
                                          qo::String),
                       17);
  EXPECT_SLOT(IMessage, getSender, 18);
  EXPECT_SLOT(IMessage, getMessage, 19);
  EXPECT_OVERLOAD_SLOT(IMessage, getRecipient, qo::StringList* (IMessage::*)(tagSEND_MEDIUM), 20);
  EXPECT_OVERLOAD_SLOT(IMessage, getRecipient, qo::String (IMessage::*)(), 21);
  EXPECT_SLOT(IMessage, getRecipientCount, 22);
  EXPECT_SLOT(IMessage, isUnicode, 23);
  EXPECT_SLOT(IMessage, getTimeStamp, 24);
  EXPECT_SLOT(IMessage, convertStringToTime, 25);
  EXPECT_SLOT(IMessage, getAttachmentInterface, 26);
  EXPECT_SLOT(IMessage, getSendMedium, 27);
  EXPECT_SLOT(IMessage, getChargingOption, 28);
  EXPECT_OVERLOAD_SLOT(IMessage, SetStatusTime, void (IMessage::*)(qo::Time), 29);
  EXPECT_OVERLOAD_SLOT(IMessage, SetStatusTime, void (IMessage::*)(qo::String), 30);
  EXPECT_SLOT(IMessage, SetStatus, 31);
  EXPECT_SLOT(IMessage, getStatus, 32);
  EXPECT_SLOT(IMessage, getStatusTime, 33);
  EXPECT_SLOT(IMessage, Copy, 34);
  EXPECT_SLOT(IMessage, ClearReceipients, 35);
}

TEST(SlotsMessaging, MessageSecondAndThirdInterfaces) {
  ExpectContainerSlots<IMessage_01>();
  EXPECT_SLOT(IMessage_01, SetBuddyProfile, 5);
  EXPECT_SLOT(IMessage_01, GetBuddyProfile, 6);
  ExpectContainerSlots<IMessage_02>();
  EXPECT_SLOT(IMessage_02, setWalletUserKey, 5);
  EXPECT_SLOT(IMessage_02, getWalletUserKey, 6);
}

TEST(SlotsMessaging, SystemMessage) {
  ExpectContainerSlots<ISystemMessage>();
  using Content = qo::String;
  using Type = SYSTEM_MSG_TYPE;
  EXPECT_OVERLOAD_SLOT(ISystemMessage, SetParameters,
                       void (ISystemMessage::*)(Content, std::int32_t, Type, std::int32_t,
                                                qo::String, qo::String, std::int32_t,
                                                std::int32_t),
                       5);
  EXPECT_OVERLOAD_SLOT(ISystemMessage, SetParameters,
                       void (ISystemMessage::*)(Content, std::int32_t, Type, std::int32_t,
                                                qo::String, qo::String, std::int32_t),
                       6);
  EXPECT_OVERLOAD_SLOT(ISystemMessage, SetParameters,
                       void (ISystemMessage::*)(Content, std::int32_t, Type, std::int32_t,
                                                qo::String, qo::String),
                       7);
  EXPECT_OVERLOAD_SLOT(ISystemMessage, SetParameters,
                       void (ISystemMessage::*)(Content, std::int32_t, Type, std::int32_t,
                                                qo::String),
                       8);
  EXPECT_OVERLOAD_SLOT(ISystemMessage, SetParameters,
                       void (ISystemMessage::*)(Content, std::int32_t, Type), 9);
  EXPECT_OVERLOAD_SLOT(ISystemMessage, SetParameters, void (ISystemMessage::*)(qo::String), 10);
  EXPECT_SLOT(ISystemMessage, SetUserResponse, 11);
  EXPECT_SLOT(ISystemMessage, GetUserResponse, 12);
  EXPECT_SLOT(ISystemMessage, getMsgContent, 13);
  EXPECT_SLOT(ISystemMessage, getMsgID, 14);
  EXPECT_SLOT(ISystemMessage, getType, 15);
  EXPECT_SLOT(ISystemMessage, getEventId, 16);
  EXPECT_SLOT(ISystemMessage, getMsgType, 17);
  EXPECT_SLOT(ISystemMessage, IsFinal, 18);
  EXPECT_SLOT(ISystemMessage, IsModal, 19);
}

TEST(SlotsMessaging, AttachmentAndList) {
  ExpectContainerSlots<IMessageAttachment>();
  EXPECT_SLOT(IMessageAttachment, getAttachmentType, 5);
  EXPECT_SLOT(IMessageAttachment, getAttachment, 6);
  EXPECT_SLOT(IMessageAttachment, SetAttachmentType, 7);
  EXPECT_SLOT(IMessageAttachment, SetAttachment, 8);
  ExpectContainerSlots<IMessageList>();
  EXPECT_SLOT(IMessageList, AddHead, 5);
  EXPECT_SLOT(IMessageList, clear, 6);
  EXPECT_SLOT(IMessageList, GetSize, 7);
  EXPECT_SLOT(IMessageList, GetHeadPosition, 8);
  EXPECT_SLOT(IMessageList, GetNext, 9);
}

}  // namespace
