#include "components/format/pattern_applier.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>
#include <tuple>
#include <utility>

#include "components/format/picture_compiler.h"
#include "components/format/text_sink.h"
#include "components/utf8.h"

namespace mirel::format_detail {
namespace {

// What the steps of one value look up at most once, and only when a step needs it: its era, and
// the locale's compiled pictures (the current locale's are kept with it, any other locale's are
// compiled here).
class Lookups {
 public:
  Lookups(const DateTimeParts& parts, const LocaleData& locale) : parts_(parts), locale_(locale) {}

  // The era holding the date, or nullptr for a date before the first era (before 明治).
  const EraInfo* Era() {
    if (!eraKnown_) {
      const int date = parts_.year * 10000 + parts_.month * 100 + parts_.day;
      for (const EraInfo& era : locale_.eras) {
        if (era.startYear * 10000 + era.startMonth * 100 + era.startDay <= date) {
          era_ = &era;
        }
      }
      eraKnown_ = true;
    }
    return era_;
  }

  MIREL_HOT_INLINE const LocalePictures& Pictures() {
    if (pictures_ == nullptr) {
      pictures_ = PicturesIfCurrent(locale_);
      if (pictures_ == nullptr) {
        pictures_ = CompileOtherLocalePictures();
      }
    }
    return *pictures_;
  }

 private:
  // Kept out of line, so that the lookup of the current locale's pictures stays short.
  [[gnu::noinline]] const LocalePictures* CompileOtherLocalePictures() {
    return &otherLocalePictures_.emplace(CompileLocalePictures(locale_));
  }

  const DateTimeParts& parts_;
  const LocaleData& locale_;
  bool eraKnown_ = false;
  const EraInfo* era_ = nullptr;
  const LocalePictures* pictures_ = nullptr;
  std::optional<LocalePictures> otherLocalePictures_;
};

// What applying the steps of one program needs. A local of ApplySteps whose members refer to
// the sink and the parts: the sink's buffer is handed to calls the compiler cannot see into,
// and parts kept apart from it stay in registers across those calls.
struct Applier {
  TextSink& sink;
  const DateTimeParts& parts;
  const LocaleData& locale;
  const char* texts;  // the program's: its literal steps are slices of it
  Lookups& lookups;

