#include "calendar/frm_calender.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "components/datetime/date_value.h"
#include "components/datetime/now.h"
#include "components/errors.h"
#include "components/format/locale_data.h"
#include "tests/support/recording_surface.h"
#include "tests/unit/calendar/fake_calender_host.h"

namespace mirel {
namespace {

std::string Key(int month, int day) {
  char text[3][3];
  std::snprintf(text[0], sizeof text[0], "%02d", month);
  std::snprintf(text[1], sizeof text[1], "%02d", day);
  return std::string(text[0]) + CurrentLocale().dateSeparator + text[1];
}

class FrmCalenderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ =
        std::filesystem::temp_directory_path() /
        ("mirel_frm_calender_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
         ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(folder_);
    form_ = std::make_unique<frmCalender>(host_, surface_, store_, CalenderApp{"Mirel", folder_});
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  void WriteDayOff(const std::string& text) {
    std::ofstream(DayOffPath(folder_), std::ios::binary) << text;
  }

  frmCalender& Loaded(DateValue today) {
    ScopedNowOverride now(today);
    form_->Form_Load();
    return *form_;
  }

  std::filesystem::path folder_;
  FakeCalenderHost host_;
  RecordingSurface surface_;
  MemorySettingsStore store_;
  std::unique_ptr<frmCalender> form_;
};

TEST_F(FrmCalenderTest, LoadTakesTodaysMonthAndDay) {
  frmCalender& form = Loaded(DateSerial(2024, 1, 31) + 0.75);
  EXPECT_EQ(form.CurYear, 2024);
  EXPECT_EQ(form.CurMonth, 1);
  EXPECT_EQ(form.CurDay, 31);
  EXPECT_FALSE(form.DayOffList.IsDimensioned());  // no DayOff.dat beside the program
  EXPECT_EQ(form.FindDayOff("01/01"), "");
}

TEST_F(FrmCalenderTest, HolidaysFromTheFileBesideTheProgramAreDrawnRed) {
  WriteDayOff(
      "\xEF\xBB\xBF"
      "1/1=元日\r\n2/11 = 建国記念の日\r\n");
  ScopedNowOverride now(DateSerial(2024, 2, 5));
  form_->Form_Load();
  EXPECT_EQ(form_->FindDayOff("02/11"), "建国記念の日");
  form_->DrawCalender();
  std::vector<DrawOp> prints = surface_.OpsOf(DrawOpKind::kPrint);
  bool found = false;
  for (std::size_t i = 0; i + 1 < prints.size(); ++i) {
    if (prints[i].text == "11" && prints[i + 1].text == "建国記念の日") {
      found = true;
      EXPECT_EQ(prints[i].color, kRed);
      EXPECT_TRUE(prints[i].bold);
    }
  }
  EXPECT_TRUE(found);
}

// The name printed under a day number by the last drawing; nothing when the day was not drawn.
std::optional<DrawOp> NameUnder(const RecordingSurface& surface, const std::string& day) {
  const std::vector<DrawOp> prints = surface.OpsOf(DrawOpKind::kPrint);
  for (std::size_t i = 7; i + 1 < prints.size(); ++i) {
    if (prints[i].text == day) {
      DrawOp name = prints[i + 1];
      name.color = prints[i].color;  // the number's colour and weight, with the name's text
      name.bold = prints[i].bold;
      return name;
    }
  }
  return std::nullopt;
}

TEST_F(FrmCalenderTest, NationalHolidaysSwitchIsKeptPerUser) {
  WriteDayOff("12/24 = クリスマス\r\n7/20 =\r\n");
  frmCalender& form = Loaded(DateSerial(2026, 3, 5));
  EXPECT_FALSE(form.NationalHolidays);  // never stored: off
  form.DrawCalender();
  EXPECT_EQ(NameUnder(surface_, "20")->text, "");

  // On: the grid is drawn again at once, 春分の日 red and bold like a file holiday; stored "1".
  surface_.ClearOps();
  form.mnuNationalHolidays_Click();
  EXPECT_TRUE(form.NationalHolidays);
  const std::optional<DrawOp> equinox = NameUnder(surface_, "20");
  ASSERT_TRUE(equinox);
  EXPECT_EQ(equinox->text, "春分の日");
  EXPECT_EQ(equinox->color, kRed);
  EXPECT_TRUE(equinox->bold);
  EXPECT_EQ(store_.GetSetting("Mirel", "frmCalender", "NationalHolidays"), "1");

  // Kept over a reload; the file still hides 海の日 and names its own days.
  Loaded(DateSerial(2026, 7, 1));
  EXPECT_TRUE(form.NationalHolidays);
  EXPECT_EQ(form.FindDayOff(Key(7, 20)), "");
  form.CurMonth = 12;
  EXPECT_EQ(form.FindDayOff(Key(12, 23)), "");
  EXPECT_EQ(form.FindDayOff(Key(12, 24)), "クリスマス");
  form.CurMonth = 14;  // February of the next year: 2027's national holidays
  EXPECT_EQ(form.FindDayOff(Key(2, 23)), "天皇誕生日");
}

// The 六曜 drawn by the last drawing, right-aligned at the top of their cells.
std::vector<std::string> RokuyoDrawn(const RecordingSurface& surface) {
  std::vector<std::string> names;
  for (const DrawOp& print : surface.OpsOf(DrawOpKind::kPrintRightAligned)) {
    names.push_back(print.text);
  }
  return names;
}

// Each item of the context menu: off until chosen, drawn at once when switched, stored as "1"
// or "0" for the user and read at the next loading, where anything but "1" reads as off; the
// other switch stays as it was.
TEST_F(FrmCalenderTest, MenuSwitchesAreKeptPerUser) {
  struct Switch {
    const char* value;
    void (frmCalender::*click)();
    bool frmCalender::*on;
  };
  const Switch switches[] = {
      {"NationalHolidays", &frmCalender::mnuNationalHolidays_Click, &frmCalender::NationalHolidays},
      {"Rokuyo", &frmCalender::mnuRokuyo_Click, &frmCalender::ShowRokuyo},
  };
  for (const Switch& it : switches) {
    SCOPED_TRACE(it.value);
    const Switch& other = &it == &switches[0] ? switches[1] : switches[0];
    store_ = MemorySettingsStore();
    frmCalender& form = Loaded(DateSerial(2026, 3, 5));
    EXPECT_FALSE(form.*it.on);
    surface_.ClearOps();
    (form.*it.click)();
    EXPECT_TRUE(form.*it.on);
    EXPECT_FALSE(form.*other.on);
    EXPECT_EQ(host_.caption, "2026年03月");  // drawn again
    EXPECT_EQ(store_.GetSetting("Mirel", "frmCalender", it.value), "1");
    EXPECT_EQ(store_.GetSetting("Mirel", "frmCalender", other.value, "none"), "none");
    form.*it.on = false;
    Loaded(DateSerial(2026, 3, 5));
    EXPECT_TRUE(form.*it.on);
    (form.*it.click)();
    EXPECT_EQ(store_.GetSetting("Mirel", "frmCalender", it.value), "0");
    for (const char* stored : {"1", "0", "", "yes", "true", " 1"}) {
      store_.SaveSetting("Mirel", "frmCalender", it.value, stored);
      Loaded(DateSerial(2026, 3, 5));
      EXPECT_EQ(form.*it.on, std::string(stored) == "1") << stored;
    }
  }
}

// Switched on, every day of March 2026 carries its 六曜 and the bottom line today's (5 March:
// 大安, 旧1月17日); off again, none.
TEST_F(FrmCalenderTest, RokuyoSwitchDrawsTheGridAgain) {
  frmCalender& form = Loaded(DateSerial(2026, 3, 5));
  ScopedNowOverride now(DateSerial(2026, 3, 5));
  surface_.ClearOps();
  form.mnuRokuyo_Click();
  const std::vector<std::string> rokuyo = RokuyoDrawn(surface_);
  ASSERT_EQ(rokuyo.size(), 31u);
  EXPECT_EQ(rokuyo[4], "大安");
  const std::string bottom = surface_.OpsOf(DrawOpKind::kPrint).back().text;
  EXPECT_EQ(bottom.substr(bottom.size() - std::string(" 大安 旧1月17日").size()),
            " 大安 旧1月17日");
  surface_.ClearOps();
  form.mnuRokuyo_Click();
  EXPECT_TRUE(RokuyoDrawn(surface_).empty());
  EXPECT_EQ(surface_.OpsOf(DrawOpKind::kPrint).back().text.find("大安"), std::string::npos);
}

TEST_F(FrmCalenderTest, SwitchHoldsForTheRunWhenItCannotBeStored) {
  struct FailingStore : MemorySettingsStore {
    void SaveSetting(std::string_view, std::string_view, std::string_view,
                     std::string_view) override {
      throw RunTimeError(ErrorNumber::kInvalidArgument, "registry refused");
    }
  } failing;
  frmCalender form(host_, surface_, failing, CalenderApp{"Mirel", folder_});
  ScopedNowOverride now(DateSerial(2026, 3, 5));
  form.Form_Load();
  surface_.ClearOps();
  EXPECT_THROW(form.mnuNationalHolidays_Click(), RunTimeError);
  EXPECT_TRUE(form.NationalHolidays);
  EXPECT_EQ(NameUnder(surface_, "20")->text, "春分の日");
  surface_.ClearOps();
  EXPECT_THROW(form.mnuRokuyo_Click(), RunTimeError);
  EXPECT_TRUE(form.ShowRokuyo);
  EXPECT_EQ(RokuyoDrawn(surface_).size(), 31u);
}

TEST_F(FrmCalenderTest, KeysAndClicksStepMonthsWithoutWrapping) {
  struct Case {
    const char* what;
    std::vector<int> keys;
    int curMonth, curYear;
    const char* caption;
  };
  const Case cases[] = {
      {"twelve Right", std::vector<int>(12, kKeyRight), 24, 2000, "2001年12月"},
      {"thirteen Right", std::vector<int>(13, kKeyRight), 25, 2000, "2002年01月"},
      {"Left", {kKeyLeft}, 11, 2000, "2000年11月"},
      {"Right then Left", {kKeyRight, kKeyLeft}, 12, 2000, "2000年12月"},
      {"other keys", {38, 40, 13, 65, 36}, 12, 2000, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ScopedNowOverride now(DateSerial(2024, 3, 5));
    form_->CurYear = 2000;
    form_->CurMonth = 12;
    form_->CurDay = 15;
    host_.caption.clear();
    for (int key : c.keys) {
      form_->picCalender_KeyDown(key, 1);  // shift held: makes no difference
    }
    EXPECT_EQ(form_->CurMonth, c.curMonth);
    EXPECT_EQ(form_->CurYear, c.curYear);
    EXPECT_EQ(form_->CurDay, 15);
    EXPECT_EQ(host_.caption, c.caption);
  }
  form_->picNext_Click();
  EXPECT_EQ(form_->CurMonth, 13);
  form_->picPrev_Click();
  form_->picPrev_Click();
  EXPECT_EQ(form_->CurMonth, 11);
}

TEST_F(FrmCalenderTest, NavigationStopsAtTheEndsOfTheDateRange) {
  ScopedNowOverride now(DateSerial(2024, 3, 5));
  struct Case {
    int year, month, key;
  };
  const Case cases[] = {{9999, 12, kKeyRight},
                        {100, 1, kKeyLeft},
                        {2026, 12 * 7974, kKeyRight},
                        {2026, 1 - 12 * 1926, kKeyLeft}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.month);
    form_->CurYear = c.year;
    form_->CurMonth = c.month;
    host_.captions = 0;
    for (int i = 0; i < 3; ++i) {
      EXPECT_NO_THROW(form_->picCalender_KeyDown(c.key, 0));
    }
    EXPECT_EQ(form_->CurMonth, c.month);
    EXPECT_EQ(host_.captions, 0);
    // One step back inside the range draws again.
    form_->picCalender_KeyDown(c.key == kKeyRight ? kKeyLeft : kKeyRight, 0);
    EXPECT_EQ(host_.captions, 1);
  }
}

TEST_F(FrmCalenderTest, ArrowBoxesHandTheFocusToTheGrid) {
  form_->picPrev_GotFocus();
  EXPECT_EQ(host_.focus, CalenderPicture::kCalender);
  host_.focus.reset();
  form_->picNext_GotFocus();
  EXPECT_EQ(host_.focus, CalenderPicture::kCalender);
}

TEST_F(FrmCalenderTest, ResizeLaysOutGridAndArrowSquares) {
  host_.bounds = {0, 0, 3525, 2685};
  form_->Form_Resize();
  EXPECT_EQ(host_.placements[CalenderPicture::kCalender], (Placement{0, 0, 3525, 2685}));
  EXPECT_EQ(host_.placements[CalenderPicture::kPrev], (Placement{0, 0, 240, 240}));
  EXPECT_EQ(host_.placements[CalenderPicture::kNext], (Placement{3285, 0, 240, 240}));

  // A refused placement is skipped; the others still happen.
  host_.placements.clear();
  host_.bounds = {0, 0, 100, -15};
  EXPECT_NO_THROW(form_->Form_Resize());
  EXPECT_EQ(host_.placements.count(CalenderPicture::kCalender), 0u);
  EXPECT_EQ(host_.placements[CalenderPicture::kPrev], (Placement{0, 0, 240, 240}));
  EXPECT_EQ(host_.placements[CalenderPicture::kNext], (Placement{-140, 0, 240, 240}));
}

TEST_F(FrmCalenderTest, ReopensWhereItWasClosed) {
  Loaded(DateSerial(2024, 3, 5));
  host_.bounds = {3000, 2000, 4000, 3000};
  ASSERT_TRUE(host_.unload);
  host_.unload();
  EXPECT_EQ(store_.GetSetting("Mirel", "frmCalender", "Left"), "3000");
  EXPECT_EQ(store_.GetSetting("Mirel", "frmCalender", "Height"), "3000");

  host_.bounds = host_.DesignBounds();
  Loaded(DateSerial(2024, 3, 5));
  EXPECT_EQ(host_.bounds, (FormRect{3000, 2000, 4000, 3000}));
}

TEST_F(FrmCalenderTest, OffScreenPositionFallsBackToTheDesignPosition) {
  store_.SaveSetting("Mirel", "frmCalender", "Left", "90000");
  store_.SaveSetting("Mirel", "frmCalender", "Top", "-50000");
  store_.SaveSetting("Mirel", "frmCalender", "Width", "4500");
  store_.SaveSetting("Mirel", "frmCalender", "Height", "3600");
  Loaded(DateSerial(2024, 3, 5));
  EXPECT_EQ(host_.bounds, (FormRect{11175, 7980, 4500, 3600}));
}

TEST_F(FrmCalenderTest, UnreadableStoredValuesAreIgnored) {
  store_.SaveSetting("Mirel", "frmCalender", "Left", "abc");
  store_.SaveSetting("Mirel", "frmCalender", "Top", "100");
  store_.SaveSetting("Mirel", "frmCalender", "Width", "0");
  store_.SaveSetting("Mirel", "frmCalender", "Height", "3600");
  Loaded(DateSerial(2024, 3, 5));
  EXPECT_EQ(host_.bounds, host_.DesignBounds());
}

}  // namespace
}  // namespace mirel
