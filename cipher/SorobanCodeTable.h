#pragma once

#include <string_view>

#include "cipher/KanaText.h"

// One row of the abacus cipher's table: a kana and its number, the tens digit its line of the
// syllabary and the units digit its vowel.
struct SorobanCodeEntry {
  KanaText kana;       // one kana; empty in the terminator
  unsigned char code;  // 0 to 95; 100 in the terminator, which is never read
};

// By number, and within a number hiragana, katakana, small hiragana, small katakana. Decryption
// takes the first row of a number, so it always gives the full-size hiragana.
// clang-format off
inline constexpr SorobanCodeEntry SorobanCodeTable[] = {
    {"あ", 11}, {"ア", 11}, {"ぁ", 11}, {"ァ", 11},
    {"い", 12}, {"イ", 12}, {"ぃ", 12}, {"ィ", 12},
    {"う", 13}, {"ウ", 13}, {"ぅ", 13}, {"ゥ", 13},
    {"え", 14}, {"エ", 14}, {"ぇ", 14}, {"ェ", 14},
    {"お", 15}, {"オ", 15}, {"ぉ", 15}, {"ォ", 15},
    {"か", 21}, {"カ", 21},
    {"き", 22}, {"キ", 22},
    {"く", 23}, {"ク", 23},
    {"け", 24}, {"ケ", 24},
    {"こ", 25}, {"コ", 25},
    {"さ", 31}, {"サ", 31},
    {"し", 32}, {"シ", 32},
    {"す", 33}, {"ス", 33},
    {"せ", 34}, {"セ", 34},
    {"そ", 35}, {"ソ", 35},
    {"た", 41}, {"タ", 41},
    {"ち", 42}, {"チ", 42},
    {"つ", 43}, {"ツ", 43}, {"っ", 43}, {"ッ", 43},
    {"て", 44}, {"テ", 44},
    {"と", 45}, {"ト", 45},
    {"な", 51}, {"ナ", 51},
    {"に", 52}, {"ニ", 52},
    {"ぬ", 53}, {"ヌ", 53},
    {"ね", 54}, {"ネ", 54},
    {"の", 55}, {"ノ", 55},
    {"は", 61}, {"ハ", 61},
    {"ひ", 62}, {"ヒ", 62},
    {"ふ", 63}, {"フ", 63},
    {"へ", 64}, {"ヘ", 64},
    {"ほ", 65}, {"ホ", 65},
    {"ま", 71}, {"マ", 71},
    {"み", 72}, {"ミ", 72},
    {"む", 73}, {"ム", 73},
    {"め", 74}, {"メ", 74},
    {"も", 75}, {"モ", 75},
    {"や", 81}, {"ヤ", 81},
    {"ゆ", 83}, {"ユ", 83},
    {"よ", 85}, {"ヨ", 85},
    {"ら", 91}, {"ラ", 91},
    {"り", 92}, {"リ", 92},
    {"る", 93}, {"ル", 93},
    {"れ", 94}, {"レ", 94},
    {"ろ", 95}, {"ロ", 95},
    {"わ",  1}, {"ワ",  1},
    {"ゐ",  2}, {"ヰ",  2},
    {"ゑ",  4}, {"ヱ",  4},
    {"を",  5}, {"ヲ",  5},
    {"ん",  0}, {"ン",  0},
    {"", 100},
};
// clang-format on

// The searches of the table, each giving the row that a walk from the first row would find first,
// or nullptr where the walk would reach the terminator. They read an index built from the table.
const SorobanCodeEntry* FindSorobanRowByKana(std::string_view kana);
const SorobanCodeEntry* FindSorobanRowByDigits(std::string_view digits);  // as "%02d" writes code
