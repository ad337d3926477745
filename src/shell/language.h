#pragma once
// The two languages the game speaks, and their two-letter names as the
// command line, the settings file and input scripts write them.
#include <cstdint>
#include <string_view>

namespace klumpix {

enum class Language : std::uint8_t { kGerman, kEnglish };

constexpr const char* LanguageCode(Language language) {
  return language == Language::kEnglish ? "en" : "de";
}

// "de" or "en"; false for anything else.
constexpr bool ParseLanguageCode(std::string_view code, Language& language) {
  if (code != "de" && code != "en") return false;
  language = code == "en" ? Language::kEnglish : Language::kGerman;
  return true;
}

}  // namespace klumpix
