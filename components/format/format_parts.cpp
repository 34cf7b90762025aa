#include "components/format/format_parts.h"

#include <cstddef>

#include "components/utf8.h"

namespace mirel::format_detail {

TextSink& TextSink::AppendLong(std::string_view text) {
  Flush();
  if (text.size() > kCapacity) {
    out_.append(text);
    return *this;
  }
  return *this += text;
}

void TextSink::LongNumber(unsigned digits, int minDigits) {
  unsigned rest = digits;
  int length = 1;
  for (unsigned scale = 10; length < 10 && rest >= scale; scale *= 10) {
    ++length;
  }
  if (length < minDigits) {
    length = minDigits > 10 ? 10 : minDigits;
  }
  // Digits are written from the right end; the padding zeros come out of the same loop.
  char* digit = buffer_ + used_ + length;
  for (int i = 0; i < length; ++i) {
    *--digit = static_cast<char>('0' + rest % 10);
    rest /= 10;
  }
  used_ += static_cast<std::size_t>(length);
}

const EraInfo* EraOf(const DateTimeParts& parts, const LocaleData& locale) {
  const int date = parts.year * 10000 + parts.month * 100 + parts.day;
  const EraInfo* found = nullptr;
  for (const EraInfo& era : locale.eras) {
    if (era.startYear * 10000 + era.startMonth * 100 + era.startDay <= date) {
      found = &era;
    }
  }
  return found;
}

int EraYear(const DateTimeParts& parts, const EraInfo* era) {
  return era ? parts.year - era->startYear + 1 : parts.year;
}

int WeekOfYear(const DateTimeParts& parts) {
  // Weekday of 1 January, 0 (Sunday) .. 6, from today's weekday and day of the year.
  const int newYearWeekday = ((parts.weekday - 1 - (parts.dayOfYear - 1)) % 7 + 7) % 7;
  return (parts.dayOfYear - 1 + newYearWeekday) / 7 + 1;
}

namespace {

int TwelveHour(int hour) {
  return hour % 12 == 0 ? 12 : hour % 12;
}

std::size_t RunLength(std::string_view text, std::size_t pos) {
  std::size_t end = pos;
  while (end < text.size() && text[end] == text[pos]) {
    ++end;
  }
  return end - pos;
}

// The first character of a UTF-8 text (the NLS "t" picture: one letter of the designator).
std::string_view FirstCharacter(std::string_view text) {
  return text.empty() ? text : text.substr(0, Utf8CharacterAt(text, 0).length);
}

}  // namespace

void AppendLocalePicture(TextSink& out, std::string_view picture, const DateTimeParts& parts,
                         const LocaleData& locale) {
  std::size_t pos = 0;
  while (pos < picture.size()) {
    const char c = picture[pos];
    if (c == '\'') {
      // Quoted text; two quotes in a row stand for one.
      ++pos;
      while (pos < picture.size()) {
        if (picture[pos] == '\'') {
          if (pos + 1 < picture.size() && picture[pos + 1] == '\'') {
            out += '\'';
            pos += 2;
            continue;
          }
          ++pos;
          break;
        }
        out += picture[pos++];
      }
      continue;
    }
    const std::size_t run = RunLength(picture, pos);
    const bool meridiem = parts.hour >= 12;
    switch (c) {
      case 'd':
        if (run >= 4) {
          out += locale.pictureDayNames[parts.weekday - 1];
        } else if (run == 3) {
          out += locale.pictureDayAbbreviations[parts.weekday - 1];
        } else {
          out.Number(parts.day, static_cast<int>(run));
        }
        break;
      case 'M':
        if (run >= 4) {
          out += locale.pictureMonthNames[parts.month - 1];
        } else if (run == 3) {
          out += locale.pictureMonthAbbreviations[parts.month - 1];
        } else {
          out.Number(parts.month, static_cast<int>(run));
        }
        break;
      case 'y':
        if (locale.japaneseCalendar) {
          out.Number(EraYear(parts, EraOf(parts, locale)), run >= 2 ? 2 : 1);
        } else if (run >= 3) {
          out.Number(parts.year, 4);
        } else {
          out.Number(parts.year % 100, static_cast<int>(run));
        }
        break;
      case 'H':
        out.Number(parts.hour, run >= 2 ? 2 : 1);
        break;
      case 'h':
        out.Number(TwelveHour(parts.hour), run >= 2 ? 2 : 1);
        break;
      case 'm':
        out.Number(parts.minute, run >= 2 ? 2 : 1);
        break;
      case 's':
        out.Number(parts.second, run >= 2 ? 2 : 1);
        break;
      case 't': {
        const std::string& designator = meridiem ? locale.pmDesignator : locale.amDesignator;
        out += run >= 2 ? std::string_view(designator) : FirstCharacter(designator);
        break;
      }
      case 'g':
        // The Gregorian calendar's era name ("西暦") is not shown in the pictures we expand.
        if (locale.japaneseCalendar) {
          if (const EraInfo* era = EraOf(parts, locale)) {
            out += era->name;
          }
        }
        break;
      default:
        out += picture.substr(pos, run);
        break;
    }
    pos += run;
  }
}

void AppendGeneralForm(TextSink& out, const DateTimeParts& parts, const LocaleData& locale) {
  if (parts.dayNumber == 0) {
    AppendLocalePicture(out, locale.timePicture, parts, locale);
    return;
  }
  AppendLocalePicture(out, locale.shortDatePicture, parts, locale);
  if (parts.secondOfDay != 0) {
    out += ' ';
    AppendLocalePicture(out, locale.timePicture, parts, locale);
  }
}

}  // namespace mirel::format_detail
