// Message boxes: the modal box and its wait, boxes by number, the notice dialog, text dialogs.
// [SECTION] state
// [SECTION] building the dialogs
// [SECTION] line breaking
// [SECTION] filling the box
// [SECTION] waiting
// [SECTION] boxes of the message table
// [SECTION] button actions
// [SECTION] notice and text dialogs
// [SECTION] alerts
#include "engine/message_box.h"

#include <vector>

#include "engine/dialogs.h"
#include "engine/elements.h"
#include "engine/engine_form.h"
#include "engine/fonts.h"
#include "engine/modal_wait.h"
#include "engine/range_check.h"
#include "engine/relayout.h"
#include "engine/text_width.h"
#include "engine/texts.h"
#include "platform/alert.h"
#include "platform/paths.h"
#include "platform/window.h"
#include "shell/shell_globals.h"

// [SECTION] state

namespace {

constexpr char kCR = '\r';
constexpr char kBreakMark = '@';
constexpr int kMeasureFont = 2;       // the font the measured wrap measures in
constexpr int kLongWordReach = 64;    // how far the measured wrap looks back for a blank
constexpr size_t kCaptionMax = 26;    // button captions are cut to the element record's text
constexpr int kNoticeCharsPerLine = 47;

// Where the box and its OK button stand, in 4:3 layout units.
struct BoxPlacement {
  int32_t boxX, boxWidth, okX;
};
constexpr BoxPlacement kStandardPlacement{100, 600, 225};
constexpr BoxPlacement kSidePlacement{370, 420, 125};

// What one showMessage asked for; kept so that its box can be shown again after a box opened
// during its wait has been answered.
struct BoxRequest {
  std::string text;  // already broken into lines
  std::string caption;
  int32_t buttons;
  std::string okCaption;
  int32_t layout;
  bool keepStack;
  int32_t lines;
};

// One waiting showMessage. Presses go to the innermost wait.
struct BoxWait {
  BoxRequest request;
  std::string title;     // the title label as this box showed it
  int32_t answer = 0;    // written by a press of one of the box's buttons
  bool pressed = false;
};

std::vector<BoxWait*> boxWaits;  // innermost last; entries live on showMessage's stack

bool isSideLayout(int32_t layout) { return layout >= kBoxLayoutSide; }

std::string withMark(std::string_view caption) {
  std::string s = "!" + std::string(caption);
  return s.substr(0, kCaptionMax);
}

}  // namespace

// [SECTION] building the dialogs

void createMessageDialogs() {
  const std::string file = programFileName();
  vtl.noticeDialog = createDialog(100, 200, 600, 190, true, lookupText("f_errorin") + " " + file, true, 0, 1.0f);
  vtl.noticeTextElement = addElement(ekLabel, 20, 45, lookupText("f_unknownerror"), 47, 2, 0.0f, 1.0f);
  vtl.noticeOkButton = addElement(ekButton, 240, 140, "!OK", 120, 32, 0.0f, 1.0f);

  vtl.boxDialog = createDialog(100, 200, 600, 190, true, file, false, 10, 1.8f);
  vtl.boxTextElement = addElement(ekLabel, 20, 60, "Messagetext", 77, 2, 0.0f, 1.0f);
}

void addMessageBoxButtons(int16_t buttonPicture) {
  setCurrentDialog(vtl.boxDialog);
  struct Button {
    const char* caption;
    int32_t x;
    int32_t* field;
  } const buttons[] = {
      {"!Center", 215, &vtl.boxOkButton}, {"!Left", 175, &vtl.boxYesButton}, {"!Right", 355, &vtl.boxNoButton}};
  for (const Button& b : buttons) {
    *b.field = addElement(ekPicture, b.x, 135, b.caption, 120, 40, 0.0f, 1.3f);
    elementOf(vtl.boxDialog, *b.field).picture = buttonPicture;
  }
}

// [SECTION] line breaking

int32_t boxCountLines(std::string_view text, int32_t width) {
  const double limit = (width + 5) / 1.22;
  const size_t n = text.size();
  int32_t lines = 0;
  int32_t column = 0;
  for (size_t i = 1; i <= n; i++) {
    column++;
    if (column > limit) {
      column = 0;
      lines++;
    }
    if (text[i - 1] == kCR && i != 1 && i + 1 < n) {  // not the first, nor one of the last two
      column = 0;
      lines++;
    }
  }
  return lines;
}

