// Element states, texts and items.
// [SECTION] flags and numbers
// [SECTION] long texts
// [SECTION] items
// [SECTION] tree and pages
#include "engine/elements.h"

#include "engine/dialogs.h"
#include "engine/engine_form.h"
#include "engine/fonts.h"
#include "engine/range_check.h"
#include "engine/string_container.h"
#include "engine/text_width.h"
#include "engine/typing.h"

TVTLTypeIntoFn typeIntoElementHook = typeEditKey;

namespace {
constexpr size_t kChunk = kContainerStringMax;  // characters per "@scon" chunk
constexpr size_t kMarkLength = 20;              // "_vtl-stringcontainer" begins every invalid answer
constexpr int kMaxCaptionChunks = 6;            // getElementText reads items 0..5
constexpr int kMaxTreeDepth = kMaxElements;     // deeper only through a cycle in the children
// Visits of one walk down the children: a tree has at most 137 descendants; child lists that
// share or repeat elements (a damaged record) could otherwise multiply the walk without end.
constexpr int kMaxTreeVisits = kMaxElements * kMaxChildren;
constexpr int kHomeKey = 36;

bool isEndMark(const std::string& s) {
  return s.compare(0, kMarkLength, std::string_view(kInvalidConpointer).substr(0, kMarkLength)) == 0;
}

std::string orZero(std::string s, bool zero) { return zero && s.empty() ? std::string("0") : s; }

// Clamps a selector's index field to 0..Stringscount and writes it back.
int16_t clampedSelectorIndex(TVTLElement& el, int16_t& field) {
  if (el.kind == ekSelector) {
    if (field > el.Stringscount) field = el.Stringscount;
    if (field < 0) field = 0;
  }
  return field;
}
}  // namespace

// [SECTION] flags and numbers

uint8_t getElementChecked(int32_t d, int32_t e) { return elementOf(d, e).checked; }

uint8_t readElementChecked(int32_t d, int32_t e, uint8_t& out) {
  out = elementOf(d, e).checked;
  return out;
}

void setElementChecked(int32_t d, int32_t e, uint8_t value) { elementOf(d, e).checked = value; }

uint8_t getElementEnabled(int32_t d, int32_t e) { return elementOf(d, e).enabled; }

void setElementEnabled(int32_t d, int32_t e, uint8_t value) { elementOf(d, e).enabled = value; }

void setElementVisible(int32_t d, int32_t e, uint8_t value) { elementOf(d, e).visible = value; }

void setElementShown(int32_t d, int32_t e, uint8_t value) {
  TVTLElement& el = elementOf(d, e);
  el.visible = value;
  el.showAnim.shown = value;
  el.showAnim.target = value;
  // At once means no fade is left running either: a shown element is drawn fully opaque even
  // when its last animation had faded it out.
  el.showAnim.state = 0;
  el.showAnim.progress = value != 0 ? 1.0f : 0.0f;
}

bool isElementVisible(int32_t d, int32_t e) {
  const TVTLElement& el = elementOf(d, e);
  return el.visible != 0 || isShownOrAnimating(el.showAnim);
}

float getElementFade(int32_t d, int32_t e) { return elementOf(d, e).showAnim.progress; }

int32_t getSelIndex(int32_t d, int32_t e) {
  TVTLElement& el = elementOf(d, e);
  return clampedSelectorIndex(el, el.SelIndex);
}

int32_t getTopIndex(int32_t d, int32_t e) {
  TVTLElement& el = elementOf(d, e);
  return clampedSelectorIndex(el, el.TopIndex);
}

void setSelIndex(int32_t d, int32_t e, int32_t value) { elementOf(d, e).SelIndex = toInt16(value, "setSelIndex"); }

void setTopIndex(int32_t d, int32_t e, int32_t value) { elementOf(d, e).TopIndex = toInt16(value, "setTopIndex"); }

void setElementPicture(int32_t d, int32_t e, int32_t value) {
  elementOf(d, e).picture = toInt16(value, "setElementPicture");
}

// [SECTION] long texts

