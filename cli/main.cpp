#include <cstdio>
#include <exception>

#include "cli/Options.h"
#include "cli/Run.h"

int main(int argc, char** argv) {
  const ParsedCommandLine parsed = ParseCommandLine(argc, argv);
  switch (parsed.action) {
    case ParsedCommandLine::Action::kHelp: std::fputs(kHelp, stdout); return kExitConverted;
    case ParsedCommandLine::Action::kVersion:
      std::puts("soranagi-cli " SORANAGI_VERSION);
      return kExitConverted;
    case ParsedCommandLine::Action::kUsageError:
      std::fprintf(stderr, "soranagi-cli: %s\n%s", parsed.error.c_str(), kUsage);
      return kExitUsage;
    case ParsedCommandLine::Action::kConvert: break;
  }
  try {
    return RunConverter(parsed.options);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "soranagi-cli: %s\n", error.what());
    return kExitInputOutput;
  }
}
