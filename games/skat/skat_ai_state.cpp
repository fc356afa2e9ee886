// The rating and the void tables in the hand copy's extras, written byte by byte.
#include "games/skat/skat_ai_state.h"

namespace {

// A cursor over the extras' data bytes; little-endian, as every stored record of the program.
struct ExtrasCursor {
  uint8_t* bytes;
  int pos = 0;

  void put16(int16_t v) {
    uint16_t u = static_cast<uint16_t>(v);
    bytes[pos++] = static_cast<uint8_t>(u & 0xFF);
    bytes[pos++] = static_cast<uint8_t>(u >> 8);
  }
  void put8(uint8_t v) { bytes[pos++] = v; }
  void putCard(const TCard& c) {
    put8(static_cast<uint8_t>(c.t));
    put8(static_cast<uint8_t>(c.f));
    put16(c.hi);
  }
};

struct ExtrasReader {
  const uint8_t* bytes;
  int pos = 0;

  int16_t get16() {
    uint16_t u = static_cast<uint16_t>(bytes[pos] | (bytes[pos + 1] << 8));
    pos += 2;
    return static_cast<int16_t>(u);
  }
  uint8_t get8() { return bytes[pos++]; }
  TCard getCard() {
    TCard c{};
    c.t = static_cast<int8_t>(get8());
    c.f = static_cast<int8_t>(get8());
    c.hi = get16();
    return c;
  }
};

static_assert(skatSeatRatingImageSize <= static_cast<int>(sizeof(THandExtras::data)));

constexpr int shownOffset = 0;      // markers[0..5]: suits 1..6
constexpr int signalledOffset = 6;  // markers[6..23]: [suit 1..6][observer 1..3]

bool voidSuitInRange(int suit) { return suit >= 1 && suit <= 6; }

}  // namespace

TSkatSeatRating skatReadRating(const THand& hand) {
  ExtrasReader in{hand.extras.data};
  TSkatSeatRating r{};
  r.bestGame = in.get16();
  r.handValue = in.get16();
  r.jackValue = in.get16();
  r.cardValue = in.get16();
  for (int16_t& v : r.gameValues) v = in.get16();
  r.strength = in.get16();
  r.cardPoints = in.get16();
  r.spitzenFactor = in.get16();
  r.maxGameValue = in.get16();
  r.bidLimit = in.get16();
  r.nullKind = in.get16();
  r.playHand = in.get8();
  r.announceSchneider = in.get8();
  r.announceSchwarz = in.get8();
  r.playOuvert = in.get8();
  r.nullRiskCard1 = in.getCard();
  r.nullRiskCard2 = in.getCard();
  r.nullRiskCount = in.get16();
  return r;
}

void skatWriteRating(THand& hand, const TSkatSeatRating& r) {
  ExtrasCursor out{hand.extras.data};
  out.put16(r.bestGame);
  out.put16(r.handValue);
  out.put16(r.jackValue);
  out.put16(r.cardValue);
  for (int16_t v : r.gameValues) out.put16(v);
  out.put16(r.strength);
  out.put16(r.cardPoints);
  out.put16(r.spitzenFactor);
  out.put16(r.maxGameValue);
  out.put16(r.bidLimit);
  out.put16(r.nullKind);
  out.put8(r.playHand);
  out.put8(r.announceSchneider);
  out.put8(r.announceSchwarz);
  out.put8(r.playOuvert);
  out.putCard(r.nullRiskCard1);
  out.putCard(r.nullRiskCard2);
  out.put16(r.nullRiskCount);
}

int32_t skatBestGame(const TSpieler& stack) { return ExtrasReader{stack.hand.extras.data}.get16(); }

void skatSetBestGame(TSpieler& stack, int32_t type) {
  ExtrasCursor{stack.hand.extras.data}.put16(static_cast<int16_t>(type));
}

bool skatSuitShownVoid(const THand& hand, int suit) {
  return voidSuitInRange(suit) && hand.extras.markers[shownOffset + suit - 1] != 0;
}

void skatSetSuitShownVoid(THand& hand, int suit, bool on) {
  if (voidSuitInRange(suit)) hand.extras.markers[shownOffset + suit - 1] = on ? 1 : 0;
}

bool skatSuitSignalledVoid(const THand& hand, int suit, int observer) {
  if (!voidSuitInRange(suit) || observer < 1 || observer > 3) return false;
  return hand.extras.markers[signalledOffset + (suit - 1) * 3 + observer - 1] != 0;
}

void skatSetSuitSignalledVoid(THand& hand, int suit, int observer, bool on) {
  if (!voidSuitInRange(suit) || observer < 1 || observer > 3) return;
  hand.extras.markers[signalledOffset + (suit - 1) * 3 + observer - 1] = on ? 1 : 0;
}
