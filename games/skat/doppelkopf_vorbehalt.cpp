// Doppelkopf before the first card: every seat says "Gesund" or "Vorbehalt", the seats with
// a Vorbehalt choose a solo or, holding both Kreuz-Damen, a Hochzeit; the soloist names his
// solo; then the seats may announce in turn from the leading seat on.
//
// [SECTION] phase 3: Vorbehalt
// [SECTION] phase 7: solo and Hochzeit
// [SECTION] phase 8: announcements before the first card
// [SECTION] the check of accepted actions
// [SECTION] the decision builder's questions
#include "games/skat/doppelkopf_vorbehalt.h"

#include <algorithm>
#include <string>

#include "core/card_names.h"
#include "core/card_order.h"
#include "core/cg.h"
#include "core/game_areas.h"
#include "games/skat/doppelkopf_announce.h"
#include "games/skat/doppelkopf_party.h"
#include "games/skat/doppelkopf_rules.h"
#include "games/skat/doppelkopf_state.h"
#include "games/skat/skat_services.h"
#include "games/skat/skat_state.h"
#include "shell/env_param.h"
#include "shell/shell_globals.h"
#include "table/stack_sync.h"
#include "table/stacks.h"

namespace {

// Answer values of the decisions.
constexpr int32_t answerGesund = 66;
constexpr int32_t answerVorbehalt = 84;
constexpr int32_t answerSolo = 86;
constexpr int32_t answerHochzeit = 87;
constexpr int32_t answerAnnounce = 89;

constexpr uint8_t actionCard = 0;
constexpr uint8_t actionOption = 2;
constexpr uint8_t actionTrickEnd = 4;
constexpr uint8_t actionUsed = 7;

TDoppelkopfArea& area() { return *doppelkopfArea; }
int32_t& seatToAct() { return cg.gs.akspieler; }
int32_t answer() { return cg.gs.getBlender.res_ii; }
void say(const std::string& text, int32_t kind) { skatSay(text, seatToAct(), kind); }
int32_t seats() { return playerCount >= 1 ? playerCount : 4; }

}  // namespace

// [SECTION] phase 3: Vorbehalt

namespace {

// Step s >= 2n, even: the next seat with a Vorbehalt is asked how it wants to play.
void askNextReservation(int32_t& s) {
  const int32_t n = seats();
  s -= 2;
  do {
    doppelkopfStepToNextSeat();
    s += 2;
  } while (!area().seats[seatToAct()].vorbehalt && s < 4 * n);
  // Set anew for every seat asked: only a seat holding both may be offered the Hochzeit.
  doppelkopfGameWide().bothKreuzDamen = countCard(sp[seatToAct()].hand, makeCard(rankQueen, suitClubs)) == 2;
  area().hochzeitSeat = area().hochzeitPartner = 0;
  if (s < 4 * n) {
    cg.openDecisionDialog(84);
  } else {
    s = -1;
    cg.gs.phase = doppelkopfPhaseSolo;
  }
}

}  // namespace

void doppelkopfStepVorbehalt() {
  int32_t& s = cg.gs.step;
  const int32_t n = seats();
  if (s == 0) doppelkopfPartyEvent(1, 0);
  TDoppelkopfSeat& seat = area().seats[std::clamp(seatToAct(), 0, 4)];
  if (s < 2 * n && s % 2 == 0) {
    doppelkopfStepToNextSeat();
    area().seats[seatToAct()].vorbehalt = 0;
    cg.openDecisionDialog(66);
  } else if (s < 2 * n) {
    const bool gesund = answer() == answerGesund;
    say(gesund ? "Gesund" : "Vorbehalt", gesund ? 13 : 1);
    seat.vorbehalt = gesund ? 0 : 1;
  } else if (s % 2 == 1) {
    seat.hochzeitWish = answer() == answerHochzeit;
    seat.soloWish = answer() == answerSolo;
  } else {
    askNextReservation(s);
  }
  s++;
}

