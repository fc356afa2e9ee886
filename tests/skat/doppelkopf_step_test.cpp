// Doppelkopf's step through the core: the deal, the dealer of a list, an announcement made
// instead of a card, and the name plates the table display chooses.
#include "games/skat/doppelkopf_announce.h"
#include "games/skat/doppelkopf_callbacks.h"
#include "games/skat/doppelkopf_game_step.h"
#include "games/skat/doppelkopf_vorbehalt.h"
#include "tests/skat/doppelkopf_play_fixture.h"

class DoppelkopfStepTest : public DoppelkopfPlayFixture {};

TEST_F(DoppelkopfStepTest, EachSeatGetsTwelveCardsDealtAtOnceOrInPackets) {
  for (int32_t dealMode : {1, 2}) {
    SCOPED_TRACE(dealMode);
    resetTableAndCore();
    setHeadlessDisplay(dealMode);
    start(true, doppelkopfDefaultOptions);
    TDoppelkopfAnswerer answerer;
    int dealSteps = 0;
    ASSERT_TRUE(runUntil(answerer, [&] {
      if (cg.gs.phase == doppelkopfPhaseDeal) dealSteps++;
      return cg.gs.phase == doppelkopfPhaseVorbehalt && cg.gs.awaitingAction == 2;
    }));
    EXPECT_EQ(sp[11].count, 0);
    THand all{};
    for (int s = 1; s <= 4; s++) {
      EXPECT_EQ(sp[s].count, 12) << "seat " << s;
      syncHandFromSlots(sp[s]);
      appendHand(all, sp[s].hand);
    }
    EXPECT_EQ(handUsed(all), 48);
    EXPECT_EQ(cg.gs.bl.decisionKind, 66);
    EXPECT_EQ(cg.gs.akspieler, doppelkopfSeatAfter(cg.gs.dealer, 1)) << "the dealer's left is asked first";
    if (dealMode == 2) {
      EXPECT_GE(dealSteps, 16) << "one packet of three per step";
    }
  }
}

TEST_F(DoppelkopfStepTest, TheDealerOfANewListAndOfTheGamesAfter) {
  const struct { int32_t choice; int32_t dealers[3]; } cases[] = {
      {2, {1, 2, 3}}, {4, {3, 4, 1}}, {5, {4, 1, 2}}};
  for (const auto& c : cases) {
    TDoppelkopfOptions o = doppelkopfDefaultOptions;
    o.dealerChoice = c.choice;
    for (int g = 0; g < 3; g++) {
      start(g == 0, o);
      EXPECT_EQ(cg.gs.dealer, c.dealers[g]) << "choice " << c.choice << " game " << g;
      EXPECT_EQ(cg.gs.akspieler, c.dealers[g]);
    }
  }
}

TEST_F(DoppelkopfStepTest, AnAnnouncementDuringPlayAsksTheSameSeatForItsCardAgain) {
  TDoppelkopfAnswerer answerer;
  answerer.vorbehalt = 0;
  answerer.announceEarly = 0;
  start(true, doppelkopfDefaultOptions);
  ASSERT_TRUE(runUntil(answerer, [] {
    return cg.gs.phase == doppelkopfPhaseTricks && cg.gs.awaitingAction == 2 && cg.gs.bl.decisionKind == 47 &&
           cg.gs.bl.showOptions && cg.gs.bl.optionCount >= 1 && doppelkopfGameArea().trickPosition == 2;
  }));
  const int32_t seat = cg.gs.akspieler;
  const bool kontra = doppelkopfIsKontraSide(seat);
  const int32_t level = doppelkopfAnnouncementLevel(kontra);
  const int32_t cards = sp[seat].count;
  cg.submitAction(2, 0, cg.gs.bl.optionValues[1]);
  ASSERT_TRUE(runUntil(answerer, [] { return cg.gs.awaitingAction == 2; }));
  EXPECT_EQ(cg.gs.akspieler, seat);
  EXPECT_EQ(cg.gs.bl.decisionKind, 47);
  EXPECT_EQ(sp[seat].count, cards) << "no card was played";
  EXPECT_EQ(doppelkopfAnnouncementLevel(kontra), level + 1);
  EXPECT_EQ(doppelkopfAnnouncementMarkers(kontra), level + 1);
}

TEST_F(DoppelkopfStepTest, ThePlateFollowsTheUsersViewOfTheParties) {
  const struct { int32_t type; int32_t party; int32_t plate; } cases[] = {
      {doppelkopfNormalGame, partyUndecided, doppelkopfPlatePlain},
      {doppelkopfNormalGame, partyRe, doppelkopfPlateRe},
      {doppelkopfNormalGame, partyKontra, doppelkopfPlateKontra},
      {doppelkopfNormalGame, partySilentSolo, doppelkopfPlateNone},
      {doppelkopfHerzSolo, partyRe, int32_t{doppelkopfPlateSolo} + doppelkopfHerzSolo},
      {doppelkopfFleischlos, partyRe, int32_t{doppelkopfPlateSolo} + doppelkopfFleischlos},
      {doppelkopfDamenSolo, partyKontra, doppelkopfPlateNone},
      {doppelkopfKaroSolo, partySilentSolo, doppelkopfPlateNone},
      {doppelkopfKaroSolo, partyUndecided, doppelkopfPlatePlain},
  };
  for (const auto& c : cases) {
    freshGame();
    setType(c.type, 2);
    area.views[1].party[2] = c.party;
    area.views[0].party[2] = partyKontra;  // only the user's view counts
    doppelkopfRefreshPlayers();
    EXPECT_EQ(doppelkopfSeatPlate(2), c.plate) << "type " << c.type << " party " << c.party;
  }
}

TEST_F(DoppelkopfStepTest, PartyGuessesAreCountedUndecidedRightOrWrong) {
  setHand(2, "cQ hA");
  setHand(3, "dA hA");
  for (int v = 1; v <= 4; v++)
    for (int s = 1; s <= 4; s++) area.views[v].party[s] = partyKontra;
  // View 1 guesses seat 2 (a Kreuz-Dame holder) right, view 4 guesses seat 3 wrong, view 2
  // has no guess for seat 3.
  area.views[1].party[2] = partyUndecided, area.views[1].partyGuess[2] = partyRe;
  area.views[4].party[3] = partyUndecided, area.views[4].partyGuess[3] = partyRe;
  area.views[2].party[3] = partyUndecided, area.views[2].partyGuess[3] = partyUndecided;
  doppelkopfShowPartyGuessStats();
  EXPECT_EQ(doppelkopfPartyGuessText(), "Unknown: 33.33% (1)\nRichtig: 33.33% (1)\nFalsch: 33.33% (1)");
  area.views[4].party[3] = partyKontra;
  area.views[2].party[3] = partyKontra;
  doppelkopfShowPartyGuessStats();
  EXPECT_EQ(doppelkopfPartyGuessText(), "Unknown: 25.00% (1)\nRichtig: 50.00% (2)\nFalsch: 25.00% (1)")
      << "the totals run on over the list";
}
