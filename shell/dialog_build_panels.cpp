// The panels over the table and the menu bar, as the dialog build makes them.
#include <string>

#include "engine/dialogs.h"
#include "engine/elements.h"
#include "engine/engine_dialogs.h"
#include "engine/engine_form.h"
#include "engine/texts.h"
#include "shell/dialog_build.h"
#include "shell/game_dialogs.h"
#include "shell/shell_globals.h"
#include "shell/table_textures.h"

namespace {

// A picture of #ipanel: a free picture (style 9) 20 x 60 with its picture factor in percent.
int32_t addTablePicture(int32_t y, int32_t factor, int32_t texture) {
  const int32_t e = addElementEx(ekPicture, 56, y, 20, 60, skFreePicture, " ", factor, 0, 0, 0, 1.0f);
  setElementPicture(dlgIPanel, e, texture);
  return e;
}

int32_t addSmallButton(int32_t x, int32_t y, const char* caption, int32_t width, int32_t height) {
  return addElement(ekButton, x, y, caption, width, height, 0.0f, 1.0f);
}

}  // namespace

void buildFpsPanel() {
  dlgFpsPanel = createDialog(200, 20, 0, 0, false, "#fpspanel", false, 0, 1.0f);
  addElement(ekLabel, 6, 6, "", -1, -1, 0.0f, 2.5f);
}

void buildTablePanel() {
  dlgIPanel = createDialog(0, 0, 0, 600, false, "#ipanel", false, 0, 2.0f);
  loadDialogTextures();
  setCurrentDialog(dlgIPanel);
  const int32_t markY[8] = {470, 410, 350, 290, 230, 170, 110, 50};
  const int32_t markFactor[8] = {100, 80, 60, 40, 30, 20, 10, 10};
  for (int i = 0; i < 8; i++) addTablePicture(markY[i], markFactor[i], texDrawMarker);
  for (int k = 1; k <= 2; k++) elRoundIcons[k] = addTablePicture(536, 100, texRoundIcons[k]);
  for (int k = 1; k <= 5; k++) elSuitIcons[k] = addTablePicture(470, 100, k <= 4 ? texSuitIcons[k] : 0);
  for (int k = 1; k <= 3; k++) elContractIcons[k] = addTablePicture(470, 100, texSuitIcons[9 + k]);
  for (int s = 1; s <= tableSeatSlots; s++) {
    elSpeechBubble[s] = addSimpleElement(ekHiddenText, 20, 20, "");
    elBubbleFrame[s] = addSimpleElement(ekHiddenText, 20, 20, "");
    elTurnMarker[s] = addSimpleElement(ekLabel, 20, 20, "");
    for (int32_t e : {elSpeechBubble[s], elBubbleFrame[s], elTurnMarker[s]}) setElementShown(dlgIPanel, e, 0);
  }
  for (int i = 0; i <= 54; i++) elActionButtons[i] = addSmallButton(20 + 20 * i, 20, "_", 10, 10);
  elTableHotspot = addSmallButton(3, 20, "_", 10, 10);
  for (int i = 1; i <= 6; i++) {
    elSeatMarkers[i] = addSmallButton(20 + 20 * i, 50, "_", 10, 10);
    setElementShown(dlgIPanel, elSeatMarkers[i], 0);
  }
  elTableInfoText = addSimpleElement(ekLabel, -2, 250, std::string(61, '-'));
  setElementPicture(dlgIPanel, elTableInfoText, 124);
  addSimpleElement(ekLabel, 0, 0, "");
  addElement(ekLabel, 5, 550, std::string(1, char(19)), 10, 10, 0.0f, 1.0f);
}

void buildHelpPanel() {
  dlgHelpPanel = createDialog(105, 20, 590, 120, false, "#helppanel", false, 0, 2.0f);
  setMenuStyle(dlgHelpPanel);
  elHelpPanelText = addElement(ekLabel, 10, 0, "text", 70, 100, 0.0f, 1.0f);
  elHelpPanelClose = addTextElement(ekPicture, 549, 3, 0, 0, 1, "");
  const int32_t info = vtl.overlayPanel;
  if (info <= 0) return;
  setElementHelpTextSlot(info, kOverlayMinimizeButton, lookupText("f_label_mininimizebtn"), 1);
  setElementHelpTextSlot(info, kOverlayResizeHandle, lookupText("f_label_sizebtn"), 2);
  setElementHelpTextSlot(info, kOverlayMoveHandle, lookupText("f_label_movebtn"), 3);
  // The frame handler writes this line while the engine's info flag is set.
  setCurrentDialog(info);
  elEngineInfoText = addSimpleElement(ekLabel, 10, 40, "");
  setElementShown(info, elEngineInfoText, 0);
}