// [SECTION] phase 7: solo and Hochzeit

namespace {

// The seats in order from the dealer's left, the dealer last: the last with a solo wish
// plays it; without one, the last with a Hochzeit wish.
void chooseGame() {
  TDoppelkopfArea& a = area();
  a.doppelkopfSoloType = doppelkopfNormalGame;
  int32_t hochzeit = 0;
  for (int32_t i = 1; i <= seats(); i++) {
    const int32_t seat = doppelkopfSeatAfter(cg.gs.dealer, i);
    seatToAct() = seat;
    if (a.seats[seat].soloWish) a.doppelkopfSoloist = seat, a.doppelkopfSoloType = doppelkopfSoloPending;
    if (a.seats[seat].hochzeitWish) hochzeit = seat;
  }
  if (a.doppelkopfSoloType == doppelkopfSoloPending) {
    seatToAct() = a.doppelkopfSoloist;
    cg.openDecisionDialog(88);
    cg.gs.step = 2;
    return;
  }
  if (hochzeit != 0) {
    a.doppelkopfSoloist = a.hochzeitSeat = hochzeit;
    seatToAct() = hochzeit;
    doppelkopfPartyEvent(5, hochzeit);
    say("Hochzeit mit 1. fremden Stich", 1);
  }
  cg.gs.step = 3;
}

void soloChosen() {
  TDoppelkopfArea& a = area();
  a.doppelkopfSoloType = answer();
  doppelkopfBuildTrumpOrder();
  sortSlotsByValue(sp[1], 0, 0, false);
  syncHandFromSlots(sp[1]);
  doppelkopfPartyEvent(1, 0);
  say(doppelkopfSoloName(a.doppelkopfSoloType), 100);
  cg.gs.step = 3;
}

}  // namespace

int32_t doppelkopfLeadingSeat() {
  const TDoppelkopfArea& a = area();
  if (!doppelkopfIsNormalGame()) {
    if (a.options.soloLead == doppelkopfLeadSoloist) return a.doppelkopfSoloist;
    if (a.options.soloLead == doppelkopfLeadNotSoloist) return doppelkopfSeatAfter(a.doppelkopfSoloist, 1);
  }
  return doppelkopfSeatAfter(cg.gs.dealer, 1);
}

namespace {

// The leading seat; it may announce before its first card.
void startPlay() {
  TDoppelkopfArea& a = area();
  TGameState& gs = cg.gs;
  seatToAct() = doppelkopfLeadingSeat();
  gs.subStep = 1;
  gs.step = 1;
  gs.phase = doppelkopfPhaseTricks;
  if (doppelkopfNextAnnouncementNow(seatToAct())) {
    gs.phase = doppelkopfPhaseAnnouncements;
    gs.step = 0;
    gs.subStep = 0;
  }
  a.trickPosition = 1;
  clearHand(trickBySeat);
  clearHand(trickCards);
  doppelkopfBuildTrumpOrder();
}

}  // namespace

void doppelkopfStepSolo() {
  switch (cg.gs.step) {
    case 0: chooseGame(); break;
    case 2: soloChosen(); break;
    case 3: startPlay(); break;
    default: cg.gs.step = 0; break;
  }
}

// [SECTION] phase 8: announcements before the first card

void doppelkopfStepAnnouncements() {
  TGameState& gs = cg.gs;
  int32_t& s = gs.step;
  if (s % 2 == 0) {
    s++;
    if (s > 2 * seats() || !doppelkopfNextAnnouncementNow(seatToAct())) {
      // The questions went round from the leading seat: it leads the first trick, whoever
      // was asked last.
      gs.phase = doppelkopfPhaseTricks;
      gs.step = 1;
      gs.subStep = 1;  // the first trick
      seatToAct() = doppelkopfLeadingSeat();
    } else {
      cg.openDecisionDialog(89);
    }
    return;
  }
  if (answer() == answerAnnounce) {
    const int32_t seat = seatToAct();
    doppelkopfAnnounce(seat);
    if (!doppelkopfIsNormalGame()) {
      const bool soloist = seat == area().doppelkopfSoloist;
      doppelkopfPlayTrickComment(soloist ? 6 : 5, seat, doppelkopfAnnouncementLevel(!soloist));
    }
    s -= 2;
    gs.subStep = 1;
  } else {
    if (gs.subStep < 1) say("Keine Ansage", 0);
    gs.subStep = 0;
    doppelkopfStepToNextSeat();
  }
  s++;
}

