// The chant cipher's encryption with a delimiter taken from the data: a length byte (modulo 32),
// the delimiter, then the plain text. Any delimiter is accepted, the empty one included.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "cipher/ConversionCommand.h"
#include "cipher/clConvCodeNisendoka.h"
#include "fuzz/Check.h"
#include "fuzz/CipherChecks.h"
#include "fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput input(data, size);
  const std::string delimiter = input.TakeCounted(32);
  const std::string plainText = input.Rest();
  clConvCodeNisendoka cipher;
  cipher.SetDelimiter(delimiter);
  const fuzz::Added first = fuzz::CheckNisendokaEncryption(cipher, delimiter, plainText);

  // The cells do not depend on the delimiter: the text written with "、", which no written cell
  // holds, is the same text with "、" in place of every delimiter.
  const std::string_view usualDelimiter = kNisendokaDelimiter.view();
  clConvCodeNisendoka usual;
  usual.SetDelimiter(std::string(usualDelimiter));
  const fuzz::Added withUsual = fuzz::CheckNisendokaEncryption(usual, usualDelimiter, plainText);
  FUZZ_CHECK(withUsual.result == first.result);
  std::string rewritten;
  for (std::size_t start = 0; start < withUsual.text.size();) {
    const std::size_t end = withUsual.text.find(usualDelimiter, start);
    FUZZ_CHECK(end != std::string::npos);  // every cell is followed by the delimiter
    rewritten.append(withUsual.text, start, end - start) += delimiter;
    start = end + usualDelimiter.size();
  }
  FUZZ_CHECK(rewritten == first.text);

  // And after a conversion with another delimiter, the first one gives the same text again.
  const fuzz::Added again = fuzz::CheckNisendokaEncryption(cipher, delimiter, plainText);
  FUZZ_CHECK(again.text == first.text && again.result == first.result);
  return 0;
}
