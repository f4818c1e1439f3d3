#include "text/cls_CommonString.h"

std::vector<std::string> cls_CommonString::Split(const std::string& text,
                                                 const std::string& delimiter) const {
  std::vector<std::string> pieces;
  ForEachPiece(text, delimiter, [&](std::string_view piece) { pieces.emplace_back(piece); });
  return pieces;
}
