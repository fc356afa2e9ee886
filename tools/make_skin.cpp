// Writes the engine's skin pictures into a folder: "elem.bmp", "surface0.bmp" ..
// "surface11.bmp" and "detail.bmp", each with its alpha companion, and the shine "cm1.bmp".
// Usage: make_skin <folder>
#include <cstdio>
#include <string>

#include "engine/skin_pictures.h"
#include "tools/picture_writer.h"

namespace {

TPicImage toImage(const TSkinPicture& p) {
  TPicImage image(p.width, p.height);
  for (int32_t y = 0; y < p.height; ++y)
    for (int32_t x = 0; x < p.width; ++x) {
      const TSkinRgba& c = p.at(x, y);
      image.set(x, y, {c.r, c.g, c.b});
      image.setAlpha(x, y, c.a);
    }
  return image;
}

bool write(const std::string& folder, const std::string& name, const TSkinPicture& p, bool withAlpha) {
  const std::string path = folder + "/" + name;
  const TPicImage image = toImage(p);
  if (!writeBmp(path, image)) return false;
  return !withAlpha || writeAlphaBmp(alphaCompanionPath(path), image);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_skin <folder>\n");
    return 2;
  }
  const std::string folder = argv[1];
  bool ok = write(folder, "elem.bmp", drawElementAtlas(), true);
  for (int n = 0; n < kSkinSurfaceCount; ++n)
    ok = write(folder, "surface" + std::to_string(n) + ".bmp", drawSurface(n), true) && ok;
  ok = write(folder, "detail.bmp", drawDetailStrip(), true) && ok;
  ok = write(folder, "cm1.bmp", drawShine(), false) && ok;
  if (!ok) {
    std::fprintf(stderr, "make_skin: cannot write the pictures into %s\n", folder.c_str());
    return 1;
  }
  return 0;
}
