// The table message record: wire offsets, initialisers, writer limits, checks of received
// records and the protocol text.
#include <gtest/gtest.h>

#include <cstring>

#include "net/net_message.h"
#include "net/net_transport.h"

namespace {

std::vector<uint8_t> wire(const TNetMessage& r) {
  std::vector<uint8_t> b(kNetMessageSize, 0xEE);
  EXPECT_TRUE(encodeMessage(r, b.data()));
  return b;
}

int32_t i32At(const std::vector<uint8_t>& b, int off) {
  return int32_t(uint32_t(b[off]) | uint32_t(b[off + 1]) << 8 | uint32_t(b[off + 2]) << 16 | uint32_t(b[off + 3]) << 24);
}

TNetMessage sample() {
  TNetMessage r;
  initMessageRecord(r);
  r.magic = 0x01020304;
  r.kind = CGINPUT;
  r.marker = 4;
  r.routing = routeToHost;
  r.subKind = 7;
  for (int i = 0; i <= 8; ++i) {
    r.seatBytes[i] = static_cast<int8_t>(i - 1);
    r.seatFlags[i] = static_cast<uint8_t>(100 + i);
  }
  r.valueA = -2;
  r.valueB = 0x11223344;
  r.text = "Hallo";
  r.sender = "<Petra>";
  r.endMagic = 0x0A0B0C0D;
  return r;
}

}  // namespace

TEST(NetMessage, EveryFieldAtItsOffset) {
  const auto b = wire(sample());
  struct Case {
    int offset;
    int32_t expected;  // a byte, or an int32 where size is 4
    int size;
  } cases[] = {
      {0, 0x01020304, 4}, {4, CGINPUT, 1}, {5, 4, 1},   {6, routeToHost, 1}, {7, 7, 1},
      {8, 0xFF, 1},       {9, 0, 1},       {16, 7, 1},  {17, 100, 1},        {25, 108, 1},
      {26, 0, 1},         {27, 0, 1},      {28, -2, 4}, {32, 0x11223344, 4}, {36, 5, 1},
      {37, 'H', 1},       {41, 'o', 1},    {221, 7, 1}, {222, '<', 1},       {228, '>', 1},
      {240, 0x0A0B0C0D, 4},
  };
  for (const Case& c : cases) {
    const int32_t got = c.size == 4 ? i32At(b, c.offset) : b[c.offset];
    EXPECT_EQ(got, c.expected) << "offset " << c.offset;
  }
}

TEST(NetMessage, BytesBehindTextsAndOffset26GoOutAsZero) {
  TNetMessage r = sample();
  std::memset(r.text.s, 'x', sizeof r.text.s);  // stale characters behind a shorter text
  std::memset(r.sender.s, 'y', sizeof r.sender.s);
  r.text = "ab";
  r.sender = "c";
  const auto b = wire(r);
  for (int i = 36 + 1 + 2; i < 221; ++i) ASSERT_EQ(b[i], 0) << "text byte " << i;
  for (int i = 221 + 1 + 1; i < 240; ++i) ASSERT_EQ(b[i], 0) << "sender byte " << i;
}

TEST(NetMessage, WireRoundTrip) {
  const TNetMessage r = sample();
  TNetMessage back;
  decodeMessage(wire(r).data(), back);
  EXPECT_EQ(wire(back), wire(r));
  EXPECT_EQ(back.text.str(), "Hallo");
  EXPECT_EQ(back.valueA, -2);
}

TEST(NetMessage, Initialisers) {
  TNetMessage r = sample();
  initMessageRecord(r);
  const auto b = wire(r);
  EXPECT_EQ(i32At(b, 0), 12345);
  EXPECT_EQ(i32At(b, 240), 54321);
  EXPECT_EQ(r.kind, EMPTY);
  EXPECT_EQ(r.marker, 5);
  EXPECT_EQ(r.routing, 5);
  EXPECT_EQ(r.subKind, 0);
  for (int i = 8; i < 26; ++i) EXPECT_EQ(b[i], 0) << "seat byte " << i;
  EXPECT_EQ(i32At(b, 28), 0);
  EXPECT_EQ(i32At(b, 32), 0);
  EXPECT_EQ(r.text.str(), "");
  EXPECT_EQ(r.sender.str(), "<empty>");
}

