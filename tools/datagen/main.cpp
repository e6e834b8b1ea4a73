// lun4_datagen <run folder> [--mockups <folder>]
// lun4_datagen --icon <file.ico>
// lun4_datagen --icons <folder>   (the PNG icons of the Linux desktop)
// Draws the program's data folder into the run folder, or the Windows program's icon. Runs
// without a display.

#include <QGuiApplication>
#include <QTextStream>

#include "generator.h"
#include "icon.h"

namespace {

// The offscreen platform has no session: keep its note about the runtime folder out of the
// build log, pass everything else on.
QtMessageHandler defaultHandler = nullptr;

void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QLatin1String("XDG_RUNTIME_DIR"))) return;
    defaultHandler(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    defaultHandler = qInstallMessageHandler(quietHandler);
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    QString root, mockups, icon, icons;
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--mockups") && i + 1 < args.size()) {
            mockups = args[++i];
        } else if (args[i] == QLatin1String("--icons") && i + 1 < args.size()) {
            icons = args[++i];
        } else if (args[i] == QLatin1String("--icon") && i + 1 < args.size()) {
            icon = args[++i];
        } else if (root.isEmpty()) {
            root = args[i];
        }
    }
    QTextStream err(stderr);
    QString error;
    if (!icon.isEmpty()) {
        if (datagen::writeProgramIcon(icon, &error)) return 0;
        err << "lun4_datagen: " << error << "\n";
        return 1;
    }
    if (!icons.isEmpty()) {
        if (datagen::writeDesktopIcons(icons, &error)) return 0;
        err << "lun4_datagen: " << error << "\n";
        return 1;
    }
    if (root.isEmpty()) {
        err << "usage: lun4_datagen <run folder> [--mockups <folder>] | --icon <file.ico> | --icons <folder>\n";
        return 2;
    }
    if (!datagen::generateDataFolder(root, &error, mockups)) {
        err << "lun4_datagen: " << error << "\n";
        return 1;
    }
    return 0;
}
