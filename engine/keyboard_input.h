// Keys into the engine: the application's message hook (key-down, key-up, typed characters,
// the full-screen deactivation rule), the form's key-down hook (editing keys, the typed word,
// the developer keys), the keyboard navigation of the dialogs and the application's minimise,
// restore and activate hooks. The frame step's message processing calls them.
#pragma once

#include <cstdint>

#include "platform/window.h"

// TVTLApplication.appMessage: every key-down, key-up, typed character and deactivation.
// A key-down goes to the main form first (-8 with the key); unless the form sets keyHandled
// while it handles that, it navigates. A typed character goes to the typing element of the
// key dialog. A key-up releases the Enter latch while the focus shows. Deactivation in full
// screen minimises the window.
void appMessage(const WinEvent& message);

// TVTLApplication.formKeyDown: the typed word ("QZR" switches the frame-rate display), in
// developerMode the developer keys (with Shift) and Space (pause), the developer information
// label, and the editing keys End, Home, Left, Right and Delete for the key dialog's typing
// element. Runs after appMessage for every key-down; the shell also calls it directly.
void formKeyDown(int32_t key, bool shift);

// TVTLApplication.navigateKey: Tab and the arrows move the keyboard focus, Enter presses and
// activates the focused element once until a key-up (or hands a list box to onEnterKey). An
// edit field holding the keyboard keeps Enter, Space, Left and Right and lets go on Tab, Up
// and Down.
void navigateKey(int32_t key, bool shift);

// The application's hooks: minimise pauses the music, restore resumes it, activate resumes it
// when the application is active and not minimised, deactivate does nothing.
void appMinimize();
void appRestore();
void appActivate();
void appDeactivate();
