// The five table designs and rooms drawn by code ("env1" .. "env5"): table top, oval inner
// top, edge, light map, room backdrop, floor and the design's "param.txt".
#pragma once

#include <cstdint>
#include <string>

#include "tools/picture_writer.h"

inline constexpr int32_t kTableDesigns = 5;

TPicImage tableTop(int32_t n, int32_t size);       // tisch.jpg: cloth of design n (1..5)
TPicImage tableInnerTop(int32_t n, int32_t size);  // tisch2.jpg: the oval styles' inner top
TPicImage tableEdge(int32_t n, int32_t size);      // tisch3.jpg: wood of the edge
TPicImage tableLightMap(int32_t size);             // tischlm.jpg: brighter middle, darker rim
TPicImage roomBackdrop(int32_t n, int32_t w, int32_t h);  // out.jpg
TPicImage roomFloor(int32_t n, int32_t size);             // boden.jpg
// The design's param.txt: every key in its order with two-digit values, comments between.
std::string tableParamText(int32_t n);
// The picture scaled to w x h (box average), for the preview strips.
TPicImage scaledPicture(const TPicImage& src, int32_t w, int32_t h);
