# Runs orv-selftest and compares its standard output, standard error and exit status with what is
# expected, exactly. CTest merges the two streams and a regular expression ignores the exit
# status, so neither can prove "this on one stream, nothing on the other, and this status".
#
#   -DPROGRAM=<path>        the program to run
#   -DOUTPUT_NAME=<name>    where its streams are kept: <name>.stdout and <name>.stderr
#   -DEMULATOR=<command>    how to start it, when it is built for another platform (a ;-list)
#   -DCRLF=ON               expect the CR LF line ending of a Windows console program
#   -DEXPECT=pass           the success line on standard output, status 0
#   -DEXPECT=write-error    standard output is a full device: the write failure on standard error
#   -DEXPECT=closed-pipe    standard output is a pipe whose reader has gone: the same
#   -DEXPECT=mic-permission README's line of the MicPermission pill, status 0 (README's programs)
cmake_minimum_required(VERSION 3.25)

set(eol "\n")
if(CRLF)
    set(eol "\r\n")
endif()

set(stdout_file "")
set(expected_stderr "")
set(expected_status 0)
if(EXPECT STREQUAL "pass")
    set(expected_stdout "all tests passed${eol}")
elseif(EXPECT STREQUAL "mic-permission")
    set(expected_stdout
        "Mic access blocked [Open Windows mic settings -> ms-settings:privacy-microphone]${eol}")
elseif(EXPECT STREQUAL "write-error" OR EXPECT STREQUAL "closed-pipe")
    if(EXPECT STREQUAL "write-error")
        set(stdout_file /dev/full)
    endif()
    set(expected_stdout "")
    set(expected_stderr "FAIL: could not write to standard output${eol}")
    set(expected_status 1)
else()
    message(FATAL_ERROR
        "EXPECT must be pass, mic-permission, write-error or closed-pipe, not '${EXPECT}'")
endif()

# The streams go to files and are read back as bytes: execute_process's own output variables
# drop the CR of a CR LF pair, which would hide the line ending under test.
set(capture "${CMAKE_CURRENT_BINARY_DIR}/${OUTPUT_NAME}")
if(NOT stdout_file)
    set(stdout_file "${capture}.stdout")
endif()
file(REMOVE "${capture}.stdout" "${capture}.stderr")
set(run COMMAND ${EMULATOR} "${PROGRAM}")
if(EXPECT STREQUAL "closed-pipe")
    # The reader, true, ends at once. The program starts only after a write into the pipe has
    # failed, so its own write finds no reader however the two processes are scheduled.
    set(run COMMAND sh -c "while (printf x) 2>/dev/null\ndo sleep 0.01\ndone\nexec \"$@\""
        sh ${EMULATOR} "${PROGRAM}" COMMAND true)
endif()
execute_process(${run}
    OUTPUT_FILE "${stdout_file}"
    ERROR_FILE "${capture}.stderr"
    RESULTS_VARIABLE statuses)
list(GET statuses 0 actual_status)
# file(READ) drops a CR before LF too, so the streams are compared as hexadecimal bytes.
foreach(stream IN ITEMS stdout stderr)
    string(HEX "${expected_${stream}}" expected_${stream}_bytes)
    set(actual_${stream}_bytes "")
    if(EXISTS "${capture}.${stream}")
        file(READ "${capture}.${stream}" actual_${stream}_bytes HEX)
    endif()
endforeach()

# Shows a text from its bytes in hexadecimal, each control byte (CR and LF too) as \xNN.
function(visible out bytes)
    string(REGEX MATCHALL ".." pairs "${bytes}")
    set(text "")
    foreach(pair IN LISTS pairs)
        math(EXPR code "0x${pair}")
        if(code LESS 32 OR code GREATER 126)
            string(APPEND text "\\x${pair}")
        else()
            string(ASCII ${code} character)
            string(APPEND text "${character}")
        endif()
    endforeach()
    set(${out} "'${text}'" PARENT_SCOPE)
endfunction()

set(mismatches "")
foreach(stream IN ITEMS stdout stderr)
    if(NOT actual_${stream}_bytes STREQUAL expected_${stream}_bytes)
        visible(expected "${expected_${stream}_bytes}")
        visible(actual "${actual_${stream}_bytes}")
        string(APPEND mismatches "\n  ${stream}: expected ${expected}\n  ${stream}:   actual ${actual}")
    endif()
endforeach()
if(NOT actual_status STREQUAL expected_status)
    string(APPEND mismatches
        "\n  status: expected ${expected_status}\n  status:   actual ${actual_status}")
endif()
if(mismatches)
    message(FATAL_ERROR "${PROGRAM}:${mismatches}")
endif()
