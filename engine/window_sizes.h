// The 27 window sizes of window mode, numbered 1..27 as the graphics dialog's selector shows
// them. 1600 x 1200 stands after 1680 x 1050.
#pragma once

#include <cstdint>

#include "platform/records.h"

struct TVTLResolution {
  int32_t width;
  int32_t height;
};

inline constexpr LArray<TVTLResolution, 1, 27> windowSizes = {{
    {640, 480},   {720, 540},   {720, 576},   {800, 600},   {900, 675},   {960, 600},   {1024, 576},
    {1024, 600},  {1024, 768},  {1024, 800},  {1152, 720},  {1152, 864},  {1200, 900},  {1280, 720},
    {1280, 768},  {1280, 800},  {1280, 960},  {1280, 1024}, {1366, 768},  {1440, 900},  {1440, 1080},
    {1600, 900},  {1600, 1000}, {1680, 1050}, {1600, 1200}, {1920, 1080}, {1920, 1200},
}};
