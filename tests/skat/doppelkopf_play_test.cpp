// Doppelkopf played through the core with every seat answered at random among the offered
// choices: whole lists with every option on and with the defaults, games saved before the
// first card and in the middle of a trick and loaded into a fresh program, and the step's
// own edge cases (the first lead, an announcement during play, twelve tricks in a solo).
#include <cstdlib>
#include <map>
#include <set>

#include "core/card_order.h"
#include "games/skat/doppelkopf_callbacks.h"
#include "games/skat/doppelkopf_game_step.h"
#include "games/skat/doppelkopf_party.h"
#include "games/skat/doppelkopf_vorbehalt.h"
#include "tests/skat/doppelkopf_play_fixture.h"

namespace {

int selfPlayGames() {
  const char* n = std::getenv("DOPPELKOPF_SELFPLAY_GAMES");
  return n && std::atoi(n) > 0 ? std::atoi(n) : 2000;
}

TDoppelkopfOptions everyOption(int list) {
  TDoppelkopfOptions o = doppelkopfDefaultOptions;
  o.gameLimit = 20;
  o.pointLimit = list % 2 ? 40 : 0;
  o.bubenDamenSolo = 1;
  o.secondDulle = 1;
  o.soloLead = 1 + list % 3;
  return o;
}

// Which branch a finished game took.
std::string gameKind(int32_t declaredSolo) {
  const TDoppelkopfArea& a = doppelkopfGameArea();
  if (declaredSolo != 0) return "Solo " + std::to_string(declaredSolo);
  if (a.hochzeitSeat != 0) return a.hochzeitPartner != 0 ? "Hochzeit mit Partner" : "Hochzeit ohne Partner";
  if (a.doppelkopfSoloType == doppelkopfKaroSolo) return "stille Hochzeit";
  return "Normalspiel";
}

// Every card of the deck lies twice on the won piles, and no hand holds a card.
std::string cardsFault() {
  std::map<std::string, int> count;
  int total = 0;
  for (int s = 1; s <= 4; s++) {
    if (sp[s].count != 0) return "Spieler " + std::to_string(s) + " hat noch Karten";
    syncHandFromSlots(sp[6 + s]);
    for (int i = 1; i <= handUsed(sp[6 + s].hand); i++, total++) count[cardText(sp[6 + s].hand.k[i])]++;
  }
  if (total != 48 || count.size() != 24) return std::to_string(total) + " Karten, " + std::to_string(count.size()) + " Sorten";
  for (const auto& [card, n] : count)
    if (n != 2) return card + " " + std::to_string(n) + "x";
  return {};
}

}  // namespace

class DoppelkopfSelfPlayTest : public DoppelkopfPlayFixture {
 protected:
  // Plays `games` games in lists of these options; returns the branches seen.
  std::set<std::string> playLists(int games, TDoppelkopfOptions (*options)(int list), uint64_t seed) {
    std::set<std::string> seen;
    TDoppelkopfAnswerer answerer;
    answerer.rng.seed(static_cast<uint32_t>(seed));
    randomSeed(seed);
    bool newList = true;
    int list = 0;
    for (int g = 0; g < games; g++) {
      answerer.declaredSolo = 0;
      answerer.hochzeitAlone = false;
      start(newList, options(list));
      std::array<int32_t, 5> before{};
      for (int s = 1; s <= 4; s++) before[s] = cg.gs.listTotals[s];
      if (!finish(answerer)) {
        ADD_FAILURE() << "game " << g << " stalled in phase " << int(cg.gs.phase) << " step " << cg.gs.step;
        return seen;
      }
      const std::string fault = cardsFault();
      EXPECT_EQ(fault, "") << "game " << g;
      int32_t sum = 0;
      for (int s = 1; s <= 4; s++) {
        const int32_t booked = cg.gs.listTotals[s] - before[s];
        EXPECT_EQ(booked, gameListValue(cg.gs.gamesPlayed, s)) << "game " << g << " seat " << s;
        sum += booked;
      }
      EXPECT_EQ(sum, 0) << "game " << g << ": " << gameListRowText(cg.gs.gamesPlayed);
      if (!fault.empty() || sum != 0) return seen;
      seen.insert(gameKind(answerer.declaredSolo));
      const TDoppelkopfSeat& w = doppelkopfGameArea().seats[0];
      for (int l = 1; l <= w.doppelkopfReLevel; l++) seen.insert("Re " + std::to_string(l));
      for (int l = 1; l <= w.doppelkopfKontraLevel; l++) seen.insert("Kontra " + std::to_string(l));
      if (gameListRowText(cg.gs.gamesPlayed).rfind("Unentschieden", 0) == 0) seen.insert("keiner gewinnt");
      newList = cg.gs.listOver != 0;
      if (newList) list++;
    }
    const std::string log = traceLog();
    EXPECT_EQ(log.find("abgelehnt"), std::string::npos) << log.substr(0, 2000);
    EXPECT_EQ(log.find("ACHTUNG"), std::string::npos);
    return seen;
  }
};

