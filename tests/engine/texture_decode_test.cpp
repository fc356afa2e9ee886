// TTexture on picture files: the RGB or RGBA buffer bottom-up, alpha from the companion's blue
// channel or from the red colour key, a companion of another size, the TGA rules, the Part's
// failure paths (the abort box, the notice with an empty picture), the quality-folder step.
#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>

#include "engine/error_log.h"
#include "engine/textures.h"
#include "tests/engine/engine_fixture.h"
#include "tests/engine/picture_fixtures.h"

using namespace picfix;

namespace {
std::vector<std::string> notices;

struct AbortBox : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Companion blue by position; green and red differ so a wrong channel shows.
Rgb companionAt(int32_t x, int32_t y) { return {7, 9, uint8_t(30 * x + 100 * y + 1)}; }
// Pure red at the corners of the top row, near-red elsewhere on it.
Rgb keyedAt(int32_t x, int32_t y) {
  if (y == 0 && (x == 0 || x == 2)) return {255, 0, 0};
  if (y == 0) return {255, 1, 0};
  return {254, 0, 0};
}

class TextureDecodeTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    notices.clear();
    textureAbort = [](const std::string& text) { throw AbortBox(text); };
    textureNotice = [](const std::string& text) { notices.push_back(text); };
    setErrorLogFile((folder_ / "errors.txt").string());
  }
  void TearDown() override {
    textureAbort = defaultTextureAbort;
    textureNotice = defaultTextureNotice;
    resetErrorLog();
    EngineTest::TearDown();
  }
  std::string file(const std::string& name) const { return (folder_ / name).string(); }
  std::string put(const std::string& name, const std::vector<uint8_t>& bytes) const {
    writeBytes(file(name), bytes);
    return file(name);
  }
  std::string errorLog() const {
    const std::vector<uint8_t> b = readBytes(file("errors.txt"));
    return std::string(b.begin(), b.end());
  }
};

// Buffer row i is picture row height - 1 - i.
const uint8_t* rgbaAt(const TTexture& t, int32_t x, int32_t yFromTop) {
  return &t.rgba[(size_t(t.height - 1 - yFromTop) * size_t(t.width) + size_t(x)) * 4];
}
const uint8_t* rgbAt(const TTexture& t, int32_t x, int32_t yFromTop) {
  return &t.rgb[(size_t(t.height - 1 - yFromTop) * size_t(t.width) + size_t(x)) * 3];
}
}  // namespace

TEST_F(TextureDecodeTest, PlainBmpFillsTheRgbBufferBottomUp) {
  const std::string name = put("plain.bmp", makeBmp({.width = 3, .height = 2}));
  const TTexture t(45, name, false, "");
  EXPECT_EQ(t.textureNumber, 45);
  ASSERT_EQ(t.width, 3);
  ASSERT_EQ(t.height, 2);
  EXPECT_TRUE(t.rgba.empty());
  ASSERT_EQ(t.rgb.size(), 18u);
  for (int32_t y = 0; y < 2; ++y)
    for (int32_t x = 0; x < 3; ++x) {
      const uint8_t* p = rgbAt(t, x, y);
      EXPECT_EQ((Rgb{p[0], p[1], p[2]}), colourAt(x, y)) << x << "," << y;
    }
  EXPECT_TRUE(notices.empty());
}

TEST_F(TextureDecodeTest, CompanionGivesAlphaFromItsBlueChannel) {
  put("backa.bmp", makeBmp({.width = 3, .height = 2, .pixel = companionAt}));
  put("logoa.bmp", makeBmp({.width = 5, .height = 3, .pixel = companionAt}));
  const std::string bmp = put("back.bmp", makeBmp({.width = 3, .height = 2}));
  const std::string jpeg = file("logo.jpg");
  std::filesystem::copy_file(fixturePath("colour.jpg"), jpeg);
  for (const std::string& name : {bmp, jpeg}) {
    const TTexture t(40, name, true, "");
    ASSERT_FALSE(t.rgba.empty()) << name;
    EXPECT_TRUE(t.rgb.empty()) << name;
    for (int32_t y = 0; y < t.height; ++y)
      for (int32_t x = 0; x < t.width; ++x)
        EXPECT_EQ(rgbaAt(t, x, y)[3], companionAt(x, y).b) << name << " at " << x << "," << y;
  }
}

