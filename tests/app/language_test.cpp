// Which language a run speaks: the locale's choice, and a headless run in
// English that shows it, records it and replays it.
#include <gtest/gtest.h>

#include "app/locale_language.h"
#include "support/headless_dir.h"

namespace klumpix {
namespace {

TEST(Locale, TheFirstSetVariableDecidesAndOnlyGermanOrNoLanguageStaysGerman) {
  struct Case {
    const char* lc_all;
    const char* lc_messages;
    const char* lang;
    Language want;
  };
  constexpr Language de = Language::kGerman, en = Language::kEnglish;
  const Case cases[] = {
      {nullptr, nullptr, nullptr, de},
      {nullptr, nullptr, "de_DE.UTF-8", de},
      {nullptr, nullptr, "de", de},
      {nullptr, nullptr, "en_US.UTF-8", en},
      {nullptr, nullptr, "fr_FR", en},
      {nullptr, nullptr, "C", de},
      {nullptr, nullptr, "C.UTF-8", de},
      {nullptr, nullptr, "POSIX", de},
      {nullptr, nullptr, "POSIX.ISO-8859-1", de},
      {nullptr, nullptr, "CA", en},
      {"C", nullptr, "en_GB.UTF-8", de},
      {nullptr, "en_GB", "de_AT", en},
      {"de_CH", "en_GB", "en_GB", de},
      {"", "", "en_IE", en},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LocaleLanguage(c.lc_all, c.lc_messages, c.lang), c.want)
        << (c.lc_all ? c.lc_all : "-") << " " << (c.lc_messages ? c.lc_messages : "-") << " "
        << (c.lang ? c.lang : "-");
  }
}

using LanguageRun = HeadlessDir;

TEST_F(LanguageRun, EnglishIsShownRecordedAndReplayedWhileGermanStaysAsItWas) {
  LinkPictures();
  WriteFile("play.txt", kPlayScript);
  auto run = [&](const char* name, std::vector<const char*> extra) {
    std::vector<const char*> args = {"--input", "play.txt", "--ticks", "200"};
    const std::string state = std::string(name) + ".json", shot = std::string(name) + ".bmp";
    args.insert(args.end(), {"--state", state.c_str(), "--screenshot", shot.c_str()});
    args.insert(args.end(), extra.begin(), extra.end());
    EXPECT_EQ(Run(args), 0) << name;
    return ReadFile(state) + ReadFile(shot);
  };
  const std::string german = run("de", {});
  EXPECT_EQ(run("de_asked", {"--language", "de"}), german);
  EXPECT_NE(german.find("\"EXIT\""), std::string::npos);

  const std::string english = run("en", {"--language", "en", "--record", "en.txt"});
  EXPECT_NE(ReadFile("en.bmp"), ReadFile("de.bmp"));
  EXPECT_NE(english.find("\"QUIT\""), std::string::npos);
  EXPECT_EQ(english.find("\"EXIT\""), std::string::npos);
  EXPECT_NE(ReadFile("en.txt").find(" language en\n"), std::string::npos);

  // The recording replays in English without being told.
  WriteFile("play.txt", ReadFile("en.txt"));
  EXPECT_EQ(run("replay", {}), english);
}

}  // namespace
}  // namespace klumpix
