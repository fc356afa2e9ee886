// Doppelkopf before the first card, answered by the test for every seat: Gesund and
// Vorbehalt, solo and Hochzeit, the solo type and who leads, the announcements before the
// first card; answers that were not offered are refused and the decision stays open.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/game_areas.h"
#include "core/game_callbacks.h"
#include "games/skat/doppelkopf_announce.h"
#include "games/skat/doppelkopf_party.h"
#include "games/skat/doppelkopf_vorbehalt.h"
#include "games/skat/skat_services.h"
#include "tests/skat/doppelkopf_fixture.h"

namespace {

// Seat 1 holds both Kreuz-Damen unless `split` gives seat 2 one of them.
const char* const hands[2][4] = {
    {"cQ cQ sQ sQ hA hA h10 h10 c9 c9 s9 s9", "hQ hQ dQ dQ cA cA sA sA c10 c10 s10 s10",
     "cJ cJ sJ sJ hJ hJ dJ dJ cK cK sK sK", "hK hK dK dK dA dA d10 d10 d9 d9 h9 h9"},
    {"cQ hQ sQ sQ hA hA h10 h10 c9 c9 s9 s9", "cQ hQ dQ dQ cA cA sA sA c10 c10 s10 s10",
     "cJ cJ sJ sJ hJ hJ dJ dJ cK cK sK sK", "hK hK dK dK dA dA d10 d10 d9 d9 h9 h9"},
};

class DoppelkopfVorbehaltTest : public DoppelkopfFixture {
 protected:
  void SetUp() override {
    DoppelkopfFixture::SetUp();
    callbacks.checkAction = doppelkopfCheckAction;
    registerGameCallbacks(gidDoppelkopf, &callbacks);
    doppelkopfInstallAreaQueries(gameAreas);
  }
  void TearDown() override {
    registerGameCallbacks(gidDoppelkopf, nullptr);
    resetGameAreaQueries();
    DoppelkopfFixture::TearDown();
  }

  // A game dealt by seat 4, about to ask for the Vorbehalt.
  void deal(bool split) {
    freshGame();
    for (int s = 1; s <= 4; s++) setHand(s, hands[split ? 1 : 0][s - 1]);
    cg.gs.dealer = cg.gs.akspieler = 4;
    cg.gs.phase = doppelkopfPhaseVorbehalt;
    cg.gs.step = 0;
    cg.gs.awaitingAction = 0;
  }

  // Answers: by decision kind, each seat's answers in turn (the last one repeats); a seat
  // without answers for a kind gives the first option.
  using Script = std::map<int32_t, std::map<int32_t, std::vector<int32_t>>>;

  // Runs the phases until trick play; false when a decision stays open (an answer refused).
  bool run(const Script& script) {
    std::map<std::pair<int32_t, int32_t>, size_t> used;
    asked.clear();
    for (int tick = 0; tick < 500; tick++) {
      if (cg.gs.phase == doppelkopfPhaseTricks) return true;
      if (cg.gs.awaitingAction == 2) {
        const int32_t kind = cg.gs.bl.decisionKind, seat = cg.gs.akspieler;
        asked.push_back(std::to_string(kind) + ":" + std::to_string(seat));
        int32_t value = cg.gs.bl.optionValues[1];
        auto k = script.find(kind);
        if (k != script.end() && k->second.count(seat)) {
          const std::vector<int32_t>& answers = k->second.at(seat);
          size_t& n = used[{kind, seat}];
          value = answers[std::min(n, answers.size() - 1)];
          n++;
        }
        cg.submitAction(2, 0, value);
        if (cg.gs.awaitingAction == 2) return false;
        continue;
      }
      switch (cg.gs.phase) {
        case doppelkopfPhaseVorbehalt: doppelkopfStepVorbehalt(); break;
        case doppelkopfPhaseSolo: doppelkopfStepSolo(); break;
        case doppelkopfPhaseAnnouncements: doppelkopfStepAnnouncements(); break;
        default: return false;
      }
    }
    return false;
  }

  static std::string publicView() {
    std::string out;
    for (int s = 1; s <= 4; s++) {
      const int32_t p = doppelkopfPartyOf(s, 0);
      out += p == partyRe ? 'R' : p == partyKontra ? 'K' : p == partyUndecided ? '?' : 'x';
    }
    return out;
  }

