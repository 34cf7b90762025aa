#include <windows.h>

#include <algorithm>
#include <charconv>
#include <tuple>

#include "components/format/user_locale.h"
#include "components/win32/text_conversion.h"
#include "components/win32/unique_handle.h"

namespace mirel {
namespace {

using win32::WideToUtf8;

// The text of one locale item, or nothing when the system has none.
std::string LocaleText(LCTYPE type) {
  wchar_t buffer[128];
  const int length = ::GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, buffer, 128);
  if (length <= 1) {
    return {};
  }
  return WideToUtf8(std::wstring_view(buffer, static_cast<std::size_t>(length - 1)));
}

void Take(std::string& field, LCTYPE type) {
  std::string text = LocaleText(type);
  if (!text.empty()) {
    field = std::move(text);
  }
}

bool UserIsJapanese() {
  return PRIMARYLANGID(::GetUserDefaultLangID()) == LANG_JAPANESE;
}

std::vector<std::string> Split(std::string_view text, char separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find(separator, start);
    parts.emplace_back(text.substr(start, end == std::string_view::npos ? end : end - start));
    if (end == std::string_view::npos) {
      return parts;
    }
    start = end + 1;
  }
}

bool ParseInt(const std::string& text, int& value) {
  const char* end = text.data() + text.size();
  auto [ptr, error] = std::from_chars(text.data(), end, value);
  return error == std::errc() && ptr == end;
}

// "1989 01 08" = "平成_平_Heisei_H"
bool ParseEra(const std::string& name, const std::string& data, EraInfo& era) {
  std::vector<std::string> date = Split(name, ' ');
  std::erase(date, std::string());
  const std::vector<std::string> names = Split(data, '_');
  if (date.size() != 3 || names.size() < 4 || names[0].empty() || names[1].empty() ||
      names[3].empty()) {
    return false;
  }
  if (!ParseInt(date[0], era.startYear) || !ParseInt(date[1], era.startMonth) ||
      !ParseInt(date[2], era.startDay)) {
    return false;
  }
  if (era.startYear < 100 || era.startYear > 9999 || era.startMonth < 1 || era.startMonth > 12 ||
      era.startDay < 1 || era.startDay > 31) {
    return false;
  }
  era.name = names[0];
  era.abbreviation = names[1];
  era.letter = names[3];
  return true;
}

auto StartOf(const EraInfo& era) {
  return std::tuple(era.startYear, era.startMonth, era.startDay);
}

std::vector<std::pair<std::string, std::string>> ReadSystemEraValues() {
  std::vector<std::pair<std::string, std::string>> values;
  win32::UniqueHkey key;
  if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE,
                      L"SYSTEM\\CurrentControlSet\\Control\\Nls\\Calendars\\Japanese\\Eras", 0,
                      KEY_QUERY_VALUE, key.Put()) != ERROR_SUCCESS) {
    return values;
  }
  for (DWORD index = 0;; ++index) {
    wchar_t name[64];
    wchar_t data[128];
    DWORD nameLength = 64;
    DWORD dataBytes = sizeof(data) - sizeof(wchar_t);
    DWORD type = 0;
    const LSTATUS status = ::RegEnumValueW(key.Get(), index, name, &nameLength, nullptr, &type,
                                           reinterpret_cast<BYTE*>(data), &dataBytes);
    if (status == ERROR_NO_MORE_ITEMS) {
      break;
    }
    if (status != ERROR_SUCCESS || type != REG_SZ) {
      continue;  // an entry too long or of another kind is no era of ours
    }
    std::size_t dataLength = dataBytes / sizeof(wchar_t);
    data[dataLength] = L'\0';
    while (dataLength > 0 && data[dataLength - 1] == L'\0') {
      --dataLength;
    }
    values.emplace_back(WideToUtf8(std::wstring_view(name, nameLength)),
                        WideToUtf8(std::wstring_view(data, dataLength)));
  }
  return values;
}

}  // namespace

std::vector<EraInfo> MergeSystemEras(const std::vector<std::pair<std::string, std::string>>& values,
                                     const std::vector<EraInfo>& builtIn) {
  std::vector<EraInfo> eras;
  for (const auto& [name, data] : values) {
    EraInfo era;
    if (ParseEra(name, data, era)) {
      eras.push_back(std::move(era));
    }
  }
  if (eras.empty()) {
    return builtIn;
  }
  std::sort(eras.begin(), eras.end(),
            [](const EraInfo& a, const EraInfo& b) { return StartOf(a) < StartOf(b); });
  // Two entries for one day would make the era of that day ambiguous: keep the first.
  eras.erase(
      std::unique(eras.begin(), eras.end(),
                  [](const EraInfo& a, const EraInfo& b) { return StartOf(a) == StartOf(b); }),
      eras.end());
  // A system without the latest updates still knows the eras this program was built with.
  for (const EraInfo& era : builtIn) {
    if (StartOf(era) > StartOf(eras.back())) {
      eras.push_back(era);
    }
  }
  return eras;
}

LocaleData UserLocaleData() {
  LocaleData locale = BuiltInJapaneseLocale();
  Take(locale.shortDatePicture, LOCALE_SSHORTDATE);
  Take(locale.longDatePicture, LOCALE_SLONGDATE);
  Take(locale.timePicture, LOCALE_STIMEFORMAT);
  Take(locale.amDesignator, LOCALE_S1159);
  Take(locale.pmDesignator, LOCALE_S2359);
  Take(locale.dateSeparator, LOCALE_SDATE);
  Take(locale.timeSeparator, LOCALE_STIME);
  // The date pictures always spell the locale's own names.
  for (int i = 0; i < 12; ++i) {
    Take(locale.pictureMonthNames[i], static_cast<LCTYPE>(LOCALE_SMONTHNAME1 + i));
    Take(locale.pictureMonthAbbreviations[i], static_cast<LCTYPE>(LOCALE_SABBREVMONTHNAME1 + i));
  }
  // The NLS list starts on Monday (SDAYNAME1); ours on Sunday.
  for (int i = 0; i < 7; ++i) {
    const int nls = (i + 6) % 7;
    Take(locale.pictureDayNames[i], static_cast<LCTYPE>(LOCALE_SDAYNAME1 + nls));
    Take(locale.pictureDayAbbreviations[i], static_cast<LCTYPE>(LOCALE_SABBREVDAYNAME1 + nls));
  }
  if (!UserIsJapanese()) {
    // Japanese users see English names from the mmm/mmmm/ddd/dddd tokens, as the built-in locale
    // has them; others their own.
    locale.monthNames = locale.pictureMonthNames;
    locale.monthAbbreviations = locale.pictureMonthAbbreviations;
    locale.dayNames = locale.pictureDayNames;
    locale.dayAbbreviations = locale.pictureDayAbbreviations;
  }
  locale.eras = MergeSystemEras(ReadSystemEraValues(), locale.eras);
  locale.japaneseCalendar = LocaleText(LOCALE_ICALENDARTYPE) == "3";  // CAL_JAPAN
  return locale;
}

void UseUserLocale() {
  SetCurrentLocale(UserLocaleData());
}

}  // namespace mirel
