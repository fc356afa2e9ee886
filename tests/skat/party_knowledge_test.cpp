// The party knowledge of Schafkopf and Doppelkopf: what every view shows after each event
// (called Ace, silent solo, Kontra and Re, Ramsch, Kreuz-Damen, silent wedding, Hochzeit
// found in tricks 1 to 3 or not, announcements), the deduction and its range checks.
#include <string>
#include <vector>

#include "games/skat/doppelkopf_announce.h"
#include "games/skat/doppelkopf_party.h"
#include "games/skat/party_knowledge.h"
#include "games/skat/skat_services.h"
#include "tests/skat/doppelkopf_fixture.h"

namespace {

// The parties of seats 1..4 in one view: "?" undecided, "R" Re, "K" Kontra, "0" on his own,
// "S" the soloist of a silent wedding.
std::string viewText(const TPartyViews& views, int view) {
  std::string out;
  for (int s = 1; s <= 4; s++) {
    switch (views[view].party[s]) {
      case partyUndecided: out += '?'; break;
      case partyRe: out += 'R'; break;
      case partyKontra: out += 'K'; break;
      case partyOwn: out += '0'; break;
      case partySilentSolo: out += 'S'; break;
      default: out += 'x';
    }
  }
  return out;
}

// Views 0..4, separated by blanks.
std::string allViews(const TPartyViews& views) {
  std::string out;
  for (int v = 0; v <= 4; v++) out += (v ? " " : "") + viewText(views, v);
  return out;
}

// [SECTION] Schafkopf

class SchafkopfPartyTest : public DoppelkopfFixture {
 protected:
  TPartyViews views{};
  int32_t soloist = 0;
  uint8_t silent = 0;

