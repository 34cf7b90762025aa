// The program's entry point: the locale, the one-copy lock, the settings store and the clock
// window, then the message loop until the clock window closes.
#include <windows.h>

#include <exception>
#include <string>

#include "clock/clock_window_win.h"
#include "clock/command_line.h"
#include "clock/single_instance_win.h"
#include "components/format/user_locale.h"
#include "components/settings/registry_store.h"
#include "components/win32/app_info.h"
#include "components/win32/system_library.h"
#include "components/win32/text_conversion.h"
#include "components/win32/win_error.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  using namespace mirel;
  // Before anything can load a DLL: none may come from the folder the program was started from.
  win32::SearchDllsInSystemFolderOnly();
  try {
    UseUserLocale();

    const std::string exeName = win32::ExecutableBaseName();
    const SingleInstanceLock lock(exeName);
    RegistryStore settings;
    // Taken from the full command line rather than wWinMain's copy so the rule that cuts off the
    // program name is ours and tested.
    Application app{exeName,
                    std::string(ArgumentsAfterProgramName(win32::WideToUtf8(::GetCommandLineW()))),
                    lock.PreviousInstance()};

    ClockWindow clock(instance, settings, std::move(app));
    clock.Load();

    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
      if (clock.HandleDialogMessage(message)) {
        continue;
      }
      ::TranslateMessage(&message);
      ::DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
  } catch (...) {
    win32::ReportHandlerFailure(nullptr);
  }
  return 1;
}
