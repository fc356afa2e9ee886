// Schafkopf played headless through the core, every seat answered by the test with a random
// offered answer: lists with every option on and with the defaults reach every branch of the
// game and keep its invariants; a computer player's card outside the legal list gives way to
// a legal one; a game saved in the bidding or in the middle of a trick and loaded into a
// fresh program plays on to the same result, also with computer seats.
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "core/card_order.h"
#include "core/game_list.h"
#include "games/skat/schafkopf_game_step.h"
#include "games/skat/schafkopf_rules.h"
#include "games/skat/schafkopf_state.h"
#include "games/skat/skat_family_ai.h"
#include "platform/random.h"
#include "table/stack_sync.h"
#include "tests/skat/skat_play_fixture.h"
#include "tests/support/cards.h"

namespace {

constexpr int askCard = 47;
constexpr int seatKindAnswered = seatKindUser;

TSchafkopfArea& skfArea() { return schafkopfGameArea(); }

int pick(int n) { return int(randomBelow(int32_t(n))); }

// A random answer among those the open decision offers: a legal card, or an option.
void answerRandomly() {
  TGameState& gs = cg.gs;
  int seat = gs.akspieler;
  if (gs.bl.decisionKind == askCard) {
    const THand& legal = skfArea().legalCards;
    if (handUsed(legal) == 0) return;
    TCard c = legal.k[1 + pick(handUsed(legal))];
    for (int i = 1; i <= stackUsed(sp[seat]); i++)
      if (cardsEqual(sp[seat].slots[i].card, c)) return cg.submitAction(0, 0, i);
    return;
  }
  int n = gs.bl.optionCount;
  if (n < 1) return;
  int i = 1 + pick(n);
  cg.submitAction(2, i, gs.bl.optionValues[i]);
}

TSchafkopfOptions everyOption() {
  TSchafkopfOptions o = schafkopfDefaultOptions;
  o.gameLimit = schafkopfNoGameLimit;
  o.tout = o.farbgeier = o.farbwenz = o.bettel = o.sie = o.kontra = o.re = o.ramsch = o.laufende = o.ownAce = 1;
  o.soloValue = 4;
  return o;
}

TSchafkopfOptions defaults() {
  TSchafkopfOptions o = schafkopfDefaultOptions;
  o.gameLimit = schafkopfNoGameLimit;
  return o;
}

// The branches a run must reach.
struct TBranches {
  std::set<int> types;       // contract types played (0 none, 9 Ramsch)
  std::set<int> toutTypes;   // types played as Tout
  std::set<int> kontraLevels;
  bool bettelEndedEarly = false, toutEndedEarly = false, silentSolo = false;
};

class SchafkopfPlayTest : public SkatPlayFixture {
 protected:
  void SetUp() override {
    SkatPlayFixture::SetUp();
    startTable(defaults());
  }
  void TearDown() override {
    tableLandsAtOnce = false;
    SkatPlayFixture::TearDown();
  }

  // No answer was refused and no party question went out of range.
  void expectCleanTrace() const {
    std::string log = traceLog();
    for (const char* fault : {"abgelehnt", "Bereichsfehler", "ACHTUNG"})
      EXPECT_EQ(log.find(fault), std::string::npos) << fault;
  }

  static void startTable(const TSchafkopfOptions& options) {
    resetHeadlessSkat(1, skatDefaultOptions);
    schafkopfGameArea() = TSchafkopfArea{};
    schafkopfGameArea().options = options;
    tableLandsAtOnce = true;
  }

  // A new game; all four seats are answered by the test. The start seeds the generator from
  // the clock after the deal, so the play gets a seed of its own.
  static void startGame(bool newList, uint64_t playSeed = 1) {
    screenMode = 1;
    cg.startGame(gidSchafkopf, newList ? 0 : 1);
    randomSeed(playSeed + 0x9E3779B9ULL);
    for (int s = 1; s <= 4; s++) cg.seatRecords[s].kind = seatKindAnswered;
  }

