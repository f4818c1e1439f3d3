#pragma once

#include <string>
#include <string_view>

// Test texts are written in UTF-8 and compared in code page 932, the engine's encoding.
std::string Sjis(std::string_view utf8);   // UTF-8 → code page 932
std::string Utf8(std::string_view cp932);  // code page 932 → UTF-8, for readable failure messages
