#pragma once
// The program's icon: the program's mark on a transparent ground, as a Windows icon file with
// 16, 32 and 48 pixel images, which the Windows program carries as its resource.

#include <QByteArray>
#include <QString>

namespace datagen {

// The bytes of the icon file.
QByteArray programIcon();

// Writes the icon file; false with `error` when it cannot be written.
bool writeProgramIcon(const QString& path, QString* error);

}  // namespace datagen
