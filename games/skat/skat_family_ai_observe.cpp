// Watching the table: every card played, the user's included, teaches the computer players
// which seats are void in a suit class and which seat seems to help which. The facts go to
// the seats' knowledge in the game's area, the evidence and guesses into the party views.
//
// [SECTION] the hook
// [SECTION] who takes the trick, and what the card says
// [SECTION] Doppelkopf's Kreuz-Dame and Dulle rules
// [SECTION] consistency and guesses
#include <cmath>
#include <string>

#include "core/card_names.h"
#include "core/cg.h"
#include "games/skat/doppelkopf_rules.h"
#include "games/skat/skat_family_ai.h"
#include "games/skat/skat_state.h"
#include "shell/shell_globals.h"
#include "shell/shell_state.h"
#include "table/stack_sync.h"
#include "table/stacks.h"

namespace {
int32_t seatAfter(int32_t seat, int32_t n) { return ((seat - 1 + n) % 4 + 4) % 4 + 1; }
int32_t& evidence(TPartyView& view, int32_t row, int32_t col) { return view.evidence[4 * (row - 1) + col]; }
bool isKreuzDame(const TCard& c) { return c.t == rankQueen && c.f == suitClubs; }
bool isDulle(const TCard& c) { return c.t == rankTen && c.f == suitHearts; }
bool isFox(const TCard& c) { return c.t == rankAce && c.f == suitDiamonds; }
bool decided(int32_t party) { return party != partyUndecided; }
int32_t otherParty(int32_t party) { return party == partyRe ? partyKontra : partyRe; }
}  // namespace

// [SECTION] the hook

void TFamilyAI::observe(int kind, int32_t, int32_t b) {
  if (kind != 0 || cg.gs.phase != g.trickPhase() || (screenMode != 1 && screenMode != 2)) return;
  const int32_t p = cg.gs.akspieler;
  if (p < 1 || p > 4) return;
  TSavedSeatKnowledge& saved = g.saved();
  if (handUsed(trickCards) >= 1) {
    const int32_t led = suitClass(trickCards.k[1]);
    for (int i = 2; i <= handUsed(trickCards); i++) {
      const TCard& t = trickCards.k[i];
      if (suitClass(t) != led && t.hi >= 1 && t.hi <= 4) saved[t.hi].isVoid[led] = 1;
    }
  }
  for (int i = 1; i <= handUsed(trickCards); i++) {
    const TCard& t = trickCards.k[i];
    if (t.hi >= 1 && t.hi <= 4) removeFirstCard(saved[t.hi].knownCards, t);
  }
  if (g.partiesKnown() || !g.anyPartyUnknown()) return;
  if (g.doppelkopf && g.hochzeitOpen()) return;
  syncHandFromSlots(sp[p]);
  if (b < 1 || b > handUsed(sp[p].hand)) return;
  TCard c = sp[p].hand.k[b];
  c.hi = static_cast<int16_t>(p);
  inferParties(c);
}

int32_t TFamilyAI::probabilityScore(float x) {
  static constexpr struct {
    float above;
    int32_t score;
  } steps[] = {{0.975f, 120}, {0.95f, 100}, {0.925f, 90}, {0.9f, 80}, {0.875f, 72}, {0.85f, 65}, {0.825f, 58},
               {0.8f, 52},    {0.775f, 45}, {0.75f, 38},  {0.725f, 32}, {0.7f, 26},  {0.675f, 20}, {0.65f, 15},
               {0.625f, 10},  {0.6f, 5},    {0.575f, 3},  {0.55f, 2},   {0.525f, 1}};
  for (const auto& s : steps)
    if (x > s.above) return s.score;
  return 0;
}

// [SECTION] who takes the trick, and what the card says

