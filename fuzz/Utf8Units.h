#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

// A plain reading of UTF-8, apart from iconv, for the code page targets to check against.
namespace fuzz {

// One character of a UTF-8 text, or one byte that does not begin a well-formed sequence (too short,
// overlong, a surrogate, above U+10FFFF, or no lead byte at all).
struct Utf8Unit {
  char32_t character;  // when valid
  bool valid;
  std::size_t size;  // bytes; 1 for an invalid byte
};

inline Utf8Unit ReadUtf8Unit(std::string_view text, std::size_t at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80) return {lead, true, 1};
  std::size_t size = 0;
  char32_t least = 0;
  if (lead >= 0xC2 && lead <= 0xDF) size = 2, least = 0x80;
  if (lead >= 0xE0 && lead <= 0xEF) size = 3, least = 0x800;
  if (lead >= 0xF0 && lead <= 0xF4) size = 4, least = 0x10000;
  const Utf8Unit invalid{0, false, 1};
  if (size == 0 || at + size > text.size()) return invalid;
  char32_t c = lead & (0x7F >> size);
  for (std::size_t i = 1; i < size; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return invalid;
    c = c << 6 | (byte(i) & 0x3F);
  }
  if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return invalid;
  return {c, true, size};
}

inline std::vector<Utf8Unit> ReadUtf8Units(std::string_view text) {
  std::vector<Utf8Unit> units;
  for (std::size_t at = 0; at < text.size(); at += units.back().size)
    units.push_back(ReadUtf8Unit(text, at));
  return units;
}

}  // namespace fuzz
