// A Skat game saved at several points and loaded into a program that holds nothing of it
// (the stacks, their hand copies with the computer player's ratings, Skat's module lists and
// profiles all zero) plays on exactly as the game that was never saved: computer seats 2
// and 3, random legal answers for seat 1, every card once, every card legal.
#include <cstring>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "core/game_list.h"
#include "games/skat/skat_ai_state.h"
#include "games/skat/skat_profile.h"
#include "games/skat/skat_state.h"
#include "platform/random.h"
#include "table/stack_sync.h"
#include "tests/skat/skat_play_fixture.h"
#include "tests/support/cards.h"

namespace {

constexpr int decisionCard = 58;
constexpr int decisionPress = 54;
constexpr int decisionSkatFull = 53;
constexpr int decisionGame = 55;

std::vector<int> legalSlots(int seat) {
  syncHandFromSlots(sp[seat]);
  std::vector<int> out;
  for (int i = 1; i <= stackUsed(sp[seat]); i++)
    if (skatIsLegalCard(sp[seat].slots[i].card)) out.push_back(i);
  return out;
}

int pick(const std::vector<int>& v) { return v[size_t(randomBelow(int32_t(v.size())))]; }

// Seat 1's random legal answer to the open decision.
void answerSeat1() {
  int kind = cg.gs.bl.decisionKind;
  if (kind == decisionCard || kind == decisionPress) {
    std::vector<int> legal = legalSlots(1);
    if (!legal.empty()) cg.submitAction(0, 0, pick(legal));
    return;
  }
  if (kind == decisionSkatFull) return cg.submitAction(2, 1, decisionSkatFull);
  std::vector<int> values;
  for (int i = 1; i <= cg.gs.bl.optionCount; i++) values.push_back(cg.gs.bl.optionValues[i]);
  if (values.empty()) return;
  int v = pick(values);
  if (kind == 48 && v == 41 && skatArea->skatBidIndex > skatArea->skatBidCount) v = 43;
  cg.submitAction(2, 0, v);
}

bool quiet() { return cg.gs.awaitingAction == 2 && pendingMoveCount == 0 && cg.gs.pendingMove == 0; }
bool computerToAct() { return cg.gs.akspieler == 2 || cg.gs.akspieler == 3; }
int kind() { return cg.gs.bl.decisionKind; }

struct TSavePoint {
  const char* name;
  std::function<bool()> reached;  // asked at quiet moments
};

const TSavePoint savePoints[] = {
    {"bidding, a computer seat to answer", [] { return cg.gs.phase == 6 && computerToAct(); }},
    {"a computer declarer pressing the Skat",
     [] { return cg.gs.phase == 7 && kind() == decisionPress && computerToAct(); }},
    {"a computer declarer with one card pressed",
     [] { return cg.gs.phase == 7 && kind() == decisionPress && computerToAct() && stackUsed(sp[11]) == 1; }},
    {"seat 1 pressing the Skat", [] { return cg.gs.phase == 7 && kind() == decisionPress && cg.gs.akspieler == 1; }},
    {"a computer declarer choosing the game",
     [] { return cg.gs.phase == 7 && kind() == decisionGame && computerToAct(); }},
    {"seat 1 choosing the game", [] { return cg.gs.phase == 7 && kind() == decisionGame && cg.gs.akspieler == 1; }},
    {"the middle of the fourth trick",
     [] { return cg.gs.phase == 4 && handUsed(playedCards) == 9 && handUsed(trickCards) >= 1; }},
    {"the middle of the eighth trick, a computer seat to play",
     [] { return cg.gs.phase == 4 && handUsed(playedCards) >= 21 && handUsed(trickCards) >= 1 && computerToAct(); }},
};

class SkatResumeTest : public SkatPlayFixture {
 protected:
  struct TPlay {
    int seat;
    TCard card;
  };

  // What the game did after the save point.
  struct TOutcome {
    std::string played;
    int32_t gameType = 0, declarer = 0, value = 0, level = 0, handGame = 0;
    int32_t row[4] = {};
  };

  // Cards played, by seat, in their order, and the cards each seat could legally play when
  // it was asked for its card last.
  std::vector<TPlay> plays;
  LArray<std::set<std::string>, 1, 3> legalWhenAsked;
  std::vector<std::string> faults;

