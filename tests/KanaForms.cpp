#include "tests/KanaForms.h"

#include <algorithm>

#include "codepage/Cp932.h"
#include "tests/Sjis.h"

namespace kana {
namespace {

// The hiragana block ぁ..ゖ and the katakana block ァ..ヶ lie 0x60 code points apart.
constexpr char32_t kScriptDistance = U'ァ' - U'ぁ';

bool IsHiragana(char32_t c) {
  return c >= U'ぁ' && c <= U'ゖ';
}
bool IsKatakana(char32_t c) {
  return c >= U'ァ' && c <= U'ヶ';
}

template <class Change>
std::string Changed(std::string_view cp932, Change change) {
  std::u32string text = cp932::DecodeUtf8(Utf8(cp932));
  std::transform(text.begin(), text.end(), text.begin(), change);
  return Sjis(cp932::EncodeUtf8(text));
}

}  // namespace

std::string Katakana(std::string_view cp932) {
  return Changed(cp932, [](char32_t c) { return IsHiragana(c) ? c + kScriptDistance : c; });
}

std::string Hiragana(std::string_view cp932) {
  return Changed(cp932, [](char32_t c) { return IsKatakana(c) ? c - kScriptDistance : c; });
}

std::string LargeVowels(std::string_view cp932, bool smallTsuToo) {
  constexpr std::u32string_view kSmall = U"ぁぃぅぇぉァィゥェォ";
  return Changed(cp932, [&](char32_t c) {
    // Each small kana comes right before its large one.
    const bool small =
        kSmall.find(c) != std::u32string_view::npos || (smallTsuToo && (c == U'っ' || c == U'ッ'));
    return small ? c + 1 : c;
  });
}

}  // namespace kana