void buildTextPanel() {
  dlgTextPanel = createDialog(200, 25, 400, 32, false, "#textpanel", false, 50, 2.0f);
  addElement(ekLabel, 190, -3, "!Information", 150, 35, 0.0f, 1.0f);
}

void buildButtonPanel() {
  dlgButtonPanel = createDialog(370, 560, 0, 0, false, "#buttonpanel", false, 0, 2.0f);
  addSmallButton(0, 0, "!Weiter", 150, 35);
}

void buildInfoPanel() {
  dlgInfoPanel = createDialog(10, 10, 500, 200, false, "#infopanel", false, 0, 2.0f);
  const char* const lines[5] = {"", "Selcard: 0", "Getcard: 0", "aStatus: 0", "Info: 0"};
  for (int i = 0; i < 5; i++) addSimpleElement(ekLabel, 6, 6 + 20 * i, lines[i]);
  struct TToolButton {
    const char* caption;
    int32_t x, y, width;
  };
  constexpr TToolButton tools[] = {
      {"Grafikoptionen", 240, 5, 140}, {"ResetHighscore", 240, 35, 140}, {"Konsistenz", 390, 5, 100},
      {"Cheat", 390, 35, 100},         {"X", 240, 65, 140},              {"Save", 390, 65, 100},
      {"+", 240, 92, 30},              {"-", 280, 92, 30},               {"+", 340, 92, 30},
      {"-", 380, 92, 30},              {"TimerStart", 240, 120, 100},    {"TimerStop", 350, 120, 100},
      {"Testfall1", 240, 150, 100},    {"Testfall2", 350, 150, 100}};
  for (const TToolButton& b : tools) addSmallButton(b.x, b.y, b.caption, b.width, 24);
  elStatusText = addElement(ekLabel, 6, 286, "SBSTRING", 20, -1, 0.0f, 1.0f);
}

void buildChatPanel() {
  dlgChatPanel = createDialog(185, 230, 440, 85, false, "#chatpanel", false, 0, 2.0f);
  addSimpleElement(ekLabel, -4, 8, "Chat-Nachricht:");
  addElement(ekEdit, 16, 40, "", 324, ifAny, 64.0f, 1.0f);
  addSmallButton(352, 38, "Senden", 79, 32);
  addTextElement(ekPicture, 402, 5, 0, 0, 1, "");
}

void buildMessageDialog() {
  dlgMessage = createDialog(100, 420, 600, 190, false, " ", false, 0, 1.5f);
  elMessageText = addSimpleElement(ekLabel, 10, 23, "Messagetext");
  elMessageContinue = addMenuButton(260, 135, 196, "Weiter");
}

void buildPokerPanel() {
  dlgPokerPanel = createDialog(15, 520, 140, 60, false, "#pokerpanel", false, 0, 2.0f);
  addSimpleElement(ekLabel, 6, 6, "Pot: 0 ");
  addSimpleElement(ekLabel, 6, 26, "Einsatz: 0 ");
}

void buildClusterPanel() {
  dlgClusterPanel = createDialog(5, 500, 155, 100, false, "#clusterpanel", false, 0, 2.0f);
  addSimpleElement(ekLabel, 0, 4, "-");
  addSimpleElement(ekLabel, 0, 24, ".in:");
  addSimpleElement(ekLabel, 50, 24, ".brain:");
  addSmallButton(10, 52, "!on", 35, 22);
  addSmallButton(45, 52, "!off", 35, 22);
  addSmallButton(100, 52, "!reset", 47, 22);
  addSmallButton(10, 80, "!pon", 35, 22);
  addSmallButton(45, 80, "!poff", 35, 22);
  addSmallButton(100, 80, "!save", 47, 22);
}

void buildMenuBar() {
  if (vtl.firstPanel <= 0) return;
  dlgMenuBar = vtl.firstPanel;
  setCurrentDialog(dlgMenuBar);
  addStyledPicture(773, 3, 0);  // elMenuButton
  setElementHelpTextSlot(dlgMenuBar, elMenuButton, lookupText("f_label_exitbtn"), 4);
  elHelpButton = addStyledPicture(773, 105, skSymbol, "?");
  elementOf(dlgMenuBar, elHelpButton).textScale = 1.5f;
  setElementHelpTextSlot(dlgMenuBar, elHelpButton, lookupText("f_label_helpbtn"), 13);
  elChatButton = addStyledPicture(773, 105, 18);
  setElementHelpTextSlot(dlgMenuBar, elChatButton, lookupText("f_label_chatbtn"), 21);
  setElementShown(dlgMenuBar, elChatButton, 0);
  elNameButton = addStyledPicture(773, 139, 19);
  setElementHelpTextSlot(dlgMenuBar, elNameButton, lookupText("f_label_namebtn"), 22);
  setElementShown(dlgMenuBar, elNameButton, 0);
  setDialogOpen(dlgMenuBar, 1);
}