namespace {
// Stores a long text in chunks as items first, first + 1, ...; returns the next item index.
int32_t storeChunks(int32_t d, int32_t e, std::string_view text, int32_t first) {
  int32_t i = first;
  while (!text.empty()) {
    setItemString(text.substr(0, kChunk), d, e, i);
    text.remove_prefix(text.size() < kChunk ? text.size() : kChunk);
    ++i;
  }
  return i;
}

// Items first, first + 1, ... up to the end mark, at most `limit` of them (0: no limit; the
// element's block ends the walk in any case, as its answer then is the invalid-index text).
std::string readChunks(int32_t d, int32_t e, int32_t first, int limit) {
  std::string out;
  for (int32_t i = first, n = 0; limit == 0 || n < limit; ++i, ++n) {
    std::string s = getItemString(d, e, i);
    if (isEndMark(s)) break;
    out += s;
  }
  return out;
}

// A short text into the record field, a long one as "@scon" and chunks from item 1.
void setSecondaryText(int32_t d, int32_t e, ShortString<26> TVTLElement::*field, std::string_view text) {
  TVTLElement& el = elementOf(d, e);
  if (text.size() <= size_t(kRecordTextMax)) {
    (el.*field).assign(text);
    return;
  }
  (el.*field).assign(kLongTextMark);
  storeChunks(d, e, text, 1);
}

std::string getSecondaryText(int32_t d, int32_t e, ShortString<26> TVTLElement::*field) {
  const TVTLElement& el = elementOf(d, e);
  if ((el.*field).view() != kLongTextMark) return (el.*field).str();
  return readChunks(d, e, 1, 0);
}

// W(s, n) of the view-following: the width of n characters from position s (1-based; a
// position below 1 counts as 1), without aspect correction.
float widthFrom(const std::string& text, int32_t s, int32_t n) {
  size_t from = size_t(s < 1 ? 0 : s - 1);
  if (from >= text.size() || n <= 0) return 0.0f;
  return textWidth(std::string_view(text).substr(from, size_t(n)), false);
}

// The Home command on an edit field: caret and view to the start, the shown length fitted.
void applyEditHome(int32_t d, int32_t e) {
  currentFont = 2;
  TVTLElement& el = elementOf(d, e);
  el.SelIndex = 0;
  el.TopIndex = 0;
  const std::string text = getElementText(d, e);
  const float fit = float(el.dragMark) - 0.6347826f;
  int32_t shown = int32_t(text.size());
  while (shown > 0 && widthFrom(text, el.TopIndex, shown) > fit) --shown;
  el.shownLength = toInt16(shown, "edit field shown length");
}
}  // namespace

void setElementText(int32_t dialog, int32_t element, std::string_view text, int32_t flag) {
  TVTLElement& el = elementOf(dialog, element);
  if (text.size() <= size_t(kRecordTextMax)) {
    el.caption.assign(text);
  } else {
    if (el.itemSlots < 4) {
      el.itemSlots = 4;
      el.handleBase = reserveStringHandles(4);
    }
    el.caption.assign(kLongTextMark);
    int32_t next = storeChunks(dialog, element, text, 0);
    setItemString(kInvalidConpointer, dialog, element, next);
  }
  if (flag != 1 || el.kind != ekEdit) return;
  el.shownLength = toInt16(int64_t(text.size()), "setElementText shown length");
  if (vtl.engineState != esRunning) return;
  if (typeIntoElementHook)
    typeIntoElementHook(dialog, element, kHomeKey, false);
  else
    applyEditHome(dialog, element);
}

std::string getElementText(int32_t dialog, int32_t element) {
  const TVTLElement& el = elementOf(dialog, element);
  if (el.caption.view() != kLongTextMark) return el.caption.str();
  return readChunks(dialog, element, 0, kMaxCaptionChunks);
}

std::string getElementTextOrZero(int32_t d, int32_t e, bool zero) { return orZero(getElementText(d, e), zero); }

void setElementHelpText(int32_t d, int32_t e, std::string_view text) {
  setSecondaryText(d, e, &TVTLElement::helpText, text);
}

void setElementHelpTextSlot(int32_t d, int32_t e, std::string_view text, int32_t slot) {
  setElementHelpText(d, e, text);
  if (slot <= 0) return;
  if (slot > 25) throw ERangeError("setElementHelpTextSlot: help slot " + std::to_string(slot) + " above 25");
  vtl.helpSlots[slot].element = d * 1000 + e;
  elementOf(d, e).rowHeight = int16_t(slot);
}

std::string getElementHelpText(int32_t d, int32_t e) { return getSecondaryText(d, e, &TVTLElement::helpText); }

std::string getElementHelpTextOrZero(int32_t d, int32_t e, bool zero) {
  return orZero(getElementHelpText(d, e), zero);
}

void setElementText3(int32_t d, int32_t e, std::string_view text) { setSecondaryText(d, e, &TVTLElement::text3, text); }

std::string getElementText3(int32_t d, int32_t e) { return getSecondaryText(d, e, &TVTLElement::text3); }

std::string getElementText3OrZero(int32_t d, int32_t e, bool zero) { return orZero(getElementText3(d, e), zero); }

std::string getTopItem(int32_t d, int32_t e) { return getItemString(d, e, getTopIndex(d, e)); }

std::string getTopItemOrZero(int32_t d, int32_t e, bool zero) { return orZero(getTopItem(d, e), zero); }

