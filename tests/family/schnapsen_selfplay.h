// Schnapsen and Sechsundsechzig played whole through the core's tick, a list at a time:
// random offered answers on the user's seat, and on seat 2 random answers too or the
// computer's search. After every frame every card lies in exactly one stack; no alert, no
// stall, and the list keeps each game's row as its totals.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "core/game_list.h"
#include "platform/alert.h"
#include "tests/family/schnapsen_fixture.h"

namespace schnapsen_selfplay {

inline int64_t fakeUs = 0;
inline int64_t tenMicrosecondsPerReading() { return fakeUs += 10; }

inline int selfPlayScale() {
  const char* v = std::getenv("SCHNAPSEN_SELFPLAY_SCALE");
  return v ? std::max(1, std::atoi(v)) : 1;
}

struct TRun {
  int games = 0, lists = 0, stalls = 0, alerts = 0;
};

class SchnapsenSelfPlay : public SchnapsenFixture {
 public:
  void SetUp() override {
    SchnapsenFixture::SetUp();
    setSearchClock(tenMicrosecondsPerReading);
    previousSink = setAlertSink([this](const std::string& t) {
      run.alerts++;
      ADD_FAILURE() << t;
    });
  }
  void TearDown() override {
    setAlertSink(previousSink);
    schnapsenResetSearch();
    SchnapsenFixture::TearDown();
  }

  // Every answer the open decision offers: its options and the legal cards.
  static std::vector<std::pair<int, int32_t>> offeredAnswers() {
    std::vector<std::pair<int, int32_t>> out;
    const TDecisionBlock& b = cg.gs.bl;
    if (b.showOptions)
      for (int i = 1; i <= b.optionCount; i++) out.push_back({2, b.optionValues[i]});
    int32_t seat = cg.gs.akspieler;
    for (int i = 1; i <= stackUsed(sp[seat]); i++)
      if (schnapsenIsLegalCard(sp[seat].slots[i].card)) out.push_back({0, i});
    return out;
  }

  // One list to its end (at most `games` games); seat 2 searches at `strength`, 0 answers at random.
  void playList(bool variant, int32_t strength, int games, bool closing, bool exchange) {
    options(variant, closing, exchange, 1 + games % 2);
    for (int g = 0; g < games; g++) {
      startGame(g == 0, strength, variant);
      int idle = 0;
      while (cg.gs.phase != 5 && idle < 2000) {
        idle++;
        if (cg.gs.awaitingAction == 2 && cg.gs.subState == 3 && (cg.gs.akspieler == 1 || strength == 0)) {
          idle = 0;
          auto answers = offeredAnswers();
          ASSERT_FALSE(answers.empty()) << "a decision without an answer";
          auto [kind, b] = answers[size_t(randomBelow(int32_t(answers.size())))];
          cg.submitAction(kind, 0, b);
        } else if (cg.gs.akspieler == 2 && strength > 0) {
          idle = 0;  // the search takes its frames
        }
        headlessFrame();
        advanceFakeTick(20);
        if (pendingMoveCount == 0 && cg.gs.phase == schnapsenPhasePlay) {
          ASSERT_EQ(misplaced(), "") << "game " << g;
        }
      }
      if (cg.gs.phase != 5) {
        ADD_FAILURE() << "stall: step " << cg.gs.step << " sub " << int(cg.gs.subState) << " seat " << cg.gs.akspieler
                      << " awaiting " << int(cg.gs.awaitingAction) << " pending " << int(cg.gs.pendingMove);
        run.stalls++;
        return;
      }
      run.games++;
      for (int s = 1; s <= 2; s++) EXPECT_EQ(cg.gs.listTotals[s], gameListValue(cg.gs.gamesPlayed, s)) << "booked";
      if (cg.gs.listOver) {
        run.lists++;
        return;
      }
    }
  }

  TRun run;
  AlertSink previousSink;
};

}  // namespace schnapsen_selfplay
