// The computer player's answers to the Skat decisions: bids and holds by the bid limit, the
// Skat question, the game and its announcements, Kontra thresholds by the profile, pressing,
// the card, and the trace lines at start-up.
#include <gtest/gtest.h>

#include <vector>

#include "games/skat/skat_ai.h"
#include "tests/skat/skat_ai_fixture.h"
#include "tests/support/cards.h"

namespace {

struct Answer {
  int kind;
  int32_t b;
};
std::vector<Answer> answers;
void collect(int kind, int32_t b) { answers.push_back({kind, b}); }

class SkatAIAnswers : public SkatAIFixture {
 protected:
  void SetUp() override {
    SkatAIFixture::SetUp();
    answers.clear();
    skatAISubmitHook = collect;
    cg.gs.akspieler = 2;
  }
  void TearDown() override {
    skatAISubmitHook = nullptr;
    cg.gs.bl = TDecisionBlock{};
    cg.gs.akspieler = 0;
    SkatAIFixture::TearDown();
  }
  // Opens decision `kind` with the given option codes (none: no buttons).
  void ask(int32_t kind, std::vector<int16_t> codes) {
    TDecisionBlock& bl = cg.gs.bl;
    bl = TDecisionBlock{};
    bl.decisionKind = kind;
    bl.showOptions = codes.empty() ? 0 : 1;
    bl.optionCount = static_cast<int32_t>(codes.size());
    for (size_t i = 0; i < codes.size(); i++) bl.optionValues[static_cast<int>(i) + 1] = codes[i];
  }
  void rate(int seat, const TSkatSeatRating& r) { skatStoreSeatRating(sp[seat], r); }
  // The single answer of one call of the player: "kind:b", or "none".
  std::string answer() {
    answers.clear();
    skatAIMove();
    if (answers.empty()) return "none";
    EXPECT_EQ(answers.size(), 1u) << "one action per call";
    return std::to_string(answers[0].kind) + ":" + std::to_string(answers[0].b);
  }
};

TEST_F(SkatAIAnswers, BidsAndHoldsUpToTheBidLimit) {
  struct Case {
    int32_t limit, asked, kind;
    const char* answer;
  } cases[] = {
      {20, 18, 48, "2:41"}, {20, 20, 48, "2:41"}, {20, 22, 48, "2:43"},
      {20, 20, 49, "2:42"}, {20, 22, 49, "2:43"}, {0, 18, 48, "2:43"},
  };
  for (const Case& c : cases) {
    TSkatSeatRating r{};
    r.bidLimit = static_cast<int16_t>(c.limit);
    rate(2, r);
    skatArea->skatBidIndex = 1;
    skatArea->skatBidList[1] = c.asked;
    ask(c.kind, {static_cast<int16_t>(c.kind == 48 ? 41 : 42), 43});
    EXPECT_EQ(answer(), c.answer) << "limit " << c.limit << ", asked " << c.asked << ", kind " << c.kind;
  }
}

TEST_F(SkatAIAnswers, NullHandTakesNoSkatAndNamesNull) {
  TSkatSeatRating r{};
  r.bestGame = skatTypeNull;
  r.nullKind = 1;
  r.bidLimit = 35;
  rate(2, r);
  ask(50, {51, 45});
  EXPECT_EQ(answer(), "2:45") << "Hand";
  EXPECT_EQ(skatGame->handGame, 1);
  ask(55, {1, 2, 3, 4, 10, 11, 14});
  EXPECT_EQ(answer(), "2:10");
  ask(57, {1, 4});
  EXPECT_EQ(answer(), "2:1") << "plain Null";
  r.nullKind = 2;
  r.bidLimit = 46;
  rate(2, r);
  ask(50, {51, 45});
  EXPECT_EQ(answer(), "2:51") << "Null ouvert without Hand takes the Skat";
  EXPECT_EQ(skatGame->level, skatLevelOffen);
  ask(57, {1, 4});
  EXPECT_EQ(answer(), "2:4") << "Null ouvert";
}

TEST_F(SkatAIAnswers, HandAndAnnouncementsFromTheRating) {
  TSkatSeatRating r{};
  r.bestGame = skatTypeGrand;
  r.playHand = 1;
  r.announceSchneider = 1;
  r.strength = 150;
  rate(2, r);
  ask(60, {51, 46, 45});
  EXPECT_EQ(answer(), "2:46") << "strength 124 or more takes Rum when offered";
  EXPECT_EQ(skatGame->rumGame, 1);
  EXPECT_EQ(skatGame->level, 0) << "a game taken up through Rum announces nothing";
  ask(50, {51, 45});
  EXPECT_EQ(answer(), "2:45");
  EXPECT_EQ(skatGame->rumGame, 0);
  EXPECT_EQ(skatGame->level, skatLevelSchneiderAnnounced);
  ask(56, {1, 2, 3, 4});
  EXPECT_EQ(answer(), "2:2") << "Schneider announced";
  ask(59, {61, 62});
  EXPECT_EQ(answer(), "2:62") << "no Spitze";
  ask(55, {1, 2, 3, 4, 10, 11, 14});
  EXPECT_EQ(answer(), "2:11");
  r.bestGame = skatTypeRamsch;  // a game the question does not offer
  rate(2, r);
  EXPECT_EQ(answer(), "2:1") << "the question is answered all the same";
}

TEST_F(SkatAIAnswers, SchiebenRound) {
  skatGame->ramschGame = 1;
  skatGame->schiebenRound = 1;
  cg.gs.phase = 9;
  struct Case {
    int16_t bestGame, strength;
    const char* answer;
  } cases[] = {{skatTypeNull, 120, "2:45"}, {1, 90, "2:45"}, {1, 91, "2:51"}};
  for (const Case& c : cases) {
    TSkatSeatRating r{};
    r.bestGame = c.bestGame;
    r.strength = c.strength;
    rate(2, r);
    ask(67, {51, 45});
    EXPECT_EQ(answer(), c.answer) << "best game " << c.bestGame << ", strength " << c.strength;
  }
  TSkatSeatRating r{};
  r.bestGame = skatTypeGrand;
  r.playHand = 1;
  r.strength = 134;
  rate(2, r);
  ask(66, {66, 84});
  EXPECT_EQ(answer(), "2:84") << "Grand Hand";
  r.strength = 133;
  rate(2, r);
  EXPECT_EQ(answer(), "2:66") << "gesund";
  r.bestGame = skatTypeNull;
  r.nullKind = 1;
  rate(2, r);
  ask(68, {68, 0});
  EXPECT_EQ(answer(), "2:68") << "Jungfrau";
}

TEST_F(SkatAIAnswers, KontraAndReThresholds) {
  setGame(skatTypeClubs, 1);
  struct Case {
    int32_t kont, declarerStrength, level;
    const char* answer;
  } cases[] = {
      {50, 94, 0, "2:1"},  {50, 95, 0, "2:-1"},  {0, 94, 0, "2:1"},
      {100, 142, 0, "2:-1"}, {100, 141, 0, "2:1"},  // 95 x 1.5 = 142.5, to even 142
      {50, 115, 1, "2:-1"}, {50, 116, 1, "2:2"},  // the declarer's Re: 115 against its strength
      {100, 58, 1, "2:-1"}, {100, 59, 1, "2:2"},  // 115 x 0.5 = 57.5, to even 58
  };
  for (const Case& c : cases) {
    seatProfile[2].fields.kont = c.kont;
    seatProfile[1].fields.kont = c.kont;
    TSkatSeatRating d{};
    d.strength = static_cast<int16_t>(c.declarerStrength);
    rate(1, d);
    skatGame->kontraLevel = c.level;
    if (c.level == 0) {
      cg.gs.akspieler = 2;
      rate(2, TSkatSeatRating{});
      ask(44, {1, -1});
    } else {
      cg.gs.akspieler = 1;
      ask(63, {2, -1});
    }
    EXPECT_EQ(answer(), c.answer) << "kont " << c.kont << ", declarer " << c.declarerStrength << ", level " << c.level;
  }
  setGame(skatTypeNull, 1);
  cg.gs.akspieler = 2;
  ask(44, {1, -1});
  EXPECT_EQ(answer(), "2:-1") << "no Kontra in Null";
}

TEST_F(SkatAIAnswers, PressingMovesTheCardToTheFrontFirst) {
  setGame(skatTypeClubs, 2);
  cg.gs.phase = 7;
  setSeat(2, "cJ sJ hJ dJ cA c10 cK cQ c9 h9 sK s10");
  ask(54, {});
  EXPECT_EQ(answer(), "0:1");
  EXPECT_EQ(cardText(sp[2].slots[1].card), "h9") << "the 9 of hearts goes first";
  EXPECT_EQ(cardText(sp[2].hand.k[1]), "h9");
  EXPECT_EQ(sp[2].count, 12) << "the player moves nothing itself";
  ask(53, {53});
  EXPECT_EQ(answer(), "2:53") << "a full Skat: fertig";
}

TEST_F(SkatAIAnswers, PressingNeverLeavesTheQuestionOpen) {
  setGame(skatTypeNull, 2);
  cg.gs.phase = 7;
  setSeat(2, "c7 c8 c9 s7 s8 s9 h7 h8 hK d7 d8");
  TSkatSeatRating r{};
  r.bestGame = skatTypeNull;
  r.nullRiskCount = 2;
  r.nullRiskCard1 = card("dA");  // pressed already
  r.nullRiskCard2 = card("hA");  // never held
  rate(2, r);
  ask(54, {});
  EXPECT_EQ(answer(), "0:1");
}

TEST_F(SkatAIAnswers, TheCardIsAnsweredByItsPosition) {
  setGame(skatTypeGrand, 1);
  cg.gs.phase = 4;
  setSeat(2, "s7 hA h7");
  setSeat(1, "h8");
  setSeat(3, "d7");
  setTrick(1, "hK");
  ask(58, {});
  std::string a = answer();
  EXPECT_EQ(a, "0:2") << "the Ace of hearts takes the King";
  cg.gs.phase = 3;
  EXPECT_EQ(answer(), "none") << "no card outside the trick play";
}

TEST_F(SkatAIAnswers, OneOptionIsAnsweredAtOnce) {
  ask(99, {7});
  EXPECT_EQ(answer(), "2:7");
  ask(99, {7, 8});
  EXPECT_EQ(answer(), "none") << "an unknown question stays open";
}

TEST_F(SkatAIAnswers, StartUpTraceLines) {
  logSkatAIInit();
  EXPECT_EQ(protocolText(), "initialisiereDLL(\"data\\skatai.dat\")\r\nOK\r\n");
}

}  // namespace
