// The texts the table writes next to the seats: the network message wrap and the player
// panel's lines, measured in fonts whose every character is one text unit wide.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/cg.h"
#include "engine/dialogs.h"
#include "engine/elements.h"
#include "engine/engine_form.h"
#include "engine/fonts.h"
#include "shell/env_param.h"
#include "shell/game_dialogs.h"
#include "shell/shell_globals.h"
#include "table/player_panels.h"
#include "table/seat_plates.h"
#include "table/table_layout.h"

namespace {

class SeatTextsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    resetEngineModel();
    // Every character of fonts 1 and 2 about one text unit wide (within a percent).
    for (int slot : {1, 2}) {
      currentFont = slot;
      for (int c = 0; c <= 255; c++) fontSlots[slot].widths[c] = 100;
      const float unit = stringWidth("x", false);
      for (int c = 0; c <= 255; c++) fontSlots[slot].widths[c] = int16_t(std::lround(100 / unit));
    }
    currentFont = 1;
    cg.gameId = gidSkat;
    cg.seatCount = playerCount = 3;
    envParam.perspective = 0;
  }
  void TearDown() override {
    initFontTables();
    resetEngineModel();
    dlgIPanel = 0;
    elSpeechBubble[2] = 0;
    cg.gameId = gidNone;
    cg.gs.bubbleState[2] = 0;
    cg.seatCount = playerCount = 0;
    envParam.perspective = 0;
  }
};

TEST_F(SeatTextsTest, UnitWideCharacters) {
  currentFont = 2;
  EXPECT_NEAR(stringWidth("x", false), 1.0f, 0.01f);
  EXPECT_NEAR(stringWidth(" ", false), 1.0f, 0.01f);
}

TEST_F(SeatTextsTest, LongWordBreaksInsideAtOneAndAHalfLimits) {
  struct Case {
    int seats;
    float limit;  // text units
  } cases[] = {{3, 11}, {6, 11}, {7, 10}, {8, 9}};
  const std::string word(40, 'x');
  const float unit = stringWidth("x", false);
  for (const Case& c : cases) {
    const size_t perLine = size_t(std::floor(1.5f * c.limit / unit + 1e-4f));
    const TSeatMessageWrap wrap = wrapSeatMessage(word, c.seats);
    const std::vector<std::string> lines = splitMessageLines(wrap.text);
    ASSERT_GE(lines.size(), 3u) << c.seats << " seats: " << wrap.text;
    std::string joined;
    for (size_t i = 0; i < lines.size(); i++) {
      if (i + 1 < lines.size()) {
        EXPECT_EQ(lines[i].size(), perLine) << c.seats << " seats, line " << i;
      }
      joined += lines[i];
    }
    EXPECT_EQ(joined, word) << "no character is lost";
    EXPECT_NEAR(wrap.widest, float(perLine) * unit, 1e-3f);
    EXPECT_NEAR(wrap.height, 1.22f * float(lines.size()), 1e-4f);
  }
}

TEST_F(SeatTextsTest, WrapsAtSpacesAndKeepsFiveLines) {
  struct Case {
    const char* text;
    const char* wrapped;
  } cases[] = {
      // The space after "cccc" lies past 11 units: the line breaks there, not inside a word.
      {"aaaa bbbb cccc dddd", "aaaa bbbb cccc\rdddd"},
      {"kurz", "kurz"},
      {"1\r2\r3\r4\r5", "1\r2\r3\r4\r5"},
      {"1\r2\r3\r4\r5\r6\r7", "3\r4\r5\r6\r7"},  // the oldest lines go
      {"aaaa bbbb cccc dddd eeee ffff gggg hhhh iiii jjjj kkkk llll mmmm nnnn oooo pppp qqqq",
       "dddd eeee ffff\rgggg hhhh iiii\rjjjj kkkk llll\rmmmm nnnn oooo\rpppp qqqq"},
      {"\x05hallo\r\r", "hallo"},  // the marks at the start and the breaks at the end go
  };
  for (const Case& c : cases) {
    const TSeatMessageWrap wrap = wrapSeatMessage(c.text, 3);
    EXPECT_EQ(wrap.text, c.wrapped);
    EXPECT_LE(wrap.height, 7.0f) << c.wrapped;
  }
  EXPECT_NEAR(wrapSeatMessage("1\r2\r3\r4\r5\r6\r7", 3).height, 5 * 1.22f, 1e-4f) << "height follows the lines kept";
}

