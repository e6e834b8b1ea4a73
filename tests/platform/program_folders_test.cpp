// Where the program finds its pictures and where the examinee files go: a developer's run
// folder, a portable copy, an installed copy, and a folder chosen in the settings.

#include "platform/program_folders.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "files/file_system.h"
#include "test_files.h"

namespace lun4::platform {
namespace {

namespace fs = std::filesystem;

TEST(ProgramFoldersTest, PortableAndDeveloperCopiesKeepPacjenciBesideThePictures) {
    testing::TempFolder temp;
    const fs::path documents = temp / "Dokumenty";
    // A developer's run folder, the working folder, wins over the program's own folder.
    fs::create_directories(temp / "run" / "data");
    fs::create_directories(temp / "run" / "Pacjenci");
    fs::create_directories(temp / "kopia" / "Data");
    const ProgramPlace run = locateProgramData(temp / "run", temp / "kopia", false);
    EXPECT_EQ(run.dataRoot, temp / "run");
    EXPECT_FALSE(run.installed);
    // "Pacjenci" as it is on disk, in any letter case.
    EXPECT_EQ(examineeFolder(run, "", documents).folder, temp / "run" / "Pacjenci");

    const ProgramPlace portable = locateProgramData(temp / "gdzies", temp / "kopia", false);
    EXPECT_EQ(portable.dataRoot, temp / "kopia");
    const ExamineeFolder made = examineeFolder(portable, "", documents);
    EXPECT_EQ(made.folder, temp / "kopia" / "pacjenci");
    EXPECT_TRUE(made.ready && fs::is_directory(made.folder));
    EXPECT_FALSE(made.chosen);

    // The same copy in the system's folder for programs is an installed one.
    EXPECT_TRUE(locateProgramData(temp / "gdzies", temp / "kopia", true).installed);
}

TEST(ProgramFoldersTest, AnInstalledCopyKeepsTheFilesInTheDocumentsFolder) {
    testing::TempFolder temp;
    fs::create_directories(temp / "usr" / "bin");
    fs::create_directories(temp / "usr" / "share" / "lun4" / "Data");
    const ProgramPlace place = locateProgramData(temp / "home", temp / "usr" / "bin", false);
    EXPECT_EQ(place.dataRoot, temp / "usr" / "share" / "lun4");
    EXPECT_TRUE(place.installed);
    const ExamineeFolder folder = examineeFolder(place, "", temp / "Dokumenty");
    EXPECT_EQ(folder.folder, temp / "Dokumenty" / "LUN4" / "pacjenci");
    EXPECT_TRUE(folder.ready && fs::is_directory(folder.folder));
    EXPECT_EQ(testing::fileNames(temp / "usr" / "share" / "lun4"), std::set<std::string>{"Data"});

    // A portable copy that cannot be written to behaves as an installed one.
    fs::create_directories(temp / "cd" / "Data");
    fs::permissions(temp / "cd", fs::perms::owner_write | fs::perms::group_write |
                                     fs::perms::others_write, fs::perm_options::remove);
    if (::geteuid() != 0) {  // the superuser writes anywhere
        EXPECT_FALSE(canCreateFilesIn(temp / "cd"));
        EXPECT_EQ(examineeFolder(locateProgramData(temp.path(), temp / "cd", false), "", temp / "Dok").folder,
                  temp / "Dok" / "LUN4" / "pacjenci");
    }
    fs::permissions(temp / "cd", fs::perms::owner_write, fs::perm_options::add);
    EXPECT_TRUE(canCreateFilesIn(temp / "cd"));
    EXPECT_EQ(testing::fileNames(temp / "cd"), std::set<std::string>{"Data"});
}

TEST(ProgramFoldersTest, AChosenFolderThatIsNotThereIsReportedNeverMade) {
    testing::TempFolder temp;
    fs::create_directories(temp / "Data");
    const ProgramPlace place = locateProgramData(temp.path(), temp.path(), false);
    const ExamineeFolder gone = examineeFolder(place, pathToUtf8(temp / "Serwer" / "Badania"), temp.path());
    EXPECT_TRUE(gone.chosen);
    EXPECT_FALSE(gone.ready);
    EXPECT_EQ(gone.folder, temp / "Serwer" / "Badania");
    EXPECT_EQ(gone.defaultFolder, temp / "pacjenci");
    EXPECT_FALSE(fs::exists(temp / "Serwer"));
    EXPECT_FALSE(canCreateFilesIn(temp / "Serwer"));
}

}  // namespace
}  // namespace lun4::platform
