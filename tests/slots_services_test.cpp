// Binary compatibility of the interfaces of generic data, collections, sources, settings,
// web requests, tokens, credits and ads: every operation stays in its slot.
#include <gtest/gtest.h>

#include "qodata/cag_tokens.h"
#include "qodata/connection.h"
#include "qodata/credits_ads.h"
#include "qodata/data_collection.h"
#include "qodata/data_source.h"
#include "qodata/generic.h"
#include "qodata/web_request.h"
#include "slot_index.h"

namespace {

TEST(SlotOrder, ServiceInterfaces) {
  EXPECT_SLOTS(IGenericDataContainer, 5, SetContainer, SetInteger, SetString, GetContainer,
               GetInteger, GetString, GetBoolean);
  EXPECT_SLOTS(IGenericEvent, 5, AddString, RemoveString, GetStrings, SetNumber, GetNumber, SetText,
               GetText);
  EXPECT_SLOTS(IApplicationEvent, 5, SetApplicationEvent, GetEventId, GetEventKind, GetEventData);
  EXPECT_SLOTS(IQoDataCollection, 5, GetHeadPosition, GetNext, Add, GetCount, SetUserValue,
               GetUserValue, RemoveAll, RemoveAt);
  EXPECT_SLOTS(IDataSource, 5, SetDataType, SetData, GetDataType, GetData);
  EXPECT_OVERLOAD_SLOT(IDataSource, GetDataInterface, std::int32_t(IDataSource::*)(IBuddyProfile**),
                       9);
  EXPECT_OVERLOAD_SLOT(IDataSource, GetDataInterface, std::int32_t(IDataSource::*)(IUserProfile**),
                       10);
  EXPECT_OVERLOAD_SLOT(IDataSource, GetDataInterface,
                       std::int32_t(IDataSource::*)(tagCONTAINER_DATATYPE, void**), 2);
  EXPECT_SLOTS(IConnectionProperties, 5, getServerHost, getServerPort, getConnectAttempts,
               getServerType, getProxyHost, getProxyPort, getProxyType, getProxyUserName,
               getProxyPassword, useProxyAuthentication, useProxyConnection, getUrl, getRefresh,
               getTimeOut, getRetries, setServerHost, setServerPort, setServerType,
               setConnectAttempts, setProxyHost, setProxyPort, setProxyType, setProxyUserName,
               setProxyPassword, setUseProxyAuthentication, setUseProxyConnection, setUrl,
               setRefresh, setTimeOut, setRetries, SetAutoconfigureStatus, GetAutoconfigureStatus);
  EXPECT_SLOTS(IXMPPConnProperties, 5, GetDomain, GetResource, GetPort, GetEncryptType, GetServer,
               GetTimeout, IsSSLWarningIgnored, IsPlainTextAllowed, SetDomain, SetResource, SetPort,
               SetServer, SetTimeout, SetSLLWarningIgnored, SetPlainTextAllowed, SetEncryptionType,
               Compare, IsWeb, SetWeb, SetBoshServer, GetBoshServer);
  EXPECT_SLOTS(IWebRequest, 5, SetRequest, GetBody, GetBodyLength, GetBodyType, GetBodyFlags,
               GetRequestId, SetAddress, GetAddress, GetRequestKind, GetRequestOption,
               SetRequestOption, SetBody, SetParameter, RemoveParameter, GetParameter, AddPart,
               RemovePart, GetPartValue, SetPartData, GetPartData, GetPartNames, GetParameterNames,
               GetContextValue, SetContextValue, SetHeader, GetHeaders, GetPrimaryText,
               SetPrimaryText, SetSecondaryText, GetSecondaryText, SetUserData, GetUserData,
               GetValuePair, SetValuePair, GetRequestFlags, SetRequestFlags);
  EXPECT_SLOTS(ICagTokens, 5, SetTokens, AddToken, GetTokenCount, GetToken, SetTokenCount);
  EXPECT_SLOTS(ICredit, 5, getProvider, getTotalCredits, getUsedCredits, setProvider,
               setTotalCredits, setUsedCredits, Copy);
  EXPECT_SLOTS(ICreditList, 5, putCredit, getHead, getNext, size, clear);
  EXPECT_SLOTS(IAds, 5, SetParameters, SetImagePath, GetImagePath, GetURL, GetTooltip,
               GetSleepInterval, GetTransitionAnimation, GetAdsType, Copy);
  EXPECT_SLOTS(IAdsList, 5, AddTail, clear, GetSize, GetHeadPosition, GetNext);
}

}  // namespace
