// The seats' marks, player panels and the decoration layer of the table scene.
//
// [SECTION] element states
// [SECTION] marks
// [SECTION] panel text
// [SECTION] player panels
// [SECTION] network status
// [SECTION] the decoration layer
#include "table/player_panels.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

#include "core/cg.h"
#include "core/seat_markers.h"
#include "engine/dialogs.h"
#include "engine/elements.h"
#include "engine/engine_form.h"
#include "engine/engine_services.h"
#include "engine/fonts.h"
#include "engine/frames.h"
#include "engine/quads.h"
#include "engine/text_draw.h"
#include "engine/text_width.h"
#include "shell/env_param.h"
#include "shell/game_dialogs.h"
#include "shell/shell_globals.h"
#include "shell/table_textures.h"
#include "table/scene.h"
#include "table/seat_plates.h"
#include "table/stacks.h"
#include "table/table_game_hooks.h"
#include "table/table_layout.h"
#include "table/table_questions.h"

// [SECTION] element states

float elementOpacity(int32_t dialog, int32_t element) {
  if (!vtl.diags.valid(dialog) || element < 1) return 0.0f;
  const TVTLAnimation& a = elementOf(dialog, element).showAnim;
  return isShownOrAnimating(a) ? a.progress : 0.0f;
}

namespace {

bool isGame(std::initializer_list<TGameId> games) {
  return std::find(games.begin(), games.end(), cg.gameId) != games.end();
}

bool validSeat(int32_t seat) { return dlgIPanel != 0 && seat >= 1 && seat <= tableSeatSlots; }

constexpr float kPixel = 1 / 639.0f;

}  // namespace

// [SECTION] marks

namespace {

// The row's lift above the plate by game.
void liftMarks(int32_t seat) {
  const bool first = seat == 1;
  switch (cg.gameId) {
    case gidRomme:
      glTranslatef(0, (first ? 32 : 30.0f * seat / std::max(playerCount, 1) + 10) * kPixel, 0);
      break;
    case gidPoker: glTranslatef(0, (first ? 32 : 33) * kPixel, 0); break;
    case gidCanasta: glTranslatef(0, 58 * kPixel, 0); break;
    case gidMauMau:
    case gidHearts:
      if (first) glTranslatef(12 * kPixel, 10 * kPixel, 0);
      break;
    case gidSkat:
      if (first) glTranslatef(0, 8 * kPixel, 0);
      break;
    case gidDoppelkopf:
    case gidSchafkopf:
    case gidJass: glTranslatef(0, (first ? 6 : 4) * kPixel, 0); break;
    default: break;
  }
}

// The marks fade out in the first half of a glide and back in during the second.
float glideFade(int32_t seat, float alpha) {
  const TSpieler& s = sp[seat];
  if (!s.gliding || (cg.gameId == gidSkat && isViewFromAbove())) return alpha;
  return s.glideT < 0.5f ? alpha * (1 - 2 * s.glideT) : alpha * (2 * s.glideT - 1);
}

void markQuad(int32_t picture, int32_t width, int32_t height, float alpha) {
  if (picture >= 1) drawQuad(picture, 0, 0, width, height, alpha);
}

void turnMarksFromAbove(int32_t seat) {
  if (cg.gameId != gidSkat) {
    glRotatef(-40, 1, 0, 0);
  } else if (seat == 2) {
    glRotatef(-45, 1, 0, 0);
    glTranslatef(-40 * kPixel, 0, 0);
  } else if (seat == 3) {
    glRotatef(-45, 1, 0, 0);
    glRotatef(-10, 0, 0, 1);
    glTranslatef(-80 * kPixel, 50 * kPixel, 0);
  }
}

}  // namespace

