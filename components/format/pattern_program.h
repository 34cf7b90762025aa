// A compiled pattern: the steps that write a date value, and the texts its literal steps copy.
// The pattern compiler (pattern_compiler.h) makes it, the applier (pattern_applier.h) writes a
// value by it. Internal to the format library.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace mirel::format_detail {

enum class Token : std::uint8_t {
  kLiteral,        // copied text
  kDay,            // d
  kDay2,           // dd
  kWeekdayAbbrev,  // ddd
  kWeekdayName,    // dddd
  kShortDate,      // ddddd
  kLongDate,       // dddddd
  kJaWeekday,      // aaa
  kJaWeekdayName,  // aaaa
  kMonth,          // m
  kMonth2,         // mm
  kMonthAbbrev,    // mmm
  kMonthName,      // mmmm
  kNativeMonth,    // oooo
  kMinute,         // n, or m right after an hour
  kMinute2,        // nn, or mm right after an hour
  kYear2,          // yy
  kYear4,          // yyyy
  kDayOfYear,      // y
  kWeekdayNumber,  // w
  kWeekOfYear,     // ww
  kQuarter,        // q
  kHour,           // h
  kHour2,          // hh
  kSecond,         // s
  kSecond2,        // ss
  kMarker,         // AM/PM, am/pm, A/P, a/p: the written half for the morning or afternoon
  kLocaleMarker,   // AMPM: the locale's designators
  kTime,           // ttttt
  kGeneral,        // c
  kEraLetter,      // g
  kEraAbbrev,      // gg
  kEraName,        // ggg
  kEraYear,        // e
  kEraYear2,       // ee
  kDateSeparator,  // /
  kTimeSeparator,  // :
};
inline constexpr std::size_t kTokenCount = static_cast<std::size_t>(Token::kTimeSeparator) + 1;

// Twelve bytes: a long pattern makes a step of nearly every byte.
struct Step {
  Token token = Token::kLiteral;
  // Literal text, or the morning half of a marker, as a slice of Program::texts. The afternoon
  // half of a marker follows it, of the same length.
  std::uint32_t textStart = 0;
  std::uint32_t textLength = 0;
};

// A compiled pattern: the steps and the texts they copy.
struct Program {
  std::string texts;
  std::vector<Step> steps;
  bool twelveHour = false;

  void AddLiteral(std::string_view text) {
    if (text.empty()) {
      return;
    }
    // Neighbouring literals are joined, so "年" + "(" costs one append when applied.
    if (!steps.empty() && steps.back().token == Token::kLiteral &&
        steps.back().textStart + steps.back().textLength == texts.size()) {
      steps.back().textLength += static_cast<std::uint32_t>(text.size());
    } else {
      steps.push_back(Step{Token::kLiteral, static_cast<std::uint32_t>(texts.size()),
                           static_cast<std::uint32_t>(text.size())});
    }
    texts.append(text);
  }

  void AddToken(Token token) { steps.push_back(Step{token, 0, 0}); }

  // The two halves are of one length ("AM" "PM", "a" "p").
  void AddMarker(std::string_view morning, std::string_view afternoon) {
    steps.push_back(Step{Token::kMarker, static_cast<std::uint32_t>(texts.size()),
                         static_cast<std::uint32_t>(morning.size())});
    texts.append(morning);
    texts.append(afternoon);
    twelveHour = true;
  }

  std::string_view Text(std::uint32_t start, std::uint32_t length) const {
    return std::string_view(texts).substr(start, length);
  }
};

}  // namespace mirel::format_detail
