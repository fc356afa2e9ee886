// The Skat options record read from and written to the options dialog and its three
// sub-dialogs, the computer seats' profiles at a new list, and "Standardregeln".
//
// [SECTION] profiles
// [SECTION] dialog to record
// [SECTION] record to dialog
// [SECTION] the operations
#include "games/skat/skat_options_io.h"

#include <algorithm>
#include <charconv>
#include <string>

#include "core/cg.h"
#include "engine/elements.h"
#include "engine/engine_services.h"
#include "games/skat/skat_profile.h"
#include "games/skat/skat_state.h"
#include "shell/game_dialogs.h"
#include "shell/main_window.h"
#include "shell/shell_globals.h"
#include "shell/shell_state.h"
#include "shell/skat_options_dialog.h"

// [SECTION] profiles

namespace {

// The strength 1..3 chosen in Skat's options dialog ("Schwierigkeit"); without the dialog the
// seat's strength in the game state; "Normal" when neither holds one.
int32_t seatStrength(int32_t seat) {
  int32_t d = dlgGameOptions[gidSkat];
  int32_t s = d != 0 && elDifficultyList[gidSkat] != 0 ? getTopIndex(d, elDifficultyList[gidSkat]) : cg.gs.seatProfiles[seat].strength;
  return s >= 1 && s <= 3 ? s : 2;
}

// The seven numbers follow the strength in the game state's seat profile.
void copyProfileToGameState(int32_t seat) {
  const TSkatProfileFields& f = seatProfile[seat].fields;
  TSeatProfile& p = cg.gs.seatProfiles[seat];
  p.strength = seatProfile[seat].strength;
  p.reizen = f.reizen;
  p.reizenr = f.reizenr;
  p.wahrs = f.wahrs;
  p.wahr0 = f.wahr0;
  p.kont = f.kont;
  p.wafe = f.wafe;
  p.krafe = f.krafe;
}

bool dialogsBuilt() { return dlgGameOptions[gidSkat] != 0 && elSkatIskoCheck != 0 && dlgKontra != 0; }

// [SECTION] dialog to record

uint8_t checkedIn(int32_t d, int32_t e) { return getElementChecked(d, e) ? 1 : 0; }

// The position 1..n of the checked choice, or `none`.
template <int N>
int32_t chosen(int32_t d, const LArray<int32_t, 1, N>& choices, int32_t none) {
  for (int k = 1; k <= N; k++)
    if (getElementChecked(d, choices[k])) return k;
  return none;
}

// The typed number of games: empty, or anything that is no number, counts as 0.
int32_t typedLength(int32_t d) {
  const std::string text = getElementText(d, elSkatOwnLengthEdit);
  int32_t n = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
  if (ec != std::errc{} || end != text.data() + text.size() || n < 0) return 0;
  if (n > skatMaxListLength) {
    setElementText(d, elSkatOwnLengthEdit, std::to_string(skatMaxListLength), 0);
    return skatMaxListLength;
  }
  return n;
}

constexpr int32_t kLengthGames[4] = {3, 36, 72, 0};  // by length choice; "Eigene:" types it
constexpr int32_t kDealerSeats[4] = {1, 2, 3, 0};    // by dealer choice; 0 a random seat

int32_t roundsChoice(int32_t d, int32_t e) {
  const int32_t v = getTopIndex(d, e);
  return v >= skatRoundsNone && v <= skatRoundsThreeRounds ? v : skatRoundsNone;
}

void readDialogs(TSkatOptions& o) {
  const int32_t d = dlgGameOptions[gidSkat];
  o.internationalRules = checkedIn(d, elSkatInternationalCheck);
  o.scoring = chosen(d, elSkatScoringChoices, 1);
  o.ownLength = checkedIn(d, elSkatLengthChoices[4]);
  o.listLength = typedLength(d);
  const int32_t length = chosen(d, elSkatLengthChoices, 4);
  if (length <= 3) o.listLength = kLengthGames[length - 1];
  const int32_t dealer = chosen(d, elSkatDealerChoices, 4);
  o.firstDealer = kDealerSeats[dealer - 1];
  o.rum = checkedIn(d, elSkatRumCheck);
  o.spitze = checkedIn(d, elSkatSpitzeCheck);
  o.grand20 = checkedIn(d, elSkatGrand20Check);
  o.kontra = checkedIn(d, elSkatKontraCheck);
  for (int k = 1; k <= 3; k++) o.kontraLevels[k] = checkedIn(dlgKontra, elKontraLevels[k]);
  o.kontraAfterAnnouncement = checkedIn(dlgKontra, elKontraTimeChoices[1]);
  o.bockRamsch = checkedIn(d, elSkatBockRamschCheck);
  const int32_t b = dlgBockRamsch;
  o.bockRounds = roundsChoice(b, elBockRounds);
  o.ramschRounds = roundsChoice(b, elRamschRounds);
  o.bockAllPassed = checkedIn(b, elBockTriggers[1]);
  o.bockKontraLost = checkedIn(b, elBockTriggers[2]);
  o.bockGrandHandWon = checkedIn(b, elBockTriggers[3]);
  o.bockGrandHandLost = checkedIn(b, elBockTriggers[4]);
  o.ramschIfNoBid = checkedIn(b, elRamschIfNoBid);
  o.bockSixtyAll = checkedIn(b, elBockTriggers[5]);
  o.bockOver100 = checkedIn(b, elBockTriggers[6]);
  o.bockSchneider = checkedIn(b, elBockTriggers[7]);
  o.bockListEnd = checkedIn(b, elBockTriggers[8]);
  o.jacksMayBePushed = checkedIn(b, elSchiebenAllowed);
  o.jungfrau = checkedIn(b, elJungfrauAllowed);
  o.grandHand = checkedIn(b, elGrandHandAllowed);
  o.durchmarsch = checkedIn(b, elDurchmarschAllowed);
  o.skatToLoser = checkedIn(b, elSkatToMostPoints);
  o.money = checkedIn(d, elSkatMoneyCheck);
  o.moneyRate = chosen(dlgMoney, elMoneyRates, 1);
}

// [SECTION] record to dialog

void setChecked(int32_t d, int32_t e, bool on) { setElementChecked(d, e, on ? 1 : 0); }

template <int N>
void choose(int32_t d, const LArray<int32_t, 1, N>& choices, int32_t k) {
  for (int i = 1; i <= N; i++) setChecked(d, choices[i], i == k);
}

// [SECTION] the operations

void keepRecordConsistent(TSkatOptions& o) {
  o.listLength = std::clamp(o.listLength, 0, skatMaxListLength);
  o.grandBase = o.grand20 ? 20 : 24;
  if (o.scoring < 1 || o.scoring > 4) o.scoring = 1;
  if (o.firstDealer < 0 || o.firstDealer > 3) o.firstDealer = 0;
}

// The switches that follow the others: the ISkO box and the hidden rule set, the "Optionen"
// buttons, and the typed length while "Eigene:" is chosen and no game runs.
void showDependentStates(const TSkatOptions& o) {
  const int32_t d = dlgGameOptions[gidSkat];
  const bool standard = skatIsStandardRules(o);
  setChecked(d, elSkatIskoCheck, standard);
  setChecked(d, elSkatInternationalCheck, standard);
  setChecked(d, elSkatOwnRulesCheck, !standard);
  setElementEnabled(d, elSkatKontraOptions, o.kontra);
  setElementEnabled(d, elSkatBockRamschOptions, o.bockRamsch);
  setElementEnabled(d, elSkatMoneyOptions, o.money);
  const uint8_t typed = o.ownLength && screenMode == 0 ? 1 : 0;
  setElementEnabled(d, elSkatOwnLengthEdit, typed);
  setElementEnabled(d, elSkatOwnLengthLabel, typed);
}

}  // namespace

