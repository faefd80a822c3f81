# orv_doc_snippet(<document> <name> <file>): writes the code block that follows the line
# "<!-- snippet: <name> -->" of the project's <document> (README.md, HACKING.md) to <file>, so that
# a test or a CI leg builds or runs the docs' code exactly as they show it. As a script:
#   cmake -DDOCUMENT=<document> -DNAME=<name> -DFILE=<file> -P doc_snippet.cmake
function(orv_doc_snippet document name file)
    file(READ "${CMAKE_CURRENT_FUNCTION_LIST_DIR}/../${document}" text)
    # The block's lines up to the first that begins with a backtick, its closing fence.
    if(NOT text MATCHES "\n<!-- snippet: ${name} -->\n```[a-z]*\n(([^`\n][^\n]*\n|\n)*)```")
        message(FATAL_ERROR "${document} has no snippet '${name}'")
    endif()
    file(WRITE "${file}" "${CMAKE_MATCH_1}")
endfunction()
if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
    orv_doc_snippet("${DOCUMENT}" "${NAME}" "${FILE}")
endif()
