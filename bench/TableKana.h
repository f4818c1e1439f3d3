#pragma once

#include <cstddef>
#include <string>

// About `bytes` bytes of code page 932 text made of kana picked at random (with a fixed seed) from
// the code table of the cipher kind, so that every piece converts.
std::string RandomTableKana(int cipherKind, std::size_t bytes, unsigned seed = 1);
