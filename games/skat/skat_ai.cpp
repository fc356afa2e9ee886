// The Skat computer player's answers to every decision of a computer seat: by the decision
// kind while options are offered, else by the phase (cards to play, cards to press).
//
// [SECTION] answering
// [SECTION] the Skat question
// [SECTION] Kontra and Re
// [SECTION] pressing
// [SECTION] the entry
#include "games/skat/skat_ai.h"

#include "core/cg.h"
#include "engine/engine_services.h"
#include "games/skat/skat_ai_cards.h"
#include "games/skat/skat_ai_state.h"
#include "games/skat/skat_profile.h"
#include "games/skat/skat_rules.h"
#include "games/skat/skat_state.h"
#include "table/stack_sync.h"

TSkatAISubmit skatAISubmitHook = nullptr;

// [SECTION] answering

namespace {

// Decision kinds the computer player knows, and the codes it sends without an option.
enum : int32_t {
  kindKontra = 44, kindBid = 48, kindHold = 49, kindSkat = 50, kindSkatFull = 53,
  kindPress = 54, kindGame = 55, kindAnnounce = 56, kindNull = 57, kindCard = 58,
  kindSpitze = 59, kindSkatRum = 60, kindRe = 63, kindSup = 64, kindHirsch = 65,
  kindGrandHand = 66, kindSchieben = 67, kindJungfrau = 68,
};
enum : int32_t { codeHand = 45, codeRum = 46, codeTakeSkat = 51, codeNoSpitze = 62 };

void submit(int kind, int32_t b) {
  if (skatAISubmitHook) {
    skatAISubmitHook(kind, b);
    return;
  }
  cg.submitAction(kind, 0, b);
}

// Option n of the open decision (kept within the options offered).
void answerOption(int n) {
  const TDecisionBlock& bl = cg.gs.bl;
  int count = bl.optionCount < 1 ? 1 : bl.optionCount > decisionOptionCapacity ? decisionOptionCapacity : bl.optionCount;
  if (n > count) n = count;
  if (n < 1) n = 1;
  submit(2, bl.optionValues[n]);
}

void answerCode(int32_t code) { submit(2, code); }
void answerCard(int position) { submit(0, position); }

int32_t seatToAct() {
  int32_t s = skatSeatToAct();
  return s >= 1 && s <= 3 ? s : 0;
}

// The bid value the seat is asked to bid or hold.
int32_t bidAsked() {
  int32_t i = skatArea->skatBidIndex;
  if (i < 1 || i > skatBidListCapacity) return skatArea->currentBid;
  return skatArea->skatBidList[i];
}

}  // namespace

// [SECTION] the Skat question

namespace {

// Takes up the Skat, plays Hand (pushes the Skat on in the Schieben round) or chooses Rum;
// notes Hand, the level and Rum in the game record.
void answerSkatQuestion(int32_t kind, const TSkatSeatRating& r) {
  TSkatGameRecord& g = *skatGame;
  g.handGame = 0;
  if (g.ramschGame) {
    if (r.bestGame == skatTypeNull || r.strength < 91) g.handGame = 1;
  } else {
    if (r.nullKind > 0) g.handGame = 1;
    if (r.nullKind == 2) g.level = skatLevelOffen;
    if (r.bidLimit == 46) g.handGame = 0;
    if (r.bestGame != skatTypeNull) {
      if (r.playHand) g.handGame = 1;
      if (r.announceSchneider) g.level = skatLevelSchneiderAnnounced;
      if (r.announceSchwarz) g.level = skatLevelSchwarzAnnounced;
      if (r.playOuvert) g.level = skatLevelOffen;
    }
  }
  g.rumGame = kind == kindSkatRum && r.strength >= 124 ? 1 : 0;
  // A game taken up from the Skat, through Rum too, carries no announcement; only Null
  // ouvert, which needs no Hand, keeps its level.
  const bool nullOuvert = r.bestGame == skatTypeNull && r.nullKind == 2;
  if ((g.rumGame || !g.handGame) && !nullOuvert) g.level = skatLevelNormal;
  answerCode(g.rumGame ? codeRum : g.handGame ? codeHand : codeTakeSkat);
}

// The game to declare: the option whose code is the rating's best game; the first option
// when none is (the question is answered either way).
void answerGame(const TSkatSeatRating& r) {
  const TDecisionBlock& bl = cg.gs.bl;
  for (int n = 1; n <= 7 && n <= bl.optionCount; n++) {
    if (bl.optionValues[n] == r.bestGame) {
      answerOption(n);
      return;
    }
  }
  answerOption(1);
}

void answerAnnouncement(const TSkatSeatRating& r) {
  answerOption(r.playOuvert ? 4 : r.announceSchwarz ? 3 : r.announceSchneider ? 2 : 1);
}

}  // namespace

// [SECTION] Kontra and Re

