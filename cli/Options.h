#pragma once

#include <string>
#include <vector>

#include "cipher/ConversionCommand.h"

// What the command line asks for.
struct Options {
  int cipherKind = kCipherNisendoka;
  int direction = kDirectionEncrypt;
  bool utf8 = true;                // --encoding utf-8 (the default) or cp932
  bool whole = false;              // all of standard input as one text
  bool braille = false;            // Unicode braille patterns in place of chant characters
  std::vector<std::string> texts;  // the TEXT arguments
};

struct ParsedCommandLine {
  enum class Action { kConvert, kHelp, kVersion, kUsageError };
  Action action = Action::kConvert;
  Options options;
  std::string error;  // the one-line reason of a usage error
};

ParsedCommandLine ParseCommandLine(int argc, char** argv);

extern const char kUsage[];  // the synopsis
extern const char kHelp[];   // the synopsis and what every option does
