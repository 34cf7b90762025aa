// VersionInfo: tells the user what program this is. One application-wide instance shows, over
// the window that asks, a small modal box with the program's icon, its product name, version and
// description as the executable's version resource records them, the copyright, and the
// executable's path. Example:
//   std::unique_ptr<VersionInfo> version = MakeVersionInfo();  // on first use
//   version->ShowVersion(clockWindow, {"Mirel", exePath}, clockIcon);
#pragma once

#include <memory>
#include <string>

namespace mirel {

// The running program as the platform describes it.
struct ApplicationInfo {
  std::string title;    // the executable's base name, e.g. "Mirel" (UTF-8)
  std::string exePath;  // the executable's full path (UTF-8); empty: the running executable
};

class VersionInfo {
 public:
  virtual ~VersionInfo() = default;

  // Shows the version information of `application` modally over `owner` (a window handle; may
  // be null) with `icon` (an icon handle; null: the system's application icon), and returns when
  // the user closes it.
  virtual void ShowVersion(void* owner, const ApplicationInfo& application, void* icon) = 0;
};

// The platform's implementation: a dialog on Windows.
std::unique_ptr<VersionInfo> MakeVersionInfo();

}  // namespace mirel
