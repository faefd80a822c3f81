# The legs of the packages for Python, Node, Rust and C#. Each builds its package with HACKING.md's
# command, runs its ecosystem's validators, checks that the licence and the table of cases inside
# are the project's own bytes, installs the package into a fresh project with README's command,
# runs README's example there under the file name README gives, and runs the package's own tests
# from the package as shipped, on every language version its manifest claims. The packages land
# in out/packages/, where the release takes them.
# shellcheck shell=bash

# Runs the Markdown <file>'s snippet <name> with bash in <folder>, with <bin>, if given, first on
# PATH.
run_snippet() {
    local file=$1 name=$2 folder=$3 bin=${4:-} script
    script=$(mktemp) && doc_snippet "$file" "$name" >"$script"
    (cd "$folder" && PATH=${bin:+$bin:}$PATH bash -e "$script") && rm "$script"
}

# HACKING.md's command that builds the package of <language>, in the clone <root>.
build_package() {
    run_snippet "$1/HACKING.md" "package-$2" "$1" "${3:-}"
}

# The unpacked package <folder> holds LICENSE at <licence> and the table at <table>, the project's.
holds_project_files() {
    cmp LICENSE "$1/$2" && cmp tests/cases.tsv "$1/$3" && echo "$1: the project's licence and table"
}

# Every manifest, and each port's own version text, gives the project's version.
port_versions() {
    local version file
    version=$(tools/version)
    for file in python/pyproject.toml python/orv_pill/__init__.py node/package.json node/index.js \
        rust/Cargo.toml csharp/Orv.Pill/Orv.Pill.csproj csharp/Orv.Pill/Pill.cs; do
        grep -qE "(version\"?: |version = |__version__ = |<Version>|return '|=> \")\"?$version\b" \
            "$file" || { echo "$file does not give the version $version" >&2; return 1; }
    done
    echo "every port gives the version $version"
}

# The wheel and the sdist, by twine and mypy; the wheel in a venv of every CPython that the
# classifiers name, from Requires-Python's floor up (pyenv's, or python3.N on PATH), each running
# README's example and the sdist's tests.
python_port() {
    local work=$PWD/out/ci/python version minor minors python
    version=$(tools/version)
    local wheel=out/packages/orv_pill-$version-py3-none-any.whl sdist=orv_pill-$version
    rm -rf "$work" python/build "out/packages/$sdist"* && mkdir -p "$work" out/packages
    build_package . python /usr/bin
    twine check --strict "$wheel" "out/packages/$sdist.tar.gz"
    (cd python && /usr/bin/python3 -m mypy orv_pill)
    tar xzf "out/packages/$sdist.tar.gz" -C "$work"
    holds_project_files "$work/$sdist" LICENSE tests/cases.tsv
    /usr/bin/python3 -m zipfile -e "$wheel" "$work/wheel"
    cmp LICENSE "$work/wheel/$sdist.dist-info/LICENSE" && [ -f "$work/wheel/orv_pill/py.typed" ]
    read -ra minors < <(grep -oE 'Python :: 3\.[0-9]+' python/pyproject.toml | cut -d. -f2 | xargs)
    grep -qxF "requires-python = \">=3.${minors[0]}\"" python/pyproject.toml ||
        { echo "Requires-Python is not the oldest classifier, 3.${minors[0]}" >&2; return 1; }
    for minor in "${minors[@]}"; do
        local project=$work/3.$minor
        for python in "${PYENV_ROOT:-$HOME/.pyenv}/versions/3.$minor."*/bin/python3 \
            "$(command -v "python3.$minor")"; do [ ! -x "$python" ] || break; done
        [ -x "$python" ] || { echo "no CPython 3.$minor, which the classifiers name" >&2; return 1; }
        "$python" --version && "$python" -m venv "$project/venv" && cp "$wheel" "$project/"
        run_snippet README.md python-install "$project" "$project/venv/bin"
        doc_snippet README.md python-example >"$project/example.py"
        [ "$(cd "$project" && venv/bin/python example.py)" = "$MIC_PERMISSION_LINE" ]
        (cd "$project" && venv/bin/python -m unittest discover -s "$work/$sdist/tests")
    done
}

# The npm tarball, by tsc, publint and arethetypeswrong and npm publish's dry run; in the project
# npm init makes, README's example as the ES module README names, and the package's own tests,
# through import and require, on the oldest Node that engines allows and the newest LTS line.
node_port() {
    local work=$PWD/out/ci/node version bin oldest
    version=$(tools/version)
    local tarball=orv-pill-$version.tgz project=$work/project
    rm -rf "$work" "out/packages/$tarball" && mkdir -p "$project" out/packages
    (cd node && npm ci --no-audit --no-fund --loglevel=error && npm run -s lint &&
        npm publish --dry-run --loglevel=warn)
    build_package . node
    tar xzf "out/packages/$tarball" -C "$work"
    holds_project_files "$work/package" LICENSE test/cases.tsv
    (cd node/versions && npm ci --no-audit --no-fund --loglevel=error)
    oldest=$(node/versions/node_modules/node-oldest/bin/node -p process.versions.node)
    [ "$(node -p 'require("./node/package.json").engines.node')" = ">=$oldest" ] ||
        { echo "engines does not name Node $oldest, the oldest tested" >&2; return 1; }
    cp "out/packages/$tarball" "$project/" && (cd "$project" && npm init -y >/dev/null)
    run_snippet README.md node-install "$project"
    (cd "$project" && npm install --no-audit --no-fund --loglevel=error)
    doc_snippet README.md node-example >"$project/example.mjs"
    for bin in "$PWD"/node/versions/node_modules/node-*/bin; do
        "$bin/node" --version
        [ "$(cd "$project" && "$bin/node" example.mjs 2>&1)" = "$MIC_PERMISSION_LINE" ]
        (cd "$project/node_modules/orv-pill" && PATH=$bin:$PATH npm test)
    done
}

