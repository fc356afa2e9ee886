// Phase 9 of Skat's step: the Schieben round of a Ramsch game. Each seat may first declare
// Grand Hand; then, going round, each seat takes the Skat and puts two cards back or pushes
// it on, and may announce Jungfrau. A Ramsch game without the round starts at step 7.
#include "games/skat/skat_ai_state.h"
#include "games/skat/skat_deck.h"
#include "games/skat/skat_game_step.h"
#include "games/skat/skat_rules.h"
#include "games/skat/skat_services.h"
#include "games/skat/skat_step_internal.h"
#include "table/deal_moves.h"
#include "table/stack_sync.h"
#include "table/stacks.h"

namespace {

constexpr int16_t answerGesund = 66;
constexpr int16_t answerTakeSkat = 51;
constexpr int16_t answerJungfrau = 68;

// Steps of phase 9.
enum : int32_t {
  stepGrandHandQuestion = 0,
  stepGrandHandAnswer = 1,
  stepSkatQuestion = 2,
  stepSkatAnswer = 3,
  stepPressing = 4,
  stepJungfrau = 5,
  stepNextSeat = 6,
  stepStartRamsch = 7,
};

constexpr int32_t questionsPerRound = 3;  // each question goes to the three seats in turn

void grandHandQuestion() {
  TGameState& gs = cg.gs;
  if (skatArea->options.grandHand) {
    skatAsk(66);
    gs.step = stepGrandHandAnswer;
    skatPhaseCounter() += 1;
  } else {
    skatPhaseCounter() = 0;
    gs.step = stepSkatQuestion;
  }
}

// A seat declares Grand Hand: the Ramsch game becomes that seat's Grand Hand, which the
// declarer is held to at the lowest value a Grand Hand can have.
void grandHandDeclared(int32_t seat) {
  TGameState& gs = cg.gs;
  TSkatGameRecord& g = *skatGame;
  TSkatArea& a = *skatArea;
  g.schiebenRound = 0;
  g.ramschGame = 0;
  skatSetBestGame(sp[seat], skatTypeGrand);
  g.gameType = skatBid->gameType = skatTypeGrand;
  g.handGame = 1;
  g.declarer = skatBid->declarer = seat;
  skatSetRankOrder(skatTypeGrand);
  a.currentBid = 0;
  gs.phase = skatPhaseDeclaring;
  gs.step = 3;
  gs.subStep = skatSubStepGameKnown;
  int32_t lowest = 3 * a.options.grandBase;  // ohne 1 or mit 1, game, Hand
  g.seatBid[seat] = lowest;
  g.bidReached = lowest;
}

void grandHandAnswer() {
  TGameState& gs = cg.gs;
  if (skatAnswer() == answerGesund) {
    skatSayText(skatLookupText("f_skat_gesund"), 13);
    skatStepToNextPlayer();
    gs.step = stepGrandHandQuestion;
  } else {
    grandHandDeclared(gs.akspieler);
  }
  if (gs.phase == skatPhaseSchieben && skatPhaseCounter() >= questionsPerRound) {
    skatPhaseCounter() = 0;
    gs.step = stepSkatQuestion;
  }
}

void skatQuestion() {
  skatAnswer() = 0;
  skatAsk(67);
  cg.gs.step = stepSkatAnswer;
  skatPhaseCounter() += 1;
}

void skatAnswered() {
  TGameState& gs = cg.gs;
  int32_t seat = gs.akspieler;
  if (skatAnswer() == answerTakeSkat) {
    skatSayText(skatLookupText("f_skat_nimmtskatauf"), 0);
    gethand(seat, 2, 0, 0.0f, skatStockStack, 0);
    gs.step = stepPressing;
    skatWaitFor(seat, 1);
    gs.subState = 0;
    skatActionKind() = skatActionUsed;
  } else {
    skatGame->pushCount += 1;
    skatSayText(skatLookupText("f_skat_schiebt"), 12);
    gs.step = stepJungfrau;
  }
}

// Putting two cards back, as the declarer presses; "fertig" ends it.
void pressing() {
  if (skatActionKind() == skatActionOption) {
    skatActionKind() = skatActionUsed;
    skatTakePressedSkat();
    cg.gs.step = stepJungfrau;
    return;
  }
  skatStepPressing(skatBid->gameType);
}

void jungfrau() {
  TGameState& gs = cg.gs;
  if (gs.bl.decisionKind == 68) {
    if (skatAnswer() == answerJungfrau) {
      skatSayText(skatLookupText("f_skat_jungfrau"), 1);
      skatGame->jungfrauAnnounced[gs.akspieler] = 1;
    }
    gs.step = stepNextSeat;
  } else if (skatArea->options.jungfrau) {
    skatAsk(68);
  } else {
    gs.step = stepNextSeat;
  }
}

void nextSeat() {
  skatStepToNextPlayer();
  cg.gs.step = skatPhaseCounter() >= questionsPerRound ? stepStartRamsch : stepSkatQuestion;
}

// The Ramsch play: no declarer, seat 1 stands in the records; Vorhand leads.
void startRamsch() {
  TGameState& gs = cg.gs;
  TSkatGameRecord& g = *skatGame;
  g.handGame = 0;
  g.level = skatLevelNormal;
  g.declarer = skatBid->declarer = 1;
  skatSetBestGame(sp[1], skatTypeRamsch);
  g.gameType = skatBid->gameType = skatTypeRamsch;
  gs.akspieler = skatForehand();
  gs.step = 11;
  skatActionKind() = skatActionUsed;
  skatAnswer() = 0;
  gs.phase = skatPhaseDeclaring;
  gs.subStep = skatSubStepGameKnown;
}

}  // namespace

void skatStepSchieben() {
  TGameState& gs = cg.gs;
  if (gs.step == stepStartRamsch) return startRamsch();
  if (!skatGame->schiebenRound) return;
  switch (gs.step) {
    case stepGrandHandQuestion: grandHandQuestion(); break;
    case stepGrandHandAnswer: grandHandAnswer(); break;
    case stepSkatQuestion: skatQuestion(); break;
    case stepSkatAnswer: skatAnswered(); break;
    case stepPressing: pressing(); break;
    case stepJungfrau: jungfrau(); break;
    case stepNextSeat: nextSeat(); break;
    default: break;
  }
}
