# Fails unless the ELF shared library has the soname given, saying which it has:
#   cmake -DLIBRARY=<file> -DOBJDUMP=<objdump> -DSONAME=<soname> -P soname.cmake
cmake_minimum_required(VERSION 3.25)
execute_process(COMMAND "${OBJDUMP}" -p "${LIBRARY}" OUTPUT_VARIABLE headers
    COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCH "SONAME +([^\n]*)" found "${headers}")
if(NOT CMAKE_MATCH_1 STREQUAL SONAME)
    message(FATAL_ERROR "the soname is '${CMAKE_MATCH_1}', not ${SONAME}")
endif()