std::string boxBreakLines(std::string_view source, int32_t width, int32_t& lines) {
  std::string text(source);
  const size_t n = text.size();
  const int savedFont = currentFont;
  currentFont = kMeasureFont;
  float run = 0.0f;
  for (size_t i = 1; i <= n; i++) {
    run += textWidth(text.substr(i - 1, 1), false) * 2;
    if (run > width - 5) {
      size_t j = i > 1 ? i - 1 : 1;
      while (j > 1 && text[j - 1] != ' ' && i - j <= size_t(kLongWordReach)) j--;
      text[j - 1] = kBreakMark;
      run = 0.0f;
    }
    if (text[i - 1] == kCR && i != 1 && i != n) run = 0.0f;
  }
  currentFont = savedFont;
  lines = 0;
  for (size_t i = 1; i <= n; i++) {
    if (text[i - 1] == kBreakMark) text[i - 1] = kCR;
    if (text[i - 1] == kCR && i != 1 && i != n) lines++;
  }
  return text;
}

// [SECTION] filling the box

namespace {

struct BoxGeometry {
  int32_t height, y, buttonY;
};

// Box height, top and button row for the line count (y grows downward).
BoxGeometry boxGeometry(int32_t layout, int32_t buttons, int32_t lines) {
  const double l = lines;
  BoxGeometry g{};
  if (layout == 100 || layout == 101) {
    g.height = roundEven(l * 22 * 1.22 + 120);
    g.y = 600 - g.height;
    g.buttonY = roundEven(l * 22 * 1.22 - 38) + 95;
  } else if (layout == kBoxLayoutResultMeld) {
    g.height = roundEven(l * 18.5 * 1.22 + 20) + 150;
    g.y = 600 - g.height;
    g.buttonY = roundEven(l * 18.5 * 1.22 + 105);
  } else if (buttons == kBoxOkLow) {
    g.height = roundEven(l * 22 * 1.22 + 150);
    g.y = 450 - roundEven(l * 11 * 1.22);
    g.buttonY = roundEven(l * 22 * 1.22 + 95) + 2;
  } else {
    g.height = roundEven(l * 22 * 1.22 + 30) + 150;
    g.y = 210 - roundEven(l * 11 * 1.22);
    g.buttonY = roundEven(l * 22 * 1.22 + 115);
  }
  return g;
}

void placeBox(const BoxRequest& r) {
  TVTLDialog& box = dialogOf(vtl.boxDialog);
  const BoxPlacement& p = (r.layout == 100 || r.layout == 101) ? kSidePlacement : kStandardPlacement;
  box.savedX = p.boxX;
  box.savedWidth = p.boxWidth;
  elementOf(vtl.boxDialog, vtl.boxOkButton).savedX = p.okX;

  TVTLElement& text = elementOf(vtl.boxDialog, vtl.boxTextElement);
  if (isSideLayout(r.layout)) {
    text.y = 23;
    text.savedX = 10;
    text.savedWidth = 48;
  } else {
    text.savedX = 20;
    text.savedWidth = roundEven(92 / vtl.textFactor);
    text.y = r.buttons == kBoxOkLow ? 50 : 60;
  }
  const BoxGeometry g = boxGeometry(r.layout, r.buttons, r.lines);
  box.height = toInt16(g.height, "showMessage height");
  box.y = toInt16(g.y, "showMessage y");
  for (int32_t b = vtl.boxOkButton; b <= vtl.boxNoButton; b++)
    elementOf(vtl.boxDialog, b).y = toInt16(g.buttonY, "showMessage button y");
  if ((r.layout == 100 || r.layout == 101) && r.lines <= 1) text.y = 15;
}

void setBoxButtons(int32_t buttons, const std::string& okCaption) {
  const int32_t d = vtl.boxDialog;
  elementOf(d, vtl.boxNoButton).textScale = elementOf(d, vtl.boxYesButton).textScale;
  switch (buttons) {
    case kBoxOk:
    case kBoxOkLow:
    case kBoxOkFixed:
      setElementVisible(d, vtl.boxYesButton, 0);
      setElementVisible(d, vtl.boxNoButton, 0);
      setElementVisible(d, vtl.boxOkButton, 1);
      setElementText(d, vtl.boxOkButton,
                     buttons != kBoxOkFixed && !okCaption.empty() ? okCaption.substr(0, kCaptionMax)
                                                                  : withMark(lookupText("f_dialog_ok")),
                     0);
      vtl.boxOkAnswer = kBoxAnswerOk;
      break;
    case kBoxYesNo:
      setElementVisible(d, vtl.boxYesButton, 1);
      setElementText(d, vtl.boxYesButton, withMark(lookupText("f_dialog_ja")), 0);
      vtl.boxYesAnswer = kBoxAnswerYes;
      setElementVisible(d, vtl.boxNoButton, 1);
      setElementText(d, vtl.boxNoButton, withMark(lookupText("f_dialog_nein")), 0);
      vtl.boxNoAnswer = kBoxAnswerNo;
      setElementVisible(d, vtl.boxOkButton, 0);
      break;
    default:
      break;  // the buttons stay as the previous box set them
  }
}

// Fills the box for a request and opens it. Returns the title the box now shows.
std::string showBox(const BoxRequest& r) {
  placeBox(r);
  setBoxButtons(r.buttons, r.okCaption);
  relayoutDialogs(false, vtl.boxDialog, false);
  if (!r.caption.empty()) setElementText(vtl.boxDialog, 1, r.caption, 0);
  if (isSideLayout(r.layout)) setElementText(vtl.boxDialog, 1, "", 0);
  setElementText(vtl.boxDialog, vtl.boxTextElement, r.text, 0);
  if (r.keepStack)
    setDialogOpen(vtl.boxDialog, 1);
  else
    openDialog(vtl.boxDialog);
  return getElementText(vtl.boxDialog, 1);
}

BoxRequest makeRequest(std::string_view text, std::string_view caption, int32_t buttons,
                       std::string_view okCaption, int32_t layout, bool keepStack) {
  if (layout < kBoxLayoutSide && layout != kBoxLayoutResultMeld && layout != kBoxLayoutResult)
    layout = kBoxLayoutStandard;
  BoxRequest r{std::string(text), std::string(caption), buttons, std::string(okCaption), layout, keepStack, 0};
  // The width the text is broken or counted for is the text element's 4:3 width.
  const int32_t width = isSideLayout(layout) ? 48 : roundEven(92 / vtl.textFactor);
  if (layout == kBoxLayoutResultMeld || layout == kBoxLayoutResult)
    r.text = boxBreakLines(text, width, r.lines);
  else
    r.lines = boxCountLines(text, width);
  return r;
}

}  // namespace

