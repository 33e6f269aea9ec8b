// SPDX-License-Identifier: GPL-3.0-or-later
// 打开 and 保存: a channel file or a CHIRP CSV chosen by the user replaces
// the table as one step, with the window's messages; saving gives the bytes
// the window saves, as a download.
import { ChirpWarning } from "./kernel";
import type { App } from "./main";
import { chooseFile, download, showMessage } from "./ui";
import { Message, pageWords, words } from "./words";

// A warning's line, as the window words it.
function warningLine(w: ChirpWarning): string {
    const C = words.csv;
    const variant = w.line === 0 ? "file" : w.channel > 0 ? "row" : "left";
    return C.lines[w.kind][variant]
        .replace("{line}", String(w.line))
        .replace("{channel}", String(w.channel))
        .replace("{column}", C.columns[w.column] ?? w.column)
        .replace("{text}", w.text);
}

function importMessage(refusal: number, warnings: ChirpWarning[]): Message | null {
    const C = words.csv;
    if (refusal !== 0)
        return {
            text: [C.refusals[refusal], ...warnings.map(warningLine)].join("\n"),
            title: C.refusedTitle,
            icon: C.refusedIcon,
        };
    if (!warnings.length) return null;
    return {
        text: [C.importedHeader.replace("{n}", String(warnings.length)), ...warnings.map(warningLine)].join("\n"),
        title: C.importedTitle,
        icon: C.importedIcon,
    };
}

export function installFiles(app: App, busy: () => boolean) {
    const k = app.kernel;
    const A = words.window.actions;

    const open = async () => {
        if (busy()) return;
        const file = await chooseFile(".doc,.csv,.txt,text/plain,text/csv");
        if (!file || busy()) return;
        if (k.isChirpCsvFileName(file.name)) {
            const result = k.importChirpCsv(file.bytes);
            if (result.refusal === 0) app.replaceRows(result.rows);
            const m = importMessage(result.refusal, result.warnings);
            if (m) showMessage(m);
        } else {
            const read = k.readChannelFile(file.bytes);
            if (read.error !== 0) return showMessage(words.messages.fileReadError);
            app.replaceAll(read.squelch, read.rows);
        }
        app.select(0, app.currentField);
    };
    const save = () => {
        app.endEdit(true);
        const bytes = k.formatChannelFile(app.squelch, app.rows);
        if (!bytes) return showMessage(words.messages.fileSaveError);
        download("zt41.doc", bytes);
    };
    const saveCsv = () => {
        app.endEdit(true);
        const result = k.exportChirpCsv(app.rows);
        download("zt41.csv", result.bytes, "text/csv");
        if (result.leftOut.length)
            showMessage({
                text: [words.csv.exportedHeader.replace("{n}", String(result.leftOut.length)), ...result.leftOut.map(warningLine)].join("\n"),
                title: words.csv.importedTitle,
                icon: words.csv.importedIcon,
            });
    };
    app.fileItems.push(
        app.command("打开", A["打开"], open),
        app.command("保存", A["保存"], save),
        app.command("保存CSV", pageWords.saveCsv, saveCsv)
    );
}
