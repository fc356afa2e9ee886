// The engine's GL state on a fresh context: the global switches, the GL selectors of the
// options dialog, fog, the two lights, the viewport with its projection, and the camera.
#pragma once

#include <cstdint>

#include "engine/window_layout.h"

// The GL selectors of the options dialog's GL page, as item numbers (1-based).
struct TVTLGLChoices {
  int32_t cullFace = 1;        // 1 "Enabled", 2 "Disabled"
  int32_t depthTest = 1;       // 1 "Enabled", 2 "Disabled"
  int32_t colourMaterial = 4;  // 1 "Disabled", 2 GL_EMISSION .. 6 GL_AMBIENT_AND_DIFFUSE
  int32_t blend = 1;           // 1 "Enabled", 2 "Disabled"
};

// Blending is off by choice of the GL selector; set by glApplyChoices, read by the drawing code.
extern bool blendDisabled;

// The global state of a new context, in the engine's order (clear values, culling, shading,
// lights, depth function, unpack alignment, blend function, colour material on the diffuse
// colour, texturing unless wireframe, lighting), then the selectors and the fog.
void glSetupContextState(const TVTLGLChoices& choices, bool wireframe);
// Sets the selectors' switches.
void glApplyChoices(const TVTLGLChoices& choices);
// The two lights from the lamp above the table.
void setupLights();
// glViewport and the perspective projection; the model-view matrix is current afterwards.
void glApplyViewport(const TVTLViewport& v);
// The camera looking from (0, 50, 20) to (0, 10, -30), up along y.
void glPlaceCamera();
