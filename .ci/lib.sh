# Helpers that the legs of .ci/run share. Sourced by .ci/run before any leg file; every function
# here takes what it needs as arguments and leaves nothing behind in a global.
# shellcheck shell=bash

# What each example and consumer program prints: the MicPermission pill, on one line.
# shellcheck disable=SC2034 # read by the leg files
readonly MIC_PERMISSION_LINE="Mic access blocked [Open Windows mic settings -> \
ms-settings:privacy-microphone]"

# Configures, builds and tests the preset <name>.
configure_build_test() {
    cmake --preset "$1"
    cmake --build --preset "$1"
    ctest --preset "$1"
}

# Runs <command...>, which must fail, and whose output must contain <message> once its line breaks
# are folded.
fails_saying() {
    local message=$1 log
    shift
    if log=$("$@" 2>&1); then
        echo "should have failed: $*" >&2
        return 1
    fi
    tr -s ' \n' '  ' <<<"$log" | grep -qF -- "$message" || { echo "$log" >&2; return 1; }
    echo "failed, as it should, saying: $message"
}

# The exports of a shared library or DLL, one a line, must be the C interface and nothing else.
expect_exports() {
    local exports
    exports=$(LC_ALL=C sort <<<"$1")
    printf 'exports:\n%s\n' "$exports"
    [ "$exports" = "orv_pill_version
orv_select_fail_pill" ] || { echo "expected only the C interface" >&2; return 1; }
}

# The library files given must define no C++ name; a static one must call nothing either. NM
# names another nm, such as mingw-w64's.
expect_c_only() {
    local file nm=${NM:-nm}
    for file; do
        ! "$nm" --defined-only "$file" | grep -E ' _Z' ||
            { echo "$file defines a C++ name" >&2; return 1; }
        [[ $file != *.a ]] || ! "$nm" --undefined-only "$file" | grep -q ' U ' ||
            { "$nm" --undefined-only "$file" >&2; echo "$file calls out" >&2; return 1; }
        echo "$file: C names only"
    done
}

# Prints the code block that follows the line "<!-- snippet: <name> -->" in the Markdown <file>,
# without its fences, so that a leg runs the docs' code exactly as they show it.
doc_snippet() {
    local snippet
    snippet=$(awk -v marker="<!-- snippet: $2 -->" '
        $0 == marker { found = 1; next }
        found && /^```/ { if (inside) exit; inside = 1; next }
        inside { print }' "$1")
    [ -n "$snippet" ] || { echo "$1 has no snippet '$2'" >&2; return 1; }
    printf '%s\n' "$snippet"
}
