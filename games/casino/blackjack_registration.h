// Blackjack's table of calls (also "17 und 4"), registered at start-up.
#pragma once

void registerBlackjackGame();
