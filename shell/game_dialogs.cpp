// Owner of the dialog and element numbers the core uses, and their build.
//
// [SECTION] numbers
// [SECTION] decision panel
// [SECTION] building
#include "shell/game_dialogs.h"

#include "engine/dialogs.h"
#include "engine/elements.h"
#include "shell/dialog_build.h"
#include "shell/main_window.h"
#include "shell/shell_globals.h"
#include "shell/skat_options_dialog.h"
#include "shell/sort_menus.h"
#include "shell/table_textures.h"

// [SECTION] numbers

int32_t dlgInGame = 0;
int32_t elDecisionContinue = 0;
LArray<int32_t, 1, 2> elDecisionRow2{};
LArray<int32_t, 1, 3> elDecisionRow3{};
LArray<int32_t, 1, 4> elDecisionRow4{};
int32_t elDecisionOption8 = 0;
LArray<int32_t, 1, 7> elDecisionRow7{};
LArray<int32_t, 1, 5> elDecisionRow5{};
LArray<int32_t, 1, 6> elDecisionRow6{};
LArray<int32_t, 1, 4> elBetButtons{};
int32_t elDecisionText = 0;

int32_t dlgIPanel = 0;
LArray<int32_t, 1, 2> elRoundIcons{};
LArray<int32_t, 1, 5> elSuitIcons{};
LArray<int32_t, 1, 3> elContractIcons{};
LArray<int32_t, 1, tableSeatSlots> elSpeechBubble{};
LArray<int32_t, 1, tableSeatSlots> elBubbleFrame{};
LArray<int32_t, 1, tableSeatSlots> elTurnMarker{};
LArray<int32_t, 0, 54> elActionButtons{};
int32_t elTableHotspot = 0;
LArray<int32_t, 1, 6> elSeatMarkers{};
int32_t elTableInfoText = 0;

int32_t dlgGameList = 0;
int32_t elGameList1 = 0;
int32_t elGameList2 = 0;
int32_t elGameListCaption = 0;

int32_t dlgFirstOptions = 0;
int32_t dlgFpsPanel = 0;
int32_t dlgHelpPanel = 0;
int32_t dlgMainMenu = 0;
int32_t dlgHighscore = 0;
int32_t dlgHelp = 0;
int32_t dlgSkatSortMenu = 0;
int32_t dlgKontra = 0;
int32_t dlgBockRamsch = 0;
int32_t dlgMoney = 0;
int32_t dlgDisplay = 0;
int32_t dlgOptions = 0;
int32_t dlgGameMenu = 0;
int32_t dlgStartScreen = 0;
int32_t dlgFarbPanel = 0;
int32_t dlgTextPanel = 0;
int32_t dlgButtonPanel = 0;
int32_t dlgInfoPanel = 0;
int32_t dlgSave = 0;
int32_t dlgLoad = 0;
int32_t dlgNewGame = 0;
int32_t dlgNetwork = 0;
int32_t dlgNetworkChoice = 0;
int32_t dlgNetworkJoin = 0;
int32_t dlgChatPanel = 0;
int32_t dlgNetworkGames = 0;
int32_t dlgLobbyProgress = 0;
int32_t dlgInternet = 0;
int32_t dlgNetworkCreate = 0;
int32_t dlgCredits = 0;
int32_t dlgPokerPanel = 0;
int32_t dlgRommeSortMenu = 0;
int32_t dlgClusterPanel = 0;
int32_t dlgExtras = 0;
int32_t dlgTutorialPanel = 0;
int32_t dlgTutorial = 0;
int32_t dlgMenuBar = 0;
int32_t elHelpButton = 0;
int32_t elChatButton = 0;
int32_t elNameButton = 0;
int32_t elEngineInfoText = 0;
int32_t elGameMenuSave = 0;
int32_t elCanastaTeams = 0;
int32_t elHelpPanelText = 0;
int32_t elHelpPanelClose = 0;
int32_t elStatusText = 0;
int32_t elMessageText = 0;
int32_t elMessageContinue = 0;
int32_t elSaveName = 0;
int32_t elHelpSearchEdit = 0;
int32_t elSeatOrderList = 0;
int32_t elNetworkNameEdit = 0;
int32_t elNetworkGenderList = 0;
int32_t elNetworkCreateNameEdit = 0;
int32_t elNetworkCreateGenderList = 0;
LArray<int32_t, 1, 3> elCreditsLogos{};
TGameElements dlgGameOptions{};
TGameElements elPlayerNameEdit{};
TGameElements elDifficultyList{};
TGameElements elPlayerCountList{};
TGameElements elGenderList{};
TGameElements elTabGroup{};
TGameElements elBackButton{};
TGameElements elTabGeneralButton{};
TGameElements elTabRulesButton{};
TGameElements elTabScoringButton{};
TGameElements elDefaultRulesButton{};
TGameElements elDefaultRules2Button{};
TGameElements elRoundsCheck{};
TGameElements elRoundsList{};
TGameElements elPointsCheck{};
TGameElements elPointsList{};

