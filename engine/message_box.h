// Message boxes: the engine's modal box (OK, or "Ja" and "Nein") with its geometry, line
// breaking and nested wait; boxes of the message table by number; the non-modal notice
// dialog; text dialogs sized to their text; alerts shown in the box.
#pragma once

#include <cstdint>
#include <exception>
#include <string>
#include <string_view>

// Answers of showMessage.
enum : int32_t { kBoxAnswerOk = 1, kBoxAnswerYes = 6, kBoxAnswerNo = 7 };

// buttons of showMessage: 0 or 1 OK (1 places the standard box lower), 2 OK whose caption
// cannot be replaced, 4 "Ja" and "Nein"; any other value keeps the previous box's buttons.
enum : int32_t { kBoxOk = 0, kBoxOkLow = 1, kBoxOkFixed = 2, kBoxYesNo = 4 };

// layout of showMessage: 0 standard, -77 and -78 result boxes with measured word wrap (-77
// for Rommé and Canasta), 100 and 101 the side box; other values below 100 act as 0.
enum : int32_t { kBoxLayoutStandard = 0, kBoxLayoutResultMeld = -77, kBoxLayoutResult = -78,
                 kBoxLayoutSide = 100 };

// [SECTION] building the dialogs

// The engine constructor's part: the notice dialog, then the box dialog with its text label.
void createMessageDialogs();
// The first paint's part: the box's three answer buttons, "!Center", "!Left", "!Right".
// `buttonPicture` is the engine's button texture.
void addMessageBoxButtons(int16_t buttonPicture);

// [SECTION] the modal box

// Fills, sizes and opens the box and waits in nested frame steps until it is answered;
// returns 1 OK, 6 yes or 7 no. Every box starts without an answer; a wait that ends without
// a press (the engine terminates, modalWait is cleared from outside, the box is closed by
// other code, or no frame step is installed) answers 7. A box opened while another waits
// takes the dialog over and, once answered, gives it back to the waiting box, which keeps
// its own answer. Before the box has its buttons (before the first paint) a system message
// box is shown instead and the answer is 1.
int32_t showMessage(std::string_view text, std::string_view caption, int32_t buttons = kBoxOk,
                    std::string_view okCaption = {}, int32_t layout = kBoxLayoutStandard,
                    bool keepStack = false);

// The box of messages.txt with that id: "%1" in title and text, "%2".."%4" in the text are
// replaced by the values (each mark once, in one pass, so a value's own "%n" stays). An id
// not in the table shows an empty OK box.
int32_t showMessageById(int32_t id, std::string_view p1 = {}, std::string_view p2 = {},
                        std::string_view p3 = {}, std::string_view p4 = {});

// The built-in action of the box and notice dialogs, run by the element activation for every
// activated element before the program hears of it: a box button records its answer; any
// element of the box other than a label closes the box; the notice dialog's OK button closes
// it. True when the element belonged to one of the two dialogs.
bool messageDialogAction(int32_t dialog, int32_t element);

// [SECTION] notices and text dialogs

// Show a text in the non-modal notice dialog and return at once; a title that is not empty
// replaces the dialog's title.
void setInfoDialogText(std::string_view text, std::string_view title);
void showInfoText(std::string_view text, std::string_view title);
void showError(std::string_view text);
void showException(const std::exception& e, std::string_view title);

// Puts a text into element `element` of any dialog (its button is element + 1), sizes the
// dialog to the text's lines and opens it unless noOpen is set. Returns 0.
int32_t fillTextDialog(int32_t dialog, int32_t element, std::string_view text, bool noOpen);

// [SECTION] alerts

// Alerts ("ACHTUNG! ...") from now on show in the box with an empty caption. The program
// calls it at start-up; tests keep their own sinks.
void installMessageBoxAlertSink();

// [SECTION] line breaking, exposed for tests

// Counting wrap: the line count of a text in a box text of width w (the text is unchanged).
int32_t boxCountLines(std::string_view text, int32_t width);
// Measured wrap in font 2: breaks the text at blanks (or cuts a long word) so each line fits
// width w; "@" marks become line breaks too. lines gets the count of inner line breaks.
std::string boxBreakLines(std::string_view text, int32_t width, int32_t& lines);
