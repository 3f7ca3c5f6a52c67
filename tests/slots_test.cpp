// Binary compatibility of every interface: callers across the library boundary reach each
// operation by its vtable slot, and the classes with several interfaces keep their base order.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <typeinfo>

#include "qodata/qodata.h"
#include "slot_index.h"

namespace {

using qo::String;
using qo::Time;
using I32 = std::int32_t;
using U32 = std::uint32_t;

TEST(SlotOrder, FrameworkInterfaces) {
  EXPECT_CONTAINER_SLOTS(IDataContainer);
  EXPECT_SLOTS(IDataFactory, 0, CreateInstance, Copy, ReleaseInstance);
  EXPECT_SLOTS(IUnknown, 0, QueryInterface, AddRef, Release);
  EXPECT_SLOTS(IDataFactory2, 3, GetVersion, CreateContainer, ReleaseContainer);
  // The checker itself reports an operation out of place.
  EXPECT_NONFATAL_FAILURE(EXPECT_SLOTS(IDataContainer, 0, GetType, AddRef), "AddRef");
}

TEST(SlotOrder, UserProfileInterfaces) {
  EXPECT_CONTAINER_SLOTS(
      IUserProfile, setQuilloID, setPassword, setOldPassword, setName, setEmail, setAddressInfo,
      setContactInfo, setProfile, setProvider, setAge, setGender, enableMessageStore,
      enableSMSForwarding, enableEmailForwarding, setSearchable, setTheme, setIdleTime, getQuilloID,
      getPassword, getOldPassword, getLastName, getFirstName, getEmail, getStreetAddress,
      getCityAddress, getStateAddress, getCountryAddress, getFax, getTelephone, getProfile,
      getProvider, getTheme, getIdleTime, getMood, getGender, getStatus, getAge,
      isMessageStoreEnabled, isSMSForwardingEnabled, isSeachable, isEmailForwarding, setMood,
      setStatus, isUnifiedAccount, setProfileImage, setStatusMessage, setAvatarFileKey,
      getProfileImage, getStatusMessage, getAvatarFileKey, SetBigImage, SetSmallImage, GetBigImage,
      GetSmallImage, SetWalletId, SetWalletPassword, SetWalletBalance, SetWalletCurrency,
      GetWalletId, GetWalletPassword, GetWalletBalance, GetWalletCurrency);
  EXPECT_CONTAINER_SLOTS(IUserProfile_01, setAvatarUrl, getAvatarUrl, getBirthdate, setBirthdate,
                         getAddressList, setAddressList, getTelephoneList, setTelephoneList,
                         getEmailList, setEmailList, setEmailVerified, isEmailVerified, getSettings,
                         setSettings, SetProfileRqst, GetProfileRqst, GetGlobalID, setEmailUpdates,
                         isEmailUpdates, isSearchable, AddStatus, GetCustomStatus, SetLastStatus,
                         GetLastStatus, setJsonUserSettings, getJsonUserSettings);
  EXPECT_CONTAINER_SLOTS(IUserProfile_02, setWalletUserKey, getWalletUserKey);
}

TEST(SlotOrder, BuddyProfileInterfaces) {
  EXPECT_CONTAINER_SLOTS(IBuddyProfile_01, SetToogleFlags, GetToogleFlags, GetRealQuilloId,
                         GetToogleStatus, getAddBuddyRequester, getGroupList, setGroupList,
                         getBirthdate, getAddressList, getTelephoneList, getEmailList,
                         GetResourceList, SetResourceList, AddResource, RemoveResource,
                         SetPresence);
  EXPECT_CONTAINER_SLOTS(
      IBuddyProfile, setScreenName, setFavoriteBuddy, setAcceptStatus, setBLII, setQuickCode,
      setLogonStatus, setAccepted, setAddBuddyRequester, setDomain, SetGroupName, getScreenName,
      getQuickCode, GetGroupName, isFavoriteBuddy, getAcceptStatus, getBlii, getDomain,
      getLogonStatus, Copy, getQuilloID, getLastName, getFirstName, getEmail, getStreetAddress,
      getCityAddress, getStateAddress, getCountryAddress, getFax, getTelephone, getProfile,
      getProvider, isMessageStoreEnabled, isSMSForwardingEnabled, isSeachable, getMood, getGender,
      getStatus, getAge, isEmailForwarding, isUnifiedAccount, getProfileImage, getStatusMessage,
      getAvatarFileKey, GetBigImage, GetSmallImage, IsAccepted, SetPSMSRate, SetPSMSCurrency,
      GetPSMSRate, GetPSMSCurrency);
}

TEST(SlotOrder, BuddyListAndTransport) {
  EXPECT_CONTAINER_SLOTS(IBuddyList, clearList, clearCopyOfList, size, sort, search, getList,
                         GetList, addBuddyRecord);
  using Buddy = IBuddyProfile;
  EXPECT_OVERLOAD_SLOTS(IBuddyList, removeBuddyRecord, 13, I32(I32), I32(String));
  EXPECT_OVERLOAD_SLOTS(IBuddyList, updateBuddyRecord, 15, I32(String, Buddy*),
                        I32(Buddy*, Buddy*));
  EXPECT_OVERLOAD_SLOTS(IBuddyList, getBuddyProfileRecord, 17, Buddy * (I32), Buddy * (String));

  EXPECT_CONTAINER_SLOTS(ITransport, SetTransportNumber1, SetTransportText1, SetTransportText2,
                         SetTransportText3, SetTransportNumber2, SetTransportNumber3,
                         SetTransportNumber4, SetTransportNumber5, GetTransportNumber1,
                         GetTransportText1, GetTransportText2, GetTransportText3,
                         GetTransportNumber2, GetTransportNumber3, GetTransportNumber4,
                         GetTransportNumber5, SetTransportNumber6, GetTransportNumber6);
}

// The profiles derive from their interfaces in the base order: the object starts with the
// first interface's vtable and each further one follows at a higher offset.
template <class T, class... Interfaces>
void ExpectBaseOrder() {
  T object;
  const char* views[] = {reinterpret_cast<const char*>(static_cast<Interfaces*>(&object))...};
  EXPECT_EQ(views[0], reinterpret_cast<const char*>(&object)) << typeid(T).name();
  for (std::size_t i = 1; i < sizeof...(Interfaces); ++i) EXPECT_LT(views[i - 1], views[i]) << i;
}

TEST(SlotOrder, ProfilesKeepTheirBaseOrder) {
  ExpectBaseOrder<CUserProfile, IUserProfile, IUserProfile_01, IUserProfile_02>();
  ExpectBaseOrder<CBuddyProfile, IBuddyProfile_01, IBuddyProfile, IUserProfile, IUserProfile_01,
                  IUserProfile_02>();
}

TEST(SlotOrder, MessagingInterfaces) {
  using Medium = tagSEND_MEDIUM;
  EXPECT_CONTAINER_SLOTS(IMessage, addRecipient, setAttachment, setChargingOption, removeAttachment,
                         setUnicode, setRecipient, setMessage, setSender);
  EXPECT_OVERLOAD_SLOTS(IMessage, setTimeStamp, 13, void(String), void(Time));
  EXPECT_SLOTS(IMessage, 15, setSendMedium);
  EXPECT_OVERLOAD_SLOTS(IMessage, SetParameters, 16, void(String, String, String, Medium, Time),
                        void(String, String, String, Medium, String));
  EXPECT_SLOTS(IMessage, 18, getSender, getMessage);
  EXPECT_OVERLOAD_SLOTS(IMessage, getRecipient, 20, qo::StringList * (Medium), String());
  EXPECT_SLOTS(IMessage, 22, getRecipientCount, isUnicode, getTimeStamp, convertStringToTime,
               getAttachmentInterface, getSendMedium, getChargingOption);
  EXPECT_OVERLOAD_SLOTS(IMessage, SetStatusTime, 29, void(Time), void(String));
  EXPECT_SLOTS(IMessage, 31, SetStatus, getStatus, getStatusTime, Copy, ClearReceipients);
  EXPECT_CONTAINER_SLOTS(IMessage_01, SetBuddyProfile, GetBuddyProfile);
  EXPECT_CONTAINER_SLOTS(IMessage_02, setWalletUserKey, getWalletUserKey);

  using Type = SYSTEM_MSG_TYPE;
  EXPECT_CONTAINER_SLOTS(ISystemMessage);
  EXPECT_OVERLOAD_SLOTS(
      ISystemMessage, SetParameters, 5, void(String, I32, Type, I32, String, String, I32, I32),
      void(String, I32, Type, I32, String, String, I32),
      void(String, I32, Type, I32, String, String), void(String, I32, Type, I32, String),
      void(String, I32, Type), void(String));
  EXPECT_SLOTS(ISystemMessage, 11, SetUserResponse, GetUserResponse, getMsgContent, getMsgID,
               getType, getEventId, getMsgType, IsFinal, IsModal);

  EXPECT_CONTAINER_SLOTS(IMessageAttachment, getAttachmentType, getAttachment, SetAttachmentType,
                         SetAttachment);
  EXPECT_CONTAINER_SLOTS(IMessageList, AddHead, clear, GetSize, GetHeadPosition, GetNext);
}

TEST(SlotOrder, ServiceInterfaces) {
  EXPECT_CONTAINER_SLOTS(IGenericDataContainer, SetContainer, SetInteger, SetString, GetContainer,
                         GetInteger, GetString, GetBoolean);
  EXPECT_CONTAINER_SLOTS(IGenericEvent, AddString, RemoveString, GetStrings, SetNumber, GetNumber,
                         SetText, GetText);
  EXPECT_CONTAINER_SLOTS(IApplicationEvent, SetApplicationEvent, GetEventId, GetEventKind,
                         GetEventData);
  EXPECT_CONTAINER_SLOTS(IQoDataCollection, GetHeadPosition, GetNext, Add, GetCount, SetUserValue,
                         GetUserValue, RemoveAll, RemoveAt);
  // IDataSource overloads GetDataInterface: the container's stays in slot 2.
  EXPECT_SLOTS(IDataSource, 5, SetDataType, SetData, GetDataType, GetData);
  EXPECT_OVERLOAD_SLOTS(IDataSource, GetDataInterface, 9, I32(IBuddyProfile**),
                        I32(IUserProfile**));
  EXPECT_OVERLOAD_SLOTS(IDataSource, GetDataInterface, 2, I32(tagCONTAINER_DATATYPE, void**));
  EXPECT_CONTAINER_SLOTS(IConnectionProperties, getServerHost, getServerPort, getConnectAttempts,
                         getServerType, getProxyHost, getProxyPort, getProxyType, getProxyUserName,
                         getProxyPassword, useProxyAuthentication, useProxyConnection, getUrl,
                         getRefresh, getTimeOut, getRetries, setServerHost, setServerPort,
                         setServerType, setConnectAttempts, setProxyHost, setProxyPort,
                         setProxyType, setProxyUserName, setProxyPassword,
                         setUseProxyAuthentication, setUseProxyConnection, setUrl, setRefresh,
                         setTimeOut, setRetries, SetAutoconfigureStatus, GetAutoconfigureStatus);
  EXPECT_CONTAINER_SLOTS(IXMPPConnProperties, GetDomain, GetResource, GetPort, GetEncryptType,
                         GetServer, GetTimeout, IsSSLWarningIgnored, IsPlainTextAllowed, SetDomain,
                         SetResource, SetPort, SetServer, SetTimeout, SetSLLWarningIgnored,
                         SetPlainTextAllowed, SetEncryptionType, Compare, IsWeb, SetWeb,
                         SetBoshServer, GetBoshServer);
  EXPECT_CONTAINER_SLOTS(
      IWebRequest, SetRequest, GetBody, GetBodyLength, GetBodyType, GetBodyFlags, GetRequestId,
      SetAddress, GetAddress, GetRequestKind, GetRequestOption, SetRequestOption, SetBody,
      SetParameter, RemoveParameter, GetParameter, AddPart, RemovePart, GetPartValue, SetPartData,
      GetPartData, GetPartNames, GetParameterNames, GetContextValue, SetContextValue, SetHeader,
      GetHeaders, GetPrimaryText, SetPrimaryText, SetSecondaryText, GetSecondaryText, SetUserData,
      GetUserData, GetValuePair, SetValuePair, GetRequestFlags, SetRequestFlags);
  EXPECT_CONTAINER_SLOTS(ICagTokens, SetTokens, AddToken, GetTokenCount, GetToken, SetTokenCount);
  EXPECT_CONTAINER_SLOTS(ICredit, getProvider, getTotalCredits, getUsedCredits, setProvider,
                         setTotalCredits, setUsedCredits, Copy);
  EXPECT_CONTAINER_SLOTS(ICreditList, putCredit, getHead, getNext, size, clear);
  EXPECT_CONTAINER_SLOTS(IAds, SetParameters, SetImagePath, GetImagePath, GetURL, GetTooltip,
                         GetSleepInterval, GetTransitionAnimation, GetAdsType, Copy);
  EXPECT_CONTAINER_SLOTS(IAdsList, AddTail, clear, GetSize, GetHeadPosition, GetNext);
}

TEST(SlotOrder, PluginUiInterfaces) {
  EXPECT_CONTAINER_SLOTS(IPluginInfo, SetAuthor, SetCopyRight, SetVersion, SetStatus,
                         SetDescription, SetPluginPath, SetPluginType, SetLoadingOption,
                         SetBrandKey, SetPluginId, GetAuthor, GetCopyRight, GetVersion,
                         GetDescription, GetPluginPath, GetBrandKey, GetStatus, GetPluginId,
                         GetPluginType, GetLoadOption);
  EXPECT_CONTAINER_SLOTS(IPluginUIElement, SetPluginUILocation, SetLabel, SetCommandId);
  EXPECT_OVERLOAD_SLOTS(IPluginUIElement, SetImage, 8, void(std::uint16_t), void(String));
  EXPECT_SLOTS(IPluginUIElement, 10, SetImageHandle, SetPluginId, SetEventGUID, SetEnabled,
               SetVisible, SetUiFilter, IsEnabled, IsVisible, GetLabel, GetImage, GetImageHandle,
               GetEventGUID, GetCommandId, GetPluginId, GetLocation, Copy, GetUiFilter);
  EXPECT_CONTAINER_SLOTS(IPluginUIElement2, SetPUiKey, GetPUiKey, SetControlType, GetControlType,
                         SetControlState, GetControlState);
  EXPECT_CONTAINER_SLOTS(IPluginUIElementAction, SetPluginUIElement, SetPluginEvent, SetData,
                         GetPluginElement, GetPluginEvent, GetData);
  EXPECT_CONTAINER_SLOTS(IPluginWindowElement, LoadResource, UnloadResource, GetResourceHandle,
                         GetDialogTemplate, GetDialogInit, GetHwnd, SetHwnd, SetDialogID,
                         GetDialogID, GetID, SetID, AddControl, GetControls, GetControl, ShowWindow,
                         GetCmdShow, SetWindowTextW, MoveWindow, Copy, SetEventHandler,
                         GetEventHandler);

  using Key = tagPLUGINCONTROL_RES_KEY;
  EXPECT_CONTAINER_SLOTS(IPluginWindowControl, SetHwnd, GetHwnd, GetID, GetLabel, GetRect, GetStyle,
                         GetBitmap, ShowWindow, SetWindowTextW, MoveWindow, LoadControlResource,
                         UnloadControlResource);
  EXPECT_OVERLOAD_SLOTS(IPluginWindowControl, AddResource, 17, I32(Key, U32), I32(Key, String));
  EXPECT_OVERLOAD_SLOTS(IPluginWindowControl, GetResource, 19, I32(Key, U32&), I32(Key, String&));

  using Command = IPluginControlCommand;
  EXPECT_CONTAINER_SLOTS(IPluginControlCommand);
  EXPECT_OVERLOAD_SLOTS(Command, AddParam, 5, void(U32, I32), void(U32, U32), void(U32, String));
  EXPECT_SLOTS(Command, 8, SetCommandType, SetDialogId, SetControlId, SetFunctionId);
  EXPECT_OVERLOAD_SLOTS(Command, GetParam, 12, I32(U32, I32&), I32(U32, U32&), I32(U32, String&));
  EXPECT_SLOTS(Command, 15, GetDialogId, GetControlId, GetFunctionId, GetCommandType);
  EXPECT_CONTAINER_SLOTS(IPluginEventData, SetEventId, SetData, GetEventId, GetData);
}

}  // namespace
