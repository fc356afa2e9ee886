// The transport's time-driven questions and the seat digits, without sockets.
#include <gtest/gtest.h>

#include "net/net_transport.h"
#include "platform/tick.h"
#include "shell/shell_globals.h"

namespace {
void setStates(TNetz& t, const char* states) {
  t.seatCount = 8;
  for (int s = 1; s <= 8; ++s) t.seats[s].state = static_cast<uint8_t>(states[s - 1] - '0');
}
std::string states(const TNetz& t) {
  std::string s;
  for (int i = 1; i <= 8; ++i) s += char('0' + t.seats[i].state);
  return s;
}
}  // namespace

TEST(NetSeatDigits, BuildAsTheHostSeesItsTable) {
  // Host on 1, the substitute client on 2, a computer on 3, the rest not at the table.
  TNetz t;
  setStates(t, "21055555");
  t.seats[2].substitute = 1;
  EXPECT_EQ(buildSeatDigits(t), "320221120520520520520520");
  setStates(t, "34000000");
  t.seats[2].substitute = 0;
  t.seats[1].strength = 3;
  EXPECT_EQ(buildSeatDigits(t).substr(0, 6), "430620");
}

TEST(NetSeatDigits, ApplyMirrorsTheHostAtAClientAndRefusesMalformedStrings) {
  const std::string options = "15422111";
  struct Case {
    const char* what;
    std::string rules;
    bool taken;
    const char* states;
  } cases[] = {
      {"host, substitute, computer, open, lost", options + "320221120420620520520520Abendrunde", true, "21034555"},
      {"too short", options + "3202211", false, "55555555"},
      {"a letter among the digits", options + "3202x1120420620520520520", false, "55555555"},
      {"kind 7", options + "720221120420620520520520", false, "55555555"},
  };
  for (const Case& c : cases) {
    TNetz t;
    t.isClient = true;
    t.ownSeat = 2;
    EXPECT_EQ(applySeatDigits(t, c.rules), c.taken) << c.what;
    EXPECT_EQ(states(t), c.states) << c.what;
    EXPECT_EQ(isRulesString(c.rules), c.taken) << c.what;
  }
  TNetz t;
  t.isClient = true;
  ASSERT_TRUE(applySeatDigits(t, options + "320221120420620520520520"));
  EXPECT_EQ(t.seats[2].substitute, 1);
  EXPECT_EQ(t.seats[1].substitute, 0);
  EXPECT_EQ(t.seats[1].strength, 2);
  EXPECT_EQ(t.seatCount, 8);
}

TEST(NetSeatDigits, NetworkAndLocalSeats) {
  // Own network seat 3 at a table of 4: network seats 3, 4, 1, 2 are local seats 1..4.
  const int32_t savedCount = playerCount;
  playerCount = 4;
  netTransport.isClient = true;
  netTransport.ownSeat = 3;
  const int32_t net[] = {3, 4, 1, 2};
  for (int local = 1; local <= 4; ++local) {
    EXPECT_EQ(localSeatToNet(local), net[local - 1]) << local;
    EXPECT_EQ(netSeatToLocal(net[local - 1]), local) << local;
  }
  netTransport.isClient = false;
  EXPECT_EQ(netSeatToLocal(3), 3) << "outside a network game the seat itself";
  netTransport.ownSeat = 0;
  playerCount = savedCount;
}

TEST(NetWatchdog, GameMasterInRelayMode) {
  struct Case {
    bool host, client, relay;
    int32_t ownSeat;
    const char* states;
    bool leads;
  } cases[] = {
      {true, false, false, 1, "21100000", true},
      {false, true, false, 2, "21100000", false},
      {false, true, true, 2, "21100000", true},   // the lowest client seat
      {false, true, true, 3, "21100000", false},
      {false, true, true, 3, "24100000", true},   // the lower seat is lost
      {false, false, false, 0, "55555555", true},
  };
  for (const Case& c : cases) {
    TNetz t;
    t.isHost = c.host;
    t.isClient = c.client;
    t.ownSeat = c.ownSeat;
    t.hooks.isRelayMode = [&] { return c.relay; };
    setStates(t, c.states);
    EXPECT_EQ(isGameMaster(t), c.leads) << c.states << " own " << c.ownSeat;
  }
}

TEST(NetWatchdog, ReconnectWaitIsCutOnceEverySeatIsBack) {
  struct Case {
    const char* what;
    int32_t phase;
    const char* states;
    uint32_t endsAfter;
  } cases[] = {
      {"game, only the old host lost", 2, "42133333", 2000},
      {"game, a client still lost", 2, "42433333", 12000},
      {"waiting room", 1, "32433333", 1000},
  };
  for (const Case& c : cases) {
    useFakeTick(0xFFFFFFFFu - 500);  // across the tick's wrap
    TNetz t;
    t.hooks.setFpsSuffix = [](const std::string&) {};
    t.hooks.event = [](int, const std::string&) {};
    t.hooks.resetSeatSyncFlags = [] {};
    t.hooks.showStartCountdown = [](int32_t) {};
    t.hooks.replaceSeatByComputer = [](int) {};
    setStates(t, c.states);
    t.phase = c.phase;
    t.ownSeat = 2;
    ASSERT_TRUE(t.startReconnectWait(1, 12000));
    EXPECT_FALSE(t.startReconnectWait(2, 3000)) << "one wait at a time";
    uint32_t waited = 0;
    while (t.getReconnectKind() != 0 && waited < 20000) {
      advanceFakeTick(100);
      waited += 100;
      t.tick();
    }
    EXPECT_EQ(waited, c.endsAfter) << c.what;
  }
  useFakeTick(1000);
}

TEST(NetWatchdog, LeadingMachineStartsTheGameHalfASecondAfterTheCountdown) {
  TNetz t;
  t.isHost = true;
  t.phase = 1;
  int started = 0;
  std::vector<int32_t> shown;
  t.hooks.event = [](int, const std::string&) {};
  t.hooks.setFpsSuffix = [](const std::string&) {};
  t.hooks.countTakenSeats = [] { return 3; };
  t.hooks.isForcedOptionValue = [](int32_t n) { return n == 3; };
  t.hooks.startNetworkGame = [&] { ++started; };
  t.hooks.showStartCountdown = [&](int32_t s) { shown.push_back(s); };
  ASSERT_TRUE(t.startStartCountdown(0, 3000));
  EXPECT_FALSE(t.startStartCountdown(0, 3000));
  for (int i = 0; i < 5 * 8; ++i) {  // every fifth tick looks at the countdown
    t.tick();
    if (i % 5 == 4) advanceFakeTick(500);
  }
  EXPECT_EQ(started, 1);
  EXPECT_FALSE(t.countdownRunning);
  EXPECT_EQ(shown, (std::vector<int32_t>{4, 3, 3, 2, 2, 1, 1, 0}));
}