void drawSeatAnnouncement(int32_t seat, int32_t xShift) {
  if (!validSeat(seat) || seat > stackCount || cg.gameId == gidBlackjack) return;
  const int32_t el = elTurnMarker[seat];
  if (el < 1) return;
  if (!isElementVisible(dlgIPanel, el) && !isGame({gidDoppelkopf, gidSchafkopf, gidJass})) return;
  placeAtSeatPlate(seat);
  const int32_t picture = elementOf(dlgIPanel, el).picture;
  liftMarks(seat);
  glTranslatef(xShift * kPixel, 0, 0);
  const float alpha = glideFade(seat, elementOpacity(dlgIPanel, el));
  if (isGame({gidSchafkopf, gidDoppelkopf})) {
    // The contract and special marks beside the mark come with those games.
    logNotAvailable("Schafkopf and Doppelkopf mark rows");
    return;
  }
  const bool above = isViewFromAbove();
  int32_t turnSize = 90, otherSize = 108;
  if (cg.gameId == gidCanasta) {
    if (seat == 1) glTranslatef(0, 7 * kPixel, 0);
    turnSize = above ? 68 : 78;
    otherSize = above ? 81 : 94;
    glTranslatef(0, 0.3f * turnSize * kPixel, 0);
  } else {
    glTranslatef(-27 * kPixel, 27 * kPixel, 0);
  }
  if (above) turnMarksFromAbove(seat);
  const int32_t size = picture == texTurnMarker ? turnSize : otherSize;
  const bool open = isSeatHandOpen(seat), gliding = sp[seat].gliding != 0;
  const bool skatAbove = cg.gameId == gidSkat && above;
  if (!(open && !gliding) || skatAbove) markQuad(picture, size, size, alpha);
  if ((open || gliding) && !skatAbove) {
    // Behind the open hand the mark is seen from the back.
    glTranslatef(100 * kPixel, 0, -0.12f);
    markQuad(picture, -size, size, alpha);
  }
}

// [SECTION] panel text

namespace {

float width(const std::string& t) { return textWidth(t, false); }

// Poker's two lines padded with spaces until their widths match.
void evenLines(std::string& line1, std::string& line2) {
  if (width(" ") <= 0) return;  // without font widths the padding would never end
  if (width(line2) > width(line1 + "   ")) {
    while (width(line2) > width(line1 + "   ")) line1 = " " + line1 + " ";
    return;
  }
  while (width(line1) > width(line2 + " ")) {
    line2 = " " + line2;
    if (width(line1) > width(line2 + " ")) line2 += " ";
  }
}

// Where the search for the split's space starts (0-based), or npos when the text stays whole.
size_t splitSearchStart(const std::string& text, int32_t seat) {
  const size_t n = text.size();
  const int32_t slot = seatSlot(seat);
  const bool aboveSide = isViewFromAbove() && (slot == 2 || slot == 6) && n > 19;
  const bool split = n > 32 || (cg.gameId == gidPoker && playerCount >= 5 && seat == 2 && n > 21) || aboveSide;
  if (!split) return std::string::npos;
  if (aboveSide) return n < 31 ? n - 12 : 19;
  return n < 32 ? n - 8 : 24;
}

}  // namespace

TPanelText splitPanelText(std::string text, int32_t seat) {
  TPanelText p;
  p.size = seat == 1 ? 0.6f : 0.8f;
  p.line1 = text;
  if (!text.empty() && text[0] == '?') {
    text.erase(0, 1);
    p.line1 = text;
    p.size = 0.7f;
    if (cg.gameId == gidPoker && !text.empty() && text.back() == ')') {
      const size_t space = text.size() > 21 ? text.rfind(' ') : std::string::npos;
      if (space != std::string::npos) {
        p.line1 = text.substr(0, space);
        p.line2 = text.substr(space);
        evenLines(p.line1, p.line2);
        p.lines = 2;
      }
    } else if (size_t from = splitSearchStart(text, seat); from != std::string::npos) {
      const size_t space = text.find(' ', from);
      if (space != std::string::npos) {
        p.line1 = text.substr(0, space);
        p.line2 = text.substr(space);
        p.lines = 2;
        p.splitByLength = true;
      }
    }
  }
  if (cg.gameId == gidPoker && seat >= 0 && seat <= bubbleSeats && cg.gs.bubbleState[seat] == 3 && p.lines == 1)
    p.size = 0.8f;
  return p;
}

// [SECTION] player panels

std::string playerPanelText(int32_t seat, bool& forced) {
  std::string text = getElementText(dlgIPanel, elSpeechBubble[seat]);
  forced = false;
  if (isNetGame()) {
    const std::string status = withNetworkStatus(seat, text, 1);
    if (status != text) {
      text = status;
      forced = !text.empty();
    }
  }
  // "Jaa" is how a doubled vowel is written for the voice; the panel shows it once.
  if (size_t jaa = text.find("Jaa"); jaa != std::string::npos) text.erase(jaa + 2, 1);
  // A game with a panel text of its own (War) answers it; the others keep the bubble text.
  gamePanelText(seat, text);
  return text;
}

