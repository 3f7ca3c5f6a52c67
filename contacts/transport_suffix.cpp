#include "contacts/transport_suffix.h"

namespace qo {

// The mail domain of each network, after the common "@TRANSPORT_" prefix.
const String kYahooTransportSuffix = u"@TRANSPORT_yahoo.com";
const String kMsnTransportSuffix = u"@TRANSPORT_hotmail.com";
const String kGoogleTransportSuffix = u"@TRANSPORT_gmail.com";
const String kAolTransportSuffix = u"@TRANSPORT_aol.com";
const String kIcqTransportSuffix = u"@TRANSPORT_icq.com";

// Addresses only: constant-initialised, usable even before the texts above are built.
const std::array<const String*, kTransportSuffixCount> kTransportSuffixes = {
    &kYahooTransportSuffix, &kMsnTransportSuffix, &kGoogleTransportSuffix, &kAolTransportSuffix,
    &kIcqTransportSuffix};

const String* TransportSuffixForDomain(std::int32_t domainCode) {
  if (domainCode < 2 || domainCode > 6) return nullptr;
  return kTransportSuffixes[static_cast<std::size_t>(domainCode - 2)];
}

}  // namespace qo
