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

TEST(SlotOrder, GenericDataContainer) {
  EXPECT_SLOT(IGenericDataContainer, SetContainer, 5);
  EXPECT_SLOT(IGenericDataContainer, SetInteger, 6);
  EXPECT_SLOT(IGenericDataContainer, SetString, 7);
  EXPECT_SLOT(IGenericDataContainer, GetContainer, 8);
  EXPECT_SLOT(IGenericDataContainer, GetInteger, 9);
  EXPECT_SLOT(IGenericDataContainer, GetString, 10);
  EXPECT_SLOT(IGenericDataContainer, GetBoolean, 11);
}

TEST(SlotOrder, GenericEvent) {
  EXPECT_SLOT(IGenericEvent, AddString, 5);
  EXPECT_SLOT(IGenericEvent, RemoveString, 6);
  EXPECT_SLOT(IGenericEvent, GetStrings, 7);
  EXPECT_SLOT(IGenericEvent, SetNumber, 8);
  EXPECT_SLOT(IGenericEvent, GetNumber, 9);
  EXPECT_SLOT(IGenericEvent, SetText, 10);
  EXPECT_SLOT(IGenericEvent, GetText, 11);
}

TEST(SlotOrder, ApplicationEvent) {
  EXPECT_SLOT(IApplicationEvent, SetApplicationEvent, 5);
  EXPECT_SLOT(IApplicationEvent, GetEventId, 6);
  EXPECT_SLOT(IApplicationEvent, GetEventKind, 7);
  EXPECT_SLOT(IApplicationEvent, GetEventData, 8);
}

TEST(SlotOrder, QoDataCollection) {
  EXPECT_SLOT(IQoDataCollection, GetHeadPosition, 5);
  EXPECT_SLOT(IQoDataCollection, GetNext, 6);
  EXPECT_SLOT(IQoDataCollection, Add, 7);
  EXPECT_SLOT(IQoDataCollection, GetCount, 8);
  EXPECT_SLOT(IQoDataCollection, SetUserValue, 9);
  EXPECT_SLOT(IQoDataCollection, GetUserValue, 10);
  EXPECT_SLOT(IQoDataCollection, RemoveAll, 11);
  EXPECT_SLOT(IQoDataCollection, RemoveAt, 12);
}

TEST(SlotOrder, DataSource) {
  EXPECT_SLOT(IDataSource, SetDataType, 5);
  EXPECT_SLOT(IDataSource, SetData, 6);
  EXPECT_SLOT(IDataSource, GetDataType, 7);
  EXPECT_SLOT(IDataSource, GetData, 8);
  EXPECT_OVERLOAD_SLOT(IDataSource, GetDataInterface, std::int32_t(IDataSource::*)(IBuddyProfile**),
                       9);
  EXPECT_OVERLOAD_SLOT(IDataSource, GetDataInterface, std::int32_t(IDataSource::*)(IUserProfile**),
                       10);
  EXPECT_OVERLOAD_SLOT(IDataSource, GetDataInterface,
                       std::int32_t(IDataSource::*)(tagCONTAINER_DATATYPE, void**), 2);
}

