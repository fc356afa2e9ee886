// The golden self-play runs: three computer seats play seeded lists headless, and the digest
// over every deal, answer, pressed and played card and booked value must come out as pinned.
// A change meant to leave the games alone (speed work) keeps these values; a change of the
// player's rules moves them, and the new values are pinned with it (skat_selfplay --digest
// prints them).
#include <cstdio>

#include "tests/skat/skat_play_fixture.h"
#include "tests/skat/skat_selfplay.h"

namespace {

class SkatSelfPlayTest : public SkatPlayFixture {
 protected:
  void TearDown() override {
    skatAISubmitHook = nullptr;
    tableLandsAtOnce = false;
    SkatPlayFixture::TearDown();
  }

  uint64_t digestOf(int games, uint64_t seed, bool allRules) {
    const TSkatOptions options = skatSelfPlayOptions(allRules);
    skatSelfPlayReset(options);
    skatAISubmitHook = skatSelfPlaySubmit;
    skatSelfPlayDigest = {};
    bool newList = true;
    for (int g = 0; g < games; g++) {
      std::array<int64_t, 4> booked{};
      EXPECT_TRUE(skatSelfPlayGame(g, seed, {0, 3, 2, 1}, newList, options, 40000, booked)) << "game " << g;
      newList = cg.gs.listOver != 0;
    }
    return skatSelfPlayDigest.value;
  }
};

TEST_F(SkatSelfPlayTest, SeededRunsPlayThePinnedGames) {
  struct Case {
    int games;
    uint64_t seed;
    bool allRules;
    uint64_t digest;
  };
  const Case cases[] = {
      {1000, 7, false, 0xc466ae1ee12913d6ULL},  // the bench's golden run
      {300, 11, true, 0xdc05ed04080c53d2ULL},  // Rum, Kontra, Ramsch, Bock and the rest
  };
  for (const Case& c : cases) {
    uint64_t d = digestOf(c.games, c.seed, c.allRules);
    EXPECT_EQ(d, c.digest) << c.games << " games, seed " << c.seed << (c.allRules ? ", every rule" : "")
                           << ": digest " << std::hex << d;
  }
}

}  // namespace
