// A compiled pattern: the steps that write a date value, and the texts its literal steps copy.
// Both the pattern compiler (pattern_compiler.h) and the compiler of the locale's date and time
// pictures (picture_compiler.h) make programs of these steps, so one applier
// (pattern_applier.h) writes both. Internal to the format library.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace mirel::format_detail {

// What a step writes. The comments name the letters of a pattern, and in brackets those of a
// locale picture, that compile to the token.
enum class Token : std::uint8_t {
  kLiteral,             // nothing but the step's text
  kDay,                 // d             [d]
  kDay2,                // dd            [dd]
  kWeekdayAbbrev,       // ddd
  kWeekdayName,         // dddd
  kShortDate,           // ddddd: the locale's short date picture
  kLongDate,            // dddddd: the locale's long date picture
  kJaWeekday,           // aaa
  kJaWeekdayName,       // aaaa
  kMonth,               // m             [M]
  kMonth2,              // mm            [MM]
  kMonthAbbrev,         // mmm
  kMonthName,           // mmmm
  kNativeMonth,         // oooo
  kPictureDayAbbrev,    //               [ddd]: the locale's own weekday names
  kPictureDayName,      //               [dddd]
  kPictureMonthAbbrev,  //               [MMM]: the locale's own month names
  kPictureMonthName,    //               [MMMM]
  kMinute,              // n, or m right after an hour   [m]
  kMinute2,             // nn, or mm right after an hour [mm]
  kYearOfCentury,       //               [y]: 0..99 without a leading zero
  kYear2,               // yy            [yy]
  kYear4,               // yyyy: the year without leading zeros (100, 2000)
  kYear4Padded,         //               [yyy, yyyy]: four digits (0100)
  kDayOfYear,           // y
  kWeekdayNumber,       // w
  kWeekOfYear,          // ww
  kQuarter,             // q
  kHour,                // h             [H]: 0..23
  kHour2,               // hh            [HH]
  kHour12,              // h with a morning/afternoon marker in the pattern [h]: 1..12
  kHour12Padded,        // hh with a marker                                 [hh]
  kSecond,              // s             [s]
  kSecond2,             // ss            [ss]
  kMarker,              // AM/PM, am/pm: the written half for the morning or afternoon
  kLetterMarker,        // A/P, a/p
  kLocaleMarker,        // AMPM          [tt]: the locale's designators
  kLocaleMarkerLetter,  //               [t]: their first character
  kTime,                // ttttt: the locale's time picture
  kGeneral,             // c, and the empty pattern: the short date and the time
  kEraLetter,           // g
  kEraAbbrev,           // gg
  kEraName,             // ggg           [g, in the Japanese calendar]
  kEraYear,             // e             [y, in the Japanese calendar]
  kEraYear2,            // ee            [yy, in the Japanese calendar]
  kDateSeparator,       // /: the locale's date separator
  kTimeSeparator,       // :: the locale's time separator
};
inline constexpr std::size_t kTokenCount = static_cast<std::size_t>(Token::kTimeSeparator) + 1;

// What a step writes: its token's own output, then its text, the literal that follows the token
// in the pattern ("年" after yyyy), so that most literals cost no step of their own. Twelve
// bytes: a long pattern makes a step of nearly every byte.
struct Step {
  Token token = Token::kLiteral;
  // A slice of Program::texts. A marker's two halves stand in the texts just before it.
  std::uint32_t textStart = 0;
  std::uint32_t textLength = 0;
};

struct Program {
  std::string texts;
  std::vector<Step> steps;

  // The last step's text always ends where the texts end, so a literal extends it; neighbouring
  // literals are joined on the way.
  void AddLiteral(std::string_view text) {
    if (text.empty()) {
      return;
    }
    if (steps.empty()) {
      AddToken(Token::kLiteral);
    }
    steps.back().textLength += static_cast<std::uint32_t>(text.size());
    texts.append(text);
  }

  void AddToken(Token token) {
    steps.push_back(Step{token, static_cast<std::uint32_t>(texts.size()), 0});
  }

  // The two halves are of one length: two letters for kMarker ("AM" "PM"), one for
  // kLetterMarker ("a" "p").
  void AddMarker(Token marker, std::string_view morning, std::string_view afternoon) {
    texts.append(morning);
    texts.append(afternoon);
    AddToken(marker);
  }
};

}  // namespace mirel::format_detail
