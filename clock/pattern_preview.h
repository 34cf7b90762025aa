// What the display-settings box shows under its field while the user types: the typed pattern
// applied to the current time, after 「表示例: 」; with nothing typed, the clock's own pattern,
// which OK then leaves in place. The box asks for the line at every change of the field and again
// each second; a pattern is compiled once for each new text, so even a pasted pattern of a
// megabyte keeps the box responsive (compiling and applying take time linear in its length).
// Example:
//   PatternPreview preview("hh:nn");
//   preview.Text("")            // "表示例: 16:10"
//   preview.Text("ggge年m月d日")  // "表示例: 令和8年12月7日"
#pragma once

#include <string>
#include <string_view>

#include "clock/clock_platform.h"
#include "components/format/format.h"

namespace mirel {

inline constexpr char kPreviewLead[] = "表示例: ";
// More characters than a line of the box can show: the line ends in an ellipsis anyway, and a
// text of a megabyte would cost the box's drawing each second.
inline constexpr std::size_t kPreviewLimit = 200;

class PatternPreview final : public InputPreview {
 public:
  explicit PatternPreview(std::string_view clockPattern);

  // At most kPreviewLimit characters after the lead, whole UTF-8 sequences only.
  std::string Text(std::string_view typed) override;

 private:
  FormatPattern clockPattern_;
  FormatPattern typedPattern_{""};
};

}  // namespace mirel
