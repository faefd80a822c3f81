# The packages' legs (HACKING.md's register says what each proves).
# shellcheck shell=bash
export DOTNET_CLI_TELEMETRY_OPTOUT=1 DOTNET_NOLOGO=1

version=$(tools/version)

# Clones the project to <clone> unless there, and builds there each <language>'s package with
# HACKING.md's command as written, as a newcomer runs it: nothing made ready, their PATH.
build_packages() {
    local language
    [ -d "$1" ] || git clone --quiet . "$1" || return
    for language in "${@:2}"; do run_snippet HACKING.md "package-$language" "$1" || return; done
}

# Builds <language>'s package in a fresh clone, out/ci/<language>/clone, and copies its <file>s
# (paths in the clone) into out/packages/, where the release takes them.
package() {
    local file
    rm -rf "out/ci/$1"
    build_packages "out/ci/$1/clone" "$1"
    mkdir -p out/packages
    for file in "${@:2}"; do cp "out/ci/$1/clone/$file" out/packages/; done
}

# The unpacked package <folder> holds the project's LICENSE at <licence>, and its table at <table>.
holds_project_files() {
    cmp LICENSE "$1/$2"
    [ -z "${3:-}" ] || cmp tests/cases.tsv "$1/$3"
    echo "$1: the project's licence${3:+ and table}"
}

# In <project>, with <bin> first on PATH if given: README's <language>-install, then its
# <language>-example, saved as <file> and run by <command...>, prints the pill and nothing else.
readme_example() {
    local language=$1 project=$2 bin=$3 file=$4 printed
    run_snippet README.md "$language-install" "$project" "$bin"
    doc_snippet README.md "$language-example" >"$project/$file"
    local pill="Mic access blocked [Open Windows mic settings -> ms-settings:privacy-microphone]"
    printed=$(cd "$project" && PATH=${bin:+$bin:}$PATH "${@:5}" 2>&1)
    [ "$printed" = "$pill" ] || { echo "README's $language example printed: $printed" >&2; return 1; }
}

port_versions() {
    local file found
    for file in python/pyproject.toml python/orv_pill/__init__.py node/package.json node/index.js \
        rust/Cargo.toml csharp/Orv.Pill/Orv.Pill.csproj csharp/Orv.Pill/Pill.cs; do
        found=$(sed -nE "s/^ *(version = \"|__version__ = \"|\"version\": \"|<Version>|return '|\
.*LibraryVersion => \")([^\"'<]*).*/\2/p" "$file")
        [ "$found" = "$version" ] ||
            { echo "$file gives the version '$found', not the project's $version" >&2; return 1; }
    done
}

python_port() {
    local work=$PWD/out/ci/python sdist=orv_pill-$version
    local wheel=$PWD/out/packages/$sdist-py3-none-any.whl
    package python "out/packages/$sdist"{.tar.gz,-py3-none-any.whl}
    twine check --strict "$wheel" "out/packages/$sdist.tar.gz"
    tar xzf "out/packages/$sdist.tar.gz" -C "$work"
    (cd "$work/$sdist" && /usr/bin/python3 -m mypy orv_pill)
    holds_project_files "$work/$sdist" LICENSE tests/cases.tsv
    /usr/bin/python3 -m zipfile -e "$wheel" "$work/wheel"
    [ -f "$work/wheel/orv_pill/py.typed" ] || { echo "the wheel has no py.typed" >&2; return 1; }
    holds_project_files "$work/wheel" "$sdist.dist-info/LICENSE"
    python3 -m venv "$work/venv" && cp "$wheel" "$work/venv/"
    readme_example python "$work/venv" "$work/venv/bin" example.py python example.py
    # pyenv shows nox its CPythons once they are selected, as `pyenv shell` selects them.
    (cd "$work/$sdist" &&
        PYENV_VERSION=$(pyenv versions --bare 2>/dev/null | paste -sd:) nox -- "$wheel")
}

node_port() {
    local work=$PWD/out/ci/node tarball=orv-pill-$version.tgz
    local versions=$work/clone/node/versions
    local oldest=$versions/node_modules/node-oldest/bin
    package node "out/packages/$tarball"
    (cd "$work/clone/node" && npm ci --no-audit --no-fund --loglevel=error && npm run -s lint &&
        npm publish --dry-run --loglevel=warn)
    tar xzf "out/packages/$tarball" -C "$work"
    holds_project_files "$work/package" LICENSE test/cases.tsv
    (cd "$versions" && npm ci --no-audit --no-fund --loglevel=error)
    local engines
    engines=$(node -p 'require("./node/package.json").engines.node')
    [ "$engines" = ">=$("$oldest/node" -p process.versions.node)" ] ||
        { echo "engines ($engines) does not name node/versions' oldest Node" >&2; return 1; }
    mkdir "$work/project" && cp "out/packages/$tarball" "$work/project/"
    (cd "$work/project" && npm init -y >/dev/null)
    readme_example node "$work/project" "$oldest" example.mjs node example.mjs
    (cd "$work/project/node_modules/orv-pill" && npm test --prefix "$versions")
}

