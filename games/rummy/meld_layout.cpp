// The meld layout: the own side's melds in rows in front of the user, the other side's
// across the table; a canasta of seven or more cards lies closed as one pile.
#include "games/rummy/meld_layout.h"

#include <algorithm>
#include <cmath>

#include "core/cg.h"
#include "core/game_callbacks.h"
#include "games/rummy/canasta_rules.h"
#include "games/rummy/meld_table.h"
#include "shell/env_param.h"
#include "shell/shell_services.h"
#include "table/stacks.h"
#include "table/table_questions.h"

namespace {

constexpr int32_t meldStack = 12;

bool canasta() { return cg.gameId == gidCanasta; }
bool ginRummy() { return cg.gameId == gidRomme && rommeIsGinVariant(); }

int32_t meldCards() { return stackUsed(sp[meldStack]); }

// The table sizes 1 and 2 shrink the cards, and so does a crowded meld table.
float sizeFactor() {
  float f = envParam.cardSize == 1 ? 0.7f : envParam.cardSize == 2 ? 0.85f : 1.0f;
  return f * cardScaleForDeckSize();
}

const TCardSlot* slotOfPosition(const THand64& meld, int32_t p) {
  int32_t s = meld.k[p].hi;
  return s >= 1 && s <= slotCapacity ? &sp[meldStack].slots[s] : nullptr;
}

bool inFlight(const TCardSlot* s) { return s && s->moving && s->animType != 1; }

// The compression of meld i: how many card steps its width loses while cards close into a
// canasta, open out of one, or fly in and out.
float compression(Tk12Container& t, int32_t i, int32_t mode) {
  const THand64& m = t.melds[i];
  int32_t count = handUsed(m);
  float k = 0;
  if (cg.gameId == gidRomme) {
    if (!ginRummy()) return 0;
    for (int32_t p = 1; p <= count; p++)
      if (const TCardSlot* s = slotOfPosition(m, p); inFlight(s)) k += s->t;
    return k;
  }
  if (!canasta()) return 0;
  int32_t away = 0;
  float progress = 0;
  for (int32_t p = 1; p <= count; p++) {
    const TCardSlot* s = slotOfPosition(m, p);
    if (s && s->moving && s->dstStack == -cg.gs.akspieler) {
      away++;
      progress = s->t;
    }
  }
  if (away > 0 && count >= 7 && count - away >= 7) {
    t.canastaClosed[i] = 1;
    k += count - 1;  // stays closed
  } else if (away > 0 && count >= 7) {
    k += away + (1 - progress) * (count - 1 - away);  // opens
  } else if (away > 0) {
    k += away * progress;
  } else if (count >= 7) {
    k += count - 1;  // a closed canasta is one card wide
  }
  if (t.layOffPending && i == t.targetMeld && mode != 1) {
    int32_t pending = handUsed(t.pendingCards);
    if (count < 7 && count + pending >= 7) {
      k += (count + pending - 1) * (mode == 2 ? 1.0f : t.layOffProgress);
    } else if (count > 6) {
      k += pending * t.layOffProgress;
    }
  }
  return k;
}

struct TRow {
  float x, z, maxWidth;
};

// Base place and maximum width of row r of a side, with the Perspektive's corrections.
TRow rowOf(bool own, int32_t r, float u, float w) {
  const bool can = canasta(), above = isViewFromAbove(), side = isViewFromSide();
  const float offset = float(Tk12Container::meldRowOffset());
  TRow row{};
  if (!own) {
    switch (std::min(r, 3)) {
      case 0:
        row = {-210, -800, 16.9f * u};
        if (can) row = {side ? -120.0f : -225.0f, -800, (above ? 13.0f : side ? 14.8f : 19.8f) * w};
        break;
      case 1:
        row = {-100, -1050, 14 * u};
        if (can) row = {-100, -1020, (above ? 14.2f : side ? 16.2f : 15.8f) * u};
        break;
      case 2:
        row = {90, -1300, 11 * u};
        if (can) row = {50, -1240, (above ? 14.8f : side ? 15.8f : 14.0f) * u};
        break;
      default:
        row = {260, -1550, 1000 * u};
        if (can) row = {above ? 100.0f : 250.0f, -1460, 1000 * u};
    }
    if (above) {
      row.z += 180 + meldLayoutWidth();
      row.x -= 130 + (r >= 1 ? 140 : 0) + (r >= 2 ? 160 : 0);
    } else if (side) {
      row.x -= 340 + (r >= 1 ? 80 : 0) + (r >= 2 ? 120 : 0) + (r >= 3 ? 100 : 0);
      row.z += 70;
    }
  } else {
    switch (std::min(r, 2)) {
      case 0:
        row = {40, -550, 18.5f * u};
        if (can) row = {-175, -570, (above ? 10.0f : side ? 12.5f : 18.5f) * u};
        break;
      case 1:
        row = {390 - 20 * offset, -305, 1000 * u};
        if (can) row = {row.x, -345, (above ? 9.4f : side ? 8.2f : 12.0f) * u};
        break;
      default: row = {above ? -150.0f : 315.0f, -125, 1000 * u};
    }
    if (above) {
      row.z += 180 + meldLayoutWidth() + meldLayoutStep();
      row.x += 220 - (r == 1 ? 470 : 0);
    } else if (side) {
      row.z += 70 - (r == 1 ? 70 : 0) - (r == 2 ? 140 : 0);
      row.x -= 170;
    }
  }
  if (largeLayoutEnabled()) {
    row.x += 280;
    row.z += 190;
  }
  return row;
}

}  // namespace

// [SECTION] the small numbers

int32_t Tk12Container::meldRowOffset() { return canasta() ? 4 : 0; }

