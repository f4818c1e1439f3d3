#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <iterator>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "cipher/ConversionCommand.h"
#include "cipher/KanaText.h"
#include "cipher/NisendokaCell.h"
#include "cipher/NisendokaCodeTable.h"
#include "cipher/SorobanCodeTable.h"
#include "tests/KanaForms.h"
#include "tests/Sjis.h"
#include "tests/TableWalks.h"

namespace {

constexpr std::size_t kSorobanRows = 108;
constexpr std::size_t kNisendokaRows = 233;

template <class Entry, std::size_t N>
std::size_t RowsBeforeTerminator(const Entry (&table)[N]) {
  std::size_t rows = 0;
  while (rows < N && !table[rows].kana.empty()) ++rows;
  return rows;
}

std::string Text(const KanaText& kana) {
  return std::string(kana.view());
}

TEST(CodeTablesTest, EndInTheirTerminatorRows) {
  ASSERT_EQ(RowsBeforeTerminator(SorobanCodeTable), kSorobanRows);
  EXPECT_EQ(std::size(SorobanCodeTable), kSorobanRows + 1);
  EXPECT_EQ(SorobanCodeTable[kSorobanRows].code, 100);

  ASSERT_EQ(RowsBeforeTerminator(NisendokaCodeTable), kNisendokaRows);
  EXPECT_EQ(std::size(NisendokaCodeTable), kNisendokaRows + 1);
  EXPECT_EQ(NisendokaCodeTable[kNisendokaRows].cell, 0x00);
  EXPECT_EQ(NisendokaCodeTable[kNisendokaRows].prefix, 0x00);
}

TEST(SorobanCodeTableTest, BeginsAndEndsWithTheseRows) {
  const std::pair<const char*, int> first[] = {
      {"あ", 11}, {"ア", 11}, {"ぁ", 11}, {"ァ", 11}, {"い", 12}};
  const std::pair<const char*, int> last[] = {{"を", 5}, {"ヲ", 5}, {"ん", 0}, {"ン", 0}};
  for (std::size_t i = 0; i < std::size(first); ++i) {
    EXPECT_EQ(Utf8(Text(SorobanCodeTable[i].kana)), first[i].first) << "row " << i;
    EXPECT_EQ(SorobanCodeTable[i].code, first[i].second) << "row " << i;
  }
  for (std::size_t i = 0; i < std::size(last); ++i) {
    const std::size_t row = kSorobanRows - std::size(last) + i;
    EXPECT_EQ(Utf8(Text(SorobanCodeTable[row].kana)), last[i].first) << "row " << row;
    EXPECT_EQ(SorobanCodeTable[row].code, last[i].second) << "row " << row;
  }
}

// Where the syllabary puts a kana: its line (the tens digit, あ line 1 … わ line 0) and its vowel.
int SyllabaryNumber(const std::string& largeHiragana) {
  const char* const lines[10][5] = {
      {"わ", "ゐ", nullptr, "ゑ", "を"},    {"あ", "い", "う", "え", "お"},
      {"か", "き", "く", "け", "こ"},       {"さ", "し", "す", "せ", "そ"},
      {"た", "ち", "つ", "て", "と"},       {"な", "に", "ぬ", "ね", "の"},
      {"は", "ひ", "ふ", "へ", "ほ"},       {"ま", "み", "む", "め", "も"},
      {"や", nullptr, "ゆ", nullptr, "よ"}, {"ら", "り", "る", "れ", "ろ"}};
  if (largeHiragana == Sjis("ん")) return 0;
  for (int line = 0; line < 10; ++line)
    for (int vowel = 0; vowel < 5; ++vowel)
      if (lines[line][vowel] != nullptr && largeHiragana == Sjis(lines[line][vowel]))
        return line * 10 + vowel + 1;
  return -1;
}

TEST(SorobanCodeTableTest, NumbersEveryKanaByItsLineAndVowel) {
  for (std::size_t i = 0; i < kSorobanRows; ++i) {
    const std::string text = Text(SorobanCodeTable[i].kana);
    EXPECT_EQ(SorobanCodeTable[i].code,
              SyllabaryNumber(kana::Hiragana(kana::LargeVowels(text, true))))
        << "row " << i << " " << Utf8(text);
  }
}

TEST(SorobanCodeTableTest, UsesTheFortyEightNumbersInOrder) {
  const std::set<int> numbers = {0,  1,  2,  4,  5,  11, 12, 13, 14, 15, 21, 22, 23, 24, 25, 31,
                                 32, 33, 34, 35, 41, 42, 43, 44, 45, 51, 52, 53, 54, 55, 61, 62,
                                 63, 64, 65, 71, 72, 73, 74, 75, 81, 83, 85, 91, 92, 93, 94, 95};
  std::set<int> used;
  for (std::size_t i = 0; i < kSorobanRows; ++i) used.insert(SorobanCodeTable[i].code);
  EXPECT_EQ(used, numbers);

  // By number, the わ line after the ら line and ん last; within a number hiragana, katakana,
  // small hiragana, small katakana.
  const auto rank = [](int code) { return code == 0 ? 1000 : code < 10 ? 100 + code : code; };
  const auto kind = [](const std::string& text) {
    const bool small = kana::LargeVowels(text, true) != text;
    return (small ? 2 : 0) + (text[0] == '\x83' ? 1 : 0);
  };
  for (std::size_t i = 1; i < kSorobanRows; ++i) {
    const SorobanCodeEntry& before = SorobanCodeTable[i - 1];
    const SorobanCodeEntry& row = SorobanCodeTable[i];
    if (row.code == before.code) {
      EXPECT_LT(kind(Text(before.kana)), kind(Text(row.kana))) << "row " << i;
    } else {
      EXPECT_LT(rank(before.code), rank(row.code)) << "row " << i;
    }
  }
}

struct Row {
  std::size_t number;
  const char* kana;
  unsigned char cell;
  unsigned char prefix;
};

TEST(NisendokaCodeTableTest, HoldsTheseRowsInThesePlaces) {
  const Row rows[] = {
      {0, "ア", 0x01, 0x00},     {1, "イ", 0x03, 0x00},     {2, "ウ", 0x09, 0x00},
      {3, "エ", 0x0B, 0x00},     {4, "オ", 0x0A, 0x00},     {5, "ァ", 0x01, 0x00},
      {15, "ガ", 0x21, 0x10},    {63, "メ", 0x3F, 0x00},    {78, "ッ", 0x02, 0x00},
      {79, "キャ", 0x21, 0x08},  {108, "ピョ", 0x2E, 0x28}, {114, "リョ", 0x1A, 0x08},
      {115, "あ", 0x01, 0x00},   {120, "ぁ", 0x01, 0x00},   {192, "ん", 0x34, 0x00},
      {193, "きゃ", 0x21, 0x08}, {228, "りょ", 0x1A, 0x08}, {229, "っ", 0x02, 0x00},
      {230, "ー", 0x12, 0x00},   {231, "、", 0x30, 0x00},   {232, "。", 0x32, 0x00},
  };
  for (const Row& r : rows) {
    const NisendokaCodeEntry& row = NisendokaCodeTable[r.number];
    EXPECT_EQ(Utf8(Text(row.kana)), r.kana) << "row " << r.number;
    EXPECT_EQ(row.cell, r.cell) << "row " << r.number;
    EXPECT_EQ(row.prefix, r.prefix) << "row " << r.number;
  }
}

// The katakana cells as Japanese braille builds them: a vowel's dots, the line's consonant dots,
// and a prefix for the voiced, semi-voiced and contracted sounds.
TEST(NisendokaCodeTableTest, GivesTheKatakanaTheirBrailleCells) {
  constexpr unsigned char kVowelDots[5] = {0x01, 0x03, 0x09, 0x0B, 0x0A};  // 1, 12, 14, 124, 24
  constexpr unsigned char kVoiced = 0x10, kSemiVoiced = 0x20, kContracted = 0x08;
  struct Line {
    std::array<const char*, 5> kana;
    unsigned consonantDots;
    unsigned sound;
    bool contracts;
  };
  const Line lines[] = {
      {{"ア", "イ", "ウ", "エ", "オ"}, 0x00, 0, false},
      {{"ァ", "ィ", "ゥ", "ェ", "ォ"}, 0x00, 0, false},
      {{"カ", "キ", "ク", "ケ", "コ"}, 0x20, 0, true},
      {{"ガ", "ギ", "グ", "ゲ", "ゴ"}, 0x20, kVoiced, true},
      {{"サ", "シ", "ス", "セ", "ソ"}, 0x30, 0, true},
      {{"ザ", "ジ", "ズ", "ゼ", "ゾ"}, 0x30, kVoiced, true},
      {{"タ", "チ", "ツ", "テ", "ト"}, 0x14, 0, true},
      {{"ダ", "ヂ", "ヅ", "デ", "ド"}, 0x14, kVoiced, true},
      {{"ナ", "ニ", "ヌ", "ネ", "ノ"}, 0x04, 0, true},
      {{"ハ", "ヒ", "フ", "ヘ", "ホ"}, 0x24, 0, true},
      {{"バ", "ビ", "ブ", "ベ", "ボ"}, 0x24, kVoiced, true},
      {{"パ", "ピ", "プ", "ペ", "ポ"}, 0x24, kSemiVoiced, true},
      {{"マ", "ミ", "ム", "メ", "モ"}, 0x34, 0, true},
      {{"ラ", "リ", "ル", "レ", "ロ"}, 0x10, 0, true},
  };
  struct Expected {
    std::string utf8;
    unsigned cell;
    unsigned prefix;
  };
  std::vector<Expected> expected;
  for (const Line& line : lines) {
    for (std::size_t vowel = 0; vowel < 5; ++vowel)
      expected.push_back({line.kana[vowel], kVowelDots[vowel] | line.consonantDots, line.sound});
    // The contracted pairs: the い column and a small ャ ュ ョ, with the cell of the ア ウ オ
    // column.
    if (!line.contracts) continue;
    const std::pair<const char*, std::size_t> smalls[] = {{"ャ", 0}, {"ュ", 2}, {"ョ", 4}};
    for (const auto& [small, vowel] : smalls)
      expected.push_back({std::string(line.kana[1]) + small, kVowelDots[vowel] | line.consonantDots,
                          kContracted | line.sound});
  }
  // The rows that follow no such rule.
  const Expected others[] = {{"ヤ", 0x0C, 0}, {"ユ", 0x2C, 0}, {"ヨ", 0x1C, 0}, {"ワ", 0x04, 0},
                             {"ヰ", 0x06, 0}, {"ヱ", 0x16, 0}, {"ヲ", 0x14, 0}, {"ン", 0x34, 0},
                             {"ッ", 0x02, 0}, {"ー", 0x12, 0}, {"、", 0x30, 0}, {"。", 0x32, 0}};
  expected.insert(expected.end(), std::begin(others), std::end(others));

  for (const Expected& e : expected) {
    const NisendokaCodeEntry* row = walk::NisendokaByKana(Sjis(e.utf8));
    ASSERT_NE(row, nullptr) << e.utf8;
    EXPECT_EQ(row->cell, e.cell) << e.utf8;
    EXPECT_EQ(row->prefix, e.prefix) << e.utf8;
  }
  // Those are all the rows but the hiragana.
  std::size_t notHiragana = 0;
  for (std::size_t i = 0; i < kNisendokaRows; ++i)
    notHiragana += NisendokaCodeTable[i].kana.view()[0] != '\x82';
  EXPECT_EQ(notHiragana, expected.size());
}

TEST(NisendokaCodeTableTest, GivesEveryKatakanaRowAHiraganaTwin) {
  std::size_t katakana = 0, hiragana = 0;
  for (std::size_t i = 0; i < kNisendokaRows; ++i) {
    const NisendokaCodeEntry& row = NisendokaCodeTable[i];
    const std::string text = Text(row.kana);
    hiragana += text[0] == '\x82';
    if (text[0] != '\x83') continue;
    ++katakana;
    const NisendokaCodeEntry* twin = walk::NisendokaByKana(kana::Hiragana(text));
    ASSERT_NE(twin, nullptr) << Utf8(text);
    EXPECT_EQ(twin->cell, row.cell) << Utf8(text);
    EXPECT_EQ(twin->prefix, row.prefix) << Utf8(text);
  }
  EXPECT_EQ(katakana, 115u);
  EXPECT_EQ(hiragana, katakana);
}

TEST(NisendokaCodeTableTest, KeepsItsInvariants) {
  const std::set<unsigned char> contracting = {0xE1, 0xE3, 0xE5, 0x83, 0x85, 0x87};
  std::set<std::string> texts;
  std::set<unsigned char> cells, prefixes;
  for (std::size_t i = 0; i < kNisendokaRows; ++i) {
    const NisendokaCodeEntry& row = NisendokaCodeTable[i];
    const std::string text = Text(row.kana);
    SCOPED_TRACE("row " + std::to_string(i) + " " + Utf8(text));
    EXPECT_TRUE(texts.insert(text).second) << "occurs twice";
    EXPECT_NE(row.cell, 0x00);
    EXPECT_EQ(row.cell & 0xC0, 0) << "bits 6 and 7 are no dots";
    if (row.prefix != 0x00) {
      EXPECT_NE(row.prefix & 0x38, 0) << "a prefix raises dot 4, 5 or 6";
    }
    // Encryption reads four bytes only as a kana and a small ゃゅょャュョ.
    if (text.size() == 4) {
      EXPECT_TRUE(contracting.count(static_cast<unsigned char>(text[3])) &&
                  (text[2] == '\x82' || text[2] == '\x83'));
    } else {
      EXPECT_EQ(text.size(), 2u);
    }
    cells.insert(row.cell);
    if (row.prefix != 0x00) prefixes.insert(row.prefix);
  }
  EXPECT_EQ(prefixes, (std::set<unsigned char>{0x08, 0x10, 0x18, 0x20, 0x28}));
  for (const unsigned char prefix : prefixes) EXPECT_EQ(cells.count(prefix), 0u) << int{prefix};
}

// Decryption takes the first row with a cell, or with a prefix and a cell: that row must be the
// large katakana, or a mark.
TEST(NisendokaCodeTableTest, PutsLargeKatakanaFirstForEveryCell) {
  for (std::size_t i = 0; i < kNisendokaRows; ++i) {
    const NisendokaCodeEntry& row = NisendokaCodeTable[i];
    for (const NisendokaCodeEntry* first :
         {walk::NisendokaByCell(row.cell), walk::NisendokaByCells(row.prefix, row.cell)}) {
      const std::string text = Text(first->kana);
      SCOPED_TRACE(Utf8(Text(row.kana)) + " comes back as " + Utf8(text));
      EXPECT_NE(text[0], '\x82');
      EXPECT_EQ(kana::LargeVowels(text, false), text);
    }
    EXPECT_EQ(walk::NisendokaByCell(row.cell)->prefix, 0x00);
  }
}

// The compile-time texts against iconv, for every character that the tables may hold.
struct Utf8Char {
  char bytes[4];
};

constexpr Utf8Char ThreeByteUtf8(char32_t c) {
  return {{static_cast<char>(0xE0 | (c >> 12)), static_cast<char>(0x80 | ((c >> 6) & 0x3F)),
           static_cast<char>(0x80 | (c & 0x3F)), '\0'}};
}

constexpr std::size_t kHiraganaCount = U'ん' - U'ぁ' + 1;
constexpr std::size_t kKatakanaCount = U'ヶ' - U'ァ' + 1;
constexpr char32_t kMarks[] = {U'、', U'。', U'ー', U'〓'};
constexpr std::size_t kCharCount = kHiraganaCount + kKatakanaCount + std::size(kMarks);

constexpr auto kCharUtf8 = [] {
  std::array<Utf8Char, kCharCount> all{};
  std::size_t n = 0;
  for (char32_t c = U'ぁ'; c <= U'ん'; ++c) all[n++] = ThreeByteUtf8(c);
  for (char32_t c = U'ァ'; c <= U'ヶ'; ++c) all[n++] = ThreeByteUtf8(c);
  for (const char32_t c : kMarks) all[n++] = ThreeByteUtf8(c);
  return all;
}();

template <std::size_t... I>
consteval std::array<KanaText, kCharCount> AllKanaTexts(std::index_sequence<I...>) {
  return {KanaText(kCharUtf8[I].bytes)...};
}

TEST(KanaTextTest, GivesTheBytesThatIconvGives) {
  constexpr std::array<KanaText, kCharCount> texts =
      AllKanaTexts(std::make_index_sequence<kCharCount>());
  for (std::size_t i = 0; i < kCharCount; ++i)
    EXPECT_EQ(texts[i].view(), Sjis(kCharUtf8[i].bytes)) << kCharUtf8[i].bytes;
}

TEST(KanaTextTest, ChantCharactersAndDelimiterAreTheirCodePageBytes) {
  const char* const chant[] = {"南", "無", "阿", "弥", "陀", "仏"};
  ASSERT_EQ(std::size(ChantCharacters), std::size(chant));
  for (std::size_t dot = 0; dot < std::size(chant); ++dot)
    EXPECT_EQ(ChantCharacters[dot], Sjis(chant[dot])) << chant[dot];
  EXPECT_EQ(kNisendokaDelimiter.view(), Sjis("、"));
}

// A cell is written as the chant characters of its raised dots in dot order, and read back from
// them.
TEST(ChantCellTest, WritesAndReadsEverySixDotCell) {
  const char* const chant[] = {"南", "無", "阿", "弥", "陀", "仏"};
  for (unsigned cell = 0; cell < 0x40; ++cell) {
    std::string written;
    for (unsigned dot = 0; dot < 6; ++dot)
      if (cell & (1u << dot)) written += Sjis(chant[dot]);
    const auto c = static_cast<unsigned char>(cell);
    EXPECT_EQ(WrittenCell(c), written) << cell;
    EXPECT_EQ(WrittenCell(static_cast<unsigned char>(cell | 0xC0)), written) << cell;
    EXPECT_EQ(ReadCell(written), c) << cell;
  }
}

}  // namespace
