// Creating, releasing and querying the engine's GL context.
#include "engine/gl_context.h"

#include <GL/gl.h>

#include <cctype>

#include "engine/engine_form.h"
#include "engine/engine_options.h"
#include "engine/gl_setup.h"
#include "engine/window_form.h"
#include "platform/window.h"

bool engineGLReady() { return winBackend() == WindowBackend::sdl && winHasContext(); }

namespace {
// Windows counts a 24-bit colour in 32 bits; the effect options ask for more than 31.
int32_t pixelFormatBits(const GLContextInfo& info) { return info.colourBits >= 24 ? 32 : info.colourBits; }
}  // namespace

void initGL() {
  vtl.desktopDepth = winDesktopMode().bits;
  if (vtl.desktopDepth <= 8) {
    vtl.desktopDepthTooLow = true;
    vtl.desktopDepthRaised = false;
    return;
  }
  if (!winCreateContext()) throw EOpenGLError("OpenGL context: " + winLastError());
  appopt.colourBits = pixelFormatBits(winContextInfo());
  // The options dialog's GL selectors come with the engine dialogs; until then the defaults.
  if (engineGLReady()) glSetupContextState(TVTLGLChoices(), vtl.dev.wireframePass);
  int32_t width = 0, height = 0;
  winClientSize(width, height);
  setViewport(width, height);
  if (engineGLReady()) glPlaceCamera();
}

void destroyGLContext() { winDestroyContext(); }

int32_t glVersionOf(const std::string& text) {
  const size_t dot = text.find('.');
  if (dot == std::string::npos || dot + 1 >= text.size()) return 0;
  size_t first = 0;
  while (first < dot && !std::isdigit(static_cast<unsigned char>(text[first]))) first++;
  if (first == dot || !std::isdigit(static_cast<unsigned char>(text[dot + 1]))) return 0;
  return 10 * (text[first] - '0') + (text[dot + 1] - '0');
}

void readGLCapabilities(bool withVersion) {
  if (!engineGLReady()) {
    vtl.noAuxBuffers = true;
    const GLContextInfo& info = winContextInfo();
    if (withVersion) vtl.glVersion = 10 * info.major + info.minor;
    return;
  }
  GLint aux = 0;
  glGetIntegerv(GL_AUX_BUFFERS, &aux);
  vtl.noAuxBuffers = aux < 1;
  const GLubyte* version = glGetString(GL_VERSION);
  if (withVersion) vtl.glVersion = version ? glVersionOf(reinterpret_cast<const char*>(version)) : 0;
}
