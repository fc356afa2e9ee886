// The card-game state object TCG and its one instance cg: the state of the running game,
// read and written directly by every subsystem. No virtual operations; the services live in
// the core's files named beside each declaration.
//
// [SECTION] head (saved with a game)
// [SECTION] seats, names and voices (not saved)
// [SECTION] game state, highscores, workers
// [SECTION] services
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/game_id.h"
#include "core/game_result.h"
#include "core/game_state.h"
#include "core/highscores.h"
#include "core/seat_record.h"
#include "platform/records.h"


class TMPThread;  // the music worker

constexpr int seatRecordCount = 20;       // one record per card-table stack
constexpr int cgReservedSize = 3568;      // reserved block of the head
constexpr int cgReservedInputState = 3564;  // inputState's byte inside it

class TCG {
 public:
  // [SECTION] head (saved with a game)
  TGameId gameId = gidNone;  // the current game; 10, 11, 14 only while no game runs; written
                             // by the game start, shell, network glue
  LArray<TSeatRecord, 0, seatRecordCount> seatRecords{};  // by stack number; record 0 unused
  LArray<uint8_t, 0, cgReservedSize - 1> headReserved{};  // kept as read; holds inputState
  int32_t seatCount = 0;        // seats of the running game; mirrored into playerCount
  int32_t frameCount = 0;       // frames handled by the shell's frame handler
  int32_t pointerCode = 0;      // pointer as (x div 2) + (y div 2) * 64; written by the shell
  int32_t lastPointerCode = 0;  // the code the shell last reacted to; 0 forces a new reaction

  // [SECTION] seats, names and voices (not saved)
  uint8_t lobbyGame = 0;     // 1 while the network game was arranged through the lobby
  uint8_t internetMode = 0;  // internet play chosen; set by the network menus
  int32_t netTimeLimit = 0;  // 2..7: turn clock of 5, 10, 15, 20, 30, 60 s; below 2 none
  LArray<int32_t, 1, 8> seatVoice{};             // voice 1..6 per seat; others read as 4
  LArray<ShortString<100>, 1, 6> seatNames{};    // display name per seat (the seatName field;
                                                 // the name is taken by TCG::seatName)
  std::string userName;   // seat 1's name, at most 255 characters; the shell's start-up
  uint8_t userVoice = 0;  // seat 1's voice 1..6 (1..3 female); the shell's start-up
  int32_t moveCounter = 0;  // moves made in the game (the games whose comments are once per
                            // move count it); zeroed by prepareNewGame

  // [SECTION] game state, highscores, workers
  TGameState gs{};
  THighscores highscores{};          // the image of "hs.dat"
  TMPThread* musicWorker = nullptr;  // created with cg, told to end at close

  // [SECTION] services

  // Game driver (core/game_driver.cpp). gameTick runs once per frame while a game is on the
  // table; submitAction is the one door through which every decision enters a game;
  // cardDone takes a finished card move (only the stack and the slot are read).
  void gameTick();
  void submitAction(int kind, int32_t a, int32_t b, const THand* cards = nullptr,
                    int32_t reserved = 0, bool noForward = false, bool keepTurnClock = false);
  void cardDone(int32_t stack, int32_t second, int32_t slot, int32_t fourth);

  // Starting and resuming (core/game_start.cpp). continueList 0 starts a new list.
  void startGame(TGameId id, int32_t continueList);
  void prepareNewGame();
  void prepareResume();
  void loadGameHelpAndPanel(bool loadHelp);
  void setupDeck52();

  // Decisions (core/decision_panel.cpp, core/decision_kinds.cpp).
  void openDecisionDialog(int32_t kind);
  void buildDecisionDialog(int32_t kind);
  void showDecisionDialog(bool noShow, bool layoutOnly);
  void updateDialogButtons();

  // Saved games in "\save\" (core/saved_game.cpp). saveGame answers true when a file
  // operation failed (the old save then stays whole); loadGame answers false and changes
  // nothing when the files cannot be read or the image is damaged.
  bool saveGame(const std::string& base, const std::string& displayName, bool quiet);
  bool loadGame(const std::string& base);
  void resumeGame();

  // The game-list dialog (core/game_list_dialog.cpp).
  void showStandings();
  void addGinBonusRows();
  std::string winnerSentence(const TGameResult& result) const;
  // screenMode := mode and the menu button's help text for modes 0..2.
  void setMenuButtonCaption(uint8_t mode);

  // Highscores (core/highscores_file.cpp). Loading replaces a missing, short, long or
  // damaged file by the default tables (with a notice for a file that was there); saving
  // writes a temporary file and renames it. File errors raise EInOutError.
  void loadHighscores();
  void saveHighscores();
  void resetHighscores(bool currentOnly);
  // The congratulation text of the current game's entry; empty when none was made.
  std::string enterHighscore();
  // The insertion every game's EnterHighscore callback runs: enters the value under the
  // name, saves and returns the congratulation text ("" when the value ranks nowhere).
  std::string enterHighscoreValue(int game, int table, int32_t value, std::string_view name,
                                  bool lowerIsBetter);

  // End of a game (core/round_end.cpp): records the result in the game list, updates the
  // totals and standings and asks the game whether its list is over.
  void endRound(const TGameResult& result);

  // The seat whose hand the user selects cards from (core/cg.cpp).
  int32_t lastActiveSeat() const;

  // Display texts (core/standings.cpp).
  std::string seatName(int seat) const;
  std::string seatNameFit(int seat, bool shorten, int wideMode = 0, bool narrow = false,
                          std::string_view override = {}) const;
  std::string pointsText(int32_t value, bool showZero, bool plusSign = false) const;
  std::string matchEndText() const;
  // The match-end box of a finished list.
  void showMatchEnd() const;
};

extern TCG cg;

// Tick of the last TCG::showDecisionDialog; the computer waits twice the bubble time after
// it before it acts for seat 1.
extern uint32_t decisionShownTick;

// Statistic counters of the games (won and lost games by kind); only the developer panel
// shows them, the first five. A game clears all eight at a new list.
extern int32_t stat0, stat1, stat2, stat3, stat4, stat5, stat6, stat7;

// The ordinal text of a place: "f_1st", "f_2nd", "f_3rd", else the number + "f_xth".
std::string placeText(int place);
