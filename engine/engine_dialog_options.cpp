// The engine options dialog ("Vitrelon - Einstellungen"): font and colours on the pages
// "Schrift" and "Border", the engine folder (also the run marker), the "Infos" group with the
// window geometry and the frame rate, the GL selectors, the buttons and the rotation speeds.
// The element order is the layout of vtlopt.dco: change it and old files read into the wrong
// elements.
// [SECTION] helpers
// [SECTION] page assignment
// [SECTION] the dialog
#include <vector>

#include "engine/dialog_records.h"
#include "engine/dialogs.h"
#include "engine/elements.h"
#include "engine/engine_dialogs.h"
#include "engine/engine_form.h"
#include "engine/engine_options.h"

// [SECTION] helpers

namespace {
constexpr float kSelectorParam = 0.02f;
constexpr int32_t kColourWidth = 89, kColourLength = 8;   // "RRGGBBAA" edits
constexpr int32_t kFolderLength = 128;

int32_t label(int32_t x, int32_t y, const char* caption) { return addSimpleElement(ekLabel, x, y, caption); }

int32_t group(int32_t x, int32_t y, int32_t w, int32_t h, const char* caption) {
  return addElement(ekGroupBox, x, y, caption, w, h, 0.0f, 1.0f);
}

// An edit field; the height argument of addElement is the input filter.
int32_t edit(int32_t x, int32_t y, const char* text, int32_t width, int16_t filter, int32_t maxLength) {
  return addElement(ekEdit, x, y, text, width, filter, float(maxLength), 1.0f);
}

int32_t colourEdit(int32_t x, int32_t y, const char* text) {
  return edit(x, y, text, kColourWidth, ifDigitsDefaultOne, kColourLength);
}

int32_t button(int32_t y, const char* caption) {
  return addElement(ekButton, 540, y, caption, 140, 36, kSelectorParam, 1.0f);
}

// A "HorList2" selector with its items, showing entry `shown`.
int32_t selector(int32_t x, int32_t y, const std::vector<const char*>& items, int32_t shown) {
  const int32_t e = addElement(ekSelector, x, y, "HorList2", 150, 20, kSelectorParam, 1.0f);
  for (const char* item : items) addItem(e, item, 0);
  setTopIndex(vtl.buildDialog, e, shown);
  return e;
}

const std::vector<const char*> kOnOff = {"Enabled", "Disabled"};
const std::vector<const char*> kColourModes = {"Disabled",   "GL_EMISSION", "GL_AMBIENT",
                                               "GL_DIFFUSE", "GL_SPECULAR", "GL_AMBIENT&D."};

std::vector<const char*> materialModes() {
  std::vector<const char*> items = kColourModes;
  items.push_back("GL_SHININESS");
  items.push_back("GL_COLOR_INDEXES");
  return items;
}

// The entries the GL selectors show when no state file says otherwise: the state the GL set-up
// gives a fresh context (culling, depth test and blending on, colour material on the diffuse
// colour), no material override, the stencil test on and the effects kept to the colour depth.
// A selector showing no entry would switch culling, the depth test and blending off.
constexpr int32_t kOn = 1, kDiffuse = 4, kMaterialOff = 1;
}  // namespace

// [SECTION] page assignment

void assignToOptionsPage(int32_t n, int32_t page) {
  const int32_t d = appopt.opt.dialog;
  const int32_t count = dialogOf(d).count;
  if (count < n) return;
  const int32_t saved = vtl.buildDialog;
  setCurrentDialog(d);
  for (int32_t e = count - n + 1; e <= count; e++) {
    TVTLElement& el = elementOf(d, e);
    if (el.kind != ekLabel && el.kind != ekEdit && el.kind != ekSelector) continue;
    el.page = int16_t(page);
    addChild(appopt.opt.pageGroup, e);
  }
  setCurrentDialog(saved);
}

// [SECTION] the dialog

