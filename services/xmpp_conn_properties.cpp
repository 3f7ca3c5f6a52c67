#include <utility>

#include "platform/contract.h"
#include "qodata/connection.h"

bool CXMPPConnProperties::Fields::operator==(const Fields&) const = default;

CXMPPConnProperties::CXMPPConnProperties() {
  fields_.domain = QODATA_DEFAULT_XMPP_DOMAIN;
  fields_.resource = u"Home";
  fields_.server = QODATA_DEFAULT_XMPP_SERVER;
}

CXMPPConnProperties::CXMPPConnProperties(const CXMPPConnProperties& other) = default;

CXMPPConnProperties& CXMPPConnProperties::operator=(const CXMPPConnProperties& other) {
  fields_ = Fields(other.fields_);  // copied aside first: a failed copy changes nothing
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
  const bool same =
      EqualsNoCase(fields_.domain, other->GetDomain()) &&
      EqualsNoCase(fields_.resource, other->GetResource()) && fields_.port == other->GetPort() &&
      EqualsNoCase(fields_.server, other->GetServer()) && fields_.timeout == other->GetTimeout() &&
      fields_.sslWarningIgnored == other->IsSSLWarningIgnored() &&
      fields_.plainTextAllowed == other->IsPlainTextAllowed() && fields_.web == other->IsWeb() &&
      fields_.encryptionType == other->GetEncryptType();
  return same ? 1 : 0;
}

qo::String CXMPPConnProperties::GetDomain() { return fields_.domain; }
qo::String CXMPPConnProperties::GetResource() { return fields_.resource; }
std::int32_t CXMPPConnProperties::GetPort() { return fields_.port; }
tagXMPPCONN_ENCRYPTION_TYPE CXMPPConnProperties::GetEncryptType() { return fields_.encryptionType; }
qo::String CXMPPConnProperties::GetServer() { return fields_.server; }
std::uint32_t CXMPPConnProperties::GetTimeout() { return fields_.timeout; }
std::int32_t CXMPPConnProperties::IsSSLWarningIgnored() { return fields_.sslWarningIgnored; }
std::int32_t CXMPPConnProperties::IsPlainTextAllowed() { return fields_.plainTextAllowed; }
std::int32_t CXMPPConnProperties::IsWeb() { return fields_.web; }

void CXMPPConnProperties::SetDomain(qo::String domain) { fields_.domain = std::move(domain); }
void CXMPPConnProperties::SetResource(qo::String resource) {
  fields_.resource = std::move(resource);
}
void CXMPPConnProperties::SetPort(std::int32_t port) { fields_.port = port; }
void CXMPPConnProperties::SetServer(qo::String server) { fields_.server = std::move(server); }
void CXMPPConnProperties::SetTimeout(std::uint32_t timeout) { fields_.timeout = timeout; }
void CXMPPConnProperties::SetSLLWarningIgnored(std::int32_t ignored) {
  fields_.sslWarningIgnored = ignored;
}
void CXMPPConnProperties::SetPlainTextAllowed(std::int32_t allowed) {
  fields_.plainTextAllowed = allowed;
}
void CXMPPConnProperties::SetEncryptionType(tagXMPPCONN_ENCRYPTION_TYPE type) {
  fields_.encryptionType = type;
}
void CXMPPConnProperties::SetWeb(std::int32_t web) { fields_.web = web; }

// One address serves the direct and the BOSH connection, so the BOSH server has no setting
// of its own (it is copied and compared as the server).
void CXMPPConnProperties::SetBoshServer(qo::String server) { fields_.server = std::move(server); }
qo::String CXMPPConnProperties::GetBoshServer() { return fields_.server; }
