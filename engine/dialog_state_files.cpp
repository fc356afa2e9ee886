// Dialog-state files, indexes.txt and raw dialog record files.
// [SECTION] escaping
// [SECTION] writing
// [SECTION] parsing
// [SECTION] reading
// [SECTION] all dialogs
// [SECTION] raw records
#include "engine/dialog_state_files.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>
#include <vector>

#include "engine/dialog_record_io.h"
#include "engine/dialogs.h"
#include "engine/elements.h"
#include "engine/engine_files.h"
#include "engine/engine_options.h"
#include "engine/engine_services.h"
#include "engine/number_text.h"
#include "engine/string_container.h"
#include "platform/errors.h"
#include "platform/paths.h"

namespace {
constexpr char kFieldEnd = '|';
constexpr char kRecordStart = '>';
constexpr char kItemEnd = '<';
constexpr char kEscape = '%';

// [SECTION] escaping

// The characters that would end a field early, and their escapes.
struct Escape {
  char c;
  const char* code;
};
constexpr Escape kEscapes[] = {{'%', "25"}, {'|', "7C"}, {'<', "3C"}, {'>', "3E"}};

std::string escapeText(std::string_view text) {
  std::string out;
  for (char c : text) {
    const Escape* e = std::find_if(std::begin(kEscapes), std::end(kEscapes), [c](const Escape& x) { return x.c == c; });
    if (e == std::end(kEscapes)) {
      out += c;
    } else {
      out += kEscape;
      out += e->code;
    }
  }
  return out;
}

char upper(char c) { return c >= 'a' && c <= 'z' ? char(c - 32) : c; }

// Undoes escapeText; a "%" not followed by one of the four codes stays as it is.
std::string unescapeText(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == kEscape && i + 2 < text.size()) {
      const char code[3] = {upper(text[i + 1]), upper(text[i + 2]), 0};
      const Escape* e = std::find_if(std::begin(kEscapes), std::end(kEscapes),
                                     [&code](const Escape& x) { return std::string_view(x.code) == code; });
      if (e != std::end(kEscapes)) {
        out += e->c;
        i += 2;
        continue;
      }
    }
    out += text[i];
  }
  return out;
}

std::string flag(uint8_t v) { return v ? "1|" : "0|"; }

std::string indexesFile() { return programPath("\\data\\settings\\indexes.txt"); }

// [SECTION] writing

std::string elementRecord(int32_t d, int32_t n) {
  const TVTLElement& el = elementOf(d, n);
  std::string s = ">|" + std::to_string(n) + "|";
  s += flag(el.enabled);
  s += flag(el.visible);
  // The whole caption: a long one would otherwise be written as "@scon" and lost.
  s += escapeText(getElementText(d, n)) + "|";
  s += flag(el.checked);
  s += flag(el.focused);
  s += std::to_string(el.SelIndex) + "|" + std::to_string(el.TopIndex) + "|";
  const int32_t items = el.Stringscount > 0 ? el.Stringscount : 0;
  s += std::to_string(items) + "|";
  for (int32_t i = 1; i <= items; ++i) s += escapeText(getItemString(d, n, i)) + kItemEnd;
  return s + "|";
}

// [SECTION] parsing

// One element record as read from a file.
struct ElementState {
  bool enabled = false;
  bool visible = false;
  std::string caption;
  bool checked = false;
  int16_t selIndex = 0;
  int16_t topIndex = 0;
};

class StateReader {
 public:
  explicit StateReader(const std::vector<uint8_t>& bytes) : bytes_(bytes) {}

  bool atEnd() const { return pos_ >= bytes_.size(); }

  // Skips up to and including the next record opening; false at the end of the file.
  bool skipToRecord() {
    while (!atEnd())
      if (bytes_[pos_++] == uint8_t(kRecordStart)) return true;
    return false;
  }

  // The bytes up to the delimiter (consumed); nullopt when the file ends first.
  std::optional<std::string> field(char delimiter) {
    std::string out;
    while (!atEnd()) {
      char c = char(bytes_[pos_++]);
      if (c == delimiter) return out;
      out += c;
    }
    return std::nullopt;
  }

 private:
  const std::vector<uint8_t>& bytes_;
  size_t pos_ = 0;
};

std::optional<int16_t> int16Field(const std::optional<std::string>& f) {
  int32_t v = 0;
  if (!f || !tryStrToInt(*f, v) || v < INT16_MIN || v > INT16_MAX) return std::nullopt;
  return int16_t(v);
}

// One element record after its opening; nullopt when it is cut short or a number is bad.
std::optional<ElementState> parseRecord(StateReader& r) {
  ElementState s;
  if (!r.field(kFieldEnd) || !r.field(kFieldEnd)) return std::nullopt;  // after ">", the number
  auto enabled = r.field(kFieldEnd), visible = r.field(kFieldEnd), caption = r.field(kFieldEnd);
  auto checked = r.field(kFieldEnd), focused = r.field(kFieldEnd);
  auto sel = int16Field(r.field(kFieldEnd)), top = int16Field(r.field(kFieldEnd));
  auto countText = r.field(kFieldEnd);
  int32_t count = 0;
  if (!enabled || !visible || !caption || !checked || !focused || !sel || !top || !countText ||
      !tryStrToInt(*countText, count))
    return std::nullopt;
  for (int32_t i = 0; i < count; ++i)
    if (!r.field(kItemEnd)) return std::nullopt;
  if (!r.field(kFieldEnd)) return std::nullopt;
  s.enabled = *enabled == "1";
  s.visible = *visible == "1";
  s.caption = unescapeText(*caption);
  s.checked = *checked == "1";
  s.selIndex = *sel;
  s.topIndex = *top;
  return s;
}

