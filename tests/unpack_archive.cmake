# Packs the build's release archive with cpack and unpacks it as <folder>/prefix, where it was not
# packed, which the packing's own staging folder no longer is, and copies its program alone into
# <folder>/alone; fails unless it holds the licence and the changelog:
#   cmake -DCPACK=<cpack> -DBUILD=<build folder> -DCONFIG=<configuration> -DFOLDER=<folder>
#         -P unpack_archive.cmake
# A build of several configurations packs the one named.
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE "${FOLDER}")
execute_process(COMMAND "${CPACK}" --config "${BUILD}/CPackConfig.cmake" -C "${CONFIG}"
    -B "${FOLDER}" OUTPUT_VARIABLE log ERROR_VARIABLE log RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "cpack failed: ${log}")
endif()
file(REMOVE_RECURSE "${FOLDER}/_CPack_Packages")
file(GLOB archive "${FOLDER}/orv_pill-*")
execute_process(COMMAND "${CMAKE_COMMAND}" -E tar xf "${archive}" WORKING_DIRECTORY "${FOLDER}"
    COMMAND_ERROR_IS_FATAL ANY)
string(REGEX REPLACE "\\.(tar\\.gz|zip)$" "" unpacked "${archive}")
file(RENAME "${unpacked}" "${FOLDER}/prefix")
foreach(file IN ITEMS LICENSE CHANGELOG.md)
    if(NOT EXISTS "${FOLDER}/prefix/share/doc/orv_pill/${file}")
        message(FATAL_ERROR "no share/doc/orv_pill/${file} in ${archive}")
    endif()
endforeach()
file(GLOB program "${FOLDER}/prefix/bin/orv-selftest*")
file(COPY ${program} DESTINATION "${FOLDER}/alone")
