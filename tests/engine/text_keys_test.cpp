// The data folder's text tables against the program's sources: every lookupText("key", ...)
// and showMessageById(n, ...) with a literal key or number (also through wrappers such as
// coreLookupText) must find its record, and the record must have a mark for every value the
// caller passes. Also the tables' own limits.
#include <gtest/gtest.h>
#include <iconv.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <vector>

#include "engine/texts.h"
#include "platform/paths.h"

#ifndef SKAT_SOURCE_DIR
#error "SKAT_SOURCE_DIR names the repository for these tests"
#endif

namespace {

namespace fs = std::filesystem;

// [SECTION] reading the tables raw, to see fields before the loader cuts them

std::string readBytes(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// The records of a table file: fields ended by "#" or CR, LF dropped, line breaks between
// records skipped. A record cut short is returned short; the caller checks the count.
std::vector<std::vector<std::string>> rawRecords(const std::string& bytes, size_t fields) {
  std::vector<std::vector<std::string>> records;
  size_t i = 0;
  auto skipBreaks = [&] {
    while (i < bytes.size() && (bytes[i] == '\r' || bytes[i] == '\n')) i++;
  };
  for (skipBreaks(); i < bytes.size(); skipBreaks()) {
    std::vector<std::string> rec;
    while (rec.size() < fields && i < bytes.size()) {
      std::string f;
      for (;;) {
        char c = bytes[i++];
        if (c != '\n' && c != '\r' && c != '#') f += c;
        if (c == '\r' || c == '#' || i >= bytes.size()) break;
      }
      rec.push_back(f);
    }
    records.push_back(rec);
  }
  return records;
}

fs::path dataFile(const char* systemPath) {
  std::string rel(systemPath);
  for (char& c : rel)
    if (c == '\\') c = '/';
  return fs::path(SKAT_SOURCE_DIR) / rel.substr(1);
}

int countChar(const std::string& s, char c) { return static_cast<int>(std::count(s.begin(), s.end(), c)); }

// UTF-8 read as Windows-1252 shows as "Ã" or "Â" before a continuation byte.
bool looksLikeUtf8(const std::string& s) {
  for (size_t i = 0; i + 1 < s.size(); i++) {
    auto a = static_cast<unsigned char>(s[i]);
    auto b = static_cast<unsigned char>(s[i + 1]);
    if ((a == 0xC2 || a == 0xC3) && b >= 0x80 && b <= 0xBF) return true;
  }
  return false;
}

// [SECTION] scanning the sources

// The sources' UTF-8 literals as the program holds them: Windows-1252 bytes.
std::string toCp1252(const std::string& utf8) {
  iconv_t cd = iconv_open("CP1252", "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) return utf8;
  std::string in = utf8;
  std::string out(in.size() * 2 + 1, '\0');
  char* ip = in.data();
  char* op = out.data();
  size_t il = in.size();
  size_t ol = out.size();
  size_t r = iconv(cd, &ip, &il, &op, &ol);
  iconv_close(cd);
  if (r == static_cast<size_t>(-1)) return utf8;
  out.resize(out.size() - ol);
  return out;
}

// The source without comments; string and character literals stay.
std::string stripComments(const std::string& src) {
  std::string out;
  size_t i = 0;
  while (i < src.size()) {
    char c = src[i];
    if (c == '"' || c == '\'') {
      size_t j = i + 1;
      while (j < src.size() && src[j] != c) j += src[j] == '\\' ? 2 : 1;
      out.append(src, i, j + 1 - i);
      i = j + 1;
    } else if (src.compare(i, 2, "//") == 0) {
      while (i < src.size() && src[i] != '\n') i++;
    } else if (src.compare(i, 2, "/*") == 0) {
      size_t end = src.find("*/", i + 2);
      i = end == std::string::npos ? src.size() : end + 2;
    } else {
      out += c;
      i++;
    }
  }
  return out;
}

// The top-level arguments of a call whose "(" is at `open`; empty when unbalanced.
std::vector<std::string> callArguments(const std::string& src, size_t open) {
  std::vector<std::string> args;
  std::string cur;
  int depth = 0;
  for (size_t i = open + 1; i < src.size(); i++) {
    char c = src[i];
    if (c == '"' || c == '\'') {
      size_t j = i + 1;
      while (j < src.size() && src[j] != c) j += src[j] == '\\' ? 2 : 1;
      cur.append(src, i, j + 1 - i);
      i = j;
      continue;
    }
    if (c == '(' || c == '{' || c == '[') depth++;
    if ((c == ')' || c == '}' || c == ']') && depth-- == 0) {
      if (!cur.empty() || !args.empty()) args.push_back(cur);
      return args;
    }
    if (c == ',' && depth == 0) {
      args.push_back(cur);
      cur.clear();
    } else if (!(cur.empty() && std::isspace(static_cast<unsigned char>(c)))) {
      cur += c;
    }
  }
  return {};
}

struct Call {
  std::string where;  // file:line
  std::string first;  // the first argument as written
  int values;         // values passed for the marks
};

// Every call of `name` in a source text, also through wrappers whose name ends in it
// (coreLookupText, coreShowMessageById), with the count of values after the first argument
// (lookupText's trailing useAlternative flag is not a value).
std::vector<Call> findCalls(const std::string& source, const std::string& name,
                            const std::string& file) {
  std::string src = stripComments(source);
  std::string wrapped = name;
  wrapped[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(wrapped[0])));
  std::vector<size_t> starts;
  for (const std::string& n : {name, wrapped})
    for (size_t at = src.find(n); at != std::string::npos; at = src.find(n, at + 1))
      starts.push_back(at + n.size());
  std::sort(starts.begin(), starts.end());
  std::vector<Call> calls;
  for (size_t end : starts) {
    size_t open = src.find_first_not_of(" \t\r\n", end);
    if (open == std::string::npos || src[open] != '(') continue;
    std::vector<std::string> args = callArguments(src, open);
    if (args.empty()) continue;
    int values = static_cast<int>(args.size()) - 1;
    if (values > 4) values = 4;
    int line = 1 + countChar(src.substr(0, end), '\n');
    calls.push_back({file + ":" + std::to_string(line), args[0], values});
  }
  return calls;
}

// A plain string literal's bytes, or false for anything else (variables, escapes, concatenations).
bool literalText(const std::string& arg, std::string& text) {
  if (arg.size() < 2 || arg.front() != '"' || arg.back() != '"') return false;
  text = arg.substr(1, arg.size() - 2);
  return text.find_first_of("\"\\") == std::string::npos;
}

bool integerLiteral(const std::string& arg, int& value) {
  if (arg.empty() || arg.find_first_not_of("0123456789") != std::string::npos) return false;
  value = std::stoi(arg);
  return true;
}

std::vector<std::pair<std::string, std::string>> sourceFiles() {
  std::vector<std::pair<std::string, std::string>> files;
  for (const char* dir : {"core", "engine", "shell", "table", "games", "net", "sound"}) {
    fs::path root = fs::path(SKAT_SOURCE_DIR) / dir;
    if (!fs::exists(root)) continue;
    for (const auto& e : fs::recursive_directory_iterator(root)) {
      std::string ext = e.path().extension().string();
      if (e.is_regular_file() && (ext == ".cpp" || ext == ".h"))
        files.emplace_back(fs::relative(e.path(), SKAT_SOURCE_DIR).string(), readBytes(e.path()));
    }
  }
  return files;
}

// [SECTION] the tables

struct Tables {
  std::map<std::string, std::vector<std::string>> fragments;  // key -> record
  std::map<int, std::vector<std::string>> messages;           // id -> record
};

const Tables& tables() {
  static Tables t = [] {
    Tables r;
    for (auto& rec : rawRecords(readBytes(dataFile(kFragmentsFile)), 4))
      if (rec.size() == 4) r.fragments.emplace(rec[0], rec);
    for (auto& rec : rawRecords(readBytes(dataFile(kMessagesFile)), 6))
      if (rec.size() == 6 && !rec[1].empty()) r.messages.emplace(std::stoi(rec[1]), rec);
    return r;
  }();
  return t;
}

// [SECTION] tests

TEST(TextTableFiles, FitTheirLimitsAndAreWindows1252) {
  std::string bytes = readBytes(dataFile(kFragmentsFile));
  auto records = rawRecords(bytes, 4);
  EXPECT_LE(records.size(), size_t(kFragmentCapacity));
  EXPECT_FALSE(looksLikeUtf8(bytes)) << "fragments.txt must be Windows-1252, not UTF-8";
  std::set<std::string> keys;
  for (const auto& r : records) {
    ASSERT_EQ(r.size(), 4u) << "record cut short after " << (r.empty() ? "" : r[0]);
    EXPECT_LE(r[0].size(), 32u) << "key too long: " << r[0];
    EXPECT_TRUE(r[1].empty() || r[1].find_first_not_of("-0123456789") == std::string::npos)
        << r[0] << ": number " << r[1];
    EXPECT_LE(r[2].size(), 128u) << r[0] << ": text too long";
    EXPECT_LE(r[3].size(), 128u) << r[0] << ": second text too long";
    EXPECT_TRUE(keys.insert(r[0]).second) << "key twice: " << r[0];
  }

  std::string messageBytes = readBytes(dataFile(kMessagesFile));
  auto messages = rawRecords(messageBytes, 6);
  EXPECT_LE(messages.size(), size_t(kMessageCapacity));
  EXPECT_FALSE(looksLikeUtf8(messageBytes)) << "messages.txt must be Windows-1252, not UTF-8";
  std::set<std::string> ids;
  for (const auto& r : messages) {
    ASSERT_EQ(r.size(), 6u) << "message record cut short";
    EXPECT_TRUE(r[0] == "mb_ok" || r[0] == "mb_okeula" || r[0] == "mb_yesno") << r[1] << ": kind " << r[0];
    EXPECT_FALSE(r[1].empty() || r[1].find_first_not_of("0123456789") != std::string::npos)
        << "message id " << r[1];
    EXPECT_TRUE(ids.insert(r[1]).second) << "message id twice: " << r[1];
    for (int f : {2, 4}) EXPECT_LE(r[f].size(), 32u) << "message " << r[1] << ": title too long";
    for (int f : {3, 5}) EXPECT_LE(r[f].size(), 255u) << "message " << r[1] << ": text too long";
  }
}

TEST(TextTableFiles, LoadWithoutComplaint) {
  // The failing alert sink of the test main turns a damaged-table report into a failure.
  std::string saved = programFolder();
  setProgramFolder(SKAT_SOURCE_DIR);
  resetTextTables();
  setLanguage("deutsch", 1);
  loadFragments();
  loadMessageTable();
  EXPECT_EQ(textTables.fragmentCount, static_cast<int32_t>(tables().fragments.size()));
  EXPECT_EQ(lookupText("f_dialog_ja"), "Ja");
  EXPECT_EQ(lookupText("f_franz_könig"), "König");
  resetTextTables();
  setProgramFolder(saved);
}

TEST(TextKeyScanner, FindsLiteralCallsAndCountsTheirValues) {
  std::string sample =
      "x = lookupText(\"f_a\");  // lookupText(\"f_comment\")\n"
      "y = \"!\" + lookupText( \"f_b\", name, std::to_string(f(1, 2)));\n"
      "z = lookupText(key, a);  /* showMessageById(9) */\n"
      "w = vtl.showMessageById(12, a, b, c, d);\n"
      "v = coreLookupText(\"f_c\", n);\n"
      "u = lookupTextWidth(\"f_no\");\n";
  auto lookups = findCalls(sample, "lookupText", "s.cpp");
  ASSERT_EQ(lookups.size(), 4u);
  EXPECT_EQ(lookups[0].first, "\"f_a\"");
  EXPECT_EQ(lookups[0].values, 0);
  EXPECT_EQ(lookups[1].first, "\"f_b\"");
  EXPECT_EQ(lookups[1].values, 2);
  EXPECT_EQ(lookups[1].where, "s.cpp:2");
  std::string text;
  EXPECT_FALSE(literalText(lookups[2].first, text));
  EXPECT_EQ(lookups[3].first, "\"f_c\"");
  EXPECT_EQ(lookups[3].values, 1);
  auto boxes = findCalls(sample, "showMessageById", "s.cpp");
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].first, "12");
  EXPECT_EQ(boxes[0].values, 4);
}

