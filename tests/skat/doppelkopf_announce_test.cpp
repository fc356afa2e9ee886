// Doppelkopf's announcements: which side a seat is on, its next level, and until which card
// it may say it (also after a Hochzeit found its partner).
#include <string>

#include "games/skat/doppelkopf_announce.h"
#include "games/skat/doppelkopf_party.h"
#include "tests/skat/doppelkopf_fixture.h"

namespace {

class DoppelkopfAnnounceTest : public DoppelkopfFixture {
 protected:
  // Seat 2 (no Kreuz-Dame: Kontra side) holding `cards` hand cards.
  static void kontraSeatHolds(int cards) {
    THand h{};
    for (int i = 0; i < cards; i++) handaddk(h, makeCard(rank9, 1 + i % 4));
    setStack(2, h);
  }
};

struct NowCase {
  const char* what;
  const char* allowed;  // levels 1..5 on ("11111")
  int kontraLevel;
  int cards;
  int nextLevel;
  bool now;
  const char* text;  // the next level's name
};

TEST_F(DoppelkopfAnnounceTest, NextLevelAndUntilWhenItMayBeSaid) {
  const NowCase cases[] = {
      {"Kontra with 12 cards", "11111", 0, 12, 1, true, "Kontra"},
      {"Kontra with 11 cards", "11111", 0, 11, 1, true, "Kontra"},
      {"Kontra with 10 cards is too late", "11111", 0, 10, 1, false, "Kontra"},
      {"Keine 90 after Kontra with 10 cards", "11111", 1, 10, 2, true, "Keine 90"},
      {"Keine 90 with 9 cards is too late", "11111", 1, 9, 2, false, "Keine 90"},
      {"Schwarz with 7 cards", "11111", 4, 7, 5, true, "Schwarz"},
      {"Schwarz with 6 cards is too late", "11111", 4, 6, 5, false, "Schwarz"},
      {"without Re / Kontra the first is Keine 90", "01111", 0, 12, 2, true, "Keine 90"},
      {"a switched-off level is passed over", "10011", 1, 12, 4, true, "Keine 30"},
      {"nothing left after Schwarz", "11111", 5, 12, 0, false, ""},
      {"nothing left when all are off", "00000", 0, 12, 0, false, ""},
  };
  for (const NowCase& c : cases) {
    freshGame();
    for (int l = 1; l <= 5; l++) area.options.announcements[l] = c.allowed[l - 1] == '1';
    doppelkopfGameWide().doppelkopfKontraLevel = c.kontraLevel;
    kontraSeatHolds(c.cards);
    EXPECT_TRUE(doppelkopfIsKontraSide(2)) << c.what;
    EXPECT_EQ(doppelkopfNextAnnouncementFor(2), c.nextLevel) << c.what;
    EXPECT_EQ(doppelkopfNextAnnouncementNow(2), c.now) << c.what;
    EXPECT_EQ(doppelkopfAnnouncementText(2, true), c.text) << c.what;
  }
}

TEST_F(DoppelkopfAnnounceTest, Sides) {
  setHand(1, "cQ hA");
  setHand(2, "hA");
  setHand(3, "c9");
  doppelkopfPartyEvent(0, 0);
  EXPECT_FALSE(doppelkopfIsKontraSide(1)) << "holds a Kreuz-Dame";
  EXPECT_TRUE(doppelkopfIsKontraSide(2));
  doppelkopfSetPartyAllViews(3, partyRe);
  EXPECT_FALSE(doppelkopfIsKontraSide(3)) << "shown as Re, its Kreuz-Dame played";
  area.doppelkopfSoloType = doppelkopfDamenSolo;
  area.doppelkopfSoloist = 2;
  EXPECT_TRUE(doppelkopfIsKontraSide(1)) << "in a solo every seat but the soloist";
  EXPECT_FALSE(doppelkopfIsKontraSide(2));
}

TEST_F(DoppelkopfAnnounceTest, NoAnnouncementWhileAHochzeitIsOpen) {
  kontraSeatHolds(12);
  area.hochzeitSeat = 1;
  EXPECT_FALSE(doppelkopfNextAnnouncementNow(2));
  area.hochzeitPartner = 3;
  EXPECT_TRUE(doppelkopfNextAnnouncementNow(2));
}

TEST_F(DoppelkopfAnnounceTest, AHochzeitMovesTheLimitsOnByThePartnersPlayedCards) {
  area.hochzeitSeat = 1;
  area.hochzeitPartner = 3;
  doppelkopfGameWide().hochzeitPartnerFound = 1;
  doppelkopfGameWide().partnerHandSize = 10;  // found in the second trick
  const struct { int cards; bool now; } cases[] = {{10, true}, {9, true}, {8, false}};
  for (const auto& c : cases) {
    kontraSeatHolds(c.cards);
    EXPECT_EQ(doppelkopfNextAnnouncementNow(2), c.now) << c.cards;
  }
}

TEST_F(DoppelkopfAnnounceTest, Names) {
  const struct { bool kontra; int level; const char* name; } cases[] = {
      {false, 1, "Re"}, {true, 1, "Kontra"}, {true, 2, "Keine 90"}, {false, 3, "Keine 60"},
      {false, 4, "Keine 30"}, {true, 5, "Schwarz"}, {false, 0, ""}, {true, 6, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(doppelkopfAnnouncementName(c.kontra, c.level), c.name) << c.level;
}

}  // namespace
