# Release archives of the installed tree: `cpack` makes orv_pill-<version>-<system> with bin/
# (orv-selftest), include/orv/, the library and its CMake package under lib/, and the license and
# changelog under share/doc/orv_pill/, inside one folder of the archive's name. The system part
# says what the archive serves: win64-msvc or win64-mingw (ZIP), or the system, processor and,
# on Linux, the glibc it was built against (.tar.gz); -shared ends it for a shared library.
set(CPACK_PACKAGE_NAME orv_pill)
set(CPACK_PACKAGE_VENDOR orv)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
if(WIN32)
    set(CPACK_GENERATOR ZIP)
    if(MSVC)
        set(CPACK_SYSTEM_NAME win64-msvc)
    else()
        set(CPACK_SYSTEM_NAME win64-mingw)
    endif()
else()
    set(CPACK_GENERATOR TGZ)
    set(CPACK_SYSTEM_NAME "${CMAKE_SYSTEM_NAME}-${CMAKE_SYSTEM_PROCESSOR}")
    # The programs need this glibc or a newer one.
    execute_process(COMMAND getconf GNU_LIBC_VERSION
        OUTPUT_VARIABLE glibc OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    if(glibc MATCHES "^glibc ([0-9.]+)$")
        string(APPEND CPACK_SYSTEM_NAME "-glibc${CMAKE_MATCH_1}")
    endif()
endif()
# A shared build's archive is named apart, so that it never takes the static archive's place.
if(ORV_PILL_SHARED)
    string(APPEND CPACK_SYSTEM_NAME -shared)
endif()
# Programs and shared libraries lose their debug symbols; a static library keeps its own.
set(CPACK_STRIP_FILES ON)
# Only what the install rules put there: no source package.
set(CPACK_SOURCE_GENERATOR "")
include(CPack)
