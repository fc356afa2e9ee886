// The card table's questions to the games and its notifications, with the neutral answers
// of the games not built yet. The rules' questions go to the current game's table of calls.
#include "table/table_game_hooks.h"

#include "core/cg.h"
#include "core/game_callbacks.h"
#include "games/casino/chips.h"
#include "shell/card_ai_lookup.h"

// [SECTION] layout

namespace {
const TGameCallbacks* calls() { return registeredGameCallbacks(cg.gameId); }
}  // namespace

bool gameCardFaceUp(int32_t stack, int32_t index) {
  const TGameCallbacks* t = calls();
  return !t || !t->cardFaceUp || t->cardFaceUp(stack, index);
}
int32_t gameSeatOffset(int32_t) { return 0; }
void gamePlaceSeat(TSpieler& stack, bool, float) {
  if (const TGameCallbacks* t = calls(); t && t->placeSeat) t->placeSeat(stack);
}
void gameTableLayout() {
  if (const TGameCallbacks* t = calls(); t && t->tableLayout) t->tableLayout();
}
bool gamePanelText(int32_t seat, std::string& text) {
  const TGameCallbacks* t = calls();
  if (!t || !t->panelText) return false;
  text = t->panelText(seat);
  return true;
}
void gameTrickLayout() {
  if (const TGameCallbacks* t = calls(); t && t->trickLayout) t->trickLayout();
}
int32_t blackjackDealerSeat() { return 0; }
int32_t blackjackShoeDecks() { return 2; }
bool blackjackIs17und4() { return false; }
bool blackjackAllPlayersDone() { return false; }
int32_t canastaPackCount() { return 2; }
void tutorialDealCards() {}

// [SECTION] moves and landing

float gameSpeedFactor() {
  return cg.gameId == gidPoker && humanEliminated() ? pokerSpeedFactor() : 1.0f;
}
int32_t gameTrickPosition() { return 0; }
bool gameStoredPlayCard(TCard&) { return false; }
void gameNoteLaidSlot(int32_t) {}
bool gamePassesAcross() { return false; }
bool gameMarriageBusy() { return false; }
void gameAnnounceMarriage(int32_t) {}
void gameObserveCard(int32_t, int32_t, int32_t, int32_t, const TCard&, bool, int32_t) {}
void gameAnimateChips() {}
bool gameFastPlay() { return false; }

// [SECTION] rules

bool gameIsSeatHandOpen(int32_t seat) {
  const TGameCallbacks* t = calls();
  return t && t->isSeatHandOpen && t->isSeatHandOpen(seat);
}
bool gameIsLegalCard(const TCard& card) {
  const TGameCallbacks* t = calls();
  return !t || !t->isLegalCard || t->isLegalCard(card);
}
bool gameIsLegalFollow(const TCard& card, const TCard& ledCard) {
  const TGameCallbacks* t = calls();
  return !t || !t->isLegalFollow || t->isLegalFollow(card, ledCard);
}
bool gameAllCardsSelectable() {
  const TGameCallbacks* t = calls();
  return !t || !t->allCardsSelectable || t->allCardsSelectable();
}

int32_t gameCardRole(int32_t) { return 0; }
int32_t gameWishedSuit() { return 0; }
bool gameMayLayOffOnOthers() { return false; }
bool gameDeadwoodLimit() { return false; }
bool gameIsValidMeld(const THand&) { return false; }
TCard gameLedTrickCard() {
  const TGameCallbacks* t = calls();
  return t && t->ledTrickCard ? t->ledTrickCard() : noCard();
}
bool canastaIsWildCard(const TCard& card) { return card.t == rank2 || card.t == rankJoker; }

// [SECTION] the meld table

void meldTableCardTarget(int32_t, int32_t, int32_t, int32_t, TCardSlot&) {}
TCard meldTableCard(int32_t, int32_t) { return noCard(); }
TCardPose meldTableCardPose(int32_t, int32_t, int32_t) { return TCardPose{}; }
int32_t meldTableRowOffset() { return cg.gameId == gidCanasta ? 4 : 0; }
bool meldTablePlacing() { return false; }
float meldTablePlacingSpeed() { return 0.0f; }
void meldTableAdvancePlacement(float) {}
void meldTablePlaceSelection() {}
int32_t meldTableAddMeld(int32_t, int32_t) { return 0; }
void meldTableFormLayOff(const THand&, int32_t, int32_t, THand& out) { out.anz = 0; }
void meldTableGetMeld(int32_t, THand& out) { out.anz = 0; }
bool meldTablePrepareLayOff(const THand&, const THand&, const THand&, int32_t, int32_t,
                            int32_t, int32_t&, TCard&) {
  return false;
}
bool meldTableJokerReturning(int32_t, TCard&) { return false; }
void meldTableRemoveFromMeld(int32_t, int32_t) {}
void meldTableWriteSlotLocations() {}
bool meldTableOwnerPartnersPrevSeat(int32_t) { return false; }
void meldMarkedCardLeaves(const TCard&, int32_t) {}
void meldMarkedCardFollows(int32_t, int32_t) {}

// [SECTION] notifications

void notifyCardAIMoved(int32_t fromStack, int32_t toStack, const TCard& card) {
  if (TAbstractCardAIImpl* ai = getCardAIByType(cg.gameId)) ai->karte_bewegt(fromStack, toStack, card);
}

void showHandCardHighlight(int32_t, bool) {}

void gameRefreshSeatMarks() {
  const TGameCallbacks* t = calls();
  if (t && t->refreshSeatMarks) t->refreshSeatMarks();
}
