// A profile request of random keys and values, the known keys among them in any letter case.
// Whatever it holds: nothing crashes or leaks, only a malformed birthday throws (with E_FAIL
// or E_INVALIDARG), the profile keeps exactly the request's keys, and applying a request
// whose only name key is "first_name" sets the first name.
#include <array>

#include "fuzz_input.h"
#include "qodata/user_profile.h"

namespace {

constexpr std::array<const char16_t*, 17> kKnownKeys = {
    u"first_name",    u"last_name", u"email",         u"theme",       u"birthday",
    u"email_updates", u"is_listed", u"is_archive_on", u"email_fwd",   u"idle",
    u"mobile_fwd",    u"sound",     u"popup",         u"is_verified", u"GLOBAL_ID",
    u"unknown",       u""};

// A known key with its letters' case flipped where the input says so, or a random key.
qo::String Key(qo::fuzz::Input& input) {
  const std::uint8_t choice = input.Byte();
  if (choice >= 0xC0) return input.Text(12);
  qo::String key = kKnownKeys[choice % kKnownKeys.size()];
  const std::uint32_t flips = input.Number();
  for (std::size_t i = 0; i < key.size() && i < 32; ++i) {
    const char16_t lower = key[i] | 0x20;
    if (((flips >> i) & 1u) != 0 && lower >= u'a' && lower <= u'z') key[i] ^= 0x20;
  }
  return key;
}

// Mostly short digit-and-dash texts, so that birthdays and numbers are well exercised.
qo::String Value(qo::fuzz::Input& input) {
  if (input.Byte() < 0x40) return input.Text(24);
  static constexpr char16_t kAlphabet[] = u"0123456789--1 +tTrRuUeE";
  qo::String value;
  const std::size_t length = input.Pick(14);
  for (std::size_t i = 0; i < length; ++i)
    value.push_back(kAlphabet[input.Pick(sizeof kAlphabet / 2 - 1)]);
  return value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  qo::fuzz::Input input(data, size);
  qo::StringMap request;
  const std::size_t entries = input.Pick(12);
  for (std::size_t i = 0; i < entries; ++i) request.insert_or_assign(Key(input), Value(input));
  const std::int32_t apply = input.Byte() & 1;

  CUserProfile profile;
  profile.setName(u"before", u"before");
  try {
    profile.SetProfileRqst(request, apply);
  } catch (const qo::StatusError& error) {
    if (error.code() != E_FAIL && error.code() != E_INVALIDARG) qo::fuzz::Fail("unexpected code");
    bool hasBirthday = false;
    for (const auto& [key, value] : request) hasBirthday |= key.size() == 8 && !value.empty();
    if (!apply || !hasBirthday) qo::fuzz::Fail("threw without a birthday to read");
  }

  qo::StringMap kept;
  profile.GetProfileRqst(kept);
  if (kept.size() != request.size()) qo::fuzz::Fail("kept request has other keys");
  for (const auto& entry : request)
    if (kept.count(entry.first) == 0) qo::fuzz::Fail("a key of the request was not kept");
  if (apply && request.size() == 1 && request.count(u"first_name") == 1 &&
      profile.getFirstName() != request.at(u"first_name"))
    qo::fuzz::Fail("first_name not applied");
  return 0;
}
