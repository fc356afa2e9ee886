// Poker rules that other subsystems ask.
#pragma once

// An ace also counts low in a straight (5-4-3-2-A).
constexpr bool pokerAceLowStraight = true;