TEST(SlotOrder, ConnectionProperties) {
  EXPECT_SLOT(IConnectionProperties, getServerHost, 5);
  EXPECT_SLOT(IConnectionProperties, getServerPort, 6);
  EXPECT_SLOT(IConnectionProperties, getConnectAttempts, 7);
  EXPECT_SLOT(IConnectionProperties, getServerType, 8);
  EXPECT_SLOT(IConnectionProperties, getProxyHost, 9);
  EXPECT_SLOT(IConnectionProperties, getProxyPort, 10);
  EXPECT_SLOT(IConnectionProperties, getProxyType, 11);
  EXPECT_SLOT(IConnectionProperties, getProxyUserName, 12);
  EXPECT_SLOT(IConnectionProperties, getProxyPassword, 13);
  EXPECT_SLOT(IConnectionProperties, useProxyAuthentication, 14);
  EXPECT_SLOT(IConnectionProperties, useProxyConnection, 15);
  EXPECT_SLOT(IConnectionProperties, getUrl, 16);
  EXPECT_SLOT(IConnectionProperties, getRefresh, 17);
  EXPECT_SLOT(IConnectionProperties, getTimeOut, 18);
  EXPECT_SLOT(IConnectionProperties, getRetries, 19);
  EXPECT_SLOT(IConnectionProperties, setServerHost, 20);
  EXPECT_SLOT(IConnectionProperties, setServerPort, 21);
  EXPECT_SLOT(IConnectionProperties, setServerType, 22);
  EXPECT_SLOT(IConnectionProperties, setConnectAttempts, 23);
  EXPECT_SLOT(IConnectionProperties, setProxyHost, 24);
  EXPECT_SLOT(IConnectionProperties, setProxyPort, 25);
  EXPECT_SLOT(IConnectionProperties, setProxyType, 26);
  EXPECT_SLOT(IConnectionProperties, setProxyUserName, 27);
  EXPECT_SLOT(IConnectionProperties, setProxyPassword, 28);
  EXPECT_SLOT(IConnectionProperties, setUseProxyAuthentication, 29);
  EXPECT_SLOT(IConnectionProperties, setUseProxyConnection, 30);
  EXPECT_SLOT(IConnectionProperties, setUrl, 31);
  EXPECT_SLOT(IConnectionProperties, setRefresh, 32);
  EXPECT_SLOT(IConnectionProperties, setTimeOut, 33);
  EXPECT_SLOT(IConnectionProperties, setRetries, 34);
  EXPECT_SLOT(IConnectionProperties, SetAutoconfigureStatus, 35);
  EXPECT_SLOT(IConnectionProperties, GetAutoconfigureStatus, 36);
}

TEST(SlotOrder, XMPPConnProperties) {
  EXPECT_SLOT(IXMPPConnProperties, GetDomain, 5);
  EXPECT_SLOT(IXMPPConnProperties, GetResource, 6);
  EXPECT_SLOT(IXMPPConnProperties, GetPort, 7);
  EXPECT_SLOT(IXMPPConnProperties, GetEncryptType, 8);
  EXPECT_SLOT(IXMPPConnProperties, GetServer, 9);
  EXPECT_SLOT(IXMPPConnProperties, GetTimeout, 10);
  EXPECT_SLOT(IXMPPConnProperties, IsSSLWarningIgnored, 11);
  EXPECT_SLOT(IXMPPConnProperties, IsPlainTextAllowed, 12);
  EXPECT_SLOT(IXMPPConnProperties, SetDomain, 13);
  EXPECT_SLOT(IXMPPConnProperties, SetResource, 14);
  EXPECT_SLOT(IXMPPConnProperties, SetPort, 15);
  EXPECT_SLOT(IXMPPConnProperties, SetServer, 16);
  EXPECT_SLOT(IXMPPConnProperties, SetTimeout, 17);
  EXPECT_SLOT(IXMPPConnProperties, SetSLLWarningIgnored, 18);
  EXPECT_SLOT(IXMPPConnProperties, SetPlainTextAllowed, 19);
  EXPECT_SLOT(IXMPPConnProperties, SetEncryptionType, 20);
  EXPECT_SLOT(IXMPPConnProperties, Compare, 21);
  EXPECT_SLOT(IXMPPConnProperties, IsWeb, 22);
  EXPECT_SLOT(IXMPPConnProperties, SetWeb, 23);
  EXPECT_SLOT(IXMPPConnProperties, SetBoshServer, 24);
  EXPECT_SLOT(IXMPPConnProperties, GetBoshServer, 25);
}

