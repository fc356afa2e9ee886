// Starting a game (TCG::startGame, TCG::prepareNewGame), resuming a loaded one
// (TCG::prepareResume), the help and panel set-up, the seat icons and the 52-card deck.
//
// [SECTION] variants
// [SECTION] random opponents
// [SECTION] startGame
// [SECTION] prepareNewGame
// [SECTION] prepareResume
// [SECTION] help, panel and seat icons
// [SECTION] the 52-card deck
#include "core/game_start.h"

#include <algorithm>

#include "core/card_ai.h"
#include "core/card_names.h"
#include "core/card_order.h"
#include "core/cg.h"
#include "core/core_messages.h"
#include "core/game_areas.h"
#include "core/game_callbacks.h"
#include "engine/dialogs.h"
#include "engine/elements.h"
#include "engine/relayout.h"
#include "games/casino/chips.h"
#include "net/net_transport.h"
#include "platform/random.h"
#include "shell/env_param.h"
#include "shell/game_dialogs.h"
#include "shell/shell_globals.h"
#include "shell/shell_services.h"
#include "shell/shell_state.h"
#include "table/animation.h"
#include "table/move_queue.h"
#include "table/stack_sync.h"
#include "table/stacks.h"
#include "table/table_layout.h"
#include "table/table_questions.h"

namespace {

// [SECTION] variants

struct TVariant {
  TGameId started;  // the variant's id
  TGameId runsAs;   // the game it runs as
};
constexpr TVariant variants[] = {
    {gidSechsundsechzig, gidSchnapsen},
    {gidSiebzehnUndVier, gidBlackjack},
    {gidGinRummy, gidRomme},
};

void copyNameRow(TGameId from, TGameId to) {
  gameNames[to] = gameNames[from];
  gameCodes[to] = gameCodes[from];
  gameKeys[to] = gameKeys[from];
}

// A variant id becomes the game it runs as, with its flag set and its names in the base row.
TGameId mapVariant(TGameId id) {
  for (const TVariant& v : variants)
    if (id == v.started) {
      gameAreas.setVariantFlag(v.started, true);
      copyNameRow(v.started, v.runsAs);
      return v.runsAs;
    }
  return id;
}

int seatsInGame() { return std::clamp(int(playerCount), 0, 6); }

// The options dialog of a game id, 0 when it is not built.
int32_t optionsDialog(int id) { return id >= 0 && id < gidNone ? dlgGameOptions[id] : 0; }

// [SECTION] random opponents

char lowerCp1252(char c) {
  unsigned char u = static_cast<unsigned char>(c);
  if ((u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7)) return static_cast<char>(u + 0x20);
  return c;
}

bool startsWithIgnoringCase(const std::string& text, const std::string& word) {
  if (word.size() > text.size()) return false;
  for (size_t i = 0; i < word.size(); i++)
    if (lowerCp1252(text[i]) != lowerCp1252(word[i])) return false;
  return true;
}

std::string firstWord(const std::string& name) { return name.substr(0, name.find(' ')); }

bool voiceTaken(int seat, uint8_t voice) {
  for (int p = 1; p < seat; p++)
    if (cg.gs.playerRecords[p].voice == voice) return true;
  return false;
}

// The voice loop: female voices 1..3, male 4..6; a new candidate every fourth try.
void pickVoice(TPlayerRecord& cand, int seat) {
  bool clash = false;
  for (int k = 1; k <= 36; k++) {
    cand.voice = uint8_t(cand.voice % 3 + 1 + (cand.female == 0 ? 3 : 0));
    clash = voiceTaken(seat, cand.voice);
    if (k % 4 == 0 && k <= 32) randomOpponent(cand);
    if (!clash) break;
  }
  if (clash) randomOpponent(cand);
}

bool nameIsUnique(const TPlayerRecord& cand, int seat) {
  for (int p = 1; p < seat; p++) {
    std::string word = firstWord(cg.gs.playerRecords[p].name.str());
    if (!word.empty() && startsWithIgnoringCase(cand.name.str(), word)) return false;
  }
  return true;
}

}  // namespace

