// Doppelkopf played headless through the core: every seat answered by the test with a
// random choice among what the open decision offers, drawn from a generator of its own so
// that a run can be repeated; the outcome of a game as the list booked it.
#pragma once

#include <algorithm>
#include <array>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "core/cg.h"
#include "core/game_list.h"
#include "games/skat/doppelkopf_party.h"
#include "games/skat/doppelkopf_state.h"
#include "games/skat/skat_options.h"
#include "platform/random.h"
#include "platform/tick.h"
#include "shell/shell_state.h"
#include "table/animation.h"
#include "tests/skat/doppelkopf_fixture.h"
#include "tests/support/cards.h"
#include "tests/support/headless_skat.h"

// The answers of all four seats. Vorbehalt, Hochzeit and announcements come often enough
// that a few thousand games reach every branch.
struct TDoppelkopfAnswerer {
  std::mt19937 rng{1};
  double vorbehalt = 0.15;    // "Vorbehalt" at decision 66
  double hochzeit = 0.6;      // "Hochzeit" when 84 offers it
  double announceEarly = 0.5; // the next level at 89
  double announceLate = 0.06; // the next level instead of a card at 47
  int32_t declaredSolo = 0;   // the answer to 88 of the current game
  bool hochzeitAlone = false; // the open Hochzeit's seat plays high, the others low

  bool chance(double p) { return std::uniform_real_distribution<double>(0.0, 1.0)(rng) < p; }

  static std::vector<int32_t> offered() {
    const TDecisionBlock& bl = cg.gs.bl;
    std::vector<int32_t> v;
    if (bl.showOptions)
      for (int i = 1; i <= std::min(bl.optionCount, decisionOptionCapacity); i++) v.push_back(bl.optionValues[i]);
    return v;
  }
  static bool has(const std::vector<int32_t>& v, int32_t x) { return std::find(v.begin(), v.end(), x) != v.end(); }
  static bool bothKreuzDamen() {
    const int32_t seat = cg.gs.akspieler;
    return seat >= 1 && seat <= 4 && countCard(sp[seat].hand, makeCard(rankQueen, suitClubs)) == 2;
  }

  // A legal card of the seat to act, by its slot in the seat's hand. The legal list runs
  // from the highest card down.
  int32_t legalSlot() {
    const THand& legal = doppelkopfArea->legalCards;
    const int32_t seat = cg.gs.akspieler;
    if (handUsed(legal) == 0 || seat < 1 || seat > 4) return 0;
    int pick = 1 + static_cast<int>(rng() % handUsed(legal));
    if (hochzeitAlone && doppelkopfHochzeitOpen()) pick = seat == doppelkopfArea->hochzeitSeat ? 1 : handUsed(legal);
    const TCard c = legal.k[pick];
    for (int32_t i = 1; i <= sp[seat].count; i++)
      if (cardsEqual(sp[seat].slots[i].card, c)) return i;
    return 0;
  }

  void answer() {
    const std::vector<int32_t> v = offered();
    const int32_t kind = cg.gs.bl.decisionKind;
    if (kind == 47) {
      if (!v.empty() && chance(announceLate)) return cg.submitAction(2, 0, v[0]);
      return cg.submitAction(0, 0, legalSlot());
    }
    if (v.empty()) return cg.submitAction(2, 0, 0);
    int32_t value = v[rng() % v.size()];
    if (kind == 66 && has(v, 66) && has(v, 84)) value = chance(bothKreuzDamen() ? 3 * vorbehalt : vorbehalt) ? 84 : 66;
    if (kind == 84 && has(v, 87)) value = chance(hochzeit) ? 87 : 86;
    if (value == 87) hochzeitAlone = chance(0.5);
    if (kind == 89 && has(v, 89) && has(v, 0)) value = chance(announceEarly) ? 89 : 0;
    if (kind == 88) declaredSolo = value;
    cg.submitAction(2, 0, value);
  }
};

// What a finished game left: the list's row, the won piles and the result line.
struct TDoppelkopfOutcome {
  std::array<int32_t, 5> row{};
  std::array<std::string, 5> won{};
  std::string text;
  bool operator==(const TDoppelkopfOutcome&) const = default;
};

class DoppelkopfPlayFixture : public DoppelkopfFixture {
 protected:
  void SetUp() override {
    DoppelkopfFixture::SetUp();
    resetTableAndCore();
  }
  void TearDown() override {
    resetTableAndCore();
    tableLandsAtOnce = false;
    DoppelkopfFixture::TearDown();
  }

  // A program that has just started, playing Doppelkopf with four seats the test answers.
  static void resetTableAndCore() {
    resetHeadlessSkat(1, skatDefaultOptions);
    tableLandsAtOnce = true;
    seatFourPlayers();
    trickBySeat = THand{};
    trickCards = THand{};
  }

  static void answeredByTheTest() {
    for (int s = 1; s <= 4; s++) cg.seatRecords[s].kind = seatKindUser;
  }

  // Starts a game of the list (a new list with these options when newList).
  static void start(bool newList, const TDoppelkopfOptions& options) {
    screenMode = 1;
    if (newList) doppelkopfGameArea().options = options;
    cg.startGame(gidDoppelkopf, newList ? 0 : 1);
    answeredByTheTest();
  }

  // Frames until `until` holds (false when the game ends or stalls first); the answerer
  // answers every decision. A game runs until the result is shown.
  template <class Until>
  static bool runUntil(TDoppelkopfAnswerer& answerer, Until until, int frameLimit = 6000) {
    for (int f = 0; f < frameLimit; f++) {
      if (until()) return true;
      if (cg.gs.phase == 5) return false;
      if (cg.gs.awaitingAction == 2) {
        answerer.answer();
        continue;
      }
      headlessFrame();
      advanceFakeTick(50);
    }
    return false;
  }
  static bool finish(TDoppelkopfAnswerer& answerer) {
    return runUntil(answerer, [] { return cg.gs.phase == 5; });
  }

  static TDoppelkopfOutcome outcome() {
    TDoppelkopfOutcome o;
    for (int s = 1; s <= 4; s++) {
      syncHandFromSlots(sp[6 + s]);
      o.row[s] = gameListValue(cg.gs.gamesPlayed, s);
      o.won[s] = handText(sp[6 + s].hand);
    }
    o.text = gameListRowText(cg.gs.gamesPlayed);
    return o;
  }
};
