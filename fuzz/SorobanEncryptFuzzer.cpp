// The abacus cipher's encryption: any bytes as plain text, and the same bytes as picks of table
// kana, which must all convert and come back.
#include <cstddef>
#include <cstdint>
#include <string>

#include "cipher/clConvCodeSoroban.h"
#include "fuzz/Check.h"
#include "fuzz/CipherChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const clConvCodeSoroban cipher;
  fuzz::CheckSorobanRoundTrip(cipher, bytes);
  FUZZ_CHECK(fuzz::CheckSorobanRoundTrip(cipher, fuzz::SorobanTableText(bytes)));
  return 0;
}
