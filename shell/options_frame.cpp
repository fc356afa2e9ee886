// The options dialogs' common frame (Tglapp.maketabcon), the reactions every options dialog
// shares, the refresh calls into the games, selectGame, the start-up presets and the final
// element shift of the dialog build (Tglapp.ziehrunter).
//
// [SECTION] element helpers
// [SECTION] rounds and points
// [SECTION] maketabcon
// [SECTION] reactions
// [SECTION] selectGame
// [SECTION] start-up presets and the final shift
#include "shell/options_frame.h"

#include <string>
#include <vector>

#include "core/cg.h"
#include "core/game_areas.h"
#include "engine/dialogs.h"
#include "engine/dialog_state_files.h"
#include "engine/elements.h"
#include "engine/engine_services.h"
#include "games/skat/skat_options_io.h"
#include "platform/paths.h"
#include "shell/dialog_build.h"
#include "shell/display_settings.h"
#include "shell/game_dialogs.h"
#include "shell/main_window.h"
#include "shell/menus.h"
#include "shell/shell_state.h"
#include "shell/skat_options_dialog.h"

// [SECTION] element helpers

namespace {

bool isSwitch(const TVTLElement& el) { return el.kind == ekButton || el.kind == ekCheckBox; }

// Puts the element on a page of the page group; a switch directly on a page must not become
// one radio button among the page's children, hence its picture -1.
void putOnPage(int32_t d, int32_t tab, int32_t e, int32_t page) {
  TVTLElement& el = elementOf(d, e);
  if (isSwitch(el)) el.picture = -1;
  el.page = int16_t(page);
  setCurrentDialog(d);
  addChild(tab, e);
}

// A controller shared by several switches joins the page once.
void putControllerOnPage(int32_t d, int32_t tab, int32_t controller, int32_t page) {
  TVTLElement& group = elementOf(d, tab);
  for (int i = 1; i <= group.childCount; i++)
    if (group.children[i] == controller) return;
  elementOf(d, controller).page = int16_t(page);
  setCurrentDialog(d);
  addChild(tab, controller);
}

void moveElement(int32_t d, int32_t e, int32_t x, int32_t y) {
  TVTLElement& el = elementOf(d, e);
  const int32_t dx = x - el.x, dy = y - el.y;
  el.x = int16_t(x);
  el.y = int16_t(y);
  for (int i = 1; i <= el.childCount; i++) {
    TVTLElement& child = elementOf(d, el.children[i]);
    child.x = int16_t(child.x + dx);
    child.y = int16_t(child.y + dy);
  }
}

int32_t addHorList(int32_t x, int32_t y, const char* caption, int32_t width, int32_t height,
                   const std::vector<std::string>& items) {
  const int32_t e = addElement(ekSelector, x, y, caption, width, height, 0.0f, 1.0f);
  for (const std::string& item : items) addItem(e, item, 0);
  return e;
}

void addGroupBox(int32_t x, int32_t y, const char* caption, int32_t width, int32_t height) {
  addElement(ekGroupBox, x, y, caption, width, height, 0.0f, 1.0f);
}

}  // namespace

void presetChoice(int32_t dialog, int32_t element, int32_t value) {
  setTopIndex(dialog, element, value);
  elementOf(dialog, element).page = pageScoring;
  elementOf(dialog, element - 1).page = pageScoring;
}

void presetCheck(int32_t dialog, int32_t element, uint8_t checked) {
  setElementChecked(dialog, element, checked);
  elementOf(dialog, element).page = pageScoring;
}

void setElementPage2(int32_t dialog, int32_t element) { elementOf(dialog, element).page = pageRules; }

// [SECTION] rounds and points

namespace {

// The selectors' numbers as the games' own elements place them; the labels or check boxes
// stand right before them. A game whose elements are not built yet has none.
struct TDurationElements {
  TGameId g;
  int32_t rounds, points;
};
constexpr TDurationElements kDurationElements[] = {
    {gidDoppelkopf, 10, 15}, {gidSchafkopf, 10, 15}, {gidSchnapsen, 5, 10},
    {gidSechsundsechzig, 5, 10}, {gidJass, 5, 10},   {gidHearts, 5, 10},
};

int32_t builtSelector(TGameId g, int32_t e) {
  const int32_t d = dlgGameOptions[g];
  if (d == 0 || e > dialogOf(d).count || elementOf(d, e).kind != ekSelector) return 0;
  return e;
}

int32_t durationElement(TGameId g, bool rounds) {
  for (const TDurationElements& row : kDurationElements)
    if (row.g == g) return builtSelector(g, rounds ? row.rounds : row.points);
  return 0;
}

}  // namespace

