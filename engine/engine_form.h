// The engine form's program-wide state: one TVTLApplication record, `vtl`, holding the fields
// that tie the engine together (state, dialog table, string container, open-dialog stack,
// keyboard focus, modal wait, scene angles). The engine's operations are free functions over it,
// declared in the headers of their modules (dialogs.h, elements.h, string_container.h, ...).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/dialog_records.h"
#include "engine/string_container.h"
#include "platform/records.h"

// TVTLEngineState
enum TVTLEngineState : uint8_t {
  esNotStarted = 0,
  esRecreating = 1,  // re-creating the window or the GL context
  esRunning = 2,
  esTerminating = 3,
};

// One help-bubble slot of the compositor.
struct TVTLHelpSlot {
  TVTLAnimation anim;  // the bubble's show/hide animation
  int32_t element;     // registered element as dialog * 1000 + element; 0 none
  uint8_t wanted;      // written by the compositor
};

struct TVTLApplication {
  // [SECTION] engine state, set by construction, the first paint and the close request
  TVTLEngineState engineState = esNotStarted;
  bool exitGranted = false;    // the main window granted the close
  bool noQuitQuestion = false;  // close without asking the user
  float textFactor = 1.14f;    // horizontal text factor
  int32_t presetMode = 0;      // 1 after a start with the graphics-preset switch

  // [SECTION] dialogs and elements
  TVTLDialogList diags;          // all dialogs, numbered from 1
  TVTLStringContainer strings;   // long texts and item strings
  int32_t buildDialog = 0;       // the dialog that element creation fills
  int32_t topDialog = 0;         // top of the open-dialog stack, 0 none
  int32_t keyDialog = 0;         // receives typed characters
  bool focusShown = false;       // the keyboard focus is drawn
  int32_t focusDialog = 0;       // dialog of the keyboard focus
  int32_t focusElement = 0;      // element of the keyboard focus
  bool keyboardNavigation = false;  // switched on by the main window
  LArray<TVTLHelpSlot, 0, 25> helpSlots{};  // help-bubble registrations (setElementHelpTextSlot)

  // [SECTION] small services
  bool modalWait = false;        // set while a message box or runModal waits; clearing ends it
  LArray<float, 1, 11> sceneParams{};  // scene angles in degrees
  std::string fpsSuffix;         // shown behind the frame rate
  int32_t glVersion = 0;         // 10 * major + minor of the GL version
  bool noAuxBuffers = false;     // the frame buffer has no auxiliary buffers
  int16_t symbolButtonPicture = 0;  // skin picture of symbol buttons; set when the textures load

  // [SECTION] message box and notice dialog (message_box.h); numbers are 0 until built
  int32_t boxDialog = 0;          // the modal box; made by the constructor
  int32_t boxTextElement = 0;     // its text label
  int32_t boxOkButton = 0;        // "!Center"; the three buttons are made at the first paint
  int32_t boxYesButton = 0;       // "!Left"
  int32_t boxNoButton = 0;        // "!Right"
  int32_t boxOkAnswer = 0;        // the code each button answers; set by showMessage (1, 6, 7)
  int32_t boxYesAnswer = 0;
  int32_t boxNoAnswer = 0;
  int32_t boxAnswer = 0;          // the last box button pressed; cleared by every new box
  int32_t noticeDialog = 0;       // the non-modal notice dialog; made by the constructor
  int32_t noticeTextElement = 0;
  int32_t noticeOkButton = 0;
  bool originalsSaved = false;    // the dialogs' 4:3 originals are saved (relayoutDialogs)

  // Dialogs the dialog-state reader leaves alone at start-up (the main window's lobby and
  // start-screen dialogs); set by the main window before it loads the states.
  std::vector<int32_t> stateExclusions;
};

extern TVTLApplication vtl;

// Puts the engine model back to its state before construction: no dialogs, an empty string
// container, no open dialogs, default options. Tests call it between cases.
void resetEngineModel();
