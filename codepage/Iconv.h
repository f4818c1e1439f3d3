#pragma once

#include <iconv.h>

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

  // Converts input from its start and appends to output, until the input is used up or iconv meets
  // input it cannot convert. Returns how many input bytes were consumed; the output holds the
  // conversion of exactly those bytes.
  std::size_t Append(std::string_view input, std::string& output);

  void Reset();

 private:
  iconv_t descriptor_;
};

// The byte name of native-endian UTF-32 for iconv.
const char* Utf32Name();

}  // namespace cp932
