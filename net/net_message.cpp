// The table message record on the wire: field by field at fixed offsets, little-endian.
// [SECTION] initialiser and fields
// [SECTION] wire bytes
// [SECTION] reader and writer
// [SECTION] checks of received records
// [SECTION] protocol text
#include "net/net_message.h"

#include <cstring>

#include "platform/byte_io.h"

// [SECTION] initialiser and fields

void initMessageRecord(TNetMessage& record) {
  record.magic = kMagic;
  record.endMagic = kEndMagic;
  record.kind = EMPTY;
  record.marker = 5;
  record.routing = routeInitial;
  record.subKind = 0;
  for (auto& b : record.seatBytes) b = 0;
  for (auto& f : record.seatFlags) f = 0;
  record.valueA = 0;
  record.valueB = 0;
  record.text = "";
  record.sender = "<empty>";
}

namespace {
bool seatByteValid(int value) { return value >= -1 && value <= 20; }
}  // namespace

bool setSeatByte(TNetMessage& record, int index, int value) {
  if (!record.seatBytes.inRange(index) || !seatByteValid(value)) return false;
  record.seatBytes[index] = static_cast<int8_t>(value);
  return true;
}

// [SECTION] wire bytes

namespace {
// Offsets of the fields.
constexpr int kOffKind = 4, kOffSeatBytes = 8, kOffSeatFlags = 17, kOffValueA = 28, kOffText = 36,
              kOffSender = 221, kOffEndMagic = 240;
}  // namespace

bool encodeMessage(const TNetMessage& r, uint8_t* out) {
  for (int8_t b : r.seatBytes)
    if (!seatByteValid(b)) return false;
  ByteWriter w;
  w.i32(r.magic);
  w.u8(r.kind);
  w.u8(r.marker);
  w.u8(r.routing);
  w.u8(r.subKind);
  for (int8_t b : r.seatBytes) w.i8(b);
  for (uint8_t f : r.seatFlags) w.u8(f);
  w.zeros(2);
  w.i32(r.valueA);
  w.i32(r.valueB);
  w.shortString(r.text.view(), kTextCapacity);
  w.shortString(r.sender.view(), kSenderCapacity);
  w.i32(r.endMagic);
  std::memcpy(out, w.bytes().data(), kNetMessageSize);
  return true;
}

void decodeMessage(const uint8_t* in, TNetMessage& r) {
  ByteReader rd(in, kNetMessageSize);
  r.magic = rd.i32();
  r.kind = rd.u8();
  r.marker = rd.u8();
  r.routing = rd.u8();
  r.subKind = rd.u8();
  for (auto& b : r.seatBytes) b = rd.i8();
  for (auto& f : r.seatFlags) f = rd.u8();
  rd.skip(2);
  r.valueA = rd.i32();
  r.valueB = rd.i32();
  rd.shortString(r.text.s, r.text.len, kTextCapacity);
  rd.shortString(r.sender.s, r.sender.len, kSenderCapacity);
  r.endMagic = rd.i32();
}

// [SECTION] reader and writer

bool sendMessageRecord(const TNetMessage& record, NetStream& stream) {
  uint8_t bytes[kNetMessageSize];
  if (!encodeMessage(record, bytes)) return false;
  return stream.write(bytes, kNetMessageSize);
}

int readMessageRecord(uint8_t* buffer, int32_t& fill, NetStream& stream, TNetMessage& record) {
  if (fill < 0 || fill >= kNetMessageSize) fill = 0;  // a count no reader left: start afresh
  // Never more than completes this record: the next one's bytes stay in the stream.
  size_t n = std::min(stream.available(), size_t(kNetMessageSize - fill));
  fill += static_cast<int32_t>(stream.read(buffer + fill, n));
  if (fill < kNetMessageSize) return -fill;
  fill = 0;
  decodeMessage(buffer, record);
  return record.magic == kMagic && record.endMagic == kEndMagic ? 1 : 2;
}

// [SECTION] checks of received records

