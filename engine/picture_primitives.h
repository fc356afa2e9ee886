// The engine's texture set (loading-screen pictures, shine overlay, element atlas, logos, font
// picture, detail strip, the textures registered by the main window) and the three picture
// primitives on the screen plane: drawPicture, drawBarPicture, drawStripPicture.
// [SECTION] the engine texture set
// [SECTION] picture primitives
// TVTLApplication.applySceneOffset: moves the matrix by the scene offset after a primitive
// reached its drawing plane. The offset is 0 for the whole run, so the matrix stays.
void applySceneOffset();

// [SECTION] texture windows, exposed for tests
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/records.h"

// [SECTION] the engine texture set

// Texture numbers of the engine's pictures; 0 while not loaded (the optional ones stay 0 when
// their file is missing). The loading-screen pictures are in loadingPictures (loading_screen.h).
struct TVTLEngineTextures {
  int32_t shineTexture = 0;               // "cm1.bmp", optional
  int32_t elementAtlas = 0;               // "elem.bmp": 8 x 5 skin icons 0..39
  LArray<int32_t, 1, 2> logoTexture{};    // "logo.bmp", "logo2.bmp", optional
  int32_t fontTexture = 0;                // "font.bmp", bound by bindFontTexture
  int16_t detailStrip = 0;                // "detail.bmp", the graphics dialog's level strips
};
extern TVTLEngineTextures engineTextures;

// The skin's icon numbers in force, set by loadEngineTextures (atlas icons 0..39).
struct TVTLSkinIcons {
  int16_t plainButton = 1;      // kind 0, sub-kind 0
  int16_t otherButton = 0;      // other buttons of kind 0
  int16_t checkOff = 6;         // check box unchecked
  int16_t checkOn = 7;          // check box checked
  int16_t listArrowDown = 26;   // kind 7, by checked
  int16_t listArrowUp = 27;
  int16_t selectorLeft = 24;    // selector arrows, by checked
  int16_t selectorRight = 25;
  int16_t knob = 5;             // slider knob and scroll thumb; also the bar of drawBarPicture
  int16_t textMarker = 5;       // text-item marker
};
extern TVTLSkinIcons skinIcons;

// One texture registered by the main window: loaded into *number after the engine's own set.
struct TVTLCustomTexture {
  std::string fileName;
  int32_t* number;  // the owner's variable; lives for the whole run
};
extern std::vector<TVTLCustomTexture> customTextures;
void registerCustomTexture(const std::string& fileName, int32_t* number);

// TVTLApplication.loadEngineTextures: the set from `folder` (normally appopt.vitrelFolder),
// again after every change of the GL context; the cached textures come back first. Ends with
// the texture event -4 unless vtl.suppressTextureEvent is set.
void loadEngineTextures(const std::string& folder);

// The folder the set is read from: `folder` with a trailing separator when it holds
// "border.bmp", else the relative "data\vitrel\" when that holds it, else vitrelFolder + "\".
std::string engineTextureFolder(const std::string& folder);

// Forgets the texture set, the skin icons and the registered textures (tests).
void resetEngineTextures();

// [SECTION] picture primitives

// TVTLApplication.drawPicture: picture 0..39 an atlas icon (or any picture in mode 4), 40 and
// above a whole texture, -1..-5 the special looks; centred in the rectangle x, y, width, height
// (layout units). blendSelector -8: pressDepth is the brightness; -7: additive blending.
void drawPicture(int32_t picture, int32_t x, int32_t y, int32_t width, int32_t height, float alpha, uint8_t mode,
                 float pressDepth, float blendSelector, bool flag, int32_t look, float repeatU = 1.0f,
                 float repeatV = 1.0f, float scale = 1.0f);
// A stretched bar from the atlas with its end caps; -1 black, -2 blue, flag plain red.
void drawBarPicture(int32_t picture, int32_t x, int32_t y, int32_t width, int32_t height, float alpha, bool flag);
// The window s0..s1 of a strip texture: whole height (half 0), lower half (1) or upper half (2).
void drawStripPicture(int32_t texture, int32_t x, int32_t y, int32_t width, int32_t height, float alpha, int32_t look,
                      float s0, float s1, int32_t half);

// [SECTION] texture windows, exposed for tests

// A window in a texture, v from the bottom.
struct TVTLTexWindow {
  float u0, v0;  // start in the texture
  float du, dv;  // extent
};
// The atlas cell of icon 0..39 (icon 1 spans half the width); the whole texture otherwise.
TVTLTexWindow atlasWindow(int32_t picture, uint8_t mode);
// The v window of drawStripPicture: (0, 1), (0, 0.5) or (0.5, 1).
TVTLTexWindow stripWindow(float s0, float s1, int32_t half);
// The nudge of drawPicture's step 4 for a mode, look and pressDepth.
float pictureNudge(uint8_t mode, int32_t look, float pressDepth);
// The corner argument drawPicture gives the picture quad for an icon or special look.
int32_t pictureCorner(int32_t picture, int32_t height);
// A whole-texture picture is turned and doubled: the view is from above during a game.
bool pictureTurnedForView();
