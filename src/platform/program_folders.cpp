#include "platform/program_folders.h"

#include <fstream>
#include <random>
#include <string>
#include <system_error>

#include "files/file_system.h"
#include "platform/data_paths.h"

namespace lun4::platform {

namespace fs = std::filesystem;

ProgramPlace locateProgramData(const fs::path& working, const fs::path& programFolder,
                               bool systemProgramFolder) {
    if (DataPaths(working).resolve("Data")) return {working, false};
    if (DataPaths(programFolder).resolve("Data")) return {programFolder, systemProgramFolder};
    const fs::path shared = programFolder.parent_path() / "share" / "lun4";
    if (DataPaths(shared).resolve("Data")) return {shared, true};
    return {programFolder, systemProgramFolder};
}

bool canCreateFilesIn(const fs::path& folder) {
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) return false;
    std::random_device random;
    const fs::path probe = folder / (".lun4-zapis-" + std::to_string(random()) + ".tmp");
    bool made = false;
    {
        std::ofstream out(probe, std::ios::binary | std::ios::trunc);
        made = out.good() && (out << 'x') && out.flush().good();
    }
    fs::remove(probe, ec);
    return made && !ec;
}

fs::path defaultExamineeFolder(const ProgramPlace& place, bool runFolderWritable,
                               const fs::path& documents) {
    if (!place.installed && runFolderWritable) {
        return DataPaths(place.dataRoot).resolve("pacjenci").value_or(place.dataRoot / "pacjenci");
    }
    return documents / "LUN4" / "pacjenci";
}

ExamineeFolder examineeFolder(const ProgramPlace& place, std::string_view chosenUtf8,
                              const fs::path& documents) {
    ExamineeFolder result;
    result.defaultFolder = defaultExamineeFolder(
        place, !place.installed && canCreateFilesIn(place.dataRoot), documents);
    result.chosen = !chosenUtf8.empty();
    result.folder = result.chosen ? pathFromUtf8(chosenUtf8) : result.defaultFolder;
    std::error_code ec;
    if (!result.chosen && !fs::is_directory(result.folder, ec)) {
        fs::create_directories(result.folder, ec);
    }
    result.ready = fs::is_directory(result.folder, ec);
    return result;
}

}  // namespace lun4::platform
