// Look of the table (game lists and score sheets): a head row and rows of cells laid out in
// columns; "!" centres a cell, "^" raises it, the last row's totals sit on the bottom line,
// and a cell too long for its column continues in the rows below it, which stay empty there.
//
// [SECTION] cell layout
// [SECTION] drawing the cells
#include <set>
#include <utility>

#include "engine/element_looks.h"
#include "engine/elements.h"
#include "engine/fonts.h"
#include "engine/range_check.h"
#include "engine/skins.h"
#include "engine/string_container.h"
#include "engine/text_draw.h"
#include "engine/text_width.h"
#include "engine/window_shape.h"
#include "shell/game_dialogs.h"

namespace {

constexpr int32_t kColumnWidth = 68;       // units
constexpr int32_t kWideColumnWidth = 112;  // tables whose picture is -7
constexpr int16_t kWidePicture = -7;
constexpr int32_t kRowHeight = 24;
constexpr int32_t kScoreSheetWidth = 623;  // the score sheet: large head cells in font 0

// [SECTION] cell layout

struct TTableCell {
  int32_t number;  // running number: the entry shown
  int32_t row;     // 0 the head row
  int32_t col;     // 1..columns
};

// The cells in drawing order: the head row shows entries 1..columns, row r the entries from
// nearest(TopIndex * columns) + 1 on; rows beyond `rows` are left out.
std::vector<TTableCell> tableCells(const TVTLElement& el) {
  std::vector<TTableCell> cells;
  if (el.columns <= 0) return cells;
  const int32_t first = roundEven(double(el.TopIndex) * el.columns) + 1;
  for (int32_t k = first; k <= el.Stringscount; ++k) {
    const int32_t row = (k - first) / el.columns, col = (k - first) % el.columns + 1;
    if (row > el.rows) break;
    cells.push_back({row == 0 ? col : k, row, col});
  }
  return cells;
}

// [SECTION] drawing the cells

struct TTableDraw {
  TLookContext& c;
  int32_t colw;
  int32_t margin;  // dialog x + element x: the fitting's margin
  std::set<std::pair<int32_t, int32_t>> shadowed;  // (row, col) under a long cell
};

// The rest of a long cell continues k rows further down, first as a glow pass, then normally.
void planLongCell(TTableDraw& t, const TTableCell& cell, float x, std::string rest) {
  TLookContext& c = t.c;
  const TVTLElement& el = c.el;
  for (int32_t k = 1; !rest.empty() && cell.row + k <= el.rows; ++k) {
    if (rest[0] == '>') rest.erase(0, 1);
    const float y = c.place.y + float((cell.row - 1 + k) * kRowHeight + 11);
    TLookStep& glow = addText(c.plan, rest, c.place.look, el.textScale, x, y, el.pressDepth, 5, c.place.alpha);
    glow.rightEdge = el.width + 20;
    glow.cont = true;
    glow.margin = t.margin;
    TLookStep& normal = addText(c.plan, rest, c.place.look, el.textScale, x, y, el.pressDepth, 2, c.place.alpha);
    normal.rightEdge = el.width - 20;
    normal.cont = true;
    normal.margin = t.margin;
    t.shadowed.insert({cell.row + k, cell.col});
    std::string next;
    fitTextBlock(rest, el.textScale, x, y, el.width - 20, true, "", t.margin, next);
    rest = next;
  }
}

void planCell(TTableDraw& t, const TTableCell& cell) {
  TLookContext& c = t.c;
  const TElementPlace& p = c.place;
  const TVTLElement& el = c.el;
  const float af = aspectFactor();
  const double a = screenAspect;
  const int32_t columns = el.columns;
  std::string text = shownItem(p.dialog, p.element, cell.number);

  int32_t yoff = (cell.row - 1) * kRowHeight + 5;
  int32_t xoff = roundEven(5 / af) + (cell.col - 1) * t.colw - (columns == 1 ? 6 : 30);
  if (p.dialog == dlgGameList && dlgGameList != 0) xoff += 10 - roundEven(25 * af);
  adjustForGameKind(xoff, cell.col - 1);
  if (cell.number > el.Stringscount - columns + 1) yoff = el.height;  // the totals row

  const float ts = el.textScale;
  if (!text.empty() && text[0] == '!') {
    text.erase(0, 1);
    xoff += roundEven((t.colw - textWidth(text, false) * 11.5 * ts) / 2);
  }
  bool raised = false;
  if (!text.empty() && text[0] == '^') {
    text.erase(0, 1);
    raised = true;
    yoff -= 17;
    if (columns == 1) xoff -= 7;
  }
  if (cell.row > 0) yoff += 7;
  if (t.shadowed.count({cell.row, cell.col}) != 0) return;

  const float x = p.x + 8 + float(roundEven(xoff / a * 4 / 3)), y = p.y + float(yoff);
  if (raised && cell.number == 1 && columns > 1 && c.el.caption.view() != "highlight" &&
      el.savedWidth != kScoreSheetWidth &&
      textWidth(shownItem(p.dialog, p.element, 2), false) * 11.5f > 90)
    addText(c.plan, "|", p.look, ts, x + float(roundEven(textWidth(text, false) * 11.5 * ts / 2)), y, el.pressDepth,
            2, p.alpha);

  const int32_t shift = helpDialogShift();
  std::string rest;
  fitTextBlock(text, ts, x, y, shift + el.width - 15, false, "", t.margin, rest);

  const bool marked = !p.text3.empty() && el.picture == kWidePicture && p.text3.size() >= 2 && p.text3[1] >= '0' &&
                      p.text3[1] <= '9' && cell.row > 0 && (p.text3[1] - '0') - el.TopIndex <= cell.row;
  if (marked) {
    TLookStep& s = addText(c.plan, text, p.look, ts, x, y, el.pressDepth, 2, p.alpha / 2);
    s.rightEdge = shift + el.width - 20;
    s.margin = t.margin;
  } else if (!text.empty()) {
    std::string mask;
    if (!p.text3.empty() && cell.row > 0) mask = getItemString(p.dialog + 1000, p.element, cell.number);
    if (yoff <= 0 && el.savedWidth == kScoreSheetWidth) {
      const int32_t saved = currentFont;
      currentFont = 0;
      const std::string shown = p.text3.empty() ? fontEscape(0) + text + fontEscape(2) : text;
      TLookStep& s = addText(c.plan, shown, p.look, 1.2f * ts, x - 10, y + 10, el.pressDepth, 2, p.alpha);
      s.rightEdge = c.dialog.x + el.x + el.width - 20;
      s.mask = mask;
      s.margin = t.margin;
      currentFont = saved;
    } else {
      TLookStep& s = addText(c.plan, text, p.look, ts, x, y, el.pressDepth, 2, p.alpha);
      s.rightEdge = isBlackjackListOpen() ? 0 : shift + el.width - 15;
      s.mask = mask;
      s.margin = t.margin;
    }
  }
  planLongCell(t, cell, x, rest);
}

}  // namespace

void planTableLook(TLookContext& c) {
  const TElementPlace& p = c.place;
  const TVTLElement& el = c.el;
  addBackground(c.plan, 7, 12, 12, p.x, p.y - 1, float(el.width + 4 / (0.75 * screenAspect)), float(el.height + 5),
                p.alpha, 0, 0);
  TTableDraw t{c, el.picture == kWidePicture ? kWideColumnWidth : kColumnWidth, c.dialog.x + el.x, {}};
  for (const TTableCell& cell : tableCells(el)) planCell(t, cell);
}
