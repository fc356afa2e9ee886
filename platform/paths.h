// The program folder and the system's backslash paths ("\data\local\messages.txt").
#pragma once

#include <string>
#include <string_view>

// The program folder: the current directory when the program started (captured at the
// first call, or set by setProgramFolder). Never ends with a slash unless it is "/".
const std::string& programFolder();
void setProgramFolder(const std::string& folder);

// Turns a system path with backslashes into a Linux path: backslashes become slashes.
std::string toLocalPath(std::string_view systemPath);

// programFolder() joined with a system path such as "\data\local\messages.txt".
std::string programPath(std::string_view systemPath);

// The running program's file name without its folder ("skat"), for titles and reports.
std::string programFileName();
