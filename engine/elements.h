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

// [SECTION] flags and numbers

uint8_t getElementChecked(int32_t dialog, int32_t element);
// out := checked; also the result.
uint8_t readElementChecked(int32_t dialog, int32_t element, uint8_t& out);
void setElementChecked(int32_t dialog, int32_t element, uint8_t value);
uint8_t getElementEnabled(int32_t dialog, int32_t element);
void setElementEnabled(int32_t dialog, int32_t element, uint8_t value);
// Wanted visibility; the element fades in or out over its animation.
void setElementVisible(int32_t dialog, int32_t element, uint8_t value);
// Shown or hidden at once, without fading.
void setElementShown(int32_t dialog, int32_t element, uint8_t value);
// Visible, or still shown or fading out.
bool isElementVisible(int32_t dialog, int32_t element);
// The show/hide animation's progress: 0 hidden .. 1 shown.
float getElementFade(int32_t dialog, int32_t element);
// A selector first has the index clamped to 0..Stringscount (written back).
int32_t getSelIndex(int32_t dialog, int32_t element);
int32_t getTopIndex(int32_t dialog, int32_t element);
void setSelIndex(int32_t dialog, int32_t element, int32_t value);
void setTopIndex(int32_t dialog, int32_t element, int32_t value);
void setElementPicture(int32_t dialog, int32_t element, int32_t value);

// [SECTION] texts (the OrZero forms turn an empty result into "0" when zero is set)

// Sets the caption. With flag 1 an edit field also gets shownLength := the text's length and,
// while the engine runs, the Home command (caret and view to the start).
void setElementText(int32_t dialog, int32_t element, std::string_view text, int32_t flag);
// The caption, long captions reassembled.
std::string getElementText(int32_t dialog, int32_t element);
std::string getElementTextOrZero(int32_t dialog, int32_t element, bool zero);
void setElementHelpText(int32_t dialog, int32_t element, std::string_view text);
// Sets the help text and, for slot 1..25, registers the element for that help-bubble slot.
void setElementHelpTextSlot(int32_t dialog, int32_t element, std::string_view text, int32_t slot);
std::string getElementHelpText(int32_t dialog, int32_t element);
std::string getElementHelpTextOrZero(int32_t dialog, int32_t element, bool zero);
void setElementText3(int32_t dialog, int32_t element, std::string_view text);
std::string getElementText3(int32_t dialog, int32_t element);
std::string getElementText3OrZero(int32_t dialog, int32_t element, bool zero);
// The entry at TopIndex exactly as the container answers (its invalid-index text included);
// a selector first has TopIndex clamped.
std::string getTopItem(int32_t dialog, int32_t element);
std::string getTopItemOrZero(int32_t dialog, int32_t element, bool zero);
// The first-table item at index; empty for an index outside the element's block.
std::string getItem(int32_t dialog, int32_t element, int32_t index);

// [SECTION] items

// Works on vtl.buildDialog. where -1 inserts as the first entry, 0 appends, above 0 sets the
// second string of entry `where`, below -1 replaces the last entry.
void addItem(int32_t element, std::string_view text, int32_t where);
// Empties the element; with `all` also its selection and scrolling (and a list box's children).
void clearItems(int32_t dialog, int32_t element, bool all);
// Field n (from 1) of a "|"-separated text; 0 or less the whole text, beyond the last the last.
std::string fieldAfterBars(std::string_view text, int32_t n);

// [SECTION] tree and pages

// enabled := value down the children; the children of an unchecked check box stay disabled.
void setChildrenEnabled(int32_t dialog, int32_t element, uint8_t value);
// The children get `value`; all further descendants are hidden.
void setChildrenVisible(int32_t dialog, int32_t element, uint8_t value);
// Selects the page of a page group: children on that page show, on other pages hide.
void selectPage(int32_t dialog, int32_t element, int32_t page);

// [SECTION] services of other engine modules called from here

// The keyboard module's typeIntoElement with an editing key (typeEditKey of typing.h, set from
// the start). setElementText with flag 1 sends an edit field the Home command (36) through it
// while the engine runs; when it is cleared, the Home command's effect is applied here: caret
// and view to the start and the shown length fitted.
using TVTLTypeIntoFn = void (*)(int32_t dialog, int32_t element, int32_t code, bool shift);
extern TVTLTypeIntoFn typeIntoElementHook;
