#pragma once

#include <string>
#include <string_view>

// Other forms of code page 932 kana text, worked out on code points, apart from the code tables.
namespace kana {

// Every hiragana as its katakana, every katakana as its hiragana; other characters stay.
std::string Katakana(std::string_view cp932);
std::string Hiragana(std::string_view cp932);

// Every small vowel ぁぃぅぇぉ ァィゥェォ as its large one, and with the flag the small つ too.
std::string LargeVowels(std::string_view cp932, bool smallTsuToo);

}  // namespace kana
