#include "platform/state_folder.h"

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

}  // namespace lun4::platform
