#include "cipher/clConvCodeSoroban.h"

#include <cstddef>
#include <string_view>

#include "cipher/SorobanCodeTable.h"
#include "text/cls_Trim.h"

namespace {

constexpr std::size_t kPiece = 2;

// Both directions cut the trimmed text into two-byte pieces (the last one a single byte when the
// length is odd) and convert each piece on its own.
template <class ConvertPiece>
bool ConvertPieces(const std::string& input, std::string& output, ConvertPiece convertPiece) {
  const cls_Trim trim;
  const std::string_view text = trim.TrimView(input);
  output.reserve(output.size() + text.size());  // every piece gives two bytes or none
  bool result = true;
  for (std::size_t pos = 0; pos < text.size(); pos += kPiece)
    result &= convertPiece(text.substr(pos, kPiece));
  return result;
}

}  // namespace

bool clConvCodeSoroban::Encrypt(const std::string& plainText, std::string& cipherText) const {
  return ConvertPieces(plainText, cipherText, [&](std::string_view piece) {
    const SorobanCodeEntry* row = FindSorobanRowByKana(piece);
    if (row == nullptr) return false;
    // As "%02d" writes it; every code has at most two digits.
    cipherText += static_cast<char>('0' + row->code / 10);
    cipherText += static_cast<char>('0' + row->code % 10);
    return true;
  });
}

bool clConvCodeSoroban::Decrypt(const std::string& cipherText, std::string& plainText) const {
  return ConvertPieces(cipherText, plainText, [&](std::string_view piece) {
    const SorobanCodeEntry* row = FindSorobanRowByDigits(piece);
    if (row == nullptr) return false;
    plainText += row->kana.view();
    return true;
  });
}
