#pragma once
// The language the environment's locale asks for.
#include "shell/language.h"

namespace klumpix {

// The first of LC_ALL, LC_MESSAGES and LANG that is set and not empty
// decides (null or empty: not set): "de…" is German, and so are the plain
// locales "C", "C.…", "POSIX" and "POSIX.…", which ask for no language at
// all, and no locale; anything else is English.
Language LocaleLanguage(const char* lc_all, const char* lc_messages, const char* lang);

}  // namespace klumpix
