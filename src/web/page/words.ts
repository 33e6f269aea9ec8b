// SPDX-License-Identifier: GPL-3.0-or-later
// The window's words, written by zt41-webwords from the window itself in
// Chinese and under its English translation and inlined into the page; and
// the few words only the page has, in both languages. The page speaks
// Chinese unless the user chose English (帮助 → 语言 / Language): the choice
// is kept in the browser and the page is loaded again in it.

export interface Message {
    text: string;
    title: string;
    icon: "none" | "information" | "warning" | "critical";
}

export interface Words {
    columns: string[];
    messages: Record<string, Message>;
    // A transfer's outcome's message, keyed "transfer:kind" by the kernel's numbers.
    outcomes: Record<string, Message>;
    // The paste message's parts, with {channel}, {value}, {now} and {n} to fill in.
    paste: {
        title: string;
        icon: Message["icon"];
        keptHeader: string;
        changedHeader: string;
        lines: string[];
        changedSuffix: string;
        keptSuffix: string;
        more: string;
        leftOut: string;
        nothing: Message;
    };
    filters: { channel: string; csv: string };
    csv: {
        refusals: string[];
        refusedTitle: string;
        refusedIcon: Message["icon"];
        importedHeader: string;
        importedTitle: string;
        importedIcon: Message["icon"];
        exportedHeader: string;
        lines: { row: string; left: string; file: string }[];
        columns: Record<string, string>;
    };
    services: {
        title: string;
        headers: string[];
        fill: string;
        bad: string;
        nearest: string;
        fields: { rf: string; tf: string; pw: string };
        services: { id: string; name: string; about: string; ok: string; offPlan: string; notSimplex: string; highH: string; highL: string }[];
    };
    card: {
        title: string;
        dateLine: string; // with {date}
        squelchLine: string; // with {level}
        stripCaption: string;
        columns: string[];
        words: string[]; // by the kernel's numbers of the card's words
    };
    help: { instructionsTitle: string; instructions: string[]; aboutTitle: string; about: string[] };
    status: Record<"ready" | "writing" | "written" | "read", string>;
    // 工具's guarded jobs, as the window words them: steps and failures keyed
    // by the kernel's numbers, with {frame}, {backup}, {time}, {port},
    // {channel}, {column}, {value}, {n}, {what} and {folder} to fill in.
    tools: {
        waiting: string;
        steps: Record<string, string>;
        fields: string[];
        failures: Record<string, string>;
        failedTitle: string;
        failedIcon: Message["icon"];
        mayHaveChanged: string;
        written: Message;
        matches: Message;
        warnedWritten: { header: string; line: string };
        warnedChecked: { header: string; line: string };
        restoreQuestion: string;
        loadQuestion: string;
        questionTitle: string;
        backups: { title: string; intro: string; heads: string[]; buttons: Record<string, string> };
        differences: {
            title: string;
            intro: string;
            table: string;
            backup: string;
            backupLine: string;
            heads: string[];
            restore: string;
        };
    };
    titles: Record<"system" | "dataError" | "squelch" | "application", string>;
    window: {
        title: string;
        actions: Record<string, string>;
        tools: string[];
        labels: Record<string, string>;
        names: Record<string, string>;
    };
}

export type Language = "zh" | "en";
const languageKey = "zt41.language";

// The language chosen last in this browser: Chinese when none was.
function chosenLanguage(): Language {
    try {
        return localStorage.getItem(languageKey) === "en" ? "en" : "zh";
    } catch {
        return "zh";
    }
}

export const language: Language = chosenLanguage();
document.documentElement.lang = language === "en" ? "en" : "zh-CN";

// Keeps the choice and loads the page again in it; false when the browser
// would not keep it.
export function chooseLanguage(chosen: Language): boolean {
    try {
        localStorage.setItem(languageKey, chosen);
    } catch {
        return false;
    }
    if (chosen !== language) location.reload();
    return true;
}

export const words: Words = JSON.parse(document.getElementById("words")!.textContent!)[language];

