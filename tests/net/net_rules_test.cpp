// The table's rules string, option letters and rows, and the rules as Skat and Canasta
// options.
#include <gtest/gtest.h>

#include "core/cg.h"
#include "games/rummy/canasta_state.h"
#include "games/skat/skat_bock_ramsch.h"
#include "games/skat/skat_state.h"
#include "net/net_events.h"
#include "net/net_rules.h"
#include "net/net_transport.h"
#include "shell/shell_globals.h"

namespace {
// A game of the given id on a table; restores what it changed.
struct TableFixture : ::testing::Test {
  TGameId savedGame = cg.gameId;
  int32_t savedPlayers = playerCount;
  TWaitingRoomChoices savedRoom = waitingRoom;
  void SetUp() override { skatAttachArea(skatGameArea()); }
  void TearDown() override {
    cg.gameId = savedGame;
    playerCount = savedPlayers;
    waitingRoom = savedRoom;
    lobbyOptionLetters.clear();
    netTransport.isHost = netTransport.isClient = false;
    netTransport.ownSeat = 0;
    netTransport.phase = 0;
    netTransport.tableName = "";
    netTransport.rules = tUniRegelStruktur{};
    for (int s = 1; s <= 8; s++) netTransport.seats[s] = TNetSeat{};
  }
  void setStates(const char* states) {
    for (int s = 1; s <= 8; ++s) netTransport.seats[s].state = uint8_t(states[s - 1] - '0');
  }
};

const std::string kAbendrunde = "15422111" "320221120520520520520520" "Abendrunde";
}  // namespace

using NetRules = TableFixture;

TEST_F(NetRules, AbendrundeBuiltAndRead) {
  cg.gameId = gidSkat;
  netTransport.isHost = true;
  netTransport.ownSeat = 1;
  setStates("21055555");
  netTransport.seats[2].substitute = 1;
  netTransport.tableName = "Abendrunde";
  const int32_t options[] = {1, 5, 4, 2, 2, 1, 1, 1};
  for (int o = 1; o <= 8; o++) waitingRoom.option[o] = options[o - 1];
  for (int s = 1; s <= 8; s++) waitingRoom.seatStrength[s] = 2;
  std::string text;
  buildRulesString(text);
  EXPECT_EQ(text, kAbendrunde);
  EXPECT_EQ(netTransport.rules.players, 3);
  EXPECT_EQ(netTransport.rules.target, 12);
  EXPECT_EQ(netTransport.rules.humanSeats, 2);
  EXPECT_EQ(netTransport.rules.computerSeats, 1);
  std::string line;
  formatRulesDescription(text, line);
  EXPECT_EQ(line.substr(0, 15), "Abendrunde (3/3");
  const std::string tail = ", 20 Sek. pro Zug, 12 Spiele)";
  ASSERT_GT(line.size(), tail.size());
  EXPECT_EQ(line.substr(line.size() - tail.size()), tail);
  formatRulesDescription(kAbendrunde.substr(0, 32) + "Einundzwanzig Zeichen", line);
  EXPECT_EQ(line.substr(0, 22), "Einundzwanzig Zeic.. (");
}

TEST_F(NetRules, MalformedStringsAreRefusedAndTheLastGoodRulesStay) {
  cg.gameId = gidCanasta;
  const std::string good = "32121111" "320221120520520520520520" "Tisch";
  netTransport.isClient = true;
  netTransport.ownSeat = 2;
  ASSERT_EQ(rulesStringFault(good), "");
  applyRulesString(good, 1);
  ASSERT_EQ(netTransport.rules.players, 4);
  const struct {
    std::string text;
    const char* why;
  } cases[] = {
      {good.substr(0, 31), "short"},
      {"3212111a" + good.substr(8), "letter among the options"},
      {good.substr(0, 8) + "720" + good.substr(11), "kind 7"},
      {good.substr(0, 8) + "020" + good.substr(11), "kind 0"},
      {"92121111" + good.substr(8), "option 1 beyond its values"},
      {"30121111" + good.substr(8), "option 2 of 0"},
      {"42221111" + good.substr(8), "teams with five players"},
      {"22221111" + good.substr(8), "teams with three players"},
      {"32121112" + good.substr(8), "option 8 has no values"},
  };
  for (const auto& c : cases) {
    EXPECT_NE(rulesStringFault(c.text), "") << c.why;
    applyRulesString(c.text, 1);
    EXPECT_EQ(netTransport.rules.players, 4) << c.why;
    EXPECT_EQ(netTransport.rules.tableName, "Tisch") << c.why;
  }
}

