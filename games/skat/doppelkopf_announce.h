// Doppelkopf's announcements: Re or Kontra, then Keine 90, Keine 60, Keine 30 and Schwarz,
// which side a seat is on, which level it may say and until which card.
#pragma once

#include <cstdint>
#include <string>

// In a solo every seat but the soloist; otherwise a seat without a Kreuz-Dame in its hand
// that the public view does not show as Re.
bool doppelkopfIsKontraSide(int32_t seat);
// The side's level reached so far, 0..5.
int32_t doppelkopfAnnouncementLevel(bool kontraSide);
// The option of level 1..5 is on.
bool doppelkopfAnnouncementAllowed(int32_t level);
// The first allowed level above the side's current one; 0 when none is left.
int32_t doppelkopfNextAnnouncementLevel(bool kontraSide);
int32_t doppelkopfNextAnnouncementFor(int32_t seat);
// The seat may say its next level now: one is left, no Hochzeit is open, and it holds at
// least 12 - level cards (after a Hochzeit, fewer by the cards the partner had played).
bool doppelkopfNextAnnouncementNow(int32_t seat);
// 1 "Re" or "Kontra", 2 "Keine 90", 3 "Keine 60", 4 "Keine 30", 5 "Schwarz", else "".
std::string doppelkopfAnnouncementName(bool kontraSide, int32_t level);
// The name of the seat's side's next level (next) or of its current level.
std::string doppelkopfAnnouncementText(int32_t seat, bool next);
// The seat says its next level: its side's level rises, the party model learns the seat's
// side, and the seat speaks the name of the level reached.
void doppelkopfAnnounce(int32_t seat);
