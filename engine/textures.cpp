// Decoding a picture file into a TTexture and uploading it into a texture number of 40 or more.
// [SECTION] reports
// [SECTION] decoding
// [SECTION] uploads
#include "engine/textures.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>

#include "engine/bmp_reader.h"
#include "engine/engine_form.h"
#include "engine/engine_options.h"
#include "engine/engine_services.h"
#include "engine/error_log.h"
#include "engine/gl_context.h"
#include "engine/jpeg_reader.h"
#include "engine/range_check.h"
#include "engine/tga_reader.h"
#include "platform/paths.h"
#include "platform/window.h"

// [SECTION] reports

void defaultTextureAbort(const std::string& text) {
  winMessageBox(vtl.applicationTitle, text);
  std::exit(1);
}

void defaultTextureNotice(const std::string& text) { winMessageBox(vtl.applicationTitle, text); }

TTextureAbortFn textureAbort = defaultTextureAbort;
TTextureNoticeFn textureNotice = defaultTextureNotice;

// [SECTION] decoding

namespace {
bool fileExists(const std::string& name) {
  std::error_code ec;
  return std::filesystem::is_regular_file(toLocalPath(name), ec);
}

std::string upperExtension(const std::string& name) {
  std::string ext = name.size() >= 4 ? name.substr(name.size() - 4) : name;
  for (char& c : ext) c = char(std::toupper(static_cast<unsigned char>(c)));
  return ext;
}

void cannotOpen(const std::string& fileName) { textureNotice("Error: cannot open/write " + fileName); }

// The BMP or JPEG picture; a failure is the notice and an empty picture.
TBgrPicture decodeMain(const std::string& fileName, bool jpeg) {
  TBgrPicture picture;
  std::string error;
  std::vector<uint8_t> bytes;
  bool ok = readWholeFile(toLocalPath(fileName), bytes);
  if (ok) ok = jpeg ? readJpeg(bytes.data(), bytes.size(), picture, error) : readBmp(bytes.data(), bytes.size(), picture, error);
  if (!ok) {
    logErrorLine("Picture not decoded: " + fileName + (error.empty() ? "" : " (" + error + ")"));
    cannotOpen(fileName);
    picture = TBgrPicture();
  }
  return picture;
}

// The companion, only when it can be read and has the main picture's size; otherwise the
// colour key stands in and the reason is logged.
bool decodeCompanion(const std::string& fileName, const std::string& companion, const TBgrPicture& main,
                     TBgrPicture& out) {
  fixBitmapHeader(companion);
  std::string error;
  if (!readBmpFile(toLocalPath(companion), out, error)) {
    logErrorLine("Alpha picture not decoded: " + companion + " (" + error + ")");
    cannotOpen(fileName);
    return false;
  }
  if (out.width != main.width || out.height != main.height) {
    logErrorLine("Alpha picture " + companion + " is " + std::to_string(out.width) + " x " + std::to_string(out.height) +
                 ", its picture " + std::to_string(main.width) + " x " + std::to_string(main.height) +
                 ": the red colour key is used instead");
    return false;
  }
  return true;
}

// Buffer row i is picture row height - 1 - i: the buffer runs bottom-up.
void convertRgb(const TBgrPicture& p, std::vector<uint8_t>& rgb) {
  rgb.resize(size_t(p.width) * size_t(p.height) * 3);
  uint8_t* dst = rgb.data();
  for (int32_t i = 0; i < p.height; ++i)
    for (int32_t x = 0; x < p.width; ++x, dst += 3) {
      const uint8_t* s = p.pixel(x, p.height - 1 - i);
      dst[0] = s[2];
      dst[1] = s[1];
      dst[2] = s[0];
    }
}

void convertRgba(const TBgrPicture& p, const TBgrPicture* companion, std::vector<uint8_t>& rgba) {
  rgba.resize(size_t(p.width) * size_t(p.height) * 4);
  uint8_t* dst = rgba.data();
  for (int32_t i = 0; i < p.height; ++i)
    for (int32_t x = 0; x < p.width; ++x, dst += 4) {
      const int32_t y = p.height - 1 - i;
      const uint8_t* s = p.pixel(x, y);
      dst[0] = s[2];
      dst[1] = s[1];
      dst[2] = s[0];
      if (companion)
        dst[3] = companion->pixel(x, y)[0];
      else
        dst[3] = (s[2] == 255 && s[1] == 0 && s[0] == 0) ? 0 : 255;  // pure red is the colour key
    }
}
}  // namespace

