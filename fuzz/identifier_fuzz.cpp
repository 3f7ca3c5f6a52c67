// Identifier normalisation: the stored identifier is a prefix of the lower-cased input,
// cut exactly where a transport suffix begins when it was cut, and the unified-account flag
// follows its first two characters. A buddy on a transport network hands it out with its
// network's suffix after the part before the first "@".
#include <iterator>

#include "contacts/transport_suffix.h"
#include "fuzz_input.h"
#include "platform/contract.h"
#include "qodata/buddy_profile.h"

namespace {

// Mostly texts built from pieces of suffixes, letters and "@", so that cuts happen often.
qo::String Identifier(qo::fuzz::Input& input) {
  static constexpr const char16_t* kPieces[] = {
      u"@TRANSPORT_", u"yahoo.com", u"hotmail.com", u"gmail.com",
      u"aol.com",     u"icq.com",   u"@",           u"A",
      u"b",           u"0",         u"1",           u"@transport_YAHOO.COM",
      u"\u00C9",      u"\u0130"};
  qo::String text;
  const std::size_t pieces = input.Pick(8);
  for (std::size_t i = 0; i < pieces; ++i) {
    const std::uint8_t choice = input.Byte();
    text += choice >= 0xE0 ? input.Text(6) : qo::String(kPieces[choice % std::size(kPieces)]);
  }
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  qo::fuzz::Input input(data, size);
  const qo::String raw = Identifier(input);
  const std::int32_t domain = static_cast<std::int8_t>(input.Byte());

  CBuddyProfile buddy;
  buddy.setQuilloID(raw);
  buddy.setDomain(domain);
  const qo::String stored = buddy.CUserProfile::getQuilloID();
  const qo::String lower = qo::platform::ToLower(raw);
  if (lower.compare(0, stored.size(), stored) != 0) qo::fuzz::Fail("not a prefix of the input");
  if (stored.size() < lower.size()) {
    bool atSuffix = false;
    for (const qo::String* suffix : qo::kTransportSuffixes)
      atSuffix |= lower.compare(stored.size(), suffix->size(), qo::platform::ToLower(*suffix)) == 0;
    if (!atSuffix) qo::fuzz::Fail("cut where no suffix begins");
  }
  const qo::String prefix = stored.substr(0, 2);
  const bool unified = prefix != u"00" && prefix != u"01";
  if (buddy.CUserProfile::isUnifiedAccount() != unified) qo::fuzz::Fail("unified flag");

  const qo::String handedOut = buddy.getQuilloID();
  if (const qo::String* suffix = qo::TransportSuffixForDomain(domain)) {
    if (handedOut != stored.substr(0, stored.find(u'@')) + *suffix) qo::fuzz::Fail("suffix");
    if (buddy.getBlii() != -1) qo::fuzz::Fail("transport buddy with a BLII number");
  } else if (handedOut != stored) {
    qo::fuzz::Fail("identifier changed outside transports");
  }
  return 0;
}