bool skatAIStrengthAnswer(TSpieler& stack, uint8_t) {
  int32_t type = skatBid->gameType;
  if (!((type >= skatTypeClubs && type <= skatTypeDiamonds) || type == skatTypeGrand)) return false;
  int32_t declarer = skatBid->declarer;
  if (declarer < 1 || declarer > 3) return false;
  int32_t seat = seatToAct();
  int32_t kont = seat ? seatProfile[seat].fields.kont : 0;
  TSkatSeatRating own = skatSeatRating(stack);
  int32_t sd = skatSeatRating(sp[declarer]).strength;
  const TSkatGameRecord& g = *skatGame;
  int32_t k = g.kontraLevel;
  if (k == 0 || k == 2) {
    int32_t t = 95 - 10 * k;
    bool ownGame = (own.bestGame >= 1 && own.bestGame <= 4) || own.bestGame == skatTypeGrand;
    if (ownGame && own.strength > sd) t += 20;
    if (g.handGame) t += 10;
    t += g.level == 1 ? 20 : g.level == 3 ? 30 : g.level == 5 ? 40 : 0;
    if (kont != 0) t = skatRound(t * ((kont - 50) / 100.0 + 1));
    return t > sd;
  }
  int32_t t = 10 * k + 105;
  if (g.handGame) t += 11;
  t += g.level == 1 ? 21 : g.level == 3 ? 31 : g.level == 5 ? 41 : 0;
  if (kont != 0) t = skatRound(t * ((50 - kont) / 100.0 + 1));
  return t < sd;
}

// [SECTION] pressing

namespace {

// A card the seat may put onto the Skat: in the Schieben round no Jack unless allowed.
bool mayPress(const TCard& c) {
  bool schieben = skatGame->schiebenRound && cg.gs.phase == 9;
  return !(schieben && c.t == rankJack && !skatArea->options.jacksMayBePushed);
}

// Moves the card to position 1 of the hand (and its slot) and presses it.
bool pressCard(TSpieler& stack, const TCard& c) {
  if (isNoCard(c) || !mayPress(c) || indexOfCard(stack.hand, c) < 1) return false;
  syncHandFromSlots(stack);
  int i = indexOfCard(stack.hand, c);
  if (i < 1) return false;
  if (i != 1) {
    swapCards(stack.hand.k[i], stack.hand.k[1]);
    syncSlotsFromHand(stack);
  }
  answerCard(1);
  return true;
}

void answerPress(TSpieler& stack) {
  THand pair{};
  skatAIChooseDiscard(stack, 1, pair);
  for (int i = 1; i <= handUsed(pair); i++)
    if (pressCard(stack, pair.k[i])) return;
  // The pair is no longer in the hand (a Null card pressed already, a Skat pushed on): the
  // weakest card that may go, so the question never stays open.
  THand rest{};
  for (int i = 1; i <= handUsed(stack.hand); i++)
    if (mayPress(stack.hand.k[i])) handaddk(rest, stack.hand.k[i]);
  TCard c = skatWeakestCard(rest);
  if (!isNoCard(c)) {
    logProtocol("Skat KI: Druecken ersatzweise");
    pressCard(stack, c);
  }
}

}  // namespace

// [SECTION] the entry

namespace {

bool answerByKind(int32_t kind, TSpieler& stack, const TSkatSeatRating& r) {
  switch (kind) {
    case kindGrandHand:
      answerOption(r.playHand && r.bestGame == skatTypeGrand && r.strength >= 134 ? 2 : 1);
      return true;
    case kindKontra: case kindRe: case kindSup: case kindHirsch:
      answerOption(skatAIStrengthAnswer(stack, 0) ? 1 : 2);
      return true;
    case kindBid: case kindHold:
      answerOption(bidAsked() > r.bidLimit ? 2 : 1);
      return true;
    case kindSkat: case kindSkatRum: case kindSchieben:
      answerSkatQuestion(kind, r);
      return true;
    case kindSpitze:
      answerCode(codeNoSpitze);
      return true;
    case kindGame:
      answerGame(r);
      return true;
    case kindAnnounce:
      answerAnnouncement(r);
      return true;
    case kindNull:
      answerOption(r.nullKind == 2 ? 2 : 1);
      return true;
    default:
      return false;
  }
}

void answerByPhase(int32_t kind, TSpieler& stack, const TSkatSeatRating& r) {
  uint8_t phase = cg.gs.phase;
  if (phase == 4 && kind == kindCard) {
    TCard c = skatAIChooseCard(stack, skatBid->cardsToPlay, 1);
    int i = indexOfCard(stack.hand, c);
    if (i >= 1) answerCard(i);
    return;
  }
  if (phase != 7 && phase != 9) return;
  if (kind == kindJungfrau) answerOption(r.bestGame == skatTypeNull && r.nullKind > 0 ? 1 : 2);
  else if (kind == kindSkatFull) answerOption(1);
  else if (kind == kindPress) answerPress(stack);
}

}  // namespace

void skatAIBuiltIn() {
  int32_t seat = seatToAct();
  if (seat == 0) return;
  TSpieler& stack = sp[seat];
  TSkatSeatRating r = skatSeatRating(stack);
  const TDecisionBlock& bl = cg.gs.bl;
  int32_t kind = bl.decisionKind;
  if (bl.showOptions) {
    if (bl.optionCount == 1) {
      answerOption(1);
      return;
    }
    if (answerByKind(kind, stack, r)) return;
  }
  answerByPhase(kind, stack, r);
}

void skatAIMove() { skatAIBuiltIn(); }

void logSkatAIInit() {
  logProtocol("initialisiereDLL(\"data\\skatai.dat\")");
  logProtocol("OK");
}
