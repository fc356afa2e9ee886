// Textures: decoding a picture file (BMP, JPEG, TGA, with an alpha companion or the red
// colour key) into pixels, uploading it into a GL texture number of 40 or more, and the
// texture cache that remembers which file each number holds so that every cached texture can
// be uploaded again after the GL context was re-created.
// [SECTION] decoded pictures
// [SECTION] uploads
// [SECTION] the texture cache
// [SECTION] reports
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// [SECTION] decoded pictures

// Texture numbers 1..39 are never given to a loaded picture.
inline constexpr int32_t kFirstTextureNumber = 40;

// TTexture: one decoded picture, alive for one upload. Exactly one of the two buffers is filled
// (RGBA when alpha was asked for and the file is a BMP or JPEG, RGB otherwise); rows run
// bottom-up as GL expects. A picture that could not be decoded is 0 x 0 with both empty.
struct TTexture {
  int32_t textureNumber = 0;  // the number the picture is meant for
  int32_t width = 0;          // pixels
  int32_t height = 0;         // pixels
  std::vector<uint8_t> rgb;   // width * height * 3 (R, G, B), empty unless filled
  std::vector<uint8_t> rgba;  // width * height * 4 (R, G, B, A), empty unless filled

  TTexture() = default;
  // TTexture.Create: decodes the file. alpha asks for RGBA; an alpha file name that is not
  // empty names the picture supplying the alpha channel and turns alpha on. A missing file
  // goes to textureAbort (" not found").
  TTexture(int32_t number, const std::string& fileName, bool alpha, const std::string& alphaFileName);

  bool hasAlpha() const { return !rgba.empty(); }
};

// The alpha companion's name: "back.bmp" -> "backa.bmp", "logo.jpg" -> "logoa.bmp".
std::string alphaCompanionName(const std::string& fileName);

// [SECTION] uploads

// TVTLApplication.loadTextureFile: decodes the file and uploads it into the variable's texture.
// A variable below 40 receives a fresh number of at least 40 first (a number 1..39 is deleted);
// a variable of 40 or more keeps its number. Returns the number, left in the variable. Without
// a GL context nothing is decoded or uploaded and the variable is returned as it is.
int32_t loadTextureFile(int32_t& number, const std::string& fileName, const std::string& alphaFileName,
                        bool mipmap, bool alpha);
// The same for an int16 variable; a number outside int16 is a range error.
int16_t loadTextureFile16(int16_t& number, const std::string& fileName, const std::string& alphaFileName,
                          bool mipmap, bool alpha);

// The same for a picture already decoded in memory (a card face whose file could not be
// written), with the alpha of the BMP `alphaFileName` when it has the picture's size.
struct TBgrPicture;
int32_t loadTexturePicture(int32_t& number, const TBgrPicture& picture, const std::string& alphaFileName, bool mipmap);

// TVTLApplication.deleteTexture: deletes GL texture `number` when it is 1 or more and returns
// it; returns 0 for a number below 1.
int32_t deleteTexture(int32_t number);

// TVTLApplication.setStandardTextureDetail: textAccuracy and the texture quality both 2.
void setStandardTextureDetail();

// The quality-folder step: the rightmost "\1" or "\2" (or "/1", "/2") of the path with its
// digit raised by one, when that file exists; otherwise the name as given. One step only.
std::string qualityFolderFallback(const std::string& fileName);

// fixBitmapHeader: kept for the callers' sake, writes nothing. The bitmap reader ignores the
// file-size and image-size fields that the old repair rewrote.
void fixBitmapHeader(const std::string& fileName);

// [SECTION] the texture cache

// TCustomTextureList: entry k (1..count) says texture number numbers[k] holds file names[k].
// Index 0 of both arrays is never used. Entries are never removed.
struct TCustomTextureList {
  std::vector<std::string> names{""};  // count + 1 entries
  std::vector<int32_t> numbers{0};     // count + 1 entries
  int32_t count = 0;
};
extern TCustomTextureList textureCache;

// TVTLApplication.loadTextureCached: loads through the cache. filterChoice is the value
// textureFilterChoice holds while the call runs (-1 leaves it alone). A variable that already
// holds the number of an entry for the same file causes no work.
int32_t loadTextureCached(int32_t& number, const std::string& fileName, bool mipmap, int32_t filterChoice);
int16_t loadTextureCached16(int16_t& number, const std::string& fileName, bool mipmap, int32_t filterChoice);

// Every cache entry uploaded again into its own number (after the GL context was re-created).
void reloadCachedTextures();
// Empties the cache (tests; the engine's destruction).
void resetTextureCache();

// [SECTION] reports

// The box with an Abort button that ends the process with exit code 1 (a missing file, a TGA
// file that is not uncompressed true-colour or is cut short). Tests replace it with one that
// throws.
using TTextureAbortFn = void (*)(const std::string& text);
extern TTextureAbortFn textureAbort;
// The notice of a picture that cannot be read ("Error: cannot open/write " + name); decoding
// goes on with an empty picture.
using TTextureNoticeFn = void (*)(const std::string& text);
extern TTextureNoticeFn textureNotice;
// The default reports: the platform's message box, then for the abort the end of the process.
void defaultTextureAbort(const std::string& text);
void defaultTextureNotice(const std::string& text);
