#include "bench/TableKana.h"

#include <random>
#include <string_view>
#include <vector>

#include "cipher/ConversionCommand.h"
#include "cipher/NisendokaCodeTable.h"
#include "cipher/SorobanCodeTable.h"

namespace {

template <class Entry>
std::vector<std::string_view> Texts(const Entry* row) {
  std::vector<std::string_view> texts;
  for (; !row->kana.empty(); ++row) texts.push_back(row->kana.view());
  return texts;
}

}  // namespace

std::string RandomTableKana(int cipherKind, std::size_t bytes, unsigned seed) {
  const std::vector<std::string_view> kana =
      cipherKind == kCipherNisendoka ? Texts(NisendokaCodeTable) : Texts(SorobanCodeTable);
  std::mt19937 random(seed);
  std::uniform_int_distribution<std::size_t> pick(0, kana.size() - 1);
  std::string text;
  text.reserve(bytes + 4);
  while (text.size() < bytes) text += kana[pick(random)];
  return text;
}