TEST(SlotOrder, WebRequest) {
  EXPECT_SLOT(IWebRequest, SetRequest, 5);
  EXPECT_SLOT(IWebRequest, GetBody, 6);
  EXPECT_SLOT(IWebRequest, GetBodyLength, 7);
  EXPECT_SLOT(IWebRequest, GetBodyType, 8);
  EXPECT_SLOT(IWebRequest, GetBodyFlags, 9);
  EXPECT_SLOT(IWebRequest, GetRequestId, 10);
  EXPECT_SLOT(IWebRequest, SetAddress, 11);
  EXPECT_SLOT(IWebRequest, GetAddress, 12);
  EXPECT_SLOT(IWebRequest, GetRequestKind, 13);
  EXPECT_SLOT(IWebRequest, GetRequestOption, 14);
  EXPECT_SLOT(IWebRequest, SetRequestOption, 15);
  EXPECT_SLOT(IWebRequest, SetBody, 16);
  EXPECT_SLOT(IWebRequest, SetParameter, 17);
  EXPECT_SLOT(IWebRequest, RemoveParameter, 18);
  EXPECT_SLOT(IWebRequest, GetParameter, 19);
  EXPECT_SLOT(IWebRequest, AddPart, 20);
  EXPECT_SLOT(IWebRequest, RemovePart, 21);
  EXPECT_SLOT(IWebRequest, GetPartValue, 22);
  EXPECT_SLOT(IWebRequest, SetPartData, 23);
  EXPECT_SLOT(IWebRequest, GetPartData, 24);
  EXPECT_SLOT(IWebRequest, GetPartNames, 25);
  EXPECT_SLOT(IWebRequest, GetParameterNames, 26);
  EXPECT_SLOT(IWebRequest, GetContextValue, 27);
  EXPECT_SLOT(IWebRequest, SetContextValue, 28);
  EXPECT_SLOT(IWebRequest, SetHeader, 29);
  EXPECT_SLOT(IWebRequest, GetHeaders, 30);
  EXPECT_SLOT(IWebRequest, GetPrimaryText, 31);
  EXPECT_SLOT(IWebRequest, SetPrimaryText, 32);
  EXPECT_SLOT(IWebRequest, SetSecondaryText, 33);
  EXPECT_SLOT(IWebRequest, GetSecondaryText, 34);
  EXPECT_SLOT(IWebRequest, SetUserData, 35);
  EXPECT_SLOT(IWebRequest, GetUserData, 36);
  EXPECT_SLOT(IWebRequest, GetValuePair, 37);
  EXPECT_SLOT(IWebRequest, SetValuePair, 38);
  EXPECT_SLOT(IWebRequest, GetRequestFlags, 39);
  EXPECT_SLOT(IWebRequest, SetRequestFlags, 40);
}

TEST(SlotOrder, CagTokens) {
  EXPECT_SLOT(ICagTokens, SetTokens, 5);
  EXPECT_SLOT(ICagTokens, AddToken, 6);
  EXPECT_SLOT(ICagTokens, GetTokenCount, 7);
  EXPECT_SLOT(ICagTokens, GetToken, 8);
  EXPECT_SLOT(ICagTokens, SetTokenCount, 9);
}

TEST(SlotOrder, Credit) {
  EXPECT_SLOT(ICredit, getProvider, 5);
  EXPECT_SLOT(ICredit, getTotalCredits, 6);
  EXPECT_SLOT(ICredit, getUsedCredits, 7);
  EXPECT_SLOT(ICredit, setProvider, 8);
  EXPECT_SLOT(ICredit, setTotalCredits, 9);
  EXPECT_SLOT(ICredit, setUsedCredits, 10);
  EXPECT_SLOT(ICredit, Copy, 11);
}

TEST(SlotOrder, CreditList) {
  EXPECT_SLOT(ICreditList, putCredit, 5);
  EXPECT_SLOT(ICreditList, getHead, 6);
  EXPECT_SLOT(ICreditList, getNext, 7);
  EXPECT_SLOT(ICreditList, size, 8);
  EXPECT_SLOT(ICreditList, clear, 9);
}

TEST(SlotOrder, Ads) {
  EXPECT_SLOT(IAds, SetParameters, 5);
  EXPECT_SLOT(IAds, SetImagePath, 6);
  EXPECT_SLOT(IAds, GetImagePath, 7);
  EXPECT_SLOT(IAds, GetURL, 8);
  EXPECT_SLOT(IAds, GetTooltip, 9);
  EXPECT_SLOT(IAds, GetSleepInterval, 10);
  EXPECT_SLOT(IAds, GetTransitionAnimation, 11);
  EXPECT_SLOT(IAds, GetAdsType, 12);
  EXPECT_SLOT(IAds, Copy, 13);
}

TEST(SlotOrder, AdsList) {
  EXPECT_SLOT(IAdsList, AddTail, 5);
  EXPECT_SLOT(IAdsList, clear, 6);
  EXPECT_SLOT(IAdsList, GetSize, 7);
  EXPECT_SLOT(IAdsList, GetHeadPosition, 8);
  EXPECT_SLOT(IAdsList, GetNext, 9);
}

}  // namespace
