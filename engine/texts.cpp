// The engine's text tables: reading fragments.txt and messages.txt, text and message lookup,
// suit tokens and the Enter callback.
// [SECTION] field reader
// [SECTION] loading
// [SECTION] lookup
// [SECTION] suit tokens
#include "engine/texts.h"

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "engine/error_log.h"
#include "platform/errors.h"
#include "platform/alert.h"
#include "platform/paths.h"

// [SECTION] field reader

namespace {

constexpr char fieldEnd = '#';
constexpr char cr = '\r';
constexpr char lf = '\n';

// Fields of a text table: a run of bytes ended by "#", CR or the end of the file; LF is
// dropped wherever it stands. Records are a fixed number of fields; lines do not matter.
class TTextFieldReader {
 public:
  explicit TTextFieldReader(std::string bytes) : bytes_(std::move(bytes)) {}

  bool atEnd() const { return pos_ >= bytes_.size(); }

  std::string readField() {
    if (atEnd()) throw EInOutError("Read beyond end of file");
    std::string field;
    for (;;) {
      char c = bytes_[pos_++];
      if (c != lf && c != cr && c != fieldEnd) field += c;
      if (c == cr || c == fieldEnd || atEnd()) return field;
    }
  }

  // A decimal int32; an empty field is -1.
  int32_t readIntField() {
    std::string field = readField();
    if (field.empty()) return -1;
    errno = 0;
    char* stop = nullptr;
    long long v = std::strtoll(field.c_str(), &stop, 10);
    bool digitsOnly = field.find_first_not_of("+-0123456789") == std::string::npos;
    if (!digitsOnly || *stop != '\0' || errno == ERANGE || v < INT32_MIN || v > INT32_MAX)
      throw EConvertError("'" + field + "' is not a valid integer value");
    return static_cast<int32_t>(v);
  }

  // Line breaks between records: a final CR LF and blank lines end no record.
  void skipLineBreaks() {
    while (!atEnd() && (bytes_[pos_] == cr || bytes_[pos_] == lf)) pos_++;
  }

 private:
  std::string bytes_;
  size_t pos_ = 0;
};

TTextFieldReader openTextTable(const char* systemPath) {
  std::ifstream in(programPath(systemPath), std::ios::binary);
  if (!in) throw EInOutError("File not found");
  return TTextFieldReader(std::string(std::istreambuf_iterator<char>(in), {}));
}

// A damaged table goes to the error log and to an alert; the records read so far stay.
void reportDamagedTable(const char* routine, const char* systemPath, int32_t recordsRead,
                        const std::exception& e) {
  std::string screenText;
  captureStackIfNone();
  logErrorReport(e, screenText);
  showAlert(std::string("ACHTUNG! ") + routine + ": Fehler in " + systemPath + " nach " +
            std::to_string(recordsRead) + " Einträgen: " + e.what());
}

int32_t buttonsOfKind(const std::string& kind) {
  if (kind == "mb_okeula") return 2;
  if (kind == "mb_yesno") return 4;
  return 0;  // "mb_ok" and any other keyword
}

}  // namespace

// [SECTION] loading

TVTLTextTables textTables;

void resetTextTables() { textTables = TVTLTextTables(); }

void setLanguage(const std::string& name, int32_t column) {
  textTables.languageName = name;
  textTables.textColumn = column;
}

void loadFragments() {
  TVTLTextTables& t = textTables;
  int32_t& fragmentCount = t.fragmentCount;
  fragmentCount = 0;
  t.fragmentIndex.clear();
  bool second = t.textColumn == 2;
  try {
    TTextFieldReader r = openTextTable(kFragmentsFile);
    for (r.skipLineBreaks(); !r.atEnd(); r.skipLineBreaks()) {
      if (fragmentCount >= kFragmentCapacity) throw ERangeError("Range check error");
      // Built apart and stored whole, so a record cut short leaves its slot as it was.
      TVTLFragment f = t.fragmentTable[fragmentCount];
      f.key = r.readField();
      f.number = r.readIntField();
      std::string column1 = r.readField();
      std::string column2 = r.readField();
      if (second) {
        f.altText = column1;
        f.text = column2;
      } else {
        f.text = column1;
      }
      t.fragmentTable[fragmentCount++] = f;
    }
  } catch (const std::exception& e) {
    reportDamagedTable("loadFragments", kFragmentsFile, fragmentCount, e);
  }
}