std::string getItem(int32_t d, int32_t e, int32_t index) {
  std::string s = getItemString(d, e, index);
  return s == kInvalidConpointer ? std::string() : s;
}

// [SECTION] items

namespace {
void updateItemCount(TVTLElement& el) {
  if (el.kind != ekTable) {
    el.itemCount = el.Stringscount;
    return;
  }
  if (el.columns < 1) throw ERangeError("addItem: a table needs at least one column");
  el.itemCount = int16_t(el.Stringscount / el.columns - 2);
}
}  // namespace

void addItem(int32_t element, std::string_view text, int32_t where) {
  const int32_t d = vtl.buildDialog;
  TVTLElement& el = elementOf(d, element);
  if (where == -1) {
    el.Stringscount = toInt16(el.Stringscount + 1, "addItem count");
    for (int32_t k = el.Stringscount; k >= 1; --k) setItemString(getItemString(d, element, k - 1), d, element, k);
    setItemString(text, d, element, 1);
    el.itemCount = el.Stringscount;
    return;
  }
  if (where == 0) {
    el.Stringscount = toInt16(el.Stringscount + 1, "addItem count");
    setItemString(text, d, element, el.Stringscount);
  } else if (where > 0) {
    setItemString(text, d + 1000, element, where);
  } else {
    setItemString(text, d, element, el.Stringscount);
  }
  updateItemCount(el);
}

void clearItems(int32_t d, int32_t e, bool all) {
  TVTLElement& el = elementOf(d, e);
  if (all) {
    el.TopIndex = el.SelIndex = el.dragMark = 0;
    if (el.kind == ekListBox) {
      for (int i = 1; i <= el.childCount; ++i) {
        TVTLElement& c = elementOf(d, el.children[i]);
        c.TopIndex = c.SelIndex = c.dragMark = 0;
      }
    }
  }
  el.itemCount = 0;
  el.Stringscount = 0;
}

std::string fieldAfterBars(std::string_view text, int32_t n) {
  if (n <= 0) return std::string(text);
  for (int32_t i = 1; i < n; ++i) {
    size_t bar = text.find('|');
    if (bar == std::string_view::npos) break;
    text.remove_prefix(bar + 1);
  }
  return std::string(text.substr(0, text.find('|')));
}

// [SECTION] tree and pages

namespace {
TVTLElement& childOf(int32_t d, const TVTLElement& parent, int i) {
  int32_t c = parent.children[i];
  if (c <= 0) throw ERangeError("child number " + std::to_string(c) + " out of range");
  return elementOf(d, c);
}

void enableChildren(int32_t d, int32_t e, uint8_t value, int depth, int& visits) {
  if (depth > kMaxTreeDepth) return;
  const TVTLElement& el = elementOf(d, e);
  for (int i = 1; i <= el.childCount && visits < kMaxTreeVisits; ++i, ++visits) {
    TVTLElement& c = childOf(d, el, i);
    c.enabled = value;
    if (c.childCount <= 0) continue;
    uint8_t v = c.kind == ekCheckBox && !c.checked ? 0 : value;
    enableChildren(d, el.children[i], v, depth + 1, visits);
  }
}

void showChildren(int32_t d, int32_t e, uint8_t value, int depth, int& visits) {
  if (depth > kMaxTreeDepth) return;
  const TVTLElement& el = elementOf(d, e);
  for (int i = 1; i <= el.childCount && visits < kMaxTreeVisits; ++i, ++visits) {
    TVTLElement& c = childOf(d, el, i);
    c.visible = value;
    if (c.childCount > 0) showChildren(d, el.children[i], 0, depth + 1, visits);
  }
}
}  // namespace

void setChildrenEnabled(int32_t d, int32_t e, uint8_t value) {
  int visits = 0;
  enableChildren(d, e, value, 0, visits);
}

void setChildrenVisible(int32_t d, int32_t e, uint8_t value) {
  int visits = 0;
  showChildren(d, e, value, 0, visits);
}

void selectPage(int32_t d, int32_t e, int32_t page) {
  TVTLElement& group = elementOf(d, e);
  group.page = toInt16(page, "selectPage");
  if (group.kind != ekPageGroup) return;
  for (int i = 1; i <= group.childCount; ++i) {
    TVTLElement& c = childOf(d, group, i);
    if (c.page == 0) continue;
    const int32_t cn = group.children[i];
    const uint8_t on = c.page == page ? 1 : 0;
    setElementVisible(d, cn, on);
    setChildrenVisible(d, cn, on);
    const TVTLElement& controller = elementOf(d, c.controller);
    if (controller.kind == ekCheckBox) setChildrenEnabled(d, cn, controller.checked);
  }
}
