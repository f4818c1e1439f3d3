#pragma once

#include <string>

// The interface of every cipher. An operation reads its whole input, appends the conversion of
// every piece it can convert to the output (never clearing it), skips the pieces it cannot, and
// returns false if there was any such piece. It raises no errors and keeps no state.
class clConvCode {
 public:
  clConvCode() = default;
  virtual ~clConvCode() = default;

  virtual bool Encrypt(const std::string& plainText, std::string& cipherText) const = 0;
  virtual bool Decrypt(const std::string& cipherText, std::string& plainText) const = 0;
};
