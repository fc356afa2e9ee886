// Canasta's table of calls: what the core and the card table ask of Canasta, answered from
// its area `can`, and its computer player with its observation of every action.
#include "games/rummy/canasta_registration.h"

#include "core/cg.h"
#include "core/game_areas.h"
#include "core/game_callbacks.h"
#include "engine/engine_services.h"
#include "games/rummy/canasta_ai.h"
#include "games/rummy/canasta_area_image.h"
#include "games/rummy/canasta_new_game.h"
#include "games/rummy/canasta_rules.h"
#include "games/rummy/canasta_scoring.h"
#include "games/rummy/canasta_state.h"
#include "games/rummy/canasta_step.h"
#include "games/rummy/meld_sides.h"

namespace {

TCanastaArea& can() { return canastaArea(); }

// Decision 82's view of the seat to act: "done" is offered while the seat keeps more than
// one card or its side owns a canasta, no pile card waits to be laid, and a first meld it
// started this turn has reached the minimum.
TCanastaMeldView meldView() {
  const int32_t seat = cg.gs.akspieler;
  const TCanastaArea& a = can();
  TCanastaMeldView v{};
  v.teamHasCanasta = canastaTeamHasCanasta(seat);
  v.meldsCounted = canastaHandCount(seat);
  v.cardsToLay = a.kartenzwang.t != 0 ? 1 : 0;
  const bool melded = seat >= 1 && seat <= 6 && a.meldedThisTurn[seat] != 0;
  v.firstMeldHolds = melded && a.turnPoints < a.meldMinimum && canastaNeedsFirstMeld(seat);
  v.noteShown = !canastaNeedsFirstMeld(seat);
  v.goingOutState = a.drawnFrom;
  v.meldPoints = a.turnPoints;
  v.firstMeldMinimum = a.meldMinimum;
  return v;
}

void areaAnswers(TGameAreaQueries& q) {
  q.canastaCanTakePile = [] { return canastaCanTakePile(); };
  q.canastaMeldView = meldView;
  q.canastaMovesThisTurn = [] { return can().hcount; };
  q.canastaFirstMeldPlanned = [] { return can().aiPlannedThisTurn != 0; };
  q.canastaAIPlanFirstMeld = canastaAIPlanFirstMeld;
  q.canastaAIMove = canastaAIMove;
  q.canastaSelection = []() -> THand& { return can().selhand; };
}

// The user's partner is marked while the partner announcement shows.
bool partnerMarked(int32_t seat) { return samePartnership(1, seat) && canastaMarkerFlag; }

bool listOver(const TGameResult&) { return canastaIsListOver(); }

std::string listText(const TGameResult&) {
  std::string out;
  canastaListText(out);
  return out;
}

std::string resultText(const TGameResult& r) {
  std::string out;
  canastaResultText(r, out);
  return out;
}

std::string enterHighscore() {
  std::string out;
  canastaEnterHighscore(out);
  return out;
}

const TGameCallbacks canastaGameCallbacks = {
    .newGame = canastaNewGame,
    .gameStep = canastaGameStep,
    .resume = canastaResume,
    .enterHighscore = enterHighscore,
    .isListOver = listOver,
    .listText = listText,
    .resultText = resultText,
    .aiMove = canastaAIMove,
    .checkAction = canastaCheckAction,
    .aiObserve = canastaAIObserve,
    .isSeatHandOpen = canastaIsSeatHandOpen,
    .areaAnswers = areaAnswers,
    .areaImageIo = canastaAreaImageIo,
    .seatMarked = partnerMarked,
    .isValidMeld = canastaIsValidMeld,
    .formLayOff = canastaFormLayOff,
};

}  // namespace

bool canastaIsSeatHandOpen(int32_t seat) {
  return seat != 1 && cg.gs.step == 10 && cg.gs.phase != 1 && cg.gs.phase != 3;
}

void registerCanastaGame() { registerGameCallbacks(gidCanasta, &canastaGameCallbacks); }
