#include "app/input_script.h"

#include <gtest/gtest.h>

namespace klumpix {
namespace {

InputEvent Move(int tick, int x, int y) {
  InputEvent e;
  e.tick = tick;
  e.kind = InputKind::kMove;
  e.x = x;
  e.y = y;
  return e;
}

InputEvent Button(int tick, InputKind kind, MouseButton button, bool ctrl) {
  InputEvent e;
  e.tick = tick;
  e.kind = kind;
  e.button = button;
  e.ctrl = ctrl;
  return e;
}

InputEvent Click(int tick) {
  InputEvent e;
  e.tick = tick;
  e.kind = InputKind::kClick;
  return e;
}

TEST(InputScript, ReadsEveryEventKindWithCommentsAndBlankLines) {
  const char* text =
      "# a recorded game\n"
      "seed 12345\n"
      "\n"
      "0 move 400 300   # start in the middle\n"
      "12 down left\n"
      "12\tdown  right ctrl\r\n"
      "14 up middle\n"
      "14 up left ctrl\n"
      "14 click\n"
      "20 move -5 32767";  // no newline at the end
  InputScript s;
  std::string error;
  ASSERT_TRUE(ParseInputScript(text, "game.txt", s, error)) << error;
  EXPECT_TRUE(s.has_seed);
  EXPECT_EQ(s.seed, 12345u);
  const std::vector<InputEvent> expected = {
      Move(0, 400, 300),
      Button(12, InputKind::kDown, MouseButton::kLeft, false),
      Button(12, InputKind::kDown, MouseButton::kRight, true),
      Button(14, InputKind::kUp, MouseButton::kMiddle, false),
      Button(14, InputKind::kUp, MouseButton::kLeft, true),
      Click(14),
      Move(20, -5, 32767),
  };
  EXPECT_EQ(s.events, expected);
}

TEST(InputScript, ASeedLineIsOptional) {
  InputScript s;
  std::string error;
  ASSERT_TRUE(ParseInputScript("3 click\n", "a.txt", s, error));
  EXPECT_FALSE(s.has_seed);
  ASSERT_TRUE(ParseInputScript("", "empty.txt", s, error));
  EXPECT_TRUE(s.events.empty());
}

TEST(InputScript, BadLinesAreReportedWithFileAndLineNumber) {
  const struct {
    const char* text;
    const char* where;
  } bad[] = {
      {"1 jump\n", "s.txt:1: "},
      {"# fine\n\n1 move 10\n", "s.txt:3: "},
      {"1 move 10 20 30\n", "s.txt:1: "},
      {"1 move 10 40000\n", "s.txt:1: "},
      {"1 down\n", "s.txt:1: "},
      {"1 down wheel\n", "s.txt:1: "},
      {"1 up left shift\n", "s.txt:1: "},
      {"1 click now\n", "s.txt:1: "},
      {"move 1 2\n", "s.txt:1: "},
      {"-1 click\n", "s.txt:1: "},
      {"1\n", "s.txt:1: "},
      {"5 click\n4 click\n", "s.txt:2: "},  // stamps never decrease
      {"5 click\nseed 3\n", "s.txt:2: "},   // seed after an event
      {"seed 3\nseed 4\n", "s.txt:2: "},
      {"seed three\n", "s.txt:1: "},
  };
  for (const auto& b : bad) {
    InputScript s;
    std::string error;
    EXPECT_FALSE(ParseInputScript(b.text, "s.txt", s, error)) << b.text;
    EXPECT_EQ(error.rfind(b.where, 0), 0u) << b.text << " gave: " << error;
    EXPECT_GT(error.size(), std::string(b.where).size()) << "no reason given for " << b.text;
  }
}

TEST(InputScript, AWindowsEditorsScriptReadsAndInvisibleBytesAreShown) {
  InputScript s;
  std::string error;
  ASSERT_TRUE(ParseInputScript("\xEF\xBB\xBFseed 5\r\n3 click\r\n", "w.txt", s, error)) << error;
  EXPECT_TRUE(s.has_seed);
  EXPECT_EQ(s.events.size(), 1u);

  // The mark anywhere else, or a no-break space typed into a word, is named.
  EXPECT_FALSE(
      ParseInputScript("seed 5\n\xEF\xBB\xBF"
                       "3 click\n",
                       "w.txt", s, error));
  EXPECT_EQ(error,
            "w.txt:2: expected a tick number, 'seed', 'version', 'start', 'winner' or 'from', "
            "not "
            "'\\xEF\\xBB\\xBF3'");
  EXPECT_FALSE(ParseInputScript("3 cl\xC2\xA0ick\n", "w.txt", s, error));
  EXPECT_NE(error.find("'cl\\xC2\\xA0ick'"), std::string::npos) << error;
}

TEST(InputScript, EqualStampsKeepTheirFileOrder) {
  InputScript s;
  std::string error;
  ASSERT_TRUE(ParseInputScript("7 up left\n7 down left\n7 click\n", "s.txt", s, error));
  ASSERT_EQ(s.events.size(), 3u);
  EXPECT_EQ(s.events[0].kind, InputKind::kUp);
  EXPECT_EQ(s.events[1].kind, InputKind::kDown);
  EXPECT_EQ(s.events[2].kind, InputKind::kClick);
}

TEST(InputScript, AWrittenScriptReadsBackToTheSameEvents) {
  const std::vector<InputEvent> events = {
      Move(0, 0, 599),
      Button(11, InputKind::kDown, MouseButton::kLeft, true),
      Click(11),
      Button(11, InputKind::kUp, MouseButton::kLeft, true),
      Button(40, InputKind::kDown, MouseButton::kMiddle, false),
      Button(41, InputKind::kUp, MouseButton::kRight, false),
  };
  const StartValues english{false, 10000, 50000, 8, Language::kEnglish};
  const std::string text = FormatInputScript(987654321987654321ULL, english, events);
  EXPECT_EQ(text.rfind("seed 987654321987654321\n", 0), 0u);
  InputScript s;
  std::string error;
  ASSERT_TRUE(ParseInputScript(text, "rec.txt", s, error)) << error;
  EXPECT_EQ(s.seed, 987654321987654321ULL);
  EXPECT_EQ(s.start, english);
  EXPECT_EQ(s.events, events);

  // Older scripts have no language pair: they were played in German.
  ASSERT_TRUE(
      ParseInputScript("start sound on volume 35000 light 25000 type 3\n", "old.txt", s, error));
  EXPECT_EQ(s.start, kDefaultStartValues);
  EXPECT_FALSE(ParseInputScript("start sound on volume 35000 light 25000 type 3 language fr\n",
                                "fr.txt", s, error));
}

TEST(InputScript, AMissingFileIsNamed) {
  InputScript s;
  std::string error;
  EXPECT_FALSE(LoadInputScript("/nonexistent/dir/script.txt", s, error));
  EXPECT_NE(error.find("/nonexistent/dir/script.txt"), std::string::npos);
}

}  // namespace
}  // namespace klumpix