TEST_F(DoppelkopfSelfPlayTest, EveryOptionOnReachesEveryBranch) {
  const std::set<std::string> seen = playLists(selfPlayGames(), everyOption, 16);
  for (const char* kind : {"Normalspiel", "Hochzeit mit Partner", "Hochzeit ohne Partner", "stille Hochzeit",
                           "Solo 1", "Solo 2", "Solo 3", "Solo 4", "Solo 5", "Solo 6", "Solo 7", "Solo 8"})
    EXPECT_TRUE(seen.count(kind)) << kind;
  for (int l = 1; l <= 5; l++) {
    EXPECT_TRUE(seen.count("Re " + std::to_string(l))) << l;
    EXPECT_TRUE(seen.count("Kontra " + std::to_string(l))) << l;
  }
}

TEST_F(DoppelkopfSelfPlayTest, TheDefaultsPlayEveryGameButTheBubenDamenSolo) {
  const std::set<std::string> seen = playLists(selfPlayGames(), [](int) { return doppelkopfDefaultOptions; }, 61);
  for (const char* kind : {"Normalspiel", "Hochzeit mit Partner", "stille Hochzeit", "Solo 1", "Solo 4", "Solo 5",
                           "Solo 6", "Solo 7"})
    EXPECT_TRUE(seen.count(kind)) << kind;
  EXPECT_FALSE(seen.count("Solo 8"));
  EXPECT_TRUE(seen.count("Re 5"));
  EXPECT_TRUE(seen.count("Kontra 5"));
}

// [SECTION] saved and loaded

class DoppelkopfResumeTest : public DoppelkopfPlayFixture {};

TEST_F(DoppelkopfResumeTest, AGameLoadedIntoAFreshProgramPlaysOnToTheSameResult) {
  struct Point {
    const char* name;
    bool (*reached)();
  } points[] = {
      {"Vorbehalt", [] { return cg.gs.phase == doppelkopfPhaseVorbehalt && cg.gs.awaitingAction == 2 && cg.gs.step >= 4; }},
      {"solo type", [] { return cg.gs.phase == doppelkopfPhaseSolo && cg.gs.awaitingAction == 2; }},
      {"mid-trick", [] {
         return cg.gs.phase == doppelkopfPhaseTricks && cg.gs.awaitingAction == 2 && cg.gs.subStep == 5 &&
                doppelkopfGameArea().trickPosition == 3;
       }},
  };
  const std::string base = folder + "/save/resume";
  for (const Point& p : points) {
    SCOPED_TRACE(p.name);
    TDoppelkopfAnswerer answerer;
    uint32_t seed = 1;
    for (; seed < 60; seed++) {
      resetTableAndCore();
      randomSeed(seed);
      answerer = TDoppelkopfAnswerer{};
      answerer.rng.seed(seed);
      answerer.vorbehalt = 0.4;
      start(true, everyOption(0));
      if (runUntil(answerer, p.reached)) break;
    }
    ASSERT_LT(seed, 60u);
    ASSERT_FALSE(cg.saveGame(base, "Test", true));
    const TDoppelkopfAnswerer atSave = answerer;
    const TCardValueTable valuesAtSave = cardValues;
    const std::string trumpsAtSave = handText(doppelkopfArea->trumps);
    randomSeed(4242);
    ASSERT_TRUE(finish(answerer));
    const TDoppelkopfOutcome reference = outcome();

    resetTableAndCore();
    TDoppelkopfArea blank{};
    doppelkopfAttachArea(blank);
    cardValues = TCardValueTable{};
    ASSERT_TRUE(cg.loadGame(base));
    doppelkopfGameArea().trumps = THand{};
    cg.resumeGame();
    screenMode = 1;
    EXPECT_EQ(doppelkopfArea, &doppelkopfGameArea());
    EXPECT_EQ(handText(doppelkopfArea->trumps), trumpsAtSave);
    for (int suit = 1; suit <= 4; suit++)
      for (int rank = 1; rank <= 14; rank++)
        EXPECT_EQ(cardValues[suit][rank], valuesAtSave[suit][rank]) << "suit " << suit << " rank " << rank;
    randomSeed(4242);
    answerer = atSave;
    ASSERT_TRUE(finish(answerer));
    EXPECT_EQ(cardsFault(), "");
    const TDoppelkopfOutcome loaded = outcome();
    EXPECT_EQ(loaded.text, reference.text);
    EXPECT_EQ(loaded.row, reference.row);
    EXPECT_EQ(loaded.won, reference.won);
  }
}

