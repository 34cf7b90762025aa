// The holiday file on Windows: which files count, a file locked by another program, and the
// platform's decoding of code page 932 and UTF-8 without a byte-order mark.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "calendar/day_off_list.h"
#include "calendar/day_off_text.h"
#include "tests/support/test_handles_win.h"

namespace mirel {
namespace {

namespace fs = std::filesystem;

class DayOffFileWin : public testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              (std::string("mirel_day_off_") + std::to_string(::GetCurrentProcessId()) + "_" +
               testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    file_ = DayOffPath(folder_);
  }
  void TearDown() override {
    ::SetFileAttributesW(file_.c_str(), FILE_ATTRIBUTE_NORMAL);
    std::error_code error;
    fs::remove_all(folder_, error);
  }
  void Write(const std::string& bytes) { std::ofstream(file_, std::ios::binary) << bytes; }
  bool SetAttribute(DWORD attribute) {
    return ::SetFileAttributesW(file_.c_str(), attribute) &&
           (::GetFileAttributesW(file_.c_str()) & attribute) != 0;
  }

  fs::path folder_;
  fs::path file_;
};

TEST_F(DayOffFileWin, PathUsesTheBackslash) {
  EXPECT_EQ(DayOffPath(L"C:\\Program Files\\Mirel"), L"C:\\Program Files\\Mirel\\DayOff.dat");
  EXPECT_EQ(DayOffPath(L"C:\\"), L"C:\\DayOff.dat");
}

TEST_F(DayOffFileWin, PlainFileIsRead) {
  Write("1/1=A\r\n1/2=B");
  DayOffList list;
  list.Load(file_);
  EXPECT_EQ(list.Find("01/02", "/"), "B");
}

TEST_F(DayOffFileWin, HiddenAndSystemFilesDoNotCount) {
  Write("1/1=A");
  for (const DWORD attribute : {FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_SYSTEM}) {
    ::SetFileAttributesW(file_.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!SetAttribute(attribute)) {
      GTEST_SKIP() << "this file system keeps no attribute " << attribute;
    }
    DayOffList list;
    list.Load(file_);
    EXPECT_FALSE(list.IsDimensioned()) << attribute;
  }
}

TEST_F(DayOffFileWin, DirectoryDoesNotCount) {
  fs::create_directory(file_);
  DayOffList list;
  list.Load(file_);
  EXPECT_FALSE(list.IsDimensioned());
}

TEST_F(DayOffFileWin, FileLockedByAnotherProgramThrowsNothing) {
  Write("1/1=A");
  // Opened with no sharing, the way an editor may hold it.
  win32::UniqueFileHandle lock(::CreateFileW(file_.c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                                             nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                             nullptr));
  ASSERT_TRUE(lock);
  DayOffList list;
  EXPECT_NO_THROW(list.Load(file_));
  ASSERT_TRUE(list.IsDimensioned());
  EXPECT_EQ(list.Entries().size(), 1u);
  EXPECT_EQ(list.Find("01/01", "/"), "");
}

TEST(DayOffDecodingWin, CodePage932) {
  AnsiDecoder decoder(932);
  EXPECT_EQ(decoder.Decode("\x8C\xB3\x93\xFA"), "元日");
  EXPECT_EQ(decoder.Decode("\x81\x40"
                           "5/3"),
            "　5/3");
  // Invalid pairs and a lead byte at the end each lose one byte to U+FFFD, nothing more.
  EXPECT_EQ(decoder.Decode("\x85\x40\x8C\xB3"), "\xEF\xBF\xBD@元");
  EXPECT_EQ(decoder.Decode("a\x8C"), "a\xEF\xBF\xBD");
  EXPECT_EQ(decoder.Decode(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(DayOffDecodingWin, SystemCodePageWhenJapanese) {
  if (::GetACP() != 932) {
    GTEST_SKIP() << "system code page " << ::GetACP();
  }
  DayOffList list;
  list.LoadBytes(
      "\x95\xBD\x90\xAC"
      "12\x94\x4E"
      "5\x8C\x8E"
      "4\x93\xFA"
      "=\x8C\xB3\x93\xFA");
  EXPECT_EQ(list.Find("05/04", "/"), "元日");
  // Saved as UTF-8 without a byte-order mark (Notepad's default), the same line reads alike.
  list.LoadBytes("平成12年5月4日=元日");
  EXPECT_EQ(list.Find("05/04", "/"), "元日");
}

}  // namespace
}  // namespace mirel
