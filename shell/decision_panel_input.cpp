// The decision panel's clicks and hover preview.
#include "shell/decision_panel_input.h"

#include <string>

#include "core/card_order.h"
#include "core/cg.h"
#include "engine/dialogs.h"
#include "engine/engine_form.h"
#include "platform/window.h"
#include "shell/game_dialogs.h"
#include "shell/main_window.h"
#include "table/stack_sync.h"
#include "table/stacks.h"

namespace {

constexpr int32_t kSkatGameTypeChoice = 55;  // the decision kind of Skat's game type
constexpr int32_t kSkatGrand = 11;           // sortHand's order of a Grand

template <int N>
int32_t positionInRow(const LArray<int32_t, 1, N>& row, int32_t element) {
  for (int k = 1; k <= N; k++)
    if (row[k] != 0 && row[k] == element) return k;
  return 0;
}

}  // namespace

int32_t decisionOptionOf(int32_t element) {
  if (element == 0) return 0;
  if (element == elDecisionContinue) return 1;
  if (element == elDecisionOption8) return 8;
  for (int32_t k : {positionInRow(elDecisionRow2, element), positionInRow(elDecisionRow3, element),
                    positionInRow(elDecisionRow4, element), positionInRow(elDecisionRow5, element),
                    positionInRow(elDecisionRow6, element), positionInRow(elDecisionRow7, element)})
    if (k != 0) return k;
  return 0;
}

// The stake buttons of Blackjack and poker act here once those games exist; until then every
// click takes the answer's path.
void decisionPanelClick(int32_t element) {
  if (dlgInGame == 0 || element < 1 || element > dialogOf(dlgInGame).count) return;
  const uint8_t kind = elementOf(dlgInGame, element).kind;
  if (kind != ekButton && kind != ekPicture) return;
  const int32_t i = decisionOptionOf(element);
  if (i < 1 || i > decisionOptionCapacity) {
    winMessageBox(vtl.applicationTitle, "Error in di_dialog input: i=" + std::to_string(i));
    return;
  }
  const int32_t value = cg.gs.bl.optionValues[i];
  hideDialog(dlgInGame);
  cg.submitAction(2, cg.gameId == gidSchafkopf ? i : 0, value);
}

void Tglapp::mouseover(int32_t dialog, int32_t element) {
  if (dialog == 0 || dialog != dlgInGame) return;
  const int32_t i = decisionOptionOf(element);
  if (i < 1 || i > decisionOptionCapacity) return;
  const int32_t v = cg.gs.bl.optionValues[i];
  // The previews of Doppelkopf, Schafkopf, Schnapsen and Jass join here with those games.
  if (cg.gameId == gidSkat && cg.gs.bl.decisionKind == kSkatGameTypeChoice) {
    syncHandFromSlots(sp[1]);
    sortHand(sp[1].hand, i == 1 ? kSkatGrand : v);
    syncSlotsFromHand(sp[1]);
  }
}

// A preview stays until something else sorts the hand again.
void Tglapp::mouseout(int32_t, int32_t) {}
