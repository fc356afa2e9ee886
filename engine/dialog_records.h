// The engine's dialog and element records, their kinds and sub-kinds, and the dialog table.
// A dialog record is also a file format: engine/dialog_record_io.h writes and reads it byte
// for byte in the layout the field comments give (offsets in the stored record).
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/records.h"

// [SECTION] constants

constexpr int kMaxElements = 138;      // element slots per dialog
constexpr int kMaxChildren = 80;       // children per element
constexpr int kDialogRecordSize = 39928;  // bytes of one stored TVTLDialog
constexpr int kElementRecordSize = 288;   // bytes of one stored TVTLElement
constexpr int kAnimationRecordSize = 20;  // bytes of one stored TVTLAnimation

// TVTLElementKind: the kind byte of an element. 3 and 11 are not assigned.
enum TVTLElementKind : uint8_t {
  ekButton = 0,
  ekLabel = 1,
  ekHiddenText = 2,
  ekCheckBox = 4,
  ekMarker = 5,
  ekOwnerDrawn = 6,
  ekArrow = 7,
  ekScrollBar = 8,
  ekSlider = 9,
  ekPicture = 10,  // picture button or text item
  ekEdit = 12,
  ekListBox = 13,
  ekTextBox = 14,
  ekTable = 15,
  ekLongList = 16,
  ekSelector = 17,  // horizontal selector
  ekGroupBox = 18,
  ekPageGroup = 19,
};

// Sub-kinds with a behaviour of their own; other values only choose looks.
enum TVTLSubKind : uint8_t {
  skNone = 0,
  skClose = 3,
  skMoveHandle = 4,
  skResizeHandle = 5,
  skMinimize = 6,
  skNoPointer = 7,
  skFreePicture = 9,  // ignored by the pointer, never focused
  skSymbol = 12,
  skHelpSwitch = 13,
};

// Edit-field input filters (the picture field of an edit field).
enum TVTLInputFilter : int16_t {
  ifAny = 0,
  ifDigitsDefaultOne = 1,  // digits; an empty or all-zero text becomes "1" on leaving
  ifDigits = 2,
  ifFileName = 3,  // any character except those not allowed in file names
};

// [SECTION] records

// Show/hide animation of a dialog, an element or a help-bubble slot (20 bytes stored).
struct TVTLAnimation {
  uint8_t shown;     // 0  what it looked like after the last update
  uint8_t target;    // 1  what the last update asked for; 2 reserved bytes follow
  int32_t duration;  // 4  ms of the running animation (350)
  int32_t start;     // 8  tick when the running animation began
  int32_t state;     // 12 0 idle, 1 showing, 2 hiding
  float progress;    // 16 0.0 hidden .. 1.0 shown
};

// True while the record is shown or still fading out.
inline bool isShownOrAnimating(const TVTLAnimation& a) { return a.shown != 0 || a.state == 2; }

// Owner-draw callback of kind 6. Never stored: a record file holds zeros in its place.
struct TVTLDrawMethod {
  void (*code)(void* object, int32_t dialog, int32_t element);
  void* object;
};

