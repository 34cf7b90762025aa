#include "calendar/frm_calender.h"

#include <cstdint>
#include <utility>

#include "calendar/draw_calender.h"
#include "calendar/skip_on_error.h"
#include "components/datetime/date_value.h"
#include "components/datetime/now.h"

namespace mirel {

namespace {

constexpr double kArrowBoxTwips = 240;
constexpr std::string_view kNationalHolidaysKey = "NationalHolidays";
constexpr std::string_view kRokuyoKey = "Rokuyo";

}  // namespace

frmCalender::frmCalender(CalenderWindowHost& host, Surface& picCalender, SettingsStore& settings,
                         CalenderApp app)
    : host_(host), picCalender_(picCalender), settings_(settings), app_(std::move(app)) {}

void frmCalender::Form_Load() {
  if (!formState_) {
    formState_ = std::make_unique<FormState>(settings_);
  }
  formState_->SetForm(host_);
  formState_->SetAppName(app_.exeName);
  formState_->SetKeepPosition(true);
  formState_->SetKeepSize(true);

  LoadDayOff();
  NationalHolidays = ReadSwitch(kNationalHolidaysKey);
  ShowRokuyo = ReadSwitch(kRokuyoKey);

  CurYear = Year(Date());
  CurMonth = Month(Date());
  CurDay = Day(Date());
}

void frmCalender::Form_Resize() {
  SkipOnError([&] {
    host_.MovePicture(CalenderPicture::kCalender, 0, 0, host_.ScaleWidth(), host_.ScaleHeight());
  });
  SkipOnError(
      [&] { host_.MovePicture(CalenderPicture::kPrev, 0, 0, kArrowBoxTwips, kArrowBoxTwips); });
  SkipOnError([&] {
    host_.MovePicture(CalenderPicture::kNext, host_.ScaleWidth() - kArrowBoxTwips, 0,
                      kArrowBoxTwips, kArrowBoxTwips);
  });
}

void frmCalender::picCalender_Paint() {
  DrawCalender();
}

void frmCalender::picCalender_Resize() {
  DrawCalender();
}

void frmCalender::picCalender_KeyDown(int keyCode, int /*shift*/) {
  if (keyCode == kKeyLeft) {
    picPrev_Click();
  } else if (keyCode == kKeyRight) {
    picNext_Click();
  }
}

void frmCalender::picPrev_Click() {
  StepMonth(-1);
}

void frmCalender::picNext_Click() {
  StepMonth(+1);
}

void frmCalender::picPrev_GotFocus() {
  host_.SetFocus(CalenderPicture::kCalender);
}

void frmCalender::picNext_GotFocus() {
  host_.SetFocus(CalenderPicture::kCalender);
}

void frmCalender::mnuNationalHolidays_Click() {
  Toggle(NationalHolidays, kNationalHolidaysKey);
}

void frmCalender::mnuRokuyo_Click() {
  Toggle(ShowRokuyo, kRokuyoKey);
}

bool frmCalender::ReadSwitch(std::string_view key) const {
  return settings_.GetSetting(app_.exeName, host_.FormName(), key, "0") == "1";
}

void frmCalender::Toggle(bool& on, std::string_view key) {
  on = !on;
  DrawCalender();
  settings_.SaveSetting(app_.exeName, host_.FormName(), key, on ? "1" : "0");
}

void frmCalender::StepMonth(int delta) {
  std::int64_t month = std::int64_t{CurMonth} + delta;
  if (!IsShowableMonth(CurYear, month) || month < INT32_MIN || month > INT32_MAX) {
    return;
  }
  CurMonth = static_cast<std::int32_t>(month);
  DrawCalender();
}

void frmCalender::DrawCalender() {
  // The national holidays of the displayed year are worked out once for the whole month.
  const HolidayNames names(DayOffList, NationalHolidays, DisplayedMonth(CurYear, CurMonth).year);
  ::mirel::DrawCalender(
      picCalender_, {.CurYear = CurYear, .CurMonth = CurMonth, .CurDay = CurDay},
      [&names](std::string_view key) { return names.Find(key); },
      [this](std::string_view caption) { host_.SetCaption(caption); }, host_.CurrentPalette(),
      ShowRokuyo ? &oldCalendar_ : nullptr);
}

void frmCalender::LoadDayOff() {
  DayOffList.Load(DayOffPath(app_.exeFolder));
}

std::string frmCalender::FindDayOff(std::string_view key) const {
  // Never throws: the names' lookup catches everything, and the displayed year is computed in
  // wide arithmetic.
  return HolidayNames(DayOffList, NationalHolidays, DisplayedMonth(CurYear, CurMonth).year)
      .Find(key);
}

}  // namespace mirel
