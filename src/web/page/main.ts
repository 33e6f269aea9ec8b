// SPDX-License-Identifier: GPL-3.0-or-later
// The page's window: the grid over the table, the squelch list, the pickers,
// the status line and the menus, with the window's words and object names.
// Every rule is the kernel's; this file only shows and asks.
import { channelCount, EditHistory, Field, Kernel, loadKernel, Picker, Rows } from "./kernel";
import { freshRows, holdTable, Store } from "./store";
import { installCommands } from "./commands";
import { el, showMessage } from "./ui";
import { pageWords, words } from "./words";

const editable = new Set<number>([Field.Rf, Field.Tf]);
const pickerNames: [Picker, string, Field][] = [
    [Picker.BothTones, "Combo4", Field.Rct],
    [Picker.TransmitTone, "Combo5", Field.Tct],
    [Picker.Shift, "Combo2", Field.Bt],
    [Picker.Power, "Combo3", Field.Pw],
];

export class App {
    rows: Rows = freshRows();
    squelch = "3";
    current = 0; // the current row, 0 to 15
    currentField = Field.Rf;
    private cells: HTMLTableCellElement[][] = [];
    grid!: HTMLTableElement;
    private squelchInput!: HTMLInputElement;
    private status!: HTMLElement;
    private editing: { input: HTMLInputElement; row: number; field: Field; typed: boolean } | null = null;
    readonly menus = new Map<string, HTMLButtonElement>();
    anchor: [number, number] = [0, Field.Rf]; // the other corner of the selected cells
    readonly history: EditHistory;
    writing = () => false; // whether a write runs: the commands set it

    constructor(readonly kernel: Kernel, readonly store: Store) {
        this.history = new kernel.EditHistory({
            rows: () => this.rows,
            replaceDataFields: (rows: Rows) => {
                rows.forEach((r, i) => (this.rows[i] = [this.rows[i][0], ...r.slice(1)]));
                this.refresh();
                this.persist();
                return true;
            },
            squelch: () => this.squelch,
            setSquelch: (level: string) => {
                this.squelch = level;
                this.squelchInput.value = level;
                this.persist();
            },
            historyChanged: () => this.onHistory(),
        });
    }

    onHistory: () => void = () => {};
    afterStart: (() => void)[] = [];

    // What `change` does is one step of the edit history.
    step(change: () => void) {
        this.history.begin();
        try {
            change();
        } finally {
            this.history.end(0);
        }
    }

    async start(root: HTMLElement) {
        const saved = this.store.load();
        if (saved) {
            this.rows = saved.rows;
            this.squelch = saved.squelch;
        } else {
            this.squelch = this.kernel.squelchInitial();
        }
        document.title = words.window.title;
        root.append(this.buildMenuBar(), this.buildClient());
        this.refresh();
        this.select(0, Field.Rf);
        for (const f of this.afterStart) f();
    }

    // --- the table -------------------------------------------------------

    persist() {
        if (!this.store.save({ squelch: this.squelch, rows: this.rows }))
            showMessage(words.messages.storeFailed);
    }

    write(row: number, field: Field, text: string) {
        this.rows[row][field] = text;
        this.showCell(row, field);
    }

    // A CSV replaces the rows' data fields, the squelch level stays: one step.
    replaceRows(rows: Rows) {
        this.replaceAll(this.squelch, rows);
    }

    // A file or a read replaces the squelch level and the rows' data fields: one step.
    replaceAll(squelch: string, rows: Rows) {
        this.step(() => {
            rows.forEach((r, i) => (this.rows[i] = [this.rows[i][0], ...r.slice(1)]));
            this.refresh();
            this.setSquelch(squelch);
            this.persist();
        });
    }

    // What a read brought: squelch and rows replaced at once.
    storeRead(rows: Rows, squelch: string): boolean {
        this.endEdit(true);
        this.replaceAll(squelch, rows);
        return true;
    }

    refresh() {
        for (let r = 0; r < channelCount; ++r) for (let f = 0; f < 7; ++f) this.showCell(r, f);
        this.squelchInput.value = this.squelch;
    }

    private showCell(row: number, field: Field) {
        const cell = this.cells[row][field];
        if (this.editing && this.editing.row === row && this.editing.field === field) return;
        cell.textContent = this.rows[row][field] ?? "";
    }

    // --- the status line -----------------------------------------------

    setStatus(text: string) {
        this.status.textContent = text || " ";
    }

    // --- the squelch list and the pickers --------------------------------

    setSquelch(text: string) {
        this.squelch = text;
        this.squelchInput.value = text;
        this.squelchChanged();
    }

    private squelchTyped() {
        this.history.begin();
        this.squelch = this.squelchInput.value;
        this.history.end(1);
        this.squelchChanged();
    }

    private squelchChanged() {
        this.squelch = this.squelchInput.value;
        if (this.kernel.squelchRefused(this.squelch)) {
            showMessage(words.messages.squelchRefused).then(() => this.setSquelch(this.kernel.squelchInitial()));
            return;
        }
        this.persist();
    }

