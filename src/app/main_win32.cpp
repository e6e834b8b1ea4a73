// LUN4 on Windows: the entry point makes the window, wires the program over it and runs the
// message loop; with --export or --help it writes to the console it was started from instead.

#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/program.h"
#include "platform/data_paths.h"
#include "platform/state_folder.h"
#include "platform/win32/program_dialog.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_window.h"

namespace {

namespace fs = std::filesystem;
using lun4::platform::fromCp1250;
using lun4::platform::toUtf8;

// The arguments as UTF-8, whatever the system's code page.
std::vector<std::string> arguments() {
    int count = 0;
    LPWSTR* wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::vector<std::string> out;
    for (int i = 0; i < count; ++i) out.push_back(toUtf8(wide[i]));
    ::LocalFree(wide);
    return out;
}

fs::path programFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        path.resize(path.size() * 2);
    }
    return fs::path(path).parent_path();
}

// The run folder holds "Data", "Pomoce" and "pacjenci". It is the working folder; a program
// started from elsewhere (a shortcut, the Start menu) falls back to its own folder.
fs::path runFolder() {
    std::error_code ec;
    const fs::path working = fs::current_path(ec);
    lun4::platform::DataPaths probe(working);
    if (!ec && probe.resolve("Data")) return working;
    return programFolder();
}

// A program without a console of its own writes to the console it was started from, when
// there is one and its output is not already going to a file or a pipe.
void useStartingConsole() {
    const bool toFile = ::GetFileType(::GetStdHandle(STD_OUTPUT_HANDLE)) != FILE_TYPE_UNKNOWN;
    const bool errorsToFile = ::GetFileType(::GetStdHandle(STD_ERROR_HANDLE)) != FILE_TYPE_UNKNOWN;
    if (toFile && errorsToFile) return;
    if (!::AttachConsole(ATTACH_PARENT_PROCESS)) return;
    ::SetConsoleOutputCP(CP_UTF8);
    if (!toFile) std::freopen("CONOUT$", "w", stdout);
    if (!errorsToFile) std::freopen("CONOUT$", "w", stderr);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    std::vector<std::string> args = arguments();
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    const int argc = static_cast<int>(args.size());
    if (lun4::app::wantsCommandLine(argc, argv.data())) {
        useStartingConsole();
        const int status = lun4::app::runCommandLine(argc, argv.data(), runFolder());
        std::fflush(stdout);
        std::fflush(stderr);
        return status;
    }

    const fs::path root = runFolder();
    std::error_code ec;
    fs::current_path(root, ec);
    lun4::platform::DataPaths paths(root);
    if (const auto problem = lun4::app::missingPictures(paths)) {
        lun4::platform::showProgramDialog(
            nullptr, {fromCp1250(problem->caption), fromCp1250(problem->text), {L"OK"}, 0, false});
        return 1;
    }

    lun4::platform::Win32Window window(paths);
    lun4::app::Program program(window, paths, lun4::platform::recoveryFolder());
    program.listenTo(window);
    window.showOnWholeScreen();
    return window.run();
}
