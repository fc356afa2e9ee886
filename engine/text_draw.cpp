// Loading the font slots at the first paint, the text origin of 2D drawing, and text in the 3D
// scene.
#include "engine/text_draw.h"

#include <GL/gl.h>

#include "engine/engine_form.h"
#include "engine/fonts.h"
#include "engine/gl_context.h"
#include "engine/picture_primitives.h"
#include "engine/textures.h"
#include "platform/errors.h"
#include "platform/paths.h"

namespace {
constexpr int32_t kTextureFilterChoice = 0;
}  // namespace

// [SECTION] loading

void loadFont(int32_t slot) {
  if (!LArray<TVTLFontSlot, 0, 5>::inRange(slot)) throw ERangeError("loadFont: font slot out of range");
  currentFont = slot;
  // Without the width file every text would be measured from undefined widths: the start ends
  // through the fatal-error path instead, naming the file.
  if (!loadFontWidths(slot)) throw EInOutError(programPath("\\data\\vitrel\\f.cwi") + " not found");
  TVTLFontSlot& f = fontSlots[slot];
  if (f.textureFile[0] == 0) return;
  loadTextureCached(f.texture, programPath("\\data\\vitrel\\" + std::string(f.textureFile) + ".bmp"), false,
                    kTextureFilterChoice);
}

bool loadFonts() {
  loadFont(0);
  loadFont(1);
  loadFont(3);
  fontSlots[2].texture = fontSlots[1].texture;
  fontSlots[2].widths = fontSlots[1].widths;
  return true;
}

// [SECTION] text origin

bool setTextOrigin(float x, float y) {
  if (!engineGLReady()) return true;
  glLoadIdentity();
  glTranslatef(-0.635f, 0.445f, -1.5f);
  applySceneOffset();
  glTranslatef(x / 639.0f, -y / 639.0f, 0);
  return true;
}

// [SECTION] 3D text

void drawText3D(std::string_view text, float alpha, float scale, float barScale) {
  if (!vtl.uiOverlayOn) return;
  const bool gl = engineGLReady();
  if (gl) {
    glEnable(GL_TEXTURE_2D);
    glTranslatef(0, -0.0516432f * scale * 0.22f, 0);
  }
  bool marked = false;
  for (size_t i = 0; i < text.size(); ++i) {
    if (gl) glTranslatef(0, 0, 0.0005f);  // each glyph a little nearer: overlaps do not fight
    const char c = text[i];
    if (c == 25) {
      if (i + 1 < text.size()) {
        const char d = text[++i];
        if (d >= '0' && d <= '5') currentFont = d - '0';  // only the six slots exist
      }
      continue;
    }
    if (c == 24) {
      marked = true;
      continue;
    }
    if (marked)
      drawMarkedChar(uint8_t(c), alpha, kGlyphPlain, scale);
    else
      drawChar(uint8_t(c), alpha, kGlyphPlain, c == 5 ? barScale : scale);
    marked = false;
  }
}
