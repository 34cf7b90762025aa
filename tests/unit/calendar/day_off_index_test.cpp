// The month-day index must answer exactly as reading every date text in file order would.
#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "calendar/day_off_list.h"
#include "components/datetime/date_value.h"
#include "components/datetime/now.h"
#include "components/format/format.h"
#include "components/format/locale_data.h"

namespace mirel {
namespace {

std::string Key(int month, int day, const std::string& separator) {
  char text[3][3];
  std::snprintf(text[0], sizeof text[0], "%02d", month);
  std::snprintf(text[1], sizeof text[1], "%02d", day);
  return std::string(text[0]) + separator + text[1];
}

// The search as the rule reads: each date text normalised by Format(DateText, "mm/dd"), the
// first equal key wins. A text that is no date comes back as written, which equals no key.
// Format is pure here (the clock is fixed), so each text is normalised once per file.
class LinearSearch {
 public:
  explicit LinearSearch(const DayOffList& list) : list_(list) {
    for (const DayOffEntry& entry : list.Entries()) {
      normalised_.push_back(Format(entry.DateText, "mm/dd"));
    }
  }
  std::string Find(const std::string& key) const {
    if (!list_.IsDimensioned()) {
      return "";
    }
    for (std::size_t i = 0; i < normalised_.size(); ++i) {
      if (normalised_[i] == key) {
        return list_.Entries()[i].HolidayName;
      }
    }
    return "";
  }

 private:
  const DayOffList& list_;
  std::vector<std::string> normalised_;
};

std::string RandomDateText(std::mt19937& random) {
  std::uniform_int_distribution<int> month(0, 13);
  std::uniform_int_distribution<int> day(0, 32);
  std::uniform_int_distribution<int> form(0, 9);
  const int m = month(random);
  const int d = day(random);
  const std::string ms = std::to_string(m);
  const std::string ds = std::to_string(d);
  switch (form(random)) {
    case 0:
      return ms + "/" + ds;
    case 1:
      return Key(m, d, "/");
    case 2:
      return "2000/" + ms + "/" + ds;
    case 3:
      return "2001-" + ms + "-" + ds;
    case 4:
      return ms + "月" + ds + "日";
    case 5:
      return "平成13年" + ms + "月" + ds + "日";
    case 6:
      return "2/29";
    case 7:
      return "";
    case 8:
      return "holiday" + ms;
    default:
      return " " + ms + "/" + ds + " 12:00";
  }
}

std::string RandomName(std::mt19937& random) {
  static const std::vector<std::string> kNames = {"", "元日", "a=b", "x", " 振替休日 ", "=", "y"};
  return kNames[std::uniform_int_distribution<std::size_t>(0, kNames.size() - 1)(random)];
}

std::string RandomFile(std::mt19937& random) {
  static const std::vector<std::string> kEndings = {"\r\n", "\n", "\r"};
  std::string file;
  const int lines = std::uniform_int_distribution<int>(0, 40)(random);
  for (int i = 0; i < lines; ++i) {
    switch (std::uniform_int_distribution<int>(0, 9)(random)) {
      case 0:
        file += "note without equals";
        break;
      case 1:
        file += "=";
        break;
      default:
        file += RandomDateText(random) + "=" + RandomName(random);
    }
    file += kEndings[std::uniform_int_distribution<std::size_t>(0, 2)(random)];
  }
  return file;
}

TEST(DayOffIndex, AnswersAsTheLinearSearchOnRandomFiles) {
  const std::string& separator = CurrentLocale().dateSeparator;
  // Every key a day of a leap year gives; no date gives "06/31", so no such key is asked.
  std::vector<std::string> keys;
  constexpr int kDaysInMonth[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  for (int month = 1; month <= 12; ++month) {
    for (int day = 1; day <= kDaysInMonth[month - 1]; ++day) {
      keys.push_back(Key(month, day, separator));
    }
  }
  // Format reads a month and day without a year in the current year: a leap year, so that
  // "2/29" is a date to it as it is to the index in any year.
  ScopedNowOverride now(DateSerial(2024, 6, 1));
  std::mt19937 random(20261207);
  for (int round = 0; round < 60; ++round) {
    // Every other file is UTF-8 with its mark, so the Japanese date forms are read as dates.
    const std::string file = (round % 2 == 0 ? "\xEF\xBB\xBF" : "") + RandomFile(random);
    DayOffList list;
    list.LoadBytes(file);
    const LinearSearch linear(list);
    for (const std::string& key : keys) {
      ASSERT_EQ(list.Find(key), linear.Find(key)) << "key " << key << " in\n" << file;
    }
  }
}

}  // namespace
}  // namespace mirel
