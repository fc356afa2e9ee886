// The engine's event channel: every event the engine sends to the main window, decoded and
// routed to the start-up, the frame handler, the table click, the keys, the relayout and the
// screens' element clicks; the Enter callback of the network lists and Tglapp.carddone.
//
// [SECTION] state
// [SECTION] dialog helpers
// [SECTION] double-click rule
// [SECTION] relayout
// [SECTION] element clicks
// [SECTION] the channel
// [SECTION] callbacks and network
#include <cmath>

#include "core/cg.h"
#include "engine/dialogs.h"
#include "engine/element_activation.h"
#include "engine/elements.h"
#include "engine/engine_events.h"
#include "engine/engine_options.h"
#include "engine/text_width.h"
#include "engine/window_shape.h"
#include "games/casino/chips.h"
#include "platform/tick.h"
#include "shell/channel_parts.h"
#include "shell/decision_panel_input.h"
#include "shell/event_channel.h"
#include "shell/game_dialogs.h"
#include "shell/game_list_screen.h"
#include "shell/main_window.h"
#include "shell/menus.h"
#include "shell/options_frame.h"
#include "shell/panels.h"
#include "shell/screen_stand_ins.h"
#include "shell/shell_globals.h"
#include "shell/shell_services.h"
#include "shell/shell_state.h"
#include "shell/sort_menus.h"
#include "sound/music_control.h"
#include "sound/sound_events.h"
#include "table/move_queue.h"
#include "table/table_layout.h"

// [SECTION] state

int32_t elInternetTableList = 0;
int32_t elGameLB = 0;
int32_t elNetworkGamesJoin = 0;
int32_t elNetworkChatEdit = 0;

namespace {
constexpr uint32_t kDoubleClickMs = 300;
constexpr float kStartAspect = 1.3333334f;  // the table's first layout is for 4:3
constexpr float kAspectStep = 0.05f;        // a smaller change keeps the table as it is
float layoutAspect = kStartAspect;          // the window aspect of the last table layout
}  // namespace

void resetChannelMemory() {
  layoutAspect = kStartAspect;
  keyBuffer.clear();
  lastClickTick = 0;
  resetPickMemory();
}

// [SECTION] dialog helpers

bool isDialogOpen(int32_t dialog) { return dialog != 0 && vtl.diags.valid(dialog) && vtl.diags[dialog].open != 0; }

void keepDialogOpen(int32_t dialog, bool open) {
  if (dialog == 0 || !vtl.diags.valid(dialog)) return;
  if (open && !isDialogOpen(dialog)) openDialog(dialog);
  if (!open && isDialogOpen(dialog)) closeDialog(dialog);
}

bool pointerRestsOn(int32_t dialog, int32_t element) {
  if (dialog == 0 || element == 0) return false;
  if (vtl.pointerDialog == dialog && vtl.pointerElement == element) return true;
  // The keyboard focus stands for the pointer only while the user steers with the keys: the
  // focus the decision panel places on its own would otherwise play that card at any click.
  return vtl.keyboardNavigation && vtl.focusShown && vtl.focusDialog == dialog && vtl.focusElement == element;
}

// [SECTION] double-click rule

namespace {

bool listHasSelectedRow(int32_t dialog, int32_t element) {
  const TVTLElement& el = elementOf(dialog, element);
  return el.Stringscount >= 1 && el.SelIndex >= 1;
}

// A second element click within 300 ms of the previous one (of any dialog) on a network list
// joins its selected table.
void doubleClickRule(int32_t dialog, int32_t element) {
  if (tickDiff(getTickCount(), lastClickTick) <= kDoubleClickMs) {
    if (dialog == dlgInternet && element == elInternetTableList && elInternetTableList != 0 &&
        cg.internetMode != 0 && listHasSelectedRow(dialog, element))
      lobbyJoinSelectedTable();
    if (dialog == dlgNetworkGames && element == elGameLB && elGameLB != 0 && elNetworkGamesJoin != 0)
      activateElement(dialog, elNetworkGamesJoin);
  }
  lastClickTick = getTickCount();
}

}  // namespace

