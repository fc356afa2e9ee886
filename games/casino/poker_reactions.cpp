// The seats' spoken reactions (see poker_reactions.h).
#include "games/casino/poker_reactions.h"

#include <algorithm>

#include "core/cg.h"
#include "games/casino/chips.h"
#include "games/casino/poker_ai.h"
#include "games/casino/poker_lists.h"
#include "games/casino/poker_state.h"
#include "platform/random.h"
#include "shell/shell_globals.h"
#include "sound/sound_events.h"

bool pokerReactionSound(int32_t mood, int32_t seat, int32_t chance) {
  struct Pair {
    int32_t mood, first, second;
  };
  static constexpr Pair emotions[] = {{1, 1, 2}, {2, 2, 3}, {3, 3, 3}, {11, -1, -2}, {12, -2, -3}, {13, -3, -3}};
  for (const Pair& e : emotions)
    if (e.mood == mood) return soundContainer.sayComment(seat, 0, e.first, e.second, chance);
  if (mood < 36 || mood > 38) return false;
  TPokerArea& a = pokerArea();
  const bool first = !a.moodSpoken;
  a.moodSpoken = 1;
  if (!first) return false;
  const int32_t voice = mood == 36 ? 36 : mood == 37 ? 38 : 37;
  return soundContainer.sayComment(seat, 3, voice, voice, chance);
}

void pokerUserRaiseReaction(int32_t value) {
  const int32_t blind = std::max(1, pokerArea().blind);
  for (int32_t seat = 2; seat <= playerCount; seat++) {
    if (!seatInGame(seat)) continue;
    const bool considered = (value >= 2 * blind && randomReal() < 0.1) || (value >= 5 * blind && randomReal() < 0.2) ||
                            (value >= 10 * blind && randomReal() < 0.3);
    if (!considered) continue;
    TPokerCase r{};
    pokerSituationFeatures(seat, r);
    const double p = r.winChance / 2.55;
    if (p < 60 || (pokerArea().street <= 1 && p < 68)) continue;
    if (seatAIStrength(seat) != 3) continue;
    const int32_t b = p >= 90 ? 10 : p >= 84 ? 5 : p >= 76 ? 0 : p >= 68 ? -4 : -8;
    pokerReactionSound(36, seat, std::min(100, 85 + b));
    return;
  }
}

namespace {

bool winnerReaction() {
  const TPokerArea& a = pokerArea();
  const int32_t blind = std::max(1, a.blind);
  int32_t seat = 0, count = 0;
  for (int32_t s = 1; s <= playerCount; s++) {
    const TChipSeat& c = a.seats[s];
    if (!seatInGame(s) || c.won <= 0 || c.potRound != 1) continue;
    count++;
    if (seat == 0 || c.won >= a.seats[seat].won) seat = s;
  }
  if (count != 1) return false;
  const TChipSeat& c = a.seats[seat];
  const int32_t w = c.won;
  if (w < 3 * blind || (seatsInGame() <= 1 && randomReal() <= 0.5)) return false;
  const double p = c.winChance / 2.55;
  int32_t b = p <= 40 ? 10 : p <= 50 ? 5 : p <= 62 ? 0 : p <= 75 ? -3 : -6;
  if (seatsInGame() == 1) b = -20;
  const int32_t t = chipStackValue(seat) + c.stake;
  if (w >= 3 * t || w >= 2 * a.startMoney || w >= 30 * blind) return pokerReactionSound(3, seat, std::min(100, 92 + b));
  if (w >= 2 * t || w >= a.startMoney) return pokerReactionSound(2, seat, std::min(100, 88 + b));
  if (w >= t || 2 * w >= a.startMoney || w >= 10 * blind) return pokerReactionSound(1, seat, std::min(100, 85 + b));
  return false;
}

bool loserReaction() {
  const TPokerArea& a = pokerArea();
  const int32_t blind = std::max(1, a.blind);
  int32_t seat = 0;
  for (int32_t s = 1; s <= playerCount; s++) {
    const TChipSeat& c = a.seats[s];
    if (!seatInGame(s) || c.won != 0) continue;
    if (seat == 0 || c.stake >= a.seats[seat].stake) seat = s;
  }
  if (seat == 0) return false;
  const TChipSeat& c = a.seats[seat];
  const int32_t x = c.stake;
  if (x < 2 * blind || c.callValue < 2 * blind) return false;
  const double p = c.winChance / 2.55;
  const int32_t b = p >= 75 ? 10 : p >= 60 ? 5 : p >= 45 ? 0 : p >= 30 ? -4 : -8;
  const int32_t t = chipStackValue(seat) + c.stake;
  if (t <= x || x >= a.startMoney || x >= 20 * blind) return pokerReactionSound(13, seat, std::min(100, 95 + b));
  if (t <= 2 * x || 2 * x >= a.startMoney || x >= 12 * blind) return pokerReactionSound(12, seat, std::min(100, 92 + b));
  if (t <= 4 * x || 4 * x >= a.startMoney || x >= 6 * blind) return pokerReactionSound(11, seat, std::min(100, 88 + b));
  return false;
}

}  // namespace

bool pokerEndReaction() {
  const bool won = winnerReaction();
  const bool lost = loserReaction();
  return won || lost;
}