  std::vector<std::string> asked;  // "kind:seat" of every question
  TGameCallbacks callbacks{};
};

constexpr int32_t gesund = 66, vorbehalt = 84, solo = 86, hochzeit = 87, announce = 89, none = 0;

TEST_F(DoppelkopfVorbehaltTest, AllHealthyPlayANormalGame) {
  deal(false);
  ASSERT_TRUE(run({{89, {{1, {none}}, {2, {none}}, {3, {none}}, {4, {none}}}}}));
  EXPECT_EQ(area.doppelkopfSoloType, doppelkopfNormalGame);
  EXPECT_EQ(area.hochzeitSeat, 0);
  EXPECT_EQ(cg.gs.akspieler, 1);
  EXPECT_EQ(cg.gs.subStep, 1);
  EXPECT_EQ(skatLastSaid(1), "Keine Ansage");
  std::vector<std::string> expected{"66:1", "66:2", "66:3", "66:4", "89:1", "89:2", "89:3", "89:4"};
  EXPECT_EQ(asked, expected);
}

TEST_F(DoppelkopfVorbehaltTest, HochzeitOfTheSeatWithBothKreuzDamen) {
  deal(false);
  ASSERT_TRUE(run({{66, {{1, {vorbehalt}}}}, {84, {{1, {hochzeit}}}}}));
  EXPECT_EQ(area.hochzeitSeat, 1);
  EXPECT_EQ(area.doppelkopfSoloist, 1);
  EXPECT_EQ(area.doppelkopfSoloType, doppelkopfNormalGame);
  EXPECT_EQ(publicView(), "R???");
  EXPECT_EQ(skatLastSaid(1), "Hochzeit mit 1. fremden Stich");
  EXPECT_EQ(cg.gs.phase, doppelkopfPhaseTricks) << "nobody announces while the Hochzeit is open";
  EXPECT_EQ(cg.gs.akspieler, 1);
}

TEST_F(DoppelkopfVorbehaltTest, TheLaterOfTwoSoloWishesPlays) {
  const struct { int32_t lead; int32_t leader; } cases[] = {
      {doppelkopfLeadNormal, 1}, {doppelkopfLeadSoloist, 3}, {doppelkopfLeadNotSoloist, 4}};
  for (const auto& c : cases) {
    deal(false);
    area.options.soloLead = c.lead;
    for (uint8_t& a : area.options.announcements) a = 0;
    ASSERT_TRUE(run({{66, {{2, {vorbehalt}}, {3, {vorbehalt}}}},
                     {84, {{2, {solo}}, {3, {solo}}}},
                     {88, {{3, {doppelkopfBubenSolo}}}}}));
    EXPECT_EQ(area.doppelkopfSoloType, doppelkopfBubenSolo);
    EXPECT_EQ(area.doppelkopfSoloist, 3);
    EXPECT_EQ(publicView(), "KKRK");
    EXPECT_EQ(skatLastSaid(3), "Bubensolo");
    EXPECT_TRUE(doppelkopfIsTrump(card("dJ")));
    EXPECT_FALSE(doppelkopfIsTrump(card("cQ")));
    EXPECT_EQ(cg.gs.akspieler, c.leader) << "lead " << c.lead;
  }
}

TEST_F(DoppelkopfVorbehaltTest, SilentWeddingWhenTheHolderSaysGesund) {
  deal(false);
  ASSERT_TRUE(run({{89, {{1, {none}}, {2, {none}}, {3, {none}}, {4, {none}}}}}));
  EXPECT_EQ(area.hochzeitSeat, 0);
  EXPECT_EQ(doppelkopfPartyOf(1, 1), partyRe) << "the holder knows";
  EXPECT_EQ(publicView(), "????");
}

TEST_F(DoppelkopfVorbehaltTest, AnnouncementsGoRoundFromTheLeaderWhoLeadsAfterwards) {
  deal(true);
  // Seat 1 announces up to Schwarz; seat 2 is Re too and has nothing left to say.
  ASSERT_TRUE(run({{89, {{1, {announce, announce, announce, announce, announce}}}}}));
  EXPECT_EQ(doppelkopfGameWide().doppelkopfReLevel, 5);
  EXPECT_EQ(skatLastSaid(1), "Schwarz");
  EXPECT_EQ(cg.gs.akspieler, 1) << "the leader leads, not the seat asked last";
  std::vector<std::string> expected{"66:1", "66:2", "66:3", "66:4", "89:1", "89:1", "89:1", "89:1", "89:1"};
  EXPECT_EQ(asked, expected);
}

TEST_F(DoppelkopfVorbehaltTest, KontraBeforeTheFirstCard) {
  deal(false);
  ASSERT_TRUE(run({{89, {{1, {none}}, {2, {announce, none}}, {3, {none}}, {4, {none}}}}}));
  EXPECT_EQ(doppelkopfGameWide().doppelkopfKontraLevel, 1);
  EXPECT_EQ(publicView(), "?K??");
  EXPECT_EQ(skatLastSaid(2), "Kontra");
  EXPECT_EQ(skatLastSaid(3), "Keine Ansage");
}

struct RefusedCase {
  const char* what;
  int32_t kind;
  int32_t seat;
  int32_t value;
};

TEST_F(DoppelkopfVorbehaltTest, AnswersThatWereNotOfferedAreRefused) {
  const RefusedCase cases[] = {
      {"Hochzeit without both Kreuz-Damen", 84, 2, hochzeit},
      {"Buben-Damen solo not allowed", 88, 2, doppelkopfBubenDamenSolo},
      {"a solo number outside the list", 88, 2, 9},
      {"the no-announcement value 2", 89, 1, 2},
      {"an answer of another decision", 66, 1, solo},
  };
  for (const RefusedCase& c : cases) {
    deal(false);
    Script script{{66, {{2, {vorbehalt}}}}, {84, {{2, {solo}}}}};
    script[c.kind][c.seat] = {c.value};
    EXPECT_FALSE(run(script)) << c.what;
    EXPECT_EQ(cg.gs.bl.decisionKind, c.kind) << c.what;
    EXPECT_EQ(cg.gs.akspieler, c.seat) << c.what;
    EXPECT_EQ(cg.gs.awaitingAction, 2) << "the decision stays open: " << c.what;
    EXPECT_NE(traceLog().find("Doppelkopf: abgelehnt"), std::string::npos) << c.what;
  }
}

TEST_F(DoppelkopfVorbehaltTest, OnlyALegalCardIsTakenInTrickPlay) {
  deal(false);
  cg.gs.phase = doppelkopfPhaseTricks;
  cg.gs.akspieler = 2;  // "hQ hQ dQ dQ cA cA sA sA c10 c10 s10 s10"
  setTrick(1, "cK");
  doppelkopfLegalCards(area.legalCards);
  const struct { int32_t slot; bool taken; } cases[] = {
      {1, false}, {3, false}, {5, true}, {9, true}, {7, false}, {13, false}, {0, false},
  };
  for (const auto& c : cases) {
    cg.openDecisionDialog(47);
    cg.submitAction(0, 0, c.slot);
    EXPECT_EQ(cg.gs.awaitingAction == 0, c.taken) << "slot " << c.slot;
  }
  cg.openDecisionDialog(47);
  cg.submitAction(2, 0, 5);
  EXPECT_EQ(cg.gs.awaitingAction, 2) << "no announcement was offered";
}

TEST_F(DoppelkopfVorbehaltTest, TheHochzeitIsOfferedOnlyToTheSeatHoldingBoth) {
  deal(false);
  run({{66, {{1, {vorbehalt}}, {2, {vorbehalt}}}}, {84, {{1, {solo}}, {2, {solo}}}}, {88, {{2, {1}}}}});
  EXPECT_EQ(area.doppelkopfSoloist, 2);
  // Seat 2 was asked after seat 1: its panel had no Hochzeit.
  deal(false);
  bool hochzeitOffered[5] = {};
  Script script{{66, {{1, {vorbehalt}}, {2, {vorbehalt}}}}};
  for (int tick = 0; tick < 200 && cg.gs.phase == doppelkopfPhaseVorbehalt; tick++) {
    if (cg.gs.awaitingAction == 2) {
      const int32_t seat = cg.gs.akspieler;
      if (cg.gs.bl.decisionKind == 84)
        for (int i = 1; i <= cg.gs.bl.optionCount; i++)
          if (cg.gs.bl.optionValues[i] == hochzeit) hochzeitOffered[seat] = true;
      const int32_t value = cg.gs.bl.decisionKind == 66 && seat <= 2 ? vorbehalt : cg.gs.bl.optionValues[1];
      cg.submitAction(2, 0, value);
      continue;
    }
    doppelkopfStepVorbehalt();
  }
  EXPECT_TRUE(hochzeitOffered[1]);
  EXPECT_FALSE(hochzeitOffered[2]);
}

}  // namespace
