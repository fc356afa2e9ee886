// Texture numbers of the table's marks, the credits' logos and the display dialog's preview
// pictures, loaded by the dialog build. 0 means not loaded, -1 none (a slot nothing loads).
#pragma once

#include <cstdint>

#include "platform/records.h"

extern int32_t texSkipMarker;   // "aussetz.jpg"
extern int32_t texTurnMarker;   // "dran.jpg"
extern int32_t texDrawMarker;   // "ziehen.jpg"
extern int32_t texKnockMarker;  // set to none by the build; a game loads its own
extern int32_t texPassMarker;   // set to none by the build; a game loads its own
extern LArray<int32_t, 1, 2> texRoundIcons;   // "r1.jpg", "r2.jpg"
// Suit marks 1..4 (the card pictures set them), contract marks 10..12 ("f110.jpg" ..).
extern LArray<int32_t, 1, 12> texSuitIcons;
// The game-specific picture slots of the table: none until a game loads them.
extern int32_t texDoppelkopfMark;
extern int32_t texFoxMark;
extern int32_t texKarlchenMark;
extern int32_t texToutMark;
extern int32_t texSuitIcon0;
extern LArray<int32_t, 1, 3> texCreditsLogos;  // "logo1.jpg", "logo2.jpg", "logo3.bmp"
extern int32_t texStartBackground;             // "back.bmp"
extern int32_t texTablePreview;                // "hl_tische.bmp"
extern int32_t texRoomPreview;                 // "hl_raeume.bmp"
extern int32_t texCardBackPreview;             // "hl_karten.bmp"

// Loads the pictures above through the engine's texture cache, in the build's order; the
// game-specific slots become none first. Without a GL context the numbers stay as they are.
void loadDialogTextures();
// Every number above back to 0.
void clearDialogTextures();
