// Skat's rules: tables, card comparisons, trick winner, points, Spitzen, level, seats.
//
// [SECTION] tables
// [SECTION] card comparisons
// [SECTION] points, Spitzen and level
// [SECTION] game-type tests
// [SECTION] seats
#include "games/skat/skat_rules.h"

#include "core/card_order.h"
#include "games/skat/skat_card_set.h"
#include "games/skat/skat_services.h"
#include "games/skat/skat_state.h"
#include "platform/alert.h"

// [SECTION] tables

namespace {

constexpr LArray<int32_t, 1, 20> baseValues = {
    {12, 11, 10, 9, 0, 0, 0, 0, 0, 23, 24, 0, 0, 0, 0, 0, 0, 0, 0, 0}};

// Rank order values by rank 1..8 (7, 8, 9, Jack, Queen, King, 10, Ace).
constexpr LArray<int32_t, 1, 8> trumpGameOrder = {{1, 2, 3, 4, 5, 6, 7, 8}};
// Null and the games without a trump: Ace 1, King 2, Queen 3, Jack 4, 10 5, 9 6, 8 7, 7 8.
constexpr LArray<int32_t, 1, 8> nullOrder = {{8, 7, 6, 4, 3, 2, 5, 1}};
// Ramsch: Ace 1, 10 2, King 3, Queen 4, Jack 5, 9 6, 8 7, 7 8.
constexpr LArray<int32_t, 1, 8> ramschOrder = {{8, 7, 6, 5, 4, 3, 2, 1}};

constexpr const char* kontraKeys[] = {"f_skat_kontra", "f_skat_re", "f_skat_sup", "f_skat_hirsch"};
constexpr const char* levelKeys[] = {"f_skat_normal",         "f_skat_schneider",
                                     "f_skat_schneiderangesagt", "f_skat_schwarz",
                                     "f_skat_schwarzangesagt", "f_skat_offen"};

// Added to the multiplier by the game level 0..5: Schneider, Schneider announced (Schneider
// and its announcement), Schwarz (Schneider and Schwarz), Schwarz announced (the four),
// ouvert (the four and ouvert). A Hand game gains nothing more from them.
constexpr int32_t levelSteps[] = {0, 1, 2, 2, 4, 5};

// The trump cards counted for Spitzen after the four Jacks: Ace, 10, King, Queen, 9, 8, 7.
constexpr int8_t trumpRun[] = {rankAce, rankTen, rankKing, rankQueen, rank9, rank8, rank7};

}  // namespace

LArray<int32_t, 1, 20> skatBaseValue = baseValues;
LArray<int32_t, 1, 8> skatRankOrder = trumpGameOrder;
LArray<std::string, 1, 4> kontraNames;
LArray<std::string, 0, 5> skatLevelNames;

namespace {

// Which of the three orders skatRankOrder holds (0 trump games, 1 Null, 2 Ramsch): the key of
// the card sets built for the order. Only the two writers below change the order.
int rankOrderKind = 0;

}  // namespace

void skatInitTables() {
  skatBaseValue = baseValues;
  skatRankOrder = trumpGameOrder;
  rankOrderKind = 0;
  for (int i = 1; i <= 4; i++) kontraNames[i] = skatLookupText(kontraKeys[i - 1]);
  for (int i = 0; i <= 5; i++) skatLevelNames[i] = skatLookupText(levelKeys[i]);
}

void skatSetRankOrder(int32_t type) {
  bool trumpGame = (type >= skatTypeClubs && type <= skatTypeDiamonds) || type == skatTypeGrand;
  skatRankOrder = trumpGame ? trumpGameOrder : type == skatTypeRamsch ? ramschOrder : nullOrder;
  rankOrderKind = trumpGame ? 0 : type == skatTypeRamsch ? 2 : 1;
  setSkatSortWeights(type);
}

void skatInitSortKeys() {
  for (int s = 1; s <= 4; s++)
    for (int r = 1; r <= 8; r++) cardValues[s][r] = 500 - 100 * s + r;
  for (int s = 1; s <= 4; s++) cardValues[s][rankJack] = 1005 - s;
}

// [SECTION] card comparisons