  // The year counted in the era (its first year is 1); the Gregorian year before the first era.
  int EraYear() {
    const EraInfo* era = lookups.Era();
    return era ? parts.year - era->startYear + 1 : parts.year;
  }
};

void ApplySteps(TextSink& sink, const Program& program, const DateTimeParts& parts,
                const LocaleData& locale, Lookups& lookups);

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

template <Program LocalePictures::*picture>
MIREL_HOT_INLINE void ApplyPicture(Applier& a, const Step&) {
  ApplySteps(a.sink, a.lookups.Pictures().*picture, a.parts, a.locale, a.lookups);
}

// The short date, then the time when there is one; the time alone on day 0.
MIREL_HOT_INLINE const Program& GeneralForm(const LocalePictures& pictures,
                                            const DateTimeParts& parts) {
  if (parts.dayNumber == 0) {
    return pictures.time;
  }
  return parts.secondOfDay == 0 ? pictures.shortDate : pictures.dateAndTime;
}

MIREL_HOT_INLINE void ApplyGeneral(Applier& a, const Step&) {
  ApplySteps(a.sink, GeneralForm(a.lookups.Pictures(), a.parts), a.parts, a.locale, a.lookups);
}

template <const std::string EraInfo::*text>
MIREL_HOT_INLINE void ApplyEraText(Applier& a, const Step&) {
  if (const EraInfo* era = a.lookups.Era()) {
    a.sink += era->*text;
  }
}

template <int digits>
MIREL_HOT_INLINE void ApplyEraYear(Applier& a, const Step&) {
  a.sink.Number(a.EraYear(), digits);
}

template <int digits>
MIREL_HOT_INLINE void ApplyHour12(Applier& a, const Step&) {
  a.sink.Number(a.parts.hour % 12 == 0 ? 12 : a.parts.hour % 12, digits);
}

// The week of the year, weeks starting on Sunday and week 1 holding 1 January: 1..54.
MIREL_HOT_INLINE void ApplyWeekOfYear(Applier& a, const Step&) {
  // Weekday of 1 January, 0 (Sunday) .. 6, from today's weekday and day of the year.
  const int newYearWeekday = ((a.parts.weekday - 1 - (a.parts.dayOfYear - 1)) % 7 + 7) % 7;
  a.sink.Number((a.parts.dayOfYear - 1 + newYearWeekday) / 7 + 1, 1);
}

template <const std::string LocaleData::*text>
MIREL_HOT_INLINE void ApplyLocaleText(Applier& a, const Step&) {
  a.sink += a.locale.*text;
}

// The morning or the afternoon half, written in the pattern just before the step's text.
template <std::uint32_t halfLength>
MIREL_HOT_INLINE void ApplyMarker(Applier& a, const Step& step) {
  const std::uint32_t half = a.parts.hour >= 12 ? halfLength : 0;
  a.sink += std::string_view(a.texts + step.textStart - 2 * halfLength + half, halfLength);
}

MIREL_HOT_INLINE void ApplyLocaleMarker(Applier& a, const Step&) {
  a.sink += a.parts.hour >= 12 ? a.locale.pmDesignator : a.locale.amDesignator;
}

// The first character of the designator (a UTF-8 character, not a byte).
void ApplyLocaleMarkerLetter(Applier& a, const Step&) {
  const std::string_view designator =
      a.parts.hour >= 12 ? a.locale.pmDesignator : a.locale.amDesignator;
  if (!designator.empty()) {
    a.sink += designator.substr(0, Utf8CharacterAt(designator, 0).length);
  }
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
// ApplyStep; calls through pointers show in bench/bench_format.
constexpr std::tuple kApplyHandlers{
    On<Token::kLiteral>([](Applier&, const Step&) {}),
    On<Token::kDay>(&ApplyNumber<&DateTimeParts::day, 1>),
    On<Token::kDay2>(&ApplyNumber<&DateTimeParts::day, 2>),
    On<Token::kWeekdayAbbrev>(&ApplyDayName<&LocaleData::dayAbbreviations>),
    On<Token::kWeekdayName>(&ApplyDayName<&LocaleData::dayNames>),
    On<Token::kShortDate>(&ApplyPicture<&LocalePictures::shortDate>),
    On<Token::kLongDate>(&ApplyPicture<&LocalePictures::longDate>),
    On<Token::kJaWeekday>(&ApplyDayName<&LocaleData::japaneseDayAbbreviations>),
    On<Token::kJaWeekdayName>(&ApplyDayName<&LocaleData::japaneseDayNames>),
    On<Token::kMonth>(&ApplyNumber<&DateTimeParts::month, 1>),
    On<Token::kMonth2>(&ApplyNumber<&DateTimeParts::month, 2>),
    On<Token::kMonthAbbrev>(&ApplyMonthName<&LocaleData::monthAbbreviations>),
    On<Token::kMonthName>(&ApplyMonthName<&LocaleData::monthNames>),
    On<Token::kNativeMonth>(&ApplyMonthName<&LocaleData::nativeMonthNames>),
    On<Token::kPictureDayAbbrev>(&ApplyDayName<&LocaleData::pictureDayAbbreviations>),
    On<Token::kPictureDayName>(&ApplyDayName<&LocaleData::pictureDayNames>),
    On<Token::kPictureMonthAbbrev>(&ApplyMonthName<&LocaleData::pictureMonthAbbreviations>),
    On<Token::kPictureMonthName>(&ApplyMonthName<&LocaleData::pictureMonthNames>),
    On<Token::kMinute>(&ApplyNumber<&DateTimeParts::minute, 1>),
    On<Token::kMinute2>(&ApplyNumber<&DateTimeParts::minute, 2>),
    On<Token::kYearOfCentury>(
        [](Applier& a, const Step&) { a.sink.Number(a.parts.year % 100, 1); }),
    On<Token::kYear2>([](Applier& a, const Step&) { a.sink.Number(a.parts.year % 100, 2); }),
    On<Token::kYear4>(&ApplyNumber<&DateTimeParts::year, 1>),
    On<Token::kYear4Padded>(&ApplyNumber<&DateTimeParts::year, 4>),
    On<Token::kDayOfYear>(&ApplyNumber<&DateTimeParts::dayOfYear, 1>),
    On<Token::kWeekdayNumber>(&ApplyNumber<&DateTimeParts::weekday, 1>),
    On<Token::kWeekOfYear>(&ApplyWeekOfYear),
    On<Token::kQuarter>(
        [](Applier& a, const Step&) { a.sink.Number((a.parts.month - 1) / 3 + 1, 1); }),
    On<Token::kHour>(&ApplyNumber<&DateTimeParts::hour, 1>),
    On<Token::kHour2>(&ApplyNumber<&DateTimeParts::hour, 2>),
    On<Token::kHour12>(&ApplyHour12<1>),
    On<Token::kHour12Padded>(&ApplyHour12<2>),
    On<Token::kSecond>(&ApplyNumber<&DateTimeParts::second, 1>),
    On<Token::kSecond2>(&ApplyNumber<&DateTimeParts::second, 2>),
    On<Token::kMarker>(&ApplyMarker<2>),
    On<Token::kLetterMarker>(&ApplyMarker<1>),
    On<Token::kLocaleMarker>(&ApplyLocaleMarker),
    On<Token::kLocaleMarkerLetter>(&ApplyLocaleMarkerLetter),
    On<Token::kTime>(&ApplyPicture<&LocalePictures::time>),
    On<Token::kGeneral>(&ApplyGeneral),
    On<Token::kEraLetter>(&ApplyEraText<&EraInfo::letter>),
    On<Token::kEraAbbrev>(&ApplyEraText<&EraInfo::abbreviation>),
    On<Token::kEraName>(&ApplyEraText<&EraInfo::name>),
    On<Token::kEraYear>(&ApplyEraYear<1>),
    On<Token::kEraYear2>(&ApplyEraYear<2>),
    On<Token::kDateSeparator>(&ApplyLocaleText<&LocaleData::dateSeparator>),
    On<Token::kTimeSeparator>(&ApplyLocaleText<&LocaleData::timeSeparator>)};

static_assert(std::tuple_size_v<decltype(kApplyHandlers)> == kTokenCount,
              "every token has a handler");

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

// Inlined into AppendProgram, so the caption's own steps run without a call; the pictures' steps
// run through ApplySteps.
MIREL_HOT_INLINE void ApplyStepsInline(TextSink& sink, const Program& program,
                                       const DateTimeParts& parts, const LocaleData& locale,
                                       Lookups& lookups) {
  Applier applier{sink, parts, locale, program.texts.data(), lookups};
  for (const Step& step : program.steps) {
    ApplyStep(applier, step, std::make_index_sequence<kTokenCount>());
    if (step.textLength != 0) {
      sink += std::string_view(applier.texts + step.textStart, step.textLength);
    }
  }
}

void ApplySteps(TextSink& sink, const Program& program, const DateTimeParts& parts,
                const LocaleData& locale, Lookups& lookups) {
  ApplyStepsInline(sink, program, parts, locale, lookups);
}

}  // namespace

void AppendProgram(std::string& out, const Program& program, DateValue value,
                   const LocaleData& locale) {
  const DateTimeParts parts = SplitDateValue(value);
  TextSink sink(out);
  Lookups lookups(parts, locale);
  // The general form alone, the clock's default caption, is its picture's steps: applied here
  // rather than as a step of its own.
  const bool generalAlone = program.steps.size() == 1 &&
                            program.steps[0].token == Token::kGeneral &&
                            program.steps[0].textLength == 0;
  ApplyStepsInline(sink, generalAlone ? GeneralForm(lookups.Pictures(), parts) : program, parts,
                   locale, lookups);
  sink.Flush();
}

}  // namespace mirel::format_detail
