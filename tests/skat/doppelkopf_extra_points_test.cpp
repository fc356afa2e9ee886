// Doppelkopf's trick specials: Karlchen, Doppelkopf and Fuchs as recorded after a trick, a
// Fuchs dropped only between seats shown in one party, counted at the end exactly between
// the parties, and the seat marks.
#include <string>

#include "games/skat/doppelkopf_party.h"
#include "tests/skat/doppelkopf_fixture.h"

namespace {

class DoppelkopfSpecialsTest : public DoppelkopfFixture {
 protected:
  static void setPublic(const std::string& parties) {
    for (int s = 1; s <= 4; s++) {
      const char p = parties[s - 1];
      for (int v = 0; v <= 4; v++)
        doppelkopfArea->views[v].party[s] = p == 'R' ? partyRe : p == 'K' ? partyKontra : partyUndecided;
    }
  }
  // What the seats recorded: "K" Karlchen, "D<n>" Doppelkopf count, "F<victim>" a Fuchs.
  static std::string recorded() {
    std::string out;
    for (int s = 1; s <= 4; s++) {
      const TDoppelkopfSeat& d = doppelkopfArea->seats[s];
      std::string seat;
      if (d.karlchen) seat += "K";
      if (d.doppelkopf) seat += "D" + std::to_string(d.doppelkopfCount);
      for (int r = 1; r <= 2; r++)
        if (d.fuchs[r]) seat += "F" + std::to_string(d.fuchsVictim[r]);
      out += (s > 1 ? " " : "") + (seat.empty() ? std::string("-") : seat);
    }
    return out;
  }
};

struct SpecialCase {
  const char* what;
  int32_t type;
  const char* trick;    // played by seats 1..4
  int winner;
  int cardsLeft;        // in every hand after the trick
  const char* parties;  // public view
  bool optionsOn;
  bool result;
  const char* recorded;
};

TEST_F(DoppelkopfSpecialsTest, RecordedAfterATrick) {
  const SpecialCase cases[] = {
      {"Karlchen wins the last trick", 0, "cJ c9 s9 h9", 1, 0, "????", true, true, "K - - -"},
      {"Karlchen before the last trick", 0, "cJ c9 s9 h9", 1, 1, "????", true, false, "- - - -"},
      {"another card wins the last trick", 0, "cJ dQ s9 h9", 2, 0, "????", true, false, "- - - -"},
      {"Doppelkopf at 40", 0, "h10 s10 c10 d10", 1, 5, "????", true, true, "D1 - - -"},
      {"37 is no Doppelkopf", 0, "hA sA cA cK", 1, 5, "????", true, false, "- - - -"},
      {"Fuchs of an undecided seat", 0, "cQ dA s9 h9", 1, 5, "????", true, true, "F2 - - -"},
      {"Fuchs between seats shown as Re", 0, "cQ dA s9 h9", 1, 5, "RR??", true, false, "- - - -"},
      {"Fuchs of the other party", 0, "cQ dA s9 h9", 1, 5, "RK??", true, true, "F2 - - -"},
      {"the own Fuchs is no catch", 0, "dA c9 s9 h9", 1, 5, "????", true, false, "- - - -"},
      {"two Fuechse in one trick", 0, "dA dA cQ hA", 3, 5, "????", true, true, "- - F1F2 -"},
      {"options off", 0, "dA dA cQ hA", 3, 0, "????", false, false, "- - - -"},
      {"no specials in a solo", doppelkopfKreuzSolo, "dA dA cQ hA", 3, 0, "????", true, false, "- - - -"},
  };
  for (const SpecialCase& c : cases) {
    freshGame();
    if (!c.optionsOn) area.options.fuchsFangen = area.options.doppelkopf = area.options.karlchen = 0;
    setType(c.type, c.type ? 2 : 0);
    setPublic(c.parties);
    for (int s = 1; s <= 4; s++) sp[s].count = c.cardsLeft;
    cg.gs.subStep = 12 - c.cardsLeft;
    setTrick(1, c.trick);
    EXPECT_EQ(doppelkopfTrickSpecials(c.winner), c.result) << c.what;
    EXPECT_EQ(recorded(), c.recorded) << c.what;
  }
}

TEST_F(DoppelkopfSpecialsTest, AFuchsIsDroppedOnlyBetweenSeatsShownInOneParty) {
  area.seats[1].fuchs[1] = 1;
  area.seats[1].fuchsVictim[1] = 3;
  area.seats[1].fuchs[2] = 1;
  area.seats[1].fuchsVictim[2] = 2;
  const struct { const char* parties; const char* left; } steps[] = {
      {"????", "F3F2 - - -"},  // undecided seats are no party yet
      {"R?K?", "F3F2 - - -"},
      {"RKK?", "F3F2 - - -"},
      {"RRKK", "F3 - - -"},    // the second record goes, the first stays
  };
  for (const auto& s : steps) {
    setPublic(s.parties);
    doppelkopfClearOwnPartySpecials();
    EXPECT_EQ(recorded(), s.left) << s.parties;
  }
}

TEST_F(DoppelkopfSpecialsTest, AFuchsCountsExactlyBetweenTheFinalParties) {
  // Caught in the last trick: nothing dropped it during play.
  area.seats[4].fuchs[1] = 1;
  area.seats[4].fuchsVictim[1] = 2;
  const struct { const char* parties; bool counts; } cases[] = {
      {"RKRK", false}, {"RKKR", true}, {"KRKR", false}, {"SKKK", false}, {"KKKS", true},
  };
  for (const auto& c : cases) {
    for (int s = 1; s <= 4; s++)
      area.views[0].party[s] = c.parties[s - 1] == 'R' ? partyRe : c.parties[s - 1] == 'K' ? partyKontra : partySilentSolo;
    EXPECT_EQ(doppelkopfFuchsCounts(4, 1), c.counts) << c.parties;
  }
  EXPECT_FALSE(doppelkopfFuchsCounts(4, 2)) << "no second record";
}

TEST_F(DoppelkopfSpecialsTest, SeatMarks) {
  area.seats[1].fuchs[1] = 1;
  area.seats[1].fuchsVictim[1] = 2;
  area.seats[3].karlchen = 1;
  area.seats[4].doppelkopf = 1;
  area.seats[4].doppelkopfCount = 2;
  setPublic("????");
  EXPECT_EQ(doppelkopfFoxMarkState(1), 2) << "shown while the parties are undecided";
  setPublic("RK??");
  EXPECT_EQ(doppelkopfFoxMarkState(1), 1);
  area.views[1].party[2] = partyUndecided;
  EXPECT_EQ(doppelkopfFoxMarkState(1), 2) << "the user's view still undecided";
  for (int s = 1; s <= 4; s++) {
    EXPECT_EQ(doppelkopfFoxMarkState(s) != 0, s == 1) << s;
    EXPECT_EQ(doppelkopfKarlchenMark(s), s == 3 ? 1 : 0) << s;
    EXPECT_EQ(doppelkopfDoppelkopfMark(s), s == 4 ? 1 : 0) << s;
  }
}

}  // namespace
