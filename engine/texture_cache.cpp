// The texture cache: which file each cached texture number holds, for the reload after the GL
// context was re-created.
#include "engine/engine_options.h"
#include "engine/gl_context.h"
#include "engine/range_check.h"
#include "engine/textures.h"

TCustomTextureList textureCache;

namespace {
// Restores textureFilterChoice on every way out of the cached load.
class FilterChoiceScope {
 public:
  explicit FilterChoiceScope(int32_t choice) : saved_(appopt.textureFilterChoice), active_(choice != -1) {
    if (active_) appopt.textureFilterChoice = choice;
  }
  ~FilterChoiceScope() {
    if (active_) appopt.textureFilterChoice = saved_;
  }
  FilterChoiceScope(const FilterChoiceScope&) = delete;
  FilterChoiceScope& operator=(const FilterChoiceScope&) = delete;

 private:
  int32_t saved_;
  bool active_;
};
}  // namespace

int32_t loadTextureCached(int32_t& number, const std::string& fileName, bool mipmap, int32_t filterChoice) {
  FilterChoiceScope scope(filterChoice);
  // Without a context nothing is uploaded, and an entry would hold no number.
  if (!engineGLReady()) return loadTextureFile(number, fileName, "", mipmap, false);
  TCustomTextureList& c = textureCache;
  int32_t entry = 0;
  for (int32_t k = 1; k <= c.count; ++k)
    if (c.numbers[size_t(k)] == number) {
      entry = k;
      break;
    }
  if (entry == 0) {
    c.count++;
    c.names.resize(size_t(c.count) + 1);
    c.numbers.resize(size_t(c.count) + 1, 0);
    entry = c.count;
  }
  if (c.names[size_t(entry)] != fileName) {
    c.names[size_t(entry)] = fileName;
    loadTextureFile(number, fileName, "", mipmap, false);
    c.numbers[size_t(entry)] = number;
  }
  return number;
}

int16_t loadTextureCached16(int16_t& number, const std::string& fileName, bool mipmap, int32_t filterChoice) {
  int32_t wide = number;
  loadTextureCached(wide, fileName, mipmap, filterChoice);
  number = toInt16(wide, "loadTextureCached16");
  return number;
}

void reloadCachedTextures() {
  TCustomTextureList& c = textureCache;
  for (int32_t k = 1; k <= c.count; ++k) loadTextureFile(c.numbers[size_t(k)], c.names[size_t(k)], "", false, false);
}

void resetTextureCache() { textureCache = TCustomTextureList(); }
