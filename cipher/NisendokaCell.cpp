#include "cipher/NisendokaCell.h"

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kDots = std::size(ChantCharacters);

std::size_t PairKey(unsigned char first, unsigned char second) {
  return std::size_t{first} << 8 | second;
}

}  // namespace

std::string_view WrittenCell(unsigned char cell) {
  static const auto written = [] {
    std::array<std::string, 1 << kDots> all;
    for (std::size_t c = 0; c < all.size(); ++c)
      for (std::size_t dot = 0; dot < kDots; ++dot)
        if (c & (1u << dot)) all[c] += ChantCharacters[dot];
    return all;
  }();
  return written[cell & (written.size() - 1)];
}

unsigned char ReadCell(std::string_view token) {
  // The dot bit of every byte pair that is a chant character, so that a token is read in one pass.
  static const auto dotOfPair = [] {
    std::vector<unsigned char> dots(0x10000, 0);
    for (std::size_t dot = 0; dot < kDots; ++dot) {
      const std::string_view c = ChantCharacters[dot];
      dots[PairKey(c[0], c[1])] = static_cast<unsigned char>(1u << dot);
    }
    return dots;
  }();
  unsigned char cell = 0;
  for (std::size_t i = 1; i < token.size(); ++i) cell |= dotOfPair[PairKey(token[i - 1], token[i])];
  return cell;
}