std::string alphaCompanionName(const std::string& fileName) {
  if (fileName.size() < 4) return fileName + "a";
  return fileName.substr(0, fileName.size() - 4) + "a" + fileName.substr(fileName.size() - 4);
}

TTexture::TTexture(int32_t number, const std::string& fileName, bool alpha, const std::string& alphaFileName)
    : textureNumber(number) {
  if (!fileExists(fileName)) {
    textureAbort(fileName + " not found");
    return;
  }
  const std::string ext = upperExtension(fileName);
  const bool bmp = ext == ".BMP", jpeg = ext == ".JPG";
  if (ext == ".TGA") {
    std::vector<uint8_t> bytes;
    TBgrPicture picture;
    const TTgaResult r = readWholeFile(toLocalPath(fileName), bytes) ? readTga(bytes.data(), bytes.size(), picture)
                                                                     : TTgaResult::unrecognized;
    if (r == TTgaResult::unrecognized) {
      textureAbort(fileName + " - unrecognized format");
      return;
    }
    if (r == TTgaResult::readError) {
      textureAbort(fileName + " - read error");
      return;
    }
    width = picture.width;
    height = picture.height;
    convertRgb(picture, rgb);  // a TGA picture is always RGB
    return;
  }
  if (!bmp && !jpeg) return;
  std::string companion = jpeg ? fileName.substr(0, fileName.size() - 4) + "a.bmp" : alphaCompanionName(fileName);
  if (!alphaFileName.empty()) {
    companion = alphaFileName;
    alpha = true;
  }
  const TBgrPicture picture = decodeMain(fileName, jpeg);
  width = picture.width;
  height = picture.height;
  if (!alpha) {
    convertRgb(picture, rgb);
    return;
  }
  TBgrPicture alphaPicture;
  const bool useCompanion = fileExists(companion) && decodeCompanion(fileName, companion, picture, alphaPicture);
  convertRgba(picture, useCompanion ? &alphaPicture : nullptr, rgba);
}

void fixBitmapHeader(const std::string&) {}

// [SECTION] uploads

namespace {
// glGenTextures is asked at most this often for a name of 40 or more.
constexpr int32_t kNameSearchLimit = 4096;

// Without a GL context textures are not available: one trace line per run says so.
bool noContextTraced = false;
void traceNoContext(const std::string& fileName) {
  if (noContextTraced) return;
  noContextTraced = true;
  logProtocol("Textures not available without a GL context (first: " + fileName + ")");
}

// A fresh name of at least 40, or 0 when the driver gives none in the bounded search.
int32_t freshTextureNumber() {
  for (int32_t i = 0; i < kNameSearchLimit; ++i) {
    GLuint name = 0;
    glGenTextures(1, &name);
    if (name >= GLuint(kFirstTextureNumber) && name <= GLuint(INT32_MAX)) return int32_t(name);
    if (name == 0) break;  // the driver gives nothing
  }
  return 0;
}

bool endsWith(const std::string& s, const std::string& tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

void upload(const TTexture& t, const std::string& fileName, bool mipmap) {
  glEnable(GL_TEXTURE_2D);
  glBindTexture(GL_TEXTURE_2D, GLuint(t.textureNumber));
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
  const bool rgbaPicture = t.hasAlpha();
  const GLint internal = rgbaPicture ? 4 : 3;
  const GLenum format = rgbaPicture ? GL_RGBA : GL_RGB;
  const void* pixels = rgbaPicture ? static_cast<const void*>(t.rgba.data()) : static_cast<const void*>(t.rgb.data());
  GLint alignment = 4;
  glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);  // the rows carry no padding
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
  if (vtl.glVersion > 20 && !endsWith(fileName, "e10.bmp")) {
    glTexParameteri(GL_TEXTURE_2D, GL_GENERATE_MIPMAP, mipmap && appopt.textureQuality == 3 ? GL_TRUE : GL_FALSE);
    glTexImage2D(GL_TEXTURE_2D, 0, internal, t.width, t.height, 0, format, GL_UNSIGNED_BYTE, pixels);
  } else if (t.width > 0 && t.height > 0) {
    gluBuild2DMipmaps(GL_TEXTURE_2D, internal, t.width, t.height, format, GL_UNSIGNED_BYTE, pixels);
  } else {
    glTexImage2D(GL_TEXTURE_2D, 0, internal, 0, 0, 0, format, GL_UNSIGNED_BYTE, nullptr);
  }
  glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);
}
}  // namespace