void createOptionsDialog() {
  TVTLOptionsDialogNumbers& o = appopt.opt;
  o.dialog = createDialog(50, 50, 700, 500, true, "Vitrelon - Einstellungen", true, 0, 1.0f);
  o.pageGroup = addElement(ekPageGroup, 10, 80, "Schrift/Border", 290, 250, 220.0f, 1.0f);

  label(10, 90, "Font (Charwidth):");
  label(10, 120, "Schrift (normal) RGBA:");
  label(10, 150, "Schrift (fokus) RGBA:");
  label(10, 180, "Schrift (disabled) RGBA:");
  assignToOptionsPage(4, 1);
  label(10, 90, "Border 1 (oben) RGBA:");
  label(10, 120, "Border 2 (def) RGBA:");
  assignToOptionsPage(2, 2);
  label(10, 340, "Vitrel-Ordner:");
  label(10, 210, "Schriftabstand %:");
  assignToOptionsPage(1, 1);

  o.fontEdit = edit(160, 95, "Arial", 120, ifAny, 128);
  o.textColourEdit = colourEdit(200, 125, "99999999");
  o.focusColourEdit = colourEdit(200, 155, "99999999");
  o.disabledColourEdit = colourEdit(200, 185, "99999999");
  assignToOptionsPage(4, 1);
  o.frameColourEdits[1] = colourEdit(200, 95, "00354570");
  o.frameColourEdits[2] = colourEdit(200, 125, "00003380");
  assignToOptionsPage(2, 2);
  o.folderEdit = edit(160, 345, "data\\vitrel\\", 120, ifAny, kFolderLength);
  o.spacingEdit = edit(160, 215, "100", 80, ifDigitsDefaultOne, 3);
  assignToOptionsPage(1, 1);

  group(20, 390, 260, 110, "Infos");
  label(10, 420, "FPS:");
  label(110, 420, "Auflösung:");
  label(110, 450, "Position:");
  o.widthLabel = label(200, 420, "640");
  o.heightLabel = label(240, 420, "480");
  o.leftLabel = label(190, 450, "0");
  o.topLabel = label(220, 450, "0");
  label(510, 420, "Version 4.0");
  label(510, 440, "Vitrel-Engine");
  label(510, 460, "OpenGL 1.1");
  o.fpsValueLabel = label(50, 420, "0");

  group(310, 50, 200, 300, "OpenGL");
  int32_t y = 80;
  for (const char* caption : {"GL_CULL_FACE:", "GL_DEPTH_TEST:", "GL_COL.MATERIAL:", "GL_BLEND:", "GL_MATERIAL:",
                              "Stenciltest:", "16 Bit Test:"}) {
    label(310, y, caption);
    y += 60;
  }
  o.glSelectors[glsCullFace] = selector(320, 110, kOnOff, kOn);
  o.glSelectors[glsDepthTest] = selector(320, 170, kOnOff, kOn);
  o.glSelectors[glsColourMaterial] = selector(320, 230, kColourModes, kDiffuse);
  o.glSelectors[glsBlend] = selector(320, 290, kOnOff, kOn);
  o.glSelectors[glsMaterial] = selector(320, 350, materialModes(), kMaterialOff);
  o.glSelectors[glsStencil] = selector(320, 410, kOnOff, kOn);
  o.glSelectors[glsTest16Bit] = selector(320, 470, kOnOff, kOn);

  group(540, 180, 140, 300, "Einstellungen");
  o.refreshButton = button(220, "Aktualisieren");
  o.graphicsButton = button(265, "Grafikoptionen");
  o.glInfoButton = button(310, "GLInfo");
  o.backButton = button(355, "Zurück");
  group(540, 50, 140, 300, "Sonstige");
  label(528, 85, "Drehgeschw.");
  o.speedEdits[1] = edit(546, 120, "550", 40, ifAny, 3);
  o.speedEdits[2] = edit(588, 120, "200", 40, ifAny, 3);
  o.speedEdits[3] = edit(630, 120, "50", 40, ifAny, 3);

  label(10, 150, "Border 3 (unten) RGBA:");
  label(10, 180, "Border 4 (weg) RGBA:");
  label(10, 210, "Elem-Backgr. RGBA:");
  label(10, 240, "Windowstyle:");
  label(10, 270, "Highlight:");
  o.frameColourEdits[3] = colourEdit(200, 155, "00354570");
  o.frameColourEdits[4] = colourEdit(200, 185, "00003380");
  o.elementColourEdit = colourEdit(200, 215, "00003380");
  o.windowStyleSelector = selector(120, 246, {"Default", "Rounded", "Curved", "Texture"}, 1);
  o.highlightSelector = selector(120, 276, {"Shining", "Shining+Turning", "Spiegel", "Schatten"}, 1);
  assignToOptionsPage(16, 2);

  o.pageButtons[1] = addElementEx(ekButton, 37, 44, 140, 0, 8, "Schrift", 0, 0, 0, 0, 1.3f);
  o.pageButtons[2] = addElementEx(ekButton, 147, 44, 140, 0, 8, "Border", 0, 0, 0, 0, 1.3f);
  // Both pages lie on the same place: the dialog starts on its first.
  selectPage(o.dialog, o.pageGroup, 1);
}
