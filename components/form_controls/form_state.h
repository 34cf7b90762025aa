// FormState remembers where a window stood and how large it was, per user, in the settings store
// (application = the executable's base name, section = the window's name, keys Left, Top, Width
// and Height, client rectangle in twips), and puts the window back there when it loads again.
// Example: the calendar hands itself over, then "Mirel", then switches both memories on; its
// window reopens where it was closed.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "components/settings/settings_store.h"

namespace mirel {

// A client rectangle in twips (1/1440 inch).
struct FormRect {
  long left = 0;
  long top = 0;
  long width = 0;
  long height = 0;
  bool operator==(const FormRect&) const = default;
};

struct FormRectPart;  // the position or the size, with its keys

// What FormState needs of a window.
class FormStateWindow {
 public:
  virtual ~FormStateWindow() = default;
  virtual std::string FormName() const = 0;  // the settings section, e.g. "frmCalender"
  virtual FormRect Bounds() const = 0;       // the normal (not minimised) client rectangle
  virtual void SetBounds(const FormRect& rect) = 0;
  virtual FormRect DesignBounds() const = 0;  // where the window stands without a memory
  virtual bool IsOnAnyMonitor(const FormRect& rect) const = 0;
  // Called once when the window unloads; the window keeps only the last handler handed over.
  virtual void SetUnloadHandler(std::function<void()> handler) = 0;
};

class FormState {
 public:
  explicit FormState(SettingsStore& store) : store_(store) {}

  // The window to look after; its unload from now on saves what is remembered.
  void SetForm(FormStateWindow& form);
  // The application name under which the settings are kept.
  void SetAppName(std::string_view appName) { appName_ = appName; }
  // Switched on, each puts the stored position / size back at once and saves it at unload.
  void SetKeepPosition(bool keep);
  void SetKeepSize(bool keep);

  // What the unload does: stores the remembered parts of the window's rectangle.
  void Save();

 private:
  // Puts that part of the stored rectangle back, when both its values are there and usable.
  void Restore(const FormRectPart& part);

  SettingsStore& store_;
  FormStateWindow* form_ = nullptr;
  std::string appName_;
  bool keepPosition_ = false;
  bool keepSize_ = false;
};

}  // namespace mirel
