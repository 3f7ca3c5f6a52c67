#include <cstdint>
#include <cwctype>

#include "platform/contract.h"

namespace qo::platform {
namespace {

char16_t LowerUnit(char16_t unit) {
  // wint_t is 32 bits wide on Linux and 16 on Windows; compare in a type wide on both.
  const auto lower = static_cast<std::uint32_t>(std::towlower(static_cast<std::wint_t>(unit)));
  return lower <= 0xFFFFu ? static_cast<char16_t>(lower) : unit;
}

}  // namespace

String ToLower(const String& text) {
  String lower(text);
  for (char16_t& unit : lower) unit = LowerUnit(unit);
  return lower;
}

int CompareNoCase(const String& a, const String& b) {
  const std::size_t common = a.size() < b.size() ? a.size() : b.size();
  for (std::size_t i = 0; i < common; ++i) {
    const char16_t x = LowerUnit(a[i]);
    const char16_t y = LowerUnit(b[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

}  // namespace qo::platform
