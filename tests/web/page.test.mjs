// SPDX-License-Identifier: GPL-3.0-or-later
// The page in headless chromium against zt41-radio, through the fake serial
// port and the bridge, at the radio's real pace. One table of scenarios; every
// scenario also checks that the page asked for nothing but its own file and
// threw no error.
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { mkdirSync, mkdtempSync, readFileSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { after, test } from "node:test";
import { cell, cliPath, connect, launch, menu, openPage, shots, status, takeMessage, typeCell } from "./harness.mjs";

const tmp = mkdtempSync(join(tmpdir(), "zt41-web-test-"));

// Channel 1 at 145.5 MHz as typed, the others empty: "A", then frame 1 with
// the squelch level 3 in its slot field, then frames 2 to 16 of empty rows.
const typedWrite =
    "A" +
    "0300000041120000551400000000" +
    Array.from({ length: 15 }, (_, i) => String(i + 1).padStart(2, "0") + "0".repeat(26)).join("");

const readStatus = "读出信道数据完毕！";

const scenarios = [
    {
        name: "typing 600 and a squelch level of 12 are refused with the window's messages",
        async run({ page }) {
            await typeCell(page, 2, "rf", "600");
            assert.deepEqual(await takeMessage(page), { text: "数据超出范围 ！！", title: "错误警告 " });
            assert.equal(await cell(page, 2, "rf").textContent(), "");
            await typeCell(page, 3, "rf", "145.137505", "Tab");
            assert.equal(await cell(page, 3, "tf").textContent(), "145.13750");
            assert.equal(await cell(page, 3, "pw").textContent(), "H");
            await page.fill("#Combo1", "12");
            assert.deepEqual(await takeMessage(page), { text: "静燥级别不可大于 9 ！！！", title: "错误警告" });
            assert.equal(await page.inputValue("#Combo1"), "3");
            await page.selectOption("#Combo4", "88.5");
            assert.equal(await cell(page, 3, "tct").textContent(), "88.5");
            await shot(page, "grid");
        },
    },
    {
        name: "reload keeps the table, a second tab is refused",
        async run({ page, context }) {
            await typeCell(page, 5, "rf", "435.5");
            await page.reload();
            await page.waitForSelector("[data-ready]");
            assert.equal(await cell(page, 5, "rf").textContent(), "435.50000");
            const second = await context.newPage();
            await second.goto(page.url());
            assert.match((await takeMessage(second)).text, /另一个副本/);
            assert.equal(await second.locator("#DataGrid1").count(), 0);
            await second.close();
        },
    },
    {
        name: "write: the radio receives the window's frames",
        async run({ page, radio }) {
            await typeCell(page, 1, "rf", "145.5");
            await connect(page);
            await menu(page, "写信道");
            await page.waitForFunction(() => document.getElementById("Label2").textContent === "数据传送完毕...", null, { timeout: 15000 });
            assert.equal(radio.received().replace(/C/g, ""), typedWrite);
        },
    },
    {
        name: "read brings the radio's channels; saved, they are the window's file",
        radio: ["--memory", "@memory"],
        memory: "3," + "430.02500,,430.02500,,off,L,".repeat(15) + "145.50000,88.5,145.50000,88.5,off,H,",
        async run({ page }) {
            await connect(page);
            await menu(page, "读信道");
            await page.waitForFunction((s) => document.getElementById("Label2").textContent === s, readStatus, { timeout: 15000 });
            assert.equal(await cell(page, 16, "rf").textContent(), "145.50000");
            assert.equal(await cell(page, 16, "rct").textContent(), "88.5");
            const [download] = await Promise.all([page.waitForEvent("download"), menu(page, "文件", "保存")]);
            const windowSaved = tempFile("read.doc", "");
            execFileSync(cliPath, ["convert", tempFile("memory.doc", this.memory), windowSaved]);
            assert.equal(readFileSync(await download.path(), "latin1"), readFileSync(windowSaved, "latin1"));
        },
    },
    {
        name: "the radio killed mid-write ends with the transfer error, never with success",
        async run({ page, radio }) {
            await connect(page);
            await menu(page, "写信道");
            await page.waitForTimeout(1500);
            radio.kill();
            assert.deepEqual(await takeMessage(page), { text: "数据传送错误！！", title: "错误警告 " });
            assert.notEqual(await status(page), "数据传送完毕...");
        },
    },
    {
        name: "the radio killed mid-写入并校验 names the backup made before and offers it back",
        async run({ page, radio }) {
            await typeCell(page, 1, "rf", "145.5");
            await connect(page);
            await menu(page, "工具", "写入并校验");
            await page.waitForFunction(() => /^正在写入\.\.\. [1-9]/.test(document.getElementById("Label2").textContent), null, { timeout: 20000 });
            radio.kill();
            const failed = page.locator('dialog[data-name="写入失败"]');
            await failed.waitFor({ timeout: 15000 });
            assert.match(await failed.locator(".intro").textContent(), /^写入时失败：[^]*\d{4}-\d\d-\d\d \d\d:\d\d:\d\d/);
            assert.equal(await failed.locator('[data-name="恢复备份"]').count(), 1);
            await page.keyboard.press("Enter"); // 关闭, never 恢复备份
            await failed.waitFor({ state: "detached" });
        },
    },
    {
        name: "写入并校验 on a radio that stores channel 5 wrong names channel 5; the backup made before puts the old channels back",
        radio: ["--corrupt-channel", "5", "--memory", "@memory"],
        memory: "4," + "430.02500,88.5,430.02500,88.5,off,L,".repeat(16),
        async run({ page, radio }) {
            await typeCell(page, 1, "rf", "145.5");
            await typeCell(page, 5, "rf", "146.5");
            await connect(page);
            await menu(page, "工具", "写入并校验");
            assert.equal(await page.locator('[data-name="写信道"]').isDisabled(), true);
            const result = page.locator('dialog[data-name="校验结果"]');
            await result.waitFor({ timeout: 40000 });
            assert.deepEqual(await result.locator("tbody tr").allTextContents(), ["5接收频率146.50000146.50001"]);
            assert.match(await result.locator(".intro").textContent(), /^对讲机中有 1 处与表格不同。\n写入前的备份：\d{4}-\d\d-\d\d \d\d:\d\d:\d\d$/);
            await shot(page, "verify-result");
            await page.keyboard.press("Enter"); // 关闭, never 恢复备份
            await result.waitFor({ state: "detached" });
            const before = radio.sent().replace(/\D/g, "").slice(0, 16 * 28);

            await menu(page, "工具", "备份与恢复");
            const backups = page.locator('dialog[data-name="备份与恢复"]');
            await backups.waitFor();
            assert.equal(await backups.locator("tbody tr").count(), 1);
            await backups.locator('[data-name="写入对讲机"]').click();
            const question = page.locator('dialog[data-name="question"]');
            assert.match(await question.locator(".msgtext").textContent(), /^将 \d{4}-\d\d-\d\d \d\d:\d\d:\d\d 的备份写入/);
            await question.locator('[data-name="是"]').click();
            await result.waitFor({ timeout: 40000 });
            const rx = radio.received();
            // Its 16 frames, then the "5" of the check that follows.
            assert.equal(rx.slice(rx.lastIndexOf("A") + 1).replace(/C/g, "").slice(0, 16 * 28), before);
        },
    },
    {
        name: "a backup the browser will not keep (a full disk): nothing is written to the radio",
        radio: ["--memory", "@memory"],
        memory: "4," + "430.02500,,430.02500,,off,L,".repeat(16),
        async run({ page, radio }) {
            await typeCell(page, 1, "rf", "145.5");
            await connect(page);
            await page.evaluate(() => {
                IDBObjectStore.prototype.add = () => {
                    throw new DOMException("disk full", "QuotaExceededError");
                };
            });
            await menu(page, "工具", "写入并校验");
            const m = await takeMessage(page, 20000);
            assert.equal(m.text, "备份无法保存到 本浏览器的存储，没有向对讲机写入任何数据。");
            assert.match(radio.received(), /5/);
            assert.doesNotMatch(radio.received(), /A/);
        },
    },
    {
        name: "a two-row paste: each value judged, a tone outside the set refused with the window's message",
        async run({ page }) {
            await cell(page, 1, "rf").click();
            await paste(page, "145.5\t66.0\n146.0\t88.5\n");
            await page.locator("dialog.msgbox[open]").waitFor();
            await shot(page, "paste-message");
            const m = await takeMessage(page);
            assert.match(m.text, /信道 1  收哑音：66\.0/);
            assert.equal(m.title, "错误警告 ");
            assert.deepEqual(await rowTexts(page, 1), ["1", "145.50000", "", "145.50000", "", "off", "H"]);
            assert.deepEqual(await rowTexts(page, 2), ["2", "146.00000", "88.5", "146.00000", "", "off", "H"]);
        },
    },
    {
        name: "undo after a read puts the typed table back",
        radio: ["--memory", "@memory"],
        memory: "5," + "430.02500,,430.02500,,off,L,".repeat(16),
        async run({ page }) {
            await typeCell(page, 4, "rf", "145.5");
            await connect(page);
            await menu(page, "读信道");
            await page.waitForFunction((s) => document.getElementById("Label2").textContent === s, readStatus, { timeout: 15000 });
            assert.equal(await cell(page, 4, "rf").textContent(), "430.02500");
            await cell(page, 1, "no").click();
            await page.keyboard.press("Control+z");
            assert.equal(await cell(page, 4, "rf").textContent(), "145.50000");
            assert.equal(await cell(page, 1, "rf").textContent(), "");
            assert.equal(await page.inputValue("#Combo1"), "3");
        },
    },
    {
        name: "a channel file opened and saved gives the bytes the window saves",
        async run({ page }) {
            const input = tempFile("in.doc", '" 4 ",145.5,88.5,  145.500 ,Null,on,L,' + "Null,".repeat(90));
            const [chooser] = await Promise.all([page.waitForEvent("filechooser"), menu(page, "文件", "打开")]);
            await chooser.setFiles(input);
            await page.waitForFunction(() => document.querySelector('td[data-row="1"][data-field="rf"]').textContent !== "");
            const [download] = await Promise.all([page.waitForEvent("download"), menu(page, "文件", "保存")]);
            const saved = readFileSync(await download.path());
            const windowSaved = tempFile("window.doc", "");
            execFileSync(cliPath, ["convert", input, windowSaved]);
            assert.deepEqual(saved, readFileSync(windowSaved));
        },
    },
    {
        name: "a CSV import names what it could not take, with the window's words; its export is the tool's",
        async run({ page }) {
            const csv = tempFile(
                "list.csv",
                "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,Mode\r\n" +
                    "1,A,145.500000,,0.000000,Tone,88.5,88.5,FM\r\n" +
                    "2,B,146.000000,,0.000000,Tone,66.0,88.5,FM\r\n"
            );
            const [chooser] = await Promise.all([page.waitForEvent("filechooser"), menu(page, "文件", "打开")]);
            await chooser.setFiles(csv);
            const m = await takeMessage(page);
            assert.equal(m.title, "系统信息");
            assert.match(m.text, /^CSV 文件已导入，以下 1 项未能照原样导入：\n第 3 行（信道 2）：.*「66\.0」/);
            assert.equal(await cell(page, 1, "rf").textContent(), "145.50000");
            assert.equal(await cell(page, 2, "rf").textContent(), "146.00000");
            const [download] = await Promise.all([page.waitForEvent("download"), menu(page, "文件", "保存CSV")]);
            const windowCsv = tempFile("window.csv", "");
            execFileSync(cliPath, ["convert", csv, windowCsv], { stdio: "ignore" });
            assert.deepEqual(readFileSync(await download.path()), readFileSync(windowCsv));
        },
    },
    {
        name: "without Web Serial the page says it needs Chrome or Edge, and editing still works",
        serial: false,
        async run({ page }) {
            assert.match((await takeMessage(page)).text, /Chrome 或 Edge/);
            await typeCell(page, 1, "rf", "145.5");
            assert.equal(await cell(page, 1, "tf").textContent(), "145.50000");
        },
    },
    {
        name: "the channel card prints on one A4 page with the 16 channels",
        async run({ page }) {
            await typeCell(page, 1, "rf", "145.5");
            await typeCell(page, 16, "rf", "438.5");
            await page.evaluate(() => (window.print = () => {}));
            await menu(page, "工具", "打印信道表");
            const pdf = tempFile("card.pdf", "");
            await page.pdf({ path: pdf, preferCSSPageSize: true, printBackground: true });
            assert.match(execFileSync("pdfinfo", [pdf]).toString(), /Pages:\s+1\n[\s\S]*Page size:\s+59[45]\.\d* x 841\.\d* pts \(A4\)/);
            const text = execFileSync("pdftotext", ["-layout", pdf, "-"]).toString();
            assert.match(text, /ZT41 信道表/);
            for (const n of ["1", "8", "9", "16"]) assert.match(text, new RegExp(`^\\s*${n}\\s`, "m"));
            assert.match(text, /145\.50000/);
            assert.match(text, /438\.50000/);
            if (shots) execFileSync("pdftoppm", ["-png", "-r", "60", "-singlefile", pdf, join(shots, "card")]);
        },
    },
    {
        name: "频段检查 names each channel a service does not allow, in the window's words",
        async run({ page }) {
            await typeCell(page, 1, "rf", "446.00625");
            await typeCell(page, 2, "rf", "446.01");
            await menu(page, "工具", "频段检查");
            const box = page.locator('dialog[data-name="频段检查"]');
            const rows = await box.locator("tbody tr").allTextContents();
            assert.ok(rows.some((r) => /^2接收频率446\.01000.*不在PMR446（欧洲）的信道上$/.test(r)), rows.join("\n"));
            assert.ok(rows.some((r) => /^1功率H.*高功率为 \d+(\.\d+)? W：PMR446（欧洲）在此信道最多允许 0\.5 W/.test(r)), rows.join("\n"));
            assert.match(await box.locator('[data-name="检查结论"]').textContent(), /^发现 \d+ 处不符合PMR446（欧洲）。$/);
            await shot(page, "services");
        },
    },
    {
        name: "English chosen from 帮助 → 语言 stays after a reload: no Chinese on the page, a message or the card, the table kept",
        async run({ page }) {
            await typeCell(page, 1, "rf", "145.5");
            await chooseLanguage(page, "en");
            await page.reload();
            await page.waitForSelector("[data-ready]");
            const chinese = /[\u3000-\u303f\u3400-\u9fff\uff00-\uffef]/;
            // What shows, and every menu entry but the one naming Chinese in its own words.
            const visible = () =>
                page.evaluate(() =>
                    [document.title, document.body.innerText]
                        .concat([...document.querySelectorAll("[role=menuitem]")].map((b) => b.textContent))
                        .join("\n")
                );
            assert.doesNotMatch(await visible(), chinese);
            assert.equal(await cell(page, 1, "rf").textContent(), "145.50000");
            await shot(page, "english");
            await typeCell(page, 2, "rf", "600");
            await page.locator("dialog.msgbox[open]").waitFor();
            assert.doesNotMatch(await visible(), chinese);
            await takeMessage(page);
            await page.evaluate(() => (window.print = () => {}));
            await menu(page, "工具", "打印信道表");
            const card = await page.locator(".card").textContent();
            assert.match(card, /145\.50000/);
            assert.doesNotMatch(card, chinese);
            await chooseLanguage(page, "zh");
            assert.equal(await page.locator('[data-name="帮助"]').first().textContent(), "帮助");
            assert.equal(await cell(page, 1, "rf").textContent(), "145.50000");
        },
    },
];

// Chooses a language from 帮助 → 语言 / Language; the page loads again in it.
async function chooseLanguage(page, language) {
    await Promise.all([page.waitForEvent("load"), menu(page, "帮助", "语言", language)]);
    await page.waitForSelector("[data-ready]");
}

const paste = (page, text) =>
    page.evaluate((t) => {
        const data = new DataTransfer();
        data.setData("text/plain", t);
        document.activeElement.dispatchEvent(new ClipboardEvent("paste", { clipboardData: data, bubbles: true }));
    }, text);
const rowTexts = (page, row) => page.locator(`td[data-row="${row}"]`).allTextContents();

function tempFile(name, text) {
    const path = join(tmp, name);
    writeFileSync(path, text);
    return path;
}

function shot(page, name) {
    if (!shots) return;
    mkdirSync(shots, { recursive: true });
    return page.screenshot({ path: join(shots, `${name}.png`) });
}

for (const s of scenarios) {
    test(s.name, async () => {
        const args = (s.radio ?? []).map((a) => (a === "@memory" ? memoryFile(s.memory) : a));
        const p = await openPage(args, { serial: s.serial ?? true });
        try {
            await s.run(p);
            assert.deepEqual(p.outside, [], "requests to other addresses");
            assert.deepEqual(p.errors, [], "errors on the page");
        } finally {
            await p.context.close();
            await p.radio.stop();
        }
    });
}

const memoryFile = (text) => tempFile("memory.doc", text);

after(async () => (await launch()).close());