int32_t Tglapp::getRundenElem(TGameId g) { return durationElement(g, true); }
int32_t Tglapp::getPunkteElem(TGameId g) { return durationElement(g, false); }

// [SECTION] maketabcon

namespace {

enum TElementClass { ecSkip, ecGeneral, ecRoundsCheck, ecRoundsList, ecPointsCheck, ecPointsList, ecOther };

// Elements that stay on "Allgemein" whatever they are.
bool isGeneral(TGameId g, int32_t e) {
  if (g == gidSkat) return (e >= 6 && e <= 12) || e == 19 || e == 20;
  if (g == gidCanasta) return e != 0 && e == elCanastaTeams;
  return false;
}

TElementClass classify(TGameId g, int32_t e) {
  if (g == gidSkat && e >= 3 && e <= 5) return ecSkip;  // the hidden rule-set switches
  if (isGeneral(g, e)) return ecGeneral;
  const int32_t rounds = Tglapp::getRundenElem(g), points = Tglapp::getPunkteElem(g);
  if (rounds != 0 && e == rounds) return ecRoundsList;
  if (rounds != 0 && e == rounds - 1) return ecRoundsCheck;
  if (points != 0 && e == points) return ecPointsList;
  if (points != 0 && e == points - 1) return ecPointsCheck;
  return ecOther;
}

int32_t durationDy(TGameId g) {
  if (g == gidCanasta) return 25;
  if (g == gidDoppelkopf || g == gidSchafkopf) return -30;
  return 0;
}

void placeDurationElement(int32_t d, int32_t tab, TGameId g, int32_t e, TElementClass c) {
  struct TPlace {
    int32_t x, y;
  };
  const TPlace place = c == ecRoundsList   ? TPlace{270, 330}
                       : c == ecRoundsCheck ? TPlace{120, 326}
                       : c == ecPointsList  ? TPlace{270, 367}
                                            : TPlace{120, 363};
  moveElement(d, e, place.x, place.y + durationDy(g));
  if (c == ecRoundsList) elRoundsList[g] = e;
  if (c == ecRoundsCheck) elRoundsCheck[g] = e;
  if (c == ecPointsList) elPointsList[g] = e;
  if (c == ecPointsCheck) elPointsCheck[g] = e;
  putOnPage(d, tab, e, pageGeneral);
}

void placeOther(int32_t d, int32_t tab, int32_t e) {
  const TVTLElement& el = elementOf(d, e);
  if (isSwitch(el) && el.controller != 0) {
    putControllerOnPage(d, tab, el.controller, pageRules);
    return;
  }
  if (el.controller != 0) return;
  putOnPage(d, tab, e, pageRules);
}

bool hasPlayerCount(TGameId g) {
  switch (g) {
    case gidMauMau: case gidSchwimmen: case gidRomme: case gidCanasta: case gidPoker:
    case gidSiebzehnUndVier: case gidGoFish: case gidOldMaid:
      return true;
    default:
      return false;
  }
}

int32_t playerCountList(TGameId g, int32_t x) {
  if (g == gidBlackjack) {
    addSimpleElement(ekLabel, x - 20, 233, "Spielerzahl");
    return addHorList(x + 130, 238, "HorList2", 140, 22,
                      {"1 Spieler1", "2 Spieler", "3 Spieler", "4 Spieler", "5 Spieler"});
  }
  if (!hasPlayerCount(g)) return 0;
  addSimpleElement(ekLabel, x - 20, 230, "Spielerzahl");
  return addHorList(x + 130, 235, "HorList2", 140, 22,
                    {"2 Spieler", "3 Spieler", "4 Spieler", "5 Spieler", "6 Spieler"});
}

int32_t durationBoxY(TGameId g) {
  if (g == gidCanasta) return 315;
  if (g == gidDoppelkopf || g == gidSchafkopf) return 260;
  return 290;
}

int32_t durationBoxHeight(TGameId g) {
  if (g == gidBlackjack) return 82;
  if (g == gidCanasta) return 112;
  return 120;
}

// The rows every game shares: name, strength, player count, gender and their boxes.
void addCommonRows(int32_t d, TGameId g) {
  const int32_t x = g == gidCanasta ? 110 : 140;
  const int32_t off = g == gidWar ? 1000 : 0;  // War has no strength: its row lies off the dialog
  addSimpleElement(ekLabel, x - 20, 157, "Name");
  elPlayerNameEdit[g] = addElement(ekEdit, x + 138, 161, "Name", 163, ifAny, 24.0f, 1.0f);
  addSimpleElement(ekLabel, x - 20, 194 - off, "Schwierigkeit");
  elDifficultyList[g] = addHorList(x + 130, 198 - off, "HorList2", 140, 22, {"Anfänger", "Normal", "Profi"});
  elPlayerCountList[g] = playerCountList(g, x);
  elGenderList[g] = addHorList(x + 280, 162, "HorList3", 56, 20, {std::string(1, char(7)), std::string(1, char(6))});
  // Without saved states a fresh installation would start with no strength and no gender:
  // the build shows "Normal" and the man's entry until the states are loaded.
  setTopIndex(d, elDifficultyList[g], 2);
  setTopIndex(d, elGenderList[g], 2);
  addGroupBox(75, 121, "Spieler", 490, g == gidCanasta ? 184 : (g == gidSkat || g == gidWar) ? 115 : 155);
  if (g == gidSkat)
    addGroupBox(75, 244, "Spieldauer", 490, 172);
  else if (elRoundsList[g] != 0 || elPointsList[g] != 0)
    addGroupBox(75, durationBoxY(g), "Spieldauer", 490, durationBoxHeight(g));
  if (g == gidPoker) addGroupBox(75, 287, "Optionen", 490, 150);
}

}  // namespace

