// The sort menus "#farbsortiermenü_skat" and "#sortiermenü_romme", the suit panel
// "#farbpanel", and the reactions of the two sort menus.
#include "shell/sort_menus.h"

#include <string>

#include "core/card_order.h"
#include "core/cg.h"
#include "engine/dialogs.h"
#include "engine/elements.h"
#include "engine/engine_services.h"
#include "engine/texts.h"
#include "shell/dialog_build.h"
#include "shell/game_dialogs.h"
#include "table/stack_sync.h"
#include "table/stacks.h"

LArray<int32_t, 1, 20> elSkatSortButtons{};
int32_t elRommeSortBySuit = 0;
int32_t elRommeSortByRank = 0;
LArray<int32_t, 1, 4> elFarbPanelButtons{};

namespace {

// A panel at the table's right edge: no title, no background, built closed.
int32_t sortPanel(const char* title) { return createDialog(0, 0, 0, 0, true, title, false, 0, 1.0f); }

// The symbol picture button (34 x 34, text scale 1.35), made with item slots so that its
// help text, longer than a record's text, can be kept.
int32_t sortButton(int32_t x, int32_t y, std::string_view caption, const char* helpKey, int32_t slot) {
  const int32_t e = addStyledPicture(x, y, skSymbol, caption);
  TVTLElement& el = elementOf(vtl.buildDialog, e);
  el.textScale = 1.35f;
  el.pressDepth = 0.01f;
  setElementHelpTextSlot(vtl.buildDialog, e, lookupText(helpKey), slot);
  return e;
}

struct TSkatSortButton {
  const char* caption;
  int32_t mode;
  const char* helpKey;
  int32_t slot;
};
constexpr TSkatSortButton kSkatSortButtons[] = {
    {"1", 1, "f_label_sortclubsbtn", 7},    {"2", 2, "f_label_sortspadesbtn", 8},
    {"3", 3, "f_label_sortheartsbtn", 9},   {"4", 4, "f_label_sortdiamondsbtn", 10},
    {"G", 11, "f_label_sortgrandbtn", 11},  {"N", 10, "f_label_sortnullbtn", 12},
};
constexpr int32_t kSortColumnX = 807 - 35;
constexpr int32_t kSkatSortTop = 354;
constexpr int32_t kSkatSortStep = 35;

}  // namespace

void buildSkatSortMenu() {
  dlgSkatSortMenu = sortPanel("#farbsortiermenü_skat");
  int32_t y = kSkatSortTop;
  for (const TSkatSortButton& b : kSkatSortButtons) {
    elSkatSortButtons[b.mode] = sortButton(kSortColumnX, y, b.caption, b.helpKey, b.slot);
    y += kSkatSortStep;
  }
}

void buildRommeSortMenu() {
  dlgRommeSortMenu = sortPanel("#sortiermenü_romme");
  elRommeSortBySuit = sortButton(785, 523, std::string(1, char(138)), "f_label_sortbysuitbtn", 5);
  elRommeSortByRank = sortButton(785, 545, std::string(1, char(137)), "f_label_sortbyrankbtn", 6);
}

void buildFarbPanel() {
  // The second flag set; title offset and background as the sort menus have them.
  dlgFarbPanel = createDialog(310, 560, 0, 0, false, "#farbpanel", true, 0, 2.0f);
  const char* const suits[4] = {"Kreuz", "Pik", "Herz", "Karo"};
  for (int k = 1; k <= 4; k++) elFarbPanelButtons[k] = addElement(ekButton, 70 * (k - 1), 0, suits[k - 1], 60, 35, 0.0f, 1.0f);
}

void clearSortMenuNumbers() {
  for (int32_t& e : elSkatSortButtons) e = 0;
  for (int32_t& e : elFarbPanelButtons) e = 0;
  elRommeSortBySuit = elRommeSortByRank = 0;
}

void skatSortMenuClick(int32_t, int32_t element) {
  for (int32_t mode = 1; mode <= 20; mode++) {
    if (elSkatSortButtons[mode] == 0 || elSkatSortButtons[mode] != element) continue;
    TSpieler& hand = sp[1];
    syncHandFromSlots(hand);
    sortHand(hand.hand, mode);
    syncSlotsFromHand(hand);
  }
}

void rommeSortMenuClick(int32_t, int32_t element) {
  if (element == 0 || (element != elRommeSortByRank && element != elRommeSortBySuit)) return;
  // Mau-Mau and Rommé take their sort mode when those games are built.
  logNotAvailable(cg.gameId == gidMauMau ? "maumauSetSortMode" : "rommeSetSortMode");
}
