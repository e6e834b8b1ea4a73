#pragma once
// Examinee file names: one file "<name>.pcn" per examinee in the examinee folder. Names are
// cp1250 inside the program (typed in the save-name box, shown in the list) and UTF-8 on
// disk.

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace lun4 {

inline constexpr std::string_view kExamineeExtension = ".pcn";

// Creates the examinee folder when it is missing. False when it is not a usable folder
// afterwards (for instance a file of that name is in the way).
bool ensureExamineeFolder(const std::filesystem::path& folder);

// The path of an entry of the examinee folder named in cp1250 (with its extension).
std::filesystem::path examineePath(const std::filesystem::path& folder,
                                   std::string_view cp1250Name);

// Why a typed name cannot be saved, as a Polish message in cp1250; empty when it can. The
// name is the one typed, without the extension.
std::string refusedNameReason(std::string_view cp1250Name);

// Polish alphabetical order of cp1250 texts: letters compared without regard to case, with
// ą after a, ć after c and so on; letters of other languages right after their base letter;
// digits and punctuation before letters. Texts equal by that measure are ordered by case and
// finally by their bytes, so the order is total.
int comparePolish(std::string_view a, std::string_view b);
inline bool polishLess(std::string_view a, std::string_view b) {
    return comparePolish(a, b) < 0;
}

// The examinee files of the folder (regular files ending in ".pcn", any letter case), as
// cp1250 names with their extension, in Polish alphabetical order of the names without the
// extension. Files whose names cp1250 cannot hold are left out: the program could not have
// written them and could not show them. A missing folder lists nothing.
std::vector<std::string> listExamineeFiles(const std::filesystem::path& folder);

// A file name (cp1250) as it is shown in `width` pixels measured by `measure`: whole when it
// fits, else its name shortened with "…" and the extension whole ("Nowakowska-Kow….pcn"); a
// name without ".pcn" is shortened at its end.
std::string fittedFileName(std::string_view name, int width,
                           const std::function<int(std::string_view)>& measure);

}  // namespace lun4
