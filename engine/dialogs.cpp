// Creating dialogs and elements, and the stack of open dialogs.
// [SECTION] table and access
// [SECTION] creating dialogs
// [SECTION] creating elements
// [SECTION] children
// [SECTION] the open-dialog stack
#include "engine/dialogs.h"

#include <string>

#include "engine/elements.h"
#include "engine/engine_options.h"
#include "engine/range_check.h"
#include "engine/string_container.h"
#include "engine/text_fit.h"
#include "engine/text_width.h"

// [SECTION] table and access

int32_t TVTLDialogList::add() {
  slots_.push_back(std::make_unique<TVTLDialog>());
  return count();
}

TVTLDialog& TVTLDialogList::operator[](int32_t d) {
  if (d < 0 || d > count()) throw ERangeError("dialog " + std::to_string(d) + " does not exist");
  return *slots_[size_t(d)];
}

const TVTLDialog& TVTLDialogList::operator[](int32_t d) const {
  if (d < 0 || d > count()) throw ERangeError("dialog " + std::to_string(d) + " does not exist");
  return *slots_[size_t(d)];
}

void TVTLDialogList::clear() {
  slots_.clear();
  slots_.push_back(std::make_unique<TVTLDialog>());
}

TVTLDialog& dialogOf(int32_t d) { return vtl.diags[d]; }

TVTLElement& elementOf(int32_t d, int32_t e) {
  if (e < 1 || e > kMaxElements) throw ERangeError("element " + std::to_string(e) + " out of range 1..138");
  return vtl.diags[d].elements[e];
}

