// Test main for the platform: a QApplication on the offscreen platform, with the toolkit's
// Polish translations and the program's look, as the program starts.
#include <gtest/gtest.h>

#include <QApplication>

#include "platform/qt/program_look.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    lun4::platform::installPolishTranslations(app);
    lun4::platform::applyProgramLook(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
