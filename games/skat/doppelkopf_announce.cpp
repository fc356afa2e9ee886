// Doppelkopf's announcements.
#include "games/skat/doppelkopf_announce.h"

#include "games/skat/doppelkopf_party.h"
#include "games/skat/doppelkopf_rules.h"
#include "games/skat/doppelkopf_state.h"
#include "games/skat/skat_services.h"
#include "table/stacks.h"

namespace {

constexpr int32_t lastLevel = 5;
const TCard kreuzDame = makeCard(rankQueen, suitClubs);

int32_t& levelOf(bool kontraSide) {
  TDoppelkopfSeat& g = doppelkopfGameWide();
  return kontraSide ? g.doppelkopfKontraLevel : g.doppelkopfReLevel;
}

}  // namespace

bool doppelkopfIsKontraSide(int32_t seat) {
  const TDoppelkopfArea& a = *doppelkopfArea;
  if (seat < 1 || seat > 4) return false;
  if (!doppelkopfIsNormalGame()) return seat != a.doppelkopfSoloist;
  return !hasCard(sp[seat].hand, kreuzDame) && doppelkopfPartyOf(seat, 0) != partyRe;
}

int32_t doppelkopfAnnouncementLevel(bool kontraSide) { return levelOf(kontraSide); }

bool doppelkopfAnnouncementAllowed(int32_t level) {
  return level >= 1 && level <= lastLevel && doppelkopfArea->options.announcements[level] != 0;
}

int32_t doppelkopfNextAnnouncementLevel(bool kontraSide) {
  for (int32_t level = doppelkopfAnnouncementLevel(kontraSide) + 1; level <= lastLevel; level++)
    if (doppelkopfAnnouncementAllowed(level)) return level;
  return 0;
}

int32_t doppelkopfNextAnnouncementFor(int32_t seat) {
  return doppelkopfNextAnnouncementLevel(doppelkopfIsKontraSide(seat));
}

bool doppelkopfNextAnnouncementNow(int32_t seat) {
  if (seat < 1 || seat > 4) return false;
  const int32_t level = doppelkopfNextAnnouncementFor(seat);
  if (level == 0 || doppelkopfHochzeitOpen()) return false;
  const TDoppelkopfSeat& g = doppelkopfGameWide();
  const int32_t late = g.hochzeitPartnerFound ? doppelkopfHandSize - g.partnerHandSize : 0;
  return sp[seat].count + (level - 1) + late >= 11;
}

std::string doppelkopfAnnouncementName(bool kontraSide, int32_t level) {
  switch (level) {
    case 1: return kontraSide ? "Kontra" : "Re";
    case 2: return "Keine 90";
    case 3: return "Keine 60";
    case 4: return "Keine 30";
    case 5: return "Schwarz";
    default: return {};
  }
}

std::string doppelkopfAnnouncementText(int32_t seat, bool next) {
  const bool kontra = doppelkopfIsKontraSide(seat);
  return doppelkopfAnnouncementName(kontra, next ? doppelkopfNextAnnouncementLevel(kontra)
                                                 : doppelkopfAnnouncementLevel(kontra));
}

void doppelkopfAnnounce(int32_t seat) {
  const bool kontra = doppelkopfIsKontraSide(seat);
  const int32_t level = doppelkopfNextAnnouncementLevel(kontra);
  if (level == 0) return;
  doppelkopfPartyEvent(kontra ? 4 : 5, seat);
  levelOf(kontra) = level;
  skatSay(doppelkopfAnnouncementName(kontra, level), seat, 1);
}
