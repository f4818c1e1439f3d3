#pragma once

#include <string>

#include "cipher/clConvCode.h"

// The "二銭銅貨" cipher: every kana becomes one or two Japanese braille cells (a voiced,
// semi-voiced or contracted kana takes a prefix cell first), every cell is written with the
// characters of 南無阿弥陀仏 for its raised dots and followed by the delimiter. Decryption gives
// the kana back in katakana.
class clConvCodeNisendoka : public clConvCode {
 public:
  // What Encrypt writes after every cell and Decrypt cuts the text at; empty until set.
  void SetDelimiter(const std::string& delimiter) { delimiter_ = delimiter; }

  bool Encrypt(const std::string& plainText, std::string& cipherText) const override;
  bool Decrypt(const std::string& cipherText, std::string& plainText) const override;

 private:
  std::string delimiter_;
};
