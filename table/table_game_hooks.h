// What the card table asks of the games and hands to them, one call per question, chosen
// by cg.gameId. Most games that own these answers (Blackjack, War, Schnapsen, Jass, Hearts,
// Schwimmen, Mau-Mau, Old Maid, Go Fish, poker) are not
// built yet: until each is, its calls give the neutral answer stated here and change
// nothing. A game that is built puts its call into the body of the hook.
//
// [SECTION] layout
// [SECTION] moves and landing
// [SECTION] rules
// [SECTION] the meld table
// [SECTION] notifications
#pragma once

#include <cstdint>
#include <string>

#include "core/cards.h"
#include "table/stacks.h"

struct TMeldTableImage;

// [SECTION] layout

// Blackjack's and War's face-up test for card `index` of a seat (true: face up).
bool gameCardFaceUp(int32_t stack, int32_t index);
// Blackjack's signed offset of a seat from the middle seat (0 without the game), and its
// angle on the arc in degrees (95 without the game).
int32_t gameSeatOffset(int32_t stack);
float gameSeatAngle(int32_t stack);
// Blackjack's, Old Maid's and War's own seat fan in place of the hand fan; nothing yet.
void gamePlaceSeat(TSpieler& stack, bool open, float n);
// War's text of a seat's player panel: true and the text when the game has one.
bool gamePanelText(int32_t seat, std::string& text);
// A card of a closed hand the game shows face up (Schnapsen's announced marriage); false.
bool gameShownHandCard(int32_t seat, int32_t slot);
// The label drawn on a pile (Schnapsen's won piles): true and the text when it has one.
bool gamePileLabel(int32_t stack, std::string& text);
// The per-game layout steps at the end of the table layout (Schnapsen, Go Fish, Old Maid,
// War; Blackjack's stock); nothing yet.
void gameTableLayout();
// Schnapsen's and Old Maid's steps at the end of a trick card's placement; nothing yet.
void gameTrickLayout();
// Blackjack's dealer seat (0 outside Blackjack), the decks in its shoe (2 without an answer)
// and its "17 und 4" variant; Canasta's packs.
int32_t blackjackDealerSeat();
int32_t blackjackShoeDecks();
bool blackjackIs17und4();
// Every Blackjack player has finished; false without the game.
bool gameAllPlayersDone();
int32_t canastaPackCount();
// The seat whose name plate lies under the pointer, 0 for none (tested anew every call).
int32_t gameSeatUnderPointer();
// The tutorial re-places its demonstration cards; nothing yet.
void tutorialDealCards();

// [SECTION] moves and landing

// Poker's factor on card speeds once the user is out; 1 otherwise.
float gameSpeedFactor();
// Jass's and Hearts's position of the next trick card (the z order of trick cards); 0
// without the hook.
int32_t gameTrickPosition();
// Jass's stored play card: true and the card when it has one; false.
bool gameStoredPlayCard(TCard& card);
// Schwimmen keeps the slot into which the last single card was laid.
void gameNoteLaidSlot(int32_t slot);
// Hearts passes the cards across this game; false without the hook.
bool gamePassesAcross();
// Schnapsen: a marriage is being looked up (no lift feedback then); false without the hook.
bool gameMarriageBusy();
// Schnapsen: the hand card in `slot` the user hovers (mode 1) or lifts (mode 2) may form a
// marriage, whose partner card then moves with it; false without the hook.
bool gameAnnounceMarriage(int32_t mode, int32_t slot);
// Blackjack's card counting of a landed card, passed to the game's observer.
void gameObserveCard(int32_t srcStack, int32_t srcIndex, int32_t dstStack, int32_t dstIndex,
                     const TCard& card, bool faceUp, int32_t what);
// The chip games' animation step (in place of the wobble phase); nothing yet.
void gameAnimateChips();
// Poker's fast play with the engine's fast mode: the seats do not animate; false.
bool gameFastPlay();

// [SECTION] rules

// The four questions of the table, as the current game's table of calls answers them (before
// the table's overrides). Tables: Mau-Mau, Skat, Schwimmen, Rommé, Canasta, poker, Hearts and
// Old Maid show hands open; Mau-Mau, Skat, Schwimmen, Rommé, Doppelkopf, Schafkopf, Schnapsen,
// Jass, Hearts and Go Fish judge cards and follows (Rommé the card alone); Mau-Mau and Skat
// say whether all cards are selectable. Without an answer: not open, legal, selectable.
bool gameIsSeatHandOpen(int32_t seat);
bool gameIsLegalCard(const TCard& card);
bool gameIsLegalFollow(const TCard& card, const TCard& ledCard);
bool gameAllCardsSelectable();

