// The table's calls into the games: the card-AI object hears of moves between stacks, and
// Skat answers the legality question through its own rule.
#include <memory>
#include <tuple>
#include <vector>

#include "core/card_ai.h"
#include "games/skat/skat_state.h"
#include "table/stack_sync.h"
#include "table/table_layout.h"
#include "table/table_questions.h"
#include "tests/table/table_fixture.h"

namespace {

class GameHooksTest : public TableTest {
 protected:
  void TearDown() override {
    aiRegistry.clear();
    trickCards.anz = 0;
    TableTest::TearDown();
  }
};

struct TRecordingAI : TAbstractCardAIImpl {
  explicit TRecordingAI(std::vector<std::tuple<int, int, std::string>>& log)
      : TAbstractCardAIImpl("recording", gidHearts), heard(log) {}
  void cleanup() override {}
  void karte_bewegt(int32_t from, int32_t to, TCard card) override {
    heard.emplace_back(from, to, cardText(card));
  }
  std::vector<std::tuple<int, int, std::string>>& heard;
};

TEST_F(GameHooksTest, TheCardAIHearsOfMovesBetweenTwoStacksOnly) {
  std::vector<std::tuple<int, int, std::string>> heard;
  aiRegistry.push_back(std::make_unique<TRecordingAI>(heard));
  setGame(gidHearts, 4);
  buildTableLayout(true);
  fill(2, "c7 sQ");
  ASSERT_TRUE(movecard(2, 2, 12, 1, 1, 2, movePlay, 0, 0, 0));
  ASSERT_TRUE(movecard(2, 1, -2, 1, 0, 2, moveRelayout, 0, 0, 0));  // within seat 2
  EXPECT_GT(runUntilIdle(), 0);
  ASSERT_EQ(heard.size(), 1u);
  EXPECT_EQ(heard[0], std::make_tuple(2, 12, std::string("sQ")));
}

TEST_F(GameHooksTest, SkatJudgesTheUsersCardsByTheLedSuit) {
  setGame(gidSkat, 3);
  cg.gs.phase = 4;  // trick play
  fill(1, "c8 hA");
  syncHandFromSlots(sp[1]);
  trickCards = handOf("c7");
  cg.gs.bl.cardsSelectable = 1;
  EXPECT_TRUE(isLegalCard(card("c8")));
  EXPECT_FALSE(isLegalCard(card("hA")));
  cg.gs.bl.cardsSelectable = 0;
  EXPECT_FALSE(isLegalCard(card("c8")));
}

}  // namespace
