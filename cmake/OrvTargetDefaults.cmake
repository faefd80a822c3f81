# orv_target_defaults(<target>): how this project builds its own targets. Standard C and C++ without
# compiler extensions; with mingw-w64, runtimes linked in; and, behind ORV_PILL_WARNINGS, the
# project's warning set. Everything is PRIVATE, so none of it reaches a consumer of the library.
function(orv_target_defaults target)
    set_target_properties(${target} PROPERTIES CXX_EXTENSIONS OFF C_EXTENSIONS OFF)
    # A mingw-w64 program of this project carries the C and C++ runtimes and winpthread, so that
    # it runs on a bare Windows with only the system's DLLs (and this project's) beside it. The
    # DLL is C and needs none of them.
    get_target_property(type ${target} TYPE)
    if(MINGW AND type STREQUAL "EXECUTABLE")
        target_link_options(${target} PRIVATE -static)
    endif()

    if(NOT ORV_PILL_WARNINGS)
        return()
    endif()
    if(MSVC)
        target_compile_options(${target} PRIVATE /W4 $<$<COMPILE_LANGUAGE:CXX>:/permissive->)
        if(ORV_PILL_WARNINGS_AS_ERRORS)
            target_compile_options(${target} PRIVATE /WX)
        endif()
    else()
        target_compile_options(${target} PRIVATE
            -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion -Wcast-align
            -Wnull-dereference -Wdouble-promotion -Wformat=2 -Wimplicit-fallthrough
            $<$<COMPILE_LANGUAGE:CXX>:-Wold-style-cast -Wnon-virtual-dtor -Woverloaded-virtual>)
        if(ORV_PILL_WARNINGS_AS_ERRORS)
            target_compile_options(${target} PRIVATE -Werror)
        endif()
    endif()
endfunction()