void TFamilyAI::inferParties(const TCard& c) {
  const int32_t p = c.hi;
  TPartyViews& views = g.views();
  for (int32_t view = 0; view <= 4; view++)
    for (int32_t s = 1; s <= 4; s++) views[view].partyGuess[s] = g.parteievt(s, view);
  const int32_t n = handUsed(trickCards);
  if (n >= 1) {
    THand withC = trickCards;
    handaddk(withC, c);
    const TCard L = withC.k[1];
    const int32_t lc = suitClass(L);
    int32_t W = g.trickWinner(withC);
    const TCard B = g.trickWinningCard(withC);
    LArray<float, 1, 4> pwin{};
    buildView(p);
    const int32_t next = seatAfter(p, 1), next2 = seatAfter(p, 2);
    if (n == 1) {
      const float h1 = probHigherCard(next, B), h2 = probHigherCard(next2, B);
      float r, b1, b2;
      if (g.isTrump(B)) {
        r = (1 - h1) * (1 - h2);
        b1 = h1;
        b2 = h2;
      } else {
        const float o1 = probClassWithoutOther(next, lc, familyTrumpClass);
        const float o2 = probClassWithoutOther(next2, lc, familyTrumpClass);
        r = (1 - o1) * (1 - h1) * (1 - o2) * (1 - h2);
        b1 = 1 - (1 - o1) * (1 - h1);
        b2 = 1 - (1 - o2) * (1 - h2);
      }
      if (r > 0.5f) pwin[W] = r;
      else if (b1 > 0.5f) W = next, pwin[next] = b1;
      else if (b2 > 0.5f) W = next2, pwin[next2] = b2;
    } else if (n == 2) {
      float q2;
      if (suitClass(B) == lc)
        q2 = 1 - (1 - probHigherCard(next, B)) * (1 - probClassWithoutOther(next, lc, familyTrumpClass));
      else
        q2 = probIsVoid(next, lc) * probHigherCard(next, B);
      if (q2 > 0.5f) W = next, pwin[next] = q2;
      else pwin[W] = 1 - q2;
    } else {
      pwin[W] = 1.0f;
    }
    if (W != p) {
      for (int32_t i = 0; i <= 4; i++) {
        buildView(i == 0 ? p : i);
        float q = 0.0f;
        bool positive = false;
        if (c.t == rankKing || c.t == rankTen || c.t == rankAce) {
          q = probLowerOfSuit(p, c, lc);
          positive = true;
        } else if (c.t != rankQueen) {
          q = probHigherOfSuit(p, c, lc);
        }
        const int32_t e = positive ? probabilityScore(q * pwin[W]) : 0;
        evidence(views[i], p, W) += e;
        const std::string core = std::to_string(e) + "." + std::to_string(p) + ">" + std::to_string(W) +
                                 " Absicht: " + std::to_string(familyRound(100.0 * q)) + "%, Wkt" + std::to_string(W) +
                                 ": " + std::to_string(familyRound(100.0 * pwin[W])) + "%";
        logNothing(e != 0 ? "!!!" + core + " !!!" : core);
      }
    }
    v.viewSeat = p;
    if (g.doppelkopf) {
      // [SECTION] Doppelkopf's Kreuz-Dame and Dulle rules
      const bool pOpen = views[0].party[p] == partyUndecided;
      if (pOpen && noReKnown() && suitClass(c) != lc && !isKreuzDame(c) && !isFox(c)) addPartyEvidence(p, partyKontra, 100);
      const TCard before = g.trickWinningCard(trickCards);
      if (isDulle(B) && (isKreuzDame(before) || (noReKnown() && pOpen)))
        addPartyEvidence(p, partyKontra, isKreuzDame(before) ? 100 : 60);
      if (isKreuzDame(before) && pOpen && isDulle(B) && g.isTrump(B) && g.trickWinner(withC) == p) {
        const int32_t K = g.trickWinner(trickCards);
        for (int32_t i = 1; i <= 4; i++) {
          if (i == p) continue;
          int32_t amount = decided(views[0].party[K]) ? 60 : 0;
          buildView(i);
          if (probLowerOfSuit(p, c, suitClass(c)) < 0.6f) amount = 0;
          if (amount > 0) addPartyEvidence(p, g.parteievt(K, i), -amount);
        }
      }
    }
  }
  keepEvidenceConsistent();
  guessParties();
}

