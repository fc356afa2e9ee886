// The free SVG card decks: a deck's page rendered whole by rsvg-convert, its grid of cards
// found, and one card cut out and scaled to a cell of the card sheets.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "tools/picture_writer.h"

// A rendered page: rows from the top, R, G, B, A per pixel.
struct TDeckPage {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<uint8_t> rgba;
  std::vector<int32_t> columnEdges;  // columns + 1 pixel edges of the grid's cells
  std::vector<int32_t> rowEdges;     // rows + 1
};

// How a deck lays its cards out: `columns` x `rows` cells; rankOfColumn gives the face value
// in each column (1 ace, 2..10, 11 jack, 12 queen, 13 king) and suitOfRow the suit in each
// row (1 clubs, 2 spades, 3 hearts, 4 diamonds, 0 none).
struct TDeckLayout {
  std::string file;  // below the deck folder
  int32_t renderWidth;
  int32_t columns;
  int32_t rows;
  std::array<int32_t, 13> rankOfColumn;
  std::array<int32_t, 5> suitOfRow;
};

// Renders the page with rsvg-convert into a PNG beside `scratch` and reads it. False with a
// message on stderr when the program or the deck fails.
bool renderDeckPage(const std::string& rsvg, const std::string& deckFile, const TDeckLayout& layout,
                    const std::string& scratch, TDeckPage& page);
// The card of the given suit and face value scaled into a w x h picture over white; false
// when the deck has no such card.
bool cutDeckCard(const TDeckPage& page, const TDeckLayout& layout, int32_t suit, int32_t value, int32_t w, int32_t h,
                 TPicImage& out);