float cardScaleForDeckSize() {
  int32_t c = meldCards();
  if (c >= 100) setksize();
  if (c < 106) return 1.0f;
  return 1.0f - 0.0015f * float(std::min(30, c - 105));
}

float meldLayoutWidth() {
  int32_t d = k12.otherMeldCount - k12.ownMeldCount;
  if (isViewFromAbove()) {
    float r = -170;
    if (d >= 6) r = float(std::min(270, 12 * d - 60)) - 170;
    else if (d < -2) r = float(std::max(-260, 12 * d + 24)) - 170;
    return r * 1.08f;
  }
  if (d >= 6) return float(std::min(270, 12 * d - 60)) - 170;
  if (d < -3) return float(std::max(-260, 12 * d + 36)) - 170;
  return -170;
}

float meldLayoutStep() {
  int32_t c = meldCards();
  return c <= 30 ? 50.0f : std::max(0.0f, 50.0f - float(c - 30) * 0.5f);
}

float easeCurve(float p) {
  float u = p < 0.2f ? 2.5f * p : 0.5f + (p - 0.2f) * 0.625f;
  float s = std::sin(3.14159f * u);
  return 420.0f * s * s;
}

// [SECTION] the meld's place

void Tk12Container::meldCardPose(int32_t n, bool withPending, TCardPose& out, int32_t mode) {
  if (meldCards() >= 121) setksize();
  out = TCardPose{150, 272, -780, -79, -6, 0};
  if (layOffPending && jokerExchange) withPending = false;
  float w = 104 - 1.3f * float(meldRowOffset());
  if (isViewFromAbove()) w *= 1.25f;
  else if (isViewFromSide()) w *= 1.3f;
  float u = w;
  if (canasta()) {
    u = w * 0.85f;
    w *= 0.85f;
  }
  w *= sizeFactor();
  const bool own = n < 21;
  const int32_t first = own ? 1 : 21;
  int32_t r = 0, s = first;
  float offset = 0;
  if (n >= first && n <= 60) {
    TRow row = rowOf(own, r, u, w);
    float total = 0, k = 0, before = 0;
    for (int32_t i = s; i <= n;) {
      total += handUsed(melds[i]);
      if (withPending && layOffPending && i == targetMeld) total += handUsed(pendingCards);
      k += compression(*this, i, mode);
      float width = (total - k) * w * 0.2f + float(i - s + 1) * w * 1.3f;
      if (width >= row.maxWidth && i > s) {
        row = rowOf(own, ++r, u, w);
        s = i;
        total = k = before = 0;
        continue;
      }
      if (i == n) offset = before;
      before = width;
      i++;
    }
    out.x = row.x;
    out.z = row.z;
  } else {
    TRow row = rowOf(own, 0, u, w);
    out.x = row.x;
    out.z = row.z;
  }
  out.x += offset;
  if (isViewFromSide()) {
    out.rotX += 90;
    out.y += cg.gs.tableScale * 60 / 0.82f;
  }
  if (cg.gs.tutorialMode) {
    out.x += 100;
    out.z -= 200;
  }
}

// [SECTION] a card's place in its meld

void Tk12Container::meldCardTarget(int32_t n, int32_t f, TCardSlot& out, bool keepLift, int32_t slot) {
  bool real = n >= 1 && n <= 20 + otherMeldCount && f >= 1 && f <= 20;
  if (!real) n = f = 1;
  out.pose = TCardPose{0, 0, 0, 0, 0.5f, 0};
  out.meldNo = n;
  out.meldPos = f;
  // Drawing places a card and records it at once; a fallback place records nothing.
  if (!layOffPending && real) melds[n].k[f].hi = static_cast<int16_t>(slot);
  float g = 104 - 3 * float(meldRowOffset());
  if (isViewFromSide()) g *= 1.04f;
  if (canasta()) g *= 0.85f;
  g *= sizeFactor();
  const THand64& m = melds[n];
  const int32_t count = handUsed(m);
  float e = -1, sum = 0;
  const bool sideView = isCanastaSideView();
  if (canasta() || ginRummy()) {
    for (int32_t p = 1; p <= count; p++) {
      const TCardSlot* s = slotOfPosition(m, p);
      if (!inFlight(s)) continue;
      if (canasta() && count >= 7 && canastaClosed[n] == 0) e = s->t;
      if (p < f && (ginRummy() || canastaIsWildCard(s->card))) {
        sum += s->t;
        if (!sideView) out.pose.z = easeCurve(s->t);
      }
    }
  }
  float h = f == 1 ? 0 : (float(f) - 1 - sum) * 0.2f;
  out.pose.x = g * h * 1.5f;
  if (canasta()) {
    int32_t pending = handUsed(pendingCards);
    if (layOffPending && n == targetMeld && count < 7 && count + pending >= 7) {
      out.pose.x = g * h * (1 - layOffProgress);
      out.pose.z = g * h * 0.125f * layOffProgress;
    } else if (count >= 7 && e >= 0) {
      out.pose.x *= e;
      out.pose.z += g * h * 0.125f * (1 - e);
    } else if (count >= 7) {
      out.pose.x = 0;
      out.pose.z += g * h * 0.125f;
    }
  }
  if (layOffPending && jokerExchange && n == targetMeld && isSelected(exchangePos) && isSelected(f) &&
      !keepLift)
    out.pose.z = 40;
  if (!sideView) {
    out.pose.y += float((37777 * n % 733) % 9 - 5) * 0.8f;
    out.pose.x += float((47777 * n % 731) % 7 - 3) * 0.8f;
    out.pose.rotZ += float((57777 * n % 917) % 11 - 3) * 0.3f;
  }
}
