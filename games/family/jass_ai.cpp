// Jass's computer player. Mode: the longest suit, among equally long ones a suit holding the
// nine or the jack; pushed when the partner holds more cards of its own choice. Cards: with a
// target in reach a search over the rest of the trick; otherwise add points when the trick is
// safe for the team, take a trick worth having as cheaply as possible, else give the
// cheapest card. Every decision writes a trace line.
//
// [SECTION] helpers
// [SECTION] mode choice
// [SECTION] target search
// [SECTION] play rules
// [SECTION] the move
#include "games/family/jass_ai.h"

#include <algorithm>
#include <string>

#include "core/card_names.h"
#include "core/cg.h"
#include "engine/engine_services.h"
#include "games/family/jass_game.h"
#include "games/family/jass_rules.h"
#include "platform/random.h"
#include "table/stack_sync.h"
#include "table/stacks.h"

namespace {

void jassLog(const std::string& message) { trace("Spieler " + std::to_string(cg.gs.akspieler) + " " + message); }

void submitCard(int32_t slot) { cg.submitAction(0, 0, slot); }

// A random legal card: the slots tried from a random start.
int32_t randomLegalSlot() {
  const int32_t seat = cg.gs.akspieler, n = stackUsed(sp[seat]);
  const int32_t r = randomBelow(100);
  for (int32_t k = 1; k <= n; k++) {
    const int32_t slot = (r + k) % n + 1;
    if (jassIsLegalCard(sp[seat].slots[slot].card)) return slot;
  }
  return 0;
}

void playRandomLegal(const std::string& why) {
  const int32_t slot = randomLegalSlot();
  if (slot == 0) return;
  jassLog(why + cardName(sp[cg.gs.akspieler].slots[slot].card));
  submitCard(slot);
}

void appendToTrick(const TCard& card, int32_t seat) {
  TCard c = card;
  c.hi = int16_t(seat);
  handaddk(jassArea().trick, c);
}

void dropFromTrick() { jassArea().trick.anz -= 1; }

}  // namespace

// [SECTION] helpers

int32_t jassFindPartner() { return jassPartner(cg.gs.akspieler); }

bool jassIsOwnTeam(int32_t seat) { return seat == cg.gs.akspieler || seat == jassFindPartner(); }

int32_t jassCountSuitInStack(int32_t seat, int32_t suit) {
  syncHandFromSlots(sp[seat]);
  return countSuit(sp[seat].hand, suit);
}

bool jassTrickHasThree() { return handUsed(jassArea().trick) == 3; }

bool jassPartnerWinning() {
  if (handUsed(jassArea().trick) == 0) return false;
  return jassTrickWinningCard().hi == jassFindPartner();
}

int32_t jassTrickPoints() { return jassSetPoints(jassArea().trick); }

bool nextCanWinTrick(int32_t seat) {
  if (seat != cg.gs.akspieler && jassTrickHasThree()) return false;
  jassLog(" guckt ob der nachfolgende Spieler " + std::to_string(seat) + " den Stich noch holen könnte.");
  THand legal;
  jassLegalCardsNoSlots(seat, handUsed(jassArea().trick) + 1, legal);
  for (int i = 1; i <= handUsed(legal); i++)
    if (jassWouldWinTrick(legal.k[i])) {
      jassLog("merkt das der Stich durch: " + cardName(legal.k[i]) + " an Spieler: " + std::to_string(seat) +
              " gehen könnte.");
      return true;
    }
  return false;
}

namespace {

// The legal card of least (or most) points by the rule's test, non-trumps in a first pass.
TCard pickByPoints(bool most, bool (*wanted)(const TCard&), bool nonTrumpFirst) {
  const THand& legal = jassArea().legalCards;
  for (int pass = nonTrumpFirst ? 0 : 1; pass <= 1; pass++) {
    TCard best = noCard();
    int32_t bestPoints = 0;
    for (int i = 1; i <= handUsed(legal); i++) {
      const TCard& c = legal.k[i];
      if (pass == 0 && jassIsTrump(c)) continue;
      if (wanted && !wanted(c)) continue;
      const int32_t p = jassCardPoints(c);
      if (isNoCard(best) || (most ? p > bestPoints : p < bestPoints)) best = c, bestPoints = p;
    }
    if (!isNoCard(best)) return best;
  }
  return noCard();
}

bool winsTrick(const TCard& c) { return jassWouldWinTrick(c); }

}  // namespace

TCard jassBestWinningCard() { return pickByPoints(false, winsTrick, true); }

TCard spieleWertlosePassendeKarte() { return pickByPoints(false, nullptr, true); }

// [SECTION] mode choice

