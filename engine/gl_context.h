// The engine's OpenGL context on the window: created with the engine's global state,
// released, and asked for its capabilities. Only a real (SDL) context is ever drawn to: the
// null window backend's pretend context gets no GL calls.
#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>

// The window system refused the context; fatal where it is not caught.
class EOpenGLError : public std::runtime_error {
 public:
  explicit EOpenGLError(const std::string& what) : std::runtime_error(what) {}
};

// True when GL calls reach a real context.
bool engineGLReady();

// TVTLApplication.initGL: takes the display's colour depth; at 8 bits or less marks
// desktopDepthTooLow and makes no context (the desktop is never changed for the program).
// Otherwise creates the context (EOpenGLError when that fails), sets the global GL state,
// the viewport for the window's client size and the camera.
void initGL();
// TVTLApplication.destroyGLContext: no context current, the context deleted.
void destroyGLContext();
// TVTLApplication.readGLCapabilities: noAuxBuffers, and with withVersion glVersion
// (10 * major + minor digit).
void readGLCapabilities(bool withVersion);
// glVersion from a GL_VERSION text: 10 * its first digit + the first digit after its first
// "."; 0 for a text without them.
int32_t glVersionOf(const std::string& versionText);

// The values the GL information shows, in its order: depth, stencil, alpha, red, green and blue
// bits, then the stencil fail operation. All 0 without a real context.
std::array<int32_t, 7> glInfoValues();
