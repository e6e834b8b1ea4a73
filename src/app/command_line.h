#pragma once
// The command line: the documents written as PDF files without opening the window.
//
//   lun4 --export DOCUMENT EXAMINEE.pcn OUTPUT.pdf [--aid N] [--place TEXT] [--institution TEXT]
//   lun4 --help

#include <filesystem>

namespace lun4::app {

// Whether the arguments ask for the command line rather than the window.
bool wantsCommandLine(int argc, char** argv);

// Runs the command line and returns the exit status: 0 done, 1 the examinee file could not
// be read or the output not written, 2 the command itself is wrong. Needs no display.
int runCommandLine(int argc, char** argv, const std::filesystem::path& runFolder);

}  // namespace lun4::app
