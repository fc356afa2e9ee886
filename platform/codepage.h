// Windows-1252, the program's text encoding, against the UTF-8 that SDL and the desktop speak.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The Windows-1252 byte of a Unicode code point, or -1 when the code page has none.
int32_t cp1252FromCodePoint(uint32_t codePoint);

// The Unicode code point of a Windows-1252 byte; the five unassigned bytes (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) map to the C1 control of the same number, as Windows does.
uint32_t cp1252ToCodePoint(uint8_t byte);

std::string cp1252ToUtf8(std::string_view text);

// Characters the code page lacks, and malformed sequences, become "?".
std::string utf8ToCp1252(std::string_view text);

// Decodes the UTF-8 sequence at text[pos] and moves pos past it; a malformed byte gives
// U+FFFD and moves one byte on.
uint32_t utf8Next(std::string_view text, size_t& pos);

// The capital of a Windows-1252 letter (umlauts and accented letters too); other bytes, "ß"
// among them, unchanged.
uint8_t cp1252Upper(uint8_t c);