namespace {

// [SECTION] decision panel

int32_t addDecisionButton(int32_t x, int32_t width, const char* caption) {
  return addElement(ekButton, x, 0, caption, width, 40, 0.0f, 1.0f);
}

template <int N>
void addDecisionRow(LArray<int32_t, 1, N>& row, const int (&xs)[N], int32_t width) {
  for (int k = 1; k <= N; k++) row[k] = addDecisionButton(xs[k - 1], width, std::to_string(k).c_str());
}

}  // namespace

void buildDecisionPanel() {
  dlgInGame = createDialog(290, 560, 0, 0, false, "#ingamedialog", false, 1, 2.0f);
  elDecisionContinue = addDecisionButton(65, 160, "!Weiter");
  addDecisionRow(elDecisionRow2, {20, 160}, 120);
  addDecisionRow(elDecisionRow3, {-50, 80, 210}, 120);
  addDecisionRow(elDecisionRow4, {0, 80, 160, 240}, 75);
  elDecisionOption8 = addDecisionButton(-250, 85, "?");
  addDecisionRow(elDecisionRow7, {-160, -70, 20, 110, 200, 290, 380}, 87);
  addDecisionRow(elDecisionRow5, {-110, 0, 110, 220, 330}, 105);
  addDecisionRow(elDecisionRow6, {-180, -70, 40, 150, 260, 370}, 105);
  // The stake steps: up and down by the small step, then by the large one.
  const int betY[4] = {10, 28, 10, 28};
  const uint8_t betStyle[4] = {28, 29, 16, 17};
  for (int k = 1; k <= 4; k++) {
    elBetButtons[k] = addStyledPicture(100, betY[k - 1], betStyle[k - 1]);
    TVTLElement& el = elementOf(dlgInGame, elBetButtons[k]);
    el.width = el.height = 18;
    el.pressDepth = 0.008f;
  }
  elDecisionText = addSimpleElement(ekLabel, -10, -35, "text");
  setElementPicture(dlgInGame, elDecisionText, 123);
}

// [SECTION] building

void buildGameDialogs() { Tglapp::diagcreate(); }

void clearGameDialogNumbers() {
  for (int32_t* n :
       {&dlgInGame, &elDecisionContinue, &elDecisionOption8, &elDecisionText, &dlgIPanel, &elTableHotspot,
        &elTableInfoText, &dlgGameList, &elGameList1, &elGameList2, &elGameListCaption, &dlgFirstOptions,
        &dlgFpsPanel, &dlgHelpPanel, &dlgMainMenu, &dlgHighscore, &dlgHelp, &dlgSkatSortMenu, &dlgKontra,
        &dlgBockRamsch, &dlgMoney, &dlgDisplay, &dlgOptions, &dlgGameMenu, &dlgStartScreen, &dlgFarbPanel,
        &dlgTextPanel, &dlgButtonPanel, &dlgInfoPanel, &dlgSave, &dlgLoad, &dlgNewGame, &dlgNetwork,
        &dlgNetworkChoice, &dlgNetworkJoin, &dlgChatPanel, &dlgMessage, &dlgNetworkGames, &dlgLobbyProgress,
        &dlgInternet, &dlgNetworkCreate, &dlgCredits, &dlgPokerPanel, &dlgRommeSortMenu, &dlgClusterPanel,
        &dlgExtras, &dlgTutorialPanel, &dlgTutorial, &dlgMenuBar, &elHelpButton, &elChatButton, &elNameButton,
        &elEngineInfoText, &elGameMenuSave, &elCanastaTeams, &elHelpPanelText, &elHelpPanelClose, &elStatusText,
        &elMessageText, &elMessageContinue, &elSaveName, &elHelpSearchEdit, &elSeatOrderList, &elNetworkNameEdit,
        &elNetworkGenderList, &elNetworkCreateNameEdit, &elNetworkCreateGenderList})
    *n = 0;
  auto zero = [](auto& array) {
    for (int32_t& e : array) e = 0;
  };
  zero(elDecisionRow2);
  zero(elDecisionRow3);
  zero(elDecisionRow4);
  zero(elDecisionRow7);
  zero(elDecisionRow5);
  zero(elDecisionRow6);
  zero(elBetButtons);
  zero(elRoundIcons);
  zero(elSuitIcons);
  zero(elContractIcons);
  zero(elSpeechBubble);
  zero(elBubbleFrame);
  zero(elTurnMarker);
  zero(elActionButtons);
  zero(elSeatMarkers);
  zero(elCreditsLogos);
  for (TGameElements* t : {&dlgGameOptions, &elPlayerNameEdit, &elDifficultyList, &elPlayerCountList, &elGenderList,
                           &elTabGroup, &elBackButton, &elTabGeneralButton, &elTabRulesButton, &elTabScoringButton,
                           &elDefaultRulesButton, &elDefaultRules2Button, &elRoundsCheck, &elRoundsList,
                           &elPointsCheck, &elPointsList})
    zero(*t);
  clearSkatOptionNumbers();
  clearSortMenuNumbers();
  clearDialogTextures();
}
