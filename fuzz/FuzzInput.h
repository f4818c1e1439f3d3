#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Cuts a fuzzer's bytes into the arguments of one call: a few from the front, then the rest.
class FuzzInput {
 public:
  FuzzInput(const std::uint8_t* data, std::size_t size)
      : rest_(reinterpret_cast<const char*>(data), size) {}

  // The next byte; 0 when none is left.
  unsigned char TakeByte() {
    if (rest_.empty()) return 0;
    const auto byte = static_cast<unsigned char>(rest_.front());
    rest_.remove_prefix(1);
    return byte;
  }

  // A string written as a length byte, taken modulo `limit`, and that many bytes.
  std::string TakeCounted(std::size_t limit) {
    const std::size_t length = std::min<std::size_t>(TakeByte() % limit, rest_.size());
    const std::string counted(rest_.substr(0, length));
    rest_.remove_prefix(length);
    return counted;
  }

  std::string Rest() const { return std::string(rest_); }

 private:
  std::string_view rest_;
};
