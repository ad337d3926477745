#pragma once
// A fresh working directory per test, with the generated pictures in res/,
// so runs write groar.dat and their output files where nobody else looks.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/headless.h"
#include "app/options.h"
#include "support/temp_dir.h"

namespace klumpix {

class HeadlessDir : public ::testing::Test {
 protected:
  void SetUp() override {
    old_dir_ = std::filesystem::current_path();
    std::filesystem::current_path(dir_.path());
  }
  void TearDown() override { std::filesystem::current_path(old_dir_); }

  // res/ as the build made it.
  void LinkPictures() { std::filesystem::create_directory_symlink(KLUMPIX_TEST_RES_DIR, "res"); }

  static void WriteFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
  }
  static std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

  // Runs the game headless with these options; the exit status.
  static int Run(std::vector<const char*> args) {
    args.insert(args.begin(), "klumpix");
    args.push_back("--headless");
    Options options;
    std::string error;
    EXPECT_TRUE(ParseOptions(static_cast<int>(args.size()), args.data(), options, error)) << error;
    return RunHeadless(options);
  }

 private:
  testing::TempDir dir_;
  std::filesystem::path old_dir_;
};

// Starts a game on the default board, takes the first store row when it has
// filled and sets it down on the leftmost drop field.
inline const char* kPlayScript =
    "seed 99\n"
    "11 move 50 196\n"
    "12 down left\n"
    "15 click\n"
    "15 up left\n"
    "160 move 150 132\n"
    "161 down left\n"
    "163 click\n"
    "163 up left\n"
    "170 move 114 246\n"
    "171 down left\n"
    "173 click\n"
    "173 up left\n";

}  // namespace klumpix
