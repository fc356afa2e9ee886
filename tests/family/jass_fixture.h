// Jass on a headless table: a fresh core and table, hands laid out by card codes, and a game
// played through the core's tick by computer seats with a random answerer mixed in.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <string>

#include "core/card_ai.h"
#include "core/card_order.h"
#include "core/cg.h"
#include "games/family/jass_game.h"
#include "games/family/jass_rules.h"
#include "games/family/jass_weis.h"
#include "games/skat/skat_options.h"
#include "platform/random.h"
#include "shell/shell_globals.h"
#include "shell/shell_state.h"
#include "table/animation.h"
#include "table/stack_sync.h"
#include "tests/support/headless_skat.h"

// A card by a short code: rank "6".."9", "T", "J", "Q", "K", "A" and suit c, s, h, d.
inline TCard jassCard(const std::string& code) {
  static const std::string ranks = "6789TJQKA";
  static constexpr int8_t rankCodes[9] = {rank6, rank7, rank8, rank9, rankTen, rankJack, rankQueen, rankKing, rankAce};
  static const std::string suits = "cshd";
  return makeCard(rankCodes[ranks.find(code[0])], int(suits.find(code[1])) + 1);
}

inline THand jassCards(std::initializer_list<const char*> codes) {
  THand h{};
  for (const char* c : codes) handaddk(h, jassCard(c));
  return h;
}

inline std::string jassCodes(const THand& h) {
  static const char* ranks[15] = {"", "7", "8", "9", "J", "Q", "K", "T", "A", "2", "3", "4", "5", "6", "?"};
  static const char suits[5] = {'?', 'c', 's', 'h', 'd'};
  std::string out;
  for (int i = 1; i <= handUsed(h); i++) out += std::string(out.empty() ? "" : " ") + ranks[h.k[i].t] + suits[h.k[i].f];
  return out;
}

class JassTable : public ::testing::Test {
 protected:
  void SetUp() override {
    resetHeadlessSkat(1, TSkatOptions{});
    tableLandsAtOnce = true;
    cg.gameId = gidJass;
    cg.seatCount = playerCount = 4;
    jassArea() = TJassState{};
    jassArea().roundLimit = jassNoRoundLimit;
    jassArea().countingOrder = 1;
    setMode(1);
  }

  static void setMode(int32_t mode) {
    jassArea().mode = mode;
    jassApplyRankOrder(false);
  }

  static void setHand(int seat, const THand& h) {
    sp[seat].hand = h;
    renumberHand(sp[seat].hand);
    syncSlotsFromHand(sp[seat]);
  }

  // The trick so far, led by `leader`; the seats follow in playing order (seat - 1).
  static void setTrick(int leader, const THand& cards) {
    clearHand(jassArea().trick);
    int seat = leader;
    for (int i = 1; i <= handUsed(cards); i++) {
      TCard c = cards.k[i];
      c.hi = int16_t(seat);
      handaddk(jassArea().trick, c);
      seat = seatBefore(seat, 1);
    }
    jassArea().trickPosition = handUsed(cards) + 1;
  }

  // The legal cards of a seat with the current trick, as codes.
  static std::string legalFor(int seat) {
    cg.gs.phase = jassPhaseTricks;
    cg.gs.akspieler = seat;
    THand legal;
    jassLegalCards(seat, 0, legal);
    return jassCodes(legal);
  }

  // The Weis of a class in a seat's dealt hand, as codes.
  static std::string weisOf(int seat, const THand& dealt, int32_t weisClass) {
    cg.gs.akspieler = seat;
    jassArea().dealtHands[seat] = dealt;
    THand cards;
    jassWeisKind(seat, weisClass, cards);
    return jassCodes(cards);
  }
};

// A saved game loaded into a fresh program: the core, the stacks and the card orders empty,
// the shell naming the game whose file it loads, then the resume of the core.
inline bool reloadSavedGame(const std::string& base, TGameId id) {
  static const TCG* blank = new TCG();
  cg = *blank;
  std::memset(static_cast<void*>(&sp), 0, sizeof sp);
  std::memset(static_cast<void*>(&spLayout), 0, sizeof spLayout);
  for (int s = 1; s <= stackCount; s++) sp[s].stackNo = spLayout[s].stackNo = s;
  cardValues = TCardValueTable{};
  cardValues0 = TCardValueTable{};
  cg.gameId = id;
  createCardAIs();
  if (!cg.loadGame(base)) return false;
  cg.resumeGame();
  screenMode = 1;
  return true;
}

// The end of a game from here, with the random generator in a fixed state: the list totals
// and every stack's cards.
inline std::string playToEnd(uint64_t seed, bool withStacks = true) {
  randomSeed(seed);
  for (int f = 0; f < 100000 && cg.gs.phase != 5; f++) {
    headlessFrame();
    advanceFakeTick(50);
  }
  std::string out = "phase " + std::to_string(cg.gs.phase) + " totals";
  for (int s = 1; s <= 4; s++) out += " " + std::to_string(cg.gs.listTotals[s]);
  if (!withStacks) return out;  // Jass: the table's piles carry the open fault of its played-card slot
  for (int s : {1, 2, 3, 4, 7, 8, 9, 10, 12}) {
    syncHandFromSlots(sp[s]);
    out += " | " + std::to_string(s) + ": " + jassCodes(sp[s].hand);
  }
  return out;
}
