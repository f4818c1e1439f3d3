#pragma once

#include <string>
#include <string_view>

// Removes one-byte spaces (0x20, and nothing else) from the ends of a Shift-JIS text. No second
// byte of a two-byte character is 0x20, so trimming never splits a character.
class cls_Trim {
 public:
  std::string Trim(const std::string& text) const { return std::string(TrimView(text)); }
  std::string TrimLeft(const std::string& text) const { return std::string(TrimLeftView(text)); }
  std::string TrimRight(const std::string& text) const { return std::string(TrimRightView(text)); }

  // The same results as views into the text, for the ciphers, which only read them.
  std::string_view TrimView(std::string_view text) const {
    return TrimLeftView(TrimRightView(text));
  }
  std::string_view TrimLeftView(std::string_view text) const;
  std::string_view TrimRightView(std::string_view text) const;
};
