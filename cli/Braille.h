#pragma once

#include <string_view>

#include "cipher/ConversionCommand.h"

// The "二銭銅貨" cipher with its cells as Unicode braille patterns (U+2800 plus the cell's dots)
// instead of chant characters. Both directions run the engine's own conversion and only rewrite
// its cells, so the cipher itself is decided in one place. Texts are UTF-8.
namespace braille {

// Every cell of the cipher text as one pattern, with nothing between them.
ConversionOutcome Encrypt(std::string_view plainText);

// Every pattern U+2801–U+283F is one cell; white space and the blank pattern U+2800 only
// separate cells; any other character is a cell that cannot be read.
ConversionOutcome Decrypt(std::string_view brailleText);

}  // namespace braille
