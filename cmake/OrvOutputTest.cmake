# orv_add_output_test(<name> <expect> [<program>]): a test that runs orv-selftest (or the program
# at the path given) and holds its standard output, standard error and exit status to <expect>
# exactly (see tests/expect_output.cmake).
# tests/consumer, a project of its own, includes it too.
set(ORV_EXPECT_OUTPUT_SCRIPT "${CMAKE_CURRENT_LIST_DIR}/../tests/expect_output.cmake")
# A Windows console program writes CR LF, whether it was built there or cross-compiled.
if(WIN32)
    set(ORV_EXPECT_CRLF ON)
else()
    set(ORV_EXPECT_CRLF OFF)
endif()
# The emulator is passed in as one argument; the script splits it again.
string(REPLACE ";" "\\;" ORV_EXPECT_EMULATOR "${CMAKE_CROSSCOMPILING_EMULATOR}")

function(orv_add_output_test name expect)
    set(program "$<TARGET_FILE:orv-selftest>")
    if(ARGC GREATER 2)
        set(program "${ARGV2}")
    endif()
    add_test(NAME ${name}
        COMMAND ${CMAKE_COMMAND}
            "-DPROGRAM=${program}"
            "-DOUTPUT_NAME=${name}"
            "-DEMULATOR=${ORV_EXPECT_EMULATOR}"
            -DCRLF=${ORV_EXPECT_CRLF}
            "-DEXPECT=${expect}"
            -P "${ORV_EXPECT_OUTPUT_SCRIPT}")
    set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED orv_first_start)
endfunction()
