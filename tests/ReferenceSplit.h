#pragma once

#include <string>
#include <vector>

namespace reference {

// Splitting as it reads in words: every delimiter replaced by one space, the search for the next
// one starting again at that space, then the words between the six white space bytes.
inline std::vector<std::string> Split(std::string s, const std::string& delimiter) {
  // The replacement would change nothing for the space and never end for the empty delimiter.
  if (!delimiter.empty() && delimiter != " ") {
    for (auto p = s.find(delimiter); p != std::string::npos; p = s.find(delimiter, p))
      s.replace(p, delimiter.size(), 1, ' ');
  }
  const std::string whiteSpace = "\t\n\v\f\r ";
  std::vector<std::string> words;
  for (auto start = s.find_first_not_of(whiteSpace); start != std::string::npos;) {
    const auto end = s.find_first_of(whiteSpace, start);
    words.push_back(s.substr(start, end - start));
    start = end == std::string::npos ? end : s.find_first_not_of(whiteSpace, end);
  }
  return words;
}

}  // namespace reference
