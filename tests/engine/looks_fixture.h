// Fixture of the element-look tests: a dialog to put elements in, fonts with widths, and the
// plan of one element's look with small finders over its steps.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/dialogs.h"
#include "engine/element_looks.h"
#include "engine/elements.h"
#include "engine/fonts.h"
#include "engine/range_check.h"
#include "engine/text_width.h"
#include "tests/engine/engine_fixture.h"

class LooksTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    // Every character one glyph cell wide, so widths are proportional to lengths.
    for (int slot = 0; slot <= 3; ++slot)
      for (int ch = 0; ch <= 255; ++ch) fontSlots[slot].widths[ch] = 100;
    d_ = createDialog(100, 50, 500, 400, false, "", false, 0, 1.0f);
    vtl.topDialog = d_;
  }

  // What the compositor would hand over for element e of the test dialog.
  TElementPlace placeOf(int32_t e, int32_t look = 0) {
    const TVTLElement& el = elementOf(d_, e);
    TElementPlace p;
    p.dialog = d_;
    p.element = e;
    p.x = float(dialogOf(d_).x + el.x);
    p.y = float(dialogOf(d_).y + el.y);
    p.alpha = el.enabled != 0 ? 1.0f : 0.5f;
    p.look = el.enabled != 0 ? look : 3;
    p.textLook = p.look;
    p.caption = getElementText(d_, e);
    p.text3 = getElementText3(d_, e);
    return p;
  }

  // The plan of element e, with the compositor's font for it.
  TLookPlan plan(int32_t e, int32_t look = 0) {
    currentFont = elementOf(d_, e).kind == ekButton ? 3 : 2;
    TLookPlan out;
    planElementLook(placeOf(e, look), out);
    return out;
  }

  static std::vector<const TLookStep*> stepsOf(const TLookPlan& p, TLookStepKind kind) {
    std::vector<const TLookStep*> out;
    for (const TLookStep& s : p.steps)
      if (s.kind == kind) out.push_back(&s);
    return out;
  }
  static std::vector<std::string> textsOf(const TLookPlan& p) {
    std::vector<std::string> out;
    for (const TLookStep& s : p.steps)
      if (s.kind == lsText) out.push_back(s.text);
    return out;
  }
  static const TLookStep* pictureOf(const TLookPlan& p, int32_t picture) {
    for (const TLookStep& s : p.steps)
      if (s.kind == lsPicture && s.picture == picture) return &s;
    return nullptr;
  }

  int32_t d_ = 0;
};
