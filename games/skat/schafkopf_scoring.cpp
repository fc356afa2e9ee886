// Schafkopf's scoring. Cases in this order: no game (all cards still in the hands), Ramsch
// (the seat with most Augen pays), then every declared contract: won by more than 60
// Augen (Bettel: no trick; Tout: every trick), the start value, Schneider or Schwarz,
// Laufende, Tout, Sie, Kontra and Re; the lone player pays or gets three times.
//
// [SECTION] helpers
// [SECTION] no game and Ramsch
// [SECTION] declared contracts
// [SECTION] the round's end
// [SECTION] list end, texts and highscores
#include "games/skat/schafkopf_scoring.h"

#include <algorithm>

#include "core/card_order.h"
#include "core/cg.h"
#include "games/skat/schafkopf_rules.h"
#include "table/stack_sync.h"
#include "table/stacks.h"

// [SECTION] helpers

namespace {

constexpr int32_t schneiderAugen = 91;  // the winners' pile from which the losers are Schneider
constexpr int32_t wonAbove = 60;        // Augen the declarer party must pass

// Start values of the contracts that keep theirs whatever the solo value option says.
constexpr int32_t rufspielValue = 1;
constexpr int32_t sieValue = 2;
constexpr int32_t bettelValue = 3;

// Ramsch: what the loser pays and each other seat gets.
constexpr int32_t ramschLoss = -6;
constexpr int32_t ramschGain = 2;

TSchafkopfArea& area() { return *schafkopfArea; }

std::string num(int64_t v) { return std::to_string(v); }
std::string name(int32_t seat) { return cg.seatName(seat); }

THand wonPile(int32_t seat) {
  TSpieler& pile = sp[schafkopfWonStack(seat)];
  syncHandFromSlots(pile);
  return pile.hand;
}

int32_t trumpCount(const THand& cards) {
  int32_t n = 0;
  for (int i = 1; i <= handUsed(cards); i++) n += schafkopfIsTrump(cards.k[i]);
  return n;
}

struct Texts {
  std::string sentence;
  std::string line;
};

}  // namespace

int32_t schafkopfStartValue(const TContractRecord& c) {
  switch (c.type) {
    case skfRufspiel: return rufspielValue;
    case skfSie: return sieValue;
    case skfBettel: return bettelValue;
    default: {
      int32_t v = area().options.soloValue;
      // An options record never read (0) plays as the first item, 2.
      return v == 4 || v == 5 ? v : 2;
    }
  }
}

int32_t schafkopfHighestOrderValue(const THand& cards) {
  int32_t best = 0;
  for (int i = 1; i <= handUsed(cards); i++) best = std::max(best, prlwert(cards.k[i]));
  return best;
}

// [SECTION] no game and Ramsch

