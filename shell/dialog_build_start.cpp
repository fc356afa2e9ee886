// The start screen with its grid of game buttons and the entrance into the program (the
// featured game's menu, or the start screen when every game is offered), and the credits.
//
// [SECTION] start screen
// [SECTION] credits
#include <string>

#include "engine/dialogs.h"
#include "engine/elements.h"
#include "engine/engine_form.h"
#include "engine/frames.h"
#include "engine/texts.h"
#include "platform/window.h"
#include "shell/dialog_build.h"
#include "shell/game_dialogs.h"
#include "shell/menus.h"
#include "shell/options_frame.h"
#include "shell/shell_state.h"
#include "shell/table_textures.h"

// [SECTION] start screen

namespace {

// The grid of the start screen when every game is offered: column 1 or 2, row 1..5.
struct TGridCell {
  TGameId game;
  int32_t column, row;
};
constexpr TGridCell kAllGamesGrid[] = {
    {gidHearts, 1, 1}, {gidCanasta, 1, 2}, {gidRomme, 1, 3}, {gidGinRummy, 1, 4}, {gidOldMaid, 1, 5},
    {gidWar, 2, 1},    {gidGoFish, 2, 2},  {gidSkat, 2, 3},  {gidMauMau, 2, 4},   {gidBlackjack, 2, 5},
};
// The games the start screen lets the user choose when every game is offered.
constexpr TGameId kOfferedGames[] = {gidMauMau, gidSkat, gidRomme, gidCanasta, gidBlackjack, gidHearts,
                                     gidGinRummy, gidWar, gidGoFish, gidOldMaid};

constexpr int32_t kGameButtonWidth = 180;
constexpr int32_t kGridTop = 85;
constexpr int32_t kGridLeft = 58;
constexpr int32_t kGridColumnStep = 200;

const TGridCell* gridCellOf(TGameId g) {
  if (editionAllGames == 0) return nullptr;  // the featured game's screen has no grid
  for (const TGridCell& c : kAllGamesGrid)
    if (c.game == g) return &c;
  return nullptr;
}

// A menu button of final place (x, y) and final width.
int32_t addPlacedMenuButton(int32_t x, int32_t y, int32_t width, std::string_view caption) {
  return addMenuButton(x + 40, y, width - 40, caption);
}

void addGameButtons() {
  for (TGameId g = 0; g <= gidNone; g++) {
    const TGridCell* cell = gridCellOf(g);
    if (cell == nullptr) continue;
    const int32_t x = kGridLeft + kGridColumnStep * (cell->column - 1);
    elGameButtons[g] = addPlacedMenuButton(x, kGridTop + menuStep * (cell->row - 1), kGameButtonWidth, gameNames[g]);
  }
}

bool isOfferedGame(TGameId g) {
  for (TGameId o : kOfferedGames)
    if (o == g) return true;
  return false;
}

// With a featured game its menu is the program's first screen and the program carries its
// name; otherwise the start screen opens with the offered games usable.
void enterProgram() {
  if (editionGame != gidNone) {
    selectGame(editionGame, 0);
    setElementText(dlgMainMenu, elMainMenuBack, lookupText("f_menu_quitgame"), 0);
    vtl.applicationTitle = gameNames[editionGame] + " Velmora";
    winSetTitle(vtl.applicationTitle);
    return;
  }
  openDialog(dlgStartScreen);
  for (TGameId g = 0; g <= gidNone; g++)
    if (elGameButtons[g] != 0) setElementEnabled(dlgStartScreen, elGameButtons[g], isOfferedGame(g) ? 1 : 0);
}

}  // namespace

void buildStartScreen() {
  dlgStartScreen = createStandardDialog(3, vtl.applicationTitle);
  TVTLDialog& d = dialogOf(dlgStartScreen);
  d.y = int16_t(d.y - 20);
  d.height = int16_t(d.height + 40);
  d.width = 500;
  d.x = (810 - 500) / 2;
  addGameButtons();
  elStartScreenBlank = addSimpleElement(ekLabel, 0, 0, "");
  elStartScreenEnd = addPlacedMenuButton(158, 7 * menuStep + 45, kGameButtonWidth, "Ende");
  // The engine keeps no title picture of its own yet, so the element holds none; it stays
  // hidden either way.
  elStartScreenTitle = addTextElement(ekPicture, 180, -3, 133, 130, skFreePicture, "");
  setElementShown(dlgStartScreen, elStartScreenTitle, 0);
  enterProgram();
}

// [SECTION] credits

namespace {

// Role headings and who filled them; each group is followed by an empty line.
struct TCreditsGroup {
  const char* role;
  const char* names;
};
constexpr TCreditsGroup kCreditsGroups[] = {
    {"Projektleitung", "Die Betreuer des Skat-Projekts"},
    {"Ausführende Produktion", "Die Betreuer des Skat-Projekts"},
    {"Programmierung", "Die Entwickler des Skat-Projekts"},
    {"Musik", "Die Mitwirkenden des Skat-Projekts"},
    {"Sound", "Die Mitwirkenden des Skat-Projekts"},
    {"Grafik", "Beim Bau des Programms erzeugt"},
    {"Betatest", "Die Tests des Skat-Projekts"},
    {"Herausgabe", "Das Skat-Projekt"},
    {"Marketing", "Keines"},
    {"Vertrieb", "Frei als Quelltext"},
};
constexpr const char* kCreditsMaker = "Ein Programm des Skat-Projekts";
constexpr const char* kCreditsYearLine = "2026 Das Skat-Projekt";
constexpr const char* kCreditsAddressLine = "Keine Postanschrift: Kontakt über das Projektarchiv";
// Room after the text so that it scrolls out of the box.
constexpr int kCreditsTrailingLines = 28;

void fillCreditsText(int32_t box) {
  addItem(box, "CREDITS", 0);
  addItem(box, kCreditsMaker, 0);
  addItem(box, "", 0);
  for (const TCreditsGroup& g : kCreditsGroups) {
    addItem(box, g.role, 0);
    addItem(box, g.names, 0);
    addItem(box, "", 0);
  }
  addItem(box, kCreditsYearLine, 0);
  addItem(box, kCreditsAddressLine, 0);
  for (int k = 0; k < kCreditsTrailingLines; k++) addItem(box, "", 0);
}

}  // namespace

void buildCredits() {
  dlgCredits = createStandardDialog(1, " ");
  TVTLDialog& d = dialogOf(dlgCredits);
  d.x = int16_t(d.x + 50);
  d.width = int16_t(d.width - 100);
  setMenuStyle(dlgCredits);
  setCurrentDialog(dlgCredits);
  elCreditsBack = addPlacedMenuButton(145, 445, 236, "Zurück");
  elCreditsText = addElement(ekTextBox, 105, 0, "", 350, 460, 0.0f, 1.0f);
  fillCreditsText(elCreditsText);
  for (int k = 1; k <= 3; k++) {
    elCreditsLogos[k] = addTextElement(ekPicture, 105 + 120 * (k - 1), 470, 100, 50, skFreePicture, "");
    setElementPicture(dlgCredits, elCreditsLogos[k], texCreditsLogos[k]);
  }
}
