// cls_Trim: any bytes. Each operation gives what a plain walk from its end gives: the text without
// the one-byte spaces there, and nothing else removed.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/Check.h"
#include "text/cls_Trim.h"

namespace {

std::string PlainTrimLeft(const std::string& text) {
  std::size_t first = 0;
  while (first < text.size() && text[first] == ' ') ++first;
  return text.substr(first);
}

std::string PlainTrimRight(const std::string& text) {
  std::size_t end = text.size();
  while (end > 0 && text[end - 1] == ' ') --end;
  return text.substr(0, end);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::string unchanged = text;
  const cls_Trim trim;
  const std::string left = PlainTrimLeft(text);
  const std::string right = PlainTrimRight(text);
  FUZZ_CHECK(trim.Trim(text) == PlainTrimLeft(right));
  FUZZ_CHECK(trim.TrimLeft(text) == left);
  FUZZ_CHECK(trim.TrimRight(text) == right);
  FUZZ_CHECK(trim.TrimView(text) == PlainTrimLeft(right));
  FUZZ_CHECK(trim.TrimLeftView(text) == left);
  FUZZ_CHECK(trim.TrimRightView(text) == right);
  FUZZ_CHECK(text == unchanged);
  return 0;
}
