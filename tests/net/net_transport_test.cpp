// The transport's seat questions and queues, without sockets.
#include <gtest/gtest.h>

#include "net/net_transport.h"

namespace {
// seats 1..8 from a string of state digits
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

TEST(NetSeats, AssignSeat) {
  struct Case {
    const char* what;
    int32_t phase;
    int32_t reconnectKind;
    const char* before;
    int32_t wanted;
    bool rejoin;
    int32_t seat;
    const char* after;
  } cases[] = {
      {"wanted open seat", 1, 0, "23355555", 3, false, 3, "23155555"},
      {"wanted seat not at the table", 1, 0, "23355555", 5, false, 2, "21355555"},
      {"any seat", 1, 0, "23355555", 0, false, 2, "21355555"},
      {"wanted seat beyond 8", 1, 0, "23355555", 12, false, 2, "21355555"},
      {"no seat open", 1, 0, "21155555", 0, false, 0, "21155555"},
      {"game running", 2, 0, "23355555", 3, false, 0, "23355555"},
      {"rejoin of a lost seat", 2, 1, "21450000", 3, true, 3, "21150000"},
      {"rejoin of a seat not lost", 2, 1, "21430000", 2, true, 0, "21430000"},
      {"rejoin never gives another seat", 2, 1, "21430000", 0, true, 0, "21430000"},
      {"lost seat without the rejoin flag", 2, 1, "21430000", 3, false, 4, "21410000"},
  };
  for (const Case& c : cases) {
    TNetz t;
    t.isHost = true;
    t.phase = c.phase;
    t.reconnectKind = c.reconnectKind;
    setStates(t, c.before);
    EXPECT_EQ(t.assignSeat(c.wanted, c.rejoin), c.seat) << c.what;
    EXPECT_EQ(states(t), c.after) << c.what;
  }
}

TEST(NetSeats, SubstituteFlagGoesToTheLowestClientSeat) {
  TNetz t;
  setStates(t, "21135555");
  EXPECT_TRUE(t.checkSeatOrder());
  EXPECT_EQ(t.seats[2].substitute, 1);
  EXPECT_FALSE(t.checkSeatOrder());  // one holds it: nothing changes
  EXPECT_EQ(t.seats[3].substitute, 0);
  std::string text;
  t.seats[2].address = "127.0.0.2";
  t.getSubstituteInfo(true, text);
  EXPECT_EQ(text, "2");
  t.getSubstituteInfo(false, text);
  EXPECT_EQ(text, "127.0.0.2");
  t.seats[2].state = 3;  // the first leaves in the waiting room
  t.getSubstituteInfo(true, text);
  EXPECT_EQ(text, "0");
  EXPECT_TRUE(t.checkSeatOrder());
  EXPECT_EQ(t.seats[3].substitute, 1);
  EXPECT_EQ(t.getHostSeat(), 1);
}

TEST(NetSeats, IsSeatLost) {
  TNetz t;
  setStates(t, "21400000");
  EXPECT_FALSE(t.isSeatLost(3, false, false));  // no role: nothing is lost
  t.isClient = true;
  struct Case {
    int32_t seat;
    bool notSeat1, silent, lost;
  } cases[] = {{3, false, false, true}, {2, false, false, false}, {9, false, false, true}, {0, false, false, false}};
  for (const Case& c : cases) EXPECT_EQ(t.isSeatLost(c.seat, c.notSeat1, c.silent), c.lost) << c.seat;
}

TEST(NetQueues, FortyFirstRecordIsDroppedWithError10) {
  TNetz t;
  std::vector<int> errors;
  t.hooks.showNetError = [&](int code) { errors.push_back(code); };
  for (int i = 1; i <= 41; ++i) {
    TNetMessage r;
    initMessageRecord(r);
    r.valueA = i;
    t.queuePush(t.moveQueue, r, nullptr);
  }
  EXPECT_EQ(errors, std::vector<int>{10});
  TNetMessage r;
  for (int i = 1; i <= 40; ++i) {
    ASSERT_TRUE(t.queuePop(t.moveQueue, r));
    EXPECT_EQ(r.valueA, i);
  }
  EXPECT_FALSE(t.queuePop(t.moveQueue, r));
  EXPECT_EQ(r.kind, EMPTY);  // an empty queue leaves the initialised record
}

TEST(NetQueues, TurnClockAnnouncementsKeepTen) {
  TNetz t;
  for (int i = 1; i <= 11; ++i) t.pushEvent(i, i * 10);
  int32_t seat = 0, tenths = 0, n = 0;
  while (t.popEvent(seat, tenths)) EXPECT_EQ(tenths, ++n * 10);
  EXPECT_EQ(n, 10);
}

TEST(NetSeats, WireActionCodes) {
  for (int kind = 0; kind <= 7; ++kind) EXPECT_EQ(fromWireAction(toWireAction(kind)), kind);
  EXPECT_EQ(toWireAction(7), 0);
  EXPECT_EQ(fromWireAction(99), 7);
}

TEST(NetQueues, DuringAReconnectWaitRecordsAreCachedButTheJoinRequestIsNot) {
  TNetz t;
  t.isClient = true;
  t.reconnectKind = 2;
  t.ownName = "Bert";
  t.hooks.gameTag = [] { return std::string("skata"); };
  EXPECT_TRUE(t.sendChat("bin gleich wieder da"));
  EXPECT_EQ(t.resendCache.items.size(), 1u);
  EXPECT_FALSE(t.sendJoinRequest(2, true)) << "no connection to send it on";
  EXPECT_EQ(t.resendCache.items.size(), 1u);
  EXPECT_EQ(t.resendCache.items.front().first.text.str(), "bin gleich wieder da");
}

TEST(NetSeats, StripNameTag) {
  struct Case {
    bool privateTable;
    const char* name;
    const char* shown;
  } cases[] = {
      {true, "Petra<0123456789>", "Petra"},
      {true, "Petra<0123456789>x", "Petrax"},
      {true, "Petra", "Petra"},
      {true, "Pe<tag:tra", "Pe:tra"},
      {true, "Pe:<tra", "Pe:<tra"},
      {true, "Petra<012345678>", "Petra<012345678>"},
      {false, "Petra<0123456789>", "Petra<0123456789>"},
  };
  for (const Case& c : cases) {
    TNetz t;
    t.hooks.isPrivateLobby = [&] { return c.privateTable; };
    EXPECT_EQ(t.stripNameTag(c.name), c.shown) << c.name;
  }
}