void skatWriteOptionElements(const TSkatOptions& o) {
  const int32_t d = dlgGameOptions[gidSkat];
  setChecked(d, elSkatInternationalCheck, o.internationalRules);
  setChecked(d, elSkatOwnRulesCheck, !o.internationalRules);
  choose(d, elSkatScoringChoices, o.scoring);
  if (o.ownLength) {
    choose(d, elSkatLengthChoices, 4);
    setElementText(d, elSkatOwnLengthEdit, std::to_string(o.listLength), 0);
  } else {
    const int32_t* games = std::find(kLengthGames, kLengthGames + 3, o.listLength);
    choose(d, elSkatLengthChoices, games < kLengthGames + 3 ? int32_t(games - kLengthGames) + 1 : 0);
  }
  const int32_t* seat = std::find(kDealerSeats, kDealerSeats + 4, o.firstDealer);
  choose(d, elSkatDealerChoices, seat < kDealerSeats + 4 ? int32_t(seat - kDealerSeats) + 1 : 4);
  setChecked(d, elSkatRumCheck, o.rum);
  setChecked(d, elSkatSpitzeCheck, o.spitze);
  setChecked(d, elSkatGrand20Check, o.grand20);
  setChecked(d, elSkatKontraCheck, o.kontra);
  for (int k = 1; k <= 3; k++) setChecked(dlgKontra, elKontraLevels[k], o.kontraLevels[k]);
  setChecked(dlgKontra, elKontraTimeChoices[1], o.kontraAfterAnnouncement);
  setChecked(dlgKontra, elKontraTimeChoices[2], !o.kontraAfterAnnouncement);
  setChecked(d, elSkatBockRamschCheck, o.bockRamsch);
  const int32_t b = dlgBockRamsch;
  setTopIndex(b, elBockRounds, o.bockRounds);
  setTopIndex(b, elRamschRounds, o.ramschRounds);
  const uint8_t triggers[8] = {o.bockAllPassed, o.bockKontraLost, o.bockGrandHandWon, o.bockGrandHandLost,
                               o.bockSixtyAll,  o.bockOver100,    o.bockSchneider,    o.bockListEnd};
  for (int k = 1; k <= 8; k++) setChecked(b, elBockTriggers[k], triggers[k - 1]);
  setChecked(b, elRamschIfNoBid, o.ramschIfNoBid);
  setChecked(b, elSchiebenAllowed, o.jacksMayBePushed);
  setChecked(b, elJungfrauAllowed, o.jungfrau);
  setChecked(b, elGrandHandAllowed, o.grandHand);
  setChecked(b, elDurchmarschAllowed, o.durchmarsch);
  setChecked(b, elSkatToMostPoints, o.skatToLoser);
  setChecked(b, elSkatToLastTrick, !o.skatToLoser);
  setChecked(d, elSkatMoneyCheck, o.money);
  choose(dlgMoney, elMoneyRates, o.moneyRate);
  showDependentStates(o);
}

