// The language of resource lookups: the process-wide setting, the user's language read from
// the POSIX locale variables, and the choice among a resource's language entries.
#include <atomic>
#include <cstdlib>
#include <string_view>

#include "platform/contract.h"

namespace qo::platform {
namespace {

constexpr std::uint16_t kNeutral = 0x0000;
constexpr std::uint16_t kEnglishUnitedStates = 0x0409;

constexpr int kSamePrimaryRoad = 2;

std::uint16_t PrimaryLanguage(std::uint16_t language) {
  return static_cast<std::uint16_t>(language & 0x03FFu);
}

// The roads of the choice, best first: neutral, the user's language, its primary language,
// English (United States), any other.
int Road(std::uint16_t language, std::uint16_t user) {
  if (language == kNeutral) return 0;
  if (user != 0 && language == user) return 1;
  if (user != 0 && PrimaryLanguage(language) == PrimaryLanguage(user)) return kSamePrimaryRoad;
  return language == kEnglishUnitedStates ? 3 : 4;
}

// One word, read and written whole: a lookup on another thread sees the old or the new value.
std::atomic<std::uint16_t> explicitLanguage{0};

struct LocaleLanguage {
  std::string_view name;  // "ll" or "ll_CC"
  std::uint16_t id;
};

// Common languages (with the region Windows takes for a bare language) and common regions.
// A region not listed falls back to its language, so "de_BE" still finds German resources.
constexpr LocaleLanguage kLocaleLanguages[] = {
    {"ar", 0x0401},    {"cs", 0x0405},    {"da", 0x0406},    {"de", 0x0407},    {"de_AT", 0x0C07},
    {"de_CH", 0x0807}, {"el", 0x0408},    {"en", 0x0409},    {"en_AU", 0x0C09}, {"en_CA", 0x1009},
    {"en_GB", 0x0809}, {"en_IE", 0x1809}, {"en_NZ", 0x1409}, {"es", 0x0C0A},    {"es_AR", 0x2C0A},
    {"es_MX", 0x080A}, {"fi", 0x040B},    {"fr", 0x040C},    {"fr_BE", 0x080C}, {"fr_CA", 0x0C0C},
    {"fr_CH", 0x100C}, {"he", 0x040D},    {"hu", 0x040E},    {"it", 0x0410},    {"it_CH", 0x0810},
    {"ja", 0x0411},    {"ko", 0x0412},    {"nb", 0x0414},    {"nl", 0x0413},    {"nl_BE", 0x0813},
    {"nn", 0x0814},    {"no", 0x0414},    {"pl", 0x0415},    {"pt", 0x0816},    {"pt_BR", 0x0416},
    {"ro", 0x0418},    {"ru", 0x0419},    {"sk", 0x041B},    {"sv", 0x041D},    {"sv_FI", 0x081D},
    {"tr", 0x041F},    {"uk", 0x0422},    {"zh", 0x0804},    {"zh_HK", 0x0C04}, {"zh_TW", 0x0404},
};

std::uint16_t Lookup(std::string_view name) {
  for (const LocaleLanguage& entry : kLocaleLanguages) {
    if (entry.name == name) return entry.id;
  }
  return 0;
}

}  // namespace

void SetResourceLanguage(std::uint16_t languageId) { explicitLanguage.store(languageId); }

std::uint16_t ResourceLanguage() { return explicitLanguage.load(); }

std::uint16_t LanguageOfLocaleName(const char* name) {
  if (name == nullptr) return 0;
  std::string_view locale(name);
  locale = locale.substr(0, locale.find_first_of(".@"));  // language[_territory] only
  if (locale.empty() || locale == "C" || locale == "POSIX") return 0;
  if (const std::uint16_t exact = Lookup(locale)) return exact;
  const std::size_t territory = locale.find('_');
  return territory == std::string_view::npos ? 0 : Lookup(locale.substr(0, territory));
}

std::uint16_t UserLanguageFromEnvironment() {
  for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = std::getenv(variable);
    if (value != nullptr && *value != '\0') return LanguageOfLocaleName(value);
  }
  return 0;
}

bool PreferResourceLanguage(std::uint16_t candidate, std::uint16_t chosen, std::uint16_t user) {
  const int road = Road(candidate, user);
  const int chosenRoad = Road(chosen, user);
  if (road != chosenRoad) return road < chosenRoad;
  // Our choice among several entries of the user's primary language: the lowest id (the
  // language's neutral sublanguage, then its default one), whatever the file order.
  return road == kSamePrimaryRoad && candidate < chosen;
}

}  // namespace qo::platform