void chooseOpponent(int seat) {
  TPlayerRecord cand{};
  bool unique = false;
  for (int attempts = 0; !unique && attempts <= 20; attempts++) {
    randomOpponent(cand);
    pickVoice(cand, seat);
    if (cg.gameId == gidBlackjack && seat == chipGames.houseSeat) cand.name = coreLookupText("f_blackjack_dealer");
    unique = nameIsUnique(cand, seat);
  }
  cg.gs.playerRecords[seat] = cand;
}

// [SECTION] startGame

namespace {

void resetListTotals(TCG& c) {
  c.gs.gamesPlayed = 0;
  int32_t start = c.gameId == gidPoker ? 150 : c.gameId == gidSchnapsen ? gameAreas.schnapsenStartValue() : 0;
  for (int i = 1; i <= seatsInGame(); i++) c.gs.listTotals[i] = start;
}

void clearWaits(TCG& c) {
  c.gs.awaitingAction = 0;
  c.gs.anyBubble = 0;
  c.gs.pendingMove = 0;
  chipAnimation.reset();
  for (int i = 1; i <= 10; i++) c.gs.bubbleState[i] = 0;
  c.gs.phase = 0;
}

void takeUserVoice(TCG& c, TGameId startedId) {
  int32_t d = optionsDialog(startedId);
  femaleFlag = d != 0 && getTopIndex(d, elGenderList[startedId]) == 1 ? 1 : 0;
  randomize();
  c.gs.playerRecords[1].voice = femaleFlag ? 2 : 5;
  c.seatVoice[1] = c.gs.playerRecords[1].voice;
}

void takeSeatPlayers(TCG& c, bool newList) {
  for (int i = 1; i <= seatsInGame(); i++) {
    if (newList && i >= 2) chooseOpponent(i);
    c.seatNames[i] = c.gs.playerRecords[i].name.view().substr(0, 100);
    c.seatVoice[i] = c.gs.playerRecords[i].voice;
    tutSeatNames();
    if (c.seatVoice[i] < 1 || c.seatVoice[i] > 6) c.seatVoice[i] = 4;
  }
}

void takeSeatOrder(TCG& c) {
  if (dlgDisplay == 0) return;
  envParam.playDirection = getTopIndex(dlgDisplay, elSeatOrderList);
  c.gs.seatOrder = int16_t(envParam.playDirection);
}

}  // namespace

void TCG::startGame(TGameId startedId, int32_t continueList) {
  TGameId id = mapVariant(startedId);
  bool offline = !isNetGame();
  if (offline) {
    seatCount = playerCount;
    gameId = id;
    gs.optionsGameId = id;
    seatRecords[1].kind = seatKindUser;
    for (int s = 2; s <= 8; s++) seatRecords[s].kind = seatKindComputer;
  }
  layoutSeats();
  gameNewGame(id, continueList == 0);
  if (continueList == 0) resetListTotals(*this);
  clearWaits(*this);
  takeUserVoice(*this, startedId);
  if (offline) {
    takeSeatPlayers(*this, continueList == 0);
    takeSeatOrder(*this);
  }
}

// [SECTION] prepareNewGame

