// cls_CommonString: a length byte (modulo 16), the delimiter, then the text. The pieces are those
// of a plain version of the loop that replaces every delimiter by a space and then reads the
// words; they hold no white space and, for a delimiter that can be replaced, no whole delimiter.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/Check.h"
#include "fuzz/FuzzInput.h"
#include "text/cls_CommonString.h"

namespace {

bool IsWhiteSpace(char c) {
  return c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r' || c == ' ';
}

// The empty delimiter and the space on its own would be replaced without end; the text is then
// cut at white space only.
bool CanBeReplaced(const std::string& delimiter) {
  return !delimiter.empty() && delimiter != " ";
}

std::vector<std::string> PlainSplit(const std::string& text, const std::string& delimiter) {
  std::string s = text;
  if (CanBeReplaced(delimiter))
    for (std::size_t p = s.find(delimiter); p != std::string::npos; p = s.find(delimiter, p)) {
      s[p] = ' ';  // the delimiter's bytes become one space
      s.erase(p + 1, delimiter.size() - 1);
    }
  std::vector<std::string> words;
  std::size_t i = 0;
  while (i < s.size()) {
    while (i < s.size() && IsWhiteSpace(s[i])) ++i;
    std::string word;
    while (i < s.size() && !IsWhiteSpace(s[i])) word += s[i++];
    if (!word.empty()) words.push_back(word);
  }
  return words;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput input(data, size);
  const std::string delimiter = input.TakeCounted(16);
  const std::string text = input.Rest();
  const std::string unchangedText = text, unchangedDelimiter = delimiter;

  const cls_CommonString strings;
  const std::vector<std::string> pieces = strings.Split(text, delimiter);
  FUZZ_CHECK(text == unchangedText && delimiter == unchangedDelimiter);
  FUZZ_CHECK(pieces == PlainSplit(text, delimiter));
  for (const std::string& piece : pieces) {
    FUZZ_CHECK(!piece.empty());
    for (const char c : piece) FUZZ_CHECK(!IsWhiteSpace(c));
    if (CanBeReplaced(delimiter)) FUZZ_CHECK(piece.find(delimiter) == std::string::npos);
  }

  std::vector<std::string> viewed;
  strings.ForEachPiece(text, delimiter,
                       [&](std::string_view piece) { viewed.emplace_back(piece); });
  FUZZ_CHECK(viewed == pieces);
  FUZZ_CHECK(strings.Split(text, delimiter) == pieces);
  return 0;
}