  // Seat `seat` gets all Ober and Unter: no shuffle deals a Sie hand. The at-once deal
  // gives seat i the eight cards below the top (i - 1) * 8.
  static void stackSieHand(int seat) {
    TSpieler& stock = sp[schafkopfStockStack];
    auto sieCard = [&](int i) { return stock.slots[i].card.t == skfOber || stock.slots[i].card.t == skfUnter; };
    int top = stackUsed(stock) - (seat - 1) * 8, low = top - 7;
    for (int i = 1; i <= stackUsed(stock); i++) {
      if ((i >= low && i <= top) || !sieCard(i)) continue;
      for (int j = low; j <= top; j++)
        if (!sieCard(j)) {
          std::swap(stock.slots[i].card, stock.slots[j].card);
          break;
        }
    }
    syncHandFromSlots(stock);
  }

  // The cards in playing order, taken from the trick after every frame.
  // A decision is open for a seat the test answers (computer seats answer on the tick).
  static bool answeredByTest() {
    return cg.gs.awaitingAction == 2 && cg.seatRecords[cg.gs.akspieler].kind != seatKindComputer;
  }

  void observe() {
    int n = handUsed(trickCards);
    if (n < seenInTrick) seenInTrick = 0;
    for (; seenInTrick < n; seenInTrick++) played.push_back(trickCards.k[seenInTrick + 1]);
  }

  bool playOn(int frameLimit = 4000) {
    for (int f = 0; f < frameLimit; f++) {
      if (cg.gs.phase == skfPhaseOver) return true;
      if (answeredByTest()) answerRandomly();
      headlessFrame();
      advanceFakeTick(50);
      observe();
    }
    return false;
  }

  // Plays a list of `games` games and checks every game's invariants; the branches reached
  // go into `b`.
  void playList(const TSchafkopfOptions& options, int games, TBranches& b) {
    startTable(options);
    for (int g = 0; g < games; g++) {
      randomSeed(7000 + uint64_t(g));
      envParam.dealMode = g % 3 == 2 ? 2 : 1;
      startGame(g == 0, uint64_t(g));
      if (g % 10 == 5 && envParam.dealMode == 1) stackSieHand(1 + g % 4);
      played.clear();
      seenInTrick = 0;
      LArray<int32_t, 1, 6> before = cg.gs.listTotals;
      ASSERT_TRUE(playOn()) << "game " << g << " stalled in phase " << int(cg.gs.phase) << " step " << cg.gs.step;
      checkGame(g, before, b);
      if (HasFailure()) return;
    }
  }

  void checkGame(int g, const LArray<int32_t, 1, 6>& before, TBranches& b) {
    const TSchafkopfArea& a = skfArea();
    std::set<std::string> seen;
    for (const TCard& c : played) EXPECT_TRUE(seen.insert(cardText(c)).second) << "game " << g << ": " << cardText(c) << " twice";
    int inPiles = 0, inHands = 0;
    for (int s = 1; s <= 4; s++) inPiles += stackUsed(sp[schafkopfWonStack(s)]), inHands += stackUsed(sp[s]);
    bool noGame = inHands == 32;
    int type = noGame ? 0 : a.contract.type;
    EXPECT_EQ(inPiles + inHands, 32) << "game " << g;
    EXPECT_EQ(int(played.size()), inPiles) << "game " << g;
    bool early = type == skfBettel || schafkopfIsToutContract(a.contract);
    if (!early && !noGame) {
      EXPECT_EQ(inPiles, 32) << "game " << g << " type " << type;
    }
    // Bettel ends with the first trick the declarer takes, Tout with the first the others take;
    // a won one plays all eight.
    if (early) {
      int declarer = stackUsed(sp[schafkopfWonStack(a.declarerSeat)]);
      int lost = type == skfBettel ? declarer : inPiles - declarer;
      EXPECT_TRUE(lost == 0 ? inPiles == 32 : lost == 4) << "game " << g << " type " << type << ": " << lost
                                                         << " cards taken that end it, " << inPiles << " played";
    }
    int32_t sum = 0;
    for (int s = 1; s <= 4; s++) {
      int32_t booked = cg.gs.listTotals[s] - before[s];
      sum += booked;
      EXPECT_EQ(booked, gameListValue(cg.gs.gamesPlayed, s)) << "game " << g << " seat " << s;
    }
    EXPECT_EQ(sum, 0) << "game " << g << " type " << type;
    b.types.insert(type);
    if (a.contract.tout) b.toutTypes.insert(type);
    b.kontraLevels.insert(a.kontraLevel);
    if (early && inPiles < 32) (type == skfBettel ? b.bettelEndedEarly : b.toutEndedEarly) = true;
    b.silentSolo = b.silentSolo || a.silentSoloShown;
  }

