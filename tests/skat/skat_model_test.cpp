// The model of the other hands that a seat plays by when its profile never looks at the real
// hands. One trick shows the model: the declarer (seat 3) leads the King of spades, and seat
// 1, holding the Queen and the 7, gives its partner (seat 2) the Queen when the partner's model
// holds the heart Jack to take the trick, and throws the 7 otherwise. Rows vary where the
// unseen Jack may go: into the declarer's model, into the partner's, or either way at random.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "games/skat/skat_ai.h"
#include "games/skat/skat_ai_state.h"
#include "platform/random.h"
#include "tests/skat/skat_ai_fixture.h"
#include "tests/support/cards.h"

namespace {

class SkatAIModel : public SkatAIFixture {
 protected:
  void SetUp() override {
    SkatAIFixture::SetUp();
    TSkatProfileFields p = neutralProfile;
    p.wahrs = 0;
    setProfiles(p);
    randomSeed(21);
  }
  // Seat 1's cards over many choices, as "s7", "sQ" or "s7 sQ".
  std::string outcomes() {
    std::set<std::string> seen;
    for (int i = 0; i < 64; i++) seen.insert(cardText(skatAIChooseCard(sp[1], 1, 0)));
    std::string out;
    for (const std::string& c : seen) out += (out.empty() ? "" : " ") + c;
    return out;
  }
};

void noVoids() {}
void partnerShownVoidInTrumps() { skatSetSuitShownVoid(sp[2].hand, suitTrumps, true); }
void declarerShownVoidInTrumps() { skatSetSuitShownVoid(sp[3].hand, suitTrumps, true); }
void partnerSignalledTrumps() { skatSetSuitSignalledVoid(sp[2].hand, suitTrumps, 1, true); }
void partnerSignalledTrumpsAndClubs() {
  partnerSignalledTrumps();
  skatSetSuitSignalledVoid(sp[2].hand, suitClubs, 1, true);
}

TEST_F(SkatAIModel, WhereTheUnseenTrumpGoes) {
  struct Case {
    const char* seat2;
    const char* seat3;
    int32_t bid, level;
    void (*voids)();
    const char* outcomes;
    const char* why;
  } cases[] = {
      {"c7", "hJ", 18, 0, noVoids, "s7", "one trump out, bid up to 24: the declarer gets it"},
      {"c7", "hJ", 30, 0, noVoids, "s7 sQ", "one trump out, bid above 24: dealt at random"},
      {"", "hJ", 18, 0, noVoids, "s7 sQ", "the share is capped at the pool less one: nothing for the declarer"},
      {"c7", "hJ", 30, 0, partnerShownVoidInTrumps, "s7", "the partner showed no trump: the declarer's"},
      {"c7", "hJ", 30, 0, declarerShownVoidInTrumps, "sQ", "the declarer showed no trump: the partner's"},
      {"c7", "hJ", 30, 0, partnerSignalledTrumps, "s7", "a signal counts like a shown void"},
      {"c7", "hJ", 30, 0, partnerSignalledTrumpsAndClubs, "s7 sQ",
       "signals leave the partner's model empty: the second pass ignores them"},
      {"hJ", "c7", 18, 0, noVoids, "s7", "not ouvert: the bid gives the Jack to the declarer"},
      {"hJ", "c7", 18, skatLevelOffen, noVoids, "sQ", "ouvert: the declarer's model is its real hand"},
  };
  for (const Case& c : cases) {
    setGame(skatTypeGrand, 3);
    setSeat(1, "sQ s7");
    setSeat(2, c.seat2);
    setSeat(3, c.seat3);
    setTrick(3, "sK");
    skatGame->bidReached = c.bid;
    skatGame->level = c.level;
    c.voids();
    EXPECT_EQ(outcomes(), c.outcomes) << c.why;
  }
}

}  // namespace
