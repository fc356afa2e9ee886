// The table design's parameters: the reader of "param.txt" in the design's folder and the
// clear colour of its grey level.
#pragma once

#include <cstdint>
#include <istream>
#include <string_view>

// What the reader of one key found.
enum class TParamRead { found, keyMissing, notTwoDigits };

// readParamValue: skips characters until those read so far end with `key`, then takes the
// next two as a decimal number into `value`. A key that does not come before the end of the
// stream leaves the stream where it was, so the next key is looked for from there; a value
// that is not two digits leaves the stream behind the two characters. `value` is only
// written when the key was found with two digits.
TParamRead readParamValue(std::istream& in, std::string_view key, int32_t& value);

// Reads the fourteen keys in their fixed order into envParam; a key that is missing or not
// two digits takes the plain table's value, so a faulty design still draws. Returns the
// number of keys that took their default (14 for a stream that is not open).
int32_t readTableParams(std::istream& in);

// loadTableParams: "\data\bilder" + envParam.tableDir + "\param.txt" into envParam, then the
// clear colour by the grey level. A missing file or faulty keys write one line to the error
// log; tableParamsLoaded is set when the file was read.
void loadTableParams();

// setGrayColor: the clear colour grey n / 99 (alpha 0), n from 0 to 99.
void setGrayColor(int32_t n);
