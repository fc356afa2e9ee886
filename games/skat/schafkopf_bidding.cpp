// Schafkopf's bidding. Phase 3 asks each seat in turn (decision 93) and evaluates the
// declarations; phase 7 lets a seat declare type (92), suit (91) and Tout (94); phase 8
// goes round the table twice, offering Kontra (44) to the opponents, then Re (63) to the
// declarer party. Answers arrive as the head's last action: the value in res_ii, the index
// of the chosen option in res_i; bl keeps the decision they answer.
//
// [SECTION] helpers
// [SECTION] phase 3: asking and evaluating
// [SECTION] phase 7: declaring
// [SECTION] phase 8: Kontra and Re
// [SECTION] the check of submitted actions
// [SECTION] the decision builder's questions
#include "games/skat/schafkopf_bidding.h"

#include <algorithm>

#include "core/cg.h"
#include "core/decision_panel.h"
#include "games/skat/schafkopf_contract.h"
#include "games/skat/schafkopf_game_step.h"
#include "games/skat/schafkopf_rules.h"
#include "games/skat/skat_services.h"
#include "games/skat/skat_state.h"
#include "shell/shell_globals.h"
#include "sound/speech.h"
#include "table/stacks.h"

// [SECTION] helpers

namespace {

TSchafkopfArea& area() { return *schafkopfArea; }
int32_t seatsInPlay() { return playerCount >= 1 ? playerCount : schafkopfSeats; }
int16_t& answer() { return cg.gs.getBlender.res_ii; }

void partyEvent(int kind, int32_t seat) { schafkopfPartyEvent(kind, seat); }
void initPartyKnowledge() {
  TSchafkopfPartyFields f = schafkopfPartyFields();
  schafkopfInitPartyKnowledge(f);
}

void sayText(const std::string& text, int32_t seat, int32_t kind) { say(text, seat, kind, false); }

void open(int32_t kind) { cg.openDecisionDialog(kind); }

void sayContract(int32_t seat) { sayText(schafkopfContractName(area().seats[seat].seatContract), seat, 101); }

}  // namespace

// [SECTION] phase 3: asking and evaluating

namespace {

void takePlayAnswer(int32_t seat) {
  TSchafkopfArea& a = area();
  TGameState& gs = cg.gs;
  a.seats[seat].answered = 1;
  int16_t ans = answer();
  if (ans == skfAskPlay || ans == skfAnswerDeclare) {
    if (a.playWishCount == 0) {
      sayText("Ich spiele", seat, 24);
      a.firstPlayWish = seat;
      a.playWishCount = 1;
    } else {
      if (ans == skfAskPlay) sayText("Ich spiele auch", seat, 25);
      a.secondPlayWish = seat;
      a.playWishCount += 1;
      if (a.playWishCount == 2) {
        gs.akspieler = a.firstPlayWish;
        gs.step -= 1;
        open(skfAskFirstSeat);
      }
      gs.phase = 7;
      gs.subStep = 0;
    }
  } else if (ans == skfAnswerWeiter) {
    sayText("Weiter", seat, 1);
  }
  gs.step += 1;
}

void startPlay() {
  TSchafkopfArea& a = area();
  TGameState& gs = cg.gs;
  gs.akspieler = schafkopfSeatBefore(gs.dealer, 1);
  a.trickPosition = 1;
  clearHand(trickBySeat);
  clearHand(trickCards);
  schafkopfApplyContract(a.highestOffer);
  initPartyKnowledge();
  gs.phase = 4;
  gs.step = 1;
  gs.subStep = 1;
  if (a.options.kontra && a.contract.type != skfNone && a.contract.type != skfRamsch) {
    gs.phase = 8;
    gs.akspieler = schafkopfSeatAfter(a.highestBidder, 1);
    gs.step = 0;
    gs.subStep = 0;
  }
}

void everybodyAsked() {
  TSchafkopfArea& a = area();
  TGameState& gs = cg.gs;
  if (a.playWishCount == 0) {
    if (a.options.ramsch) {
      sayText("Ramsch", 1, 0);
      a.highestOffer = TContractRecord{skfRamsch, 0, 0};
      schafkopfApplyContract(a.highestOffer);
      a.playWishCount = 3;
    } else {
      sayText("Kein Spiel", 1, 0);
      gs.phase = 4;
      gs.step = 77;
    }
  } else if (a.playWishCount == 1) {
    a.playWishCount = 2;
    gs.akspieler = a.firstPlayWish;
    gs.phase = 7;
    gs.subStep = 0;
  } else {
    startPlay();
  }
}

// A declaration was just made in phase 7.
void evaluateDeclaration() {
  TSchafkopfArea& a = area();
  TGameState& gs = cg.gs;
  gs.subStep = 0;
  if (a.playWishCount == 1 || a.playWishCount == 2) {
    a.highestOffer = a.seats[a.firstPlayWish].seatContract;
    a.highestBidder = a.firstPlayWish;
    sayContract(a.firstPlayWish);
    answer() = skfAnswerDeclare;
  } else if (schafkopfContractRank(a.seats[a.secondPlayWish].seatContract) > schafkopfContractRank(a.highestOffer)) {
    a.highestOffer = a.seats[a.secondPlayWish].seatContract;
    a.highestBidder = a.secondPlayWish;
    sayContract(a.secondPlayWish);
  }
  a.declarationsMade += 1;
  if (schafkopfIsHighestBid()) {
    for (int32_t s = 1; s <= seatsInPlay(); s++) a.seats[s].answered = 1;
    gs.step = 2 * seatsInPlay();
  }
}

}  // namespace