namespace {

// [SECTION] creating dialogs

// Geometry of the standard dialogs by type.
struct StandardDialog {
  int32_t x, y, width, height;
  bool popup, glowFrame;
  int16_t panelLevel;
  float scale;
};
constexpr StandardDialog kStandardNarrow = {300, 80, 220, 410, true, true, 0, 1.0f};   // type 0
constexpr StandardDialog kStandardLarge = {85, 38, 640, 530, true, true, 0, 1.0f};     // 1, 2, others
constexpr StandardDialog kStandardPanel = {260, 80, 300, 450, true, false, 10, 2.0f};  // type 3

bool titleGetsLabel(std::string_view title) { return !title.empty() && title != "h" && title[0] != '#'; }

// Item slots an element reserves in the string container, by kind.
int16_t itemSlotsOf(uint8_t kind) {
  switch (kind) {
    case ekListBox: case ekTextBox: case ekSelector: return 200;
    case ekTable: case ekLongList: return 2000;
    case ekLabel: return 2;
    case ekHiddenText: return 4;
    default: return 1;
  }
}

// Element number n of the dialog under construction, counted; a 139th is a range error.
int32_t appendElementSlot() {
  TVTLDialog& dlg = dialogOf(vtl.buildDialog);
  if (dlg.count >= kMaxElements) throw ERangeError("dialog " + std::to_string(vtl.buildDialog) + ": element 139 refused");
  dlg.count = int16_t(dlg.count + 1);
  return dlg.count;
}

int16_t listRowHeight(float textScale) { return textScale <= 0.9f ? 19 : 24; }

float pressDepthOf(float param, float whenZero) {
  if (param == 0.0f) return whenZero;
  if (param == -1.0f) return 0.0f;
  return param;
}

// Size defaults and kind fields (step 7 of addElement); w, h are the arguments.
void applyKindDefaults(TVTLElement& el, std::string_view caption, int32_t w, int32_t h, float param) {
  auto orDefault = [](int32_t v, int32_t def) { return v == -1 ? def : v; };
  switch (el.kind) {
    case ekButton:
      el.width = orDefault(w, 140);
      el.height = orDefault(h, 36);
      el.pressDepth = pressDepthOf(param, 0.05f);
      break;
    case ekLabel: case ekHiddenText:
      el.width = roundEven(double(orDefault(w, 58)) / vtl.textFactor * 1.22);
      el.height = 17;
      el.pressDepth = 0.0f;
      if (param == 1.0f) el.TopIndex = 1;
      break;
    case ekCheckBox:
      el.height = orDefault(h, 26);
      el.width = roundEven(textWidth(caption, false) * 11.5 + 42);
      el.checked = 0;
      el.pressDepth = 0.015f;
      break;
    case ekArrow:
      el.width = 25;
      el.height = 25;
      el.pressDepth = 0.01f;
      break;
    case ekScrollBar:
      el.width = 25;
      el.height = h;
      el.pressDepth = 0.01f;
      break;
    case ekSlider:
      el.width = w;
      el.height = h;
      el.pressDepth = 0.01f;
      break;
    case ekPicture:
      el.width = w;
      el.height = h == 0 ? w : h;
      el.picture = toInt16(h, "addElement picture");
      el.pressDepth = pressDepthOf(param, 0.05f);
      break;
    case ekEdit:
      el.width = orDefault(w, 200);
      el.height = 26;
      el.picture = toInt16(orDefault(h, ifAny), "addElement input filter");
      el.rows = toInt16(param == 0.0f ? 20 : roundEven(param), "addElement maximum length");
      el.dragMark = toInt16(el.width / 13, "addElement fit width");
      el.shownLength = el.rows;
      el.pressDepth = 0.015f;
      break;
    case ekListBox: case ekTextBox: case ekTable:
      el.width = orDefault(w, 200);
      el.height = orDefault(h, 128);
      el.rowHeight = listRowHeight(el.textScale);
      el.rows = toInt16(el.height / el.rowHeight, "addElement rows");
      el.columns = el.kind == ekListBox ? 1 : toInt16(roundEven(param), "addElement columns");
      el.pressDepth = 0.015f;
      break;
    case ekSelector:
      el.width = orDefault(w, 200);
      el.height = orDefault(h, 128);
      el.rowHeight = listRowHeight(el.textScale);
      el.rows = 1;
      el.columns = 1;
      el.pressDepth = 0.015f;
      break;
    case ekGroupBox: case ekPageGroup:
      el.width = orDefault(w, 100);
      el.height = orDefault(h, 100);
      if (param == 1.0f) el.TopIndex = 1;
      el.pressDepth = 0.0f;
      el.textScale = 1.4f;
      if (el.kind == ekPageGroup) {
        el.rows = 2;
        el.picture = toInt16(roundEven(param), "addElement page group picture");
      }
      break;
    default:  // marker, owner-drawn, long list: as given
      el.width = w;
      el.height = h;
      break;
  }
}

// [SECTION] children

void addListChildren(int32_t n) {
  const TVTLElement el = elementOf(vtl.buildDialog, n);
  int32_t up = addSimpleElement(ekArrow, el.x + el.width, el.y + 2, "Up");
  int32_t down = addSimpleElement(ekArrow, el.x + el.width, el.y + el.height - 27, "Down");
  elementOf(vtl.buildDialog, down).checked = 1;
  int32_t bar = addElement(ekScrollBar, el.x + el.width + 2, el.y + 28, "UpDown", 26, el.height - 58, 0.0f, 1.0f);
  addChild(n, up);
  addChild(n, down);
  addChild(n, bar);
}

void addSelectorChildren(int32_t n, std::string_view caption) {
  const int32_t d = vtl.buildDialog;
  const TVTLElement el = elementOf(d, n);
  if (caption == "HorList3") {
    addChild(n, addTextElement(ekPicture, el.x + 35, el.y, el.width - 29, 25, 0, "ListText"));
    if (el.width <= 60) {
      TVTLElement& sel = elementOf(d, n);
      sel.x = toInt16(sel.x + 35, "addElement x");
      sel.width -= 29;
      sel.height = 25;
    }
    return;
  }
  const bool two = caption == "HorList2";
  const int32_t arrowY = two ? el.y : el.y + 28;
  int32_t left = addSimpleElement(ekArrow, el.x + 6, arrowY, "Left");
  int32_t right = addSimpleElement(ekArrow, el.x + el.width + 6, arrowY, "Right");
  elementOf(d, right).checked = 1;
  addChild(n, left);
  addChild(n, right);
  if (two) {
    addChild(n, addTextElement(ekPicture, el.x + 35, el.y, el.width - 29, 25, 0, "ListText"));
    return;
  }
  addChild(n, addElement(ekSlider, el.x + 34, el.y + 28, "LeftRight", el.width - 30, el.height + 4, 0.0f, 1.0f));
  addChild(n, addTextElement(ekPicture, el.x + 36, el.y, el.width - 30, el.height + 4, 0, "ListText"));
}

void appendChild(int32_t parent, int32_t child, bool setController) {
  TVTLElement& p = elementOf(vtl.buildDialog, parent);
  if (p.childCount >= kMaxChildren) throw ERangeError("element " + std::to_string(parent) + ": child 81 refused");
  int8_t c = toInt8(child, "addChild child");
  p.childCount = int8_t(p.childCount + 1);
  p.children[p.childCount] = c;
  if (setController && child >= 1 && child <= kMaxElements)
    elementOf(vtl.buildDialog, child).controller = toInt16(parent, "addChild controller");
}

}  // namespace