namespace {

bool isJack(const TCard& c) { return c.t == rankJack; }

// The order value of a card's rank; 0 for a rank outside the table (already reported).
int32_t order(const TCard& c) { return c.t >= 1 && c.t <= 8 ? skatRankOrder[c.t] : 0; }

// The trick value of a plain card: its rank number, the 10 between 9 and Jack in Null.
double trickValue(const TCard& c) {
  if (skatBid->gameType == skatTypeNull && c.t == rankTen) return 3.5;
  return c.t;
}

// skatCardBeats and skatCardBeats2 differ only in how two Jacks compare in Ramsch.
bool beatsByOrder(const TCard& x, const TCard& y, bool ramschJacksReversed) {
  if (skatIsTrump(x)) {
    if (!skatIsTrump(y)) return true;
    if (x.t == y.t) return ramschJacksReversed ? x.f > y.f : x.f < y.f;
    if (isJack(y)) return false;
    return order(x) > order(y) || isJack(x);
  }
  if (skatIsTrump(y) || x.f != y.f) return false;
  return order(x) > order(y);
}

// The game types by what the card comparisons see of them: the trump suit 1..4, 5 Grand
// (Jacks only), 6 Ramsch (Jacks only, their order reversed), 0 no trumps.
int comparisonClass(int32_t type) {
  if (type >= skatTypeClubs && type <= skatTypeDiamonds) return type;
  return type == skatTypeGrand ? 5 : type == skatTypeRamsch ? 6 : 0;
}

void buildGameMasks(TSkatGameMasks& m) {
  m = {};
  for (int yb = 0; yb < 32; yb++) {
    TCard y = makeCard(yb % 8 + 1, yb / 8 + 1);
    if (skatIsTrump(y)) m.trumps |= TSkatCardSet{1} << yb;
    for (int xb = 0; xb < 32; xb++) {
      TCard x = makeCard(xb % 8 + 1, xb / 8 + 1);
      if (beatsByOrder(x, y, skatBid->gameType == skatTypeRamsch)) m.beatenBy[yb] |= TSkatCardSet{1} << xb;
    }
  }
}

}  // namespace

const TSkatGameMasks* skatGameMasks() {
  static TSkatGameMasks masks[3][7];
  static bool built[3][7] = {};
  // The player asks for every card it looks at: the last answer is kept for its game type
  // and rank order.
  static const TSkatGameMasks* last = nullptr;
  static int32_t lastType = -1;
  static int lastOrder = -1;
  if (cg.gameId != gidSkat) return nullptr;
  if (last && skatBid->gameType == lastType && rankOrderKind == lastOrder) return last;
  lastType = skatBid->gameType;
  lastOrder = rankOrderKind;
  int c = comparisonClass(skatBid->gameType);
  if (!built[rankOrderKind][c]) {
    buildGameMasks(masks[rankOrderKind][c]);
    built[rankOrderKind][c] = true;
  }
  last = &masks[rankOrderKind][c];
  return last;
}

bool skatCardSetOf(const THand& h, TSkatCardSet& out) {
  out = 0;
  for (int i = 1; i <= handUsed(h); i++) {
    const TCard& c = h.k[i];
    if (!skatIsDeckCard(c)) return false;
    TSkatCardSet bit = skatCardMask(c);
    if (out & bit) return false;
    out |= bit;
  }
  return true;
}

void skatShowCardCodeError(const TCard& c, const char* caller) {
  skatShowError(std::string("ConstructError, Caller: ") + caller + "\n\r" + "Values t: " +
                std::to_string(c.t) + " f: " + std::to_string(c.f));
}

bool skatCardBeats(const TCard& x, const TCard& y) {
  skatCheckCardCode(y, "winsu.uk1");
  skatCheckCardCode(x, "winsu.uk2");
  if (skatIsDeckCard(x) && skatIsDeckCard(y)) {
    if (const TSkatGameMasks* m = skatGameMasks()) return (m->beatenBy[skatCardBit(y)] & skatCardMask(x)) != 0;
  }
  return beatsByOrder(x, y, skatBid->gameType == skatTypeRamsch);
}

bool skatCardBeats2(const TCard& x, const TCard& y) {
  skatCheckCardCode(y, "winsu2.uk1");
  skatCheckCardCode(x, "winsu2.uk2");
  return beatsByOrder(x, y, false);
}

bool skatCardBeatsInTrick(const TCard& x, const TCard& y) {
  if (skatIsTrump(x)) {
    if (!skatIsTrump(y)) return true;
    if (x.t == y.t) return x.f < y.f;
    if (isJack(y)) return false;
    return x.t > y.t || isJack(x);
  }
  if (skatIsTrump(y) || x.f != y.f) return false;
  return trickValue(x) > trickValue(y);
}

int32_t skatTrickWinner(const THand& trick, int32_t leader) {
  if (leader < 1 || leader > 3) {
    showAlert("ACHTUNG! skatTrickWinner: Bereichsfehler, Ausspieler " + std::to_string(leader));
    leader = 1;
  }
  int32_t best = leader;
  int32_t seat = leader;
  for (int i = 0; i < 2; i++) {
    seat = skatNextPlayer(seat);
    if (skatCardBeatsInTrick(trick.k[seat], trick.k[best])) best = seat;
  }
  return best;
}

