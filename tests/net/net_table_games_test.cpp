// Whole tables as processes playing real lists: nettable machines, each on its own 127.0.0.x,
// seat 1 of every machine played by its computer. Every machine must print the same state
// summary after every game and the same list values, and none may report a checksum error.
#include <gtest/gtest.h>

#include <memory>

#include "tests/net/nettable_process.h"

namespace {

struct TableCase {
  const char* what;
  const char* game;
  const char* base;
  uint16_t port;
  int machines;
  const char* options;
  int games;
};

std::vector<std::string> linesStarting(Proc& p, const std::string& start) {
  std::vector<std::string> out;
  for (auto& l : p.lines)
    if (l.rfind(start, 0) == 0) out.push_back(l);
  return out;
}

std::vector<std::string> tableArgs(const TableCase& c, const char* cmd, int machine) {
  return std::vector<std::string>{cmd, "--game", c.game, "--addr", c.base + std::to_string(machine), "--port",
                                    std::to_string(c.port), "--host", std::string(c.base) + "1", "--machines",
                                    std::to_string(c.machines), "--options", c.options, "--seed",
                                    std::to_string(100 + machine), "--exit-after", "100", "--name",
                                    "M" + std::to_string(machine)};
}

void playTable(const TableCase& c) {
  auto args = [&](const char* cmd, int machine) { return tableArgs(c, cmd, machine); };
  std::vector<std::unique_ptr<Proc>> table;
  table.push_back(std::make_unique<Proc>(args("host", 1)));
  ASSERT_TRUE(waitFor([&] { return table[0]->saw("ready"); }, 5000)) << c.what;
  for (int m = 2; m <= c.machines; m++) table.push_back(std::make_unique<Proc>(args("join", m)));
  ASSERT_TRUE(waitFor([&] {
    for (auto& p : table)
      if (!p->saw("list done") && !p->saw("game ended")) return false;
    return true;
  }, 90000)) << c.what;
  const auto digests = linesStarting(*table[0], "digest ");
  EXPECT_EQ(int(digests.size()), c.games) << c.what;
  for (size_t m = 0; m < table.size(); m++) {
    Proc& p = *table[m];
    EXPECT_TRUE(p.saw("list done")) << c.what << ", machine " << m + 1;
    EXPECT_EQ(linesStarting(p, "digest "), digests) << c.what << ", machine " << m + 1;
    EXPECT_EQ(linesStarting(p, "values "), linesStarting(*table[0], "values ")) << c.what << ", machine " << m + 1;
    EXPECT_FALSE(p.saw("proto CHECKSUM-ERROR")) << c.what << ", machine " << m + 1;
  }
}

}  // namespace

// Twelve games with Kontra up to Hirsch, Ramsch when nobody bids, Bock after a lost Kontra
// and Ramsch rounds after 60:60.
TEST(NetTableGames, SkatListsAgreeOnEveryMachine) {
  const TableCase cases[] = {
      {"three machines", "skat", "127.0.4.", 42681, 3, "11442321", 12},
      {"two machines and a computer seat", "skat", "127.0.5.", 42682, 2, "11442321", 12},
  };
  for (const TableCase& c : cases) playTable(c);
}

// Canasta deals the shared stock in one go: every machine must give each block to the same
// network seat, or the first selection from the other machine names cards its seat lacks.
TEST(NetTableGames, CanastaFirstGameAgreesOnBothMachines) {
  const TableCase c{"canasta, two machines", "canasta", "127.0.6.", 42683, 2, "11111141", 1};
  Proc host(tableArgs(c, "host", 1));
  ASSERT_TRUE(waitFor([&] { return host.saw("ready"); }, 5000));
  Proc join(tableArgs(c, "join", 2));
  ASSERT_TRUE(waitFor([&] { return host.saw("digest 1 ") && join.saw("digest 1 "); }, 60000));
  EXPECT_EQ(linesStarting(join, "digest 1 "), linesStarting(host, "digest 1 "));
  EXPECT_EQ(linesStarting(join, "values "), linesStarting(host, "values "));
  for (Proc* p : {&host, &join}) {
    EXPECT_FALSE(p->saw("proto Zug verworfen"));
    EXPECT_FALSE(p->saw("proto CHECKSUM-ERROR"));
  }
}