namespace {

void placePanel(int32_t seat) {
  const bool first = seat == 1;
  switch (cg.gameId) {
    case gidCanasta: glTranslatef(0.08f, first ? 0.65f : 0.55f, 0.1f); break;
    case gidBlackjack:
    case gidPoker:
      // The rise with the hand and the bounce while the seat talks come with the chip games.
      logNotAvailable("chip-game panel placement");
      [[fallthrough]];
    case gidRomme:
      if (first)
        glTranslatef(0.08f, 0.65f, 0.15f);
      else
        glTranslatef(0.08f, 0.55f, 0.12f);
      break;
    case gidSkat: glTranslatef(0.08f, first ? 0.75f : 0.72f, -0.1f); break;
    case gidSchnapsen:
      if (first)
        glTranslatef(0.08f, 0.73f, 0.3f);
      else
        glTranslatef(0.08f, 0.7f, -0.1f);
      break;
    default: glTranslatef(0.08f, first ? 0.73f : 0.7f, -0.1f); break;
  }
  if (cg.gameId == gidWar) {
    if (first) {
      glRotatef(55, 1, 0, 0);
      glRotatef(-5, 0, 1, 0);
      glRotatef(1, 0, 0, 1);
      glTranslatef(-100 * kPixel, -440 * kPixel, 0);
    } else {
      glRotatef(110, 1, 0, 0);
      glRotatef(-3, 0, 1, 0);
      glRotatef(175, 0, 0, 1);
      glTranslatef(330 * kPixel, 50 * kPixel, 0);
    }
  }
}

void turnPanelFromAbove(int32_t seat) {
  if (cg.gameId == gidSkat && (seat == 2 || seat == 3)) {
    if (seat == 2) {
      glTranslatef(-120 * kPixel, -40 * kPixel, 0);
      glRotatef(-49, 0, 1, 0);
    } else {
      glTranslatef(-20 * kPixel, -20 * kPixel, 0);
      glRotatef(35, 0, 1, 0);
    }
    glRotatef(-47, 1, 0, 0);
  } else if (cg.gameId == gidCanasta) {
    glRotatef(-90, 1, 0, 0);
    const int32_t slot = seatSlot(seat);
    if (slot == 2) {
      glRotatef(-90, 0, 0, 1);
      glRotatef(10, 1, 0, 0);
      glScalef(0.87f, 0.87f, 0.87f);
      glTranslatef(80 * kPixel, 0, 0);
      glTranslatef(0, -80 * kPixel, 0);
    } else if (slot == 6) {
      glRotatef(80, 0, 0, 1);
      glRotatef(10, 1, 0, 0);
      glScalef(0.87f, 0.87f, 0.87f);
      glTranslatef(-80 * kPixel, 0, 0);
    } else if (slot == 4) {
      glRotatef(-4, 0, 0, 1);
    }
  }
}

int32_t frameSize(float units, float part = 1) { return int32_t(std::lround(part * units)); }

void drawPanelFrame(int32_t seat, const TPanelText& p, size_t length, float w, float s, float a) {
  const float height = 67.5f * s * float(p.lines);
  const bool above = isViewFromAbove();
  const bool skatAbove = cg.gameId == gidSkat && above;
  const bool openHand = isSeatHandOpen(seat) || sp[seat].gliding;
  if (openHand && !(isNetGame() && cg.gs.phase == 5) && !skatAbove) {
    glRotatef(180, 0, 1, 0);
    glTranslatef(-w / 2, 0, 0);
    if (isGame({gidRomme, gidCanasta, gidPoker})) glTranslatef(0, 0, 0.4f);
    drawElementFrame(0, false, a, 20, frameSize(height), frameSize(497 * w));
    return;
  }
  if (seat == 1 && isSeatHandOpen(2) && isGame({gidMauMau, gidHearts, gidSchwimmen})) glTranslatef(0, -0.79f, 0);
  if (above && seat != 1) turnPanelFromAbove(seat);
  if (cg.gameId == gidWar && length > 10) {
    glTranslatef(-w / 2 - 2 * kPixel, 5 * kPixel, 0);
    drawElementFrame(0, true, a, 20, frameSize(height, 0.93f), frameSize(497 * w, 0.93f));
    glTranslatef(2 * kPixel, -5 * kPixel, 0);
    return;
  }
  glTranslatef(-w / 2, 4 * kPixel, 0);
  drawElementFrame(0, true, a, 20, frameSize(height, 0.95f), frameSize(497 * w, 0.95f));
  glTranslatef(0, -4 * kPixel, 0);
}

void drawPanelLines(const TPanelText& p, float w, float s, float a) {
  glTranslatef(0.02f, 0.01f, 0);
  glDisable(GL_LIGHTING);
  enableGlCap(GL_TEXTURE_2D);
  enableGlCap(GL_BLEND);
  bindFontTexture();
  glColor4f(1, 1, 1, a);
  if (p.lines == 2) glTranslatef(0, 0.07f * 1.75f * s, 0);
  drawText3D(p.line1, a, s, s);
  if (!p.line2.empty()) {
    // drawText3D left the pen at the end of line 1.
    if (cg.gameId == gidWar)
      glTranslatef(-w / 2 - 23 * s * width(p.line2) * kPixel, -0.098f * s, 0);
    else
      glTranslatef(-0.85f * w, -0.098f * s, 0);
    drawText3D(p.line2, a, s, s);
  }
  glDepthFunc(GL_LEQUAL);
}

}  // namespace

