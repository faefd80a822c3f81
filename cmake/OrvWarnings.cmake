# orv_target_warnings(<target>): the project's warning set for its own targets only. It is added
# PRIVATE, so it never reaches a consumer of the library.
function(orv_target_warnings target)
    if(NOT ORV_PILL_WARNINGS)
        return()
    endif()
    if(MSVC)
        target_compile_options(${target} PRIVATE /W4 /permissive-)
        if(ORV_PILL_WARNINGS_AS_ERRORS)
            target_compile_options(${target} PRIVATE /WX)
        endif()
    else()
        target_compile_options(${target} PRIVATE
            -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion -Wold-style-cast
            -Wnon-virtual-dtor -Woverloaded-virtual -Wcast-align -Wnull-dereference
            -Wdouble-promotion -Wformat=2 -Wimplicit-fallthrough)
        if(ORV_PILL_WARNINGS_AS_ERRORS)
            target_compile_options(${target} PRIVATE -Werror)
        endif()
    endif()
endfunction()
