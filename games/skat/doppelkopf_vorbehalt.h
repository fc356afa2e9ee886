// The phases of Doppelkopf's step before the first card: the Vorbehalt (phase 3), the solo
// and the Hochzeit (phase 7) and the announcements before the first card (phase 8); the
// check of every answer the core accepted; and the answers the decision builder asks of
// Doppelkopf's area.
#pragma once

#include <cstdint>

struct TGameAreaQueries;

// Phases of the step machine.
enum : uint8_t {
  doppelkopfPhaseTricks = 4,
  doppelkopfPhaseVorbehalt = 3,
  doppelkopfPhaseSolo = 7,
  doppelkopfPhaseAnnouncements = 8,
};

// One tick of each phase; the step and the seat to act are the game state's. A question is
// asked through TCG::openDecisionDialog, its answer read on a later tick.
void doppelkopfStepVorbehalt();
void doppelkopfStepSolo();
void doppelkopfStepAnnouncements();
// The seat that leads the first trick: the dealer's left, in a solo as "Bei Solo zieht an" says.
int32_t doppelkopfLeadingSeat();

// Every action the core accepted for the seat to act, before the step sees it: an answer
// that is not among the open decision's options, or a card outside the stored legal list, is
// refused (false); the decision stays open and the trace log says why.
bool doppelkopfCheckAction(int kind, int32_t a, int32_t b);

// Fills Doppelkopf's entries of the decision builder's questions.
void doppelkopfInstallAreaQueries(TGameAreaQueries& q);