TCard skatStrongestCard(const THand& hand) {
  if (handUsed(hand) == 0) return noCard();
  TCard best = hand.k[1];
  const TSkatGameMasks* m = skatGameMasks();
  for (int i = 1; i <= handUsed(hand); i++)
    if (skatBeatsBy(m, hand.k[i], best)) best = hand.k[i];
  return best;
}

// [SECTION] points, Spitzen and level

int32_t skatPoints(const THand& hand) {
  int32_t sum = 0;
  for (int i = 1; i <= handUsed(hand); i++) {
    int r = hand.k[i].t;
    if (r >= 1 && r <= 15) sum += skatCardPoints[r];
  }
  return sum;
}

int32_t skatPartyPoints(int32_t seat) {
  if (seat < 1 || seat > 3) return 0;
  int32_t points = skatPoints(wonCards[seat]);
  if (!skatArea->options.skatToLoser && seat == skatSeatToAct()) points += skatPoints(pressedSkat);
  return points;
}

namespace {

// The used positions, the count and the extras: what lies past the count is stale anyway.
void copyUsed(const THand& src, THand& dst) {
  int n = handUsed(src);
  for (int i = 1; i <= n; i++) dst.k[i] = src.k[i];
  dst.anz = src.anz;
  dst.extras = src.extras;
}

}  // namespace

THand concatHands(const THand& a, const THand& b) {
  THand out;
  copyUsed(a, out);
  appendHand(out, b);
  return out;
}

void skatMergeTrickHands(int32_t seat, const THand& hand, const THand& more, THand& out) {
  if (&out == &hand || &out == &more) {
    const THand copy = out;
    return skatMergeTrickHands(seat, &out == &hand ? copy : hand, &out == &more ? copy : more, out);
  }
  // Built in place: the card play merges hands for every card.
  copyUsed(hand, out);
  appendHand(out, more);
  bool declarerKnowsSkat = seat == skatGame->declarer && !skatGame->handGame;
  if (!skatGame->rumGame && !declarerKnowsSkat) appendHand(out, pressedSkat);
}

int32_t skatCountSpitzen(const THand& hand, int32_t type, int32_t& mit) {
  bool with = hasCard(hand, makeCard(rankJack, suitClubs));
  mit = with ? 1 : 0;
  int32_t n = 0;
  for (int s = suitClubs; s <= suitDiamonds && hasCard(hand, makeCard(rankJack, s)) == with; s++) n++;
  if (type < skatTypeClubs || type > skatTypeDiamonds || n < 4) return n;
  for (int8_t r : trumpRun) {
    if (hasCard(hand, makeCard(r, type)) != with) break;
    n++;
  }
  return n;
}

int32_t skatCountSpitzen(const THand& hand, int32_t type) {
  int32_t mit = 0;
  return skatCountSpitzen(hand, type, mit);
}

int32_t skatGameMultiplier(const THand& hand) {
  const TSkatGameRecord& g = *skatGame;
  int32_t m = skatCountSpitzen(hand, g.gameType) + (g.handGame ? 2 : 1);
  if (g.level <= skatLevelOffen) m += levelSteps[g.level];
  return m;
}

// [SECTION] game-type tests

bool skatIsNullOrRamsch() {
  return skatBid->gameType == skatTypeNull || skatBid->gameType == skatTypeRamsch;
}

bool skatIsNegativeGameType() {
  int32_t t = skatBid->gameType;
  bool trumpGame = (t >= skatTypeClubs && t <= skatTypeDiamonds) || t == skatTypeGrand;
  return !skatGame->ramschGame && trumpGame;
}

// [SECTION] seats

int32_t skatNextPlayer(int32_t seat) {
  if (seat == -1) seat = skatSeatToAct();
  return seat % 3 + 1;
}

int32_t skatPrevPlayer(int32_t seat) {
  if (seat == -1) seat = skatSeatToAct();
  return (seat + 1) % 3 + 1;
}

void skatStepToNextPlayer() { skatSeatToAct() = skatNextPlayer(-1); }
void skatStepToPrevPlayer() { skatSeatToAct() = skatPrevPlayer(-1); }

int32_t skatDealer() { return skatArea->skatDealerSeat; }
int32_t skatForehand() { return skatNextPlayer(skatDealer()); }
int32_t skatMiddlehand() { return skatNextPlayer(skatForehand()); }
