# Release archives of the installed tree: `cpack` makes orv_pill-<version>-<system> with bin/
# (orv-selftest), include/orv/pill.h, the library and its CMake package under lib/, inside one
# folder of the archive's name. A ZIP for Windows, a .tar.gz elsewhere.
set(CPACK_PACKAGE_NAME orv_pill)
set(CPACK_PACKAGE_VENDOR orv)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
if(WIN32)
    set(CPACK_GENERATOR ZIP)
    if(CMAKE_SIZEOF_VOID_P EQUAL 8)
        set(CPACK_SYSTEM_NAME win64)
    else()
        set(CPACK_SYSTEM_NAME win32)
    endif()
else()
    set(CPACK_GENERATOR TGZ)
    set(CPACK_SYSTEM_NAME "${CMAKE_SYSTEM_NAME}-${CMAKE_SYSTEM_PROCESSOR}")
endif()
# Programs and shared libraries lose their debug symbols; a static library keeps its own.
set(CPACK_STRIP_FILES ON)
# Only what the install rules put there: no source package.
set(CPACK_SOURCE_GENERATOR "")
include(CPack)
