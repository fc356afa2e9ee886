// The JPEG reader (IJG libjpeg): colour and grey pictures to 24-bit rows. Library errors come
// back as a failure, never as the library's own exit.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/bmp_reader.h"

// False with the library's message for a file it cannot decode, or one whose sides exceed
// kLargestPictureSide.
bool readJpeg(const uint8_t* data, size_t size, TBgrPicture& out, std::string& error);
