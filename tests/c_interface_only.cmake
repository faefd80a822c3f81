# Holds the compiled library to the C interface alone: no C++ name or C++ runtime symbol among its
# symbols, defined or called; an ELF shared library or a DLL exports the two functions of
# <orv/pill_c.h> and nothing else, the ELF one under the soname SONAME; a DLL imports only what
# every Windows has. A .dylib's exports are not read: the test says it skipped.
#   cmake -DLIBRARY=<file> -DNM=<nm> -DOBJDUMP=<objdump> -DSONAME=<soname>
#         -P c_interface_only.cmake
cmake_minimum_required(VERSION 3.25)
execute_process(COMMAND "${NM}" "${LIBRARY}" OUTPUT_VARIABLE symbols COMMAND_ERROR_IS_FATAL ANY)
# Mach-O puts one more underscore before every name: __Z, ___gxx_.
if(symbols MATCHES " _?(_Z|__gxx_)[^\n]*")
    message(FATAL_ERROR "${LIBRARY} names a C++ symbol:${CMAKE_MATCH_0}")
endif()
if(LIBRARY MATCHES "\\.dll$")
    execute_process(COMMAND "${OBJDUMP}" -p "${LIBRARY}" OUTPUT_VARIABLE table
        COMMAND_ERROR_IS_FATAL ANY)
    string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${table}")
    if(NOT imports STREQUAL "DLL Name: KERNEL32.dll;DLL Name: msvcrt.dll")
        message(FATAL_ERROR "${LIBRARY} imports ${imports}, not only KERNEL32.dll and msvcrt.dll")
    endif()
    # The names of the export table, each after its ordinal.
    string(REGEX MATCH "Pointer\\] Table\n(([^\n]+\n)*)" table "${table}")
    string(REGEX MATCHALL "[A-Za-z0-9_]+\n" exports "${CMAKE_MATCH_1}")
elseif(LIBRARY MATCHES "\\.so")
    execute_process(COMMAND "${NM}" -D --defined-only "${LIBRARY}" OUTPUT_VARIABLE table
        COMMAND_ERROR_IS_FATAL ANY)
    string(REGEX MATCHALL "[A-Za-z0-9_]+\n" exports "${table}")
    execute_process(COMMAND "${OBJDUMP}" -p "${LIBRARY}" OUTPUT_VARIABLE headers
        COMMAND_ERROR_IS_FATAL ANY)
    if(NOT headers MATCHES "SONAME +${SONAME}\n")
        string(REGEX MATCH "SONAME +[^\n]*" found "${headers}")
        message(FATAL_ERROR "${LIBRARY} has the ${found}, not ${SONAME}")
    endif()
elseif(LIBRARY MATCHES "\\.dylib$")
    message("skipped: the exports of a .dylib are not read here, only those of an ELF .so or a DLL")
    return()
else()
    return() # a static library exports nothing
endif()
list(TRANSFORM exports STRIP)
list(SORT exports)
if(NOT exports STREQUAL "orv_pill_version;orv_select_fail_pill")
    message(FATAL_ERROR "${LIBRARY} exports ${exports}, not only the C interface")
endif()
