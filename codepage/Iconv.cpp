#include "codepage/Iconv.h"

#include <bit>
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

const char* Utf32Name() {
  return std::endian::native == std::endian::little ? "UTF-32LE" : "UTF-32BE";
}

}  // namespace cp932
