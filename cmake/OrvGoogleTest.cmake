# GoogleTest for the test suite: the installed package, else its sources in
# FETCHCONTENT_SOURCE_DIR_GOOGLETEST (Debian's /usr/src/googletest by default), else the pinned
# release at ORV_PILL_GTEST_URL, checked by its SHA256. Without any, configuring stops within a
# minute saying how to get it.
set(ORV_PILL_GTEST_URL
    "https://github.com/google/googletest/archive/refs/tags/release-1.12.1.tar.gz"
    CACHE STRING "Where to download GoogleTest when it is neither installed nor in sources")

# A cross build's toolchain file keeps the build machine's own package out of its sight.
find_package(GTest 1.10 CONFIG QUIET)
if(GTest_FOUND)
    return()
endif()

include(FetchContent)
if(NOT FETCHCONTENT_SOURCE_DIR_GOOGLETEST AND EXISTS /usr/src/googletest/CMakeLists.txt)
    set(FETCHCONTENT_SOURCE_DIR_GOOGLETEST /usr/src/googletest)
endif()
# FetchContent retries a download without network for 85 s: one quick try of its own comes first.
set(archive "${CMAKE_BINARY_DIR}/_deps/googletest-release-1.12.1.tar.gz")
if(NOT FETCHCONTENT_SOURCE_DIR_GOOGLETEST AND
    NOT EXISTS "${CMAKE_BINARY_DIR}/_deps/googletest-src/CMakeLists.txt")
    file(DOWNLOAD "${ORV_PILL_GTEST_URL}" "${archive}.part"
        STATUS status TIMEOUT 50 INACTIVITY_TIMEOUT 20)
    if(NOT status MATCHES "^0;")
        file(REMOVE "${archive}.part")
        list(GET status 1 problem)
        message(FATAL_ERROR "GoogleTest, which the test suite needs, is not installed, and "
            "downloading it from ${ORV_PILL_GTEST_URL} failed: ${problem}.\n"
            "Install it (Debian: apt-get install libgtest-dev, or googletest for its "
            "sources), or point FETCHCONTENT_SOURCE_DIR_GOOGLETEST at GoogleTest's sources, "
            "or ORV_PILL_GTEST_URL at a copy of the archive. orv-selftest alone needs no "
            "GoogleTest: cmake --preset selftest.")
    endif()
    file(RENAME "${archive}.part" "${archive}")
endif()
FetchContent_Declare(googletest SYSTEM
    URL "${archive}"
    URL_HASH SHA256=81964fe578e9bd7c94dfdb09c8e4d6e6759e19967e397dbea48d1c10e45d0df2)

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
# A static GoogleTest even in a shared build, whose DLL would have to sit beside every test; in a
# function, so that BUILD_SHARED_LIBS changes for GoogleTest alone.
function(orv_add_googletest)
    set(BUILD_SHARED_LIBS OFF)
    FetchContent_MakeAvailable(googletest)
endfunction()
orv_add_googletest()
# GoogleTest builds itself with -WX under MSVC and clang-cl: a new warning of its own must not fail
# this build.
if(MSVC)
    target_compile_options(gtest PRIVATE /WX-)
    target_compile_options(gtest_main PRIVATE /WX-)
endif()
