#include "components/format/pattern_applier.h"

#include <array>
#include <cstddef>
#include <tuple>
#include <utility>

#include "components/format/format_parts.h"

namespace mirel::format_detail {
namespace {

// What applying a program to one value needs. The sink and the parts are locals of AppendTo,
// referred to from here: the sink's buffer is handed to calls the compiler cannot see into, and
// parts kept apart from it stay in registers across those calls.
struct Applier {
  Applier(TextSink& sink, const Program& program, const DateTimeParts& parts,
          const LocaleData& locale)
      : sink(sink), program(program), parts(parts), locale(locale) {
    hour = program.twelveHour ? (parts.hour % 12 == 0 ? 12 : parts.hour % 12) : parts.hour;
    afternoon = parts.hour >= 12;
  }

  TextSink& sink;
  const Program& program;
  const DateTimeParts& parts;
  const LocaleData& locale;
  int hour = 0;  // 1..12 when the pattern has a morning/afternoon marker, else 0..23
  bool afternoon = false;
  // Looked up at most once, and only by patterns that print an era.
  bool eraKnown = false;
  const EraInfo* era = nullptr;

  const EraInfo* Era() {
    if (!eraKnown) {
      era = EraOf(parts, locale);
      eraKnown = true;
    }
    return era;
  }
};

// A number of the parts, padded to digits.
template <int DateTimeParts::*field, int digits>
MIREL_HOT_INLINE void ApplyNumber(Applier& a, const Step&) {
  a.sink.Number(a.parts.*field, digits);
}

// A name of the locale, picked by a field of the parts counted from 1.
template <const std::array<std::string, 7> LocaleData::*names>
MIREL_HOT_INLINE void ApplyDayName(Applier& a, const Step&) {
  a.sink += (a.locale.*names)[a.parts.weekday - 1];
}

template <const std::array<std::string, 12> LocaleData::*names>
MIREL_HOT_INLINE void ApplyMonthName(Applier& a, const Step&) {
  a.sink += (a.locale.*names)[a.parts.month - 1];
}

template <const std::string LocaleData::*picture>
MIREL_HOT_INLINE void ApplyPicture(Applier& a, const Step&) {
  AppendLocalePicture(a.sink, a.locale.*picture, a.parts, a.locale);
}

template <const std::string EraInfo::*text>
MIREL_HOT_INLINE void ApplyEraText(Applier& a, const Step&) {
  if (const EraInfo* era = a.Era()) {
    a.sink += era->*text;
  }
}

template <int digits>
MIREL_HOT_INLINE void ApplyEraYear(Applier& a, const Step&) {
  a.sink.Number(EraYear(a.parts, a.Era()), digits);
}

template <int digits>
MIREL_HOT_INLINE void ApplyHour(Applier& a, const Step&) {
  a.sink.Number(a.hour, digits);
}

template <const std::string LocaleData::*separator>
MIREL_HOT_INLINE void ApplySeparator(Applier& a, const Step&) {
  a.sink += a.locale.*separator;
}

// A handler with the token it applies, so that the table's order can be checked.
template <Token kToken, typename Handler>
struct Entry {
  static constexpr Token token = kToken;
  Handler handler;
};

template <Token token, typename Handler>
constexpr Entry<token, Handler> On(Handler handler) {
  return {handler};
}

// The handler for each token, in the order of Token. A tuple rather than an array of function
// pointers: every handler is known where it is called, so each is inlined into the one jump of
// ApplyStep; calls through pointers made the caption pattern a fifth slower. yyyy is the year as
// a number, with no zeros before a year below 1000 (100, 999, 2000).
constexpr std::tuple kApplyHandlers{
    On<Token::kLiteral>([](Applier& a, const Step& step) {
      a.sink += a.program.Text(step.textStart, step.textLength);
    }),
    On<Token::kDay>(&ApplyNumber<&DateTimeParts::day, 1>),
    On<Token::kDay2>(&ApplyNumber<&DateTimeParts::day, 2>),
    On<Token::kWeekdayAbbrev>(&ApplyDayName<&LocaleData::dayAbbreviations>),
    On<Token::kWeekdayName>(&ApplyDayName<&LocaleData::dayNames>),
    On<Token::kShortDate>(&ApplyPicture<&LocaleData::shortDatePicture>),
    On<Token::kLongDate>(&ApplyPicture<&LocaleData::longDatePicture>),
    On<Token::kJaWeekday>(&ApplyDayName<&LocaleData::japaneseDayAbbreviations>),
    On<Token::kJaWeekdayName>(&ApplyDayName<&LocaleData::japaneseDayNames>),
    On<Token::kMonth>(&ApplyNumber<&DateTimeParts::month, 1>),
    On<Token::kMonth2>(&ApplyNumber<&DateTimeParts::month, 2>),
    On<Token::kMonthAbbrev>(&ApplyMonthName<&LocaleData::monthAbbreviations>),
    On<Token::kMonthName>(&ApplyMonthName<&LocaleData::monthNames>),
    On<Token::kNativeMonth>(&ApplyMonthName<&LocaleData::nativeMonthNames>),
    On<Token::kMinute>(&ApplyNumber<&DateTimeParts::minute, 1>),
    On<Token::kMinute2>(&ApplyNumber<&DateTimeParts::minute, 2>),
    On<Token::kYear2>([](Applier& a, const Step&) { a.sink.Number(a.parts.year % 100, 2); }),
    On<Token::kYear4>(&ApplyNumber<&DateTimeParts::year, 1>),
    On<Token::kDayOfYear>(&ApplyNumber<&DateTimeParts::dayOfYear, 1>),
    On<Token::kWeekdayNumber>(&ApplyNumber<&DateTimeParts::weekday, 1>),
    On<Token::kWeekOfYear>([](Applier& a, const Step&) { a.sink.Number(WeekOfYear(a.parts), 1); }),
    On<Token::kQuarter>(
        [](Applier& a, const Step&) { a.sink.Number((a.parts.month - 1) / 3 + 1, 1); }),
    On<Token::kHour>(&ApplyHour<1>),
    On<Token::kHour2>(&ApplyHour<2>),
    On<Token::kSecond>(&ApplyNumber<&DateTimeParts::second, 1>),
    On<Token::kSecond2>(&ApplyNumber<&DateTimeParts::second, 2>),
    On<Token::kMarker>([](Applier& a, const Step& step) {
      a.sink += a.afternoon ? a.program.Text(step.textStart + step.textLength, step.textLength)
                            : a.program.Text(step.textStart, step.textLength);
    }),
    On<Token::kLocaleMarker>([](Applier& a, const Step&) {
      a.sink += a.afternoon ? a.locale.pmDesignator : a.locale.amDesignator;
    }),
    On<Token::kTime>(&ApplyPicture<&LocaleData::timePicture>),
    On<Token::kGeneral>(
        [](Applier& a, const Step&) { AppendGeneralForm(a.sink, a.parts, a.locale); }),
    On<Token::kEraLetter>(&ApplyEraText<&EraInfo::letter>),
    On<Token::kEraAbbrev>(&ApplyEraText<&EraInfo::abbreviation>),
    On<Token::kEraName>(&ApplyEraText<&EraInfo::name>),
    On<Token::kEraYear>(&ApplyEraYear<1>),
    On<Token::kEraYear2>(&ApplyEraYear<2>),
    On<Token::kDateSeparator>(&ApplySeparator<&LocaleData::dateSeparator>),
    On<Token::kTimeSeparator>(&ApplySeparator<&LocaleData::timeSeparator>)};

template <std::size_t... index>
MIREL_HOT_INLINE void ApplyStep(Applier& a, const Step& step, std::index_sequence<index...>) {
  static_assert(((std::tuple_element_t<index, decltype(kApplyHandlers)>::token ==
                  static_cast<Token>(index)) &&
                 ...),
                "the handlers are in the order of the tokens");
  const auto token = static_cast<std::size_t>(step.token);
  // GCC turns this chain of comparisons into one jump table.
  (void)((token == index && (std::get<index>(kApplyHandlers).handler(a, step), true)) || ...);
}

static_assert(std::tuple_size_v<decltype(kApplyHandlers)> == kTokenCount,
              "every token has a handler");

}  // namespace

void AppendProgram(std::string& out, const Program& program, DateValue value,
                   const LocaleData& locale) {
  const DateTimeParts parts = SplitDateValue(value);
  TextSink sink(out);
  Applier applier(sink, program, parts, locale);
  for (const Step& step : program.steps) {
    ApplyStep(applier, step, std::make_index_sequence<kTokenCount>());
  }
  sink.Flush();
}

}  // namespace mirel::format_detail
