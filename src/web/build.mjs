// SPDX-License-Identifier: GPL-3.0-or-later
// node build.mjs --kernel zt41kernel.js --words words.json --words-en words-en.json --out zt41.html
// Type-checks the page's TypeScript (tsc), bundles it (esbuild) and writes one
// self-contained HTML file: style, the window's words in both languages
// ({ "zh": ..., "en": ... }), the kernel with its
// WebAssembly module and the page's script, all inline.
import { execFileSync } from "node:child_process";
import { mkdirSync, readFileSync, writeFileSync } from "node:fs";
import { dirname, join } from "node:path";
import { fileURLToPath } from "node:url";

const here = dirname(fileURLToPath(import.meta.url));
const args = Object.fromEntries(
    process.argv.slice(2).reduce((pairs, a, i, all) => (a.startsWith("--") ? [...pairs, [a.slice(2), all[i + 1]]] : pairs), [])
);
for (const need of ["kernel", "words", "words-en", "out"])
    if (!args[need]) throw new Error(`build.mjs: --${need} is missing`);

const page = join(here, "page");
execFileSync("tsc", ["--noEmit", "-p", join(page, "tsconfig.json")], { stdio: "inherit" });
const script = execFileSync(
    "esbuild",
    [join(page, "main.ts"), "--bundle", "--minify", "--format=iife", "--target=chrome100", "--charset=utf8", "--log-level=warning"],
    { maxBuffer: 1 << 26 }
).toString();

const readJson = (path) => JSON.parse(readFileSync(path, "utf8"));
// Text inside <script> must not close it early.
const inline = (text) => text.replace(/<\/(script)/gi, "<\\/$1").replace(/<!--/g, "<\\!--");
const parts = {
    STYLE: readFileSync(join(page, "style.css"), "utf8"),
    WORDS: inline(JSON.stringify({ zh: readJson(args.words), en: readJson(args["words-en"]) })),
    KERNEL: inline(readFileSync(args.kernel, "utf8")),
    SCRIPT: inline(script),
};
const html = readFileSync(join(page, "index.html"), "utf8").replace(/\/\*@(STYLE|WORDS|KERNEL|SCRIPT)@\*\//g, (_, k) => parts[k]);
mkdirSync(dirname(args.out), { recursive: true });
writeFileSync(args.out, html);
console.log(`${args.out}: ${html.length} characters`);
