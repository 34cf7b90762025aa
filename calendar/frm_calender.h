// The month calendar window as a plain class: its state, its event handlers and its procedures.
// The platform delivers the events (calender_window_win.cpp); the handlers reach the platform
// only through the host, the grid's surface and the settings store.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "calendar/calender_window_host.h"
#include "calendar/day_off_list.h"
#include "components/form_controls/form_state.h"
#include "components/kyureki/kyureki.h"
#include "components/settings/settings_store.h"
#include "components/surface/surface.h"

namespace mirel {

inline constexpr int kKeyLeft = 37;
inline constexpr int kKeyRight = 39;
// The items of the calendar's context menu, each checked while what it names is shown.
inline constexpr std::string_view kNationalHolidaysMenuText = "国民の祝日を表示";
inline constexpr std::string_view kRokuyoMenuText = "六曜を表示";

// The program the window belongs to: its executable's base name and folder.
struct CalenderApp {
  std::string exeName;
  NativePath exeFolder;
};

class frmCalender {
 public:
  frmCalender(CalenderWindowHost& host, Surface& picCalender, SettingsStore& settings,
              CalenderApp app);

  // Remembered placement, holidays, and the month of today.
  void Form_Load();
  // Grid over the whole inner area, the arrow boxes as 240-twip squares in the top corners.
  void Form_Resize();
  void picCalender_Paint();
  void picCalender_Resize();
  // 37 (Left) is the previous month, 39 (Right) the next; shift is ignored, other keys do nothing.
  void picCalender_KeyDown(int keyCode, int shift);
  void picPrev_Click();
  void picNext_Click();
  void picPrev_GotFocus();
  void picNext_GotFocus();

  // The context menu's items, 「国民の祝日を表示」 and 「六曜を表示」: each switches what it
  // names on or off, draws the grid again and keeps the choice for the user. The switch holds
  // for this run even when the choice cannot be stored; that failure is thrown after the drawing.
  void mnuNationalHolidays_Click();
  void mnuRokuyo_Click();

  void DrawCalender();
  void LoadDayOff();
  // The name the day of a "mm/dd" key is drawn with in the displayed month: the holiday file's,
  // else the national holiday's when they are on; "" when there is none. Never throws.
  std::string FindDayOff(std::string_view key) const;

  std::int32_t CurYear = 0;
  std::int32_t CurMonth = 0;  // moves one per step without wrapping into CurYear
  std::int32_t CurDay = 0;    // the day of the month at loading; navigation keeps it
  ::mirel::DayOffList DayOffList;
  // National holidays shown beside the file's, and each day's 六曜 with today's old-calendar
  // date; read from the settings store at each loading, off when never stored.
  bool NationalHolidays = false;
  bool ShowRokuyo = false;

 private:
  // Moves CurMonth by delta unless that leaves January 100 .. December 9999, the months the date
  // functions can show; at the ends a step changes nothing.
  void StepMonth(int delta);
  // A context-menu switch: stored as "1" or "0", off when never stored.
  bool ReadSwitch(std::string_view key) const;
  void Toggle(bool& on, std::string_view key);

  CalenderWindowHost& host_;
  Surface& picCalender_;
  SettingsStore& settings_;
  CalenderApp app_;
  std::unique_ptr<FormState> formState_;  // created at the first load, kept for good
  // Kept with the form, so that its cache of old-calendar years outlives each redraw.
  KyurekiCalendar oldCalendar_;
};

}  // namespace mirel
