// The user's settings kept by the toolkit's settings store: values come back in the next run,
// and a store that is damaged or cannot be written never stops the program.

#include "platform/qt/qt_settings.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "test_files.h"

namespace lun4::platform {
namespace {

namespace fs = std::filesystem;

TEST(QtSettingsTest, ValuesComeBackInTheNextRun) {
    testing::TempFolder temp;
    const fs::path file = temp / "LUN4_TORVA" / "ustawienia.ini";
    {
        QtSettings settings(file);
        EXPECT_EQ(settings.value("raport/placowka"), "");
        settings.setValue("raport/placowka", "Poradnia nr 2\r\nw Łodzi, ul. Żółta 5; 50%");
        settings.setValue("pliki/ostatni_folder", "/home/ewa/Dokumenty/Badania 2026");
    }
    EXPECT_TRUE(fs::exists(file));
    QtSettings again(file);
    EXPECT_EQ(again.value("raport/placowka"), "Poradnia nr 2\r\nw Łodzi, ul. Żółta 5; 50%");
    EXPECT_EQ(again.value("pliki/ostatni_folder"), "/home/ewa/Dokumenty/Badania 2026");
    EXPECT_EQ(again.value("raport/miejscowosc_i_data"), "");
}

TEST(QtSettingsTest, AStoreThatCannotBeWrittenKeepsTheValuesOfThisRun) {
    testing::TempFolder temp;
    testing::writeFile(temp / "plik", "to nie jest folder");
    QtSettings settings(temp / "plik" / "ustawienia.ini");
    settings.setValue("raport/placowka", "Poradnia nr 2");
    EXPECT_EQ(settings.value("raport/placowka"), "Poradnia nr 2");
}

TEST(QtSettingsTest, ADamagedStoreIsSetAsideAndBegunAfresh) {
    testing::TempFolder temp;
    const fs::path file = temp / "ustawienia.ini";
    testing::writeFile(file, std::string("[raport\n\xff\xfe\x00garbage=\"\n", 20));
    {
        QtSettings settings(file);
        EXPECT_EQ(settings.value("raport/placowka"), "");
        settings.setValue("raport/placowka", "Poradnia nr 2");
    }
    EXPECT_TRUE(fs::exists(temp / "ustawienia.ini.uszkodzony"));
    EXPECT_EQ(QtSettings(file).value("raport/placowka"), "Poradnia nr 2");
}

}  // namespace
}  // namespace lun4::platform