namespace {
bool isSeat(int s) { return s >= 1 && s <= 8; }

// A record that names a seat (by its kind) naming one outside 1..8.
bool namesBadSeat(const TNetMessage& r) {
  switch (r.kind) {
    case CHATMSG: return r.subKind >= 2 && !isSeat(r.seatBytes[0]);  // game chat
    case JOINRESP: return r.subKind == 1 && !isSeat(r.seatBytes[0]);
    case STATUSPUSH: return r.subKind == _DISCONECT && !isSeat(r.valueA);
    case SYNCHRONIZE: return r.subKind == _STATE && !isSeat(r.valueA);
    case INFOPUSH:
      switch (r.subKind) {
        case _CHECKSUM:
        case _TL:
        case _PLAYERINFO: return !isSeat(r.seatBytes[0]);
        default: return false;
      }
    default: return false;
  }
}
}  // namespace

std::string messageMalformed(const TNetMessage& r) {
  if (r.kind > EMPTY) return "kind " + std::to_string(r.kind);
  if (r.text.len > kTextCapacity) return "text length " + std::to_string(r.text.len);
  if (r.sender.len > kSenderCapacity) return "sender length " + std::to_string(r.sender.len);
  for (int8_t b : r.seatBytes)
    if (!seatByteValid(b)) return "seat byte " + std::to_string(b);
  if (namesBadSeat(r)) return "seat out of range";
  if (r.kind == INFOPUSH && r.subKind == _STAPEL && (r.valueA < 1 || r.valueA > 20)) return "stack " + std::to_string(r.valueA);
  if (r.kind == INFOPUSH && r.subKind == _TL && (r.valueA < 1 || r.valueA > 600)) return "time " + std::to_string(r.valueA);
  return "";
}

// [SECTION] protocol text

namespace {
const char* const kKindNames[] = {"CHATMSG",    "JOINREQ",     "JOINRESP", "CGINPUT[]", "STATUSREQ", "STATUSRESP",
                                  "STATUSPUSH", "INFOPUSH", "SYNCHRONIZE", "REFRESH",  "TRANSFERERROR", "EMPTY"};

std::string first12(const TNetMessage& r) { return std::string(r.text.view().substr(0, 12)) + ".."; }

// The text that replaces the whole line for some sub-kinds; empty for the others.
std::string subKindText(const TNetMessage& r) {
  const std::string text(r.text.view()), sender(r.sender.view());
  if (r.kind == INFOPUSH) {
    switch (r.subKind) {
      case _CHECKSUM: return "_CHECKSUM: " + text + " (" + sender + ", " + std::to_string(r.seatBytes[0]) + ")";
      case _BLOCKMSG: return "_BLOCKMSG";
      case _PLAYERINFO: return "_PLAYERINFO: " + text + " " + sender;
      case _SPIELINFO: return "_SPIELINFO: " + first12(r);
      case _STAPEL: return "_STAPEL(" + std::to_string(r.valueA) + "): " + first12(r);
      case _TL: return "_TL:" + std::to_string(r.seatBytes[0]);
      case _KICK: return "_KICK:" + std::to_string(r.seatBytes[0]);
      case _UNIINFO: return "_UNIINFO:" + first12(r);
      default: return "";
    }
  }
  if (r.kind == STATUSPUSH && r.subKind == _GAMESTART) return "_GAMESTART: " + first12(r);
  if (r.kind == STATUSPUSH && r.subKind == _DISCONECT) return "_DISCONECT(" + std::to_string(r.valueA) + ")";
  if (r.kind == SYNCHRONIZE && r.subKind == _STATE) {
    std::string s = "_STATE(" + std::to_string(r.valueA) + "):";
    if (r.seatBytes.inRange(r.valueA))  // a seat outside the array has no entry to print
      s += " " + std::to_string(r.seatBytes[r.valueA]) + " alls:" + (r.seatFlags[r.valueA] ? "TRUE" : "FALSE");
    return s + " cs:" + text;
  }
  return "";
}
}  // namespace

std::string describeMessage(const TNetMessage& r) {
  std::string s = subKindText(r);
  if (s.empty()) {
    s = r.kind <= EMPTY ? kKindNames[r.kind] : "TRANSFERERROR";
    s += ",  z°:" + std::to_string(r.seatBytes[0]) + ",  i°:" + std::to_string(r.valueA) +
         ",  i^:" + std::to_string(r.valueB);
    if (!r.text.empty()) s += ",  s:" + std::string(r.text.view());
    if (!r.sender.empty()) s += ",  sht:" + std::string(r.sender.view());
  }
  if (s.size() > 255) s.resize(255);
  return s;
}
