// cp932::ToUtf8: any bytes as code page 932. The output is valid UTF-8; bytes below 0x40, which
// no character of two bytes holds, pass through in place and cut the text into parts that convert
// on their own; text that converts without a replacement comes back to as many bytes.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>

#include "codepage/Cp932.h"
#include "fuzz/Check.h"
#include "fuzz/Utf8Units.h"

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

std::string BytesBelow0x40(std::string_view text) {
  std::string below;
  std::copy_if(text.begin(), text.end(), std::back_inserter(below),
               [](char c) { return static_cast<unsigned char>(c) < 0x40; });
  return below;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view cp932(reinterpret_cast<const char*>(data), size);
  const std::string utf8 = cp932::ToUtf8(cp932);
  for (const fuzz::Utf8Unit& unit : fuzz::ReadUtf8Units(utf8)) FUZZ_CHECK(unit.valid);
  FUZZ_CHECK(cp932::ToUtf8(cp932) == utf8);
  FUZZ_CHECK(BytesBelow0x40(utf8) == BytesBelow0x40(cp932));

  const auto last = std::find_if(cp932.rbegin(), cp932.rend(),
                                 [](char c) { return static_cast<unsigned char>(c) < 0x40; });
  if (last != cp932.rend()) {
    const std::size_t cut = cp932.rend() - last - 1;
    FUZZ_CHECK(cp932::ToUtf8(cp932.substr(0, cut)) + cp932::ToUtf8(cp932.substr(cut)) == utf8);
  }

  if (utf8.find(kReplacement) == std::string::npos) {
    const std::string back = cp932::FromUtf8(utf8);
    FUZZ_CHECK(back.size() == cp932.size());
    FUZZ_CHECK(cp932::ToUtf8(back) == utf8);
  }
  return 0;
}
