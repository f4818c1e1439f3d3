#include "cli/Braille.h"

#include <string>

#include "cipher/NisendokaCell.h"
#include "codepage/Cp932.h"
#include "text/cls_CommonString.h"

namespace braille {
namespace {

constexpr char32_t kBlankPattern = 0x2800;
constexpr char32_t kLastPattern = 0x283F;  // all six dots

// Holds no chant character, so the engine reads it as a cell with no dots, which no kana has.
constexpr KanaText kUnreadableCell{"〓"};

}  // namespace

ConversionOutcome Encrypt(std::string_view plainText) {
  const ConversionOutcome chant =
      ExecuteConversion(kCipherNisendoka, kDirectionEncrypt, cp932::FromUtf8(plainText));
  std::u32string patterns;
  const cls_CommonString strings;
  strings.ForEachPiece(chant.output, kNisendokaDelimiter.view(), [&](std::string_view cell) {
    patterns += static_cast<char32_t>(kBlankPattern + ReadCell(cell));
  });
  return {cp932::EncodeUtf8(patterns), chant.result};
}

ConversionOutcome Decrypt(std::string_view brailleText) {
  const std::string_view delimiter = kNisendokaDelimiter.view();
  std::string chant;
  for (const char32_t c : cp932::DecodeUtf8(brailleText)) {
    if (c > kBlankPattern && c <= kLastPattern) {
      chant += WrittenCell(static_cast<unsigned char>(c - kBlankPattern));
      chant += delimiter;
    } else if (c == kBlankPattern) {
      chant += delimiter;
    } else if (c < 0x80 && cls_CommonString::IsWhiteSpace(static_cast<char>(c))) {
      chant += static_cast<char>(c);
    } else {
      chant += kUnreadableCell.view();
      chant += delimiter;
    }
  }
  ConversionOutcome plain = ExecuteConversion(kCipherNisendoka, kDirectionDecrypt, chant);
  plain.output = cp932::ToUtf8(plain.output);
  return plain;
}

}  // namespace braille
