#include "platform/state_folder.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace lun4::platform {
namespace {

TEST(StateFolder, RecoveryCopiesAreKeptInTheUsersLocalApplicationData) {
    wchar_t local[MAX_PATH];
    ASSERT_GT(::GetEnvironmentVariableW(L"LOCALAPPDATA", local, MAX_PATH), 0u);
    EXPECT_EQ(recoveryFolder(), std::filesystem::path(local) / L"LUN4_TORVA" / L"odzysk");
}

}  // namespace
}  // namespace lun4::platform
