# Builds and runs the consumer project against this build of the library, the way a user would:
#   -DMODE=package       installs BUILD_DIR into a fresh prefix, then find_package from there
#   -DMODE=subdirectory  add_subdirectory of SOURCE_DIR
#   -DMODE=fetchcontent  FetchContent of SOURCE_DIR
#   -DMODE=archive       unpacks the release archive ARCHIVE, then find_package from there
#   -DMODE=prefix        find_package from PREFIX, where builds are already installed
# with -DSOURCE_DIR, -DBUILD_DIR, -DWORK_DIR, -DGENERATOR (and -DGENERATOR_PLATFORM,
# -DGENERATOR_TOOLSET), -DCXX_COMPILER, -DCXX_FLAGS and -DBUILD_TYPE describing this build; for a
# cross build, -DTOOLCHAIN_FILE and -DEMULATOR (which runs its programs) as well. Fails when any
# step fails or the output is not exact.
cmake_minimum_required(VERSION 3.21)

function(run)
    execute_process(COMMAND ${ARGV} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT status EQUAL 0)
        string(REPLACE ";" " " command "${ARGV}")
        message(FATAL_ERROR "failed (${status}): ${command}\n${out}")
    endif()
endfunction()

# A single-config build without a build type has no configuration to name.
set(config "")
if(BUILD_TYPE)
    set(config --config "${BUILD_TYPE}")
endif()

# Windows programs, whether run there or under an emulator, end in .exe.
set(exe "")
if(CMAKE_HOST_WIN32 OR TOOLCHAIN_FILE)
    set(exe .exe)
endif()

set(work "${WORK_DIR}/${MODE}")
file(REMOVE_RECURSE "${work}")
file(MAKE_DIRECTORY "${work}")

set(consume -DORV_CONSUME=${MODE} "-DORV_PILL_SOURCE_DIR=${SOURCE_DIR}")
if(MODE MATCHES "^(package|archive|prefix)$")
    # Either way the consumer finds an installed tree.
    set(consume -DORV_CONSUME=package)
    if(MODE STREQUAL "package")
        set(prefix "${work}/prefix")
        run("${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${prefix}" ${config})
    elseif(MODE STREQUAL "prefix")
        set(prefix "${PREFIX}")
    else()
        # The archive holds one folder, named as the archive is, with the installed tree in it.
        file(ARCHIVE_EXTRACT INPUT "${ARCHIVE}" DESTINATION "${work}")
        string(REGEX REPLACE "\\.(tar\\.gz|zip)$" "" folder "${ARCHIVE}")
        get_filename_component(folder "${folder}" NAME)
        set(prefix "${work}/${folder}")
    endif()
    foreach(installed IN ITEMS include/orv/pill.h include/orv/pill_config.h
            lib/cmake/orv_pill/orv_pillConfig.cmake lib/cmake/orv_pill/orv_pillConfigVersion.cmake
            lib/cmake/orv_pill/orv_pillTargets.cmake share/doc/orv_pill/LICENSE)
        if(NOT EXISTS "${prefix}/${installed}")
            message(FATAL_ERROR "not installed: ${installed}")
        endif()
    endforeach()
    # The installed program is the self-test itself.
    execute_process(COMMAND ${EMULATOR} "${prefix}/bin/orv-selftest${exe}" RESULT_VARIABLE status
        OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT status EQUAL 0 OR NOT out STREQUAL "all tests passed\n" OR NOT err STREQUAL "")
        message(FATAL_ERROR "installed orv-selftest: status ${status}, '${out}', '${err}'")
    endif()
    list(APPEND consume "-DCMAKE_PREFIX_PATH=${prefix}")
else()
    # A subproject asked for its install rules still leaves packing to the outer project.
    list(APPEND consume -DORV_PILL_INSTALL=ON)
endif()

if(TOOLCHAIN_FILE)
    list(APPEND consume "-DCMAKE_TOOLCHAIN_FILE=${TOOLCHAIN_FILE}")
elseif(GENERATOR MATCHES "^Visual Studio")
    # Visual Studio picks its compiler by platform and toolset, not by path.
    if(GENERATOR_PLATFORM)
        list(APPEND consume -A "${GENERATOR_PLATFORM}")
    endif()
    if(GENERATOR_TOOLSET)
        list(APPEND consume -T "${GENERATOR_TOOLSET}")
    endif()
else()
    list(APPEND consume "-DCMAKE_CXX_COMPILER=${CXX_COMPILER}")
endif()
run("${CMAKE_COMMAND}" -S "${SOURCE_DIR}/tests/consumer" -B "${work}/build" -G "${GENERATOR}"
    "-DCMAKE_CXX_FLAGS=${CXX_FLAGS}"
    "-DCMAKE_BUILD_TYPE=${BUILD_TYPE}" ${consume})
if(EXISTS "${work}/build/CPackConfig.cmake")
    message(FATAL_ERROR "the library wrote the consumer's CPackConfig.cmake")
endif()
run("${CMAKE_COMMAND}" --build "${work}/build" ${config})

find_program(consumer consumer${exe}
    PATHS "${work}/build" "${work}/build/${BUILD_TYPE}" NO_DEFAULT_PATH)
# Output read this way loses the CR of a Windows program's CR LF.
execute_process(COMMAND ${EMULATOR} "${consumer}" RESULT_VARIABLE status OUTPUT_VARIABLE out)
set(expected "1 Mic access blocked | Open Windows mic settings | ms-settings:privacy-microphone | dismissable\n")
if(NOT status EQUAL 0 OR NOT out STREQUAL expected)
    message(FATAL_ERROR "consumer: status ${status}, output '${out}'")
endif()
