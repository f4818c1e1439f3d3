#include "cli/TextConverter.h"

#include "cli/Braille.h"
#include "codepage/Cp932.h"

ConversionOutcome TextConverter::Convert(const std::string& input) const {
  if (options_.braille)
    return options_.direction == kDirectionEncrypt ? braille::Encrypt(input)
                                                   : braille::Decrypt(input);
  if (!options_.utf8) return ExecuteConversion(options_.cipherKind, options_.direction, input);
  ConversionOutcome outcome =
      ExecuteConversion(options_.cipherKind, options_.direction, cp932::FromUtf8(input));
  outcome.output = cp932::ToUtf8(outcome.output);
  return outcome;
}
