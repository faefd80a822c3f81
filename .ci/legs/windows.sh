# The legs that cross-build for 64-bit Windows with mingw-w64 and test under Wine.
# shellcheck shell=bash

# The Windows build under Wine, static, as a newcomer runs it: plain ctest, in a fresh home and
# Wine prefix.
windows() {
    cmake --preset mingw
    cmake --build --preset mingw
    rm -rf out/wine out/ci/home && mkdir -p out/ci/home
    HOME=$PWD/out/ci/home ctest --preset mingw
}

# The DLL, through tools/with-wine: it must export the two interfaces alone, link no runtime DLL
# that a bare Windows lacks, and pack under a name of its own; and a second tools/with-wine,
# started inside the first, must say why it stops.
windows_dll() {
    cmake --preset mingw-shared
    cmake --build --preset mingw-shared
    local dll=out/mingw-shared/bin/liborv_pill.dll imports
    expect_exports "$(x86_64-w64-mingw32-objdump -p "$dll" |
        sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/s/^\s*\[ *[0-9]*\] //p' | c++filt)"
    imports=$(x86_64-w64-mingw32-objdump -p "$dll" | sed -n 's/^\s*DLL Name: //p' | sort | xargs)
    [ "$imports" = "KERNEL32.dll msvcrt.dll" ] ||
        { echo "$dll imports $imports, not only KERNEL32.dll and msvcrt.dll" >&2; return 1; }
    tools/with-wine ctest --preset mingw-shared
    cpack --preset mingw-shared
    ls out/mingw-shared/orv_pill-*-win64-mingw-shared.zip
    fails_saying "a Wine server already runs" tools/with-wine tools/with-wine true
}

leg windows "Windows (mingw-w64, under Wine)" windows
leg windows-dll "Windows DLL (mingw-w64, under Wine)" windows_dll
