# shellcheck shell=bash

# The static build in a fresh home and Wine prefix, as a newcomer runs it.
windows() {
    rm -rf out/wine out/ci/home && mkdir -p out/ci/home
    HOME=$PWD/out/ci/home cmake --workflow --preset mingw
    WINEPREFIX=$PWD/out/wine wineserver -w # so that no Wine server outlives the leg
}

# The DLL through tools/with-wine, beside which a second one stops, saying why.
windows_dll() {
    tools/with-wine cmake --workflow --preset mingw-shared
    fails_saying "a Wine server already runs" tools/with-wine tools/with-wine true
}

leg windows "Windows (mingw-w64, under Wine)" windows
leg windows-dll "Windows DLL (mingw-w64, under Wine)" windows_dll
