#pragma once
// The command line: the documents written as files without opening the window: the printed
// documents as PDF, the report also as an editable document (by the output's extension),
// and the scores as a sheet.
//
//   lun4 --export DOCUMENT EXAMINEE.pcn OUTPUT.pdf [--aid N] [--place TEXT] [--institution TEXT]
//   lun4 --export report EXAMINEE.pcn OUTPUT.odt [--place TEXT] [--institution TEXT]
//   lun4 --export scores EXAMINEE.pcn OUTPUT.csv
//   lun4 --help

#include <filesystem>

namespace lun4::app {

// Whether the arguments ask for the command line rather than the window.
bool wantsCommandLine(int argc, char** argv);

// Runs the command line and returns the exit status: 0 done, 1 the examinee file could not
// be read or the output not written, 2 the command itself is wrong. Needs no display.
int runCommandLine(int argc, char** argv, const std::filesystem::path& runFolder);

}  // namespace lun4::app
