#include "app/options.h"

#include <gtest/gtest.h>

#include <vector>

namespace klumpix {
namespace {

bool Parse(std::vector<const char*> args, Options& options, std::string& error) {
  args.insert(args.begin(), "klumpix");
  return ParseOptions(static_cast<int>(args.size()), args.data(), options, error);
}

TEST(CommandLine, NoArgumentsPlaysFullScreenWithAClockSeed) {
  Options o;
  std::string error;
  ASSERT_TRUE(Parse({}, o, error));
  EXPECT_FALSE(o.window);
  EXPECT_FALSE(o.headless);
  EXPECT_FALSE(o.has_seed);
  EXPECT_TRUE(o.record_path.empty());
}

TEST(CommandLine, EveryOptionIsRead) {
  Options o;
  std::string error;
  ASSERT_TRUE(
      Parse({"--window", "--seed", "18446744073709551615", "--record", "r.txt", "--headless",
             "--ticks", "2147483647", "--input", "in.txt", "--state", "s.json", "--trace",
             "t.jsonl", "--screenshot", "shot.bmp", "--check", "--language", "en"},
            o, error))
      << error;
  EXPECT_TRUE(o.window);
  EXPECT_TRUE(o.headless);
  EXPECT_TRUE(o.check);
  EXPECT_TRUE(o.has_seed);
  EXPECT_EQ(o.seed, 18446744073709551615ULL);
  EXPECT_TRUE(o.has_ticks);
  EXPECT_EQ(o.ticks, 2147483647);
  EXPECT_EQ(o.record_path, "r.txt");
  EXPECT_EQ(o.input_path, "in.txt");
  EXPECT_EQ(o.state_path, "s.json");
  EXPECT_EQ(o.trace_path, "t.jsonl");
  EXPECT_EQ(o.screenshot_path, "shot.bmp");
  EXPECT_TRUE(o.has_language);
  EXPECT_EQ(o.language, Language::kEnglish);
}

TEST(CommandLine, HelpAndVersionNeedNothingElse) {
  Options o;
  std::string error;
  ASSERT_TRUE(Parse({"--help"}, o, error));
  EXPECT_TRUE(o.help);
  ASSERT_TRUE(Parse({"--version", "--state", "s.json"}, o, error));
  EXPECT_TRUE(o.version);
}

TEST(CommandLine, BadOptionsAreRefusedWithAOneLineReason) {
  const std::vector<std::vector<const char*>> bad = {
      {"--fullscreen"},                         // unknown
      {"--seed"},                               // value missing
      {"--seed", "12x"},                        // not a number
      {"--seed", "-1"},                         // negative
      {"--seed", "18446744073709551616"},       // too big
      {"--headless", "--ticks", "2147483648"},  // too big
      {"--headless", "--ticks", ""},            // empty
      {"--record", ""},                         // no file name
      {"--ticks", "5"},                         // headless only
      {"--state", "s.json"},
      {"--trace", "t.jsonl"},
      {"--screenshot", "s.bmp"},
      {"--check"},
      {"--language", "english"},
  };
  for (const auto& args : bad) {
    Options o;
    std::string error;
    EXPECT_FALSE(Parse(args, o, error)) << args[0];
    EXPECT_FALSE(error.empty()) << args[0];
    EXPECT_EQ(error.find('\n'), std::string::npos) << error;
  }
}

}  // namespace
}  // namespace klumpix
