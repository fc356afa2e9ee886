// Two-way field walker for the byte images of the core's records: one routine lists a
// record's fields in order and serves both writing and reading, so the two can never drift
// apart. Alignment follows the records' natural layout (each field at a multiple of its
// size, records padded to their largest field), counted from the start of the image.
#pragma once

#include <cstddef>
#include <cstdint>

#include "core/cards.h"
#include "platform/byte_io.h"
#include "platform/records.h"

class TRecordIo {
 public:
  explicit TRecordIo(ByteWriter& w) : w_(&w), origin_(w.size()) {}
  explicit TRecordIo(ByteReader& r) : r_(&r), origin_(r.pos()) {}

  bool writing() const { return w_ != nullptr; }
  // Bytes walked since the walker was made.
  size_t pos() const { return (w_ ? w_->size() : r_->pos()) - origin_; }
  // A reader ran past the end of its bytes.
  bool failed() const { return r_ && r_->failed(); }
  // A reader met a value no record may hold (a text longer than its field, a card count
  // beyond its list's capacity); the bytes are then no image of these records.
  bool damaged() const { return damaged_; }
  void markDamaged() { damaged_ = true; }

  void u8(uint8_t& v) {
    if (w_) w_->u8(v); else v = r_->u8();
  }
  void i8(int8_t& v) {
    if (w_) w_->i8(v); else v = r_->i8();
  }
  void i16(int16_t& v) {
    align(2);
    if (w_) w_->i16(v); else v = r_->i16();
  }
  void i32(int32_t& v) {
    align(4);
    if (w_) w_->i32(v); else v = r_->i32();
  }
  void u32(uint32_t& v) {
    align(4);
    if (w_) w_->u32(v); else v = r_->u32();
  }
  void f32(float& v) {
    align(4);
    if (w_) w_->f32(v); else v = r_->f32();
  }
  void bytes(uint8_t* p, size_t n) {
    for (size_t i = 0; i < n; i++) u8(p[i]);
  }
  template <int N>
  void str(ShortString<N>& s) {
    if (w_) {
      w_->shortString(s.view(), N);
    } else {
      r_->shortString(s.s, s.len, N);
      if (s.len > N) damaged_ = true;
    }
  }
  // Padding up to a multiple of n: zeros when writing, skipped when reading.
  void align(size_t n) {
    size_t pad = (n - pos() % n) % n;
    if (w_)
      w_->zeros(pad);
    else
      r_->skip(pad);
  }

 private:
  ByteWriter* w_ = nullptr;
  ByteReader* r_ = nullptr;
  size_t origin_;
  bool damaged_ = false;
};

// Each element of an array through f(io, element).
template <class T, int Lo, int Hi, class F>
void arrayIo(TRecordIo& io, LArray<T, Lo, Hi>& a, F f) {
  for (T& e : a) f(io, e);
}

// TCard: rank, suit, slot number (4 bytes, aligned to 2).
inline void i32Io(TRecordIo& io, int32_t& v) { io.i32(v); }
inline void u8Io(TRecordIo& io, uint8_t& v) { io.u8(v); }

inline void cardIo(TRecordIo& io, TCard& c) {
  io.align(2);
  io.i8(c.t);
  io.i8(c.f);
  io.i16(c.hi);
}

// THand: 166 cards, count, the 128-byte extras block (794 bytes).
inline void handIo(TRecordIo& io, THand& h) {
  arrayIo(io, h.k, cardIo);
  io.i16(h.anz);
  if (!io.writing() && (h.anz < 0 || h.anz > handCapacity)) io.markDamaged();
  io.u8(h.extras.owner);
  io.bytes(h.extras.data, sizeof h.extras.data);
  io.bytes(h.extras.markers, sizeof h.extras.markers);
}

// THand64: 64 cards, count, owner, padding (260 bytes).
inline void hand64Io(TRecordIo& io, THand64& h) {
  arrayIo(io, h.k, cardIo);
  io.i16(h.anz);
  if (!io.writing() && (h.anz < 0 || h.anz > hand64Capacity)) io.markDamaged();
  io.u8(h.owner);
  io.align(2);
}
