// The table overlay panels' reactions to clicks (#ipanel, #helppanel, #chatpanel,
// #pokerpanel, #textpanel, #buttonpanel and the developer panels).
#pragma once

#include <cstdint>
#include <string>

// A click on an element of #helppanel, #infopanel, #clusterpanel or the message dialog: true
// for any element of those (the event channel's element-click chain then ends), false for
// every other dialog. The message dialog reacts only in a network game.
bool panelClick(int32_t dialog, int32_t element);

// The #infopanel's card count check: every card of ranks 1..13 and suits 1..4 counted over
// the stock (stack 11) and the hands of seats 1..playerCount; "should" adds 1 per card, "is"
// 100 for a card found exactly twice, else the number found.
std::string consistencyText();
