// Text drawing of the engine: loading the fonts, the text block with its fitting and looks,
// text in the 3D scene, the text origin, and the single glyphs the text is drawn with.
// Measuring (stringWidth, the slots, currentFont) is in fonts.h.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// [SECTION] loading

// Loads slots 0, 1 and 3 (widths and textures), then gives slot 2 slot 1's texture and
// widths. A missing or short "f.cwi" is EInOutError naming the file. Called by the first paint.
bool loadFonts();
// One slot: currentFont := slot, its widths from "f.cwi", its texture "<file>.bmp" through the
// texture cache (alpha companion "<file>a.bmp" when present).
void loadFont(int32_t slot);

// [SECTION] text block

// Modes of drawTextBlock that change what it does (the others draw normally).
constexpr uint8_t kTextModeNormal = 2;      // with look 1 or 2 the focus colour (so does 1); no hover nudge
constexpr uint8_t kTextModePulseGlow = 5;   // glow pass, pulsing
constexpr uint8_t kTextModeGlow = 8;        // glow pass, steady
constexpr uint8_t kTextModeTilted = 9;      // a label leaning back, centred, growing as it fades in
constexpr uint8_t kTextModeMeasure = 11;    // fitting only: fills the rest, draws nothing

// Looks of a text block.
constexpr int32_t kTextLookNormal = 0;
constexpr int32_t kTextLookHovered = 1;
constexpr int32_t kTextLookPressed = 2;
constexpr int32_t kTextLookInactive = 3;

// The text primitive. look 0..3; scale 1.0 normal; x, y units of the UI plane; pressDepth 0
// switches the hover and press nudge off; alignment 0 left, 1 centred, 2 right; rightEdge <= 0
// switches the fitting off; mask "~" cuts anywhere, else "#" positions are underlined;
// margin -1 means 90. `rest` receives the cut-off part ("" when all fitted, ">" + part when the
// caller should show the whole text or continue it).
void drawTextBlock(std::string_view text, int32_t look, float scale, float x, float y, float pressDepth,
                   uint8_t mode, int32_t alignment, float alpha, int32_t rightEdge, bool continueText,
                   std::string_view mask, int32_t margin, std::string& rest);

// The fitting step of drawTextBlock on its own (no GL): cuts `text` for a box ending at
// rightEdge (> 0) and returns the text as it would be drawn ("..", when cut and the pointer
// is elsewhere); `rest` as in drawTextBlock. The pointer is the engine's (vtl.pointerX/Y).
std::string fitTextBlock(std::string_view text, float scale, float x, float y, int32_t rightEdge,
                         bool continueText, std::string_view mask, int32_t margin, std::string& rest);

// How a text block of this mode and look is drawn: the colour (alpha included), the glyph
// effect, and for the glow passes (modes 5 and 8) the highlight style's choice.
struct TVTLTextLook {
  bool draws;        // false: the pass draws nothing ("Spiegel" glow)
  int32_t effect;    // glyph effect: 0, or -4 for the "Schatten" glow
  bool additive;     // blend (source alpha, one): the shining glow
  bool shadowShift;  // the "Schatten" glow lies below the text
  float colour[4];   // RGBA handed to the symbol glyphs
};
TVTLTextLook textBlockLook(uint8_t mode, int32_t look, float alpha);

// Text at the current matrix in the 3D scene (labels over the table); nothing while
// vtl.uiOverlayOn is off. chr(5) bars use barScale.
void drawText3D(std::string_view text, float alpha, float scale, float barScale);

// Identity, the UI plane's origin, then (x / 639, -y / 639). Always true.
bool setTextOrigin(float x, float y);

// [SECTION] character walk of a drawn text (what drawTextBlock hands to the glyphs)

enum class TVTLGlyphStepKind : uint8_t {
  character,  // drawChar
  marked,     // drawMarkedChar (the character after chr(24))
  underline,  // chr(8) with `effect` = width in thousandths, under the mask's # run
};

struct TVTLGlyphStep {
  TVTLGlyphStepKind kind;
  uint8_t character;  // the code drawn (8 for an underline)
  int32_t effect;     // glyph effect: 0, -4 (shadow), or the underline width in thousandths
  int32_t font;       // currentFont while the step is drawn
  bool marked;        // an underline: the character before it was marked
};

// Walks a text as the text block draws it: font escapes (slots 0..5 only; they set
// currentFont, which stays set), marks, the hidden part from "#", and the mask's underlines
// (a mask shorter than the text underlines nothing past its end; a run past the text's end
// measures only the characters that exist). `effect` is the glyph effect of the look.
std::vector<TVTLGlyphStep> textGlyphSteps(std::string_view text, std::string_view mask, int32_t effect);

// [SECTION] glyphs

// Glyph effects.
constexpr int32_t kGlyphPlain = 0;
constexpr int32_t kGlyphShadow = -4;  // slanted, fading copy ("Schatten" highlight style)

// One font glyph of currentFont at the pen; moves the pen by its advance.
void drawFontGlyph(uint8_t character, int32_t effect, float alpha, float scale);
// One unmarked character: 31..255 except 137 and 138 as font glyphs, all others as symbols.
void drawChar(uint8_t character, float alpha, int32_t effect, float scale);
// The character after a chr(24): a progress disc of (code - 100) / 100; the pen stays.
void drawMarkedChar(uint8_t character, float alpha, int32_t effect, float scale);

// The symbol character drawn for a control code 0..30 (suits by the card-face style; other
// codes stand for themselves).
uint8_t iconGlyph(uint8_t code);

// A texture window in texture units (v upwards).
struct TVTLGlyphWindow {
  float u0, v0, u1, v1;
};

// The cell of a symbol character in the symbol texture "font.bmp" (through glyphIndex).
int32_t symbolGlyphCell(uint8_t symbolCharacter);
TVTLGlyphWindow symbolGlyphWindow(int32_t glyphCell);

// What a font glyph of `character` in `slot` uses: the character after small capitals, its
// width (cell hundredths), its texture window and quad size, and the pen's advance; all for a
// glyph scale `scale` (the text block's scale / 4.1 x 1.08).
struct TVTLFontGlyph {
  uint8_t character;   // drawn code (upper case in small-capital slots)
  float sizeFactor;    // 0.85 for a small capital, else 1
  float width;         // the slot's width of `character` / 100
  TVTLGlyphWindow window;
  float quadWidth, quadHeight;
  float advance;       // how far the pen moves
};
TVTLFontGlyph fontGlyph(int32_t slot, uint8_t character, float scale);

// The pen advance of a symbol glyph (2 x scale x w0 / 15) for an unmarked control code.
float symbolGlyphAdvance(uint8_t character, float scale);
