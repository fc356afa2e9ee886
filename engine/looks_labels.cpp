// Looks of labels, group boxes and page groups: a label's caption cut into lines at its wrapping
// width (or one centred line), the badge behind short numbers, the title label's glow pass, and
// the line count written back as the label's height.
//
// [SECTION] lines
// [SECTION] labels and group-box captions
// [SECTION] group boxes and page groups
#include <algorithm>

#include "engine/element_looks.h"
#include "engine/fonts.h"
#include "engine/range_check.h"
#include "engine/text_width.h"

namespace {
constexpr int16_t kBadgePicture = 123;  // a label with this picture lies on a small frame
constexpr uint8_t kSkCentredTitle = 31;  // font 0, one centred line
constexpr float kLineStep = 20.88f;      // units between the lines of a label
}  // namespace

// [SECTION] lines

std::vector<std::string> labelLines(const std::string& text, int32_t lineLength) {
  const int32_t limit = roundEven(lineLength / 1.22);
  // A line length that rounds to nothing would never move on: the text stays one line.
  if (limit <= 0) return {text};
  const size_t L = size_t(limit);
  std::vector<std::string> lines;
  size_t pos = 0;
  do {
    const std::string_view rest = std::string_view(text).substr(pos);
    size_t end = rest.size(), next = rest.size();
    if (rest.size() > L) {
      // The last blank that keeps the line within the limit; a blank before "$" or chr(128)
      // would leave an amount or a euro sign alone at the start of the next line.
      size_t blank = 0;
      for (size_t i = L; i >= 1 && blank == 0; --i)
        if (rest[i] == ' ' && (i + 1 >= rest.size() || (rest[i + 1] != '$' && rest[i + 1] != char(128)))) blank = i;
      end = blank != 0 ? blank : L;
      next = blank != 0 ? blank + 1 : L;
    }
    const size_t cr = rest.substr(0, end).find('\r');
    if (cr != std::string_view::npos) {
      end = cr;
      next = cr + 1;
      if (next < rest.size() && rest[next] == '\n') ++next;
    }
    lines.emplace_back(rest.substr(0, end));
    pos += next;
  } while (pos < text.size());
  return lines;
}

// [SECTION] labels and group-box captions

namespace {

void planCaptionLines(TLookContext& c, float X, std::string caption) {
  const TElementPlace& p = c.place;
  TVTLElement& el = c.el;
  const TVTLDialog& d = c.dialog;
  const float af = aspectFactor();
  if (el.kind == ekLabel && el.textScale < 1.5f) currentFont = 2;
  const TVTLElement* ctl = elementOrNull(c.dialog, el.controller);
  if (ctl != nullptr && ctl->kind == ekSelector) caption = ctl->caption.str();

  bool oneLine = false;
  if (el.kind == ekLabel && el.subKind == kSkCentredTitle) {
    currentFont = 0;
    oneLine = true;
  }
  if (el.TopIndex == 1) {
    X = float(d.x) + p.slide + float(roundEven(std::min(808 - d.x, int32_t(d.width)) / 2.0)) - 20;
    oneLine = true;
  }
  if (!caption.empty() && caption[0] == '!') {
    caption.erase(0, 1);
    oneLine = true;
  }
  if (oneLine) X += float(roundEven(-5.7 * textWidth(caption, false) * el.textScale));

  float Y = p.y;
  int32_t rightEdge = d.x + d.width - 15;
  if (el.picture == kBadgePicture && caption.size() > 3) {
    X = float(roundEven(X - 15 / af));
    TLookStep origin;
    origin.kind = lsTextOrigin;
    origin.x = X + 3, origin.y = Y - 17;
    c.plan.steps.push_back(origin);
    TLookStep frame;
    frame.kind = lsElementFrame;
    frame.picture = 0;
    frame.alpha = p.alpha;
    frame.a = 20;
    frame.h = 22;
    frame.w = float(roundEven(textWidth(caption + "    ", false) * 8.77));
    c.plan.steps.push_back(frame);
    rightEdge += 1000;
    Y += 2;
    TLookStep texturing;
    texturing.kind = lsTexturingOn;
    c.plan.steps.push_back(texturing);
  }

  const std::vector<std::string> lines = oneLine ? std::vector<std::string>{caption} : labelLines(caption, el.savedWidth);
  const bool title = el.kind == ekLabel && p.element == 1 && el.textScale > 1.5f;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].empty()) continue;
    const float x = X + 10 / af, y = Y + 8 + kLineStep * float(i);
    for (int32_t mode : {title ? 6 : 0, title ? 8 : -1}) {
      if (mode < 0) continue;
      addText(c.plan, lines[i], p.look, el.textScale, x, y, el.pressDepth, mode, p.alpha).rightEdge = rightEdge;
    }
  }
  if (el.kind == ekLabel) el.height = int32_t(lines.size());
}

}  // namespace

void planLabelLook(TLookContext& c) { planCaptionLines(c, c.place.x, c.place.caption); }

// [SECTION] group boxes and page groups

void planGroupBoxLook(TLookContext& c) {
  const TElementPlace& p = c.place;
  TVTLElement& el = c.el;
  if (el.height <= 1) el.height = 150;
  const bool narrow = el.width <= 240 || double(p.caption.size()) > el.width / 20.0;
  addBackground(c.plan, narrow ? 4 : 3, 80, 70, p.x, p.y + 10, float(el.width), float(el.height), p.alpha, 0, 0);
  currentFont = 0;
  const float X = p.x - 20 + float(roundEven(el.width / 2.0 - textWidth(p.caption, false) * 6 * el.textScale));
  planCaptionLines(c, X, p.caption);
}

void planPageGroupLook(TLookContext& c) {
  const TElementPlace& p = c.place;
  addBackground(c.plan, 4, 80, 70, p.x, p.y - 20, float(c.el.width), float(c.el.height + 32), p.alpha, 0, 0);
}
