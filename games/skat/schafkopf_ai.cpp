// The Schafkopf computer player: Schafkopf's description for the shared player, the hook
// that watches every card, and the turn the core calls for a computer seat.
//
// [SECTION] the game's description
// [SECTION] the hook and the turn
#include "games/skat/schafkopf_ai.h"

#include "core/cg.h"
#include "games/skat/schafkopf_ai_contract.h"
#include "games/skat/schafkopf_game_step.h"
#include "games/skat/schafkopf_rules.h"

TDealView schafkopfAIView{};

// [SECTION] the game's description

namespace {

TSchafkopfArea& area() { return *schafkopfArea; }

bool partiesKnown() {
  TSchafkopfPartyFields f = schafkopfPartyFields();
  return schafkopfPartiesKnown(f);
}

const TFamilyAIGame schafkopfGame = {
    .doppelkopf = false,
    .view = &schafkopfAIView,
    .isTrump = schafkopfIsTrump,
    .cardPoints = schafkopfCardPoints,
    .trickWinner = schafkopfTrickWinner,
    .trickWinningCard = schafkopfTrickWinningCard,
    .legalCards = schafkopfLegalCards,
    .saved = [] () -> TSavedSeatKnowledge& { return area().savedSeatKnowledge; },
    .views = [] () -> TPartyViews& { return area().partyViews; },
    .partiesKnown = partiesKnown,
    .loneSeat = [] { return area().soloistSeat; },
    .noPartners = [] { return area().contract.type == skfRamsch; },
    .hochzeitOpen = [] { return false; },
    .parteievt = [](int32_t s, int32_t v) { return schafkopf::parteievt(area().partyViews, s, v); },
    .anyPartyUnknown = [] { return schafkopfAnyPartyUnknown(area().partyViews); },
    .partyDeduce = [](int32_t seat) { partyDeduction(area().partyViews[seat]); },
    .trickPhase = [] { return int32_t(skfPhaseTricks); },
};

}  // namespace

TFamilyAI& schafkopfAI() {
  static TFamilyAI ai(schafkopfGame);
  return ai;
}

// [SECTION] the hook and the turn

void schafkopfAIObserve(int kind, int32_t a, int32_t b) { schafkopfAI().observe(kind, a, b); }

void schafkopfAIMove() {
  const TDecisionBlock& bl = cg.gs.bl;
  if (bl.showOptions && bl.optionCount > 0) {
    const int32_t kind = bl.decisionKind;
    const int32_t value = familyOfferedOrFirst(schafkopfAIAnswer(kind), "Schafkopf", kind);
    const int32_t n = familyOfferedOption(value);
    cg.submitAction(2, n, bl.optionValues[n]);
    return;
  }
  if (!bl.cardsSelectable) return;
  schafkopfAIBuildView(0);
  familySubmitCard(schafkopfAIChooseCard(), area().legalCards, "Schafkopf");
}
