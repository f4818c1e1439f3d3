#include "cipher/clConvCodeNisendoka.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>
#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "cipher/KanaIndex.h"
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

// Whether the kana at `second` makes a contracted pair with the one before it; without a branch.
bool IsContractingKana(const char* second) {
  static constexpr auto kSmallKeys = [] {
    std::array<std::uint16_t, std::size(kContractingKana)> keys{};
    for (std::size_t i = 0; i < keys.size(); ++i) keys[i] = KanaKey(kContractingKana[i].c_str());
    return keys;
  }();
  const std::uint16_t key = KanaKey(second);
  bool contracting = false;
  for (const std::uint16_t small : kSmallKeys) contracting |= key == small;
  return contracting;
}

// Writes cells, each followed by the delimiter. Every written cell sits in a slot of the same
// width, so that it is copied as one block of that width; the slack behind the end is cut off
// after. The output grows a run of cells at a time, so that making room and filling it happen
// while that memory is in the cache. The slots are made again only when the delimiter changes.
class CellWriter {
 public:
  void Write(std::span<const unsigned char> cells, std::string_view delimiter,
             std::string& output) {
    if (!prepared_ || delimiter != delimiter_) Prepare(delimiter);
    std::size_t size = 0;
    for (const unsigned char cell : cells) size += sizes_[cell];
    constexpr std::size_t kRun = 4096;
    output.reserve(output.size() + size + kRun * width_);  // room for the slack of every run
    for (std::size_t start = 0; start < cells.size(); start += kRun) {
      const std::span<const unsigned char> run =
          cells.subspan(start, std::min(kRun, cells.size() - start));
      if (width_ == kBlock)
        WriteRun<kBlock>(run, output);  // the usual case, as a fixed-size copy
      else
        WriteRun(run, output, width_);
    }
  }

 private:
  static constexpr std::size_t kCells = 1 << std::size(ChantCharacters);
  static constexpr std::size_t kBlock = 16;

  void Prepare(std::string_view delimiter) {
    delimiter_ = delimiter;
    // The cell with all six dots is the longest; with a delimiter of up to four bytes, one block.
    const std::size_t longest = WrittenCell(kCells - 1).size() + delimiter.size();
    width_ = (longest + kBlock - 1) / kBlock * kBlock;
    slots_.assign(kCells * width_, '\0');
    for (std::size_t cell = 0; cell < kCells; ++cell) {
      std::string piece(WrittenCell(static_cast<unsigned char>(cell)));
      piece += delimiter;
      piece.copy(&slots_[cell * width_], piece.size());
      sizes_[cell] = piece.size();
    }
    prepared_ = true;
  }

  template <std::size_t kWidth>
  void WriteRun(std::span<const unsigned char> run, std::string& output) const {
    WriteRun(run, output, kWidth);
  }

  // Inlined into both callers: with a constant width, the copy of a slot is a single block move.
  [[gnu::always_inline]] void WriteRun(std::span<const unsigned char> run, std::string& output,
                                       std::size_t width) const {
    std::size_t end = output.size();
    output.resize(end + run.size() * width);
    char* const out = output.data();
    for (const unsigned char cell : run) {
      std::memcpy(out + end, &slots_[cell * width], width);
      end += sizes_[cell];
    }
    output.resize(end);
  }

  bool prepared_ = false;
  std::string delimiter_;
  std::size_t width_ = kBlock;
  std::vector<char> slots_;
  std::array<std::size_t, kCells> sizes_{};
};

}  // namespace

bool clConvCodeNisendoka::Encrypt(const std::string& plainText, std::string& cipherText) const {
  const cls_Trim trim;
  const std::string_view text = trim.TrimView(plainText);

  // All cells are collected before anything is written. No unit gives more cells than it has
  // bytes, so room for the text's length is enough; it is not zeroed, so that only the memory the
  // cells need is ever touched.
  const auto cells = std::make_unique_for_overwrite<unsigned char[]>(text.size() + 1);
  std::size_t count = 0;
  bool result = true;
  const KanaIndex<NisendokaCodeEntry>& index = NisendokaIndexByKana();
  const char* const bytes = text.data();
  constexpr char kNoKana[kKana] = {};  // stands for the kana after the end, which pairs with none
  std::size_t pos = 0;
  for (; pos + kKana <= text.size();) {
    const bool fourLeft = pos + kPair <= text.size();
    const char* second = fourLeft ? bytes + pos + kKana : kNoKana;
    const bool pair = fourLeft && IsContractingKana(second);
    if (const NisendokaCodeEntry* row = index.FindKanaOrPair(bytes + pos, second, pair)) {
      cells[count] = row->prefix;  // kept only if it is a prefix, else overwritten by the cell
      count += (row->prefix & kPrefixDots) != 0;
      cells[count++] = row->cell;
    } else {
      result = false;
    }
    pos += kKana + (kPair - kKana) * pair;
  }
  if (pos < text.size()) result = false;  // a last single byte: no table text is one byte
  thread_local CellWriter writer;
  writer.Write({cells.get(), count}, delimiter_, cipherText);
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
