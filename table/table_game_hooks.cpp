// The card table's questions to the games and its notifications, with the neutral answers
// of the games not built yet. The rules' questions go to the current game's table of calls.
#include "table/table_game_hooks.h"

#include "core/cg.h"
#include "core/game_callbacks.h"
#include "games/casino/chips.h"
#include "games/casino/seat_cursor.h"
#include "games/rummy/canasta_rules.h"
#include "games/rummy/canasta_state.h"
#include "games/rummy/meld_sides.h"
#include "games/rummy/meld_table.h"
#include "shell/card_ai_lookup.h"

// [SECTION] layout

namespace {
const TGameCallbacks* calls() { return registeredGameCallbacks(cg.gameId); }
}  // namespace

bool gameCardFaceUp(int32_t stack, int32_t index) {
  const TGameCallbacks* t = calls();
  return !t || !t->cardFaceUp || t->cardFaceUp(stack, index);
}
int32_t gameSeatOffset(int32_t stack) {
  const TGameCallbacks* t = calls();
  return t && t->seatOffset ? t->seatOffset(stack) : 0;
}
float gameSeatAngle(int32_t stack) {
  const TGameCallbacks* t = calls();
  return t && t->seatAngle ? t->seatAngle(stack) : 95.0f;
}
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
bool gameShownHandCard(int32_t seat, int32_t slot) {
  const TGameCallbacks* t = calls();
  return t && t->shownHandCard && t->shownHandCard(seat, slot);
}
bool gamePileLabel(int32_t stack, std::string& text) {
  const TGameCallbacks* t = calls();
  if (!t || !t->pileLabel) return false;
  text = t->pileLabel(stack);
  return !text.empty();
}
void gameTrickLayout() {
  if (const TGameCallbacks* t = calls(); t && t->trickLayout) t->trickLayout();
}
int32_t blackjackDealerSeat() {
  const TGameCallbacks* t = calls();
  return t && t->dealerSeat ? t->dealerSeat() : 0;
}
int32_t blackjackShoeDecks() {
  const TGameCallbacks* t = calls();
  return t && t->shoeDecks ? t->shoeDecks() : 2;
}
bool blackjackIs17und4() {
  const TGameCallbacks* t = calls();
  return t && t->variant17und4 && t->variant17und4();
}
bool gameAllPlayersDone() {
  const TGameCallbacks* t = calls();
  return t && t->allPlayersDone && t->allPlayersDone();
}
int32_t canastaPackCount() {
  int32_t packs = canastaArea().options.packs;
  return packs >= 1 && packs <= 3 ? packs : 2;
}
int32_t gameSeatUnderPointer() { return seatAtCursor(false); }
void tutorialDealCards() {}

// [SECTION] moves and landing

float gameSpeedFactor() {
  return cg.gameId == gidPoker && humanEliminated() ? pokerSpeedFactor() : 1.0f;
}
int32_t gameTrickPosition() {
  const TGameCallbacks* t = calls();
  return t && t->trickPosition ? t->trickPosition() : 0;
}
bool gameStoredPlayCard(TCard& card) {
  const TGameCallbacks* t = calls();
  return t && t->storedPlayCard && t->storedPlayCard(card);
}
void gameNoteLaidSlot(int32_t slot) {
  if (const TGameCallbacks* t = calls(); t && t->noteLaidSlot) t->noteLaidSlot(slot);
}
bool gamePassesAcross() {
  const TGameCallbacks* t = calls();
  return t && t->passesAcross && t->passesAcross();
}
bool gameMarriageBusy() {
  const TGameCallbacks* t = calls();
  return t && t->marriageBusy && t->marriageBusy();
}
bool gameAnnounceMarriage(int32_t mode, int32_t slot) {
  const TGameCallbacks* t = calls();
  return t && t->announceMarriage && t->announceMarriage(mode, slot);
}
void gameObserveCard(int32_t, int32_t, int32_t, int32_t, const TCard& card, bool faceUp, int32_t what) {
  if (const TGameCallbacks* t = calls(); t && t->observeCard) t->observeCard(what, faceUp, card);
}
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

int32_t gameCardRole(int32_t rank) {
  const TGameCallbacks* t = calls();
  return t && t->cardRole ? t->cardRole(rank) : 0;
}
int32_t gameWishedSuit() {
  const TGameCallbacks* t = calls();
  return t && t->wishedSuit ? t->wishedSuit() : 0;
}
bool gameMayLayOffOnOthers() {
  const TGameCallbacks* t = calls();
  return t && t->mayLayOffOnOthers && t->mayLayOffOnOthers();
}
bool gameDeadwoodLimit() {
  const TGameCallbacks* t = calls();
  return t && t->deadwoodLimit && t->deadwoodLimit();
}
bool gameIsValidMeld(const THand& meld) {
  const TGameCallbacks* t = calls();
  return t && t->isValidMeld && t->isValidMeld(meld);
}
TCard gameLedTrickCard() {
  const TGameCallbacks* t = calls();
  return t && t->ledTrickCard ? t->ledTrickCard() : noCard();
}

// [SECTION] the meld table

