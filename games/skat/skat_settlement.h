// The end of a Skat game: who won, the game value with every multiplier of the rules in
// force, the result texts, the values of the three seats by the scoring mode, and the
// hand-over to the core's end of a game.
#pragma once

#include <cstdint>
#include <string>

#include "core/game_result.h"
#include "platform/records.h"

// Values of TSkatOptions::scoring.
enum : int32_t {
  skatScoringStandard = 1,    // "Standardwertung": the declarer gets the value
  skatScoringTournament = 2,  // "Turnierwertung": +50 won; -50 lost and 40 for each defender
  skatScoringMinusOnly = 3,   // "Nur Minuspunkte": a won game charges the defenders instead
  skatScoringPlusOnly = 4,    // "Nur Pluspunkte": a lost game credits the defenders instead
};

// Ends the game: the Skat counts for the declarer of a game that is not a Ramsch game, the
// settlement fills the result and TCG::endRound books it. Called by the game step only.
void skatSettle();

// Works out the settled game into the game record and the result: won flag, value, texts,
// the seats' values, and the Bock and Ramsch triggers of the game. Leaves the result's kind,
// main seat and card points as skatSettle set them, except for a Ramsch game and an
// all-passed game, whose main seat it sets.
void skatSettlementText(TGameResult& result);

// The smallest multiple of the base value of the overbid game type that reaches the bid, with
// no cap; 9999 without a game type.
int32_t skatMinGameValueAtLeast(int32_t bid);

// The seats' values of a game worth `value` (negative when lost) for the declarer under a
// scoring mode 1..4; seats beyond 3 stay 0.
void skatSeatValues(int32_t scoring, int32_t declarer, int32_t value, LArray<int32_t, 1, 6>& values);

// The name of a game type in the chosen card-face style; the contract names (Null, Grand,
// Ramsch) come from the French row when the style's row has none.
std::string skatTypeName(int32_t type);
