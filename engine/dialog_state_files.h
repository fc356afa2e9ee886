// Dialog-state files (".dco"): every setting of the program is the state of a dialog element,
// and each dialog's element states are written to a small text file of their own and read back
// at start-up; "\data\settings\indexes.txt" lists what was written. Also the raw dialog record
// files of saved games.
//
// The format: "*|" dialog "|", then per element ">|" number "|" enabled "|" visible "|" caption
// "|" checked "|" focused "|" SelIndex "|" TopIndex "|" n "|" followed by n item strings each
// ended by "<", and a closing "|". A "%", "|", "<" or ">" inside a caption or an item is
// written as "%25", "%7C", "%3C" or "%3E", so a text never ends a field early. Files are
// written to a temporary file that is then renamed over the old one, so a failed write leaves
// the previous file; a file that cannot be parsed counts as missing and changes nothing.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Writes one dialog's state file (created or replaced) and appends its line to indexes.txt.
// Skipped for the graphics dialog while presetMode is 1. A file that cannot be written is
// EInOutError.
void saveDialogState(int32_t dialog, const std::string& fileName);

// Reads a state file into the dialog's elements, matched by position: pageFilter 0 restores
// every element, a page number only the elements on that page. Restored are enabled, visible,
// checked, SelIndex, TopIndex (not for labels) and the text of edit fields; items and other
// captions keep what the dialog was built with. A missing or malformed file changes nothing;
// the result says whether the file was applied.
bool loadDialogState(int32_t dialog, const std::string& fileName, int32_t pageFilter);

// "\data\settings\di_" + n + ".dco" for dialog n.
std::string dialogStateFileName(int32_t dialog);

// Recreates indexes.txt empty and writes the state file of every dialog after the engine's own
// (appopt.di_vtlgrafik + 1 up to the last). A file that cannot be written does not stop the
// others; the first such failure is raised (EInOutError) once all were tried.
void saveDialogStates();

// Reads the same files into the same dialogs, except vtl.stateExclusions and dialogs whose
// title begins with "#".
void loadDialogStates();

// Writes the dialog's record as one 39,928-byte block (no handles, no pointers). A file that
// cannot be written is EInOutError.
void saveDialogRecord(int32_t dialog, const std::string& fileName);

// Reads a record block over the dialog after validating it. The dialog keeps its own string
// block (handleBase, itemSlots, highlight) and draw methods. A missing, short or damaged file
// changes nothing and answers false with the reason in `error` (when given).
bool loadDialogRecord(int32_t dialog, const std::string& fileName, std::string* error = nullptr);

// Appends the line and CR LF to a text file, creating it when missing; EInOutError on failure.
void appendLine(const std::string& fileName, std::string_view line);