// [SECTION] waiting

namespace {

bool boxOpen() { return vtl.diags.valid(vtl.boxDialog) && vtl.diags[vtl.boxDialog].open != 0; }

enum class WaitEnd { boxClosed, waitCleared, terminating, noFrameStep };

// Runs nested frame steps until the box closes, modalWait is cleared or the engine ends.
WaitEnd waitForBox() {
  if (!hasNestedFrameStep()) return WaitEnd::noFrameStep;  // nothing could ever answer
  for (;;) {
    nestedFrameStep();
    if (!vtl.modalWait) return WaitEnd::waitCleared;
    if (vtl.engineState == esTerminating) return WaitEnd::terminating;
    if (!boxOpen()) return WaitEnd::boxClosed;
  }
}

}  // namespace

int32_t showMessage(std::string_view text, std::string_view caption, int32_t buttons,
                    std::string_view okCaption, int32_t layout, bool keepStack) {
  if (vtl.boxDialog < 1 || vtl.boxOkButton < 1) {
    winMessageBox(std::string(caption), std::string(text));
    return kBoxAnswerOk;
  }
  BoxWait wait;
  wait.request = makeRequest(text, caption, buttons, okCaption, layout, keepStack);
  vtl.boxAnswer = 0;
  wait.title = showBox(wait.request);

  const bool outerWaiting = vtl.modalWait;
  boxWaits.push_back(&wait);
  vtl.modalWait = true;
  WaitEnd end;
  try {
    end = waitForBox();
  } catch (...) {
    // A frame step that raised: the entry must not outlive this call, or a later press or a
    // later box would reach the dead wait.
    boxWaits.pop_back();
    vtl.modalWait = outerWaiting;
    throw;
  }
  boxWaits.pop_back();

  // A box that waited below this one gets the dialog back and waits on, unless the wait was
  // ended for all (modalWait cleared from outside, or the engine terminating).
  const bool endsAll = end == WaitEnd::waitCleared || end == WaitEnd::terminating;
  vtl.modalWait = outerWaiting && !endsAll;
  if (!boxWaits.empty() && !endsAll && end == WaitEnd::boxClosed) {
    BoxWait& outer = *boxWaits.back();
    showBox(outer.request);
    setElementText(vtl.boxDialog, 1, outer.title, 0);
  }
  return wait.pressed ? wait.answer : kBoxAnswerNo;
}

// [SECTION] boxes of the message table

