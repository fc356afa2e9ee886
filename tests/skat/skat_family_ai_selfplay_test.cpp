// Schafkopf and Doppelkopf played headless with four computer seats at mixed strengths:
// every game ends, every seat's answer is taken, no card is replaced and no alert is
// written.
#include <string>

#include "games/skat/doppelkopf_state.h"
#include "games/skat/schafkopf_state.h"
#include "platform/random.h"
#include "tests/skat/skat_play_fixture.h"

namespace {

class FamilyAISelfPlay : public SkatPlayFixture {
 protected:
  void TearDown() override {
    tableLandsAtOnce = false;
    SkatPlayFixture::TearDown();
  }

  static void computerSeats(int game) {
    for (int s = 1; s <= 4; s++) {
      cg.seatRecords[s].kind = seatKindComputer;
      cg.gs.seatProfiles[s].strength = 1 + (s + game) % 3;
    }
  }

  // Frames until the result shows; false when the game stalls.
  static bool playOn(int frameLimit = 20000) {
    for (int f = 0; f < frameLimit; f++) {
      if (cg.gs.phase == 5) return true;
      headlessFrame();
      advanceFakeTick(50);
    }
    return false;
  }

  static int cardsWon() {
    int n = 0;
    for (int s = 7; s <= 10; s++) n += stackUsed(sp[s]);
    return n;
  }

  static int cardsLeftInHands() {
    int n = 0;
    for (int s = 1; s <= 4; s++) n += stackUsed(sp[s]);
    return n;
  }

  void expectCleanTrace() const {
    const std::string log = traceLog();
    for (const char* fault : {"abgelehnt", "Bereichsfehler", "ACHTUNG", "nicht spielbar", "nicht angeboten"})
      EXPECT_EQ(log.find(fault), std::string::npos) << fault;
  }

  template <class Start>
  void playGames(int games, int deckSize, Start start, bool (*endedEarly)()) {
    resetHeadlessSkat(1, skatDefaultOptions);
    tableLandsAtOnce = true;
    for (int g = 0; g < games; g++) {
      randomSeed(500 + uint64_t(g));
      screenMode = 1;
      start(g == 0);
      computerSeats(g);
      ASSERT_TRUE(playOn()) << "game " << g << " stalled in phase " << int(cg.gs.phase) << " step " << cg.gs.step
                            << " kind " << cg.gs.bl.decisionKind;
      if (!endedEarly()) {
        EXPECT_EQ(cardsLeftInHands(), 0) << "game " << g;
        EXPECT_EQ(cardsWon(), deckSize) << "game " << g;
      }
      if (HasFailure()) return;
    }
    expectCleanTrace();
  }
};

TEST_F(FamilyAISelfPlay, SchafkopfComputerSeatsFinishEveryGame) {
  TSchafkopfOptions o = schafkopfDefaultOptions;
  o.gameLimit = schafkopfNoGameLimit;
  o.tout = o.farbgeier = o.farbwenz = o.bettel = o.sie = o.ramsch = o.ownAce = 1;
  playGames(
      200, 32,
      [&](bool first) {
        if (first) {
          schafkopfGameArea() = TSchafkopfArea{};
          schafkopfGameArea().options = o;
        }
        cg.startGame(gidSchafkopf, first ? 0 : 1);
      },
      [] {
        const TSchafkopfArea& a = schafkopfGameArea();
        return a.contract.type == skfBettel || a.contract.tout != 0 || a.contract.type == skfNone;
      });
}

TEST_F(FamilyAISelfPlay, DoppelkopfComputerSeatsFinishEveryGame) {
  TDoppelkopfOptions o = doppelkopfDefaultOptions;
  o.gameLimit = doppelkopfNoGameLimit;
  o.bubenDamenSolo = o.secondDulle = 1;
  playGames(
      150, 48,
      [&](bool first) {
        if (first) {
          doppelkopfGameArea() = TDoppelkopfArea{};
          doppelkopfGameArea().options = o;
        }
        cg.startGame(gidDoppelkopf, first ? 0 : 1);
      },
      [] { return false; });
}

}  // namespace
