// Jass's game flow: the deal (all at once, or three cards at a time), the mode choice with
// one push to the partner and the Slalom direction, nine tricks with the Weis declared in the
// first, the Weis phase after it, the bookings of every trick and the end of the deal. One
// switch over the phase and the sub-state; every step waits for the card move it started.
//
// [SECTION] the deal
// [SECTION] the mode choice
// [SECTION] tricks
// [SECTION] the Weis phase
// [SECTION] new game, step and resume
// [SECTION] checking answers
// [SECTION] the table's questions and the overlay
#include "games/family/jass_game.h"

#include "core/card_order.h"
#include "core/cg.h"
#include "engine/dialogs.h"
#include "engine/elements.h"
#include "engine/engine_services.h"
#include "games/family/jass_results.h"
#include "games/family/jass_rules.h"
#include "games/family/jass_weis.h"
#include "platform/random.h"
#include "shell/env_param.h"
#include "shell/game_dialogs.h"
#include "shell/table_textures.h"
#include "sound/speech.h"
#include "table/deal_moves.h"
#include "table/move_queue.h"
#include "table/stack_sync.h"
#include "table/stacks.h"

namespace {

int32_t markedSeat = 0;  // the seat marked last by jassUpdateButtons
int32_t modeIcon = 0;    // the suit or mode icon shown last

constexpr uint8_t noAction = 255;  // getBlender kind of an answer already taken

bool dealsBackwards() { return envParam.playDirection == 2; }

int32_t answer() { return cg.gs.getBlender.res_ii; }

// [SECTION] the deal

void dealAtOnce() {
  TGameState& gs = cg.gs;
  const int32_t top = stackUsed(sp[jassStockStack]);
  for (int32_t i = 1; i <= jassSeats; i++) {
    const int32_t seat = dealsBackwards() ? seatBefore(gs.dealer, i) : seatAfter(gs.dealer, i);
    gethand(seat, 9, (i - 1) * 9, (i - 1) * 0.25f, jassStockStack, 0);
  }
  noteCoreMove(jassStockStack, top - 36 + 1);
  gs.step = 12;
}

void dealThree() {
  TGameState& gs = cg.gs;
  if (dealsBackwards())
    jassPrevSeat();
  else
    jassNextSeat();
  gs.step += 1;
  const int32_t top = stackUsed(sp[jassStockStack]);
  gethand(gs.akspieler, 3, 0, 0.0f, jassStockStack, 0);
  noteCoreMove(jassStockStack, top - 3 + 1);
}

void stepDeal() {
  TGameState& gs = cg.gs;
  if (gs.step < 12) {
    if (gs.dealStyle != 1) {
      dealThree();
      return;
    }
    dealAtOnce();
  }
  gs.step = 0;
  gs.subStep = 0;
  gs.phase = jassPhaseMode;
  gs.subState = jassAskCard;
  jassPrevSeat();
  jassArea().trumpChooser = gs.akspieler;
}

// [SECTION] the mode choice

void startTricks(int32_t mode) {
  TGameState& gs = cg.gs;
  TJassState& a = jassArea();
  jassSetMode(mode);
  say(jassModeName(a.mode), gs.akspieler, 0, false);
  gs.phase = jassPhaseTricks;
  gs.step = 1;
  gs.subState = jassAskCard;
  a.trickPosition = 1;
  clearHand(a.trick);
  clearHand(a.playedCards);
  gs.akspieler = a.trumpChooser;
}

void stepMode() {
  TGameState& gs = cg.gs;
  const int32_t situation = gs.bl.decisionKind;
  if (gs.subState == jassAsked && gs.getBlender.kind == 2 && (situation == 110 || situation == 112)) {
    const int32_t v = answer();
    gs.getBlender.kind = noAction;
    if (v == jassSlalom && situation == 110) {
      cg.openDecisionDialog(112);
    } else if (v == jassPushAnswer) {
      say("Schiebt", gs.akspieler, 0, false);
      jassPrevSeat();
      jassPrevSeat();
      gs.step += 1;
      gs.subState = jassAskCard;
    } else {
      startTricks(v);
    }
    return;
  }
  if (gs.subState == jassAskCard && gs.step == 0) {
    for (int32_t s = 1; s <= jassSeats; s++) {
      syncHandFromSlots(sp[s]);
      jassArea().dealtHands[s] = sp[s].hand;
    }
    cg.openDecisionDialog(110);
    return;
  }
  cg.openDecisionDialog(111);
}

// [SECTION] tricks

void askCard() {
  TGameState& gs = cg.gs;
  TJassState& a = jassArea();
  jassApplyRankOrder(false);
  jassLegalCards(0, 0, a.legalCards);
  a.actingHand = sp[gs.akspieler].hand;
  gs.step = 2;
  if (a.tricksDone == 0) {
    jassCollectWeisOptions();
    cg.openDecisionDialog(113);
  } else {
    cg.openDecisionDialog(47);
  }
}

void declareWeis() {
  TGameState& gs = cg.gs;
  TJassState& a = jassArea();
  const int32_t seat = gs.akspieler, v = answer();
  gs.getBlender.kind = noAction;
  a.declaredWeis[seat] = v;
  if (v > a.bestWeis) a.bestWeisCount = 1;
  else if (v == a.bestWeis) a.bestWeisCount += 1;
  a.bestWeis = std::max(a.bestWeis, v);
  say(std::to_string(v), seat, 0, false);
  jassWeisKind(seat, v, a.weisCards[seat]);
  cg.openDecisionDialog(47);
}

void playAnsweredCard() {
  TGameState& gs = cg.gs;
  TJassState& a = jassArea();
  const int32_t seat = gs.akspieler, index = answer();
  gs.getBlender.kind = noAction;
  TCard card = sp[seat].slots[index].card;
  a.playedCard = card;
  jassCheckStoeck(seat, card);
  const int32_t slot = playCardToTrick(seat, index, jassTrickStack, 0);
  if (slot < 1) {
    trace("Jass: Karte " + std::to_string(index) + " von Spieler " + std::to_string(seat) +
          " konnte nicht gespielt werden");
    gs.subState = jassAskCard;
    return;
  }
  noteCoreMove(seat, slot);
  // The hand as it stays: the table keeps the played card's slot for Jass's own stored card,
  // so the step writes the seat's remaining cards back once the card has landed.
  a.actingHand = sp[seat].hand;
  removeCard(a.actingHand, card);
  gs.step = 3;
  gs.subState = jassCardPlayed;
  card.hi = int16_t(seat);
  handaddk(a.trick, card);
  handaddk(a.playedCards, card);
}

void cardPlayed() {
  TGameState& gs = cg.gs;
  TJassState& a = jassArea();
  const int32_t played = handUsed(a.trick) > 0 ? a.trick.k[handUsed(a.trick)].hi : 0;
  if (played >= 1 && played <= jassSeats) {
    sp[played].hand = a.actingHand;
    renumberHand(sp[played].hand);
    syncSlotsFromHand(sp[played]);
  }
  if (a.trickPosition >= jassSeats) {
    say("", gs.akspieler, 0, false);
    gs.subState = jassTrickFull;
    return;
  }
  jassPrevSeat();
  a.trickPosition += 1;
  gs.subState = jassAskCard;
  gs.step = 1;
}

void resolveTrick() {
  TGameState& gs = cg.gs;
  TJassState& a = jassArea();
  if (a.bestWeisCount > 0) {
    a.weisStage = 0;
    gs.step = 0;
    gs.subStep = jassWeisPhase;
    return;
  }
  a.trickWinner = jassTrickWinningCard().hi;
  gs.akspieler = a.trickWinner;
  jassClearNotes();
  if (jassBookInCountingOrder())
    gs.step = jassDealOver;
  else
    gs.subState = jassCollect;
}

void collectTrick() {
  TGameState& gs = cg.gs;
  TJassState& a = jassArea();
  const int32_t pile = a.trickWinner + jassPileOffset;
  const int32_t base = stackUsed(sp[pile]), n = stackUsed(sp[jassTrickStack]);
  for (int32_t k = 0; k < n; k++)
    movecard(jassTrickStack, n - k, pile, base + 1 + k, 0, 2, moveCollect, 0.1f * k, 0, 0.0f);
  if (n >= 1) noteCoreMove(jassTrickStack, 1);
  a.tricksDone += 1;
  clearHand(a.trick);
  a.trickPosition = 1;
  gs.subState = jassAskCard;
  gs.step = 1;
  if (stackUsed(sp[1]) == 0) {
    a.lastTrickSeat = a.trickWinner;
    a.lastTrickBonus[a.trickWinner] += 5;
    gs.step = jassDealOver;
  }
}

// [SECTION] the Weis phase

// Tie-break of equal declarations, level by level; a seat that declared less takes no part.
void breakTie() {
  TGameState& gs = cg.gs;
  TJassState& a = jassArea();
  if (gs.step < a.bestWeisCount) {
    for (int k = 0; k < jassSeats; k++) {
      jassPrevSeat();
      if (a.declaredWeis[gs.akspieler] == a.bestWeis) break;
    }
    const int32_t seat = gs.akspieler;
    std::string name;
    jassWeisName(a.weisCards[seat], a.weisStage + 1, seat, name);
    say(name, seat, 0, false);
    a.weisTieKey[seat] = jassWeisTieKey(a.weisCards[seat], a.weisStage + 1, seat);
    gs.step += 1;
    return;
  }
  int32_t highest = -1;
  for (int32_t s = 1; s <= jassSeats; s++)
    if (a.declaredWeis[s] == a.bestWeis) highest = std::max(highest, a.weisTieKey[s]);
  for (int32_t s = 1; s <= jassSeats; s++)
    if (a.declaredWeis[s] == a.bestWeis && a.weisTieKey[s] < highest) {
      a.declaredWeis[s] = a.weisTieKey[s] = 0;
      a.bestWeisCount -= 1;
    }
  if (a.bestWeisCount > 1) {
    a.weisStage += 1;
    gs.step = 0;
    return;
  }
  for (int32_t s = 1; s <= jassSeats; s++)
    if (a.declaredWeis[s] == a.bestWeis) gs.akspieler = s;
  say("Hat Vorrang", gs.akspieler, 0, false);
}

void answerFurtherWeis() {
  TGameState& gs = cg.gs;
  TJassState& a = jassArea();
  if (gs.getBlender.kind != 2) {
    jassCollectWeisOptions();
    cg.openDecisionDialog(114);
    return;
  }
  const int32_t seat = gs.akspieler, v = answer();
  gs.getBlender.kind = noAction;
  if (v == 0) {
    a.weisStage = 98;
  } else {
    jassWeisKind(seat, v, a.weisCards[seat]);
    a.declaredWeis[seat] = v;
    a.weisStage = 10;
  }
  gs.subState = jassCardPlayed;
}

void endWeisPhase() {
  jassArea().bestWeisCount = 0;
  jassArea().weisStage = 99;
  cg.gs.subStep = 0;
}

void stepWeis() {
  TGameState& gs = cg.gs;
  TJassState& a = jassArea();
  const int32_t seat = gs.akspieler;
  if (gs.subState == jassAsked) {
    answerFurtherWeis();
    return;
  }
  if (a.weisStage < 10) {
    if (a.bestWeisCount > 1) {
      breakTie();
      return;
    }
    a.weisStage = 99;  // nobody holds the best Weis any more: nothing to show
    for (int32_t s = 1; s <= jassSeats && a.weisWinner == 0; s++)
      if (a.declaredWeis[s] == a.bestWeis && a.bestWeis > 0) {
        gs.akspieler = a.weisWinner = s;
        a.weisStage = 10;
      }
    if (a.weisStage == 99) endWeisPhase();
    return;
  }
  std::string text;
  switch (a.weisStage) {
    case 10:
      jassWeisName(a.weisCards[seat], 5, seat, text);
      say(text, seat, 0, false);
      removeAllOfHand(a.dealtHands[seat], a.weisCards[seat]);
      a.weisStage = 20;
      break;
    case 20:
      say("+" + std::to_string(a.declaredWeis[seat]) + " Punkte", seat, 0, false);
      a.pendingWeis[seat] += a.declaredWeis[seat];
      a.weisStage = 30;
      break;
    case 30:
      a.bestWeis = 0;
      jassCollectWeisOptions();
      if (a.weisOptionCount > 0)
        cg.openDecisionDialog(114);
      else
        a.weisStage = 98;
      break;
    case 98:
      if (seat == a.weisWinner) {
        jassPrevSeat();
        jassPrevSeat();
        a.weisStage = 30;
      } else {
        a.weisStage = 99;
      }
      break;
    default: endWeisPhase(); break;
  }
}

void stepTricks() {
  TGameState& gs = cg.gs;
  for (int s = 1; s <= jassSeats; s++) syncHandFromSlots(sp[s]);
  if (gs.subStep == jassWeisPhase) {
    stepWeis();
    return;
  }
  if (gs.step == jassDealOver) {
    cg.setMenuButtonCaption(2);
    jassFinishRound();
    return;
  }
  switch (gs.subState) {
    case jassAskCard: askCard(); break;
    case jassAsked: {
      const int32_t situation = gs.bl.decisionKind;
      if (gs.getBlender.kind == 2 && (situation == 113 || situation == 115)) declareWeis();
      else if (gs.getBlender.kind == 0) playAnsweredCard();
      break;
    }
    case jassCardPlayed: cardPlayed(); break;
    case jassTrickFull: resolveTrick(); break;
    case jassCollect: collectTrick(); break;
    default: break;
  }
}

}  // namespace