    private pick(picker: Picker, text: string) {
        this.step(() => {
            for (const f of this.kernel.pickerFields(picker)) this.write(this.current, f, text);
        });
        this.persist();
    }

    // --- the grid ---------------------------------------------------------

    // The selected cells: the rectangle from the anchor to the current cell.
    selectedCells(): [number, number][] {
        const out: [number, number][] = [];
        const [r0, r1] = [Math.min(this.anchor[0], this.current), Math.max(this.anchor[0], this.current)];
        const [f0, f1] = [Math.min(this.anchor[1], this.currentField), Math.max(this.anchor[1], this.currentField)];
        for (let r = r0; r <= r1; ++r) for (let f = f0; f <= f1; ++f) out.push([r, f]);
        return out;
    }

    private showSelection() {
        for (const tr of this.cells) for (const td of tr) td.classList.remove("inselection");
        for (const [r, f] of this.selectedCells()) this.cells[r][f].classList.add("inselection");
    }

    select(row: number, field: Field, extend = false) {
        if (!extend) this.anchor = [row, field];
        this.cells[this.current][this.currentField].classList.remove("selected");
        this.cells[this.current][this.currentField].tabIndex = -1;
        this.current = row;
        this.currentField = field;
        const cell = this.cells[row][field];
        cell.classList.add("selected");
        cell.tabIndex = 0;
        for (const tr of this.cells) tr[0].parentElement!.classList.toggle("current", tr === this.cells[row]);
        this.showSelection();
    }

    private startEdit(row: number, field: Field, firstKey?: string) {
        if (!editable.has(field) || this.editing) return;
        const cell = this.cells[row][field];
        const input = el("input", { class: "editor", "aria-label": words.columns[field] });
        input.value = firstKey ?? this.rows[row][field] ?? "";
        this.editing = { input, row, field, typed: firstKey !== undefined };
        cell.textContent = "";
        cell.append(input);
        input.addEventListener("input", () => this.editing && (this.editing.typed = true));
        input.addEventListener("keydown", (e) => {
            if (e.key === "Enter") {
                e.preventDefault();
                this.endEdit(true);
                cell.focus();
            } else if (e.key === "Escape") {
                e.preventDefault();
                this.endEdit(false);
                cell.focus();
            } else if (e.key === "Tab") {
                this.endEdit(true);
            }
        });
        input.addEventListener("blur", () => this.endEdit(true));
        input.focus();
        if (firstKey === undefined) input.select();
    }

    // Ends an open edit; the cell rule runs on the row and column edited,
    // however the edit ended. An editor left without typing is no edit.
    endEdit(keep: boolean) {
        const e = this.editing;
        if (!e) return;
        this.editing = null;
        e.input.remove();
        if (!keep || !e.typed) {
            this.showCell(e.row, e.field);
            return;
        }
        const outcome = this.kernel.finishEdit(this.rows[e.row], e.field, e.input.value);
        this.step(() => {
            for (const [f, text] of outcome.writes) this.write(e.row, f, text);
        });
        this.showCell(e.row, e.field);
        this.persist();
        if (outcome.outOfRange) showMessage(words.messages.outOfRange);
    }

    // The edit commands' keys (Ctrl+Z and the like): the commands set it.
    gridKeys: (e: KeyboardEvent) => boolean = () => false;

    private gridKey(e: KeyboardEvent) {
        if (this.editing) return;
        const moves: Record<string, [number, number]> = {
            ArrowUp: [-1, 0],
            ArrowDown: [1, 0],
            ArrowLeft: [0, -1],
            ArrowRight: [0, 1],
        };
        const m = moves[e.key];
        if (m) {
            e.preventDefault();
            const r = Math.min(channelCount - 1, Math.max(0, this.current + m[0]));
            const f = Math.min(6, Math.max(0, this.currentField + m[1]));
            this.select(r, f, e.shiftKey);
            this.cells[r][f].focus();
        } else if (e.key === "Enter" || e.key === "F2") {
            e.preventDefault();
            this.startEdit(this.current, this.currentField);
        } else if (this.gridKeys(e)) {
            e.preventDefault();
        } else if (e.key.length === 1 && !e.ctrlKey && !e.metaKey && !e.altKey) {
            e.preventDefault();
            this.startEdit(this.current, this.currentField, e.key);
        }
    }

    private buildGrid(): HTMLElement {
        const head = el("tr", {}, ...words.columns.map((c) => el("th", { scope: "col" }, c)));
        const body = el("tbody");
        for (let r = 0; r < channelCount; ++r) {
            const tr = el("tr", { "aria-rowindex": String(r + 2) });
            const cells: HTMLTableCellElement[] = [];
            for (let f = 0; f < 7; ++f) {
                const td = el("td", {
                    "data-row": String(r + 1),
                    "data-field": ["no", "rf", "rct", "tf", "tct", "bt", "pw"][f],
                    tabindex: "-1",
                    role: "gridcell",
                });
                if (!editable.has(f)) td.setAttribute("aria-readonly", "true");
                td.addEventListener("mousedown", (e) => {
                    if (e.target !== td) return;
                    this.endEdit(true);
                    this.select(r, f, e.shiftKey);
                });
                td.addEventListener("dblclick", () => this.startEdit(r, f));
                cells.push(td);
                tr.append(td);
            }
            this.cells.push(cells);
            body.append(tr);
        }
        const table = el(
            "table",
            { id: "DataGrid1", role: "grid", "aria-label": words.window.names.DataGrid1 ?? "" },
            el("thead", {}, head),
            body
        );
        table.addEventListener("keydown", (e) => this.gridKey(e));
        this.grid = table;
        return table;
    }

