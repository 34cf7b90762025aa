#include "components/win32/text_conversion.h"

#include <gtest/gtest.h>

namespace mirel::win32 {
namespace {

TEST(TextConversion, TheTestsRunInTheJapaneseCodePage) {
  // Everything below about CP_ACP assumes the Japanese locale the test runner sets up.
  EXPECT_EQ(::GetACP(), 932u);
}

TEST(TextConversion, Utf8AndUtf16RoundTrip) {
  struct Case {
    std::string utf8;
    std::wstring wide;
  };
  const Case cases[] = {
      {"", L""},
      {"yyyy/mm/dd hh:nn:ss", L"yyyy/mm/dd hh:nn:ss"},
      {"カレンダー", L"\u30AB\u30EC\u30F3\u30C0\u30FC"},
      {"令和", L"\u4EE4\u548C"},
      {"\xF0\x9F\x93\x85", L"\xD83D\xDCC5"},               // 📅 outside the BMP: a surrogate pair
      {std::string("a\0b", 3), std::wstring(L"a\0b", 3)},  // embedded NUL kept
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Utf8ToWide(c.utf8), c.wide) << c.utf8;
    EXPECT_EQ(WideToUtf8(c.wide), c.utf8) << c.utf8;
  }
}

TEST(TextConversion, MalformedInputBecomesReplacementCharacters) {
  EXPECT_EQ(Utf8ToWide("a\xFF"
                       "b"),
            L"a\uFFFDb");
  EXPECT_EQ(Utf8ToWide("\xE3\x81"), L"\uFFFD");  // cut in the middle of a character
  EXPECT_EQ(WideToUtf8(std::wstring(1, L'\xD800')), "\xEF\xBF\xBD");  // lone surrogate
}

TEST(TextConversion, AnsiCodePage932) {
  struct Case {
    std::wstring wide;
    std::string sjis;
  };
  const Case cases[] = {
      {L"", ""},
      {L"abc", "abc"},
      {L"\u30AB\u30EC\u30F3\u30C0\u30FC",
       "\x83\x4A\x83\x8C\x83\x93\x83\x5F\x81\x5B"},  // カレンダー
      {L"\u8868\u793A\u8A2D\u5B9A",
       "\x95\x5C\x8E\xA6\x90\xDD\x92\xE8"},  // 表示設定: 5C trail bytes
      {L"\uFF76", "\xB6"},                   // half-width katakana: one byte
  };
  for (const Case& c : cases) {
    EXPECT_EQ(WideToAnsi(c.wide), c.sjis);
    EXPECT_EQ(WideToAnsi(c.wide, 932), c.sjis);
    EXPECT_EQ(Utf8ToAnsi(WideToUtf8(c.wide)), c.sjis);
  }
  // What code page 932 cannot hold comes out as a default character, never as lost text length.
  EXPECT_EQ(WideToAnsi(L"a\xD83D\xDCC5"
                       L"b")
                .front(),
            'a');
  EXPECT_EQ(WideToAnsi(L"a\xD83D\xDCC5"
                       L"b")
                .back(),
            'b');
}

}  // namespace
}  // namespace mirel::win32
