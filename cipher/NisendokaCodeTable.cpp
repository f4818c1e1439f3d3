#include "cipher/NisendokaCodeTable.h"

#include <array>

namespace {

constexpr unsigned kCells = 0x40;  // six dots

// The indexes by cells hold one slot for each six-dot cell.
constexpr bool AllCellsHaveSixDots() {
  for (const NisendokaCodeEntry* row = NisendokaCodeTable; !row->kana.empty(); ++row)
    if (row->cell >= kCells || row->prefix >= kCells) return false;
  return true;
}
static_assert(AllCellsHaveSixDots());

struct CellIndexes {
  std::array<const NisendokaCodeEntry*, kCells> byCell{};
  std::array<std::array<const NisendokaCodeEntry*, kCells>, kCells> byPrefixAndCell{};
  std::array<bool, kCells> isPrefix{};
};

const CellIndexes& IndexesByCells() {
  static const CellIndexes indexes = [] {
    CellIndexes built;
    for (const NisendokaCodeEntry* row = NisendokaCodeTable; !row->kana.empty(); ++row) {
      if (built.byCell[row->cell] == nullptr) built.byCell[row->cell] = row;
      auto& exact = built.byPrefixAndCell[row->prefix][row->cell];
      if (exact == nullptr) exact = row;
      if (row->prefix != 0x00) built.isPrefix[row->prefix] = true;
    }
    return built;
  }();
  return indexes;
}

}  // namespace

const KanaIndex<NisendokaCodeEntry>& NisendokaIndexByKana() {
  static const KanaIndex<NisendokaCodeEntry> index(NisendokaCodeTable);
  return index;
}

const NisendokaCodeEntry* FindNisendokaRowByKana(std::string_view kana) {
  return NisendokaIndexByKana().Find(kana);
}

const NisendokaCodeEntry* FindNisendokaRowByCell(unsigned char cell) {
  return cell < kCells ? IndexesByCells().byCell[cell] : nullptr;
}

const NisendokaCodeEntry* FindNisendokaRowByCells(unsigned char prefix, unsigned char cell) {
  return prefix < kCells && cell < kCells ? IndexesByCells().byPrefixAndCell[prefix][cell]
                                          : nullptr;
}

bool IsNisendokaPrefixCell(unsigned char cell) {
  return cell < kCells && IndexesByCells().isPrefix[cell];
}
