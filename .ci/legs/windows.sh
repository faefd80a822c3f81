# The legs that cross-build for 64-bit Windows with mingw-w64 and test under Wine.
# shellcheck shell=bash

# The static build as a newcomer runs it, in a fresh home and Wine prefix; its tests include the
# zip, unpacked and used.
windows() {
    rm -rf out/wine out/ci/home && mkdir -p out/ci/home
    HOME=$PWD/out/ci/home cmake --workflow --preset mingw
}

# The DLL (its exports and imports, and a program of Visual Studio's ABI that links it, are tests
# of the preset), through tools/with-wine. A second tools/with-wine inside the first says why it
# stops.
windows_dll() {
    tools/with-wine cmake --workflow --preset mingw-shared
    fails_saying "a Wine server already runs" tools/with-wine tools/with-wine true
}

leg windows "Windows (mingw-w64, under Wine)" windows
leg windows-dll "Windows DLL (mingw-w64, under Wine)" windows_dll
