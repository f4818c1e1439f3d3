#include "text/cls_CommonString.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "tests/ReferenceSplit.h"
#include "tests/Sjis.h"

namespace {

using Pieces = std::vector<std::string>;

struct Case {
  std::string text;  // code page 932
  std::string delimiter;
  Pieces pieces;
};

void PrintTo(const Case& c, std::ostream* os) {
  *os << '"' << Utf8(c.text) << "\" at \"" << Utf8(c.delimiter) << '"';
}

Pieces SjisPieces(std::initializer_list<const char*> utf8) {
  Pieces pieces;
  for (const char* piece : utf8) pieces.push_back(Sjis(piece));
  return pieces;
}

Case Utf8Case(const char* text, const char* delimiter, std::initializer_list<const char*> pieces) {
  return {Sjis(text), Sjis(delimiter), SjisPieces(pieces)};
}

std::vector<Case> SplitCases() {
  return {
      Utf8Case("", "、", {}),
      Utf8Case("、 、\r\n\t\v\f、", "、", {}),
      Utf8Case("南、無、阿", "、", {"南", "無", "阿"}),
      Utf8Case("、南、無、", "、", {"南", "無"}),
      Utf8Case("南、、無", "、", {"南", "無"}),
      // White space separates like the delimiter; the full-width space does not.
      Utf8Case("南無 阿", "、", {"南無", "阿"}),
      Utf8Case("南無\r\n阿", "、", {"南無", "阿"}),
      Utf8Case("南無\t阿", "、", {"南無", "阿"}),
      Utf8Case("南\v無\f阿", "、", {"南", "無", "阿"}),
      Utf8Case("南　無", "、", {"南　無"}),
      // A delimiter of several characters is matched whole.
      Utf8Case("南、、無、阿", "、、", {"南", "無、阿"}),
      Utf8Case("南、、、無", "、、", {"南", "、無"}),
      // The search goes on at the space just written, where a delimiter that begins with a space
      // matches again.
      Utf8Case("南 、、無", " 、", {"南", "無"}),
      // The search compares bytes: the second byte of ａ (0x82 0x81) and the letter A make 、.
      {Sjis("ａA、南"), Sjis("、"), {"\x82", Sjis("南")}},
      // No caller passes the empty delimiter or the space on its own; both cut at white space only.
      Utf8Case("南 無、阿\r\n", "", {"南", "無、阿"}),
      Utf8Case(" 南 無\r\n阿、仏 ", " ", {"南", "無", "阿、仏"}),
  };
}

class SplitTest : public testing::TestWithParam<Case> {};

TEST_P(SplitTest, CutsAtTheDelimiterAndAtWhiteSpace) {
  const Case& c = GetParam();
  EXPECT_EQ(cls_CommonString().Split(c.text, c.delimiter), c.pieces);
}

INSTANTIATE_TEST_SUITE_P(Cases, SplitTest, testing::ValuesIn(SplitCases()));

TEST(SplitPropertyTest, AgreesWithReplacingAndSearchingAgain) {
  // Bytes and characters that make delimiters, white space and byte-wise matches likely.
  const std::vector<std::string> atoms = {
      " ",        " ",        " ",        "\t",       "\r",       "\n",      "\v",
      "\f",       "x",        "a",        "A",        "\x81",     "\x41",    "\x82",
      Sjis("南"), Sjis("、"), Sjis("、"), Sjis("ａ"), Sjis("　"), Sjis("ア")};
  const std::vector<std::string> fixedDelimiters = {
      Sjis("、"), " x", "  ", Sjis(" 、"), "x ", Sjis("、、"), "x", "\x81", " \t", "x x", "", " "};

  std::mt19937 random(20240611);
  const auto pick = [&](const std::vector<std::string>& from) {
    return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(random)];
  };
  const auto make = [&](std::size_t maxAtoms) {
    std::string text;
    const auto n = std::uniform_int_distribution<std::size_t>(0, maxAtoms)(random);
    for (std::size_t i = 0; i < n; ++i) text += pick(atoms);
    return text;
  };

  const cls_CommonString strings;
  int failures = 0;
  for (int i = 0; i < 4000 && failures < 5; ++i) {
    const std::string delimiter = i % 2 == 0 ? pick(fixedDelimiters) : make(3);
    const std::string text = make(24);
    const Pieces expected = reference::Split(text, delimiter);
    const Pieces actual = strings.Split(text, delimiter);
    if (actual != expected) {
      ++failures;
      ADD_FAILURE() << "text " << testing::PrintToString(text) << " delimiter "
                    << testing::PrintToString(delimiter) << ": got "
                    << testing::PrintToString(actual) << ", expected "
                    << testing::PrintToString(expected);
    }
  }
}

}  // namespace
