#include "clock/input_box_win.h"

#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "clock/sys_menu.h"
#include "components/win32/text_conversion.h"
#include "components/win32/unique_handle.h"
#include "tests/win32/input_box_modal_driver.h"

namespace mirel {
namespace {

using testing::ModalDialogDriver;

// The edit field, the only EDIT child of the box.
HWND TextField(HWND dialog) {
  return ::FindWindowExW(dialog, nullptr, L"Edit", nullptr);
}

HWND ButtonWithText(HWND dialog, const wchar_t* text) {
  return ::FindWindowExW(dialog, nullptr, L"Button", text);
}

std::string Ask(ModalDialogDriver::Action action, InputPreview* preview = nullptr) {
  return ModalDialogDriver::Run(std::move(action), [preview] {
    return InputBox(nullptr, kDisplaySettingsPrompt, kDisplaySettingsTitle, preview);
  });
}

// A preview that records what it is asked for, and closes the box once the box has asked for the
// same text three times in a row: twice by its timer after the typing stopped.
struct RecordingPreview : InputPreview {
  std::vector<std::string> asked;
  std::string Text(std::string_view typed) override {
    asked.emplace_back(typed);
    const std::size_t n = asked.size();
    if (n >= 3 && !typed.empty() && asked[n - 2] == typed && asked[n - 3] == typed) {
      ::PostMessageW(ModalDialogDriver::FindDialog(), WM_COMMAND, IDCANCEL, 0);
    }
    return "表示例: [" + std::string(typed) + "]";
  }
};

TEST(InputBoxTest, ShowsPromptTitleEmptyFieldAndBothButtons) {
  Ask([](HWND dialog) {
    EXPECT_EQ(ModalDialogDriver::Text(dialog), L"表示設定");
    EXPECT_NE(::FindWindowExW(dialog, nullptr, L"Static",
                              L"表示フォーマットを入力して下さい(Format関数準拠)"),
              nullptr);
    HWND field = TextField(dialog);
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(ModalDialogDriver::Text(field), L"");
    EXPECT_EQ(::GetFocus(), field);  // typing goes straight into the field
    HWND ok = ButtonWithText(dialog, L"OK");
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(::GetDlgCtrlID(ok), IDOK);
    EXPECT_EQ(::SendMessageW(ok, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON, DLGC_DEFPUSHBUTTON);
    HWND cancel = ButtonWithText(dialog, L"キャンセル");
    ASSERT_NE(cancel, nullptr);
    EXPECT_EQ(::GetDlgCtrlID(cancel), IDCANCEL);
    ModalDialogDriver::PressKey(field, VK_ESCAPE);
  });
}

// How the user leaves the box decides what it returns.
TEST(InputBoxTest, ReturnsTheTextOnOkAndEmptyTextOtherwise) {
  enum class Leave { kEnter, kOkClick, kEscape, kCancelClick, kCloseBox };
  struct Case {
    const char* name;
    std::wstring typed;
    Leave leave;
    std::string expected;
  };
  const Case cases[] = {
      {"Enter confirms", L"yyyy年m月d日 hh:nn:ss", Leave::kEnter, "yyyy年m月d日 hh:nn:ss"},
      {"OK button confirms", L"ggge年", Leave::kOkClick, "ggge年"},
      {"blanks are text", L"   ", Leave::kEnter, "   "},
      {"empty OK", L"", Leave::kEnter, ""},
      {"Escape cancels", L"hh:nn", Leave::kEscape, ""},
      {"Cancel button cancels", L"hh:nn", Leave::kCancelClick, ""},
      {"close box cancels", L"hh:nn", Leave::kCloseBox, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string result = Ask([&c](HWND dialog) {
      HWND field = TextField(dialog);
      ModalDialogDriver::Type(field, c.typed);
      switch (c.leave) {
        case Leave::kEnter:
          ModalDialogDriver::PressKey(field, VK_RETURN);
          break;
        case Leave::kEscape:
          ModalDialogDriver::PressKey(field, VK_ESCAPE);
          break;
        case Leave::kOkClick:
          ::PostMessageW(ButtonWithText(dialog, L"OK"), BM_CLICK, 0, 0);
          break;
        case Leave::kCancelClick:
          ::PostMessageW(ButtonWithText(dialog, L"キャンセル"), BM_CLICK, 0, 0);
          break;
        case Leave::kCloseBox:
          ::PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
          break;
      }
    });
    EXPECT_EQ(result, c.expected);
  }
}

// The clock closed while the box is open (another program, the end of the session): the box
// goes with its owner and counts as cancelled rather than as a failure to report.
TEST(InputBoxTest, AnOwnerClosedUnderTheBoxCountsAsCancel) {
  HWND owner = ::CreateWindowExW(0, L"Static", L"owner", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                                 nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(owner, nullptr);
  std::string result = "not returned";
  EXPECT_NO_THROW(result = ModalDialogDriver::Run(
                      [owner](HWND dialog) {
                        ModalDialogDriver::Type(TextField(dialog), L"hh:nn");
                        ::DestroyWindow(owner);
                      },
                      [owner] { return InputBox(owner, "prompt", "title"); }));
  EXPECT_EQ(result, "");
}

// Under the field the preview shows what the text typed so far gives, from the first moment, at
// each change and again at the clock's pace.
TEST(InputBoxTest, PreviewLineFollowsTypingAndTheClock) {
  RecordingPreview preview;
  const std::string result = Ask(
      [](HWND dialog) {
        EXPECT_NE(::FindWindowExW(dialog, nullptr, L"Static", L"表示例: []"), nullptr);
        ModalDialogDriver::Type(TextField(dialog), L"ab");
        EXPECT_NE(::FindWindowExW(dialog, nullptr, L"Static", L"表示例: [ab]"), nullptr);
      },
      &preview);
  EXPECT_EQ(result, "");  // closed by the preview with Cancel
  // Each text once as typed, the last one again by the timer (which may also have asked for the
  // empty field before the typing).
  std::vector<std::string> texts = preview.asked;
  texts.erase(std::unique(texts.begin(), texts.end()), texts.end());
  EXPECT_THAT(texts, ::testing::ElementsAre("", "a", "ab"));
  EXPECT_EQ(std::count(preview.asked.begin(), preview.asked.end(), "ab"), 3);
}

// With or without the preview line; the line makes the box taller by itself alone.
TEST(InputBoxTest, StandsCentredAThirdDownTheMonitorWithEveryControlInside) {
  RecordingPreview preview;
  int heights[2] = {};
  for (InputPreview* shown :
       {static_cast<InputPreview*>(nullptr), static_cast<InputPreview*>(&preview)}) {
    const int index = shown != nullptr;
    Ask(
        [&](HWND dialog) {
          MONITORINFO monitor{};
          monitor.cbSize = sizeof monitor;
          ASSERT_TRUE(
              ::GetMonitorInfoW(::MonitorFromWindow(dialog, MONITOR_DEFAULTTOPRIMARY), &monitor));
          RECT frame{};
          ::GetWindowRect(dialog, &frame);
          const RECT& area = monitor.rcWork;
          EXPECT_NEAR((frame.left + frame.right) / 2, (area.left + area.right) / 2, 1);
          EXPECT_NEAR((frame.top + frame.bottom) / 2, area.top + (area.bottom - area.top) / 3, 1);

          // The controls fit in the client area and none covers another, whatever the font's size.
          RECT client{};
          ::GetClientRect(dialog, &client);
          std::vector<RECT> placed;
          for (HWND child = ::GetWindow(dialog, GW_CHILD); child != nullptr;
               child = ::GetWindow(child, GW_HWNDNEXT)) {
            RECT r{};
            ::GetWindowRect(child, &r);
            ::MapWindowPoints(HWND_DESKTOP, dialog, reinterpret_cast<POINT*>(&r), 2);
            EXPECT_GE(r.left, client.left);
            EXPECT_GE(r.top, client.top);
            EXPECT_LE(r.right, client.right);
            EXPECT_LE(r.bottom, client.bottom);
            for (const RECT& other : placed) {
              RECT overlap{};
              EXPECT_FALSE(::IntersectRect(&overlap, &r, &other));
            }
            placed.push_back(r);
          }
          EXPECT_EQ(placed.size(), 4u + index);
          heights[index] = frame.bottom - frame.top;
          ModalDialogDriver::PressKey(TextField(dialog), VK_ESCAPE);
        },
        shown);
  }
  TEXTMETRICW font{};
  {
    win32::WindowDcGuard screen(nullptr);
    ::GetTextMetricsW(screen.Dc(), &font);
  }
  EXPECT_GT(heights[1], heights[0]);
  EXPECT_LE(heights[1] - heights[0], 2 * font.tmHeight);
}

}  // namespace
}  // namespace mirel
