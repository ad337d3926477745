#pragma once
// Windows-1252 is the game's text encoding; the outside world speaks UTF-8.
#include <string>
#include <string_view>

namespace klumpix {

std::string Cp1252ToUtf8(std::string_view text);

}  // namespace klumpix