void schafkopfStepAsking() {
  TGameState& gs = cg.gs;
  int32_t n = seatsInPlay();
  if (gs.subStep >= 1) {
    evaluateDeclaration();
    return;
  }
  if (gs.step == 0) partyEvent(1, 0);
  if (gs.step >= 2 * n) {
    everybodyAsked();
  } else if (gs.step % 2 == 0) {
    schafkopfStepToNextSeat();
    open(skfAskPlay);
    gs.step += 1;
  } else {
    takePlayAnswer(gs.akspieler);
  }
}

// [SECTION] phase 7: declaring

namespace {

bool endsInOut(const std::string& caption) {
  return caption.size() >= 3 && caption.compare(caption.size() - 3, 3, "out") == 0;
}

// The first seat answered 97: pass to the second, or go on to declare.
void firstSeatAnswer(int32_t seat) {
  TSchafkopfArea& a = area();
  TGameState& gs = cg.gs;
  if (answer() != skfAnswerPass) {
    gs.bl.decisionKind = 0;
    return;
  }
  a.firstPlayWish = a.secondPlayWish;
  a.secondPlayWish = 0;
  a.highestBidder = a.firstPlayWish;
  sayText(skatLookupText("f_skat_passe"), seat, 26);
  a.playWishCount -= 1;
  gs.phase = 3;
  gs.akspieler = a.highestBidder;
  answer() = 0;
  gs.bl.decisionKind = 0;
  gs.step += 1;
}

void takeType(int32_t seat) {
  TSchafkopfArea& a = area();
  TGameState& gs = cg.gs;
  TSchafkopfSeat& me = a.seats[seat];
  if (answer() == skfAnswerPass) {
    me.seatContract.type = skfNone;
    sayText(skatLookupText("f_skat_passe"), seat, 26);
    gs.akspieler = a.secondPlayWish;
    gs.phase = 3;
    return;
  }
  me.seatContract = TContractRecord{static_cast<uint8_t>(answer()), 0, 0};
  int32_t i = gs.getBlender.res_i;
  me.contractCaption = i >= 1 && i <= decisionOptionCapacity ? gs.bl.optionTexts[i].str().substr(0, 20) : "";
  uint8_t t = me.seatContract.type;
  bool suited = t == skfSolo || t == skfFarbwenz || t == skfFarbgeier || t == skfRufspiel;
  if (!suited) answer() = 0;
  gs.subStep = suited ? 2 : 3;
}

}  // namespace

void schafkopfStepDeclaring() {
  TSchafkopfArea& a = area();
  TGameState& gs = cg.gs;
  int32_t seat = gs.akspieler;
  TSchafkopfSeat& me = a.seats[std::clamp(seat, 0, schafkopfSeats)];
  switch (gs.subStep) {
    case 0:
      if (gs.bl.decisionKind == skfAskFirstSeat) {
        firstSeatAnswer(seat);
        return;
      }
      open(skfAskContract);
      gs.subStep = 1;
      return;
    case 1: takeType(seat); return;
    case 2:
      open(skfAskSuit);
      gs.subStep = 3;
      return;
    case 3: {
      me.seatContract.suit = static_cast<uint8_t>(std::max<int16_t>(answer(), 0));
      uint8_t t = me.seatContract.type;
      bool toutPossible = t >= skfSolo && t <= skfFarbgeier;
      if (!toutPossible) answer() = skfAnswerNormal;
      gs.subStep = toutPossible ? 4 : 5;
      return;
    }
    case 4:
      if (endsInOut(me.contractCaption.str()))
        answer() = skfAskTout;
      else if (a.options.tout)
        open(skfAskTout);
      else
        answer() = 0;
      gs.subStep = 5;
      return;
    case 5:
      me.seatContract.tout = answer() == skfAskTout;
      gs.subStep = 6;
      return;
    default:
      gs.akspieler = a.secondPlayWish;
      gs.phase = 3;
      return;
  }
}

// [SECTION] phase 8: Kontra and Re

bool schafkopfCanDouble(int32_t seat) {
  const TSchafkopfArea& a = area();
  int32_t own = schafkopfPartyOf(seat, std::clamp(seat, 0, 4));
  if (cg.gs.step <= 2 * seatsInPlay()) return own == skfPartyKontra && a.options.kontra && a.kontraLevel == 0;
  return own == skfPartyRe && a.options.re && a.kontraLevel == 1;
}

