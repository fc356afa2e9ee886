// The card choice: a seat following into an open trick (and a Schafkopf seat in Bettel or
// Ramsch, always) rates every legal card and plays the best; a seat that leads goes through
// the lead rules, each built on a small picker over the legal cards (highest first).
//
// [SECTION] candidate evaluation
// [SECTION] pickers
// [SECTION] the card choice
#include <cmath>
#include <cstdio>
#include <string>

#include "core/card_names.h"
#include "core/card_order.h"
#include "core/cg.h"
#include "games/skat/doppelkopf_rules.h"
#include "games/skat/schafkopf_rules.h"
#include "games/skat/skat_family_ai.h"
#include "games/skat/skat_family_ai_debug.h"
#include "platform/random.h"

bool TFamilyAI::isBettelOrRamsch() const { return !g.doppelkopf && schafkopfIsBettelOrRamsch(); }

int32_t TFamilyAI::strength(int32_t seat) const {
  return seat >= 1 && seat <= 6 ? cg.gs.seatProfiles[seat].strength : 3;
}

// [SECTION] candidate evaluation

namespace {

int32_t R(double x) { return familyRound(x); }

int32_t gambleTerm(float p, float T, float c) {
  if (p <= 0.5f) return 0;
  const float q = T / 4.0f;
  int32_t g = 0;
  if (c > 2 * q) g = -200;
  else if (c > 1.5f * q) g = -60;
  else if (c > 1.2f * q) g = -30;
  else if (c > q) g = -10;
  else if (c < 0.4f * q) g = 90;
  else if (c < 0.6f * q) g = 50;
  else if (c < 0.8f * q) g = 25;
  return g < 0 ? R((2.0 - p) * g) : R(g * (p - 0.5));
}

}  // namespace

int32_t TFamilyAI::evaluateCandidates(const TCandidateRatings& ratings) const {
  const int32_t n = std::min<int32_t>(handUsed(v.legalCards), 12);
  if (n <= 0) return 1;
  const int32_t str = strength(v.viewSeat);
  const int32_t r = 1 + randomBelow(n);
  if (randomReal() <= 0.3 && str < 2) return r;
  int32_t best = -10000, chosen = r;
  const bool bettelRamsch = isBettelOrRamsch();
  // The debug panel: each candidate's terms by their labels, and the list of values.
  const std::string seatText = "Sp" + std::to_string(v.viewSeat);
  std::string values = ">", bestText;
  for (int32_t i = 1; i <= n; i++) {
    const TCandidateRating& c = ratings[i];
    const float p = c.winChance, T = c.trickValue;
    std::string text = seatText;
    const auto term = [&text](const char* label, int32_t x) { text += std::string("#") + label + std::to_string(x); };
    int32_t value;
    if (bettelRamsch) {
      const double k = p >= 0.999f ? 11 : 10;
      value = -R(k * p * T) + R(11.0 * (1.0 - p) * T) + R(c.trumpCost);
      if (schafkopfArea->contract.type == skfBettel) {
        value = R(10000.0 * (1.0 - p));
        if (!(v.trickCount == 0 && v.viewSeat != schafkopfArea->declarerSeat))
          value += 110 * countUnknownLower(v.legalCards.k[i], true) + prlwert(v.legalCards.k[i]);
      }
      text += "#" + std::to_string(value);
    } else {
      const int32_t gain = R(10.0 * p * T);
      const int32_t loss = g.doppelkopf ? R((1.0 - p) * 10.0 * T) : R((1.08 - p) * 12.5 * T);
      value = gain - loss;
      term(g.doppelkopf ? "_win+" : "_win(+)", gain);
      term(g.doppelkopf ? "_win-" : "_win(-)", loss);
      int32_t reveal = 0;
      if (c.revealValue > 1) reveal = R(220.0 * p + 120.0);
      else if (c.revealValue == 1 && p > 0.3f) reveal = R(100.0 * p + 80.0);
      value += reveal;
      if (reveal != 0) term(c.revealValue > 1 ? " offenbar>1" : " ofennbar=1", reveal);
      const int32_t s = c.specialGainA + c.specialGainB;
      const int32_t fig = (s > 50 || s < -50) ? 20 * s : 5 * s;
      value += fig;
      if (s != 0) term(s > 50 ? " fig>50%" : s < -50 ? " fig<-50%" : " fig<49%", fig);
      double k = 1.0;
      if (g.doppelkopf) k = p > 0.5f ? 2.0 : 1.0;
      else k = p > 0.7f ? 2.0 : p > 0.6f ? 1.6 : p > 0.5f ? 1.3 : 1.0;
      const int32_t cost = R(k * c.trumpCost);
      value -= cost;
      if (cost != 0) term("_verlust", cost);
      const int32_t gamble = gambleTerm(p, T, c.catchValue);
      value += gamble;
      if (gamble != 0) term(" zock", gamble);
      if (str == 1 || str == 2) value += randomBelow(70) - 35;
    }
    values += "," + std::to_string(value);
    if (value > best) {
      best = value;
      chosen = i;
      bestText = text;
    }
  }
  setDebugLabelText(debugLabelOfSeat(v.viewSeat), values);
  setDebugLabelText(debugLabelChoice, bestText);
  return chosen;
}

