// ExecuteConversion: a byte for the cipher kind and one for the direction, each read as a signed
// number, then the input text. The conversion is that of a fresh cipher of the kind the number
// chooses; a direction other than 0 and 1 runs nothing and gives false.
#include <cstddef>
#include <cstdint>
#include <string>

#include "cipher/ConversionCommand.h"
#include "cipher/clConvCodeNisendoka.h"
#include "cipher/clConvCodeSoroban.h"
#include "fuzz/Check.h"
#include "fuzz/FuzzInput.h"

namespace {

// The same conversion, called on the cipher directly.
ConversionOutcome Direct(int cipherKind, int direction, const std::string& text) {
  clConvCodeNisendoka nisendoka;
  nisendoka.SetDelimiter("\x81\x41");  // 、
  const clConvCodeSoroban soroban;
  const clConvCode& cipher = cipherKind == 0 ? static_cast<const clConvCode&>(nisendoka) : soroban;
  ConversionOutcome outcome{{}, false};
  if (direction == 0) outcome.result = cipher.Encrypt(text, outcome.output);
  if (direction == 1) outcome.result = cipher.Decrypt(text, outcome.output);
  return outcome;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput input(data, size);
  const int cipherKind = static_cast<std::int8_t>(input.TakeByte());
  const int direction = static_cast<std::int8_t>(input.TakeByte());
  const std::string text = input.Rest();
  const std::string unchanged = text;

  const ConversionOutcome outcome = ExecuteConversion(cipherKind, direction, text);
  FUZZ_CHECK(text == unchanged);
  const ConversionOutcome expected = Direct(cipherKind, direction, text);
  FUZZ_CHECK(outcome.output == expected.output && outcome.result == expected.result);
  if (direction != 0 && direction != 1) FUZZ_CHECK(outcome.output.empty() && !outcome.result);

  const ConversionOutcome again = ExecuteConversion(cipherKind, direction, text);
  FUZZ_CHECK(again.output == outcome.output && again.result == outcome.result);
  return 0;
}
