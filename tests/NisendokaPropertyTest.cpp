#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "cipher/NisendokaCodeTable.h"
#include "cipher/clConvCodeNisendoka.h"
#include "tests/ReferenceSplit.h"
#include "tests/Sjis.h"
#include "tests/TableWalks.h"

// The chant cipher against plain versions of its two directions, on generated texts and with
// delimiters of several lengths used in turn.
namespace {

struct Outcome {
  std::string output;
  bool result;
  bool operator==(const Outcome&) const = default;
};

void PrintTo(const Outcome& o, std::ostream* os) {
  *os << (o.result ? "true " : "false ") << '"' << Utf8(o.output) << '"';
}

const std::vector<std::string>& Chant() {
  static const std::vector<std::string> chant = {Sjis("南"), Sjis("無"), Sjis("阿"),
                                                 Sjis("弥"), Sjis("陀"), Sjis("仏")};
  return chant;
}

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  return first == std::string::npos ? ""
                                    : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Two bytes at a time, four where a small ゃゅょャュョ follows; the cells of all the units that a
// row has, each written as its dots' chant characters and followed by the delimiter.
Outcome ReferenceEncrypt(const std::string& plain, const std::string& delimiter) {
  const std::set<std::string> smalls = {Sjis("ゃ"), Sjis("ゅ"), Sjis("ょ"),
                                        Sjis("ャ"), Sjis("ュ"), Sjis("ョ")};
  const std::string text = Trimmed(plain);
  std::vector<unsigned char> cells;
  bool result = true;
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t unit =
        pos + 4 <= text.size() && smalls.count(text.substr(pos + 2, 2)) ? 4 : 2;
    if (const NisendokaCodeEntry* row = walk::NisendokaByKana(text.substr(pos, unit))) {
      if (row->prefix & 0x38) cells.push_back(row->prefix);
      cells.push_back(row->cell);
    } else {
      result = false;
    }
    pos += unit;
  }
  std::string output;
  for (const unsigned char cell : cells) {
    for (unsigned dot = 0; dot < 6; ++dot)
      if (cell & (1u << dot)) output += Chant()[dot];
    output += delimiter;
  }
  return {output, result};
}

// One cell for each token, from the chant characters it holds; a prefix cell takes the next cell
// as its main cell.
Outcome ReferenceDecrypt(const std::string& cipherText, const std::string& delimiter) {
  std::set<unsigned char> prefixes;
  for (const NisendokaCodeEntry* row = NisendokaCodeTable; !row->kana.empty(); ++row)
    if (row->prefix != 0x00) prefixes.insert(row->prefix);
  std::vector<unsigned char> cells;
  for (const std::string& token : reference::Split(Trimmed(cipherText), delimiter)) {
    unsigned char cell = 0;
    for (unsigned dot = 0; dot < 6; ++dot)
      if (token.find(Chant()[dot]) != std::string::npos) cell |= 1u << dot;
    cells.push_back(cell);
  }
  Outcome outcome{"", true};
  for (std::size_t i = 0; i < cells.size(); ++i) {
    const bool hasPrefix = prefixes.count(cells[i]) > 0;
    if (hasPrefix && i + 1 == cells.size()) {
      outcome.result = false;
      break;
    }
    const NisendokaCodeEntry* row = hasPrefix ? walk::NisendokaByCells(cells[i], cells[i + 1])
                                              : walk::NisendokaByCell(cells[i]);
    i += hasPrefix;
    if (row != nullptr)
      outcome.output += row->kana.view();
    else
      outcome.result = false;
  }
  return outcome;
}

class NisendokaPropertyTest : public testing::Test {
 protected:
  NisendokaPropertyTest() {
    for (const std::string& delimiter : delimiters_) {
      ciphers_.push_back(std::make_unique<clConvCodeNisendoka>());
      ciphers_.back()->SetDelimiter(delimiter);
    }
  }

  std::string Pick(const std::vector<std::string>& from) {
    return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(random_)];
  }
  std::string Text(const std::vector<std::string>& atoms, std::size_t maxAtoms) {
    std::string text;
    for (auto n = std::uniform_int_distribution<std::size_t>(0, maxAtoms)(random_); n > 0; --n)
      text += Pick(atoms);
    return text;
  }
  std::size_t AnyCipher() {
    return std::uniform_int_distribution<std::size_t>(0, ciphers_.size() - 1)(random_);
  }

  // Checks one text with one cipher; stops reporting after a few failures.
  template <class Operation, class Reference>
  void Check(std::size_t c, const std::string& input, Operation operation, Reference reference) {
    Outcome actual{"", false};
    actual.result = ((*ciphers_[c]).*operation)(input, actual.output);
    const Outcome expected = reference(input, delimiters_[c]);
    if (actual != expected && ++failures_ <= 5) {
      ADD_FAILURE() << "input " << testing::PrintToString(input) << " delimiter "
                    << testing::PrintToString(delimiters_[c]) << ": got "
                    << testing::PrintToString(actual) << ", expected "
                    << testing::PrintToString(expected);
    }
  }

  // Empty, one byte, the space, the usual one, and longer than a written cell leaves room for.
  const std::vector<std::string> delimiters_ = {
      "", "/", " ", Sjis("、"), Sjis("、、"), Sjis(" 、"), "<- a delimiter of 24 bytes ->"};
  std::vector<std::unique_ptr<clConvCodeNisendoka>> ciphers_;
  std::mt19937 random_{1234};
  int failures_ = 0;
};

TEST_F(NisendokaPropertyTest, EncryptsAsTheTwoByteReadingDoes) {
  std::vector<std::string> kana;
  for (const NisendokaCodeEntry* row = NisendokaCodeTable; !row->kana.empty(); ++row)
    kana.emplace_back(row->kana.view());
  std::vector<std::string> atoms = kana;
  for (const char* other : {"ャ", "ゃ", "ョ", "ヴ", "ヵ", "南", "　", "a", " ", " ", "\r\n", "ｱ"})
    atoms.push_back(Sjis(other));
  for (int i = 0; i < 3000; ++i)
    Check(AnyCipher(), Text(atoms, 30), &clConvCode::Encrypt, ReferenceEncrypt);
  // Texts of more cells than the writer takes in one run.
  for (std::size_t c = 0; c < ciphers_.size(); ++c) {
    std::string text;
    for (int n = 0; n < 12000; ++n) text += Pick(kana);
    Check(c, text, &clConvCode::Encrypt, ReferenceEncrypt);
  }
}

TEST_F(NisendokaPropertyTest, DecryptsAsTheTokenReadingDoes) {
  std::vector<std::string> written;
  for (unsigned cell = 0; cell < 0x40; ++cell) {
    std::string w;
    for (unsigned dot = 0; dot < 6; ++dot)
      if (cell & (1u << dot)) w += Chant()[dot];
    written.push_back(w);
  }
  std::vector<std::string> atoms = written;
  for (const char* other : {"、", "、", "、", " ", "\r\n", "\t", "/", "X", "　", "ヶ", "ｳ", "<-"})
    atoms.push_back(Sjis(other));
  for (int i = 0; i < 3000; ++i)
    Check(AnyCipher(), Text(atoms, 30), &clConvCode::Decrypt, ReferenceDecrypt);
}

}  // namespace