TEST(NetMessage, InitNetMessageNamesTheOwnSeat) {
  struct Case {
    int32_t seat;
    const char* name;
    const char* sender;
  } cases[] = {
      {3, "Petra", "<Petra>"},
      {0, "Petra", "<empty>"},
      {9, "Petra", "<empty>"},
      {1, "Siebzehn Zeichen!", "<Siebzehn Zeichen!"},  // cut to 18: the ">" is lost
  };
  for (const Case& c : cases) {
    TNetz t;
    t.ownSeat = c.seat;
    if (t.seats.inRange(c.seat)) t.seats[c.seat].name = c.name;
    TNetMessage r;
    t.initNetMessage(r);
    EXPECT_EQ(r.sender.str(), c.sender) << "seat " << c.seat;
  }
}

TEST(NetMessage, TextsAreCutOnWrite) {
  TNetMessage r;
  initMessageRecord(r);
  r.text = std::string(200, 'a');
  r.sender = std::string(30, 'b');
  const auto b = wire(r);
  EXPECT_EQ(b[36], 184);
  EXPECT_EQ(b[36 + 184], 'a');
  EXPECT_EQ(b[221], 18);
  EXPECT_EQ(b[221 + 18], 'b');
}

TEST(NetMessage, SeatBytesOutsideTheirRangeAreRefused) {
  struct Case {
    int value;
    bool taken;
  } cases[] = {{-2, false}, {-1, true}, {0, true}, {20, true}, {21, false}, {127, false}};
  for (const Case& c : cases) {
    TNetMessage r;
    initMessageRecord(r);
    EXPECT_EQ(setSeatByte(r, 4, c.value), c.taken) << c.value;
    EXPECT_EQ(r.seatBytes[4], c.taken ? c.value : 0) << c.value;
    r.seatBytes[4] = static_cast<int8_t>(c.value);  // written around the setter
    uint8_t out[kNetMessageSize];
    EXPECT_EQ(encodeMessage(r, out), c.taken) << c.value;
  }
  TNetMessage r;
  initMessageRecord(r);
  EXPECT_FALSE(setSeatByte(r, 9, 1));  // no tenth seat byte
}

namespace {
struct MalformedCase {
  const char* what;
  void (*change)(TNetMessage&);
  bool malformed;
};

const MalformedCase kMalformed[] = {
    {"text length 185", [](TNetMessage& r) { r.text.len = 185; }, true},
    {"text length 184", [](TNetMessage& r) { r.text.len = 184; }, false},
    {"sender length 19", [](TNetMessage& r) { r.sender.len = 19; }, true},
    {"kind 12", [](TNetMessage& r) { r.kind = 12; }, true},
    {"kind 11", [](TNetMessage& r) { r.kind = 11; }, false},
    {"seat byte 21", [](TNetMessage& r) { r.seatBytes[5] = 21; }, true},
    {"JOINRESP granting seat 0",
     [](TNetMessage& r) {
       r.kind = JOINRESP;
       r.subKind = 1;
     },
     true},
    {"JOINRESP refusal without seat",
     [](TNetMessage& r) {
       r.kind = JOINRESP;
       r.subKind = 2;
     },
     false},
    {"_DISCONECT seat 9",
     [](TNetMessage& r) {
       r.kind = STATUSPUSH;
       r.subKind = _DISCONECT;
       r.valueA = 9;
     },
     true},
    {"_CHECKSUM seat 0",
     [](TNetMessage& r) {
       r.kind = INFOPUSH;
       r.subKind = _CHECKSUM;
     },
     true},
    {"_PLAYERINFO seat 9",
     [](TNetMessage& r) {
       r.kind = INFOPUSH;
       r.subKind = _PLAYERINFO;
       r.seatBytes[0] = 9;
     },
     true},
    {"_STATE of seat 0",
     [](TNetMessage& r) {
       r.kind = SYNCHRONIZE;
       r.subKind = _STATE;
     },
     true},
    {"game chat of seat 0",
     [](TNetMessage& r) {
       r.kind = CHATMSG;
       r.subKind = 2;
     },
     true},
    {"waiting-room chat of seat 0", [](TNetMessage& r) { r.kind = CHATMSG; }, false},
    {"_STAPEL stack 21",
     [](TNetMessage& r) {
       r.kind = INFOPUSH;
       r.subKind = _STAPEL;
       r.valueA = 21;
     },
     true},
    {"_STAPEL stack 20",
     [](TNetMessage& r) {
       r.kind = INFOPUSH;
       r.subKind = _STAPEL;
       r.valueA = 20;
     },
     false},
    {"_TL of 601 tenths",
     [](TNetMessage& r) {
       r.kind = INFOPUSH;
       r.subKind = _TL;
       r.seatBytes[0] = 2;
       r.valueA = 601;
     },
     true},
    {"_TL of 0 tenths",
     [](TNetMessage& r) {
       r.kind = INFOPUSH;
       r.subKind = _TL;
       r.seatBytes[0] = 2;
     },
     true},
    {"_TL of 600 tenths",
     [](TNetMessage& r) {
       r.kind = INFOPUSH;
       r.subKind = _TL;
       r.seatBytes[0] = 2;
       r.valueA = 600;
     },
     false},
    {"_TL of seat 0",
     [](TNetMessage& r) {
       r.kind = INFOPUSH;
       r.subKind = _TL;
       r.valueA = 150;
     },
     true},
};
}  // namespace

