#include "tests/Sjis.h"

#include "codepage/Cp932.h"

std::string Sjis(std::string_view utf8) {
  return cp932::FromUtf8(utf8);
}
std::string Utf8(std::string_view cp932) {
  return cp932::ToUtf8(cp932);
}
