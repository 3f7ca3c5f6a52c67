#include <utility>

#include "platform/platform_internal.h"
#include "qodata/connection.h"

CXMPPConnProperties::CXMPPConnProperties()
    : domain_(QODATA_DEFAULT_XMPP_DOMAIN),
      resource_(u"Home"),
      server_(QODATA_DEFAULT_XMPP_SERVER) {}

CXMPPConnProperties::CXMPPConnProperties(const CXMPPConnProperties& other)
    : Container(other),
      domain_(other.domain_),
      resource_(other.resource_),
      server_(other.server_),
      timeout_(other.timeout_),
      port_(other.port_),
      encryptionType_(other.encryptionType_),
      sslWarningIgnored_(other.sslWarningIgnored_),
      plainTextAllowed_(other.plainTextAllowed_),
      web_(other.web_) {}

CXMPPConnProperties& CXMPPConnProperties::operator=(const CXMPPConnProperties& other) {
  // The texts are copied first, so that a failing copy leaves the target as it was.
  qo::String domain = other.domain_;
  qo::String resource = other.resource_;
  qo::String server = other.server_;
  domain_ = std::move(domain);
  resource_ = std::move(resource);
  port_ = other.port_;
  server_ = std::move(server);
  timeout_ = other.timeout_;
  sslWarningIgnored_ = other.sslWarningIgnored_;
  plainTextAllowed_ = other.plainTextAllowed_;
  encryptionType_ = other.encryptionType_;
  web_ = other.web_;
  return *this;
}

CXMPPConnProperties& CXMPPConnProperties::operator&(const CXMPPConnProperties& other) {
  return *this = other;
}

CXMPPConnProperties::~CXMPPConnProperties() = default;

std::int32_t CXMPPConnProperties::Compare(IXMPPConnProperties* other) {
  if (other == nullptr) return 0;
  using qo::platform::EqualsNoCase;
  // In a fixed order, stopping at the first difference: the other object is read only
  // through its interface, so it may come from another module.
  const bool same = EqualsNoCase(domain_, other->GetDomain()) &&
                    EqualsNoCase(resource_, other->GetResource()) && port_ == other->GetPort() &&
                    EqualsNoCase(server_, other->GetServer()) && timeout_ == other->GetTimeout() &&
                    sslWarningIgnored_ == other->IsSSLWarningIgnored() &&
                    plainTextAllowed_ == other->IsPlainTextAllowed() && web_ == other->IsWeb() &&
                    encryptionType_ == other->GetEncryptType();
  return same ? 1 : 0;
}

qo::String CXMPPConnProperties::GetDomain() { return domain_; }
qo::String CXMPPConnProperties::GetResource() { return resource_; }
std::int32_t CXMPPConnProperties::GetPort() { return port_; }
tagXMPPCONN_ENCRYPTION_TYPE CXMPPConnProperties::GetEncryptType() { return encryptionType_; }
qo::String CXMPPConnProperties::GetServer() { return server_; }
std::uint32_t CXMPPConnProperties::GetTimeout() { return timeout_; }
std::int32_t CXMPPConnProperties::IsSSLWarningIgnored() { return sslWarningIgnored_; }
std::int32_t CXMPPConnProperties::IsPlainTextAllowed() { return plainTextAllowed_; }
std::int32_t CXMPPConnProperties::IsWeb() { return web_; }

void CXMPPConnProperties::SetDomain(qo::String domain) { domain_ = std::move(domain); }
void CXMPPConnProperties::SetResource(qo::String resource) { resource_ = std::move(resource); }
void CXMPPConnProperties::SetPort(std::int32_t port) { port_ = port; }
void CXMPPConnProperties::SetServer(qo::String server) { server_ = std::move(server); }
void CXMPPConnProperties::SetTimeout(std::uint32_t timeout) { timeout_ = timeout; }
void CXMPPConnProperties::SetSLLWarningIgnored(std::int32_t ignored) {
  sslWarningIgnored_ = ignored;
}
void CXMPPConnProperties::SetPlainTextAllowed(std::int32_t allowed) { plainTextAllowed_ = allowed; }
void CXMPPConnProperties::SetEncryptionType(tagXMPPCONN_ENCRYPTION_TYPE type) {
  encryptionType_ = type;
}
void CXMPPConnProperties::SetWeb(std::int32_t web) { web_ = web; }

// One address serves the direct and the BOSH connection, so the BOSH server has no setting
// of its own (it is copied and compared as the server).
void CXMPPConnProperties::SetBoshServer(qo::String server) { server_ = std::move(server); }
qo::String CXMPPConnProperties::GetBoshServer() { return server_; }
