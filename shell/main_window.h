// The program's main window Tglapp: the engine's form, its creation handler, the receiver of
// the engine's event channel with the start-up and close events, and the close query. The
// screens and the objects of the other subsystems join here as they are built.
//
// Where each part lives: creation and close query main_window.cpp; start-up and close events
// startup.cpp; the event channel event_channel.cpp; the frame handler frame_handler.cpp; the
// dialog build dialog_build.cpp; the panels' clicks panels.cpp; names player_names.cpp.
#pragma once

#include <cstdint>
#include <string>

#include "core/cards.h"
#include "core/game_id.h"
#include "shell/game_dialogs.h"

class Tglapp {
 public:
  // Tglapp.FormCreate: runs after the engine's constructor.
  static void FormCreate();
  // Tglapp.FormMouseWheelDown: the engine's event channel; only calls that carry the
  // engine's mark (shift state 56) are events.
  static void FormMouseWheelDown(uint8_t shift, int32_t x, int32_t y);
  // Tglapp.ccapp: the close query; true grants the close and sets exitGranted.
  static bool ccapp();
  // Tglapp.wirklichbeenden: the quit question of a network game; true means quit.
  static bool wirklichbeenden();
  // Tglapp.Setnames: the computer players' first names into the core's name table.
  static void Setnames();
  // Tglapp.checkmaedel: true when the name or one of its parts between "-" is a female first
  // name; the name list lies in folder's "\data\help\namecheck.txt". A list that cannot be
  // read raises EInOutError.
  static bool checkmaedel(const std::string& name, const std::string& folder);
  // Tglapp.diagcreate: builds every dialog of the main window in the fixed order.
  static void diagcreate();
  // Tglapp.maketabcon: the common frame of the options dialog under construction, after the
  // game's own elements; answers the page group.
  static int32_t maketabcon(int32_t dialog);
  // The game's rounds and points-limit selectors in its options dialog (0: none); the element
  // before each is its check box or label.
  static int32_t getRundenElem(TGameId g);
  static int32_t getPunkteElem(TGameId g);
  // Fixed presets of the options dialogs, once at start-up after the language is set.
  static void makeAmericanSettings();
  // The last step of the dialog build: the large titled dialogs' elements move down.
  static void ziehrunter();
  // Tglapp.main: the frame handler (event -2; nested 0 from a nested engine step).
  static void main(bool nested);
  // Tglapp.carddone: hands one finished card move to the core.
  static void carddone(int32_t srcStack, int32_t dstStack, int32_t srcIndex, int32_t dstIndex);
  // Tglapp.mouseover / Tglapp.mouseout: the engine's hover callbacks.
  static void mouseover(int32_t dialog, int32_t element);
  static void mouseout(int32_t dialog, int32_t element);
  // Tglapp.specialKey13: Enter on a list box of the lobby or LAN list.
  static void specialKey13(int32_t dialog, int32_t element);
  // Tglapp.ktausch: the developer's swap of two cards between the hands of seats
  // 1..playerCount (the last place of each wins); nothing changes when either is missing.
  static void ktausch(TCard a, TCard b);

  static void startup();    // -1
  static void closeDown();  // -5
  // The first-start hardware test's events: -17 progress, -15 a test scene, -18 done.
  static void hardwareTestProgress();
  static void hardwareTestScene(int32_t scene);
  static void hardwareTestDone();

  // Screens the event channel reaches: the in-game help (F1), the developer's test save (key
  // "#") and the save and load dialogs' refresh after a typed character.
  static void showinnerhelp();
  static void dotestsave(bool quiet);
  static void slrefresh();

  // The menus' operations (shell/menus.cpp).
  // Tglapp.start_neuesspiel: a new list of the current game without a dialog, for kinds 1
  // and 3 only; nothing while a game is on unless `force` is set (the tutorial sets it).
  static void start_neuesspiel(int32_t kind, bool force);
  // Tglapp.CallEinzelspielDialog: the selected game's options dialog opened as the single-game
  // dialog on its first page, after the game's options refresh for an opening dialog.
  static void CallEinzelspielDialog();
  // Tglapp.isinga: the number is one of the table's 19 entries (an entry 0 matches only 0).
  static bool isinga(int32_t number, const TGameElements& table);
  // Tglapp.getga: the game id of the first entry equal to the number, 18 when none; poker's
  // entry + 1 and + 2 (its variants) also give poker, and a later exact match still wins.
  static TGameId getga(int32_t number, const TGameElements& table);
  // Tglapp.endis: element 1 and every element after it enabled, except "Zurück" buttons and
  // the tails of the Rommé and poker options dialogs; elements 777 wide are hidden. The mode
  // flag changes nothing.
  static void endis(int32_t dialog, bool mode);
};

// The scene drawing of the hardware test's -15 (drawTableScene); tests count the calls
// through their own. Empty puts drawTableScene back.
using TSceneDrawer = void (*)(int32_t mode, bool benchmark);
void setHardwareTestSceneDrawer(TSceneDrawer drawer);

// The main window: the engine's constructor, then the creation handler, with the event
// channel connected before anything can send.
void createMainWindow();

// The product's registry sub-key.
extern std::string productKey;
// The user's name from the registry; filled only during the first-start hardware test.
extern std::string playerName;
// GetTickCount when the main window was created.
extern uint32_t startTick;
// The last typed keys (at most 33).
extern std::string keyBuffer;
// GetTickCount of the last element click (the double-click rule).
extern uint32_t lastClickTick;

// A part of another subsystem that the main window would call here is not built yet: one
// line "<what>: not available" in proto3.txt (once per run).
void announceStandIn(const std::string& what);
