#include "codepage/Iconv.h"

#include <bit>
#include <cerrno>
#include <stdexcept>

namespace cp932 {

Iconv::Iconv(const char* to, const char* from) : descriptor_(iconv_open(to, from)) {
  if (descriptor_ == reinterpret_cast<iconv_t>(-1))
    throw std::runtime_error(std::string("iconv cannot convert from ") + from + " to " + to);
}

Iconv::~Iconv() {
  iconv_close(descriptor_);
}

void Iconv::Reset() {
  iconv(descriptor_, nullptr, nullptr, nullptr, nullptr);
}

std::size_t Iconv::Append(std::string_view input, std::string& output) {
  char* in = const_cast<char*>(input.data());  // iconv's signature; it does not write the input
  std::size_t inLeft = input.size();
  char buffer[1 << 14];
  while (inLeft > 0) {
    char* out = buffer;
    std::size_t outLeft = sizeof buffer;
    const std::size_t status = iconv(descriptor_, &in, &inLeft, &out, &outLeft);
    output.append(buffer, out);
    if (status == static_cast<std::size_t>(-1) && errno != E2BIG) break;  // EILSEQ or EINVAL
  }
  return input.size() - inLeft;
}

const char* Utf32Name() {
  return std::endian::native == std::endian::little ? "UTF-32LE" : "UTF-32BE";
}

}  // namespace cp932
