// A Skat table for the computer player's tests: three seats with hands written into their
// stacks, the records reset, known rule tables and profiles, an empty trick.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "core/cg.h"
#include "games/skat/skat_ai_state.h"
#include "games/skat/skat_profile.h"
#include "games/skat/skat_rule_tables.h"
#include "games/skat/skat_rules.h"
#include "games/skat/skat_state.h"
#include "platform/paths.h"
#include "table/stack_sync.h"
#include "table/stacks.h"
#include "tests/support/cards.h"

class SkatAIFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Seat s's hand (stack s): slots and hand copy, owner s; the rating and voids cleared.
  void setSeat(int s, const std::string& cards);
  // The current game: both records' game type and the rank order.
  void setGame(int32_t type, int32_t declarer);
  // Cards already in the current trick, in playing order, led by `leader`.
  void setTrick(int32_t leader, const std::string& cards);
  // A rule table in a slot, in the files' format (after "|data|").
  void setTable(int slot, const std::string& rules);
  // Every seat's profile: the seven numbers (strength 2).
  void setProfiles(const TSkatProfileFields& p);
  // The trace log "proto3.txt" of the fixture's own program folder.
  std::string protocolText() const;

  TSkatArea savedArea{};
  std::string savedFolder;
  std::string folder;
};

// A profile that adds nothing to the rating (no scaling, no noise) and lets the card play
// look at the real hands every time.
constexpr TSkatProfileFields neutralProfile{0, 0, 100, 0, 0, 0, 0};

// [SECTION] the fixture's steps

inline void SkatAIFixture::SetUp() {
  savedFolder = programFolder();
  char pattern[] = "/tmp/skat_ai_XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  folder = pattern;
  setProgramFolder(folder);
  savedArea = *skatArea;
  *skatArea = TSkatArea{};
  skatArea->options = skatDefaultOptions;
  skatInitTables();
  cg.gameId = gidSkat;
  cg.gs.phase = 4;
  for (int s = 1; s <= 3; s++) setSeat(s, "");
  for (THand* h : {&trickBySeat, &trickCards, &lastTrick, &playedCards, &declarerTricks, &defenderTricks,
                   &pressedSkat, &dealtSkat})
    *h = THand{};
  trickBySeat.anz = 3;
  for (int s = 1; s <= 3; s++) dealtHands[s] = wonCards[s] = THand{};
  skatResetRuleTables();
  for (int slot = 1; slot <= 3; slot++) setTable(slot, "");
  setProfiles(neutralProfile);
  setGame(skatTypeGrand, 1);
}

inline void SkatAIFixture::TearDown() {
  setProgramFolder(savedFolder);
  std::filesystem::remove_all(folder);
  *skatArea = savedArea;
  skatResetRuleTables();
  cg.gameId = gidNone;
  cg.gs.phase = 0;
}

inline void SkatAIFixture::setSeat(int s, const std::string& cards) {
  TSpieler& st = sp[s];
  THand h = handOf(cards);
  st.count = h.anz;
  st.stackNo = s;
  for (int i = 1; i <= h.anz; i++) st.slots[i].card = h.k[i];
  st.hand.extras = THandExtras{};
  syncHandFromSlots(st);
}

inline void SkatAIFixture::setGame(int32_t type, int32_t declarer) {
  skatBid->gameType = skatGame->gameType = type;
  skatBid->declarer = skatGame->declarer = declarer;
  skatSetRankOrder(type);
}

inline void SkatAIFixture::setTrick(int32_t leader, const std::string& cards) {
  trickCards = handOf(cards);
  trickBySeat = THand{};
  trickBySeat.anz = 3;
  int32_t seat = leader;
  for (int i = 1; i <= trickCards.anz; i++) {
    trickBySeat.k[seat] = trickCards.k[i];
    seat = skatNextPlayer(seat);
  }
  skatBid->leadSeat = leader;
  skatBid->cardsToPlay = 2 - trickCards.anz;
}

inline void SkatAIFixture::setTable(int slot, const std::string& rules) {
  TSkatRuleTable t{};
  std::string error;
  EXPECT_TRUE(skatParseRuleTable("|data|" + rules, t, error)) << error;
  skatRuleTables[slot] = t;
}

inline void SkatAIFixture::setProfiles(const TSkatProfileFields& p) {
  for (int s = 1; s <= 6; s++) seatProfile[s] = TSkatSeatProfileStore{2, p};
}

inline std::string SkatAIFixture::protocolText() const {
  std::ifstream in(folder + "/proto3.txt", std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
