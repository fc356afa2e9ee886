// The display settings: Tglapp.loadenv, Tglapp.setksize, Tglapp.anzactualize,
// refreshPerspective (declared in shell/shell_services.h) and Tglapp.setPlayerName, with the
// element numbers of "Anzeige" they read.
#pragma once

#include <cstdint>

#include "core/game_id.h"

// Elements of "Anzeige" that the settings read; 0 until the dialog is built, and a choice
// whose element is 0 takes the dialog's default.
extern int32_t elDisplayTableList;  // "Tisch 1" .. "Tisch 5"
extern int32_t elDisplayBackList;   // "Rückseite 1" .. "Rückseite 5"
extern int32_t elDisplayStyleList;  // "Französisch", "Deutsch"
extern int32_t elDisplayFadeList;   // "Nicht" .. "Dunkel&Transp." (hidden)
extern int32_t elDisplaySizeList;   // "Mini", "Klein", "Normal"
extern int32_t elDisplayViewList;   // "Von oben", "Seitlich"
extern int32_t elDisplaySpeedList;  // "Sehr langsam" .. "Blitzschnell"
extern int32_t elDisplayTimeList;   // "Sehr lange" .. "Minimal"
extern int32_t elDisplayDealList;   // "Alle auf einmal", "Einzeln"
extern int32_t elDisplayVoiceList;  // "Ausgeschaltet", "Nur Kommentare", "Eingeschaltet"
extern int32_t elDisplayHelpCheck;  // "Hilfshinweise automatisch zeigen"
extern int32_t elDisplayRoomList;   // "Raum 1" .. "Raum 5"
void clearDisplayElements();

// The entry a selector of "Anzeige" shows; 0 or beyond `count` (a first start without saved
// dialog states, or no dialog yet) gives `fallback`.
int32_t displayChoice(int32_t element, int32_t count, int32_t fallback);

// The timing values of envParam from gameSpeed and displayTime for the game: animSpeed,
// aiDelay and bubbleTime with the game's factors and the final ones.
void deriveTiming(TGameId game, bool developer);

// Card scale before the large layout: by size (1 "Mini" .. 3 "Normal") and game.
double cardScaleFor(int32_t cardSize, TGameId game);
// The card size of Canasta with a full meld table (other side's melds at least 28 or own
// side's at least 10) by the cards on the meld table and the view.
int32_t canastaCardSize(int32_t cardSize, int32_t meldCards, int32_t ownMelds, int32_t otherMelds,
                        bool fromAbove, bool fromSide);

// Tglapp.anzactualize: a click on `element` of "Anzeige" applies the card size, the back, the
// fading choice and the view at once.
void anzactualize(int32_t element);
// Tglapp.setPlayerName: the name field's text becomes the user's seat name; an empty or blank
// name becomes "f_spieler" + " 1", one leading blank is dropped.
void setPlayerName(int32_t dialog, int32_t element);
// Tglapp.qjladen: does nothing.
void qjladen();