rust_port() {
    local work=$PWD/out/ci/rust crate=orv-pill-$version bin
    package rust "rust/target/package/$crate.crate"
    if [ -e rust/build.rs ] || grep -qE '^\[(build-)?dependencies|^build *=' rust/Cargo.toml; then
        echo "the crate has a dependency or a build script, which README says it has not" >&2
        return 1
    fi
    (cd "$work/clone/rust" && cargo fmt --check &&
        cargo clippy --offline --all-targets -- -D warnings -W clippy::pedantic &&
        RUSTDOCFLAGS="-D missing_docs" cargo doc --offline --no-deps)
    tar xzf "out/packages/$crate.crate" -C "$work"
    holds_project_files "$work/$crate" LICENSE tests/cases.tsv
    grep -qxF "rust-version = \"$(/usr/bin/rustc --version | grep -oE '[0-9]+\.[0-9]+')\"" \
        rust/Cargo.toml || { echo "rust-version is not Debian's rustc's" >&2; return 1; }
    (cd "$work" && PATH=/usr/bin:$PATH cargo new --offline --quiet --name project project)
    cp "out/packages/$crate.crate" "$work/project/"
    readme_example rust "$work/project" /usr/bin src/main.rs cargo run --offline --quiet
    # cargo test alone passes a crate that lost tests/cases.rs: naming it makes that an error.
    for bin in /usr/bin "$(dirname "$(command -v cargo)")"; do
        (cd "$work/$crate" && export PATH=$bin:$PATH && cargo test --offline --lib --test cases &&
            cargo test --offline --doc)
    done
}

# README's example warning-free, then a restore from an empty cache, as a nuget.config must allow.
csharp_port() {
    local work=$PWD/out/ci/csharp
    export NUGET_PACKAGES=$work/nuget
    package csharp "out/packages/Orv.Pill.$version."{nupkg,snupkg}
    mkdir -p "$work/project/packages"
    cp "out/packages/Orv.Pill.$version.nupkg" "$work/project/packages/"
    cmake -E chdir "$work" cmake -E tar xf "$PWD/out/packages/Orv.Pill.$version.nupkg" LICENSE
    holds_project_files "$work" LICENSE
    (cd "$work/project" && dotnet new console --force >/dev/null)
    readme_example csharp "$work/project" "" Program.cs dotnet run -p:TreatWarningsAsErrors=true
    rm -rf "$NUGET_PACKAGES" "$work/project/obj" && (cd "$work/project" && dotnet restore)
    dotnet test "$work/clone/csharp/Orv.Pill.Tests" "-p:OrvPillVersion=$version" \
        "-p:RestoreAdditionalProjectSources=$PWD/out/packages"
}

packages_reproducible() {
    local work=$PWD/out/ci/reproducible clone file
    rm -rf "$work" && mkdir -p "$work"
    for clone in first second-at-another-path; do
        (build_packages "$work/$clone" python node rust csharp && cd "$work/$clone" &&
            cmake -E tar xf "out/packages/Orv.Pill.$version.nupkg" lib/netstandard2.0/Orv.Pill.dll
        ) >"$work/$clone.log" 2>&1 || { cat "$work/$clone.log"; return 1; }
    done
    for file in out/packages/{"orv_pill-$version-py3-none-any.whl","orv-pill-$version.tgz"} \
        "rust/target/package/orv-pill-$version.crate" lib/netstandard2.0/Orv.Pill.dll; do
        cmp "$work"/{first,second-at-another-path}/"$file"
        echo "the same: $file"
    done
}

leg port-versions "each port's version is the project's" port_versions
leg python "Python package: wheel and sdist, validators, every CPython it claims (nox)" python_port
leg node "Node package: npm tarball, validators, the oldest Node it claims and the newest LTS" \
    node_port
leg rust "Rust package: crate, validators, rust-version and the newest stable" rust_port
leg csharp "C# package: .nupkg and .snupkg, validators, fresh console project, xunit" csharp_port
leg reproducible "the four packages the same from two clones at two paths" packages_reproducible
