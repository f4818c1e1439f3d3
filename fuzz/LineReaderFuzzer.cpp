// The converter's line reader: a byte for the block size (0 stands for the smallest), one for how
// many bytes each read of the source gives at most, then the stream. The lines and their
// terminators put together are the stream, byte for byte.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "cli/LineReader.h"
#include "fuzz/Check.h"
#include "fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput input(data, size);
  const std::size_t blockSize = input.TakeByte();
  const std::size_t readSize = 1 + input.TakeByte();
  const std::string stream = input.Rest();

  // Gives the stream in short reads, as a pipe does.
  std::size_t sent = 0;
  LineReader reader(
      [&](char* buffer, std::size_t capacity) {
        const std::size_t n = std::min({capacity, readSize, stream.size() - sent});
        std::memcpy(buffer, stream.data() + sent, n);
        sent += n;
        return n;
      },
      blockSize);

  std::string joined;
  LineReader::Line line;
  for (bool last = false; reader.Next(line);) {
    FUZZ_CHECK(!last);  // only the last line may lack a terminator
    FUZZ_CHECK(line.text.find('\n') == std::string_view::npos);
    FUZZ_CHECK(line.terminator == "\n" || line.terminator == "\r\n" || line.terminator.empty());
    if (line.terminator == "\n") FUZZ_CHECK(!line.text.ends_with('\r'));
    if (line.terminator.empty()) FUZZ_CHECK(!line.text.empty());
    last = line.terminator.empty();
    joined.append(line.text).append(line.terminator);
  }
  FUZZ_CHECK(joined == stream);
  FUZZ_CHECK(!reader.Next(line));  // the end stays the end
  return 0;
}
