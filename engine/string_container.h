// The engine's string container: a growing pool of 255-character strings addressed by integer
// handles, and the item strings of elements that live in it. Handles and slots are only ever
// added, never released, for the whole run.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

constexpr int kContainerStringMax = 255;  // characters of one stored string
// What getItemString answers for an access outside the element's block.
inline constexpr const char* kInvalidConpointer = "_vtl-stringcontainer error: invalid conpointer";

struct TVTLStringContainer {
  int32_t handleCount = 0;               // handles 0..handleCount-1 are reserved
  int32_t slotCount = 0;                 // slots 1..slotCount hold strings
  std::vector<uint16_t> handleTable;     // slot of each handle; 0 none yet
  std::vector<std::string> stringSlots;  // slot 0 is never used

  TVTLStringContainer() { clear(); }
  // One unused slot and no handles, as the engine starts.
  void clear();
};

// Appends n + 1 handles without slots and returns the last of them.
int32_t reserveStringHandles(int32_t n);

// Stores the text (cut to 255 characters) under the handle; the first store gives the handle a
// slot. A handle outside the table or a 65,536th slot is a range error.
void setContainerString(int32_t handle, std::string_view text);

// The stored text; handle 0 and a handle without a slot give the empty text. A handle outside
// the table is a range error.
std::string getContainerString(int32_t handle);

// String number k of an element (dialog + 1000 asks for the second string), cut to maxLength;
// an access outside the element's block answers kInvalidConpointer.
std::string getItemString(int32_t dialog, int32_t element, int32_t item, int32_t maxLength = 255);

// Stores string number k of an element; an access outside its block stores nothing and shows
// the overflow notice.
void setItemString(std::string_view text, int32_t dialog, int32_t element, int32_t item);

// The notice dialog of the message-box module for non-fatal errors (its showError). While no
// module has set it, the notice goes to the alert sink (platform/alert.h).
using TVTLShowErrorFn = void (*)(const std::string& text);
extern TVTLShowErrorFn showErrorHook;
void showEngineError(const std::string& text);
