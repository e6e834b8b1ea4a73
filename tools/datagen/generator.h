#pragma once
// Draws every picture the program loads into a run folder: Data/, Data/BMP/ with Zad/, Klu/
// and Pom/, Pomoce/, and the empty examinee folder pacjenci/.

#include <QString>

namespace datagen {

// Needs a QGuiApplication. Returns false and sets `error` when a folder or file cannot be
// written. With `mockups` set, also writes PNG mock screens there.
bool generateDataFolder(const QString& root, QString* error, const QString& mockups = QString());

// The program's icon: "lun4-<size>.png" for the desktop's icon theme and "lun4.ico" for
// Windows, written into `folder`.
bool writeIcons(const QString& folder, QString* error);

}  // namespace datagen
