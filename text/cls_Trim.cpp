#include "text/cls_Trim.h"

namespace {
constexpr char kBlank = ' ';
}

std::string_view cls_Trim::TrimLeftView(std::string_view text) const {
  const auto first = text.find_first_not_of(kBlank);
  return first == std::string_view::npos ? text.substr(text.size()) : text.substr(first);
}

std::string_view cls_Trim::TrimRightView(std::string_view text) const {
  const auto last = text.find_last_not_of(kBlank);
  return last == std::string_view::npos ? text.substr(0, 0) : text.substr(0, last + 1);
}
