#include "fuzz/CipherChecks.h"

#include <array>
#include <cstddef>
#include <cstdio>
#include <set>
#include <vector>

#include "cipher/ConversionCommand.h"
#include "cipher/NisendokaCell.h"
#include "cipher/NisendokaCodeTable.h"
#include "cipher/SorobanCodeTable.h"
#include "fuzz/Check.h"
#include "tests/KanaForms.h"
#include "tests/TableWalks.h"
#include "text/cls_Trim.h"

namespace fuzz {
namespace {

constexpr std::size_t kCharacter = 2;

// Stands in front of the new output: text that the operation must keep.
const std::string kEarlierOutput = "\x83\x41 earlier output\r\n";

template <class Entry>
std::vector<std::string_view> TableTexts(const Entry* row) {
  std::vector<std::string_view> texts;
  for (; !row->kana.empty(); ++row) texts.push_back(row->kana.view());
  return texts;
}

const std::vector<std::string_view>& NisendokaTexts() {
  static const auto texts = TableTexts(NisendokaCodeTable);
  return texts;
}
const std::vector<std::string_view>& SorobanTexts() {
  static const auto texts = TableTexts(SorobanCodeTable);
  return texts;
}

// The two-byte characters of the given texts.
std::set<std::string_view> CharactersOf(const std::vector<std::string_view>& texts) {
  std::set<std::string_view> characters;
  for (const std::string_view text : texts)
    for (std::size_t i = 0; i + kCharacter <= text.size(); i += kCharacter)
      characters.insert(text.substr(i, kCharacter));
  return characters;
}

bool IsMadeOf(std::string_view text, const std::set<std::string_view>& characters) {
  if (text.size() % kCharacter != 0) return false;
  for (std::size_t i = 0; i < text.size(); i += kCharacter)
    if (!characters.contains(text.substr(i, kCharacter))) return false;
  return true;
}

std::string Picked(const std::vector<std::string_view>& texts, std::string_view picks) {
  std::string text;
  for (const unsigned char pick : picks) text += texts[pick % texts.size()];
  return text;
}

// Whether the text is cells of the chant cipher, each followed by the delimiter.
bool IsChantText(std::string_view text, std::string_view delimiter) {
  // Walks the text once, keeping every state it can be in at each position: the last dot written
  // in the current cell, or 0 between cells. The delimiter may hold chant characters itself, so
  // more than one state can be reached at once.
  constexpr int kDots = static_cast<int>(std::size(ChantCharacters));
  std::vector<std::array<bool, kDots + 1>> reached(text.size() + 1);
  reached[0][0] = true;
  for (std::size_t pos = 0; pos <= text.size(); ++pos) {
    const std::string_view rest = text.substr(pos);
    for (int dot = 1; dot <= kDots; ++dot)
      if (reached[pos][dot] && rest.starts_with(delimiter))
        reached[pos + delimiter.size()][0] = true;
    for (int dot = 0; dot < kDots; ++dot) {
      if (!reached[pos][dot]) continue;
      for (int next = dot + 1; next <= kDots; ++next)
        if (rest.starts_with(ChantCharacters[next - 1])) reached[pos + kCharacter][next] = true;
    }
  }
  return reached[text.size()][0];
}

bool IsMadeOfNisendokaTableCharacters(std::string_view text) {
  static const auto characters = CharactersOf(NisendokaTexts());
  return IsMadeOf(text, characters);
}

bool IsMadeOfSorobanTableKana(std::string_view text) {
  static const auto characters = CharactersOf(SorobanTexts());
  return IsMadeOf(text, characters);
}

bool IsMadeOfSorobanCodes(std::string_view text) {
  static const std::set<std::string> codes(walk::SorobanWrittenCodes().begin(),
                                           walk::SorobanWrittenCodes().end());
  if (text.size() % kCharacter != 0) return false;
  for (std::size_t i = 0; i < text.size(); i += kCharacter)
    if (!codes.contains(std::string(text.substr(i, kCharacter)))) return false;
  return true;
}

}  // namespace

Added RunChecked(const clConvCode& cipher, Operation operation, const std::string& input) {
  const std::string unchanged = input;
  std::string output = kEarlierOutput;
  const bool result = (cipher.*operation)(input, output);
  FUZZ_CHECK(input == unchanged);
  FUZZ_CHECK(output.starts_with(kEarlierOutput));
  Added added{output.substr(kEarlierOutput.size()), result};

  std::string again;
  FUZZ_CHECK((cipher.*operation)(input, again) == added.result);
  FUZZ_CHECK(again == added.text);
  FUZZ_CHECK(input == unchanged);

  if (cls_Trim().TrimView(input).empty()) FUZZ_CHECK(added.result && added.text.empty());
  return added;
}

Added CheckNisendokaEncryption(const clConvCodeNisendoka& cipher, std::string_view delimiter,
                               const std::string& plainText) {
  const Added added = RunChecked(cipher, &clConvCode::Encrypt, plainText);
  FUZZ_CHECK(IsChantText(added.text, delimiter));
  return added;
}

Added CheckNisendokaDecryption(const clConvCodeNisendoka& cipher, const std::string& cipherText) {
  const Added added = RunChecked(cipher, &clConvCode::Decrypt, cipherText);
  FUZZ_CHECK(IsMadeOfNisendokaTableCharacters(added.text));
  FUZZ_CHECK(kana::LargeVowels(kana::Katakana(added.text), false) == added.text);
  return added;
}

Added CheckSorobanEncryption(const clConvCodeSoroban& cipher, const std::string& plainText) {
  const Added added = RunChecked(cipher, &clConvCode::Encrypt, plainText);
  FUZZ_CHECK(IsMadeOfSorobanCodes(added.text));
  return added;
}

Added CheckSorobanDecryption(const clConvCodeSoroban& cipher, const std::string& cipherText) {
  const Added added = RunChecked(cipher, &clConvCode::Decrypt, cipherText);
  FUZZ_CHECK(IsMadeOfSorobanTableKana(added.text));
  FUZZ_CHECK(kana::LargeVowels(kana::Hiragana(added.text), true) == added.text);
  return added;
}

bool CheckNisendokaRoundTrip(const clConvCodeNisendoka& cipher, const std::string& plainText) {
  const Added cipherText = CheckNisendokaEncryption(cipher, kNisendokaDelimiter.view(), plainText);
  if (!cipherText.result) return false;
  const Added back = CheckNisendokaDecryption(cipher, cipherText.text);
  FUZZ_CHECK(back.result);
  FUZZ_CHECK(back.text == kana::LargeVowels(kana::Katakana(cls_Trim().Trim(plainText)), false));
  return true;
}

bool CheckSorobanRoundTrip(const clConvCodeSoroban& cipher, const std::string& plainText) {
  const Added cipherText = CheckSorobanEncryption(cipher, plainText);
  if (!cipherText.result) return false;
  const Added back = CheckSorobanDecryption(cipher, cipherText.text);
  FUZZ_CHECK(back.result);
  FUZZ_CHECK(back.text == kana::LargeVowels(kana::Hiragana(cls_Trim().Trim(plainText)), true));
  return true;
}

std::string NisendokaTableText(std::string_view picks) {
  return Picked(NisendokaTexts(), picks);
}

std::string SorobanTableText(std::string_view picks) {
  return Picked(SorobanTexts(), picks);
}

}  // namespace fuzz
