#include "components/format/picture_compiler.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace mirel::format_detail {
namespace {

// The token of a run of one, two, three, and four or more of a picture letter.
using RunForms = std::array<Token, 4>;

constexpr RunForms OneOrTwo(Token one, Token two) {
  return {one, two, two, two};
}

constexpr RunForms kDayForms{Token::kDay, Token::kDay2, Token::kPictureDayAbbrev,
                             Token::kPictureDayName};
constexpr RunForms kMonthForms{Token::kMonth, Token::kMonth2, Token::kPictureMonthAbbrev,
                               Token::kPictureMonthName};
constexpr RunForms kYearForms{Token::kYearOfCentury, Token::kYear2, Token::kYear4Padded,
                              Token::kYear4Padded};
constexpr RunForms kEraYearForms = OneOrTwo(Token::kEraYear, Token::kEraYear2);
constexpr RunForms kEraForms = OneOrTwo(Token::kEraName, Token::kEraName);
constexpr RunForms kHourForms = OneOrTwo(Token::kHour, Token::kHour2);
constexpr RunForms kHour12Forms = OneOrTwo(Token::kHour12, Token::kHour12Padded);
constexpr RunForms kMinuteForms = OneOrTwo(Token::kMinute, Token::kMinute2);
constexpr RunForms kSecondForms = OneOrTwo(Token::kSecond, Token::kSecond2);
constexpr RunForms kDesignatorForms = OneOrTwo(Token::kLocaleMarkerLetter, Token::kLocaleMarker);

// The forms of a picture letter; nullptr for a character that is copied as it stands.
const RunForms* FormsOf(char letter, bool japaneseCalendar) {
  switch (letter) {
    case 'd':
      return &kDayForms;
    case 'M':
      return &kMonthForms;
    case 'y':
      return japaneseCalendar ? &kEraYearForms : &kYearForms;
    case 'g':
      return &kEraForms;
    case 'H':
      return &kHourForms;
    case 'h':
      return &kHour12Forms;
    case 'm':
      return &kMinuteForms;
    case 's':
      return &kSecondForms;
    case 't':
      return &kDesignatorForms;
    default:
      return nullptr;
  }
}

// Quoted text from the opening quote at pos; returns the position after the closing quote (or
// the end of an unterminated quote). Two quotes in a row inside stand for one.
std::size_t CompileQuoted(std::string_view picture, std::size_t pos, Program& out) {
  ++pos;
  while (pos < picture.size()) {
    if (picture[pos] != '\'') {
      out.AddLiteral(picture.substr(pos++, 1));
    } else if (pos + 1 < picture.size() && picture[pos + 1] == '\'') {
      out.AddLiteral("'");
      pos += 2;
    } else {
      return pos + 1;
    }
  }
  return pos;
}

std::size_t RunLength(std::string_view text, std::size_t pos) {
  std::size_t end = pos;
  while (end < text.size() && text[end] == text[pos]) {
    ++end;
  }
  return end - pos;
}

// Appends the steps of one picture to `out`.
void CompilePicture(std::string_view picture, bool japaneseCalendar, Program& out) {
  std::size_t pos = 0;
  while (pos < picture.size()) {
    if (picture[pos] == '\'') {
      pos = CompileQuoted(picture, pos, out);
      continue;
    }
    const char letter = picture[pos];
    const std::size_t run = RunLength(picture, pos);
    pos += run;
    if (letter == 'g' && !japaneseCalendar) {
      continue;  // the Gregorian calendar's era name ("西暦") is not shown
    }
    if (const RunForms* forms = FormsOf(letter, japaneseCalendar)) {
      out.AddToken((*forms)[std::min(run, forms->size()) - 1]);
    } else {
      out.AddLiteral(picture.substr(pos - run, run));
    }
  }
}

Program CompiledPicture(std::string_view picture, bool japaneseCalendar) {
  Program program;
  CompilePicture(picture, japaneseCalendar, program);
  return program;
}

}  // namespace

LocalePictures CompileLocalePictures(const LocaleData& locale) {
  const bool japanese = locale.japaneseCalendar;
  LocalePictures pictures{CompiledPicture(locale.shortDatePicture, japanese),
                          CompiledPicture(locale.longDatePicture, japanese),
                          CompiledPicture(locale.timePicture, japanese),
                          CompiledPicture(locale.shortDatePicture, japanese)};
  pictures.dateAndTime.AddLiteral(" ");
  CompilePicture(locale.timePicture, japanese, pictures.dateAndTime);
  return pictures;
}

}  // namespace mirel::format_detail
