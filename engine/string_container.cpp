// The engine's string container and element item strings.
#include "engine/string_container.h"

#include "engine/dialogs.h"
#include "engine/engine_form.h"
#include "platform/alert.h"
#include "platform/errors.h"

TVTLShowErrorFn showErrorHook = nullptr;

void showEngineError(const std::string& text) {
  if (showErrorHook)
    showErrorHook(text);
  else
    showAlert(text);
}

void TVTLStringContainer::clear() {
  handleCount = 0;
  slotCount = 0;
  handleTable.clear();
  stringSlots.assign(1, std::string());
}

namespace {
constexpr int32_t kMaxSlot = 65535;  // slot numbers are 16-bit

void checkHandle(int32_t handle) {
  if (handle < 0 || handle >= vtl.strings.handleCount)
    throw ERangeError("string container: handle " + std::to_string(handle) + " out of range");
}

// Handle of string number `item` of an element, or -1 when the access is invalid. `dialog` may
// carry + 1000 for the second string.
int32_t itemHandle(int32_t& dialog, int32_t element, int32_t item) {
  int32_t second = 0;
  if (dialog >= 1000) {
    second = 1;
    dialog -= 1000;
  }
  const TVTLElement& el = elementOf(dialog, element);
  int32_t k = el.highlight ? 2 * item + second : item + second;
  bool valid = el.handleBase >= 0 && el.handleBase < vtl.strings.handleCount && item >= 0 && k >= 0 && k <= el.itemSlots;
  return valid ? el.handleBase - k : -1;
}
}  // namespace

int32_t reserveStringHandles(int32_t n) {
  TVTLStringContainer& sc = vtl.strings;
  if (n < 0) throw ERangeError("reserveStringHandles: negative count");
  sc.handleCount += n + 1;
  sc.handleTable.resize(size_t(sc.handleCount), 0);
  return sc.handleCount - 1;
}

void setContainerString(int32_t handle, std::string_view text) {
  checkHandle(handle);
  TVTLStringContainer& sc = vtl.strings;
  uint16_t& slot = sc.handleTable[size_t(handle)];
  if (slot == 0) {
    if (sc.slotCount >= kMaxSlot) throw ERangeError("string container: more than 65,535 strings");
    sc.slotCount += 1;
    sc.stringSlots.resize(size_t(sc.slotCount) + 1);
    slot = uint16_t(sc.slotCount);
  }
  sc.stringSlots[slot] = std::string(text.substr(0, kContainerStringMax));
}

std::string getContainerString(int32_t handle) {
  checkHandle(handle);
  if (handle == 0) return std::string();
  uint16_t slot = vtl.strings.handleTable[size_t(handle)];
  return slot == 0 ? std::string() : vtl.strings.stringSlots[slot];
}

std::string getItemString(int32_t dialog, int32_t element, int32_t item, int32_t maxLength) {
  int32_t h = itemHandle(dialog, element, item);
  std::string text = h >= 0 ? getContainerString(h) : std::string(kInvalidConpointer);
  if (maxLength >= 0 && text.size() > size_t(maxLength)) text.resize(size_t(maxLength));
  return text;
}

void setItemString(std::string_view text, int32_t dialog, int32_t element, int32_t item) {
  int32_t h = itemHandle(dialog, element, item);
  if (h >= 0) {
    setContainerString(h, text);
    return;
  }
  showEngineError("VTLStringContainer Error: \rOverflow at d" + std::to_string(dialog) + ".e" +
                  std::to_string(element) + ".i" + std::to_string(elementOf(dialog, element).handleBase));
}