# The crate, by rustfmt, clippy's pedantic lints, rustdoc's missing_docs and cargo package; taken
# by path into a fresh crate as README says, where README's example runs, and its tests, doc
# examples among them, in the unpacked crate; with Debian's Rust, which is rust-version, and with
# the newest stable.
rust_port() {
    local work=$PWD/out/ci/rust version bin toolchain
    version=$(tools/version)
    local crate=orv-pill-$version.crate
    rm -rf "$work" rust/target/package "out/packages/$crate" && mkdir -p "$work" out/packages
    [ ! -e rust/build.rs ] && ! grep -qE '^\[(build-)?dependencies\]|^build *=' rust/Cargo.toml
    (cd rust && cargo fmt --check &&
        cargo clippy --offline --all-targets -- -D warnings -W clippy::pedantic &&
        RUSTDOCFLAGS="-D missing_docs" cargo doc --offline --no-deps)
    build_package . rust
    cp "rust/target/package/$crate" out/packages/ && tar xzf "out/packages/$crate" -C "$work"
    holds_project_files "$work/orv-pill-$version" LICENSE tests/cases.tsv
    grep -qxF "rust-version = \"$(/usr/bin/rustc --version | grep -oE '[0-9]+\.[0-9]+')\"" \
        rust/Cargo.toml || { echo "rust-version is not Debian's rustc's" >&2; return 1; }
    for toolchain in debian stable; do
        local project=$work/project-$toolchain
        bin=/usr/bin
        [ $toolchain = debian ] || bin=$(dirname "$(command -v cargo)")
        "$bin/rustc" --version
        (cd "$work" && PATH=$bin:$PATH cargo new --offline --quiet "project-$toolchain")
        cp "out/packages/$crate" "$project/"
        run_snippet README.md rust-install "$project" "$bin"
        doc_snippet README.md rust-example >"$project/src/main.rs"
        [ "$(cd "$project" && PATH=$bin:$PATH cargo run --offline --quiet)" = \
            "$MIC_PERMISSION_LINE" ]
        (cd "$project/orv-pill-$version" && PATH=$bin:$PATH cargo test --offline)
    done
}

# The .nupkg and .snupkg, built with package validation, the recommended .NET analyzers and
# nullable annotations, warnings as errors; in a fresh console project as README says, README's
# example without a warning, and a later restore from an empty cache; the xunit tests on the
# package.
csharp_port() {
    local work=$PWD/out/ci/csharp version
    version=$(tools/version)
    local project=$work/project
    export NUGET_PACKAGES=$work/nuget DOTNET_CLI_TELEMETRY_OPTOUT=1 DOTNET_NOLOGO=1
    rm -rf "$work" csharp/*/bin csharp/*/obj out/packages/Orv.Pill.* &&
        mkdir -p "$project/packages" out/packages
    build_package . csharp
    [ -f "out/packages/Orv.Pill.$version.snupkg" ] && cp out/packages/*.nupkg "$project/packages/"
    (cd "$work" && cmake -E tar xf "$project/packages/Orv.Pill.$version.nupkg" LICENSE README.md)
    cmp LICENSE "$work/LICENSE"
    (cd "$project" && dotnet new console --force >/dev/null)
    run_snippet README.md csharp-install "$project"
    doc_snippet README.md csharp-example >"$project/Program.cs"
    [ "$(cd "$project" && dotnet run -p:TreatWarningsAsErrors=true)" = "$MIC_PERMISSION_LINE" ]
    rm -rf "$NUGET_PACKAGES" "$project/obj" && (cd "$project" && dotnet restore)
    dotnet test csharp/Orv.Pill.Tests "-p:OrvPillVersion=$version" \
        "-p:RestoreAdditionalProjectSources=$PWD/out/packages"
}

# HACKING.md's commands in two clones of the commit at two paths give the same wheel, npm tarball,
# crate, and DLL inside the .nupkg.
packages_reproducible() {
    local work=$PWD/out/ci/reproducible version clone file
    version=$(tools/version)
    rm -rf "$work"
    for clone in first second-at-another-path; do
        git clone --quiet . "$work/$clone" && mkdir -p "$work/$clone/out/packages"
        (export DOTNET_CLI_TELEMETRY_OPTOUT=1 DOTNET_NOLOGO=1
            build_package "$work/$clone" python /usr/bin && build_package "$work/$clone" node &&
                build_package "$work/$clone" rust && build_package "$work/$clone" csharp
        ) >"$work/$clone.log" 2>&1 || { cat "$work/$clone.log"; return 1; }
        (cd "$work/$clone/out/packages" && cp "../../rust/target/package/orv-pill-$version.crate" . &&
            cmake -E tar xf "Orv.Pill.$version.nupkg" lib/netstandard2.0/Orv.Pill.dll)
    done
    for file in "orv_pill-$version-py3-none-any.whl" "orv-pill-$version.tgz" \
        "orv-pill-$version.crate" lib/netstandard2.0/Orv.Pill.dll; do
        cmp "$work"/{first,second-at-another-path}/out/packages/"$file"
        echo "the same in both: $file"
    done
}

leg port-versions "each port's version is the project's" port_versions
leg python "Python package: wheel and sdist, validators, every CPython it claims" python_port
leg node "Node package: npm tarball, validators, the oldest Node it claims and the newest LTS" \
    node_port
leg rust "Rust package: crate, validators, rust-version and the newest stable" rust_port
leg csharp "C# package: .nupkg and .snupkg, validators, fresh console project, xunit" csharp_port
leg reproducible "the four packages the same from two clones at two paths" packages_reproducible
