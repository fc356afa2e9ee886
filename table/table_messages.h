// The card table's error texts. They go to the alert sink, which the program points at the
// engine's message box at start-up; the table carries on after each.
#pragma once

#include <string>

// An engine error ("Fehler: ..."), a message box and a system message box alike.
void tableError(const std::string& text);
