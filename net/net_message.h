// The table message record: 244 bytes on the wire for every exchange between machines, its
// kinds, initialisers, writer, reader and one-line protocol text.
#pragma once

#include <cstdint>
#include <string>

#include "platform/net.h"
#include "platform/records.h"

inline constexpr int kNetMessageSize = 244;
inline constexpr int32_t kMagic = 12345;      // every ordinary record
inline constexpr int32_t kEndMagic = 54321;
inline constexpr int kTextCapacity = 184;
inline constexpr int kSenderCapacity = 18;

// TNetMessageKind
enum : uint8_t {
  CHATMSG = 0,
  JOINREQ = 1,
  JOINRESP = 2,
  CGINPUT = 3,
  STATUSREQ = 4,
  STATUSRESP = 5,
  STATUSPUSH = 6,
  INFOPUSH = 7,
  SYNCHRONIZE = 8,
  REFRESH = 9,
  RELAYREQUEST = 10,
  EMPTY = 11,
};

// Sub-kinds of STATUSPUSH, INFOPUSH and SYNCHRONIZE.
enum : uint8_t {
  _GAMESTART = 2,
  _DISCONECT = 5,
  _SPIELINFO = 1,
  _PLAYERINFO = 2,
  _STAPEL = 3,
  _TL = 5,
  _KICK = 6,
  _UNIINFO = 7,
  _CHECKSUM = 8,
  _BLOCKMSG = 9,
  _STATE = 1,
};

// The routing byte: how the host delivers a record.
enum : uint8_t {
  routeAll = 0,          // host to every client seat, the origin included
  routeOthers = 1,       // host to every client seat but the origin
  routeOne = 2,          // to one given connection
  routeDirect = 3,       // direct reply; no cache, no protocol, no common handling
  routeToHost = 4,       // client to host; the host relays by kind
  routeInitial = 5,      // the initialisers' value
};

struct TNetMessage {
  int32_t magic;                  // 12345; 12342..12344 are a server's notices
  uint8_t kind;                   // TNetMessageKind; above 11 is malformed
  uint8_t marker;                 // 5 default, 4 from the host's seat records, 2 in REFRESH
  uint8_t routing;                // see the routing values
  uint8_t subKind;                // per kind: sub-kind, wire action, join answer, phase
  LArray<int8_t, 0, 8> seatBytes;   // by network seat 1..8 where seats are meant; −1..20
  LArray<uint8_t, 0, 8> seatFlags;  // indexed like seatBytes
  int32_t valueA;
  int32_t valueB;
  ShortString<kTextCapacity> text;     // a received length byte may exceed the capacity
  ShortString<kSenderCapacity> sender;
  int32_t endMagic;               // 54321
};

// magic, endMagic, kind EMPTY, marker 5, routing 5, the rest 0, sender "<empty>".
void initMessageRecord(TNetMessage& record);

// A seat byte takes −1..20; a larger or smaller value is refused (false, byte unchanged).
bool setSeatByte(TNetMessage& record, int index, int value);

// The 244 wire bytes: texts cut to their capacity, offset 26 and the bytes behind the texts 0.
// False (nothing written) when a seat byte lies outside −1..20.
bool encodeMessage(const TNetMessage& record, uint8_t* out);
// The record of 244 wire bytes, the length bytes as received.
void decodeMessage(const uint8_t* in, TNetMessage& record);

// Queues the 244 bytes on the stream; false when it is refused or the stream is closed.
// Never blocks: a stream that does not drain is the caller's to close.
bool sendMessageRecord(const TNetMessage& record, NetStream& stream);

// Takes at most the bytes that complete the current record (fill of 244) into buffer:
// 1 a whole record with both magic values right, 2 a whole record with either wrong (still
// handed out), otherwise minus the bytes held. buffer holds at least 244 bytes.
int readMessageRecord(uint8_t* buffer, int32_t& fill, NetStream& stream, TNetMessage& record);

// Why a received record must not be handled ("" when it may be): a kind above 11, a length
// byte beyond its field, a seat byte outside −1..20, a named seat outside 1..8, a _STAPEL
// seat outside 1..20 or a _TL outside 1..600 tenths.
std::string messageMalformed(const TNetMessage& record);

// The protocol text of a record, at most 255 characters.
std::string describeMessage(const TNetMessage& record);