namespace {

// Replaces the first occurrence of each mark by its value, in one pass over the template,
// so a value that itself holds a mark is not filled again.
std::string fillNumberedMarks(std::string_view text, const std::string_view* values, int firstMark,
                              int lastMark) {
  bool done[5] = {false, false, false, false, false};
  std::string out;
  for (size_t i = 0; i < text.size(); i++) {
    if (text[i] == '%' && i + 1 < text.size()) {
      int n = text[i + 1] - '0';
      if (n >= firstMark && n <= lastMark && !done[n]) {
        done[n] = true;
        out += values[n - 1];
        i++;
        continue;
      }
    }
    out += text[i];
  }
  return out;
}

}  // namespace

int32_t showMessageById(int32_t id, std::string_view p1, std::string_view p2, std::string_view p3,
                        std::string_view p4) {
  const TVTLMessageBoxRecord m = findMessage(id);
  const std::string_view values[4] = {p1, p2, p3, p4};
  const std::string text = fillNumberedMarks(m.text.view(), values, 1, 4);
  const std::string title = fillNumberedMarks(m.title.view(), values, 1, 1);
  return showMessage(text, title, m.buttons, "", kBoxLayoutStandard, false);
}

// [SECTION] button actions

bool messageDialogAction(int32_t dialog, int32_t element) {
  if (dialog >= 1 && dialog == vtl.noticeDialog) {
    if (element == vtl.noticeOkButton) closeDialog(dialog);
    return true;
  }
  if (dialog < 1 || dialog != vtl.boxDialog) return false;
  if (elementOf(dialog, element).kind == ekLabel) return true;  // labels do nothing at all
  int32_t answer = 0;
  if (element == vtl.boxYesButton) answer = vtl.boxYesAnswer;
  if (element == vtl.boxNoButton) answer = vtl.boxNoAnswer;
  if (element == vtl.boxOkButton) answer = vtl.boxOkAnswer;
  if (answer != 0) {
    vtl.boxAnswer = answer;
    if (!boxWaits.empty()) {
      boxWaits.back()->answer = answer;
      boxWaits.back()->pressed = true;
    }
  }
  closeDialog(dialog);
  return true;
}

// [SECTION] notice and text dialogs

void setInfoDialogText(std::string_view text, std::string_view title) {
  const int32_t n = int32_t(text.size()) / kNoticeCharsPerLine;
  TVTLDialog& dlg = dialogOf(vtl.noticeDialog);
  dlg.height = toInt16(22 * n + 140, "setInfoDialogText height");
  dlg.y = toInt16(230 - 11 * n, "setInfoDialogText y");
  elementOf(vtl.noticeDialog, vtl.noticeOkButton).y = toInt16(22 * n + 95, "setInfoDialogText button y");
  if (!title.empty()) setElementText(vtl.noticeDialog, 1, title, 0);
  setElementText(vtl.noticeDialog, vtl.noticeTextElement, text, 0);
  openDialog(vtl.noticeDialog);
}

void showInfoText(std::string_view text, std::string_view title) { setInfoDialogText(text, title); }

void showError(std::string_view text) { setInfoDialogText(text, ""); }

void showException(const std::exception& e, std::string_view title) { setInfoDialogText(e.what(), title); }

int32_t fillTextDialog(int32_t dialog, int32_t element, std::string_view text, bool noOpen) {
  TVTLDialog& dlg = dialogOf(dialog);
  dlg.x = 370;
  dlg.width = 420;
  setElementVisible(dialog, element, 1);
  setElementText(dialog, element, "!OK", 0);
  elementOf(dialog, element).width = 48;

  int32_t lines = 0;
  int32_t column = 0;
  for (char c : text) {
    column++;
    if (column > 42) {
      column = 0;
      lines++;
    }
    if (c == kCR) {
      column = 0;
      lines++;
    }
  }
  const double rows = lines * 22 * 1.22;
  dlg.height = toInt16(roundEven(rows + 115), "fillTextDialog height");
  dlg.y = toInt16(roundEven(484 - rows), "fillTextDialog y");
  TVTLElement& label = elementOf(dialog, element);
  label.x = 10;
  label.y = lines <= 1 ? 15 : 23;
  TVTLElement& button = elementOf(dialog, element + 1);
  button.x = 125;
  button.y = toInt16(roundEven(rows + 57), "fillTextDialog button y");
  if (dialog == dlgMessage && element == 2) button.savedX = 180;

  setElementText(dialog, element, text, 0);
  if (!noOpen) openDialog(dialog);
  return 0;
}

// [SECTION] alerts

void installMessageBoxAlertSink() {
  setAlertSink([](const std::string& text) { showMessage(text, "", kBoxOk, "", kBoxLayoutStandard, false); });
}
