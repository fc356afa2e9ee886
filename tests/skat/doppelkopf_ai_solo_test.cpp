// The Doppelkopf computer player's hand features, solo ratings and solo choice, and its
// answers before and during play: tables of hands, the thresholds, the Hochzeit and the
// announcements, and seeded deals where four computer seats answer every question from the
// Vorbehalt to the first card with values the decisions offer.
#include <set>

#include "core/decision_panel.h"
#include "core/game_areas.h"
#include "core/record_io.h"
#include "games/skat/doppelkopf_ai_solo.h"
#include "games/skat/doppelkopf_area_image.h"
#include "games/skat/doppelkopf_party.h"
#include "games/skat/doppelkopf_vorbehalt.h"
#include "platform/random.h"
#include "tests/skat/doppelkopf_fixture.h"

namespace {

class DoppelkopfAISoloTest : public DoppelkopfFixture {
 protected:
  void SetUp() override {
    DoppelkopfFixture::SetUp();
    for (int s = 1; s <= 4; s++) cg.gs.seatProfiles[s].strength = 3;
    cg.gs.dealer = 4;
    cg.gs.akspieler = 1;
    cg.gs.bl = TDecisionBlock{};
  }
  void TearDown() override {
    resetGameAreaQueries();
    DoppelkopfFixture::TearDown();
  }

  static THand fullDeck() {
    THand h{};
    for (int copy = 0; copy < 2; copy++)
      for (int r : {rank9, rankJack, rankQueen, rankKing, rankTen, rankAce})
        for (int s = suitClubs; s <= suitDiamonds; s++) handaddk(h, makeCard(r, s));
    return h;
  }

  // Seat 1 (or `seat`) holds the named cards; the other seats get twelve each from the rest.
  static void deal(const std::string& named, int seat = 1) {
    THand rest = fullDeck();
    const THand mine = handOf(named);
    removeHandCards(rest, mine);
    for (int s = 1; s <= 4; s++) {
      if (s == seat) {
        setStack(s, mine);
        continue;
      }
      THand h{};
      while (handUsed(h) < 12) handaddk(h, deleteCardAt(rest, 1));
      setStack(s, h);
    }
  }

  static void offer(int32_t kind, std::vector<int16_t> values) {
    TDecisionBlock& bl = cg.gs.bl;
    bl = TDecisionBlock{};
    bl.showOptions = values.empty() ? 0 : 1;
    bl.decisionKind = kind;
    bl.optionCount = int32_t(values.size());
    for (size_t i = 0; i < values.size(); i++) bl.optionValues[int(i) + 1] = values[i];
  }

