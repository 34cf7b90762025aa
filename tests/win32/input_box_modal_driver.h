// Drives a modal dialog from inside its own message loop: a thread timer fires while the dialog
// runs, hands the dialog to the test's action (inspect it, type, press keys), and closes it with
// Cancel if the action left it open too long, so a failing test cannot hang the test program.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace mirel::testing {

class ModalDialogDriver {
 public:
  using Action = std::function<void(HWND dialog)>;

  // Runs `show` (which opens a modal dialog on this thread and returns when it is closed) and
  // applies `action` to the dialog once it is visible. A dialog that never showed fails the
  // test: the action's checks did not run.
  template <typename Show>
  static auto Run(Action action, Show&& show) {
    State().action = std::move(action);
    State().ticksAfterAction = -1;
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 20, &Tick);
    struct KillOnExit {
      UINT_PTR timer;
      ~KillOnExit() {
        ::KillTimer(nullptr, timer);
        EXPECT_FALSE(State().action) << "the dialog never showed, so the test's action never ran";
        State().action = nullptr;
      }
    } kill{timer};
    return show();
  }

  // The visible dialog (class #32770) of this thread, or null.
  static HWND FindDialog() {
    HWND found = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), &TakeVisibleDialog,
                        reinterpret_cast<LPARAM>(&found));
    return found;
  }

  static std::wstring Text(HWND window) {
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        ::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
  }

  // Types text as key presses would, one WM_CHAR per character, into `window`.
  static void Type(HWND window, std::wstring_view text) {
    for (wchar_t c : text) {
      ::SendMessageW(window, WM_CHAR, c, 1);
    }
  }

  // Posts a key press to `window`; the dialog's message loop sees it as the user's.
  static void PressKey(HWND window, UINT key) {
    ::PostMessageW(window, WM_KEYDOWN, key, 1);
    ::PostMessageW(window, WM_KEYUP, key, 0xC0000001);
  }

 private:
  struct Shared {
    Action action;
    int ticksAfterAction = -1;
  };
  static Shared& State() {
    static Shared state;
    return state;
  }

  // A named CALLBACK function: 32-bit Windows calls it with the stdcall convention, which a
  // lambda's function pointer does not have.
  static BOOL CALLBACK TakeVisibleDialog(HWND window, LPARAM found) {
    wchar_t name[16] = {};
    ::GetClassNameW(window, name, 16);
    if (std::wstring(name) == L"#32770" && ::IsWindowVisible(window)) {
      *reinterpret_cast<HWND*>(found) = window;
      return FALSE;
    }
    return TRUE;
  }

  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    HWND dialog = FindDialog();
    if (dialog == nullptr) {
      return;
    }
    Shared& state = State();
    if (state.action) {
      Action action = std::move(state.action);
      state.action = nullptr;
      state.ticksAfterAction = 0;
      action(dialog);
    } else if (state.ticksAfterAction >= 0 && ++state.ticksAfterAction > 150) {
      ::PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);  // the action did not close it: 3 s
    }
  }
};

}  // namespace mirel::testing