// [SECTION] the check of accepted actions

namespace {

bool isOffered(int32_t value) {
  const TDecisionBlock& bl = cg.gs.bl;
  if (!bl.showOptions) return false;
  for (int32_t i = 1; i <= std::min(bl.optionCount, decisionOptionCapacity); i++)
    if (bl.optionValues[i] == value) return true;
  return false;
}

std::string cardRefusal(int32_t slot) {
  const int32_t seat = seatToAct();
  if (seat < 1 || seat > 4) return "kein Spieler am Zug";
  if (cg.gs.bl.decisionKind != 47) return "die Entscheidung " + std::to_string(cg.gs.bl.decisionKind) + " nimmt keine Karte";
  if (slot < 1 || slot > stackUsed(sp[seat])) return "keine Karte an Stelle " + std::to_string(slot);
  if (!doppelkopfIsInLegalList(sp[seat].slots[slot].card)) return "die Karte darf jetzt nicht gegeben werden";
  return {};
}

std::string actionRefusal(int kind, int32_t b) {
  switch (kind) {
    case actionCard: return cardRefusal(b);
    case actionOption: return isOffered(b) ? std::string() : "die Antwort " + std::to_string(b) + " steht nicht zur Wahl";
    case actionTrickEnd: return {};
    default: return "Aktion " + std::to_string(kind) + " gehört nicht zu Doppelkopf";
  }
}

}  // namespace

bool doppelkopfCheckAction(int kind, int32_t a, int32_t b) {
  const std::string why = actionRefusal(kind, b);
  if (why.empty()) return true;
  skatTrace("Doppelkopf: abgelehnt (Spieler " + std::to_string(seatToAct()) + ", Entscheidung " +
            std::to_string(cg.gs.bl.decisionKind) + ", Art " + std::to_string(kind) + ", " + std::to_string(a) +
            ", " + std::to_string(b) + "): " + why);
  cg.gs.getBlender.kind = actionUsed;
  cg.gs.awaitingAction = 2;
  cg.showDecisionDialog(false, false);
  return false;
}

// [SECTION] the decision builder's questions

void doppelkopfInstallAreaQueries(TGameAreaQueries& q) {
  q.doppelkopfNextAnnouncementNow = [](int32_t seat) {
    return doppelkopfNextAnnouncementNow(seat) ? doppelkopfNextAnnouncementFor(seat) : 0;
  };
  q.doppelkopfNextAnnouncementFor = doppelkopfNextAnnouncementFor;
  q.doppelkopfIsKontraSide = doppelkopfIsKontraSide;
  q.doppelkopfAnnouncementName = doppelkopfAnnouncementName;
  q.doppelkopfHochzeitOption = [] { return doppelkopfGameWide().bothKreuzDamen != 0; };
  q.doppelkopfExtraSoloOption = [] { return doppelkopfArea->options.bubenDamenSolo != 0; };
  // Decision 88 offers the short Buben-Damen word, the Dame and the Bube word as they are.
  q.doppelkopfSoloPrefix = [](int32_t type, bool) {
    const int style = std::clamp(envParam.cardStyle, 1, 3);
    if (type == doppelkopfDamenSolo) return rankNameTable[style][rankQueen];
    if (type == doppelkopfBubenSolo) return rankNameTable[style][rankJack];
    return doppelkopfSoloPrefix(type, true);
  };
}
