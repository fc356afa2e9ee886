// Uploads and the texture cache on a real context under Xvfb: numbers from 40 kept on reload
// into the same variable, number 1..39 given up, the cache's entries, the filter choice put
// back, the quality-folder step, the upload paths, and the numbers after a new context.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <filesystem>

#include "engine/engine_form.h"
#include "engine/engine_options.h"
#include "engine/textures.h"
#include "platform/window.h"
#include "tests/engine/engine_fixture.h"
#include "tests/engine/picture_fixtures.h"

using namespace picfix;

namespace {
class TextureCacheTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    resetTextureCache();
    winSetBackend(WindowBackend::sdl);
    ASSERT_TRUE(winOpen("Skat", 320, 240)) << winLastError();
    ASSERT_TRUE(winCreateContext()) << winLastError();
    vtl.glVersion = 21;
    appopt.textureQuality = 2;
  }
  void TearDown() override {
    winClose();
    winSetBackend(WindowBackend::null);
    resetTextureCache();
    EngineTest::TearDown();
  }
  std::string bmp(const std::string& name, int32_t width, int32_t height) const {
    const std::string path = (folder_ / name).string();
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    writeBytes(path, makeBmp({.width = width, .height = height}));
    return path;
  }
};

GLint levelWidth(int32_t texture, GLint level) {
  glBindTexture(GL_TEXTURE_2D, GLuint(texture));
  GLint w = 0;
  glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_WIDTH, &w);
  return w;
}

GLint alphaBits(int32_t texture) {
  glBindTexture(GL_TEXTURE_2D, GLuint(texture));
  GLint a = 0;
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_ALPHA_SIZE, &a);
  return a;
}
}  // namespace

TEST_F(TextureCacheTest, NumbersFromFortyKeptOnReload) {
  const std::string jpeg = (folder_ / "colour.jpg").string();
  std::filesystem::copy_file(fixturePath("colour.jpg"), jpeg);
  int32_t number = 0;
  EXPECT_EQ(loadTextureFile(number, jpeg, "", false, false), number);
  ASSERT_GE(number, 40);
  EXPECT_EQ(levelWidth(number, 0), 5);
  const int32_t first = number;
  loadTextureFile(number, bmp("wide.bmp", 8, 2), "", false, false);
  EXPECT_EQ(number, first) << "a variable of 40 or more keeps its number";
  EXPECT_EQ(levelWidth(number, 0), 8) << "and its texture gets the new picture";

  // A variable holding 12 gives texture 12 up and gets a fresh number.
  glBindTexture(GL_TEXTURE_2D, 12);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 1, 1, 0, GL_RGB, GL_UNSIGNED_BYTE, "\0\0\0");
  ASSERT_TRUE(glIsTexture(12));
  int32_t twelve = 12;
  loadTextureFile(twelve, jpeg, "", false, false);
  EXPECT_FALSE(glIsTexture(12));
  EXPECT_GE(twelve, 40);
  EXPECT_NE(twelve, first);
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST_F(TextureCacheTest, CacheEntriesByVariable) {
  const std::string a = bmp("a.bmp", 4, 4), b = bmp("b.bmp", 2, 2);
  int32_t one = 0, two = 0;
  loadTextureCached(one, a, false, -1);
  loadTextureCached(two, a, false, -1);
  EXPECT_EQ(textureCache.count, 2) << "two variables, two entries, even for one file";
  EXPECT_NE(one, two);
  ASSERT_GE(one, 40);
  ASSERT_GE(two, 40);

  // The same variable and file again: no entry, no upload (the changed file is not read).
  bmp("a.bmp", 16, 16);
  const int32_t before = one;
  loadTextureCached(one, a, false, -1);
  EXPECT_EQ(textureCache.count, 2);
  EXPECT_EQ(one, before);
  EXPECT_EQ(levelWidth(one, 0), 4);

  // The variable reused for another file: its own number, its entry renamed.
  loadTextureCached(one, b, false, -1);
  EXPECT_EQ(one, before);
  EXPECT_EQ(textureCache.count, 2);
  EXPECT_EQ(textureCache.names[1], b);
  EXPECT_EQ(levelWidth(one, 0), 2);
  ASSERT_EQ(textureCache.names.size(), 3u) << "index 0 is kept unused";
  EXPECT_EQ(textureCache.names[0], "");
}

TEST_F(TextureCacheTest, FilterChoiceComesBack) {
  const std::string a = bmp("a.bmp", 2, 2);
  appopt.textureFilterChoice = 3;
  int32_t number = 0;
  loadTextureCached(number, a, false, 1);
  EXPECT_EQ(appopt.textureFilterChoice, 3);
  loadTextureCached(number, a, false, 1);  // already cached: nothing to do, still restored
  EXPECT_EQ(appopt.textureFilterChoice, 3);
  int16_t small = 0;
  loadTextureCached16(small, a, false, 4);
  EXPECT_EQ(appopt.textureFilterChoice, 3);
  EXPECT_GE(small, 40);
}

