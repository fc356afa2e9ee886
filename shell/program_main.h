// The program's start code: the "/install" switch, the write test of the program folder,
// the single-instance check, the main window and the application's message loop.
#pragma once

#include <string>
#include <vector>

// programMain: params are the command-line parameters (without the program's own name).
// Returns the process's exit code. The caller chooses the window backend first.
int programMain(const std::vector<std::string>& params);

// The "/install" hook: marker files for the Ogg components the registry already knows.
void recordPreinstalledCodecs();
// A string value under HKEY_LOCAL_MACHINE; empty on any failure. This system keeps only the
// user's and the machine's names (platform/registry.h), so every other value is empty.
std::string readHklmString(const std::string& keyPath, const std::string& valueName);

// The write test's message.
inline constexpr const char* kAccessDeniedText =
    "Fehler: Dateizugriff verweigert. Entfernen Sie den Schreibschutz oder führen Sie die Anwendung als "
    "Administrator aus.";
