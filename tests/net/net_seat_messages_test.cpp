// Chat lines at the seats during a game: added newest first, aged by time and by moves.
#include <gtest/gtest.h>

#include "net/net_transport.h"
#include "platform/tick.h"

namespace {
std::vector<int32_t> lives(const TNetz& t, int seat) {
  std::vector<int32_t> v;
  for (int i = 1; i <= t.seats[seat].messageCount; ++i) v.push_back(t.seats[seat].messageLife[i]);
  return v;
}
}  // namespace

TEST(NetSeatMessages, TimeKeepsALineAtThirtyAndMovesRemoveIt) {
  useFakeTick(1000);
  TNetz t;
  t.seatCount = 8;
  t.addSeatMessage("Hallo", 3);
  struct Step {
    uint32_t advance;
    int32_t moves;
    std::vector<int32_t> lives;
  } steps[] = {
      {10000, 0, {90}}, {60000, 0, {30}}, {60000, 0, {30}}, {0, 10, {15}}, {0, 10, {0}}, {0, 10, {}},
  };
  for (const Step& s : steps) {
    advanceFakeTick(s.advance);
    t.ageSeatMessages(s.moves);
    EXPECT_EQ(lives(t, 3), s.lives) << "after " << s.advance << " ms and " << s.moves << " moves";
  }
}

TEST(NetSeatMessages, AMoveRemovesEachLineBelowZeroOnce) {
  useFakeTick(1000);
  TNetz t;
  t.seatCount = 8;
  for (const char* line : {"c", "b", "a"}) t.addSeatMessage(line, 2);
  t.seats[2].messageLife[1] = 10;
  t.seats[2].messageLife[2] = 40;
  t.seats[2].messageLife[3] = 10;
  advanceFakeTick(400);  // under half a second: time takes nothing
  t.ageSeatMessages(10);
  EXPECT_EQ(lives(t, 2), std::vector<int32_t>{25});
  std::string text;
  t.getSeatMessages(2, text);
  EXPECT_EQ(text, "b");
}

TEST(NetSeatMessages, NewestFirstAndFiveShown) {
  TNetz t;
  t.messageShowState[4] = 3;
  for (int i = 1; i <= 7; ++i) t.addSeatMessage("Zeile " + std::to_string(i), 4);
  EXPECT_EQ(t.seats[4].messageCount, 5);
  EXPECT_EQ(t.messageShowState[4], 0) << "a new line is drawn anew";
  std::string text;
  t.getSeatMessages(4, text);
  EXPECT_EQ(text, "Zeile 7\r\x05\rZeile 6\r\x05\rZeile 5\r\x05\rZeile 4\r\x05\rZeile 3");
  t.getSeatMessages(9, text);
  EXPECT_EQ(text, "");
  t.messageShowState[4] = 2;
  t.addSeatMessage("noch eine", 4);
  EXPECT_EQ(t.messageShowState[4], 2) << "a line rising keeps rising";
}