TEST_F(TextureDecodeTest, AlphaFileNameTurnsAlphaOn) {
  const std::string mask = put("mask.bmp", makeBmp({.width = 3, .height = 2, .pixel = companionAt}));
  const std::string name = put("pic.bmp", makeBmp({.width = 3, .height = 2}));
  const TTexture t(40, name, false, mask);
  ASSERT_FALSE(t.rgba.empty());
  EXPECT_EQ(rgbaAt(t, 2, 1)[3], companionAt(2, 1).b);
}

TEST_F(TextureDecodeTest, WithoutCompanionPureRedIsTransparent) {
  const std::string name = put("keyed.bmp", makeBmp({.width = 3, .height = 2, .pixel = keyedAt}));
  const TTexture t(40, name, true, "");
  ASSERT_FALSE(t.rgba.empty());
  for (int32_t y = 0; y < 2; ++y)
    for (int32_t x = 0; x < 3; ++x) {
      const Rgb c = keyedAt(x, y);
      const uint8_t want = (c == Rgb{255, 0, 0}) ? 0 : 255;
      EXPECT_EQ(rgbaAt(t, x, y)[3], want) << x << "," << y;
    }
  // A named alpha file that does not exist leaves the colour key too.
  const TTexture named(40, name, false, file("missinga.bmp"));
  EXPECT_EQ(rgbaAt(named, 0, 0)[3], 0);
  EXPECT_EQ(rgbaAt(named, 1, 0)[3], 255);
}

TEST_F(TextureDecodeTest, CompanionThatCannotServeLeavesTheColourKey) {
  struct Case {
    const char* label;
    std::vector<uint8_t> companion;
    bool notice;  // a companion that cannot be read is also told to the user
  };
  const Case cases[] = {
      {"another size", makeBmp({.width = 2, .height = 2, .pixel = companionAt}), false},
      {"8 bits", makeBmp({.width = 3, .height = 2, .bits = 8}), true},
  };
  for (const Case& c : cases) {
    notices.clear();
    put("keyeda.bmp", c.companion);
    const std::string name = put("keyed.bmp", makeBmp({.width = 3, .height = 2, .pixel = keyedAt}));
    const TTexture t(40, name, true, "");
    ASSERT_EQ(t.rgba.size(), 24u) << c.label;
    EXPECT_EQ(rgbaAt(t, 0, 0)[3], 0) << c.label;
    EXPECT_EQ(rgbaAt(t, 1, 0)[3], 255) << c.label;
    EXPECT_EQ(notices.size(), c.notice ? 1u : 0u) << c.label;
  }
  EXPECT_NE(errorLog().find("keyeda.bmp"), std::string::npos) << "the unused companion is logged";
}

TEST_F(TextureDecodeTest, CompanionWithByte2Of0x38StaysUnchangedOnDisk) {
  const std::vector<uint8_t> companion = makeBmp({.width = 3, .height = 2, .fileSizeField = 0x38, .pixel = companionAt});
  ASSERT_EQ(companion[2], 0x38);
  put("odda.bmp", companion);
  const std::string name = put("odd.bmp", makeBmp({.width = 3, .height = 2}));
  for (int load = 0; load < 2; ++load) {
    const TTexture t(40, name, true, "");
    ASSERT_FALSE(t.rgba.empty());
    EXPECT_EQ(rgbaAt(t, 1, 1)[3], companionAt(1, 1).b);
    EXPECT_EQ(readBytes(file("odda.bmp")), companion) << "load " << load;
  }
}

TEST_F(TextureDecodeTest, TgaIsAlwaysRgb) {
  put("chipa.bmp", makeBmp({.width = 3, .height = 2, .pixel = companionAt}));
  const std::string name = put("chip.tga", makeTga({.bits = 32, .idLength = 3, .fromTop = true}));
  const TTexture t(40, name, true, "");
  EXPECT_TRUE(t.rgba.empty());
  ASSERT_EQ(t.rgb.size(), 18u);
  for (int32_t y = 0; y < 2; ++y)
    for (int32_t x = 0; x < 3; ++x) {
      const uint8_t* p = rgbAt(t, x, y);
      EXPECT_EQ((Rgb{p[0], p[1], p[2]}), colourAt(x, y)) << x << "," << y;
    }
}

