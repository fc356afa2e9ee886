// Keys (-8): the network chat's Enter, typing that opens the game chat, Escape, the typed
// developer words in the key buffer, F1 and the developer keys.
//
// [SECTION] chat and Escape
// [SECTION] typed words
// [SECTION] developer keys
// [SECTION] the key event
#include <string_view>

#include "core/cg.h"
#include "engine/dialogs.h"
#include "engine/elements.h"
#include "engine/engine_events.h"
#include "engine/focus.h"
#include "engine/keyboard_input.h"
#include "platform/window_keys.h"
#include "shell/channel_parts.h"
#include "shell/event_channel.h"
#include "shell/game_dialogs.h"
#include "shell/main_window.h"
#include "shell/screen_stand_ins.h"
#include "shell/shell_globals.h"
#include "shell/shell_services.h"
#include "shell/shell_state.h"
#include "sound/sound_events.h"
#include "table/menu_cards.h"
#include "net/net_transport.h"

namespace {
constexpr size_t kKeyBufferKeep = 32;  // a longer buffer drops its first character
constexpr int32_t kVkPlus = 187, kVkHash = 191;

// [SECTION] chat and Escape

// Enter, Space, the punctuation keys and the digits, letters, keypad and F1..F11.
bool isCharacterKey(int32_t key) {
  switch (key) {
    case kVkReturn: case kVkSpace: case 186: case 187: case 188: case 189: case 190:
    case 192: case 219: case 220: case 222: case 226: return true;
    default: return key >= 48 && key <= 122;
  }
}

bool waitingRoomChatHasFocus() {
  return isDialogOpen(dlgNetwork) && elNetworkChatEdit != 0 &&
         dialogOf(dlgNetwork).captureElement == elNetworkChatEdit;
}

void sendWaitingRoomChat() {
  const std::string text = getElementText(dlgNetwork, elNetworkChatEdit);
  if (!text.empty()) netSendChat(text);
  setElementText(dlgNetwork, elNetworkChatEdit, "", 0);
  setSelIndex(dlgNetwork, elNetworkChatEdit, 0);
  vtl.keyHandled = true;
}

// Some element outside #chatpanel has the keyboard focus and can take Enter.
bool focusTakesEnter() {
  if (vtl.focusDialog == 0 || vtl.focusDialog == dlgChatPanel) return false;
  return isFocusElementValid();
}

// Typing during a started network game opens the chat line.
void typeIntoGameChat(int32_t key) {
  if (!isNetGame()) return;
  const int32_t phase = netGamePhase();
  if (phase <= 1) return;  // the waiting room has its own chat line
  const bool chatClosed = !isDialogOpen(dlgChatPanel);
  bool open = chatClosed && screenMode == 1;
  if (key == kVkReturn && !focusTakesEnter()) open = true;
  if (phase != 2 || !open || dlgChatPanel == 0) return;
  openDialog(dlgChatPanel);
  openChatInput();
  vtl.keyHandled = true;
}

void escapeKey() {
  if (screenMode == 1) {
    if (isDialogOpen(dlgChatPanel))
      closeChatWindow();
    else if (dlgMenuBar != 0)
      Tglapp::FormMouseWheelDown(kEngineEventMark, dlgMenuBar, elMenuButton);
  } else if (dlgStartScreen != 0 && vtl.topDialog == dlgStartScreen) {
    formClose();  // the close query decides
  }
}

// [SECTION] typed words

bool bufferEndsWith(std::string_view word) {
  return keyBuffer.size() >= word.size() && std::string_view(keyBuffer).substr(keyBuffer.size() - word.size()) == word;
}

void typedWords(int32_t key) {
  if (keyBuffer.size() > kKeyBufferKeep) keyBuffer.erase(0, 1);
  keyBuffer += char(key);
  if (vtl.developerMode && bufferEndsWith("WEMP")) {
    vtl.uiOverlayOn = !vtl.uiOverlayOn;
    soundContainer.playEvent(soundClick, 0, 0);
  }
  if (bufferEndsWith("KLOMP")) {
    vtl.developerMode = !vtl.developerMode;
    loadenv(false);
    soundContainer.playEvent(soundClick, 0, 0);
  }
  if (bufferEndsWith("DRIVA")) {
    // Switches the computer's play of the user's seat through the engine's developer key.
    if (vtl.developerMode) {
      loadenv(false);
      formKeyDown('Q', true);
      vtl.developerMode = false;
      loadenv(false);
    } else {
      vtl.developerMode = true;
      loadenv(false);
      formKeyDown('Q', true);
    }
    soundContainer.playEvent(soundClick, 0, 0);
  }
}

// [SECTION] developer keys

void restartGame() {
  cg.setMenuButtonCaption(0);
  if (cg.gs.tutorialMode != 0) tutShowEndDialog();
  leaveNetGame();
  keepDialogOpen(dlgHelpPanel, false);
  keepDialogOpen(dlgTutorialPanel, false);
  keepDialogOpen(dlgGameMenu, false);
  keepDialogOpen(dlgStartScreen, true);
  initMenuCards();
  keepDialogOpen(dlgMainMenu, false);
  keepDialogOpen(dlgStartScreen, false);
  cg.setMenuButtonCaption(1);
  cg.startGame(cg.gameId, 0);
}

}  // namespace

// [SECTION] the key event

void channelKey(int32_t key) {
  cg.lastPointerCode = 0;  // the next frame picks again
  if (key == kVkReturn && waitingRoomChatHasFocus()) {
    sendWaitingRoomChat();
  } else if (key == kVkReturn && isDialogOpen(dlgChatPanel)) {
    sendChatLine();
  } else if (isCharacterKey(key)) {
    typeIntoGameChat(key);
  } else if (key == kVkEscape) {
    escapeKey();
  }
  typedWords(key);
  if (key == kVkF1 && dlgMenuBar != 0 && elHelpButton != 0 && isElementVisible(dlgMenuBar, elHelpButton))
    Tglapp::showinnerhelp();
  if (!vtl.developerMode) return;
  if (key == kVkPlus) restartGame();
  if (key == kVkHash) Tglapp::dotestsave(true);
}
