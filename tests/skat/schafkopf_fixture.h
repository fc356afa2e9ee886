// A Schafkopf test's surroundings: the core playing Schafkopf with four named seats and the
// German suit names, a fresh Schafkopf area, empty stacks; and helpers that deal hands, fill
// won piles, apply a contract and set the public parties.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/card_names.h"
#include "core/cg.h"
#include "games/skat/schafkopf_contract.h"
#include "games/skat/schafkopf_rules.h"
#include "games/skat/schafkopf_state.h"
#include "games/skat/skat_state.h"
#include "shell/env_param.h"
#include "shell/shell_globals.h"
#include "table/stack_sync.h"
#include "table/stacks.h"
#include "tests/support/cards.h"

class SchafkopfFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!savedArea) {  // a test may call SetUp again to start a case afresh
      savedGame = cg.gameId;
      savedArea = schafkopfArea;
      savedStyle = envParam.cardStyle;
      savedPlayers = playerCount;
    }
    cg.gameId = gidSchafkopf;
    playerCount = 4;
    cg.seatCount = 4;
    const char* names[] = {"Anna", "Bert", "Carl", "Dora"};
    for (int s = 1; s <= 4; s++) cg.seatNames[s] = names[s - 1];
    envParam.cardStyle = 2;
    const char* suits[] = {"Eichel", "Grün", "Herz", "Schellen"};
    for (int s = 1; s <= 4; s++) suitNameTable[2][s] = suits[s - 1];
    area = TSchafkopfArea{};
    area.options.soloValue = 2;
    area.options.laufende = 1;
    schafkopfAttachArea(area);
    schafkopfBuildTrumpOrder();  // the order of the bidding, as a new game leaves it
    clearTable();
  }
  void TearDown() override {
    clearTable();
    schafkopfAttachArea(*savedArea);
    cg.gameId = savedGame;
    envParam.cardStyle = savedStyle;
    playerCount = savedPlayers;
  }
  static void clearTable() {
    for (int s = 1; s <= 12; s++) {
      sp[s].count = 0;
      syncHandFromSlots(sp[s]);
    }
    clearHand(trickCards);
    clearHand(trickBySeat);
    cg.gs.phase = 0;
    cg.gs.akspieler = 1;
    cg.gs.gamesPlayed = 0;
    for (int s = 1; s <= 6; s++) cg.gs.listTotals[s] = 0;
  }

  static void setStack(int stack, const THand& cards) {
    TSpieler& st = sp[stack];
    for (int i = 1; i <= handUsed(cards); i++) st.slots[i].card = cards.k[i];
    st.count = handUsed(cards);
    syncHandFromSlots(st);
  }
  static void setStack(int stack, const std::string& cards) { setStack(stack, handOf(cards)); }

  // The four hands: the cards named per seat, each filled up to eight from the rest of the
  // deck (sevens first).
  static void deal(const std::vector<std::string>& named) {
    THand rest = fullDeck();
    LArray<THand, 1, 4> hands{};
    for (int s = 1; s <= 4; s++) {
      if (s - 1 < int(named.size())) hands[s] = handOf(named[s - 1]);
      removeHandCards(rest, hands[s]);
    }
    for (int s = 1; s <= 4; s++)
      while (handUsed(hands[s]) < 8) handaddk(hands[s], deleteCardAt(rest, 1));
    for (int s = 1; s <= 4; s++) setStack(s, hands[s]);
  }

  static THand fullDeck() {
    THand h{};
    for (int r = rank7; r <= rankAce; r++)
      for (int s = suitClubs; s <= suitDiamonds; s++) handaddk(h, makeCard(r, s));
    return h;
  }

  // Applies the contract with the given declarer (also the highest bidder).
  static void apply(uint8_t type, uint8_t suit, uint8_t tout, int32_t declarer) {
    schafkopfArea->highestBidder = declarer;
    schafkopfApplyContract(TContractRecord{type, suit, tout});
  }
  // Only the trump order of a contract, without hands.
  static void order(uint8_t type, uint8_t suit) {
    schafkopfArea->contract = TContractRecord{type, suit, 0};
    schafkopfBuildTrumpOrder();
  }

  static void setPublicParty(int32_t seat, int32_t party) {
    schafkopfArea->partyViews[0].party[seat] = party;
    schafkopfArea->partyViews[0].partyGuess[seat] = party;
  }

  TSchafkopfArea area{};
  TSchafkopfArea* savedArea = nullptr;
  TGameId savedGame = gidNone;
  int32_t savedStyle = 1;
  int32_t savedPlayers = 0;
};