std::string qualityFolderFallback(const std::string& fileName) {
  if (fileExists(fileName)) return fileName;
  for (size_t i = fileName.size(); i-- > 1;) {
    const char c = fileName[i], sep = fileName[i - 1];
    if ((sep != '\\' && sep != '/') || (c != '1' && c != '2')) continue;
    std::string next = fileName;
    next[i] = char(c + 1);
    return fileExists(next) ? next : fileName;
  }
  return fileName;
}

int32_t loadTextureFile(int32_t& number, const std::string& fileName, const std::string& alphaFileName, bool mipmap,
                        bool alpha) {
  if (!engineGLReady()) {
    traceNoContext(fileName);
    return number;
  }
  if (number < kFirstTextureNumber) {
    if (number >= 1) deleteTexture(number);
    const int32_t fresh = freshTextureNumber();
    if (fresh == 0) {
      logErrorLine("No texture number of 40 or more for " + fileName);
      return number;
    }
    number = fresh;
  }
  const std::string name = qualityFolderFallback(fileName);
  const bool withAlpha = alpha || !alphaFileName.empty() ||
                         (name.size() >= 4 && fileExists(name.substr(0, name.size() - 4) + "a.bmp"));
  const TTexture texture(number, name, withAlpha, withAlpha ? alphaFileName : std::string());
  upload(texture, name, mipmap);
  return number;
}

int32_t loadTexturePicture(int32_t& number, const TBgrPicture& picture, const std::string& alphaFileName, bool mipmap) {
  if (!engineGLReady()) {
    traceNoContext("(picture in memory)");
    return number;
  }
  if (number < kFirstTextureNumber) {
    if (number >= 1) deleteTexture(number);
    const int32_t fresh = freshTextureNumber();
    if (fresh == 0) {
      logErrorLine("No texture number of 40 or more for a picture in memory");
      return number;
    }
    number = fresh;
  }
  TTexture texture;
  texture.textureNumber = number;
  texture.width = picture.width;
  texture.height = picture.height;
  TBgrPicture alphaPicture;
  const bool useCompanion = !alphaFileName.empty() && fileExists(alphaFileName) &&
                            decodeCompanion(alphaFileName, alphaFileName, picture, alphaPicture);
  convertRgba(picture, useCompanion ? &alphaPicture : nullptr, texture.rgba);
  upload(texture, alphaFileName, mipmap);
  return number;
}

int16_t loadTextureFile16(int16_t& number, const std::string& fileName, const std::string& alphaFileName, bool mipmap,
                          bool alpha) {
  int32_t wide = number;
  loadTextureFile(wide, fileName, alphaFileName, mipmap, alpha);
  number = toInt16(wide, "loadTextureFile16");
  return number;
}

int32_t deleteTexture(int32_t number) {
  if (number < 1) return 0;
  if (engineGLReady()) {
    const GLuint name = GLuint(number);
    glDeleteTextures(1, &name);
  }
  return number;
}

void setStandardTextureDetail() {
  appopt.textAccuracy = 2;
  appopt.textureQuality = 2;
}
