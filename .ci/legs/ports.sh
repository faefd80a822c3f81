# The packages' legs (HACKING.md's register says what each proves).
# shellcheck shell=bash
export DOTNET_CLI_TELEMETRY_OPTOUT=1 DOTNET_NOLOGO=1

version=$(tools/version)

# Builds <language>'s package with HACKING.md's command as written, as a newcomer runs it (a fresh
# clone, nothing made ready, their PATH), in out/ci/<language>/clone and again in a clone at another
# path, whose <same> (a path in the clone) must be the same bytes; copies the first clone's <file>s
# into out/packages/, where the release takes them.
package() { # <language> <same> <file>...
    local work=out/ci/$1 clone file
    rm -rf "$work"
    for clone in clone again-at-another-path; do
        git clone --quiet . "$work/$clone" && run_snippet HACKING.md "package-$1" "$work/$clone" ||
            return
    done
    cmp "$work"/{clone,again-at-another-path}/"$2"
    echo "the same from two clones: $2"
    mkdir -p out/packages
    for file in "${@:3}"; do cp "$work/clone/$file" out/packages/; done
}

# In <project>, with <bin> first on PATH if given: README's <language>-install, then its
# <language>-example, saved as <file> and run by <command...>, prints the pill and nothing else.
readme_example() {
    local language=$1 project=$2 bin=$3 file=$4 printed
    run_snippet README.md "$language-install" "$project" "$bin"
    doc_snippet README.md "$language-example" "$project/$file"
    local pill="Mic access blocked [Open Windows mic settings -> ms-settings:privacy-microphone]"
    printed=$(cd "$project" && PATH=${bin:+$bin:}$PATH "${@:5}" 2>&1)
    [ "$printed" = "$pill" ] || { echo "README's $language example printed: $printed" >&2; false; }
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
    local wheel=out/packages/$sdist-py3-none-any.whl
    package python "$wheel" "$wheel" "out/packages/$sdist.tar.gz"
    twine check --strict "$wheel" "out/packages/$sdist.tar.gz"
    tar xzf "out/packages/$sdist.tar.gz" -C "$work"
    (cd "$work/$sdist" && /usr/bin/python3 -m mypy orv_pill)
    cmp LICENSE "$work/$sdist/LICENSE"
    cmp tests/cases.tsv "$work/$sdist/tests/cases.tsv"
    /usr/bin/python3 -m zipfile -e "$wheel" "$work/wheel"
    [ -f "$work/wheel/orv_pill/py.typed" ] || { echo "the wheel has no py.typed" >&2; return 1; }
    cmp LICENSE "$work/wheel/$sdist.dist-info/LICENSE"
    python3 -m venv "$work/venv" && cp "$wheel" "$work/venv/"
    readme_example python "$work/venv" "$work/venv/bin" example.py python example.py
    # pyenv shows nox its CPythons once they are selected, as `pyenv shell` selects them.
    (cd "$work/$sdist" &&
        PYENV_VERSION=$(pyenv versions --bare 2>/dev/null | paste -sd:) nox -- "$OLDPWD/$wheel")
}

node_port() {
    local work=$PWD/out/ci/node tarball=orv-pill-$version.tgz engines
    local versions=$work/clone/node/versions
    local oldest=$versions/node_modules/node-oldest/bin
    package node "out/packages/$tarball" "out/packages/$tarball"
    (cd "$work/clone/node" && npm ci --no-audit --no-fund --loglevel=error && npm run -s lint &&
        npm publish --dry-run --loglevel=warn)
    tar xzf "out/packages/$tarball" -C "$work"
    cmp LICENSE "$work/package/LICENSE"
    cmp tests/cases.tsv "$work/package/test/cases.tsv"
    (cd "$versions" && npm ci --no-audit --no-fund --loglevel=error)
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
    package rust "rust/target/package/$crate.crate" "rust/target/package/$crate.crate"
    if [ -e rust/build.rs ] || grep -qE '^\[(build-)?dependencies|^build *=' rust/Cargo.toml; then
        echo "the crate has a dependency or a build script, which README says it has not" >&2
        return 1
    fi
    (cd "$work/clone/rust" && cargo fmt --check &&
        cargo clippy --offline --all-targets -- -D warnings -W clippy::pedantic &&
        RUSTDOCFLAGS="-D missing_docs" cargo doc --offline --no-deps)
    tar xzf "out/packages/$crate.crate" -C "$work"
    cmp LICENSE "$work/$crate/LICENSE"
    cmp tests/cases.tsv "$work/$crate/tests/cases.tsv"
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
    package csharp csharp/Orv.Pill/bin/Release/netstandard2.0/Orv.Pill.dll \
        "out/packages/Orv.Pill.$version."{nupkg,snupkg}
    mkdir -p "$work/project/packages"
    cp "out/packages/Orv.Pill.$version.nupkg" "$work/project/packages/"
    cmake -E chdir "$work" cmake -E tar xf "$PWD/out/packages/Orv.Pill.$version.nupkg" LICENSE
    cmp LICENSE "$work/LICENSE"
    (cd "$work/project" && dotnet new console --force >/dev/null)
    readme_example csharp "$work/project" "" Program.cs dotnet run -p:TreatWarningsAsErrors=true
    rm -rf "$NUGET_PACKAGES" "$work/project/obj" && (cd "$work/project" && dotnet restore)
    dotnet test "$work/clone/csharp/Orv.Pill.Tests" "-p:OrvPillVersion=$version" \
        "-p:RestoreAdditionalProjectSources=$PWD/out/packages"
}

leg port-versions "each port's version is the project's" port_versions
leg python "Python package: wheel and sdist, validators, every CPython it claims (nox)" python_port
leg node "Node package: npm tarball, validators, the oldest Node it claims and the newest LTS" \
    node_port
leg rust "Rust package: crate, validators, rust-version and the newest stable" rust_port
leg csharp "C# package: .nupkg and .snupkg, validators, fresh console project, xunit" csharp_port
