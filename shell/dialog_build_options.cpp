// The options dialog of each game: its title, start button and the frame every game shares
// (Tglapp.maketabcon). The games' own elements join before the frame as they are built.
#include <string>
#include <vector>

#include "engine/dialogs.h"
#include "engine/elements.h"
#include "shell/dialog_build.h"
#include "shell/game_dialogs.h"
#include "shell/shell_state.h"

namespace {

constexpr int32_t pageGeneral = 1;

bool hasPlayerCount(TGameId g) {
  switch (g) {
    case gidMauMau: case gidSchwimmen: case gidRomme: case gidCanasta: case gidPoker:
    case gidSiebzehnUndVier: case gidGoFish: case gidOldMaid:
      return true;
    default:
      return false;
  }
}

int32_t addHorList(int32_t x, int32_t y, const char* caption, int32_t width, int32_t height,
                   const std::vector<std::string>& items) {
  const int32_t e = addElement(ekSelector, x, y, caption, width, height, 0.0f, 1.0f);
  for (const std::string& item : items) addItem(e, item, 0);
  return e;
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

void addGroupBox(int32_t x, int32_t y, const char* caption, int32_t width, int32_t height) {
  addElement(ekGroupBox, x, y, caption, width, height, 0.0f, 1.0f);
}

// Tglapp.maketabcon without the games' own elements: the page group, the shared rows on
// page 1 and the tab buttons. Returns the page group.
int32_t makeTabFrame(int32_t d, TGameId g) {
  const int32_t tab = addElement(ekPageGroup, 35, 100, "Allgemein/Regeln", 570, 345, 240.0f, 1.0f);
  const int32_t x = g == gidCanasta ? 110 : 140;
  const int32_t off = g == gidWar ? -1000 : 0;  // War has no strength: its row lies off the dialog
  addSimpleElement(ekLabel, x - 20, 157, "Name");
  elPlayerNameEdit[g] = addElement(ekEdit, x + 138, 161, "Name", 163, ifAny, 24.0f, 1.0f);
  addSimpleElement(ekLabel, x - 20, 194 + off, "Schwierigkeit");
  elDifficultyList[g] = addHorList(x + 130, 198 + off, "HorList2", 140, 22, {"Anfänger", "Normal", "Profi"});
  elPlayerCountList[g] = playerCountList(g, x);
  elGenderList[g] = addHorList(x + 280, 162, "HorList3", 56, 20, {std::string(1, char(7)), std::string(1, char(6))});
  // Without saved states a fresh installation would start with no strength and no gender:
  // the build shows "Normal" and the man's entry until the states are loaded.
  setTopIndex(d, elDifficultyList[g], 2);
  setTopIndex(d, elGenderList[g], 2);
  addGroupBox(75, 121, "Spieler", 490, g == gidCanasta ? 184 : (g == gidSkat || g == gidWar) ? 115 : 155);
  if (g == gidSkat) addGroupBox(75, 244, "Spieldauer", 490, 172);
  if (g == gidPoker) addGroupBox(75, 287, "Optionen", 490, 150);
  for (int32_t e = tab + 1; e <= dialogOf(d).count; e++) {
    TVTLElement& el = elementOf(d, e);
    if (el.controller != 0) continue;
    el.page = pageGeneral;
    addChild(tab, e);
  }
  elBackButton[g] = addTextButton(195, 460, "Zurück");
  elTabGeneralButton[g] = addTextButton(125, 64, "Allgemein");
  elTabRulesButton[g] = addTextButton(281, 64, "Regeln");
  if (g == gidCanasta) elTabScoringButton[g] = addTextButton(426, 64, "Abrechnung");
  elTabGroup[g] = tab;
  return tab;
}

}  // namespace

void buildOptionsDialog(TGameId g) {
  const int32_t d = createStandardDialog(1, gameNames[g]);
  dlgGameOptions[g] = d;
  setMenuStyle(d);
  setCurrentDialog(d);
  addTextButton(365, 460, g == gidSkat || g == gidCanasta ? "Starten" : "Spiel Starten");
  makeTabFrame(d, g);
}
