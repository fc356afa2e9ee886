// List, table, text-box and edit-field looks: which rows are drawn and barred, table cells with
// totals and long cells, the text box's pause, and the shown part of an edit field.
#include <gtest/gtest.h>

#include "engine/frame_rate.h"
#include "engine/string_container.h"
#include "engine/typing.h"
#include "tests/engine/looks_fixture.h"

namespace {

class ListTest : public LooksTest {
 protected:
  int32_t list(int32_t height, float textScale, int entries) {
    const int32_t e = addElement(ekListBox, 20, 20, "", 200, height, 0.0f, textScale);
    for (int i = 1; i <= entries; ++i) addItem(e, "Zeile " + std::to_string(i) + "|mehr", 0);
    return e;
  }
};

TEST_F(ListTest, RowsInsideTheHeightAndTheSelectionBar) {
  struct Case {
    int32_t height;
    float textScale;  // 0.9 or less gives rows of 19
    int16_t selIndex;
    size_t rows;
    bool bar;
  };
  const Case cases[] = {
      {96, 1.0f, 2, 3, true},    // 4 x 24 = 96 is not inside 96: three rows
      {97, 1.0f, 2, 4, true},
      {97, 0.8f, 2, 5, false},   // rows of 19 never show a selection bar
      {97, 1.0f, 0, 4, false},
  };
  for (const Case& c : cases) {
    const int32_t e = list(c.height, c.textScale, 9);
    elementOf(d_, e).SelIndex = c.selIndex;
    const TLookPlan p = plan(e);
    EXPECT_EQ(textsOf(p).size(), c.rows) << "height " << c.height << " scale " << c.textScale;
    EXPECT_EQ(pictureOf(p, -3) != nullptr, c.bar) << "height " << c.height << " scale " << c.textScale;
  }
}

TEST_F(ListTest, EntriesShowThePartBeforeTheBar) {
  const int32_t e = list(97, 1.0f, 2);
  EXPECT_EQ(textsOf(plan(e)), (std::vector<std::string>{"Zeile 1", "Zeile 2"}));
}

TEST_F(ListTest, NoRowsWithoutARowHeight) {
  for (int16_t rh : {int16_t(0), int16_t(-24)}) {
    const int32_t e = list(97, 1.0f, 9);
    elementOf(d_, e).rowHeight = rh;
    const TLookPlan p = plan(e);
    EXPECT_TRUE(textsOf(p).empty()) << "row height " << rh;
    EXPECT_EQ(stepsOf(p, lsBackground).size(), 1u) << "the background is still drawn";
  }
}

TEST_F(ListTest, ColumnsShowTheirFieldAndShortenTheFirstTwo) {
  const int32_t e = list(97, 1.0f, 0);
  addItem(e, "a|b|ein sehr langer dritter Text", 0);
  addItem(e, "abcdefghijklmnopqrstuvwxyz|x|y", 0);
  elementOf(d_, e).columns = 3;
  const std::vector<std::string> texts = textsOf(plan(e));
  ASSERT_EQ(texts.size(), 6u);
  EXPECT_EQ(texts[0], "a");
  EXPECT_EQ(texts[2], "ein sehr langer dritter Text") << "column 3 is fitted by the text primitive only";
  const std::string& cut = texts[3];
  EXPECT_EQ(cut.substr(cut.size() - 2), "..");
  EXPECT_LE(textWidth(cut, false), 15.0f);
  EXPECT_GT(textWidth(cut.substr(0, cut.size() - 2) + "x..", false), 15.0f) << "cut no further than needed";
}

// [SECTION] tables

class TableTest : public LooksTest {
 protected:
  // A table of `columns` columns, `rows` visible rows, its entries row by row.
  int32_t table(int32_t columns, int32_t rows, const std::vector<std::string>& entries) {
    const int32_t e = addElement(ekTable, 0, 0, "", 400, 24 * (rows + 1), float(columns), 1.0f);
    for (const std::string& s : entries) addItem(e, s, 0);
    elementOf(d_, e).rows = int16_t(rows);
    return e;
  }
  static const TLookStep* textStep(const TLookPlan& p, const std::string& text) {
    for (const TLookStep& s : p.steps)
      if (s.kind == lsText && s.text == text) return &s;
    return nullptr;
  }
};

TEST_F(TableTest, HeadRowRowsAndTotalsOnTheBottomLine) {
  const int32_t e = table(3, 5, {"Spiel", "Wert", "Summe", "a1", "a2", "a3", "b1", "b2", "b3", "S1", "S2", "S3"});
  const TLookPlan p = plan(e);
  const float Y = 50;  // the dialog's y
  struct Case {
    const char* cell;
    float y;
  };
  const Case cases[] = {
      {"Spiel", Y - 24 + 5},        // head row
      {"a1", Y + 5 + 7},            // rows below the head are 7 lower
      {"b3", Y + 24 + 5 + 7},
      {"S1", Y + 2 * 24 + 5 + 7},   // the last row's first cell stays in its row
      {"S2", Y + 24 * 6 + 7},       // the totals sit on the bottom line
      {"S3", Y + 24 * 6 + 7},
  };
  for (const Case& c : cases) {
    const TLookStep* s = textStep(p, c.cell);
    ASSERT_NE(s, nullptr) << c.cell;
    EXPECT_FLOAT_EQ(s->y, c.y) << c.cell;
  }
}

TEST_F(TableTest, ScrolledTableKeepsItsHeadRow) {
  const int32_t e = table(2, 1, {"K1", "K2", "a1", "a2", "b1", "b2", "c1", "c2"});
  elementOf(d_, e).TopIndex = 1;
  const std::vector<std::string> texts = textsOf(plan(e));
  EXPECT_EQ(texts, (std::vector<std::string>{"K1", "K2", "b1", "b2"})) << "rows beyond the visible ones stay out";
}

TEST_F(TableTest, CentredAndRaisedCells) {
  const int32_t e = table(2, 3, {"!K1", "^K2", "a1", "a2"});
  const TLookPlan p = plan(e);
  const TLookStep* centred = textStep(p, "K1");
  const TLookStep* raised = textStep(p, "K2");
  ASSERT_NE(centred, nullptr);
  ASSERT_NE(raised, nullptr);
  const float left = 100 + 8 + float(roundEven(5 - 30));
  EXPECT_FLOAT_EQ(centred->x, left + float(roundEven((68 - textWidth("K1", false) * 11.5) / 2)));
  EXPECT_FLOAT_EQ(raised->y, 50 - 24 + 5 - 17);
}

TEST_F(TableTest, LongCellContinuesBelowAndCoversTheCells) {
  const std::string longText = "eins zwei drei vier fuenf sechs sieben acht neun zehn";
  const int32_t e = table(2, 4, {"K1", "K2", longText, "x1", "y1", "y2", "z1", "z2", "w1", "w2"});
  const TLookPlan p = plan(e);
  EXPECT_EQ(textStep(p, "y1"), nullptr) << "the cell under the long cell stays empty";
  EXPECT_NE(textStep(p, "y2"), nullptr) << "the other column is not covered";
  EXPECT_NE(textStep(p, "x1"), nullptr);
  // The continuation: a glow pass and a normal pass in the row below, both continuing.
  int32_t passes = 0;
  for (const TLookStep& s : p.steps)
    if (s.kind == lsText && s.cont && s.y == 50 + 24 + 11) ++passes;
  EXPECT_EQ(passes, 2);
}

// [SECTION] scrolling text box

TEST_F(LooksTest, TextBoxPausesWhilePressed) {
  const int32_t e = addElement(ekTextBox, 20, 20, "", 300, 300, 1.0f, 1.0f);
  for (int i = 0; i < 20; ++i) addItem(e, "Zeile", 0);
  elementOf(d_, e).itemCount = 20;
  elementOf(d_, e).scrollOffset = 10;
  vtlInfo.fps = 50;
  plan(e);
  EXPECT_FLOAT_EQ(elementOf(d_, e).scrollOffset, 11) << "50 units per second at 50 frames";
  elementOf(d_, e).look = 2;
  plan(e);
  EXPECT_FLOAT_EQ(elementOf(d_, e).scrollOffset, 11) << "held by the pointer";
  elementOf(d_, e).look = 0;
  vtlInfo.fps = 0;
  plan(e);
  EXPECT_FLOAT_EQ(elementOf(d_, e).scrollOffset, 11) << "no frame rate measured yet";
}

// [SECTION] edit fields

TEST_F(LooksTest, EditViewShownPartAndMarks) {
  currentFont = 2;
  const float cw = textWidth("a", false) * 11.5f;  // one character, in units
  struct Case {
    const char* text;
    int32_t top, shownLength, savedWidth;
    const char* shown;
    int32_t topAfter;
    bool after, before;
  };
  const int32_t fits5 = int32_t(5 * cw + 18) + 1;  // room for five characters
  const Case cases[] = {
      {"abcdefgh", 0, 8, 1000, "abcdefgh", 0, false, false},
      {"abcdefgh", 0, 5, 1000, "abcde", 0, true, false},
      {"abcdefgh", 0, 8, fits5, "abcde", 0, true, false},   // cut to the width
      {"abcdefgh", 3, 5, 1000, "defgh", 3, false, true},    // scrolled: ".." before
      {"abc", 7, 5, 1000, "", 3, false, true},              // the text became shorter
      {"abcdefgh", 0, 8, 5, "", 0, true, false},            // a field too narrow for anything
  };
  for (const Case& c : cases) {
    const TEditView v = editView(c.text, c.top, c.shownLength, c.savedWidth);
    EXPECT_EQ(v.shown, c.shown) << c.text << " from " << c.top;
    EXPECT_EQ(v.topIndex, c.topAfter) << c.text << " from " << c.top;
    EXPECT_EQ(v.cutAfter, c.after) << c.text << " from " << c.top;
    EXPECT_EQ(v.cutBefore, c.before) << c.text << " from " << c.top;
  }
}

TEST_F(LooksTest, EditFieldWritesItsViewBackAndShowsTheCaret) {
  const int32_t e = addElement(ekEdit, 20, 20, "", 200, -1, 30.0f, 1.0f);
  setElementText(d_, e, "Spielername", 0);
  TVTLElement& el = elementOf(d_, e);
  el.savedWidth = 1000;
  el.shownLength = 40;
  el.TopIndex = 20;
  el.SelIndex = 30;
  el.focused = 1;
  vtl.caretOn = 1;
  const TLookPlan p = plan(e);
  EXPECT_EQ(el.TopIndex, 11) << "the view follows a shorter text";
  EXPECT_EQ(el.SelIndex, 11);
  EXPECT_NE(pictureOf(p, -4), nullptr) << "the caret";
  vtl.caretOn = 0;
  EXPECT_EQ(pictureOf(plan(e), -4), nullptr);
}

}  // namespace

