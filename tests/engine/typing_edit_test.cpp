// Typing into edit fields: commands and typed characters, filters and the length limit, the
// view that follows the caret, indexes outside the text, and the symbol font's glyph indexes.
#include <gtest/gtest.h>

#include "engine/glyph_index.h"
#include "engine/typing.h"
#include "tests/engine/keyboard_fixture.h"

namespace {

constexpr TVTLTypeSource kChar = TVTLTypeSource::character;
constexpr TVTLTypeSource kKey = TVTLTypeSource::key;

class TypingTest : public KeyboardTest {
 protected:
  void SetUp() override {
    KeyboardTest::SetUp();
    d_ = createDialog(0, 0, 400, 300, false, "", false, 0, 1.0f);
  }
  // A new edit field holding the keyboard; the height argument of addElement is the filter.
  int32_t editField(int32_t width, int32_t rows, int16_t filter, const std::string& text, int16_t caret) {
    setCurrentDialog(d_);
    const int32_t e = addElement(ekEdit, 10, 10, "", width, filter, float(rows), 1.0f);
    setElementText(d_, e, text, 0);
    TVTLElement& el = elementOf(d_, e);
    el.SelIndex = caret;
    el.focused = 1;
    return e;
  }
  std::string view(int32_t e) {
    const TVTLElement& el = elementOf(d_, e);
    return "caret " + std::to_string(el.SelIndex) + ", top " + std::to_string(el.TopIndex) + ", shown " +
           std::to_string(el.shownLength);
  }
  // Types each code into field e and checks the view after it.
  struct TypingStep {
    int32_t code;
    TVTLTypeSource source;
    const char* expected;
  };
  template <size_t N>
  void playSteps(int32_t e, const TypingStep (&steps)[N]) {
    for (const TypingStep& s : steps) {
      typeIntoElement(d_, e, s.code, false, s.source);
      EXPECT_EQ(view(e), s.expected) << "after code " << s.code;
    }
  }
  int32_t d_ = 0;
};

TEST_F(TypingTest, CharactersAndCommands) {
  struct Case {
    const char* what;
    int16_t filter;
    int32_t rows;
    const char* text;
    int16_t caret;
    int32_t code;
    TVTLTypeSource source;
    bool shift;
    const char* expected;
    int16_t expectedCaret;
  };
  const Case cases[] = {
      {"a letter", ifAny, 20, "", 0, 'a', kChar, false, "a", 1},
      {"Shift gives the capital", ifAny, 20, "", 0, 'a', kChar, true, "A", 1},
      {"Shift on an umlaut", ifAny, 20, "", 0, uint8_t("ä"[0]), kChar, true, "Ä", 1},
      {"digits only: a letter", ifDigitsDefaultOne, 20, "12", 2, 'a', kChar, false, "12", 2},
      {"digits only: a digit", ifDigitsDefaultOne, 20, "12", 2, '3', kChar, false, "123", 3},
      {"digits: inside the text", ifDigits, 20, "12", 1, '5', kChar, false, "152", 2},
      {"file name: ?", ifFileName, 20, "ab", 2, '?', kChar, false, "ab", 2},
      {"file name: double quote", ifFileName, 20, "ab", 2, '"', kChar, false, "ab", 2},
      {"file name: backslash", ifFileName, 20, "ab", 2, '\\', kChar, false, "ab", 2},
      {"file name: -", ifFileName, 20, "ab", 2, '-', kChar, false, "ab-", 3},
      {"file name: space", ifFileName, 20, "ab", 1, ' ', kChar, false, "a b", 2},
      {"full at the maximum length", ifAny, 5, "abcde", 5, 'f', kChar, false, "abcde", 5},
      {"one below the maximum", ifAny, 5, "abcd", 4, 'f', kChar, false, "abcdf", 5},
      {"digits at the maximum", ifDigits, 3, "123", 1, '4', kChar, false, "123", 1},
      {"an unknown filter takes nothing", 9, 20, "ab", 2, 'c', kChar, false, "ab", 2},
      {"# is refused and the caret stays", ifAny, 20, "abc", 1, '#', kChar, false, "abc", 1},
      {"' is text, not Right", ifAny, 20, "abc", 1, '\'', kChar, false, "a'bc", 2},
      {"\" is text, not Delete", ifAny, 20, "abc", 1, '"', kChar, false, "a\"bc", 2},
      {"$ is text, not Home", ifAny, 20, "abc", 1, '$', kChar, false, "a$bc", 2},
      {"% is text, not Left", ifAny, 20, "abc", 1, '%', kChar, false, "a%bc", 2},
      {"Tab is no text", ifAny, 20, "abc", 1, 9, kChar, false, "abc", 1},
      {"Enter is no text", ifAny, 20, "abc", 1, 13, kChar, false, "abc", 1},
      {"Escape is no text", ifAny, 20, "abc", 1, 27, kChar, false, "abc", 1},
      {"DEL is no text", ifAny, 20, "abc", 1, 127, kChar, false, "abc", 1},
      {"Backspace", ifAny, 20, "abc", 2, 8, kChar, false, "ac", 1},
      {"Backspace at the start", ifAny, 20, "abc", 0, 8, kChar, false, "abc", 0},
      {"Delete", ifAny, 20, "abc", 1, 34, kKey, false, "ac", 1},
      {"Delete at the end", ifAny, 20, "abc", 3, 34, kKey, false, "abc", 3},
      {"Home", ifAny, 20, "abc", 2, 36, kKey, false, "abc", 0},
      {"End", ifAny, 20, "abc", 1, 35, kKey, false, "abc", 3},
      {"Left", ifAny, 20, "abc", 2, 37, kKey, false, "abc", 1},
      {"Left at the start", ifAny, 20, "abc", 0, 37, kKey, false, "abc", 0},
      {"Right", ifAny, 20, "abc", 1, 39, kKey, false, "abc", 2},
      {"Right at the end", ifAny, 20, "abc", 3, 39, kKey, false, "abc", 3},
      {"a key is no text", ifAny, 20, "abc", 1, 'X', kKey, false, "abc", 1},
      {"caret beyond the text: Backspace", ifAny, 20, "abc", 50, 8, kChar, false, "ab", 2},
      {"caret beyond the text: typing", ifAny, 20, "abc", 50, 'd', kChar, false, "abcd", 4},
      {"caret before the text: Delete", ifAny, 20, "abc", -3, 34, kKey, false, "bc", 0},
  };
  for (const Case& c : cases) {
    const int32_t e = editField(200, c.rows, c.filter, c.text, c.caret);
    log_.clear();
    typeIntoElement(d_, e, c.code, c.shift, c.source);
    EXPECT_EQ(getElementText(d_, e), c.expected) << c.what;
    EXPECT_EQ(elementOf(d_, e).SelIndex, c.expectedCaret) << c.what;
    EXPECT_EQ(log_, std::vector<std::string>{"-88:" + std::to_string(c.code)}) << c.what << ": reported once";
  }
}

TEST_F(TypingTest, OnlyTheFieldHoldingTheKeyboardTakesCharacters) {
  const int32_t e = editField(200, 20, ifAny, "abc", 3);
  elementOf(d_, e).focused = 0;
  typeIntoElement(d_, e, 'x', false, kChar);
  typeIntoElement(d_, e, 8, false, kChar);
  EXPECT_EQ(getElementText(d_, e), "abc");
  typeIntoElement(d_, e, 37, false, kKey);
  EXPECT_EQ(elementOf(d_, e).SelIndex, 2) << "editing keys still reach it";
  const int32_t button = addSimpleElement(ekButton, 10, 60, "OK");
  log_.clear();
  typeIntoElement(d_, button, 'x', false, kChar);
  EXPECT_EQ(getElementText(d_, button), "OK");
  EXPECT_EQ(log_, std::vector<std::string>{"-88:120"}) << "any element reports the code";
}

TEST_F(TypingTest, TheViewFollowsTheCaret) {
  // Width 65: dragMark 5, room for four characters of about one unit.
  const int32_t e = editField(65, 20, ifAny, "", 0);
  const TypingStep steps[] = {
      {'a', kChar, "caret 1, top 0, shown 1"}, {'b', kChar, "caret 2, top 0, shown 2"},
      {'c', kChar, "caret 3, top 0, shown 3"}, {'d', kChar, "caret 4, top 0, shown 4"},
      {'e', kChar, "caret 5, top 1, shown 4"}, {'f', kChar, "caret 6, top 2, shown 4"},
      {'g', kChar, "caret 7, top 3, shown 4"}, {36, kKey, "caret 0, top 0, shown 4"},
      {35, kKey, "caret 7, top 3, shown 4"},   {37, kKey, "caret 6, top 3, shown 4"},
      {37, kKey, "caret 5, top 3, shown 4"},   {37, kKey, "caret 4, top 3, shown 4"},
      {37, kKey, "caret 3, top 3, shown 4"},   {37, kKey, "caret 2, top 2, shown 4"},
      {8, kChar, "caret 1, top 1, shown 4"},   {39, kKey, "caret 2, top 1, shown 4"},
  };
  playSteps(e, steps);
  EXPECT_EQ(getElementText(d_, e), "acdefg");
}

TEST_F(TypingTest, AFieldTooNarrowForOneCharacterShowsNothing) {
  // Width 10: dragMark 0, the fit is below zero; the view must not search past the caret.
  const int32_t e = editField(10, 20, ifAny, "", 0);
  const TypingStep steps[] = {
      {'a', kChar, "caret 1, top 1, shown 0"},
      {'b', kChar, "caret 2, top 2, shown 0"},
      {36, kKey, "caret 0, top 0, shown 0"},
      {35, kKey, "caret 2, top 2, shown 0"},
  };
  playSteps(e, steps);
  for (int c = 0; c <= 255; ++c) fontSlots[2].widths[c] = 0;  // no font widths loaded
  typeIntoElement(d_, e, 'c', false, kChar);
  EXPECT_EQ(view(e), "caret 3, top 3, shown 0");
}

TEST_F(TypingTest, SettingTheTextWhileRunningSendsHome) {
  const int32_t e = editField(65, 20, ifAny, "", 0);
  vtl.engineState = esRunning;
  elementOf(d_, e).SelIndex = 3;
  elementOf(d_, e).TopIndex = 2;
  log_.clear();
  setElementText(d_, e, "hello world", 1);
  EXPECT_EQ(view(e), "caret 0, top 0, shown 4");
  EXPECT_EQ(log_, std::vector<std::string>{"-88:36"});
}

TEST_F(TypingTest, IndexesAreClampedToTheText) {
  struct Case {
    int32_t length;
    int16_t sel, top, shown;
    const char* expected;
  };
  const Case cases[] = {
      {5, 2, 1, 3, "caret 2, top 1, shown 3"},   {5, 9, 7, 9, "caret 5, top 5, shown 0"},
      {5, -1, -4, -2, "caret 0, top 0, shown 0"}, {5, 3, 2, 8, "caret 3, top 2, shown 3"},
      {0, 4, 4, 4, "caret 0, top 0, shown 0"},
  };
  for (const Case& c : cases) {
    const int32_t e = editField(200, 20, ifAny, "", 0);
    TVTLElement& el = elementOf(d_, e);
    el.SelIndex = c.sel;
    el.TopIndex = c.top;
    el.shownLength = c.shown;
    clampEditIndexes(el, c.length);
    EXPECT_EQ(view(e), c.expected) << "length " << c.length;
  }
}

TEST(GlyphIndexTest, SymbolFontCells) {
  struct Case {
    uint8_t c;
    int32_t expected;
  };
  const Case cases[] = {
      {'A', 33}, {' ', 0}, {13, 0}, {0, 0}, {'-', 108}, {'_', 119}, {233, 101}, {162, 97}, {128, 99},
      {196, 112}, {214, 113}, {220, 114}, {228, 115}, {246, 116}, {252, 117}, {223, 118}, {255, 223},
  };
  for (const Case& c : cases) EXPECT_EQ(glyphIndex(c.c), c.expected) << "character " << int(c.c);
}

}  // namespace
