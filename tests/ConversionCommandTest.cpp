#include "cipher/ConversionCommand.h"

#include <gtest/gtest.h>

#include <ostream>

#include "tests/Sjis.h"

namespace {

struct Case {
  int kind;
  int direction;
  const char* input;   // UTF-8, converted to code page 932
  const char* output;  // UTF-8
  bool result;
};

void PrintTo(const Case& c, std::ostream* os) {
  *os << "kind " << c.kind << ", direction " << c.direction << ", \"" << c.input << '"';
}

class ExecuteConversionTest : public testing::TestWithParam<Case> {};

TEST_P(ExecuteConversionTest, GivesTheOutputAndTheResult) {
  const Case& c = GetParam();
  const ConversionOutcome outcome = ExecuteConversion(c.kind, c.direction, Sjis(c.input));
  EXPECT_EQ(Utf8(outcome.output), c.output);
  EXPECT_EQ(outcome.result, c.result);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExecuteConversionTest,
    testing::Values(Case{1, 0, "あいう", "111213", true}, Case{1, 1, "111213", "あいう", true},
                    Case{1, 0, "がっこう", "432513", false}, Case{0, 0, "ア", "南、", true},
                    Case{0, 1, "南、", "ア", true},
                    Case{0, 0, "キャンプ。", "弥、南仏、阿陀仏、仏、南阿弥仏、無陀仏、", true},
                    Case{0, 1, "弥、南仏、阿陀仏、仏、南阿弥仏、無陀仏、", "キャンプ。", true},
                    // An empty input converts to nothing, with either cipher in either direction.
                    Case{0, 0, "", "", true}, Case{0, 1, "", "", true}, Case{1, 0, "", "", true},
                    Case{1, 1, "", "", true},
                    // A line break at the end is not trimmed and no table holds it...
                    Case{0, 0, "アイ\r\n", "南、南無、", false},
                    Case{1, 0, "あい\r\n", "1112", false}, Case{1, 1, "1112\r\n", "あい", false},
                    // ...but the chant cipher's decryption cuts at white space.
                    Case{0, 1, "南、\r\n", "ア", true},
                    // Any other direction runs nothing; any other kind is the abacus cipher.
                    Case{0, 2, "ア", "", false}, Case{1, -1, "あ", "", false},
                    Case{-1, 0, "あいう", "111213", true}, Case{7, 1, "111213", "あいう", true}));

}  // namespace