namespace {

void enableOptionButtons() {
  if (dlgInGame == 0) return;
  for (int32_t e = elDecisionContinue; e <= elDecisionRow7[7]; e++) setElementEnabled(dlgInGame, e, 1);
}

void resetTablePanel(TCG& c) {
  if (dlgIPanel == 0) return;
  for (int32_t e = 1; e <= dialogOf(dlgIPanel).count; e++) setElementShown(dlgIPanel, e, 0);
  setDialogOpen(dlgIPanel, 1);
  setElementShown(dlgIPanel, elTableHotspot, 1);
  (void)c;
}

void showActionButtons(TCG& c) {
  if (dlgIPanel == 0) return;
  if (c.gameId == gidPoker) {
    for (int i = 1; i <= 6; i++) setElementShown(dlgIPanel, elActionButtons[i], 1);
    for (int i = 9; i <= 20; i++) setElementShown(dlgIPanel, elActionButtons[i], 0);
  } else {
    for (int i = 1; i <= 54; i++) setElementShown(dlgIPanel, elActionButtons[i], 1);
  }
}

void emptySeats() {
  for (int s = 1; s <= std::min<int>(playerCount, stackCount); s++) {
    if (dlgIPanel != 0 && s <= tableSeatSlots) setElementVisible(dlgIPanel, elTurnMarker[s], 0);
    sp[s].count = 0;
  }
}

// movesQueued: the moves the queue held before it was emptied. Where moves land at once and
// no card was lifted, only a queued move's card can be moving: with none queued, the slots
// need no walk.
void resetStacks(int32_t movesQueued) {
  for (int i = 1; i <= stackCount; i++) {
    sp[i].stackNo = i;
    spLayout[i].stackNo = i;
  }
  buildTableLayout(true);
  const bool slotsStill = tableLandsAtOnce && !tableCardLifted && movesQueued == 0;
  for (auto* stacks : {&sp, &spLayout})
    for (TSpieler& s : *stacks) {
      s.gliding = 0;
      if (slotsStill) continue;
      for (TCardSlot& slot : s.slots) slot.moving = 0;
    }
}

// The options game whose strength selector speaks for a running variant, else the options game.
int32_t strengthGame(const TCG& c) {
  if (c.gameId == gidBlackjack && gameAreas.variantFlag(gidSiebzehnUndVier)) return gidSiebzehnUndVier;
  if (c.gameId == gidSchnapsen && gameAreas.variantFlag(gidSechsundsechzig)) return gidSechsundsechzig;
  if (c.gameId == gidRomme && gameAreas.variantFlag(gidGinRummy)) return gidGinRummy;
  return c.gs.optionsGameId;
}

void readPlayers(TCG& c) {
  TPlayerRecord& user = c.gs.playerRecords[1];
  const int32_t og = c.gs.optionsGameId;
  if (int32_t d = optionsDialog(og)) user.name = getElementText(d, elPlayerNameEdit[og]);
  if (user.voice < 1 || user.voice > 6) user.voice = 4;
  const int32_t g = strengthGame(c);
  const int32_t d = optionsDialog(g);
  if (d != 0 && g == gidGinRummy) user.name = getElementText(d, elPlayerNameEdit[gidGinRummy]);
  for (int s = 1; s <= seatsInGame(); s++)
    c.gs.seatProfiles[s].strength = d != 0 ? getTopIndex(d, elDifficultyList[g]) : 2;
  c.gs.seatProfiles[1].strength = 3;
}

}  // namespace

void TCG::prepareNewGame() {
  gs.warCollectDelay = 0;
  moveCounter = 0;
  const int32_t movesQueued = pendingMoveCount;
  pendingMoveCount = 0;
  gs.pendingMove = 0;
  gs.pendingStack = gs.pendingSlot = 0;
  gs.dealStyle = int16_t(envParam.dealMode);
  enableOptionButtons();
  loadGameHelpAndPanel(true);
  gs.tableScale = 1.0f;  // the settings have no table size; Tglapp.setksize sets the scale
  gs.meldTableInUse = 0;
  // The two counters of each Schwimmen seat record are cleared here once its area exists.
  for (int s = 1; s <= seatsInGame(); s++) {
    clearHand(gs.seatKnownCards[s]);
    clearHand(gs.seatDiscards[s]);
    clearHand(gs.seatDrawnCards[s]);
  }
  gs.bl.pilesSelectable = 0;
  gs.bl.decisionKind = 0;
  resetTablePanel(*this);
  playerCount = seatCount;
  showActionButtons(*this);
  emptySeats();
  resetStacks(movesQueued);
  gs.commentCount = 0;
  readPlayers(*this);
  setksize();
  gs.lastComment = 0;
  loadenv(false);
  createCardAIs();
  if (gs.tutorialMode) tutApplyGamePresets();
}

// [SECTION] prepareResume

namespace {

void renameVariantsAgain(const TCG& c) {
  for (const TVariant& v : variants)
    if (c.gameId == v.runsAs && gameAreas.variantFlag(v.started)) copyNameRow(v.started, v.runsAs);
}

void renamePokerRow() {
  if (gameAreas.pokerSplitLimit()) {
    gameNames[gidPoker] = "Split Limit Poker", gameKeys[gidPoker] = "slpoker", gameCodes[gidPoker] = "slp";
  } else if (gameAreas.pokerPotLimit()) {
    gameNames[gidPoker] = "Pot Limit Poker", gameKeys[gidPoker] = "plpoker", gameCodes[gidPoker] = "plp";
  } else {
    gameNames[gidPoker] = "No Limit Poker", gameKeys[gidPoker] = "nlpoker", gameCodes[gidPoker] = "nlp";
  }
}

}  // namespace

