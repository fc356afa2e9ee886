// Skat's callbacks and table questions: list over and list text, the highscore entry, the
// result text, legal cards in each phase, open hands, the trick-end checks and the game name.
#include <filesystem>
#include <string>

#include "core/cg.h"
#include "engine/dialogs.h"
#include "engine/elements.h"
#include "engine/engine_form.h"
#include "engine/error_log.h"
#include "games/skat/skat_callbacks.h"
#include "shell/game_dialogs.h"
#include "shell/table_textures.h"
#include "table/stack_sync.h"
#include "table/stacks.h"
#include "tests/skat/skat_fixture.h"
#include "tests/support/cards.h"

namespace {

class SkatCallbacksTest : public SkatFixture {
 protected:
  void SetUp() override {
    SkatFixture::SetUp();
    if (!savedSp) savedSp = new LArray<TSpieler, 1, stackCount>(sp);
    for (int s = 1; s <= stackCount; s++) clearStack(s);
    cg.gs.gamesPlayed = 0;
    cg.gs.phase = 4;
  }
  void TearDown() override {
    sp = *savedSp;
    delete savedSp;
    cg.gs = TGameState{};
    SkatFixture::TearDown();
  }
  static void clearStack(int s) {
    sp[s].count = 0;
    sp[s].stackNo = s;
    clearHand(sp[s].hand);
  }
  static void deal(int seat, const char* cards) {
    sp[seat].hand = handOf(cards);
    syncSlotsFromHand(sp[seat]);
    syncHandFromSlots(sp[seat]);
  }
  static void play(int32_t type) {
    skatGame->gameType = skatBid->gameType = type;
    skatSetRankOrder(type);
  }
  LArray<TSpieler, 1, stackCount>* savedSp = nullptr;
};

TEST_F(SkatCallbacksTest, ListOverAndListText) {
  options().listLength = 3;
  options().bockRamsch = 0;
  struct Case {
    int played;
    bool over;
    const char* text;
  } cases[] = {{1, false, "1 Spiel von 3 gespielt"}, {2, false, "2 Spiele von 3 gespielt"},
               {3, true, "3 Spiele von 3 gespielt"}};
  for (const Case& c : cases) {
    cg.gs.gamesPlayed = c.played;
    EXPECT_EQ(skatIsListOver(), c.over) << c.played;
    std::string t;
    skatListText(t);
    EXPECT_EQ(t, c.text);
  }
}

TEST_F(SkatCallbacksTest, ListTextShowsThePendingSpecialGames) {
  options().listLength = 36;
  options().bockRamsch = 1;
  cg.gs.gamesPlayed = 4;
  std::string t;
  skatListText(t);
  EXPECT_EQ(t, "4 Spiele von 36 gespielt Sonderspiele: keine");
  pendingSpecialGames = "BBBRRR";
  skatListText(t);
  EXPECT_EQ(t, "4 Spiele von 36 gespielt Sonderspiele: BBBRRR");
  pendingSpecialGames = std::string(25, 'B');
  skatListText(t);
  EXPECT_EQ(t, "4 Spiele von 36 gespielt Sonderspiele: " + std::string(21, 'B') + "..");
}

TEST_F(SkatCallbacksTest, ResultTextIsTheSettlementsLongTextOfAFinishedGame) {
  TGameResult r;
  r.longText = "lang";
  std::string t;
  skatResultText(r, t);
  EXPECT_EQ(t, "lang");
  r.kind = resultReplayed;
  skatResultText(r, t);
  EXPECT_EQ(t, "");
}

TEST_F(SkatCallbacksTest, HighscoreEntryByTableAndTotal) {
  namespace fs = std::filesystem;
  char pattern[] = "/tmp/skat_hs_XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  std::string folder = pattern;
  fs::create_directories(folder + "/data/settings");
  setProgramFolder(folder);
  resetAllHighscores(cg.highscores);
  struct Case {
    int played;
    uint8_t international;
    int32_t total;
    int table;
    bool entered;
  } cases[] = {{12, 1, 5000, 1, true}, {12, 0, 5000, 2, true}, {13, 1, 5000, 3, true},
               {12, 1, 0, 1, false},   {12, 1, -20, 1, false}};
  for (const Case& c : cases) {
    resetAllHighscores(cg.highscores);
    cg.gs.gamesPlayed = c.played;
    options().internationalRules = c.international;
    cg.gs.listTotals[1] = c.total;
    std::string t;
    skatEnterHighscore(t);
    EXPECT_EQ(!t.empty(), c.entered) << c.total << ": " << t;
    EXPECT_EQ(cg.highscores[gidSkat][c.table][1].points == c.total, c.entered) << "table " << c.table;
  }
  // Below all ten entries: no entry.
  resetAllHighscores(cg.highscores);
  cg.gs.gamesPlayed = 3;
  cg.gs.listTotals[1] = 1;
  std::string t;
  skatEnterHighscore(t);
  EXPECT_EQ(t, "");
  fs::remove_all(folder);
}

TEST_F(SkatCallbacksTest, LegalCardsFollowTheLedSuitOrTrump) {
  play(skatTypeHearts);
  struct Case {
    const char* hand;
    const char* led;
    const char* legal;
  } cases[] = {
      {"h10 hK cJ sA d7", "h7", "h10 hK cJ"},  // Herz and the Jacks are trump
      {"sA d7 c8", "h7", "sA d7 c8"},          // no trump: any card
      {"sA s7 hJ d7", "s10", "sA s7"},         // the Herz Jack is no Pik
      {"hA d7", "", "hA d7"},                  // leading: any card
  };
  for (const Case& c : cases) {
    deal(1, c.hand);
    trickCards = handOf(c.led);
    std::string legal;
    for (int i = 1; i <= handUsed(sp[1].hand); i++)
      if (skatIsLegalCard(sp[1].hand.k[i])) legal += (legal.empty() ? "" : " ") + cardText(sp[1].hand.k[i]);
    EXPECT_EQ(legal, c.legal) << c.hand << " on " << c.led;
  }
  clearHand(trickCards);
}

TEST_F(SkatCallbacksTest, EveryCardWhileBiddingAndDeclaring) {
  play(skatTypeHearts);
  deal(1, "sA d7");
  trickCards = handOf("h7");
  for (uint8_t phase : {1, 6, 7}) {
    cg.gs.phase = phase;
    EXPECT_TRUE(skatIsLegalCard(card("sA"))) << "phase " << int(phase);
  }
  cg.gs.phase = 6;
  EXPECT_TRUE(skatAllCardsSelectable());
  cg.gs.phase = 4;
  EXPECT_FALSE(skatAllCardsSelectable());
  clearHand(trickCards);
}

TEST_F(SkatCallbacksTest, JacksStayOutOfAPushedSkatUnlessAllowed) {
  play(skatTypeRamsch);
  deal(2, "cJ sA");
  cg.gs.phase = 9;
  options().jacksMayBePushed = 0;
  EXPECT_FALSE(skatIsLegalCard(card("cJ")));
  EXPECT_TRUE(skatIsLegalCard(card("sA")));
  options().jacksMayBePushed = 1;
  EXPECT_TRUE(skatIsLegalCard(card("cJ")));
}

TEST_F(SkatCallbacksTest, OnlyTheOuvertDeclarersHandLiesOpen) {
  skatGame->declarer = 2;
  skatGame->level = skatLevelOffen;
  cg.gs.phase = 4;
  EXPECT_TRUE(skatIsSeatHandOpen(2, false));
  EXPECT_FALSE(skatIsSeatHandOpen(3, false));
  cg.gs.phase = 7;
  EXPECT_FALSE(skatIsSeatHandOpen(2, false));
  cg.gs.phase = 8;
  EXPECT_TRUE(skatIsSeatHandOpen(2, false));
  skatGame->declarer = 1;
  EXPECT_FALSE(skatIsSeatHandOpen(1, false));
  EXPECT_TRUE(skatIsSeatHandOpen(1, true));
  skatGame->level = skatLevelSchwarzAnnounced;
  EXPECT_FALSE(skatIsSeatHandOpen(1, true));
}

struct EndCase {
  const char* what;
  int32_t type;
  uint8_t level;
  int winner;
  bool handsEmpty;
  bool ends;
  bool early;  // nullTrickTaken
};

TEST_F(SkatCallbacksTest, TrickEndChecks) {
  const EndCase cases[] = {
      {"a plain trick", skatTypeClubs, 0, 3, false, false, false},
      {"the last trick", skatTypeClubs, 0, 3, true, true, false},
      {"Schwarz announced, a defender's trick", skatTypeGrand, 4, 3, false, true, true},
      {"ouvert, a defender's trick", skatTypeClubs, 5, 1, false, true, true},
      {"Schwarz announced, the declarer's trick", skatTypeGrand, 4, 2, false, false, false},
      {"the Null declarer's trick", skatTypeNull, 0, 2, false, true, true},
      {"the Null declarer's last trick", skatTypeNull, 0, 2, true, true, true},
      {"a defender's trick in Null ouvert", skatTypeNull, 5, 3, false, false, false},
  };
  for (const EndCase& c : cases) {
    SetUp();
    play(c.type);
    skatGame->declarer = skatBid->declarer = 2;
    skatGame->level = c.level;
    for (int s = 1; s <= 3; s++) {
      skatGame->noTrickYet[s] = 1;
      deal(s, c.handsEmpty ? "" : "c7");
    }
    EXPECT_EQ(skatTrickEndChecks(c.winner), c.ends) << c.what;
    EXPECT_EQ(nullTrickTaken, c.early ? 1 : 0) << c.what;
    EXPECT_EQ(skatGame->noTrickYet[c.winner], 0) << c.what;
    EXPECT_EQ(skatBid->leadSeat, c.winner) << c.what;
  }
}

TEST_F(SkatCallbacksTest, SpitzeFailsUnlessTheDeclarerTakesTheLastTrickWithTheTrumpSeven) {
  struct Case {
    const char* what;
    int winner;
    bool last;
    bool wrong;
  } cases[] = {{"in the fifth trick", 2, false, true},
               {"the last trick, taken by the declarer", 2, true, false},
               {"the last trick, taken by a defender", 3, true, true}};
  for (const auto& c : cases) {
    SetUp();
    play(skatTypeClubs);
    skatGame->declarer = skatBid->declarer = 2;
    skatGame->spitzeAnnounced = 1;
    lastTrick = handOf("c7 cA hA");
    for (int s = 1; s <= 3; s++) deal(s, c.last ? "" : "h7");
    bool ends = skatTrickEndChecks(c.winner);
    EXPECT_EQ(skatGame->spitzeWrong, c.wrong ? 1 : 0) << c.what;
    EXPECT_TRUE(ends || !c.wrong) << c.what;
    EXPECT_EQ(nullTrickTaken, c.wrong ? 1 : 0) << c.what;
  }
}

TEST_F(SkatCallbacksTest, JungfrauEndsARamschWhenTheAnnouncerTakesATrick) {
  play(skatTypeRamsch);
  skatGame->declarer = 1;
  skatGame->jungfrauAnnounced[3] = 1;
  for (int s = 1; s <= 3; s++) deal(s, "h7");
  EXPECT_FALSE(skatTrickEndChecks(2));
  EXPECT_TRUE(skatTrickEndChecks(3));
  EXPECT_EQ(skatGame->jungfrauLoser, 3);
  EXPECT_EQ(nullTrickTaken, 1);
}

TEST_F(SkatCallbacksTest, GameNames) {
  struct Case {
    int32_t type;
    bool hand;
    uint8_t level;
    bool spitze;
    const char* name;
  } cases[] = {
      {skatTypeGrand, true, skatLevelOffen, false, "Grand Hand offen"},
      {skatTypeHearts, true, skatLevelSchwarzAnnounced, false, "Herz Hand Schwarz"},
      {skatTypeClubs, true, skatLevelSchneiderAnnounced, true, "Kreuz Hand Schneider Spitze"},
      {skatTypeNull, false, skatLevelNormal, false, "Null"},
      {skatTypeSpades, false, skatLevelSchneider, false, "Pik"},
  };
  for (const auto& c : cases) {
    skatGame->gameType = c.type;
    skatGame->handGame = c.hand;
    skatGame->level = c.level;
    skatGame->spitzeAnnounced = c.spitze;
    std::string n;
    skatGameName(n);
    EXPECT_EQ(n, c.name);
  }
}

TEST_F(SkatCallbacksTest, MarkElementShowsTheTurnOrTheDeclaredGame) {
  resetEngineModel();
  dlgIPanel = createDialog(0, 0, 800, 600, false, "#ipanel", false, 0, 1.0f);
  for (int s = 1; s <= 3; s++) elTurnMarker[s] = addSimpleElement(1, 10 * s, 10, "");
  texTurnMarker = 41;
  texSuitIcons[skatTypeHearts] = 43;
  texSuitIcons[skatTypeGrand] = 47;
  struct Case {
    uint8_t phase;  // 6 bidding, 4 trick play
    int32_t toAct, declarer, type;
    bool ramsch;
    int32_t markedSeat, picture;
  } cases[] = {
      {6, 2, 0, 0, false, 2, 41},
      {4, 1, 3, skatTypeHearts, false, 3, 43},
      {4, 2, 1, skatTypeGrand, false, 1, 47},
      {4, 2, 1, skatTypeRamsch, true, 0, 0},
  };
  for (const Case& c : cases) {
    cg.gs.phase = c.phase;
    cg.gs.akspieler = c.toAct;
    skatGame->declarer = c.declarer;
    skatGame->gameType = c.type;
    skatGame->ramschGame = c.ramsch;
    skatUpdatePlayerLabels();
    for (int s = 1; s <= 3; s++) {
      const TVTLElement& e = elementOf(dlgIPanel, elTurnMarker[s]);
      EXPECT_EQ(e.visible, s == c.markedSeat ? 1 : 0) << "phase " << int(c.phase) << " seat " << s;
      if (s == c.markedSeat) {
        EXPECT_EQ(e.picture, c.picture) << "phase " << int(c.phase);
      }
    }
  }
  texTurnMarker = 0;
  texSuitIcons[skatTypeHearts] = texSuitIcons[skatTypeGrand] = 0;
  for (int s = 1; s <= 3; s++) elTurnMarker[s] = 0;
  dlgIPanel = 0;
  resetEngineModel();
}

}  // namespace
