#include "components/form_controls/form_state.h"

#include <charconv>
#include <initializer_list>
#include <optional>
#include <utility>

namespace mirel {

// One remembered half of the window's rectangle: its two keys and the fields they hold.
struct FormRectPart {
  std::string_view firstKey;
  std::string_view secondKey;
  long FormRect::*first;
  long FormRect::*second;
  long minimum;        // the smallest stored value put back
  bool checkMonitors;  // whether a rectangle off every monitor falls back to the design's part
};

namespace {

// Twips stay far below these limits on any screen; anything else in the store is not ours.
constexpr long kLimit = 10'000'000;

constexpr FormRectPart kPosition{"Left", "Top", &FormRect::left, &FormRect::top, -kLimit, true};
// A window has at least one twip each way.
constexpr FormRectPart kSize{"Width", "Height", &FormRect::width, &FormRect::height, 1, false};

std::optional<long> ReadNumber(SettingsStore& store, std::string_view app, std::string_view section,
                               std::string_view key) {
  std::string text = store.GetSetting(app, section, key, "");
  long value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < -kLimit ||
      value > kLimit) {
    return std::nullopt;
  }
  return value;
}

}  // namespace

void FormState::SetForm(FormStateWindow& form) {
  form_ = &form;
  form.SetUnloadHandler([this] { Save(); });
}

void FormState::SetKeepPosition(bool keep) {
  keepPosition_ = keep;
  if (keep) {
    Restore(kPosition);
  }
}

void FormState::SetKeepSize(bool keep) {
  keepSize_ = keep;
  if (keep) {
    Restore(kSize);
  }
}

void FormState::Restore(const FormRectPart& part) {
  if (form_ == nullptr || appName_.empty()) {
    return;
  }
  std::string section = form_->FormName();
  auto first = ReadNumber(store_, appName_, section, part.firstKey);
  auto second = ReadNumber(store_, appName_, section, part.secondKey);
  if (!first || !second || *first < part.minimum || *second < part.minimum) {
    return;
  }
  FormRect rect = form_->Bounds();
  rect.*part.first = *first;
  rect.*part.second = *second;
  // A monitor that has gone since (or a changed layout) must not leave the window unreachable.
  if (part.checkMonitors && !form_->IsOnAnyMonitor(rect)) {
    const FormRect design = form_->DesignBounds();
    rect.*part.first = design.*part.first;
    rect.*part.second = design.*part.second;
  }
  form_->SetBounds(rect);
}

void FormState::Save() {
  if (form_ == nullptr || appName_.empty()) {
    return;
  }
  std::string section = form_->FormName();
  FormRect rect = form_->Bounds();
  for (const auto& [part, keep] : {std::pair{&kPosition, keepPosition_}, {&kSize, keepSize_}}) {
    if (keep) {
      store_.SaveSetting(appName_, section, part->firstKey, std::to_string(rect.*part->first));
      store_.SaveSetting(appName_, section, part->secondKey, std::to_string(rect.*part->second));
    }
  }
}

}  // namespace mirel
