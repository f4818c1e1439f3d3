#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <type_traits>

#include "cipher/clConvCodeNisendoka.h"
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

class NisendokaEncryptTest : public testing::TestWithParam<Case> {};

TEST_P(NisendokaEncryptTest, WritesTheCellsOfEveryKana) {
  const Case& c = GetParam();
  clConvCodeNisendoka nisendoka;
  nisendoka.SetDelimiter(Sjis("、"));
  const std::string input = Sjis(c.input);
  std::string output;
  EXPECT_EQ(nisendoka.Encrypt(input, output), c.result);
  EXPECT_EQ(Utf8(output), c.output);
  EXPECT_EQ(Utf8(input), c.input);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NisendokaEncryptTest,
    testing::Values(
        Case{"ア", "南、", true}, Case{"ァ", "南、", true}, Case{"あ", "南、", true},
        // A voiced or contracted kana writes its prefix cell first.
        Case{"ガ", "陀、南仏、", true}, Case{"キャ", "弥、南仏、", true},
        Case{"きゃ", "弥、南仏、", true}, Case{"ピョ", "弥仏、無阿弥仏、", true},
        Case{"メ", "南無阿弥陀仏、", true}, Case{"ッっ", "無、無、", true},
        // The delimiter character in the text is a mark like the others.
        Case{"。、ー", "無陀仏、陀仏、無陀、", true},
        Case{"キャンプ。", "弥、南仏、阿陀仏、仏、南阿弥仏、無陀仏、", true},
        // A kana before a small ゃゅょャュョ is read only as a pair: without a row both are lost.
        Case{"アャ", "", false}, Case{"ャア", "南、", false}, Case{"キゃ", "", false},
        Case{"ャ", "", false}, Case{"ヴヵヶゎ南", "", false}, Case{"", "", true},
        Case{"   ", "", true}, Case{"  ア ", "南、", true}, Case{"ア\r\nイ", "南、南無、", false},
        Case{"ア　イ", "南、南無、", false}, Case{"アイ\r\n", "南、南無、", false},
        // A one-byte character shifts the frame: the pieces behind it straddle two characters,
        // and a straddling piece that happens to be a kana is written as that kana.
        Case{"ア イ", "南、", false}, Case{"aア", "", false}, Case{"アa", "南、", false},
        Case{"xャA", "南、", false}, Case{"ｱアイ", "", false}));

TEST(NisendokaEncryptDelimiterTest, WritesNothingBetweenCellsWithoutADelimiter) {
  std::string output;
  EXPECT_TRUE(clConvCodeNisendoka().Encrypt(Sjis("ガ"), output));
  EXPECT_EQ(Utf8(output), "陀南仏");
}

TEST(NisendokaEncryptDelimiterTest, WritesAnyDelimiterAfterEveryCell) {
  clConvCodeNisendoka nisendoka;
  nisendoka.SetDelimiter("/");
  std::string output;
  EXPECT_TRUE(nisendoka.Encrypt(Sjis("ガア"), output));
  EXPECT_EQ(Utf8(output), "陀/南仏/南/");
}

TEST(NisendokaOutputTest, AppendsToWhatTheOutputHolds) {
  clConvCodeNisendoka nisendoka;
  nisendoka.SetDelimiter(Sjis("、"));
  std::string output = Sjis("前");
  EXPECT_FALSE(nisendoka.Encrypt(Sjis("ヴア"), output));
  EXPECT_EQ(Utf8(output), "前南、");
  output = Sjis("ア");
  EXPECT_TRUE(nisendoka.Decrypt(Sjis("南、"), output));
  EXPECT_EQ(Utf8(output), "アア");
}

TEST(NisendokaObjectTest, GivesTheSameResultEveryTime) {
  static_assert(std::has_virtual_destructor_v<clConvCode>);
  const std::unique_ptr<clConvCode> cipher = [] {
    auto nisendoka = std::make_unique<clConvCodeNisendoka>();
    nisendoka->SetDelimiter(Sjis("、"));
    return nisendoka;
  }();
  for (int round = 0; round < 2; ++round) {
    std::string cipherText, plainText, failed;
    EXPECT_FALSE(cipher->Encrypt(Sjis("ヴ"), failed));
    EXPECT_FALSE(cipher->Decrypt(Sjis("陀、"), failed));
    EXPECT_TRUE(cipher->Encrypt(Sjis("ギャ"), cipherText));
    EXPECT_EQ(Utf8(cipherText), "弥陀、南仏、");
    EXPECT_TRUE(cipher->Decrypt(cipherText, plainText));
    EXPECT_EQ(Utf8(plainText), "ギャ");
  }
}

}  // namespace
