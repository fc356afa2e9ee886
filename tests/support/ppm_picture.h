// A binary PPM picture as the test hooks write it (rows from the top), for the window tests
// that check chosen pixels of what a program showed.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/loading_screen.h"

struct PpmPicture {
  int width = 0, height = 0;
  std::vector<unsigned char> rgb;

  bool read(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::string magic;
    int maxValue = 0;
    if (!(in >> magic >> width >> height >> maxValue) || magic != "P6" || width <= 0 || height <= 0) return false;
    in.get();
    rgb.resize(size_t(width) * size_t(height) * 3);
    return bool(in.read(reinterpret_cast<char*>(rgb.data()), std::streamsize(rgb.size())));
  }
  TVTLPlainColour at(int x, int y) const {
    const size_t i = (size_t(y) * size_t(width) + size_t(x)) * 3;
    return {rgb[i], rgb[i + 1], rgb[i + 2]};
  }
  // The sum of the three channels' differences at (x, y).
  int difference(const PpmPicture& other, int x, int y) const {
    const TVTLPlainColour a = at(x, y), b = other.at(x, y);
    return std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b);
  }
};
