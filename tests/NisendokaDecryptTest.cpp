#include <gtest/gtest.h>

#include <set>
#include <string>

#include "cipher/NisendokaCell.h"
#include "cipher/clConvCodeNisendoka.h"
#include "tests/ConversionCase.h"
#include "tests/KanaForms.h"
#include "tests/Sjis.h"

namespace {

class NisendokaDecryptTest : public testing::TestWithParam<ConversionCase> {};

TEST_P(NisendokaDecryptTest, ReadsACellFromEveryToken) {
  ExpectConversion(ChantCipher(), &clConvCode::Decrypt, GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NisendokaDecryptTest,
    testing::Values(
        ConversionCase{"南、", "ア", true}, ConversionCase{"南", "ア", true},
        // A prefix cell and the cell after it are one kana.
        ConversionCase{"陀、南仏、", "ガ", true}, ConversionCase{"弥、南仏、", "キャ", true},
        ConversionCase{"弥陀、南仏、", "ギャ", true}, ConversionCase{"仏、南阿仏、", "パ", true},
        ConversionCase{"弥仏、南阿仏、", "ピャ", true},
        ConversionCase{"無陀、陀仏、無陀仏、", "ー、。", true},
        // Only which chant characters a token holds counts.
        ConversionCase{"無南、", "イ", true}, ConversionCase{"南無南、", "イ", true},
        ConversionCase{"南X、", "ア", true}, ConversionCase{"南無", "イ", true},
        ConversionCase{"仏陀弥阿無南、", "メ", true},
        // White space separates tokens like the delimiter; runs of separators are one.
        ConversionCase{"南 無", "アッ", true}, ConversionCase{"南、\r\n無、", "アッ", true},
        ConversionCase{"南\r\n無", "アッ", true},
        ConversionCase{"南\t無\v阿\f弥\t南仏", "アッワキャ", true},
        ConversionCase{"、南、、無", "アッ", true}, ConversionCase{"", "", true},
        ConversionCase{"、 、\r\n、", "", true},
        // A cell that decodes to nothing adds nothing, and the rest decodes.
        ConversionCase{"南、X、無、", "アッ", false}, ConversionCase{"南、　、無、", "アッ", false},
        ConversionCase{"無仏、", "", false}, ConversionCase{"陀、南、", "", false},
        ConversionCase{"南、陀、", "ア", false}, ConversionCase{"陀、陀、南仏、", "カ", false},
        ConversionCase{"南、無、阿、弥、陀、仏、", "アッワ", false},
        // The bytes of 無 straddle ヶ and the half-width ｳ.
        ConversionCase{"ヶｳ", "ッ", true}));

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
  const clConvCodeNisendoka nisendoka = ChantCipher();
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
