#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string_view>
#include <vector>

// The two bytes of a kana as one number, for lookups by integer rather than by string.
constexpr std::uint16_t KanaKey(const char* twoBytes) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(twoBytes[0]) << 8 |
                                    static_cast<unsigned char>(twoBytes[1]));
}

// Finds the rows of a code table by their kana text exactly as a walk from the first row to the
// terminator would: the first row with the text wins. A table text is one kana or a pair of them
// (KanaText holds nothing else). Both are found by direct lookups without a branch on the data: a
// kana by its key, a pair by the numbers that the index gives to the first and to the second
// halves of the table's pairs.
template <class Entry>
class KanaIndex {
 public:
  template <std::size_t N>
  explicit KanaIndex(const Entry (&table)[N])
      : kana_(kKeys, nullptr), firstHalf_(kKeys, 0), secondHalf_(kKeys, 0) {
    std::size_t firsts = 0, seconds = 0;
    for (const Entry* row = table; !row->kana.empty(); ++row) {
      if (row->kana.view().size() != 4) continue;
      Number(firstHalf_[KanaKey(row->kana.c_str())], firsts);
      Number(secondHalf_[KanaKey(row->kana.c_str() + 2)], seconds);
    }
    stride_ = seconds + 1;
    pairs_.assign((firsts + 1) * stride_, nullptr);  // number 0, for no half, finds nothing
    for (const Entry* row = table; !row->kana.empty(); ++row) {
      const char* text = row->kana.c_str();
      const Entry*& slot =
          row->kana.view().size() == 2 ? kana_[KanaKey(text)] : pairs_[PairSlot(text, text + 2)];
      if (slot == nullptr) slot = row;
    }
  }

  const Entry* Find(std::string_view text) const {
    if (text.size() == 2) return kana_[KanaKey(text.data())];
    if (text.size() == 4) return pairs_[PairSlot(text.data(), text.data() + 2)];
    return nullptr;
  }

  // The row of the kana at `first`, or of the pair of it and the kana at `second`: for the hot
  // path, which decides the unit itself and reads both lookups unconditionally.
  const Entry* FindKanaOrPair(const char* first, const char* second, bool pair) const {
    const Entry* const found[2] = {kana_[KanaKey(first)], pairs_[PairSlot(first, second)]};
    return found[pair];
  }

 private:
  static constexpr std::size_t kKeys = 0x10000;

  static void Number(std::uint8_t& half, std::size_t& count) {
    if (half != 0) return;
    if (count == 0xFF) throw std::length_error("KanaIndex: too many halves of pairs");
    half = static_cast<std::uint8_t>(++count);
  }

  std::size_t PairSlot(const char* first, const char* second) const {
    return firstHalf_[KanaKey(first)] * stride_ + secondHalf_[KanaKey(second)];
  }

  std::vector<const Entry*> kana_;
  std::vector<std::uint8_t> firstHalf_;
  std::vector<std::uint8_t> secondHalf_;
  std::size_t stride_ = 1;
  std::vector<const Entry*> pairs_;
};
