#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "components/format/system_eras.h"
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