void TFamilyAI::addPartyEvidence(int32_t seat, int32_t party, int32_t amount) {
  TPartyViews& views = g.views();
  for (int32_t view = 1; view <= 4; view++) {
    if (view == seat) continue;
    const int32_t own = g.parteievt(view, view);
    if (own == party)
      evidence(views[view], seat, view) += amount;
    else if ((own == partyRe || own == partyKontra) && own == otherParty(party))
      evidence(views[view], seat, view) -= amount;
    else
      familyAIAlert("ACHTUNG! Logikfehler: partei_evt[" + std::to_string(view) + "," + std::to_string(view) +
                    "]=" + std::to_string(own));
  }
}

// [SECTION] consistency and guesses

void TFamilyAI::keepEvidenceConsistent() {
  TPartyViews& views = g.views();
  for (int32_t a = 1; a <= 4; a++)
    for (int32_t b = 1; b <= 4; b++) {
      if (a == b || !decided(views[0].party[a]) || !decided(views[0].party[b])) continue;
      const bool differ = views[0].party[a] != views[0].party[b];
      for (int32_t i = 1; i <= 4; i++)
        for (int32_t* e : {&evidence(views[i], a, b), &evidence(views[i], b, a)})
          if ((differ && *e > 0) || (!differ && *e < 0)) *e = 0;
    }
}

void TFamilyAI::guessParties() {
  TPartyViews& views = g.views();
  for (int32_t i = 1; i <= 4; i++) {
    TPartyView& view = views[i];
    const int32_t own = g.parteievt(i, i);
    const int32_t other = own == partyRe ? partyKontra : partyRe;
    int32_t partner = 0;
    bool partnerFixed = false;
    int32_t opponents[4] = {0, 0, 0, 0};
    bool opponentFixed[4] = {false, false, false, false};
    int32_t opponentCount = 0;
    for (int32_t j = 1; j <= 4; j++) {
      if (j == i) continue;
      if (view.party[j] == own) partner = j, partnerFixed = true;
      else if (view.party[j] == other && opponentCount < 3) {
        opponentFixed[opponentCount] = true;
        opponents[opponentCount++] = j;
      }
    }
    for (int32_t j = 1; j <= 4; j++) {
      if (j == i || views[0].party[j] != partyUndecided) continue;
      int32_t s = familyRound(3.5 * evidence(view, j, i));
      for (int32_t k = 1; k <= 4; k++) {
        if (k == i || k == j) continue;
        s += g.parteievt(k, i) == own ? evidence(view, j, k) : -evidence(view, j, k);
      }
      view.guessScore[j] = s;
      const int32_t t = view.partyGuess[j] == partyUndecided ? 40 : 0;
      if (s > t) {
        if (partner == 0) {
          partner = j;
          view.partyGuess[j] = own;
        } else if (!partnerFixed && partner != j && view.guessScore[partner] < s) {
          view.partyGuess[partner] = partyUndecided;
          partner = j;
          view.partyGuess[j] = own;
        }
      } else if (s < -t) {
        if (opponentCount < 2) {
          opponentFixed[opponentCount] = false;
          opponents[opponentCount++] = j;
          view.partyGuess[j] = other;
        } else {
          for (int32_t o = 0; o < opponentCount; o++)
            if (!opponentFixed[o] && opponents[o] != j && view.guessScore[opponents[o]] > s) {
              view.partyGuess[opponents[o]] = partyUndecided;
              opponents[o] = j;
              view.partyGuess[j] = other;
              break;
            }
        }
      }
    }
    int32_t partners = 0, enemies = 0, weakest = 0, strongest = 0;
    for (int32_t j = 1; j <= 4; j++) {
      if (j == i) continue;
      const int32_t pj = g.parteievt(j, i);
      const bool open = views[0].party[j] == partyUndecided;
      if (pj == own) {
        partners++;
        if (open && (weakest == 0 || view.guessScore[j] < view.guessScore[weakest])) weakest = j;
      } else if (pj == other) {
        enemies++;
        if (open && (strongest == 0 || view.guessScore[j] > view.guessScore[strongest])) strongest = j;
      }
    }
    if (partners >= 2 && weakest > 0) view.partyGuess[weakest] = partyUndecided;
    if (enemies >= 3 && strongest > 0) view.partyGuess[strongest] = partyUndecided;
    g.partyDeduce(i);
  }
}
