// The transport suffixes: the identifier ending by which the client knows an account on one
// of the foreign networks it reaches through transports. Shared read-only by the user profile
// (which cuts them off identifiers) and the buddy profile (which puts them back).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "qodata/types.h"

namespace qo {

// "@TRANSPORT_" followed by the network's mail domain. Defined once in transport_suffix.cpp;
// like any namespace-scope object they are ready only once static initialisation has run.
extern const String kYahooTransportSuffix;   // domain code 2
extern const String kMsnTransportSuffix;     // domain code 3
extern const String kGoogleTransportSuffix;  // domain code 4
extern const String kAolTransportSuffix;     // domain code 5
extern const String kIcqTransportSuffix;     // domain code 6

inline constexpr std::size_t kTransportSuffixCount = 5;

// The five suffixes in the order normalisation tests them: Yahoo, MSN, Google, AOL, ICQ
// (entry i belongs to domain code i + 2).
extern const std::array<const String*, kTransportSuffixCount> kTransportSuffixes;

// The suffix of a buddy's domain code (2 Yahoo, 3 MSN, 4 Google, 5 AOL, 6 ICQ); null for
// every other code.
const String* TransportSuffixForDomain(std::int32_t domainCode);

}  // namespace qo