TEST_F(NetRules, DuringPlayOnlyHumanAndLostSeatsChange) {
  cg.gameId = gidSkat;
  netTransport.isClient = true;
  netTransport.ownSeat = 2;
  netTransport.phase = 2;
  setStates("21055555");
  waitingRoom.option[3] = 4;
  // Seat 1 lost (kind 6), seat 3 from computer to open (4), options changed.
  applyRulesString("15922111" "620221420520520520520520" "X", 1);
  EXPECT_EQ(netTransport.seats[1].state, 4);
  EXPECT_EQ(netTransport.seats[3].state, 0);
  EXPECT_EQ(waitingRoom.option[3], 4);
}

TEST_F(NetRules, OptionTextsAndNumbers) {
  cg.gameId = gidCanasta;
  std::string t;
  getNetOptionText(7, 0, t);
  EXPECT_EQ(t, "Nächster Geber");
  getNetOptionText(7, -1, t);
  EXPECT_EQ(t, "6");
  getNetOptionText(8, -1, t);
  EXPECT_EQ(t, "0");
  getNetOptionText(3, 8, t);
  EXPECT_EQ(t, "");
  const struct {
    const char* text;
    int32_t n;
  } numbers[] = {{"Kein Zeitlimit", 0}, {"10000 Punkte", 10000}, {"12 Spiele", 12}, {"Nach 60:60", 0}, {"", 0}};
  for (const auto& c : numbers) EXPECT_EQ(parseLeadingNumber(c.text), c.n) << c.text;
  getGameIdText(t);
  EXPECT_EQ(t.size(), 5u);
  netTransport.isHost = true;
  EXPECT_EQ(getUdpPort(false), 1234);
  EXPECT_EQ(getUdpPort(true), 1235);
  netTransport.isHost = false;
  EXPECT_EQ(getUdpPort(false), 1235);
  EXPECT_EQ(getUdpPort(true), 1234);
}

TEST_F(NetRules, LobbyLettersAndOptionRows) {
  cg.gameId = gidCanasta;
  const struct {
    const char* letters;
    int32_t i1, f2, x3, s;
    bool b1;
  } cases[] = {
      {"i1=3", 3, -1, -1, 0, false},
      {"i1", -1, -1, -1, 0, false},
      {"i1=", -1, -1, -1, 0, false},
      {"f2:5x3-2s=4", -1, 5, 2, 4, false},
      {"b12", -1, -1, -1, 0, true},
      {"i1=a", -1, -1, -1, 0, false},
  };
  for (const auto& c : cases) {
    lobbyOptionLetters = c.letters;
    EXPECT_EQ(getLobbyFlagI(1), c.i1) << c.letters;
    EXPECT_EQ(getLobbyFlagF(2), c.f2) << c.letters;
    EXPECT_EQ(getLobbyForcedOption(3), c.x3) << c.letters;
    EXPECT_EQ(getLobbyFlagS(), c.s) << c.letters;
    EXPECT_EQ(lobbyHasFlagB(1), c.b1) << c.letters;
  }
  lobbyOptionLetters = "b5d4";
  const TOptionRow four = optionRowLayout(4, true), five = optionRowLayout(5, true), six = optionRowLayout(6, true);
  EXPECT_TRUE(four.visible);
  EXPECT_TRUE(four.locked);
  EXPECT_FALSE(five.visible);
  EXPECT_EQ(six.labelY, 70 + 33 * 5);
  EXPECT_EQ(six.controlY, 74 + 33 * 5);
  EXPECT_EQ(optionRowLayout(8, true).visible, false) << "Canasta's option 8 has no values";
  cg.gameId = gidSkat;
  lobbyOptionLetters.clear();
  EXPECT_FALSE(optionRowLayout(1, true).visible) << "one value only";
  EXPECT_EQ(optionRowLayout(2, true).labelY, 70 + 33 * 1);
  EXPECT_EQ(optionRowLayout(3, true).value, 4) << "12 Spiele";
  lobbyOptionLetters = "f3=2";
  EXPECT_EQ(optionRowLayout(3, false).value, 2);
}

