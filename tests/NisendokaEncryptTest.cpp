#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <type_traits>

#include "cipher/clConvCodeNisendoka.h"
#include "tests/ConversionCase.h"
#include "tests/Sjis.h"

namespace {

class NisendokaEncryptTest : public testing::TestWithParam<ConversionCase> {};

TEST_P(NisendokaEncryptTest, WritesTheCellsOfEveryKana) {
  ExpectConversion(ChantCipher(), &clConvCode::Encrypt, GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NisendokaEncryptTest,
    testing::Values(
        ConversionCase{"ア", "南、", true}, ConversionCase{"ァ", "南、", true},
        ConversionCase{"あ", "南、", true},
        // A voiced or contracted kana writes its prefix cell first.
        ConversionCase{"ガ", "陀、南仏、", true}, ConversionCase{"キャ", "弥、南仏、", true},
        ConversionCase{"きゃ", "弥、南仏、", true},
        ConversionCase{"ピョ", "弥仏、無阿弥仏、", true},
        ConversionCase{"メ", "南無阿弥陀仏、", true}, ConversionCase{"ッっ", "無、無、", true},
        // The delimiter character in the text is a mark like the others.
        ConversionCase{"。、ー", "無陀仏、陀仏、無陀、", true},
        ConversionCase{"キャンプ。", "弥、南仏、阿陀仏、仏、南阿弥仏、無陀仏、", true},
        // A kana before a small ゃゅょャュョ is read only as a pair: without a row both are lost.
        ConversionCase{"アャ", "", false}, ConversionCase{"ャア", "南、", false},
        ConversionCase{"キゃ", "", false}, ConversionCase{"ャ", "", false},
        ConversionCase{"ヴヵヶゎ南", "", false}, ConversionCase{"", "", true},
        ConversionCase{"   ", "", true}, ConversionCase{"  ア ", "南、", true},
        ConversionCase{"ア\r\nイ", "南、南無、", false},
        ConversionCase{"ア　イ", "南、南無、", false},
        ConversionCase{"アイ\r\n", "南、南無、", false},
        // A one-byte character shifts the frame: the pieces behind it straddle two characters,
        // and a straddling piece that happens to be a kana is written as that kana.
        ConversionCase{"ア イ", "南、", false}, ConversionCase{"aア", "", false},
        ConversionCase{"アa", "南、", false}, ConversionCase{"xャA", "南、", false},
        ConversionCase{"ｱアイ", "", false}));

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
  const clConvCodeNisendoka nisendoka = ChantCipher();
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
