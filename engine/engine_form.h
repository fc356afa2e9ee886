// The engine form's program-wide state: one TVTLApplication record, `vtl`, holding the fields
// that tie the engine together (state, dialog table, string container, open-dialog stack,
// keyboard focus, modal wait, scene angles). The engine's operations are free functions over it,
// declared in the headers of their modules (dialogs.h, elements.h, string_container.h, ...).
#pragma once

#include <cstdint>
#include <functional>
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

// A callback slot of the form that takes (dialog, element).
using TVTLElementCallback = std::function<void(int32_t dialog, int32_t element)>;
// The main window's receiver of the engine's event channel (TEngineEvent): the engine marks
// its calls with the shift state {left, right, middle button}; x < 0 is an event code with
// its argument y, x > 0 a dialog number with the activated element y.
using TEngineEventHandler = std::function<void(uint8_t shift, int32_t x, int32_t y)>;

// Developer toggles of the frame step (switched by the developer keys, cleared by the first
// paint). fastMode lives with the text tables and noLighting with the options.
struct TVTLDevToggles {
  bool showFps = false;        // the overlay shows the frame rate
  bool wireframePass = false;  // render pass 2 draws lines
  bool skipSolidPass = false;  // render pass 1 is left out
  bool noThrottle = false;     // an inactive window is not throttled
};

struct TVTLApplication {
  // [SECTION] engine state, set by construction, the first paint and the close request
  TVTLEngineState engineState = esNotStarted;
  bool exitGranted = false;    // the main window granted the close
  bool noQuitQuestion = false;  // close without asking the user
  float textFactor = 1.14f;    // horizontal text factor
  float labelColour[4] = {0.10f, 0.13f, 0.20f, 0.80f};   // RGBA of the table's text plates and panels
  float messageColour[4] = {0.16f, 0.20f, 0.28f, 0.90f};  // RGBA of the network message bubbles
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
  int32_t pointerDialog = 0;     // the element under the pointer at the last processed
  int32_t pointerElement = 0;    // position (0: none); unlike the focus, only the pointer sets it
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

  // [SECTION] the engine's panels (engine_dialogs.h); the options dialogs' numbers are in appopt
  int32_t firstPanel = 0;         // "#firstpanel", an empty internal panel
  int32_t helpLineDialog = 0;     // the help line
  int32_t helpLineLabel = 0;      // its text
  int32_t overlayPanel = 0;       // always open: window buttons and the frame-rate label
  int32_t fpsLabel = 0;           // "FPS:0", shown while showFps is set
  int32_t overlayInfoLabel = 0;   // developer information; hidden at start

  // [SECTION] compositor (compositor.h); the hover glow's
  // phase is scene parameter 2 (sceneParams[2])
  uint8_t caretOn = 0;           // edit fields show their caret: 500 ms on, 300 ms off; drawDialogs
  int32_t caretClock = 0;        // ms in the current caret phase; drawDialogs
  uint32_t caretLast = 0;        // tick of the compositor's last frame; drawDialogs
  uint32_t hoverStart = 0;       // tick the help-bubble delay began, 0 not running; drawDialogs
  int32_t hoverSeen = 0;         // a hovered help element seen this frame (its number), 0 none; the looks
  uint8_t drawingPopup = 0;      // set while a dialog of the upper layer is drawn
  uint8_t helpDialogDrawn = 0;   // set while the dialog titled "h" is drawn, cleared after each dialog

