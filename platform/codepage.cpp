// Windows-1252 <-> UTF-8.
#include "platform/codepage.h"

namespace {
// Code points of the bytes 0x80..0x9F; the others equal their byte value.
constexpr uint16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void appendUtf8(std::string& out, uint32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}
}  // namespace

uint32_t cp1252ToCodePoint(uint8_t byte) {
  return byte >= 0x80 && byte <= 0x9F ? kHighControls[byte - 0x80] : byte;
}

int32_t cp1252FromCodePoint(uint32_t codePoint) {
  if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) return int32_t(codePoint);
  for (int i = 0; i < 32; i++)
    if (kHighControls[i] == codePoint) return 0x80 + i;
  return -1;
}

std::string cp1252ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) appendUtf8(out, cp1252ToCodePoint(static_cast<uint8_t>(c)));
  return out;
}

uint32_t utf8Next(std::string_view text, size_t& pos) {
  const uint8_t c = static_cast<uint8_t>(text[pos]);
  int extra = c < 0x80 ? 0 : (c & 0xE0) == 0xC0 ? 1 : (c & 0xF0) == 0xE0 ? 2 : (c & 0xF8) == 0xF0 ? 3 : -1;
  if (extra < 0 || pos + extra >= text.size()) {
    pos++;
    return 0xFFFD;
  }
  uint32_t cp = extra == 0 ? c : c & (0x3F >> extra);
  for (int i = 1; i <= extra; i++) {
    const uint8_t k = static_cast<uint8_t>(text[pos + i]);
    if ((k & 0xC0) != 0x80) {
      pos++;
      return 0xFFFD;
    }
    cp = (cp << 6) | (k & 0x3F);
  }
  pos += extra + 1;
  return cp;
}

std::string utf8ToCp1252(std::string_view text) {
  std::string out;
  for (size_t pos = 0; pos < text.size();) {
    const int32_t b = cp1252FromCodePoint(utf8Next(text, pos));
    out += b < 0 ? '?' : static_cast<char>(b);
  }
  return out;
}

// The capital of a Windows-1252 letter; other characters unchanged.
uint8_t cp1252Upper(uint8_t c) {
  if (c >= 'a' && c <= 'z') return uint8_t(c - 32);
  if (c >= 224 && c <= 254 && c != 247) return uint8_t(c - 32);  // à..þ except ÷
  if (c == 154 || c == 156 || c == 158) return uint8_t(c - 16);   // š œ ž
  if (c == 255) return 159;                                       // ÿ
  return c;
}
