#include "platform/state_folder.h"

#include <QDir>
#include <QStandardPaths>

namespace lun4::platform {

std::filesystem::path recoveryFolder() {
#if QT_VERSION >= QT_VERSION_CHECK(6, 7, 0)
    const auto location = QStandardPaths::StateLocation;
#else
    // Before Qt 6.7 the state folder has no name of its own; the application's local data
    // folder, also per user and never roamed, stands in.
    const auto location = QStandardPaths::AppLocalDataLocation;
#endif
    const QString folder = QStandardPaths::writableLocation(location);
    return std::filesystem::path(folder.toStdU16String()) / "odzysk";
}

std::filesystem::path documentsFolder() {
    // The XDG documents folder (user-dirs.dirs), "~/Documents" when it names none.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty()) folder = QDir::homePath();
    return std::filesystem::path(folder.toStdU16String());
}

bool isSystemProgramFolder(const std::filesystem::path&) {
    return false;
}

}  // namespace lun4::platform
