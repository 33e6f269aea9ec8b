// SPDX-License-Identifier: GPL-3.0-or-later
// The window's words, written by zt41-webwords from the window itself and
// inlined into the page; and the few words only the page has.

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

export const words: Words = JSON.parse(document.getElementById("words")!.textContent!);

// What the window has no word for, because only the page does it.
export const pageWords = {
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
};