int32_t jassChooseTrump(int32_t seat, bool deciding, bool pushAllowed) {
  const std::string decidingText = "muss sich überlegen welchen Trumpf er spielt...";
  jassLog(deciding ? decidingText : "guckt nach ob sein Mitspieler mehr Trümpfe hat.");
  syncHandFromSlots(sp[seat]);
  const THand& hand = sp[seat].hand;
  int32_t choice = 1, longest = -1;
  bool candidate[5] = {false, false, false, false, false};
  bool tie = false;
  for (int32_t suit = 1; suit <= 4; suit++) {
    const int32_t n = countSuit(hand, suit);
    if (n > longest) {
      longest = n;
      choice = suit;
      for (bool& c : candidate) c = false;
      tie = false;
    } else if (n == longest) {
      tie = true;
    }
    if (n == longest) candidate[suit] = true;
  }
  if (deciding && tie) jassLog("hat mehrere Farben mit gleicher Kartenzahl und sucht nach hohen Trümpfen.");
  for (int i = 1; i <= handUsed(hand); i++) {
    const TCard& c = hand.k[i];
    if (c.f >= 1 && c.f <= 4 && candidate[c.f] && (c.t == rank9 || c.t == rankJack)) choice = c.f;
  }
  if (!deciding) return choice;
  jassLog(" entscheidet sich für die Trumpffarbe " + jassModeName(choice) + ".");
  const int32_t partner = jassPartner(seat);
  const int32_t partnerChoice = jassChooseTrump(partner, false);
  const int32_t partnerCount = jassCountSuitInStack(partner, partnerChoice);
  jassLog(" merkt der hätte Partner " + std::to_string(partner) + " hat " + std::to_string(partnerCount) + " Trümpfe.");
  if (pushAllowed && partnerCount > longest) {
    jassLog(" entscheidet sich zu schieben.");
    return -1;
  }
  return choice;
}

// [SECTION] target search

int32_t jassSearch(int32_t seat) {
  TJassState& a = jassArea();
  if (handUsed(a.trick) >= 4) {
    const int32_t winner = jassTrickWinningCard().hi;
    return jassIsOwnTeam(winner) ? jassSetPoints(a.trick) : 0;
  }
  const int32_t next = seatBefore(seat, 1);
  THand legal;
  jassLegalCardsNoSlots(next, handUsed(a.trick) + 1, legal);
  if (handUsed(legal) == 0) return 0;
  const bool own = jassIsOwnTeam(next);
  int32_t best = own ? -9999 : 9999;
  for (int i = 1; i <= handUsed(legal); i++) {
    const TCard& c = legal.k[i];
    appendToTrick(c, next);
    int32_t v = jassSearch(next);
    dropFromTrick();
    if (own && a.stoeckOn && (c.t == rankQueen || c.t == rankKing) && a.stoeckState[next][c.f] == 1) v += 20;
    best = own ? std::max(best, v) : std::min(best, v);
  }
  return best;
}

namespace {

int32_t potentialStoeck() {
  const TJassState& a = jassArea();
  int32_t sum = 0;
  for (int i = 1; i <= handUsed(a.trick); i++) {
    const TCard& c = a.trick.k[i];
    const int32_t s = c.hi;
    if (s < 1 || s > jassSeats || c.f < 1 || c.f > 4 || !jassIsOwnTeam(s)) continue;
    if (a.stoeckState[s][c.f] == 2 && a.pendingStoeck[s] == 20) sum += 20;
  }
  return sum;
}

int32_t potentialWeis() {
  const TJassState& a = jassArea();
  if (a.tricksDone != 0) return 0;
  int32_t sum = 0, ownMax = 0, otherMax = 0;
  for (int32_t s = 1; s <= jassSeats; s++) {
    if (jassIsOwnTeam(s)) {
      sum += a.declaredWeis[s];
      ownMax = std::max(ownMax, a.declaredWeis[s]);
    } else {
      otherMax = std::max(otherMax, a.declaredWeis[s]);
    }
  }
  return ownMax >= otherMax ? sum : 0;
}

}  // namespace

int32_t jassFindWinningCard() {
  const TJassState& a = jassArea();
  const int32_t seat = cg.gs.akspieler;
  if (a.pointsLimit <= 0) return 0;  // nothing to reach: the play rules decide
  int32_t bestSlot = 0, bestScore = 0;
  for (int32_t k = 1; k <= stackUsed(sp[seat]); k++) {
    const TCard card = sp[seat].slots[k].card;
    if (!jassIsInLegalList(card)) continue;
    appendToTrick(card, seat);
    const int32_t score = jassSearch(seat);
    dropFromTrick();
    if (score >= bestScore) bestSlot = k, bestScore = score;
  }
  const int32_t weis = potentialWeis(), stoeck = potentialStoeck(), total = jassTeamScore(seat);
  if (bestSlot == 0 || total + bestScore + weis + stoeck < a.pointsLimit) return 0;
  jassLog("HAT EINE KARTE GEFUNDEN MIT DER ER DIE PARTIE GEWINNEN KANN (EVT. MIT HILFE SEINES PARTNERS) UND SPIELT "
          "DIESE KARTE.");
  jassLog("- Karte: " + cardName(sp[seat].slots[bestSlot].card) + " als " + std::to_string(handUsed(a.trick) + 1) +
          "te Karte des Stichs Nr." + std::to_string(a.tricksDone));
  jassLog("- Gesamtpunkte aktuell: " + std::to_string(total));
  jassLog("- Geplante Punkte des Stichs: " + std::to_string(bestScore));
  jassLog("- Potent. Weispunkte: " + std::to_string(weis));
  jassLog("- Potent. Stöckpunkte: " + std::to_string(stoeck));
  return bestSlot;
}

