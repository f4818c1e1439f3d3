#pragma once

#include "cipher/clConvCode.h"

// The "算盤が恋を語る話" cipher: every kana is the two-digit number of its line and vowel in the
// syllabary (あ 11, か 21, … わ 01, ん 00), the numbers run together. The text is read two bytes
// at a time from its first byte, without looking at Shift-JIS lead bytes.
class clConvCodeSoroban : public clConvCode {
 public:
  bool Encrypt(const std::string& plainText, std::string& cipherText) const override;
  bool Decrypt(const std::string& cipherText, std::string& plainText) const override;
};
