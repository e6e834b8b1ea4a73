#pragma once
// The program's icon: the program's mark on a transparent ground, as a Windows icon file with
// 16, 32 and 48 pixel images, which the Windows program carries as its resource; and PNG files
// for the Linux desktop.

#include <QByteArray>
#include <QString>

namespace datagen {

// The bytes of the icon file.
QByteArray programIcon();

// Writes the icon file; false with `error` when it cannot be written.
bool writeProgramIcon(const QString& path, QString* error);

// The same mark for the Linux desktop's icon theme: "lun4-<size>.png" in `folder` for every
// size the installation puts into hicolor (16 to 256 pixels).
bool writeDesktopIcons(const QString& folder, QString* error);

}  // namespace datagen
