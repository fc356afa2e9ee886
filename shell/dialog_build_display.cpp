// "Anzeige": the display settings dialog, its 29 build steps in their fixed order (the
// element numbers, and with them the saved dialog state and the settings code's reads, follow
// from that order), and the start-up state of its card face, fading and direction rows.
#include <initializer_list>

#include "engine/dialogs.h"
#include "engine/elements.h"
#include "engine/engine_form.h"
#include "engine/frames.h"
#include "shell/dialog_build.h"
#include "shell/display_settings.h"
#include "shell/game_dialogs.h"
#include "shell/menus.h"
#include "shell/table_textures.h"

namespace {

using TItems = std::initializer_list<const char*>;

// A selector; "HorList2" gives two arrows and a text field, an empty caption adds a slider.
// It first shows `shown` (0 leaves it empty until a saved state fills it).
int32_t addSelector(int32_t x, int32_t y, int32_t width, int32_t height, bool twoArrows, TItems items,
                    int32_t shown) {
  const int32_t e = addElement(ekSelector, x, y, twoArrows ? "HorList2" : "", width, height, 0.0f, 1.0f);
  for (const char* item : items) addItem(e, item, 0);
  setTopIndex(vtl.buildDialog, e, shown);
  return e;
}

// The preview beside a selector's text: a picture strip with its height and width factor.
void setSelectorPicture(int32_t e, int32_t texture, int32_t height, float widthFactor) {
  TVTLElement& el = elementOf(vtl.buildDialog, e);
  el.picture = int16_t(texture);
  el.extent = height;
  el.pressDepth = widthFactor;
}

int32_t addLabel(int32_t x, int32_t y, const char* caption) { return addSimpleElement(ekLabel, x, y, caption); }

// The selector's own parts (arrows, slider, text field) follow it with it.
void setSelectorRow(int32_t label, int32_t selector, bool shown, bool enabled) {
  const int32_t d = dlgDisplay;
  if (d == 0 || selector == 0) return;
  setElementShown(d, label, shown ? 1 : 0);
  setElementEnabled(d, label, enabled ? 1 : 0);
  setElementShown(d, selector, shown ? 1 : 0);
  setElementEnabled(d, selector, enabled ? 1 : 0);
  const TVTLElement& el = elementOf(d, selector);
  for (int k = 1; k <= el.childCount; k++) {
    setElementShown(d, el.children[k], shown ? 1 : 0);
    setElementEnabled(d, el.children[k], enabled ? 1 : 0);
  }
}

}  // namespace

void buildDisplayDialog() {
  dlgDisplay = createStandardDialog(1, "Anzeige");
  setMenuStyle(dlgDisplay);
  setCurrentDialog(dlgDisplay);
  elDisplayBack = addMenuButton(270 - (196 - 140) / 2, 455, menuWidth, "Zurück");
  addLabel(20, 100, "");
  addLabel(20, 100, "");
  elDisplayTableList = addSelector(385, 273, 180, 20, true, {"Tisch 1", "Tisch 2", "Tisch 3", "Tisch 4", "Tisch 5"}, 1);
  setSelectorPicture(elDisplayTableList, texTablePreview, 90, 0.62f);
  addElement(ekGroupBox, 30, 242, "Spezial", 345, 197, 0.0f, 1.0f);
  addLabel(20, 275, "");
  elDisplayBackList = addSelector(385, 140, 180, 20, true,
                                  {"Rückseite 1", "Rückseite 2", "Rückseite 3", "Rückseite 4", "Rückseite 5"}, 1);
  setSelectorPicture(elDisplayBackList, texCardBackPreview, 80, 0.36f);
  elDisplayStyleLabel = addLabel(37, 186, "Kartenbild");
  elDisplayStyleList = addSelector(161, 191, 160, 20, false, {"Französisch", "Deutsch"}, 1);
  elDisplayFadeLabel = addLabel(20, 315, "Ausblenden");
  elDisplayFadeList = addSelector(120, 320, 150, 20, false, {"Nicht", "Dunkel", "Transparent", "Dunkel&Transp."}, 0);
  addLabel(37, 319, "Kartengröße");
  elDisplaySizeList = addSelector(150, 324, 171, 20, false, {"Mini", "Klein", "Normal"}, 3);
  addLabel(37, 358, "Perspektive");
  // No entry at first: the normal view, neither from above nor from the side.
  elDisplayViewList = addSelector(150, 363, 171, 20, false, {"Von oben", "Seitlich"}, 0);
  addElement(ekGroupBox, 30, 44, "Karten", 345, 182, 0.0f, 1.0f);
  addLabel(37, 77, "Geschwindigkeit");
  elDisplaySpeedList = addSelector(178, 82, 143, 25, false,
                                   {"Sehr langsam", "Langsam", "Normal", "Schnell", "Sehr schnell", "Blitzschnell"}, 3);
  // The engine has no speed icon yet: the picture values are kept, the picture is none.
  setSelectorPicture(elDisplaySpeedList, 0, 16, 0.65f);
  addLabel(37, 112, "Anzeigedauer");
  elDisplayTimeList =
      addSelector(161, 116, 160, 20, false, {"Sehr lange", "Lange", "Normal", "Kurz", "Sehr kurz", "Minimal"}, 3);
  addLabel(0, 0, "");
  addLabel(37, 149, "Austeilen");
  elDisplayDealList = addSelector(161, 154, 160, 20, false, {"Alle auf einmal", "Einzeln"}, 1);
  elDisplayOrderLabel = addLabel(40, 270, "Richtung");
  elSeatOrderList = addSelector(130, 275, 150, 20, false, {"Uhrzeigersinn", "Gegen Uhrzeigersinn"}, 1);
  addLabel(0, 0, "");
  addLabel(37, 395, "Sprache");
  elDisplayVoiceList = addSelector(150, 400, 171, 20, false, {"Ausgeschaltet", "Nur Kommentare", "Eingeschaltet"}, 3);
  elDisplayHelpCheck = addSimpleElement(ekCheckBox, 45, 286, "Hilfshinweise automatisch zeigen");
  elDisplayRoomList = addSelector(385, 405, 180, 20, true, {"Raum 1", "Raum 2", "Raum 3", "Raum 4", "Raum 5"}, 1);
  setSelectorPicture(elDisplayRoomList, texRoomPreview, 90, 0.62f);
  // The direction of play stays hidden; the game start reads it.
  setSelectorRow(elDisplayOrderLabel, elSeatOrderList, false, true);
}

void displayStartState() {
  showCardFaceRow();
  setSelectorRow(elDisplayFadeLabel, elDisplayFadeList, false, true);
  setSelectorRow(elDisplayOrderLabel, elSeatOrderList, false, true);
}

void showCardFaceRow() { setSelectorRow(elDisplayStyleLabel, elDisplayStyleList, true, true); }
