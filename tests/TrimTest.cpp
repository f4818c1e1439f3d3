#include "text/cls_Trim.h"

#include <gtest/gtest.h>

#include "tests/Sjis.h"

namespace {

struct Case {
  const char* text;  // all four in UTF-8
  const char* trimmed;
  const char* left;
  const char* right;
};

void PrintTo(const Case& c, std::ostream* os) {
  *os << testing::PrintToString(c.text);
}

class TrimTest : public testing::TestWithParam<Case> {};

TEST_P(TrimTest, RemovesOneByteSpacesOnlyAtTheEnds) {
  const Case& c = GetParam();
  const std::string text = Sjis(c.text);
  const cls_Trim trim;
  EXPECT_EQ(trim.Trim(text), Sjis(c.trimmed));
  EXPECT_EQ(trim.TrimLeft(text), Sjis(c.left));
  EXPECT_EQ(trim.TrimRight(text), Sjis(c.right));
  // The views that the ciphers read give the same texts.
  EXPECT_EQ(trim.TrimView(text), Sjis(c.trimmed));
  EXPECT_EQ(trim.TrimLeftView(text), Sjis(c.left));
  EXPECT_EQ(trim.TrimRightView(text), Sjis(c.right));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TrimTest,
    testing::Values(Case{"", "", "", ""}, Case{"   ", "", "", ""},
                    Case{"  あい  ", "あい", "あい  ", "  あい"},
                    Case{"  あ い ", "あ い", "あ い ", "  あ い"},
                    // Tab, CR, LF and the full-width space are no blanks: they stay and stop the
                    // scan from their side, the spaces behind them included.
                    Case{"あ \r\n", "あ \r\n", "あ \r\n", "あ \r\n"},
                    Case{"\t あ", "\t あ", "\t あ", "\t あ"}, Case{" \t ", "\t", "\t ", " \t"},
                    Case{" \n ", "\n", "\n ", " \n"}, Case{"　あ　", "　あ　", "　あ　", "　あ　"},
                    Case{" 　あ　 ", "　あ　", "　あ　 ", " 　あ　"},
                    // ァ ends in 0x40, and ア in 0x41; neither is a blank.
                    Case{" ァ", "ァ", "ァ", " ァ"}, Case{"ァ ", "ァ", "ァ ", "ァ"}));

// Bytes that no UTF-8 text gives: a byte above 0x7F is never a blank, whatever a locale thinks.
TEST(TrimBytesTest, KeepsBytesAboveAscii) {
  const cls_Trim trim;
  EXPECT_EQ(trim.Trim(" \xA0\x85 "), "\xA0\x85");
  EXPECT_EQ(trim.Trim("\x83\x40"), "\x83\x40");
  EXPECT_EQ(trim.Trim(std::string("\0 ", 2)), std::string("\0", 1));
}

}  // namespace
