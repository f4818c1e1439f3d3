#pragma once

#include <cstdio>
#include <cstdlib>

// Stops the program when a property does not hold, so that libFuzzer keeps the input as a crash
// and the replay main fails on it. A macro, so that the message names the condition and its line.
#define FUZZ_CHECK(condition) ((condition) ? void() : ::fuzz::Fail(#condition, __FILE__, __LINE__))

namespace fuzz {

[[noreturn]] inline void Fail(const char* condition, const char* file, int line) {
  std::fprintf(stderr, "%s:%d: check failed: %s\n", file, line, condition);
  std::abort();
}

}  // namespace fuzz