// [SECTION] play rules

int32_t jassChooseCardSlot() {
  jassLog("muss mitspielen und eine Karte wählen...");
  const int32_t seat = cg.gs.akspieler;
  if (handUsed(jassArea().trick) == 0) return randomLegalSlot();
  const bool p = jassPartnerWinning(), l = jassTrickHasThree();
  const bool n1 = nextCanWinTrick(seatBefore(seat, 1)), n2 = nextCanWinTrick(seatBefore(seat, 2));
  if ((p && (l || !n1)) || (!n1 && n2)) {
    jassLog(n1 || !n2 ? "merkt, dass der Stich nicht mehr verloren geht und sucht eine dicke Karte um reinzubuttern."
                      : "erwartet dass der Mitspieler sticht, der Gegner aber keine Chance mehr hat und sucht eine dicke Karte.");
    const TCard fat = pickByPoints(true, nullptr, true);
    if (!isNoCard(fat)) {
      jassLog("sucht als größte passende Karte die " + cardName(fat) + ". Punkte: " + std::to_string(jassCardPoints(fat)));
      return fat.hi;
    }
    jassLog("findet keine Karte zum reinbuttern!");
    return randomLegalSlot();
  }
  jassLog("überlegt den Stich zu holen. Im Topf sind " + std::to_string(jassTrickPoints()));
  if (jassTrickPoints() > 0 && l) {
    jassLog("sucht Karte zum stechen...");
    const TCard win = jassBestWinningCard();
    if (!isNoCard(win)) {
      jassLog("sucht die billigste Karte um den Stich zu holen, die " + cardName(win) + ".");
      return win.hi;
    }
    jassLog("findet nix zum stechen!");
  }
  const TCard cheap = spieleWertlosePassendeKarte();
  if (isNoCard(cheap)) return randomLegalSlot();
  jassLog("sucht die wertloseste Karte weil er den Stich nicht mehr haben will oder der Stich verloren geht, die " +
          cardName(cheap) + ". Punkte: " + std::to_string(jassCardPoints(cheap)));
  return cheap.hi;
}

void jassChooseCard() {
  const int32_t slot = jassChooseCardSlot();
  if (slot > 0) submitCard(slot);
}

// [SECTION] the move

void jassAIMove() {
  const TDecisionBlock& bl = cg.gs.bl;
  const int32_t seat = cg.gs.akspieler, kind = bl.decisionKind;
  if (seat < 1 || seat > jassSeats) return;
  const bool options = bl.showOptions && bl.optionCount >= 1;
  if (options && (kind == 113 || kind == 114)) {
    cg.submitAction(2, 0, bl.optionValues[1]);
    return;
  }
  if (options && kind == 112) {
    // Never chosen by the computer itself; a Slalom asked of it goes high first.
    cg.submitAction(2, 0, bl.optionValues[1]);
    return;
  }
  if (options) {
    if (randomReal() <= 0.95) return;  // asked again on a later tick
    const bool pushAllowed = bl.optionValues[bl.optionCount] == jassPushAnswer;
    const int32_t suit = jassChooseTrump(seat, true, pushAllowed);
    cg.submitAction(2, 0, suit < 0 ? jassPushAnswer : suit);
    return;
  }
  if (!bl.cardsSelectable) return;
  const int32_t strength = cg.gs.seatProfiles[seat].strength;
  if (strength == 1 && seat != 3 && randomReal() < 0.3) {
    playRandomLegal("ist Anfänger und spielt zufällig eine passende Karte die ");
    return;
  }
  if (strength == 3 || seat == 3) {
    const int32_t slot = jassFindWinningCard();
    if (slot > 0) {
      submitCard(slot);
      return;
    }
  }
  int32_t slot = jassChooseCardSlot();
  if (slot < 1 || slot > stackUsed(sp[seat]) || !jassIsLegalCard(sp[seat].slots[slot].card)) {
    // Whatever the rules chose must still be a legal card of this hand.
    if (slot != 0) trace("Jass: Karte " + std::to_string(slot) + " ersetzt");
    slot = randomLegalSlot();
  }
  if (slot > 0) submitCard(slot);
}
