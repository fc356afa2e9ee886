// The engine's own options (`appopt`): the settings read from the engine options dialog and the
// graphics/sound dialog, their applied copies, and the numbers of those dialogs and of the
// elements that carry the settings (given by the engine dialogs' builder). Reading, applying
// and writing them (vtlopt.dco, vtlgraph.dco) and the colour-text parser.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/records.h"

struct TVTLColour {
  float r, g, b, a;  // 0.0 .. 1.0
};

// One fade slot of the frame loop.
struct TVTLFadeSlot {
  int32_t state;     // 0 idle, 1 rising, 2 falling
  uint32_t start;    // tick when it started
  int32_t duration;  // ms
  float value;       // 0..1
};

// Numbers of the engine options dialog and of its setting elements; 0 until built.
struct TVTLOptionsDialogNumbers {
  int32_t dialog = 0;            // `engineOptionsDialog`, "Vitrelon - Einstellungen"
  int32_t fontEdit = 0;          // "Font (Charwidth):"
  int32_t textColourEdit = 0;    // "Schrift (normal) RGBA:"
  int32_t focusColourEdit = 0;   // "Schrift (fokus) RGBA:"
  int32_t disabledColourEdit = 0;  // "Schrift (disabled) RGBA:"
  LArray<int32_t, 1, 4> frameColourEdits{};  // "Border 1 (oben)" .. "Border 4 (weg)"
  int32_t elementColourEdit = 0;  // "Elem-Backgr. RGBA:"
  int32_t folderEdit = 0;        // the engine folder; also the run marker "first"/"second"
  int32_t spacingEdit = 0;       // "Schriftabstand %:"
  LArray<int32_t, 1, 3> speedEdits{};  // "Drehgeschw." three rotation speeds
  int32_t windowStyleSelector = 0;  // "Windowstyle:"
  int32_t highlightSelector = 0;    // "Highlight:"
  int32_t widthLabel = 0;        // "Infos": window width
  int32_t heightLabel = 0;       // window height
  int32_t leftLabel = 0;         // window left
  int32_t topLabel = 0;          // window top
  int32_t fpsValueLabel = 0;     // "Infos": the frame rate, written by the frame step
  int32_t pageGroup = 0;         // "Schrift/Border"
  LArray<int32_t, 1, 2> pageButtons{};  // "Schrift" shows page 1, "Border" page 2
  // The GL selectors in label order: GL_CULL_FACE, GL_DEPTH_TEST, GL_COL.MATERIAL, GL_BLEND,
  // GL_MATERIAL, Stenciltest, 16 Bit Test; each shows its entry as TopIndex.
  LArray<int32_t, 1, 7> glSelectors{};
  int32_t refreshButton = 0;     // "Aktualisieren": writes and applies the engine options
  int32_t graphicsButton = 0;    // "Grafikoptionen": opens the graphics/sound dialog
  int32_t glInfoButton = 0;      // "GLInfo"
  int32_t backButton = 0;        // "Zurück": closes the dialog
};

// The GL selectors of the options dialog by their place in glSelectors.
enum TVTLGLSelector : int32_t {
  glsCullFace = 1, glsDepthTest, glsColourMaterial, glsBlend, glsMaterial, glsStencil, glsTest16Bit
};

// Numbers of the graphics/sound dialog (`di_vtlgrafik`) and of its setting elements.
struct TVTLGraphicsDialogNumbers {
  int32_t backButton = 0;        // element 2, "Zurück": closes the dialog and sends -9
  int32_t displayMarker = 0;     // "Bildschirmmodus": parent of "Fenster" and "Vollbild"
  int32_t windowCheck = 0;       // "Fenster"
  int32_t fullCheck = 0;         // "Vollbild"
  int32_t i_g_lbfull = 0;        // full-screen modes selector
  int32_t windowSizeSelector = 0;  // the 27 window sizes
  int32_t applyButton = 0;       // "Änderungen übernehmen"
  int32_t textureSelector = 0;   // "Texturgenauigkeit"
  int32_t detailSelector = 0;    // "3D - Detailstufe"
  int32_t effectsSelector = 0;   // "Effekte (nur 32 Bit)"
  int32_t effectsDetailSelector = 0;  // "Effekte Detail"
  int32_t speechSelector = 0;    // "Sprachausgabe"
  int32_t soundSelector = 0;     // "Soundeffekte"
  int32_t musicSelector = 0;     // "Musik"
  int32_t musicTitleSelector = 0;  // "Musiktitel"
  int32_t pageGroup = 0;         // "Grafik/Sound"
  int32_t shadowCheck = 0;       // "Schatteneffekt"
  int32_t reflectionCheck = 0;   // "Spiegelung"
  int32_t softShadowCheck = 0;   // "Weiche Schatten"
};

