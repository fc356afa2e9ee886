// Little-endian byte writer and reader for binary files and wire records: fields are written
// one by one, never by copying a struct's memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

class ByteWriter {
 public:
  void u8(uint8_t v) { bytes_.push_back(v); }
  void i8(int8_t v) { u8(static_cast<uint8_t>(v)); }
  void u16(uint16_t v);
  void i16(int16_t v) { u16(static_cast<uint16_t>(v)); }
  void u32(uint32_t v);
  void i32(int32_t v) { u32(static_cast<uint32_t>(v)); }
  void f32(float v);
  void raw(const void* data, size_t n);
  void zeros(size_t n) { bytes_.insert(bytes_.end(), n, 0); }
  // string[capacity]: the length byte, the characters, zeros up to the capacity; a longer
  // text is cut to the capacity.
  void shortString(std::string_view text, int capacity);

  size_t size() const { return bytes_.size(); }
  const std::vector<uint8_t>& bytes() const { return bytes_; }
  const std::vector<uint8_t>& data() const { return bytes_; }

 private:
  std::vector<uint8_t> bytes_;
};

// Reads from bytes it does not own. Reading past the end yields zeros and sets failed(), so a
// short input never reads outside its buffer.
class ByteReader {
 public:
  ByteReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  explicit ByteReader(const std::vector<uint8_t>& v) : data_(v.data()), size_(v.size()) {}

  uint8_t u8();
  int8_t i8() { return static_cast<int8_t>(u8()); }
  uint16_t u16();
  int16_t i16() { return static_cast<int16_t>(u16()); }
  uint32_t u32();
  int32_t i32() { return static_cast<int32_t>(u32()); }
  float f32();
  void skip(size_t n);
  // string[capacity]: the length byte into lengthByte, the capacity characters into out.
  void shortString(char* out, uint8_t& lengthByte, int capacity);

  size_t pos() const { return pos_; }
  size_t size() const { return size_; }
  size_t remaining() const { return size_ - pos_; }
  bool failed() const { return failed_; }
  bool ok() const { return !failed_; }

 private:
  bool take(size_t n);

  const uint8_t* data_;
  size_t size_;
  size_t pos_ = 0;
  bool failed_ = false;
};
