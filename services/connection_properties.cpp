#include <utility>

#include "qodata/connection.h"

bool CConnectionProperties::Fields::operator==(const Fields&) const = default;

CConnectionProperties::CConnectionProperties() { fields_.serverHost = QODATA_DEFAULT_SERVER_HOST; }

CConnectionProperties::CConnectionProperties(const CConnectionProperties& other) = default;

CConnectionProperties& CConnectionProperties::operator=(const CConnectionProperties& other) {
  fields_ = Fields(other.fields_);  // copied aside first: a failed copy changes nothing
  return *this;
}

CConnectionProperties& CConnectionProperties::operator&(const CConnectionProperties& other) {
  return *this = other;
}

CConnectionProperties::~CConnectionProperties() = default;

qo::String CConnectionProperties::getServerHost() { return fields_.serverHost; }
std::int32_t CConnectionProperties::getServerPort() { return fields_.serverPort; }
std::int32_t CConnectionProperties::getConnectAttempts() { return fields_.connectAttempts; }
tagSERVER_TYPE CConnectionProperties::getServerType() { return fields_.serverType; }
qo::String CConnectionProperties::getProxyHost() { return fields_.proxyHost; }
std::int32_t CConnectionProperties::getProxyPort() { return fields_.proxyPort; }
tagPROXY_TYPE CConnectionProperties::getProxyType() { return fields_.proxyType; }
qo::String CConnectionProperties::getProxyUserName() { return fields_.proxyUserName; }
qo::String CConnectionProperties::getProxyPassword() { return fields_.proxyPassword; }
bool CConnectionProperties::useProxyAuthentication() { return fields_.useProxyAuthentication; }
bool CConnectionProperties::useProxyConnection() { return fields_.useProxyConnection; }
qo::String CConnectionProperties::getUrl() { return fields_.url; }
std::int32_t CConnectionProperties::getRetries() { return fields_.retries; }

// Refresh and time-out keep no storage: the connection code uses fixed values for them, and
// storing a value that no getter could return would only mislead.
std::int32_t CConnectionProperties::getRefresh() { return 0; }
std::int32_t CConnectionProperties::getTimeOut() { return 0; }
void CConnectionProperties::setRefresh(std::int32_t) {}
void CConnectionProperties::setTimeOut(std::int32_t) {}

void CConnectionProperties::setServerHost(qo::String host) { fields_.serverHost = std::move(host); }
void CConnectionProperties::setServerPort(std::int32_t port) { fields_.serverPort = port; }
void CConnectionProperties::setServerType(tagSERVER_TYPE type) { fields_.serverType = type; }
void CConnectionProperties::setConnectAttempts(std::int32_t attempts) {
  fields_.connectAttempts = attempts;
}
void CConnectionProperties::setProxyHost(qo::String host) { fields_.proxyHost = std::move(host); }
void CConnectionProperties::setProxyPort(std::int32_t port) { fields_.proxyPort = port; }
void CConnectionProperties::setProxyType(tagPROXY_TYPE type) { fields_.proxyType = type; }
void CConnectionProperties::setProxyUserName(qo::String userName) {
  fields_.proxyUserName = std::move(userName);
}
void CConnectionProperties::setProxyPassword(qo::String password) {
  fields_.proxyPassword = std::move(password);
}
void CConnectionProperties::setUseProxyAuthentication(bool use) {
  fields_.useProxyAuthentication = use;
}
void CConnectionProperties::setUseProxyConnection(bool use) { fields_.useProxyConnection = use; }
void CConnectionProperties::setUrl(qo::String url) { fields_.url = std::move(url); }
void CConnectionProperties::setRetries(std::int32_t retries) { fields_.retries = retries; }
void CConnectionProperties::SetAutoconfigureStatus(std::int32_t status) {
  fields_.autoconfigureStatus = status;
}
std::int32_t CConnectionProperties::GetAutoconfigureStatus() { return fields_.autoconfigureStatus; }
