// SPDX-License-Identifier: GPL-3.0-or-later
// Small pieces of the page's look: elements, the message box, downloads.
import { Message, pageWords } from "./words";

export function el<K extends keyof HTMLElementTagNameMap>(
    tag: K,
    attrs: Record<string, string> = {},
    ...children: (Node | string)[]
): HTMLElementTagNameMap[K] {
    const e = document.createElement(tag);
    for (const [k, v] of Object.entries(attrs)) e.setAttribute(k, v);
    e.append(...children);
    return e;
}

const icons: Record<Message["icon"], string> = { none: "", information: "i", warning: "!", critical: "×" };
let queue: Promise<void> = Promise.resolve();

// A modal message with one OK button, as the window's message boxes; the
// promise settles when it is closed. Messages wait for each other.
export function showMessage(m: Message): Promise<void> {
    queue = queue.then(
        () =>
            new Promise<void>((resolve) => {
                const ok = el("button", { "data-name": "确定" }, pageWords.ok);
                const box = el(
                    "dialog",
                    { class: "msgbox", "data-name": "msgbox", "aria-label": m.title.trim() },
                    el("div", { class: "msgtitle" }, m.title),
                    el(
                        "div",
                        { class: "msgbody" },
                        el("span", { class: `icon ${m.icon}`, "aria-hidden": "true" }, icons[m.icon]),
                        el("p", { class: "msgtext" }, m.text)
                    ),
                    el("div", { class: "msgbuttons" }, ok)
                );
                const close = () => {
                    box.close();
                    box.remove();
                    resolve();
                };
                ok.addEventListener("click", close);
                box.addEventListener("cancel", (e) => {
                    e.preventDefault();
                    close();
                });
                document.body.append(box);
                box.showModal();
                ok.focus();
            })
    );
    return queue;
}

// A file the user takes away: `bytes` under `name`.
export function download(name: string, bytes: Uint8Array | string, type = "application/octet-stream") {
    const url = URL.createObjectURL(new Blob([bytes], { type }));
    const a = el("a", { href: url, download: name });
    document.body.append(a);
    a.click();
    a.remove();
    setTimeout(() => URL.revokeObjectURL(url), 10000);
}

// Asks the user for one file and gives its bytes and name.
export function chooseFile(accept: string): Promise<{ name: string; bytes: Uint8Array } | null> {
    return new Promise((resolve) => {
        const input = el("input", { type: "file", accept, "data-name": "filechooser" });
        input.style.display = "none";
        input.addEventListener("change", async () => {
            const file = input.files?.[0];
            input.remove();
            resolve(file ? { name: file.name, bytes: new Uint8Array(await file.arrayBuffer()) } : null);
        });
        document.body.append(input);
        input.click();
    });
}