TEST(TextKeys, EveryLiteralKeyOfTheSourcesIsInTheTableWithItsMarks) {
  auto files = sourceFiles();
  EXPECT_FALSE(files.empty()) << "no sources found below " << SKAT_SOURCE_DIR;
  for (const auto& [file, source] : files) {
    for (const Call& c : findCalls(source, "lookupText", file)) {
      std::string key;
      if (!literalText(c.first, key)) continue;
      key = toCp1252(key);
      auto it = tables().fragments.find(key);
      if (it == tables().fragments.end()) {
        ADD_FAILURE() << c.where << ": key " << key << " is not in " << kFragmentsFile
                      << " (add a record key#number#German text#English text, Windows-1252)";
        continue;
      }
      for (int column : {2, 3})
        EXPECT_EQ(countChar(it->second[column], '%'), c.values)
            << c.where << ": " << key << " (column " << column - 1 << ") has "
            << countChar(it->second[column], '%') << " marks, the caller passes " << c.values;
    }
  }
}

TEST(TextKeys, EveryLiteralMessageNumberOfTheSourcesIsInTheTableWithItsMarks) {
  for (const auto& [file, source] : sourceFiles()) {
    for (const Call& c : findCalls(source, "showMessageById", file)) {
      int id;
      if (!integerLiteral(c.first, id)) continue;
      auto it = tables().messages.find(id);
      if (it == tables().messages.end()) {
        ADD_FAILURE() << c.where << ": message " << id << " is not in " << kMessagesFile
                      << " (add a record mb_ok|mb_yesno#id#title#text#English title#English text,"
                         " Windows-1252)";
        continue;
      }
      const auto& r = it->second;
      for (int column : {1, 2}) {
        const std::string& title = r[2 * column];
        const std::string& text = r[2 * column + 1];
        for (int n = 1; n <= 4; n++) {
          std::string mark = "%" + std::to_string(n);
          bool present = text.find(mark) != std::string::npos ||
                         (n == 1 && title.find(mark) != std::string::npos);
          EXPECT_EQ(present, n <= c.values)
              << c.where << ": message " << id << " (column " << column << ") "
              << (present ? "has " : "lacks ") << mark << ", the caller passes " << c.values
              << " values";
        }
      }
    }
  }
}

}  // namespace
