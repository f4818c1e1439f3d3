#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "cipher/NisendokaCodeTable.h"
#include "cipher/SorobanCodeTable.h"
#include "text/cls_Trim.h"

// The plain searches of the code tables, as the ciphers' rules state them: a walk from the first
// row up to the terminator that takes the first matching row. The tests measure the ciphers'
// indexed searches against them.
namespace walk {

template <class Entry, class Matches>
const Entry* FirstRow(const Entry* table, Matches matches) {
  for (const Entry* row = table; !row->kana.empty(); ++row)
    if (matches(*row)) return row;
  return nullptr;
}

inline std::string_view BareKana(std::string_view field) {
  return cls_Trim().TrimView(field);
}

inline const NisendokaCodeEntry* NisendokaByKana(std::string_view kana) {
  return FirstRow(NisendokaCodeTable,
                  [&](const NisendokaCodeEntry& row) { return BareKana(row.kana.view()) == kana; });
}

inline const NisendokaCodeEntry* NisendokaByCell(unsigned char cell) {
  return FirstRow(NisendokaCodeTable,
                  [&](const NisendokaCodeEntry& row) { return row.cell == cell; });
}

inline const NisendokaCodeEntry* NisendokaByCells(unsigned char prefix, unsigned char cell) {
  return FirstRow(NisendokaCodeTable, [&](const NisendokaCodeEntry& row) {
    return row.cell == cell && row.prefix == prefix;
  });
}

inline const SorobanCodeEntry* SorobanByKana(std::string_view kana) {
  return FirstRow(SorobanCodeTable,
                  [&](const SorobanCodeEntry& row) { return BareKana(row.kana.view()) == kana; });
}

// Each row's code as "%02d" writes it, in row order, formatted once.
inline const std::vector<std::string>& SorobanWrittenCodes() {
  static const auto written = [] {
    std::vector<std::string> codes;
    for (const SorobanCodeEntry* row = SorobanCodeTable; !row->kana.empty(); ++row) {
      char code[8];
      std::snprintf(code, sizeof code, "%02d", row->code);
      codes.emplace_back(code);
    }
    return codes;
  }();
  return written;
}

inline const SorobanCodeEntry* SorobanByDigits(std::string_view digits) {
  return FirstRow(SorobanCodeTable, [&](const SorobanCodeEntry& row) {
    return digits == SorobanWrittenCodes()[static_cast<std::size_t>(&row - SorobanCodeTable)];
  });
}

// The row number of a found row, -1 for none, so that failures name the row.
template <class Entry, std::size_t N>
int RowNumber(const Entry (&table)[N], const Entry* row) {
  return row == nullptr ? -1 : static_cast<int>(row - table);
}

}  // namespace walk
