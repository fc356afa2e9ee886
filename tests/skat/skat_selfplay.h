// Skat self-play shared by the self-play bench and the golden-run test: three computer seats
// play a list headless, each game dealt from its own seed, and a digest sums up what they
// did: every answer sent (bids, the Skat taken or not, the game, the pressed and played cards
// by slot), then per game the deal, the pressed Skat, the cards in playing order, the game
// record and the values booked. Two runs with the same digest played the same games.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

#include "core/cg.h"
#include "core/word_digest.h"
#include "games/skat/skat_ai.h"
#include "games/skat/skat_profile.h"
#include "games/skat/skat_state.h"
#include "platform/random.h"
#include "platform/tick.h"
#include "shell/shell_state.h"
#include "tests/support/headless_skat.h"

struct TSkatSelfPlayDigest : TWordDigest {
  void addHand(const THand& h) {
    add(handUsed(h));
    for (int i = 1; i <= handUsed(h); i++) add(h.k[i].t * 16 + h.k[i].f);
  }
};

inline TSkatSelfPlayDigest skatSelfPlayDigest;

// The computer player's answers pass through here on their way to the core.
inline void skatSelfPlaySubmit(int kind, int32_t b) {
  skatSelfPlayDigest.add(kind);
  skatSelfPlayDigest.add(b);
  cg.submitAction(kind, 0, b);
}

inline void skatSelfPlayDigestGame(const std::array<int64_t, 4>& booked) {
  TSkatSelfPlayDigest& d = skatSelfPlayDigest;
  for (int s = 1; s <= 3; s++) d.addHand(dealtHands[s]);
  d.addHand(dealtSkat);
  d.addHand(pressedSkat);
  d.addHand(playedCards);
  const TSkatGameRecord& g = skatGameArea().game;
  for (int32_t v : {g.declarer, g.bidReached, g.gameType, int32_t(g.level), int32_t(g.handGame), g.gameValue,
                    int32_t(g.won), g.declarerPoints, g.kontraLevel})
    d.add(v);
  for (int s = 1; s <= 3; s++) d.add(booked[s]);
}

constexpr uint32_t skatSelfPlayMsPerFrame = 50;

// The rules of a list: the standard rules, or every optional rule at once (Rum, Spitze,
// Kontra up to Hirsch, Bock and Ramsch rounds with the Schieben round, Jungfrau, Grand Hand),
// so every question of the game reaches the seats.
inline TSkatOptions skatSelfPlayOptions(bool allRules) {
  TSkatOptions o = skatDefaultOptions;
  if (!allRules) return o;
  o.internationalRules = 0;
  o.rum = o.spitze = o.kontra = o.bockRamsch = 1;
  o.kontraLevels = {{0, 0, 1}};
  o.kontraAfterAnnouncement = 1;
  o.bockRounds = o.ramschRounds = skatRoundsOneRound;
  o.ramschIfNoBid = o.jacksMayBePushed = o.jungfrau = o.grandHand = 1;
  return o;
}

// The seats' profiles by strength 1..3, read once per run (strength 0: not read yet).
inline std::array<TSkatSeatProfileStore, 4> skatSelfPlayProfiles{};

inline void skatSelfPlayReset(const TSkatOptions& options) {
  skatSelfPlayProfiles = {};
  resetHeadlessSkat(1, options);
  tableLandsAtOnce = true;
  playerCount = 3;
  cg.seatCount = 3;
}

// Game g of a run seeded with seed: the deal and then the play draw from seeds of their own,
// so two runs see the same games. Frames run until the game is settled or frameLimit is
// reached; false when it stalls. booked gets what seats 1..3 booked.
inline bool skatSelfPlayGame(int g, uint64_t seed, const std::array<int, 4>& strength, bool newList,
                             const TSkatOptions& options, int frameLimit, std::array<int64_t, 4>& booked) {
  randomSeed(seed * 1000003ULL + static_cast<uint64_t>(g));
  screenMode = 1;
  if (newList) skatGameArea().options = options;
  cg.startGame(gidSkat, newList ? 0 : 1);
  // The start seeds the generator from the clock after dealing: seed the play too.
  randomSeed(seed * 1000003ULL + static_cast<uint64_t>(g) + 0x9E3779B9ULL);
  for (int s = 1; s <= 3; s++) {
    cg.seatRecords[s].kind = seatKindComputer;
    cg.gs.seatProfiles[s].strength = strength[s];
    TSkatSeatProfileStore& p = skatSelfPlayProfiles[std::clamp(strength[s], 1, 3)];
    if (p.strength != strength[s]) {
      skatLoadSeatProfile(s, strength[s]);
      p = seatProfile[s];
    }
    seatProfile[s] = p;
  }
  std::array<int64_t, 4> before{0, cg.gs.listTotals[1], cg.gs.listTotals[2], cg.gs.listTotals[3]};
  for (int f = 0; f < frameLimit && cg.gs.phase != 5; f++) {
    headlessFrame();
    advanceFakeTick(skatSelfPlayMsPerFrame);
  }
  booked = {};
  if (cg.gs.phase != 5) return false;
  for (int s = 1; s <= 3; s++) booked[s] = cg.gs.listTotals[s] - before[s];
  skatSelfPlayDigestGame(booked);
  return true;
}
