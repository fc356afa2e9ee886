// Alerts: consistency checks show a box whose text begins with "ACHTUNG!" and go on.
// Every alert goes to one sink; the engine's message box takes it over once it exists,
// tests install a collector.
#pragma once

#include <functional>
#include <string>

using AlertSink = std::function<void(const std::string& text)>;

// Shows the alert through the current sink. Never raises.
void showAlert(const std::string& text);

// Installs a sink and returns the previous one; an empty sink restores the fallback,
// which writes the text to standard error.
AlertSink setAlertSink(AlertSink sink);
