#include "cipher/clConvCodeSoroban.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "tests/KanaForms.h"
#include "tests/Sjis.h"
#include "tests/TableWalks.h"

namespace {

struct Case {
  const char* input;  // UTF-8
  const char* output;
  bool result;
};

void PrintTo(const Case& c, std::ostream* os) {
  *os << '"' << c.input << '"';
}

class SorobanEncryptTest : public testing::TestWithParam<Case> {};
class SorobanDecryptTest : public testing::TestWithParam<Case> {};

TEST_P(SorobanEncryptTest, WritesTheNumberOfEveryKana) {
  const Case& c = GetParam();
  std::string output;
  EXPECT_EQ(clConvCodeSoroban().Encrypt(Sjis(c.input), output), c.result);
  EXPECT_EQ(Utf8(output), c.output);
}

TEST_P(SorobanDecryptTest, WritesTheKanaOfEveryNumber) {
  const Case& c = GetParam();
  std::string output;
  EXPECT_EQ(clConvCodeSoroban().Decrypt(Sjis(c.input), output), c.result);
  EXPECT_EQ(Utf8(output), c.output);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SorobanEncryptTest,
    testing::Values(Case{"", "", true}, Case{"   ", "", true}, Case{"あいう", "111213", true},
                    Case{"わをん", "010500", true}, Case{"アイウ", "111213", true},
                    Case{"つっツッ", "43434343", true}, Case{"ぁァ", "1111", true},
                    Case{"  あい  ", "1112", true},
                    // A piece without a row adds nothing, and the rest converts.
                    Case{"がっこう", "432513", false}, Case{"きゃ", "22", false},
                    Case{"ヴヵヶゎー、。　", "", false}, Case{"あ南い", "1112", false},
                    // A one-byte character shifts every later piece by one byte.
                    Case{"あ い", "11", false}, Case{"aあい", "", false},
                    Case{"あいa", "1112", false}, Case{"ｱあ", "", false},
                    // CR LF is one piece after whole kana, and is never trimmed.
                    Case{"あい\r\nうえ", "11121314", false}, Case{"あい\r\n", "1112", false}));

INSTANTIATE_TEST_SUITE_P(
    Cases, SorobanDecryptTest,
    testing::Values(Case{"", "", true}, Case{"   ", "", true}, Case{"111213", "あいう", true},
                    Case{"010500", "わをん", true}, Case{"43", "つ", true},
                    Case{"0204", "ゐゑ", true}, Case{" 1112  ", "あい", true},
                    Case{"1112131", "あいう", false}, Case{"1103", "あ", false},
                    Case{"１１", "", false}, Case{"11 12", "あ", false},
                    Case{"11\r\n12", "あい", false}, Case{"1112\r\n", "あい", false},
                    Case{"-1+1", "", false}, Case{"9911", "あ", false}));

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
