// Writes the preflop table "pfp.txt" (2,028 bytes, no header) into the given data folder:
// 2,000,000 seeded deals per starting hand, the same bytes for any thread count.
//   make_pfp <data folder> [--deals N] [--seed S] [--threads T]
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "games/casino/poker_preflop.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: make_pfp <data folder> [--deals N] [--seed S] [--threads T]\n");
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  int64_t deals = preflopToolDeals;
  uint64_t seed = preflopToolSeed;
  int threads = int(std::thread::hardware_concurrency());
  for (int i = 2; i + 1 < argc; i += 2) {
    const std::string opt = argv[i];
    if (opt == "--deals") deals = std::atoll(argv[i + 1]);
    else if (opt == "--seed") seed = std::strtoull(argv[i + 1], nullptr, 10);
    else if (opt == "--threads") threads = std::atoi(argv[i + 1]);
  }
  TPreflopTable table{};
  buildPreflopTable(table, deals, seed, threads);
  std::filesystem::create_directories(folder);
  // Written beside the target and renamed, so a broken run never leaves a short table.
  const std::filesystem::path target = folder / "pfp.txt", temp = folder / "pfp.txt.tmp";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(table.data()), std::streamsize(table.size()));
    if (!out) {
      std::fprintf(stderr, "make_pfp: cannot write %s\n", temp.c_str());
      return 1;
    }
  }
  std::filesystem::rename(temp, target);
  return 0;
}
