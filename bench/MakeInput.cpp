// Writes random table kana in code page 932 to standard output, for the converter benchmarks:
//   soranagi-bench-input nisendoka|soroban BYTES [LINE_BYTES]
// With LINE_BYTES, a line feed ends every line of about that many bytes.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "bench/TableKana.h"
#include "cipher/ConversionCommand.h"

int main(int argc, char** argv) {
  if (argc < 3 || argc > 4) {
    std::fputs("usage: soranagi-bench-input nisendoka|soroban BYTES [LINE_BYTES]\n", stderr);
    return 2;
  }
  const int kind = std::string_view(argv[1]) == "soroban" ? kCipherSoroban : kCipherNisendoka;
  const std::size_t bytes = std::strtoull(argv[2], nullptr, 10);
  const std::size_t lineBytes = argc == 4 ? std::strtoull(argv[3], nullptr, 10) : 0;
  if (lineBytes == 0) {
    const std::string text = RandomTableKana(kind, bytes);
    std::fwrite(text.data(), 1, text.size(), stdout);
  } else {
    for (std::size_t written = 0, line = 0; written < bytes; ++line) {
      std::string text = RandomTableKana(kind, lineBytes, static_cast<unsigned>(line + 1));
      text += '\n';
      std::fwrite(text.data(), 1, text.size(), stdout);
      written += text.size();
    }
  }
  return std::fflush(stdout) == 0 ? 0 : 1;
}
