# GoogleTest for the test suite (GTest::gtest_main), from the first of:
#   1. an installed GoogleTest package (Debian: libgtest-dev);
#   2. its sources in ORV_PILL_GTEST_SOURCE_DIR (Debian's googletest package: /usr/src/googletest);
#   3. the pinned GoogleTest release at ORV_PILL_GTEST_URL, accepted only with its SHA256.
# Without any of them, configuring stops within a minute with a message that says how to get it.
set(ORV_PILL_GTEST_SOURCE_DIR "/usr/src/googletest"
    CACHE PATH "GoogleTest sources, built when no installed GoogleTest package is found")
set(ORV_PILL_GTEST_URL
    "https://github.com/google/googletest/archive/refs/tags/release-1.12.1.tar.gz"
    CACHE STRING "Where to download GoogleTest when it is neither installed nor in sources")
set(ORV_PILL_GTEST_SHA256 "81964fe578e9bd7c94dfdb09c8e4d6e6759e19967e397dbea48d1c10e45d0df2"
    CACHE STRING "The SHA256 of the archive at ORV_PILL_GTEST_URL")

# A cross build could find the build machine's own package, which it cannot link.
if(NOT CMAKE_CROSSCOMPILING)
    find_package(GTest 1.10 CONFIG QUIET)
    if(GTest_FOUND)
        return()
    endif()
endif()

set(gtest_sources "${ORV_PILL_GTEST_SOURCE_DIR}")
if(NOT EXISTS "${gtest_sources}/CMakeLists.txt")
    # Downloaded here rather than by FetchContent, whose download retries for 85 s whatever its
    # TIMEOUT says and then reports a build log, not what to do.
    set(gtest_sources "${CMAKE_BINARY_DIR}/_deps/googletest-${ORV_PILL_GTEST_SHA256}")
    if(NOT EXISTS "${gtest_sources}/CMakeLists.txt")
        set(archive "${gtest_sources}.download")
        message(STATUS "GoogleTest: downloading ${ORV_PILL_GTEST_URL}")
        file(DOWNLOAD "${ORV_PILL_GTEST_URL}" "${archive}"
            STATUS status TIMEOUT 50 INACTIVITY_TIMEOUT 20)
        list(GET status 0 code)
        list(GET status 1 problem)
        if(code EQUAL 0)
            file(SHA256 "${archive}" actual)
            if(NOT actual STREQUAL ORV_PILL_GTEST_SHA256)
                set(code 1)
                set(problem "its SHA256 is ${actual}, not ${ORV_PILL_GTEST_SHA256}")
            endif()
        endif()
        if(NOT code EQUAL 0)
            file(REMOVE "${archive}")
            message(FATAL_ERROR "GoogleTest, which the test suite needs, is not installed, and "
                "downloading it from ${ORV_PILL_GTEST_URL} failed: ${problem}.\n"
                "Install it (Debian: apt-get install libgtest-dev, or googletest for its "
                "sources), or point ORV_PILL_GTEST_SOURCE_DIR at GoogleTest's sources, or "
                "ORV_PILL_GTEST_URL at a copy of the archive. orv-selftest alone needs no "
                "GoogleTest: cmake --preset selftest.")
        endif()
        # The archive holds GoogleTest in one folder, which becomes the sources' folder.
        file(ARCHIVE_EXTRACT INPUT "${archive}" DESTINATION "${gtest_sources}.part")
        file(GLOB unpacked "${gtest_sources}.part/*")
        file(RENAME "${unpacked}" "${gtest_sources}")
        file(REMOVE_RECURSE "${archive}" "${gtest_sources}.part")
    endif()
endif()

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
# Always a static GoogleTest, even in a shared build of the library: its DLL would have to sit
# beside every test program, and it shares no state with the library. In a function, so that
# BUILD_SHARED_LIBS changes only for GoogleTest.
function(orv_add_googletest)
    set(BUILD_SHARED_LIBS OFF)
    add_subdirectory("${gtest_sources}" "${CMAKE_BINARY_DIR}/_deps/googletest-build"
        EXCLUDE_FROM_ALL SYSTEM)
endfunction()
orv_add_googletest()
# GoogleTest compiles itself with -W4 -WX under every MSVC-like compiler, clang-cl included, so a
# new warning inside GoogleTest would fail the build. /WX- comes after its own flags and turns
# that off for GoogleTest alone; this project's targets stay strict.
if(MSVC)
    target_compile_options(gtest PRIVATE /WX-)
    target_compile_options(gtest_main PRIVATE /WX-)
endif()
