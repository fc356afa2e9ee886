// Owner of the dialog and element numbers the core uses, and their build.
//
// [SECTION] numbers
// [SECTION] decision panel
// [SECTION] table overlay
// [SECTION] game list and further dialogs
#include "shell/game_dialogs.h"

#include "engine/dialogs.h"
#include "engine/elements.h"

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

namespace {

// [SECTION] decision panel

int32_t addDecisionButton(int32_t x, int32_t width, const char* caption) {
  return addElement(ekButton, x, 0, caption, width, 40, 0.0f, 1.0f);
}

template <int N>
void addDecisionRow(LArray<int32_t, 1, N>& row, const int (&xs)[N], int32_t width) {
  for (int k = 1; k <= N; k++) row[k] = addDecisionButton(xs[k - 1], width, std::to_string(k).c_str());
}

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
  const int betY[4] = {10, 28, 10, 28};
  for (int k = 1; k <= 4; k++) elBetButtons[k] = addElement(ekPicture, 100, betY[k - 1], "", 18, 18, 0.0f, 1.0f);
  elDecisionText = addSimpleElement(ekLabel, -10, -35, "text");
  setElementPicture(dlgInGame, elDecisionText, 123);
}

// [SECTION] table overlay

void buildTablePanel() {
  dlgIPanel = createDialog(0, 0, 0, 600, false, "#ipanel", false, 0, 2.0f);
  const int markY[8] = {470, 410, 350, 290, 230, 170, 110, 50};
  for (int y : markY) addElement(ekPicture, 56, y, " ", 20, 60, 0.0f, 1.0f);
  for (int k = 1; k <= 2; k++) elRoundIcons[k] = addElement(ekPicture, 56, 536, " ", 20, 60, 0.0f, 1.0f);
  for (int k = 1; k <= 5; k++) elSuitIcons[k] = addElement(ekPicture, 56, 470, " ", 20, 60, 0.0f, 1.0f);
  for (int k = 1; k <= 3; k++) elContractIcons[k] = addElement(ekPicture, 56, 470, " ", 20, 60, 0.0f, 1.0f);
  for (int s = 1; s <= tableSeatSlots; s++) {
    elSpeechBubble[s] = addSimpleElement(ekHiddenText, 20, 20, "");
    elBubbleFrame[s] = addSimpleElement(ekHiddenText, 20, 20, "");
    elTurnMarker[s] = addSimpleElement(ekLabel, 20, 20, "");
    for (int32_t e : {elSpeechBubble[s], elBubbleFrame[s], elTurnMarker[s]}) setElementShown(dlgIPanel, e, 0);
  }
  for (int i = 0; i <= 54; i++) elActionButtons[i] = addElement(ekButton, 20 + 20 * i, 20, "_", 10, 10, 0.0f, 1.0f);
  elTableHotspot = addElement(ekButton, 3, 20, "_", 10, 10, 0.0f, 1.0f);
  for (int i = 1; i <= 6; i++) {
    elSeatMarkers[i] = addElement(ekButton, 20 + 20 * i, 50, "_", 10, 10, 0.0f, 1.0f);
    setElementShown(dlgIPanel, elSeatMarkers[i], 0);
  }
  elTableInfoText = addSimpleElement(ekLabel, -2, 250, std::string(61, '-'));
  setElementPicture(dlgIPanel, elTableInfoText, 124);
  addSimpleElement(ekLabel, 0, 0, "");
  addElement(ekLabel, 5, 550, std::string(1, char(19)), 10, 10, 0.0f, 1.0f);
}

// [SECTION] game list and further dialogs

