// Long recorded sessions replayed headless, the play state checked on every
// tick: one per board, a name entry, and the help, info and settings screens.
// Their state dumps, traces and screenshots must stay byte for byte what they
// were when recorded: tests/replay/expected.txt holds a fingerprint of each
// whole output, and tests/replay/lines/NAME.txt one of every line of the
// state dump and the trace, so that a failure names the first line that
// changed. A change meant to alter the game records them anew with
// `make replay-record`.
#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/headless_dir.h"

namespace klumpix {
namespace {

// FNV-1a over the bytes, 64 bits: enough to tell two outputs apart.
std::string Fingerprint(const std::string& bytes) {
  std::uint64_t h = 14695981039346656037ull;
  for (const char c : bytes) {
    h ^= static_cast<unsigned char>(c);
    h *= 1099511628211ull;
  }
  char text[17];
  std::snprintf(text, sizeof text, "%016" PRIx64, h);
  return text;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// One line per output line: its kind ("state" or "trace") and fingerprint.
std::string LineFingerprints(const std::string& state, const std::string& trace) {
  std::string out;
  for (const std::string& line : Lines(state)) out += "state " + Fingerprint(line) + "\n";
  for (const std::string& line : Lines(trace)) out += "trace " + Fingerprint(line) + "\n";
  return out;
}

// The first line of `got` whose fingerprint differs from the recorded one,
// as "state line 12: ...", or "" when all agree.
std::string FirstChangedLine(const std::string& recorded, const std::string& state,
                             const std::string& trace) {
  const std::vector<std::string> want = Lines(recorded);
  std::vector<std::pair<std::string, std::string>> got;  // kind, line
  for (const std::string& line : Lines(state)) got.emplace_back("state", line);
  for (const std::string& line : Lines(trace)) got.emplace_back("trace", line);
  int number[2] = {0, 0};
  for (std::size_t i = 0; i < got.size(); ++i) {
    const auto& [kind, line] = got[i];
    const int n = ++number[kind == "trace"];
    if (i >= want.size() || want[i] != kind + " " + Fingerprint(line)) {
      return kind + " line " + std::to_string(n) + " is now: " + line.substr(0, 400);
    }
  }
  if (want.size() > got.size())
    return "the outputs lost their lines from line " + std::to_string(got.size() + 1) +
           " of the record on";
  return "";
}

class Replay : public HeadlessDir {
 protected:
  void SetUp() override {
    HeadlessDir::SetUp();
    LinkPictures();
  }
};

TEST_F(Replay, RecordedSessionsGiveTheSameStateTraceAndPicture) {
  const std::filesystem::path dir = KLUMPIX_TEST_REPLAY_DIR;
  // KLUMPIX_REPLAY_RECORD=1 (make replay-record) writes the fingerprints anew.
  const bool record = std::getenv("KLUMPIX_REPLAY_RECORD") != nullptr;
  std::ifstream expected(dir / "expected.txt");
  std::string recorded_fingerprints;
  std::string name, state, trace, picture;
  int replayed = 0;
  while (expected >> name >> state >> trace >> picture) {
    std::filesystem::remove("groar.dat");  // every session starts on the starter table
    const std::string script = (dir / (name + ".txt")).string();
    ASSERT_EQ(Run({"--input", script.c_str(), "--check", "--state", "state.json", "--trace",
                   "trace.json", "--screenshot", "picture.bmp"}),
              0)
        << name;
    const std::string state_json = ReadFile("state.json");
    const std::string trace_json = ReadFile("trace.json");
    const std::string got = name + " " + Fingerprint(state_json) + " " + Fingerprint(trace_json) +
                            " " + Fingerprint(ReadFile("picture.bmp"));
    const std::filesystem::path lines_file = dir / "lines" / (name + ".txt");
    ++replayed;
    if (record) {
      recorded_fingerprints += got + "\n";
      WriteFile(lines_file.string(), LineFingerprints(state_json, trace_json));
      continue;
    }
    EXPECT_EQ(got, name + " " + state + " " + trace + " " + picture);
    EXPECT_EQ(FirstChangedLine(ReadFile(lines_file.string()), state_json, trace_json), "") << name;
  }
  EXPECT_EQ(replayed, 10);
  if (record) WriteFile((dir / "expected.txt").string(), recorded_fingerprints);
}

}  // namespace
}  // namespace klumpix
