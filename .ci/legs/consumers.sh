# The legs of the library as other projects build with it. CMake, pkg-config plain and --static,
# Meson, one prefix of both kinds in either order, and one of Debug and Release are CTest tests of
# the default preset, which README's second command runs; the legs both-kinds and one-prefix rerun
# theirs alone. The consumers leg takes the toolchains that no preset is.
# shellcheck shell=bash

# Installed from the selftest preset's build: README's C program with a C compiler alone; README's
# C++ program with libstdc++ of either string ABI and with libc++, the two others also running every
# case of the table; and <orv/pill.h> before C++17, refused with one error that says why.
other_consumers() {
    local work=$PWD/out/ci/consumers flags compiler
    rm -rf "$work" && mkdir -p "$work"
    cmake --preset selftest && cmake --build --preset selftest
    cmake --install out/selftest --prefix "$work/prefix"
    export PKG_CONFIG_PATH=$work/prefix/lib/pkgconfig
    read -ra flags < <(pkg-config --cflags --libs orv_pill)
    doc_snippet README.md c >"$work/readme.c" && doc_snippet README.md cpp >"$work/readme.cpp"
    cc -std=c99 -Wall -Wextra -Werror "$work/readme.c" -o "$work/c" "${flags[@]}"
    [ "$("$work/c")" = "$MIC_PERMISSION_LINE" ]
    for compiler in g++ "g++ -D_GLIBCXX_USE_CXX11_ABI=0" "clang++ -std=c++17 -stdlib=libc++"; do
        echo "$compiler:"
        # shellcheck disable=SC2086 # each compiler is a command and its flags
        $compiler -Wall -Wextra -Werror "$work/readme.cpp" -o "$work/cpp" "${flags[@]}"
        [ "$("$work/cpp")" = "$MIC_PERMISSION_LINE" ]
        [ "$compiler" = g++ ] && continue
        # shellcheck disable=SC2086
        $compiler tests/pill_cases.cpp -o "$work/cases" "${flags[@]}" && "$work/cases" tests/cases.tsv
    done
    read -ra flags < <(pkg-config --cflags orv_pill)
    for compiler in clang++ "clang++ -std=c++17 -D_MSVC_LANG=201402L"; do
        # shellcheck disable=SC2086 # the compiler is a command and its flags
        fails_saying "needs C++17 or later" $compiler "${flags[@]}" -fsyntax-only -x c++ - \
            <<<"#include <orv/pill.h>"
        # shellcheck disable=SC2086
        [ "$($compiler "${flags[@]}" -fsyntax-only -x c++ - <<<"#include <orv/pill.h>" 2>&1 |
            grep -c "error:")" -eq 1 ]
    done
}

# Reruns the default preset's CTest tests whose names match <pattern>, and the fixtures they need.
default_preset_tests() {
    cmake --preset default && cmake --build --preset default && ctest --preset default -R "$1"
}

leg consumers "other languages, standard libraries and build systems" other_consumers
leg both-kinds "static and shared library in one prefix, either order" \
    "default_preset_tests (static-shared|shared-static)" rerun
leg one-prefix "Debug and Release in one prefix" "default_preset_tests debug-release" rerun
