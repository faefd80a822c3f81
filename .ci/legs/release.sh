# The legs that prove the release: the archives, unpacked and used, and the publishing step, dry.
# shellcheck shell=bash

# The Linux archive and the mingw-w64 zip, unpacked: each holds the licence and changelog and a
# program that passes (the zip's also alone in an empty folder, under Wine); each orv_pill.pc names
# the folder it lies in and serves a C program (README's, for mingw-w64, under Wine); a CMake
# consumer finds each (the zip through HACKING.md's toolchain file, with mingw-w64's runtime DLLs
# on WINEPATH); and the zip's package refuses a program for Linux, saying why.
release_archives() {
    local work=$PWD/out/ci/archives version preset linux windows flags runtime
    version=$(tools/version)
    rm -rf "$work" && mkdir -p "$work/alone"
    for preset in default mingw; do
        cmake --preset $preset
        cmake --build --preset $preset
        cpack --preset $preset
    done
    linux=$(basename out/default/orv_pill-"$version"-Linux-*.tar.gz .tar.gz)
    windows=orv_pill-$version-win64-mingw
    cmake -E chdir "$work" cmake -E tar xf "$PWD/out/default/$linux.tar.gz"
    cmake -E chdir "$work" cmake -E tar xf "$PWD/out/mingw/$windows.zip"
    linux=$work/$linux windows=$work/$windows
    ls {"$linux","$windows"}/share/doc/orv_pill/{LICENSE,CHANGELOG.md}
    [ "$("$linux/bin/orv-selftest")" = "all tests passed" ]
    cp "$windows/bin/orv-selftest.exe" "$work/alone/"
    tools/with-wine cmake "-DPROGRAM=$work/alone/orv-selftest.exe" -DEMULATOR=wine \
        -DOUTPUT_NAME=out/ci/archives/alone/run -DCRLF=ON -DEXPECT=pass -P tests/expect_output.cmake

    read -ra flags < <(PKG_CONFIG_PATH=$linux/lib/pkgconfig pkg-config --cflags --libs orv_pill)
    [[ ${flags[0]} == -I$linux/* ]]
    cc tests/consumer/c/main.c -o "$work/linux-c" "${flags[@]}"
    [ "$("$work/linux-c")" = "$MIC_PERMISSION_LINE" ]
    read -ra flags < <(PKG_CONFIG_PATH=$windows/lib/pkgconfig pkg-config --cflags --libs orv_pill)
    doc_snippet README.md c >"$work/readme.c"
    [[ ${flags[0]} == -I$windows/* ]]
    x86_64-w64-mingw32-gcc-posix "$work/readme.c" -o "$work/windows-c.exe" "${flags[@]}"
    [ "$(tools/with-wine wine "$work/windows-c.exe" | tr -d '\r')" = "$MIC_PERMISSION_LINE" ]

    ctest --build-and-test tests/consumer "$work/linux-consumer" --build-generator \
        "Unix Makefiles" --build-options -DORV_CONSUME=package "-DCMAKE_PREFIX_PATH=$linux" \
        --test-command consumer
    doc_snippet HACKING.md mingw-toolchain |
        sed "s|/path/to/${windows##*/}|$windows|" >"$work/user-toolchain.cmake"
    grep -qF "$windows" "$work/user-toolchain.cmake"
    runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
    WINEPATH="$runtime;/usr/x86_64-w64-mingw32/lib" tools/with-wine ctest --build-and-test \
        tests/consumer "$work/windows-consumer" --build-generator "Unix Makefiles" --build-options \
        -DORV_CONSUME=package "-DCMAKE_TOOLCHAIN_FILE=$work/user-toolchain.cmake" \
        --test-command wine consumer.exe
    fails_saying "was built for Windows (mingw-w64) and cannot be linked into a program for Linux" \
        cmake -S tests/consumer -B "$work/refused" -DORV_CONSUME=package \
        "-DCMAKE_PREFIX_PATH=$windows"
}

# tools/publish, dry, on a fresh <folder> of stand-ins with the names given, for the tag <tag>.
publish_stand_ins() {
    rm -rf "$2" && mkdir -p "$2"
    for name in "${@:3}"; do echo "stand-in for $name" >"$2/$name"; done
    tools/publish --dry-run "$1" "$2"
}

# tools/publish, dry, on stand-ins named as it lists the release's twelve files: the files
# listed with checksums that hold, and the version's CHANGELOG section alone as the notes. Refused:
# a folder that lacks any one file or holds a stray one, and another tag. And tools/upload without
# a token uploads nothing.
publish_dry_run() {
    local dist=out/ci/dist log i version files
    version=$(tools/version)
    mapfile -t files < <(tools/publish --list "v$version")
    log=$(publish_stand_ins "v$version" "$dist" "${files[@]}")
    echo "$log"
    (cd "$dist" && sha256sum --check SHA256SUMS)
    [ "$(wc -l <"$dist/SHA256SUMS")" -eq 12 ] ||
        { echo "SHA256SUMS does not list twelve files" >&2; return 1; }
    [ "$(grep '^  | ## ' <<<"$log")" = "$(grep "^## $version " CHANGELOG.md | sed 's/^/  | /')" ] ||
        { echo "the notes are not CHANGELOG.md's section $version alone" >&2; return 1; }
    local wrong="must hold the six archives and six package files of $version and nothing else"
    for i in "${!files[@]}"; do
        fails_saying "$wrong" \
            publish_stand_ins "v$version" "$dist" "${files[@]:0:i}" "${files[@]:i+1}"
    done
    fails_saying "$wrong" publish_stand_ins "v$version" "$dist" "${files[@]}" notes.txt
    fails_saying "the tag is v9.9.9, but CMakeLists.txt gives the project version $version" \
        publish_stand_ins v9.9.9 "$dist" "${files[@]//$version/9.9.9}"
    [ "$(TOKEN='' tools/upload npm "v$version" "$dist")" = \
        "npm: its token is not set, so nothing is uploaded" ] ||
        { echo "tools/upload without a token did not say that it skipped" >&2; return 1; }
}

leg archives "release archives" release_archives
leg publish "release publishing (dry run)" publish_dry_run
