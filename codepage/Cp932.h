#pragma once

#include <string>
#include <string_view>

// The bridge between UTF-8, the text of terminals and desktops, and code page 932 (Microsoft's
// Shift-JIS, windows-31j), the only text the cipher engine knows. It is built on the C library's
// iconv. Neither direction fails: what cannot be converted is replaced, one replacement for each
// character or stray byte.
namespace cp932 {

// The code page 932 bytes of a UTF-8 text. A character that code page 932 cannot represent (or
// represents only by a look-alike ASCII byte, as ¥ by \), and every byte that is not part of valid
// UTF-8, becomes 〓 (0x81 0xAC): two bytes that no code table holds, so that this piece alone
// fails and every later kana keeps its two-byte frame. A combining voiced or semi-voiced sound
// mark after a kana is first composed with it (か U+3099 is が).
std::string FromUtf8(std::string_view utf8);

// The UTF-8 text of code page 932 bytes; a byte that does not start a valid character becomes
// U+FFFD.
std::string ToUtf8(std::string_view cp932);

// The code points of a UTF-8 text, with 〓 U+3013 in place of every byte that is not valid UTF-8,
// and the UTF-8 of code points, with U+FFFD in place of any that is not a character.
std::u32string DecodeUtf8(std::string_view utf8);
std::string EncodeUtf8(std::u32string_view text);

}  // namespace cp932
