// Reading and changing element states, texts and items, addressed by (dialog, element).
// Texts longer than 26 characters are kept as "@scon" in the record and in chunks of 255
// characters in the element's item strings. Element numbers outside 1..138 and values that do
// not fit their int16 field raise ERangeError; dialog numbers are those createDialog returned.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

constexpr int kRecordTextMax = 26;  // characters of a text held in the element record
inline constexpr const char* kLongTextMark = "@scon";

// Sets the caption. With flag 1 an edit field also gets shownLength := the text's length and,
// while the engine runs, the Home command (caret and view to the start).
void setElementText(int32_t dialog, int32_t element, std::string_view text, int32_t flag);
// The caption, long captions reassembled.
std::string getElementText(int32_t dialog, int32_t element);
