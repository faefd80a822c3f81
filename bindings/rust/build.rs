//! Links the static orv_pill library, whose C interface needs no C++ runtime. Its folder is, in
//! order: ORV_PILL_LIB_DIR, the lib/ of the install prefix or unpacked release archive that holds
//! this crate (under share/orv_pill/bindings/rust), or what pkg-config says of orv_pill.
use std::path::{Path, PathBuf};
use std::process::Command;

fn has_library(folder: &Path) -> bool {
    ["liborv_pill.a", "orv_pill.lib"].iter().any(|name| folder.join(name).is_file())
}

fn main() {
    println!("cargo:rerun-if-env-changed=ORV_PILL_LIB_DIR");
    let manifest = PathBuf::from(std::env::var("CARGO_MANIFEST_DIR").unwrap());
    let folder = std::env::var_os("ORV_PILL_LIB_DIR")
        .map(PathBuf::from)
        .or_else(|| Some(manifest.ancestors().nth(4)?.join("lib")).filter(|lib| has_library(lib)))
        .or_else(|| {
            let output = Command::new("pkg-config").args(["--libs-only-L", "orv_pill"]).output();
            let flags = String::from_utf8(output.ok().filter(|o| o.status.success())?.stdout).ok()?;
            flags.split_whitespace().find_map(|flag| flag.strip_prefix("-L")).map(PathBuf::from)
        })
        .filter(|folder| has_library(folder))
        .unwrap_or_else(|| {
            panic!("orv-pill: no static orv_pill library in ORV_PILL_LIB_DIR, in the lib/ of this \
                    crate's prefix, or from pkg-config orv_pill; set ORV_PILL_LIB_DIR to its folder")
        });
    println!("cargo:rustc-link-search=native={}", folder.display());
    println!("cargo:rustc-link-lib=static=orv_pill");
}
