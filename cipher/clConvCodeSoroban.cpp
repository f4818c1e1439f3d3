#include "cipher/clConvCodeSoroban.h"

#include <cstddef>
#include <string_view>

#include "cipher/SorobanCodeTable.h"
#include "text/cls_Trim.h"

namespace {

constexpr std::size_t kPiece = 2;

constexpr bool EveryKanaIsOnePiece() {
  for (const SorobanCodeEntry* row = SorobanCodeTable; !row->kana.empty(); ++row)
    if (row->kana.view().size() != kPiece) return false;
  return true;
}
static_assert(EveryKanaIsOnePiece(), "decryption writes every kana as one two-byte piece");

// Both directions cut the trimmed text into two-byte pieces (the last one a single byte when the
// length is odd) and turn each piece into two bytes or, where it has no row, into nothing. So the
// output grows by at most the text's length; it is written in place and cut to size after.
template <class ConvertPiece>
bool ConvertPieces(const std::string& input, std::string& output, ConvertPiece convertPiece) {
  const cls_Trim trim;
  const std::string_view text = trim.TrimView(input);
  std::size_t end = output.size();
  output.resize(end + text.size());
  bool result = true;
  for (std::size_t pos = 0; pos < text.size(); pos += kPiece) {
    const bool converted = convertPiece(text.substr(pos, kPiece), output.data() + end);
    end += kPiece * converted;
    result &= converted;
  }
  output.resize(end);
  return result;
}

}  // namespace

bool clConvCodeSoroban::Encrypt(const std::string& plainText, std::string& cipherText) const {
  return ConvertPieces(plainText, cipherText, [](std::string_view piece, char* out) {
    const SorobanCodeEntry* row = FindSorobanRowByKana(piece);
    if (row == nullptr) return false;
    // As "%02d" writes it; every code has at most two digits.
    out[0] = static_cast<char>('0' + row->code / 10);
    out[1] = static_cast<char>('0' + row->code % 10);
    return true;
  });
}

bool clConvCodeSoroban::Decrypt(const std::string& cipherText, std::string& plainText) const {
  return ConvertPieces(cipherText, plainText, [](std::string_view piece, char* out) {
    const SorobanCodeEntry* row = FindSorobanRowByDigits(piece);
    if (row == nullptr) return false;
    row->kana.view().copy(out, kPiece);
    return true;
  });
}
