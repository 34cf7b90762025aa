#include "components/settings/registry_store.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "components/errors.h"
#include "components/win32/text_conversion.h"

namespace mirel {
namespace {

constexpr char kApp[] = "MirelRegistryTest";
constexpr wchar_t kAppKey[] = L"Software\\VB and VBA Program Settings\\MirelRegistryTest";
constexpr wchar_t kSectionKey[] =
    L"Software\\VB and VBA Program Settings\\MirelRegistryTest\\frmMirel";

class RegistryStoreTest : public ::testing::Test {
 protected:
  void SetUp() override { ::RegDeleteTreeW(HKEY_CURRENT_USER, kAppKey); }
  void TearDown() override { ::RegDeleteTreeW(HKEY_CURRENT_USER, kAppKey); }

  // Writes a raw value of any type, as another program (or an older version) might have.
  static void WriteRaw(const wchar_t* name, DWORD type, const void* data, DWORD bytes) {
    ASSERT_EQ(::RegSetKeyValueW(HKEY_CURRENT_USER, kSectionKey, name, type, data, bytes),
              ERROR_SUCCESS);
  }

  RegistryStore store;
};

TEST_F(RegistryStoreTest, RoundTripAtTheSharedPlace) {
  const std::string values[] = {"yyyy/mm/dd hh:nn:ss", "ggge年m月d日(aaa) hh:nn", "   ", ""};
  for (const std::string& value : values) {
    store.SaveSetting(kApp, "frmMirel", "Format", value);
    EXPECT_EQ(store.GetSetting(kApp, "frmMirel", "Format", "<default>"), value);
    // Stored where settings of the earlier program are, as REG_SZ.
    wchar_t raw[128];
    DWORD bytes = sizeof(raw);
    DWORD type = 0;
    ASSERT_EQ(
        ::RegGetValueW(HKEY_CURRENT_USER, kSectionKey, L"Format", RRF_RT_ANY, &type, raw, &bytes),
        ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(win32::WideToUtf8(raw), value);
  }
}

TEST_F(RegistryStoreTest, ValueWrittenByOthersIsRead) {
  const wchar_t text[] = L"\u4EE4\u548Cyy\u5E74";  // 令和yy年
  WriteRaw(L"Format", REG_SZ, text, sizeof(text));
  EXPECT_EQ(store.GetSetting(kApp, "frmMirel", "Format"), "令和yy年");
  // Stored without its terminating NUL, as careless writers do.
  WriteRaw(L"Format", REG_SZ, L"hh:nn", 5 * sizeof(wchar_t));
  EXPECT_EQ(store.GetSetting(kApp, "frmMirel", "Format"), "hh:nn");
}

TEST_F(RegistryStoreTest, MissingOrUnreadableGivesTheDefault) {
  EXPECT_EQ(store.GetSetting(kApp, "frmMirel", "Format"), "");  // no key at all
  EXPECT_EQ(store.GetSetting(kApp, "frmMirel", "Format", "d"), "d");
  store.SaveSetting(kApp, "frmMirel", "Other", "x");
  EXPECT_EQ(store.GetSetting(kApp, "frmMirel", "Format", "d"), "d");  // key, no value

  const DWORD number = 42;
  const BYTE binary[] = {0x79, 0x00, 0x79, 0x00};
  const wchar_t multi[] = L"yy\0mm\0";
  const wchar_t expandable[] = L"%OS% yy";
  struct Case {
    DWORD type;
    const void* data;
    DWORD bytes;
  };
  const Case wrongTypes[] = {
      {REG_DWORD, &number, sizeof(number)},
      {REG_BINARY, binary, sizeof(binary)},
      {REG_MULTI_SZ, multi, sizeof(multi)},
      {REG_EXPAND_SZ, expandable, sizeof(expandable)},
      {REG_NONE, nullptr, 0},
  };
  for (const Case& c : wrongTypes) {
    WriteRaw(L"Format", c.type, c.data, c.bytes);
    EXPECT_EQ(store.GetSetting(kApp, "frmMirel", "Format", "d"), "d") << "type " << c.type;
  }
}

TEST_F(RegistryStoreTest, LongValuesSurvive) {
  const std::string longValue(5000, 'y');
  store.SaveSetting(kApp, "frmMirel", "Format", longValue);
  EXPECT_EQ(store.GetSetting(kApp, "frmMirel", "Format"), longValue);
}

TEST_F(RegistryStoreTest, EmptyNamesCannotBeSaved) {
  EXPECT_THROW(store.SaveSetting("", "frmMirel", "Format", "x"), RunTimeError);
  EXPECT_THROW(store.SaveSetting(kApp, "", "Format", "x"), RunTimeError);
  EXPECT_EQ(store.GetSetting("", "frmMirel", "Format", "d"), "d");
}

}  // namespace
}  // namespace mirel