TEST_F(SeatTextsTest, PanelSplitsLongSpokenTexts) {
  currentFont = 2;
  const std::string a28(28, 'a');
  struct Case {
    const char* what;
    TGameId game;
    int perspective;
    int seats, seat;
    std::string text;
    std::string line1, line2;
    float size;
  } cases[] = {
      {"spoken, short", gidSkat, 0, 3, 2, "?Ich passe", "Ich passe", "", 0.7f},
      {"a plain text", gidSkat, 0, 3, 2, "Ich passe", "Ich passe", "", 0.8f},
      {"seat 1's plain text", gidSkat, 0, 3, 1, "Ich passe", "Ich passe", "", 0.6f},
      {"32 characters stay whole", gidSkat, 0, 3, 2, "?" + std::string(15, 'a') + " " + std::string(16, 'b'),
       std::string(15, 'a') + " " + std::string(16, 'b'), "", 0.7f},
      {"past 32 split from position 25", gidSkat, 0, 3, 2, "?" + a28 + " bbbbbbb", a28, " bbbbbbb", 0.7f},
      {"no space after position 25", gidSkat, 0, 3, 2, "?aaaa " + std::string(30, 'b'), "aaaa " + std::string(30, 'b'), "",
       0.7f},
      {"seen from above at the left, 20 characters", gidSkat, 1, 3, 2, "?aaaaaaaaa bbbbbbbbbb", "aaaaaaaaa", " bbbbbbbbbb",
       0.7f},
      {"seen from above at the right", gidSkat, 1, 3, 3, "?aaaaaaaaa bbbbbbbbbb", "aaaaaaaaa", " bbbbbbbbbb", 0.7f},
      {"seen from above at the far side", gidDoppelkopf, 1, 4, 3, "?aaaaaaaaa bbbbbbbbbb", "aaaaaaaaa bbbbbbbbbb", "",
       0.7f},
      {"seen normally at the side", gidSkat, 0, 3, 2, "?aaaaaaaaa bbbbbbbbbb", "aaaaaaaaa bbbbbbbbbb", "", 0.7f},
  };
  for (const Case& c : cases) {
    cg.gameId = c.game;
    envParam.perspective = c.perspective;
    playerCount = c.seats;
    const TPanelText p = splitPanelText(c.text, c.seat);
    EXPECT_EQ(p.line1, c.line1) << c.what;
    EXPECT_EQ(p.line2, c.line2) << c.what;
    EXPECT_EQ(p.lines, c.line2.empty() ? 1 : 2) << c.what;
    EXPECT_FLOAT_EQ(p.size, c.size) << c.what;
  }
}

TEST_F(SeatTextsTest, PokerBetTextSplitsAtItsLastSpaceAndEvensTheLines) {
  currentFont = 2;
  cg.gameId = gidPoker;
  const TPanelText p = splitPanelText("?" + std::string(20, 'a') + " ich (2)", 2);
  ASSERT_EQ(p.lines, 2);
  EXPECT_EQ(p.line1, std::string(20, 'a') + " ich");
  EXPECT_FALSE(p.splitByLength);
  const size_t first = p.line2.find_first_not_of(' '), last = p.line2.find_last_not_of(' ');
  EXPECT_EQ(p.line2.substr(first, last - first + 1), "(2)");
  EXPECT_LE(std::abs(stringWidth(p.line1, false) - stringWidth(p.line2, false)), 1.05f)
      << "padded on both sides until the widths match: [" << p.line2 << "]";
  EXPECT_GT(first, 5u);
  EXPECT_GT(p.line2.size() - 1 - last, 5u);

  const TPanelText shortBet = splitPanelText("?aaaaaaaaa bbbbbbb (2)", 2);  // 21 characters
  EXPECT_EQ(shortBet.lines, 1);
  cg.gs.bubbleState[2] = 3;
  EXPECT_FLOAT_EQ(splitPanelText("?aaaaaaaaa bbbbbbb (2)", 2).size, 0.8f) << "a timed poker bubble on one line";
}

TEST_F(SeatTextsTest, PanelTextShowsADoubledVowelOnce) {
  dlgIPanel = createDialog(0, 0, 800, 600, false, "#ipanel", false, 0, 1.0f);
  elSpeechBubble[2] = addSimpleElement(1, 10, 10, "");
  struct Case {
    const char* bubble;
    const char* shown;
  } cases[] = {{"?Jaa", "?Ja"}, {"Jaa, gerne", "Ja, gerne"}, {"?Ich sage Jaa", "?Ich sage Ja"}, {"?Ja", "?Ja"}};
  for (const Case& c : cases) {
    setElementText(dlgIPanel, elSpeechBubble[2], c.bubble, 0);
    bool forced = true;
    EXPECT_EQ(playerPanelText(2, forced), c.shown);
    EXPECT_FALSE(forced);
  }
}

}  // namespace
