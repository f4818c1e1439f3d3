#pragma once

#include "cli/Options.h"

// Exit statuses of the converter.
inline constexpr int kExitConverted = 0;
inline constexpr int kExitNotConverted = 1;  // something could not be converted
inline constexpr int kExitUsage = 2;
inline constexpr int kExitInputOutput = 3;

// Converts the TEXT arguments, or standard input by lines or as a whole, to standard output, and
// reports on standard error what could not be converted. Returns the exit status.
int RunConverter(const Options& options);
