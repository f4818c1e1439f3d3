#include "cipher/clConvCodeNisendoka.h"

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "cipher/KanaText.h"
#include "cipher/NisendokaCell.h"
#include "cipher/NisendokaCodeTable.h"
#include "text/cls_CommonString.h"
#include "text/cls_Trim.h"

namespace {

// A kana followed by one of these is read as a contracted pair, even where the pair has no row.
constexpr KanaText kContractingKana[] = {"ゃ", "ゅ", "ょ", "ャ", "ュ", "ョ"};

// Dots 4, 5 and 6: a prefix cell always raises one of them.
constexpr unsigned char kPrefixDots = 0x38;

constexpr std::size_t kKana = 2;
constexpr std::size_t kPair = 4;

bool IsContractedPairAt(std::string_view text, std::size_t pos) {
  if (pos + kPair > text.size()) return false;
  const std::string_view second = text.substr(pos + kKana, kKana);
  for (const KanaText& small : kContractingKana)
    if (second == small.view()) return true;
  return false;
}

}  // namespace

bool clConvCodeNisendoka::Encrypt(const std::string& plainText, std::string& cipherText) const {
  const cls_Trim trim;
  const std::string_view text = trim.TrimView(plainText);

  // All cells are collected before anything is written; no unit gives more cells than it has
  // bytes, so the sequence never grows beyond the text.
  std::vector<unsigned char> cells;
  cells.reserve(text.size());
  bool result = true;
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t unit = IsContractedPairAt(text, pos) ? kPair : kKana;
    if (const NisendokaCodeEntry* row = FindNisendokaRowByKana(text.substr(pos, unit))) {
      if (row->prefix & kPrefixDots) cells.push_back(row->prefix);
      cells.push_back(row->cell);
    } else {
      result = false;
    }
    pos += unit;
  }

  std::size_t size = 0;
  for (const unsigned char cell : cells) size += WrittenCell(cell).size() + delimiter_.size();
  cipherText.reserve(cipherText.size() + size);
  for (const unsigned char cell : cells) {
    cipherText += WrittenCell(cell);
    cipherText += delimiter_;
  }
  return result;
}

bool clConvCodeNisendoka::Decrypt(const std::string& cipherText, std::string& plainText) const {
  const cls_Trim trim;
  const cls_CommonString strings;
  bool result = true;
  // Every token is one cell; a prefix cell takes the cell after it as its main cell, whatever that
  // cell is.
  std::optional<unsigned char> prefix;
  strings.ForEachPiece(trim.TrimView(cipherText), delimiter_, [&](std::string_view token) {
    const unsigned char cell = ReadCell(token);
    if (!prefix && IsNisendokaPrefixCell(cell)) {
      prefix = cell;
      return;
    }
    const NisendokaCodeEntry* row =
        prefix ? FindNisendokaRowByCells(*prefix, cell) : FindNisendokaRowByCell(cell);
    prefix.reset();
    if (row != nullptr)
      plainText += row->kana.view();
    else
      result = false;
  });
  return result && !prefix;  // a prefix cell at the end has no main cell
}
