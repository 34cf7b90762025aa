// Win32 error helpers and the guard every callback from Windows runs in: no exception may cross
// a window procedure (the system would unwind through foreign frames), so a failure is shown to
// the user in a Japanese message box and the program keeps running.
// Example:
//   case WM_TIMER: RunHandler(hwnd, [&] { form.timMirel_Timer(); }); return 0;
#pragma once

#include <windows.h>

#include <exception>
#include <string>
#include <string_view>
#include <utility>

#include "components/errors.h"

namespace mirel::win32 {

// The system's text for a Win32 error code, UTF-8, without the trailing line break.
std::string SystemErrorText(DWORD code);

// Throws RunTimeError(number) whose message names the failed call and the system's reason.
[[noreturn]] void ThrowWin32Error(std::string_view call, DWORD code = ::GetLastError(),
                                  ErrorNumber number = ErrorNumber::kInvalidArgument);

// The text shown for the exception being handled: "実行時エラー '6':\n\n<message>" for a run-time
// error. Only inside a catch block: it tells the kinds apart by throwing the exception again and
// catching it by type, which needs no run-time type information (the program is built without).
std::string CurrentErrorBoxText();

// Shows the exception being handled (only inside a catch block) in a modal message box owned by
// `owner` (may be null). While one such box is open, further failures (say, of timer ticks that
// keep arriving under the box) are not shown, so a lasting fault cannot stack up boxes.
void ReportHandlerFailure(HWND owner) noexcept;

// Replaces the message box by `reporter` (tests); returns the one it replaced. Null restores the
// message box.
using FailureReporter = void (*)(HWND owner, const std::string& text);
FailureReporter SetFailureReporter(FailureReporter reporter) noexcept;

// The body of a function Windows calls back: returns what `body` returns, or, when it throws
// anything at all, reports the failure and returns what `fallback` (which must not throw) gives.
template <typename Body, typename Fallback>
auto GuardCallback(HWND owner, Body&& body, Fallback&& fallback) noexcept -> decltype(fallback()) {
  try {
    return std::forward<Body>(body)();
  } catch (...) {
    ReportHandlerFailure(owner);
  }
  return std::forward<Fallback>(fallback)();
}

// Runs one event handler; any exception it throws is reported and swallowed.
// Returns false when the handler failed.
template <typename Handler>
bool RunHandler(HWND owner, Handler&& handler) noexcept {
  return GuardCallback(
      owner,
      [&] {
        std::forward<Handler>(handler)();
        return true;
      },
      [] { return false; });
}

}  // namespace mirel::win32
