// A tiny helper the end-to-end scripts run under Wine beside the program: it sends a window
// messages, reports where windows and their child controls stand on the screen and what they
// say, which X tools cannot tell (the client origin depends on Wine's own frame), and draws the
// clock's day icon as the program draws it.
//   window_probe syscommand CLASS ID   posts WM_SYSCOMMAND ID to the window of that class
//   window_probe client CLASS          prints the client area "left top width height"
//   window_probe child CLASS ID        prints the screen rectangle of the child control ID
//   window_probe text CLASS ID         prints the text of the child control ID (UTF-8)
//   window_probe close CLASS           posts WM_CLOSE
//   window_probe refresh CLASS MESSAGE WPARAM FILE EPOCH
//                                      just after one of the clock's ticks, writes EPOCH into
//                                      FILE (the clock shim's MIREL_FAKE_EPOCH_FILE, so the
//                                      program's clock jumps), posts MESSAGE WPARAM (numbers as
//                                      strtoul reads them) and prints the milliseconds until the
//                                      window's caption changed (9999 when it did not in 2 s),
//                                      then those until the clock's next tick was due when the
//                                      message was posted
//   window_probe dayicon DAY SIZE      prints the clock's icon of DAY at SIZE pixels as X's
//                                      _NET_WM_ICON has it: "SIZE, SIZE, argb, ..." in decimal
//   window_probe settingchange TEXT    sends every top-level window WM_SETTINGCHANGE with TEXT
//                                      (ASCII), as Windows does when a setting changes; returns
//                                      once each has handled it
// Exit status 2 when there is no such window.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "clock/day_icon_win.h"
#include "clock/tick_schedule.h"
#include "components/win32/text_conversion.h"

namespace {

std::int64_t WallClockMilliseconds() {
  FILETIME now;
  ::GetSystemTimeAsFileTime(&now);
  return static_cast<std::int64_t>(
      ((static_cast<std::uint64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime) / 10'000);
}

// The clock ticks just after each half-second of the wall clock (clock/tick_schedule.h), and the
// program's faked clock keeps the real one's milliseconds. A change seen within the next 250 ms
// then comes from the message, not from a tick.
void WaitUntilJustAfterATick() {
  constexpr std::int64_t kFrom = 90;
  constexpr std::int64_t kTo = 140;
  for (;;) {
    const std::int64_t intoInterval = WallClockMilliseconds() % mirel::kTickIntervalMs;
    if (intoInterval >= kFrom && intoInterval < kTo) {
      return;
    }
    ::Sleep(1);
  }
}

std::wstring Caption(HWND window) {
  wchar_t text[512] = {};
  ::GetWindowTextW(window, text, 512);
  return text;
}

int Refresh(HWND window, UINT message, WPARAM wParam, const char* file, const char* epoch) {
  WaitUntilJustAfterATick();
  const std::wstring before = Caption(window);
  FILE* out = std::fopen(file, "wb");
  if (out == nullptr || std::fputs(epoch, out) < 0 || std::fclose(out) != 0) {
    std::fprintf(stderr, "cannot write %s\n", file);
    return 1;
  }
  // The clock shim looks at the file at most every 50 ms: after this pause the program's next
  // reading of the clock sees the new time, whenever the shim last looked.
  ::Sleep(60);
  // A busy machine can delay this process past the moment waited for, so the time left to the
  // next tick is measured here, where it counts, and reported beside the answer.
  const std::uint32_t untilTick = mirel::DelayToNextTick(WallClockMilliseconds());
  const ULONGLONG start = ::GetTickCount64();
  if (!::PostMessageW(window, message, wParam, 0)) {
    return 1;
  }
  while (Caption(window) == before && ::GetTickCount64() - start < 2000) {
    ::Sleep(1);
  }
  const auto elapsed = static_cast<unsigned long>(::GetTickCount64() - start);
  std::printf("%lu %lu\n", Caption(window) == before ? 9999UL : elapsed,
              static_cast<unsigned long>(untilTick));
  return 0;
}

int PrintDayIcon(int day, int size) {
  const mirel::win32::UniqueHicon icon = mirel::DrawDayIcon(day, size);
  ICONINFO info{};
  if (!::GetIconInfo(icon.Get(), &info)) {
    return 1;
  }
  const mirel::win32::UniqueBitmap colour(info.hbmColor);
  const mirel::win32::UniqueBitmap mask(info.hbmMask);
  BITMAPINFO format{};
  format.bmiHeader = {sizeof(BITMAPINFOHEADER), size, -size, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(size) * size);
  const HDC screen = ::GetDC(nullptr);
  const int rows =
      ::GetDIBits(screen, colour.Get(), 0, size, pixels.data(), &format, DIB_RGB_COLORS);
  ::ReleaseDC(nullptr, screen);
  if (rows != size) {
    return 1;
  }
  std::printf("%d, %d", size, size);
  for (std::uint32_t pixel : pixels) {
    std::printf(", %lu", static_cast<unsigned long>(pixel));
  }
  std::printf("\n");
  return 0;
}

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
    std::fprintf(stderr, "usage: window_probe COMMAND CLASS|DAY|TEXT [ARGUMENTS]\n");
    return 1;
  }
  const std::string command = argv[1];
  if (command == "dayicon" && argc >= 4) {
    return PrintDayIcon(std::atoi(argv[2]), std::atoi(argv[3]));
  }
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
  if (command == "refresh" && argc >= 7) {
    return Refresh(window, std::strtoul(argv[3], nullptr, 0), std::strtoul(argv[4], nullptr, 0),
                   argv[5], argv[6]);
  }
  if (command == "text" && argc >= 4) {
    HWND child = ::GetDlgItem(window, std::atoi(argv[3]));
    if (child == nullptr) {
      return 2;
    }
    std::printf("%s\n", mirel::win32::WindowText(child).c_str());
    return 0;
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
