// Start-up with a damaged res/ folder: for every one of the thirteen pictures,
// cut short, of the wrong size or not a picture at all, the game names the
// file on stderr and exits with status 1, without crashing. A folder that
// lacks a picture is passed over for the next place; when every place lacks
// one, the message says which picture each of them lacks.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/headless.h"
#include "app/options.h"
#include "shell/assets.h"
#include "support/temp_dir.h"

namespace klumpix {
namespace {

namespace fs = std::filesystem;

enum class Damage { kTruncated, kWrongSize, kNotABmp };

const char* DamageName(Damage d) {
  switch (d) {
    case Damage::kTruncated:
      return "truncated";
    case Damage::kWrongSize:
      return "wrong size";
    case Damage::kNotABmp:
      return "not a BMP";
  }
  return "";
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFile(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// A well-formed 3 x 2 picture of 24 bits: a real BMP, just not the size the game needs.
std::string TinyBmp() {
  std::string bytes(54 + 2 * 12, '\0');
  auto put32 = [&](std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>(v >> (8 * i));
  };
  bytes[0] = 'B';
  bytes[1] = 'M';
  put32(2, static_cast<std::uint32_t>(bytes.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, 3);
  put32(22, 2);
  bytes[26] = 1;
  bytes[28] = 24;
  return bytes;
}

class BadPictures : public ::testing::TestWithParam<Damage> {
 protected:
  void SetUp() override {
    fs::copy(KLUMPIX_TEST_RES_DIR, dir_ / "res", fs::copy_options::recursive);
  }

  void Spoil(const fs::path& file, Damage damage) {
    const std::string good = ReadFile(file);
    switch (damage) {
      case Damage::kTruncated:
        WriteFile(file, good.substr(0, good.size() / 2));
        break;
      case Damage::kWrongSize:
        WriteFile(file, TinyBmp());
        break;
      case Damage::kNotABmp:
        WriteFile(file, "GIF89a this is no bitmap at all\n");
        break;
    }
  }

  // Starts the game headless in the damaged folder; the exit status (-1 for
  // a signal) and what it wrote on stderr.
  int StartUp(std::string& err) {
    const fs::path binary = fs::path(KLUMPIX_TEST_BINARY_DIR) / "klumpix";
    const fs::path err_file = dir_ / "stderr.txt";
    int status = -1;
    if (fs::exists(binary)) {
      const std::string command = "cd '" + dir_.string() + "' && '" + binary.string() +
                                  "' --headless --ticks 20 >/dev/null 2>'" + err_file.string() +
                                  "'";
      const int raw = std::system(command.c_str());
      status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    } else {
      status = StartUpInProcess(err_file);
    }
    err = ReadFile(err_file);
    return status;
  }

  testing::TempDir temp_;
  const fs::path dir_ = temp_.path();

 private:
  // Without the game binary (builds without the platform) the same headless
  // run, in this process, with stderr caught in a file.
  int StartUpInProcess(const fs::path& err_file) {
    const fs::path old_dir = fs::current_path();
    fs::current_path(dir_);
    std::fflush(stderr);
    const int saved = dup(2);
    const int file = open(err_file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    dup2(file, 2);
    close(file);
    const char* args[] = {"klumpix", "--headless", "--ticks", "20"};
    Options options;
    std::string error;
    const int status = ParseOptions(4, args, options, error) ? RunHeadless(options) : -2;
    std::fflush(stderr);
    dup2(saved, 2);
    close(saved);
    fs::current_path(old_dir);
    return status;
  }
};

TEST_P(BadPictures, EveryPictureIsNamedAndStartUpEndsWithStatusOne) {
  const Damage damage = GetParam();
  for (int i = 1; i <= kPictureCount; ++i) {
    const std::string relative = kPictureFiles[i].path;
    const fs::path file = dir_ / "res" / relative;
    const std::string good = ReadFile(file);
    ASSERT_FALSE(good.empty()) << relative;
    Spoil(file, damage);

    std::string err;
    const int status = StartUp(err);
    EXPECT_EQ(status, 1) << relative << " " << DamageName(damage) << "; stderr: " << err;
    EXPECT_NE(err.find(relative), std::string::npos)
        << relative << " " << DamageName(damage) << " not named; stderr: " << err;
    EXPECT_EQ(err.find("Sanitizer"), std::string::npos) << err;
    EXPECT_EQ(err.find("runtime error"), std::string::npos) << err;

    WriteFile(file, good);
  }
}

TEST(MissingPictures, EachPlaceLookedInNamesThePictureItLacks) {
  // A copy of the game whose only res/, beside it and where it is started,
  // lacks one sheet; nothing is installed where the copy looks next.
  const fs::path binary = fs::path(KLUMPIX_TEST_BINARY_DIR) / "klumpix";
  if (!fs::exists(binary)) GTEST_SKIP() << "the game executable is not built";
  testing::TempDir temp;
  const fs::path dir = temp.path() / "game";
  fs::create_directory(dir);
  fs::copy(KLUMPIX_TEST_RES_DIR, dir / "res", fs::copy_options::recursive);
  fs::copy_file(binary, dir / "klumpix");
  const std::string lacking = kPictureFiles[kPictureCount].path;
  fs::remove(dir / "res" / lacking);

  const std::string command =
      "cd '" + dir.string() + "' && ./klumpix --headless --ticks 20 >/dev/null 2>stderr.txt";
  const int raw = std::system(command.c_str());
  ASSERT_TRUE(WIFEXITED(raw));
  EXPECT_EQ(WEXITSTATUS(raw), 1);
  const std::string err = ReadFile(dir / "stderr.txt");
  EXPECT_NE(err.find("res (no " + lacking + ")"), std::string::npos) << err;
  EXPECT_NE(err.find(dir.string() + "/res (no " + lacking + ")"), std::string::npos) << err;
  EXPECT_NE(err.find("share/klumpix/res (no " + std::string(kPictureFiles[1].path) + ")"),
            std::string::npos)
      << err;
}

INSTANTIATE_TEST_SUITE_P(Damages, BadPictures,
                         ::testing::Values(Damage::kTruncated, Damage::kWrongSize,
                                           Damage::kNotABmp),
                         [](const ::testing::TestParamInfo<Damage>& info) {
                           std::string name = DamageName(info.param);
                           for (char& c : name) {
                             if (c == ' ') c = '_';
                           }
                           return name;
                         });

}  // namespace
}  // namespace klumpix
