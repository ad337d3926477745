// Long recorded sessions replayed headless, the play state checked on every
// tick: one per board, a name entry, and the help, info and settings screens.
// Their state dumps, traces and screenshots must stay byte for byte what they
// were when recorded. A change meant to alter the game puts the lines this
// test prints into tests/replay/expected.txt.
#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

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

class Replay : public HeadlessDir {
 protected:
  void SetUp() override {
    HeadlessDir::SetUp();
    LinkPictures();
  }
};

TEST_F(Replay, RecordedSessionsGiveTheSameStateTraceAndPicture) {
  const std::filesystem::path dir = KLUMPIX_TEST_REPLAY_DIR;
  std::ifstream expected(dir / "expected.txt");
  std::string name, state, trace, picture;
  int replayed = 0;
  while (expected >> name >> state >> trace >> picture) {
    std::filesystem::remove("groar.dat");  // every session starts on the starter table
    const std::string script = (dir / (name + ".txt")).string();
    ASSERT_EQ(Run({"--input", script.c_str(), "--check", "--state", "state.json", "--trace",
                   "trace.json", "--screenshot", "picture.bmp"}),
              0)
        << name;
    const std::string got = name + " " + Fingerprint(ReadFile("state.json")) + " " +
                            Fingerprint(ReadFile("trace.json")) + " " +
                            Fingerprint(ReadFile("picture.bmp"));
    EXPECT_EQ(got, name + " " + state + " " + trace + " " + picture);
    ++replayed;
  }
  EXPECT_EQ(replayed, 10);
}

}  // namespace
}  // namespace klumpix
