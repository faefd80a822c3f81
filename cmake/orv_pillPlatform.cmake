# Sets _orv_pill_platform to what a library built with the current compiler links into: the
# platform and, on Windows, the compiler family (Visual Studio's cl and clang-cl, or mingw-w64),
# whose runtimes and library files differ. Read when the library is built, and again by its installed
# package config in the project that looks for it, so that the two are described alike.
set(_orv_pill_platform "${CMAKE_SYSTEM_NAME}")
if(MSVC)
    string(APPEND _orv_pill_platform " (Visual Studio)")
elseif(WIN32)
    string(APPEND _orv_pill_platform " (mingw-w64)")
endif()
