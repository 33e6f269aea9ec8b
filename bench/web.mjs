// SPDX-License-Identifier: GPL-3.0-or-later
// node bench/web.mjs PAGE RADIO: the page's load to its first usable paint in
// headless chromium against a blank page of the same size, and a read through
// the bridge to zt41-radio against the line's limit.
import { mkdtempSync, statSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { pathToFileURL } from "node:url";
import { connect, launch, menu, openPage } from "../tests/web/harness.mjs";

const runs = 7;
const median = (xs) => xs.sort((a, b) => a - b)[Math.floor(xs.length / 2)];
const browser = await launch();

// Navigation start to the first contentful paint: the page has nothing to
// paint before its window is built over the loaded kernel, so its first
// contentful paint is its first usable one.
async function firstPaint(url, usable) {
    const context = await browser.newContext();
    const page = await context.newPage();
    await page.goto(url);
    if (usable) await page.waitForSelector("[data-ready]");
    const fcp = await page.waitForFunction(() => performance.getEntriesByName("first-contentful-paint")[0]?.startTime);
    const ms = await fcp.jsonValue();
    await context.close();
    return ms;
}

const pagePath = process.env.ZT41_PAGE;
const size = statSync(pagePath).size;
const blank = join(mkdtempSync(join(tmpdir(), "zt41-bench-")), "blank.html");
writeFileSync(blank, `<!doctype html><meta charset="utf-8"><p>ZT41</p><!--${"x".repeat(size - 60)}-->`);
const pageMs = [], blankMs = [];
for (let i = 0; i < runs; ++i) {
    blankMs.push(await firstPaint(pathToFileURL(blank).href, false));
    pageMs.push(await firstPaint(pathToFileURL(pagePath).href, true));
}
const p = median(pageMs), b = median(blankMs);
console.log(`page ${size} bytes: first usable paint ${p.toFixed(1)} ms, blank page of that size ${b.toFixed(1)} ms (${(p / b).toFixed(2)}x)`);

// A read: "5" and 16 frames of 28 characters come back at 1200 bit/s, 10 bits a character.
const { page, context, radio } = await openPage(["--memory", blank.replace("blank.html", "none.doc")]);
await connect(page);
// Timed in the page: from the command to the status line's "读出信道数据完毕！".
await page.evaluate(() => {
    const status = document.getElementById("Label2");
    new MutationObserver(() => {
        if (status.textContent === "读出信道数据完毕！") window.__readEnd = performance.now();
    }).observe(status, { childList: true, characterData: true, subtree: true });
    document.querySelector('[data-name="读信道"]').addEventListener("click", () => (window.__readStart = performance.now()), { capture: true });
});
await menu(page, "读信道");
await page.waitForFunction(() => window.__readEnd, null, { timeout: 20000 });
const readMs = await page.evaluate(() => window.__readEnd - window.__readStart);
const limit = (448 * 10 * 1000) / 1200;
console.log(`read: ${readMs.toFixed(0)} ms from the command; the line's limit ${limit.toFixed(0)} ms (+${(readMs - limit).toFixed(0)} ms, of which Timer4's 100 ms)`);
await context.close();
await radio.stop();
await browser.close();
