# Builds README's C or C++ program (SNIPPET c or cpp) against the library installed in PREFIX, as a
# project without CMake does, and holds its output to README's line (expect_output.cmake, with its
# EMULATOR and CRLF); fails when any step fails:
#   cmake -DPREFIX=<prefix> -DHOW=pkg-config|pkg-config-static -DSNIPPET=c|cpp -DBINARY=<program>
#         "-DCOMPILER=<compiler> <flags>" [-DLIBRARY=<-l flag>] [-DCASES=ON]
#         -P consume_installed.cmake
#       with pkg-config's flags, which must name the prefix's own folder, and LIBRARY when it is
#       given; CASES builds tests/pill_cases.cpp alike too and runs it on tests/cases.tsv
#   cmake -DPREFIX=<prefix> -DHOW=meson -DSNIPPET=c|cpp -DBINARY=<folder> -P consume_installed.cmake
#       a Meson project, which finds the library by pkg-config
# A machine without a tool that the test needs skips it, saying which: Meson finds the library
# through pkg-config and builds with ninja.
cmake_minimum_required(VERSION 3.25)
include("${CMAKE_CURRENT_LIST_DIR}/doc_snippet.cmake")
set(ENV{PKG_CONFIG_PATH} "${PREFIX}/lib/pkgconfig")
separate_arguments(compiler UNIX_COMMAND "${COMPILER}")
set(tools pkg-config)
if(HOW STREQUAL "meson")
    list(APPEND tools meson ninja)
else()
    string(REGEX MATCH "^[^ ]+" tool "${COMPILER}")
    list(APPEND tools ${tool})
endif()
# A variable of its own for each: find_program does not search again for one that holds a path.
foreach(tool IN LISTS tools)
    find_program(found_${tool} ${tool} NO_CACHE)
    if(NOT found_${tool})
        message("skipped: ${tool} is not installed")
        return()
    endif()
endforeach()
# The standard library that a flag asks for must be there to link a program.
if(COMPILER MATCHES "-stdlib=(lib[a-z+]+)")
    file(WRITE "${BINARY}-probe.cpp"
        "#include <string>\nint main() { return std::string().empty() ? 0 : 1; }\n")
    execute_process(COMMAND ${compiler} "${BINARY}-probe.cpp" -o "${BINARY}-probe"
        RESULT_VARIABLE failed OUTPUT_QUIET ERROR_QUIET)
    if(failed)
        message("skipped: ${CMAKE_MATCH_1} is not installed")
        return()
    endif()
endif()

set(source "${BINARY}-source/main.${SNIPPET}")
orv_doc_snippet(README.md ${SNIPPET} "${source}")
if(HOW STREQUAL "meson")
    set(options "")
    if(SNIPPET STREQUAL "cpp")
        set(options ", default_options: ['cpp_std=c++17']")
    endif()
    file(WRITE "${BINARY}-source/meson.build" "project('consumer', '${SNIPPET}'${options})\n"
        "executable('consumer', 'main.${SNIPPET}', dependencies: dependency('orv_pill'))\n")
    file(REMOVE_RECURSE "${BINARY}")
    execute_process(COMMAND "${found_meson}" setup "${BINARY}" "${BINARY}-source"
        COMMAND_ERROR_IS_FATAL ANY)
    execute_process(COMMAND "${found_meson}" compile -C "${BINARY}" COMMAND_ERROR_IS_FATAL ANY)
    set(PROGRAM "${BINARY}/consumer")
else()
    set(static "")
    if(HOW STREQUAL "pkg-config-static")
        set(static --static)
    endif()
    execute_process(COMMAND "${found_pkg-config}" ${static} --cflags --libs orv_pill
        OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(flags UNIX_COMMAND "${flags}")
    # An unpacked archive's orv_pill.pc names the folder it lies in, not where it was packed.
    list(GET flags 0 include)
    string(FIND "${include}" "-I${PREFIX}/" at)
    if(NOT at EQUAL 0)
        message(FATAL_ERROR "pkg-config gives ${include}, not a folder in ${PREFIX}")
    endif()
    if(LIBRARY AND NOT LIBRARY IN_LIST flags)
        message(FATAL_ERROR "pkg-config gives ${flags}, without ${LIBRARY}")
    endif()
    execute_process(COMMAND ${compiler} "${source}" -o "${BINARY}" ${flags}
        COMMAND_ERROR_IS_FATAL ANY)
    if(CASES)
        set(cases "${CMAKE_CURRENT_LIST_DIR}/pill_cases.cpp")
        execute_process(COMMAND ${compiler} "${cases}" -o "${BINARY}-cases" ${flags}
            COMMAND_ERROR_IS_FATAL ANY)
        execute_process(COMMAND ${EMULATOR} "${BINARY}-cases" "${CMAKE_CURRENT_LIST_DIR}/cases.tsv"
            COMMAND_ERROR_IS_FATAL ANY)
    endif()
    set(PROGRAM "${BINARY}")
endif()
get_filename_component(OUTPUT_NAME "${BINARY}" NAME)
set(EXPECT mic-permission)
include("${CMAKE_CURRENT_LIST_DIR}/expect_output.cmake")