TEST_F(TextureCacheTest, NumbersSurviveANewContext) {
  const std::string a = bmp("a.bmp", 4, 2), b = bmp("b.bmp", 2, 2);
  int32_t one = 0, two = 0;
  loadTextureCached(one, a, false, -1);
  loadTextureCached(two, b, false, -1);
  winDestroyContext();
  ASSERT_TRUE(winCreateContext()) << winLastError();
  reloadCachedTextures();
  EXPECT_EQ(levelWidth(one, 0), 4);
  EXPECT_EQ(levelWidth(two, 0), 2);
  // A number handed out after the reload is none of the cached ones.
  int32_t fresh = 0;
  loadTextureFile(fresh, b, "", false, false);
  EXPECT_NE(fresh, one);
  EXPECT_NE(fresh, two);
  // The callers' variables still find their entries: no new ones.
  loadTextureCached(one, a, false, -1);
  EXPECT_EQ(textureCache.count, 2);
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST_F(TextureCacheTest, QualityFolderStepsOnce) {
  bmp("2/x.bmp", 2, 2);
  bmp("3/y.bmp", 4, 4);
  bmp("3/z.bmp", 8, 8);
  int32_t x = 0, y = 0;
  loadTextureFile(x, (folder_ / "1/x.bmp").string(), "", false, false);
  EXPECT_EQ(levelWidth(x, 0), 2) << "folder 1 steps to folder 2";
  loadTextureFile(y, (folder_ / "2/y.bmp").string(), "", false, false);
  EXPECT_EQ(levelWidth(y, 0), 4) << "folder 2 steps to folder 3";
  std::string aborted;
  textureAbort = [](const std::string& text) { throw std::runtime_error(text); };
  int32_t z = 0;
  try {
    loadTextureFile(z, (folder_ / "1/z.bmp").string(), "", false, false);
  } catch (const std::runtime_error& e) {
    aborted = e.what();
  }
  textureAbort = defaultTextureAbort;
  EXPECT_EQ(aborted, (folder_ / "1/z.bmp").string() + " not found") << "no second step from 1 to 3";
}

TEST_F(TextureCacheTest, UploadPaths) {
  struct Case {
    const char* name;
    int32_t glVersion;
    bool mipmap;
    int32_t quality;
    bool levels;  // mipmap levels below the picture
  };
  const Case cases[] = {
      {"plain.bmp", 21, false, 3, false},
      {"plain.bmp", 21, true, 2, false},
      {"plain.bmp", 21, true, 3, true},   // the driver builds them
      {"plain.bmp", 20, false, 1, true},  // gluBuild2DMipmaps
      {"tile10.bmp", 21, false, 1, true},  // a name ending in "e10.bmp" takes the old path
  };
  for (const Case& c : cases) {
    vtl.glVersion = c.glVersion;
    appopt.textureQuality = c.quality;
    int32_t number = 0;
    loadTextureFile(number, bmp(c.name, 4, 4), "", c.mipmap, false);
    EXPECT_EQ(levelWidth(number, 0), 4) << c.name << " " << c.glVersion;
    EXPECT_EQ(levelWidth(number, 1) > 0, c.levels) << c.name << " version " << c.glVersion << " mipmap " << c.mipmap
                                                   << " quality " << c.quality;
    GLint minFilter = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &minFilter);
    EXPECT_EQ(minFilter, GL_LINEAR) << c.name;
  }
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST_F(TextureCacheTest, AlphaDecidesTheFormat) {
  bmp("sa.bmp", 3, 2);
  writeBytes((folder_ / "chipa.bmp").string(), makeBmp({.width = 3, .height = 2}));
  writeBytes((folder_ / "chip.tga").string(), makeTga({.bits = 32}));
  int32_t withCompanion = 0, plain = 0, keyed = 0, tga = 0;
  loadTextureFile(withCompanion, bmp("s.bmp", 3, 2), "", false, false);
  loadTextureFile(plain, bmp("p.bmp", 3, 2), "", false, false);
  loadTextureFile(keyed, bmp("k.bmp", 3, 2), "", false, true);
  loadTextureFile(tga, (folder_ / "chip.tga").string(), "", false, true);
  EXPECT_GT(alphaBits(withCompanion), 0) << "a companion beside the file turns alpha on";
  EXPECT_EQ(alphaBits(plain), 0);
  EXPECT_GT(alphaBits(keyed), 0);
  EXPECT_EQ(alphaBits(tga), 0) << "a TGA picture is always RGB";
}
