// Win probability: the preflop table before the flop, an exact count from the flop on, and
// the category chain that adds up the result.
#include "games/casino/poker_winprob.h"

#include <algorithm>
#include <chrono>
#include <cmath>

#include "engine/engine_services.h"
#include "games/casino/poker_ai.h"
#include "games/casino/poker_counter.h"
#include "games/casino/poker_fast_eval.h"
#include "games/casino/poker_preflop.h"
#include "games/skat/doppelkopf_scoring.h"
#include "table/stacks.h"

std::string pokerWinTrace;

namespace {

constexpr int boardStack = 12;

TPokerFrameHook frameHook;
TPokerRankFactors rankFactors = pokerCounterRankFactor;

// The last count, kept for the next question about the same cards.
struct TOddsCache {
  bool valid = false;
  int hole[2] = {};
  int board[5] = {};
  int boardCount = 0;
  bool weighted = false;
  float rankWeight[13] = {};
  TPokerBoardOdds odds;
} cache;

// The seat's two cards and the board as evaluator codes; false before the flop or with a
// card missing.
bool knownCards(int32_t seat, int hole[2], int board[5], int& boardCount) {
  if (seat < 1 || seat > stackCount || sp[seat].count < 2) return false;
  hole[0] = pokerFastCode(sp[seat].slots[1].card);
  hole[1] = pokerFastCode(sp[seat].slots[2].card);
  boardCount = std::min<int>(sp[boardStack].count, 5);
  for (int i = 0; i < boardCount; i++) board[i] = pokerFastCode(sp[boardStack].slots[i + 1].card);
  if (hole[0] < 0 || hole[1] < 0) return false;
  for (int i = 0; i < boardCount; i++)
    if (board[i] < 0) return false;
  return boardCount >= 3;
}

// A pro weighs the cards still to come by the rank factors of the betting round.
bool proWeights(int32_t seat, int boardCount, float weight[13]) {
  if (boardCount >= 5 || seatAIStrength(seat) != 3) return false;
  if (!rankFactors) {
    logNotAvailable("poker: rank factors for a pro's win probability");
    return false;
  }
  for (int r = 0; r < 13; r++) weight[r] = rankFactors(boardCount - 3, r);
  return true;
}

const TPokerBoardOdds& countFor(int32_t seat, const int hole[2], const int board[5], int boardCount) {
  float weight[13] = {};
  const bool weighted = proWeights(seat, boardCount, weight);
  const bool same = cache.valid && cache.boardCount == boardCount && cache.weighted == weighted &&
                    std::equal(hole, hole + 2, cache.hole) && std::equal(board, board + boardCount, cache.board) &&
                    (!weighted || std::equal(weight, weight + 13, cache.rankWeight));
  if (!same) {
    pokerCountBoards(hole, board, boardCount, weighted ? weight : nullptr, cache.odds);
    std::copy(hole, hole + 2, cache.hole);
    std::copy(board, board + boardCount, cache.board);
    std::copy(weight, weight + 13, cache.rankWeight);
    cache.boardCount = boardCount;
    cache.weighted = weighted;
    cache.valid = true;
  }
  return cache.odds;
}

std::string percentText(double chance) {
  std::string text;
  formatPercent(int32_t(std::nearbyint(chance * 100000)), 100000, 3, text);
  return text;
}

}  // namespace

