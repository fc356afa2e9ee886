// The reader of a table design's "param.txt".
#include "table/table_params.h"

#include <GL/gl.h>

#include <fstream>
#include <string>

#include "engine/error_log.h"
#include "platform/paths.h"
#include "shell/env_param.h"

namespace {

struct TParamKey {
  const char* key;
  int32_t TEnvParam::*field;  // null: one of the unused values
  int32_t unusedIndex;
  int32_t plain;  // the value of a plain rectangular table without mirror
};

// The file's order; a key earlier in the file than the one before it is not found.
const TParamKey paramKeys[] = {
    {"rund=", &TEnvParam::tableStyle, 0, 0},
    {"reflection=", &TEnvParam::reflection, 0, 0},
    {"tbreite=", &TEnvParam::tableWidth, 0, 1},
    {"thoehe=", &TEnvParam::tableHeight, 0, 1},
    {"kbreite=", &TEnvParam::edgeRepeat, 0, 1},
    {"bbreite=", nullptr, 1, 1},
    {"bhoehe=", nullptr, 2, 1},
    {"blight=", nullptr, 6, 0},
    {"wbreite=", nullptr, 3, 1},
    {"whoehe=", nullptr, 4, 1},
    {"wlight=", nullptr, 5, 0},
    {"gray=", &TEnvParam::grayLevel, 0, 50},
    {"transparenz=", &TEnvParam::transparency, 0, 0},
    {"ref_weg=", &TEnvParam::reflectionOff, 0, 50},
};

int32_t& paramField(const TParamKey& k) {
  return k.field ? envParam.*k.field : envParam.unusedParams[k.unusedIndex];
}

bool isDigit(int c) { return c >= '0' && c <= '9'; }

}  // namespace

TParamRead readParamValue(std::istream& in, std::string_view key, int32_t& value) {
  const std::istream::pos_type start = in.tellg();
  // Only the last length(key) characters can end with the key.
  std::string tail;
  for (;;) {
    const int c = in.get();
    if (c == EOF) {
      in.clear();
      in.seekg(start);
      return TParamRead::keyMissing;
    }
    tail.push_back(char(c));
    if (tail.size() > key.size()) tail.erase(0, 1);
    if (tail == key) break;
  }
  const int hi = in.get();
  const int lo = in.get();
  if (!isDigit(hi) || !isDigit(lo)) {
    in.clear();
    return TParamRead::notTwoDigits;
  }
  value = (hi - '0') * 10 + (lo - '0');
  return TParamRead::found;
}

int32_t readTableParams(std::istream& in) {
  int32_t defaults = 0;
  for (const TParamKey& k : paramKeys) {
    int32_t& field = paramField(k);
    if (!in || readParamValue(in, k.key, field) != TParamRead::found) {
      field = k.plain;
      defaults++;
    }
  }
  return defaults;
}

void loadTableParams() {
  const std::string systemPath = "\\data\\bilder" + envParam.tableDir + "\\param.txt";
  std::ifstream in(programPath(systemPath), std::ios::binary);
  const bool opened = in.is_open();
  const int32_t defaults = readTableParams(in);
  if (opened) envParam.tableParamsLoaded = 1;
  setGrayColor(envParam.grayLevel);
  if (!opened)
    logErrorLine(systemPath + " cannot be read; the table is drawn plain");
  else if (defaults > 0)
    logErrorLine(systemPath + ": " + std::to_string(defaults) +
                 " keys missing or not two digits; they take the plain table's values");
}

void setGrayColor(int32_t n) {
  const float g = float(n) / 99.0f;
  glClearColor(g, g, g, 0.0f);
}
