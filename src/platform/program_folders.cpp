#include "platform/program_folders.h"

#include <fstream>
#include <random>
#include <string>
#include <system_error>

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

}  // namespace lun4::platform
