# The legs of the packages. Each builds its package with HACKING.md's command into out/packages/,
# runs its ecosystem's validators, checks that the licence and the table inside are the project's
# bytes, and, on every language version its manifest claims, installs it into a fresh project with
# README's command, where README's example prints the pill, and runs its tests from the package.
# shellcheck shell=bash

# The unpacked package <folder> holds the project's LICENSE at <licence>, and its table at <table>.
holds_project_files() {
    cmp LICENSE "$1/$2"
    [ -z "${3:-}" ] || cmp tests/cases.tsv "$1/$3"
    echo "$1: the project's licence${3:+ and table}"
}

# In <project>, with <bin> first on PATH if given: README's <language>-install, then its
# <language>-example, saved as <file> and run by <command...>, prints the pill and nothing else.
readme_example() {
    local language=$1 project=$2 bin=$3 file=$4
    run_snippet README.md "$language-install" "$project" "$bin"
    doc_snippet README.md "$language-example" >"$project/$file"
    [ "$(cd "$project" && PATH=${bin:+$bin:}$PATH "${@:5}" 2>&1)" = "$MIC_PERMISSION_LINE" ]
}

# Every manifest, and each port's own version text, gives exactly the project's version.
port_versions() {
    local version file found
    version=$(tools/version)
    for file in python/pyproject.toml python/orv_pill/__init__.py node/package.json node/index.js \
        rust/Cargo.toml csharp/Orv.Pill/Orv.Pill.csproj csharp/Orv.Pill/Pill.cs; do
        found=$(sed -nE "s/^ *(version = \"|__version__ = \"|\"version\": \"|<Version>|return '|\
.*LibraryVersion => \")([^\"'<]*).*/\2/p" "$file")
        [ "$found" = "$version" ] ||
            { echo "$file gives the version '$found', not the project's $version" >&2; return 1; }
    done
}

# twine and mypy; every CPython the classifiers name, the oldest being Requires-Python's floor
# (pyenv's, or python3.N on PATH), each with the wheel in a venv and the sdist's tests.
python_port() {
    local work=$PWD/out/ci/python version minor minors python
    version=$(tools/version)
    local wheel=out/packages/orv_pill-$version-py3-none-any.whl sdist=orv_pill-$version
    rm -rf "$work" python/build "out/packages/$sdist"* && mkdir -p "$work" out/packages
    run_snippet HACKING.md package-python . /usr/bin
    twine check --strict "$wheel" "out/packages/$sdist.tar.gz"
    (cd python && /usr/bin/python3 -m mypy orv_pill)
    tar xzf "out/packages/$sdist.tar.gz" -C "$work"
    holds_project_files "$work/$sdist" LICENSE tests/cases.tsv
    /usr/bin/python3 -m zipfile -e "$wheel" "$work/wheel"
    [ -f "$work/wheel/orv_pill/py.typed" ]
    holds_project_files "$work/wheel" "$sdist.dist-info/LICENSE"
    read -ra minors < <(grep -oE 'Python :: 3\.[0-9]+' python/pyproject.toml | cut -d. -f2 | xargs)
    grep -qxF "requires-python = \">=3.${minors[0]}\"" python/pyproject.toml ||
        { echo "Requires-Python is not the oldest classifier, 3.${minors[0]}" >&2; return 1; }
    for minor in "${minors[@]}"; do
        for python in "${PYENV_ROOT:-$HOME/.pyenv}/versions/3.$minor."*/bin/python3 \
            "$(command -v "python3.$minor")"; do [ ! -x "$python" ] || break; done
        [ -x "$python" ] || { echo "no CPython 3.$minor, which a classifier names" >&2; return 1; }
        "$python" --version
        "$python" -m venv "$work/3.$minor"
        cp "$wheel" "$work/3.$minor/"
        readme_example python "$work/3.$minor" "$work/3.$minor/bin" example.py python example.py
        "$work/3.$minor/bin/python" -m unittest discover -s "$work/$sdist/tests"
    done
}

# npm run lint (tsc, publint, arethetypeswrong) and npm publish's dry run; in the project that npm
# init makes, on the oldest Node that engines allows and the newest LTS line, README's example as
# the ES module README names, and the package's tests through import and require.
node_port() {
    local work=$PWD/out/ci/node version bin oldest
    version=$(tools/version)
    local tarball=orv-pill-$version.tgz
    rm -rf "$work" "out/packages/$tarball" && mkdir -p "$work/project" out/packages
    (cd node && npm ci --no-audit --no-fund --loglevel=error && npm run -s lint &&
        npm publish --dry-run --loglevel=warn)
    run_snippet HACKING.md package-node .
    tar xzf "out/packages/$tarball" -C "$work"
    holds_project_files "$work/package" LICENSE test/cases.tsv
    (cd node/versions && npm ci --no-audit --no-fund --loglevel=error)
    oldest=$(node/versions/node_modules/node-oldest/bin/node -p process.versions.node)
    [ "$(node -p 'require("./node/package.json").engines.node')" = ">=$oldest" ] ||
        { echo "engines does not name Node $oldest, the oldest tested" >&2; return 1; }
    cp "out/packages/$tarball" "$work/project/"
    (cd "$work/project" && npm init -y >/dev/null)
    for bin in "$PWD"/node/versions/node_modules/node-*/bin; do
        readme_example node "$work/project" "$bin" example.mjs node example.mjs
        (cd "$work/project/node_modules/orv-pill" && PATH=$bin:$PATH npm test)
    done
}

