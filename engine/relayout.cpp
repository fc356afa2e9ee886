// Dialog relayout for the aspect class, from the saved 4:3 originals.
#include "engine/relayout.h"

#include "engine/window_shape.h"
#include "engine/dialogs.h"
#include "engine/engine_events.h"
#include "engine/engine_form.h"
#include "engine/range_check.h"

namespace {

constexpr int kLastEngineDialog = 6;  // the engine's own dialogs are numbered 1..6

void saveOriginals(TVTLDialog& dlg) {
  dlg.savedX = dlg.x;
  dlg.savedWidth = dlg.width;
  for (int e = 1; e <= dlg.count; e++) {
    dlg.elements[e].savedX = dlg.elements[e].x;
    dlg.elements[e].savedWidth = dlg.elements[e].width;
  }
}

void restoreOriginals(TVTLDialog& dlg) {
  dlg.x = toInt16(dlg.savedX, "relayoutDialogs x");
  dlg.width = toInt16(dlg.savedWidth, "relayoutDialogs width");
  for (int e = 1; e <= dlg.count; e++) {
    dlg.elements[e].x = toInt16(dlg.elements[e].savedX, "relayoutDialogs element x");
    dlg.elements[e].width = toInt16(dlg.elements[e].savedWidth, "relayoutDialogs element width");
  }
}

enum class Side { left, right, centre };

Side sideOf(const TVTLDialog& dlg, bool centred) {
  double x = dlg.savedX;
  double half = dlg.savedWidth / 2.0;
  if (centred) return Side::centre;
  if (x <= 20 && x + half < 300) return Side::left;
  if (x >= 20 && x + half > 500) return Side::right;
  return Side::centre;
}

// Wide classes: r = (4/3) / screenAspect scales the 4:3 widths.
void layOutWide(int32_t d, TVTLDialog& dlg, bool centred, double r) {
  const double X = dlg.savedX, W = dlg.savedWidth;
  const Side side = sideOf(dlg, centred);
  const bool isBox = d == vtl.boxDialog;
  if (side == Side::left) {
    dlg.width = toInt16(roundEven(W * r * 1.1), "relayoutDialogs width");
  } else if (side == Side::right && isBox) {
    dlg.width = toInt16(roundEven(W * r), "relayoutDialogs width");
    dlg.x = toInt16(807 - dlg.width, "relayoutDialogs x");
  } else if (side == Side::right) {
    dlg.x = toInt16(roundEven(X + dlg.width - roundEven(W * r * 1.1)), "relayoutDialogs x");
  } else {
    dlg.width = toInt16(roundEven(W * r), "relayoutDialogs width");
    dlg.x = toInt16(roundEven(400 - dlg.width * 0.505), "relayoutDialogs x");
  }
  const bool rightAligned = d >= 1 && d <= kLastEngineDialog && !isBox;
  for (int e = 1; e <= dlg.count; e++) {
    TVTLElement& el = dlg.elements[e];
    const double Xe = el.savedX, We = el.savedWidth;
    if (rightAligned)
      el.x = toInt16(Xe + roundEven(We - We * r), "relayoutDialogs element x");
    else if (side == Side::left)
      el.x = toInt16(roundEven(Xe * r * 1.05), "relayoutDialogs element x");
    else
      el.x = toInt16(roundEven(Xe * r), "relayoutDialogs element x");
    if (el.kind == ekLabel) continue;
    bool widened = side == Side::left && el.kind != ekPicture;
    el.width = toInt16(roundEven(We * r * (widened ? 1.05 : 1.0)), "relayoutDialogs element width");
  }
}

}  // namespace

void relayoutDialogs(bool save, int32_t dialog, bool centred) {
  const int32_t first = dialog == -1 ? 1 : dialog;
  const int32_t last = dialog == -1 ? vtl.diags.count() : dialog;
  if (save) {
    vtl.originalsSaved = true;
    for (int32_t d = first; d <= last; d++) saveOriginals(dialogOf(d));
  }
  if (!vtl.originalsSaved) return;
  const bool narrow = aspectState.aspect43 || aspectState.aspect54;
  const double r = (4.0 / 3.0) / screenAspect;
  for (int32_t d = first; d <= last; d++) {
    if (narrow)
      restoreOriginals(dialogOf(d));
    else
      layOutWide(d, dialogOf(d), centred, r);
  }
  if (dialog == -1) sendEngineEvent(evRelayout, 0);  // the main window moves what it placed itself
}

void relayoutAllDialogs() { relayoutDialogs(false, -1, false); }