// [SECTION] new game, step and resume

void jassNewGame(bool newList) {
  TJassState& a = jassArea();
  if (newList) jassReadOptions();
  cg.prepareNewGame();
  for (int s = 1; s <= 13; s++) sp[s].count = 0, clearHand(sp[s].hand);
  for (int32_t s = 1; s <= jassSeats; s++) {
    a.weisPoints[s] = a.trickPoints[s] = a.stoeckPoints[s] = 0;
    a.pendingWeis[s] = a.pendingStoeck[s] = a.lastTrickBonus[s] = 0;
    for (int32_t suit = 1; suit <= 4; suit++) a.stoeckState[s][suit] = 0;
    a.declaredWeis[s] = a.weisTieKey[s] = 0;
    clearHand(a.weisCards[s]);
    clearHand(a.dealtHands[s]);
  }
  jassClearNotes();
  clearHand(a.trick);
  clearHand(a.legalCards);
  a.bestWeis = a.bestWeisCount = a.tricksDone = a.weisStage = a.weisWinner = 0;
  a.trickWinner = a.lastTrickSeat = a.weisOptionCount = 0;
  a.mode = jassModeNone;
  jassRankOrder(false, false, false);
  jassBuildDeck();
  TGameState& gs = cg.gs;
  if (newList) {
    markedSeat = 1;
    gs.gamesPlayed = 0;
    gs.dealer = a.firstDealer >= 1 && a.firstDealer <= jassSeats ? a.firstDealer : 1 + randomBelow(jassSeats);
  } else {
    gs.dealer = seatBefore(gs.dealer, 1);
  }
  gs.akspieler = gs.dealer;
  gs.step = 0;
  gs.subStep = 0;
}

