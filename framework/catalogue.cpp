#include "framework/catalogue.h"

#include "contacts/transport.h"
#include "framework/application_event.h"
#include "framework/data_collection.h"
#include "framework/generic_data.h"
#include "framework/generic_event.h"
#include "messaging/message_list.h"
#include "qodata/buddy_list.h"
#include "qodata/buddy_profile.h"
#include "qodata/cag_tokens.h"
#include "qodata/connection.h"
#include "qodata/credits_ads.h"
#include "qodata/data_source.h"
#include "qodata/message.h"
#include "qodata/message_attachment.h"
#include "qodata/message_kinds.h"
#include "qodata/plugin_control_command.h"
#include "qodata/plugin_event_data.h"
#include "qodata/plugin_info.h"
#include "qodata/plugin_ui_element.h"
#include "qodata/plugin_window.h"
#include "qodata/user_profile.h"
#include "services/web_request.h"

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
    case CONTAINER_CREDIT:
      return Make<CCredit, ICredit>();
    case CONTAINER_CREDIT_LIST:
      return Make<CCreditList, ICreditList>();
    case CONTAINER_CONNECTION_PROPERTIES:
      return Make<CConnectionProperties, IConnectionProperties>();
    case CONTAINER_SYSTEM_MESSAGE:
      return Make<CSystemMessage, ISystemMessage>();
    case CONTAINER_MESSAGE:
      return Make<CMessage, IMessage>();
    case CONTAINER_PLUGIN_INFO:
      return Make<CPluginInfo, IPluginInfo>();
    case CONTAINER_PLUGIN_UI_ELEMENT:
      return Make<CPluginUIElement, IPluginUIElement>();
    case CONTAINER_PLUGIN_UI_ELEMENT_ACTION:
      return Make<CPluginUIElementAction, IPluginUIElementAction>();
    case CONTAINER_PLUGIN_EVENT_DATA:
      return Make<PluginEventData, IPluginEventData>();
    case CONTAINER_PLUGIN_WINDOW_ELEMENT:
      return Make<CPluginWindowElement, IPluginWindowElement>();
    case CONTAINER_DATA_SOURCE:
      return Make<CQoDataSource, IDataSource>();
    case CONTAINER_MESSAGE_ATTACHMENT:
      return Make<CMessageAttachment, IMessageAttachment>();
    case CONTAINER_ADS:
      return Make<CAds, IAds>();
    case CONTAINER_ADS_LIST:
      return Make<CIAdsList, IAdsList>();
    case CONTAINER_PLUGIN_CONTROL_COMMAND:
      return Make<CPluginControlCommand, IPluginControlCommand>();
    case CONTAINER_MESSAGE_LIST:
      return Make<CNMessageList, IMessageList>();
    case CONTAINER_APPLICATION_EVENT:
      return Make<CApplicationEvent, IApplicationEvent>();
    case CONTAINER_DATA_COLLECTION:
      return Make<CQoDataCollection, IQoDataCollection>();
    case CONTAINER_TRANSPORT:
      return Make<CTransport, ITransport>();
    case CONTAINER_WEB_REQUEST:
      return Make<CWebRequest, IWebRequest>();
    case CONTAINER_GENERIC_EVENT:
      return Make<CGenericEvent, IGenericEvent>();
    case CONTAINER_PLUGIN_WINDOW_CONTROL:
      return Make<CPluginWindowControl, IPluginWindowControl>();
    case CONTAINER_MESSAGE_01:
      return Make<CMessage, IMessage_01>();
    case CONTAINER_BUDDY_PROFILE_01:
      return Make<CBuddyProfile, IBuddyProfile_01>();
    case CONTAINER_PLUGIN_UI_ELEMENT2:
      return Make<CPluginUIElement, IPluginUIElement2>();
    case CONTAINER_GENERIC_DATA:
      return Make<CGenericData, IGenericDataContainer>();
    case CONTAINER_MESSAGE_02:
      return Make<CMessage, IMessage_02>();
    case CONTAINER_XMPP_CONN_PROPERTIES:
      return Make<CXMPPConnProperties, IXMPPConnProperties>();
    case CONTAINER_CAG_TOKENS:
      return Make<CCagTokens, ICagTokens>();
    default:
      return nullptr;
  }
}

bool FactoryDestroysOutright(tagCONTAINER_DATATYPE code) {
  switch (code) {
    case 1:
    case 2:
    case 3:
    case 6:
    case 7:
    case 8:
    case 9:
    case 10:
    case 11:
    case 12:
    case 13:
    case 14:
    case 18:
    case 21:
      return true;
    default:
      return false;
  }
}

}  // namespace qo