# rustfmt, clippy's pedantic lints, rustdoc's missing_docs; with Debian's Rust, which is
# rust-version, and with the newest stable, README's example and the crate's tests, doc examples
# among them, in the unpacked crate.
rust_port() {
    local work=$PWD/out/ci/rust version bin toolchain
    version=$(tools/version)
    local crate=orv-pill-$version.crate
    rm -rf "$work" rust/target/package "out/packages/$crate" && mkdir -p "$work" out/packages
    if [ -e rust/build.rs ] || grep -qE '^\[(build-)?dependencies\]|^build *=' rust/Cargo.toml; then
        echo "the crate has a dependency or a build script, which README says it has not" >&2
        return 1
    fi
    (cd rust && cargo fmt --check &&
        cargo clippy --offline --all-targets -- -D warnings -W clippy::pedantic &&
        RUSTDOCFLAGS="-D missing_docs" cargo doc --offline --no-deps)
    run_snippet HACKING.md package-rust .
    cp "rust/target/package/$crate" out/packages/
    tar xzf "out/packages/$crate" -C "$work"
    holds_project_files "$work/orv-pill-$version" LICENSE tests/cases.tsv
    grep -qxF "rust-version = \"$(/usr/bin/rustc --version | grep -oE '[0-9]+\.[0-9]+')\"" \
        rust/Cargo.toml || { echo "rust-version is not Debian's rustc's" >&2; return 1; }
    for bin in /usr/bin "$(dirname "$(command -v cargo)")"; do
        toolchain=$work/$("$bin/rustc" --version | cut -d' ' -f2)
        (cd "$work" && PATH=$bin:$PATH cargo new --offline --quiet --name project "$toolchain")
        cp "out/packages/$crate" "$toolchain/"
        readme_example rust "$toolchain" "$bin" src/main.rs cargo run --offline --quiet
        (cd "$toolchain/orv-pill-$version" && PATH=$bin:$PATH cargo test --offline)
    done
}

# Package validation, the recommended analyzers, nullable annotations, warnings as errors; README's
# example in a fresh console project, warning-free, and a later restore from an empty cache; the
# xunit tests on the package.
csharp_port() {
    local work=$PWD/out/ci/csharp version
    version=$(tools/version)
    export NUGET_PACKAGES=$work/nuget DOTNET_CLI_TELEMETRY_OPTOUT=1 DOTNET_NOLOGO=1
    rm -rf "$work" csharp/*/bin csharp/*/obj out/packages/Orv.Pill.* &&
        mkdir -p "$work/project/packages" out/packages
    run_snippet HACKING.md package-csharp .
    [ -f "out/packages/Orv.Pill.$version.snupkg" ]
    cp out/packages/*.nupkg "$work/project/packages/"
    cmake -E chdir "$work" cmake -E tar xf "$PWD/out/packages/Orv.Pill.$version.nupkg" LICENSE
    holds_project_files "$work" LICENSE
    (cd "$work/project" && dotnet new console --force >/dev/null)
    readme_example csharp "$work/project" "" Program.cs dotnet run -p:TreatWarningsAsErrors=true
    rm -rf "$NUGET_PACKAGES" "$work/project/obj" && (cd "$work/project" && dotnet restore)
    dotnet test csharp/Orv.Pill.Tests "-p:OrvPillVersion=$version" \
        "-p:RestoreAdditionalProjectSources=$PWD/out/packages"
}

# HACKING.md's commands in two clones at two paths give the same wheel, tarball, crate and DLL.
packages_reproducible() {
    local work=$PWD/out/ci/reproducible version clone file
    version=$(tools/version)
    rm -rf "$work"
    for clone in first second-at-another-path; do
        git clone --quiet . "$work/$clone"
        mkdir -p "$work/$clone/out/packages"
        (cd "$work/$clone" && export DOTNET_CLI_TELEMETRY_OPTOUT=1 DOTNET_NOLOGO=1 &&
            run_snippet HACKING.md package-python . /usr/bin &&
            run_snippet HACKING.md package-node . && run_snippet HACKING.md package-rust . &&
            run_snippet HACKING.md package-csharp . &&
            cd out/packages && cp "../../rust/target/package/orv-pill-$version.crate" . &&
            cmake -E tar xf "Orv.Pill.$version.nupkg" lib/netstandard2.0/Orv.Pill.dll
        ) >"$work/$clone.log" 2>&1 || { cat "$work/$clone.log"; return 1; }
    done
    for file in "orv_pill-$version-py3-none-any.whl" "orv-pill-$version.tgz" \
        "orv-pill-$version.crate" lib/netstandard2.0/Orv.Pill.dll; do
        cmp "$work"/{first,second-at-another-path}/out/packages/"$file"
        echo "the same: $file"
    done
}

leg port-versions "each port's version is the project's" port_versions
leg python "Python package: wheel and sdist, validators, every CPython it claims" python_port
leg node "Node package: npm tarball, validators, the oldest Node it claims and the newest LTS" \
    node_port
leg rust "Rust package: crate, validators, rust-version and the newest stable" rust_port
leg csharp "C# package: .nupkg and .snupkg, validators, fresh console project, xunit" csharp_port
leg reproducible "the four packages the same from two clones at two paths" packages_reproducible