// Computer seats keep their knowledge of the deal in the area, so a normal game saved in the
// middle of its fifth trick plays on alike after loading.
TEST_F(DoppelkopfResumeTest, ComputerSeatsLoadedMidTrickPlayOnToTheSameResult) {
  const auto computerSeats = [] {
    for (int s = 1; s <= 4; s++) {
      cg.seatRecords[s].kind = seatKindComputer;
      cg.gs.seatProfiles[s].strength = 1 + s % 3;
    }
  };
  // Frames until `until` holds with no card on its way; false when the game ends first.
  const auto framesUntil = [](auto until) {
    for (int f = 0; f < 6000; f++) {
      if (until() && pendingMoveCount == 0 && cg.gs.pendingMove == 0) return true;
      if (cg.gs.phase == 5) return false;
      headlessFrame();
      advanceFakeTick(50);
    }
    return false;
  };
  const auto midTrick = [] {
    return cg.gs.phase == doppelkopfPhaseTricks && cg.gs.subStep == 5 && doppelkopfGameArea().trickPosition == 3 &&
           doppelkopfGameArea().doppelkopfSoloType == doppelkopfNormalGame;
  };
  const auto over = [] { return cg.gs.phase == 5; };
  const std::string base = folder + "/save/computers";
  uint32_t seed = 1;
  for (; seed < 60; seed++) {
    resetTableAndCore();
    randomSeed(seed);
    start(true, everyOption(0));
    computerSeats();
    if (framesUntil(midTrick)) break;
  }
  ASSERT_LT(seed, 60u);
  ASSERT_FALSE(cg.saveGame(base, "Test", true));
  randomSeed(4242);
  ASSERT_TRUE(framesUntil(over));
  const TDoppelkopfOutcome reference = outcome();

  resetTableAndCore();
  TDoppelkopfArea blank{};
  doppelkopfAttachArea(blank);
  cardValues = TCardValueTable{};
  ASSERT_TRUE(cg.loadGame(base));
  cg.resumeGame();
  screenMode = 1;
  computerSeats();
  randomSeed(4242);
  ASSERT_TRUE(framesUntil(over));
  EXPECT_EQ(cardsFault(), "");
  const TDoppelkopfOutcome loaded = outcome();
  EXPECT_EQ(loaded.text, reference.text) << "seed " << seed;
  EXPECT_EQ(loaded.row, reference.row);
  EXPECT_EQ(loaded.won, reference.won);
  const std::string log = traceLog();
  for (const char* fault : {"abgelehnt", "nicht angeboten", "nicht spielbar", "ACHTUNG"})
    EXPECT_EQ(log.find(fault), std::string::npos) << fault;
}
