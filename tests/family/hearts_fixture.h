// Hearts on a headless table: a fresh core and table, hands laid out by card codes, and a
// list of games played by computer seats with a random answerer mixed in.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "core/cg.h"
#include "games/family/hearts_game.h"
#include "games/family/hearts_rules.h"
#include "games/skat/skat_options.h"
#include "shell/shell_globals.h"
#include "table/animation.h"
#include "table/stack_sync.h"
#include "tests/support/headless_skat.h"

// A card by a short code: rank "2".."9", "T", "J", "Q", "K", "A" and suit c, s, h, d.
inline TCard heartsCard(const std::string& code) {
  static const std::string ranks = "23456789TJQKA";
  static constexpr int8_t rankCodes[13] = {rank2, rank3, rank4, rank5, rank6, rank7, rank8,
                                           rank9, rankTen, rankJack, rankQueen, rankKing, rankAce};
  static const std::string suits = "cshd";
  return makeCard(rankCodes[ranks.find(code[0])], int(suits.find(code[1])) + 1);
}

inline THand heartsCards(std::initializer_list<const char*> codes) {
  THand h{};
  for (const char* c : codes) handaddk(h, heartsCard(c));
  return h;
}

inline std::string heartsCodes(const THand& h) {
  static const char* ranks[15] = {"", "7", "8", "9", "J", "Q", "K", "T", "A", "2", "3", "4", "5", "6", "?"};
  static const char suits[5] = {'?', 'c', 's', 'h', 'd'};
  std::string out;
  for (int i = 1; i <= handUsed(h); i++) out += std::string(out.empty() ? "" : " ") + ranks[h.k[i].t] + suits[h.k[i].f];
  return out;
}

class HeartsTable : public ::testing::Test {
 protected:
  void SetUp() override {
    resetHeadlessSkat(1, TSkatOptions{});
    tableLandsAtOnce = true;
    cg.gameId = gidHearts;
    cg.seatCount = playerCount = 4;
    heartsArea() = THeartsState{};
    heartsArea().heartsSeating = 1;
    heartsArea().roundLimit = heartsNoRoundLimit;
    heartsSetCardValues();
  }

  static void setHand(int seat, const THand& h) {
    sp[seat].hand = h;
    renumberHand(sp[seat].hand);
    syncSlotsFromHand(sp[seat]);
  }
  static void setPile(int stack, const THand& h) { setHand(stack, h); }

  // The trick so far, led by `leader`; the seats follow in turn.
  static void setTrick(int leader, const THand& cards) {
    clearHand(heartsArea().trick);
    for (int i = 1; i <= handUsed(cards); i++) {
      TCard c = cards.k[i];
      c.hi = int16_t((leader + i - 2) % 4 + 1);
      handaddk(heartsArea().trick, c);
    }
    heartsArea().trickPosition = handUsed(cards) + 1;
  }

  // The legal cards of the seat to act while playing.
  static std::string legalFor(int seat) {
    cg.gs.phase = heartsPhasePlay;
    cg.gs.subState = heartsAskCard;
    cg.gs.akspieler = seat;
    heartsArea().actingHand = sp[seat].hand;
    THand legal;
    heartsLegalCards(seat, 0, legal);
    return heartsCodes(legal);
  }
};
