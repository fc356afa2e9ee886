// The record reader and writer: whole records from any chunking, never a byte of the next
// record taken, and a seeded fuzz of random, mutated and truncated streams.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "net/net_message.h"
#include "tests/net/memory_stream.h"

namespace {

std::vector<uint8_t> recordBytes(int32_t magic = kMagic, int32_t valueA = 0) {
  TNetMessage r;
  initMessageRecord(r);
  r.magic = magic;
  r.kind = CHATMSG;
  r.valueA = valueA;
  r.text = "Guten Tag";
  std::vector<uint8_t> b(kNetMessageSize);
  encodeMessage(r, b.data());
  return b;
}

struct Reader {
  uint8_t buffer[400] = {};
  int32_t fill = 0;
  TNetMessage record{};
  int read(MemoryStream& s) { return readMessageRecord(buffer, fill, s, record); }
};

}  // namespace

TEST(NetReader, PiecesGiveTheBytesHeldThenTheRecord) {
  const auto b = recordBytes();
  MemoryStream s;
  Reader rd;
  struct Step {
    size_t from, to;
    int expected;
  } steps[] = {{0, 100, -100}, {100, 200, -200}, {200, 244, 1}};
  for (const Step& st : steps) {
    s.feed(b.data() + st.from, st.to - st.from);
    EXPECT_EQ(rd.read(s), st.expected) << "after byte " << st.to;
  }
  EXPECT_EQ(rd.record.text.str(), "Guten Tag");
  EXPECT_EQ(rd.fill, 0);
}

TEST(NetReader, NeverTakesBytesOfTheNextRecord) {
  auto b = recordBytes(kMagic, 1);
  const auto next = recordBytes(kMagic, 2);
  b.insert(b.end(), next.begin(), next.begin() + 56);
  MemoryStream s;
  s.feed(b);
  Reader rd;
  EXPECT_EQ(rd.read(s), 1);
  EXPECT_EQ(rd.record.valueA, 1);
  EXPECT_EQ(s.available(), 56u);
  EXPECT_EQ(rd.read(s), -56);
  s.feed(next.data() + 56, next.size() - 56);
  EXPECT_EQ(rd.read(s), 1);
  EXPECT_EQ(rd.record.valueA, 2);
}

TEST(NetReader, WrongMagicValuesStillHandOutTheRecord) {
  struct Case {
    int32_t magic;
    int32_t endMagic;
    int expected;
  } cases[] = {{12345, 54321, 1}, {12343, 54321, 2}, {12342, 54321, 2}, {0, 54321, 2}, {12345, 54320, 2}};
  for (const Case& c : cases) {
    auto b = recordBytes(c.magic);
    b[240] = uint8_t(c.endMagic);
    b[241] = uint8_t(c.endMagic >> 8);
    MemoryStream s;
    s.feed(b);
    Reader rd;
    EXPECT_EQ(rd.read(s), c.expected) << c.magic << "/" << c.endMagic;
    EXPECT_EQ(rd.record.text.str(), "Guten Tag");
  }
}

TEST(NetReader, WriterQueuesTheWholeRecordOrRefuses) {
  MemoryStream s;
  TNetMessage r;
  initMessageRecord(r);
  EXPECT_TRUE(sendMessageRecord(r, s));
  EXPECT_EQ(s.written.size(), size_t(kNetMessageSize));
  r.seatBytes[1] = 21;
  EXPECT_FALSE(sendMessageRecord(r, s));
  s.closed = true;
  r.seatBytes[1] = 0;
  EXPECT_FALSE(sendMessageRecord(r, s));
  EXPECT_EQ(s.written.size(), size_t(kNetMessageSize));
}

namespace {

// A stream of records, some valid, some with random mutated bytes, some cut short, some pure
// noise, fed in random pieces. Every record handed out that passes the checks re-encodes to
// bytes that decode to the same record.
void fuzzRecords(uint32_t seed, int records) {
  std::mt19937 rng(seed);
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  MemoryStream s;
  Reader rd;
  int whole = 0;
  for (int i = 0; i < records; ++i) {
    std::vector<uint8_t> b;
    switch (pick(0, 3)) {
      case 0: b = recordBytes(kMagic, pick(-1000, 1000)); break;
      case 1:
        b = recordBytes();
        for (int m = pick(1, 8); m > 0; --m) b[pick(0, kNetMessageSize - 1)] = uint8_t(pick(0, 255));
        break;
      case 2: b = recordBytes(); b.resize(pick(0, kNetMessageSize - 1)); break;
      default: b.resize(pick(1, 600)); for (auto& x : b) x = uint8_t(pick(0, 255));
    }
    size_t at = 0;
    while (at < b.size()) {
      size_t n = std::min(b.size() - at, size_t(pick(1, 300)));
      s.feed(b.data() + at, n);
      at += n;
      for (int guard = 0; s.available() > 0 && guard < 8; ++guard) {
        const int res = rd.read(s);
        ASSERT_GE(rd.fill, 0);
        ASSERT_LT(rd.fill, kNetMessageSize);
        if (res <= 0) continue;
        ++whole;
        describeMessage(rd.record);
        if (!messageMalformed(rd.record).empty()) continue;
        uint8_t again[kNetMessageSize];
        ASSERT_TRUE(encodeMessage(rd.record, again));
        TNetMessage back;
        decodeMessage(again, back);
        uint8_t third[kNetMessageSize];
        ASSERT_TRUE(encodeMessage(back, third));
        ASSERT_EQ(0, std::memcmp(again, third, kNetMessageSize));
        ASSERT_EQ(describeMessage(back), describeMessage(rd.record));
      }
    }
  }
  EXPECT_GT(whole, records / 4);
}

}  // namespace

TEST(NetReader, FuzzedStreamsInRandomPieces) { fuzzRecords(20261211, 200000); }

// The long run: SKAT_NET_FUZZ_RECORDS=1000000 (meant for the sanitizer build).
TEST(NetReader, LongFuzzWhenAsked) {
  const char* n = std::getenv("SKAT_NET_FUZZ_RECORDS");
  if (!n) GTEST_SKIP() << "set SKAT_NET_FUZZ_RECORDS for the long run";
  fuzzRecords(7, std::atoi(n));
}
