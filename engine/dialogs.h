// Creating dialogs and their elements, and the stack of open dialogs. Dialogs are numbered from
// 1 in creation order and live for the whole run; elements are numbered 1..138 in their dialog.
// Element numbers outside 1..138, a 139th element, an 81st child or a value that does not fit
// its int16 field raise ERangeError.
#pragma once

#include <cstdint>
#include <string_view>

#include "engine/dialog_records.h"
#include "engine/engine_form.h"

// The record of dialog d; a number outside the table is a range error.
TVTLDialog& dialogOf(int32_t d);
// The record of element e of dialog d; e outside 1..138 is a range error.
TVTLElement& elementOf(int32_t d, int32_t e);

// [SECTION] creating dialogs

// Appends a dialog and makes it the one under construction (vtl.buildDialog). A title that is
// not empty, not "h" and not beginning with "#" becomes a centred title label, element 1.
int32_t createDialog(int32_t x, int32_t y, int32_t width, int32_t height, bool popup, std::string_view title,
                     bool glowFrame, int16_t panelLevel, float scale);

// createDialog with a standard geometry: type 0 narrow, 3 a panel, every other type the large
// dialog of type 1.
int32_t createStandardDialog(uint8_t type, std::string_view title);

// Element creation fills this dialog from now on.
void setCurrentDialog(int32_t d);

// [SECTION] creating elements (all append to vtl.buildDialog and return the new number)

// width and height -1 take the kind's default; param depends on the kind.
int32_t addElement(uint8_t kind, int32_t x, int32_t y, std::string_view caption, int32_t width, int32_t height,
                   float param, float textScale);
// addElement(kind, x, y, caption, -1, -1, 0.0, 1.0).
int32_t addSimpleElement(uint8_t kind, int32_t x, int32_t y, std::string_view caption);
// A light element without item slots: picture buttons and the text of selectors.
int32_t addTextElement(uint8_t kind, int32_t x, int32_t y, int32_t width, int32_t height, uint8_t subKind,
                       std::string_view caption);
// A picture button or text item with a marker picture at its left; subKind 8 makes a plain
// button 43 high.
int32_t addElementEx(uint8_t kind, int32_t x, int32_t y, int32_t width, int32_t height, uint8_t subKind,
                     std::string_view caption, int32_t markerLook, int32_t markerWidth, int32_t markerHeight,
                     int32_t topIndex, float textScale);
// Appends child to the parent's children and makes parent its controller.
void addChild(int32_t parent, int32_t child);
// Appends child to the parent's children without touching the child's controller.
void addChildToCurrent(int32_t parent, int32_t child);

// [SECTION] the open-dialog stack

// Opens a dialog on top of the stack, or brings an open one back to the top by closing the
// dialogs above it (a stay-open dialog stops that, and d is pushed on top of it again).
void openDialog(int32_t d);
// Marks the dialog open and makes it the top and key dialog, without touching below.
void showDialog(int32_t d);
// Closes the dialog and returns the top to the dialog below it.
void closeDialog(int32_t d);
// Clears the open byte only.
void hideDialog(int32_t d);
// open := (flag = 1); nothing else (panels outside the stack, such as the help line).
void setDialogOpen(int32_t d, uint8_t flag);

// Kinds the keyboard focus can rest on when the pointer hovers them or a dialog marks them.
bool isFocusableKind(uint8_t kind);
