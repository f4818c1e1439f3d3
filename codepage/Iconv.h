#pragma once

#include <iconv.h>

#include <cerrno>
#include <cstddef>
#include <string>
#include <string_view>

namespace cp932 {

// One iconv conversion, opened once for each thread and direction and reset before every text.
class Iconv {
 public:
  Iconv(const char* to, const char* from);
  ~Iconv();
  Iconv(const Iconv&) = delete;
  Iconv& operator=(const Iconv&) = delete;

  // Converts input from its start, handing the output to sink(bytes, size) a block at a time,
  // until the input is used up or iconv meets input it cannot convert. Returns how many input
  // bytes were consumed; the sink has had the conversion of exactly those bytes.
  template <class Sink>
  std::size_t Convert(std::string_view input, Sink&& sink);

  std::size_t Append(std::string_view input, std::string& output) {
    return Convert(input, [&](const char* bytes, std::size_t size) { output.append(bytes, size); });
  }

  void Reset();

 private:
  iconv_t descriptor_;
};

// The byte name of native-endian UTF-32 for iconv.
const char* Utf32Name();

template <class Sink>
std::size_t Iconv::Convert(std::string_view input, Sink&& sink) {
  char* in = const_cast<char*>(input.data());  // iconv's signature; it does not write the input
  std::size_t inLeft = input.size();
  char buffer[1 << 14];
  while (inLeft > 0) {
    char* out = buffer;
    std::size_t outLeft = sizeof buffer;
    const std::size_t status = iconv(descriptor_, &in, &inLeft, &out, &outLeft);
    sink(buffer, static_cast<std::size_t>(out - buffer));
    if (status == static_cast<std::size_t>(-1) && errno != E2BIG) break;  // EILSEQ or EINVAL
  }
  return input.size() - inLeft;
}

}  // namespace cp932
