#pragma once

#include <string_view>

// A braille cell is written in the chant 南無阿弥陀仏: one character for each raised dot, dot 1 to
// dot 6 in bits 0 to 5 of the cell.
// clang-format off
inline constexpr std::string_view ChantCharacters[6] = {
    "\x93\xEC",  // dot 1  南
    "\x96\xB3",  // dot 2  無
    "\x88\xA2",  // dot 3  阿
    "\x96\xED",  // dot 4  弥
    "\x91\xC9",  // dot 5  陀
    "\x95\xA7",  // dot 6  仏
};
// clang-format on

// The chant characters of the cell's raised dots, in dot order; bits 6 and 7 are not dots.
std::string_view WrittenCell(unsigned char cell);

// The cell whose dots are the chant characters that occur anywhere in the token's bytes; their
// order, their repetition and every other byte do not count.
unsigned char ReadCell(std::string_view token);