void jassGameStep(TGameState& gs) {
  gs.gameCounter += 1;
  switch (gs.phase) {
    case jassPhaseStart:
      gs.phase = jassPhaseDeal;
      gs.step = 0;
      gs.subStep = 0;
      break;
    case jassPhaseDeal: stepDeal(); break;
    case jassPhaseMode: stepMode(); break;
    case jassPhaseTricks: stepTricks(); break;
    default: break;
  }
  jassUpdateButtons();
}

void jassResume() {
  TJassState& a = jassArea();
  // The order of the trick under way: Undenufe and the Slaloms differ from the natural one.
  jassApplyRankOrder(false);
  const THand& t = a.trick;
  for (int i = 1; i <= handUsed(t) && i <= stackUsed(sp[jassTrickStack]); i++) {
    TCardSlot& slot = sp[jassTrickStack].slots[i];
    setPlacement(slot, scatterTrickCard(t.k[i].hi, 0));
    slot.pose.z = float(i - 97);
  }
  if (cg.gs.phase == jassPhaseTricks && cg.gs.akspieler >= 1 && cg.gs.akspieler <= jassSeats) {
    syncHandFromSlots(sp[cg.gs.akspieler]);
    a.actingHand = sp[cg.gs.akspieler].hand;
    jassLegalCards(0, 0, a.legalCards);
  }
  jassUpdateButtons();
}

