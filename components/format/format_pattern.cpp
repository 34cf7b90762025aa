// The pattern engine: a pattern is cut into steps once, and each value is then written by
// walking the steps. Token letters are case-insensitive; quoted text, escaped characters and
// characters that are no token are copied as they are, so no pattern is ever rejected.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "components/ascii.h"
#include "components/format/format.h"
#include "components/format/format_parts.h"
#include "components/utf8.h"

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

// The state of one compilation. Each handler reads the pattern at pos and moves pos past what
// it took, at least one byte.
struct Compiler {
  std::string_view p;
  Program& out;
  std::size_t pos = 0;
  // m and mm mean minutes while the last token was an hour; literals and separators between
  // them keep that reading ("h時m分"), any other token ends it.
  bool afterHour = false;
  // The end of the last run measured. Every byte from where it was measured up to here is the
  // same letter, so a run is measured once however many tokens it splits into: measuring again
  // at every position made a long run quadratic.
  std::size_t runEnd = 0;

  // How many times the letter at pos repeats from pos on, ignoring case.
  std::size_t Run() {
    if (pos >= runEnd) {
      const char letter = LowerAscii(p[pos]);
      runEnd = pos + 1;
      while (runEnd < p.size() && LowerAscii(p[runEnd]) == letter) {
        ++runEnd;
      }
    }
    return runEnd - pos;
  }

  bool At(std::string_view word) const {
    return EqualIgnoringAsciiCase(p.substr(pos, word.size()), word);
  }

  void Take(Token token, std::size_t length) {
    out.AddToken(token);
    afterHour = (token == Token::kHour || token == Token::kHour2);
    pos += length;
  }

  void Copy(std::size_t length) {
    out.AddLiteral(p.substr(pos, length));
    pos += length;
  }

  // One token of 1..count letters, the longest the run allows: kByLength[k - 1] for k letters.
  template <std::size_t count>
  void TakeLongest(const Token (&kByLength)[count]) {
    const std::size_t length = std::min(Run(), count);
    Take(kByLength[length - 1], length);
  }
};

using CompileHandler = void (*)(Compiler&);

void CompileQuoted(Compiler& c) {
  const std::size_t close = c.p.find('"', c.pos + 1);
  const std::size_t end = close == std::string_view::npos ? c.p.size() : close;
  c.out.AddLiteral(c.p.substr(c.pos + 1, end - c.pos - 1));
  c.pos = close == std::string_view::npos ? c.p.size() : close + 1;
}

void CompileEscaped(Compiler& c) {
  // A trailing backslash escapes nothing and is dropped.
  if (c.pos + 1 == c.p.size()) {
    c.pos = c.p.size();
    return;
  }
  const std::size_t length = Utf8CharacterAt(c.p, c.pos + 1).length;
  c.out.AddLiteral(c.p.substr(c.pos + 1, length));
  c.pos += 1 + length;
}

void CompileA(Compiler& c) {
  if (c.At("am/pm")) {
    c.out.AddMarker(c.p.substr(c.pos, 2), c.p.substr(c.pos + 3, 2));
    c.pos += 5;
    c.afterHour = false;
  } else if (c.At("ampm")) {
    c.out.twelveHour = true;
    c.Take(Token::kLocaleMarker, 4);
  } else if (c.At("a/p")) {
    c.out.AddMarker(c.p.substr(c.pos, 1), c.p.substr(c.pos + 2, 1));
    c.pos += 3;
    c.afterHour = false;
  } else if (const std::size_t run = c.Run(); run >= 4) {
    c.Take(Token::kJaWeekdayName, 4);
  } else if (run == 3) {
    c.Take(Token::kJaWeekday, 3);
  } else {
    c.Copy(run);
  }
}

void CompileD(Compiler& c) {
  static constexpr Token kByLength[] = {Token::kDay,           Token::kDay2,
                                        Token::kWeekdayAbbrev, Token::kWeekdayName,
                                        Token::kShortDate,     Token::kLongDate};
  c.TakeLongest(kByLength);
}

void CompileM(Compiler& c) {
  const std::size_t run = c.Run();
  if (run >= 4) {
    c.Take(Token::kMonthName, 4);
  } else if (run == 3) {
    c.Take(Token::kMonthAbbrev, 3);
  } else if (c.afterHour) {
    c.Take(run == 2 ? Token::kMinute2 : Token::kMinute, run);
  } else {
    c.Take(run == 2 ? Token::kMonth2 : Token::kMonth, run);
  }
}

// A run of at least `length` letters starts the token; a shorter run is copied as it stands.
template <Token token, std::size_t length>
void CompileWordOrCopy(Compiler& c) {
  const std::size_t run = c.Run();
  if (run >= length) {
    c.Take(token, length);
  } else {
    c.Copy(run);
  }
}

void CompileY(Compiler& c) {
  const std::size_t run = c.Run();
  if (run >= 4) {
    c.Take(Token::kYear4, 4);
  } else if (run >= 2) {
    c.Take(Token::kYear2, 2);
  } else {
    c.Take(Token::kDayOfYear, 1);
  }
}

// Letters of one or two: the two-letter token when the run allows it.
template <Token one, Token two>
void CompileOneOrTwo(Compiler& c) {
  static constexpr Token kByLength[] = {one, two};
  c.TakeLongest(kByLength);
}

