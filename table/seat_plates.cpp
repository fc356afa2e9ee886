// The seat plate, the text plates and the network message bubbles of the table.
//
// [SECTION] the seat plate
// [SECTION] text plates
// [SECTION] message wrap
// [SECTION] message bubbles
#include "table/seat_plates.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/cg.h"
#include "engine/engine_form.h"
#include "engine/engine_services.h"
#include "engine/fonts.h"
#include "engine/frames.h"
#include "engine/quads.h"
#include "engine/skins.h"
#include "engine/text_draw.h"
#include "engine/text_width.h"
#include "net/net_transport.h"
#include "shell/env_param.h"
#include "shell/shell_globals.h"
#include "table/scene.h"
#include "table/stacks.h"
#include "table/table_globals.h"
#include "table/table_questions.h"

// [SECTION] the seat plate

namespace {

bool turnsLikeQuartet(TGameId g) {
  return g == gidDoppelkopf || g == gidSchafkopf || g == gidJass || g == gidHearts;
}

void turnTowardViewer(TMatrix16& m, int32_t seat, const TCardPose& p) {
  if (turnsLikeQuartet(cg.gameId) && seat == 2) {
    matRotate(m, 0.95 * p.rotY + 6, 0, 1, 0);
    matTranslate(m, 0, -0.03, 0);
  } else if (turnsLikeQuartet(cg.gameId) && seat == 4) {
    matRotate(m, 1.04 * p.rotY + 6, 0, 1, 0);
    matTranslate(m, 0, 0.03, 0);
  } else if (seat != 1) {
    matRotate(m, p.rotY, 0, 1, 0);
  }
}

void blackjackPlate(TMatrix16& m, int32_t seat) {
  matRotate(m, 90, 1, 0, 0);
  if (seat == 1) {
    matTranslate(m, -0.26, -0.4, 0.1);
    matRotate(m, -40, 1, 0, 0);
    return;
  }
  matRotate(m, -20, 1, 0, 0);
  matRotate(m, -35, 0, 1, 0);
  matRotate(m, -10, 1, 0, 0);
  matTranslate(m, -0.3, 0, 0);
  // The seat's angle on the arc and the dealer's seat come with Blackjack.
  logNotAvailable("blackjackSeatAngle");
}

}  // namespace

TMatrix16 seatPlateMatrix(int32_t seat) {
  TMatrix16 m = tableCameraMatrix();
  matTranslate(m, -1.196, -0.405, -2.6);
  const bool mirror = drawPass == 4;
  if (mirror) {
    matRotate(m, isViewFromSide() ? -65 : isViewFromAbove() ? -117 : -70, 1, 0, 0);
    // The y row of the rotation flips: the plates stand upside down below the table top.
    m[1] = -m[1];
    m[5] = -m[5];
    m[9] = -m[9];
    tableMatrix = m;
  }
  matTranslate(m, 0, 0.12, 0);
  matRotate(m, 35, 1, 0, 0);
  if (mirror) {
    matTranslate(m, -0.008, 1.105, -0.02);
    matTranslate(m, 0, -0.1, 0);
    matTranslate(m, 0.008, 0, 0.02);
  }
  if (seat < 1 || seat > stackCount) return m;
  const TSpieler& s = sp[seat];
  const TCardPose& p = s.gliding ? s.pose : s.restPose;
  matTranslate(m, p.x / 502.0, -p.y / 502.0, p.z / 502.0);
  matRotate(m, p.rotX - 15, 1, 0, 0);
  turnTowardViewer(m, seat, p);
  if (seat == 1)
    matTranslate(m, 0, -105 / 502.0, 70 / 502.0);
  else
    matTranslate(m, -10 / 502.0, -105 / 502.0, 130 / 502.0);
  if (cg.gameId == gidBlackjack)
    blackjackPlate(m, seat);
  else if (seat != 1)
    matRotate(m, 180, 0, 1, 0);  // the plate faces the viewer from behind the cards
  return m;
}

void placeAtSeatPlate(int32_t seat, int32_t, int32_t) {
  glMatrixMode(GL_MODELVIEW);
  glLoadMatrixd(seatPlateMatrix(seat).data());
}

void placeAtSeatLabel(int32_t seat) {
  glMatrixMode(GL_MODELVIEW);
  setSeatCamera(seat);
  if (isCanastaSideView()) glScalef(1.1f, 1.1f, 1.1f);
}

// [SECTION] text plates

