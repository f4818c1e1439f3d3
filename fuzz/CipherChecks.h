#pragma once

#include <string>
#include <string_view>

#include "cipher/clConvCode.h"
#include "cipher/clConvCodeNisendoka.h"
#include "cipher/clConvCodeSoroban.h"

// What the fuzz targets of the ciphers check on every input. A check that fails aborts.
namespace fuzz {

struct Added {
  std::string text;  // what the operation appended to its output
  bool result;
};

using Operation = bool (clConvCode::*)(const std::string& input, std::string& output) const;

// Runs the operation into an output that already holds text and once more into an empty one, and
// checks the contract of every cipher: the input is unchanged, the text that was in the output
// stays in front of the new text, the same input gives the same output and result, and a text of
// one-byte spaces only adds nothing and gives true.
Added RunChecked(const clConvCode& cipher, Operation operation, const std::string& input);

// The chant cipher's encryption writes cells of one to six chant characters in dot order, each
// followed by the delimiter; its decryption writes characters of the table's texts, in katakana
// with large vowels.
Added CheckNisendokaEncryption(const clConvCodeNisendoka& cipher, std::string_view delimiter,
                               const std::string& plainText);
Added CheckNisendokaDecryption(const clConvCodeNisendoka& cipher, const std::string& cipherText);

// The abacus cipher's encryption writes two ASCII digits for each number of the table; its
// decryption writes full-size hiragana of the table.
Added CheckSorobanEncryption(const clConvCodeSoroban& cipher, const std::string& plainText);
Added CheckSorobanDecryption(const clConvCodeSoroban& cipher, const std::string& cipherText);

// When every piece of the plain text converts, decrypting its encryption gives the trimmed plain
// text back in the form that the cipher's decryption writes, with true: katakana with large
// vowels for the chant cipher (its delimiter must be "、"), full-size hiragana for the abacus
// cipher. Returns whether every piece converted.
bool CheckNisendokaRoundTrip(const clConvCodeNisendoka& cipher, const std::string& plainText);
bool CheckSorobanRoundTrip(const clConvCodeSoroban& cipher, const std::string& plainText);

// Texts of the code table, one for each byte of the picks, run together.
std::string NisendokaTableText(std::string_view picks);
std::string SorobanTableText(std::string_view picks);

}  // namespace fuzz