template <Token token>
void CompileSingle(Compiler& c) {
  c.Take(token, 1);
}

void CompileG(Compiler& c) {
  static constexpr Token kByLength[] = {Token::kEraLetter, Token::kEraAbbrev, Token::kEraName};
  c.TakeLongest(kByLength);
}

// Separators are written in the locale's form and keep the hour's hold on m.
template <Token token>
void CompileSeparator(Compiler& c) {
  c.out.AddToken(token);
  ++c.pos;
}

// Any other byte is copied, so no pattern is ever rejected.
void CompileOther(Compiler& c) {
  c.Copy(1);
}

// The handler for each byte of a pattern; letters in both cases.
constexpr std::array<CompileHandler, 256> kCompileHandlers = [] {
  std::array<CompileHandler, 256> table{};
  table.fill(&CompileOther);
  const auto set = [&table](char letter, CompileHandler handler) {
    table[static_cast<unsigned char>(letter)] = handler;
    if (letter >= 'a' && letter <= 'z') {
      table[static_cast<unsigned char>(letter - 'a' + 'A')] = handler;
    }
  };
  set('"', &CompileQuoted);
  set('\\', &CompileEscaped);
  set('a', &CompileA);
  set('d', &CompileD);
  set('m', &CompileM);
  set('o', &CompileWordOrCopy<Token::kNativeMonth, 4>);
  set('n', &CompileOneOrTwo<Token::kMinute, Token::kMinute2>);
  set('y', &CompileY);
  set('w', &CompileOneOrTwo<Token::kWeekdayNumber, Token::kWeekOfYear>);
  set('q', &CompileSingle<Token::kQuarter>);
  set('h', &CompileOneOrTwo<Token::kHour, Token::kHour2>);
  set('s', &CompileOneOrTwo<Token::kSecond, Token::kSecond2>);
  set('t', &CompileWordOrCopy<Token::kTime, 5>);
  set('c', &CompileSingle<Token::kGeneral>);
  set('g', &CompileG);
  set('e', &CompileOneOrTwo<Token::kEraYear, Token::kEraYear2>);
  set('/', &CompileSeparator<Token::kDateSeparator>);
  set(':', &CompileSeparator<Token::kTimeSeparator>);
  return table;
}();

void CompileInto(Program& out, std::string_view pattern) {
  // The empty pattern is the general form, so the clock's empty display format shows date and
  // time.
  if (pattern.empty()) {
    out.AddToken(Token::kGeneral);
    return;
  }
  // The texts never outgrow the pattern they are taken from: one allocation, no copying as they
  // grow.
  out.texts.reserve(pattern.size());
  Compiler c{pattern, out};
  while (c.pos < pattern.size()) {
    kCompileHandlers[static_cast<unsigned char>(pattern[c.pos])](c);
  }
}

// What applying a program to one value needs. The sink and the parts are locals of AppendTo,
// referred to from here: the sink's buffer is handed to calls the compiler cannot see into, and
// parts kept apart from it stay in registers across those calls.
struct Applier {
  Applier(format_detail::TextSink& sink, const Program& program, const DateTimeParts& parts,
          const LocaleData& locale)
      : sink(sink), program(program), parts(parts), locale(locale) {
    hour = program.twelveHour ? (parts.hour % 12 == 0 ? 12 : parts.hour % 12) : parts.hour;
    afternoon = parts.hour >= 12;
  }

  format_detail::TextSink& sink;
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
      era = format_detail::EraOf(parts, locale);
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
  format_detail::AppendLocalePicture(a.sink, a.locale.*picture, a.parts, a.locale);
}

template <const std::string EraInfo::*text>
MIREL_HOT_INLINE void ApplyEraText(Applier& a, const Step&) {
  if (const EraInfo* era = a.Era()) {
    a.sink += era->*text;
  }
}

template <int digits>
MIREL_HOT_INLINE void ApplyEraYear(Applier& a, const Step&) {
  a.sink.Number(format_detail::EraYear(a.parts, a.Era()), digits);
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
    On<Token::kWeekOfYear>(
        [](Applier& a, const Step&) { a.sink.Number(format_detail::WeekOfYear(a.parts), 1); }),
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
    On<Token::kGeneral>([](Applier& a, const Step&) {
      format_detail::AppendGeneralForm(a.sink, a.parts, a.locale);
    }),
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

constexpr auto kTokenCount = std::tuple_size_v<decltype(kApplyHandlers)>;
static_assert(kTokenCount == static_cast<std::size_t>(Token::kTimeSeparator) + 1,
              "every token has a handler");

}  // namespace

struct FormatPattern::Compiled {
  std::string pattern;
  Program program;
};

FormatPattern::FormatPattern(std::string_view pattern) : compiled_(std::make_unique<Compiled>()) {
  compiled_->pattern.assign(pattern);
  CompileInto(compiled_->program, compiled_->pattern);
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
  const Program& program = compiled_->program;
  const DateTimeParts parts = SplitDateValue(value);
  format_detail::TextSink sink(out);
  Applier applier(sink, program, parts, locale);
  for (const Step& step : program.steps) {
    ApplyStep(applier, step, std::make_index_sequence<kTokenCount>());
  }
  sink.Flush();
}

}  // namespace mirel
