// The pattern engine: a pattern is cut into steps once, and each value is then written by
// walking the steps. Token letters are case-insensitive; quoted text, escaped characters and
// characters that are no token are copied as they are, so no pattern is ever rejected.
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "components/format/format.h"
#include "components/format/format_parts.h"

namespace mirel {

namespace {

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

struct Step {
  Token token = Token::kLiteral;
  // Literal text, or the morning half of a marker, as a slice of Compiled::texts.
  std::uint32_t textStart = 0;
  std::uint32_t textLength = 0;
  // The afternoon half of a marker.
  std::uint32_t altStart = 0;
  std::uint32_t altLength = 0;
};

char Lower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool StartsWithIgnoringCase(std::string_view text, std::size_t pos, std::string_view lower) {
  if (text.size() - pos < lower.size()) {
    return false;
  }
  for (std::size_t i = 0; i < lower.size(); ++i) {
    if (Lower(text[pos + i]) != lower[i]) {
      return false;
    }
  }
  return true;
}

// How many times the letter at pos repeats, ignoring case.
std::size_t RunLength(std::string_view text, std::size_t pos) {
  const char letter = Lower(text[pos]);
  std::size_t end = pos;
  while (end < text.size() && Lower(text[end]) == letter) {
    ++end;
  }
  return end - pos;
}

}  // namespace

struct FormatPattern::Compiled {
  std::string pattern;
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
                           static_cast<std::uint32_t>(text.size()), 0, 0});
    }
    texts.append(text);
  }

  void AddToken(Token token) { steps.push_back(Step{token, 0, 0, 0, 0}); }

  void AddMarker(std::string_view morning, std::string_view afternoon) {
    Step step{Token::kMarker, static_cast<std::uint32_t>(texts.size()),
              static_cast<std::uint32_t>(morning.size()), 0, 0};
    texts.append(morning);
    step.altStart = static_cast<std::uint32_t>(texts.size());
    step.altLength = static_cast<std::uint32_t>(afternoon.size());
    texts.append(afternoon);
    steps.push_back(step);
    twelveHour = true;
  }

  std::string_view Text(std::uint32_t start, std::uint32_t length) const {
    return std::string_view(texts).substr(start, length);
  }

  void Compile();
};