// [SECTION] checking answers

namespace {

bool offered(int32_t b) {
  const TDecisionBlock& bl = cg.gs.bl;
  if (!bl.showOptions) return false;
  for (int i = 1; i <= bl.optionCount && i <= 8; i++)
    if (bl.optionValues[i] == b) return true;
  return false;
}

bool cardAsked() {
  const int32_t k = cg.gs.bl.decisionKind;
  return cg.gs.phase == jassPhaseTricks && cg.gs.subStep != jassWeisPhase && (k == 113 || k == 115 || k == 47);
}

bool optionAsked() {
  const int32_t k = cg.gs.bl.decisionKind;
  if (cg.gs.phase == jassPhaseMode) return k == 110 || k == 112;
  if (cg.gs.subStep == jassWeisPhase) return k == 114;
  return cg.gs.phase == jassPhaseTricks && k == 113;
}

std::string actionRefusal(int kind, int32_t b) {
  const int32_t seat = cg.gs.akspieler;
  if (seat < 1 || seat > jassSeats) return "kein Spieler am Zug";
  if (cg.gs.subState != jassAsked) return "keine Entscheidung offen";
  const std::string decision = std::to_string(cg.gs.bl.decisionKind);
  if (kind == 0) {
    if (!cardAsked()) return "die Entscheidung " + decision + " nimmt keine Karte";
    if (b < 1 || b > stackUsed(sp[seat])) return "keine Karte an Stelle " + std::to_string(b);
    if (!jassIsInLegalList(sp[seat].slots[b].card)) return "die Karte darf jetzt nicht gespielt werden";
    return {};
  }
  if (kind == 2) {
    if (!optionAsked()) return "die Entscheidung " + decision + " nimmt keine Antwort";
    if (!offered(b)) return "die Antwort " + std::to_string(b) + " steht nicht zur Wahl";
    return {};
  }
  return "Aktion " + std::to_string(kind) + " gehört nicht zu Jass";
}

}  // namespace

