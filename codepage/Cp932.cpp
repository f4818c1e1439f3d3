#include "codepage/Cp932.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "codepage/Iconv.h"

namespace cp932 {
namespace {

constexpr char32_t kGeta = U'〓';  // what stands for anything that cannot be converted
constexpr std::string_view kGetaCp932 = "\x81\xAC";
constexpr std::string_view kReplacementUtf8 = "\xEF\xBF\xBD";  // U+FFFD

constexpr char32_t kVoicedMark = 0x3099;      // combining ゛
constexpr char32_t kSemiVoicedMark = 0x309A;  // combining ゜

// Each kana that takes a combining mark, followed by what it becomes with the mark.
constexpr std::u32string_view kWithVoicedMark =
    U"かがきぎくぐけげこごさざしじすずせぜそぞただちぢつづてでとどはばひびふぶへべほぼうゔゝゞ"
    U"カガキギクグケゲコゴサザシジスズセゼソゾタダチヂツヅテデトドハバヒビフブヘベホボウヴ"
    U"ワヷヰヸヱヹヲヺヽヾ";
constexpr std::u32string_view kWithSemiVoicedMark = U"はぱひぴふぷへぺほぽハパヒピフプヘペホポ";

char32_t Composed(char32_t kana, char32_t mark) {
  const std::u32string_view pairs = mark == kVoicedMark ? kWithVoicedMark : kWithSemiVoicedMark;
  for (std::size_t i = 0; i + 1 < pairs.size(); i += 2)
    if (pairs[i] == kana) return pairs[i + 1];
  return 0;
}

void ComposeSoundMarks(std::u32string& text) {
  std::size_t kept = 0;
  for (const char32_t c : text) {
    if ((c == kVoicedMark || c == kSemiVoicedMark) && kept > 0) {
      if (const char32_t composed = Composed(text[kept - 1], c)) {
        text[kept - 1] = composed;
        continue;
      }
    }
    text[kept++] = c;
  }
  text.resize(kept);
}

// Code page 932 writes these characters in one byte and every other one in two.
std::size_t Cp932Width(char32_t c) {
  return c < 0x80 || (c >= 0xFF61 && c <= 0xFF9F) ? 1 : 2;
}

std::string_view Bytes(std::u32string_view text) {
  return {reinterpret_cast<const char*>(text.data()), text.size() * sizeof(char32_t)};
}

Iconv& Utf8ToUtf32() {
  thread_local Iconv converter(Utf32Name(), "UTF-8");
  return converter;
}
Iconv& Utf32ToUtf8() {
  thread_local Iconv converter("UTF-8", Utf32Name());
  return converter;
}
Iconv& Utf32ToCp932() {
  thread_local Iconv converter("CP932", Utf32Name());
  return converter;
}
Iconv& Cp932ToUtf8() {
  thread_local Iconv converter("UTF-8", "CP932");
  return converter;
}

// Converts the whole input; where the converter stops, one unit of input (a byte or a code point)
// is skipped and replaced, and the conversion goes on after it.
template <class Sink>
void ConvertAll(Iconv& converter, std::string_view input, std::size_t unit, Sink sink,
                std::string_view replacement) {
  converter.Reset();
  while (!input.empty()) {
    input.remove_prefix(converter.Convert(input, sink));
    if (input.empty()) break;
    sink(replacement.data(), replacement.size());
    input.remove_prefix(std::min(unit, input.size()));
    converter.Reset();
  }
}

// A sink for ConvertAll that appends to a string.
auto AppendingTo(std::string& output) {
  return [&output](const char* bytes, std::size_t size) { output.append(bytes, size); };
}

// Appends one character at a time, so that a character that iconv writes in another width than
// code page 932 gives it (a look-alike) becomes 〓 too.
void AppendCp932CharByChar(std::u32string_view text, std::string& output) {
  Iconv& converter = Utf32ToCp932();
  for (std::size_t i = 0; i < text.size(); ++i) {
    const std::size_t before = output.size();
    converter.Reset();
    const bool converted = converter.Append(Bytes(text.substr(i, 1)), output) == sizeof(char32_t);
    if (!converted || output.size() - before != Cp932Width(text[i])) {
      output.resize(before);
      output += kGetaCp932;
    }
  }
}

}  // namespace

std::u32string DecodeUtf8(std::string_view utf8) {
  std::u32string text;
  text.reserve(utf8.size());  // never more code points than bytes
  const char32_t geta = kGeta;
  // iconv writes whole code points, so every block is a whole number of them.
  const auto append = [&text](const char* bytes, std::size_t size) {
    const std::size_t before = text.size();
    text.resize(before + size / sizeof(char32_t));
    std::memcpy(text.data() + before, bytes, size);
  };
  ConvertAll(Utf8ToUtf32(), utf8, 1, append, {reinterpret_cast<const char*>(&geta), sizeof geta});
  return text;
}

std::string EncodeUtf8(std::u32string_view text) {
  std::string utf8;
  utf8.reserve(text.size() * 3);
  ConvertAll(Utf32ToUtf8(), Bytes(text), sizeof(char32_t), AppendingTo(utf8), kReplacementUtf8);
  return utf8;
}

std::string FromUtf8(std::string_view utf8) {
  std::u32string text = DecodeUtf8(utf8);
  ComposeSoundMarks(text);
  std::string cp932;
  cp932.reserve(text.size() * 2);
  // In pieces, each converted in one call and checked by its length; a piece that holds a
  // character iconv cannot write, or writes in the wrong width, is done again char by char.
  constexpr std::size_t kPiece = 4096;
  for (std::size_t start = 0; start < text.size(); start += kPiece) {
    const std::u32string_view piece = std::u32string_view(text).substr(start, kPiece);
    std::size_t width = 0;
    for (const char32_t c : piece) width += Cp932Width(c);
    const std::size_t before = cp932.size();
    Iconv& converter = Utf32ToCp932();
    converter.Reset();
    const bool whole = converter.Append(Bytes(piece), cp932) == piece.size() * sizeof(char32_t);
    if (!whole || cp932.size() - before != width) {
      cp932.resize(before);
      AppendCp932CharByChar(piece, cp932);
    }
  }
  return cp932;
}

std::string ToUtf8(std::string_view cp932) {
  std::string utf8;
  utf8.reserve(cp932.size() + cp932.size() / 2);
  ConvertAll(Cp932ToUtf8(), cp932, 1, AppendingTo(utf8), kReplacementUtf8);
  return utf8;
}

}  // namespace cp932
