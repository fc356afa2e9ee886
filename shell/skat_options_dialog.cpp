// Skat's options dialog: its own elements in their fixed numbering (the frame around them is
// options_frame.cpp), the reactions particular to it, and its three sub-dialogs.
//
// [SECTION] numbers
// [SECTION] element helpers
// [SECTION] the options dialog
// [SECTION] sub-dialogs
// [SECTION] reactions
#include "shell/skat_options_dialog.h"

#include <string>

#include "engine/dialogs.h"
#include "engine/elements.h"
#include "games/skat/skat_options_io.h"
#include "shell/dialog_build.h"
#include "shell/game_dialogs.h"
#include "shell/options_frame.h"

// [SECTION] numbers

int32_t elSkatInternationalCheck = 0;
int32_t elSkatOwnRulesCheck = 0;
LArray<int32_t, 1, 4> elSkatLengthChoices{};
int32_t elSkatLengthGroup = 0;
LArray<int32_t, 1, 4> elSkatDealerChoices{};
int32_t elSkatOwnLengthEdit = 0;
int32_t elSkatOwnLengthLabel = 0;
int32_t elSkatRumCheck = 0;
int32_t elSkatSpitzeCheck = 0;
int32_t elSkatGrand20Check = 0;
int32_t elSkatKontraCheck = 0;
int32_t elSkatBockRamschCheck = 0;
int32_t elSkatMoneyCheck = 0;
int32_t elSkatKontraOptions = 0;
int32_t elSkatBockRamschOptions = 0;
int32_t elSkatMoneyOptions = 0;
LArray<int32_t, 1, 4> elSkatScoringChoices{};
int32_t elSkatIskoCheck = 0;
LArray<int32_t, 1, 3> elKontraLevels{};
LArray<int32_t, 1, 2> elKontraTimeChoices{};
LArray<int32_t, 1, 8> elBockTriggers{};
int32_t elBockRounds = 0;
int32_t elRamschRounds = 0;
int32_t elSchiebenAllowed = 0;
int32_t elJungfrauAllowed = 0;
int32_t elGrandHandAllowed = 0;
int32_t elDurchmarschAllowed = 0;
int32_t elSkatToMostPoints = 0;
int32_t elSkatToLastTrick = 0;
int32_t elRamschIfNoBid = 0;
LArray<int32_t, 1, 4> elMoneyRates{};

void clearSkatOptionNumbers() {
  for (int32_t* n : {&elSkatInternationalCheck, &elSkatOwnRulesCheck, &elSkatLengthGroup, &elSkatOwnLengthEdit,
                     &elSkatOwnLengthLabel, &elSkatRumCheck, &elSkatSpitzeCheck, &elSkatGrand20Check,
                     &elSkatKontraCheck, &elSkatBockRamschCheck, &elSkatMoneyCheck, &elSkatKontraOptions,
                     &elSkatBockRamschOptions, &elSkatMoneyOptions, &elSkatIskoCheck, &elBockRounds,
                     &elRamschRounds, &elSchiebenAllowed, &elJungfrauAllowed, &elGrandHandAllowed,
                     &elDurchmarschAllowed, &elSkatToMostPoints, &elSkatToLastTrick, &elRamschIfNoBid})
    *n = 0;
  auto zero = [](auto& array) {
    for (int32_t& e : array) e = 0;
  };
  zero(elSkatLengthChoices);
  zero(elSkatDealerChoices);
  zero(elSkatScoringChoices);
  zero(elKontraLevels);
  zero(elKontraTimeChoices);
  zero(elBockTriggers);
  zero(elMoneyRates);
}

// [SECTION] element helpers

namespace {

int32_t check(int32_t x, int32_t y, const char* caption) { return addSimpleElement(ekCheckBox, x, y, caption); }

// An invisible group; its check boxes become one radio group.
int32_t radioGroup(const char* caption, std::initializer_list<int32_t> members) {
  const int32_t g = addSimpleElement(ekMarker, 0, 0, caption);
  for (int32_t m : members) addChild(g, m);
  return g;
}

// The listed elements follow the owner's enabled state without becoming its members.
void enables(int32_t owner, std::initializer_list<int32_t> listed) {
  for (int32_t e : listed) addChildToCurrent(owner, e);
}

int32_t smallButton(int32_t x, int32_t y, const char* caption) {
  return addElement(ekButton, x, y, caption, 115, 24, 0.0f, 1.0f);  // fits the rows 25 apart
}

int32_t groupBox(int32_t x, int32_t y, const char* caption, int32_t width, int32_t height) {
  const int32_t e = addElement(ekGroupBox, x, y, caption, width, height, 0.0f, 1.0f);
  elementOf(vtl.buildDialog, e).textScale = 1.0f;
  return e;
}

}  // namespace