int32_t Tglapp::maketabcon(int32_t dialog) {
  const TGameId g = optionsGameOf(dialog);
  const int32_t d = dialog;
  const int32_t ownCount = dialogOf(d).count;
  setCurrentDialog(d);
  const int32_t tab = addElement(ekPageGroup, 35, 100, "Allgemein/Regeln", 570, 345, 240.0f, 1.0f);
  for (int32_t e = 3; e <= ownCount; e++) {
    const TElementClass c = classify(g, e);
    if (c == ecSkip) continue;
    if (c == ecGeneral) {
      if (elementOf(d, e).controller == 0) putOnPage(d, tab, e, pageGeneral);
    } else if (c == ecOther) {
      placeOther(d, tab, e);
    } else {
      placeDurationElement(d, tab, g, e, c);
    }
  }
  setCurrentDialog(d);
  const int32_t firstCommon = dialogOf(d).count + 1;
  addCommonRows(d, g);
  for (int32_t e = firstCommon; e <= dialogOf(d).count; e++)
    if (elementOf(d, e).controller == 0) putOnPage(d, tab, e, pageGeneral);
  setCurrentDialog(d);
  elBackButton[g] = addTextButton(195, 460, "Zurück");
  elTabGeneralButton[g] = addTextButton(125, 64, "Allgemein");
  elTabRulesButton[g] = addTextButton(281, 64, "Regeln");
  if (g == gidCanasta) elTabScoringButton[g] = addTextButton(426, 64, "Abrechnung");
  elTabGroup[g] = tab;
  return tab;
}

// [SECTION] reactions

