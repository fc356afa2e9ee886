// Loading the engine's texture set: loading-screen pictures, shine overlay, element atlas,
// logos, font picture, detail strip, the skin's icon numbers and the registered textures.
#include <GL/gl.h>

#include <filesystem>

#include "engine/dialog_records.h"
#include "engine/elements.h"
#include "engine/engine_events.h"
#include "engine/engine_form.h"
#include "engine/engine_options.h"
#include "engine/loading_screen.h"
#include "engine/picture_primitives.h"
#include "engine/textures.h"
#include "platform/paths.h"

TVTLEngineTextures engineTextures;
TVTLSkinIcons skinIcons;
std::vector<TVTLCustomTexture> customTextures;

namespace {
constexpr float kStripPressDepth = 0.65f;
constexpr int32_t kStripExtent = 16, kStripHeight = 25;

bool exists(const std::string& name) {
  std::error_code ec;
  return std::filesystem::is_regular_file(toLocalPath(name), ec);
}

bool endsWithSeparator(const std::string& s) { return !s.empty() && (s.back() == '\\' || s.back() == '/'); }

void progress(const char* text, int32_t percent) {
  if (text) setLoadingText(text);
  showLoadingProgress(percent, 1);
}

int32_t filterFromChoice(int32_t choice) {
  switch (choice) {
    case 1: return GL_NEAREST;
    case 2: return GL_NEAREST_MIPMAP_NEAREST;
    case 4: return GL_LINEAR_MIPMAP_LINEAR;
    default: return GL_LINEAR;
  }
}

// An optional picture: loaded when its file is there, else the field is 0.
void loadOptional(int32_t& field, const std::string& file) {
  if (exists(file))
    loadTextureFile(field, file, "", false, false);
  else
    field = 0;
}

bool graphicsDialogBuilt() { return vtl.diags.valid(appopt.di_vtlgrafik); }

// The level selectors of the graphics dialog show the detail strip; the two effect rows are
// never shown.
void setUpGraphicsDialog() {
  if (!graphicsDialogBuilt()) return;
  const int32_t d = appopt.di_vtlgrafik;
  const TVTLGraphicsDialogNumbers& g = appopt.graf;
  TVTLDialog& dialog = vtl.diags[d];
  auto valid = [&](int32_t e) { return e >= 1 && e <= dialog.count; };
  for (int32_t e : {g.detailSelector, g.speechSelector, g.soundSelector, g.musicSelector}) {
    if (!valid(e)) continue;
    TVTLElement& el = dialog.elements[e];
    el.picture = int16_t(-engineTextures.detailStrip);
    el.extent = kStripExtent;
    el.pressDepth = kStripPressDepth;
    el.height = kStripHeight;
  }
  for (int32_t e : {g.effectsDetailSelector, g.effectsSelector}) {
    if (!valid(e)) continue;
    for (int32_t hidden : {e - 1, e}) {  // the label before the selector, then the selector
      if (!valid(hidden)) continue;
      setElementShown(d, hidden, 0);
      dialog.elements[hidden].page = -1;  // on no page: selecting a page never shows it
      setChildrenVisible(d, hidden, 0);
    }
  }
}
}  // namespace

std::string engineTextureFolder(const std::string& folder) {
  std::string f = folder;
  if (!endsWithSeparator(f)) f += "\\";
  if (exists(f + "border.bmp")) return f;
  f = "data\\vitrel\\";
  if (exists(programPath("\\" + f + "border.bmp"))) return programPath("\\" + f);
  return appopt.vitrelFolder + "\\";
}

void registerCustomTexture(const std::string& fileName, int32_t* number) {
  if (number) customTextures.push_back({fileName, number});
}

void loadEngineTextures(const std::string& folder) {
  progress("VTL Texturen laden..", 0);
  if (appopt.test16Bit == 1) checkGraphicsOptions(appopt.colourBits);
  const std::string f = engineTextureFolder(folder);
  vtl.textureFilter = filterFromChoice(appopt.textureFilterChoice);
  appopt.textureQuality = appopt.textAccuracy < 1 ? 1 : appopt.textAccuracy;
  // "Zurück" and "Änderungen übernehmen" reload only when the chosen quality differs from this.
  appopt.appliedTextureCode = appopt.textureCode;
  // The cached textures come back into their own numbers after a new context.
  reloadCachedTextures();

  TVTLLoadingPictures& lp = loadingPictures;
  loadTextureCached16(lp.barFrame, f + "load0.jpg", false, -1);
  loadTextureCached16(lp.bar, f + "load1.jpg", false, -1);
  loadTextureCached16(lp.loadBack, f + "loadback.bmp", false, -1);
  loadTextureCached16(lp.back, f + "back.bmp", false, -1);
  loadTextureCached16(lp.title, f + "titel.bmp", false, -1);
  lp.titleCopy = lp.title;
  lp.loaded = true;
  progress("Fonttexturen laden..", 3);

  TVTLEngineTextures& t = engineTextures;
  if (exists(f + "cm1.bmp")) {
    deleteTexture(t.shineTexture);
    t.shineTexture = 0;
    loadTextureFile(t.shineTexture, f + "cm1.bmp", "", false, false);
  } else {
    t.shineTexture = 0;
  }
  loadTextureFile(t.elementAtlas, f + "elem.bmp", "", false, false);
  loadOptional(t.logoTexture[1], f + "logo.bmp");
  loadOptional(t.logoTexture[2], f + "logo2.bmp");
  loadTextureFile(t.fontTexture, f + "font.bmp", "", false, false);

  progress("Komponententexturen laden..", 6);
  skinIcons = TVTLSkinIcons();
  progress(nullptr, 9);
  progress(nullptr, 12);
  progress(nullptr, 15);
  progress(nullptr, 16);
  loadTextureCached16(t.detailStrip, f + "detail.bmp", false, -1);
  setUpGraphicsDialog();

  progress("Programmtexturen laden..", 17);
  progress("Custom Textures laden..", 18);
  for (const TVTLCustomTexture& c : customTextures) {
    loadTextureFile(*c.number, c.fileName, "", false, false);
    progress(nullptr, 19);
  }
  progress(nullptr, 20);
  if (!vtl.suppressTextureEvent) sendEngineEvent(evTexturesLoaded, evTexturesLoaded);
}

void resetEngineTextures() {
  engineTextures = TVTLEngineTextures();
  skinIcons = TVTLSkinIcons();
  customTextures.clear();
  resetLoadingScreen();
}
