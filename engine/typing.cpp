// Typing into edit fields: the editing commands, the input filters and the length limit, and
// the view that follows the caret.
#include "engine/typing.h"

#include <string>
#include <string_view>

#include "engine/dialogs.h"
#include "engine/elements.h"
#include "engine/engine_events.h"
#include "engine/fonts.h"
#include "engine/range_check.h"
#include "engine/text_width.h"
#include "platform/codepage.h"
#include "platform/window_keys.h"

namespace {
// Editing commands are their keys' codes (Delete arrives as kDeleteCommand); 0 inserts.
constexpr int32_t ecNone = 0, ecBackspace = kVkBack, ecDelete = kDeleteCommand, ecEnd = kVkEnd,
                  ecHome = kVkHome, ecLeft = kVkLeft, ecRight = kVkRight;

constexpr int kMeasureFont = 2;           // edit fields measure in font slot 2
constexpr float kFitMargin = 0.6347826f;  // the shown text stays this much narrower than dragMark
constexpr std::string_view kNotInFileNames = "*/:<>?\\|\"";  // refused by filter 3
constexpr uint8_t kTextEndMark = '#';     // drawn text ends at it, so it is never typed in

int32_t commandOf(int32_t code, TVTLTypeSource source) {
  if (source == TVTLTypeSource::character) return code == ecBackspace ? ecBackspace : ecNone;
  switch (code) {
    case ecBackspace: case ecDelete: case ecEnd: case ecHome: case ecLeft: case ecRight:
      return code;
    default:
      return -1;  // a key without an editing command
  }
}

bool insertAllowed(const TVTLElement& el, uint8_t c, size_t length) {
  if (c < 32 || c == 127 || c == kTextEndMark) return false;
  if (int64_t(length) >= el.rows) return false;
  switch (el.picture) {
    case ifAny: return true;
    case ifDigitsDefaultOne: case ifDigits: return c >= '0' && c <= '9';
    case ifFileName: return kNotInFileNames.find(char(c)) == std::string_view::npos;
    default: return false;
  }
}

// W(s, n): the width of n characters of the text from position s (1-based; a position below 1
// counts as 1), without aspect correction.
float widthFrom(const std::string& text, int32_t s, int32_t n) {
  const size_t from = size_t(s < 1 ? 0 : s - 1);
  if (n <= 0 || from >= text.size()) return 0.0f;
  return textWidth(std::string_view(text).substr(from, size_t(n)), false);
}

// The view follows the caret: TopIndex moves until the text up to the caret fits the field,
// and shownLength counts the characters that fit from there. A field too narrow for one
// character (fit below 0) scrolls to the caret and shows nothing.
void followCaret(TVTLElement& el, const std::string& text, int32_t caret) {
  const float fit = float(el.dragMark) - kFitMargin;
  int32_t top = el.TopIndex;
  if (caret < top) top -= 1;
  if (widthFrom(text, top, caret - top) > fit) {
    top = 0;
    while (top < caret && !(widthFrom(text, top, caret - top) < fit)) ++top;
  }
  int32_t shown = int32_t(text.size());
  while (shown > 0 && widthFrom(text, top, shown) > fit) --shown;
  el.SelIndex = toInt16(caret, "edit field caret");
  el.TopIndex = toInt16(top, "edit field view");
  el.shownLength = toInt16(shown, "edit field shown length");
}

void editField(int32_t d, int32_t e, int32_t code, bool shift, TVTLTypeSource source) {
  TVTLElement& el = elementOf(d, e);
  std::string text = getElementText(d, e);
  clampEditIndexes(el, int32_t(text.size()));
  const int32_t length = int32_t(text.size());
  int32_t caret = el.SelIndex;
  switch (commandOf(code, source)) {
    case ecHome:
      caret = 0;
      el.TopIndex = 0;
      break;
    case ecEnd:
      caret = length;
      break;
    case ecDelete:
      if (length > caret) {
        text.erase(size_t(caret), 1);
        setElementText(d, e, text, 0);
      }
      break;
    case ecBackspace:
      if (caret > 0) {
        text.erase(size_t(caret - 1), 1);
        setElementText(d, e, text, 0);
        caret--;
        if (el.TopIndex > 0) el.TopIndex--;
      }
      break;
    case ecLeft:
      if (caret > 0) caret--;
      break;
    case ecRight:
      if (length > caret) caret++;
      break;
    case ecNone: {
      if (code < 0 || code > 255) break;
      const uint8_t c = shift ? cp1252Upper(uint8_t(code)) : uint8_t(code);
      if (!insertAllowed(el, c, text.size())) break;
      text.insert(size_t(caret), 1, char(c));
      setElementText(d, e, text, 0);
      caret++;
      break;
    }
    default:
      break;
  }
  followCaret(el, text, caret);
}
}  // namespace

void typeIntoElement(int32_t d, int32_t e, int32_t code, bool shift, TVTLTypeSource source) {
  currentFont = kMeasureFont;
  const TVTLElement& el = elementOf(d, e);
  // A typed character edits only the field that holds the keyboard; commands reach it always.
  if (el.kind == ekEdit && (source == TVTLTypeSource::key || el.focused)) editField(d, e, code, shift, source);
  sendEngineEvent(evCharTyped, code);
}

void typeEditKey(int32_t d, int32_t e, int32_t code, bool shift) {
  typeIntoElement(d, e, code, shift, TVTLTypeSource::key);
}

void clampEditIndexes(TVTLElement& el, int32_t length) {
  if (length < 0) length = 0;
  auto clamp = [](int16_t& field, int32_t high) {
    if (field < 0) field = 0;
    if (field > high) field = int16_t(high < INT16_MAX ? high : INT16_MAX);
  };
  clamp(el.SelIndex, length);
  clamp(el.TopIndex, length);
  clamp(el.shownLength, length - el.TopIndex);
}
