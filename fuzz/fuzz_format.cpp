// libFuzzer target for Format: any pattern, any value, any text must give a result or a typed
// run-time error, never a crash, a leak or undefined behaviour.
//
// Input layout: 8 bytes of a double (the date value), then "text\tpattern"; without a TAB the
// whole rest is the pattern and no text is formatted. The pattern also serves as the locale's
// date and time pictures.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "components/datetime/now.h"
#include "components/errors.h"
#include "components/format/format.h"

namespace {

void Check(bool condition) {
  if (!condition) {
    __builtin_trap();
  }
}

// The locale is the current one while this lives; then the built-in one is again.
class ScopedCurrentLocale {
 public:
  explicit ScopedCurrentLocale(const mirel::LocaleData& locale) { mirel::SetCurrentLocale(locale); }
  ~ScopedCurrentLocale() { mirel::SetCurrentLocale(mirel::BuiltInJapaneseLocale()); }
  ScopedCurrentLocale(const ScopedCurrentLocale&) = delete;
  ScopedCurrentLocale& operator=(const ScopedCurrentLocale&) = delete;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < sizeof(double)) {
    return 0;
  }
  double value = 0;
  std::memcpy(&value, data, sizeof value);
  const std::string_view rest(reinterpret_cast<const char*>(data) + sizeof value,
                              size - sizeof value);
  // A fixed clock keeps runs reproducible (the text path reads the current year).
  static mirel::ScopedNowOverride fixedNow(mirel::DateSerial(2024, 2, 29) + 0.5);

  const std::size_t tab = rest.find('\t');
  const std::string_view pattern = tab == std::string_view::npos ? rest : rest.substr(tab + 1);
  try {
    // Format() and a pattern compiled once must agree.
    Check(mirel::FormatPattern(pattern).Apply(value) == mirel::Format(value, pattern));
    // The same bytes as the locale's own pictures, which ddddd, dddddd, ttttt and c expand.
    mirel::LocaleData locale = mirel::BuiltInJapaneseLocale();
    locale.shortDatePicture = locale.longDatePicture = locale.timePicture = std::string(pattern);
    static const mirel::FormatPattern localeForms("ddddd|dddddd|ttttt|c");
    const std::string withOwnPictures = localeForms.Apply(value, locale);
    // As the current locale its pictures are kept from one call to the next: they must be
    // those of this input's locale, not of the one before.
    {
      const ScopedCurrentLocale current(locale);
      Check(localeForms.Apply(value) == withOwnPictures);
    }
    locale.japaneseCalendar = true;  // g and y of the pictures then read the era
    localeForms.Apply(value, locale);
  } catch (const mirel::RunTimeError&) {
    // Values outside the date range are refused with a run-time error: fine.
  }
  if (tab != std::string_view::npos) {
    try {
      const std::string text(rest.substr(0, tab));
      const std::string result = mirel::Format(std::string_view(text), pattern);
      if (pattern.empty()) {
        Check(result == text);
      }
    } catch (const mirel::RunTimeError&) {
    }
  }
  return 0;
}