bool skatIsStandardRules(const TSkatOptions& o) {
  return !o.rum && !o.spitze && !o.grand20 && !o.kontra && !o.bockRamsch && o.scoring == 1;
}

void skatReadOptions() {
  if (isNetGame()) return;
  for (int32_t seat = 1; seat <= 3; seat++) {
    skatLoadSeatProfile(seat, seatStrength(seat));
    copyProfileToGameState(seat);
  }
  TSkatOptions& o = skatArea->options;
  if (dialogsBuilt()) readDialogs(o);
  keepRecordConsistent(o);
}

void skatWriteOptions() {
  if (dialogsBuilt()) skatWriteOptionElements(skatArea->options);
  skatOptionsChanged();
}

void skatOptionsChanged() {
  skatReadOptions();
  TSkatOptions& o = skatArea->options;
  o.internationalRules = skatIsStandardRules(o) ? 1 : 0;
  if (!dialogsBuilt()) return;
  // The shell re-enables the dialog's elements first, so the states that hang on a box or on
  // the running game are the ones that stay.
  Tglapp::endis(dlgGameOptions[gidSkat], true);
  showDependentStates(o);
}

void skatApplyStandardRules() {
  skatReadOptions();
  TSkatOptions& o = skatArea->options;
  o.rum = 0;
  o.spitze = 0;
  o.grand20 = 0;
  o.grandBase = 24;
  o.kontra = 0;
  o.bockRamsch = 0;
  o.scoring = 1;
  skatWriteOptions();
}
