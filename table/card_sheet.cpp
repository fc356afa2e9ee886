// The card sheets' geometry, checks and cutting, and the cache files' JPEG writer.
#include "table/card_sheet.h"

#include <jpeglib.h>

#include <csetjmp>
#include <cmath>
#include <cstdio>

namespace {
constexpr int32_t kSheetColumns = 4;
constexpr int32_t kMainRows = 8;
constexpr int32_t kLowRows = 5;
constexpr const char* kSheetNames[3] = {"card sheet kb", "card sheet kbp", "joker picture j0"};

int32_t cellWidth(const TCardSheets& s) { return s.main.width / kSheetColumns; }
int32_t cellHeight(const TCardSheets& s) { return s.main.height / kMainRows; }

const TBgrPicture& sheetOf(const TCardSheets& s, TCardSheetKind kind) {
  return kind == kSheetMain ? s.main : kind == kSheetLow ? s.low : s.joker;
}

// libjpeg's own error exit ends the process: a failed write comes back here instead.
struct TJpegWriteErrors {
  jpeg_error_mgr manager;
  std::jmp_buf back;
};
void jpegWriteFailed(j_common_ptr info) { std::longjmp(reinterpret_cast<TJpegWriteErrors*>(info->err)->back, 1); }

TBgrPicture cutCell(const TBgrPicture& sheet, int32_t x0, int32_t y0, int32_t w, int32_t h) {
  TBgrPicture face;
  face.width = w;
  face.height = h;
  face.bgr.resize(size_t(w) * size_t(h) * 3);
  for (int32_t y = 0; y < h; ++y) {
    const uint8_t* src = sheet.pixel(x0, y0 + y);
    std::copy(src, src + size_t(w) * 3, face.bgr.begin() + std::ptrdiff_t(size_t(y) * size_t(w) * 3));
  }
  return face;
}
}  // namespace

TSheetCell cardSheetCell(int32_t suit, int32_t rank, float cellW, float cellH) {
  if (rank == 14) return {kSheetJoker, 0, 0};
  const int32_t x = int32_t(std::lround((4 - suit) * cellW));
  if (rank >= 9) return {kSheetLow, x, int32_t(std::lround((13 - rank) * cellH))};
  return {kSheetMain, x, int32_t(std::lround((8 - rank) * cellH))};
}

bool cardSheetFits(const TCardSheets& s, TCardSheetKind kind) {
  const bool mainFits = s.main.width >= kSheetColumns && s.main.height >= kMainRows &&
                        s.main.width % kSheetColumns == 0 && s.main.height % kMainRows == 0;
  if (kind == kSheetMain || !mainFits) return mainFits;
  if (kind == kSheetLow) return s.low.width == kSheetColumns * cellWidth(s) && s.low.height == kLowRows * cellHeight(s);
  return s.joker.width >= cellWidth(s) && s.joker.height >= cellHeight(s);
}

void composeCardImages(const TCardSheets& sheets, bool skatOnly, TCardImages& images, std::vector<std::string>& problems) {
  bool fits[3], reported[3] = {false, false, false};
  for (int32_t k = 0; k < 3; ++k) fits[k] = cardSheetFits(sheets, TCardSheetKind(k));
  // Without kb's cell the other sheets cannot be judged: one line says so for all.
  if (!fits[kSheetMain]) reported[kSheetLow] = reported[kSheetJoker] = true;
  const int32_t w = cellWidth(sheets), h = cellHeight(sheets);
  for (int32_t q = 1; q <= 4; ++q)
    for (int32_t r = 1; r <= 14; ++r) {
      images[q][r] = TBgrPicture();
      if ((skatOnly && r > 8) || (r == 14 && q != 1)) continue;
      const TSheetCell cell = cardSheetCell(q, r, float(w), float(h));
      if (!fits[cell.sheet]) {
        if (!reported[cell.sheet]) {
          const TBgrPicture& p = sheetOf(sheets, cell.sheet);
          problems.push_back(std::string(kSheetNames[cell.sheet]) + " missing or of the wrong size (" +
                             std::to_string(p.width) + " x " + std::to_string(p.height) + "): its faces show the plain card");
          reported[cell.sheet] = true;
        }
        continue;
      }
      images[q][r] = cutCell(sheetOf(sheets, cell.sheet), cell.x, cell.y, w, h);
    }
}

bool writeJpegFile(const std::string& path, const TBgrPicture& picture, int quality) {
  if (picture.width <= 0 || picture.height <= 0) return false;
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  jpeg_compress_struct info{};
  TJpegWriteErrors errors{};
  info.err = jpeg_std_error(&errors.manager);
  errors.manager.error_exit = jpegWriteFailed;
  if (setjmp(errors.back)) {
    jpeg_destroy_compress(&info);
    std::fclose(file);
    return false;
  }
  jpeg_create_compress(&info);
  jpeg_stdio_dest(&info, file);
  info.image_width = JDIMENSION(picture.width);
  info.image_height = JDIMENSION(picture.height);
  info.input_components = 3;
  info.in_color_space = JCS_EXT_BGR;  // libjpeg-turbo takes the decoder's order as it is
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(picture.pixel(0, int32_t(info.next_scanline)));
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  const bool ok = std::ferror(file) == 0;
  return std::fclose(file) == 0 && ok;
}
