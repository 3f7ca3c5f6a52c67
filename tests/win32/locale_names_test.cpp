// The locale names of the resource-language choice against Windows' own table of locales.
#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <set>
#include <string>

namespace qo::platform {
// From platform/contract.h, which cannot share a file with <windows.h>: its FindResource would
// meet the macro of the same name.
std::uint16_t LanguageOfLocaleName(const char* name);
}  // namespace qo::platform

namespace {

using qo::platform::LanguageOfLocaleName;
using Locales = std::map<std::string, std::uint16_t>;  // "ll_CC" to its language id

BOOL CALLBACK Collect(LPWSTR name, DWORD, LPARAM into) {
  std::string narrow(name, name + wcslen(name));  // ASCII: "ll-CC" and the like
  std::replace(narrow.begin(), narrow.end(), '-', '_');
  (*reinterpret_cast<Locales*>(into))[narrow] = LANGIDFROMLCID(LocaleNameToLCID(name, 0));
  return TRUE;
}

// A listed region gives Windows' id for it; a bare language one of Windows' ids of that
// language; an unlisted region falls back to its language.
TEST(Win32Locales, EveryKnownNameGivesWindowsOwnLanguageId) {
  Locales locales;
  EnumSystemLocalesEx(Collect, LOCALE_WINDOWS, reinterpret_cast<LPARAM>(&locales), nullptr);
  std::set<std::uint16_t> ids;
  for (const auto& [name, id] : locales) ids.insert(id);
  int regions = 0;
  int languages = 0;
  for (const auto& [name, id] : locales) {
    const std::size_t cut = name.find('_');
    // Only "ll_CC" names with an id of their own (not a script, not a custom locale).
    if (cut == std::string::npos || name.find('_', cut + 1) != std::string::npos ||
        (id & 0x03FF) == 0) {
      continue;
    }
    const std::string language = name.substr(0, cut);
    const std::uint16_t bare = LanguageOfLocaleName(language.c_str());
    const std::uint16_t chosen = LanguageOfLocaleName(name.c_str());
    if (bare != 0) {
      EXPECT_EQ(bare & 0x03FF, id & 0x03FF) << language;
      EXPECT_EQ(ids.count(bare), 1u) << language;
      ++languages;
    }
    if (chosen != bare) {
      EXPECT_EQ(chosen, id) << name;
      ++regions;
    }
  }
  EXPECT_GT(regions, 15);
  EXPECT_GT(languages, 30);
}

}  // namespace
