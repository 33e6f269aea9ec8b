// SPDX-License-Identifier: GPL-3.0-or-later
// One headless Debian chromium for all scenarios; each scenario gets a fresh
// browser context (its own IndexedDB), the fake serial port wired to its own
// zt41-radio, and a watch on every request: the page may fetch nothing that
// is not its own file.
import { readFileSync } from "node:fs";
import { createRequire } from "node:module";
import { dirname, join } from "node:path";
import { fileURLToPath, pathToFileURL } from "node:url";
import { startRadio } from "./bridge.mjs";

const require = createRequire(import.meta.url);
const { chromium } = require("playwright-core");
const here = dirname(fileURLToPath(import.meta.url));
const fakeSerial = readFileSync(join(here, "fakeserial.js"), "utf8");

export const pagePath = process.env.ZT41_PAGE;
export const radioPath = process.env.ZT41_RADIO;
export const cliPath = process.env.ZT41_CLI;
export const shots = process.env.ZT41_SHOTS; // a folder for screenshots, when given

let browser;
export async function launch() {
    browser ??= await chromium.launch({ executablePath: process.env.ZT41_CHROMIUM ?? "/usr/bin/chromium" });
    return browser;
}

// A page on a radio started with `radioArgs`; `outside` collects every request
// to anything but the page's own file.
// Without `serial`, the page sees a browser with no Web Serial at all.
export async function openPage(radioArgs = [], { serial = true } = {}) {
    const radio = await startRadio(radioPath, radioArgs);
    const context = await (await launch()).newContext({ bypassCSP: true, acceptDownloads: true, viewport: { width: 820, height: 640 } });
    const outside = [];
    await context.route("**/*", (route) => {
        const url = route.request().url();
        if (url.startsWith("file://")) return route.continue();
        outside.push(url);
        return route.abort();
    });
    await context.addInitScript(
        serial ? `window.__zt41Bridge = ${JSON.stringify(radio.url)};\n${fakeSerial}` : "delete Navigator.prototype.serial;"
    );
    const page = await context.newPage();
    const errors = [];
    page.on("pageerror", (e) => errors.push(e.message));
    await page.goto(pathToFileURL(pagePath).href);
    await page.waitForSelector("[data-ready]");
    return { page, context, radio, outside, errors };
}

export const cell = (page, row, field) => page.locator(`td[data-row="${row}"][data-field="${field}"]`);
export const status = (page) => page.locator("#Label2").textContent();

// The text of the message on screen, closed with 确定.
export async function takeMessage(page, timeout = 15000) {
    const box = page.locator("dialog.msgbox[open]");
    await box.waitFor({ timeout });
    const text = await box.locator(".msgtext").textContent();
    const title = await box.locator(".msgtitle").textContent();
    await box.locator('[data-name="确定"]').click();
    return { text, title };
}

export async function menu(page, ...names) {
    for (const n of names) await page.locator(`[data-name="${n}"]`).first().click();
}

// Types into a grid cell and ends the edit with `end` (Enter, Tab).
export async function typeCell(page, row, field, text, end = "Enter") {
    await cell(page, row, field).dblclick();
    await page.keyboard.type(text);
    await page.keyboard.press(end);
}

export async function connect(page) {
    await menu(page, "端口", "连接对讲机");
    await page.waitForFunction(() => document.getElementById("Label2").textContent === "对讲机就绪...", null, { timeout: 10000 });
}
