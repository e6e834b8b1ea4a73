#include "platform/win32/win32_settings.h"

#include <gtest/gtest.h>

namespace lun4::platform {
namespace {

constexpr wchar_t kKey[] = L"Software\\LUN4_TORVA_tests";

class SettingsTest : public ::testing::Test {
  protected:
    SettingsTest() { ::RegDeleteTreeW(HKEY_CURRENT_USER, kKey); }
    ~SettingsTest() override { ::RegDeleteTreeW(HKEY_CURRENT_USER, kKey); }
};

TEST_F(SettingsTest, ValuesLastFromOneRunToTheNextInPolish) {
    Win32Settings(kKey).setValue("okładka/placówka", "Poradnia „Źródło” nr 3");
    const Win32Settings next(kKey);
    EXPECT_EQ(next.value("okładka/placówka"), "Poradnia „Źródło” nr 3");
    EXPECT_EQ(next.value("brak"), "");
}

// A value of another kind (written by hand, or by another program) reads as nothing, and the
// program goes on; what this run sets it keeps.
TEST_F(SettingsTest, AValueOfAnotherKindReadsAsNothing) {
    HKEY key = nullptr;
    ASSERT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                                &key, nullptr),
              ERROR_SUCCESS);
    const DWORD number = 7;
    ::RegSetValueExW(key, L"folder", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                     sizeof number);
    ::RegCloseKey(key);
    Win32Settings settings(kKey);
    EXPECT_EQ(settings.value("folder"), "");
    settings.setValue("folder", "C:\\Badania");
    EXPECT_EQ(settings.value("folder"), "C:\\Badania");
    EXPECT_EQ(Win32Settings(kKey).value("folder"), "C:\\Badania");
}

}  // namespace
}  // namespace lun4::platform