namespace {

struct TRefreshEntry {
  TGameId g;
  const char* name;
};
// The games whose options code answers changes of their dialog. Gin Rummy's dialog calls
// Rommé's operation only from its first reset button.
constexpr TRefreshEntry kRefreshGames[] = {
    {gidMauMau, "maumauOptionsChanged"},     {gidSchwimmen, "schwimmenOptionsChanged"},
    {gidRomme, "rommeOptionsChanged"},       {gidCanasta, "canastaOptionsChanged"},
    {gidPoker, "pokerOptionsChanged"},       {gidBlackjack, "blackjackOptionsChanged"},
    {gidSiebzehnUndVier, "blackjackOptionsChanged"}, {gidJass, "jassOptionsChanged"},
    {gidGoFish, "goFishOptionsChanged"},
};

LArray<TOptionsRefresh, 0, gidNone> refreshHooks{};

const TRefreshEntry* refreshEntry(TGameId g) {
  for (const TRefreshEntry& r : kRefreshGames)
    if (r.g == g) return &r;
  return nullptr;
}

void callRefresh(TGameId g, int32_t element, int32_t decrement) {
  const TRefreshEntry* r = refreshEntry(g);
  if (r == nullptr) return;
  if (refreshHooks[g] == nullptr) {
    logNotAvailable(r->name);
    return;
  }
  refreshHooks[g](element, decrement);
}

// The changed element as the games read it: a selector's arrows and text count as the
// selector, the left arrow (directly after it) as a step down.
void refreshAfterChange(int32_t d, TGameId g, int32_t element) {
  if (g == gidGinRummy) return;
  const int32_t controller = elementOf(d, element).controller;
  if (controller == 0 || controller == elTabGroup[g]) {
    callRefresh(g, element, 0);
    return;
  }
  callRefresh(g, controller, element == controller + 1 ? 1 : 0);
}

// The page the reset button lies on is the part of the dialog its preset covers; members of
// a group count as lying on their group's page.
void loadPreset(int32_t d, int32_t button, const char* suffix) {
  const int32_t page = elementOf(d, button).page;
  TVTLDialog& dlg = dialogOf(d);
  std::vector<int16_t> ownPages(size_t(dlg.count) + 1);
  for (int32_t e = 1; e <= dlg.count; e++) {
    ownPages[size_t(e)] = dlg.elements[e].page;
    for (int32_t c = dlg.elements[e].controller, hops = 0; dlg.elements[e].page == 0 && c > 0 && hops < 8; hops++) {
      if (c == elTabGroup[optionsGameOf(d)]) break;
      dlg.elements[e].page = dlg.elements[c].page;
      c = dlg.elements[c].controller;
    }
  }
  loadDialogState(d, presetFileName(d, suffix), page);
  for (int32_t e = 1; e <= dlg.count; e++) dlg.elements[e].page = ownPages[size_t(e)];
}

void startNewList(int32_t d) {
  hideDialog(d);
  cg.setMenuButtonCaption(1);
  for (TGameId v : {gidSechsundsechzig, gidSiebzehnUndVier, gidGinRummy}) gameAreas.setVariantFlag(v, false);
  cg.gs.tutorialMode = 0;
  cg.startGame(cg.gameId, 0);
}

}  // namespace

void setOptionsRefresh(TGameId g, TOptionsRefresh refresh) { refreshHooks[g] = refresh; }

TGameId optionsGameOf(int32_t dialog) {
  if (dialog == 0) return gidNone;
  for (TGameId g = 0; g < gidNone; g++)
    if (dlgGameOptions[g] == dialog) return g;
  return gidNone;
}

std::string presetFileName(int32_t dialog, const char* suffix) {
  return programPath("\\data\\settings\\di_" + std::to_string(dialog) + suffix);
}

void optionsDialogClick(int32_t d, int32_t element) {
  const TGameId g = optionsGameOf(d);
  if (g == gidNone) return;
  const int32_t tab = elTabGroup[g];
  if (element == elTabGeneralButton[g]) return selectPage(d, tab, pageGeneral);
  if (element == elTabRulesButton[g]) return selectPage(d, tab, pageRules);
  if (element != 0 && element == elTabScoringButton[g]) return selectPage(d, tab, pageScoring);
  if (element == elBackButton[g]) return closeDialog(d);
  if (element == 2) return startNewList(d);
  const bool current = g == cg.gameId;
  if (current && element != 0 && element == elDefaultRules2Button[g]) return loadPreset(d, element, "_def2.dco");
  if (current && element != 0 && element == elDefaultRulesButton[g]) {
    loadPreset(d, element, "_def.dco");
    // Skat re-reads its dialog at the next change or opening; Gin Rummy answers here only.
    if (g != gidSkat) callRefresh(g == gidGinRummy ? TGameId(gidRomme) : g, element, 0);
    return;
  }
  if (g == gidSkat) return skatOptionsDialogClick(element);
  refreshAfterChange(d, g, element);
}

void skatSubDialogClick(int32_t dialog, int32_t element) {
  if (element == 2) closeDialog(dialog);
}

// [SECTION] selectGame

