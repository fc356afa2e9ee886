// The frame handler Tglapp.main: once per frame it keeps panels and buttons in step with the
// game, hands finished card moves to the core, runs the game tick and the animation, the
// slower ticks, the hover pick and the hover lift, and draws the table scene. A nested frame
// (from a wait inside another operation) does all of it but the game tick.
//
// [SECTION] panels and buttons
// [SECTION] moves, ticks and animation
// [SECTION] the frame
#include "core/cg.h"
#include "core/game_callbacks.h"
#include "core/seat_markers.h"
#include "engine/dialogs.h"
#include "engine/elements.h"
#include "engine/engine_form.h"
#include "engine/engine_options.h"
#include "engine/frame_rate.h"
#include "engine/texts.h"
#include "engine/window_layout.h"
#include "platform/tick.h"
#include "shell/channel_parts.h"
#include "shell/game_dialogs.h"
#include "shell/main_window.h"
#include "shell/screen_stand_ins.h"
#include "shell/shell_globals.h"
#include "shell/shell_services.h"
#include "shell/shell_state.h"
#include "shell/test_report.h"
#include "sound/sound_events.h"
#include "table/animation.h"
#include "table/menu_cards.h"
#include "table/move_queue.h"
#include "table/scene.h"

namespace {
constexpr int kFastRounds = 100;  // game ticks and animation steps per frame in fastMode
uint32_t frameTick = 0;           // GetTickCount at this frame's hand-over of moves

// [SECTION] panels and buttons

// Step 4: the sort menus belong to a game on the table, outside the tutorial.
void keepSortMenus() {
  const bool gameOn = (screenMode == 1 || screenMode == 2) && cg.gs.tutorialMode == 0;
  const uint8_t phase = cg.gs.phase;
  keepDialogOpen(dlgSkatSortMenu, gameOn && cg.gameId == gidSkat && (phase == 1 || phase == 6 || phase == 7));
  keepDialogOpen(dlgRommeSortMenu, gameOn && (cg.gameId == gidMauMau || cg.gameId == gidRomme));
  keepDialogOpen(dlgPokerPanel, false);
}

// Step 5: the credits' logos are hidden at once, without their fade.
void hideCreditsLogos() {
  if (dlgCredits == 0) return;
  for (int32_t logo : elCreditsLogos) {
    if (logo == 0) continue;
    TVTLAnimation& anim = elementOf(dlgCredits, logo).showAnim;
    elementOf(dlgCredits, logo).visible = 0;
    anim.shown = 0;
    anim.state = 0;
  }
}

// Step 6: the network buttons of the menu bar and the help button's height by the display.
void placeMenuBarButtons() {
  if (dlgMenuBar == 0) return;
  const bool windowed = windowLayout.screenFrame;
  const struct {
    int32_t element;
    int16_t yWindow, yFull;
  } places[] = {{elChatButton, 139, 71}, {elNameButton, 173, 105}, {elHelpButton, 105, 37}};
  for (const auto& p : places) {
    if (p.element == 0) continue;
    elementOf(dlgMenuBar, p.element).y = windowed ? p.yWindow : p.yFull;
  }
  const uint8_t netButtons = isNetGame() && screenMode != 0 ? 1 : 0;
  for (int32_t e : {elChatButton, elNameButton})
    if (e != 0) setElementVisible(dlgMenuBar, e, netButtons);
}

// Step 11.2: Canasta's teams need four or six players.
void keepCanastaTeamsOption() {
  const int32_t d = dlgGameOptions[gidCanasta];
  if (cg.gameId != gidCanasta || screenMode != 0 || d == 0 || vtl.topDialog != d) return;
  if (elPlayerCountList[gidCanasta] == 0 || elCanastaTeams == 0) return;
  const int32_t players = getTopIndex(d, elPlayerCountList[gidCanasta]) + 1;  // entry 1 is "2 Spieler"
  if (players == 4 || players == 6) {
    setElementEnabled(d, elCanastaTeams, 1);
  } else {
    setElementEnabled(d, elCanastaTeams, 0);
    setElementChecked(d, elCanastaTeams, 0);
  }
}

void everyThirdFrame() {
  if (isNetGame()) netTick();
  keepCanastaTeamsOption();
  if (dlgGameMenu != 0 && elGameMenuSave != 0)
    setElementVisible(dlgGameMenu, elGameMenuSave, cg.gs.tutorialMode == 0 && !isNetGame() ? 1 : 0);
}

// [SECTION] moves, ticks and animation

void gameTicks(bool nested) {
  const bool tick = !nested && screenMode != 0;
  if (textTables.fastMode) {
    for (int round = 0; round < kFastRounds; round++) {
      if (tick) cg.gameTick();
      animationStep();
    }
  } else if (tick) {
    cg.gameTick();
  }
  // A search looking ahead during the user's turn takes its slice of the frame.
  if (tick) gameFrameSearch();
  if (!vtlInfo.enginePaused) animationStep();
}

// Step 22: the scene's mode by the graphics options.
void drawScene() {
  // The chip games draw only their chips in fastMode; their chip stacks come with them.
  if (textTables.fastMode) return;
  int32_t mode = 0;
  if (appopt.reflection && appopt.shadows) mode = 5;
  else if (appopt.reflection) mode = 4;
  else if (appopt.shadows) mode = 2;
  drawTableScene(mode, false);
}

}  // namespace

void handOverFinishedMoves(const std::function<void(const TFinishedMove&)>& take) {
  while (finishedMoves.count >= 1 && pendingMoveCount <= 0) {
    const TFinishedMove move = finishedMoves.moves[finishedMoves.count];
    finishedMoves.count--;
    take(move);
  }
}

// [SECTION] the frame

void Tglapp::main(bool nested) {
  testReportFrame();
  keepDialogOpen(dlgInfoPanel, vtl.showInfoPanels);
  if (vtl.exitGranted) screenMode = 0;
  if (dlgMenuBar != 0) setElementVisible(dlgMenuBar, elMenuButton, 1);
  keepSortMenus();
  hideCreditsLogos();
  placeMenuBarButtons();
  const bool networkList = vtl.topDialog != 0 && (vtl.topDialog == dlgInternet || vtl.topDialog == dlgNetworkGames);
  setEnterCallback(networkList ? TVTLEnterCallback(Tglapp::specialKey13) : TVTLEnterCallback());
  frameTick = getTickCount();
  handOverFinishedMoves([](const TFinishedMove& m) { carddone(m.srcStack, m.dstStack, m.srcIndex, m.dstIndex); });
  gameTicks(nested);
  // The music worker's messages wait for a frame of the main thread; a box opened from a
  // nested frame would nest once more.
  if (!nested) soundContainer.showPostedMessages();
  if (vtlInfo.totalFrames % 3 == 0) everyThirdFrame();
  if (elEngineInfoText != 0 && vtl.overlayPanel != 0) {
    setElementText(vtl.overlayPanel, elEngineInfoText, "", 0);
    setElementVisible(vtl.overlayPanel, elEngineInfoText, 0);
  }
  // Schnapsen's search for the computer's next move continues here once Schnapsen is built.
  if (cg.gameId != gidPoker) updateSeatMarkers();
  keepDialogOpen(dlgIPanel, screenMode != 0);
  if (vtlInfo.totalFrames % 20 == 0) {
    if (lobbyIsOnline()) lobbyTick();
    refreshPerspective();
  }
  if (screenMode == 0) {
    drawMenuCards();
    return;
  }
  hoverPick();
  fillDeveloperPanels();
  if (cg.gameId != gidPoker) checkupdownmoves(0);
  cg.frameCount++;
  drawScene();
}
