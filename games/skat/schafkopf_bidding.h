// Schafkopf's bidding: phase 3 (asking who wants to play), phase 7 (declaring a contract)
// and phase 8 (Kontra and Re) of the step machine; the check of every submitted answer;
// and the answers the decision builder asks of the Schafkopf area.
#pragma once

#include <cstdint>

#include "core/game_areas.h"

// Decision kinds and answers of the bidding.
enum : int16_t {
  skfAskPlay = 93,       // decision 93; also the answer "Spielen" / "Auch spielen"
  skfAnswerWeiter = 37,  // "Weiter" at 93
  skfAskFirstSeat = 97,  // the first seat: pass (43) or declare (96)
  skfAnswerPass = 43,
  skfAnswerDeclare = 96,
  skfAskContract = 92,
  skfAskSuit = 91,
  skfAskTout = 94,       // also the answer "Tout"
  skfAnswerNormal = 95,
  skfAskKontra = 44,
  skfAskRe = 63,
};

// One tick of each phase; the game step calls the one of the current phase.
void schafkopfStepAsking();
void schafkopfStepDeclaring();
void schafkopfStepDoubling();

// The seat may say Kontra (first pass around the table, step up to 2n) or Re (second pass).
bool schafkopfCanDouble(int32_t seat);

// Refuses an action that does not answer the open decision: an option value it does not
// offer, a card outside the stored legal list, a card while options are asked. The refusal
// is traced and the decision stays open.
void schafkopfCheckAction(int kind, int32_t a, int32_t b);

// The Schafkopf answers of the decision builder's questions.
void schafkopfFillAreaQueries(TGameAreaQueries& q);
