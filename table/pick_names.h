// The pure steps of picking: reading the selection buffer, choosing the best pick name and
// decoding it into a hand card or a pile slot. No GL here, so they run headless.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/game_id.h"

// The selection buffer of the pick pass: 100 words, one name per hit record, so at most 25
// records fit.
constexpr int32_t pickBufferWords = 100;
constexpr int32_t pickMaxHits = 25;

// The names of the hit records, in record order. hitCount is glRenderMode's answer: negative
// after an overflow, which counts as one hit. Records that would reach past the buffer are
// not read.
std::vector<int32_t> readPickHits(const uint32_t* buffer, int32_t hitCount);

// "n " followed by "s" + name + "," per hit; n is the hits' count.
std::string pickDebugLine(const std::vector<int32_t>& names);

// For two slots of the meld table: a's meld lies at least as near the viewer as b's.
using TMeldNearer = std::function<bool(int32_t a, int32_t b)>;

// The best of the hit names: the lowest in Old Maid, else the highest, where a meld-table name
// (2400 on) wins only when its meld is nearer; Canasta then prefers the first hand-card hit.
// 0 without hits (9999 in Old Maid, which decodes to nothing).
int32_t bestPickName(const std::vector<int32_t>& names, TGameId game, const TMeldNearer& nearer);

// What a pick name stands for: a hand card (card, with pile the seat in Old Maid) or a slot
// of pile 11, 12 or 13 (pile, index; card 0). All 0 for nothing.
struct TPickAnswer {
  int32_t card = 0;
  int32_t pile = 0;
  int32_t index = 0;
};

// Decodes a name against the current stacks (sp): hand names 100 × seat + index (seat 1, or
// the seat in Old Maid), pile names 200 × pile + index for piles 11..13. An index outside its
// stack's cards, another pile or seat, or any other name picks nothing.
TPickAnswer decodePickName(int32_t name, TGameId game);
