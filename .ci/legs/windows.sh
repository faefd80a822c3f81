# The legs that cross-build for 64-bit Windows with mingw-w64 and test under Wine.
# shellcheck shell=bash

# The static build as a newcomer runs it: plain ctest, in a fresh home and Wine prefix.
windows() {
    cmake --preset mingw
    cmake --build --preset mingw
    rm -rf out/wine out/ci/home && mkdir -p out/ci/home
    HOME=$PWD/out/ci/home ctest --preset mingw
}

# The DLL (its exports and imports are a test of the preset), through tools/with-wine, and its zip,
# whose import library a program of Visual Studio's ABI links against (clang and lld-link here)
# and runs with. A second tools/with-wine inside the first says why it stops.
windows_dll() {
    local work=out/ci/visual-studio-abi unpacked
    cmake --preset mingw-shared
    cmake --build --preset mingw-shared
    tools/with-wine ctest --preset mingw-shared
    cpack --preset mingw-shared
    rm -rf "$work" && mkdir -p "$work"
    unpacked=$work/orv_pill-$(tools/version)-win64-mingw-shared
    cmake -E chdir "$work" cmake -E tar xf "$PWD/out/mingw-shared/${unpacked##*/}.zip"
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
