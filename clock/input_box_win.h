// The input box: a modal dialog that asks for one line of text. It shows the prompt, an empty
// text field (a normal edit control, so the IME works), and OK and キャンセル buttons; Enter is
// OK and Escape is Cancel. Given a preview, a line under the field shows what the text typed so
// far gives, kept current as the user types and twice a second; a line too long for the box ends
// in an ellipsis. It stands centred across the owner's monitor a third of the way down, where
// users expect such a question.
// Example:
//   PatternPreview preview(DisplayFormat);
//   std::string pattern =
//       InputBox(clockWindow, kDisplaySettingsPrompt, kDisplaySettingsTitle, &preview);
//   if (!pattern.empty()) { ... }  // OK with text typed
#pragma once

#include <string>
#include <string_view>

#include "clock/clock_platform.h"

// HWND without the Windows headers (it is exactly their declaration).
struct HWND__;
typedef HWND__* HWND;

namespace mirel {

// The preview line's control identifier, by which a test reads it.
inline constexpr int kInputPreviewId = 102;

// Returns the typed text (UTF-8) on OK, and empty text on Cancel, Escape or the close box; an
// empty OK also gives empty text, as does the owner's closing while the box is open. `owner` may
// be null. Throws RunTimeError when the dialog cannot be shown.
std::string InputBox(HWND owner, std::string_view prompt, std::string_view title,
                     InputPreview* preview = nullptr);

}  // namespace mirel
