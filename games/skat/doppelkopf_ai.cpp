// The Doppelkopf computer player: Doppelkopf's description for the shared player, the hook
// that watches every card, and the turn the core calls for a computer seat.
//
// [SECTION] the game's description
// [SECTION] the hook and the turn
#include "games/skat/doppelkopf_ai.h"

#include "core/cg.h"
#include "games/skat/doppelkopf_ai_solo.h"
#include "games/skat/doppelkopf_party.h"
#include "games/skat/doppelkopf_rules.h"
#include "games/skat/doppelkopf_vorbehalt.h"

TDealView doppelkopfAIView{};

// [SECTION] the game's description

namespace {

TDoppelkopfArea& area() { return *doppelkopfArea; }

int32_t trickWinner(const THand& trick) {
  return handUsed(trick) == 0 ? 0 : doppelkopfTrickWinner(trick, trick.k[1].hi);
}

bool soloPlayed() { return area().doppelkopfSoloType >= 1 && area().doppelkopfSoloType <= 8; }

const TFamilyAIGame doppelkopfGame = {
    .doppelkopf = true,
    .view = &doppelkopfAIView,
    .isTrump = doppelkopfIsTrump,
    .cardPoints = doppelkopfCardPoints,
    .trickWinner = trickWinner,
    .trickWinningCard = doppelkopfTrickWinningCard,
    .legalCards = doppelkopfLegalCards,
    .saved = [] () -> TSavedSeatKnowledge& { return area().savedSeatKnowledge; },
    .views = [] () -> TPartyViews& { return area().views; },
    .partiesKnown = soloPlayed,
    .loneSeat = [] { return area().doppelkopfSoloist; },
    .noPartners = nullptr,
    .hochzeitOpen = doppelkopfHochzeitOpen,
    .parteievt = doppelkopf::parteievt,
    .anyPartyUnknown = doppelkopfAnyPartyUnknown,
    .partyDeduce = [](int32_t seat) { partyDeduction(area().views[seat]); },
    .trickPhase = [] { return int32_t(doppelkopfPhaseTricks); },
};

}  // namespace

TFamilyAI& doppelkopfAI() {
  static TFamilyAI ai(doppelkopfGame);
  return ai;
}

// [SECTION] the hook and the turn

void doppelkopfAIObserve(int kind, int32_t a, int32_t b) { doppelkopfAI().observe(kind, a, b); }

void doppelkopfAIMove() {
  const TDecisionBlock& bl = cg.gs.bl;
  const int32_t kind = bl.decisionKind;
  if (bl.showOptions && bl.optionCount > 0) {
    const int32_t wanted = doppelkopfAIAnswer(kind);
    if (!bl.cardsSelectable) {
      cg.submitAction(2, 0, familyOfferedOrFirst(wanted, "Doppelkopf", kind));
      return;
    }
    // While a card is asked for, an offered value announces; anything else plays the card.
    if (familyOfferedOption(wanted) > 0) {
      cg.submitAction(2, 0, wanted);
      return;
    }
  }
  if (!bl.cardsSelectable) return;
  doppelkopfAIBuildView(0);
  familySubmitCard(doppelkopfAIChooseCard(), area().legalCards, "Doppelkopf");
}