void drawPlayerPanel(int32_t seat) {
  if (!vtl.uiOverlayOn || !validSeat(seat) || seat > stackCount || elSpeechBubble[seat] < 1) return;
  glDisable(GL_DEPTH_TEST);
  currentFont = 2;
  bool forced = false;
  const std::string text = playerPanelText(seat, forced);
  if (!(isElementVisible(dlgIPanel, elSpeechBubble[seat]) || forced) || text.empty() || text == "?") return;
  const TPanelText p = splitPanelText(text, seat);
  float s = p.size;
  placeAtSeatPlate(seat);
  placePanel(seat);
  float w = (width(p.line1) * 0.07f + 0.12f) * s;
  if (p.splitByLength) w = (std::max(width(p.line1), width(p.line2)) * 0.07f + 0.12f) * s;
  glDisable(GL_TEXTURE_2D);
  enableGlCap(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glDisable(GL_LIGHTING);
  const float a = forced ? 1.0f : elementOpacity(dlgIPanel, elSpeechBubble[seat]);
  const float* c = vtl.labelColour;
  glColor4f(c[0], c[1], c[2], c[3] * a);
  if (cg.gameId == gidPoker) logNotAvailable("poker showdown panels");
  if (isNetGame() && text.find('\x18') != std::string::npos) {  // the turn clock
    w *= 1.22f * 1.1f;
    s *= 1.2f * 1.1f;
  }
  if (isGame({gidSkat, gidCanasta}) && isViewFromSide() && seat != 1) {
    w *= 1.15f;
    s *= 1.15f;
  }
  drawPanelFrame(seat, p, text.size(), w, s, a);
  drawPanelLines(p, w, s, a);
}

// [SECTION] network status

std::string networkSeatStatus(int32_t seat, const std::string& bubbleText) {
  (void)seat, (void)bubbleText;
  if (!isNetGame()) return "";
  logNotAvailable("networkSeatStatus");
  return "";
}

std::string withNetworkStatus(int32_t seat, const std::string& text, int32_t mode) {
  if (mode != 1) return text;
  const std::string status = networkSeatStatus(seat, text);
  return status.empty() ? text : status;
}

// [SECTION] the decoration layer

void drawSeatDecorations() {
  // During a chip animation's pay-out the layer draws without depth; chips come with the chip
  // games.
  if (isGame({gidPoker, gidBlackjack})) logNotAvailable("chip animation queue");
  std::string rest;
  drawTextBlock("", 0, 1, 0, 0, 0, 0, 0, 1, 0, false, "", -1, rest);
  glMatrixMode(GL_MODELVIEW);
  for (int32_t seat = 1; seat <= cg.seatCount; seat++) {
    glPushMatrix();
    drawSeatAnnouncement(seat, 0);
    if (cg.gameId != gidBlackjack) drawSeatLabel(seat);
    drawPlayerPanel(seat);
    glPopMatrix();
  }
  if (isNetGame()) logNotAvailable("TNetz.getSeatMessages");
}
