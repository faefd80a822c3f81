# The leg of the bindings for Python, Node, Rust and C#.
# shellcheck shell=bash

# Each binding, installed with the library into a prefix by README's command (the shared library;
# the static one for Rust), tested there by its own language's runner on the one table of cases,
# bindings/tests/cases.tsv; and README's example in each language, as README shows it, printing
# the pill, also from copies that pip and npm made elsewhere. Nothing of the checkout is on any
# path, and no variable names the library. C# is compiled by Mono's mcs, with the library beside
# the program, as Orv.Pill.csproj puts it; the .csproj itself, for dotnet, is only read here.
bindings() {
    local work=$PWD/out/ci/bindings expected=$MIC_PERMISSION_LINE
    rm -rf "$work" && mkdir -p "$work"/{readme-node,readme-rust/src,csharp}
    # README's command, into a prefix of this leg's own; and the static library for Rust.
    doc_snippet README.md install-shared |
        sed "s|/opt/orv|$work/shared|; s|build/shared|$work/build-shared|g" \
        >"$work/install.sh"
    bash -e "$work/install.sh"
    install_prefix "$work/build-static" "$work/static"
    local shared=$work/shared/share/orv_pill/bindings static=$work/static/share/orv_pill/bindings
    local version manifest
    version=$(tools/version)
    for manifest in python/pyproject.toml rust/Cargo.toml node/package.json \
        csharp/Orv.Pill.csproj; do
        grep -qE "(version\"?: |version = |<Version>)\"?$version\b" "bindings/$manifest" ||
            { echo "bindings/$manifest does not give the version $version" >&2; return 1; }
    done

    python3 -m unittest discover -s "$shared/python/tests" -v
    (cd "$shared/node" && npm ci --no-audit --no-fund --loglevel=error &&
        node --test test/orv-pill.test.js)
    CARGO_TARGET_DIR=$work/cargo cargo test --offline --manifest-path "$static/rust/Cargo.toml"
    cp -L "$work/shared/lib/liborv_pill.so" "$work/csharp/"
    mcs -langversion:7.2 -warnaserror "-out:$work/csharp/PillTest.exe" "$shared/csharp/Pill.cs" \
        "$shared/csharp/tests/PillTest.cs"
    mono "$work/csharp/PillTest.exe" "$shared/tests/cases.tsv"
    python3 -c 'import sys, xml.dom.minidom; xml.dom.minidom.parse(sys.argv[1])' \
        "$shared/csharp/Orv.Pill.csproj"

    doc_snippet README.md python-example >"$work/readme.py"
    [ "$(PYTHONPATH=$shared/python python3 "$work/readme.py")" = "$expected" ]
    # pip takes the library along. Debian's python3 builds the package with Debian's setuptools,
    # since no package index is reached here.
    /usr/bin/python3 -m pip install --no-build-isolation --no-index --quiet \
        --root-user-action=ignore --target "$work/site" "$shared/python"
    [ "$(cd / && PYTHONPATH=$work/site /usr/bin/python3 "$work/readme.py")" = "$expected" ]
    doc_snippet README.md node-example >"$work/readme-node/readme.mjs"
    (cd "$work/readme-node" && npm init -y >/dev/null &&
        npm install --install-links --no-audit --no-fund --loglevel=error "$shared/node")
    [ "$(node "$work/readme-node/readme.mjs")" = "$expected" ]
    doc_snippet README.md rust-example >"$work/readme-rust/src/main.rs"
    printf '[package]\nname = "readme"\nversion = "0.0.0"\nedition = "2021"\n[dependencies]\n%s\n' \
        "orv-pill = { path = \"$static/rust\" }" >"$work/readme-rust/Cargo.toml"
    [ "$(CARGO_TARGET_DIR=$work/cargo cargo run -q --offline \
        --manifest-path "$work/readme-rust/Cargo.toml")" = "$expected" ]
    doc_snippet README.md csharp-example >"$work/csharp/Readme.cs"
    mcs -langversion:7.2 -warnaserror "-out:$work/csharp/Readme.exe" "$shared/csharp/Pill.cs" \
        "$work/csharp/Readme.cs"
    [ "$(mono "$work/csharp/Readme.exe")" = "$expected" ]
}

leg bindings "Python, Node, Rust and C# bindings" bindings
