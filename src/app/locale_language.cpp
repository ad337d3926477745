#include "app/locale_language.h"

#include <string_view>

namespace klumpix {

namespace {

bool Set(const char* value) {
  return value != nullptr && value[0] != '\0';
}

// "C" or "POSIX", alone or with a codeset after a dot.
bool PlainLocale(std::string_view locale) {
  for (std::string_view plain : {std::string_view("C"), std::string_view("POSIX")}) {
    if (locale == plain) return true;
    if (locale.size() > plain.size() && locale.substr(0, plain.size()) == plain &&
        locale[plain.size()] == '.') {
      return true;
    }
  }
  return false;
}

}  // namespace

Language LocaleLanguage(const char* lc_all, const char* lc_messages, const char* lang) {
  const char* locale = Set(lc_all) ? lc_all : Set(lc_messages) ? lc_messages : lang;
  if (!Set(locale)) return Language::kGerman;
  const std::string_view name(locale);
  if (name.substr(0, 2) == "de" || PlainLocale(name)) return Language::kGerman;
  return Language::kEnglish;
}

}  // namespace klumpix