TEST_F(NetRules, CanastaTeamsFollowThePlayerCount) {
  cg.gameId = gidCanasta;
  netTransport.isHost = true;
  for (int players = 2; players <= 6; players++) {
    waitingRoom.option[1] = players - 1;
    waitingRoom.option[4] = 2;
    refreshWaitingRoomSeat();
    EXPECT_EQ(waitingRoom.option[4], players == 3 || players == 5 ? 1 : 2) << players;
    EXPECT_EQ(isForcedOptionValue(players), true);
  }
}

TEST_F(NetRules, SkatOptionsFromEveryValue) {
  cg.gameId = gidSkat;
  netTransport.isClient = true;
  netTransport.ownSeat = 2;
  playerCount = 3;
  const int32_t games[] = {0, 1, 3, 6, 12, 18, 24, 30, 48, 60};
  for (int o = 3; o <= 8; o++)
    for (int v = 1; v <= getNetOptionCount(o); v++) {
      std::string rules = "12422111" "320221120520520520520520";
      rules[size_t(o - 1)] = char('0' + v);
      ASSERT_TRUE(parseRulesString(rules, netTransport.rules)) << rules;
      applyTableRulesToGame();
      const TSkatOptions& s = skatArea->options;
      const std::string at = "option " + std::to_string(o) + " value " + std::to_string(v);
      const tUniRegelStruktur& r = netTransport.rules;
      EXPECT_EQ(s.listLength, games[r.options[3]]) << at;
      EXPECT_EQ(s.firstDealer, 3) << at << ": network seat 1 deals first";
      EXPECT_EQ(s.scoring, 1) << at;
      EXPECT_EQ(s.kontra, r.options[4] >= 2) << at;
      for (int k = 1; k <= 3; k++) EXPECT_EQ(s.kontraLevels[k], r.options[4] == k + 1) << at;
      EXPECT_EQ(s.ramschIfNoBid, r.options[5] == 2) << at;
      EXPECT_EQ(s.bockRamsch, r.options[6] > 1 || r.options[7] > 1) << at;
      EXPECT_EQ(s.bockRounds, r.options[6] > 1 ? skatRoundsOneRound : skatRoundsNone) << at;
      EXPECT_EQ(s.ramschRounds, r.options[7] > 1 ? skatRoundsOneRound : skatRoundsNone) << at;
      auto either = [&](int x) { return r.options[6] == x || r.options[7] == x; };
      EXPECT_EQ(s.bockSixtyAll, either(2)) << at;
      EXPECT_EQ(s.bockKontraLost, either(3)) << at;
      EXPECT_EQ(s.bockGrandHandWon && s.bockGrandHandLost, either(4)) << at;
      EXPECT_EQ(s.bockOver100, either(5)) << at;
      EXPECT_EQ(s.rum, r.options[8] == 2) << at;
      EXPECT_EQ(s.spitze, r.options[8] == 3) << at;
      EXPECT_EQ(s.grandBase, r.options[8] == 4 ? 20 : 24) << at;
      EXPECT_EQ(s.money + s.jungfrau + s.grandHand + s.durchmarsch + s.bockAllPassed + s.bockListEnd, 0) << at;
    }
}

