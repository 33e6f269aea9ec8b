// SPDX-License-Identifier: GPL-3.0-or-later
// 频段检查: the table against a licence-free service, as the window's
// service window shows it; the kernel finds, the window's words say it.
import { Field } from "./kernel";
import type { App } from "./main";
import { el } from "./ui";
import { pageWords, words } from "./words";

export interface ServiceFinding {
    channel: number;
    field: Field;
    kind: number; // OffPlan, NotSimplex, HighPower
    value: string;
    nearest: number;
    nearestValue: string;
    watts: number;
    limitWatts: number;
}

function showServices(app: App) {
    const W = words.services;
    const list = el("select", { "data-name": "频段列表", "aria-label": W.title, size: "6" });
    W.services.forEach((s, i) => list.append(el("option", { value: String(i) }, s.name)));
    list.selectedIndex = 0;
    const about = el("p", { "data-name": "频段说明", class: "about" });
    const body = el("tbody");
    const verdict = el("p", { "data-name": "检查结论" });
    const refresh = () => {
        const i = list.selectedIndex;
        const s = W.services[i];
        about.textContent = s.about;
        const findings: ServiceFinding[] = app.kernel.checkService(i, app.rows);
        body.replaceChildren(
            ...findings.map((f) => {
                const what = f.field === Field.Rf ? W.fields.rf : f.field === Field.Tf ? W.fields.tf : W.fields.pw;
                const why = [s.offPlan, s.notSimplex, f.value === "L" ? s.highL : s.highH][f.kind]
                    .replace("{watts}", String(f.watts))
                    .replace("{limit}", String(f.limitWatts));
                const nearest = f.nearest ? W.nearest.replace("{n}", String(f.nearest)).replace("{value}", f.nearestValue) : "";
                return el("tr", {}, ...[String(f.channel), what, f.value, nearest, why].map((t) => el("td", {}, t)));
            })
        );
        verdict.textContent = findings.length ? W.bad.replace("{n}", String(findings.length)).replace("{name}", s.name) : s.ok;
    };
    list.addEventListener("change", refresh);
    const ok = el("button", { "data-name": "确定" }, pageWords.ok);
    const box = el(
        "dialog",
        { class: "msgbox panel services", "data-name": "频段检查" },
        el("div", { class: "msgtitle" }, W.title),
        el(
            "div",
            { class: "servicebody" },
            list,
            el(
                "div",
                {},
                about,
                el("table", { "data-name": "检查结果" }, el("thead", {}, el("tr", {}, ...W.headers.map((h) => el("th", {}, h)))), body),
                verdict
            )
        ),
        el("div", { class: "msgbuttons" }, ok)
    );
    ok.addEventListener("click", () => {
        box.close();
        box.remove();
    });
    document.body.append(box);
    refresh();
    box.showModal();
}

export function installServices(app: App) {
    app.toolItems.push(app.command("频段检查", words.window.actions["频段检查"], () => (app.endEdit(true), showServices(app))));
}
