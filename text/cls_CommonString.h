#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Cuts a Shift-JIS text into pieces at a delimiter and at white space alike.
class cls_CommonString {
 public:
  // The pieces in text order, none of them empty.
  std::vector<std::string> Split(const std::string& text, const std::string& delimiter) const;

  // Hands the pieces that Split returns to onPiece one by one, as views into the text, in one pass
  // and without copying them.
  template <class OnPiece>
  void ForEachPiece(std::string_view text, std::string_view delimiter, OnPiece&& onPiece) const;

  // The six bytes tab, line feed, vertical tab, form feed, carriage return and space.
  static constexpr bool IsWhiteSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

 private:
  template <class OnPiece>
  static void ForEachWord(std::string_view segment, OnPiece& onPiece);
};

// The pieces are the words of the text in which every delimiter has been replaced by one space,
// the search for the next delimiter starting again at that space, as often as one is found. The
// replacements are never carried out: a segment between two of them is cut into words where it
// stands. A delimiter that begins with a space can match again at the space just written, which
// here means right at the start of the next segment. The empty delimiter and the space on its own
// would be replaced forever; the space would change nothing anyway, so with either of them the
// text is cut at white space only.
template <class OnPiece>
void cls_CommonString::ForEachPiece(std::string_view text, std::string_view delimiter,
                                    OnPiece&& onPiece) const {
  const bool replaces = !delimiter.empty() && delimiter != " ";
  const bool startsWithSpace = replaces && delimiter.front() == ' ';
  std::size_t pos = 0;
  bool afterReplacement = false;
  for (;;) {
    if (afterReplacement && startsWithSpace && text.substr(pos).starts_with(delimiter.substr(1))) {
      pos += delimiter.size() - 1;
      continue;
    }
    const std::size_t match = replaces ? text.find(delimiter, pos) : std::string_view::npos;
    if (match == std::string_view::npos) {
      ForEachWord(text.substr(pos), onPiece);
      return;
    }
    ForEachWord(text.substr(pos, match - pos), onPiece);
    pos = match + delimiter.size();
    afterReplacement = true;
  }
}

template <class OnPiece>
void cls_CommonString::ForEachWord(std::string_view segment, OnPiece& onPiece) {
  std::size_t i = 0;
  while (i < segment.size()) {
    while (i < segment.size() && IsWhiteSpace(segment[i])) ++i;
    const std::size_t start = i;
    while (i < segment.size() && !IsWhiteSpace(segment[i])) ++i;
    if (i > start) onPiece(segment.substr(start, i - start));
  }
}
