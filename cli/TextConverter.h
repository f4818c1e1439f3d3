#pragma once

#include <string>

#include "cipher/ConversionCommand.h"
#include "cli/Options.h"

// Converts one text as the options ask, in the encoding the options name: the engine's code page
// 932 passed through untouched, or UTF-8 transcoded on the way in and out.
class TextConverter {
 public:
  explicit TextConverter(const Options& options) : options_(options) {}

  ConversionOutcome Convert(const std::string& input) const;

 private:
  const Options& options_;
};