int32_t createDialog(int32_t x, int32_t y, int32_t width, int32_t height, bool popup, std::string_view title,
                     bool glowFrame, int16_t panelLevel, float scale) {
  const int16_t x16 = toInt16(x, "createDialog x"), y16 = toInt16(y, "createDialog y");
  const int16_t w16 = toInt16(width, "createDialog width"), h16 = toInt16(height, "createDialog height");
  int32_t d = vtl.diags.add();
  vtl.buildDialog = d;
  TVTLDialog& dlg = vtl.diags[d];
  dlg.inUse = 1;
  dlg.x = x16;
  dlg.y = y16;
  dlg.width = w16;
  dlg.height = h16;
  const TVTLColour& c = appopt.frameColours[1];
  dlg.colour[0] = c.r;
  dlg.colour[1] = c.g;
  dlg.colour[2] = c.b;
  dlg.colour[3] = c.a;
  dlg.popup = popup ? 1 : 0;
  dlg.below = -1;
  dlg.title.assign(title);
  dlg.glowFrame = glowFrame ? 1 : 0;
  dlg.panelLevel = panelLevel;
  if (titleGetsLabel(dlg.title.view()))
    addElement(ekLabel, 0, roundEven((scale - 1.0) * 20), dlg.title.view(), width, 32, 1.0f, scale * 0.95f);
  return d;
}

int32_t createStandardDialog(uint8_t type, std::string_view title) {
  const StandardDialog& s = type == 0 ? kStandardNarrow : type == 3 ? kStandardPanel : kStandardLarge;
  int32_t d = createDialog(s.x, s.y, s.width, s.height, s.popup, title, s.glowFrame, s.panelLevel, s.scale);
  if (type == 3 && dialogOf(d).count >= 1) {
    TVTLElement& label = elementOf(d, 1);
    label.y = 0;
    label.savedWidth = 225;
    fitElementText(d, 1, 1, 2.2f, 1.7f);
  }
  return d;
}

void setCurrentDialog(int32_t d) { vtl.buildDialog = d; }

// [SECTION] creating elements

int32_t addElement(uint8_t kind, int32_t x, int32_t y, std::string_view caption, int32_t width, int32_t height,
                   float param, float textScale) {
  const int16_t x16 = toInt16(x, "addElement x"), y16 = toInt16(y, "addElement y");
  const int32_t d = vtl.buildDialog;
  const int32_t n = appendElementSlot();
  TVTLElement& el = elementOf(d, n);
  el.kind = kind;
  el.drawMethod = TVTLDrawMethod{};
  el.itemSlots = itemSlotsOf(kind);
  el.handleBase = reserveStringHandles(el.itemSlots);
  el.highlight = caption == "highlight" ? 1 : 0;
  el.x = x16;
  el.y = y16;
  el.enabled = 1;
  el.visible = 1;
  el.helpText.assign("");
  el.text3.assign("");
  setElementText(d, n, caption, 0);
  el.page = el.look = el.Stringscount = el.itemCount = 0;
  el.childCount = 0;
  el.controller = el.SelIndex = el.TopIndex = el.rows = el.dragMark = 0;
  el.extent = 0;
  el.focused = 0;
  el.picture = 0;
  el.subKind = 0;
  el.pressDepth = 0.05f;
  el.textScale = textScale;
  el.scrollOffset = -100.0f;
  el.showAnim = TVTLAnimation{};
  el.showAnim.shown = 1;
  el.showAnim.target = 1;
  el.showAnim.progress = 1.0f;
  applyKindDefaults(el, caption, width, height, param);
  if (kind == ekListBox || kind == ekTable) addListChildren(n);
  if (kind == ekSelector) addSelectorChildren(n, caption);
  return n;
}

int32_t addSimpleElement(uint8_t kind, int32_t x, int32_t y, std::string_view caption) {
  return addElement(kind, x, y, caption, -1, -1, 0.0f, 1.0f);
}

int32_t addTextElement(uint8_t kind, int32_t x, int32_t y, int32_t width, int32_t height, uint8_t subKind,
                       std::string_view caption) {
  const int16_t x16 = toInt16(x, "addTextElement x"), y16 = toInt16(y, "addTextElement y");
  const int32_t d = vtl.buildDialog;
  const int32_t n = appendElementSlot();
  TVTLElement& el = elementOf(d, n);
  el.kind = kind;
  el.x = x16;
  el.y = y16;
  el.enabled = 1;
  el.visible = 1;
  el.look = el.Stringscount = el.itemSlots = el.itemCount = 0;
  el.highlight = 0;
  el.childCount = 0;
  el.controller = el.SelIndex = el.TopIndex = el.rows = el.dragMark = 0;
  el.extent = 0;
  el.focused = 0;
  el.picture = 0;
  el.pressDepth = 0.05f;
  el.subKind = subKind;
  el.textScale = 1.0f;
  // After the zeroing, so that a long caption keeps the string block it is given.
  setElementText(d, n, caption, 0);
  if (kind != ekPicture) return n;
  if (subKind == skSymbol) {
    el.width = el.height = 34;
    el.textScale = 1.35f;
    el.picture = vtl.symbolButtonPicture;
    el.pressDepth = 0.01f;
  } else if (subKind == skNoPointer) {
    el.width = width;
    el.height = height;
    el.pressDepth = 0.0001f;
  } else if (caption != "ListText" && subKind != 2) {
    el.width = el.height = 34;
    el.pressDepth = 0.005f;
  } else {
    el.width = width;
    el.height = height;
    el.pressDepth = 0.01f;
    el.picture = -1;
  }
  return n;
}

