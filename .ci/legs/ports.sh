# The legs of the ports to Python, Node, Rust and C#. Each builds its package from the checkout
# with its language's own tools, with no network but the registries; installs it into a fresh
# project of its language with README's command for it; runs README's example there, as README
# shows it; and runs the port's own tests on the installed package, on the table of cases. The
# packages land in out/packages/, where the release takes them.
# shellcheck shell=bash

# Runs README's snippet <name> with bash in the folder <folder>, with <bin>, if given, first on
# PATH.
run_snippet() {
    local name=$1 folder=$2 bin=${3:-}
    doc_snippet README.md "$name" >"$folder/$name.sh"
    (cd "$folder" && PATH=${bin:+$bin:}$PATH bash -e "$name.sh")
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

# A wheel that says py3-none-any and holds py.typed, built by Debian's python3 and its setuptools.
python_port() {
    local work=$PWD/out/ci/python version wheel
    version=$(tools/version)
    wheel=orv_pill-$version-py3-none-any.whl
    rm -rf "$work" python/build python/*.egg-info && mkdir -p "$work/project" out/packages
    /usr/bin/python3 -m pip wheel --no-deps --no-build-isolation --no-index -w "$work" ./python
    /usr/bin/python3 -m zipfile -l "$work/$wheel" | grep -F orv_pill/py.typed
    /usr/bin/python3 -m venv "$work/venv"
    cp "$work/$wheel" "$work/project/" && cp "$work/$wheel" out/packages/
    run_snippet python-install "$work/project" "$work/venv/bin"
    doc_snippet README.md python-example >"$work/project/readme.py"
    [ "$(cd "$work/project" && "$work/venv/bin/python" readme.py)" = "$MIC_PERMISSION_LINE" ]
    (cd "$work/project" && "$work/venv/bin/python" -c 'import orv_pill; print(orv_pill.__file__)' |
        grep -F "$work/venv/")
    (cd "$work/project" && "$work/venv/bin/python" -m unittest discover -v -s "$OLDPWD/python/tests")
}

# An npm tarball, installed into a fresh project, which a later plain npm install keeps; and its
# declarations checked by the lockfile's tsc against a small TypeScript caller.
node_port() {
    local work=$PWD/out/ci/node tarball
    rm -rf "$work" && mkdir -p "$work/project/test" out/packages
    (cd node && npm ci --no-audit --no-fund --loglevel=error && npm run -s check-types)
    tarball=$(cd node && npm pack --silent --pack-destination "$work/project")
    cp "$work/project/$tarball" out/packages/
    (cd "$work/project" && npm init -y >/dev/null)
    run_snippet node-install "$work/project"
    (cd "$work/project" && npm install --no-audit --no-fund --loglevel=error)
    doc_snippet README.md node-example >"$work/project/readme.mjs"
    [ "$(cd "$work/project" && node readme.mjs)" = "$MIC_PERMISSION_LINE" ]
    # An ES module there too, in a project of CommonJS, npm init's default.
    cp node/test/orv-pill.test.js "$work/project/test/orv-pill.test.mjs"
    (cd "$work/project" && ORV_PILL_CASES=$OLDPWD/tests/cases.tsv node --test test/orv-pill.test.mjs)
}

# A crate with no dependency and no build script, packed offline, unpacked and taken by path into
# a fresh crate; its tests run in the unpacked crate, which holds the same sources as the checkout.
rust_port() {
    local work=$PWD/out/ci/rust version crate
    version=$(tools/version)
    crate=orv-pill-$version.crate
    rm -rf "$work" && mkdir -p "$work" out/packages
    [ ! -e rust/build.rs ] && ! grep -qE '^\[(build-)?dependencies\]|^build *=' rust/Cargo.toml
    CARGO_TARGET_DIR=$work/target cargo package --offline --manifest-path rust/Cargo.toml
    cp "$work/target/package/$crate" "$work/" && cp "$work/$crate" out/packages/
    (cd "$work" && cargo new --offline --quiet project)
    cp "$work/$crate" "$work/project/"
    run_snippet rust-install "$work/project"
    doc_snippet README.md rust-example >"$work/project/src/main.rs"
    [ "$(cd "$work/project" && cargo run --offline --quiet)" = "$MIC_PERMISSION_LINE" ]
    (cd "$work/project/orv-pill-$version" &&
        ORV_PILL_CASES=$OLDPWD/tests/cases.tsv cargo test --offline)
}

# A .nupkg of a netstandard2.0 class library, taken by a fresh console project; the xunit tests run
# on that package. NuGet's cache lives in the leg's folder, so that no earlier package of the same
# version stands in for this one.
csharp_port() {
    local work=$PWD/out/ci/csharp version
    version=$(tools/version)
    export NUGET_PACKAGES=$work/nuget DOTNET_CLI_TELEMETRY_OPTOUT=1 DOTNET_NOLOGO=1
    rm -rf "$work" csharp/*/bin csharp/*/obj && mkdir -p "$work/tests" out/packages
    dotnet pack csharp/Orv.Pill -c Release -o "$work/project/packages"
    cp "$work/project/packages/Orv.Pill.$version.nupkg" out/packages/
    (cd "$work/project" && dotnet new console --force >/dev/null)
    run_snippet csharp-install "$work/project"
    doc_snippet README.md csharp-example >"$work/project/Program.cs"
    [ "$(cd "$work/project" && dotnet run)" = "$MIC_PERMISSION_LINE" ]
    cp csharp/Orv.Pill.Tests/*.cs csharp/Orv.Pill.Tests/*.csproj "$work/tests/"
    ORV_PILL_CASES=$PWD/tests/cases.tsv dotnet test "$work/tests" "-p:OrvPillVersion=$version" \
        "-p:RestoreAdditionalProjectSources=$work/project/packages"
}

leg port-versions "each port's version is the project's" port_versions
leg python "Python port: wheel, fresh venv, README, tests" python_port
leg node "Node port: npm tarball, fresh project, README, tests, tsc" node_port
leg rust "Rust port: crate, fresh crate, README, tests" rust_port
leg csharp "C# port: .nupkg, fresh console project, README, xunit" csharp_port
