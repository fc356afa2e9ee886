// Bock and Ramsch rounds: triggers, the queue of special games and the marker of a game.
#include "games/skat/skat_bock_ramsch.h"

#include <cstdlib>

#include "core/cg.h"
#include "games/skat/skat_rules.h"
#include "games/skat/skat_services.h"
#include "games/skat/skat_state.h"
#include "net/net_rules.h"
#include "shell/shell_globals.h"

namespace {

const TSkatOptions& options() { return skatArea->options; }

// Special games by count option 1..5.
constexpr int32_t gamesByRounds[] = {0, 0, 1, 3, 6, 9};

void queue(char letter, int32_t count) {
  std::string q = pendingSpecialGames.str();
  for (int32_t i = 0; i < count; i++) q += letter;
  pendingSpecialGames = q;  // a queue longer than 255 letters is cut, as the record holds no more
}

struct TTrigger {
  uint8_t TSkatOptions::*on;
  bool (*fires)();
  const char* key;
  int32_t code;
};

bool notRamsch() { return !skatGame->ramschGame && skatGame->gameType != skatTypeRamsch; }
bool grandHand() { return skatGame->handGame && skatGame->gameType == skatTypeGrand; }

bool allPassed() { return skatGame->gameType == skatTypeAllPassed && !skatGame->ramschGame; }
bool kontraLost() { return skatGame->kontraLevel > 0 && !skatGame->won && notRamsch(); }
bool grandHandWon() { return grandHand() && skatGame->won; }
bool grandHandLost() { return grandHand() && !skatGame->won; }
bool over100() { return std::abs(skatGame->gameValue) > 100; }
bool sixtyAll() { return skatGame->declarerPoints == 60 && skatIsNegativeGameType(); }
bool declarerSchneider() { return skatGame->declarerPoints <= 30 && skatIsNegativeGameType(); }

// In the order they are checked.
constexpr TTrigger triggers[] = {
    {&TSkatOptions::bockAllPassed, allPassed, "f_skat_spieleingepasst", skatTriggerLocalOnly},
    {&TSkatOptions::bockKontraLost, kontraLost, "f_skat_kontra", skatTriggerKontraLost},
    {&TSkatOptions::bockGrandHandWon, grandHandWon, "f_skat_grandhandwin", skatTriggerGrandHand},
    {&TSkatOptions::bockGrandHandLost, grandHandLost, "f_skat_grandhandlose", skatTriggerGrandHand},
    {&TSkatOptions::bockOver100, over100, "f_skat_spielüber", skatTriggerOver100},
    {&TSkatOptions::bockSixtyAll, sixtyAll, "f_skat_unentschieden", skatTriggerSixtyAll},
    {&TSkatOptions::bockSchneider, declarerSchneider, "f_skat_spielerschneider", skatTriggerLocalOnly},
};

// "Bei Spielabschluss": the special games of one trigger exactly fill the rest of the list.
int32_t gamesLeft() { return options().listLength - cg.gs.gamesPlayed; }

}  // namespace

int32_t skatSpecialGamesOf(int32_t rounds) {
  return rounds >= skatRoundsNone && rounds <= skatRoundsThreeRounds ? gamesByRounds[rounds] : 0;
}

int32_t skatSpecialGamesPerTrigger() {
  return skatSpecialGamesOf(options().bockRounds) + skatSpecialGamesOf(options().ramschRounds);
}

bool skatSpecialRoundAgreed(int32_t kind, int32_t code) {
  return !isNetGame() || netSpecialRoundAgreed(kind, code);
}

// A count option of "Keine" still announces the trigger's games in a line, but queues none.
void skatAppendSpecialRounds(const std::string& triggerText, int32_t code, std::string& out) {
  if (!options().bockRamsch) return;
  int32_t bock = skatSpecialGamesOf(options().bockRounds);
  if (skatSpecialRoundAgreed(skatNetOptionBock, code)) {
    out += "\r" + triggerText + skatLookupText(bock == 1 ? "f_skat_neuesbockspiel" : "f_skat_neuebockspiele") + ". ";
    queue('B', bock);
  }
  int32_t ramsch = skatSpecialGamesOf(options().ramschRounds);
  if (skatSpecialRoundAgreed(skatNetOptionRamsch, code)) {
    out += "\r" + triggerText + skatLookupText(ramsch == 1 ? "f_skat_neuesramschspiel" : "f_skat_neueramschspiele") + ". ";
    queue('R', ramsch);
  }
}

void skatSpecialRoundTriggers(std::string& out) {
  out.clear();
  for (const TTrigger& t : triggers)
    if (options().*t.on && t.fires()) skatAppendSpecialRounds(skatLookupText(t.key), t.code, out);
  if (options().bockListEnd && skatSpecialGamesPerTrigger() == gamesLeft())
    skatAppendSpecialRounds(skatLookupText("f_skat_spielabschluss", std::to_string(gamesLeft())),
                            skatTriggerLocalOnly, out);
}

void skatTakeSpecialGameMarker() {
  std::string q = pendingSpecialGames.str();
  skatArea->specialGameMarker = q.substr(0, 1);
  pendingSpecialGames = q.empty() ? q : q.substr(1);
}
