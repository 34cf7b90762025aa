#include "components/form_controls/form_state.h"

#include <charconv>
#include <optional>

namespace mirel {

namespace {

// Twips stay far below these limits on any screen; anything else in the store is not ours.
constexpr long kLimit = 10'000'000;

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
    RestorePosition();
  }
}

void FormState::SetKeepSize(bool keep) {
  keepSize_ = keep;
  if (keep) {
    RestoreSize();
  }
}

void FormState::RestorePosition() {
  if (form_ == nullptr || appName_.empty()) {
    return;
  }
  std::string section = form_->FormName();
  auto left = ReadNumber(store_, appName_, section, "Left");
  auto top = ReadNumber(store_, appName_, section, "Top");
  if (!left || !top) {
    return;
  }
  FormRect rect = form_->Bounds();
  rect.left = *left;
  rect.top = *top;
  // A monitor that has gone since (or a changed layout) must not leave the window unreachable.
  if (!form_->IsOnAnyMonitor(rect)) {
    FormRect design = form_->DesignBounds();
    rect.left = design.left;
    rect.top = design.top;
  }
  form_->SetBounds(rect);
}

void FormState::RestoreSize() {
  if (form_ == nullptr || appName_.empty()) {
    return;
  }
  std::string section = form_->FormName();
  auto width = ReadNumber(store_, appName_, section, "Width");
  auto height = ReadNumber(store_, appName_, section, "Height");
  if (!width || !height || *width <= 0 || *height <= 0) {
    return;
  }
  FormRect rect = form_->Bounds();
  rect.width = *width;
  rect.height = *height;
  form_->SetBounds(rect);
}

void FormState::Save() {
  if (form_ == nullptr || appName_.empty()) {
    return;
  }
  std::string section = form_->FormName();
  FormRect rect = form_->Bounds();
  if (keepPosition_) {
    store_.SaveSetting(appName_, section, "Left", std::to_string(rect.left));
    store_.SaveSetting(appName_, section, "Top", std::to_string(rect.top));
  }
  if (keepSize_) {
    store_.SaveSetting(appName_, section, "Width", std::to_string(rect.width));
    store_.SaveSetting(appName_, section, "Height", std::to_string(rect.height));
  }
}

}  // namespace mirel
