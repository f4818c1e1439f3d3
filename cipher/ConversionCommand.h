#pragma once

#include <string>

#include "cipher/KanaText.h"

// The cipher kinds and directions, as the main window's choices number them.
inline constexpr int kCipherNisendoka = 0;  // "二銭銅貨"; every other kind is "算盤が恋を語る話"
inline constexpr int kCipherSoroban = 1;
inline constexpr int kDirectionEncrypt = 0;
inline constexpr int kDirectionDecrypt = 1;

// The delimiter that every conversion with the "二銭銅貨" cipher uses.
inline constexpr KanaText kNisendokaDelimiter{"、"};

struct ConversionOutcome {
  std::string output;  // all that could be converted, in input order
  bool result;         // false when a piece could not be converted, or no operation ran
};

// Runs one conversion of the whole input with a fresh cipher of the given kind, in the given
// direction; a direction other than encryption and decryption runs nothing and gives false.
ConversionOutcome ExecuteConversion(int cipherKind, int direction, const std::string& input);