TEST(NetMessage, MalformedRecordsAreRecognised) {
  for (const MalformedCase& c : kMalformed) {
    TNetMessage r;
    initMessageRecord(r);
    c.change(r);
    EXPECT_EQ(!messageMalformed(r).empty(), c.malformed) << c.what;
  }
}

TEST(NetMessage, ProtocolTextPerKind) {
  const char* names[] = {"CHATMSG",    "JOINREQ",  "JOINRESP",    "CGINPUT[]", "STATUSREQ",     "STATUSRESP", "STATUSPUSH",
                         "INFOPUSH",   "SYNCHRONIZE", "REFRESH",  "TRANSFERERROR", "EMPTY",   "TRANSFERERROR"};
  for (int kind = 0; kind <= 12; ++kind) {
    TNetMessage r;
    initMessageRecord(r);
    r.kind = static_cast<uint8_t>(kind);
    r.subKind = 0;
    EXPECT_EQ(describeMessage(r), std::string(names[kind]) + ",  z°:0,  i°:0,  i^:0,  sht:<empty>") << kind;
  }
  TNetMessage r;
  initMessageRecord(r);
  r.kind = 200;
  EXPECT_EQ(describeMessage(r).substr(0, 13), "TRANSFERERROR");
}

TEST(NetMessage, ProtocolTextOfAMove) {
  TNetMessage r;
  initMessageRecord(r);
  r.kind = CGINPUT;
  r.seatBytes[0] = -1;
  r.valueA = 4;
  r.valueB = 7;
  EXPECT_EQ(describeMessage(r), "CGINPUT[],  z°:-1,  i°:4,  i^:7,  sht:<empty>");
  r.text = "x";
  r.sender = "";
  EXPECT_EQ(describeMessage(r), "CGINPUT[],  z°:-1,  i°:4,  i^:7,  s:x");
}

TEST(NetMessage, ProtocolTextOfSubKinds) {
  struct Case {
    uint8_t kind, subKind;
    int32_t valueA;
    const char* expected;
  } cases[] = {
      {INFOPUSH, _CHECKSUM, 0, "_CHECKSUM: Textlang wie hier (<S>, 3)"},
      {INFOPUSH, _BLOCKMSG, 0, "_BLOCKMSG"},
      {INFOPUSH, _PLAYERINFO, 0, "_PLAYERINFO: Textlang wie hier <S>"},
      {INFOPUSH, _SPIELINFO, 0, "_SPIELINFO: Textlang wie.."},
      {STATUSPUSH, _GAMESTART, 0, "_GAMESTART: Textlang wie.."},
      {SYNCHRONIZE, _STATE, 2, "_STATE(2): 7 alls:TRUE cs:Textlang wie hier"},
      {SYNCHRONIZE, _STATE, 9, "_STATE(9): cs:Textlang wie hier"},  // no seat byte 9
      {SYNCHRONIZE, _STATE, -5, "_STATE(-5): cs:Textlang wie hier"},
      {INFOPUSH, _STAPEL, 4, "_STAPEL(4): Textlang wie.."},
      {INFOPUSH, _TL, 0, "_TL:3"},
      {INFOPUSH, _KICK, 0, "_KICK:3"},
      {INFOPUSH, _UNIINFO, 0, "_UNIINFO:Textlang wie.."},
      {STATUSPUSH, _DISCONECT, 6, "_DISCONECT(6)"},
  };
  for (const Case& c : cases) {
    TNetMessage r;
    initMessageRecord(r);
    r.kind = c.kind;
    r.subKind = c.subKind;
    r.valueA = c.valueA;
    r.seatBytes[0] = 3;
    r.seatBytes[2] = 7;
    r.seatFlags[2] = 1;
    r.text = "Textlang wie hier";
    r.sender = "<S>";
    EXPECT_EQ(describeMessage(r), c.expected);
  }
}
