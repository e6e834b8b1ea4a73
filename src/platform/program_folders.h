#pragma once
// Where the program finds its pictures and where the examinee files go.
//
// The pictures ("Data" and "Pomoce") lie in the folder the program is started from (a
// developer's run folder), beside the program (a portable copy, a folder unpacked anywhere),
// or in "../share/lun4" from the program (an installed copy: /usr/bin/lun4 with
// /usr/share/lun4). The examinee files go to the folder chosen in the settings; without a
// choice to "pacjenci" beside the pictures when that folder can be written and is no
// installed copy, else to "LUN4/pacjenci" in the user's documents folder.

#include <filesystem>
#include <string_view>

namespace lun4::platform {

struct ProgramPlace {
    std::filesystem::path dataRoot;  // the folder that holds "Data" and "Pomoce"
    // The pictures were found where an installation puts them ("../share/lun4"), or the
    // program lies in the system's folder for programs: the folder is not the user's.
    bool installed = false;
};

// Looks in `working`, then `programFolder`, then `programFolder/../share/lun4`; when none
// holds "Data" (any letter case) the program's own folder, which the start then reports.
// `systemProgramFolder` says whether the program lies where the system installs programs.
ProgramPlace locateProgramData(const std::filesystem::path& working,
                               const std::filesystem::path& programFolder,
                               bool systemProgramFolder);

// Whether a file can be made in `folder` now: a small file is created and removed again, the
// one test that permissions, read-only disks and network shares all answer truthfully.
bool canCreateFilesIn(const std::filesystem::path& folder);

// The examinee folder when none was chosen: "pacjenci" (any letter case) in a portable,
// writable run folder; else "LUN4/pacjenci" in `documents`.
std::filesystem::path defaultExamineeFolder(const ProgramPlace& place, bool runFolderWritable,
                                            const std::filesystem::path& documents);

struct ExamineeFolder {
    std::filesystem::path folder;         // where files are listed, opened and saved
    std::filesystem::path defaultFolder;  // the program's own choice
    bool chosen = false;                  // the folder was chosen in the settings
    bool ready = false;                   // the folder is there now
};
// The examinee folder of this run: `chosenUtf8` (the settings' choice) when it is not empty,
// else the default, which is made when missing. A chosen folder that is not there now (a
// network folder not connected) is never made in its place: it is reported not ready.
ExamineeFolder examineeFolder(const ProgramPlace& place, std::string_view chosenUtf8,
                              const std::filesystem::path& documents);

}  // namespace lun4::platform