  static TDoppelkopfAISeat& ai(int s) { return doppelkopfArea->doppelkopfAISeats[s]; }
};

const char* const mixedHand = "cA hA dA cQ cQ sQ sQ hJ hJ dJ dK d9";
const char* const weddingHand = "cQ cQ h10 h10 c9 c9 s9 s9 h9 h9 dJ d9";
const char* const damenHand = "cQ cQ sQ sQ hQ hQ dQ dQ cA cA sA sA";
const char* const plainHand = "cA hA dA cQ sQ sQ hQ hJ hJ dJ dK d9";
const char* const twoAssesHand = "cQ cQ sQ sQ hQ hQ dQ dQ cA sA h9 d9";
const char* const bubenHand = "cJ cJ sJ sJ hJ hJ dJ dJ cA cA sA hA";
const char* const highCardsHand = "cA cA c10 c10 sA sA s10 s10 hA hA dA dA";

TEST_F(DoppelkopfAISoloTest, OpeningLeadChance) {
  struct Case {
    const char* what;
    int32_t type;
    const char* card;
    float chance;
  } cases[] = {
      {"Kreuz-Ass, seven Kreuz out: nobody likely to ruff", doppelkopfNormalGame, "cA", 0.88474f},
      {"Herz-Ass, five Herz out: a ruff more likely", doppelkopfNormalGame, "hA", 0.70497f},
      {"the Karo-Ass is a trump below others", doppelkopfNormalGame, "dA", 0},
      {"a König while an Ass of its suit is out", doppelkopfNormalGame, "cK", 0},
      {"Fleischlos: nobody can ruff", doppelkopfFleischlos, "cA", 1},
  };
  for (const Case& c : cases) {
    deal(mixedHand);
    setType(c.type);
    EXPECT_NEAR(doppelkopfAIOpeningLeadChance(1, card(c.card)), c.chance, 1e-4) << c.what;
  }
  EXPECT_EQ(doppelkopfAIOpeningLeadChance(0, card("cA")), 0) << "no seat";
  EXPECT_EQ(doppelkopfAIOpeningLeadChance(5, card("cA")), 0) << "no seat";
}

TEST_F(DoppelkopfAISoloTest, HandFeaturesAndAnnouncementLimit) {
  struct Case {
    const char* what;
    const char* hand;
    int32_t seat;  // the dealer is seat 4: seat 1 sits right after him
    int32_t queen, ace, voids, suits, trump, trumpTotal, sideTotal, weakness, total, limit;
  } cases[] = {
      {"two Kreuz-Damen, a standing Kreuz-Ass, voids in Pik and Karo after the dealer", mixedHand, 1, 8, 5, 12, 2,
       10, 18, 19, 0, 35, 2},
      {"both Kreuz-Damen and both Dullen: 18; short of side strength", weddingHand, 2, 18, 0, 5, 0, 4, 22, 5, 4, 18,
       0},
  };
  // The soloist never leads: these hands stay out of Fleischlos, which a leading seat with
  // Asses in three suits reaches.
  doppelkopfArea->options.soloLead = doppelkopfLeadNotSoloist;
  for (const Case& c : cases) {
    deal(c.hand, c.seat);
    cg.gs.akspieler = c.seat;
    doppelkopfAIChooseGame(c.seat);
    const TDoppelkopfAISeat& me = ai(c.seat);
    EXPECT_EQ(me.queenScore, c.queen) << c.what;
    EXPECT_EQ(me.aceScore, c.ace) << c.what;
    EXPECT_EQ(me.voidScore, c.voids) << c.what;
    EXPECT_EQ(me.suitScore, c.suits) << c.what;
    EXPECT_EQ(me.trumpScore, c.trump) << c.what;
    EXPECT_EQ(me.trumpTotal, c.trumpTotal) << c.what;
    EXPECT_EQ(me.sideTotal, c.sideTotal) << c.what;
    EXPECT_EQ(me.weaknessCount, c.weakness) << c.what;
    EXPECT_EQ(me.total, c.total) << c.what;
    EXPECT_EQ(me.announceLimit, c.limit) << c.what;
    EXPECT_EQ(me.aiSoloType, 0) << c.what;
    EXPECT_GE(me.voidScore, 5) << c.what << ": every hand is void in plain Karo";
    EXPECT_EQ(doppelkopfArea->doppelkopfSoloType, doppelkopfNormalGame) << c.what;
  }
}

TEST_F(DoppelkopfAISoloTest, TrumpAndSideRatings) {
  struct Case {
    const char* what;
    int32_t type;
    const char* hand;
    bool leads;
    int32_t trump, side;
  } cases[] = {
      {"both copies of every Dame: the copies rank equal, so 105", doppelkopfDamenSolo, damenHand, false, 105, 100},
      {"the Dullen, the Kreuz-Damen and two low trumps of 26", doppelkopfNormalGame, weddingHand, false, 26, 0},
      {"waiting: both Asses 1, Ass-Zehn-König 0.5, a lone König 0.2", doppelkopfBubenSolo,
       "cA cA c10 sA s10 s9 s9 hA h10 hK dK cJ", false, 17, 55},
      {"leading: the Asses by their chance of standing", doppelkopfBubenSolo,
       "cA cA c10 sA s10 s9 s9 hA h10 hK dK cJ", true, 17, 66},
      {"Fleischlos, leading: a void suit is worth 0.4", doppelkopfFleischlos, highCardsHand, true, 0, 100},
      {"Fleischlos, waiting: four high cards of a suit 0.5", doppelkopfFleischlos, highCardsHand, false, 0, 75},
  };
  for (const Case& c : cases) {
    deal(c.hand);
    setType(c.type);
    EXPECT_EQ(doppelkopfAIRateTrumps(sp[1].hand), c.trump) << c.what;
    if (c.type != doppelkopfNormalGame) {
      EXPECT_EQ(doppelkopfAIRateSideSuits(sp[1].hand, 1, c.leads), c.side) << c.what;
    }
  }
}

TEST_F(DoppelkopfAISoloTest, SoloClassThresholds) {
  const TDoppelkopfAIMinimums waiting{58, 78, 152};
  struct Case {
    const char* what;
    int32_t type, trump, side, rating;
  } cases[] = {
      {"level 4 at 1.1 times each", doppelkopfDamenSolo, 86, 81, 4},
      {"one trump point short of it", doppelkopfDamenSolo, 85, 81, 3},
      {"level 2 at 0.85", doppelkopfBubenSolo, 66, 63, 2},
      {"level 1 at 0.65", doppelkopfKreuzSolo, 51, 48, 1},
      {"below every level", doppelkopfKreuzSolo, 50, 60, 0},
      {"Fleischlos at 60", doppelkopfFleischlos, 0, 60, 3},
      {"Fleischlos at 59", doppelkopfFleischlos, 100, 59, 2},
      {"Fleischlos at 40", doppelkopfFleischlos, 0, 40, 1},
      {"Fleischlos at 39", doppelkopfFleischlos, 0, 39, 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(doppelkopfAIRateSoloClass(waiting, c.type, c.trump, c.side), c.rating) << c.what;
}

TEST_F(DoppelkopfAISoloTest, SoloChoice) {
  struct Case {
    const char* what;
    const char* hand;
    int32_t dealer, soloLead;
    int32_t soloType, soloLimit, soloRating;
  } cases[] = {
      {"every Dame and four Asses: Damensolo, soloist up to level 3", damenHand, 2, doppelkopfLeadNormal,
       doppelkopfDamenSolo, 3, 4},
      {"Asses and Zehnen, leading: Fleischlos up to level 4", highCardsHand, 4, doppelkopfLeadNormal,
       doppelkopfFleischlos, 4, 3},
      {"the same hand when the soloist never leads", highCardsHand, 4, doppelkopfLeadNotSoloist,
       doppelkopfFleischlos, 0, 3},
      {"nothing to play alone", plainHand, 2, doppelkopfLeadNormal, 0, 0, 0},
      {"Asses in three suits, leading: Fleischlos is at hand", mixedHand, 4, doppelkopfLeadNormal,
       doppelkopfFleischlos, 0, 3},
      {"every Dame, two single Asses, leading: Damensolo at the lower minimums", twoAssesHand, 4,
       doppelkopfLeadNormal, doppelkopfDamenSolo, 0, 3},
      {"the same hand not leading", twoAssesHand, 2, doppelkopfLeadNormal, 0, 0, 0},
      {"the soloist leads: every seat counts as leading", twoAssesHand, 2, doppelkopfLeadSoloist,
       doppelkopfDamenSolo, 0, 0},
      {"the soloist never leads: the higher minimums", twoAssesHand, 4, doppelkopfLeadNotSoloist, 0, 0, 0},
      {"every Bube and Asses in three suits: the Buben-Solo above 160 keeps Fleischlos out", bubenHand, 4,
       doppelkopfLeadNormal, doppelkopfBubenSolo, 3, 4},
  };
  for (const Case& c : cases) {
    deal(c.hand);
    cg.gs.dealer = c.dealer;
    doppelkopfArea->options.soloLead = c.soloLead;
    doppelkopfAIChooseGame(1);
    const TDoppelkopfAISeat& me = ai(1);
    EXPECT_EQ(me.aiSoloType, c.soloType) << c.what;
    if (c.soloType == 0) continue;
    EXPECT_EQ(me.soloAnnounceLimit[c.soloType], c.soloLimit) << c.what;
    EXPECT_EQ(me.soloRating[c.soloType], c.soloRating) << c.what;
    EXPECT_EQ(me.announceLimit, 0) << c.what << ": a soloist makes no normal-game announcements";
    EXPECT_EQ(doppelkopfArea->doppelkopfSoloType, doppelkopfNormalGame) << c.what;
  }
}

TEST_F(DoppelkopfAISoloTest, VorbehaltSoloAndHochzeitAnswers) {
  struct Case {
    const char* what;
    const char* hand;
    int32_t kind;
    std::vector<int16_t> offered;
    int32_t answer;
  } cases[] = {
      {"a solo hand says Vorbehalt", damenHand, 66, {66, 84}, 84},
      {"both Kreuz-Damen without a solo: Vorbehalt, not a silent wedding", weddingHand, 66, {66, 84}, 84},
      {"a plain hand: Gesund", plainHand, 66, {66, 84}, 66},
      {"the solo hand chooses Solo", damenHand, 84, {86, 87}, 86},
      {"both Kreuz-Damen: Hochzeit", weddingHand, 84, {86, 87}, 87},
      {"Hochzeit not offered: Solo, the one offered answer", weddingHand, 84, {86}, 86},
      {"the chosen solo type", damenHand, 88, {6, 5, 1, 2, 3, 4, 7}, doppelkopfDamenSolo},
  };
  for (const Case& c : cases) {
    deal(c.hand);
    cg.gs.dealer = 2;
    if (c.kind != 66) doppelkopfAIChooseGame(1);
    offer(c.kind, c.offered);
    EXPECT_EQ(doppelkopfAIAnswer(c.kind), c.answer) << c.what;
  }
}

TEST_F(DoppelkopfAISoloTest, SoloTypeNotOfferedTakesTheBestRatedOffered) {
  deal(mixedHand);
  ai(1).aiSoloType = doppelkopfBubenDamenSolo;
  ai(1).soloRating = {};
  ai(1).soloRating[doppelkopfHerzSolo] = 3;
  ai(1).soloRating[doppelkopfBubenSolo] = 2;
  offer(88, {6, 5, 1, 2, 3, 4, 7});
  EXPECT_EQ(doppelkopfAIAnswer(88), doppelkopfHerzSolo);
  ai(1).aiSoloType = 0;
  ai(1).soloRating = {};
  EXPECT_EQ(doppelkopfAIAnswer(88), 6) << "no rating at all: the first offered";
}

TEST_F(DoppelkopfAISoloTest, AnnouncementsUpToTheLimit) {
  struct Case {
    const char* what;
    int32_t kind;
    std::vector<int16_t> offered;
    int32_t soloType, soloist;
    int32_t limit, soloLimit, soloRating, reLevel;
    int32_t answer;
  } cases[] = {
      {"before the first card, within the limit", 89, {89, 0}, 0, 0, 2, 0, 0, 0, 89},
      {"before the first card, limit 0: Keine Ansage", 89, {89, 0}, 0, 0, 0, 0, 0, 0, 0},
      {"the limit reached", 89, {89, 0}, 0, 0, 2, 0, 0, 2, 0},
      {"with the card question, within the limit", 47, {0}, 0, 0, 1, 0, 0, 0, 0},
      {"with the card question, beyond the limit: the card", 47, {0}, 0, 0, 1, 0, 0, 1, trickAINoOption},
      {"card question without an announcement", 47, {}, 0, 0, 5, 0, 0, 0, trickAINoOption},
      {"a solo's opponent by its own rating of the solo", 89, {89, 0}, doppelkopfDamenSolo, 2, 0, 0, 1, 0, 89},
      {"a soloist by the level it planned", 89, {89, 0}, doppelkopfDamenSolo, 1, 5, 0, 3, 0, 0},
  };
  for (const Case& c : cases) {
    deal("c9 s9 h9 d9 c9 s9 h9 d9 cK sK hK dK");  // no Kreuz-Dame: the Kontra side
    setType(c.soloType, c.soloist);
    doppelkopfGameWide().doppelkopfKontraLevel = c.reLevel;
    doppelkopfGameWide().doppelkopfReLevel = c.reLevel;
    ai(1).announceLimit = c.limit;
    ai(1).soloAnnounceLimit[doppelkopfDamenSolo] = uint8_t(c.soloLimit);
    ai(1).soloRating[doppelkopfDamenSolo] = uint8_t(c.soloRating);
    offer(c.kind, c.offered);
    EXPECT_EQ(doppelkopfAIAnswer(c.kind), c.answer) << c.what;
  }
}

TEST_F(DoppelkopfAISoloTest, ASavedGameKeepsTheSeatsEvaluation) {
  TDoppelkopfArea& kept = doppelkopfGameArea();
  const TDoppelkopfArea before = kept;
  TDoppelkopfAISeat& s2 = kept.doppelkopfAISeats[2];
  s2.aiSoloType = doppelkopfFleischlos;
  s2.announceLimit = 3;
  s2.soloRating[doppelkopfFleischlos] = 4;
  s2.soloAnnounceLimit[doppelkopfKaroSolo] = 2;
  s2.weaknessCount = 5;
  ByteWriter w;
  TRecordIo out(w);
  doppelkopfAreaImageIo(out, cg.gs);
  kept = TDoppelkopfArea{};
  ByteReader r(w.bytes());
  TRecordIo in(r);
  doppelkopfAreaImageIo(in, cg.gs);
  EXPECT_FALSE(in.failed());
  EXPECT_EQ(in.pos(), out.pos());
  const TDoppelkopfAISeat& got = kept.doppelkopfAISeats[2];
  EXPECT_EQ(got.aiSoloType, doppelkopfFleischlos);
  EXPECT_EQ(got.announceLimit, 3);
  EXPECT_EQ(got.soloRating[doppelkopfFleischlos], 4);
  EXPECT_EQ(got.soloAnnounceLimit[doppelkopfKaroSolo], 2);
  EXPECT_EQ(got.weaknessCount, 5);
  kept = before;
}

// Four computer seats of mixed strengths over many seeded deals with the options drawn at
// random: every question from the Vorbehalt to the first card (66, 84, 88, 89, and 47
// with its announcement) gets a value the real builder offered, and play always starts.
TEST_F(DoppelkopfAISoloTest, SeededDealsAnswerOnlyOfferedValues) {
  doppelkopfInstallAreaQueries(gameAreas);
  randomSeed(20261211);
  std::set<int32_t> kindsAsked;
  for (int game = 0; game < 150; game++) {
    freshGame();
    TDoppelkopfOptions& o = doppelkopfArea->options;
    o.bubenDamenSolo = uint8_t(randomBelow(2));
    o.soloLead = 1 + randomBelow(3);
    for (uint8_t& a : o.announcements) a = uint8_t(randomBelow(4) > 0);
    doppelkopfBuildDeck();
    for (int s = 1; s <= 4; s++) {
      THand h{};
      for (int i = 1; i <= 12; i++) handaddk(h, sp[doppelkopfStockStack].hand.k[(s - 1) * 12 + i]);
      setStack(s, h);
      cg.gs.seatProfiles[s].strength = 1 + randomBelow(3);
    }
    sp[doppelkopfStockStack].count = 0;
    TGameState& gs = cg.gs;
    gs.dealer = 1 + randomBelow(4);
    gs.akspieler = gs.dealer;
    gs.phase = doppelkopfPhaseVorbehalt;
    gs.step = gs.subStep = 0;
    gs.awaitingAction = 0;
    bool playing = false;
    for (int tick = 0; tick < 400 && !playing; tick++) {
      if (gs.awaitingAction == 2) {
        const int32_t kind = gs.bl.decisionKind;
        kindsAsked.insert(kind);
        const int32_t value = doppelkopfAIAnswer(kind);
        ASSERT_TRUE(trickAIOffered(value)) << "game " << game << ", kind " << kind << ", answer " << value;
        gs.getBlender = TGetBlender{0, int16_t(value), 2};
        ASSERT_TRUE(doppelkopfCheckAction(2, 0, value)) << "refused: game " << game << ", kind " << kind;
        gs.awaitingAction = 0;
        gs.subState = 0;
      }
      switch (gs.phase) {
        case doppelkopfPhaseVorbehalt: doppelkopfStepVorbehalt(); break;
        case doppelkopfPhaseSolo: doppelkopfStepSolo(); break;
        case doppelkopfPhaseAnnouncements: doppelkopfStepAnnouncements(); break;
        default: playing = true; break;
      }
    }
    ASSERT_TRUE(playing) << "game " << game << " stalled before the first card";
    // The first card question: an announcement when offered and wanted, else the card.
    doppelkopfLegalCards(doppelkopfArea->legalCards);
    buildDecisionKind(47);
    const int32_t value = doppelkopfAIAnswer(47);
    if (gs.bl.showOptions) kindsAsked.insert(4700);
    EXPECT_TRUE(value == trickAINoOption || trickAIOffered(value)) << "game " << game << ", answer " << value;
  }
  for (int32_t kind : {66, 84, 88, 89, 4700}) EXPECT_TRUE(kindsAsked.count(kind)) << "never asked: " << kind;
}

}  // namespace
