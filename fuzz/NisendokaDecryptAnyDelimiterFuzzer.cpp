// The chant cipher's decryption with a delimiter taken from the data: a length byte (modulo 32),
// the delimiter, then the cipher text. The empty delimiter and the one-byte space cut the text at
// white space only.
#include <cstddef>
#include <cstdint>
#include <string>

#include "cipher/clConvCodeNisendoka.h"
#include "fuzz/CipherChecks.h"
#include "fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput input(data, size);
  clConvCodeNisendoka cipher;
  cipher.SetDelimiter(input.TakeCounted(32));
  fuzz::CheckNisendokaDecryption(cipher, input.Rest());
  return 0;
}