// One element (288 bytes stored). Several int16 fields serve other purposes per kind; the
// comments give the uses. Offsets are those of the stored record.
struct TVTLElement {
  uint8_t kind;               // 0   TVTLElementKind
  int16_t x;                  // 2   left edge relative to the dialog, units
  int16_t y;                  // 4   top edge relative to the dialog, units
  uint8_t enabled;            // 6   takes input
  uint8_t visible;            // 7   wanted visibility (the animation follows it)
  ShortString<26> caption;    // 8   first text; "@scon" when longer (item strings)
  ShortString<26> helpText;   // 35  help-line text; "@scon" when longer
  ShortString<26> text3;      // 62  third text; "@scon" when longer
  int16_t look;               // 90  0 normal, 1 hovered, 2 pressed (input code writes)
  int16_t page;               // 92  child of a page group: its page (0 all); group: selected
  int16_t rowHeight;          // 94  lists: row height; buttons: help slot; free pictures: angle
  int32_t width;              // 96  units
  int32_t height;             // 100 units
  int32_t extent;             // 104 scroll bar thumb, slider knob, image height
  float pressDepth;           // 108 0 switches the hover and press nudge off
  uint8_t checked;            // 116 check box state; arrows: direction (1 right or down)
  uint8_t focused;            // 117 holds the keyboard
  int16_t SelIndex;           // 118 lists: selection 1-based; edits: caret; items: marker height
  int16_t TopIndex;           // 120 lists: scrolled rows; selectors: shown entry; labels: 1 centres
  int16_t rows;               // 122 visible rows; edits: maximum length; items: marker width
  int16_t dragMark;           // 124 drag position; edits: width div 13; items: marker look
  int16_t shownLength;        // 126 edits: characters shown from TopIndex
  int16_t hoverOffset;        // 128 pointer position inside the element
  int16_t columns;            // 130 lists: columns; free pictures: 333 turns it
  float scrollOffset;         // 132 text boxes: scroll position; -100.0 at creation
  float textScale;            // 136 scale of the caption text
  int16_t controller;         // 140 the parent element, 0 none
  LArray<int8_t, 1, kMaxChildren> children;  // 142 child element numbers
  int8_t childCount;          // 222 0..80
  int32_t handleBase;         // 224 last handle of the element's string block (never stored)
  int16_t itemSlots;          // 228 item indexes 0..itemSlots are valid
  uint8_t highlight;          // 230 two strings per item
  int16_t Stringscount;       // 232 item strings in use
  int16_t itemCount;          // 240 entries scrolling counts with
  int16_t picture;            // 242 picture number; edits: input filter
  uint8_t subKind;            // 244 TVTLSubKind
  TVTLDrawMethod drawMethod;  // 248 owner-draw callback (8 bytes stored, always zero)
  TVTLAnimation showAnim;     // 256 show/hide animation
  int32_t savedX;             // 276 x as laid out for 4:3
  int32_t savedWidth;         // 280 width as laid out for 4:3; labels and tables wrap at it
};

// One dialog (39,928 bytes stored).
struct TVTLDialog {
  uint8_t inUse;              // 0      1 once created
  uint8_t open;               // 1      drawn and taking input
  int16_t x;                  // 2      units
  int16_t y;                  // 4
  int16_t width;              // 6
  int16_t height;             // 8
  float colour[4];            // 12     background RGBA 0..1; the compositor rewrites it
  LArray<TVTLElement, 1, kMaxElements> elements;  // 32 element n at 32 + (n-1) * 288
  int16_t count;              // 39,776 elements created, 0..138
  int16_t captureElement;     // 39,778 edit field holding the keyboard, 0 none
  int16_t typingElement;      // 39,780 element last pressed, 0 none
  int16_t markedItem;         // 39,782 where the focus returns; gets the marker picture
  uint8_t popup;              // 39,785 upper layer
  int16_t below;              // 39,786 the top dialog when this one was opened; -1 none
  ShortString<100> title;     // 39,788 empty or "#..." no title label; "h" the help line
  int16_t backPicture;        // 39,890 0 plain, -1 skinned panel, else a texture
  uint8_t glowFrame;          // 39,892 draw the glow frame
  uint8_t stayOpen;           // 39,893 openDialog does not close it when unwinding
  int16_t panelLevel;         // 39,894 0 none; above 0 the skinned panel
  TVTLAnimation showAnim;     // 39,896 the dialog's show/hide animation
  int32_t savedX;             // 39,916 x as laid out for 4:3
  int32_t savedWidth;         // 39,920 width as laid out for 4:3
};

// The dialog table: numbers 1..count in creation order; slot 0 exists and is never used.
// Records stay at their address for the whole run, so references to them stay valid.
class TVTLDialogList {
 public:
  TVTLDialogList() { clear(); }
  int32_t count() const { return int32_t(slots_.size()) - 1; }
  bool valid(int32_t d) const { return d >= 1 && d <= count(); }
  // Appends an all-zero record and returns its number.
  int32_t add();
  // The record of dialog d (0 is the unused slot); any other number is a range error.
  TVTLDialog& operator[](int32_t d);
  const TVTLDialog& operator[](int32_t d) const;
  void clear();

 private:
  std::vector<std::unique_ptr<TVTLDialog>> slots_;
};
