// The chant cipher's decryption with the delimiter "、": any bytes as cipher text. What decrypts
// with true was read whole: encrypting the kana gives the cells of the tokens back, with true.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "cipher/ConversionCommand.h"
#include "cipher/NisendokaCell.h"
#include "cipher/clConvCodeNisendoka.h"
#include "fuzz/Check.h"
#include "fuzz/CipherChecks.h"
#include "text/cls_CommonString.h"
#include "text/cls_Trim.h"

namespace {

// The cell of every token: the dots of the chant characters that occur in it.
std::vector<unsigned> TokenCells(const std::string& cipherText) {
  std::vector<unsigned> cells;
  const std::string delimiter(kNisendokaDelimiter.view());
  for (const std::string& token :
       cls_CommonString().Split(cls_Trim().Trim(cipherText), delimiter)) {
    unsigned cell = 0;
    for (std::size_t dot = 0; dot < std::size(ChantCharacters); ++dot)
      if (token.find(ChantCharacters[dot]) != std::string::npos) cell |= 1u << dot;
    cells.push_back(cell);
  }
  return cells;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string cipherText(reinterpret_cast<const char*>(data), size);
  clConvCodeNisendoka cipher;
  cipher.SetDelimiter(std::string(kNisendokaDelimiter.view()));
  const fuzz::Added plain = fuzz::CheckNisendokaDecryption(cipher, cipherText);
  if (plain.result) {
    const fuzz::Added again =
        fuzz::CheckNisendokaEncryption(cipher, kNisendokaDelimiter.view(), plain.text);
    FUZZ_CHECK(again.result);
    FUZZ_CHECK(TokenCells(again.text) == TokenCells(cipherText));
    FUZZ_CHECK(fuzz::CheckNisendokaRoundTrip(cipher, plain.text));
  }
  return 0;
}
