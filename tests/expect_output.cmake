# Runs a self-test program and compares its standard output, standard error and exit status with
# what is expected, exactly. CTest merges the two streams and a regular expression ignores the
# exit status, so neither can prove "this on one stream, nothing on the other, and status 1".
#
#   -DPROGRAM=<path>        the program to run
#   -DEMULATOR=<command>    how to start it, when it is built for another platform (a ;-list)
#   -DCRLF=ON               expect the CR LF line ending of a Windows console program
#   -DEXPECT=pass           the success line on standard output, status 0
#   -DEXPECT=<line>         the failure line of the check at that line on standard error, status 1
#   -DEXPECT=write-error    standard output is a full device: the write failure on standard error
#   -DSPOIL=<call:change>   passed on as ORV_SPOIL, for the selection double
#   -DCALL_LIMIT=<n>        passed on as ORV_CALL_LIMIT, for the selection double
cmake_minimum_required(VERSION 3.21)

if(CRLF)
    set(eol "\r\n")
else()
    set(eol "\n")
endif()

set(stdout_file "")
if(EXPECT STREQUAL "pass")
    set(expected_stdout "all tests passed${eol}")
    set(expected_stderr "")
    set(expected_status 0)
elseif(EXPECT STREQUAL "write-error")
    set(stdout_file OUTPUT_FILE /dev/full)
    set(expected_stdout "")
    set(expected_stderr "FAIL: could not write to standard output${eol}")
    set(expected_status 1)
elseif(EXPECT MATCHES "^[1-9][0-9]*$")
    function(orv_selftest_check line spoil text)
        if(line EQUAL EXPECT)
            set(check_text "${text}" PARENT_SCOPE)
        endif()
    endfunction()
    include("${CMAKE_CURRENT_LIST_DIR}/selftest_checks.cmake")
    if(NOT DEFINED check_text)
        message(FATAL_ERROR "no self-test check at line ${EXPECT}")
    endif()
    set(expected_stdout "")
    set(expected_stderr "FAIL: ${check_text} at line ${EXPECT}${eol}")
    set(expected_status 1)
else()
    message(FATAL_ERROR "EXPECT must be pass, write-error or a check's line, not '${EXPECT}'")
endif()

set(ENV{ORV_SPOIL} "${SPOIL}")
set(ENV{ORV_CALL_LIMIT} "${CALL_LIMIT}")
execute_process(COMMAND ${EMULATOR} "${PROGRAM}"
    ${stdout_file}
    OUTPUT_VARIABLE actual_stdout
    ERROR_VARIABLE actual_stderr
    RESULT_VARIABLE actual_status)

# Shows line breaks, so that LF against CR LF is visible in a failure report.
function(visible out text)
    string(REPLACE "\r" "\\r" text "${text}")
    string(REPLACE "\n" "\\n" text "${text}")
    set(${out} "'${text}'" PARENT_SCOPE)
endfunction()

set(mismatches "")
foreach(stream IN ITEMS stdout stderr status)
    if(NOT "${actual_${stream}}" STREQUAL "${expected_${stream}}")
        visible(expected "${expected_${stream}}")
        visible(actual "${actual_${stream}}")
        string(APPEND mismatches "\n  ${stream}: expected ${expected}\n  ${stream}:   actual ${actual}")
    endif()
endforeach()
if(mismatches)
    message(FATAL_ERROR "${PROGRAM} (ORV_SPOIL='${SPOIL}'):${mismatches}")
endif()
