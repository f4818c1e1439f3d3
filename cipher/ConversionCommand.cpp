#include "cipher/ConversionCommand.h"

#include <memory>

#include "cipher/clConvCodeNisendoka.h"
#include "cipher/clConvCodeSoroban.h"

namespace {

std::unique_ptr<clConvCode> CreateCipher(int cipherKind) {
  if (cipherKind == kCipherNisendoka) {
    auto nisendoka = std::make_unique<clConvCodeNisendoka>();
    nisendoka->SetDelimiter(std::string(kNisendokaDelimiter.view()));
    return nisendoka;
  }
  return std::make_unique<clConvCodeSoroban>();
}

}  // namespace

ConversionOutcome ExecuteConversion(int cipherKind, int direction, const std::string& input) {
  const std::unique_ptr<clConvCode> cipher = CreateCipher(cipherKind);
  ConversionOutcome outcome{{}, false};
  if (direction == kDirectionEncrypt)
    outcome.result = cipher->Encrypt(input, outcome.output);
  else if (direction == kDirectionDecrypt)
    outcome.result = cipher->Decrypt(input, outcome.output);
  return outcome;
}
