// cp932::FromUtf8 and cp932::DecodeUtf8: any bytes as UTF-8. Every character outside ASCII and
// the half-width katakana, and every byte that is not valid UTF-8, becomes exactly two bytes, so
// that every kana after it keeps its two-byte frame; ASCII and half-width katakana keep one byte.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "codepage/Cp932.h"
#include "fuzz/Check.h"
#include "fuzz/Utf8Units.h"

namespace {

constexpr char32_t kGeta = U'〓';

bool IsOneByte(char32_t c) {
  return c < 0x80 || (c >= U'｡' && c <= U'ﾟ');
}

bool IsSoundMark(char32_t c) {
  return c == 0x3099 || c == 0x309A;  // combining ゛ ゜
}

// The code page 932 byte of ASCII and of the half-width katakana U+FF61–U+FF9F.
char OneByte(char32_t c) {
  return static_cast<char>(c < 0x80 ? c : c - U'｡' + 0xA1);
}

struct Characters {
  std::string oneByte;  // the one-byte characters in order
  std::size_t twoByte = 0;
  bool wellFormed = true;
};

// Reads code page 932 by its lead bytes: 0x81–0x9F and 0xE0–0xFC begin a character of two bytes.
Characters ReadCp932(std::string_view text) {
  Characters read;
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80 || (lead >= 0xA1 && lead <= 0xDF)) {
      read.oneByte += text[i++];
      continue;
    }
    const bool isLead = (lead >= 0x81 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xFC);
    const auto trail = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
    if (!isLead || trail < 0x40 || trail == 0x7F || trail > 0xFC) {
      read.wellFormed = false;
      return read;
    }
    ++read.twoByte;
    i += 2;
  }
  return read;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view utf8(reinterpret_cast<const char*>(data), size);

  // DecodeUtf8 reads what a plain reading of UTF-8 reads, with 〓 for every invalid byte.
  std::u32string expected;
  std::string oneByte;
  std::size_t twoByte = 0, soundMarks = 0;
  for (const fuzz::Utf8Unit& unit : fuzz::ReadUtf8Units(utf8)) {
    expected += unit.valid ? unit.character : kGeta;
    if (unit.valid && IsOneByte(unit.character))
      oneByte += OneByte(unit.character);
    else
      ++twoByte;
    soundMarks += unit.valid && IsSoundMark(unit.character);
  }
  FUZZ_CHECK(cp932::DecodeUtf8(utf8) == expected);

  // One byte for each one-byte character, two for each other one; a sound mark may join the kana
  // before it.
  const std::string cp932 = cp932::FromUtf8(utf8);
  const Characters written = ReadCp932(cp932);
  FUZZ_CHECK(written.wellFormed);
  FUZZ_CHECK(written.oneByte == oneByte);
  FUZZ_CHECK(written.twoByte <= twoByte && written.twoByte + soundMarks >= twoByte);
  FUZZ_CHECK(cp932::FromUtf8(utf8) == cp932);

  // Each character is converted on its own: cut before an ASCII byte, the two parts give the
  // whole.
  const auto last = std::find_if(utf8.rbegin(), utf8.rend(),
                                 [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  if (last != utf8.rend()) {
    const std::size_t cut = utf8.rend() - last - 1;
    FUZZ_CHECK(cp932::FromUtf8(utf8.substr(0, cut)) + cp932::FromUtf8(utf8.substr(cut)) == cp932);
  }

  // What code page 932 text converts to comes back to the same bytes.
  FUZZ_CHECK(cp932::FromUtf8(cp932::ToUtf8(cp932)) == cp932);
  return 0;
}
