// The graphics/sound dialog (`di_vtlgrafik`, "Grafik/Sound"): window or full screen with the
// window size and display mode, texture accuracy, 3D detail and effects on the page "Grafik",
// the volumes and the music title on the page "Sound". The element order is the layout of
// vtlgraph.dco: change it and old files read into the wrong elements.
// [SECTION] helpers
// [SECTION] paging
// [SECTION] the dialog
#include <vector>

#include "engine/dialog_records.h"
#include "engine/dialogs.h"
#include "engine/display_modes.h"
#include "engine/elements.h"
#include "engine/engine_dialogs.h"
#include "engine/engine_form.h"
#include "engine/engine_options.h"
#include "engine/window_sizes.h"

// [SECTION] helpers

namespace {
// The standard dialog of type 1: 640 x 530 at 85, 38.
constexpr uint8_t kLargeStandardDialog = 1;
// The selectors of this dialog are one text line high, as the GL selectors of the options
// dialog. The kind's default height (128) would lay each one over the rows below it, where it
// would take their hovers and clicks.
constexpr int32_t kSelectorHeight = 20;

// The entries shown when no state file says otherwise: a 640 x 480 window (the size the
// "Infos" labels carry), standard textures, detail and effects detail, no effects, full volume
// and mixed music. A selector showing no entry is no choice: its setting would read as 0.
constexpr int32_t kFirstWindowSize = 1, kFirstMode = 1, kStandardTexture = 2, kStandardDetail = 3,
                  kNoEffects = 1, kStandardEffectsDetail = 2, kFullVolume = 6, kMixedMusic = 1;

const std::vector<const char*> kVolumes = {"Aus", "Ein (20%)", "Ein (40%)", "Ein (60%)", "Ein (80%)", "Ein (100%)"};

int32_t label(int32_t x, int32_t y, const char* caption) { return addSimpleElement(ekLabel, x, y, caption); }

int32_t group(int32_t x, int32_t y, int32_t w, int32_t h, const char* caption) {
  return addElement(ekGroupBox, x, y, caption, w, h, 0.0f, 1.0f);
}

int32_t emptySelector(int32_t x, int32_t y, int32_t width, float param) {
  return addElement(ekSelector, x, y, "HorList2", width, kSelectorHeight, param, 1.0f);
}

int32_t selector(int32_t x, int32_t y, int32_t width, float param, const std::vector<const char*>& items,
                 int32_t shown) {
  const int32_t e = emptySelector(x, y, width, param);
  for (const char* item : items) addItem(e, item, 0);
  setTopIndex(vtl.buildDialog, e, shown);
  return e;
}

int32_t plainButton(int32_t x, int32_t y, int32_t width, const char* caption) {
  return addElementEx(ekButton, x, y, width, 0, 8, caption, 0, 0, 0, 0, 1.0f);
}

// An effect check box: picture -1 keeps it from acting as a radio button under the page group.
int32_t effectBox(int32_t x, int32_t y, const char* caption) {
  const int32_t e = addSimpleElement(ekCheckBox, x, y, caption);
  setElementPicture(vtl.buildDialog, e, -1);
  return e;
}

// [SECTION] paging

bool takesPage(const TVTLElement& el) {
  switch (el.kind) {
    case ekLabel: case ekCheckBox: case ekMarker: case ekSelector: case ekGroupBox: return true;
    default: return false;
  }
}

// Elements from..to of the kinds that take a page go on `page` under the page group, except
// the display check boxes and the mode selectors, which hang under their check boxes.
void putOnPage(int32_t from, int32_t to, int32_t page) {
  const int32_t d = appopt.di_vtlgrafik;
  const TVTLGraphicsDialogNumbers& g = appopt.graf;
  for (int32_t e = from; e <= to; e++) {
    if (e == g.windowCheck || e == g.fullCheck || e == g.windowSizeSelector || e == g.i_g_lbfull) continue;
    TVTLElement& el = elementOf(d, e);
    if (!takesPage(el)) continue;
    el.page = int16_t(page);
    addChild(g.pageGroup, e);
  }
}

// Page "Grafik" as the graphics menu shows it: the display check boxes and the mode selectors
// visible with their own children (choosing the page alone hides them as grandchildren).
void startOnGraphicsPage() {
  const int32_t d = appopt.di_vtlgrafik;
  const TVTLGraphicsDialogNumbers& g = appopt.graf;
  selectPage(d, g.pageGroup, 1);
  for (int32_t e : {g.windowCheck, g.fullCheck, g.i_g_lbfull, g.windowSizeSelector}) {
    setElementVisible(d, e, 1);
    setChildrenVisible(d, e, 1);
  }
}
}  // namespace

