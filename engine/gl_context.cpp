// Creating, releasing and querying the engine's GL context.
#include "engine/gl_context.h"

#include <GL/gl.h>

#include <cctype>

#include "engine/elements.h"
#include "engine/engine_form.h"
#include "engine/engine_options.h"
#include "engine/gl_setup.h"
#include "engine/window_form.h"
#include "platform/window.h"

bool engineGLReady() { return winBackend() == WindowBackend::sdl && winHasContext(); }

namespace {
// Windows counts a 24-bit colour in 32 bits; the effect options ask for more than 31.
int32_t pixelFormatBits(const GLContextInfo& info) { return info.colourBits >= 24 ? 32 : info.colourBits; }

// The GL selectors of the options dialog by their shown entries; the stencil and 16-bit tests
// go to the options. Without the dialog the set-up keeps its own choices.
TVTLGLChoices readGLSelectors() {
  TVTLGLChoices c;
  const TVTLOptionsDialogNumbers& o = appopt.opt;
  if (o.dialog <= 0) return c;
  auto shown = [&o](int32_t selector) { return getTopIndex(o.dialog, o.glSelectors[selector]); };
  c.cullFace = shown(glsCullFace);
  c.depthTest = shown(glsDepthTest);
  c.colourMaterial = shown(glsColourMaterial);
  c.blend = shown(glsBlend);
  appopt.stencilTest = shown(glsStencil);
  appopt.test16Bit = shown(glsTest16Bit);
  return c;
}
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
  // The GL_MATERIAL selector is left alone: its entries name no valid shininess.
  const TVTLGLChoices choices = readGLSelectors();
  if (engineGLReady()) glSetupContextState(choices, vtl.dev.wireframePass);
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

std::array<int32_t, 7> glInfoValues() {
  std::array<int32_t, 7> values{};
  if (!engineGLReady()) return values;
  const GLenum names[7] = {GL_DEPTH_BITS, GL_STENCIL_BITS, GL_ALPHA_BITS, GL_RED_BITS,
                           GL_GREEN_BITS, GL_BLUE_BITS,    GL_STENCIL_FAIL};
  for (size_t i = 0; i < values.size(); i++) {
    GLint v = 0;
    glGetIntegerv(names[i], &v);
    values[i] = v;
  }
  return values;
}