// [SECTION] pickers

int32_t TFamilyAI::lowestValueCard(bool trumpPenalty) const {
  int32_t best = 1, bestValue = 0;
  for (int i = 1; i <= handUsed(v.legalCards); i++) {
    const TCard& c = v.legalCards.k[i];
    const int32_t value = g.cardPoints(c) + (trumpPenalty && g.isTrump(c) ? 50 : 0);
    if (i == 1 || value < bestValue) best = i, bestValue = value;
  }
  return best;
}

int32_t TFamilyAI::countSureWinners() const {
  int32_t n = 0;
  for (int i = 1; i <= handUsed(v.legalCards); i++) n += countUnknownHigher(v.legalCards.k[i], false) == 0 ? 1 : 0;
  return n;
}

int32_t TFamilyAI::bestCardToGivePartner() const {
  const int32_t bp = v.believedPartner;
  int32_t best = 0, bestValue = 0;
  for (int i = 1; i <= handUsed(v.legalCards); i++) {
    const TCard& c = v.legalCards.k[i];
    const int32_t k = suitClass(c);
    float d = bp > 0 ? probIsVoid(bp, k) : 0.0f;
    for (int32_t j = 1; j <= 4; j++) {
      if (j == v.viewSeat || j == bp) continue;
      const float e = probIsVoid(j, k);
      if (e <= 0.5f) continue;
      if (!v.partnerLast && bp > 0 && j == bp % 4 + 1) d = 0.0f;
      if (e > d) d = 0.0f;
      d -= 0.2f;
    }
    int32_t value = d > 0.8f ? g.cardPoints(c) : -g.cardPoints(c);
    value = d > 0.6f ? value + R(100.0 * d) : 0;
    if (value > bestValue) best = i, bestValue = value;
  }
  return best;
}

int32_t TFamilyAI::highestOrderCard() const {
  int32_t best = 1;
  for (int i = 2; i <= handUsed(v.legalCards); i++)
    if (prlwert(v.legalCards.k[i]) > prlwert(v.legalCards.k[best])) best = i;
  return best;
}

int32_t TFamilyAI::lowestOrderCard() const {
  int32_t best = 1;
  for (int i = 2; i <= handUsed(v.legalCards); i++)
    if (prlwert(v.legalCards.k[i]) < prlwert(v.legalCards.k[best])) best = i;
  return best;
}

int32_t TFamilyAI::bestTrumpToLead() const {
  int32_t sure = countSureWinners();
  int32_t unseenTrumps = 0;
  for (int i = 1; i <= handUsed(v.unseenCards); i++) unseenTrumps += g.isTrump(v.unseenCards.k[i]) ? 1 : 0;
  if (unseenTrumps / 2 <= sure) sure = 5;
  const bool suitSolo = g.doppelkopf && doppelkopfArea->doppelkopfSoloType >= 1 && doppelkopfArea->doppelkopfSoloType <= 4;
  int32_t best = 0, bestValue = 0;
  for (int i = 1; i <= handUsed(v.legalCards); i++) {
    const TCard& c = v.legalCards.k[i];
    const bool trump = g.isTrump(c);
    int32_t value = prlwert(c);
    if (trump && (c.t == rankJack || c.t == rankQueen || (g.doppelkopf && c.t == rankTen && c.f == suitHearts))) value++;
    const int32_t h = countUnknownHigher(c, false);
    if (h == 1 && sure < 3) value += 2;
    if (h == 2 && sure < 3) value += 1;
    if (suitSolo && trump && h > 0 && c.f == doppelkopfArea->doppelkopfSoloType) {
      if (c.t == rankTen) value -= 5;
      if (c.t == rankAce) value -= 6;
    }
    if (value > bestValue) best = i, bestValue = value;
  }
  if (best == 0) return 1;
  const int32_t h = countUnknownHigher(v.legalCards.k[best], false);
  for (int i = 1; i <= handUsed(v.legalCards); i++)
    if (countUnknownHigher(v.legalCards.k[i], false) == h) best = i;
  return best;
}