// [SECTION] the options dialog

void buildSkatOptionElements() {
  const int32_t d = vtl.buildDialog;
  addSimpleElement(ekLabel, 0, 0, "REGELWERK");
  elSkatInternationalCheck = check(0, 0, "Internationale Skatordnung");
  elSkatOwnRulesCheck = check(0, 0, "Eigene");
  for (int32_t e = 3; e <= 5; e++) setElementShown(d, e, 0);
  addSimpleElement(ekMarker, 0, 0, "Regelwerk");
  groupBox(85, 252, "Spieldauer", 470, 150);
  elSkatLengthChoices[1] = check(120, 285, "1 Runde (3 Spiele)");
  elSkatLengthChoices[2] = check(120, 312, "12 Runden (36 Spiele)");
  elSkatLengthChoices[3] = check(120, 339, "24 Runden (72 Spiele)");
  elSkatLengthChoices[4] = check(120, 366, "Eigene:");
  elSkatLengthGroup = radioGroup("Runden", {8, 9, 10, 11});
  const int32_t firstGameDealer = addSimpleElement(ekMarker, 0, 0, "xGeber 1. Spiel");
  elSkatDealerChoices[1] = check(65, 140, "1. Spieler (Mensch)");
  elSkatDealerChoices[2] = check(65, 167, "2. Spieler (Computer)");
  elSkatDealerChoices[3] = check(65, 194, "3. Spieler (Computer)");
  elSkatDealerChoices[4] = check(65, 221, "Zufällig");
  const int32_t dealer = radioGroup("xGeber", {14, 15, 16, 17});
  addChild(dealer, firstGameDealer);
  elSkatOwnLengthEdit = addElement(ekEdit, 230, 364, "10", 50, ifAny, 3.0f, 1.0f);
  elSkatOwnLengthLabel = addSimpleElement(ekLabel, 290, 366, "Spiele");
  elSkatRumCheck = check(65, 272, "Mit Rum");
  elSkatSpitzeCheck = check(65, 297, "Mit Spitze");
  elSkatGrand20Check = check(65, 322, "Grand zählt nur 20");
  elSkatKontraCheck = check(65, 347, "Kontra/Re");
  elSkatBockRamschCheck = check(65, 372, "Bock/Ramsch");
  elSkatMoneyCheck = check(65, 397, "Um Geld");
  elSkatKontraOptions = smallButton(250, 345, "Optionen");
  elSkatBockRamschOptions = smallButton(250, 370, "Optionen");
  elSkatMoneyOptions = smallButton(250, 395, "Optionen");
  const int32_t listGroup = addSimpleElement(ekMarker, 0, 0, "xSpielliste");
  elSkatScoringChoices[1] = check(345, 140, "Standardwertung");
  elSkatScoringChoices[2] = check(345, 167, "Turnierwertung");
  elSkatScoringChoices[3] = check(345, 194, "Nur Minuspunkte");
  elSkatScoringChoices[4] = check(345, 221, "Nur Pluspunkte");
  const int32_t scoring = radioGroup("Wertung", {31, 32, 33, 34});
  enables(scoring, {listGroup});
  const int32_t others = addSimpleElement(ekLabel, 0, 0, "#SONSTIGES");
  enables(others, {21, 22, 23, 24, 25});
  enables(elSkatOwnRulesCheck, {elSkatLengthChoices[4], others, scoring});
  elSkatIskoCheck = check(345, 272, "Internationale Skatordnung (ISkO)");
  // The two presets stand side by side, right of the "Optionen" buttons, so that each can be
  // reached.
  elDefaultRulesButton[gidSkat] = smallButton(368, 395, "Zurücksetzen");
  elDefaultRules2Button[gidSkat] = smallButton(486, 395, "Zurücksetzen");
}

void buildSkatOptionBoxes(int32_t d, int32_t pageGroup) {
  setCurrentDialog(d);
  for (int32_t box : {groupBox(50, 110, "Geber (1. Spiel)", 260, 150), groupBox(330, 110, "Spielliste", 260, 150)}) {
    elementOf(d, box).page = pageRules;
    addChild(pageGroup, box);
  }
}

// [SECTION] sub-dialogs