// [SECTION] relayout

namespace {

// The sort menus' picture buttons keep their distance from the right edge of a wider window.
void placeSortButtons(int32_t dialog) {
  if (dialog == 0) return;
  const auto x = int16_t(std::lround(807.0 - 34.0 / aspectFactor()));
  TVTLDialog& dlg = dialogOf(dialog);
  for (int e = 1; e <= dlg.count; e++) {
    TVTLElement& el = dlg.elements[e];
    if (el.kind == ekPicture && el.subKind == 12) el.x = x;
  }
}

}  // namespace

void channelRelayout() {
  // Cards in flight keep their targets; the table follows at the next aspect change.
  const auto aspect = float(screenAspect);
  if (pendingMoveCount == 0 && std::fabs(aspect - layoutAspect) > kAspectStep) {
    buildTableLayout(false);
    layoutAspect = aspect;
  }
  if (cg.gs.bl.showOptions != 0) cg.showDecisionDialog(false, true);
  // The help dialog's chapter list is rebuilt here once the help container exists; Hearts'
  // table signs and Blackjack's table follow with those games.
  placeSortButtons(dlgRommeSortMenu);
  placeSortButtons(dlgSkatSortMenu);
}

// [SECTION] element clicks

namespace {

void toPanels(int32_t dialog, int32_t element) { panelClick(dialog, element); }
void toDecisionPanel(int32_t, int32_t element) { decisionPanelClick(element); }
void toGameList(int32_t, int32_t element) {
  if (element == elGameListContinue) gameListContinuePressed();
}

// The screens in the order the chain asks them; a click belongs to the first dialog that
// matches. A screen without a handler is not built yet: its clicks end here.
struct TClickRoute {
  const int32_t* dialog;
  void (*handle)(int32_t dialog, int32_t element);
};
const TClickRoute kClickRoutes[] = {
    {&dlgHelpPanel, toPanels},
    {&dlgSave, nullptr},
    {&dlgLoad, nullptr},
    {&dlgInGame, toDecisionPanel},
    {&dlgClusterPanel, toPanels},
    {&dlgInfoPanel, toPanels},
    {&dlgMenuBar, menuBarClick},
    {&dlgGameList, toGameList},
    {&dlgNetworkCreate, nullptr},
    {&dlgInternet, nullptr},
    {&dlgNetworkGames, nullptr},
    {&dlgNetworkJoin, nullptr},
    {&dlgChatPanel, nullptr},
    {&dlgNetwork, nullptr},
    {&dlgNetworkChoice, nullptr},
    {&dlgHelp, nullptr},
    {&dlgMessage, toPanels},
    {&dlgHighscore, nullptr},
    {&dlgRommeSortMenu, rommeSortMenuClick},
    {&dlgSkatSortMenu, skatSortMenuClick},
    {&dlgCredits, creditsClick},
    {&dlgGameOptions[0], optionsDialogClick},  {&dlgGameOptions[1], optionsDialogClick},
    {&dlgGameOptions[2], optionsDialogClick},  {&dlgGameOptions[3], optionsDialogClick},
    {&dlgGameOptions[4], optionsDialogClick},  {&dlgGameOptions[5], optionsDialogClick},
    {&dlgGameOptions[6], optionsDialogClick},  {&dlgGameOptions[7], optionsDialogClick},
    {&dlgGameOptions[8], optionsDialogClick},  {&dlgGameOptions[9], optionsDialogClick},
    {&dlgGameOptions[10], optionsDialogClick}, {&dlgGameOptions[11], optionsDialogClick},
    {&dlgGameOptions[12], optionsDialogClick}, {&dlgGameOptions[13], optionsDialogClick},
    {&dlgGameOptions[14], optionsDialogClick}, {&dlgGameOptions[15], optionsDialogClick},
    {&dlgGameOptions[16], optionsDialogClick}, {&dlgGameOptions[17], optionsDialogClick},
    {&dlgKontra, skatSubDialogClick},
    {&dlgBockRamsch, skatSubDialogClick},
    {&dlgMoney, skatSubDialogClick},
    {&dlgDisplay, displayClick},
    {&dlgOptions, optionsMenuClick},
    {&dlgGameMenu, gameMenuClick},
    {&dlgNewGame, newGameClick},
    {&dlgMainMenu, mainMenuClick},
    {&dlgExtras, extrasClick},
    {&dlgStartScreen, startScreenClick},
    // the tutorial's dialogs follow with their screens
};

void elementClick(int32_t dialog, int32_t element) {
  if (dialog == appopt.di_vtlgrafik && dialog != 0) {
    // The chip stacks are laid out with the chip games' drawing; the options are read now.
    if (isChipGame()) readOptions(false);
    return;
  }
  for (const TClickRoute& route : kClickRoutes) {
    if (*route.dialog == 0 || *route.dialog != dialog) continue;
    if (route.handle) route.handle(dialog, element);
    return;
  }
}

}  // namespace

