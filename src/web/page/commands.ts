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
import { pageWords, words } from "./words";

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
        app.command("连接线帮助", pageWords.cableHelp, () => showCableHelp())
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
    box.innerHTML = cableHelpHtml;
    const ok = el("button", { "data-name": "确定" }, pageWords.ok);
    ok.addEventListener("click", () => {
        box.close();
        box.remove();
    });
    box.append(el("div", { class: "msgbuttons" }, ok));
    document.body.append(box);
    box.showModal();
}

const cableHelpHtml = `
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
<h2>连接后状态栏不显示“对讲机就绪...”</h2>
<p>检查编程线是否插紧在对讲机的耳机/话筒插孔上，对讲机是否已开机。</p>
</div></div>`;
