#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "cipher/NisendokaCodeTable.h"
#include "cipher/SorobanCodeTable.h"
#include "tests/TableWalks.h"

// The indexed searches of the code tables against a walk from the first row, over every key of a
// small domain and random keys beyond.
namespace {

std::string Bytes(std::initializer_list<unsigned> bytes) {
  std::string s;
  for (const unsigned b : bytes) s += static_cast<char>(b);
  return s;
}

// Every key of up to two bytes, every table text, and four-byte keys: random, and a table text
// followed by random bytes.
std::vector<std::string> KanaKeys() {
  std::vector<std::string> keys = {""};
  for (unsigned a = 0; a < 256; ++a) {
    keys.push_back(Bytes({a}));
    for (unsigned b = 0; b < 256; ++b) keys.push_back(Bytes({a, b}));
  }
  std::mt19937 random(7);
  std::uniform_int_distribution<unsigned> byte(0, 255);
  std::vector<std::string> texts;
  for (const NisendokaCodeEntry* row = NisendokaCodeTable; !row->kana.empty(); ++row)
    texts.emplace_back(row->kana.view());
  for (const SorobanCodeEntry* row = SorobanCodeTable; !row->kana.empty(); ++row)
    texts.emplace_back(row->kana.view());
  for (const std::string& text : texts) {
    keys.push_back(text);
    keys.push_back(text.substr(0, 3));
    keys.push_back(text + Bytes({byte(random), byte(random)}));
    keys.push_back(text + " ");
    keys.push_back(" " + text);
  }
  for (int i = 0; i < 20000; ++i)
    keys.push_back(Bytes({byte(random), byte(random), byte(random), byte(random)}));
  return keys;
}

// Collects what differs, so that a broken index reports a few keys and not thousands.
class Mismatches {
 public:
  void Check(int found, int walked, const std::string& key) {
    if (found == walked) return;
    if (++count_ <= 8) {
      std::string hex;
      for (const char c : key)
        hex += testing::PrintToString(static_cast<unsigned>(static_cast<unsigned char>(c))) + " ";
      ADD_FAILURE() << "key [ " << hex << "]: found row " << found << ", the walk finds row "
                    << walked;
    }
  }
  int count() const { return count_; }

 private:
  int count_ = 0;
};

TEST(SearchIndexTest, FindsKanaAsTheWalkDoes) {
  Mismatches nisendoka, soroban;
  for (const std::string& key : KanaKeys()) {
    nisendoka.Check(walk::RowNumber(NisendokaCodeTable, FindNisendokaRowByKana(key)),
                    walk::RowNumber(NisendokaCodeTable, walk::NisendokaByKana(key)), key);
    soroban.Check(walk::RowNumber(SorobanCodeTable, FindSorobanRowByKana(key)),
                  walk::RowNumber(SorobanCodeTable, walk::SorobanByKana(key)), key);
  }
  EXPECT_EQ(nisendoka.count(), 0);
  EXPECT_EQ(soroban.count(), 0);
}

TEST(SearchIndexTest, FindsDigitsAsTheWalkDoes) {
  std::vector<std::string> keys = {"", "111", "011", "1"};
  for (unsigned a = 0; a < 256; ++a) {
    keys.push_back(Bytes({a}));
    for (unsigned b = 0; b < 256; ++b) keys.push_back(Bytes({a, b}));
  }
  Mismatches mismatches;
  for (const std::string& key : keys)
    mismatches.Check(walk::RowNumber(SorobanCodeTable, FindSorobanRowByDigits(key)),
                     walk::RowNumber(SorobanCodeTable, walk::SorobanByDigits(key)), key);
  EXPECT_EQ(mismatches.count(), 0);
}

TEST(SearchIndexTest, FindsCellsAsTheWalkDoes) {
  Mismatches byCell, byCells, prefixCells;
  for (unsigned cell = 0; cell < 256; ++cell) {
    const auto c = static_cast<unsigned char>(cell);
    const std::string key = Bytes({cell});
    byCell.Check(walk::RowNumber(NisendokaCodeTable, FindNisendokaRowByCell(c)),
                 walk::RowNumber(NisendokaCodeTable, walk::NisendokaByCell(c)), key);
    // A prefix cell is one that some row carries as its prefix.
    const bool carried =
        c != 0x00 && walk::FirstRow(NisendokaCodeTable, [&](const NisendokaCodeEntry& row) {
                       return row.prefix == c;
                     }) != nullptr;
    prefixCells.Check(IsNisendokaPrefixCell(c), carried, key);
    for (unsigned prefix = 0; prefix < 256; ++prefix) {
      const auto p = static_cast<unsigned char>(prefix);
      byCells.Check(walk::RowNumber(NisendokaCodeTable, FindNisendokaRowByCells(p, c)),
                    walk::RowNumber(NisendokaCodeTable, walk::NisendokaByCells(p, c)),
                    Bytes({prefix, cell}));
    }
  }
  EXPECT_EQ(byCell.count(), 0);
  EXPECT_EQ(byCells.count(), 0);
  EXPECT_EQ(prefixCells.count(), 0);
}

}  // namespace