// What the window has no word for, because only the page does it.
const pageWordsIn = {
    zh: {
        connect: "连接对讲机",
        disconnect: "断开对讲机",
        allPorts: "所有端口",
        cableChips: "常见连接线芯片",
        noWebSerial:
            "本浏览器不能使用串行端口：读写对讲机需要 Chrome 或 Edge 浏览器（电脑版）。" +
            "编辑、文件、打印和频段检查仍可使用。",
        ok: "确定",
        cableHelp: "连接线帮助",
        saveCsv: "保存为 CHIRP CSV",
        backupDownload: "下载",
        backupRestore: "恢复",
        backupPlace: "本浏览器的存储",
        chosenPort: "所连接的端口",
        yes: "是",
        no: "否",
        connecting: "正在连接……",
        portClosed: "对讲机已断开",
        // The cable help panel, {ready} standing for the status text of a ready radio.
        cableHelpHtml: `
<div class="msgtitle">连接线帮助</div>
<div class="msgbody"><div>
<h2>浏览器的端口列表是空的</h2>
<p>先把编程线插到电脑上，再点“连接对讲机”。列表里只列出常见编程线芯片（CH340/CH341、PL2303、CP210x、FTDI）的端口；
找不到时请用“所有端口”。</p>
<p><b>Windows：</b>编程线需要其芯片的驱动程序。打开“设备管理器”，看“端口 (COM 和 LPT)”下是否有这根线；
若它在“其他设备”下带黄色感叹号，请安装芯片厂商的驱动（CH340：南京沁恒 WCH；PL2303：Prolific；CP210x：Silicon Labs；FTDI：FTDI 公司），再拔插一次。</p>
<p><b>macOS：</b>较新的系统自带 CH340 和 FTDI 驱动；PL2303 需安装厂商驱动，并在“系统设置 → 隐私与安全性”中允许。</p>
<p><b>Chromebook 和 Linux：</b>无需驱动；Linux 上用户须属于 dialout 组。</p>
<p>只能充电的 USB 线没有数据线，电脑看不到任何端口：请用对讲机配套的编程线。</p>
<h2>端口被占用或无法打开</h2>
<p>同一时刻只有一个程序能使用端口。请关闭其他编程软件、串口调试工具，以及打开了本页面的其他标签页，然后再连接。</p>
<h2>连接后状态栏不显示“{ready}”</h2>
<p>检查编程线是否插紧在对讲机的耳机/话筒插孔上，对讲机是否已开机。</p>
</div></div>`,
    },
    en: {
        connect: "Connect radio",
        disconnect: "Disconnect radio",
        allPorts: "All ports",
        cableChips: "Usual cable chips",
        noWebSerial:
            "This browser cannot use serial ports: reading and writing the radio needs Chrome or Edge (desktop). " +
            "Editing, files, printing and the service check still work.",
        ok: "OK",
        cableHelp: "Cable help",
        saveCsv: "Save as CHIRP CSV",
        backupDownload: "Download",
        backupRestore: "Restore",
        backupPlace: "this browser's storage",
        chosenPort: "the connected port",
        yes: "Yes",
        no: "No",
        connecting: "Connecting…",
        portClosed: "Radio disconnected",
        cableHelpHtml: `
<div class="msgtitle">Cable help</div>
<div class="msgbody"><div>
<h2>The browser's port list is empty</h2>
<p>Plug the programming cable into the computer first, then choose “Connect radio”. The list shows only ports of the usual
programming cable chips (CH340/CH341, PL2303, CP210x, FTDI); if yours is not there, use “All ports”.</p>
<p><b>Windows:</b> the cable needs the driver for its chip. Open the Device Manager and look for the cable under “Ports (COM &amp; LPT)”;
if it sits under “Other devices” with a yellow exclamation mark, install the chip maker's driver (CH340: WCH; PL2303: Prolific;
CP210x: Silicon Labs; FTDI: FTDI), then unplug the cable and plug it in again.</p>
<p><b>macOS:</b> recent versions bring the CH340 and FTDI drivers; PL2303 needs the maker's driver, allowed under
“System Settings → Privacy &amp; Security”.</p>
<p><b>Chromebook and Linux:</b> no driver needed; on Linux the user must be in the dialout group.</p>
<p>A charge-only USB cable has no data lines and the computer sees no port at all: use the radio's programming cable.</p>
<h2>The port is busy or cannot be opened</h2>
<p>Only one program at a time can use a port. Close other programming software, serial terminals and other tabs with this page, then connect again.</p>
<h2>The status line does not show “{ready}” after connecting</h2>
<p>Check that the cable sits firmly in the radio's earphone/microphone sockets and that the radio is switched on.</p>
</div></div>`,
    },
};
export const pageWords = pageWordsIn[language];
