// soranagi-cli end to end: the real program, its outputs and its exit status.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "tests/cli/RunProcess.h"

namespace {

const std::string kNotConverted = "変換できない文字が含まれています";

ProcessResult Cli(const std::vector<std::string>& arguments, const std::string& input = "") {
  return RunProcess(SORANAGI_CLI, arguments, input);
}

struct Case {
  std::vector<std::string> arguments;
  std::string input;
  std::string out;
  int status;
};

void PrintTo(const Case& c, std::ostream* os) {
  for (const std::string& argument : c.arguments) *os << argument << ' ';
  *os << "with input \"" << c.input << '"';
}

class ConverterCase : public testing::TestWithParam<Case> {};

TEST_P(ConverterCase, WritesTheConversionAndExitsWithItsStatus) {
  const Case& c = GetParam();
  const ProcessResult result = Cli(c.arguments, c.input);
  EXPECT_EQ(result.out, c.out);
  EXPECT_EQ(result.status, c.status) << result.err;
  EXPECT_EQ(result.err.find(kNotConverted) != std::string::npos, c.status == 1) << result.err;
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, ConverterCase,
    testing::Values(
        Case{{"-e", "キャンプ。"}, "", "弥、南仏、阿陀仏、仏、南阿弥仏、無陀仏、\n", 0},
        Case{{"--cipher", "nisendoka", "--decrypt", "南、"}, "", "ア\n", 0},
        Case{{"-c", "soroban", "-e", "あいう", "わをん"}, "", "111213\n010500\n", 0},
        Case{{"-c", "soroban", "-d", "111213"}, "", "あいう\n", 0},
        // What fails is skipped, the rest of that text and every other text still come out.
        Case{{"-c", "soroban", "-e", "がっこう", "あ"}, "", "432513\n11\n", 1},
        Case{{"-e", "--", "-ア"}, "", "\n", 1}));

INSTANTIATE_TEST_SUITE_P(
    Lines, ConverterCase,
    testing::Values(
        // Every output line ends as its input line did.
        Case{{"-c", "soroban", "-e"}, "あい\r\nうえ\nお", "1112\r\n1314\n15", 0},
        Case{{"-c", "soroban", "-e"}, "あ\n\nい\n", "11\n\n12\n", 0},
        Case{{"-c", "soroban", "-e"}, "", "", 0},
        // A CR that is not before a LF stays in its line and fails there alone.
        Case{{"-c", "soroban", "-e"}, "あ\rい\nう\n", "11\n13\n", 1},
        Case{{"-d"}, "南、無、\r\n陀、南仏、\n", "アッ\r\nガ\n", 0}));

INSTANTIATE_TEST_SUITE_P(
    Whole, ConverterCase,
    testing::Values(
        // As the window converts: line breaks are part of the text, nothing is added.
        Case{{"-d", "--whole"}, "南、\r\n無、\r\n", "アッ", 0},
        Case{{"-c", "soroban", "-e", "--whole"}, "あい\r\nう", "111213", 1},
        Case{{"-c", "soroban", "-d", "--whole"}, "1112\n", "あい", 1},
        Case{{"-e", "--whole"}, "", "", 0}));

INSTANTIATE_TEST_SUITE_P(
    Utf8, ConverterCase,
    testing::Values(
        // A stray byte or a character that code page 932 lacks fails alone; the kana after it
        // keep their frame.
        Case{{"-e"}, "ア\x80イ\n", "南、南無、\n", 1}, Case{{"-e"}, "ア😀イ\n", "南、南無、\n", 1},
        Case{{"-c", "soroban", "-e"}, "あ¥い\n", "1112\n", 1},
        Case{{"-c", "soroban", "-e"}, "\xE3\x82い\n", "12\n", 1},
        // A combining voiced or semi-voiced mark joins the kana before it.
        Case{{"-e"}, "カ\u3099\n", "陀、南仏、\n", 0},
        Case{{"-e"}, "ハ\u309A\n", "仏、南阿仏、\n", 0},
        // Microsoft's code page 932: the wave dash of Windows and the full-width minus.
        Case{{"-c", "soroban", "-d"}, "11～11－\n", "ああ\n", 1}));

INSTANTIATE_TEST_SUITE_P(Braille, ConverterCase,
                         testing::Values(Case{{"-e", "--braille", "キャンプ。"}, "", "⠈⠡⠴⠠⠭⠲\n", 0},
                                         Case{{"-d", "--braille", "⠈⠡⠴⠠⠭⠲"}, "", "キャンプ。\n", 0},
                                         // White space and the blank pattern only separate; any
                                         // other character is a cell that cannot be read.
                                         Case{{"-d", "--braille", "⠁ ⠂\t⠀⠁"}, "", "アッア\n", 0},
                                         Case{{"-d", "--braille", "⠁x⠂"}, "", "アッ\n", 1},
                                         Case{{"-d", "--braille", "⠐"}, "", "\n", 1},
                                         Case{{"-e", "--braille", "がっ"}, "", "⠐⠡⠂\n", 0},
                                         Case{{"-e", "--braille"}, "ア\r\nヴ\n", "⠁\r\n\n", 1}));

TEST(Converter, NamesTheLinesAndArgumentsThatFailed) {
  const ProcessResult lines = Cli({"-c", "soroban", "-e"}, "あ\nが\nい\nぱ\n");
  EXPECT_EQ(lines.status, 1);
  EXPECT_NE(lines.err.find(kNotConverted + ": 行 2, 4"), std::string::npos) << lines.err;

  const ProcessResult arguments = Cli({"-c", "soroban", "-d", "11", "1", "12"});
  EXPECT_EQ(arguments.status, 1);
  EXPECT_NE(arguments.err.find(kNotConverted + ": 引数 2"), std::string::npos) << arguments.err;
  EXPECT_EQ(arguments.err.find(kNotConverted), arguments.err.rfind(kNotConverted));
}

TEST(Converter, KeepsTheListOfFailedLinesShort) {
  std::string input;
  for (int i = 0; i < 1000; ++i) input += "が\n";
  const ProcessResult result = Cli({"-c", "soroban", "-e"}, input);
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.out, std::string(1000, '\n'));
  EXPECT_NE(result.err.find("行 1, 2, 3,"), std::string::npos) << result.err;
  EXPECT_NE(result.err.find("ほか 980 件"), std::string::npos) << result.err;
  EXPECT_LT(result.err.size(), 300u);
}

