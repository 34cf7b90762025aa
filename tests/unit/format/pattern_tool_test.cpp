#include "components/format/pattern_tool.h"

#include <gtest/gtest.h>

#include "components/datetime/now.h"

namespace mirel {
namespace {

TEST(PatternToolTest, IsoInstants) {
  EXPECT_EQ(ParseIsoInstant("2000-01-02T03:04:05"), DateSerial(2000, 1, 2) + TimeSerial(3, 4, 5));
  EXPECT_EQ(ParseIsoInstant("1899-12-29T06:00:00"), -1.25);
  for (const char* bad : {"2000-01-02", "2000-1-2T03:04:05", "2001-02-29T00:00:00",
                          "2000-13-01T00:00:00", "2000-01-02T24:00:00", "0099-01-01T00:00:00",
                          "2000-01-02 03:04:05", "2000-01-02T03:04:05Z", "+200-01-02T03:04:05"}) {
    EXPECT_FALSE(ParseIsoInstant(bad)) << bad;
  }
}

TEST(PatternToolTest, BatchLines) {
  ScopedNowOverride now(DateSerial(2024, 6, 1));
  struct Case {
    const char* line;
    bool ok;
    const char* text;  // result, or the start of the message
  };
  const Case cases[] = {
      {"36527.5\tyyyy/mm/dd hh:nn:ss", true, "2000/01/02 12:00:00"},
      {"-1.25\t", true, "1899/12/29 6:00:00"},
      {"+1\taaa", true, "日"},
      {"\"2000/1/2\"\tggge年", true, "平成12年"},
      {"\"say \"hi\"\"\tyyyy", true, "say \"hi\""},  // between the first and the last quote
      {"\"1/2\"\tyyyy\tmm", true, "2024\t01"},       // the pattern runs to the end of the line
      {"36527\t", true, "2000/01/02"},
      {"1.1574074074074073e-05\thh:nn:ss", true, "00:00:01"},  // as programs print doubles
      {"1E+3\tyyyy/mm/dd", true, "1902/09/26"},
      {".5\thh", true, "12"},
      {"-0.\tyyyy", true, "1899"},
      {"1e-400\tyyyy", true, "1899"},  // below the smallest double: zero
      {"abc\tyyyy", false, "value is neither"},
      {"1e\tyyyy", false, "value is neither"},
      {"inf\tyyyy", false, "value is neither"},
      {"0x1p3\tyyyy", false, "value is neither"},
      {".\tyyyy", false, "value is neither"},
      {"1.2.3\tyyyy", false, "value is neither"},
      {"\tyyyy", false, "value is neither"},
      {"\"open\tyyyy", false, "text value without"},
      {"36527", false, "no TAB"},
      {"1e308\tyyyy", false, "date value out of range"},
      {"1e999\tyyyy", false, "date value out of range"},
      {"99999999\tyyyy", false, "date value out of range"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    const BatchLineResult result = FormatBatchLine(c.line);
    EXPECT_EQ(result.ok, c.ok);
    if (c.ok) {
      EXPECT_EQ(result.text, c.text);
    } else {
      EXPECT_EQ(result.text.rfind(c.text, 0), 0u) << result.text;
    }
  }
}

}  // namespace
}  // namespace mirel
