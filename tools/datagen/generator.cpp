#include "generator.h"

#include "art.h"

namespace datagen {

bool generateDataFolder(const QString& root, QString* error, const QString& mockups) {
    Output out(root);
    if (out.makeFolders()) {
        // Buttons first: the dialogs that appear over other dialogs are drawn over them.
        makeButtons(out);
        makeScreens(out);
        makeDialogs(out);
        makeSettings(out);
        makePages(out);
        makeAids(out);
        makeReportPictures(out);
        makeKeyHints(out);
        // Written last, so that its time tells the build when the folder was complete.
        out.bmp("Data/main.bmp", startScreen());
    }
    if (!out.failed() && !mockups.isEmpty() && !writeMockups(out, mockups)) {
        if (error) *error = QStringLiteral("cannot write mock screens to %1").arg(mockups);
        return false;
    }
    if (out.failed() && error) *error = out.error();
    return !out.failed();
}

}  // namespace datagen
