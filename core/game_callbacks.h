// The core's and the card table's calls into the games. Each game registers one table of
// calls for its id at start-up (registerGameCallbacks); every call goes through the table of
// the current game. A game without a table, or a table without an entry, gets the neutral
// answer given with each call.
//
// [SECTION] callback tables
// [SECTION] the games' calls
// [SECTION] the game's area around saving and loading
// [SECTION] area questions of the end of a game
#pragma once

#include <cstdint>
#include <string>

#include "core/cards.h"
#include "core/game_id.h"
#include "core/game_result.h"

struct TGameState;
struct TGameAreaQueries;
struct TSpieler;
class TRecordIo;

// [SECTION] callback tables

// One game's calls by role. An empty entry means the game has no such call.
struct TGameCallbacks {
  void (*newGame)(bool newList) = nullptr;               // NewGame: first TCG::prepareNewGame
  void (*gameStep)(TGameState& gs) = nullptr;            // GameStep: one step of its machine
  void (*resume)(int phase) = nullptr;                   // Resume: 0 before the seats, 1 after
  std::string (*enterHighscore)() = nullptr;             // EnterHighscore: the congratulation
  bool (*isListOver)(const TGameResult& r) = nullptr;    // IsListOver
  std::string (*listText)(const TGameResult& r) = nullptr;    // ListText: the summary line
  std::string (*resultText)(const TGameResult& r) = nullptr;  // ResultText: the result box
  void (*aiMove)() = nullptr;                            // AIMove: the seat to act moves
  // The check of an accepted action before anyone sees it: false refuses it (the game then
  // keeps its decision open).
  bool (*checkAction)(int kind, int32_t a, int32_t b) = nullptr;
  void (*aiObserve)(int kind, int32_t a, int32_t b) = nullptr;  // AIObserve of a taken action
  bool (*isTrump)(const TCard& c) = nullptr;             // the shared trump test
  // The card table's questions.
  bool (*isSeatHandOpen)(int32_t seat) = nullptr;
  bool (*isLegalCard)(const TCard& card) = nullptr;
  bool (*isLegalFollow)(const TCard& card, const TCard& ledCard) = nullptr;
  bool (*allCardsSelectable)() = nullptr;
  TCard (*ledTrickCard)() = nullptr;                     // the first card of the current trick
  void (*refreshSeatMarks)() = nullptr;                  // the seats' marks on the table panel
  // Puts the game's answers to the decision builder's questions into `q` (its own entries).
  void (*areaAnswers)(TGameAreaQueries& q) = nullptr;
  // The game's module-level lists into its area before saving, and back after loading.
  void (*listsToArea)() = nullptr;
  void (*listsFromArea)() = nullptr;
  // The fields of the game's area (and of its saved lists) in the saved image, at the
  // area's place in the block.
  void (*areaImageIo)(TRecordIo& io, TGameState& gs) = nullptr;
  // Mau-Mau: the role a rank carries (31..35, 33 the wish card; 0 none), the suit wished
  // on a wish card (0 none), and whether the winner collects the points (positive scoring).
  int32_t (*cardRole)(int32_t rank) = nullptr;
  int32_t (*wishedSuit)() = nullptr;
  bool (*winnerCollects)() = nullptr;
  // War's card table hooks: the face-up test of a card, its own seat pile after the table's
  // layout, its steps at the end of the table layout, and the text of a seat's player panel.
  bool (*cardFaceUp)(int32_t stack, int32_t slot) = nullptr;
  void (*placeSeat)(TSpieler& stack) = nullptr;
  void (*tableLayout)() = nullptr;
  std::string (*panelText)(int32_t seat) = nullptr;
  // Old Maid's step at the end of a trick card's placement.
  void (*trickLayout)() = nullptr;
  // A seat's marker shows for the game's own reason (Canasta: the user's partner while the
  // partner announcement shows).
  bool (*seatMarked)(int32_t seat) = nullptr;
  // The chip games' money text of an amount in chip units, and poker's highscore table by
  // its variant (3 Split Limit, 2 Pot Limit, 1 No Limit).
  std::string (*formatMoney)(int32_t amount) = nullptr;
  int (*highscoreTable)() = nullptr;
  // Schnapsen: the game's row values are the list totals themselves (each seat's points left
  // of the running Bummerl), not amounts added to them.
  bool (*rowValuesAreTotals)() = nullptr;
  // Schnapsen's search, run once per frame by the frame handler.
  void (*frameSearch)() = nullptr;
  // A game that fills the game-list dialog with its own score sheet (listEnded: the list is
  // over), and its own text of the match-end box after the winners' sentence the core built.
  void (*scoreSheet)(bool listEnded) = nullptr;
  std::string (*matchEndText)(const std::string& winnerSentence) = nullptr;
  // Schwimmen: the card table sorted a single card into the middle at this slot.
  void (*noteLaidSlot)(int32_t slot) = nullptr;
  // Schnapsen's hooks of the card table: the marriage lookup of the hand card in `slot` the
  // user hovers (mode 1) or lifts (mode 2), true when it forms one; the guard that keeps the
  // lift feedback out while a lookup runs; a card of a closed hand shown face up (the
  // computer's announced marriage); the label of a won pile, "" for none.
  bool (*announceMarriage)(int32_t mode, int32_t slot) = nullptr;
  bool (*marriageBusy)() = nullptr;
  bool (*shownHandCard)(int32_t seat, int32_t slot) = nullptr;
  std::string (*pileLabel)(int32_t stack) = nullptr;
  // Jass's and Hearts's position 1..4 of the next card in the trick (the trick cards' order
  // on the table), and Hearts's deal that passes across.
  int32_t (*trickPosition)() = nullptr;
  bool (*passesAcross)() = nullptr;
  // Rommé: highscores are entered (its positive scoring).
  bool (*highscoreFlag)() = nullptr;
  // Meld games' rules the card table asks: a meld it may show as valid, laying off on other
  // seats' melds, and Gin's deadwood limit while a knock is laid out.
  bool (*isValidMeld)(const THand& meld) = nullptr;
  bool (*mayLayOffOnOthers)() = nullptr;
  bool (*deadwoodLimit)() = nullptr;
  // Poker's learning from the seat to act: whether its case memory takes a situation now (a
  // learning mode that records them, none pending), and the call that takes it.
  bool (*situationWanted)() = nullptr;
  void (*noteSituation)() = nullptr;
  // Blackjack's card table questions: a seat's signed offset from the middle seat and its
  // angle on the arc (degrees), the dealer's seat, the decks in the shoe, the "17 und 4"
  // variant, every player finished; and a landed card the computer players may count
  // (kind 0 dealt, 1 out of the shoe, 2 slid under it, 3 turned face up, 4 turned again).
  int32_t (*seatOffset)(int32_t stack) = nullptr;
  float (*seatAngle)(int32_t stack) = nullptr;
  int32_t (*dealerSeat)() = nullptr;
  int32_t (*shoeDecks)() = nullptr;
  bool (*variant17und4)() = nullptr;
  bool (*allPlayersDone)() = nullptr;
  void (*observeCard)(int32_t kind, bool faceUp, const TCard& card) = nullptr;
  // The meld game's lay-off builder: meld n with the cards placed (clickPos: the clicked place
  // in the meld, 0 when only asked), empty when they cannot all be laid off.
  void (*formLayOff)(const THand& cards, int32_t meldNo, int32_t clickPos, THand& out) = nullptr;
  // A hand card the game keeps an eye on by its slot (Rommé's card taken from the discard
  // pile): the card left slot pos, or a card went from slot `from` to slot `to`.
  void (*markedCardLeaves)(const TCard& card, int32_t pos) = nullptr;
  void (*markedCardFollows)(int32_t from, int32_t to) = nullptr;
  // Jass: the card being played, which the card table writes into the trick slot it lands in
  // (the seat's own slot keeps its card until the step writes the hand back).
  bool (*storedPlayCard)(TCard& card) = nullptr;
  // A game whose computer player works on the stacks themselves: around its move the core
  // only refreshes the hand copies and never restores the stacks from the seat records.
  bool keepsStacksAroundAIMove = false;
  // A game that never reads the finished moves of a hand closing up behind a played card:
  // while moves land at once, the card table gives the cards their places without moves.
  bool handClosesWithoutMoves = false;
};

