// A tiny helper the end-to-end scripts run under Wine beside the program: it sends a window a
// system command and reports where windows and their child controls stand on the screen, which
// X tools cannot tell (the client origin depends on Wine's own frame).
//   window_probe syscommand CLASS ID   posts WM_SYSCOMMAND ID to the window of that class
//   window_probe client CLASS          prints the client area "left top width height"
//   window_probe child CLASS ID        prints the screen rectangle of the child control ID
//   window_probe close CLASS           posts WM_CLOSE
//   window_probe settingchange TEXT    sends every top-level window WM_SETTINGCHANGE with TEXT
//                                      (ASCII), as Windows does when a setting changes; returns
//                                      once each has handled it
// Exit status 2 when there is no such window.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

HWND FindByClass(const char* className) {
  std::wstring wide(className, className + std::strlen(className));
  return ::FindWindowW(wide.c_str(), nullptr);
}

void PrintRect(HWND window, RECT rect) {
  POINT origin{rect.left, rect.top};
  ::ClientToScreen(window, &origin);
  std::printf("%ld %ld %ld %ld\n", origin.x, origin.y, rect.right - rect.left,
              rect.bottom - rect.top);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr,
                 "usage: window_probe syscommand|client|child|close CLASS [ID]\n"
                 "       window_probe settingchange TEXT\n");
    return 1;
  }
  const std::string command = argv[1];
  if (command == "settingchange") {
    const std::wstring text(argv[2], argv[2] + std::strlen(argv[2]));
    DWORD_PTR result = 0;
    return ::SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, 0,
                                 reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG, 10000,
                                 &result) != 0
               ? 0
               : 1;
  }
  HWND window = FindByClass(argv[2]);
  if (window == nullptr) {
    std::fprintf(stderr, "no window of class %s\n", argv[2]);
    return 2;
  }
  if (command == "syscommand" && argc >= 4) {
    return ::PostMessageW(window, WM_SYSCOMMAND, std::strtoul(argv[3], nullptr, 10), 0) ? 0 : 1;
  }
  if (command == "close") {
    return ::PostMessageW(window, WM_CLOSE, 0, 0) ? 0 : 1;
  }
  if (command == "client") {
    RECT client{};
    ::GetClientRect(window, &client);
    PrintRect(window, client);
    return 0;
  }
  if (command == "child" && argc >= 4) {
    HWND child = ::GetDlgItem(window, std::atoi(argv[3]));
    if (child == nullptr) {
      return 2;
    }
    RECT client{};
    ::GetClientRect(child, &client);
    PrintRect(child, client);
    return 0;
  }
  std::fprintf(stderr, "unknown command %s\n", command.c_str());
  return 1;
}
