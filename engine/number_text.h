// Decimal texts to numbers as the engine's files and edit fields hold them: an optional sign
// and digits, nothing else.
#pragma once

#include <cstdint>
#include <string_view>

// False for an empty text, any other character, or a value outside int32.
bool tryStrToInt(std::string_view text, int32_t& value);

// As tryStrToInt; a text that is not a number is EConvertError.
int32_t strToInt(std::string_view text);
