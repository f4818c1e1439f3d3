#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

#include "cipher/NisendokaCodeTable.h"
#include "cipher/SorobanCodeTable.h"
#include "cipher/clConvCodeNisendoka.h"
#include "cipher/clConvCodeSoroban.h"
#include "tests/ConversionCase.h"
#include "tests/KanaForms.h"
#include "tests/Sjis.h"

// Decrypting what encryption makes of table kana gives the kana back, in the one form that each
// cipher's decryption writes.
namespace {

struct Text {
  std::string plain;
  std::string back;
};

// Every table text on its own, then random strings of them. No table text begins with a small
// ャュョゃゅょ, so a string of them is read text by text and comes back text by text.
template <class Entry>
std::vector<Text> TableTexts(const Entry* table,
                             const std::function<std::string(std::string)>& back) {
  std::vector<Text> kana;
  for (const Entry* row = table; !row->kana.empty(); ++row) {
    const std::string text(row->kana.view());
    kana.push_back({text, back(text)});
  }
  std::vector<Text> texts = kana;
  std::mt19937 random(42);
  std::uniform_int_distribution<std::size_t> pick(0, kana.size() - 1);
  std::uniform_int_distribution<int> length(2, 40);
  for (int i = 0; i < 500; ++i) {
    Text text;
    for (int n = length(random); n > 0; --n) {
      const Text& k = kana[pick(random)];
      text.plain += k.plain;
      text.back += k.back;
    }
    texts.push_back(text);
  }
  return texts;
}

void ExpectRoundTrips(const clConvCode& cipher, const std::vector<Text>& texts) {
  for (const Text& text : texts) {
    std::string cipherText, plainText;
    EXPECT_TRUE(cipher.Encrypt(text.plain, cipherText)) << Utf8(text.plain);
    EXPECT_TRUE(cipher.Decrypt(cipherText, plainText)) << Utf8(cipherText);
    EXPECT_EQ(Utf8(plainText), Utf8(text.back)) << "from " << Utf8(text.plain);
  }
}

TEST(RoundTripTest, NisendokaGivesKatakanaWithLargeVowelsBack) {
  const clConvCodeNisendoka nisendoka = ChantCipher();
  // ャュョ in a pair and ッ stay small; ー、。 stay as they are.
  ExpectRoundTrips(nisendoka, TableTexts(NisendokaCodeTable, [](const std::string& k) {
                     return kana::LargeVowels(kana::Katakana(k), false);
                   }));
}

TEST(RoundTripTest, SorobanGivesFullSizeHiraganaBack) {
  ExpectRoundTrips(clConvCodeSoroban(), TableTexts(SorobanCodeTable, [](const std::string& k) {
                     return kana::LargeVowels(kana::Hiragana(k), true);
                   }));
}

}  // namespace
