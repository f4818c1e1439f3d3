#include "cli/Options.h"

#include <getopt.h>

#include <cstddef>
#include <optional>
#include <string_view>

// A macro, so that both texts below are one string literal each.
#define SYNOPSIS                                                                            \
  "usage: soranagi-cli [-c nisendoka|soroban] (-e|-d) [--encoding utf-8|cp932] [--whole]\n" \
  "                    [--braille] [TEXT ...]\n"

const char kUsage[] = SYNOPSIS;

const char kHelp[] = SYNOPSIS
    "\n"
    "Encrypts or decrypts kana with the 二銭銅貨 cipher (nisendoka, the default) or the\n"
    "算盤が恋を語る話 cipher (soroban). Each TEXT is converted on its own; without TEXT,\n"
    "standard input is converted line by line.\n"
    "\n"
    "  -c, --cipher NAME      nisendoka or soroban\n"
    "  -e, --encrypt          plain text to cipher text\n"
    "  -d, --decrypt          cipher text to plain text\n"
    "      --encoding NAME    utf-8 (the default) or cp932, for input, TEXT and output\n"
    "      --whole            convert all of standard input as one text, line breaks included\n"
    "      --braille          nisendoka only: braille patterns (U+2800-U+283F) in place of\n"
    "                         南無阿弥陀仏; needs utf-8\n"
    "  -h, --help             show this help\n"
    "  -V, --version          show the version\n"
    "\n"
    "Exit status: 0 when everything was converted, 1 when something could not be (all\n"
    "else is still written), 2 on a usage error, 3 when input or output failed.\n";

namespace {

struct Choice {
  std::string_view name;
  int value;
};
constexpr Choice kCiphers[] = {{"nisendoka", kCipherNisendoka}, {"soroban", kCipherSoroban}};
constexpr Choice kEncodings[] = {{"utf-8", true}, {"cp932", false}};  // whether it is UTF-8

// The value of the choice that the name names, or nothing.
template <std::size_t N>
std::optional<int> Choose(const Choice (&choices)[N], std::string_view name) {
  for (const Choice& choice : choices)
    if (choice.name == name) return choice.value;
  return std::nullopt;
}

template <std::size_t N>
std::string UnknownChoice(std::string_view what, const Choice (&choices)[N],
                          std::string_view name) {
  std::string reason = "unknown " + std::string(what) + " '" + std::string(name) + "' (";
  for (std::size_t i = 0; i < N; ++i)
    reason += (i > 0 ? " or " : "") + std::string(choices[i].name);
  return reason + ")";
}

ParsedCommandLine UsageError(std::string reason) {
  ParsedCommandLine parsed;
  parsed.action = ParsedCommandLine::Action::kUsageError;
  parsed.error = std::move(reason);
  return parsed;
}

}  // namespace

ParsedCommandLine ParseCommandLine(int argc, char** argv) {
  enum LongOnly { kEncoding = 256, kWhole, kBraille };
  static const option kLongOptions[] = {{"cipher", required_argument, nullptr, 'c'},
                                        {"encrypt", no_argument, nullptr, 'e'},
                                        {"decrypt", no_argument, nullptr, 'd'},
                                        {"encoding", required_argument, nullptr, kEncoding},
                                        {"whole", no_argument, nullptr, kWhole},
                                        {"braille", no_argument, nullptr, kBraille},
                                        {"help", no_argument, nullptr, 'h'},
                                        {"version", no_argument, nullptr, 'V'},
                                        {nullptr, 0, nullptr, 0}};

  ParsedCommandLine parsed;
  Options& options = parsed.options;
  int directions = 0;
  opterr = 0;  // the reasons below replace getopt's own messages
  optind = 0;  // GNU getopt: start afresh, so that parsing can run more than once
  for (int c; (c = getopt_long(argc, argv, ":c:edhV", kLongOptions, nullptr)) != -1;) {
    switch (c) {
      case 'c': {
        const std::optional<int> kind = Choose(kCiphers, optarg);
        if (!kind) return UsageError(UnknownChoice("cipher", kCiphers, optarg));
        options.cipherKind = *kind;
        break;
      }
      case 'e':
      case 'd':
        options.direction = c == 'e' ? kDirectionEncrypt : kDirectionDecrypt;
        ++directions;
        break;
      case kEncoding: {
        const std::optional<int> utf8 = Choose(kEncodings, optarg);
        if (!utf8) return UsageError(UnknownChoice("encoding", kEncodings, optarg));
        options.utf8 = *utf8;
        break;
      }
      case kWhole: options.whole = true; break;
      case kBraille: options.braille = true; break;
      case 'h': parsed.action = ParsedCommandLine::Action::kHelp; return parsed;
      case 'V': parsed.action = ParsedCommandLine::Action::kVersion; return parsed;
      case ':': return UsageError(std::string("option '") + argv[optind - 1] + "' needs a value");
      default:  // optopt names an unknown short option; an unknown long one was the last read
        return UsageError("unknown option '" +
                          (optopt != 0 ? std::string{'-', static_cast<char>(optopt)}
                                       : std::string(argv[optind - 1])) +
                          "'");
    }
  }
  options.texts.assign(argv + optind, argv + argc);

  if (directions != 1) return UsageError("give exactly one of -e (encrypt) and -d (decrypt)");
  if (options.braille && options.cipherKind != kCipherNisendoka)
    return UsageError("--braille goes with the nisendoka cipher only");
  if (options.braille && !options.utf8)
    return UsageError("--braille needs --encoding utf-8: braille patterns exist only in Unicode");
  if (options.whole && !options.texts.empty())
    return UsageError("--whole converts standard input and takes no TEXT");
  return parsed;
}