// Every record the dialog has room for; nullopt when the file is malformed.
std::optional<std::vector<ElementState>> parseStateFile(const std::vector<uint8_t>& bytes, int32_t elementCount) {
  std::vector<ElementState> records;
  StateReader r(bytes);
  while (int32_t(records.size()) < elementCount && r.skipToRecord()) {
    std::optional<ElementState> s = parseRecord(r);
    if (!s) return std::nullopt;
    records.push_back(std::move(*s));
  }
  return records;
}

// [SECTION] reading

void restoreElement(int32_t d, int32_t n, const ElementState& s) {
  TVTLElement& el = elementOf(d, n);
  el.enabled = s.enabled;
  el.visible = s.visible;
  // "@scon" alone names chunks of an earlier run that no longer exist: the built text stays.
  if (el.kind == ekEdit && s.caption != kLongTextMark) {
    const size_t limit = std::max<size_t>(kRecordTextMax, size_t(std::max<int16_t>(el.rows, 0)));
    setElementText(d, n, std::string_view(s.caption).substr(0, limit), 0);
  }
  el.checked = s.checked;
  el.SelIndex = s.selIndex;
  if (el.kind != ekLabel) el.TopIndex = s.topIndex;
}
}  // namespace

void saveDialogState(int32_t dialog, const std::string& fileName) {
  if (vtl.presetMode == 1 && dialog == appopt.di_vtlgrafik) return;
  const TVTLDialog& dlg = dialogOf(dialog);
  appendLine(indexesFile(), fileName + " <= " + dlg.title.str());
  std::string text = "*|" + std::to_string(dialog) + "|";
  for (int32_t n = 1; n <= dlg.count; ++n) text += elementRecord(dialog, n);
  replaceFile(fileName, text);
}

bool loadDialogState(int32_t dialog, const std::string& fileName, int32_t pageFilter) {
  std::vector<uint8_t> bytes;
  if (!readFileBytes(fileName, bytes)) return false;
  traceStep("Load dialog elements from " + fileName);
  const int32_t count = dialogOf(dialog).count;
  std::optional<std::vector<ElementState>> records = parseStateFile(bytes, count);
  if (!records) {
    traceStep(".dco: malformed, ignored: " + fileName);
    return false;
  }
  for (int32_t i = 1; i <= int32_t(records->size()); ++i) {
    const TVTLElement& el = elementOf(dialog, i);
    if (pageFilter == 0 || el.page == pageFilter) restoreElement(dialog, i, (*records)[size_t(i - 1)]);
  }
  return true;
}

// [SECTION] all dialogs

std::string dialogStateFileName(int32_t dialog) {
  return programPath("\\data\\settings\\di_" + std::to_string(dialog) + ".dco");
}

void saveDialogStates() {
  replaceFile(indexesFile(), "");
  // One file that cannot be written must not cost the settings of the dialogs after it: the
  // others are still written, then the first failure is raised.
  std::optional<EInOutError> firstFailure;
  for (int32_t n = appopt.di_vtlgrafik + 1; n <= vtl.diags.count(); ++n) {
    try {
      saveDialogState(n, dialogStateFileName(n));
    } catch (const EInOutError& e) {
      if (!firstFailure) firstFailure = e;
    }
  }
  if (firstFailure) throw *firstFailure;
}

void loadDialogStates() {
  const std::vector<int32_t>& skip = vtl.stateExclusions;
  for (int32_t n = appopt.di_vtlgrafik + 1; n <= vtl.diags.count(); ++n) {
    if (std::find(skip.begin(), skip.end(), n) != skip.end()) continue;
    if (dialogOf(n).title.view().starts_with('#')) continue;
    loadDialogState(n, dialogStateFileName(n), 0);
  }
}

void appendLine(const std::string& fileName, std::string_view line) {
  ensureParentFolder(fileName);
  std::FILE* f = std::fopen(fileName.c_str(), "ab");
  bool ok = f != nullptr;
  if (f) {
    ok = std::fwrite(line.data(), 1, line.size(), f) == line.size() && std::fwrite("\r\n", 1, 2, f) == 2;
    ok = std::fclose(f) == 0 && ok;
  }
  if (!ok) throw EInOutError("cannot append to " + fileName);
}

// [SECTION] raw records

void saveDialogRecord(int32_t dialog, const std::string& fileName) {
  std::vector<uint8_t> bytes = encodeDialogRecord(dialogOf(dialog));
  replaceFile(fileName, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

bool loadDialogRecord(int32_t dialog, const std::string& fileName, std::string* error) {
  auto fail = [error](std::string why) {
    if (error) *error = std::move(why);
    return false;
  };
  TVTLDialog& live = dialogOf(dialog);
  std::vector<uint8_t> bytes;
  if (!readFileBytes(fileName, bytes)) return fail("cannot read " + fileName);
  auto loaded = std::make_unique<TVTLDialog>();
  std::string why;
  if (!decodeDialogRecord(bytes, *loaded, why)) return fail(fileName + ": " + why);
  for (int n = 1; n <= kMaxElements; ++n) {
    TVTLElement& e = loaded->elements[n];
    const TVTLElement& own = live.elements[n];
    if (e.Stringscount > own.itemSlots)
      return fail(fileName + ": element " + std::to_string(n) + " counts more strings than it has room for");
    // Handles and draw methods belong to this run's dialog, never to a file.
    e.handleBase = own.handleBase;
    e.itemSlots = own.itemSlots;
    e.highlight = own.highlight;
    e.drawMethod = own.drawMethod;
  }
  live = *loaded;
  return true;
}
