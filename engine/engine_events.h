// The engine's event channel to the main window (TEngineEvent), the form's callback slots
// with their defaults, and the close request.
#pragma once

#include <cstdint>

#include "engine/engine_form.h"

// The event codes (x < 0) the engine sends, with the argument y named beside each.
enum TEngineEventCode : int32_t {
  evStartup = -1,          // -1: start-up done; the main window loads and builds everything
  evFrame = -2,            // -2 in the main loop, 0 in a nested step: draw (and advance)
  evTableClick = -3,       // -3: a press that no dialog element took
  evTexturesLoaded = -4,   // -4: the main window loads its own textures
  evClose = -5,            // -5: the destructor's first step; save and free
  evBeforeWindow = -7,     // -7: the first paint is about to set up the window
  evKey = -8,              // virtual-key code of a key that went down
  evSettingsApplied = -9,  // -9
  evSettingsReload = -10,  // -10: reload what depends on the GL context
  evElementPress = -12,    // element number
  evHoverStart = -13,      // dialog * 100 + element
  evHoverEnd = -14,        // -14
  evBenchScene = -15,      // benchmark scene 1, 2 or 3
  evBenchPrepare = -17,    // -17
  evBenchDone = -18,       // -18
  evRelayout = -22,        // 0: the dialogs were re-laid out for the aspect class
  evCharTyped = -88,       // the character code
};

// The shift state that marks a call as the engine's: {left, right, middle button}.
constexpr uint8_t kEngineEventMark = 8 | 16 | 32;

// Installs the main window's receiver; an empty one drops every event.
void setEngineEventHandler(TEngineEventHandler handler);
// One synchronous call of the receiver with the engine's mark. The receiver may call back
// into the engine; what it raises reaches the caller.
void sendEngineEvent(int32_t x, int32_t y);

// The defaults the constructor puts into the element slots: the double-click handler that
// defaultElementClick would call is never assigned in this program, so all three do nothing.
void defaultElementClick(int32_t dialog, int32_t element);
void defaultListChange(int32_t dialog, int32_t element);
void defaultElementPress(int32_t dialog, int32_t element);

// TVTLApplication.skipQuitQuestion: nothing sets this flag, so always false.
bool skipQuitQuestion();

// Grants the close when the close query is empty or answers true: engineState becomes 3.
// A refused close changes nothing. exitGranted is the close query's to set.
void requestClose();
// The window's close hook, also "the form's close is requested": runs requestClose, and once
// the engine is terminating the message loop may end.
void formClose();