namespace {

struct TPokerVariant {
  int32_t offset;  // pressed element - poker's game button
  const char *name, *key, *code;
};
constexpr TPokerVariant kPokerVariants[] = {
    {2, "Split Limit Poker", "slpoker", "slp"},
    {1, "Pot Limit Poker", "plpoker", "plp"},
    {0, "No Limit Poker", "nlpoker", "nlp"},
};

void choosePokerVariant(int32_t element) {
  logNotAvailable("poker limit flags");
  // Poker's game button lives on the start screen, which only the all-games edition builds.
  const TPokerVariant* v = &kPokerVariants[2];
  (void)element;
  gameNames[gidPoker] = v->name;
  gameKeys[gidPoker] = v->key;
  gameCodes[gidPoker] = v->code;
  if (dlgGameOptions[gidPoker] != 0) setElementText(dlgGameOptions[gidPoker], 1, v->name, 0);
}

bool hasHeadlines() { return dlgMainMenu != 0 && elMainMenuHeadline1 != 0 && elMainMenuHeadline2 != 0; }

void titleGameMenu(TGameId g) {
  if (dlgMainMenu == 0) return;
  const std::string& name = gameNames[g];
  if (name == "Texas Hold`em Poker" || name == "3D Texas Hold`em Poker") {
    if (hasHeadlines()) {
      setElementText(dlgMainMenu, elMainMenuHeadline1, "Texas Hold`em", 0);
      setElementText(dlgMainMenu, elMainMenuHeadline2, "", 0);
    }
    setElementText(dlgMainMenu, 1, "Poker", 0);
  } else {
    if (hasHeadlines()) {
      setElementText(dlgMainMenu, elMainMenuHeadline1, "", 0);
      setElementText(dlgMainMenu, elMainMenuHeadline2, "", 0);
    }
    setElementText(dlgMainMenu, 1, gameNames[cg.gs.optionsGameId], 0);
    TVTLElement& title = elementOf(dlgMainMenu, 1);
    title.textScale = 2.2f;
    title.y = 12;
  }
  if (g == gidPoker && hasHeadlines()) setElementText(dlgMainMenu, elMainMenuHeadline2, "Texas Hold`em Poker", 0);
}

void enableDurationByCheck(TGameId g) {
  const int32_t d = dlgGameOptions[g];
  if (d == 0) return;
  for (auto [check, list] : {std::pair{elRoundsCheck[g], elRoundsList[g]}, std::pair{elPointsCheck[g], elPointsList[g]}}) {
    if (check == 0 || list == 0) continue;
    const uint8_t on = getElementChecked(d, check);
    setElementEnabled(d, list, on);
    setChildrenEnabled(d, list, on);
  }
}

void enableDecisionPanel() {
  if (dlgInGame == 0) return;
  for (int32_t e = elDecisionContinue; e <= elDecisionRow6[6]; e++) setElementEnabled(dlgInGame, e, 1);
}

}  // namespace

void selectGame(TGameId g, int32_t element) {
  cg.gs.optionsGameId = uint8_t(g);
  cg.gameId = g;
  if (g == gidPoker)
    choosePokerVariant(element);
  else
    showCardFaceRow();
  titleGameMenu(g);
  if (editionGame == gidNone) {
    if (g != gidSkat && g != gidBlackjack) enableDurationByCheck(g);
    enableDecisionPanel();
  }
  Tglapp::Setnames();
  if (dlgMainMenu != 0) openDialog(dlgMainMenu);
}

// [SECTION] start-up presets and the final shift

void Tglapp::makeAmericanSettings() {
  // Mau-Mau's hidden card choices join with Mau-Mau's own option elements.
  logNotAvailable("makeAmericanSettings: Mau-Mau's option elements");
  const int32_t d = dlgGameOptions[gidSkat];
  if (d == 0 || elSkatMoneyCheck == 0) return;
  setElementPage2(d, elSkatMoneyCheck);
  setElementPage2(d, elSkatMoneyOptions);
}

int32_t finalShift(int32_t dialog) {
  if (dialog < 7 || !vtl.diags.valid(dialog)) return 0;
  const TVTLDialog& dlg = vtl.diags[dialog];
  const std::string_view title = dlg.title.view();
  if (!title.empty() && title[0] == '#') return 0;
  if (dlg.width < 80 || dlg.height < 280 || dlg.count == 0) return 0;
  return dlg.y > 50 ? 18 : 8;
}

void Tglapp::ziehrunter() {
  for (int32_t n = 7; n <= vtl.diags.count(); n++) {
    const int32_t dy = finalShift(n);
    TVTLDialog& dlg = vtl.diags[n];
    for (int32_t e = 1; dy != 0 && e <= dlg.count; e++) dlg.elements[e].y = int16_t(dlg.elements[e].y + dy);
  }
}