  // Runs after every frame: takes the legal cards of the seat asked for a card, and checks
  // each card that arrives in the trick against them.
  void observe() {
    if (cg.gs.phase == 4 && cg.gs.awaitingAction == 2 && kind() == decisionCard && cg.gs.akspieler >= 1 &&
        cg.gs.akspieler <= 3) {
      int seat = cg.gs.akspieler;
      legalWhenAsked[seat].clear();
      for (int i : legalSlots(seat)) legalWhenAsked[seat].insert(cardText(sp[seat].slots[i].card));
    }
    for (int s = 1; s <= 3; s++) {
      TCard c = trickBySeat.k[s];
      if (isNoCard(c) || (!plays.empty() && alreadyPlayed(c))) continue;
      plays.push_back({s, c});
      if (legalWhenAsked[s].count(cardText(c)) == 0)
        faults.push_back("seat " + std::to_string(s) + " played " + cardText(c) + ", not among its legal cards");
      legalWhenAsked[s].clear();
    }
  }

  bool alreadyPlayed(const TCard& c) const {
    for (const TPlay& p : plays)
      if (cardsEqual(p.card, c)) return true;
    return false;
  }

  void frameObserved() {
    frame();
    observe();
  }

  // A new game under the seed with the noise-free profiles (so that the same cards rate the
  // same); false when the save point never comes.
  bool playTo(uint32_t seed, const TSavePoint& point) {
    resetTableAndCore();
    forgetEverythingTheFileHolds();  // nothing left over from an earlier test
    plays.clear();
    faults.clear();
    for (int s = 1; s <= 3; s++) legalWhenAsked[s].clear();
    randomSeed(seed);
    skatGameArea().options.kontra = 0;
    skatGameArea().options.rum = 0;
    screenMode = 1;
    cg.startGame(gidSkat, 0);
    for (int s = 1; s <= 3; s++) cg.gs.seatProfiles[s].wafe = seatProfile[s].fields.wafe = 0;
    for (int f = 0; f < 20000; f++) {
      if (cg.gs.phase == 5) return false;
      if (quiet() && point.reached()) return true;
      if (cg.gs.awaitingAction == 2 && cg.gs.akspieler == 1) answerSeat1();
      frameObserved();
    }
    return false;
  }

  TOutcome finish(const std::string& when) {
    randomSeed(4242);
    bool done = playGame([] { if (cg.gs.akspieler == 1) answerSeat1(); }, [this] { observe(); });
    EXPECT_TRUE(done) << when << ": stalled in phase " << int(cg.gs.phase) << " step " << cg.gs.step;
    for (const std::string& f : faults) ADD_FAILURE() << when << ": " << f;
    TOutcome o;
    o.played = handText(playedCards);
    const TSkatGameRecord& g = skatGameArea().game;
    o.gameType = g.gameType;
    o.declarer = g.declarer;
    o.value = g.gameValue;
    o.level = g.level;
    o.handGame = g.handGame;
    for (int s = 1; s <= 3; s++) o.row[s] = gameListValue(cg.gs.gamesPlayed, s);
    return o;
  }

  // A program that has just started: nothing on the stacks, in their hand copies, in
  // Skat's module lists or in its profiles.
  static void forgetEverythingTheFileHolds() {
    std::memset(static_cast<void*>(&sp), 0, sizeof sp);
    std::memset(static_cast<void*>(&spLayout), 0, sizeof spLayout);
    for (int s = 1; s <= stackCount; s++) sp[s].stackNo = spLayout[s].stackNo = s;
    for (THand* h : {&trickBySeat, &trickCards, &lastTrick, &playedCards, &declarerTricks, &defenderTricks,
                     &pressedSkat, &dealtSkat})
      *h = THand{};
    for (int s = 1; s <= 3; s++) wonCards[s] = THand{}, dealtHands[s] = THand{};
    nullTrickTaken = 0;
    pendingSpecialGames = "";
    seatProfile = {};
  }