void meldTableCardTarget(int32_t meldNo, int32_t meldPos, int32_t slot, int32_t asTarget, TCardSlot& out) {
  k12.meldCardTarget(meldNo, meldPos, out, asTarget != 0, slot);
}
TCard meldTableCard(int32_t meldNo, int32_t meldPos) {
  THand meld{};
  k12.getMeld(meldNo, meld);
  return meldPos >= 1 && meldPos <= handUsed(meld) ? meld.k[meldPos] : noCard();
}
TCardPose meldTableCardPose(int32_t meldNo, int32_t withLayOff, int32_t mode) {
  TCardPose out{};
  k12.meldCardPose(meldNo, withLayOff != 0, out, mode);
  return out;
}
int32_t meldTableRowOffset() { return Tk12Container::meldRowOffset(); }
bool meldTablePlacing() { return k12.layOffPending != 0; }
float meldTablePlacingSpeed() {
  const int32_t seat = k12.layOffSeat, slot = k12.layOffSeatSlot;
  if (seat < 1 || seat > stackCount || slot < 1 || slot > slotCapacity) return 0.0f;
  return sp[seat].slots[slot].speed;
}
void meldTableAdvancePlacement(float step) { k12.layOffProgress += step; }
void meldTablePlaceSelection() { k12.placeSelection(); }
int32_t meldTableAddMeld(int32_t seat, int32_t count) { return k12.addMeld(seat, count); }
namespace {
// The clicked position of the last lay-off formed: the prepared lay-off forms the same meld.
int32_t lastFormClickPos = 0;
}  // namespace
void meldTableFormLayOff(const THand& cards, int32_t meldNo, int32_t meldPos, THand& out) {
  lastFormClickPos = meldPos;
  out.anz = 0;
  if (const TGameCallbacks* t = calls(); t && t->formLayOff) t->formLayOff(cards, meldNo, meldPos, out);
}
void meldTableGetMeld(int32_t meldNo, THand& out) { k12.getMeld(meldNo, out); }
bool meldTablePrepareLayOff(const THand& selection, const THand& cards, const THand&,
                            int32_t meldNo, int32_t seat, int32_t seatSlot, int32_t& jokerSlot,
                            TCard& joker) {
  // The table has queued the cards into the last slots of stack 12 and written each one's
  // position in the formed meld there; the formed meld is built again whole.
  THand formed{};
  meldTableFormLayOff(cards, meldNo, lastFormClickPos, formed);
  jokerSlot = 0;
  joker = noCard();
  // A laid card that takes a Joker's place (Rommé) sends the Joker back to the hand.
  bool exchange = false;
  for (int32_t p = 1; p <= handUsed(formed); p++) exchange = exchange || formed.k[p].hi == 444;
  THand meld{};
  k12.getMeld(meldNo, meld);
  const int32_t j = exchange ? lastRankPosition(meld, rankJoker) : 0;
  exchange = exchange && j >= 1;
  // The card in the Joker's place went into the Joker's slot, the others onto the top of the
  // stack one after the other.
  THand laid = cards;
  const int32_t n = handUsed(cards), base = sp[12].count;
  int32_t shift = 0;
  for (int32_t i = 1; i <= n; i++) {
    if (exchange && shift == 0) {
      int32_t at = 0;
      for (int32_t p = 1; p <= handUsed(formed) && at == 0; p++)
        if (formed.k[p].hi == 444 && cardsEqual(formed.k[p], cards.k[i])) at = p;
      if (at >= 1) {
        laid.k[i].hi = static_cast<int16_t>(at);
        k12.exchangeCard = cards.k[i];
        shift = 1;
        continue;
      }
    }
    const int32_t s = base + i - shift;
    laid.k[i].hi = static_cast<int16_t>(s >= 1 && s <= slotCapacity ? sp[12].slots[s].meldPos : 0);
  }
  exchange = exchange && shift == 1;
  k12.prepareLayOff(selection, laid, formed, meldNo, seat, seatSlot, exchange, base + n - shift);
  if (!exchange) return false;
  jokerSlot = meld.k[j].hi;
  joker = meld.k[j];
  joker.hi = 0;
  return true;
}
bool meldTableJokerReturning(int32_t slot, TCard& exchange) {
  if (!k12.jokerExchange || slot != k12.jokerSlot) return false;
  exchange = k12.exchangeCard;
  return true;
}
void meldTableRemoveFromMeld(int32_t meldNo, int32_t meldPos) { k12.removeFromMeld(meldNo, meldPos); }
void meldTableWriteSlotLocations() { k12.writeSlotLocations(); }
void meldTableRebuildFromSlots() { k12.rebuildFromSlots(); }
void meldTableSaveImage(TMeldTableImage& image) { meldTableToImage(k12, image); }
void meldTableLoadImage(const TMeldTableImage& image) { meldTableFromImage(image, k12); }
bool meldTableOwnerPartnersPrevSeat(int32_t slot) {
  if (slot < 1 || slot > slotCapacity) return false;
  const int32_t n = sp[12].slots[slot].meldNo;
  return k12.inUse(n) && samePartnership(prevSeat(cg.gs.akspieler), k12.melds[n].owner);
}
void meldMarkedCardLeaves(const TCard& card, int32_t pos) {
  if (const TGameCallbacks* t = calls(); t && t->markedCardLeaves) t->markedCardLeaves(card, pos);
}
void meldMarkedCardFollows(int32_t from, int32_t to) {
  if (const TGameCallbacks* t = calls(); t && t->markedCardFollows) t->markedCardFollows(from, to);
}

// [SECTION] notifications

void notifyCardAIMoved(int32_t fromStack, int32_t toStack, const TCard& card) {
  if (TAbstractCardAIImpl* ai = getCardAIByType(cg.gameId)) ai->karte_bewegt(fromStack, toStack, card);
}

void showHandCardHighlight(int32_t, bool) {}

void gameRefreshSeatMarks() {
  const TGameCallbacks* t = calls();
  if (t && t->refreshSeatMarks) t->refreshSeatMarks();
}
