#pragma once
// Where the program keeps what belongs to the user rather than to the examinees: the user's
// state folder.

#include <filesystem>

namespace lun4::platform {

// The folder of the recovery copy ("odzysk" in the user's state folder, whose place the
// system decides). Needs the application's name to be set.
std::filesystem::path recoveryFolder();

}  // namespace lun4::platform