void pokerCountBoards(const int hole[2], const int* board, int boardCount, const float* rankWeight,
                      TPokerBoardOdds& out) {
  const TPokerFastTables& t = pokerFastTables();
  bool known[52] = {};
  known[hole[0]] = known[hole[1]] = true;
  for (int i = 0; i < boardCount; i++) known[board[i]] = true;
  int unseen[52];
  int n = 0;
  for (int c = 0; c < 52; c++)
    if (!known[c]) unseen[n++] = c;
  TPokerFastHand base{};
  for (int i = 0; i < boardCount; i++) pokerFastAdd(base, t, board[i]);
  out.category.clear();
  out.beaten.clear();
  out.weight.clear();
  out.totalWeight = 0;

  // Per completion of the board (cards to come a <= b as indexes into unseen; b = a with one
  // to come, both 0 with none): the seat's class, and how many opponent holdings beat it.
  if (boardCount < 3 || boardCount > 5) return;
  const int toCome = 5 - boardCount;
  uint16_t mine[52][52];
  uint32_t beating[52][52];
  auto ownClass = [&](int a, int b) {
    TPokerFastHand own = base;
    pokerFastAdd(own, t, hole[0]);
    pokerFastAdd(own, t, hole[1]);
    if (toCome >= 1) pokerFastAdd(own, t, unseen[a]);
    if (toCome == 2) pokerFastAdd(own, t, unseen[b]);
    mine[a][b] = uint16_t(pokerFastRate(t, own));
    beating[a][b] = 0;
  };
  if (toCome == 0) ownClass(0, 0);
  for (int a = 0; toCome >= 1 && a < n; a++) {
    if (toCome == 1) ownClass(a, a);
    for (int b = a + 1; toCome == 2 && b < n; b++) ownClass(a, b);
  }

  // An opponent's seven cards are the board's with the cards to come and his two: the same
  // cards however they split into board and holding. So each set of toCome + 2 unseen cards
  // is rated once and compared with the seat's class for every way of picking the cards to
  // come among them.
  TPokerFastHand level[3];
  for (int w = 0; w < n; w++) {
    level[0] = base;
    pokerFastAdd(level[0], t, unseen[w]);
    for (int x = w + 1; x < n; x++) {
      level[1] = level[0];
      pokerFastAdd(level[1], t, unseen[x]);
      if (toCome == 0) {
        beating[0][0] += pokerFastRate(t, level[1]) > mine[0][0];
        continue;
      }
      for (int y = x + 1; y < n; y++) {
        level[2] = level[1];
        pokerFastAdd(level[2], t, unseen[y]);
        if (toCome == 1) {
          const int cls = pokerFastRate(t, level[2]);
          beating[w][w] += cls > mine[w][w];
          beating[x][x] += cls > mine[x][x];
          beating[y][y] += cls > mine[y][y];
          continue;
        }
        // Two to come: the pairs within w, x, y stay put while z runs.
        const int wx = mine[w][x], wy = mine[w][y], xy = mine[x][y];
        uint32_t nwx = 0, nwy = 0, nxy = 0;
        for (int z = y + 1; z < n; z++) {
          TPokerFastHand h = level[2];
          pokerFastAdd(h, t, unseen[z]);
          const int cls = pokerFastRate(t, h);
          nwx += cls > wx;
          nwy += cls > wy;
          nxy += cls > xy;
          beating[w][z] += cls > mine[w][z];
          beating[x][z] += cls > mine[x][z];
          beating[y][z] += cls > mine[y][z];
        }
        beating[w][x] += nwx;
        beating[w][y] += nwy;
        beating[x][y] += nxy;
      }
    }
  }

  const int left = n - toCome;
  const int holdings = left * (left - 1) / 2;
  auto oneBoard = [&](int a, int b) {
    float w = 1;
    if (rankWeight && toCome > 0) {
      float sum = rankWeight[unseen[a] / 4];
      if (toCome == 2) sum += rankWeight[unseen[b] / 4];
      w = 0.2f + 0.8f * sum / float(toCome);
    }
    out.category.push_back(t.classes[mine[a][b]].category);
    out.beaten.push_back(holdings > 0 ? float(beating[a][b]) / float(holdings) : 0.0f);
    out.weight.push_back(w);
    out.totalWeight += w;
  };
  if (toCome == 0) oneBoard(0, 0);
  for (int a = 0; toCome >= 1 && a < n; a++) {
    if (toCome == 1) oneBoard(a, a);
    for (int b = a + 1; toCome == 2 && b < n; b++) oneBoard(a, b);
  }
}

TPokerMakeWin enumerateHandOdds(const TPokerBoardOdds& odds, int32_t opponents, uint8_t category) {
  double made = 0, atMost = 0, won = 0;
  for (size_t i = 0; i < odds.category.size(); i++) {
    const double w = odds.weight[i];
    if (odds.category[i] > category) continue;
    atMost += w;
    if (odds.category[i] != category) continue;
    made += w;
    won += w * std::pow(1.0 - odds.beaten[i], std::max(0, opponents));
  }
  // Given that no higher category is made; when that cannot happen, the category is not made.
  if (atMost <= 0) return {};
  return {made / atMost, won / atMost};
}

