# Installs the headers, the library, a pkg-config file, the self-test program and a CMake package,
# so that another project can write find_package(orv_pill CONFIG REQUIRED) and link orv::pill.
include(CMakePackageConfigHelpers)

set(ORV_PILL_INSTALL_CMAKEDIR "${CMAKE_INSTALL_LIBDIR}/cmake/orv_pill"
    CACHE STRING "Where the orv_pill CMake package is installed, relative to the prefix")

install(TARGETS orv_pill
    EXPORT orv_pill_targets
    ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT orv_pill_development
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT orv_pill_runtime
            NAMELINK_COMPONENT orv_pill_development
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT orv_pill_runtime
    INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
# A mingw-w64 DLL's .def and the import library that Visual Studio's linker takes (pill/).
if(ORV_PILL_MSVC_IMPORT)
    install(FILES "${ORV_PILL_MSVC_IMPORT}.def" "${ORV_PILL_MSVC_IMPORT}.lib"
        DESTINATION ${CMAKE_INSTALL_LIBDIR}
        COMPONENT orv_pill_development)
endif()
# The headers, with <orv/pill_config.h>, generated when pill/ was configured.
install(DIRECTORY pill/include/orv "${PROJECT_BINARY_DIR}/include/orv"
    DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}
    COMPONENT orv_pill_development)
# orv_pill.pc, for pkg-config and Meson: it finds the prefix from its own folder and names the
# library of the build installed last. Where the static and the shared library both lie, the linker
# takes the shared one, found through the rpath. The library is C: no other runtime, even --static.
file(RELATIVE_PATH orv_pill_pc_to_prefix "/p/${CMAKE_INSTALL_LIBDIR}/pkgconfig" /p)
if(NOT WIN32)
    set(orv_pill_rpath " -Wl,-rpath,\${libdir}")
endif()
file(GENERATE OUTPUT "${PROJECT_BINARY_DIR}/orv_pill-$<CONFIG>.pc" CONTENT "\
prefix=\${pcfiledir}/${orv_pill_pc_to_prefix}
includedir=\${prefix}/${CMAKE_INSTALL_INCLUDEDIR}
libdir=\${prefix}/${CMAKE_INSTALL_LIBDIR}

Name: orv_pill
Description: The failure pill selection of the status display, for C++ and C
Version: ${PROJECT_VERSION}
Cflags: -I\${includedir}
Libs: -L\${libdir} -l$<TARGET_LINKER_FILE_BASE_NAME:orv_pill>${orv_pill_rpath}
")
install(FILES "${PROJECT_BINARY_DIR}/orv_pill-$<CONFIG>.pc"
    DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig
    RENAME orv_pill.pc
    COMPONENT orv_pill_development)
install(FILES LICENSE CHANGELOG.md
    DESTINATION ${CMAKE_INSTALL_DOCDIR}
    COMPONENT orv_pill_runtime)
if(ORV_PILL_BUILD_SELFTEST)
    install(TARGETS orv-selftest
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT orv_pill_runtime)
    # An installed orv-selftest finds a shared orv_pill beside it in the prefix, wherever that is.
    if(NOT WIN32 AND NOT APPLE)
        file(RELATIVE_PATH ORV_PILL_BIN_TO_LIB
            "${CMAKE_INSTALL_FULL_BINDIR}" "${CMAKE_INSTALL_FULL_LIBDIR}")
        set_target_properties(orv-selftest PROPERTIES
            INSTALL_RPATH "$ORIGIN/${ORV_PILL_BIN_TO_LIB}")
    endif()
endif()

# Named by the library's kind, so that both kinds share a prefix; the package config picks one.
if(ORV_PILL_SHARED)
    set(orv_pill_kind shared)
else()
    set(orv_pill_kind static)
endif()
install(EXPORT orv_pill_targets
    NAMESPACE orv::
    FILE orv_pill-${orv_pill_kind}-targets.cmake
    DESTINATION ${ORV_PILL_INSTALL_CMAKEDIR}
    COMPONENT orv_pill_development)
# What the library was built for: the package config refuses a consumer for another.
include(orv_pillPlatform)
set(ORV_PILL_BUILT_FOR "${_orv_pill_platform}")
configure_package_config_file(cmake/orv_pillConfig.cmake.in
    "${PROJECT_BINARY_DIR}/orv_pillConfig.cmake"
    INSTALL_DESTINATION ${ORV_PILL_INSTALL_CMAKEDIR})
# Any 2.x satisfies a request for 2.y with y <= x; the architecture must match.
write_basic_package_version_file("${PROJECT_BINARY_DIR}/orv_pillConfigVersion.cmake"
    COMPATIBILITY SameMajorVersion)
install(FILES
        cmake/orv_pillPlatform.cmake
        "${PROJECT_BINARY_DIR}/orv_pillConfig.cmake"
        "${PROJECT_BINARY_DIR}/orv_pillConfigVersion.cmake"
    DESTINATION ${ORV_PILL_INSTALL_CMAKEDIR}
    COMPONENT orv_pill_development)
