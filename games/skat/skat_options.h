// The Skat rules in force: the option block kept in Skat's area of the game state, and its
// defaults. The options dialogs read and write it; the game, the settlement and the
// computer player read it.
#pragma once

#include <cstdint>

#include "platform/records.h"

// Values of the count options "Bockrunden" and "Ramschrunden".
enum : int32_t {
  skatRoundsNone = 1,       // "Keine"
  skatRoundsOneGame = 2,    // "Ein Spiel"
  skatRoundsOneRound = 3,   // "Eine Runde"
  skatRoundsTwoRounds = 4,  // "Zwei Runden"
  skatRoundsThreeRounds = 5 // "Drei Runden"
};

// Field order is the order of the record in the game state; bytes are 0/1 switches.
// Written by the options reader at every new local list and on every change of the options
// dialog, by the network table's rules in a network game; reset by the "Standardregeln" button.
struct TSkatOptions {
  uint8_t internationalRules;       // 1 "Internationale Skatordnung", 0 "Eigene"
  int32_t scoring;                  // 1 "Standardwertung", 2 "Turnierwertung", 3 "Nur Minuspunkte", 4 "Nur Pluspunkte"
  uint8_t ownLength;                // 1: the typed number ("Eigene:") is the list length
  int32_t listLength;               // games of the list: 3, 36, 72 or the typed number, 0..200
  int32_t firstDealer;              // seat 1..3 deals the first game; 0 a random seat
  uint8_t rum;                      // "Mit Rum": the declarer may choose Rum (decision 60)
  uint8_t spitze;                   // "Mit Spitze": the Spitze question (decision 59)
  uint8_t grand20;                  // "Grand zählt nur 20"
  int32_t grandBase;                // 20 with grand20, else 24
  uint8_t kontra;                   // "Kontra/Re": the Kontra round is played
  LArray<uint8_t, 1, 3> kontraLevels;  // "Mit Kontra", "Mit Kontra und Re", "Mit Kontra, Re, Sup, Hirsch" (one set)
  uint8_t kontraAfterAnnouncement;  // 1 "Nach der Spielansage", 0 "Nach dem ersten Stich"
  uint8_t bockRamsch;               // "Bock/Ramsch": special games on
  int32_t bockRounds;               // "Bockrunden", skatRoundsNone..skatRoundsThreeRounds
  int32_t ramschRounds;             // "Ramschrunden", the same values
  uint8_t bockAllPassed;            // trigger "Bei eingepasstem Spiel"
  uint8_t bockKontraLost;           // trigger "Kontra verloren"
  uint8_t bockGrandHandWon;         // trigger "Wenn Grand Hand gewonnen"
  uint8_t bockGrandHandLost;        // trigger "Wenn Grand Hand verloren"
  uint8_t ramschIfNoBid;            // "Ramsch, wenn keiner reizt"
  uint8_t bockSixtyAll;             // trigger "Nach 60:60"
  uint8_t bockOver100;              // trigger "Bei Spiel über 100"
  uint8_t bockSchneider;            // trigger "Spieler ist Schneider"
  uint8_t bockListEnd;              // trigger "Bei Spielabschluss"
  uint8_t jacksMayBePushed;         // "Buben schieben erlaubt"
  uint8_t jungfrau;                 // "Jungfrau ansagen erlaubt" (decision 68)
  uint8_t grandHand;                // "Grand Hand erlaubt" (decision 66)
  uint8_t durchmarsch;              // "Durchmarsch erlaubt"
  uint8_t skatToLoser;              // 1 "Spieler mit meisten Augen", 0 "Gewinner des letzten Stichs"
  uint8_t money;                    // "Um Geld": the standings show money
  int32_t moneyRate;                // 1 "1/10 Cent", 2 "1/4 Cent", 3 "1/2 Cent", 4 "1 Cent" per point
};

// The rules a new installation starts with: the international rules ("Standardregeln"),
// twelve rounds, a random first dealer, Bock and Ramsch prepared but switched off.
constexpr TSkatOptions skatDefaultOptions{
    .internationalRules = 1,
    .scoring = 1,
    .ownLength = 0,
    .listLength = 36,
    .firstDealer = 0,
    .rum = 0,
    .spitze = 0,
    .grand20 = 0,
    .grandBase = 24,
    .kontra = 0,
    .kontraLevels = {{1, 0, 0}},
    .kontraAfterAnnouncement = 1,
    .bockRamsch = 0,
    .bockRounds = skatRoundsOneRound,
    .ramschRounds = skatRoundsOneRound,
    .bockAllPassed = 1,
    .bockKontraLost = 1,
    .bockGrandHandWon = 1,
    .bockGrandHandLost = 1,
    .ramschIfNoBid = 0,
    .bockSixtyAll = 1,
    .bockOver100 = 1,
    .bockSchneider = 0,
    .bockListEnd = 0,
    .jacksMayBePushed = 0,
    .jungfrau = 1,
    .grandHand = 1,
    .durchmarsch = 1,
    .skatToLoser = 1,
    .money = 0,
    .moneyRate = 1,
};
