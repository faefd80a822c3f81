# orv_target_defaults(<target>): how this project compiles its own targets. Standard C++ without
# compiler extensions, and, behind ORV_PILL_WARNINGS, the project's warning set. Everything is
# PRIVATE, so none of it reaches a consumer of the library.
function(orv_target_defaults target)
    set_target_properties(${target} PROPERTIES CXX_EXTENSIONS OFF)
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