double atLeastFromDraw(int32_t good, int32_t unseen, int32_t toCome, int32_t needed) {
  if (needed > toCome) return 0;
  double sum = 0;
  for (int32_t j = std::max(needed, 0); j <= toCome; j++) {
    double ways = 1;  // C(toCome, j) as the product, divided in turn
    for (int32_t i = 0; i < j; i++) ways = ways * (toCome - i) / (i + 1);
    double ordered = 1;  // one ordered draw: j good cards first, then toCome - j others
    for (int32_t i = 0; i < toCome; i++) {
      const int32_t left = unseen - i;
      const int32_t fit = i < j ? good - i : (unseen - good) - (i - j);
      if (left <= 0 || fit <= 0) {
        ordered = 0;
        break;
      }
      ordered *= double(fit) / left;
    }
    sum += ways * ordered;
  }
  return sum;
}

float pokerWinProbability(int32_t seat, int32_t players, bool trace) {
  int hole[2], board[5], boardCount = 0;
  if (!knownCards(seat, hole, board, boardCount)) {
    if (seat < 1 || seat > stackCount || sp[seat].count < 2) return 0;
    return preflopWinChance(sp[seat].slots[1].card, sp[seat].slots[2].card, players);
  }
  const TPokerBoardOdds& odds = countFor(seat, hole, board, boardCount);
  double q = 1, result = 0, madeSum = 0;
  for (int c = 10; c >= 1; c--) {
    const TPokerMakeWin mw = enumerateHandOdds(odds, players - 1, uint8_t(c));
    result += q * mw.win;
    madeSum += q * mw.make;
    if (trace) {
      pokerWinTrace += "\n\r" + (mw.make > 0 ? percentText(mw.make) : std::string("-"));
      pokerWinTrace += mw.win > 0 ? ", win: " + percentText(mw.win) : std::string(", win: -");
    }
    q -= q * mw.make;
  }
  if (trace) pokerWinTrace += "\n\rSUMME: " + percentText(madeSum) + ", WINWK: " + percentText(result);
  return float(std::clamp(result, 0.0, 1.0));
}

void pokerWinProbabilityB(int32_t seat, int32_t playersA, int32_t playersB, TPokerWinPair& out) {
  out = {};
  int hole[2], board[5], boardCount = 0;
  if (!knownCards(seat, hole, board, boardCount)) {
    if (seat < 1 || seat > stackCount || sp[seat].count < 2) return;
    out.a = preflopWinChance(sp[seat].slots[1].card, sp[seat].slots[2].card, playersA);
    out.b = preflopWinChance(sp[seat].slots[1].card, sp[seat].slots[2].card, playersB);
    return;
  }
  using clock = std::chrono::steady_clock;
  auto begin = clock::now();
  const double fps = frameHook.framesPerSecond && frameHook.frameStep ? frameHook.framesPerSecond() : 0;
  const double budgetMs = fps > 0 ? std::nearbyint(1000.0 / fps / 2) : 0;
  int frames = 0;
  const TPokerBoardOdds& odds = countFor(seat, hole, board, boardCount);
  double qa = 1, qb = 1, ra = 0, rb = 0;
  for (int c = 10; c >= 1; c--) {
    const TPokerMakeWin a = enumerateHandOdds(odds, playersA - 1, uint8_t(c));
    const TPokerMakeWin b = enumerateHandOdds(odds, playersB - 1, uint8_t(c));
    ra += qa * a.win;
    qa -= qa * a.make;
    rb += qb * b.win;
    qb -= qb * b.make;
    // Without a frame rate (the first second, or headless) no frames run.
    while (fps > 0 && frames < 3 &&
           std::chrono::duration<double, std::milli>(clock::now() - begin).count() > budgetMs) {
      frameHook.frameStep();
      frames++;
      begin += std::chrono::duration_cast<clock::duration>(std::chrono::duration<double, std::milli>(1000.0 / fps));
    }
  }
  if (frames > 0 && frameHook.framesRan) frameHook.framesRan();
  out.a = float(std::clamp(ra, 0.0, 1.0));
  out.b = float(std::clamp(rb, 0.0, 1.0));
}

void pokerSetFrameHook(const TPokerFrameHook& hook) { frameHook = hook; }
void pokerSetRankFactors(TPokerRankFactors source) {
  rankFactors = source;
  cache.valid = false;
}
