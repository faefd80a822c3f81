# The legs that prove the release: the archives, unpacked and used, and the publishing step, dry.
# shellcheck shell=bash

# The release archives, unpacked: each holds the license and changelog and a self-test that
# passes, and a consumer finds the library there with find_package. The Windows one serves a
# mingw-w64 project with HACKING.md's toolchain file; its program needs mingw-w64's runtime DLLs,
# which Wine finds on WINEPATH. The zip's program also runs alone, taken into an empty folder.
release_archives() {
    local preset version
    version=$(tools/version)
    for preset in default mingw; do
        cmake --preset $preset
        cmake --build --preset $preset
        cpack --preset $preset
    done
    local work=out/ci/release-check
    rm -rf "$work" && mkdir -p "$work/alone"
    local tgz zip=out/mingw/orv_pill-$version-win64-mingw.zip
    tgz=$(echo "out/default/orv_pill-$version-Linux-"*.tar.gz)
    (cd "$work" && cmake -E tar xf "$OLDPWD/$tgz" && cmake -E tar xf "$OLDPWD/$zip")
    local linux=$PWD/$work/${tgz##*/} windows=$PWD/$work/${zip##*/}
    linux=${linux%.tar.gz} windows=${windows%.zip}
    ls "$linux"/share/doc/orv_pill/{LICENSE,CHANGELOG.md} \
        "$windows"/share/doc/orv_pill/{LICENSE,CHANGELOG.md}

    cmake "-DPROGRAM=$linux/bin/orv-selftest" "-DOUTPUT_NAME=$work/linux" -DEXPECT=pass \
        -P tests/expect_output.cmake
    ctest --build-and-test tests/consumer "$work/linux-consumer" --build-generator "Unix Makefiles" \
        --build-config Release --build-options -DORV_CONSUME=package "-DCMAKE_PREFIX_PATH=$linux" \
        --test-command consumer
    # Each archive's orv_pill.pc serves a C program where the archive was unpacked, naming that
    # folder and no other: the C consumer from the Linux one, README's C program, for mingw-w64's
    # compiler, from the Windows one.
    local flags expected=$MIC_PERMISSION_LINE
    read -ra flags < <(PKG_CONFIG_PATH=$linux/lib/pkgconfig pkg-config --cflags --libs orv_pill)
    [[ ${flags[0]} == -I$linux/* ]] || { echo "orv_pill.pc gives ${flags[*]}" >&2; return 1; }
    cc tests/consumer/c/main.c -o "$work/linux-c" "${flags[@]}"
    [ "$("$work/linux-c")" = "$expected" ]
    doc_snippet README.md c >"$work/readme.c"
    read -ra flags < <(PKG_CONFIG_PATH=$windows/lib/pkgconfig pkg-config --cflags --libs orv_pill)
    [[ ${flags[0]} == -I$windows/* ]] || { echo "orv_pill.pc gives ${flags[*]}" >&2; return 1; }
    x86_64-w64-mingw32-gcc-posix "$work/readme.c" -o "$work/windows-c.exe" "${flags[@]}"
    [ "$(tools/with-wine wine "$work/windows-c.exe" | tr -d '\r')" = "$expected" ]

    cp "$windows/bin/orv-selftest.exe" "$work/alone/"
    tools/with-wine cmake "-DPROGRAM=$PWD/$work/alone/orv-selftest.exe" \
        "-DOUTPUT_NAME=$work/alone/run" -DEMULATOR=wine -DCRLF=ON -DEXPECT=pass \
        -P tests/expect_output.cmake
    # HACKING.md's toolchain file for such a project, with the zip's folder where it says.
    doc_snippet HACKING.md mingw-toolchain |
        sed "s|/path/to/orv_pill-$version-win64-mingw|$windows|" >"$work/user-toolchain.cmake"
    grep -qF "$windows" "$work/user-toolchain.cmake"
    local runtime
    runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
    WINEPATH="$runtime;/usr/x86_64-w64-mingw32/lib" tools/with-wine ctest --build-and-test \
        tests/consumer "$work/windows-consumer" --build-generator "Unix Makefiles" \
        --build-config Release --build-options -DORV_CONSUME=package \
        "-DCMAKE_TOOLCHAIN_FILE=$PWD/$work/user-toolchain.cmake" --test-command wine consumer.exe

    # The Windows package refuses a program for another platform or Windows compiler family,
    # with a message that says so, rather than letting its linker fail.
    fails_saying "was built for Windows (mingw-w64) and cannot be linked into a program for Linux" \
        cmake -S tests/consumer -B "$work/refused" -DORV_CONSUME=package \
        "-DCMAKE_PREFIX_PATH=$windows"
}

# tools/publish with <tag>, dry, on a fresh <folder> of stand-ins with the names given.
publish_stand_ins() {
    local tag=$1 folder=$2 name
    shift 2
    rm -rf "$folder" && mkdir -p "$folder"
    for name; do echo "stand-in for $name" >"$folder/$name"; done
    tools/publish --dry-run "$tag" "$folder"
}

# What the release workflow's publish job does, dry, on stand-ins named as the six archives and
# six package files: the assets listed, with checksums that hold, and the version's own CHANGELOG
# section, alone, as the notes. Refused: a folder that lacks any one file or holds a stray one, and
# another tag.
publish_dry_run() {
    local dist=out/ci/dist log i version
    version=$(tools/version)
    local archives=() kind
    for kind in "" -shared; do
        archives+=("orv_pill-$version-Linux-x86_64-glibc2.36$kind.tar.gz"
            "orv_pill-$version-win64-mingw$kind.zip" "orv_pill-$version-win64-msvc$kind.zip")
    done
    archives+=("orv_pill-$version-py3-none-any.whl" "orv_pill-$version.tar.gz"
        "orv-pill-$version.tgz" "orv-pill-$version.crate" "Orv.Pill.$version.nupkg"
        "Orv.Pill.$version.snupkg")
    log=$(publish_stand_ins "v$version" "$dist" "${archives[@]}")
    echo "$log"
    (cd "$dist" && sha256sum --check SHA256SUMS)
    [ "$(wc -l <"$dist/SHA256SUMS")" -eq 12 ]
    [ "$(grep '^  | ## ' <<<"$log")" = "$(grep "^## $version " CHANGELOG.md | sed 's/^/  | /')" ]

    local wrong="must hold the six archives and six package files of $version and nothing else"
    for i in "${!archives[@]}"; do
        fails_saying "$wrong" publish_stand_ins "v$version" "$dist" \
            "${archives[@]:0:i}" "${archives[@]:i+1}"
    done
    fails_saying "$wrong" publish_stand_ins "v$version" "$dist" "${archives[@]}" notes.txt
    fails_saying "the tag is v9.9.9, but CMakeLists.txt gives the project version $version" \
        publish_stand_ins v9.9.9 "$dist" "${archives[@]//$version/9.9.9}"
}

leg archives "release archives" release_archives
leg publish "release publishing (dry run)" publish_dry_run
