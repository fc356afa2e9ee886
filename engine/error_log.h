// The error log "errors.txt": one report per fatal exception, with the call-stack text
// captured when the failure happened, and the text for the fatal-error box.
#pragma once

#include <cstdint>
#include <exception>
#include <string>

// [SECTION] exceptions

// The run-time error classes (ERangeError, EInOutError, EConvertError) are in
// platform/errors.h. Socket errors are known by their class name "ESocketError": they give
// no report and no screen text.

// The class name a report gives an exception: its C++ type name without namespaces
// ("EInOutError").
std::string exceptionClassName(const std::exception& e);

// [SECTION] the log

// Called once by the engine's constructor with the program folder + "/errors.txt": creates
// the file when missing and enables logging. A failure leaves logging off, silently.
void setErrorLogFile(const std::string& path);

// Builds the report of one exception, appends it to the log when logging is on, consumes
// the pending call-stack text and returns the text for the fatal-error box. A socket error
// gives no report and an empty text. Never raises.
void logErrorReport(const std::exception& e, std::string& screenText);

// Appends one line (a date and time, then the text) for a failure the program gets over,
// without a report or a call stack. Never raises.
void logErrorLine(const std::string& text);

// The pending call-stack text: replaced at every run-time error or unhandled exception,
// cleared by the next report. Empty when none waits.
std::string pendingStackText();

// Captures the call stack from the caller's position unless a capture already waits.
void captureStackIfNone();
// Replaces the pending text with a fresh capture from the caller's position.
void captureStackNow();

// The hook for run-time errors (runErrorHook of platform/errors.h: every ERangeError,
// EInOutError and EConvertError made calls it) and the hook in front of the
// unhandled-exception handler (std::terminate). Both capture the stack afresh, then go on
// into the handler that was installed before them.
void onErrorProcHook();
[[noreturn]] void onExceptionHook();

// At program start: remembers the previous handlers and installs the two hooks.
void initErrorLog();

// [SECTION] call stacks

constexpr int callStackDepth = 33;  // addresses 0..32; a zero ends the list early

struct TCallStack {
  const void* addr[callStackDepth];
};

// Fills the array from the stack frames of the caller, leaving out the innermost `skip`
// frames (captureCallStack's own frame is the first of them).
void captureCallStack(TCallStack& stack, int skip);
// "call stack - i : text" CR LF for every address that has a text; numbers are kept.
std::string callStackText(const TCallStack& stack);
// "Module <file>(no debug info) Find error: <offset, 8 hex digits>" or with " Routine <name>"
// where the program exports the symbol; empty for an address no loaded module covers.
std::string addressToText(const void* address);

// Test access: turns logging off and forgets the path and the pending text.
void resetErrorLog();