namespace {
constexpr int32_t kPlateHeight = 20;
constexpr int32_t kPlateCorner = 10;

void plainBlend() {
  glDisable(GL_TEXTURE_2D);
  glDisable(GL_LIGHTING);
  enableGlCap(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}

void textBlend(float alpha) {
  glDisable(GL_LIGHTING);
  enableGlCap(GL_TEXTURE_2D);
  enableGlCap(GL_BLEND);
  bindFontTexture();
  glColor4f(1, 1, 1, alpha);
}
}  // namespace

void drawTextPlate(std::string_view text, int32_t kind, bool tilted, float alpha) {
  if (!vtl.uiOverlayOn) return;
  currentFont = 2;
  glTranslatef(0.08f, 0.15f, 0.07f);
  if (tilted || cg.gameId == gidPoker) {
    // The pot's plate moves down while its chips reach past the first pile; chips come with
    // the chip games.
    if (kind == 8) logNotAvailable("chipPileIndex");
    glRotatef(60, 1, 0, 0);
  } else {
    glRotatef(45, 1, 0, 0);
  }
  float s = 0.6f;
  plainBlend();
  const float* c = vtl.labelColour;
  glColor4f(c[0], c[1], c[2], c[3] * alpha);
  if (!text.empty() && text[0] == '!') {
    text.remove_prefix(1);
    glTranslatef(-0.018f * textWidth(text, false), 0, 0);
  }
  const float tw = textWidth(text, false);
  const float width = tilted ? (0.07f * tw + 0.12f) * s : (0.07f * tw + 0.1f) * s * 0.97f;
  glPushMatrix();
  if (kind == 77) {  // the marriage badge lies turned on its card
    glRotatef(180, 0, 1, 0);
    glRotatef(-75, 1, 0, 0);
    glTranslatef(-0.125196f, 0, 0);
  }
  drawElementFrame(0, false, alpha, kPlateCorner, kPlateHeight, int32_t(std::lround(497 * width)));
  textBlend(alpha);
  if (tilted) glTranslatef(0.009f, 0.004f, 0);
  s *= 1.05f;
  drawText3D(text, alpha, s, s);
  glPopMatrix();
  enableGlCap(GL_LIGHTING);
  glDepthFunc(GL_LEQUAL);
}

// [SECTION] message wrap

namespace {
constexpr float kLineHeight = 1.22f;
constexpr float kMaxHeight = 7;

float lineLimit(int32_t seats) { return seats == 8 ? 9.0f : seats == 7 ? 10.0f : 11.0f; }

float charWidth(char c) { return stringWidth(std::string_view(&c, 1), false); }

float spanWidth(const std::string& t, size_t from, size_t to) {
  float w = 0;
  for (size_t i = from; i < to && i < t.size(); i++) w += charWidth(t[i]);
  return w;
}
}  // namespace

TSeatMessageWrap wrapSeatMessage(std::string_view text, int32_t seats) {
  const float limit = lineLimit(seats);
  std::string t(text);
  float line = 0, widest = 0, height = kLineHeight;
  size_t lineStart = 0;
  size_t lastSpace = std::string::npos;
  auto newLine = [&](size_t start, float finished) {
    widest = std::max(widest, finished);
    lineStart = start;
    lastSpace = std::string::npos;
    height += kLineHeight;
  };
  for (size_t i = 0; i < t.size(); i++) {
    const char c = t[i];
    if (c == '\r') {
      newLine(i + 1, line);
      line = 0;
    } else {
      line += charWidth(c);
      if (line > 1.5f * limit || (c == ' ' && line > limit)) {
        if (c == ' ') {
          t[i] = '\r';
          newLine(i + 1, line - charWidth(c));
          line = 0;
        } else if (lastSpace != std::string::npos) {
          t[lastSpace] = '\r';
          newLine(lastSpace + 1, spanWidth(t, lineStart, lastSpace));
          line = spanWidth(t, lastSpace + 1, i + 1);
        } else {
          // One long word: it breaks here, the character starts the next line.
          t.insert(i, 1, '\r');
          newLine(i + 1, line - charWidth(c));
          line = charWidth(c);
          i++;
        }
      } else if (c == ' ') {
        lastSpace = i;
      }
    }
    // More than five lines: the oldest goes, and with it its height.
    if (height > kMaxHeight) {
      const size_t cut = t.find('\r');
      t.erase(0, cut + 1);
      i -= cut + 1;
      lineStart -= cut + 1;
      if (lastSpace != std::string::npos) lastSpace -= cut + 1;
      height -= kLineHeight;
    }
  }
  widest = std::max(widest, line);
  while (!t.empty() && t.back() == '\r') t.pop_back();
  while (!t.empty() && (t.front() == 5 || t.front() == '\r')) t.erase(0, 1);
  return {t, widest, height};
}

// [SECTION] message bubbles

namespace {

// The bubble rises once when its message first shows, driven by the seat's scene angle.
float messageLift(int32_t seat) {
  const int32_t net = std::clamp(localSeatToNet(seat), 0, 10);
  uint8_t& state = netTransport.messageShowState[net];
  const int32_t angle = std::clamp(seat + 3, 1, 11);
  if (state == 0) {
    state = 2;
    setSceneParam(angle, 0);
    return 0;
  }
  if (state != 2) return 0;
  const float lift = std::sin(2 * float(M_PI) * getSceneParam(angle) / 180);
  if (lift >= 0) return lift;
  state = 3;
  return 0;
}

float sidewaysShift(int32_t seat, int32_t seats) {
  static constexpr int32_t eight[] = {-20, -10, 90, 160, 100, 50, -20};  // seats 2..8
  static constexpr int32_t seven[] = {0, 0, 130, 120, 50, -10};         // seats 2..7
  if (seats == 8 && seat >= 2 && seat <= 8) return eight[seat - 2] / 639.0f;
  if (seats == 7 && seat >= 2 && seat <= 7) return seven[seat - 2] / 639.0f;
  return 120 / 639.0f;
}

float messageScale(size_t length, int32_t seat) {
  float s = 0.6f * (length <= 12 ? 1.3f : length <= 24 ? 1.2f : 1.12f);
  if (seat == 1) s *= 0.55f;
  if (playerCount > 0 && float(seat) / float(playerCount) > 0.5f) s *= 1.05f;
  return s;
}

void drawMessageLines(const std::string& text, float s, float alpha) {
  const float step = 0.086f * vtl.textFactor * s;
  float previous = 0;
  const std::vector<std::string> lines = splitMessageLines(text);
  for (size_t i = 0; i < lines.size(); i++) {
    float down = step;
    if (lines[i].empty()) down *= i > 0 ? 0.5f : 0.6f;  // an empty line lies between two breaks
    glTranslatef(-0.1379310345f * s * previous, -down, 0);
    drawText3D(lines[i], alpha, s, s);
    previous = stringWidth(lines[i], false);
  }
}

}  // namespace

void drawSeatMessage(std::string_view text, int32_t seat, float alpha) {
  glTranslatef(0.08f, 0.15f, 0.07f);
  const float lift = messageLift(seat);
  glTranslatef(-0.156495f, 0.516432f, 0);
  if (seat == 1) glTranslatef(-0.0782473f, 0, 0);
  if (seat >= 2) glTranslatef(sidewaysShift(seat, playerCount), 0, 0);
  if (seat == playerCount) glTranslatef(0, 0, -0.0782473f);
  plainBlend();
  const float* c = vtl.messageColour;
  glColor4f(c[0], c[1], c[2], c[3] * alpha * (seat == 1 ? 0.9f : 0.85f));
  currentFont = 1;
  TSeatMessageWrap wrap = wrapSeatMessage(text, playerCount);
  const float s = messageScale(wrap.text.size(), seat);
  const float w = (0.07f * wrap.widest + 0.12f) * s;
  const float k = vtl.textFactor;
  glTranslatef(0.1f + 0.0029f * std::lround(0.3f * 497 * (0.35f - w)), 1.7f * wrap.height * 0.086f * 1.12f / 2 * k * s, 0);
  glTranslatef(0, lift * 100 / 639.0f, 0);
  if (seat == 1) {
    // Seat 1's bubble moves forward over a tall chip stack; chips come with the chip games.
    if (cg.gameId == gidPoker || cg.gameId == gidBlackjack) logNotAvailable("chipStacks");
    glRotatef(-18, 1, 0, 0);
    glTranslatef(0, 0.0312989f, 0);
  } else {
    wrap.height -= 1;
  }
  drawDialogBackground(2, 26, 26, 0, 0, float(std::lround(497 * 0.95f * w + 16.1f)),
                       float(std::lround((0.8f * wrap.height + 1.83f) * 0.086f * 560 * s)), alpha, 0, 0);
  currentFont = 1;
  glTranslatef(0.0344288f, -0.0312989f, 0);
  textBlend(alpha);
  drawMessageLines(wrap.text, s, alpha);
  enableGlCap(GL_LIGHTING);
  glDepthFunc(GL_LEQUAL);
}

std::vector<std::string> splitMessageLines(const std::string& text) {
  std::vector<std::string> lines(1);
  for (char c : text) {
    if (c == '\r')
      lines.emplace_back();
    else
      lines.back() += c;
  }
  return lines;
}
