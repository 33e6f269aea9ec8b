// SPDX-License-Identifier: GPL-3.0-or-later
// The channel card through the browser's print dialog: one A4 page with the
// window's layout (title, date and squelch level, the table of 16 channels,
// the strip to cut out), its figures and layout the kernel's, its words the
// window's card's.
import type { App } from "./main";
import { el } from "./ui";
import { words } from "./words";

// The kernel's card: a cell is its text, or the number of a word of the card.
export interface CardContent {
    squelch: string;
    widthsMm: number[];
    cells: { text: string; word: number }[][];
    strip: { mark: number; frequency: string; tones: string; empty: boolean }[];
    marginMm: number;
    rowMm: number;
    stripCellMm: number;
}

function isoDate(d: Date) {
    const p = (n: number) => String(n).padStart(2, "0");
    return `${d.getFullYear()}-${p(d.getMonth() + 1)}-${p(d.getDate())}`;
}

// Puts the card for the table as it stands into the page, for printing.
export function buildCard(app: App): HTMLElement {
    const c = app.kernel.card(app.squelch, app.rows);
    const W = words.card;
    document.querySelector(".card")?.remove();
    const mm = (v: number) => `${v}mm`;
    const table = el(
        "table",
        {},
        el("colgroup", {}, ...c.widthsMm.map((w) => el("col", { style: `width:${mm(w)}` }))),
        el("tr", {}, ...W.columns.map((title) => el("th", {}, title))),
        ...c.cells.map((row) => el("tr", {}, ...row.map((cell) => el("td", {}, cell.word ? W.words[cell.word] : cell.text))))
    );
    const strip = el(
        "div",
        { class: "strip", style: `grid-auto-rows:${mm(c.stripCellMm)}` },
        ...c.strip.map((s, i) =>
            el(
                "div",
                {},
                el("b", {}, String(i + 1)),
                el("span", { class: "mark" }, W.words[s.mark]),
                el("span", { class: "freq" }, s.frequency),
                el("span", { class: "tones" }, s.tones)
            )
        )
    );
    const card = el(
        "section",
        { class: "card", style: `padding:${mm(c.marginMm)}; --row:${mm(c.rowMm)}`, "aria-label": W.title },
        el("h1", {}, W.title),
        el(
            "div",
            { class: "cardline" },
            el("span", {}, W.dateLine.replace("{date}", isoDate(new Date()))),
            el("span", {}, W.squelchLine.replace("{level}", c.squelch))
        ),
        table,
        el("p", { class: "stripcaption" }, W.stripCaption),
        strip
    );
    document.body.append(card);
    return card;
}

export function installCard(app: App) {
    app.toolItems.push(
        app.command("打印信道表", words.window.actions["打印信道表"], () => {
            app.endEdit(true);
            buildCard(app);
            window.print();
        })
    );
    window.addEventListener("beforeprint", () => buildCard(app));
}
