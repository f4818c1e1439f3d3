// The chant cipher's encryption with the delimiter "、", as every conversion sets it: any bytes as
// plain text, and the same bytes as picks of table texts, which must all convert and come back.
#include <cstddef>
#include <cstdint>
#include <string>

#include "cipher/ConversionCommand.h"
#include "cipher/clConvCodeNisendoka.h"
#include "fuzz/Check.h"
#include "fuzz/CipherChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  clConvCodeNisendoka cipher;
  cipher.SetDelimiter(std::string(kNisendokaDelimiter.view()));
  fuzz::CheckNisendokaRoundTrip(cipher, bytes);
  FUZZ_CHECK(fuzz::CheckNisendokaRoundTrip(cipher, fuzz::NisendokaTableText(bytes)));
  return 0;
}