  static int gamesPerRun() {
    const char* v = std::getenv("SCHAFKOPF_SELFPLAY_GAMES");
    return v && std::atoi(v) > 0 ? std::atoi(v) : 2000;
  }

  std::vector<TCard> played;
  int seenInTrick = 0;
};

TEST_F(SchafkopfPlayTest, EveryOptionOnReachesEveryBranch) {
  TBranches b;
  playList(everyOption(), gamesPerRun(), b);
  EXPECT_EQ(b.types, (std::set<int>{skfSie, skfSolo, skfWenz, skfGeier, skfFarbwenz, skfFarbgeier, skfBettel,
                                    skfRufspiel, skfRamsch}));
  EXPECT_EQ(b.toutTypes, (std::set<int>{skfSolo, skfWenz, skfGeier, skfFarbwenz, skfFarbgeier}));
  EXPECT_EQ(b.kontraLevels, (std::set<int>{0, 1, 2}));
  EXPECT_TRUE(b.bettelEndedEarly);
  EXPECT_TRUE(b.toutEndedEarly);
  EXPECT_TRUE(b.silentSolo);
  expectCleanTrace();
}

TEST_F(SchafkopfPlayTest, DefaultsReachEveryBranchTheyAllow) {
  TBranches b;
  playList(defaults(), gamesPerRun(), b);
  EXPECT_EQ(b.types, (std::set<int>{0, skfSie, skfSolo, skfWenz, skfGeier, skfRufspiel}));
  EXPECT_EQ(b.toutTypes, (std::set<int>{skfSolo, skfWenz, skfGeier}));
  EXPECT_EQ(b.kontraLevels, (std::set<int>{0, 1, 2}));
  expectCleanTrace();
}

}  // namespace

TEST_F(SchafkopfPlayTest, TheChosenDealerStartsTheListAndTheDealMovesOn) {
  TSchafkopfOptions o = defaults();
  o.dealerChoice = 4;  // "Spieler 3"
  startTable(o);
  for (int32_t expected : {3, 4, 1, 2}) {
    startGame(expected == 3);
    EXPECT_EQ(cg.gs.dealer, expected);
    ASSERT_TRUE(playOn());
  }
}

// Packets of four go round from the seat after the dealer; all at once, every hand is full
// after the deal's first step.
TEST_F(SchafkopfPlayTest, TheDealStartsAfterTheDealer) {
  struct Case {
    int32_t dealMode;
    std::vector<int32_t> order;  // seats in the order their hands first hold cards
  } cases[] = {{2, {4, 1, 2, 3}}, {1, {1, 2, 3, 4}}};
  for (const Case& c : cases) {
    TSchafkopfOptions o = defaults();
    o.dealerChoice = 4;  // "Spieler 3"
    startTable(o);
    envParam.dealMode = c.dealMode;
    startGame(true);
    std::vector<int32_t> order;
    for (int f = 0; f < 200 && cg.gs.phase <= skfPhaseDeal; f++) {
      headlessFrame();
      for (int s = 1; s <= 4; s++)
        if (stackUsed(sp[s]) > 0 && std::find(order.begin(), order.end(), s) == order.end()) order.push_back(s);
    }
    EXPECT_EQ(order, c.order) << "deal mode " << c.dealMode;
    for (int s = 1; s <= 4; s++) EXPECT_EQ(stackUsed(sp[s]), 8) << "deal mode " << c.dealMode << ", seat " << s;
    EXPECT_EQ(cg.gs.phase, skfPhaseAsking);
  }
}

