#include "components/format/system_eras.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace mirel {
namespace {

EraInfo Era(int y, int m, int d, const char* name, const char* abbreviation, const char* letter) {
  return EraInfo{y, m, d, letter, abbreviation, name};
}

TEST(MergeSystemEras, SystemDataFirstBuiltInFillsTheFuture) {
  const std::vector<EraInfo> builtIn = {Era(1989, 1, 8, "平成", "平", "H"),
                                        Era(2019, 5, 1, "令和", "令", "R")};
  using Values = std::vector<std::pair<std::string, std::string>>;
  struct Case {
    const char* what;
    Values values;
    std::vector<std::string> names;
  };
  const Case cases[] = {
      {"none", {}, {"平成", "令和"}},
      {"all unreadable", {{"1989 01", "平成_平_Heisei_H"}, {"x y z", "a_b_c_d"}}, {"平成", "令和"}},
      {"an older system: the built-in later era is added",
       {{"1926 12 25", "昭和_昭_Showa_S"}, {"1989 01 08", "平成_平_Heisei_H"}},
       {"昭和", "平成", "令和"}},
      {"a newer system: its future era is used",
       {{"2019 05 01", "令和_令_Reiwa_R"}, {"2100 01 01", "未来_未_Mirai_M"}},
       {"令和", "未来"}},
      {"order of the values does not matter, bad entries are skipped",
       {{"2019 05 01", "令和_令_Reiwa_R"},
        {"1989 01 08", "broken"},
        {"1989 01 08", "平成_平_Heisei_H"},
        {"1868 13 01", "明治_明_Meiji_M"}},
       {"平成", "令和"}},
      {"two eras starting on one day: the first is kept, spaces in the date are no matter",
       {{"1989  01 08", "平成_平_Heisei_H"}, {"1989 01 08 ", "別_別_Betsu_B"}},
       {"平成", "令和"}},
      {"a year outside the range of dates, or a part missing, is unreadable",
       {{"0099 01 01", "古_古_Furu_F"},
        {"1989 01 08", "平成__Heisei_H"},
        {"1989 01 08", "平成_平_Heisei_"},
        {"2019 05 01", "令和_令_Reiwa_R"}},
       {"令和"}},
  };
  for (const Case& c : cases) {
    std::vector<std::string> names;
    for (const EraInfo& era : MergeSystemEras(c.values, builtIn)) {
      names.push_back(era.name);
    }
    EXPECT_EQ(names, c.names) << c.what;
  }
  const EraInfo parsed = MergeSystemEras({{"1989 01 08", "平成_平_Heisei_H"}}, {}).front();
  EXPECT_EQ(parsed.startYear, 1989);
  EXPECT_EQ(parsed.startMonth, 1);
  EXPECT_EQ(parsed.startDay, 8);
  EXPECT_EQ(parsed.abbreviation, "平");
  EXPECT_EQ(parsed.letter, "H");
}

}  // namespace
}  // namespace mirel