TEST_F(TextureDecodeTest, FailurePaths) {
  std::vector<uint8_t> shortTga = makeTga({});
  shortTga.resize(shortTga.size() - 1);
  std::vector<uint8_t> cutJpeg = readBytes(fixturePath("colour.jpg"));
  cutJpeg.resize(cutJpeg.size() / 2);
  struct Case {
    const char* name;
    std::vector<uint8_t> bytes;
    std::string abortTail;  // empty: no abort box
    bool notice;
  };
  const Case cases[] = {
      {"rle.tga", makeTga({.imageType = 10}), " - unrecognized format", false},
      {"short.tga", shortTga, " - read error", false},
      {"eight.bmp", makeBmp({.bits = 8}), "", true},
      {"cut.jpg", cutJpeg, "", true},
      {"picture.png", makeBmp({}), "", false},
  };
  for (const Case& c : cases) {
    notices.clear();
    const std::string name = put(c.name, c.bytes);
    std::string aborted;
    int32_t width = -1;
    try {
      const TTexture t(40, name, true, "");
      width = t.width;
      EXPECT_EQ(t.height, 0) << c.name;
      EXPECT_TRUE(t.rgb.size() + t.rgba.size() == 0) << c.name << ": an empty picture";
    } catch (const AbortBox& e) {
      aborted = e.what();
    }
    if (!c.abortTail.empty()) {
      EXPECT_EQ(aborted, name + c.abortTail) << c.name;
    } else {
      EXPECT_EQ(aborted, "") << c.name;
      EXPECT_EQ(width, 0) << c.name;
    }
    ASSERT_EQ(notices.size(), c.notice ? 1u : 0u) << c.name;
    if (c.notice) {
      EXPECT_EQ(notices[0], "Error: cannot open/write " + name);
    }
  }
  try {
    const TTexture t(40, file("nothere.bmp"), false, "");
    ADD_FAILURE() << "a missing file must end in the abort box";
  } catch (const AbortBox& e) {
    EXPECT_EQ(std::string(e.what()), file("nothere.bmp") + " not found");
  }
}

TEST_F(TextureDecodeTest, QualityFolderStepsOnce) {
  for (const char* dir : {"1", "2", "3", "q1", "q2", "q3"}) std::filesystem::create_directories(folder_ / dir);
  put("2/a.bmp", {1});
  put("3/b.bmp", {1});
  put("3/c.bmp", {1});
  put("1/d.bmp", {1});
  put("q3/e.bmp", {1});
  struct Case {
    std::string asked, want;
  };
  const Case cases[] = {
      {file("1/a.bmp"), file("2/a.bmp")},  // 1 -> 2
      {file("2/b.bmp"), file("3/b.bmp")},  // 2 -> 3
      {file("1/c.bmp"), file("1/c.bmp")},  // no second step to 3
      {file("1/d.bmp"), file("1/d.bmp")},  // an existing file stays
      {file("q2/e.bmp"), file("q2/e.bmp")},  // only a folder named by the digit steps
      {file("1/none.bmp"), file("1/none.bmp")},
  };
  for (const Case& c : cases) EXPECT_EQ(qualityFolderFallback(c.asked), c.want) << c.asked;
  // The system's own backslash form steps the same way.
  std::string backslashed = file("1/a.bmp");
  backslashed[backslashed.size() - 8] = '\\';
  std::string want = backslashed;
  want[want.size() - 7] = '2';
  EXPECT_EQ(qualityFolderFallback(backslashed), want);
}

TEST(TextureNames, AlphaCompanionName) {
  EXPECT_EQ(alphaCompanionName("back.bmp"), "backa.bmp");
  EXPECT_EQ(alphaCompanionName("data\\vitrel\\elem.BMP"), "data\\vitrel\\elema.BMP");
}