// The computer player's card goes in by its place in the legal list; a card that is not
// there gives way to the list's first card, with a trace line.
TEST_F(SchafkopfPlayTest, ACardNotInTheLegalListGivesWayToTheFirstLegalCard) {
  auto cardAsked = [] { return answeredByTest() && cg.gs.bl.decisionKind == askCard; };
  auto untilCardAsked = [&] {
    for (int f = 0; f < 4000 && !cardAsked(); f++) {
      if (cg.gs.phase == skfPhaseOver) startGame(false, uint64_t(f));
      if (answeredByTest()) answerRandomly();
      headlessFrame();
      advanceFakeTick(50);
    }
    return cardAsked();
  };
  auto holds = [](int seat, const TCard& c) {
    for (int i = 1; i <= stackUsed(sp[seat]); i++)
      if (cardsEqual(sp[seat].slots[i].card, c)) return true;
    return false;
  };
  randomSeed(7100);
  startGame(true);
  for (bool foreign : {true, false}) {
    SCOPED_TRACE(foreign ? "another seat's card" : "the last legal card");
    ASSERT_TRUE(untilCardAsked());
    const int seat = cg.gs.akspieler;
    const THand legal = skfArea().legalCards;
    const TCard wanted = foreign ? sp[seat % 4 + 1].slots[1].card : legal.k[handUsed(legal)];
    const TCard played = foreign ? legal.k[1] : wanted;
    ASSERT_TRUE(holds(seat, played));
    const size_t before = traceLog().size();
    familySubmitCard(wanted, legal, "Schafkopf");
    headlessFrame();
    EXPECT_FALSE(holds(seat, played)) << cardText(played);
    EXPECT_EQ(traceLog().find("nicht spielbar", before) != std::string::npos, foreign);
  }
  expectCleanTrace();
}

// [SECTION] saved and loaded

namespace {

bool quiet() { return cg.gs.awaitingAction == 2 && pendingMoveCount == 0 && cg.gs.pendingMove == 0; }

struct TSavePoint {
  const char* name;
  bool (*reached)();
};

const TSavePoint savePoints[] = {
    {"the asking, a seat to answer", [] { return cg.gs.phase == skfPhaseAsking && cg.gs.step >= 3; }},
    {"a seat declaring its contract", [] { return cg.gs.phase == skfPhaseDeclaring && cg.gs.bl.decisionKind == 92; }},
    {"the middle of the third trick",
     [] { return cg.gs.phase == skfPhaseTricks && cg.gs.subStep == 3 && handUsed(trickCards) == 2; }},
};

class SchafkopfResumeTest : public SchafkopfPlayTest {
 protected:
  struct TOutcome {
    std::string played;
    int32_t type = 0, declarer = 0, kontra = 0;
    int32_t row[5] = {};
  };

  // Computer seats at strengths 1 + seat % 3, else every seat answered by the test.
  static void seatKinds(bool computer) {
    for (int s = 1; s <= 4; s++) {
      cg.seatRecords[s].kind = computer ? seatKindComputer : seatKindAnswered;
      cg.gs.seatProfiles[s].strength = 1 + s % 3;
    }
  }

  bool playTo(uint64_t seed, const TSavePoint& point, bool computer) {
    startTable(everyOption());
    randomSeed(seed);
    envParam.dealMode = 2;
    startGame(true, seed);
    seatKinds(computer);
    played.clear();
    seenInTrick = 0;
    for (int f = 0; f < 4000; f++) {
      if (cg.gs.phase == skfPhaseOver) return false;
      if (point.reached() && pendingMoveCount == 0 && cg.gs.pendingMove == 0 && (computer || quiet())) return true;
      if (answeredByTest()) answerRandomly();
      headlessFrame();
      advanceFakeTick(50);
      observe();
    }
    return false;
  }

