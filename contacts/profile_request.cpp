// The two pieces of the user profile that do more than store a value: identifier
// normalisation (setQuilloID) and the key/value profile request (SetProfileRqst).
#include <climits>
#include <cstddef>
#include <cstdint>
#include <ctime>
#include <utility>

#include "contacts/buddy_index.h"
#include "contacts/transport_suffix.h"
#include "platform/contract.h"
#include "qodata/user_profile.h"

namespace {

using qo::String;
using qo::platform::EqualsNoCase;

// The settings bits that request keys drive; every other bit is left as it was.
constexpr std::uint32_t kArchiveBit = 0x01;
constexpr std::uint32_t kEmailForwardBit = 0x04;
constexpr std::uint32_t kIdleBit = 0x08;
constexpr std::uint32_t kMobileForwardBit = 0x10;
constexpr std::uint32_t kPopupBit = 0x20;
constexpr std::uint32_t kSoundBit = 0x40;

bool IsSpace(char16_t unit) { return unit == u' ' || (unit >= u'\t' && unit <= u'\r'); }

// A text read as a decimal integer, as strtol reads it: optional leading white space, an
// optional sign, then the longest run of decimal digits; 0 when it does not start that way.
// Our decision: a value beyond the 32-bit range saturates at its end, as strtol saturates.
std::int32_t ReadDecimal(const String& text) {
  std::size_t i = 0;
  while (i < text.size() && IsSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
  std::int64_t magnitude = 0;
  const std::int64_t limit = negative ? -static_cast<std::int64_t>(INT32_MIN) : INT32_MAX;
  for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
    magnitude = magnitude * 10 + (text[i] - u'0');
    if (magnitude > limit) magnitude = limit;
  }
  return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

// A settings bit is set by exactly "1"; the three flags also take "true" in any letter case.
bool IsOne(const String& value) { return value == u"1"; }
bool IsOneOrTrue(const String& value) { return value == u"1" || EqualsNoCase(value, u"true"); }

void DriveBit(std::uint32_t& settings, std::uint32_t bit, bool set) {
  settings = set ? (settings | bit) : (settings & ~bit);
}

// A "birthday" value (year-month-day) as local midnight of that day. Throws
// qo::StatusError(E_FAIL) for a field out of range and qo::StatusError(E_INVALIDARG) when the
// date has no calendar time.
qo::Time ParseBirthday(const String& value) {
  // The first three non-empty tokens between "-" separators; a missing one reads as 0.
  std::int32_t fields[3] = {0, 0, 0};
  std::size_t count = 0;
  std::size_t start = 0;
  while (count < 3 && start <= value.size()) {
    std::size_t end = value.find(u'-', start);
    if (end == String::npos) end = value.size();
    if (end > start) fields[count++] = ReadDecimal(value.substr(start, end - start));
    start = end + 1;
  }
  const std::int32_t year = fields[0];
  const std::int32_t month = fields[1];
  const std::int32_t day = fields[2];
  if (year < 1900 || month < 1 || month > 12 || day < 1 || day > 31) {
    throw qo::StatusError(E_FAIL);
  }

  // A day beyond the end of its month rolls over into the next one (31 February is 3 March,
  // or 2 March in a leap year).
  std::tm parts{};
  parts.tm_year = year - 1900;
  parts.tm_mon = month - 1;
  parts.tm_mday = day;
  qo::Time result = 0;
  if (!qo::platform::LocalTimeToCalendar(parts, result)) throw qo::StatusError(E_INVALIDARG);
  return result;
}

// Applies one entry of a request; unknown keys change nothing. Keys and values are compared
// ignoring letter case. The "idle" value is rewritten to the flag it sets.
void ApplyEntry(CUserProfile::Fields& fields, const String& key, String& value) {
  if (EqualsNoCase(key, u"first_name")) {
    fields.shared.firstName = value;
  } else if (EqualsNoCase(key, u"last_name")) {
    fields.shared.lastName = value;
  } else if (EqualsNoCase(key, u"email")) {
    fields.shared.email = value;
  } else if (EqualsNoCase(key, u"theme")) {
    fields.theme = value;
  } else if (EqualsNoCase(key, u"birthday")) {
    if (!value.empty()) fields.birthdate = ParseBirthday(value);
  } else if (EqualsNoCase(key, u"email_updates")) {
    fields.emailUpdates = IsOneOrTrue(value);
  } else if (EqualsNoCase(key, u"is_listed")) {
    fields.shared.searchable = IsOneOrTrue(value);
  } else if (EqualsNoCase(key, u"is_archive_on")) {
    DriveBit(fields.settings, kArchiveBit, IsOne(value));
  } else if (EqualsNoCase(key, u"email_fwd")) {
    DriveBit(fields.settings, kEmailForwardBit, IsOne(value));
  } else if (EqualsNoCase(key, u"idle")) {
    // The kept value becomes the flag itself: "1" when idle, "0" when not.
    if (value == u"0") {
      DriveBit(fields.settings, kIdleBit, false);
    } else {
      DriveBit(fields.settings, kIdleBit, true);
      fields.idleTime = ReadDecimal(value);
      value.assign(1, u'1');  // (assign, not = u"1": GCC 12 warns falsely about the latter)
    }
  } else if (EqualsNoCase(key, u"mobile_fwd")) {
    DriveBit(fields.settings, kMobileForwardBit, IsOne(value));
  } else if (EqualsNoCase(key, u"sound")) {
    DriveBit(fields.settings, kSoundBit, IsOne(value));
  } else if (EqualsNoCase(key, u"popup")) {
    DriveBit(fields.settings, kPopupBit, IsOne(value));
  } else if (EqualsNoCase(key, u"is_verified")) {
    fields.emailVerified = EqualsNoCase(value, u"true") ? 1 : 0;
  } else if (EqualsNoCase(key, u"GLOBAL_ID")) {
    fields.globalId = value;
  }
}

}  // namespace

String CUserProfile::TransformQuilloId(String quilloId) {
  String lower = qo::platform::ToLower(quilloId);
  // The suffixes in their fixed order, not in the order they appear in the identifier.
  for (const String* suffix : qo::kTransportSuffixes) {
    const std::size_t at = lower.find(qo::platform::ToLower(*suffix));
    if (at != String::npos) {
      lower.resize(at);
      return lower;
    }
  }
  return lower;
}

void CUserProfile::setQuilloID(String quilloId) {
  String normal = TransformQuilloId(std::move(quilloId));
  // Identifiers starting with "00" or "01" are not unified accounts; all others are.
  const String prefix = normal.substr(0, 2);
  const bool unified = prefix != u"00" && prefix != u"01";
  fields_.shared.quilloId = std::move(normal);
  fields_.shared.unifiedAccount = unified;
}

void CUserProfile::SetProfileRqst(qo::StringMap& request, std::int32_t apply) {
  if (request.empty()) return;
  qo::StringMap kept(request);
  if (apply == 0) {
    fields_.profileRequest.swap(kept);
    return;
  }

  // Unknown keys stay in the request and do nothing else. The entries are applied to a copy
  // of the record, moved in at the end, so running out of memory leaves the profile as it
  // was; a malformed birthday throws with the entries visited so far applied and the rest not.
  Fields applied = fields_;
  applied.profileRequest.swap(kept);
  auto commit = [&]() noexcept {
    fields_ = std::move(applied);
    IndexedFieldChanged();  // a buddy list indexing this profile re-files it
  };
  try {
    for (auto& [key, value] : applied.profileRequest) ApplyEntry(applied, key, value);
  } catch (const qo::StatusError&) {
    commit();
    throw;
  }
  commit();
}

void CUserProfile::GetProfileRqst(qo::StringMap& out) {
  for (const auto& [key, value] : fields_.profileRequest) out.insert_or_assign(key, value);
}
