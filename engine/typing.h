// Typing into elements: typed characters and the editing keys change an edit field's text,
// caret (SelIndex) and view (TopIndex, shownLength); every code is reported to the main form
// (TEngineEvent -88).
#pragma once

#include <cstdint>

#include "engine/dialog_records.h"

// What a code handed to typeIntoElement stands for. A typed character is text, Backspace (8)
// being the one command among them; a key is an editing command: Home 36, End 35, Left 37,
// Right 39, Delete 34 (and Backspace 8).
enum class TVTLTypeSource : uint8_t { character, key };

// The code the Delete key reaches typeIntoElement under.
constexpr int32_t kDeleteCommand = 34;

// TVTLApplication.typeIntoElement. For an edit field: a key's command, or a typed character
// inserted at the caret when the field holds the keyboard (focused) and its input filter, its
// maximum length (rows) and the shown text allow it; control characters and "#" (drawn text
// ends at it) are never inserted. Shift turns a letter into its capital. Then the view
// follows the caret within the field's width (dragMark). Every element ends with -88 and
// the code. Selects font 2 for measuring.
void typeIntoElement(int32_t dialog, int32_t element, int32_t code, bool shift, TVTLTypeSource source);

// typeIntoElement with an editing key; installed as typeIntoElementHook (setElementText's Home).
void typeEditKey(int32_t dialog, int32_t element, int32_t code, bool shift);

// Keeps an edit field's caret and view inside a text of `length` characters: SelIndex and
// TopIndex within 0..length, shownLength within 0..length - TopIndex. State files and callers
// write these fields unchecked; typing, caret placement and drawing call this first.
void clampEditIndexes(TVTLElement& element, int32_t length);