// Registers a table for a game id (nullptr removes it) and puts its area answers in force.
// The table must outlive its registration.
void registerGameCallbacks(TGameId id, const TGameCallbacks* table);
// The table registered for the id, or nullptr.
const TGameCallbacks* registeredGameCallbacks(TGameId id);
// The area answers of every registered table into `q` (resetGameAreaQueries, after the
// neutral ones).
void applyRegisteredAreaAnswers(TGameAreaQueries& q);

// [SECTION] the games' calls

// <game>NewGame of the id; false when the id has none (nothing was started).
bool gameNewGame(TGameId id, bool newList);
// <game>GameStep of the current game; false when it has none.
bool gameStepCall(TGameState& gs);
// <game>AIMove, or autoDecide for War, Go Fish and Old Maid; false when the game has none.
bool gameAIMove();
// An action the core accepted: the game's check, then, when it took it, its observer.
// False when the check refused it.
bool gameAcceptAction(int kind, int32_t a, int32_t b);
// <game>Resume of the given phase (0 before the seats are restored, 1 after).
void gameResume(int phase);

// <game>ResultText: the text of the result box; "" for Blackjack and games not built.
std::string gameResultText(const TGameResult& result);
// <game>IsListOver; false for games not built.
bool gameIsListOver(const TGameResult& result);
// <game>ListText: the summary line of the game list; "" for games not built.
std::string gameListText(const TGameResult& result);
// <game>EnterHighscore (Rommé and Gin Rummy share one): the congratulation text, "" when no
// entry was made or the game is not built.
std::string gameEnterHighscore();

// The current game's own reason to show a seat's marker; false without one.
bool gameSeatMarked(int32_t seat);

// [SECTION] the game's area around saving and loading

// The current game's module-level lists into its area, and back.
void gameListsToArea();
void gameListsFromArea();
// The areas of the block in their order (Mau-Mau, Hearts, Go Fish, Old Maid, War, Skat,
// Schwimmen, Rommé, Canasta, Doppelkopf, Schafkopf, poker, Schnapsen, Blackjack, Jass), each
// as its game's table walks it; a game without one adds nothing.
void gameAreasImageIo(TRecordIo& io, TGameState& gs);

// [SECTION] area questions of the end of a game
bool rommeIsGinVariant();          // Rommé runs as Gin Rummy (the variant flag 14)
bool rommeHighscoreFlag();         // Rommé enters highscores (positive scoring); false without its table
bool maumauWinnerCollects();       // Mau-Mau's winner-collects scoring, from its table; false without one
bool gameRowValuesAreTotals();     // the current game's rows hold its totals; false without an answer
void gameFrameSearch();            // the current game's search slice of the frame, if it has one
int pokerHighscoreTable();         // 3 split limit, 2 pot limit, 1 neither (1 without poker's table)
// formatMoney of the current game's table; the decimal amount for games without one.
std::string gameFormatMoney(int32_t amount);
