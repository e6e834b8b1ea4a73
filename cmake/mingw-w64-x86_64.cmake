# Cross build for 64-bit Windows with Debian's mingw-w64 (the POSIX threading model, which the
# C++ standard library's threads and GoogleTest need). Everything is linked statically, so the
# program and the test executables are single .exe files that need no runtime DLLs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(LUN4_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${LUN4_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${LUN4_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${LUN4_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${LUN4_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The static runtime (libgcc, libstdc++, winpthread), and a static zlib rather than its DLL.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(ZLIB_USE_STATIC_LIBS ON)
