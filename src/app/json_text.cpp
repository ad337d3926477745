#include "app/json_text.h"

#include <cmath>
#include <cstdio>

#include "core/cp1252.h"

namespace klumpix {

void AppendJsonText(std::string& out, std::string_view cp1252) {
  const std::string utf8 = Cp1252ToUtf8(cp1252);
  out += '"';
  for (char c : utf8) {
    const unsigned char u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (u < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", u);
      out += escaped;
    } else {
      out += c;
    }
  }
  out += '"';
}

std::string ScoreSubmissionJson(std::string_view name, int type, int score,
                                std::string_view recording) {
  std::string body = "{\"name\": ";
  AppendJsonText(body, name);
  body += ", \"type\": " + std::to_string(type) + ", \"score\": " + std::to_string(score) +
          ", \"recording\": ";
  AppendJsonText(body, recording);
  return body + "}";
}

void AppendJsonReal(std::string& out, double value) {
  if (!std::isfinite(value)) {
    out += "null";  // JSON has no infinities; a broken light must not break the file
    return;
  }
  char text[32];
  std::snprintf(text, sizeof text, "%.17g", value);
  out += text;
}

}  // namespace klumpix