  // [SECTION] the form: construction, first paint and frame loop (engine_lifecycle.h, frame_loop.h)
  std::string appFolder;            // the current directory at construction
  std::vector<std::string> params;  // command-line parameters 1..n at params[0..n-1]; set by the start code
  std::string applicationTitle;     // caption of the platform's messages; set by the start code
  bool developerMode = false;       // developer keys and toggles allowed
  bool uiOverlayOn = true;          // the dialogs are drawn over the scene
  bool keepRunningInBackground = false;  // an inactive window is never throttled
  bool interfaceVisible = false;    // set by the main window at creation
  int32_t textureFilter = 0x2601;   // GL_LINEAR until the engine textures load
  bool formClosing = false;         // the form's close went through: the message loop ends
  bool windowBordered = true;       // the window's border as construction chose it
  bool skipPresentOnce = false;     // set by other code: the next step leaves out overlay and swap
  int32_t firstRunCheck = -1;       // slow-hardware check: 1 armed, a tick while counting, -1 off
  int32_t firstRunFrames = 0;       // frames counted by that check
  std::string runMarker;            // "first" or "second", read at the first paint
  bool suppressTextureEvent = false;  // loading the engine textures sends no -4 while set
  int32_t loadingPercent = 0;       // 0..100, last value of showLoadingProgress
  std::string loadingText;          // last value of setLoadingText; only stored
  TVTLDevToggles dev;               // developer toggles of the frame step
  bool keyHandled = false;          // set by the main window during -8 for a key it kept

  // [SECTION] pointer: written by the frame step's poll, read by the input and the table
  int32_t pointerX = 0;             // pointer in window pixels (4:3-equivalent x in 5:4)
  int32_t pointerY = 0;
  int32_t lastPointerX = 0;         // the last processed position; the next poll compares with it
  int32_t lastPointerY = 0;
  int32_t dragOriginX = 0;          // pointer in window pixels when a window handle was pressed
  int32_t dragOriginY = 0;
  bool helpLineOption = false;      // hovering shows help texts in the help line; the help-line switch
  bool helpLineShown = false;       // the help line is open for helpLineOwner
  int32_t helpLineOwnerDialog = 0;  // the element whose help text the help line shows
  int32_t helpLineOwnerElement = 0;

  // [SECTION] keyboard (keyboard_input.h): the Enter latch, the typed word, the window's
  // minimised state and the developer keys' switches (Shift + key in developerMode; the frame
  // step's own toggles are in `dev`, fastMode in textTables, noLighting in appopt)
  bool enterLatch = false;          // Enter pressed an element; a key-up while the focus shows clears it
  std::string typedWord;            // the last three key codes as characters; "QZR" switches showFps
  bool formMinimized = false;       // set by the minimise event, cleared by restore
  bool autoPlay = false;            // the computer plays seat 1 too (engineAutoPlay)
  bool developerSwitch4 = false;    // Shift+4; only toggled
  bool developerSwitch5 = false;    // Shift+5; only toggled
  bool developerSwitch7 = false;    // Shift+7, and Shift+D with fastMode; only toggled
  int32_t cameraMode = 0;           // Shift+6 cycles 0..3; not 0 halves the scene clock
  bool showInfoPanels = false;      // Shift+9

  // [SECTION] display and GL context (screen_modes.h)
  bool inFullScreen = false;        // the display is switched for full screen
  int32_t desktopDepth = 0;         // bits per pixel of the display when the context was made
  bool desktopDepthTooLow = false;  // 8 bits or less: no context
  bool desktopDepthRaised = false;  // never set: the desktop's settings are not changed

  // [SECTION] callback slots and the event channel (engine_events.h)
  TVTLElementCallback onElementClick;  // every activation, before the channel event
  TVTLElementCallback onListChange;    // after every drag step of an element
  TVTLElementCallback onElementPress;  // press with the focus shown, or one that gives typing focus
  TVTLElementCallback onHoverEnter;    // Tglapp.mouseover
  TVTLElementCallback onHoverLeave;    // Tglapp.mouseout
  std::function<bool()> onCloseQuery;  // Tglapp.ccapp; empty grants every close
  TEngineEventHandler mainWindowEvent;  // Tglapp.FormMouseWheelDown

  // Dialogs the dialog-state reader leaves alone at start-up (the main window's lobby and
  // start-screen dialogs); set by the main window before it loads the states.
  std::vector<int32_t> stateExclusions;
};

extern TVTLApplication vtl;

// Puts the engine model back to its state before construction: no dialogs, an empty string
// container, no open dialogs, default options. Tests call it between cases.
void resetEngineModel();
