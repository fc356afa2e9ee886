// Small services of the engine: the scene angles, the fade slots of the frame loop, a few state
// queries and setters, the progress traces and the trace log "proto3.txt".
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// Scene angle index 1..11 := value (degrees); an index outside 1..11 is a range error.
void setSceneParam(int32_t index, int32_t value);
float getSceneParam(int32_t index);

// Advances the 11 fade slots of appopt; the frame step calls it once per frame.
void updateFadeTimers();

// True when "Schatteneffekt" and "Weiche Schatten" are on and the frame buffer has auxiliary
// buffers.
bool softShadowsAvailable();

// The text shown behind the frame rate; always true.
bool setFpsSuffix(std::string_view text);

// The dialog that receives typed characters.
void setKeyDialog(int32_t dialog);

// The engine state is terminating.
bool isTerminating();

// The notice dialog titled "OpenGL Information" with the context's buffer depths and stencil
// fail operation: "GL_DEPTH_BITS=24, GL_STENCIL_BITS=8, ..." (", " after every value).
void showGLInfo();
// Its text for the values in that order.
std::string glInfoText(const std::array<int32_t, 7>& values);

// Progress traces: the texts are passed and nothing is kept.
void traceStep(std::string_view text);
void trace(std::string_view text);
// Tests listen to the traces (traceStep and trace alike, in order); empty: nobody listens.
void setTraceListener(std::function<void(std::string_view)> listener);

// Appends the text and CR LF to "proto3.txt" in the program folder, creating the file when it
// is missing. Never raises: a trace must not stop the program.
void logProtocol(std::string_view text);
// A stand-in for something not built yet says so: "<what>: not available" into proto3.txt,
// once per run for each what, so a stand-in called every frame does not flood the log; the
// trace sees every call.
void logNotAvailable(std::string_view what);

// Recreates "proto3.txt" empty, as every start does. Never raises.
void resetProtocolLog();
