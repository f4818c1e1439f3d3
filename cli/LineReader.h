#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

// Reads a stream line by line without holding more than the current line and one block of input.
class LineReader {
 public:
  // Fills the buffer with up to capacity bytes and returns how many; 0 at the end of the input.
  using Source = std::function<std::size_t(char* buffer, std::size_t capacity)>;

  struct Line {
    std::string_view text;        // without its terminator
    std::string_view terminator;  // "\n", "\r\n", or empty for a last line without one
  };

  explicit LineReader(Source source, std::size_t blockSize = 1 << 16);

  // The next line, valid until the next call; false at the end of the input.
  bool Next(Line& line);

 private:
  Source source_;
  std::size_t blockSize_;
  std::string buffer_;
  std::size_t start_ = 0;  // where the next line begins in buffer_
  bool ended_ = false;
};