void schafkopfStepDoubling() {
  TSchafkopfArea& a = area();
  TGameState& gs = cg.gs;
  int32_t n = seatsInPlay();
  int32_t seat = gs.akspieler;
  if (gs.step % 2 == 0) {
    gs.step += 1;
    if (gs.step <= 4 * n && schafkopfCanDouble(seat)) {
      open(a.kontraLevel == 1 ? skfAskRe : skfAskKontra);
    } else if (gs.step > 4 * n) {
      gs.akspieler = schafkopfSeatBefore(gs.dealer, 1);
      gs.phase = 4;
      gs.step = 1;
    } else {
      gs.step += 1;
      schafkopfStepToNextSeat();
    }
    return;
  }
  if (answer() >= 1) {
    answer() = 0;
    if (a.kontraLevel == 0) {
      a.kontraLevel = 1;
      partyEvent(4, seat);
    } else if (a.kontraLevel == 1) {
      a.kontraLevel = 2;
      partyEvent(5, seat);
    }
    TSchafkopfPartyFields f = schafkopfPartyFields();
    if (schafkopfPartiesKnown(f) && seat != 0)
      schafkopfPlayTrickComment(seat == a.soloistSeat ? skfRemarkToAll : skfRemarkToSoloist, seat, 0);
    sayText(schafkopfKontraReText(), seat, 1);
  }
  schafkopfStepToNextSeat();
  gs.step += 1;
}

// [SECTION] the check of submitted actions

namespace {

constexpr int actionCard = 0;
constexpr int actionOption = 2;
constexpr int actionTrickEnd = 4;  // the game's own notice of a finished trick
constexpr uint8_t actionUsed = 7;

bool isOffered(int32_t value) {
  const TDecisionBlock& bl = cg.gs.bl;
  if (!bl.showOptions) return false;
  for (int32_t i = 1; i <= std::min(bl.optionCount, decisionOptionCapacity); i++)
    if (bl.optionValues[i] == value) return true;
  return false;
}

std::string refusal(int kind, int32_t b) {
  const TGameState& gs = cg.gs;
  int32_t seat = gs.akspieler;
  switch (kind) {
    case actionOption:
      return isOffered(b) ? "" : "die Antwort " + std::to_string(b) + " steht nicht zur Wahl";
    case actionCard:
      if (seat < 1 || seat > seatsInPlay()) return "kein Spieler am Zug";
      if (gs.bl.decisionKind != 47 || !gs.bl.cardsSelectable) return "die Entscheidung nimmt keine Karte";
      if (b < 1 || b > stackUsed(sp[seat])) return "keine Karte an Stelle " + std::to_string(b);
      if (!schafkopfIsInLegalList(sp[seat].slots[b].card)) return "die Karte darf jetzt nicht gegeben werden";
      return {};
    case actionTrickEnd: return {};
    default: return "Aktion " + std::to_string(kind) + " gehört nicht zu Schafkopf";
  }
}

}  // namespace

void schafkopfCheckAction(int kind, int32_t a, int32_t b) {
  std::string why = refusal(kind, b);
  if (why.empty()) return;
  TGameState& gs = cg.gs;
  skatTrace("Schafkopf: abgelehnt (Spieler " + std::to_string(gs.akspieler) + ", Entscheidung " +
            std::to_string(gs.bl.decisionKind) + ", Art " + std::to_string(kind) + ", " + std::to_string(a) + ", " +
            std::to_string(b) + "): " + why);
  gs.getBlender.kind = actionUsed;
  gs.awaitingAction = 2;
  cg.showDecisionDialog(false, false);
}

// [SECTION] the decision builder's questions

void schafkopfFillAreaQueries(TGameAreaQueries& q) {
  q.schafkopfRules = [] {
    const TSchafkopfOptions& o = area().options;
    return TSchafkopfRules{area().declarationsMade == 1, bool(o.farbgeier), bool(o.farbwenz), bool(o.bettel),
                           bool(o.sie), bool(o.tout), bool(o.ownAce)};
  };
  q.schafkopfSeatsWanting = [] { return area().playWishCount; };
  q.schafkopfHighestSeat = [] { return area().playWishCount == 1 ? area().firstPlayWish : area().highestBidder; };
  q.schafkopfHighestContract = [] { return area().highestOffer; };
  q.schafkopfChosenContract = [](int32_t seat) {
    return seat >= 1 && seat <= schafkopfSeats ? area().seats[seat].seatContract : TContractRecord{};
  };
  q.schafkopfContractName = schafkopfContractName;
  q.schafkopfContractRank = schafkopfContractRank;
  q.schafkopfTariff = [] { return area().options.moneyTariff; };
  q.schafkopfHasSieHand = schafkopfHasSieHand;
}
