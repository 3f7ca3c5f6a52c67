// The vtable slot of every operation of the messaging interfaces: callers across the library
// boundary reach them by place.
#include <gtest/gtest.h>

#include "qodata/message.h"
#include "qodata/message_attachment.h"
#include "qodata/message_kinds.h"
#include "qodata/message_list.h"
#include "slot_index.h"

namespace {

using qo::String;
using qo::Time;
using I32 = std::int32_t;

TEST(SlotsMessaging, MessagingInterfaces) {
  using Msg = IMessage;
  using Medium = tagSEND_MEDIUM;
  EXPECT_CONTAINER_SLOTS(IMessage, addRecipient, setAttachment, setChargingOption,
                         removeAttachment, setUnicode, setRecipient, setMessage, setSender);
  EXPECT_OVERLOAD_SLOT(Msg, setTimeStamp, void (Msg::*)(String), 13);
  EXPECT_OVERLOAD_SLOT(Msg, setTimeStamp, void (Msg::*)(Time), 14);
  EXPECT_SLOTS(IMessage, 15, setSendMedium);
  EXPECT_OVERLOAD_SLOT(Msg, SetParameters, void (Msg::*)(String, String, String, Medium, Time), 16);
  EXPECT_OVERLOAD_SLOT(Msg, SetParameters, void (Msg::*)(String, String, String, Medium, String),
                       17);
  EXPECT_SLOTS(IMessage, 18, getSender, getMessage);
  EXPECT_OVERLOAD_SLOT(Msg, getRecipient, qo::StringList* (Msg::*)(Medium), 20);
  EXPECT_OVERLOAD_SLOT(Msg, getRecipient, String (Msg::*)(), 21);
  EXPECT_SLOTS(IMessage, 22, getRecipientCount, isUnicode, getTimeStamp, convertStringToTime,
               getAttachmentInterface, getSendMedium, getChargingOption);
  EXPECT_OVERLOAD_SLOT(Msg, SetStatusTime, void (Msg::*)(Time), 29);
  EXPECT_OVERLOAD_SLOT(Msg, SetStatusTime, void (Msg::*)(String), 30);
  EXPECT_SLOTS(IMessage, 31, SetStatus, getStatus, getStatusTime, Copy, ClearReceipients);
  EXPECT_CONTAINER_SLOTS(IMessage_01, SetBuddyProfile, GetBuddyProfile);
  EXPECT_CONTAINER_SLOTS(IMessage_02, setWalletUserKey, getWalletUserKey);

  using Sys = ISystemMessage;
  using Type = SYSTEM_MSG_TYPE;
  EXPECT_CONTAINER_SLOTS(ISystemMessage);
  EXPECT_OVERLOAD_SLOT(Sys, SetParameters,
                       void (Sys::*)(String, I32, Type, I32, String, String, I32, I32), 5);
  EXPECT_OVERLOAD_SLOT(Sys, SetParameters,
                       void (Sys::*)(String, I32, Type, I32, String, String, I32), 6);
  EXPECT_OVERLOAD_SLOT(Sys, SetParameters, void (Sys::*)(String, I32, Type, I32, String, String),
                       7);
  EXPECT_OVERLOAD_SLOT(Sys, SetParameters, void (Sys::*)(String, I32, Type, I32, String), 8);
  EXPECT_OVERLOAD_SLOT(Sys, SetParameters, void (Sys::*)(String, I32, Type), 9);
  EXPECT_OVERLOAD_SLOT(Sys, SetParameters, void (Sys::*)(String), 10);
  EXPECT_SLOTS(ISystemMessage, 11, SetUserResponse, GetUserResponse, getMsgContent, getMsgID,
               getType, getEventId, getMsgType, IsFinal, IsModal);

  EXPECT_CONTAINER_SLOTS(IMessageAttachment, getAttachmentType, getAttachment, SetAttachmentType,
                         SetAttachment);
  EXPECT_CONTAINER_SLOTS(IMessageList, AddHead, clear, GetSize, GetHeadPosition, GetNext);
}

}  // namespace
