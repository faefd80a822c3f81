# Builds a program against the library installed in PREFIX, as a project without CMake does, and
# runs it; fails when either fails:
#   cmake -DPREFIX=<prefix> -DHOW=pkg-config|pkg-config-static -DCC=<C compiler> -DBINARY=<program>
#         [-DLIBRARY=<-l flag>] -P consume_installed.cmake
#                                        tests/consumer/c/main.c, with pkg-config's flags, which
#                                        must name LIBRARY when it is given
#   cmake -DPREFIX=<prefix> -DHOW=meson -DSOURCE=<Meson project> -DBINARY=<folder>
#         -P consume_installed.cmake     a Meson project, which finds the library by pkg-config
# A machine without a tool that the test needs skips it, saying which: Meson finds the library
# through pkg-config and builds with ninja.
cmake_minimum_required(VERSION 3.25)
set(ENV{PKG_CONFIG_PATH} "${PREFIX}/lib/pkgconfig")
set(tools pkg-config)
if(HOW STREQUAL "meson")
    list(APPEND tools meson ninja)
endif()
# A variable of its own for each: find_program does not search again for one that holds a path.
foreach(tool IN LISTS tools)
    find_program(found_${tool} ${tool} NO_CACHE)
    if(NOT found_${tool})
        message("skipped: ${tool} is not installed")
        return()
    endif()
endforeach()
if(HOW STREQUAL "meson")
    file(REMOVE_RECURSE "${BINARY}")
    execute_process(COMMAND "${found_meson}" setup "${BINARY}" "${SOURCE}"
        COMMAND_ERROR_IS_FATAL ANY)
    execute_process(COMMAND "${found_meson}" test -C "${BINARY}" COMMAND_ERROR_IS_FATAL ANY)
    return()
endif()
set(static "")
if(HOW STREQUAL "pkg-config-static")
    set(static --static)
endif()
execute_process(COMMAND "${found_pkg-config}" ${static} --cflags --libs orv_pill
    OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
separate_arguments(flags UNIX_COMMAND "${flags}")
if(LIBRARY AND NOT LIBRARY IN_LIST flags)
    message(FATAL_ERROR "pkg-config gives ${flags}, without ${LIBRARY}")
endif()
execute_process(COMMAND "${CC}" "${CMAKE_CURRENT_LIST_DIR}/consumer/c/main.c" -o "${BINARY}"
    ${flags} COMMAND_ERROR_IS_FATAL ANY)
# Run from elsewhere, so that only the rpath that pkg-config gave finds a shared library.
execute_process(COMMAND "${BINARY}" WORKING_DIRECTORY / COMMAND_ERROR_IS_FATAL ANY)
