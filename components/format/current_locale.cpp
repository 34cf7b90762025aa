// The locale in use and its pictures compiled into pattern steps, replaced together: a compiled
// pattern refers to the locale's pictures only by token, so it follows a change of locale (the
// user's regional settings, read again when they change) without being compiled again.
#include <optional>
#include <utility>

#include "components/format/locale_data.h"
#include "components/format/picture_compiler.h"

namespace mirel {
namespace {

struct CurrentLocaleState {
  // None until SetCurrentLocale: the built-in locale is used as it is, not copied.
  std::optional<LocaleData> set;
  const LocaleData* current = &BuiltInJapaneseLocale();   // the set one, or the built-in one
  std::optional<format_detail::LocalePictures> pictures;  // of the current locale, once compiled
};

CurrentLocaleState& State() {
  static CurrentLocaleState state;
  return state;
}

// Once per locale: kept out of line, so that the lookup before every picture stays short.
[[gnu::noinline]] void CompilePictures(CurrentLocaleState& state) {
  state.pictures.emplace(format_detail::CompileLocalePictures(*state.current));
}

}  // namespace

const LocaleData& CurrentLocale() {
  return *State().current;
}

void SetCurrentLocale(LocaleData locale) {
  CurrentLocaleState& state = State();
  state.current = &state.set.emplace(std::move(locale));
  state.pictures.reset();
}

namespace format_detail {

const LocalePictures* PicturesIfCurrent(const LocaleData& locale) {
  CurrentLocaleState& state = State();
  if (&locale != state.current) {
    return nullptr;
  }
  if (!state.pictures) {
    CompilePictures(state);
  }
  return &*state.pictures;
}

}  // namespace format_detail
}  // namespace mirel
