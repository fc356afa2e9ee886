// The seats' spoken reactions at the poker table: a mood through the sound container's
// comment gate, a pro's answer to the user's raise, and the winner's and the biggest loser's
// remark after the pot is divided.
#pragma once

#include <cstdint>

// Moods 1..3 (winning), 11..13 (losing) as emotion comments; 36..38 (raises) once a hand.
// True when the gate let the comment through.
bool pokerReactionSound(int32_t mood, int32_t seat, int32_t chance);
// The user raised by `value`: the first strong enough computer seat, if it is a pro, reacts.
void pokerUserRaiseReaction(int32_t value);
// After the pot division; true when a comment was spoken.
bool pokerEndReaction();
