// The path of a moving card: where it is shown at progress s between its start record R0 and
// its target record R1. The queued kind chooses the base path, the slot's motion code adds
// curves, lifts, flips and flutters; a few games add their own touches.
//
// [SECTION] helpers
// [SECTION] base path
// [SECTION] motion flags
// [SECTION] Hearts' passing curves
// [SECTION] remaining bits
// [SECTION] computeMovePath
#include <algorithm>
#include <cmath>

#include "core/cg.h"
#include "shell/shell_globals.h"
#include "table/animation_internal.h"
#include "table/move_internal.h"
#include "table/stack_ops.h"
#include "table/table_game_hooks.h"

namespace {

// [SECTION] helpers

constexpr double pi = 3.14159;
constexpr double edge = 0.15;  // share of progress at each end where the card sits still

double lerp(double a, double b, double w) { return a * (1 - w) + b * w; }
double sn(double v) { return std::sin(v); }
double sin2(double v) {
  double x = std::sin(v);
  return x * x;
}

struct TPathState {
  TCardFlight& f;
  const TCardPose& p0;
  const TCardPose& p1;
  const TCardSlot& slot;
  double s, e, m;
  uint8_t kind;
};

void lerpPosition(TPathState& st, double w) {
  st.f.x = float(lerp(st.p0.x, st.p1.x, w));
  st.f.y = float(lerp(st.p0.y, st.p1.y, w));
  st.f.z = float(lerp(st.p0.z, st.p1.z, w));
}
void lerpAngles(TPathState& st, double w) {
  st.f.rotX = float(lerp(st.p0.rotX, st.p1.rotX, w));
  st.f.rotY = float(lerp(st.p0.rotY, st.p1.rotY, w));
  st.f.rotZ = float(lerp(st.p0.rotZ, st.p1.rotZ, w));
}

// [SECTION] base path

void basePath(TPathState& st) {
  double s = st.s, e = st.e;
  switch (st.kind) {
    case 21: {  // hop
      lerpPosition(st, e);
      double h = s < 0.1 ? 10 * s : s > 0.9 ? 10 * (1 - s) : 2 * (0.9 - s) * (s - 0.1) + 1;
      st.f.z += float(250 * h);
      st.f.x -= float(30 * h);
      break;
    }
    case 20:  // lift
      lerpPosition(st, e);
      st.f.z += float(600 * (1 - e) * e);
      if (cg.gs.phase == 4) st.f.x += float(400 * (1 - e) * e);
      break;
    case 19: {  // fan
      double g = 4 * e * (1 - e);
      st.f.x = float(lerp(st.p0.x, st.p1.x, e) + st.slot.srcIndex * g * 24);
      st.f.y = float(lerp(st.p0.y, st.p1.y, e));
      st.f.z = float(lerp(st.p0.z, st.p1.z, g));
      break;
    }
    case 18:  // arc: reaches the target at half way and comes back
      lerpPosition(st, 4 * e * (1 - e));
      break;
    default:
      lerpPosition(st, e);
      break;
  }
}

// [SECTION] motion flags

struct TMotionFlags {
  bool a, b, c, d, e, f;
  int32_t rest;  // the bits read one by one afterwards
};

TMotionFlags decodeMotion(int32_t code) {
  TMotionFlags m{};
  auto take = [&code](int32_t v) {
    if (code < v) return false;
    code -= v;
    return true;
  };
  m.f = take(0x10100);
  m.e = take(0x8080);
  m.d = take(0x4040);
  bool b = take(0x2020);
  if (gameIs(gidBlackjack)) m.c = b;
  else m.b = b;
  take(0x1010);
  take(0x808);
  m.a = take(0x400);
  m.rest = code;
  return m;
}

bool heartsPassing(const TMotionFlags& m) { return m.b && gameIs(gidHearts) && cg.gs.subState == 0; }

void heightCurves(TPathState& st, const TMotionFlags& m) {
  double s = st.s;
  if (m.d && s < 0.2) st.f.x += float(150 * sn(5 * pi * s));
  if (m.b && gameIs(gidCanasta) && absStack(st.slot.srcStack) != 11) {
    st.f.z += float(80 * sin2(pi * s));
  } else if ((m.b || m.c) && !heartsPassing(m)) {
    if (gameIs(gidWar)) {
      st.f.z += float(280 * sin2(pi * s));
      if (s < 0.1) st.f.z += float(50 * sin2(5 * pi * s));
      else if (s <= 0.9) st.f.z += 50;
      else st.f.z += float(50 - 50 * sin2(5 * pi * (s - 0.9)));
    } else if (gameIs(gidSkat) && st.slot.dstIndex == 2) {
      st.f.z += float(540 * sin2(pi * s));
    } else if (m.c) {
      st.f.z += float(140 * sin2(pi * s));
    } else {
      st.f.z += float(500 * sin2(pi * s));
    }
  }
  if (m.e) {
    st.f.z -= float(150 * sn(2 * pi * s));
    st.f.x -= float(400 * sin2(pi * s) * (1 - s));
  }
  if (m.f && s > 0.2) st.f.z -= float(150 * sn(2.5 * pi * (s - 0.2)));
}

void rotation(TPathState& st, const TMotionFlags& m) {
  st.f.rotX = float(lerp(st.p0.rotX, st.p1.rotX, m.a ? std::min(2 * st.e, 1.0) : st.e));
  st.f.rotY = float(lerp(st.p0.rotY, st.p1.rotY, st.e));
  st.f.rotZ = float(lerp(st.p0.rotZ, st.p1.rotZ, st.e));
}

// [SECTION] Hearts' passing curves

// The six values as they would be on the way back from R1 towards R0.
void lerpBack(TPathState& st, double wPos, double wRotX, double wRotY, double wRotZ) {
  st.f.x = float(lerp(st.p1.x, st.p0.x, wPos));
  st.f.y = float(lerp(st.p1.y, st.p0.y, wPos));
  st.f.z = float(lerp(st.p1.z, st.p0.z, wPos));
  st.f.rotX = float(lerp(st.p1.rotX, st.p0.rotX, wRotX));
  st.f.rotY = float(lerp(st.p1.rotY, st.p0.rotY, wRotY));
  st.f.rotZ = float(lerp(st.p1.rotZ, st.p0.rotZ, wRotZ));
}

void heartsPassCurve(TPathState& st) {
  double s = st.s;
  double w1 = s < 0.7 ? 1 - sin2(pi * s / 1.4) : 0;
  double w2 = s < 0.3 ? 1 : s < 0.9 ? 1 - sin2(pi * (s - 0.3) / 1.2) : 0;
  double w3 = s < 0.5 ? 1 - sin2(pi * s) : 0;
  lerpBack(st, w3, w2, w1, w2);
  if (s < 0.75) st.f.x -= float(100 * sin2(pi * s / 0.75));
  if (s < 0.9) st.f.x -= float(80 * sin2(pi * s / 0.9));
  if (s < 0.5) st.f.z -= float(100 * sin2(2 * pi * s));
  if (s > 0.5) st.f.z += float(30 * sin2(2 * pi * (s - 0.5)));
  if (s > 0.3 && s < 1) st.f.rotX += float(30 * sin2(pi * (s - 0.3) / 0.7));
  double w4 = s > 0.5 ? 1 - (s - 0.5) : 1;
  auto blend = [&](float& v, double a, double b) { v = float(v * w4 + lerp(a, b, s) * (1 - w4)); };
  blend(st.f.x, st.p0.x, st.p1.x);
  blend(st.f.y, st.p0.y, st.p1.y);
  blend(st.f.z, st.p0.z, st.p1.z);
  blend(st.f.rotX, st.p0.rotX, st.p1.rotX);
  blend(st.f.rotY, st.p0.rotY, st.p1.rotY);
  blend(st.f.rotZ, st.p0.rotZ, st.p1.rotZ);
}

void heartsTakeBackCurve(TPathState& st) {
  double s = st.s;
  int32_t src = st.slot.srcStack;
  if (s < 0.8) {
    double w = 1 - sin2(pi * s / 1.6);
    st.f.rotX = float(lerp(st.p1.rotX, st.p0.rotX, w));
    st.f.rotY = float(lerp(st.p1.rotY, st.p0.rotY, w));
    st.f.rotZ = float(lerp(st.p1.rotZ, st.p0.rotZ, w));
  } else {
    st.f.rotX = st.p1.rotX;
    st.f.rotY = st.p1.rotY;
    st.f.rotZ = st.p1.rotZ;
  }
  lerpPosition(st, sin2(pi * s / 2));  // from R1 back towards R0 by 1 - sin²(πs/2)
  if (s < 0.7) st.f.y -= float(150 * sin2(pi * s / 0.7));
  st.f.y -= float(100 * sin2(pi * s));
  if (s < 0.8) st.f.rotX += float((src == 7 || src == 15 ? 30 : -30) * sin2(pi * s / 0.8));
  if (s > 0.1 && s < 0.7) st.f.rotZ -= float(40 * sin2(pi * (s - 0.1) / 0.6));
  if (s > 0.2 && s < 0.7) st.f.rotY += float(30 * sin2(2 * pi * (s - 0.2)));
  if (s > 0.3) st.f.z -= float(50 * sin2(pi * (s - 0.3) / 0.7));
  if (gamePassesAcross() && src == 10) {
    if (s < 0.4) st.f.x -= float(240 * sin2(pi * s / 0.4));
  } else if (s > 0.2 && s < 0.8) {
    st.f.x -= float(80 * sin2(pi * (s - 0.2) / 0.6));
  }
}

void heartsCurves(TPathState& st, const TMotionFlags& m) {
  if (!heartsPassing(m)) return;
  int32_t src = st.slot.srcStack;
  if (src >= 1 && src <= playerCount) heartsPassCurve(st);
  else if (src >= 7) heartsTakeBackCurve(st);
}

void gameTouches(TPathState& st, const TMotionFlags& m) {
  double s = st.s;
  const TCardSlot& slot = st.slot;
  if (m.c && s > 0.12) st.f.rotY -= float(160 * (1 - s) * (s - 0.12));
  if (!gameIs(gidSkat)) return;
  if (slot.dstStack == 11 && (slot.srcStack == 2 || slot.srcStack == 3)) st.f.rotZ += float(180 * s);
  if (cg.gs.phase == 7 && slot.srcStack == 11 && slot.dstStack == -1 && s < 0.7)
    st.f.x -= float(120 * sn(pi * s / 0.7));
}

// Display values: the start's fade out below the edge, the target's fade in above it.
void displayValues(TPathState& st, const TCardSlot& r0, const TCardSlot& r1) {
  double s = st.s;
  st.f.display1 = 1;
  st.f.display2 = 0;
  if (s < edge) {
    st.f.flag = r0.poseFlag;
    st.f.display1 = float((edge - s) * r0.poseExtra[0] / edge);
    st.f.display2 = float((edge - s) * r0.poseExtra[1] / edge);
  } else if (s > 1 - edge) {
    st.f.flag = r1.poseFlag;
    st.f.display1 = float((s - 1 + edge) * r1.poseExtra[0] / edge);
    st.f.display2 = float((s - 1 + edge) * r1.poseExtra[1] / edge);
  }
}

// [SECTION] remaining bits

void flipBit(TPathState& st) {
  double s = st.s;
  bool from16 = absStack(st.slot.srcStack) == 16;
  st.m = std::min(1.8 * st.e, 1.0);
  lerpAngles(st, st.m);
  if (s < 0.1) st.f.rotZ += 180;
  else if (s <= 0.5) st.f.rotZ += float(180 * (1 - (s - 0.1) / 0.4));
  if (s > 0.3 && s < 0.95 && !from16) st.f.rotY += float(70 * sn(pi * (s - 0.3) / 0.65));
  st.f.z += float(75 * sn(pi * s));
  if (s < 0.7) st.f.z += float(75 * sn(pi * s / 0.7));
  if (s > 0.3) st.f.z -= float(60 * sn(pi * (s - 0.3) / 0.7));
  if (s > 0.65) st.f.z -= float(30 * sn(pi * (s - 0.65) / 0.35));
  if (s > 0.4) st.f.x -= float(120 * sn(pi * (s - 0.4) / 0.6));
  if (s < 0.4) st.f.x -= float(0.4 * st.p0.x * sn(pi * s / 0.4));
  if (s < 0.9) st.f.x -= float(0.6 * st.p0.x * sn(pi * s / 0.9));
  if (!from16 || gameIs(gidSchwimmen)) {
    if (s > 0.1 && s < 0.4) st.f.y -= float(60 * sn(pi * (s - 0.1) / 0.6));
    else if (s >= 0.4 && s <= 0.7) st.f.y -= 60;
    else if (s > 0.7) st.f.y -= float(60 * sn(pi * (s - 0.4) / 0.6));
    if (s <= 0.8) st.f.y -= float(120 * sn(pi * s / 0.8));
  } else {
    st.f.z += float(30 * sn(pi * s) * st.slot.srcIndex);
    if (s < 0.4) st.f.y -= float(120 * sn(pi * s / 0.4));
    if (s > 0.3) st.f.y -= float(100 * sn(pi * (s - 0.3) / 0.7));
  }
  if (gameIs(gidPoker) && s > 0.666666) st.f.y -= float(120 * sn(3 * pi * (s - 0.666666)));
  if (gameIs(gidSchwimmen) && st.slot.srcStack == 11 && cg.gs.phase == 4) {
    st.f.x -= float(400 * sn(pi * s));
    st.f.y -= float(120 * sn(pi * s));
  }
}

void tossBit(TPathState& st) {
  double s = st.s;
  if (6 * s < pi) {
    st.f.z += float(50 * sn(6 * s));
    st.f.x -= float(50 * sn(6 * s));
  }
  if (s < 0.7) {
    st.f.z += float(100 * s);
  } else {
    double v = s < 0.9 ? std::max(70 - 1400 * (s - 0.7), -10.0)
                       : std::min(800 * (s - 0.9) / 3 - 10, 0.0);
    st.f.z += float(v);
  }
  st.f.o1 -= float(s < 0.8 ? 800 * s : 640 - 3200 * (s - 0.8));
  st.m = std::min(1.4 * st.e, 1.0);
  lerpAngles(st, st.m);
}

void sidewaysBit(TPathState& st) {
  double s = st.s;
  const TCardSlot& slot = st.slot;
  st.f.o2 -= float(150 * sn(pi * s));
  if (gameIs(gidSchwimmen) && slot.dstIndex == 4 && s > 0.3)
    st.f.x -= float(0.4 * st.p1.x * sn(pi * (s - 0.3) / 0.7));
  if (gameIs(gidSkat) && slot.srcStack == 1 && slot.dstStack == 11) {
    if (s > 0.3) st.f.rotZ -= float(180 * (s - 0.3) / 0.7);
    st.f.y -= float(80 * sn(pi * s));
    if (s < 0.6) st.f.z -= float(80 * sn(pi * s / 0.6));
  }
}

void liftOffBit(TPathState& st) {
  constexpr double d = edge;
  double s = st.s;
  double g = s < d ? s : s <= 1 - d ? d + (d - s) * d / (1 - 2 * d) : 0;
  st.f.o1 = float(-3200 * g);
}

void flutter(TPathState& st, int32_t bits) {
  double s = st.s;
  if (s <= 0.15 || s >= 0.85) return;
  double wave = 8 * st.slot.variation * sn(10 * pi * (s - 0.15) / 7);
  st.f.display2 += float(bits & 0x80 ? -wave : wave);
  st.f.display1 = 0;
  st.f.flag = bits & 0x2 ? 1 : 0;
}

void remainingBits(TPathState& st, int32_t bits) {
  if (bits & 0x200) flipBit(st);
  if (bits & 0x100) tossBit(st);
  if (bits & 0x40) sidewaysBit(st);
  if (bits & 0x20) liftOffBit(st);
  if (bits & 0x10) st.f.rotZ -= float(360 * st.m);
  if (bits & 0x8) st.f.rotY += float(360 * st.m);
  if (bits & 0x4) st.f.rotX -= float(360 * st.m);
  if (bits & 0x3) flutter(st, bits);
}

// Last, by kind: a re-laid card keeps its own look; other plain moves take the target's.
void finalDisplay(TPathState& st, const TMoveFrame& fr, bool flutters) {
  TCardFlight& f = st.f;
  double s = st.s;
  if (fr.kind == 1) {
    f.display2 = float(lerp(fr.r0.poseExtra[1], fr.r1.poseExtra[1], std::clamp(s, 0.0, 1.0)));
    f.flag = fr.r0.poseFlag;
    f.display1 = fr.r0.poseExtra[0];
    f.o2 = 0;
  } else if (fr.kind == 17) {
    f.display2 = float(20 * (1 - s) * s);
    if (gameIs(gidWar)) {
      f.display2 = 0;
      f.z += float(50 * sin2(pi * s));
    }
  } else if (fr.kind != 3 && fr.kind != 4 && fr.kind != 5 && !flutters) {
    f.flag = fr.r1.poseFlag;
    f.display1 = fr.r1.poseExtra[0];
    f.display2 = fr.r1.poseExtra[1];
  }
}

}  // namespace

// [SECTION] computeMovePath

void computeMovePath(TCardSlot& slot, const TMoveFrame& fr) {
  TPathState st{slot.flight, fr.r0.pose, fr.r1.pose, slot, fr.s, 0, 0, fr.kind};
  double s = fr.s;
  st.e = s < edge ? 0 : (s - edge) / (1 - edge);
  if (fr.kind == 17) st.e = 4 * st.e * (1 - st.e);
  st.m = s < edge / 2 ? 0 : s > 1 - edge / 2 ? 1 : (s - edge / 2) / (1 - edge);
  slot.flight.o1 = 0;
  slot.flight.o2 = 0;
  basePath(st);
  TMotionFlags m = decodeMotion(slot.motion);
  heightCurves(st, m);
  rotation(st, m);
  heartsCurves(st, m);
  gameTouches(st, m);
  displayValues(st, fr.r0, fr.r1);
  if (gameIs(gidSkat) && slot.srcStack == 12 && slot.dstStack >= 4 && slot.dstStack <= 9)
    slot.flight.z += float(60 * sn(pi * s) * (slot.srcIndex - 1));
  remainingBits(st, m.rest);
  finalDisplay(st, fr, (m.rest & 0x3) != 0);
}
