// Rommé's and Gin Rummy's options, the start of each game of a list (deck, dealer, sort
// keys), the hand's sort mode and the resume after loading.
#pragma once

#include <cstdint>
#include <string_view>

// The number in front of the first blank of a list entry; 99999 without one ("Keine Grenze").
int32_t rommeParseLeadingNumber(std::string_view text);
// The options of the running variant. The dialogs come with the shell: until then the record
// is taken as it stands (tests fill it) and only the variant's fixed values are set.
void rommeReadOptions();
void rommeBuildDeck();
int32_t rommeChooseDealer(bool newList);
void rommeNewGame(bool newList);
void rommeResume(int phase);
void rommeSetSortMode(bool byValue);
