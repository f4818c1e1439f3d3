#include <gtest/gtest.h>

#include <set>
#include <string>

#include "cipher/NisendokaCell.h"
#include "cipher/clConvCodeNisendoka.h"
#include "tests/KanaForms.h"
#include "tests/Sjis.h"

namespace {

struct Case {
  const char* input;  // UTF-8
  const char* output;
  bool result;
};

void PrintTo(const Case& c, std::ostream* os) {
  *os << '"' << c.input << '"';
}

class NisendokaDecryptTest : public testing::TestWithParam<Case> {};

TEST_P(NisendokaDecryptTest, ReadsACellFromEveryToken) {
  const Case& c = GetParam();
  clConvCodeNisendoka nisendoka;
  nisendoka.SetDelimiter(Sjis("、"));
  const std::string input = Sjis(c.input);
  std::string output;
  EXPECT_EQ(nisendoka.Decrypt(input, output), c.result);
  EXPECT_EQ(Utf8(output), c.output);
  EXPECT_EQ(Utf8(input), c.input);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NisendokaDecryptTest,
    testing::Values(
        Case{"南、", "ア", true}, Case{"南", "ア", true},
        // A prefix cell and the cell after it are one kana.
        Case{"陀、南仏、", "ガ", true}, Case{"弥、南仏、", "キャ", true},
        Case{"弥陀、南仏、", "ギャ", true}, Case{"仏、南阿仏、", "パ", true},
        Case{"弥仏、南阿仏、", "ピャ", true}, Case{"無陀、陀仏、無陀仏、", "ー、。", true},
        // Only which chant characters a token holds counts.
        Case{"無南、", "イ", true}, Case{"南無南、", "イ", true}, Case{"南X、", "ア", true},
        Case{"南無", "イ", true}, Case{"仏陀弥阿無南、", "メ", true},
        // White space separates tokens like the delimiter; runs of separators are one.
        Case{"南 無", "アッ", true}, Case{"南、\r\n無、", "アッ", true},
        Case{"南\r\n無", "アッ", true}, Case{"南\t無\v阿\f弥\t南仏", "アッワキャ", true},
        Case{"、南、、無", "アッ", true}, Case{"", "", true}, Case{"、 、\r\n、", "", true},
        // A cell that decodes to nothing adds nothing, and the rest decodes.
        Case{"南、X、無、", "アッ", false}, Case{"南、　、無、", "アッ", false},
        Case{"無仏、", "", false}, Case{"陀、南、", "", false}, Case{"南、陀、", "ア", false},
        Case{"陀、陀、南仏、", "カ", false}, Case{"南、無、阿、弥、陀、仏、", "アッワ", false},
        // The bytes of 無 straddle ヶ and the half-width ｳ.
        Case{"ヶｳ", "ッ", true}));

TEST(NisendokaDecryptDelimiterTest, CutsAtWhiteSpaceOnlyWithoutADelimiter) {
  const clConvCodeNisendoka nisendoka;
  std::string output;
  EXPECT_TRUE(nisendoka.Decrypt(Sjis("南 無\r\n阿"), output));
  EXPECT_EQ(Utf8(output), "アッワ");
  output.clear();
  EXPECT_TRUE(nisendoka.Decrypt(Sjis("南、無"), output));  // one token that holds 南 and 無
  EXPECT_EQ(Utf8(output), "イ");
}

// Every written cell on its own: the large katakana or the mark of the first row with that cell;
// a prefix cell without a main cell, and a cell that no row has, decode to nothing.
TEST(NisendokaSingleCellTest, DecodesEveryCellThatARowHas) {
  const std::set<unsigned> prefixes = {0x08, 0x10, 0x18, 0x20, 0x28};
  const std::set<unsigned> rowless = {0x22, 0x24, 0x26, 0x36, 0x38, 0x3C};
  clConvCodeNisendoka nisendoka;
  nisendoka.SetDelimiter(Sjis("、"));
  for (unsigned cell = 1; cell < 0x40; ++cell) {
    std::string cipherText(WrittenCell(static_cast<unsigned char>(cell)));
    cipherText += Sjis("、");
    std::string kana;
    const bool result = nisendoka.Decrypt(cipherText, kana);
    if (prefixes.count(cell) || rowless.count(cell)) {
      EXPECT_FALSE(result) << cell;
      EXPECT_EQ(kana, "") << cell;
      continue;
    }
    EXPECT_TRUE(result) << cell;
    ASSERT_EQ(kana.size(), 2u) << cell;
    EXPECT_EQ(kana::LargeVowels(kana::Katakana(kana), false), kana) << Utf8(kana);
    // Encrypting the kana gives the cell back.
    std::string again;
    EXPECT_TRUE(nisendoka.Encrypt(kana, again));
    EXPECT_EQ(again, cipherText);
  }
}

}  // namespace