    private buildClient(): HTMLElement {
        const L = words.window.labels;
        this.squelchInput = el("input", {
            id: "Combo1",
            list: "Combo1-items",
            "aria-label": words.window.names.Combo1 ?? "",
            autocomplete: "off",
        });
        const list = el("datalist", { id: "Combo1-items" });
        for (const item of this.kernel.squelchItems()) list.append(el("option", { value: item }));
        this.squelchInput.addEventListener("input", () => this.squelchTyped());
        this.squelchInput.addEventListener("blur", () => this.history.endSquelchTyping());

        const pickers = el("div", { class: "pickers" });
        for (const [picker, name, field] of pickerNames) {
            const select = el("select", {
                id: name,
                class: `picker col${field}`,
                "aria-label": words.window.names[name] ?? words.columns[field],
            });
            select.append(el("option", { value: "", disabled: "", hidden: "" }, ""));
            for (const item of this.kernel.pickerItems(picker)) select.append(el("option", { value: item }, item));
            select.selectedIndex = 0;
            select.addEventListener("change", () => this.pick(picker, select.value));
            pickers.append(select);
        }
        this.status = el("div", { id: "Label2", role: "status", "aria-live": "polite" }, " ");
        return el(
            "main",
            { class: "client" },
            el("div", { id: "Label1", class: "label1" }, L.Label1 ?? ""),
            el("div", { id: "Label3", class: "label3" }, L.Label3 ?? ""),
            el("label", { id: "Label4", for: "Combo1", class: "label4" }, L.Label4 ?? ""),
            this.squelchInput,
            list,
            pickers,
            el("div", { class: "gridbox" }, this.buildGrid()),
            this.status
        );
    }

    // --- the menus ---------------------------------------------------------

    command(name: string, caption: string, run: () => void): HTMLButtonElement {
        const b = el("button", { "data-name": name, role: "menuitem" }, caption);
        b.addEventListener("click", () => {
            this.closeMenus();
            this.endEdit(true);
            run();
        });
        this.menus.set(name, b);
        return b;
    }

    menu(name: string, items: HTMLElement[]): HTMLElement {
        const A = words.window.actions;
        const button = el("button", { "data-name": name, "aria-haspopup": "true", role: "menuitem" }, A[name] ?? name);
        const list = el("div", { class: "items", role: "menu" }, ...items);
        const box = el("div", { class: "menu" }, button, list);
        button.addEventListener("click", () => {
            const open = !box.classList.contains("open");
            // A menu inside a menu (帮助 → 语言) keeps the one it is in open.
            for (const m of document.querySelectorAll(".menu.open")) if (!m.contains(box)) m.classList.remove("open");
            box.classList.toggle("open", open);
        });
        return box;
    }

    closeMenus() {
        for (const m of document.querySelectorAll(".menu.open")) m.classList.remove("open");
    }

    extraMenus: HTMLElement[] = [];
    fileItems: HTMLElement[] = [];
    toolItems: HTMLElement[] = [];
    helpItems: HTMLElement[] = [];
    barItems: HTMLElement[] = [];

    private buildMenuBar(): HTMLElement {
        const bar = el(
            "nav",
            { class: "menubar", role: "menubar" },
            this.menu("文件", this.fileItems),
            ...this.barItems,
            this.menu("工具", this.toolItems),
            this.menu("帮助", this.helpItems)
        );
        document.addEventListener("mousedown", (e) => {
            if (!(e.target as HTMLElement).closest(".menu")) this.closeMenus();
        });
        return el("header", {}, el("div", { class: "titlebar" }, words.window.title), bar);
    }
}

export let app: App;

async function boot() {
    // The script stands in the page's head: the table's lock is asked for at
    // once, and the kernel's module compiles while the rest is read.
    const asked = holdTable();
    if (document.readyState === "loading") await new Promise((ready) => document.addEventListener("DOMContentLoaded", ready, { once: true }));
    const root = document.getElementById("启动窗体")!;
    const [kernel, held] = await Promise.all([loadKernel(), asked]);
    if (!held) {
        document.title = words.window.title;
        root.append(el("p", { class: "refused" }, words.messages.databaseInUse.text));
        await showMessage(words.messages.databaseInUse);
        return;
    }
    app = new App(kernel, new Store());
    installCommands(app);
    await app.start(root);
    root.dataset.ready = "true";
    if (!("serial" in navigator)) showMessage({ text: pageWords.noWebSerial, title: words.titles.system, icon: "information" });
}

boot();