namespace {

void scoreNoGame(TGameResult& r, Texts& t) {
  t.sentence = "Niemand will spielen.";
  t.line = "Kein Spiel";
  for (int s = 1; s <= 6; s++) r.values[s] = 0;
}

void scoreRamsch(TGameResult& r, Texts& t) {
  int32_t loser = 1, loserAugen = 0;
  int64_t worst = -1;
  for (int32_t s = 1; s <= schafkopfSeats; s++) {
    THand pile = wonPile(s);
    int32_t augen = schafkopfPointsOfCards(pile);
    int64_t score = int64_t(augen) * 5000 + (handUsed(pile) / 4) * 500 + trumpCount(pile) * 50 +
                    schafkopfHighestOrderValue(pile);
    if (score >= worst) {  // on equal scores the later seat
      worst = score;
      loser = s;
      loserAugen = augen;
    }
  }
  for (int32_t s = 1; s <= schafkopfSeats; s++) r.values[s] = s == loser ? ramschLoss : ramschGain;
  r.mainSeat = loser;
  r.cardPoints = loserAugen;
  t.sentence = name(loser) + " verliert beim Ramsch mit " + num(loserAugen) + " Augen.";
  t.line = "Ramsch " + num(loserAugen);
}

// [SECTION] declared contracts

struct Parties {
  THand re{}, kontra{};  // undecided seats count with the declarer party
  bool won = false;
  LArray<uint8_t, 1, schafkopfSeats> winner{};
  int32_t winners = 0;
};

Parties splitParties() {
  const TSchafkopfArea& a = area();
  Parties p;
  for (int32_t s = 1; s <= schafkopfSeats; s++) {
    int32_t party = schafkopfPartyOf(s, 0);
    if (party == skfPartyUnknown || party == skfPartyRe) appendHand(p.re, wonPile(s));
    if (party == skfPartyRamsch || party == skfPartyKontra) appendHand(p.kontra, wonPile(s));
  }
  int32_t declarerCards = handUsed(wonPile(a.declarerSeat));
  if (a.contract.type == skfBettel)
    p.won = declarerCards == 0;
  else if (schafkopfIsToutContract(a.contract))
    p.won = declarerCards == schafkopfDeckSize;
  else
    p.won = schafkopfPointsOfCards(p.re) > wonAbove;
  for (int32_t s = 1; s <= schafkopfSeats; s++) {
    int32_t party = schafkopfPartyOf(s, 0);
    bool w = p.won ? party == skfPartyRe : (party == skfPartyRamsch || party == skfPartyKontra);
    p.winner[s] = w;
    p.winners += w;
  }
  return p;
}

std::string winnerSentence(const Parties& p, int32_t augen, int32_t loserAugen) {
  std::string names;
  int32_t loser = 0;
  for (int32_t s = 1; s <= schafkopfSeats; s++) {
    if (!p.winner[s]) loser = s;
    if (p.winner[s]) names += (names.empty() ? "" : " und ") + name(s);
  }
  switch (p.winners) {
    case 1: return names + " gewinnt mit " + num(augen) + " Augen.";
    case 2: return names + " gewinnen mit " + num(augen) + " Augen.";
    case 3: return name(loser) + " verliert mit " + num(loserAugen) + " Augen.";
    default: return {};
  }
}

void addStep(Texts& t, const std::string& word, int32_t value) { t.line += " - " + word + " " + num(value); }

// Schneider or Schwarz, Laufende, Tout and Sie.
int32_t surcharges(const THand& winnersPile, int32_t value, Texts& t) {
  const TSchafkopfArea& a = area();
  const TContractRecord& c = a.contract;
  bool tout = schafkopfIsToutContract(c);
  if (!tout && handUsed(winnersPile) == schafkopfDeckSize) {
    addStep(t, "Schwarz", value += 2);
  } else if (!tout && schafkopfPointsOfCards(winnersPile) >= schneiderAugen) {
    addStep(t, "Schneider", value += 1);
  }
  int32_t laufende = a.seats[a.declarerSeat].laufende;
  int32_t threshold = c.type == skfSolo || c.type == skfRufspiel ? 2 : 3;
  if (a.options.laufende && laufende >= threshold) addStep(t, "Laufende", value += laufende);
  if (tout) addStep(t, "Tout", value *= 2);
  if (c.type == skfSie) addStep(t, "Sie (x4)", value *= 4);
  return value;
}

void scoreContract(TGameResult& r, Texts& t) {
  const TSchafkopfArea& a = area();
  const TContractRecord& c = a.contract;
  Parties p = splitParties();
  const THand& winnersPile = p.won ? p.re : p.kontra;
  const THand& losersPile = p.won ? p.kontra : p.re;
  int32_t value = schafkopfStartValue(c);
  if (c.type == skfBettel) {
    t.sentence = name(a.declarerSeat) + (p.won ? " gewinnt den Bettel." : " verliert den Bettel.");
    t.line = "Bettel " + num(value);
  } else {
    t.sentence = winnerSentence(p, schafkopfPointsOfCards(winnersPile), schafkopfPointsOfCards(losersPile));
    t.line = schafkopfContractName(c) + " " + (p.won ? "(gewonnen)" : "(verloren)") + " " + num(value);
    value = surcharges(winnersPile, value, t);
  }
  if (a.kontraLevel >= 1) addStep(t, "Kontra", value *= 2);
  if (a.kontraLevel >= 2) addStep(t, "Re", value *= 2);
  bool lone = c.type != skfRufspiel || a.silentSoloShown;
  for (int32_t s = 1; s <= schafkopfSeats; s++) {
    int32_t times = lone && s == a.soloistSeat ? 3 : 1;
    r.values[s] = (p.winner[s] ? value : -value) * times;
  }
  r.won = p.won;
  r.mainSeat = a.declarerSeat;
  r.cardPoints = schafkopfPointsOfCards(p.re);
}

}  // namespace

// [SECTION] the round's end

void schafkopfScoreGame(TGameResult& result) {
  result = TGameResult{};
  Texts t;
  if (schafkopfCardsInHands() == schafkopfDeckSize)
    scoreNoGame(result, t);
  else if (area().contract.type == skfRamsch)
    scoreRamsch(result, t);
  else
    scoreContract(result, t);
  result.text = t.line;
  result.longText = t.sentence + "\r\r" + t.line;
}

void schafkopfScoreRound() {
  TGameResult result;
  schafkopfScoreGame(result);
  const TContractRecord& c = area().contract;
  bool tout = schafkopfIsToutContract(c);
  if (schafkopfCardsInHands() == schafkopfDeckSize || c.type == skfRamsch)
    stat4++;
  else if (result.won)
    (tout ? stat0 : stat2)++;
  else
    (tout ? stat1 : stat3)++;
  cg.endRound(result);
}

// [SECTION] list end, texts and highscores

bool schafkopfIsListOver() {
  const TSchafkopfOptions& o = area().options;
  if (cg.gs.gamesPlayed >= o.gameLimit) return true;
  if (o.pointLimit <= 0) return false;
  for (int32_t s = 1; s <= schafkopfSeats; s++)
    if (cg.gs.listTotals[s] >= o.pointLimit) return true;
  return false;
}

void schafkopfListText(std::string& out) {
  const TSchafkopfOptions& o = area().options;
  int32_t highest = cg.gs.listTotals[1];
  for (int32_t s = 2; s <= schafkopfSeats; s++) highest = std::max(highest, cg.gs.listTotals[s]);
  std::string games = o.gameLimit == schafkopfNoGameLimit ? "unbegrenzt" : num(o.gameLimit);
  std::string points = o.pointLimit == 0 ? "unbegrenzt" : num(o.pointLimit);
  out = num(cg.gs.gamesPlayed) + " von " + games + " Runden gespielt, " + num(highest) + " von " + points +
        " max. Punkten erreicht";
}

void schafkopfResultText(const TGameResult& result, std::string& out) { out = result.longText; }

int schafkopfHighscoreTable(int32_t gamesPlayed) { return gamesPlayed <= 10 ? 1 : gamesPlayed <= 25 ? 2 : 3; }

void schafkopfEnterHighscore(std::string& out) {
  std::string user = cg.seatNameFit(1, false);
  if (user.size() > 100) user.resize(100);
  out = cg.enterHighscoreValue(gidSchafkopf, schafkopfHighscoreTable(cg.gs.gamesPlayed), cg.gs.listTotals[1], user,
                               false);
}
