#include "cipher/SorobanCodeTable.h"

#include <array>

#include "cipher/KanaIndex.h"

namespace {

// The index by digits holds one slot for each two-digit number.
constexpr bool AllCodesHaveTwoDigits() {
  for (const SorobanCodeEntry* row = SorobanCodeTable; !row->kana.empty(); ++row)
    if (row->code > 99) return false;
  return true;
}
static_assert(AllCodesHaveTwoDigits());

const KanaIndex<SorobanCodeEntry>& IndexByKana() {
  static const KanaIndex<SorobanCodeEntry> index(SorobanCodeTable);
  return index;
}

const std::array<const SorobanCodeEntry*, 100>& IndexByCode() {
  static const auto index = [] {
    std::array<const SorobanCodeEntry*, 100> firstRow{};
    for (const SorobanCodeEntry* row = SorobanCodeTable; !row->kana.empty(); ++row)
      if (firstRow[row->code] == nullptr) firstRow[row->code] = row;
    return firstRow;
  }();
  return index;
}

bool IsAsciiDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

const SorobanCodeEntry* FindSorobanRowByKana(std::string_view kana) {
  return IndexByKana().Find(kana);
}

const SorobanCodeEntry* FindSorobanRowByDigits(std::string_view digits) {
  if (digits.size() != 2 || !IsAsciiDigit(digits[0]) || !IsAsciiDigit(digits[1])) return nullptr;
  return IndexByCode()[(digits[0] - '0') * 10 + (digits[1] - '0')];
}
