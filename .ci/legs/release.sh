# shellcheck shell=bash

# tools/publish, dry, on a fresh <folder> of stand-ins with the names given, for the tag <tag>.
publish_stand_ins() {
    rm -rf "$2" && mkdir -p "$2"
    for name in "${@:3}"; do echo "stand-in for $name" >"$2/$name"; done
    tools/publish --dry-run "$1" "$2"
}

# On stand-ins named as tools/publish lists the release's files; then each way it must refuse.
publish_dry_run() {
    local dist=out/ci/dist log i version files
    version=$(tools/version)
    mapfile -t files < <(tools/publish --list "v$version")
    log=$(publish_stand_ins "v$version" "$dist" "${files[@]}")
    echo "$log"
    (cd "$dist" && sha256sum --check SHA256SUMS)
    [ "$(wc -l <"$dist/SHA256SUMS")" -eq 12 ] ||
        { echo "SHA256SUMS does not list twelve files" >&2; return 1; }
    [ "$(grep '^  | ## ' <<<"$log")" = "$(grep "^## $version " CHANGELOG.md | sed 's/^/  | /')" ] ||
        { echo "the notes are not CHANGELOG.md's section $version alone" >&2; return 1; }
    local wrong="must hold the six archives and six package files of $version and nothing else"
    for i in "${!files[@]}"; do
        fails_saying "$wrong" \
            publish_stand_ins "v$version" "$dist" "${files[@]:0:i}" "${files[@]:i+1}"
    done
    fails_saying "$wrong" publish_stand_ins "v$version" "$dist" "${files[@]}" notes.txt
    fails_saying "the tag is v9.9.9, but CMakeLists.txt gives the project version $version" \
        publish_stand_ins v9.9.9 "$dist" "${files[@]//$version/9.9.9}"
    [ "$(TOKEN='' tools/upload npm "v$version" "$dist")" = \
        "npm: its token is not set, so nothing is uploaded" ] ||
        { echo "tools/upload without a token did not say that it skipped" >&2; return 1; }
}

leg publish "release publishing (dry run)" publish_dry_run
