#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "cipher/clConvCodeNisendoka.h"
#include "tests/Sjis.h"

// One conversion by one operation of a cipher, written in UTF-8 and run in code page 932.
struct ConversionCase {
  const char* input;
  const char* output;
  bool result;
};

inline void PrintTo(const ConversionCase& c, std::ostream* os) {
  *os << '"' << c.input << '"';
}

using CipherOperation = bool (clConvCode::*)(const std::string&, std::string&) const;

// Runs the operation on the case's input with an empty output, and checks the output, the result,
// and that the input is unchanged.
inline void ExpectConversion(const clConvCode& cipher, CipherOperation operation,
                             const ConversionCase& c) {
  const std::string input = Sjis(c.input);
  std::string output;
  EXPECT_EQ((cipher.*operation)(input, output), c.result);
  EXPECT_EQ(Utf8(output), c.output);
  EXPECT_EQ(Utf8(input), c.input);
}

// The chant cipher as every conversion uses it, with the delimiter 、.
inline clConvCodeNisendoka ChantCipher() {
  clConvCodeNisendoka nisendoka;
  nisendoka.SetDelimiter(Sjis("、"));
  return nisendoka;
}