// [SECTION] the dialog

void createGraphicsDialog() {
  TVTLGraphicsDialogNumbers& g = appopt.graf;
  const int32_t d = appopt.di_vtlgrafik = createStandardDialog(kLargeStandardDialog, "Grafik/Sound");
  g.backButton = plainButton(260, 430, 140, "Zurück");
  g.i_g_lbfull = emptySelector(266, 137, 195, 0.0f);
  for (int32_t n = 1; n <= fullscr.resolutionscount; n++) {
    const TVTLDisplayMode& m = fullscr.mode(n);
    addItem(g.i_g_lbfull, displayModeItem(m.width, m.height, m.bits), 0);
  }
  setTopIndex(d, g.i_g_lbfull, kFirstMode);
  group(110, 56, 420, 120, "Bildschirmmodus");
  g.windowCheck = addSimpleElement(ekCheckBox, 146, 102, "Fenster");
  g.fullCheck = addSimpleElement(ekCheckBox, 146, 137, "Vollbild");
  g.displayMarker = addSimpleElement(ekMarker, 0, 0, "Bildschirmmodus");
  addChild(g.displayMarker, g.windowCheck);
  addChild(g.displayMarker, g.fullCheck);
  g.windowSizeSelector = emptySelector(266, 102, 195, 0.0f);
  for (int32_t n = 1; n <= 27; n++) addItem(g.windowSizeSelector, windowSizeItem(windowSizes[n].width, windowSizes[n].height), 0);
  setTopIndex(d, g.windowSizeSelector, kFirstWindowSize);
  addChild(g.windowCheck, g.windowSizeSelector);
  addChild(g.fullCheck, g.i_g_lbfull);
  g.applyButton = plainButton(160, 380, 325, "Änderungen übernehmen");

  group(110, 190, 420, 170, "Grafikdetail");
  label(126, 258, "Texturgenauigkeit");
  g.textureSelector = selector(280, 263, 180, 0.02f, {"Niedriges Detail", "Standard", "Hohes Detail"}, kStandardTexture);
  label(126, 224, "3D - Detailstufe");
  g.detailSelector = selector(280, 229, 180, 0.0f,
                              {"Sehr niedrig", "Niedrig", "Standard", "Hoch", "Sehr hoch", "Extrem hoch"}, kStandardDetail);
  label(126, 285, "Effekte (nur 32 Bit)");
  g.effectsSelector = selector(280, 290, 180, 0.0f, {"Keine", "Reflektion", "Schatten", "Alle"}, kNoEffects);
  label(126, 320, "Effekte Detail");
  g.effectsDetailSelector = selector(280, 325, 180, 0.0f, {"Niedrig", "Standard", "Hoch"}, kStandardEffectsDetail);

  const int32_t volumeGroup = group(110, 170, 400, 150, "Lautstärke");
  label(116, 205, "Sprachausgabe");
  g.speechSelector = selector(300, 210, 150, 0.0f, kVolumes, kFullVolume);
  label(116, 240, "Soundeffekte");
  g.soundSelector = selector(300, 245, 150, 0.0f, kVolumes, kFullVolume);
  label(116, 275, "Musik");
  g.musicSelector = selector(300, 280, 150, 0.0f, kVolumes, kFullVolume);
  label(116, 110, "Musiktitel");
  g.musicTitleSelector = selector(
      230, 115, 220, 0.0f,
      {"Gemischt", "Musiktitel 1", "Musiktitel 2", "Musiktitel 3", "Musiktitel 4", "Musiktitel 5"}, kMixedMusic);
  group(110, 70, 400, 85, "Musik");

  g.pageGroup = addElement(ekPageGroup, 10, 80, "Grafik/Sound", -1, -1, 220.0f, 1.0f);
  g.shadowCheck = effectBox(140, 297, "Schatteneffekt");
  g.reflectionCheck = effectBox(140, 329, "Spiegelung");
  g.softShadowCheck = effectBox(310, 297, "Weiche Schatten");

  putOnPage(2, volumeGroup - 1, 1);
  putOnPage(g.shadowCheck, g.softShadowCheck, 1);
  putOnPage(volumeGroup, g.pageGroup - 1, 2);

  // Window mode; the children of each display check box enabled to match.
  setElementChecked(d, g.windowCheck, 1);
  setChildrenEnabled(d, g.windowCheck, 1);
  setChildrenEnabled(d, g.fullCheck, 0);
  startOnGraphicsPage();
}
