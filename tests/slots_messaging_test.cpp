// The vtable slot of every operation of the messaging interfaces: callers across the library
// boundary reach them by place.
#include <gtest/gtest.h>

#include "qodata/message.h"
#include "qodata/message_attachment.h"
#include "qodata/message_kinds.h"
#include "qodata/message_list.h"
#include "slot_index.h"

namespace {

TEST(SlotsMessaging, MessagingInterfaces) {
  EXPECT_SLOTS(IMessage, 0, GetType, Clone, GetDataInterface, AddRef, Release, addRecipient,
               setAttachment, setChargingOption, removeAttachment, setUnicode, setRecipient,
               setMessage, setSender);
  EXPECT_OVERLOAD_SLOT(IMessage, setTimeStamp, void (IMessage::*)(qo::String), 13);
  EXPECT_OVERLOAD_SLOT(IMessage, setTimeStamp, void (IMessage::*)(qo::Time), 14);
  EXPECT_SLOTS(IMessage, 15, setSendMedium);
  EXPECT_OVERLOAD_SLOT(IMessage, SetParameters,
                       void (IMessage::*)(qo::String, qo::String, qo::String, tagSEND_MEDIUM,
                                          qo::Time),
                       16);
  EXPECT_OVERLOAD_SLOT(IMessage, SetParameters,
                       void (IMessage::*)(qo::String, qo::String, qo::String, tagSEND_MEDIUM,
                                          qo::String),
                       17);
  EXPECT_SLOTS(IMessage, 18, getSender, getMessage);
  EXPECT_OVERLOAD_SLOT(IMessage, getRecipient, qo::StringList* (IMessage::*)(tagSEND_MEDIUM), 20);
  EXPECT_OVERLOAD_SLOT(IMessage, getRecipient, qo::String (IMessage::*)(), 21);
  EXPECT_SLOTS(IMessage, 22, getRecipientCount, isUnicode, getTimeStamp, convertStringToTime,
               getAttachmentInterface, getSendMedium, getChargingOption);
  EXPECT_OVERLOAD_SLOT(IMessage, SetStatusTime, void (IMessage::*)(qo::Time), 29);
  EXPECT_OVERLOAD_SLOT(IMessage, SetStatusTime, void (IMessage::*)(qo::String), 30);
  EXPECT_SLOTS(IMessage, 31, SetStatus, getStatus, getStatusTime, Copy, ClearReceipients);
  EXPECT_SLOTS(IMessage_01, 0, GetType, Clone, GetDataInterface, AddRef, Release, SetBuddyProfile,
               GetBuddyProfile);
  EXPECT_SLOTS(IMessage_02, 0, GetType, Clone, GetDataInterface, AddRef, Release, setWalletUserKey,
               getWalletUserKey);
  EXPECT_SLOTS(ISystemMessage, 0, GetType, Clone, GetDataInterface, AddRef, Release);
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
  EXPECT_SLOTS(ISystemMessage, 11, SetUserResponse, GetUserResponse, getMsgContent, getMsgID,
               getType, getEventId, getMsgType, IsFinal, IsModal);
  EXPECT_SLOTS(IMessageAttachment, 0, GetType, Clone, GetDataInterface, AddRef, Release,
               getAttachmentType, getAttachment, SetAttachmentType, SetAttachment);
  EXPECT_SLOTS(IMessageList, 0, GetType, Clone, GetDataInterface, AddRef, Release, AddHead, clear,
               GetSize, GetHeadPosition, GetNext);
}

}  // namespace
