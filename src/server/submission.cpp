#include "server/submission.h"

#include <cstdint>
#include <limits>

#include "screens/name_entry.h"

namespace klumpix::server {

namespace {

constexpr std::size_t kMaxNameLetters = 7;

// A cursor over the body that reads just the JSON a submission is made of.
class Reader {
 public:
  explicit Reader(std::string_view text) : text_(text) {}

  void SkipSpace() {
    while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t' ||
                                   text_[pos_] == '\n' || text_[pos_] == '\r')) {
      ++pos_;
    }
  }
  bool Take(char c) {
    SkipSpace();
    if (pos_ >= text_.size() || text_[pos_] != c) return false;
    ++pos_;
    return true;
  }
  bool AtEnd() {
    SkipSpace();
    return pos_ == text_.size();
  }
  bool Peek(char c) {
    SkipSpace();
    return pos_ < text_.size() && text_[pos_] == c;
  }

  bool String(std::string& out) {
    if (!Take('"')) return false;
    out.clear();
    while (pos_ < text_.size()) {
      const char c = text_[pos_++];
      if (c == '"') return true;
      if (static_cast<unsigned char>(c) < 0x20) return false;
      if (c != '\\') {
        out += c;
        continue;
      }
      if (pos_ >= text_.size()) return false;
      const char e = text_[pos_++];
      switch (e) {
        case '"':
          out += '"';
          break;
        case '\\':
          out += '\\';
          break;
        case '/':
          out += '/';
          break;
        case 'b':
          out += '\b';
          break;
        case 'f':
          out += '\f';
          break;
        case 'n':
          out += '\n';
          break;
        case 'r':
          out += '\r';
          break;
        case 't':
          out += '\t';
          break;
        case 'u':
          if (!Unicode(out)) return false;
          break;
        default:
          return false;
      }
    }
    return false;
  }

  bool Integer(std::int32_t& out) {
    SkipSpace();
    const bool negative = pos_ < text_.size() && text_[pos_] == '-';
    if (negative) ++pos_;
    const std::size_t start = pos_;
    std::int64_t value = 0;
    while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9') {
      value = value * 10 + (text_[pos_++] - '0');
      if (value > std::numeric_limits<std::int32_t>::max()) return false;
    }
    if (pos_ == start) return false;
    out = static_cast<std::int32_t>(negative ? -value : value);
    return true;
  }

 private:
  bool Hex4(std::uint32_t& out) {
    if (text_.size() - pos_ < 4) return false;
    out = 0;
    for (int i = 0; i < 4; ++i) {
      const char c = text_[pos_++];
      out <<= 4;
      if (c >= '0' && c <= '9') {
        out |= static_cast<std::uint32_t>(c - '0');
      } else if (c >= 'a' && c <= 'f') {
        out |= static_cast<std::uint32_t>(c - 'a' + 10);
      } else if (c >= 'A' && c <= 'F') {
        out |= static_cast<std::uint32_t>(c - 'A' + 10);
      } else {
        return false;
      }
    }
    return true;
  }

  // \uXXXX, a surrogate pair joined, as UTF-8.
  bool Unicode(std::string& out) {
    std::uint32_t code = 0;
    if (!Hex4(code)) return false;
    if (code >= 0xD800 && code < 0xDC00) {
      std::uint32_t low = 0;
      if (text_.substr(pos_, 2) != "\\u") return false;
      pos_ += 2;
      if (!Hex4(low) || low < 0xDC00 || low >= 0xE000) return false;
      code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
    } else if (code >= 0xDC00 && code < 0xE000) {
      return false;
    }
    if (code < 0x80) {
      out += static_cast<char>(code);
    } else if (code < 0x800) {
      out += static_cast<char>(0xC0 | (code >> 6));
      out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
      out += static_cast<char>(0xE0 | (code >> 12));
      out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (code >> 18));
      out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (code & 0x3F));
    }
    return true;
  }

  std::string_view text_;
  std::size_t pos_ = 0;
};

}  // namespace

bool ParseSubmission(std::string_view body, Submission& submission, std::string& error) {
  Reader reader(body);
  error = "the body is not a score: {\"name\", \"type\", \"score\", \"recording\"}";
  if (!reader.Take('{')) return false;
  bool name = false, type = false, score = false, recording = false;
  bool first = true;
  while (!reader.Peek('}')) {
    if (!first && !reader.Take(',')) return false;
    first = false;
    std::string key;
    if (!reader.String(key) || !reader.Take(':')) return false;
    bool* seen = nullptr;
    bool read = false;
    if (key == "name") {
      seen = &name;
      read = reader.String(submission.claim.name);
    } else if (key == "type") {
      seen = &type;
      read = reader.Integer(submission.claim.type);
    } else if (key == "score") {
      seen = &score;
      read = reader.Integer(submission.claim.score);
    } else if (key == "recording") {
      seen = &recording;
      read = reader.String(submission.recording);
    }
    if (seen == nullptr || *seen || !read) return false;
    *seen = true;
  }
  if (!reader.Take('}') || !reader.AtEnd() || !(name && type && score && recording)) return false;
  error.clear();
  return true;
}

bool IsGameName(std::string_view name) {
  if (name == "-") return true;
  if (name.empty() || name.size() > kMaxNameLetters) return false;
  for (char c : name) {
    if (c < 'A' || c >= 'A' + kLetterCount) return false;
  }
  return true;
}

}  // namespace klumpix::server
