# Cross-compiles for 64-bit Windows with Debian's mingw-w64 (package g++-mingw-w64-x86-64).
# The posix thread model is named explicitly: GoogleTest itself needs std::mutex and
# std::condition_variable, and the suite std::thread, which the default win32 model lacks.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ORV_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ORV_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ORV_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${ORV_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${ORV_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Packages are looked for in the root first, then where CMAKE_PREFIX_PATH points, so that a
# consumer finds an unpacked Windows release archive there.
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)

# Link the C and C++ runtimes and winpthread into each .exe and DLL, so that it runs on a bare
# Windows with nothing beside it but the system's own DLLs (and this project's DLL). A program
# takes them all with -static. A DLL takes libgcc and libstdc++ by their own flags (plain -static
# there would make a DLL that exports nothing its own); winpthread, which the posix thread model's
# runtime needs, is linked whole from its static archive after the objects, since the driver's own
# -lpthread would import it from its DLL.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++")
set(CMAKE_CXX_STANDARD_LIBRARIES
    "-Wl,-Bstatic,--whole-archive -lwinpthread -Wl,--no-whole-archive"
    CACHE STRING "Libraries linked by default with all C++ programs and libraries")

# Lets CTest run the Windows programs here, under Wine.
if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
    find_program(ORV_WINE_PROGRAM wine)
    if(ORV_WINE_PROGRAM)
        set(CMAKE_CROSSCOMPILING_EMULATOR ${ORV_WINE_PROGRAM})
    endif()
endif()
