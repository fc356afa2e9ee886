// The pure steps of picking: the selection buffer's hit records, the best name and its
// decoding. The pick pass names the user's hand cards 100 × seat + index and the offered
// piles' cards 200 × pile + index (stock 11, trick or meld table 12, discard pile 13).
#include "table/pick_names.h"

#include "shell/shell_globals.h"
#include "table/stacks.h"

namespace {
constexpr int32_t kHandName = 100, kPileName = 200;
constexpr int32_t kFirstPileName = 2200;  // pile 11's card 0
constexpr int32_t kMeldTableName = 2400;  // pile 12's card 0
constexpr int32_t kOldMaidStart = 9999;
constexpr int32_t kFirstPile = 11, kLastPile = 13;

int32_t canastaPrefersHand(const std::vector<int32_t>& names, int32_t best) {
  if (best <= kPileName) return best;
  for (int32_t name : names)
    if (name >= kHandName && name <= 2 * kHandName) return name;
  return best;
}

bool inStack(int32_t stack, int32_t index) {
  return stack >= 1 && stack <= stackCount && index >= 1 && index <= stackUsed(sp[stack]);
}
}  // namespace

std::vector<int32_t> readPickHits(const uint32_t* buffer, int32_t hitCount) {
  // An overflow leaves only the first record trustworthy.
  const int32_t hits = hitCount < 0 ? 1 : hitCount > pickMaxHits ? pickMaxHits : hitCount;
  std::vector<int32_t> names;
  int32_t at = 0;
  for (int32_t i = 0; i < hits; i++) {
    const uint32_t depth = buffer[at];  // names on the stack for this record (1 here)
    const int32_t next = at + 3 + static_cast<int32_t>(depth);
    if (depth == 0 || next > pickBufferWords) break;
    names.push_back(static_cast<int32_t>(buffer[next - 1]));  // the innermost name
    at = next;
  }
  return names;
}

std::string pickDebugLine(const std::vector<int32_t>& names) {
  std::string line = std::to_string(names.size()) + " ";
  for (int32_t name : names) line += "s" + std::to_string(name) + ",";
  return line;
}

int32_t bestPickName(const std::vector<int32_t>& names, TGameId game, const TMeldNearer& nearer) {
  if (game == gidOldMaid) {
    int32_t best = kOldMaidStart;
    for (int32_t name : names)
      if (name < best) best = name;
    return best;
  }
  int32_t best = 0;
  for (int32_t name : names) {
    if (name <= best) continue;
    if (name >= kMeldTableName && !nearer(name - kMeldTableName, best - kMeldTableName)) continue;
    best = name;
  }
  return game == gidCanasta ? canastaPrefersHand(names, best) : best;
}

TPickAnswer decodePickName(int32_t name, TGameId game) {
  TPickAnswer answer;
  if (name > kHandName && name < 20 * kHandName) {
    // Old Maid names the other seats' cards; elsewhere only seat 1 is drawn.
    const int32_t seat = game == gidOldMaid ? name / kHandName : 1;
    const int32_t index = game == gidOldMaid ? name % kHandName : name - kHandName;
    if (game == gidOldMaid && seat > playerCount) return answer;
    if (!inStack(seat, index)) return answer;
    if (game == gidOldMaid) answer.pile = seat;
    answer.card = index;
    return answer;
  }
  const int32_t pile = name / kPileName, index = name % kPileName;
  if (name < kFirstPileName || pile > kLastPile || pile < kFirstPile || !inStack(pile, index)) return answer;
  answer.pile = pile;
  answer.index = index;
  return answer;
}
