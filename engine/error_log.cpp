// The error log: reports of fatal exceptions in "errors.txt" and the call-stack capture.
// [SECTION] state
// [SECTION] exceptions
// [SECTION] call stacks
// [SECTION] capture and hooks
// [SECTION] reports
#include "engine/error_log.h"

#include <cxxabi.h>
#include <dlfcn.h>
#include <execinfo.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <memory>
#include <mutex>
#include <typeinfo>

#include "platform/errors.h"
#include "platform/paths.h"
#include "platform/tick.h"

// [SECTION] state

namespace {

std::string logPath;          // full name of the log file; set by setErrorLogFile
bool loggingEnabled = false;  // reports go to the file; set by setErrorLogFile
std::string pendingStack;     // captured at the last failure, consumed by the next report
std::mutex pendingMutex;      // the hooks may run on a worker thread while the main thread reports
std::terminate_handler previousTerminate = nullptr;
TRunErrorHook previousRunErrorHook = nullptr;

const char* const crlf = "\r\n";

void setPending(std::string text) {
  std::lock_guard<std::mutex> lock(pendingMutex);
  pendingStack = std::move(text);
}

std::string takePending() {
  std::lock_guard<std::mutex> lock(pendingMutex);
  std::string text = std::move(pendingStack);
  pendingStack.clear();
  return text;
}

std::string demangle(const char* name) {
  int status = 0;
  std::unique_ptr<char, void (*)(void*)> out(abi::__cxa_demangle(name, nullptr, nullptr, &status),
                                             std::free);
  return status == 0 && out ? std::string(out.get()) : std::string(name);
}

}  // namespace

// [SECTION] exceptions

std::string exceptionClassName(const std::exception& e) {
  // The system's class names have no namespaces: keep the last part of the C++ name.
  std::string name = demangle(typeid(e).name());
  size_t colon = name.rfind("::");
  return colon == std::string::npos ? name : name.substr(colon + 2);
}

// [SECTION] call stacks

__attribute__((noinline)) void captureCallStack(TCallStack& stack, int skip) {
  for (const void*& a : stack.addr) a = nullptr;
  if (skip < 0) skip = 0;
  constexpr int room = 64;
  void* frames[room];
  int n = backtrace(frames, room);
  int stored = 0;
  for (int i = skip; i < n && stored < callStackDepth; i++) {
    // A return address points behind the call; one byte back lies inside the call itself.
    stack.addr[stored++] = static_cast<const char*>(frames[i]) - 1;
  }
}

std::string callStackText(const TCallStack& stack) {
  std::string out;
  for (int i = 0; i < callStackDepth && stack.addr[i]; i++) {
    std::string t = addressToText(stack.addr[i]);
    if (!t.empty()) out += "call stack - " + std::to_string(i) + " : " + t + crlf;
  }
  return out;
}

std::string addressToText(const void* address) {
  Dl_info info{};
  if (!address || dladdr(address, &info) == 0 || !info.dli_fname) return {};
  std::string unit = std::filesystem::path(info.dli_fname).filename().string();
  std::string routine = info.dli_sname ? " Routine " + demangle(info.dli_sname) : "(no debug info)";
  auto offset = static_cast<unsigned long long>(static_cast<const char*>(address) -
                                                static_cast<const char*>(info.dli_fbase));
  char hex[24];
  std::snprintf(hex, sizeof hex, "%08llX", offset);
  return "Module " + unit + routine + " Find error: " + hex;
}

// [SECTION] capture and hooks

namespace {

// The skip of 4 leaves out captureCallStack, this routine, captureStackNow and the hook,
// so the text starts at the hook's caller. The routines stay out of line to keep the count.
__attribute__((noinline)) std::string captureStackText() {
  TCallStack stack;
  captureCallStack(stack, 4);
  return addressToText(stack.addr[0]) + crlf + crlf + callStackText(stack) + crlf;
}

}  // namespace

__attribute__((noinline)) void captureStackNow() { setPending(captureStackText()); }

__attribute__((noinline)) void captureStackIfNone() {
  if (pendingStackText().empty()) captureStackNow();
}

std::string pendingStackText() {
  std::lock_guard<std::mutex> lock(pendingMutex);
  return pendingStack;
}

__attribute__((noinline)) void onErrorProcHook() {
  setPending({});
  captureStackNow();
  if (previousRunErrorHook) previousRunErrorHook();
}

void onExceptionHook() {
  setPending({});
  captureStackNow();
  if (previousTerminate) previousTerminate();
  std::abort();
}

void initErrorLog() {
  std::terminate_handler old = std::set_terminate(onExceptionHook);
  if (old != onExceptionHook) previousTerminate = old;
  if (runErrorHook != onErrorProcHook) previousRunErrorHook = runErrorHook;
  runErrorHook = onErrorProcHook;
}

// [SECTION] reports

namespace {

bool fileExists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::exists(path, ec);
}

// German short date and long time, as the system's settings give them: "10.12.2026 12:17:49".
std::string localDateTime() {
  std::time_t now = std::time(nullptr);
  std::tm tmLocal{};
  localtime_r(&now, &tmLocal);
  char buf[32];
  std::strftime(buf, sizeof buf, "%d.%m.%Y %H:%M:%S", &tmLocal);
  return buf;
}

void appendToLog(const std::string& report) {
  if (!loggingEnabled) return;
  std::FILE* f = std::fopen(logPath.c_str(), "ab");
  if (!f) return;  // the report is lost; nothing is shown
  std::string text = report + crlf;
  std::fwrite(text.data(), 1, text.size(), f);
  std::fclose(f);
}

}  // namespace

void setErrorLogFile(const std::string& path) {
  logPath = path;
  loggingEnabled = false;
  if (!fileExists(path)) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return;
    std::fclose(f);
  }
  loggingEnabled = true;
}

void logErrorReport(const std::exception& e, std::string& screenText) {
  screenText.clear();
  try {
    std::string cls = exceptionClassName(e);
    if (cls == "ESocketError") return;
    std::string typeAndMessage = "Type: " + cls + crlf + "Message: " + e.what() + crlf;
    screenText = typeAndMessage;
    std::string report = std::string(crlf) + crlf + "ERROR IN " + programFileName() + " " +
                         localDateTime() + " " + std::to_string(getTickCount()) + " " +
                         std::string(62, '-') + crlf + crlf + typeAndMessage;
    // C++ exceptions carry no raise address: no "Error address: " line; the call-stack
    // text names the place instead.
    std::string stack = takePending();
    if (!stack.empty()) screenText += std::string(crlf) + crlf + "Debug information written to errors.txt";
    appendToLog(report + stack);
  } catch (...) {
    // Reporting runs on the way out of a failure: it must not raise one itself.
  }
}

void logErrorLine(const std::string& text) {
  try {
    appendToLog(localDateTime() + " " + text);
  } catch (...) {
    // A note on a failure the program gets over must not become one.
  }
}

void resetErrorLog() {
  logPath.clear();
  loggingEnabled = false;
  setPending({});
}
