#include <utility>

#include "qodata/connection.h"

CConnectionProperties::CConnectionProperties() : serverHost_(QODATA_DEFAULT_SERVER_HOST) {}

CConnectionProperties::CConnectionProperties(const CConnectionProperties& other)
    : Container(other) {
  *this = other;
}

CConnectionProperties& CConnectionProperties::operator=(const CConnectionProperties& other) {
  // The texts are copied first, so that a failing copy leaves the target as it was.
  qo::String serverHost = other.serverHost_;
  qo::String proxyHost = other.proxyHost_;
  qo::String proxyUserName = other.proxyUserName_;
  qo::String proxyPassword = other.proxyPassword_;
  qo::String url = other.url_;
  serverHost_ = std::move(serverHost);
  serverPort_ = other.serverPort_;
  serverType_ = other.serverType_;
  connectAttempts_ = other.connectAttempts_;
  proxyHost_ = std::move(proxyHost);
  proxyPort_ = other.proxyPort_;
  proxyType_ = other.proxyType_;
  proxyUserName_ = std::move(proxyUserName);
  proxyPassword_ = std::move(proxyPassword);
  useProxyAuthentication_ = other.useProxyAuthentication_;
  useProxyConnection_ = other.useProxyConnection_;
  url_ = std::move(url);
  reservedValue1_ = other.reservedValue1_;
  reservedValue2_ = other.reservedValue2_;
  retries_ = other.retries_;
  autoconfigureStatus_ = other.autoconfigureStatus_;
  return *this;
}

CConnectionProperties& CConnectionProperties::operator&(const CConnectionProperties& other) {
  return *this = other;
}

CConnectionProperties::~CConnectionProperties() = default;

qo::String CConnectionProperties::getServerHost() { return serverHost_; }
std::int32_t CConnectionProperties::getServerPort() { return serverPort_; }
std::int32_t CConnectionProperties::getConnectAttempts() { return connectAttempts_; }
tagSERVER_TYPE CConnectionProperties::getServerType() { return serverType_; }
qo::String CConnectionProperties::getProxyHost() { return proxyHost_; }
std::int32_t CConnectionProperties::getProxyPort() { return proxyPort_; }
tagPROXY_TYPE CConnectionProperties::getProxyType() { return proxyType_; }
qo::String CConnectionProperties::getProxyUserName() { return proxyUserName_; }
qo::String CConnectionProperties::getProxyPassword() { return proxyPassword_; }
bool CConnectionProperties::useProxyAuthentication() { return useProxyAuthentication_; }
bool CConnectionProperties::useProxyConnection() { return useProxyConnection_; }
qo::String CConnectionProperties::getUrl() { return url_; }
std::int32_t CConnectionProperties::getRetries() { return retries_; }

// Refresh and time-out keep no storage: the connection code uses fixed values for them, and
// storing a value that no getter could return would only mislead.
std::int32_t CConnectionProperties::getRefresh() { return 0; }
std::int32_t CConnectionProperties::getTimeOut() { return 0; }
void CConnectionProperties::setRefresh(std::int32_t) {}
void CConnectionProperties::setTimeOut(std::int32_t) {}

void CConnectionProperties::setServerHost(qo::String host) { serverHost_ = std::move(host); }
void CConnectionProperties::setServerPort(std::int32_t port) { serverPort_ = port; }
void CConnectionProperties::setServerType(tagSERVER_TYPE type) { serverType_ = type; }
void CConnectionProperties::setConnectAttempts(std::int32_t attempts) {
  connectAttempts_ = attempts;
}
void CConnectionProperties::setProxyHost(qo::String host) { proxyHost_ = std::move(host); }
void CConnectionProperties::setProxyPort(std::int32_t port) { proxyPort_ = port; }
void CConnectionProperties::setProxyType(tagPROXY_TYPE type) { proxyType_ = type; }
void CConnectionProperties::setProxyUserName(qo::String userName) {
  proxyUserName_ = std::move(userName);
}
void CConnectionProperties::setProxyPassword(qo::String password) {
  proxyPassword_ = std::move(password);
}
void CConnectionProperties::setUseProxyAuthentication(bool use) { useProxyAuthentication_ = use; }
void CConnectionProperties::setUseProxyConnection(bool use) { useProxyConnection_ = use; }
void CConnectionProperties::setUrl(qo::String url) { url_ = std::move(url); }
void CConnectionProperties::setRetries(std::int32_t retries) { retries_ = retries; }
void CConnectionProperties::SetAutoconfigureStatus(std::int32_t status) {
  autoconfigureStatus_ = status;
}
std::int32_t CConnectionProperties::GetAutoconfigureStatus() { return autoconfigureStatus_; }