TEST_F(NetRules, SpecialRoundsAgreedByTheTable) {
  cg.gameId = gidSkat;
  netTransport.isClient = true;
  netTransport.ownSeat = 1;
  for (int kind : {6, 7})
    for (int v = 1; v <= 5; v++) {
      std::string rules = "12411111" "320221120520520520520520";
      rules[size_t(kind - 1)] = char('0' + v);
      ASSERT_TRUE(parseRulesString(rules, netTransport.rules));
      for (int code : {0, 2, 3, 4, 5})
        EXPECT_EQ(skatSpecialRoundAgreed(kind, code), v >= 2 && code == v) << kind << " " << v << " " << code;
      EXPECT_FALSE(skatSpecialRoundAgreed(kind == 6 ? 7 : 6, v)) << "the other option stays 1";
    }
  netTransport.isClient = false;
  EXPECT_TRUE(skatSpecialRoundAgreed(6, 0)) << "a local game agrees to every trigger";
}

TEST_F(NetRules, CanastaOptions) {
  cg.gameId = gidCanasta;
  netTransport.isClient = true;
  netTransport.ownSeat = 3;
  playerCount = 4;
  const struct {
    const char* options;
    int32_t pointLimit, packs, nextDealer;
    bool teams, wild, red, negative, frozen;
  } cases[] = {
      {"31121111", 2500, 2, 2, true, false, false, false, false},
      {"37722221", 15000, 3, 3, true, true, false, false, false},
      {"12115161", 2500, 2, 7, false, false, false, false, true},
      {"34313141", 5000, 2, 5, false, false, true, false, false},
      {"55514251", 7500, 3, 6, false, false, false, true, false},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(parseRulesString(std::string(c.options) + "320221120520520520520520", netTransport.rules)) << c.options;
    applyTableRulesToGame();
    const TCanastaOptions& o = canastaArea().options;
    EXPECT_EQ(o.pointLimit, c.pointLimit) << c.options;
    EXPECT_EQ(o.packs, c.packs) << c.options;
    EXPECT_EQ(o.nextDealer, c.nextDealer) << c.options;
    EXPECT_EQ(bool(o.teams), c.teams) << c.options;
    EXPECT_EQ(bool(o.wildCanastas), c.wild) << c.options;
    EXPECT_EQ(bool(o.redThreesAlwaysPositive), c.red) << c.options;
    EXPECT_EQ(bool(o.negativeWithoutCanasta), c.negative) << c.options;
    EXPECT_EQ(bool(o.pileAlwaysFrozen), c.frozen) << c.options;
    EXPECT_EQ(o.listLength, 99999);
    EXPECT_EQ(o.firstDealer, 4) << "network seat 1 is local seat 3 here";
    EXPECT_EQ(o.cardsDealt, 0);
    EXPECT_EQ(o.cardsPerHand + o.goingOutBonus + o.concealedBonus + o.mixedCanastaBonus + o.naturalCanastaBonus +
                  o.wildCanastaBonus + o.redThreeBonus + o.fourRedThreesBonus + o.jokerValue + o.drawCount,
              11 + 100 + 200 + 300 + 500 + 1000 + 100 + 800 + 50 + 1);
  }
}

// The start of play fills the seats before the first deal attaches the Skat area, and a
// client's player count may still be another game's: the first dealer must be network seat 1
// on every machine all the same.
TEST_F(NetRules, SkatOptionsAtTheStartOfPlay) {
  cg.gameId = gidSkat;
  netTransport.isClient = true;
  netTransport.ownSeat = 2;
  ASSERT_TRUE(parseRulesString("11442321" "320321320520520520520520", netTransport.rules));
  for (int32_t before : {2, 4, 6}) {
    playerCount = before;
    skatArea = nullptr;
    skatGameArea().options.firstDealer = 0;
    fillEmptySeatsWithComputers();
    skatAttachArea(skatGameArea());
    EXPECT_EQ(playerCount, 3) << before;
    EXPECT_EQ(skatGameArea().options.firstDealer, 3) << before << ": network seat 1 is local seat 3 here";
    EXPECT_EQ(skatGameArea().options.kontraLevels[3], 1) << before;
  }
}
