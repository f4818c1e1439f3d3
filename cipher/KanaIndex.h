#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

// Finds the rows of a code table by their kana text exactly as a walk from the first row to the
// terminator would: the first row with the text wins. Two-byte texts, nearly all of them, are
// found in one step; texts of other lengths by a binary search.
template <class Entry>
class KanaIndex {
 public:
  template <std::size_t N>
  explicit KanaIndex(const Entry (&table)[N]) : twoByte_(0x10000, nullptr) {
    for (const Entry* row = table; !row->kana.empty(); ++row) {
      const std::string_view text = row->kana.view();
      if (text.size() == 2) {
        const Entry*& slot = twoByte_[Key(text)];
        if (slot == nullptr) slot = row;
      } else {
        others_.emplace_back(text, row);
      }
    }
    // Stable, so that of equal texts the first row stays first and is the one kept.
    std::stable_sort(others_.begin(), others_.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    others_.erase(std::unique(others_.begin(), others_.end(),
                              [](const auto& a, const auto& b) { return a.first == b.first; }),
                  others_.end());
  }

  const Entry* Find(std::string_view text) const {
    if (text.size() == 2) return twoByte_[Key(text)];
    const auto it = std::lower_bound(others_.begin(), others_.end(), text,
                                     [](const auto& row, std::string_view t) { return row.first < t; });
    return it != others_.end() && it->first == text ? it->second : nullptr;
  }

 private:
  static std::size_t Key(std::string_view twoBytes) {
    return std::size_t{static_cast<unsigned char>(twoBytes[0])} << 8 |
           static_cast<unsigned char>(twoBytes[1]);
  }

  std::vector<const Entry*> twoByte_;
  std::vector<std::pair<std::string_view, const Entry*>> others_;
};
