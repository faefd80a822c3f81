# The legs that use the installed library as other projects do: other languages, compilers,
# standard libraries and build systems, and Debug and Release installed into one prefix.
# shellcheck shell=bash

# The library installed static and shared: README's C snippet exactly as README shows it; g++,
# and Meson's C++ and C projects, through pkg-config; a C-only CMake project; and C++ programs
# built against libc++ and against libstdc++'s old string, which include the same header and get
# every case of the table right. No C program needs a C++ runtime flag. And <orv/pill.h> before
# C++17: one error, which says why.
other_consumers() {
    local work=$PWD/out/ci/consumers expected=$MIC_PERMISSION_LINE
    local kind compiler twins flags
    rm -rf "$work" && mkdir -p "$work"
    doc_snippet README.md c >"$work/readme.c"
    for kind in OFF ON; do
        install_prefix "$work/build-$kind" "$work/$kind" -DBUILD_SHARED_LIBS=$kind
        export PKG_CONFIG_PATH=$work/$kind/lib/pkgconfig
        read -ra flags < <(pkg-config --cflags --libs orv_pill)
        g++ tests/consumer/main.cpp -o "$work/cxx" "${flags[@]}"
        "$work/cxx"
        meson setup "$work/meson-$kind" tests/consumer
        meson test -C "$work/meson-$kind"
        meson setup "$work/meson-c-$kind" tests/consumer/c
        meson test -C "$work/meson-c-$kind"
        ctest --build-and-test tests/consumer/c "$work/cmake-c-$kind" --build-generator \
            "Unix Makefiles" --build-options "-DCMAKE_PREFIX_PATH=$work/$kind" \
            --test-command c_consumer
        twins=("cc -std=c99 -Wall -Wextra -Werror -x c" "g++ -D_GLIBCXX_USE_CXX11_ABI=0 -x c++"
            "clang++ -stdlib=libc++ -x c++")
        for compiler in "${twins[@]}"; do
            # shellcheck disable=SC2086 # each compiler is a command and its flags
            $compiler "$work/readme.c" -x none -o "$work/c" "${flags[@]}"
            [ "$("$work/c")" = "$expected" ] || { echo "$compiler: $("$work/c")" >&2; return 1; }
        done
        for compiler in "clang++ -std=c++17 -stdlib=libc++" "g++ -D_GLIBCXX_USE_CXX11_ABI=0"; do
            echo "$compiler, every case:"
            # shellcheck disable=SC2086 # the compiler is a command and its flags
            $compiler tests/pill_cases.cpp -o "$work/cases" "${flags[@]}"
            "$work/cases" tests/cases.tsv
        done
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

# The static and the shared library installed into one prefix, in either order: the installed
# files define no C++ name, and the static one calls nothing; README's C program through pkg-config,
# plain and --static, prints the pill; and a CMake consumer links the static library, or the
# shared one when it sets BUILD_SHARED_LIBS.
both_kinds() {
    local work=$PWD/out/ci/both-kinds order kind prefix static shared flags linked expected
    rm -rf "$work" && mkdir -p "$work"
    for kind in static shared; do
        cmake --preset selftest -B "$work/build-$kind" \
            "-DBUILD_SHARED_LIBS=$([ $kind = shared ] && echo ON || echo OFF)"
        cmake --build "$work/build-$kind"
    done
    doc_snippet README.md c >"$work/readme.c"
    for order in "static shared" "shared static"; do
        prefix=$work/prefix-${order// /-}
        for kind in $order; do cmake --install "$work/build-$kind" --prefix "$prefix"; done
        expect_c_only "$prefix/lib/liborv_pill.a" "$prefix/lib/liborv_pill.so"
        for static in "" --static; do
            read -ra flags < <(PKG_CONFIG_PATH=$prefix/lib/pkgconfig \
                pkg-config $static --cflags --libs orv_pill)
            cc "$work/readme.c" -o "$work/c" "${flags[@]}"
            [ "$(cd / && "$work/c")" = "$MIC_PERMISSION_LINE" ]
            echo "installed $order, pkg-config ${static:-plain}: the pill"
        done
        for shared in OFF ON; do
            consume "$work/consumer-$shared" "$prefix" Release -DBUILD_SHARED_LIBS=$shared \
                -DCMAKE_VERBOSE_MAKEFILE=ON >"$work/consumer.log" ||
                { cat "$work/consumer.log"; return 1; }
            expected=liborv_pill.a
            [ $shared = OFF ] || expected=liborv_pill.so
            linked=$(grep -oE 'liborv_pill\.(a|so)\b' "$work/consumer.log" | sort -u | xargs)
            echo "installed $order, a consumer with BUILD_SHARED_LIBS=$shared links $linked"
            [ "$linked" = "$expected" ] || { echo "expected $expected" >&2; return 1; }
            rm -rf "$work/consumer-$shared"
        done
    done
}

# Debug and Release installed into one prefix: both libraries stay, a Debug consumer links the
# Debug one, and every other consumer (Release, RelWithDebInfo, no build type) the Release one.
# A C program links the Debug library too with no C++ runtime.
debug_and_release() {
    local prefix=out/ci/one-prefix build_type
    rm -rf "$prefix" out/ci/one-prefix-consumers
    for build_type in Debug Release; do
        install_prefix "out/ci/$build_type" "$prefix" "-DCMAKE_BUILD_TYPE=$build_type"
        # orv_pill.pc names the library of the configuration installed last.
        grep -Fx "Libs: -L\${libdir} -lorv_pill$([ $build_type = Release ] || echo d)\
 -Wl,-rpath,\${libdir}" \
            "$prefix/lib/pkgconfig/orv_pill.pc"
    done
    ls "$prefix"/lib/liborv_pill.a "$prefix"/lib/liborv_pilld.a
    doc_snippet README.md c >out/ci/one-prefix-readme.c
    cc out/ci/one-prefix-readme.c -I "$prefix/include" "$prefix/lib/liborv_pilld.a" \
        -o out/ci/one-prefix-c
    [ "$(out/ci/one-prefix-c)" = "$MIC_PERMISSION_LINE" ]
    local config folder expected linked
    for config in Debug Release RelWithDebInfo ""; do
        folder=out/ci/one-prefix-consumers/${config:-none}
        mkdir -p "$folder"
        consume "$folder" "$PWD/$prefix" "$config" -DCMAKE_VERBOSE_MAKEFILE=ON >"$folder.log" ||
            { cat "$folder.log"; return 1; }
        expected=liborv_pill.a
        [ "$config" != Debug ] || expected=liborv_pilld.a
        linked=$(grep -oE 'liborv_pilld?\.a' "$folder.log" | sort -u | xargs)
        echo "consumer (${config:-no build type}) links $linked"
        [ "$linked" = "$expected" ] || { echo "expected $expected" >&2; return 1; }
    done
}

leg consumers "other languages, standard libraries and build systems" other_consumers
leg both-kinds "static and shared library in one prefix, either order" both_kinds
leg one-prefix "Debug and Release in one prefix" debug_and_release
