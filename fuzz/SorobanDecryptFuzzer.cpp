// The abacus cipher's decryption: any bytes as cipher text. What decrypts with true is numbers of
// the table only, and encrypting its decryption gives them back.
#include <cstddef>
#include <cstdint>
#include <string>

#include "cipher/clConvCodeSoroban.h"
#include "fuzz/Check.h"
#include "fuzz/CipherChecks.h"
#include "text/cls_Trim.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string cipherText(reinterpret_cast<const char*>(data), size);
  const clConvCodeSoroban cipher;
  const fuzz::Added plain = fuzz::CheckSorobanDecryption(cipher, cipherText);
  FUZZ_CHECK(plain.text.size() <= cls_Trim().TrimView(cipherText).size());
  if (plain.result) {
    const fuzz::Added numbers = fuzz::CheckSorobanEncryption(cipher, plain.text);
    FUZZ_CHECK(numbers.result && numbers.text == cls_Trim().Trim(cipherText));
  }
  return 0;
}