void FormatPattern::Compiled::Compile() {
  const std::string_view p = pattern;
  // The empty pattern is the general form, so the clock's empty display format shows date and
  // time.
  if (p.empty()) {
    AddToken(Token::kGeneral);
    return;
  }
  // m and mm mean minutes while the last token was an hour; literals and separators between
  // them keep that reading ("h時m分"), any other token ends it.
  bool afterHour = false;
  std::size_t pos = 0;
  auto token = [&](Token t, std::size_t length) {
    AddToken(t);
    afterHour = (t == Token::kHour || t == Token::kHour2);
    pos += length;
  };
  while (pos < p.size()) {
    const char c = Lower(p[pos]);
    const std::size_t run = RunLength(p, pos);
    switch (c) {
      case '"': {
        const std::size_t close = p.find('"', pos + 1);
        const std::size_t end = close == std::string_view::npos ? p.size() : close;
        AddLiteral(p.substr(pos + 1, end - pos - 1));
        pos = close == std::string_view::npos ? p.size() : close + 1;
        break;
      }
      case '\\':
        // A trailing backslash escapes nothing and is dropped.
        if (pos + 1 < p.size()) {
          const std::size_t length = format_detail::CharacterLength(p, pos + 1);
          AddLiteral(p.substr(pos + 1, length));
          pos += 1 + length;
        } else {
          pos = p.size();
        }
        break;
      case 'a':
        if (StartsWithIgnoringCase(p, pos, "am/pm")) {
          AddMarker(p.substr(pos, 2), p.substr(pos + 3, 2));
          pos += 5;
          afterHour = false;
        } else if (StartsWithIgnoringCase(p, pos, "ampm")) {
          twelveHour = true;
          token(Token::kLocaleMarker, 4);
        } else if (StartsWithIgnoringCase(p, pos, "a/p")) {
          AddMarker(p.substr(pos, 1), p.substr(pos + 2, 1));
          pos += 3;
          afterHour = false;
        } else if (run >= 4) {
          token(Token::kJaWeekdayName, 4);
        } else if (run == 3) {
          token(Token::kJaWeekday, 3);
        } else {
          AddLiteral(p.substr(pos, run));
          pos += run;
        }
        break;
      case 'd': {
        static constexpr Token kByCount[] = {Token::kDay,           Token::kDay2,
                                             Token::kWeekdayAbbrev, Token::kWeekdayName,
                                             Token::kShortDate,     Token::kLongDate};
        const std::size_t count = run > 6 ? 6 : run;
        token(kByCount[count - 1], count);
        break;
      }
      case 'm':
        if (run >= 4) {
          token(Token::kMonthName, 4);
        } else if (run == 3) {
          token(Token::kMonthAbbrev, 3);
        } else if (afterHour) {
          token(run == 2 ? Token::kMinute2 : Token::kMinute, run);
        } else {
          token(run == 2 ? Token::kMonth2 : Token::kMonth, run);
        }
        break;
      case 'o':
        if (run >= 4) {
          token(Token::kNativeMonth, 4);
        } else {
          AddLiteral(p.substr(pos, run));
          pos += run;
        }
        break;
      case 'n':
        token(run >= 2 ? Token::kMinute2 : Token::kMinute, run >= 2 ? 2 : 1);
        break;
      case 'y':
        if (run >= 4) {
          token(Token::kYear4, 4);
        } else if (run >= 2) {
          token(Token::kYear2, 2);
        } else {
          token(Token::kDayOfYear, 1);
        }
        break;
      case 'w':
        token(run >= 2 ? Token::kWeekOfYear : Token::kWeekdayNumber, run >= 2 ? 2 : 1);
        break;
      case 'q':
        token(Token::kQuarter, 1);
        break;
      case 'h':
        token(run >= 2 ? Token::kHour2 : Token::kHour, run >= 2 ? 2 : 1);
        break;
      case 's':
        token(run >= 2 ? Token::kSecond2 : Token::kSecond, run >= 2 ? 2 : 1);
        break;
      case 't':
        if (run >= 5) {
          token(Token::kTime, 5);
        } else {
          AddLiteral(p.substr(pos, run));
          pos += run;
        }
        break;
      case 'c':
        token(Token::kGeneral, 1);
        break;
      case 'g': {
        static constexpr Token kByCount[] = {Token::kEraLetter, Token::kEraAbbrev, Token::kEraName};
        const std::size_t count = run > 3 ? 3 : run;
        token(kByCount[count - 1], count);
        break;
      }
      case 'e':
        token(run >= 2 ? Token::kEraYear2 : Token::kEraYear, run >= 2 ? 2 : 1);
        break;
      case '/':
        AddToken(Token::kDateSeparator);
        ++pos;
        break;
      case ':':
        AddToken(Token::kTimeSeparator);
        ++pos;
        break;
      default:
        AddLiteral(p.substr(pos, 1));
        ++pos;
        break;
    }
  }
}

FormatPattern::FormatPattern(std::string_view pattern) : compiled_(std::make_unique<Compiled>()) {
  compiled_->pattern.assign(pattern);
  compiled_->Compile();
}

FormatPattern::~FormatPattern() = default;
FormatPattern::FormatPattern(FormatPattern&&) noexcept = default;
FormatPattern& FormatPattern::operator=(FormatPattern&&) noexcept = default;

const std::string& FormatPattern::Pattern() const {
  return compiled_->pattern;
}

std::string FormatPattern::Apply(DateValue value, const LocaleData& locale) const {
  std::string out;
  AppendTo(out, value, locale);
  return out;
}