void TCG::prepareResume() {
  loadGameHelpAndPanel(true);
  buildTableLayout(false);
  for (int s = 1; s <= std::min<int>(playerCount, stackCount); s++)
    if (isSeatHandOpen(s)) sp[s].restPose = sp[s].pose = getOpenHandPos(sp[s].restPose, s);
  setksize();
  renameVariantsAgain(*this);
  if (gameId == gidPoker) renamePokerRow();
  if (gameId == gidBlackjack && chipGames.houseSeat >= 1)
    setCardTargetPositions(chipGames.houseSeat, 2, 1, gameAreas.blackjackDealerCardUp() ? 3 : 2, 0);
  if (gs.tutorialMode && dlgInGame != 0) closeDialog(dlgInGame);
  gs.pendingMove = 0;
}

// [SECTION] help, panel and seat icons

namespace {

struct TRowLayout {
  int32_t width[4];
  int32_t x[4];
};
constexpr TRowLayout pokerGermanRow = {{80, 140, 130, 100}, {20, 110, 260, 438}};
constexpr TRowLayout pokerEnglishRow = {{80, 110, 110, 80}, {20, 110, 230, 390}};
constexpr TRowLayout schafkopfRow = {{105, 105, 105, 105}, {-80, 30, 140, 250}};
constexpr TRowLayout standardRow = {{75, 75, 75, 75}, {0, 80, 160, 240}};

const TRowLayout& fourOptionRow(TGameId game) {
  if (game == gidPoker) return gameAreas.pokerGermanTerms() ? pokerGermanRow : pokerEnglishRow;
  return game == gidSchafkopf ? schafkopfRow : standardRow;
}

void placeIcon(int32_t e, int32_t x, int32_t y, int32_t size) {
  TVTLElement& el = elementOf(dlgIPanel, e);
  el.x = int16_t(x);
  el.y = int16_t(y);
  el.width = el.height = size;
  el.savedX = x;
  el.savedWidth = size;
}

}  // namespace

void TCG::loadGameHelpAndPanel(bool loadHelp) {
  if (dlgIPanel != 0) setElementVisible(dlgIPanel, elTableInfoText, 0);
  if (loadHelp) {
    TGameId key = gameId == gidRomme && gameAreas.variantFlag(gidGinRummy) ? TGameId(gidGinRummy) : gameId;
    if (key < gidNone) loadIngameHelp(gameKeys[key] + "i");
  }
  if (dlgInGame != 0) {
    const TRowLayout& row = fourOptionRow(gameId);
    for (int k = 1; k <= 4; k++) {
      TVTLElement& el = elementOf(dlgInGame, elDecisionRow4[k]);
      el.width = row.width[k - 1];
      el.x = int16_t(row.x[k - 1]);
    }
  }
  showSituationHelp();
  if (gs.tutorialMode) tutApplyGamePresets();
}

void layoutSeats() {
  if (dlgIPanel == 0) return;
  for (int32_t e : elSuitIcons) placeIcon(e, 16, 470, 60);
  for (int32_t e : elContractIcons) placeIcon(e, 16, 470, 60);
  for (int32_t e : elRoundIcons) placeIcon(e, 16, 530, 60);
  if (cg.gameId == gidSchafkopf) {
    placeIcon(elRoundIcons[1], 20, 535, 50);
    placeIcon(elRoundIcons[2], 75, 535, 50);
  } else if (cg.gameId == gidDoppelkopf) {
    for (int j = 1; j <= 5; j++) placeIcon(elSuitIcons[j], 20, 590 - 55 * j, 50);
  }
  relayoutAllDialogs();
}

// [SECTION] the 52-card deck

void fillDeck52(THand64& deck) {
  static constexpr int ranks[13] = {9, 10, 11, 12, 13, rank7, rank8, rank9, rankTen, rankJack, rankQueen, rankKing, rankAce};
  clearHand64(deck);
  for (int suit = 1; suit <= 4; suit++)
    for (int rank : ranks) handaddk(deck, makeCard(rank, suit));
}

void TCG::setupDeck52() {
  TSpieler& stock = sp[11];
  stock.count = 0;
  THand64 deck;
  fillDeck52(deck);
  hand64ToHand(deck, stock.hand);
  syncSlotsFromHand(stock);
  shuffleStack(stock);
}