void buildGameList() {
  dlgGameList = createStandardDialog(1, "Spielliste");
  dialogOf(dlgGameList).stayOpen = 1;
  addElement(ekPicture, 242, 440, "Weiter", 196, 40, 0.0f, 1.3f);  // element 2
  elGameList1 = addElement(ekTable, 20, 100, "Spielliste", 580, 180, 0.0f, 1.0f);
  elGameList2 = addElement(ekTable, 20, 325, "Spielliste", 580, 60, 0.0f, 1.0f);
  elGameListCaption = addElement(ekLabel, 16, 401, "", 600, 28, 0.0f, 1.0f);
}

// One options dialog with the three fields the core reads.
int32_t buildOptionsDialog(int g) {
  int32_t d = createStandardDialog(1, "Optionen");
  elPlayerNameEdit[g] = addElement(ekEdit, 20, 60, "", 200, 30, 0.0f, 1.0f);
  elGenderList[g] = addElement(ekSelector, 20, 100, "", 200, 30, 0.0f, 1.0f);
  addItem(elGenderList[g], "Weiblich", 0);
  addItem(elGenderList[g], "Männlich", 0);
  setTopIndex(d, elGenderList[g], 2);
  elDifficultyList[g] = addElement(ekSelector, 20, 140, "", 200, 30, 0.0f, 1.0f);
  for (const char* level : {"Anfänger", "Normal", "Profi"}) addItem(elDifficultyList[g], level, 0);
  setTopIndex(d, elDifficultyList[g], 2);
  return d;
}

void buildFurtherDialogs() {
  dlgMenuBar = createDialog(740, 0, 60, 600, false, "#menubar", false, 0, 2.0f);
  addElement(ekPicture, 0, 0, "", 40, 40, 0.0f, 1.0f);  // the menu button
  dlgHelpPanel = createDialog(105, 20, 590, 120, false, "#helppanel", false, 10, 2.0f);
  dlgTutorialPanel = createDialog(105, 20, 590, 120, false, "#TutorialPanel", false, 10, 2.0f);
  dlgChatPanel = createDialog(185, 230, 440, 85, false, "#chatpanel", false, 0, 2.0f);
  dlgFarbPanel = createDialog(300, 500, 0, 0, false, "#farbpanel", false, 0, 2.0f);
  dlgButtonPanel = createDialog(370, 560, 0, 0, false, "#buttonpanel", false, 0, 2.0f);
  addElement(ekButton, 0, 0, "!Weiter", 150, 35, 0.0f, 1.0f);
  dlgGameMenu = createStandardDialog(0, "Spielmenü");
  dlgHelp = createStandardDialog(1, "Hilfe");
  dlgDisplay = createStandardDialog(1, "Anzeige");
  elSeatOrderList = addElement(ekSelector, 20, 60, "", 200, 30, 0.0f, 1.0f);
  addItem(elSeatOrderList, "Im Uhrzeigersinn", 0);
  addItem(elSeatOrderList, "Gegen den Uhrzeigersinn", 0);
  setTopIndex(dlgDisplay, elSeatOrderList, 1);
  setElementVisible(dlgDisplay, elSeatOrderList, 0);
  for (int g = 0; g < gidNone; g++) dlgGameOptions[g] = buildOptionsDialog(g);
}

}  // namespace

void buildGameDialogs() {
  buildDecisionPanel();
  buildTablePanel();
  buildGameList();
  buildFurtherDialogs();
}

void clearGameDialogNumbers() {
  for (int32_t* d : {&dlgInGame, &dlgIPanel, &dlgGameList, &dlgMenuBar, &dlgHelpPanel, &dlgTutorialPanel,
                     &dlgChatPanel, &dlgGameMenu, &dlgDisplay, &dlgHelp, &dlgFarbPanel, &dlgButtonPanel})
    *d = 0;
  for (TGameElements* t : {&dlgGameOptions, &elPlayerNameEdit, &elDifficultyList, &elPlayerCountList, &elGenderList,
                           &elTabGroup, &elBackButton, &elTabGeneralButton, &elTabRulesButton, &elTabScoringButton})
    for (int32_t& e : *t) e = 0;
}