  TOutcome finish(const std::string& when) {
    randomSeed(4242);
    EXPECT_TRUE(playOn()) << when << ": stalled in phase " << int(cg.gs.phase) << " step " << cg.gs.step;
    TOutcome o;
    for (const TCard& c : played) o.played += cardText(c) + " ";
    o.type = skfArea().contract.type;
    o.declarer = skfArea().declarerSeat;
    o.kontra = skfArea().kontraLevel;
    for (int s = 1; s <= 4; s++) o.row[s] = gameListValue(cg.gs.gamesPlayed, s);
    return o;
  }

  // A program that has just started: nothing on the stacks, in the trick lists, in the
  // Schafkopf area or in the card order.
  static void forgetEverythingTheFileHolds() {
    std::memset(static_cast<void*>(&sp), 0, sizeof sp);
    std::memset(static_cast<void*>(&spLayout), 0, sizeof spLayout);
    for (int s = 1; s <= stackCount; s++) sp[s].stackNo = spLayout[s].stackNo = s;
    trickBySeat = THand{};
    trickCards = THand{};
    schafkopfGameArea() = TSchafkopfArea{};
    cardValues = TCardValueTable{};
  }

  // Saves at `point`, plays on, loads the file into a fresh program and plays on again from
  // the same random state: the same cards, contract, Kontra and row.
  void saveLoadAndCompare(const TSavePoint& point, bool computer) {
    uint64_t seed = 1;
    while (seed < 60 && !playTo(seed, point, computer)) seed++;
    ASSERT_LT(seed, 60u) << "no game reached " << point.name;
    std::string when = std::string(point.name) + " (seed " + std::to_string(seed) + ")";
    std::string base = folder + "/save/schafkopf";
    ASSERT_FALSE(cg.saveGame(base, "Test", true)) << when << ": saving failed";
    const std::vector<TCard> playedAtSave = played;
    const int seenAtSave = seenInTrick;
    TOutcome reference = finish(when + ", never saved");

    forgetEverythingTheFileHolds();
    ASSERT_TRUE(cg.loadGame(base)) << when;
    cg.resumeGame();
    screenMode = 1;
    seatKinds(computer);
    int32_t highest = 0;
    for (int suit = 1; suit <= 4; suit++)
      for (int rank = rank7; rank <= rankAce; rank++) highest = std::max(highest, cardValues[suit][rank]);
    EXPECT_EQ(highest, 32) << when << ": the card order is built again";
    const TSpieler& trick = sp[schafkopfTrickStack];
    for (int k = 1; k <= stackUsed(trick); k++)
      EXPECT_FLOAT_EQ(trick.slots[k].pose.z, 0.5f * float(k) - 97.0f) << when << ": trick card " << k << " in its place";
    played = playedAtSave;
    seenInTrick = seenAtSave;
    TOutcome loaded = finish(when + ", loaded");
    EXPECT_EQ(loaded.played, reference.played) << when;
    EXPECT_EQ(loaded.type, reference.type) << when;
    EXPECT_EQ(loaded.declarer, reference.declarer) << when;
    EXPECT_EQ(loaded.kontra, reference.kontra) << when;
    for (int s = 1; s <= 4; s++) EXPECT_EQ(loaded.row[s], reference.row[s]) << when << " seat " << s;
  }
};

TEST_F(SchafkopfResumeTest, AGameLoadedIntoAFreshProgramPlaysOnAsIfNeverSaved) {
  for (const TSavePoint& point : savePoints) saveLoadAndCompare(point, false);
  expectCleanTrace();
}

// The computer seats' knowledge of the deal lies in the area, so they play on alike.
TEST_F(SchafkopfResumeTest, ComputerSeatsLoadedMidTrickPlayOnAsIfNeverSaved) {
  saveLoadAndCompare(savePoints[2], true);
  expectCleanTrace();
}

}  // namespace
