// lun4_datagen <run folder> [--mockups <folder>]
// Draws the program's data folder into the run folder. Runs without a display.

#include <QGuiApplication>
#include <QTextStream>

#include "generator.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    QString root, mockups;
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--mockups") && i + 1 < args.size()) {
            mockups = args[++i];
        } else if (root.isEmpty()) {
            root = args[i];
        }
    }
    QTextStream err(stderr);
    if (root.isEmpty()) {
        err << "usage: lun4_datagen <run folder> [--mockups <folder>]\n";
        return 2;
    }
    QString error;
    if (!datagen::generateDataFolder(root, &error, mockups)) {
        err << "lun4_datagen: " << error << "\n";
        return 1;
    }
    return 0;
}
