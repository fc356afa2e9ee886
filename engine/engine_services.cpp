// Small engine services: scene angles, fades, state queries, traces and the trace log.
#include "engine/engine_services.h"

#include <cstdio>
#include <set>

#include "engine/engine_form.h"
#include "engine/engine_options.h"
#include "engine/gl_context.h"
#include "engine/message_box.h"
#include "platform/errors.h"
#include "platform/paths.h"
#include "platform/tick.h"

namespace {
constexpr const char* kProtocolFile = "\\proto3.txt";
constexpr float kFadeDone = 0.99999f;

void checkSceneIndex(int32_t index) {
  if (!LArray<float, 1, 11>::inRange(index)) throw ERangeError("scene parameter " + std::to_string(index) + " out of range 1..11");
}

// Writes to the trace log opened in `mode`; failures are swallowed.
void writeProtocol(const char* mode, std::string_view text) {
  std::FILE* f = std::fopen(programPath(kProtocolFile).c_str(), mode);
  if (!f) return;
  std::fwrite(text.data(), 1, text.size(), f);
  std::fclose(f);
}
}  // namespace

void setSceneParam(int32_t index, int32_t value) {
  checkSceneIndex(index);
  vtl.sceneParams[index] = float(value);
}

float getSceneParam(int32_t index) {
  checkSceneIndex(index);
  return vtl.sceneParams[index];
}

void updateFadeTimers() {
  const uint32_t now = getTickCount();
  for (TVTLFadeSlot& s : appopt.fadeSlots) {
    if (s.state <= 0) continue;
    float f = float(double(tickDiff(now, s.start)) / double(s.duration));  // duration 0: infinity
    if (!(f < 1.0f)) f = 1.0f;
    if (!(f < kFadeDone)) {
      s.state = 0;
      continue;
    }
    s.value = s.state == 1 ? f : 1.0f - f;
  }
}

bool softShadowsAvailable() { return appopt.shadows && appopt.softShadows && !vtl.noAuxBuffers; }

bool setFpsSuffix(std::string_view text) {
  vtl.fpsSuffix = std::string(text);
  return true;
}

void setKeyDialog(int32_t dialog) { vtl.keyDialog = dialog; }

bool isTerminating() { return vtl.engineState == esTerminating; }

namespace {
std::function<void(std::string_view)> traceListener;
}

void traceStep(std::string_view text) {
  if (traceListener) traceListener(text);
}

void trace(std::string_view text) {
  if (traceListener) traceListener(text);
}

void setTraceListener(std::function<void(std::string_view)> listener) { traceListener = std::move(listener); }

void logProtocol(std::string_view text) { writeProtocol("ab", std::string(text) + "\r\n"); }

void logNotAvailable(std::string_view what) {
  static std::set<std::string, std::less<>> told;
  const std::string line = std::string(what) + ": not available";
  trace(line);
  if (told.insert(line).second) logProtocol(line);
}

void resetProtocolLog() { writeProtocol("wb", ""); }

std::string glInfoText(const std::array<int32_t, 7>& values) {
  static constexpr const char* kNames[7] = {"GL_DEPTH_BITS=", "GL_STENCIL_BITS=", "GL_ALPHA_BITS=", "GL_RED_BITS=",
                                            "GL_GREEN_BITS=", "GL_BLUE_BITS=",    "GL_STENCIL_FAIL="};
  std::string text;
  for (size_t i = 0; i < values.size(); i++) text += kNames[i] + std::to_string(values[i]) + ", ";
  return text;
}

void showGLInfo() { showInfoText(glInfoText(glInfoValues()), "OpenGL Information"); }