namespace {

// Records the program never builds but files and callers can leave behind: every kind with
// zero sizes, counts and row heights, negative indexes and references to nothing is planned
// and drawn (headless) without a fault.
TEST_F(LooksTest, EveryKindSurvivesDegenerateRecords) {
  for (uint8_t kind = 0; kind <= 19; ++kind) {
    const int32_t e = addElement(kind, 10, 10, "ab cd", 100, 50, 0.0f, 1.0f);
    for (int32_t variant = 0; variant < 2; ++variant) {
      TVTLElement& el = elementOf(d_, e);
      el.width = variant == 0 ? 0 : -5;
      el.height = 0;
      el.rowHeight = int16_t(variant == 0 ? 0 : -3);
      el.columns = int16_t(variant == 0 ? 0 : 4);
      el.Stringscount = 0;
      el.itemCount = int16_t(variant == 0 ? 0 : 3);
      el.rows = 0;
      el.TopIndex = int16_t(variant == 0 ? -2 : 30000);
      el.SelIndex = -1;
      el.savedWidth = 0;
      el.controller = int16_t(variant == 0 ? 0 : 120);
      el.picture = int16_t(variant == 0 ? -3 : 3);
      el.look = int16_t(variant + 1);
      el.focused = 1;
      TLookPlan p;
      planElementLook(placeOf(e, el.look), p);
      drawElementLook(placeOf(e, el.look));
      if (kind == ekLabel) {
        EXPECT_EQ(el.height, 1) << "variant " << variant;
      }
    }
  }
}

}  // namespace
