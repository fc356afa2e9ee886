// What the Schafkopf and Doppelkopf turns share: answering only with an offered value, and
// submitting a card only from the legal list.
#include <string>

#include "core/cg.h"
#include "games/skat/skat_family_ai.h"

int32_t familyOfferedOption(int32_t value) {
  const TDecisionBlock& bl = cg.gs.bl;
  if (!bl.showOptions) return 0;
  for (int32_t n = 1; n <= bl.optionCount && n <= decisionOptionCapacity; n++)
    if (bl.optionValues[n] == value) return n;
  return 0;
}

int32_t familyOfferedOrFirst(int32_t value, const char* game, int32_t kind) {
  if (familyOfferedOption(value) > 0) return value;
  familyAIAlert(std::string(game) + ": Antwort " + std::to_string(value) + " auf Frage " + std::to_string(kind) +
                " nicht angeboten, erste Option gewählt");
  return cg.gs.bl.optionValues[1];
}

void familySubmitCard(const TCard& card, const THand& legal, const char* game) {
  if (handUsed(legal) == 0) return;
  int i = isNoCard(card) ? 0 : indexOfCard(legal, card);
  if (i < 1) {
    familyAIAlert(std::string(game) + ": gewählte Karte nicht spielbar, erste spielbare gespielt");
    i = 1;
  }
  cg.submitAction(0, 0, legal.k[i].hi);
}
