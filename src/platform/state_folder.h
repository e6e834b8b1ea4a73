#pragma once
// Where the program keeps what belongs to the user rather than to the examinees: the user's
// state folder; and the places the system gives the user's documents and its programs.

#include <filesystem>

namespace lun4::platform {

// The folder of the recovery copy ("odzysk" in the user's state folder, whose place the
// system decides). Needs the application's name to be set.
std::filesystem::path recoveryFolder();

// The user's documents folder as the system names it ("~/Dokumenty" on a Polish Linux desktop,
// the Documents known folder on Windows); the home folder when the system names none.
std::filesystem::path documentsFolder();

// Whether `folder` lies in the system's folder for installed programs ("Program Files" on
// Windows); an installed copy keeps nothing of the user's beside itself. Linux tells an
// installed copy by its layout instead (platform/program_folders.h).
bool isSystemProgramFolder(const std::filesystem::path& folder);

}  // namespace lun4::platform