  void expectEveryCardPlayedOnce(const std::string& when) {
    std::set<std::string> seen;
    for (const TPlay& p : plays)
      EXPECT_TRUE(seen.insert(cardText(p.card)).second) << when << ": " << cardText(p.card) << " twice";
    EXPECT_EQ(int(plays.size()), handUsed(playedCards)) << when << ": cards seen in the trick vs. cards played";
    // A game all passed plays no card.
    if (!nullTrickTaken && skatGameArea().game.gameType != skatTypeAllPassed) {
      EXPECT_EQ(handUsed(playedCards), 30) << when;
    }
  }
};

bool sameRating(const TSkatSeatRating& a, const TSkatSeatRating& b) {
  bool same = a.bestGame == b.bestGame && a.handValue == b.handValue && a.jackValue == b.jackValue &&
              a.cardValue == b.cardValue && a.strength == b.strength && a.cardPoints == b.cardPoints &&
              a.spitzenFactor == b.spitzenFactor && a.maxGameValue == b.maxGameValue && a.bidLimit == b.bidLimit &&
              a.nullKind == b.nullKind && a.playHand == b.playHand && a.announceSchneider == b.announceSchneider &&
              a.announceSchwarz == b.announceSchwarz && a.playOuvert == b.playOuvert &&
              cardsEqual(a.nullRiskCard1, b.nullRiskCard1) && cardsEqual(a.nullRiskCard2, b.nullRiskCard2) &&
              a.nullRiskCount == b.nullRiskCount;
  for (int i = 1; i <= 16; i++) same = same && a.gameValues[i] == b.gameValues[i];
  return same;
}

void expectSame(const std::string& when, const char* what, int32_t expected, int32_t got) {
  EXPECT_EQ(got, expected) << when << ": " << what << " expected " << expected << ", got " << got;
}

TEST_F(SkatResumeTest, AGameLoadedIntoAFreshProgramPlaysOnAsIfNeverSaved) {
  std::string base;
  for (const TSavePoint& point : savePoints) {
    uint32_t seed = 1;
    while (seed < 80 && !playTo(seed, point)) seed++;
    ASSERT_LT(seed, 80u) << "no game reached " << point.name;
    std::string when = std::string(point.name) + " (seed " + std::to_string(seed) + ")";
    SCOPED_TRACE(when);

    base = folder + "/save/resume";
    ASSERT_FALSE(cg.saveGame(base, "Test", true)) << "saving failed";
    const int32_t typeAtSave = skatGameArea().game.gameType;
    const bool declaredAtSave = cg.gs.subStep == 4 && (cg.gs.phase == 4 || cg.gs.phase == 7);
    TSkatSeatRating ratings[4];
    for (int s = 1; s <= 3; s++) ratings[s] = skatSeatRating(sp[s]);
    const std::vector<TPlay> playsAtSave = plays;
    const auto legalAtSave = legalWhenAsked;

    TOutcome reference = finish(when + ", never saved");
    ASSERT_EQ(cg.gs.phase, 5);

    forgetEverythingTheFileHolds();
    ASSERT_TRUE(cg.loadGame(base));
    cg.resumeGame();
    screenMode = 1;
    for (int s = 1; s <= 3; s++) {
      TSkatSeatRating r = skatSeatRating(sp[s]);
      bool declarer = cg.gs.phase != 6 && s == skatBid->declarer;
      if (declarer) {
        expectSame(when, "the declarer's game", skatBid->gameType, r.bestGame);
        r.bestGame = ratings[s].bestGame;
      }
      EXPECT_TRUE(sameRating(r, ratings[s]))
          << when << ": seat " << s << "'s rating after loading: strength " << ratings[s].strength << " / "
          << r.strength << ", bid limit " << ratings[s].bidLimit << " / " << r.bidLimit << ", best game "
          << ratings[s].bestGame << " / " << r.bestGame;
    }
    plays = playsAtSave;
    legalWhenAsked = legalAtSave;
    faults.clear();
    TOutcome loaded = finish(when + ", loaded");
    expectEveryCardPlayedOnce(when);
    if (declaredAtSave) expectSame(when, "game type", typeAtSave, loaded.gameType);
    EXPECT_EQ(loaded.played, reference.played) << when;
    expectSame(when, "game type", reference.gameType, loaded.gameType);
    expectSame(when, "declarer", reference.declarer, loaded.declarer);
    expectSame(when, "value", reference.value, loaded.value);
    expectSame(when, "level", reference.level, loaded.level);
    expectSame(when, "Hand", reference.handGame, loaded.handGame);
    for (int s = 1; s <= 3; s++) expectSame(when, "list row", reference.row[s], loaded.row[s]);
  }
}

}  // namespace
