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
  EXPECT_CONTAINER_SLOTS(IGenericDataContainer, SetContainer, SetInteger, SetString, GetContainer,
                         GetInteger, GetString, GetBoolean);
  EXPECT_CONTAINER_SLOTS(IGenericEvent, AddString, RemoveString, GetStrings, SetNumber, GetNumber,
                         SetText, GetText);
  EXPECT_CONTAINER_SLOTS(IApplicationEvent, SetApplicationEvent, GetEventId, GetEventKind,
                         GetEventData);
  EXPECT_CONTAINER_SLOTS(IQoDataCollection, GetHeadPosition, GetNext, Add, GetCount, SetUserValue,
                         GetUserValue, RemoveAll, RemoveAt);
  // IDataSource overloads GetDataInterface: the container's stays in slot 2.
  using Source = IDataSource;
  EXPECT_SLOTS(IDataSource, 5, SetDataType, SetData, GetDataType, GetData);
  EXPECT_OVERLOAD_SLOT(Source, GetDataInterface, std::int32_t (Source::*)(IBuddyProfile**), 9);
  EXPECT_OVERLOAD_SLOT(Source, GetDataInterface, std::int32_t (Source::*)(IUserProfile**), 10);
  EXPECT_OVERLOAD_SLOT(Source, GetDataInterface,
                       std::int32_t (Source::*)(tagCONTAINER_DATATYPE, void**), 2);
  EXPECT_CONTAINER_SLOTS(
      IConnectionProperties, getServerHost, getServerPort, getConnectAttempts, getServerType,
      getProxyHost, getProxyPort, getProxyType, getProxyUserName, getProxyPassword,
      useProxyAuthentication, useProxyConnection, getUrl, getRefresh, getTimeOut, getRetries,
      setServerHost, setServerPort, setServerType, setConnectAttempts, setProxyHost, setProxyPort,
      setProxyType, setProxyUserName, setProxyPassword, setUseProxyAuthentication,
      setUseProxyConnection, setUrl, setRefresh, setTimeOut, setRetries, SetAutoconfigureStatus,
      GetAutoconfigureStatus);
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

}  // namespace