int32_t addElementEx(uint8_t kind, int32_t x, int32_t y, int32_t width, int32_t height, uint8_t subKind,
                     std::string_view caption, int32_t markerLook, int32_t markerWidth, int32_t markerHeight,
                     int32_t topIndex, float textScale) {
  if (subKind == 8) {  // a plain button
    kind = ekButton;
    subKind = 0;
    height = 43;
    textScale = textScale * 1.08f;
  }
  const int32_t n = addElement(kind, x - markerWidth, y, caption, width + markerWidth, height, 0.04f, 1.0f);
  TVTLElement& el = elementOf(vtl.buildDialog, n);
  el.dragMark = toInt16(markerLook, "addElementEx marker look");
  el.rows = toInt16(markerWidth, "addElementEx marker width");
  el.SelIndex = toInt16(markerHeight, "addElementEx marker height");
  el.TopIndex = toInt16(topIndex, "addElementEx top index");
  el.textScale = textScale;
  el.subKind = subKind;
  if (subKind == skFreePicture) el.pressDepth = float(markerLook) / 100.0f;
  return n;
}

void addChild(int32_t parent, int32_t child) { appendChild(parent, child, true); }

void addChildToCurrent(int32_t parent, int32_t child) { appendChild(parent, child, false); }

// [SECTION] the open-dialog stack

namespace {
constexpr int kMaxChainSteps = 100;  // a broken chain cannot hang the walk

bool dialogIsOpen(int32_t d) { return vtl.diags.valid(d) && vtl.diags[d].open != 0; }
}  // namespace

void showDialog(int32_t d) {
  TVTLDialog& dlg = dialogOf(d);
  dlg.open = 1;
  vtl.topDialog = d;
  vtl.keyDialog = d;
  if (!vtl.keyboardNavigation || !vtl.focusShown) return;
  for (int32_t e = 1; e <= dlg.count; ++e) {
    const TVTLElement& el = dlg.elements[e];
    if (!isFocusableKind(el.kind) || el.subKind == skFreePicture) continue;
    vtl.focusElement = e;
    vtl.focusDialog = d;
    dlg.markedItem = int16_t(e);
    return;
  }
}

void openDialog(int32_t d) {
  int32_t t = vtl.topDialog;
  for (int step = 0; step < kMaxChainSteps && t >= 1 && dialogIsOpen(t) && t != d; ++step) t = vtl.diags[t].below;
  if (t == d && dialogIsOpen(d)) {
    for (int step = 0; step < kMaxChainSteps && vtl.topDialog != d; ++step) {
      int32_t top = vtl.topDialog;
      if (!vtl.diags.valid(top) || vtl.diags[top].stayOpen) break;
      closeDialog(top);
    }
    if (vtl.topDialog == d) return;
  }
  dialogOf(d).below = toInt16(vtl.topDialog, "openDialog below");
  showDialog(d);
}

void closeDialog(int32_t d) {
  TVTLDialog& dlg = dialogOf(d);
  dlg.open = 0;
  if (dlg.below != -1) {
    vtl.topDialog = vtl.keyDialog = dlg.below;
    dlg.below = -1;
    vtl.focusShown = false;
    if (vtl.keyboardNavigation) {
      vtl.focusDialog = vtl.keyDialog;
      vtl.focusElement = vtl.diags.valid(vtl.keyDialog) ? vtl.diags[vtl.keyDialog].markedItem : 0;
      vtl.focusShown = true;
    }
  }
  const int32_t top = vtl.topDialog;
  if (!dialogIsOpen(top) || !vtl.diags[top].popup) vtl.topDialog = vtl.keyDialog = 0;
}

void hideDialog(int32_t d) { dialogOf(d).open = 0; }

void setDialogOpen(int32_t d, uint8_t flag) { dialogOf(d).open = flag == 1 ? 1 : 0; }

bool isFocusableKind(uint8_t kind) {
  switch (kind) {
    case ekButton: case ekCheckBox: case ekArrow: case ekScrollBar: case ekSlider:
    case ekPicture: case ekEdit: case ekListBox: case ekTable: case ekSelector:
      return true;
    default:
      return false;
  }
}
