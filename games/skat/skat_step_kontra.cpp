// Phase 8 of Skat's step: Kontra, Re, Sup and Hirsch. The defenders are asked in turn for
// Kontra and Sup, the declarer for Re and Hirsch, as far as the Kontra option allows.
#include "games/skat/skat_callbacks.h"
#include "games/skat/skat_rules.h"
#include "games/skat/skat_services.h"
#include "games/skat/skat_step_internal.h"

namespace {

constexpr int16_t answerDeclined = -1;

// Steps of phase 8.
enum : int32_t { stepEnter = 0, stepAnswer = 1, stepAsk = 2, stepDone = 10 };

// The question for each Kontra level so far: 44 Kontra, 63 Re, 64 Sup, 65 Hirsch.
constexpr int32_t questionByLevel[] = {44, 63, 64, 65};

void enter() {
  TSkatArea& a = *skatArea;
  a.kontraSecondAsked = 0;
  cg.gs.akspieler = skatGame->declarer;
  a.kontraDefender = skatNextPlayer(skatGame->declarer);
  skatAnswer() = 0;
  cg.gs.step = stepAnswer;
}

void answered() {
  TGameState& gs = cg.gs;
  TSkatArea& a = *skatArea;
  TSkatGameRecord& g = *skatGame;
  int32_t c = skatAnswer();
  if (c == answerDeclined) {
    bool declarerDeclined = g.kontraLevel == 1 || g.kontraLevel == 3;
    if (declarerDeclined || a.kontraSecondAsked) {
      gs.step = stepDone;
    } else {
      a.kontraSecondAsked = 1;
      a.kontraDefender = skatNextPlayer(gs.akspieler);
      gs.step = stepAsk;
    }
    return;
  }
  if (c >= 1 && c <= 4) {
    g.kontraLevel = c;
    if (gs.akspieler != 1) skatSound(3, gs.akspieler, 0);
    skatSayText(kontraNames[c], 1);
  }
  gs.step = stepAsk;
}

// Whether the Kontra option lets the doubling go on past the level reached.
bool levelAllowed(int32_t level) {
  const TSkatOptions& o = skatArea->options;
  switch (level) {
    case 0: return o.kontraLevels[1] || o.kontraLevels[2] || o.kontraLevels[3];
    case 1: return o.kontraLevels[2] || o.kontraLevels[3];
    case 2:
    case 3: return o.kontraLevels[3] != 0;
    default: return false;
  }
}

void ask() {
  TGameState& gs = cg.gs;
  int32_t level = skatGame->kontraLevel;
  if (!levelAllowed(level)) {
    gs.step = stepDone;
    return;
  }
  gs.akspieler = level % 2 == 1 ? skatGame->declarer : skatArea->kontraDefender;
  skatAsk(questionByLevel[level]);
  gs.step = stepAnswer;
}

void done() {
  TGameState& gs = cg.gs;
  gs.phase = skatPhaseTricks;
  gs.subState = 4;
  gs.step = 0;
  gs.akspieler = skatArea->options.kontraAfterAnnouncement ? skatForehand() : skatArea->trickLeader;
}

}  // namespace

void skatStepKontra() {
  switch (cg.gs.step) {
    case stepEnter: enter(); break;
    case stepAnswer: answered(); break;
    case stepAsk: ask(); break;
    case stepDone: done(); break;
    default: break;
  }
}