struct TVTLOptions {
  // [SECTION] settings of the engine options dialog (readOptions)
  std::string fontName;             // "Arial"
  TVTLColour textColour;            // normal text
  TVTLColour focusColour;           // text of the focused element
  TVTLColour disabledColour;        // text of disabled elements
  LArray<TVTLColour, 1, 4> frameColours;  // frame colours 1..4
  TVTLColour elementColour;         // element background
  LArray<int32_t, 1, 3> rotationSpeeds;  // degrees per second of the scene clock
  int32_t windowStyle;              // 1 "Default" .. 4 "Texture"
  int32_t highlightStyle;           // 1 "Shining" .. 4 "Schatten"
  float textSpacing;                // 1.1 (1.0 on the fall-back)
  std::string vitrelFolder;         // the engine's data folder

  // [SECTION] settings of the graphics/sound dialog (readOptions)
  bool shadows;                     // "Schatteneffekt"
  bool softShadows;                 // "Weiche Schatten"
  bool reflection;                  // "Spiegelung"
  bool fullScreen;                  // "Vollbild"
  int32_t windowSize;               // 1..27
  int32_t fullScreenMode;           // 1..modes
  int32_t textAccuracy;             // 1..3
  int32_t detailLevel;              // 1..5
  int32_t textureFilterChoice;      // 1..4; readOptions sets 3
  int32_t textureQuality;           // 1..3, of the texture loading
  int32_t speechLevel;              // 6 off .. 1 full volume
  int32_t effectsLevel;             // 6 off .. 1 full volume
  int32_t musicLevel;               // 6 off .. 1 full volume
  int32_t musicTitle;               // 1 "Gemischt" .. 6 "Musiktitel 5"
  int32_t displayModeCode;          // textAccuracy + 2 * windowSize + 10 * fullScreenMode, x2 full
  int32_t textureCode;              // textAccuracy, + 100 in full screen
  bool effectLevelLow;              // effect level <= 1 (read by the chip drawing)
  bool effectLevelMedium;           // effect level <= 2

  // [SECTION] applied copies: the values in force; set by readOptions with apply
  int32_t appliedDisplayModeCode;
  int32_t appliedMusicTitle;
  int32_t appliedSpeechLevel;
  int32_t appliedEffectsLevel;
  int32_t appliedMusicLevel;
  int32_t appliedTextureCode;       // textureCode when the engine textures were last loaded

  // [SECTION] written by the GL set-up and the texture loading
  int32_t test16Bit;                // the "16 Bit Test" selector as last read: 1 "Enabled"
  int32_t stencilTest;              // the "Stenciltest:" selector as last read: 1 "Enabled"
  int32_t colourBits;               // colour depth of the window's pixel format
  bool noLighting;                  // developer switch: lighting stays off

  LArray<TVTLFadeSlot, 1, 11> fadeSlots;  // fades of the frame loop (updateFadeTimers)

  // [SECTION] numbers of the engine dialogs
  TVTLOptionsDialogNumbers opt;
  int32_t di_vtlgrafik;             // the graphics/sound dialog, the last the engine builds
  TVTLGraphicsDialogNumbers graf;
};

extern TVTLOptions appopt;

// The options as the engine constructor sets them: font "Arial", text colours "99999999",
// frame colours 1 and 2 "00354570" and "00003380", everything else zero.
void resetEngineOptions();

// Colour text of four decimal pairs (red, green, blue, alpha; "99" is 1.0) to a colour. A text
// shorter than 8 characters is padded with "0"; a pair that is not a number is EConvertError.
TVTLColour parseColour(std::string_view text);

// [SECTION] reading and applying the options

// Reads every setting from the two engine dialogs and keeps the apply button of the graphics
// dialog up to date; with `apply` the display and sound values become the applied ones. Any
// failure while reading (a colour or number that is not one, an element out of range) switches
// to the fall-back settings; a failure on the fall-back path reaches the caller.
void readOptions(bool apply);

// Keeps the effect options consistent with the colour depth: above 31 bits the shadow and
// reflection boxes are enabled and the options follow them, otherwise all three are off and
// their boxes disabled.
void checkGraphicsOptions(int32_t colourBits);

// [SECTION] the option files

// The place of an engine option file ("vtlopt.dco", "vtlgraph.dco"): "\data\vitrel\" when
// "\data\vitrel\vtlopt.dco" exists there, otherwise the program folder.
std::string engineOptionFile(std::string_view name);

// Writes vtlopt.dco and vtlgraph.dco (the graphics dialog is skipped while presetMode is 1).
void saveEngineDialogs();

// Reads both files into the two dialogs, pageFilter 0.
void loadEngineDialogs();

// loadEngineDialogs, then the window's size and place from the "Infos" labels fitted to the
// screen (aspectState), then readOptions with apply.
void applyWindowOptions();

// Page "Grafik" or "Sound" of the graphics/sound dialog, opened on top; the display check boxes
// and mode selectors show only on the graphics page.
void showGraphicsOptions();
void showSoundOptions();

// The GL layer's capability query (noAuxBuffers, and glVersion when asked); readOptions calls
// it while the engine runs. Empty until the GL layer sets it.
using TVTLReadGLCapsFn = void (*)(bool withVersion);
extern TVTLReadGLCapsFn readGLCapabilitiesHook;
