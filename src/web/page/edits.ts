// SPDX-License-Identifier: GPL-3.0-or-later
// The grid's spreadsheet edits, as in the window's context menu: undo and
// redo through the kernel's edit history, copy, cut, paste and clear as
// tab-separated text, and the row operations. The kernel judges every value.
import { HistoryOutcome, PasteResult, RowOperation } from "./kernel";
import type { App } from "./main";
import { el, showMessage } from "./ui";
import { Message, words } from "./words";

// The window's message after a paste, put together from its own parts.
function pasteMessage(r: PasteResult): Message | null {
    const P = words.paste;
    if (r.nothingToPaste) return P.nothing;
    if (!r.refused.length && !r.linesLeftOut) return null;
    const named = 16;
    const allKept = r.refused.every((v) => v.before === v.now);
    const lines: string[] = [];
    if (r.refused.length) lines.push(allKept ? P.keptHeader : P.changedHeader);
    for (const v of r.refused.slice(0, named)) {
        let line = P.lines[v.field].replace("{channel}", String(v.channel)).replace("{value}", v.value);
        if (!allKept) line += v.before !== v.now ? P.changedSuffix.replace("{now}", v.now ?? "") : P.keptSuffix;
        lines.push(line);
    }
    if (r.refused.length > named) lines.push(P.more.replace("{n}", String(r.refused.length - named)));
    if (r.linesLeftOut > 0) lines.push(P.leftOut.replace("{n}", String(r.linesLeftOut)));
    return { text: lines.join("\n"), title: P.title, icon: P.icon };
}

export function installEdits(app: App, reading: () => boolean) {
    const k = app.kernel;
    const A = words.window.actions;

    // Refused: frames of two tables would go out; BreaksRule: a value the
    // write would never send would reach a frame still to come.
    const tell = (outcome: number) => {
        if (outcome === HistoryOutcome.Done || outcome === HistoryOutcome.Nothing) return true;
        showMessage(
            outcome === HistoryOutcome.Refused
                ? words.messages.fileBusy
                : outcome === HistoryOutcome.BreaksRule
                  ? words.messages.outOfRange
                  : words.messages.storeFailed
        );
        return false;
    };
    const store = (rows = app.rows) => tell(app.history.replaceRows(rows, app.writing()));
    const copyText = () => k.cellBlockText(app.rows, app.selectedCells());

    const commands = {
        undo: () => !reading() && tell(app.history.undo(app.writing())),
        redo: () => !reading() && tell(app.history.redo(app.writing())),
        clear: () => !reading() && store(k.clearCells(app.rows, app.selectedCells())),
        paste: (text: string) => {
            if (reading()) return;
            const result = k.pasteText(app.rows, text, [app.current, app.currentField], app.selectedCells());
            const m = pasteMessage(result);
            if (store(result.rows) && m) showMessage(m);
        },
        row: (op: RowOperation) => {
            if (reading()) return;
            const result = k.applyRowOperation(app.rows, app.current, op);
            if (result.kind === 2) showMessage(words.messages.lastChannelHoldsData);
            else if (result.kind === 0 && store(result.rows)) app.select(result.current, app.currentField);
        },
    };

    // The clipboard: the browser's copy, cut and paste events on the grid.
    app.grid.addEventListener("copy", (e) => {
        e.clipboardData?.setData("text/plain", copyText());
        e.preventDefault();
    });
    app.grid.addEventListener("cut", (e) => {
        e.clipboardData?.setData("text/plain", copyText());
        e.preventDefault();
        commands.clear();
    });
    app.grid.addEventListener("paste", (e) => {
        e.preventDefault();
        commands.paste(e.clipboardData?.getData("text/plain") ?? "");
    });
    const writeClipboard = (text: string) => navigator.clipboard?.writeText(text).catch(() => {});
    const fromClipboard = async () => {
        try {
            commands.paste(await navigator.clipboard.readText());
        } catch {}
    };

    const items: [string, () => unknown][] = [
        ["撤销", commands.undo],
        ["重做", commands.redo],
        ["剪切", () => (writeClipboard(copyText()), commands.clear())],
        ["复制", () => writeClipboard(copyText())],
        ["粘贴", fromClipboard],
        ["清除", commands.clear],
        ["插入信道", () => commands.row(RowOperation.Insert)],
        ["删除信道", () => commands.row(RowOperation.Delete)],
        ["上移", () => commands.row(RowOperation.MoveUp)],
        ["下移", () => commands.row(RowOperation.MoveDown)],
        ["按接收频率排序", () => commands.row(RowOperation.SortByReceive)],
    ];
    const menu = el("div", { class: "contextmenu", role: "menu", "data-name": "表格菜单" });
    for (const [name, run] of items) {
        const b = app.command(name, A[name] ?? name, () => {
            menu.classList.remove("open");
            run();
        });
        menu.append(b);
    }
    document.body.append(menu);
    app.grid.addEventListener("contextmenu", (e) => {
        e.preventDefault();
        app.closeMenus();
        menu.style.left = `${e.pageX}px`;
        menu.style.top = `${e.pageY}px`;
        menu.classList.add("open");
    });
    document.addEventListener("mousedown", (e) => {
        if (!(e.target as HTMLElement).closest(".contextmenu")) menu.classList.remove("open");
    });
    app.onHistory = () => {
        app.menus.get("撤销")!.disabled = !app.history.canUndo();
        app.menus.get("重做")!.disabled = !app.history.canRedo();
    };
    app.onHistory();

    app.gridKeys = (e) => {
        const ctrl = e.ctrlKey || e.metaKey;
        if (ctrl && e.key.toLowerCase() === "z" && !e.shiftKey) commands.undo();
        else if (ctrl && (e.key.toLowerCase() === "y" || (e.key.toLowerCase() === "z" && e.shiftKey))) commands.redo();
        else if (e.key === "Delete") commands.clear();
        else return false;
        return true;
    };
}
