#include "cipher/clConvCodeSoroban.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "tests/ConversionCase.h"
#include "tests/KanaForms.h"
#include "tests/Sjis.h"
#include "tests/TableWalks.h"

namespace {

class SorobanEncryptTest : public testing::TestWithParam<ConversionCase> {};
class SorobanDecryptTest : public testing::TestWithParam<ConversionCase> {};

TEST_P(SorobanEncryptTest, WritesTheNumberOfEveryKana) {
  ExpectConversion(clConvCodeSoroban(), &clConvCode::Encrypt, GetParam());
}

TEST_P(SorobanDecryptTest, WritesTheKanaOfEveryNumber) {
  ExpectConversion(clConvCodeSoroban(), &clConvCode::Decrypt, GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SorobanEncryptTest,
    testing::Values(
        ConversionCase{"", "", true}, ConversionCase{"   ", "", true},
        ConversionCase{"あいう", "111213", true}, ConversionCase{"わをん", "010500", true},
        ConversionCase{"アイウ", "111213", true}, ConversionCase{"つっツッ", "43434343", true},
        ConversionCase{"ぁァ", "1111", true}, ConversionCase{"  あい  ", "1112", true},
        // A piece without a row adds nothing, and the rest converts.
        ConversionCase{"がっこう", "432513", false}, ConversionCase{"きゃ", "22", false},
        ConversionCase{"ヴヵヶゎー、。　", "", false}, ConversionCase{"あ南い", "1112", false},
        // A one-byte character shifts every later piece by one byte.
        ConversionCase{"あ い", "11", false}, ConversionCase{"aあい", "", false},
        ConversionCase{"あいa", "1112", false}, ConversionCase{"ｱあ", "", false},
        // CR LF is one piece after whole kana, and is never trimmed.
        ConversionCase{"あい\r\nうえ", "11121314", false},
        ConversionCase{"あい\r\n", "1112", false}));

INSTANTIATE_TEST_SUITE_P(
    Cases, SorobanDecryptTest,
    testing::Values(ConversionCase{"", "", true}, ConversionCase{"   ", "", true},
                    ConversionCase{"111213", "あいう", true},
                    ConversionCase{"010500", "わをん", true}, ConversionCase{"43", "つ", true},
                    ConversionCase{"0204", "ゐゑ", true}, ConversionCase{" 1112  ", "あい", true},
                    ConversionCase{"1112131", "あいう", false}, ConversionCase{"1103", "あ", false},
                    ConversionCase{"１１", "", false}, ConversionCase{"11 12", "あ", false},
                    ConversionCase{"11\r\n12", "あい", false},
                    ConversionCase{"1112\r\n", "あい", false}, ConversionCase{"-1+1", "", false},
                    ConversionCase{"9911", "あ", false}));

// Of the rows that share a number, decryption takes the full-size hiragana, and encrypting that
// gives the number back.
TEST(SorobanNumbersTest, DecryptEveryNumberToFullSizeHiragana) {
  const clConvCodeSoroban soroban;
  int numbers = 0;
  for (int n = 0; n < 100; ++n) {
    char digits[3];
    std::snprintf(digits, sizeof digits, "%02d", n);
    std::string kana;
    const bool result = soroban.Decrypt(digits, kana);
    if (walk::SorobanByDigits(digits) == nullptr) {
      EXPECT_FALSE(result) << digits;
      EXPECT_EQ(kana, "") << digits;
      continue;
    }
    ++numbers;
    EXPECT_TRUE(result) << digits;
    EXPECT_EQ(kana, kana::Hiragana(kana::LargeVowels(kana, true))) << digits << " " << Utf8(kana);
    EXPECT_EQ(kana.size(), 2u) << digits;
    std::string again;
    EXPECT_TRUE(soroban.Encrypt(kana, again));
    EXPECT_EQ(again, digits);
  }
  EXPECT_EQ(numbers, 48);
}

TEST(SorobanOutputTest, AppendsToWhatTheOutputHolds) {
  const clConvCodeSoroban soroban;
  std::string output = "12";
  EXPECT_FALSE(soroban.Encrypt(Sjis("がい"), output));
  EXPECT_EQ(output, "1212");
  output = Sjis("あ");
  EXPECT_TRUE(soroban.Decrypt("12", output));
  EXPECT_EQ(Utf8(output), "あい");
}

}  // namespace
