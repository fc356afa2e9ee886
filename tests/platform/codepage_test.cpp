// Windows-1252 against UTF-8.
#include <gtest/gtest.h>

#include "platform/codepage.h"

namespace {
struct CodeCase {
  uint8_t byte;
  uint32_t codePoint;
};

// Plain ASCII, Latin-1 letters, and the bytes 0x80..0x9F that Windows-1252 gives other
// characters (the euro sign, quotes, dashes, the S and Z with caron).
constexpr CodeCase kCodeCases[] = {
    {0x41, 0x41},     {0xE4, 0xE4},     {0xDF, 0xDF},     {0xFC, 0xFC},   {0x80, 0x20AC},
    {0x84, 0x201E},   {0x93, 0x201C},   {0x96, 0x2013},   {0x8A, 0x0160}, {0x9F, 0x0178},
};
}  // namespace

TEST(Codepage, BytesAndCodePointsMatchBothWays) {
  for (const auto& c : kCodeCases) {
    EXPECT_EQ(cp1252ToCodePoint(c.byte), c.codePoint) << "byte " << int(c.byte);
    EXPECT_EQ(cp1252FromCodePoint(c.codePoint), int32_t(c.byte)) << "code point " << c.codePoint;
  }
  EXPECT_EQ(cp1252FromCodePoint(0x0394), -1);  // Greek capital delta: not in the code page
  EXPECT_EQ(cp1252FromCodePoint(0x1F600), -1);
}

TEST(Codepage, TextsConvertBothWays) {
  const std::string cp = "F\xFCr \x80 5 \x84gut\x93";
  const std::string utf8 = "F\xC3\xBCr \xE2\x82\xAC 5 \xE2\x80\x9Egut\xE2\x80\x9C";
  EXPECT_EQ(cp1252ToUtf8(cp), utf8);
  EXPECT_EQ(utf8ToCp1252(utf8), cp);
}

TEST(Codepage, MissingAndBrokenCharactersBecomeQuestionMarks) {
  EXPECT_EQ(utf8ToCp1252("a\xCE\x94z"), "a?z");           // delta
  EXPECT_EQ(utf8ToCp1252("a\xF0\x9F\x98\x80z"), "a?z");   // four-byte emoji
  EXPECT_EQ(utf8ToCp1252("a\xC3"), "a?");                 // cut sequence at the end
  EXPECT_EQ(utf8ToCp1252("a\x80z"), "a?z");               // stray continuation byte
}