// Mau-Mau: the role of a rank (31..35, 33 the wish card; 0 none) and the wished suit (0 none).
int32_t gameCardRole(int32_t rank);
int32_t gameWishedSuit();
// Rommé's option of laying off on other players' melds; false.
bool gameMayLayOffOnOthers();
// Gin Rummy: the deadwood limit applies to taking cards; false.
bool gameDeadwoodLimit();
// The formed meld is valid (Canasta; Rommé's rules come with Rommé, false until then).
bool gameIsValidMeld(const THand& meld);
// The led card of the current trick (its first card), as the game's table gives it (Skat);
// noCard() elsewhere and before a lead.
TCard gameLedTrickCard();
// Canasta's wild cards: a two or a joker.
bool canastaIsWildCard(const TCard& card);

// [SECTION] the meld table
// Canasta's and Rommé's meld table k12 answers these (games/rummy/meld_table.h). Rommé's
// lay-offs come with Rommé: until then none forms a meld there and no joker comes back.

// The placement block and card of the meld card at (meldNo, meldPos) written into `out`
// (slot: pile 12's slot; asTarget: the target of a move). Leaves `out` alone.
void meldTableCardTarget(int32_t meldNo, int32_t meldPos, int32_t slot, int32_t asTarget,
                         TCardSlot& out);
// The card at (meldNo, meldPos), rank 0 when there is none.
TCard meldTableCard(int32_t meldNo, int32_t meldPos);
// The place of a meld on the table (mode 0 present, 1 before, 2 after a lay-off).
TCardPose meldTableCardPose(int32_t meldNo, int32_t withLayOff, int32_t mode);
// 4 in Canasta, 0 otherwise: shifts the discard pile.
int32_t meldTableRowOffset();
// A card is being placed into a meld; false.
bool meldTablePlacing();
// The speed of the card being placed (its slot's `speed`); 0.
float meldTablePlacingSpeed();
// Advances the placement progress by a frame step; nothing yet.
void meldTableAdvancePlacement(float step);
// Writes the pending selection into pile 12's slots after a card landed; nothing yet.
void meldTablePlaceSelection();
// Opens a new meld of `count` cards for the seat; its number (0: none).
int32_t meldTableAddMeld(int32_t seat, int32_t count);
// The meld that laying `cards` off onto meld `meldNo` at `meldPos` forms (Rommé, Canasta);
// empty.
void meldTableFormLayOff(const THand& cards, int32_t meldNo, int32_t meldPos, THand& out);
// The cards of a meld with their pile-12 slot numbers; empty.
void meldTableGetMeld(int32_t meldNo, THand& out);
// Stores the pending lay-off; true (and the joker's pile-12 slot and card) when a joker of
// the meld comes back to the hand. False.
bool meldTablePrepareLayOff(const THand& selection, const THand& cards, const THand& formed,
                            int32_t meldNo, int32_t seat, int32_t seatSlot,
                            int32_t& jokerSlot, TCard& joker);
// A joker returns from pile-12 slot `slot`: true and the card that takes its place; false.
bool meldTableJokerReturning(int32_t slot, TCard& exchange);
void meldTableRemoveFromMeld(int32_t meldNo, int32_t meldPos);
void meldTableWriteSlotLocations();
// The melds again from pile 12's slots, once the card table may have moved meld cards.
void meldTableRebuildFromSlots();
// The meld table into the saved game's copy, and back from it after loading.
void meldTableSaveImage(TMeldTableImage& image);
void meldTableLoadImage(const TMeldTableImage& image);
// The meld of pile-12 slot `slot` belongs to the side of the seat before the seat to act;
// false while no meld exists.
bool meldTableOwnerPartnersPrevSeat(int32_t slot);
// The meld games' marked card: cleared when it equals `card` at slot `pos`; moved with its
// card from slot `from` to slot `to` within its stack. Nothing yet.
void meldMarkedCardLeaves(const TCard& card, int32_t pos);
void meldMarkedCardFollows(int32_t from, int32_t to);

// [SECTION] notifications

// The current game's card-AI object hears that a card went from one stack to another.
void notifyCardAIMoved(int32_t fromStack, int32_t toStack, const TCard& card);
// The invisible button of the in-game panel that stands for hand card n: shown with its
// highlight started, or hidden with it stopped. The panel is not built yet: nothing.
void showHandCardHighlight(int32_t n, bool on);
// The seats' marks on the table panel drawn again by the current game (Skat's turn and
// contract marks); nothing for a game without them.
void gameRefreshSeatMarks();
