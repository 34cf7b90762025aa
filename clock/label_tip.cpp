#include "clock/label_tip.h"

namespace mirel {
namespace {

constexpr char kWhy[] =
    "この時計の日付と時刻は、タスクバー ボタンのラベルを表示しているときだけボタンに表示"
    "されます。いまはラベルが非表示のため、ボタンのアイコンに今日の日だけが出ます。\n\n";

constexpr char kHowOnWindows10[] =
    "ラベルを表示するには、タスクバーの設定で「タスクバー ボタンを結合する」を"
    "「結合しない」にしてください。";

// The setting came back to Windows 11 with the update of September 2023 (build 22621.2361).
constexpr char kHowOnWindows11[] =
    "ラベルを表示するには、タスクバーの設定の「タスクバーの動作」で「タスクバー ボタンを結合し"
    "ラベルを非表示にする」を「しない」にしてください (2023 年 9 月以降の更新で使えます)。";

}  // namespace

std::optional<std::string> LabelTipText(WindowsGeneration windows, bool labelsHidden) {
  if (!labelsHidden) {
    return std::nullopt;
  }
  switch (windows) {
    case WindowsGeneration::kBefore10:
      return std::nullopt;
    case WindowsGeneration::k10:
      return std::string(kWhy) + kHowOnWindows10;
    case WindowsGeneration::k11:
      return std::string(kWhy) + kHowOnWindows11;
  }
  return std::nullopt;
}

bool GlomLevelHidesLabels(std::optional<std::uint32_t> glomLevel) {
  return !glomLevel || *glomLevel == 0;
}

}  // namespace mirel
