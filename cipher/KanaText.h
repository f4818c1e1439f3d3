#pragma once

#include <cstddef>
#include <string_view>

// A short Shift-JIS (code page 932) text made at compile time from a UTF-8 literal, so that the
// code tables can be written with their kana as they read. It knows the characters those tables
// hold: the full-width hiragana and katakana and the marks ー 、 。 〓; any other character, or a
// text longer than two of them, stops the build.
class KanaText {
 public:
  constexpr KanaText() = default;

  template <std::size_t N>
  consteval KanaText(const char (&utf8)[N]) {  // NOLINT: implicit, so table rows read as literals
    for (std::size_t i = 0; i + 1 < N;) {
      if (i + 3 > N - 1 || static_cast<unsigned char>(utf8[i]) != 0xE3) throw kNotAKana;
      const char32_t cp = (char32_t{static_cast<unsigned char>(utf8[i]) & 0x0Fu} << 12) |
                          (char32_t{static_cast<unsigned char>(utf8[i + 1]) & 0x3Fu} << 6) |
                          char32_t{static_cast<unsigned char>(utf8[i + 2]) & 0x3Fu};
      Append(ShiftJisOf(cp));
      i += 3;
    }
  }

  constexpr std::string_view view() const { return {bytes_, size_}; }
  constexpr const char* c_str() const { return bytes_; }
  constexpr bool empty() const { return size_ == 0; }

 private:
  // Thrown only while compiling: a throw ends the constant evaluation with this text.
  static constexpr const char* kNotAKana = "KanaText: not a character of the code tables";

  // The two bytes of a kana or mark: the hiragana and katakana are runs of consecutive codes in
  // Shift-JIS, the katakana run stepping over the unused trail byte 0x7F.
  static consteval unsigned ShiftJisOf(char32_t cp) {
    if (cp >= U'ぁ' && cp <= U'ん') return 0x829F + (cp - U'ぁ');
    if (cp >= U'ァ' && cp <= U'ミ') return 0x8340 + (cp - U'ァ');
    if (cp >= U'ム' && cp <= U'ヶ') return 0x8380 + (cp - U'ム');
    switch (cp) {
      case U'、': return 0x8141;
      case U'。': return 0x8142;
      case U'ー': return 0x815B;
      case U'〓': return 0x81AC;
    }
    throw kNotAKana;
  }

  consteval void Append(unsigned code) {
    if (size_ + 2u >= sizeof bytes_) throw kNotAKana;
    bytes_[size_++] = static_cast<char>(code >> 8);
    bytes_[size_++] = static_cast<char>(code & 0xFF);
  }

  char bytes_[5]{};  // NUL-terminated
  unsigned char size_ = 0;
};
