// The game list: a ring of 201 rows in the game state, addressed by game number mod 201,
// one integer per seat and a row text each. Rows older than 201 games are overwritten.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

int gameListRow(int number);

// Column 0 stores the text (cut to 200 characters) as the row text; columns 1..6 store the
// text's integer (a text that is no number stores 0). Other columns are refused with an
// alert. Always 1.
int setGameListCell(std::string_view text, int number, int column);
// The integer cell, columns 0..6; 0 with an alert for any other column.
int32_t gameListValue(int number, int column);
std::string gameListRowText(int number);
// The number itself as decimal text for column -1, else the row text.
std::string gameListCellText(int number, int column);

// A standing from a chip game's final place (0 while the seat still plays), the lowest
// computer strength and the games played: a seat that survives longer, and a winner that
// wins sooner, scores higher.
int32_t chipGameStanding(int place, int lowestSkill, int gamesPlayed);