int32_t TFamilyAI::randomLeadCard() const {
  int32_t best = 1, bestWeight = -1;
  for (int i = 1; i <= handUsed(v.legalCards); i++) {
    const TCard& c = v.legalCards.k[i];
    int32_t w = 1 + randomBelow(10);
    if (c.t == rankKing) w += 100;
    if (c.t == rankJack || c.t == rankQueen) w += 50;
    if (w > bestWeight) best = i, bestWeight = w;
  }
  return best;
}

// [SECTION] the card choice

// The lead rules in turn; 0 leaves the random default. `chance` is the best high-card
// chance of rule 1, `byChance` whether that rule led.
int32_t TFamilyAI::leadRule(float& chance, bool& byChance) {
  const int32_t str = strength(v.viewSeat);
  int32_t best = 0;
  chance = 0.0f;
  byChance = false;
  for (int i = 1; i <= handUsed(v.legalCards); i++) {
    const TCard& c = v.legalCards.k[i];
    const float x = g.isTrump(c) ? 0.0f : aceTrickChance(c);
    if (x > chance) chance = x, best = i;
  }
  if (best > 0 && str >= 2 && (chance > 0.7f || (chance > 0.4f && v.believedPartnerLast))) {
    byChance = true;
    return best;
  }
  const int32_t lone = g.loneSeat();
  if (v.partiesKnown && lone == v.viewSeat && !noPartners()) {
    int32_t t = 0, u = 0;
    for (int i = 1; i <= handUsed(v.ownHand); i++) t += g.isTrump(v.ownHand.k[i]) ? 1 : 0;
    for (int i = 1; i <= handUsed(v.unseenCards); i++) u += g.isTrump(v.unseenCards.k[i]) ? 1 : 0;
    if (((t > 4 && u / 3 <= t) || (t >= 1 && t <= 4 && u / 2 <= t)) && u > 0) return bestTrumpToLead();
    return lowestValueCard(true);
  }
  if (str < 2) return 0;
  if (v.believedPartnerLast) {
    if (str >= 3) {
      if (int32_t give = bestCardToGivePartner()) return give;
      return countSureWinners() >= 2 ? highestOrderCard() : randomLeadCard();
    }
    return lowestOrderCard();
  }
  if (int32_t give = bestCardToGivePartner()) return give;
  return lowestValueCard(false);
}

namespace {

std::string chanceText(float x) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.2f", double(x));
  return buf;
}

}  // namespace

TCard TFamilyAI::chooseCard() {
  setDebugLabelText(debugLabelOfSeat(v.viewSeat), "");
  setDebugLabelText(debugLabelChoice, "");
  aiDebugText.clear();
  const int32_t n = handUsed(v.legalCards);
  if (n == 0) return noCard();
  int32_t pick = 1 + randomBelow(n);
  const bool rate = (v.trickCount >= 1 && v.trickCount <= 3) || isBettelOrRamsch();
  if (rate) {
    TCandidateRatings ratings{};
    trickWinChances(ratings);
    sortHandByValue(v.legalCards, 1, 0, false);
    pick = evaluateCandidates(ratings);
    const TCandidateRating& r = ratings[pick];
    logNothing("_" + std::to_string(familyRound(100.0 * r.winChance)) + " " + std::string(r.reasonText.view()));
    if (!v.partiesKnown && v.trickCount >= 1 && r.revealValue > 0) g.views()[v.viewSeat].shownParty = 1;
  } else {
    float chance = 0.0f;
    bool byChance = false;
    if (int32_t led = leadRule(chance, byChance)) pick = led;
    setDebugLabelText(debugLabelOfSeat(v.viewSeat), "#");
    if (byChance) aiDebugText = (g.doppelkopf ? "Wkt: " : "Wkt0: ") + chanceText(chance);
    else if (!g.doppelkopf) aiDebugText = "NOMAX(" + chanceText(chance) + ")";
  }
  return v.legalCards.k[pick];
}
