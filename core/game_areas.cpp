// The neutral answers of the game-area questions, and the few pure rules that are known in
// full before their games exist.
#include "core/game_areas.h"

#include "core/cg.h"
#include "core/game_callbacks.h"
#include "shell/shell_globals.h"

TGameAreaQueries gameAreas;

namespace {

// Storage behind the neutral answers that hand out references.
int32_t maumauPenalty = 0;
int32_t maumauLast = 0;
THand rommeSelected{};
THand canastaSelected{};
THand heartsPass{};
LArray<uint8_t, 0, 18> variants{};

std::string doppelkopfNameOf(bool kontraSide, int32_t level) {
  switch (level) {
    case 1: return kontraSide ? "Kontra" : "Re";
    case 2: return "Keine 90";
    case 3: return "Keine 60";
    case 4: return "Keine 30";
    case 5: return "Schwarz";
    default: return {};
  }
}

// Bidding ranks by contract type; the second column with the Tout flag.
int32_t schafkopfRankOf(const TContractRecord& c) {
  static constexpr int32_t plain[9] = {0, 13, 7, 6, 5, 4, 3, 2, 1};
  static constexpr int32_t tout[9] = {0, 13, 12, 11, 10, 9, 8, 2, 1};
  if (c.type < 1 || c.type > 8) return 0;
  return c.tout ? tout[c.type] : plain[c.type];
}

bool sieHand(const THand& h) { return countRank(h, rankQueen) == 4 && countRank(h, rankJack) == 4; }

int32_t seatAtDistance(int32_t d) {
  if (playerCount <= 0) return 0;
  return ((cg.gs.akspieler - 1 + d) % playerCount + playerCount) % playerCount + 1;
}

template <class T>
std::function<T()> answer(T v) {
  return [v] { return v; };
}

}  // namespace

void resetGameAreaQueries() {
  TGameAreaQueries& q = gameAreas;
  auto no = answer(false);
  auto zero = answer<int32_t>(0);
  auto noSeat = [](int32_t) { return false; };
  auto zeroSeat = [](int32_t) { return int32_t(0); };
  q.skatNextBidValue = zero;
  q.skatCurrentBid = zero;
  q.skatPlaysForMoney = no;
  q.skatMoneyRate = zero;
  q.skatApplauds = answer(true);
  q.doppelkopfNextAnnouncementNow = zeroSeat;
  q.doppelkopfNextAnnouncementFor = zeroSeat;
  q.doppelkopfIsKontraSide = noSeat;
  q.doppelkopfAnnouncementName = doppelkopfNameOf;
  q.doppelkopfHochzeitOption = no;
  q.doppelkopfExtraSoloOption = no;
  q.doppelkopfSoloPrefix = [](int32_t, bool) { return std::string(); };
  q.schafkopfRules = answer(TSchafkopfRules{});
  q.schafkopfSeatsWanting = zero;
  q.schafkopfHighestSeat = zero;
  q.schafkopfHighestContract = answer(TContractRecord{});
  q.schafkopfChosenContract = [](int32_t) { return TContractRecord{}; };
  q.schafkopfContractName = [](const TContractRecord&) { return std::string(); };
  q.schafkopfContractRank = schafkopfRankOf;
  q.schafkopfTariff = zero;
  q.schafkopfHasSieHand = sieHand;

  q.ginUpCardPhase = no;
  q.ginSecondFlag = no;
  q.canastaCanTakePile = no;
  q.canastaMeldView = answer(TCanastaMeldView{});
  q.canastaMovesThisTurn = zero;
  q.canastaFirstMeldPlanned = no;
  q.canastaAIPlanFirstMeld = [] {};
  q.canastaAIMove = [] {};
  q.rommeSelection = []() -> THand& { return rommeSelected; };
  q.canastaSelection = []() -> THand& { return canastaSelected; };
  q.canastaClearPileFlag = [] {};
  q.ginBonusPoints = [](int32_t, int32_t) { return int32_t(0); };
  q.ginBonusText = [](int32_t) { return std::string(); };

  q.pokerActionText = [](int32_t) { return std::string(); };
  q.pokerGermanTerms = answer(true);
  q.pokerAmountToCall = zeroSeat;
  q.pokerCurrentBet = zero;
  q.pokerPotWinnersText = answer(std::string());
  q.pokerOptionEnabled = [](int32_t, int32_t) { return true; };
  q.pokerSeatOut = noSeat;
  q.pokerPotLimit = no;
  q.pokerSplitLimit = no;
  q.pokerSeatPlace = zeroSeat;
  q.pokerSeatOutAfter = zeroSeat;
  q.pokerBigBlind = zero;
  q.pokerBlindEvery = zero;
  q.blackjackBet = zero;
  q.blackjackCanDouble = no;
  q.blackjackDealerCardUp = no;
  q.schnapsenTalonClosed = no;
  q.schnapsenMayClose = no;
  q.schnapsenMayExchange = no;
  q.schnapsenTrumpExchangeCard = zeroSeat;
  q.jassObenabe = no;
  q.jassUndenufe = no;
  q.jassSlalom = no;
  q.jassWeis = answer(TJassWeis{});

  q.maumauPenaltyCounter = []() -> int32_t& { return maumauPenalty; };
  q.maumauLastDecision = []() -> int32_t& { return maumauLast; };
  q.maumauStackDraw = no;
  q.maumauStackSkip = no;
  q.maumauSaidMau = noSeat;
  q.maumauPlayableCards = [](THand& out) { clearHand(out); return int32_t(0); };
  q.heartsPassDirection = answer<int32_t>(1);
  q.heartsPassPile = answer<int32_t>(11);
  q.heartsShowPassPrompt = [] {};
  q.heartsPassList = []() -> THand& { return heartsPass; };
  q.goFishSeatFromCurrent = seatAtDistance;
  q.goFishFlag = no;
  q.goFishAskedRank = zero;
  q.oldMaidFirstCount = zero;
  q.oldMaidRank = zero;
  q.oldMaidNextSeatWithCards = zero;
  q.oldMaidDrawFromAny = no;

  q.setVariantFlag = [](uint8_t id, bool on) {
    if (id <= 18) variants[id] = on ? 1 : 0;
  };
  q.variantFlag = [](uint8_t id) { return id <= 18 && variants[id] != 0; };
  q.schnapsenStartValue = zero;
  maumauPenalty = maumauLast = 0;
  variants = {};
  applyRegisteredAreaAnswers(q);
}

namespace {
// The neutral answers are in force from the start.
const bool installed = (resetGameAreaQueries(), true);
}  // namespace
