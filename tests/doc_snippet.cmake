# orv_doc_snippet(<document> <name> <file>): writes the code block that follows the line
# "<!-- snippet: <name> -->" of the project's <document> (README.md, HACKING.md) to <file>, so that
# a test builds the docs' code exactly as they show it.
function(orv_doc_snippet document name file)
    file(READ "${CMAKE_CURRENT_FUNCTION_LIST_DIR}/../${document}" text)
    if(NOT text MATCHES "\n<!-- snippet: ${name} -->\n```[a-z]*\n([^`]*)```")
        message(FATAL_ERROR "${document} has no snippet ${name}")
    endif()
    file(WRITE "${file}" "${CMAKE_MATCH_1}")
endfunction()
