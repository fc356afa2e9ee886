// Little-endian byte writer and reader.
#include "platform/byte_io.h"

#include <bit>
#include <cstring>

void ByteWriter::u16(uint16_t v) {
  u8(static_cast<uint8_t>(v & 0xFF));
  u8(static_cast<uint8_t>(v >> 8));
}

void ByteWriter::u32(uint32_t v) {
  for (int i = 0; i < 4; ++i) u8(static_cast<uint8_t>((v >> (8 * i)) & 0xFF));
}

void ByteWriter::f32(float v) { u32(std::bit_cast<uint32_t>(v)); }

void ByteWriter::raw(const void* data, size_t n) {
  const auto* p = static_cast<const uint8_t*>(data);
  bytes_.insert(bytes_.end(), p, p + n);
}

void ByteWriter::shortString(std::string_view text, int capacity) {
  size_t len = text.size() < size_t(capacity) ? text.size() : size_t(capacity);
  u8(static_cast<uint8_t>(len));
  raw(text.data(), len);
  zeros(size_t(capacity) - len);
}

bool ByteReader::take(size_t n) {
  if (n > remaining()) {
    failed_ = true;
    pos_ = size_;
    return false;
  }
  return true;
}

uint8_t ByteReader::u8() {
  if (!take(1)) return 0;
  return data_[pos_++];
}

uint16_t ByteReader::u16() {
  if (!take(2)) return 0;
  uint16_t v = static_cast<uint16_t>(data_[pos_] | (data_[pos_ + 1] << 8));
  pos_ += 2;
  return v;
}

uint32_t ByteReader::u32() {
  if (!take(4)) return 0;
  uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | data_[pos_ + i];
  pos_ += 4;
  return v;
}

float ByteReader::f32() { return std::bit_cast<float>(u32()); }

void ByteReader::skip(size_t n) {
  if (take(n)) pos_ += n;
}

void ByteReader::shortString(char* out, uint8_t& lengthByte, int capacity) {
  lengthByte = u8();
  if (!take(size_t(capacity))) {
    std::memset(out, 0, size_t(capacity));
    return;
  }
  std::memcpy(out, data_ + pos_, size_t(capacity));
  pos_ += size_t(capacity);
}
