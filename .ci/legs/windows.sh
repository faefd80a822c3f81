# The legs that cross-build for 64-bit Windows with mingw-w64 and test under Wine.
# shellcheck shell=bash

# The Windows build under Wine, static, as a newcomer runs it: plain ctest, in a fresh home and
# Wine prefix.
windows() {
    cmake --preset mingw
    cmake --build --preset mingw
    rm -rf out/wine out/ci/home && mkdir -p out/ci/home
    HOME=$PWD/out/ci/home ctest --preset mingw
    NM=x86_64-w64-mingw32-nm expect_c_only out/mingw/pill/liborv_pill.a
}

# The DLL, through tools/with-wine: it must export the C interface alone, define no C++ name, link no runtime DLL
# that a bare Windows lacks, and pack under a name of its own, with an import library that a
# program of Visual Studio's ABI links against (clang and lld-link here) and runs with, under Wine.
# And a second tools/with-wine, started inside the first, must say why it stops.
windows_dll() {
    cmake --preset mingw-shared
    cmake --build --preset mingw-shared
    local dll=out/mingw-shared/bin/liborv_pill.dll imports
    expect_exports "$(x86_64-w64-mingw32-objdump -p "$dll" |
        sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/s/^\s*\[ *[0-9]*\] //p')"
    NM=x86_64-w64-mingw32-nm expect_c_only "$dll"
    imports=$(x86_64-w64-mingw32-objdump -p "$dll" | sed -n 's/^\s*DLL Name: //p' | sort | xargs)
    [ "$imports" = "KERNEL32.dll msvcrt.dll" ] ||
        { echo "$dll imports $imports, not only KERNEL32.dll and msvcrt.dll" >&2; return 1; }
    tools/with-wine ctest --preset mingw-shared
    cpack --preset mingw-shared
    local zip work=out/ci/visual-studio-abi unpacked
    zip=out/mingw-shared/orv_pill-$(tools/version)-win64-mingw-shared.zip
    rm -rf "$work" && mkdir -p "$work"
    (cd "$work" && cmake -E tar xf "$OLDPWD/$zip")
    unpacked=$work/$(basename "$zip" .zip)
    clang --target=x86_64-pc-windows-msvc -ffreestanding -O2 -Wall -Wextra -Werror \
        -I "$unpacked/include" -c tests/consumer/visual_studio_abi.c -o "$work/program.obj"
    lld-link /entry:start /subsystem:console /nodefaultlib "/out:$work/program.exe" \
        "$work/program.obj" "$unpacked/lib/orv_pill.lib" /usr/x86_64-w64-mingw32/lib/libkernel32.a
    cp "$unpacked/bin/liborv_pill.dll" "$work/"
    [ "$(tools/with-wine wine "$work/program.exe")" = "$MIC_PERMISSION_LINE" ]
    fails_saying "a Wine server already runs" tools/with-wine tools/with-wine true
}

leg windows "Windows (mingw-w64, under Wine)" windows
leg windows-dll "Windows DLL (mingw-w64, under Wine)" windows_dll
