// The JPEG reader on IJG libjpeg. The library's fatal errors jump back here instead of ending
// the program; a file that runs out of data is a failure too.
#include "engine/jpeg_reader.h"

#include <csetjmp>
#include <cstdio>
// jpeglib.h needs size_t and FILE first.
#include <jpeglib.h>
#include <jerror.h>

namespace {
// Progressive pictures keep coefficients for the whole image: at most this much of them.
constexpr long kLibraryMemoryLimit = 128L * 1024 * 1024;

struct ErrorManager {
  jpeg_error_mgr pub;  // first: libjpeg sees only this part
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void errorExit(j_common_ptr cinfo) {
  ErrorManager* e = reinterpret_cast<ErrorManager*>(cinfo->err);
  e->pub.format_message(cinfo, e->message);
  std::longjmp(e->jump, 1);
}

// Warnings go nowhere, except those that say the data ended early: the library would invent
// the rest of such a picture.
void emitMessage(j_common_ptr cinfo, int level) {
  ErrorManager* e = reinterpret_cast<ErrorManager*>(cinfo->err);
  if (level == -1 && (e->pub.msg_code == JWRN_JPEG_EOF || e->pub.msg_code == JWRN_HIT_MARKER)) errorExit(cinfo);
}

void outputMessage(j_common_ptr) {}

// Everything that changes after setjmp lives behind pointers, so the jump leaves it valid.
bool decode(jpeg_decompress_struct* cinfo, ErrorManager* err, const uint8_t* data, size_t size, TBgrPicture* out,
            std::vector<uint8_t>* row, std::string* error) {
  if (setjmp(err->jump)) {
    *error = err->message;
    return false;
  }
  jpeg_create_decompress(cinfo);
  cinfo->mem->max_memory_to_use = kLibraryMemoryLimit;
  jpeg_mem_src(cinfo, data, static_cast<unsigned long>(size));
  jpeg_read_header(cinfo, TRUE);
  if (cinfo->image_width > JDIMENSION(kLargestPictureSide) || cinfo->image_height > JDIMENSION(kLargestPictureSide)) {
    *error = "JPEG larger than the largest texture";
    return false;
  }
  cinfo->out_color_space = JCS_RGB;  // grey pictures too
  jpeg_start_decompress(cinfo);
  if (cinfo->output_components != 3) {
    *error = "JPEG not convertible to RGB";
    return false;
  }
  const size_t line = size_t(cinfo->output_width) * 3;
  row->resize(line);
  // Rows are added as they decode: a picture that claims more than its data ends early.
  while (cinfo->output_scanline < cinfo->output_height) {
    JSAMPROW rows[1] = {row->data()};
    jpeg_read_scanlines(cinfo, rows, 1);
    for (size_t i = 0; i < line; i += 3) {
      out->bgr.push_back((*row)[i + 2]);
      out->bgr.push_back((*row)[i + 1]);
      out->bgr.push_back((*row)[i]);
    }
  }
  jpeg_finish_decompress(cinfo);
  out->width = int32_t(cinfo->output_width);
  out->height = int32_t(cinfo->output_height);
  return true;
}
}  // namespace

bool readJpeg(const uint8_t* data, size_t size, TBgrPicture& out, std::string& error) {
  out = TBgrPicture();
  if (size == 0) {
    error = "empty JPEG file";
    return false;
  }
  jpeg_decompress_struct cinfo{};
  ErrorManager err{};
  cinfo.err = jpeg_std_error(&err.pub);
  err.pub.error_exit = errorExit;
  err.pub.emit_message = emitMessage;
  err.pub.output_message = outputMessage;
  std::vector<uint8_t> row;
  const bool ok = decode(&cinfo, &err, data, size, &out, &row, &error);
  jpeg_destroy_decompress(&cinfo);
  if (!ok) out = TBgrPicture();
  return ok;
}