void loadMessageTable() {
  TVTLTextTables& t = textTables;
  int32_t& messageCount = t.messageCount;
  messageCount = 0;
  int column = t.textColumn == 2 ? 2 : 1;
  try {
    TTextFieldReader r = openTextTable(kMessagesFile);
    for (r.skipLineBreaks(); !r.atEnd(); r.skipLineBreaks()) {
      if (messageCount >= kMessageCapacity) throw ERangeError("Range check error");
      TVTLMessageBoxRecord m = t.messageTable[messageCount];
      m.buttons = buttonsOfKind(r.readField());
      m.id = r.readIntField();
      for (int pair = 1; pair <= 2; pair++) {
        std::string title = r.readField();
        std::string text = r.readField();
        if (pair != column) continue;
        m.title = title;
        m.text = text;
      }
      t.messageTable[messageCount++] = m;
    }
  } catch (const std::exception& e) {
    reportDamagedTable("loadMessageTable", kMessagesFile, messageCount, e);
  }
}

// [SECTION] lookup

std::string fillPercentMarks(std::string_view text, std::string_view p1, std::string_view p2,
                             std::string_view p3, std::string_view p4) {
  const std::string_view values[4] = {p1, p2, p3, p4};
  int next = 0;
  std::string out;
  out.reserve(text.size() + p1.size() + p2.size() + p3.size() + p4.size());
  for (char c : text) {
    if (c == '%' && next < 4)
      out += values[next++];
    else
      out += c;
  }
  return out;
}

std::string lookupText(std::string_view key, std::string_view p1, std::string_view p2,
                       std::string_view p3, std::string_view p4, bool useAlternative) {
  TVTLTextTables& t = textTables;
  if (t.fastMode) return {};
  auto fill = [&](const TVTLFragment& f) {
    return fillPercentMarks(useAlternative ? f.altText.view() : f.text.view(), p1, p2, p3, p4);
  };
  auto known = t.fragmentIndex.find(std::string(key));
  if (known != t.fragmentIndex.end()) {
    if (known->second < 0) return {};  // looked for before: no such key
    if (t.fragmentTable[known->second].key.view() == key) return fill(t.fragmentTable[known->second]);
  }
  for (int32_t i = 0; i < kFragmentCapacity; i++) {
    const TVTLFragment& f = t.fragmentTable[i];
    if (f.key.view() != key) continue;
    t.fragmentIndex[std::string(key)] = i;
    return fill(f);
  }
  t.fragmentIndex[std::string(key)] = -1;
  return {};
}

TVTLMessageBoxRecord findMessage(int32_t id) {
  TVTLMessageBoxRecord none{};
  if (textTables.fastMode) return none;
  for (const TVTLMessageBoxRecord& m : textTables.messageTable)
    if (m.id == id) return m;
  return none;
}

void setEnterCallback(TVTLEnterCallback callback) {
  textTables.onEnterKey = std::move(callback);
}

// [SECTION] suit tokens

bool replaceToken(std::string_view token, std::string_view replacement, std::string& text) {
  if (token.empty()) return false;
  bool replaced = false;
  size_t from = 0;
  for (size_t at; (at = text.find(token, from)) != std::string::npos;) {
    size_t length = token.size();
    if (at + length < text.size() && text[at + length] == 'n') length++;  // "s_herzn" reads as one
    text.replace(at, length, replacement);
    // Go on behind the replacement, so a replacement holding the token cannot loop.
    from = at + replacement.size();
    replaced = true;
  }
  return replaced;
}

std::string replaceSuitTokens(std::string_view text) {
  std::string out(text);
  replaceToken("s_kreuz", "\x14", out);
  replaceToken("s_pik", "\x15", out);
  replaceToken("s_herz", "\x16", out);
  replaceToken("s_karo", "\x17", out);
  return out;
}