TEST(Converter, PassesCodePage932ThroughUntouched) {
  // ア and イ in code page 932, and back: 南、南無、
  const ProcessResult encrypted = Cli({"--encoding", "cp932", "-e"}, "\x83\x41\x83\x43\n");
  EXPECT_EQ(encrypted.status, 0);
  EXPECT_EQ(encrypted.out, "\x93\xEC\x81\x41\x93\xEC\x96\xB3\x81\x41\n");

  // A one-byte character shifts the frame, as it does in the window.
  const ProcessResult shifted = Cli({"--encoding=cp932", "-e", "--whole"}, "a\x83\x41");
  EXPECT_EQ(shifted.status, 1);
  EXPECT_EQ(shifted.out, "");
}

struct UsageCase {
  std::vector<std::string> arguments;
  std::string reason;
};

void PrintTo(const UsageCase& c, std::ostream* os) {
  for (const std::string& argument : c.arguments) *os << argument << ' ';
}

class ConverterUsage : public testing::TestWithParam<UsageCase> {};

TEST_P(ConverterUsage, RefusesWithTheReasonAndTheUsage) {
  const ProcessResult result = Cli(GetParam().arguments, "あ\n");
  EXPECT_EQ(result.status, 2);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.err.rfind("soranagi-cli: " + GetParam().reason, 0), 0u) << result.err;
  EXPECT_NE(result.err.find("\nusage: soranagi-cli"), std::string::npos) << result.err;
}

INSTANTIATE_TEST_SUITE_P(
    BadCommandLines, ConverterUsage,
    testing::Values(UsageCase{{}, "give exactly one of -e"},
                    UsageCase{{"-e", "-d"}, "give exactly one of -e"},
                    UsageCase{{"-e", "-x"}, "unknown option '-x'"},
                    UsageCase{{"-e", "--frobnicate"}, "unknown option '--frobnicate'"},
                    UsageCase{{"-e", "-c"}, "option '-c' needs a value"},
                    UsageCase{{"-e", "-c", "enigma"}, "unknown cipher 'enigma'"},
                    UsageCase{{"-e", "--encoding", "latin-1"}, "unknown encoding 'latin-1'"},
                    UsageCase{{"-e", "--braille", "-c", "soroban"}, "--braille goes with"},
                    UsageCase{{"-e", "--braille", "--encoding", "cp932"}, "--braille needs"},
                    UsageCase{{"-e", "--whole", "ア"}, "--whole converts standard input"}));

TEST(Converter, AnswersHelpAndVersion) {
  const ProcessResult help = Cli({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.out.rfind("usage: soranagi-cli", 0), 0u);
  EXPECT_NE(help.out.find("--braille"), std::string::npos);

  const ProcessResult version = Cli({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out.rfind("soranagi-cli ", 0), 0u);
}

}  // namespace
