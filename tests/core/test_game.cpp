// The test game "Hoch": callbacks and steps.
#include "tests/core/test_game.h"

#include "core/card_order.h"
#include "shell/shell_state.h"
#include "table/stack_sync.h"
#include "table/stacks.h"
#include "tests/support/cards.h"

namespace {

THochLog logRecord;

int nextSeat(int s) { return s % testGameSeats + 1; }

// Card strength: 2 lowest, ace highest.
int strength(const TCard& c) {
  static constexpr int byRank[15] = {0, 6, 7, 8, 10, 11, 12, 9, 13, 1, 2, 3, 4, 5, 0};
  return c.t >= 1 && c.t <= 14 ? byRank[c.t] * 4 + c.f : 0;
}

void putCard(int stack, const TCard& c) {
  TSpieler& s = sp[stack];
  s.count++;
  s.slots[s.count].card = c;
  s.slots[s.count].card.hi = int16_t(s.count);
}

void deal(TGameState& gs) {
  std::vector<TCard> deck = hochDeck(gs.gamesPlayed + 1);
  for (int s = 1; s <= 12; s++) sp[s].count = 0;
  int seat = nextSeat(gs.dealer);
  for (size_t i = 0; i < deck.size(); i++) {
    putCard(seat, deck[i]);
    if (i % 3 == 2) seat = nextSeat(seat);
  }
  gs.akspieler = nextSeat(gs.dealer);
  gs.gameValue = 1;
  gs.step = hochAskKontra;
}

void askKontra(TGameState& gs) {
  cg.openDecisionDialog(44);
  gs.step = hochTakeKontra;
}

void takeKontra(TGameState& gs) {
  gs.gameValue = gs.getBlender.res_ii == 1 ? 2 : 1;
  gs.getBlender.kind = 7;
  gs.step = hochAskCard;
}

void askCard(TGameState& gs) {
  if (sp[12].count == 0) gs.subStep = gs.akspieler;  // the seat that leads the trick
  cg.openDecisionDialog(58);
  gs.step = hochPlayCard;
}

// The chosen card goes to the trick; its slot is left empty for the card move's end.
void playCard(TGameState& gs) {
  int seat = gs.akspieler;
  int slot = gs.getBlender.res_ii;
  if (gs.getBlender.kind != 0 || slot < 1 || slot > sp[seat].count) {
    gs.step = hochAskCard;  // not a card of this seat: ask again
    return;
  }
  putCard(12, sp[seat].slots[slot].card);
  sp[seat].slots[slot].card = noCard();
  gs.pendingMove = 3;
  gs.pendingStack = int16_t(seat);
  gs.pendingSlot = int16_t(slot);
  gs.getBlender.kind = 7;
  if (sp[12].count == testGameSeats) {
    gs.step = hochCollect;
  } else {
    gs.akspieler = nextSeat(seat);
    gs.step = hochAskCard;
  }
}

// The highest card takes the trick; its seat leads next.
void collect(TGameState& gs) {
  int best = 1;
  for (int i = 2; i <= sp[12].count; i++)
    if (strength(sp[12].slots[i].card) > strength(sp[12].slots[best].card)) best = i;
  int winner = gs.subStep;
  for (int k = 1; k < best; k++) winner = nextSeat(winner);
  for (int i = 1; i <= sp[12].count; i++) putCard(6 + winner, sp[12].slots[i].card);
  sp[12].count = 0;
  gs.akspieler = winner;
  gs.step = sp[winner].count == 0 ? hochSettle : hochAskCard;
}

void settle(TGameState& gs) {
  TGameResult r;
  int bestSeat = 1;
  for (int s = 1; s <= testGameSeats; s++) {
    r.values[s] = sp[6 + s].count / testGameSeats * gs.gameValue;
    if (r.values[s] > r.values[bestSeat]) bestSeat = s;
  }
  r.mainSeat = bestSeat;
  r.won = 1;
  r.text = "Spiel x" + std::to_string(gs.gameValue);
  gs.step = hochOver;
  cg.setMenuButtonCaption(2);
  cg.endRound(r);
}

void hochNewGame(bool newList) {
  cg.prepareNewGame();
  cg.gs.savedBlSeat = 0;
  cg.gs.dealer = newList ? 1 : nextSeat(cg.gs.dealer);
  cg.gs.step = hochDeal;
}

void hochGameStep(TGameState& gs) {
  switch (gs.step) {
    case hochDeal: deal(gs); break;             // cards to the seats, then Kontra
    case hochAskKontra: askKontra(gs); break;   // waits for the answer
    case hochTakeKontra: takeKontra(gs); break;
    case hochAskCard: askCard(gs); break;       // waits for a card of the seat to act
    case hochPlayCard: playCard(gs); break;     // waits for the card move
    case hochCollect: collect(gs); break;
    case hochSettle: settle(gs); break;         // the list goes on with the game-list dialog
    default: break;
  }
}

void hochResume(int phase) {
  if (phase != 0) return;
  logRecord.resumed.push_back(cg.gs.step);
  cg.prepareResume();
}

std::string hochEnterHighscore() {
  return cg.enterHighscoreValue(testGameId, 1, cg.gs.matchScore[1], cg.gs.playerRecords[1].name.view(), false);
}

bool hochIsListOver(const TGameResult&) { return cg.gs.gamesPlayed >= testGameListLength; }

std::string hochListText(const TGameResult&) { return "Nach " + std::to_string(cg.gs.gamesPlayed) + " Spielen"; }

std::string hochResultText(const TGameResult& r) {
  std::string text = cg.winnerSentence(r);
  logRecord.results.push_back(text);
  return text;
}

// The computer: seat 2 says Kontra, seat 3 does not; a card is always the seat's first.
void hochAIMove() {
  logRecord.aiMoves++;
  const TDecisionBlock& bl = cg.gs.bl;
  if (bl.showOptions && bl.optionCount >= 2)
    cg.submitAction(2, 0, bl.optionValues[cg.gs.akspieler == 2 ? 1 : 2]);
  else if (bl.cardsSelectable)
    cg.submitAction(0, 0, 1);
}

}  // namespace

THochLog& hochLog() { return logRecord; }

std::vector<TCard> hochDeck(int gameNumber) {
  static const char* const deals[3] = {
      "hA c7 s9 dK cA h8 sQ d10 c2",
      "c3 s4 h5 dA cK h10 s8 d7 sA",
      "dQ hJ c9 s10 d2 cQ hK s3 d9",
  };
  THand h = handOf(deals[(gameNumber - 1) % 3]);
  return std::vector<TCard>(h.k.begin(), h.k.begin() + h.anz);
}

const TGameCallbacks& hochCallbacks() {
  static const TGameCallbacks table = [] {
    TGameCallbacks t;
    t.newGame = hochNewGame;
    t.gameStep = hochGameStep;
    t.resume = hochResume;
    t.enterHighscore = hochEnterHighscore;
    t.isListOver = hochIsListOver;
    t.listText = hochListText;
    t.resultText = hochResultText;
    t.aiMove = hochAIMove;
    return t;
  }();
  return table;
}
