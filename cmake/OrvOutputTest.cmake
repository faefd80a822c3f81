# orv_add_output_test(<name> <program> <expect> [SPOIL <call:change>] [CALLS <n>]): a test that
# runs a self-test program and holds its standard output, standard error and exit status to
# <expect> exactly (see tests/expect_output.cmake for what <expect> may be).
set(ORV_EXPECT_OUTPUT_SCRIPT "${PROJECT_SOURCE_DIR}/tests/expect_output.cmake")
# A Windows console program writes CR LF, whether it was built there or cross-compiled.
if(WIN32)
    set(ORV_EXPECT_CRLF ON)
else()
    set(ORV_EXPECT_CRLF OFF)
endif()
# The emulator is passed in as one argument; the script splits it again.
string(REPLACE ";" "\\;" ORV_EXPECT_EMULATOR "${CMAKE_CROSSCOMPILING_EMULATOR}")

function(orv_add_output_test name program expect)
    cmake_parse_arguments(PARSE_ARGV 3 arg "" "SPOIL;CALLS" "")
    add_test(NAME ${name}
        COMMAND ${CMAKE_COMMAND}
            "-DPROGRAM=$<TARGET_FILE:${program}>"
            "-DOUTPUT_NAME=${name}"
            "-DEMULATOR=${ORV_EXPECT_EMULATOR}"
            -DCRLF=${ORV_EXPECT_CRLF}
            "-DEXPECT=${expect}"
            "-DSPOIL=${arg_SPOIL}"
            "-DCALLS=${arg_CALLS}"
            -P "${ORV_EXPECT_OUTPUT_SCRIPT}")
endfunction()
