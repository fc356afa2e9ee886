// Element states, texts and items.
// [SECTION] long texts
#include "engine/elements.h"

#include "engine/dialogs.h"
#include "engine/engine_form.h"
#include "engine/string_container.h"

namespace {
constexpr size_t kChunk = kContainerStringMax;  // characters per "@scon" chunk
constexpr size_t kMarkLength = 20;              // "_vtl-stringcontainer" begins every invalid answer
constexpr int kMaxCaptionChunks = 6;            // getElementText reads items 0..5

bool isEndMark(const std::string& s) {
  return s.compare(0, kMarkLength, std::string_view(kInvalidConpointer).substr(0, kMarkLength)) == 0;
}

// Stores a long text in chunks as items first, first + 1, ...; returns the next item index.
int32_t storeChunks(int32_t d, int32_t e, std::string_view text, int32_t first) {
  int32_t i = first;
  while (!text.empty()) {
    setItemString(text.substr(0, kChunk), d, e, i);
    text.remove_prefix(text.size() < kChunk ? text.size() : kChunk);
    ++i;
  }
  return i;
}

// Items first, first + 1, ... up to the end mark, at most `limit` of them (0: no limit).
std::string readChunks(int32_t d, int32_t e, int32_t first, int limit) {
  std::string out;
  for (int32_t i = first, n = 0; limit == 0 || n < limit; ++i, ++n) {
    std::string s = getItemString(d, e, i);
    if (isEndMark(s)) break;
    out += s;
  }
  return out;
}
}  // namespace

// [SECTION] long texts

void setElementText(int32_t dialog, int32_t element, std::string_view text, int32_t flag) {
  TVTLElement& el = elementOf(dialog, element);
  if (text.size() <= size_t(kRecordTextMax)) {
    el.caption.assign(text);
  } else {
    if (el.itemSlots < 4) {
      el.itemSlots = 4;
      el.handleBase = reserveStringHandles(4);
    }
    el.caption.assign(kLongTextMark);
    int32_t next = storeChunks(dialog, element, text, 0);
    setItemString(kInvalidConpointer, dialog, element, next);
  }
  (void)flag;
}

std::string getElementText(int32_t dialog, int32_t element) {
  const TVTLElement& el = elementOf(dialog, element);
  if (el.caption.view() != kLongTextMark) return el.caption.str();
  return readChunks(dialog, element, 0, kMaxCaptionChunks);
}
