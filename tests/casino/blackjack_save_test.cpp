// A Blackjack game saved while betting, at a player's decision, while the dealer draws, with
// the shoe lifted and with chips flying or queued, loaded twice into fresh programs and once
// into the saving program after more play, the generator each time in the same state: bets,
// money and open cards as saved, the deck whole, and the same end each time.
#include <gtest/gtest.h>

#include <functional>

#include "core/card_ai.h"
#include "core/card_order.h"
#include "tests/casino/blackjack_play_fixture.h"

namespace {

class BlackjackSave : public BlackjackPlayFixture {
 protected:
  // Bets, money (with chips at rest: chips under way land at loading) and every open card.
  static std::string tablePicture(bool money) {
    const TBlackjackState& a = blackjackArea();
    std::string out;
    for (int s = 1; s <= playerCount; s++) {
      out += std::to_string(s) + ": ";
      if (money) out += std::to_string(chipStackValue(s) + chipStackValue(s + bjBetStackOffset));
      out += " stake " + std::to_string(a.seats[s].stake) + " cards";
      for (int j = 1; j <= stackUsed(sp[s]); j++) {
        const TCard c = sp[s].slots[j].card;
        out += blackjackIsCardFaceUp(s, j) ? " " + std::to_string(c.t) + "/" + std::to_string(c.f) : " ?";
      }
      out += " | ";
    }
    return out;
  }
  static int32_t deckSize() {
    const TBlackjackState& a = blackjackArea();
    return std::clamp(int(a.deckCount), 1, 3) * (a.variant17und4 ? 32 : 52);
  }
  static int32_t cardsOnTable() {
    int32_t n = stackUsed(sp[bjShoeStack]) + stackUsed(sp[bjLiftStack]);
    for (int s = 1; s <= playerCount; s++) n += stackUsed(sp[s]);
    return n;
  }
  // The end of the game from here: the result, the money and every hand at the end.
  static std::string playToEnd() {
    int refused = 0;
    std::string fault;
    const bool ended = playGame(false, refused, fault);
    std::string out = ended ? "ended" : "stalled";
    if (!fault.empty()) out += " fault " + fault;
    for (int s = 1; s <= playerCount; s++)
      out += " | " + std::to_string(s) + ": " + std::to_string(chipStackValue(s)) + " " +
             std::to_string(cg.gs.listTotals[s]);
    return out;
  }
  // Loads into a program that starts empty, or into the running one.
  static bool load(const std::string& base, bool fresh, uint64_t seed) {
    if (fresh) {
      static const TCG* blank = new TCG();
      cg = *blank;
      std::memset(static_cast<void*>(&sp), 0, sizeof sp);
      std::memset(static_cast<void*>(&spLayout), 0, sizeof spLayout);
      for (int s = 1; s <= stackCount; s++) sp[s].stackNo = spLayout[s].stackNo = s;
      for (int s = 1; s <= 16; s++) resetChipStack(s, true);
      chipAnimation.reset();
      cardValues = TCardValueTable{};
      blackjackArea() = TBlackjackState{};
      cg.gameId = gidBlackjack;
    }
    randomSeed(seed);
    soundRandomSeed(seed);
    if (!cg.loadGame(base)) return false;
    cg.resumeGame();
    screenMode = 1;
    return true;
  }
  void expectSameEnd(const std::string& name) {
    SCOPED_TRACE(name);
    const std::string base = folder + "/save/" + name;
    const bool atRest = chipAnimation.transferCount() + chipAnimation.moveCount() == 0;
    const std::string saved = tablePicture(atRest);
    ASSERT_FALSE(cg.saveGame(base, "Test", true));
    // The saving program plays on first; the loads then each start from the saved game.
    ASSERT_EQ(playToEnd().substr(0, 5), "ended");
    std::string ends[3];
    const bool fresh[3] = {true, true, false};
    for (int i = 0; i < 3; i++) {
      if (!fresh[i]) {
        std::string more = playToEnd();
        nextGame();
        more = playToEnd();
        ASSERT_EQ(more.substr(0, 5), "ended") << more;
      }
      ASSERT_TRUE(load(base, fresh[i], 91));
      EXPECT_EQ(tablePicture(atRest), saved) << "load " << i;
      EXPECT_EQ(cardsOnTable(), deckSize()) << "load " << i;
      ends[i] = playToEnd();
      EXPECT_EQ(ends[i].substr(0, 5), "ended") << ends[i];
    }
    EXPECT_EQ(ends[1], ends[0]);
    EXPECT_EQ(ends[2], ends[0]);
  }
  // Frames with the computer seats answering until the condition holds.
  static bool runTo(const std::function<bool()>& cond, int limit = 20000) {
    for (int f = 0; f < limit; f++) {
      if (cond()) return true;
      if (cg.gs.phase == 5) return false;
      headlessFrame();
      advanceFakeTick(50);
    }
    return cond();
  }
  // Matches of a few kinds until one reaches the condition.
  void saveWhen(const std::string& name, const std::function<bool()>& cond) {
    for (uint64_t seed = 1; seed < 40; seed++) {
      BlackjackMatch m;
      m.seats = 3 + int32_t(seed % 4);
      m.variant = seed % 3 == 2;
      m.dealMode = 1 + int32_t(seed % 2);
      m.decks = 1 + int32_t(seed % 3);
      m.secondCard = 1 + int32_t(seed % 3);
      randomSeed(seed);
      startMatch(m);
      for (int g = 0; g < 5; g++) {
        if (runTo(cond)) {
          expectSameEnd(name);
          return;
        }
        if (cg.gs.listOver) break;
        nextGame();
      }
    }
    FAIL() << "no game reached " << name;
  }
};

int32_t dealer() { return blackjackArea().dealerSeat; }

TEST_F(BlackjackSave, SavedAtEveryKindOfMoment) {
  struct Case {
    const char* name;
    std::function<bool()> when;
  };
  const Case cases[] = {
      {"betting", [] { return cg.gs.phase == 10 && cg.gs.awaitingAction == 2; }},
      {"decision",
       [] { return cg.gs.phase == 4 && cg.gs.awaitingAction == 2 && cg.gs.akspieler != dealer() && cg.gs.step < 10; }},
      {"dealer draws",
       [] {
         return cg.gs.phase == 4 && cg.gs.akspieler == dealer() && cg.gs.step < 10 && stackUsed(sp[dealer()]) >= 3;
       }},
      {"shoe lifted", [] { return cg.gs.phase == 4 && blackjackArea().shoeLifted != 0; }},
      {"chips queued", [] { return cg.gs.phase == 4 && chipAnimation.transferCount() > 0; }},
      {"chips flying", [] { return cg.gs.phase == 4 && chipAnimation.moveCount() > 0; }},
  };
  for (const Case& c : cases) saveWhen(c.name, c.when);
  EXPECT_EQ(alerts, 0) << lastAlert;
}

}  // namespace
