// BoundWindow: the object behind a window from the window's first message to its last, the
// loaded windows that top-level windows join, and an object that goes before its window.
#include "components/win32/bound_window.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "components/win32/loaded_windows.h"

namespace mirel {
namespace {

class Probe final : public win32::BoundWindow {
 public:
  void Make(HWND parent) {
    Create({.name = L"MirelBoundProbe"},
           {.style = parent != nullptr ? DWORD{WS_CHILD} : DWORD{WS_OVERLAPPED},
            .position = {0, 0},
            .size = {60, 40},
            .parent = parent});
  }

  std::vector<UINT> seen;       // every message the object heard, in order
  bool boundThroughout = true;  // Handle() was the window at each of them but the last

 private:
  LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
    seen.push_back(message);
    if (message != WM_NCDESTROY && Handle() != window) {
      boundThroughout = false;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
  }
};

TEST(BoundWindow, HearsTheWholeLifeAndOnlyTopLevelWindowsAreLoaded) {
  Probe top;
  Probe child;
  top.Make(nullptr);
  child.Make(top.Handle());
  const struct {
    const char* name;
    Probe& probe;
    bool loaded;
  } cases[] = {{"top-level", top, true}, {"child", child, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_NE(c.probe.Handle(), nullptr);
    EXPECT_EQ(win32::LoadedWindows::Contains(c.probe.Handle()), c.loaded);
  }

  const HWND window = top.Handle();
  ::DestroyWindow(window);  // the child goes with it
  EXPECT_FALSE(win32::LoadedWindows::Contains(window));
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.probe.Handle(), nullptr);
    ASSERT_FALSE(c.probe.seen.empty());
    EXPECT_EQ(c.probe.seen.front(), static_cast<UINT>(WM_NCCREATE));
    EXPECT_EQ(c.probe.seen.back(), static_cast<UINT>(WM_NCDESTROY));
    EXPECT_TRUE(c.probe.boundThroughout);
  }
}

// A window left behind would stay among the loaded windows with nothing behind it, for the clock's
// close sequence to stumble over.
TEST(BoundWindow, AnObjectThatGoesFirstTakesItsWindowAlong) {
  HWND window = nullptr;
  {
    Probe probe;
    probe.Make(nullptr);
    window = probe.Handle();
  }
  EXPECT_FALSE(::IsWindow(window));
  EXPECT_FALSE(win32::LoadedWindows::Contains(window));
}

}  // namespace
}  // namespace mirel