void FormatPattern::AppendTo(std::string& out, DateValue value, const LocaleData& locale) const {
  const DateTimeParts parts = SplitDateValue(value);
  const Compiled& c = *compiled_;
  format_detail::TextSink sink(out);
  const int hour = c.twelveHour ? (parts.hour % 12 == 0 ? 12 : parts.hour % 12) : parts.hour;
  const bool afternoon = parts.hour >= 12;
  // Looked up at most once, and only by patterns that print an era.
  bool eraKnown = false;
  const EraInfo* era = nullptr;
  auto currentEra = [&]() {
    if (!eraKnown) {
      era = format_detail::EraOf(parts, locale);
      eraKnown = true;
    }
    return era;
  };
  for (const Step& step : c.steps) {
    switch (step.token) {
      case Token::kLiteral:
        sink += (c.Text(step.textStart, step.textLength));
        break;
      case Token::kDay:
        sink.Number(parts.day, 1);
        break;
      case Token::kDay2:
        sink.Number(parts.day, 2);
        break;
      case Token::kWeekdayAbbrev:
        sink += locale.dayAbbreviations[parts.weekday - 1];
        break;
      case Token::kWeekdayName:
        sink += locale.dayNames[parts.weekday - 1];
        break;
      case Token::kShortDate:
        format_detail::AppendLocalePicture(sink, locale.shortDatePicture, parts, locale);
        break;
      case Token::kLongDate:
        format_detail::AppendLocalePicture(sink, locale.longDatePicture, parts, locale);
        break;
      case Token::kJaWeekday:
        sink += locale.japaneseDayAbbreviations[parts.weekday - 1];
        break;
      case Token::kJaWeekdayName:
        sink += locale.japaneseDayNames[parts.weekday - 1];
        break;
      case Token::kMonth:
        sink.Number(parts.month, 1);
        break;
      case Token::kMonth2:
        sink.Number(parts.month, 2);
        break;
      case Token::kMonthAbbrev:
        sink += locale.monthAbbreviations[parts.month - 1];
        break;
      case Token::kMonthName:
        sink += locale.monthNames[parts.month - 1];
        break;
      case Token::kNativeMonth:
        sink += locale.nativeMonthNames[parts.month - 1];
        break;
      case Token::kMinute:
        sink.Number(parts.minute, 1);
        break;
      case Token::kMinute2:
        sink.Number(parts.minute, 2);
        break;
      case Token::kYear2:
        sink.Number(parts.year % 100, 2);
        break;
      case Token::kYear4:
        sink.Number(parts.year, 4);
        break;
      case Token::kDayOfYear:
        sink.Number(parts.dayOfYear, 1);
        break;
      case Token::kWeekdayNumber:
        sink.Number(parts.weekday, 1);
        break;
      case Token::kWeekOfYear:
        sink.Number(format_detail::WeekOfYear(parts), 1);
        break;
      case Token::kQuarter:
        sink.Number((parts.month - 1) / 3 + 1, 1);
        break;
      case Token::kHour:
        sink.Number(hour, 1);
        break;
      case Token::kHour2:
        sink.Number(hour, 2);
        break;
      case Token::kSecond:
        sink.Number(parts.second, 1);
        break;
      case Token::kSecond2:
        sink.Number(parts.second, 2);
        break;
      case Token::kMarker:
        sink += (afternoon ? c.Text(step.altStart, step.altLength)
                           : c.Text(step.textStart, step.textLength));
        break;
      case Token::kLocaleMarker:
        sink += afternoon ? locale.pmDesignator : locale.amDesignator;
        break;
      case Token::kTime:
        format_detail::AppendLocalePicture(sink, locale.timePicture, parts, locale);
        break;
      case Token::kGeneral:
        format_detail::AppendGeneralForm(sink, parts, locale);
        break;
      case Token::kEraLetter:
        if (currentEra()) {
          sink += era->letter;
        }
        break;
      case Token::kEraAbbrev:
        if (currentEra()) {
          sink += era->abbreviation;
        }
        break;
      case Token::kEraName:
        if (currentEra()) {
          sink += era->name;
        }
        break;
      case Token::kEraYear:
        sink.Number(format_detail::EraYear(parts, currentEra()), 1);
        break;
      case Token::kEraYear2:
        sink.Number(format_detail::EraYear(parts, currentEra()), 2);
        break;
      case Token::kDateSeparator:
        sink += locale.dateSeparator;
        break;
      case Token::kTimeSeparator:
        sink += locale.timeSeparator;
        break;
    }
  }
  sink.Flush();
}

}  // namespace mirel