  TSchafkopfPartyFields fields(int32_t type, int32_t suit, int32_t declarer) {
    return TSchafkopfPartyFields{views, type, suit, declarer, soloist, silent};
  }
  // New game and bidding, then the contract applied and play started.
  TSchafkopfPartyFields start(int32_t type, int32_t suit, int32_t declarer) {
    TSchafkopfPartyFields none = fields(0, 0, 0);
    schafkopfPartyEvent(none, 0, 0);
    schafkopfPartyEvent(none, 1, 0);
    TSchafkopfPartyFields f = fields(type, suit, declarer);
    schafkopfInitPartyKnowledge(f);
    return f;
  }
  static void play(int32_t seat, const char* c) {
    clearHand(trickBySeat);
    trickBySeat.anz = 4;
    trickBySeat.k[seat] = card(c);
  }
};

constexpr int32_t rufspiel = schafkopfTypeRufspiel;
constexpr int32_t gruen = 2;

TEST_F(SchafkopfPartyTest, RufspielBeforeAndAfterTheCalledAce) {
  setHand(3, "sA c7 h8");
  TSchafkopfPartyFields f = start(rufspiel, gruen, 1);
  // Public: only the declarer; the partner knows both; a third seat only itself.
  EXPECT_EQ(allViews(views), "R??? R??? RK?? RKRK R??K");
  EXPECT_FALSE(schafkopfPartiesKnown(f));

  play(3, "sA");
  schafkopfOnCardPlayed(f, 3);
  EXPECT_EQ(allViews(views), "RKRK RKRK RKRK RKRK RKRK");
  EXPECT_EQ(silent, 0);
}

TEST_F(SchafkopfPartyTest, DeclarerCallingHisOwnAceShowsASilentSolo) {
  setHand(1, "sA s7");
  TSchafkopfPartyFields f = start(rufspiel, gruen, 1);
  play(1, "sA");
  schafkopfOnCardPlayed(f, 1);
  EXPECT_EQ(allViews(views), "RKKK RKKK RKKK RKKK RKKK");
  EXPECT_EQ(silent, 1);
  EXPECT_EQ(soloist, 0) << "copied only when asked";
  EXPECT_TRUE(schafkopfPartiesKnown(f));
  EXPECT_EQ(soloist, 1);
}

TEST_F(SchafkopfPartyTest, OtherCardsRevealNothing) {
  setHand(3, "sA");
  TSchafkopfPartyFields f = start(rufspiel, gruen, 1);
  const std::string before = allViews(views);
  for (const char* c : {"sK", "cA", "hA"}) {
    play(2, c);
    schafkopfOnCardPlayed(f, 2);
    EXPECT_EQ(allViews(views), before) << c;
  }
}

TEST_F(SchafkopfPartyTest, KontraAndReThenDeduction) {
  setHand(4, "sA");
  TSchafkopfPartyFields f = start(rufspiel, gruen, 1);
  schafkopfPartyEvent(f, 4, 2);
  EXPECT_EQ(viewText(views, 0), "RK??");
  schafkopfPartyEvent(f, 5, 4);  // the partner says Re: two Re make the rest Kontra
  EXPECT_EQ(allViews(views), "RKKR RKKR RKKR RKKR RKKR");
}

TEST_F(SchafkopfPartyTest, LoneContractsFixEveryView) {
  TSchafkopfPartyFields f = start(2, 3, 2);  // a Herz solo of seat 2
  EXPECT_EQ(allViews(views), "KRKK KRKK KRKK KRKK KRKK");
  EXPECT_TRUE(schafkopfPartiesKnown(f));
}

TEST_F(SchafkopfPartyTest, RamschLeavesEverySeatOnHisOwnInEveryView) {
  soloist = 3;  // left from an earlier game
  TSchafkopfPartyFields f = start(schafkopfTypeRamsch, 0, 0);
  EXPECT_EQ(allViews(views), "0000 0000 0000 0000 0000");
  schafkopfPartyEvent(f, 8, 0);
  EXPECT_EQ(allViews(views), "0000 0000 0000 0000 0000");
  for (int v = 0; v <= 4; v++) {
    EXPECT_NE(views[v].fixedContract, 0) << "no view deduces in Ramsch";
    for (int s = 1; s <= 4; s++) EXPECT_EQ(schafkopf::parteievt(views, s, v), partyOwn);
  }
}

// [SECTION] shared operations

TEST_F(SchafkopfPartyTest, LookupFallsBackToTheGuess) {
  views[2].party[3] = partyUndecided;
  views[2].partyGuess[3] = partyKontra;
  EXPECT_EQ(schafkopf::parteievt(views, 3, 2), partyKontra);
  views[2].partyGuess[3] = partyUndecided;
  EXPECT_EQ(schafkopf::parteievt(views, 3, 2), partyUndecided);
  views[2].party[3] = partyRe;
  EXPECT_EQ(schafkopf::parteievt(views, 3, 2), partyRe);
  EXPECT_EQ(schafkopfPartyOf(views, 3, 2), partyRe);
}

TEST_F(SchafkopfPartyTest, LookupOutOfRangeAnswersUndecidedWithATraceLine) {
  const struct { int seat, view; const char* text; } cases[] = {
      {0, 0, "0,0"}, {5, 1, "5,1"}, {1, 5, "1,5"}, {2, -1, "2,-1"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(schafkopf::parteievt(views, c.seat, c.view), partyUndecided) << c.text;
    EXPECT_NE(traceLog().find(std::string("ACHTUNG! schafkopf.parteievt: Bereichsfehler spinr,viewnr: ") + c.text),
              std::string::npos)
        << c.text;
  }
  EXPECT_EQ(doppelkopf::parteievt(7, 0), partyUndecided);
  EXPECT_NE(traceLog().find("ACHTUNG! doppelkopf.parteievt: Bereichsfehler spinr,viewnr: 7,0"), std::string::npos);
}

TEST_F(SchafkopfPartyTest, Deduction) {
  const struct { const char* parties; int32_t fixed; const char* after; } cases[] = {
      {"RR??", 0, "RRKK"}, {"?KK?", 0, "RKKR"}, {"R?K?", 0, "R?K?"},
      {"RR??", 5, "RR??"}, {"0?0?", 0, "0?0?"}, {"RRK?", 0, "RRKK"},
  };
  for (const auto& c : cases) {
    TPartyView& v = views[0];
    v.fixedContract = c.fixed;
    for (int s = 1; s <= 4; s++) {
      const char p = c.parties[s - 1];
      v.party[s] = v.partyGuess[s] = p == 'R' ? partyRe : p == 'K' ? partyKontra : p == '0' ? partyOwn : partyUndecided;
    }
    partyDeduction(v);
    EXPECT_EQ(viewText(views, 0), c.after) << c.parties << " fixed " << c.fixed;
    for (int s = 1; s <= 4; s++) EXPECT_EQ(v.partyGuess[s], v.party[s]) << "the guesses deduce alike";
  }
}

// [SECTION] Doppelkopf

class DoppelkopfPartyTest : public DoppelkopfFixture {
 protected:
  static const TPartyViews& views() { return doppelkopfArea->views; }
  // The Vorbehalt phase of a game dealt with these hands.
  static void deal(const char* h1, const char* h2, const char* h3, const char* h4) {
    setHand(1, h1);
    setHand(2, h2);
    setHand(3, h3);
    setHand(4, h4);
    doppelkopfPartyEvent(0, 0);
    doppelkopfPartyEvent(1, 0);
  }
  // The seat plays the card: it leaves its hand and enters the trick.
  static void play(int32_t seat, const char* c) {
    if (trickBySeat.anz != 4) {
      clearHand(trickBySeat);
      trickBySeat.anz = 4;
    }
    trickBySeat.k[seat] = card(c);
    THand h = sp[seat].hand;
    removeFirstCard(h, card(c));
    setStack(seat, h);
    doppelkopfOnCardPlayed(seat);
  }
};

TEST_F(DoppelkopfPartyTest, KreuzDamenShowTheReParty) {
  deal("cQ d9", "hA", "cQ sA", "c9");
  EXPECT_EQ(allViews(views()), "???? R??? ?K?? ??R? ???K");
  play(1, "cQ");
  EXPECT_EQ(viewText(views(), 0), "R???");
  play(3, "cQ");  // two Re make the rest Kontra at once
  EXPECT_EQ(allViews(views()), "RKRK RKRK RKRK RKRK RKRK");
  EXPECT_FALSE(doppelkopfAnyPartyUnknown());
  EXPECT_EQ(area.doppelkopfSoloType, doppelkopfNormalGame);
  EXPECT_EQ(area.seats[0].kreuzDamenPlayed, 2);
}

TEST_F(DoppelkopfPartyTest, SilentWeddingBecomesASoloAtTheSecondKreuzDame) {
  deal("d9", "cQ cQ hA", "sA", "c9");
  area.seats[1].fuchs[1] = 1;
  area.seats[1].fuchsVictim[1] = 3;
  play(2, "cQ");
  EXPECT_EQ(viewText(views(), 0), "?R??");
  EXPECT_EQ(area.doppelkopfSoloType, doppelkopfNormalGame);
  play(2, "cQ");
  EXPECT_EQ(area.doppelkopfSoloType, doppelkopfKaroSolo);
  EXPECT_EQ(area.doppelkopfSoloist, 2);
  EXPECT_EQ(allViews(views()), "KSKK KSKK KSKK KSKK KSKK");
  EXPECT_EQ(area.seats[1].fuchs[1], 0) << "a solo keeps no specials";
}

TEST_F(DoppelkopfPartyTest, KreuzDamenOfAHochzeitSeatMakeNoSolo) {
  deal("cQ cQ", "hA", "sA", "c9");
  area.hochzeitSeat = 1;
  doppelkopfPartyEvent(5, 1);
  play(1, "cQ");
  play(1, "cQ");
  EXPECT_EQ(area.doppelkopfSoloType, doppelkopfNormalGame);
  EXPECT_EQ(viewText(views(), 0), "R???");
}

struct HochzeitCase {
  const char* what;
  std::vector<int32_t> trickWinners;  // tricks 1, 2, 3
  int32_t partner;                     // 0: no partner, the Hochzeit seat plays alone
  int32_t partnerFoundAt;              // the trick
  const char* publicView;              // after the three tricks and their deductions
};

TEST_F(DoppelkopfPartyTest, HochzeitFindsItsPartnerInTheFirstThreeTricks) {
  const HochzeitCase cases[] = {
      {"first trick", {3, 1, 1}, 3, 1, "RKRK"},
      {"second trick", {1, 2, 4}, 2, 2, "RRKK"},
      {"third trick after two own", {1, 1, 2}, 2, 3, "RRKK"},
      {"all three own: alone", {1, 1, 1}, 0, 0, "SKKK"},
  };
  for (const HochzeitCase& c : cases) {
    freshGame();
    deal("cQ cQ hA hA hK hK h9 h9 sK sK s9 s9", "dA", "dA", "d9");
    area.hochzeitSeat = area.doppelkopfSoloist = 1;
    doppelkopfPartyEvent(5, 1);
    for (int32_t s = 1; s <= 4; s++) sp[s].count = 12;
    for (int trick = 1; trick <= 3; trick++) {
      for (int32_t s = 1; s <= 4; s++) sp[s].count--;
      cg.gs.subStep = trick;
      setTrick(1, "h9 d9 s9 c9");
      doppelkopfTrickSpecials(c.trickWinners[trick - 1]);
      doppelkopfPartyEvent(8, 0);
      if (c.partner != 0 && trick < c.partnerFoundAt) {
        EXPECT_TRUE(doppelkopfHochzeitOpen()) << c.what << " trick " << trick;
      }
    }
    EXPECT_FALSE(doppelkopfHochzeitOpen()) << c.what;
    EXPECT_EQ(area.hochzeitPartner, c.partner) << c.what;
    EXPECT_EQ(viewText(views(), 0), c.publicView) << c.what;
    if (c.partner != 0) {
      EXPECT_EQ(area.seats[0].hochzeitPartnerFound, 1) << c.what;
      EXPECT_EQ(area.seats[0].partnerHandSize, 12 - c.partnerFoundAt) << c.what;
      EXPECT_EQ(skatLastSaid(c.partner), "Hochzeit mit Anna") << c.what;
      EXPECT_EQ(area.doppelkopfSoloType, doppelkopfNormalGame) << c.what;
    } else {
      EXPECT_EQ(area.doppelkopfSoloType, doppelkopfKaroSolo) << c.what;
      EXPECT_EQ(area.doppelkopfSoloist, 1) << c.what;
    }
  }
}

TEST_F(DoppelkopfPartyTest, AHochzeitIsNotFoundAfterTheThirdTrick) {
  deal("cQ cQ", "dA", "dA", "d9");
  area.hochzeitSeat = 1;
  cg.gs.subStep = 4;
  setTrick(1, "h9 d9 s9 c9");
  doppelkopfTrickSpecials(2);
  EXPECT_EQ(area.hochzeitPartner, 0);
}

TEST_F(DoppelkopfPartyTest, AnnouncementsShowTheSide) {
  deal("cQ", "hA", "cQ", "c9");
  doppelkopfAnnounce(2);
  EXPECT_EQ(viewText(views(), 0), "?K??");
  EXPECT_EQ(area.seats[0].doppelkopfKontraLevel, 1);
  EXPECT_EQ(skatLastSaid(2), "Kontra");
  doppelkopfAnnounce(3);
  EXPECT_EQ(viewText(views(), 0), "?KR?");
  EXPECT_EQ(area.seats[0].doppelkopfReLevel, 1);
  EXPECT_EQ(skatLastSaid(3), "Re");
  doppelkopfAnnounce(4);  // Kontra's next level, Keine 90
  EXPECT_EQ(viewText(views(), 0), "RKRK") << "two Kontra make the rest Re";
  EXPECT_EQ(area.seats[0].doppelkopfKontraLevel, 2);
}

TEST_F(DoppelkopfPartyTest, AChosenSoloFixesEveryView) {
  deal("cQ", "hA", "cQ", "c9");
  area.doppelkopfSoloType = doppelkopfBubenSolo;
  area.doppelkopfSoloist = 3;
  doppelkopfPartyEvent(1, 0);
  EXPECT_EQ(allViews(views()), "KKRK KKRK KKRK KKRK KKRK");
  for (int v = 0; v <= 4; v++) EXPECT_EQ(views()[v].fixedContract, doppelkopfBubenSolo);
  play(1, "cQ");
  EXPECT_EQ(viewText(views(), 0), "KKRK") << "a Kreuz-Dame shows nothing in a solo";
}

TEST_F(DoppelkopfPartyTest, AnOpenHochzeitLeavesTheOthersUndecidedInTheirOwnViews) {
  setHand(1, "cQ cQ");
  setHand(2, "hA");
  area.hochzeitSeat = 1;
  doppelkopfPartyEvent(0, 0);
  doppelkopfPartyEvent(1, 0);
  EXPECT_EQ(allViews(views()), "R??? R??? R??? R??? R???");
}

}  // namespace
