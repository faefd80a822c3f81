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
# library of the configuration installed. It names no C++ runtime: a C program calls only the C
# interface, which needs none, and a C++ program links its own.
file(RELATIVE_PATH orv_pill_pc_to_prefix "/p/${CMAKE_INSTALL_LIBDIR}/pkgconfig" /p)
if(ORV_PILL_SHARED AND NOT WIN32)
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
# The bindings for Python, Node, Rust and C#, with their tests and the cases they share, in
# share/orv_pill/bindings/<language>: the Rust and C# ones find the library by this prefix's
# layout, the Python and Node ones beside themselves (below).
install(DIRECTORY bindings/
    DESTINATION ${CMAKE_INSTALL_DATADIR}/orv_pill/bindings
    COMPONENT orv_pill_development
    PATTERN node_modules EXCLUDE
    PATTERN target EXCLUDE
    PATTERN Cargo.lock EXCLUDE
    PATTERN __pycache__ EXCLUDE)
# A shared library is also put beside the Python and Node bindings, which find it there after pip
# or npm has copied them elsewhere: under the name they look for first, its soname on Linux.
if(ORV_PILL_SHARED)
    set(orv_pill_name "$<TARGET_SONAME_FILE_NAME:orv_pill>")
    if(WIN32)
        set(orv_pill_name "$<TARGET_FILE_NAME:orv_pill>")
    endif()
    foreach(binding IN ITEMS python/orv_pill node)
        install(FILES "$<TARGET_FILE:orv_pill>"
            DESTINATION ${CMAKE_INSTALL_DATADIR}/orv_pill/bindings/${binding}
            RENAME "${orv_pill_name}"
            COMPONENT orv_pill_runtime)
    endforeach()
endif()
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

install(EXPORT orv_pill_targets
    NAMESPACE orv::
    FILE orv_pillTargets.cmake
    DESTINATION ${ORV_PILL_INSTALL_CMAKEDIR}
    COMPONENT orv_pill_development)
# The platform and, on Windows, the compiler family the library was built for: the package config
# refuses a consumer of another, whose linker could not use it.
include(orv_pillPlatform)
set(ORV_PILL_BUILT_FOR "${_orv_pill_platform}")
configure_package_config_file(cmake/orv_pillConfig.cmake.in
    "${PROJECT_BINARY_DIR}/orv_pillConfig.cmake"
    INSTALL_DESTINATION ${ORV_PILL_INSTALL_CMAKEDIR})
# Any 1.x satisfies a request for 1.y with y <= x; the architecture must match.
write_basic_package_version_file("${PROJECT_BINARY_DIR}/orv_pillConfigVersion.cmake"
    COMPATIBILITY SameMajorVersion)
install(FILES
        cmake/orv_pillPlatform.cmake
        "${PROJECT_BINARY_DIR}/orv_pillConfig.cmake"
        "${PROJECT_BINARY_DIR}/orv_pillConfigVersion.cmake"
    DESTINATION ${ORV_PILL_INSTALL_CMAKEDIR}
    COMPONENT orv_pill_development)
