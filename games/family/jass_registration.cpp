// Jass's table of calls: every call the core and the card table make into Jass, its answers
// to the decision builder's questions, and its area in the saved image.
//
// [SECTION] the area in the image
// [SECTION] calls by role
// [SECTION] the table
#include "games/family/jass_registration.h"

#include "core/cg.h"
#include "core/game_areas.h"
#include "core/game_callbacks.h"
#include "games/family/jass_ai.h"
#include "games/family/jass_game.h"
#include "games/family/jass_results.h"
#include "games/family/jass_rules.h"

// [SECTION] the area in the image

void jassAreaIo(TRecordIo& io, TJassState& a) {
  for (int32_t* v : {&a.roundLimit, &a.pointsLimit, &a.firstDealer}) io.i32(*v);
  for (uint8_t* v : {&a.weisOn, &a.stoeckOn, &a.obenabeAllowed, &a.undenufeAllowed, &a.slalomAllowed}) io.u8(*v);
  io.i32(a.countingOrder);
  for (THand* h : {&a.legalCards, &a.actingHand, &a.trick, &a.playedCards}) handIo(io, *h);
  for (int32_t* v : {&a.mode, &a.trumpChooser, &a.trickPosition, &a.tricksDone, &a.trickWinner, &a.lastTrickSeat})
    io.i32(*v);
  for (auto* arr : {&a.weisPoints, &a.trickPoints, &a.stoeckPoints, &a.pendingWeis, &a.pendingStoeck, &a.lastTrickBonus})
    arrayIo(io, *arr, i32Io);
  cardIo(io, a.playedCard);
  io.i32(a.weisOptionCount);
  for (auto& t : a.weisOptionTexts) io.str(t);
  arrayIo(io, a.weisOptionValues, i32Io);
  arrayIo(io, a.declaredWeis, i32Io);
  arrayIo(io, a.dealtHands, handIo);
  arrayIo(io, a.weisCards, handIo);
  arrayIo(io, a.weisTieKey, i32Io);
  for (auto& seat : a.stoeckState) arrayIo(io, seat, i32Io);
  for (int32_t* v : {&a.bestWeis, &a.bestWeisCount, &a.weisWinner, &a.weisStage}) io.i32(*v);
  for (auto& team : a.notes)
    for (auto& note : team) io.str(note);
  arrayIo(io, a.noteCount, i32Io);
}

namespace {

// [SECTION] calls by role

// Jass resumes once, before the seats' names are restored.
void resume(int phase) {
  if (phase == 0) jassResume();
}

bool listOver(const TGameResult&) { return jassIsListOver(); }

std::string listText(const TGameResult&) {
  std::string out;
  jassListText(1, out);
  return out;
}

std::string resultText(const TGameResult& r) {
  std::string out;
  jassResultText(r, out);
  return out;
}

std::string enterHighscore() {
  std::string out;
  jassEnterHighscore(out);
  return out;
}

TCard ledCard() { return jassLeadCard(); }

TJassWeis weisOptions() {
  const TJassState& a = jassArea();
  TJassWeis w{};
  w.count = std::min(a.weisOptionCount, 5);
  for (int i = 1; i <= w.count; i++) {
    w.captions[i] = a.weisOptionTexts[i].str();
    w.values[i] = int16_t(a.weisOptionValues[i]);
  }
  return w;
}

void areaAnswers(TGameAreaQueries& q) {
  q.jassObenabe = [] { return jassArea().obenabeAllowed != 0; };
  q.jassUndenufe = [] { return jassArea().undenufeAllowed != 0; };
  q.jassSlalom = [] { return jassArea().slalomAllowed != 0; };
  q.jassWeis = weisOptions;
}

void areaImage(TRecordIo& io, TGameState& gs) { jassAreaIo(io, gameArea<TJassState>(gs.jass)); }

// [SECTION] the table

// The card being played lands in the trick as the step stored it.
bool storedPlayCard(TCard& card) {
  const TCard& c = jassArea().playedCard;
  if (c.t == 0) return false;
  card = c;
  return true;
}

const TGameCallbacks jassGameCallbacks = {
    .newGame = jassNewGame,
    .gameStep = jassGameStep,
    .resume = resume,
    .enterHighscore = enterHighscore,
    .isListOver = listOver,
    .listText = listText,
    .resultText = resultText,
    .aiMove = jassAIMove,
    .checkAction = jassCheckAction,
    .aiObserve = nullptr,
    .isTrump = jassIsTrump,
    .isSeatHandOpen = nullptr,
    .isLegalCard = jassIsLegalCard,
    .isLegalFollow = jassIsLegalFollow,
    .allCardsSelectable = nullptr,
    .ledTrickCard = ledCard,
    .refreshSeatMarks = jassUpdateButtons,
    .areaAnswers = areaAnswers,
    .listsToArea = nullptr,
    .listsFromArea = nullptr,
    .areaImageIo = areaImage,
    .scoreSheet = jassScoreSheet,
    .matchEndText = jassMatchEndText,
    .trickPosition = [] { return jassArea().trickPosition; },
    .storedPlayCard = storedPlayCard,
};

}  // namespace

void registerJassGame() { registerGameCallbacks(gidJass, &jassGameCallbacks); }
