// The transport's seat questions and queues, without sockets.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

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

TEST(NetHandText, EncodesCountThenCodeAndSlotPerCard) {
  THand h{};
  EXPECT_EQ(encodeHandText(h), "000");
  h.k[1] = TCard{8, 4, 3};
  h.k[2] = TCard{14, 1, 259};  // only the slot's low byte travels
  h.anz = 2;
  EXPECT_EQ(encodeHandText(h), std::string("002") + char(68) + char(3) + char(29) + char(3));

  THand back{};
  back.k[3] = TCard{5, 2, 7};
  ASSERT_TRUE(decodeHandText(encodeHandText(h), back));
  EXPECT_EQ(back.anz, 2);
  EXPECT_TRUE(cardsIdentical(back.k[1], TCard{8, 4, 3}));
  EXPECT_TRUE(cardsIdentical(back.k[2], TCard{14, 1, 3}));
  EXPECT_TRUE(cardsIdentical(back.k[3], TCard{5, 2, 7})) << "cards past the count stay";

  ASSERT_TRUE(decodeHandText("000", back));
  EXPECT_EQ(back.anz, 0);
  EXPECT_TRUE(cardsIdentical(back.k[1], TCard{8, 4, 3})) << "an empty text leaves the cards";
}

TEST(NetHandText, MalformedTextsChangeNothing) {
  const std::string oneCard = std::string("001") + char(68) + char(3);
  const struct {
    std::string text;
    const char* why;
  } cases[] = {
      {"", "no count"},
      {"1a0", "count not digits"},
      {"167" + std::string(334, char(16)), "more cards than a list holds"},
      {"002" + oneCard.substr(3), "shorter than its count"},
      {std::string("001") + char(15) + char(1), "suit 0"},
      {std::string("001") + char(75) + char(1), "suit 5"},
      {std::string("001") + char(30) + char(1), "rank 0"},
  };
  for (const auto& c : cases) {
    THand h{};
    ASSERT_TRUE(decodeHandText(oneCard, h));
    const THand before = h;
    EXPECT_FALSE(decodeHandText(c.text, h)) << c.why;
    EXPECT_EQ(h.anz, before.anz) << c.why;
    EXPECT_TRUE(cardsIdentical(h.k[1], before.k[1])) << c.why;
  }
}

// Random texts, mostly near the format: decoding never writes past the list and what it
// takes encodes back to the text's used part. SKAT_NET_FUZZ_RECORDS raises the count.
TEST(NetHandText, RandomTextsDecodeSafely) {
  const char* n = std::getenv("SKAT_NET_FUZZ_RECORDS");
  const int runs = n ? std::atoi(n) : 20000;
  std::mt19937 rng(11);
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  for (int i = 0; i < runs; ++i) {
    std::string text = pick(0, 3) == 0 ? "" : std::to_string(pick(0, 999));
    while (text.size() < 3 && pick(0, 5) != 0) text.insert(text.begin(), '0');
    for (int k = pick(0, 400); k > 0; --k) text += char(pick(0, 255));
    THand h{};
    if (!decodeHandText(text, h)) continue;
    ASSERT_LE(h.anz, handCapacity);
    ASSERT_EQ(encodeHandText(h), text.substr(0, 3 + 2 * h.anz));
  }
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