// [SECTION] the channel

void Tglapp::FormMouseWheelDown(uint8_t shift, int32_t x, int32_t y) {
  if (x > 0) doubleClickRule(x, y);
  switch (x) {
    case evBenchPrepare: hardwareTestProgress(); break;
    case evBenchDone: hardwareTestDone(); break;
    case evBenchScene: hardwareTestScene(y); break;
    case evElementPress: soundContainer.playEvent(soundClick, 0, 0); break;
    default: break;
  }
  if (shift != kEngineEventMark) return;
  if (x > 0) {
    // In keyboard focus mode the hand cards and piles are #ipanel's invisible elements.
    if (vtl.focusShown && x == dlgIPanel) tableClick();
    elementClick(x, y);
    return;
  }
  switch (x) {
    case evStartup: startup(); break;
    case evFrame: main(y == 0); break;
    case evTableClick:
      // A press in keyboard focus mode ends that mode first; it plays no card.
      if (!vtl.focusShown) tableClick();
      break;
    case evTexturesLoaded: loadenv(true); break;
    case evClose: closeDown(); break;
    case evKey: channelKey(y); break;
    case evSettingsApplied: applyMusicChoice(false); break;
    case evSettingsReload: applyMusicChoice(true); break;
    case evRelayout: channelRelayout(); break;
    case evCharTyped:
      if (vtl.topDialog != 0 && (vtl.topDialog == dlgSave || vtl.topDialog == dlgLoad)) slrefresh();
      break;
    default: break;  // -7 and the hover events need nothing here
  }
}

// [SECTION] callbacks and network

void Tglapp::carddone(int32_t srcStack, int32_t dstStack, int32_t srcIndex, int32_t dstIndex) {
  cg.cardDone(srcStack, dstStack, srcIndex, dstIndex);
}

// Enter on a network list acts as a double click on its selected row: lastClickTick is set
// just before the click goes through the channel.
void Tglapp::specialKey13(int32_t dialog, int32_t element) {
  (void)dialog;
  const int32_t top = vtl.topDialog;
  if (top == 0) return;
  int32_t list = 0;
  if (top == dlgInternet && element == elInternetTableList) list = elInternetTableList;
  if (top == dlgNetworkGames) list = elGameLB;
  if (list == 0) return;
  lastClickTick = getTickCount();
  FormMouseWheelDown(kEngineEventMark, top, list);
}

void leaveNetGame() {
  vtl.modalWait = false;
  keepDialogOpen(dlgIPanel, false);
  keepDialogOpen(dlgTextPanel, false);
  if (isNetGame()) netCloseConnection();
}
