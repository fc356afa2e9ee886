// The one alert sink of the process.
#include "platform/alert.h"

#include <cstdio>

namespace {
AlertSink currentSink;
}

void showAlert(const std::string& text) {
  if (currentSink) {
    currentSink(text);
    return;
  }
  std::fprintf(stderr, "%s\n", text.c_str());
}

AlertSink setAlertSink(AlertSink sink) {
  AlertSink old = std::move(currentSink);
  currentSink = std::move(sink);
  return old;
}