namespace {

int32_t subDialog(const char* title) {
  const int32_t d = createStandardDialog(1, title);
  setMenuStyle(d);
  setCurrentDialog(d);
  return d;
}

// A menu button "Zurück" (left value 242, width value 196: at x 202, 236 wide).
void backButton(int32_t y) { addMenuButton(242, y, 196, "Zurück"); }

int32_t roundsSelector(int32_t x, int32_t y) {
  const int32_t e = addElement(ekSelector, x, y, "HorList2", 160, 22, 0.0f, 1.0f);
  for (const char* item : {"Keine", "Ein Spiel", "Eine Runde", "Zwei Runden", "Drei Runden"}) addItem(e, item, 0);
  return e;
}

}  // namespace

void buildKontraDialog() {
  dlgKontra = subDialog("Kontra");
  backButton(440);
  groupBox(88, 90, "Kontra", 470, 150);
  elKontraLevels[1] = check(160, 130, "Mit Kontra");
  elKontraLevels[2] = check(160, 165, "Mit Kontra und Re");
  elKontraLevels[3] = check(160, 200, "Mit Kontra, Re, Sup, Hirsch");
  radioGroup("Kontra", {4, 5, 6});
  groupBox(88, 255, "Kontra/Re Ansage", 470, 150);
  elKontraTimeChoices[1] = check(160, 295, "Nach der Spielansage");
  elKontraTimeChoices[2] = check(160, 330, "Nach dem ersten Stich");
  radioGroup("Kontraansage", {9, 10});
}

void buildBockRamschDialog() {
  dlgBockRamsch = subDialog("Bock und Ramsch");
  backButton(462);
  groupBox(33, 50, "Bock/Ramschspiele", 575, 228);
  const char* const triggers[8] = {"Bei eingepasstem Spiel", "Kontra verloren",   "Wenn Grand Hand gewonnen",
                                   "Wenn Grand Hand verloren", "Nach 60:60",      "Bei Spiel über 100",
                                   "Spieler ist Schneider",   "Bei Spielabschluss"};
  for (int k = 1; k <= 8; k++) elBockTriggers[k] = check(k <= 4 ? 55 : 335, 160 + 27 * ((k - 1) % 4), triggers[k - 1]);
  // Plain members: the triggers stay independent switches.
  const int32_t when = addSimpleElement(ekMarker, 0, 0, "BockWenn");
  for (int k = 1; k <= 8; k++) addChildToCurrent(when, elBockTriggers[k]);
  addSimpleElement(ekLabel, 43, 88, "Bockrunden");
  addSimpleElement(ekLabel, 43, 120, "Ramschrunden");
  elBockRounds = roundsSelector(251, 93);
  elRamschRounds = roundsSelector(251, 125);
  elSchiebenAllowed = check(55, 325, "Buben schieben erlaubt");
  elJungfrauAllowed = check(55, 352, "Jungfrau ansagen erlaubt");
  elGrandHandAllowed = check(55, 379, "Grand Hand erlaubt");
  elDurchmarschAllowed = check(55, 406, "Durchmarsch erlaubt");
  groupBox(323, 291, "Skat", 285, 119);
  elSkatToMostPoints = check(335, 350, "Spieler mit meisten Augen");
  elSkatToLastTrick = check(335, 378, "Gewinner des letzten Stichs");
  radioGroup("Skatgehtan", {elSkatToMostPoints, elSkatToLastTrick});
  groupBox(33, 290, "Ramsch", 285, 150);
  elRamschIfNoBid = check(335, 424, "Ramsch, wenn keiner reizt");
  addSimpleElement(ekLabel, 325, 319, "Beim Ramsch geht der Skat an");
}

void buildMoneyDialog() {
  dlgMoney = subDialog("Um Geld spielen");
  backButton(440);
  groupBox(78, 100, "Geldbetrag pro Punkt", 470, 200);
  const char* const rates[4] = {"1/10 Cent", "1/4 Cent", "1/2 Cent", "1 Cent"};
  for (int k = 1; k <= 4; k++) elMoneyRates[k] = check(240, 150 + 35 * (k - 1), rates[k - 1]);
  radioGroup("Geldbetrag", {4, 5, 6, 7});
}

// [SECTION] reactions

void skatOptionsDialogClick(int32_t element) {
  if (element == elSkatIskoCheck) skatApplyStandardRules();
  if (element == elSkatKontraOptions) openDialog(dlgKontra);
  if (element == elSkatBockRamschOptions) openDialog(dlgBockRamsch);
  if (element == elSkatMoneyOptions) openDialog(dlgMoney);
  skatOptionsChanged();
}