bool jassCheckAction(int kind, int32_t a, int32_t b) {
  const std::string why = actionRefusal(kind, b);
  if (why.empty()) return true;
  trace("Jass: abgelehnt (Spieler " + std::to_string(cg.gs.akspieler) + ", Entscheidung " +
        std::to_string(cg.gs.bl.decisionKind) + ", Art " + std::to_string(kind) + ", " + std::to_string(a) +
        ", " + std::to_string(b) + "): " + why);
  cg.gs.getBlender.kind = noAction;
  cg.gs.awaitingAction = 2;
  cg.showDecisionDialog(false, false);
  return false;
}

// [SECTION] the table's questions and the overlay

bool jassIsLegalFollow(const TCard& card, const TCard& lead) {
  return cg.gs.phase == jassPhaseTricks && jassLegalFollow(card, lead, jassArea().actingHand);
}

bool jassIsLegalCard(const TCard& card) { return cg.gs.phase == jassPhaseTricks && jassIsInLegalList(card); }

std::string jassScoreText() {
  std::string text;
  for (int32_t team = 1; team <= 2; team++)
    text += cg.seatName(team) + " + " + cg.seatName(team + 2) + ": " + std::to_string(jassTeamScore(team)) + "\r";
  return text;
}

void jassUpdateButtons() {
  const TGameState& gs = cg.gs;
  const TJassState& a = jassArea();
  const int32_t seat = gs.akspieler;
  const bool playing = gs.phase == jassPhaseTricks;
  modeIcon = 0;
  if (playing || stackUsed(sp[13]) > 0) {
    if (a.mode >= 1 && a.mode <= 4) modeIcon = a.mode;
    else if (a.mode >= jassObenabe && a.mode <= jassSlalomUndenufe && a.mode != jassSlalom) modeIcon = a.mode;
    else if (stackUsed(sp[13]) > 0) modeIcon = sp[13].slots[1].card.f;
  }
  markedSeat = playing && seat >= 1 && seat <= jassSeats ? seat : 0;
  if (dlgIPanel == 0) return;
  setDialogOpen(dlgIPanel, 1);
  for (int i = 1; i <= 8; i++) setElementShown(dlgIPanel, i, 0), setElementEnabled(dlgIPanel, i, 1);
  for (int i = 1; i <= 4; i++)
    if (elSuitIcons[i] != 0) setElementVisible(dlgIPanel, elSuitIcons[i], 0);
  if (modeIcon >= 1 && modeIcon <= 4 && elSuitIcons[modeIcon] != 0) setElementVisible(dlgIPanel, elSuitIcons[modeIcon], 1);
  // The mode pictures' textures are not loaded by anything yet: the first icon stays hidden.
  if (jassModePicture() != 0) logNotAvailable("Jass mode picture");
  for (int32_t s = 1; s <= jassSeats; s++) {
    if (elTurnMarker[s] == 0) continue;
    setElementPicture(dlgIPanel, elTurnMarker[s], texTurnMarker);
    setElementVisible(dlgIPanel, elTurnMarker[s], s == markedSeat ? 1 : 0);
  }
  if (elTableInfoText != 0) {
    setElementText(dlgIPanel, elTableInfoText, jassScoreText(), 0);
    setElementVisible(dlgIPanel, elTableInfoText, gs.phase == 5 ? 0 : 1);
  }
}

int32_t jassMarkedSeat() { return markedSeat; }
int32_t jassModeIcon() { return modeIcon; }
int32_t jassModePicture() {
  switch (modeIcon) {
    case jassObenabe: return 1;
    case jassUndenufe: return 2;
    case jassSlalomObenabe: return 3;
    case jassSlalomUndenufe: return 4;
    default: return 0;
  }
}
