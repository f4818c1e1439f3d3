#include "codepage/Cp932.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Case {
  std::string utf8;
  std::string cp932;
};

void PrintTo(const Case& c, std::ostream* os) {
  *os << testing::PrintToString(c.utf8);
}

class FromUtf8Test : public testing::TestWithParam<Case> {};
class ToUtf8Test : public testing::TestWithParam<Case> {};

TEST_P(FromUtf8Test, GivesTheCodePageBytes) {
  EXPECT_EQ(cp932::FromUtf8(GetParam().utf8), GetParam().cp932);
}

TEST_P(ToUtf8Test, GivesTheUtf8Text) {
  EXPECT_EQ(cp932::ToUtf8(GetParam().cp932), GetParam().utf8);
}

const std::string kGeta = "\x81\xAC";       // 〓
const std::string kReplacement = "\uFFFD";  // in UTF-8

INSTANTIATE_TEST_SUITE_P(
    Cases, FromUtf8Test,
    testing::Values(
        Case{"", ""}, Case{"a~\\", "a~\\"}, Case{"アあ、", "\x83\x41\x82\xA0\x81\x41"},
        // Microsoft's mappings, the NEC special characters and the IBM extensions.
        Case{"～", "\x81\x60"}, Case{"－", "\x81\x7C"}, Case{"∥", "\x81\x61"},
        Case{"￢", "\x81\xCA"}, Case{"①", "\x87\x40"}, Case{"纊", "\xFA\x5C"},
        Case{"髙", "\xFB\xFC"},
        // Half-width katakana keep their one byte.
        Case{"ｱｳ", "\xB1\xB3"},
        // A character that code page 932 lacks, or writes only as a look-alike byte, is 〓.
        Case{"😀", kGeta}, Case{"ゔ", kGeta}, Case{"¥", kGeta}, Case{"‾", kGeta},
        // So is every byte that is not valid UTF-8.
        Case{"\x80", kGeta}, Case{"\xE3\x82", kGeta + kGeta},
        Case{"\xFF"
             "a",
             kGeta + "a"},
        Case{"\xE3\x82"
             "ア",
             kGeta + kGeta + "\x83\x41"},
        // A replacement keeps the two-byte frame of every later kana.
        Case{"a😀ア", "a" + kGeta + "\x83\x41"},
        // A combining sound mark joins the kana before it.
        Case{"か\u3099", "\x82\xAA"}, Case{"は\u309A", "\x82\xCF"}, Case{"ウ\u3099", "\x83\x94"},
        Case{"\u3099あ", kGeta + "\x82\xA0"}, Case{"あ\u3099", "\x82\xA0" + kGeta},
        Case{"う\u3099", kGeta}));

INSTANTIATE_TEST_SUITE_P(
    Cases, ToUtf8Test,
    testing::Values(Case{"", ""}, Case{"a~\\", "a~\\"}, Case{"アあ、", "\x83\x41\x82\xA0\x81\x41"},
                    Case{"～", "\x81\x60"}, Case{"－", "\x81\x7C"}, Case{"①", "\x87\x40"},
                    Case{"纊", "\xFA\x5C"}, Case{"纊", "\xED\x40"}, Case{"ｱ", "\xB1"},
                    Case{"〓", kGeta},
                    // A byte that starts no character is U+FFFD, and what follows still reads.
                    Case{kReplacement, "\x80"}, Case{kReplacement, "\xA0"},
                    Case{kReplacement, "\xFD"}, Case{"a" + kReplacement + "ア", "a\x80\x83\x41"},
                    Case{kReplacement, "\x81"}, Case{kReplacement + " ", "\x81 "}));

TEST(CodePointsTest, DecodeAndEncodeUtf8) {
  EXPECT_EQ(cp932::DecodeUtf8("aア😀"), U"aア😀");
  EXPECT_EQ(cp932::DecodeUtf8("\x80"
                              "a\xE3\x82"),
            U"〓a〓〓");
  EXPECT_EQ(cp932::EncodeUtf8(U"aア😀"), "aア😀");
  EXPECT_EQ(cp932::EncodeUtf8(std::u32string{U'a', char32_t{0xD800}, char32_t{0x110000}, U'b'}),
            "a" + kReplacement + kReplacement + "b");
}

// Every character of code page 932 comes back in its width: one byte for ASCII and the half-width
// katakana, two for the rest, so that a text keeps its frame.
TEST(CodePageRoundTripTest, KeepsTheWidthOfEveryCharacter) {
  int characters = 0;
  for (unsigned b = 0; b < 0x100; ++b) {
    const std::string one(1, static_cast<char>(b));
    const std::string utf8 = cp932::ToUtf8(one);
    if (utf8 == kReplacement) continue;
    ++characters;
    EXPECT_EQ(cp932::FromUtf8(utf8), one) << b;
  }
  for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
    for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
      const std::string two = {static_cast<char>(lead), static_cast<char>(trail)};
      const std::string utf8 = cp932::ToUtf8(two);
      if (utf8.find(kReplacement) != std::string::npos) continue;
      ++characters;
      // Some characters have two codes; either way the code decodes to the same character.
      const std::string back = cp932::FromUtf8(utf8);
      ASSERT_EQ(back.size(), 2u) << std::hex << lead << ' ' << trail;
      EXPECT_EQ(cp932::ToUtf8(back), utf8) << std::hex << lead << ' ' << trail;
    }
  }
  EXPECT_GT(characters, 7000);
}

// A long text is converted in pieces; a character to replace in a later piece changes that piece
// only.
TEST(CodePageLongTextTest, ReplacesInsideALongText) {
  std::string utf8, cp932;
  for (int i = 0; i < 5000; ++i) {
    utf8 += "ア";
    cp932 += "\x83\x41";
  }
  EXPECT_EQ(cp932::FromUtf8(utf8 + "¥ア😀a"), cp932 + kGeta + "\x83\x41" + kGeta + "a");
  EXPECT_EQ(cp932::ToUtf8(cp932 + "\x80"
                                  "a"),
            utf8 + kReplacement + "a");
}

}  // namespace
