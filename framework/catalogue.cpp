#include "framework/catalogue.h"

#include "messaging/message_list.h"
#include "contacts/transport.h"
#include "qodata/buddy_list.h"
#include "qodata/buddy_profile.h"
#include "qodata/message.h"
#include "qodata/message_attachment.h"
#include "qodata/message_kinds.h"
#include "qodata/user_profile.h"

namespace qo {
namespace {

// Makes a Class and hands it out as its Interface pointer.
template <class Class, class Interface>
IDataContainer* Make() {
  return static_cast<Interface*>(new Class());
}

}  // namespace

IDataContainer* MakeContainer(tagCONTAINER_DATATYPE code) {
  switch (code) {
    case CONTAINER_USER_PROFILE:
      return Make<CUserProfile, IUserProfile>();
    case CONTAINER_BUDDY_PROFILE:
      return Make<CBuddyProfile, IBuddyProfile>();
    case CONTAINER_BUDDY_LIST:
      return Make<CBuddyList, IBuddyList>();
    case CONTAINER_TRANSPORT:
      return Make<CTransport, ITransport>();
    case CONTAINER_BUDDY_PROFILE_01:
      return Make<CBuddyProfile, IBuddyProfile_01>();
    case CONTAINER_SYSTEM_MESSAGE:
      return Make<CSystemMessage, ISystemMessage>();
    case CONTAINER_MESSAGE:
      return Make<CMessage, IMessage>();
    case CONTAINER_MESSAGE_ATTACHMENT:
      return Make<CMessageAttachment, IMessageAttachment>();
    case CONTAINER_MESSAGE_LIST:
      return Make<messaging::CNMessageList, IMessageList>();
    case CONTAINER_MESSAGE_01:
      return Make<CMessage, IMessage_01>();
    case CONTAINER_MESSAGE_02:
      return Make<CMessage, IMessage_02>();
    default:
      return nullptr;
  }
}

bool FactoryDestroysOutright(tagCONTAINER_DATATYPE code) {
  switch (code) {
    case 1: case 2: case 3: case 6: case 7: case 8: case 9: case 10: case 11: case 12:
    case 13: case 14: case 18: case 21:
      return true;
    default:
      return false;
  }
}

}  // namespace qo
