// Another copy of the program, for the tests: takes the lock of the examinee file named on the
// command line as the program does, says "taken" or "held", and keeps it until its standard
// input closes. With "--leave" it then ends without giving the lock back, as a killed program
// would.

#include <unistd.h>

#include <cstdio>
#include <cstring>

#include "files/examinee_lock.h"
#include "files/file_system.h"

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    lun4::ExamineeLock lock(lun4::systemFileSystem());
    const bool taken = lock.take(argv[1]).taken;
    std::printf(taken ? "taken\n" : "held\n");
    std::fflush(stdout);
    char c;
    while (::read(0, &c, 1) > 0) {
    }
    if (argc > 2 && std::strcmp(argv[2], "--leave") == 0) ::_exit(0);
    return 0;
}
