#include "components/format/pattern_compiler.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "components/ascii.h"
#include "components/utf8.h"

namespace mirel::format_detail {
namespace {

// The state of one compilation. Each handler reads the pattern at pos and moves pos past what
// it took, at least one byte.
struct Compiler {
  std::string_view p;
  Program& out;
  std::size_t pos = 0;
  // m and mm mean minutes while the last token was an hour; literals and separators between
  // them keep that reading ("h時m分"), any other token ends it.
  bool afterHour = false;
  // A morning/afternoon marker anywhere makes every hour of the pattern count 1..12.
  bool twelveHour = false;
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

  // The texts never outgrow the rest of the pattern they are taken from: room for all of them
  // is made at the first, so that they never move as they grow, and a pattern whose literals
  // come late or not at all (yyyy/mm/dd hh:nn:ss) keeps them in the string's own small buffer.
  void MakeRoomForTexts() {
    if (out.texts.empty()) {
      out.texts.reserve(p.size() - pos);
    }
  }

  void Literal(std::string_view text) {
    MakeRoomForTexts();
    out.AddLiteral(text);
  }

  void Copy(std::size_t length) {
    Literal(p.substr(pos, length));
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
  c.Literal(c.p.substr(c.pos + 1, end - c.pos - 1));
  c.pos = close == std::string_view::npos ? c.p.size() : close + 1;
}

void CompileEscaped(Compiler& c) {
  // A trailing backslash escapes nothing and is dropped.
  if (c.pos + 1 == c.p.size()) {
    c.pos = c.p.size();
    return;
  }
  const std::size_t length = Utf8CharacterAt(c.p, c.pos + 1).length;
  c.Literal(c.p.substr(c.pos + 1, length));
  c.pos += 1 + length;
}

// A marker written as its two halves: "AM/PM" (halves of two letters) or "A/P" (of one).
void TakeMarker(Compiler& c, Token marker, std::size_t halfLength) {
  c.MakeRoomForTexts();
  c.out.AddMarker(marker, c.p.substr(c.pos, halfLength),
                  c.p.substr(c.pos + halfLength + 1, halfLength));
  c.pos += 2 * halfLength + 1;
  c.afterHour = false;
  c.twelveHour = true;
}

void CompileA(Compiler& c) {
  if (c.At("am/pm")) {
    TakeMarker(c, Token::kMarker, 2);
  } else if (c.At("ampm")) {
    c.twelveHour = true;
    c.Take(Token::kLocaleMarker, 4);
  } else if (c.At("a/p")) {
    TakeMarker(c, Token::kLetterMarker, 1);
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

// Longer than any pattern typed by hand (in bytes).
constexpr std::size_t kTypedPatternLength = 64;

// The marker may stand after the hours it governs ("h:nn AM/PM"), so they are turned once the
// whole pattern is read.
void UseTwelveHourClock(Program& program) {
  for (Step& step : program.steps) {
    if (step.token == Token::kHour) {
      step.token = Token::kHour12;
    } else if (step.token == Token::kHour2) {
      step.token = Token::kHour12Padded;
    }
  }
}

}  // namespace

Program CompilePattern(std::string_view pattern) {
  Program out;
  // The empty pattern is the general form, so the clock's empty display format shows date and
  // time.
  if (pattern.empty()) {
    out.AddToken(Token::kGeneral);
    return out;
  }
  // The steps never outnumber the pattern's bytes: one allocation for a typed pattern. Those of a
  // long pattern grow as usual, so that a long quoted text holds no room for a step a byte.
  out.steps.reserve(std::min<std::size_t>(pattern.size(), kTypedPatternLength));
  Compiler c{pattern, out};
  while (c.pos < pattern.size()) {
    kCompileHandlers[static_cast<unsigned char>(pattern[c.pos])](c);
  }
  if (c.twelveHour) {
    UseTwelveHourClock(out);
  }
  return out;
}

}  // namespace mirel::format_detail
