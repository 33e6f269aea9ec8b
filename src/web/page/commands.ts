// SPDX-License-Identifier: GPL-3.0-or-later
// The menus' commands: each asks, calls the kernel and shows.
import { Kernel } from "./kernel";
import { RadioLink, SessionKernel, Transfer } from "./link";
import type { App } from "./main";
import { installEdits } from "./edits";
import { installCard } from "./card";
import { installFiles } from "./files";
import { installServices } from "./services";
import { installTools } from "./tools";
import { el, showMessage } from "./ui";
import { chooseLanguage, language, pageWords, words } from "./words";

export function installCommands(app: App) {
    const A = words.window.actions;
    const hasSerial = "serial" in navigator;
    const link = new RadioLink(app, app.kernel as Kernel & SessionKernel);

    // A transfer holds the port and the rows: the other transfer, 帮助 and the
    // port wait until it is over, as in the window.
    link.onTransfer = (t) => {
        app.menus.get("读信道")!.disabled = t === Transfer.Write;
        app.menus.get("写信道")!.disabled = t === Transfer.Read;
        const help = document.querySelector<HTMLButtonElement>('[data-name="帮助"]');
        if (help) help.disabled = t !== Transfer.None;
    };
    const busy = (m = words.messages.portBusy) => {
        if (link.transfer === Transfer.None) return false;
        showMessage(m);
        return true;
    };
    const connect = (all: boolean) => () => {
        if (!hasSerial) return showMessage({ text: pageWords.noWebSerial, title: words.titles.system, icon: "information" });
        if (!busy()) link.connect(all);
    };

    app.writing = () => link.transfer === Transfer.Write;
    app.afterStart.push(() => installEdits(app, () => link.transfer === Transfer.Read));

    installFiles(app, () => busy(words.messages.fileBusy));
    installTools(app, link);
    installCard(app);
    installServices(app);

    app.barItems.push(
        app.command("读信道", A["读信道"], () => link.read()),
        app.command("写信道", A["写信道"], () => link.write()),
        app.menu("端口", [
            app.command("连接对讲机", pageWords.connect, connect(false)),
            app.command("所有端口", pageWords.allPorts, connect(true)),
            app.command("断开对讲机", pageWords.disconnect, () => busy() || link.disconnect()),
        ])
    );
    const H = words.help;
    app.helpItems.push(
        app.command("操作", A["操作"], () => showPanel("操作说明", H.instructionsTitle, H.instructions.join("\n"))),
        app.command("关于", A["关于"], () => showPanel("关于本软件", H.aboutTitle, H.about.join("\n"))),
        app.command("连接线帮助", pageWords.cableHelp, () => showCableHelp()),
        // Each language named in its own words, the chosen one checked, as in the window.
        app.menu(
            "语言",
            (["zh", "en"] as const).map((l) => {
                const b = app.command(l, A[l], () => chooseLanguage(l) || showMessage(words.messages.storeFailed));
                b.setAttribute("role", "menuitemradio");
                b.setAttribute("aria-checked", String(l === language));
                return b;
            })
        )
    );
    (window as unknown as { zt41: unknown }).zt41 = { app, link };
}

// A window of text with its title, closed with 确定.
function showPanel(name: string, title: string, text: string) {
    const ok = el("button", { "data-name": "确定" }, pageWords.ok);
    const box = el(
        "dialog",
        { class: "msgbox panel", "data-name": name },
        el("div", { class: "msgtitle" }, title),
        el("pre", { class: "helptext" }, text),
        el("div", { class: "msgbuttons" }, ok)
    );
    ok.addEventListener("click", () => {
        box.close();
        box.remove();
    });
    document.body.append(box);
    box.showModal();
}

function showCableHelp() {
    const box = el("dialog", { class: "msgbox panel", "data-name": "cablehelp" });
    box.innerHTML = pageWords.cableHelpHtml.replace("{ready}", words.status.ready);
    const ok = el("button", { "data-name": "确定" }, pageWords.ok);
    ok.addEventListener("click", () => {
        box.close();
        box.remove();
    });
    box.append(el("div", { class: "msgbuttons" }, ok));
    document.body.append(box);
    box.showModal();
}
