// SPDX-License-Identifier: GPL-3.0-or-later
// 工具's commands that talk to the radio, as in the window's 工具 menu:
// 写入并校验 (a backup of what the radio holds, the write, a read-back and a
// comparison), 校验对讲机 (only the comparison) and 备份与恢复 (the backups
// kept in the browser's storage). The kernel's guarded job decides each step;
// the page gives it the port, setTimeout and the storage, and shows.
import { Kernel, Rows } from "./kernel";
import type { Backup } from "./store";
import { PortHolder, RadioLink, Transfer } from "./link";
import type { App } from "./main";
import { download, el, showMessage } from "./ui";
import { pageWords, words } from "./words";

// The kernel's guarded job, as jobapi.cpp binds it.
interface GuardedJob extends PortHolder {
    start(): void;
    backupSaved(name: string | null): void;
    abort(): void;
    tick(timer: number): void;
    frameDeadlinePassed(): void;
    readyWaitPassed(): void;
    resume(): void;
    step(): number;
    frame(): number;
    radioMayHaveChanged(): boolean;
    result(): JobResult;
    delete(): void;
}
interface Difference {
    channel: number;
    field: number;
    expected: string;
    actual: string;
}
interface JobResult {
    failure: number;
    failedStep: number;
    transfer: { transfer: number; kind: number; frame: number };
    backup: string;
    differences: Difference[];
}
interface Finding {
    channel: number;
    field: number;
    value: string;
}
interface JobKernel {
    GuardedJob: new (host: object, options: object) => GuardedJob;
    sendCheck(
        squelch: string,
        rows: Rows,
        framesOnly: boolean,
        write: boolean
    ): { mayGo: boolean; squelch: string; rows: Rows; stuck: number; warnings: Finding[]; refusals: Finding[] };
    compareInFrameForm(expectedSquelch: string, expected: Rows, actualSquelch: string, actual: Rows): Difference[];
    timerPeriod(timer: number): number;
}

// The kernel's numbers.
const enum Operation {
    Read = 0,
    Write = 1,
    Verify = 2,
}
const enum Step {
    Backup = 3,
    Writing = 4,
    Verifying = 5,
    Reading = 6,
    Done = 7,
}
const enum Failure {
    None = 0,
    Transfer = 4,
    Differences = 7,
}
const enum Purpose {
    WriteAndVerify,
    Verify,
    Restore,
}
const squelchField = 0; // FrameField::Squelch

// A backup's time as the window shows it.
function backupTime(time: number): string {
    const d = new Date(time);
    const two = (n: number) => String(n).padStart(2, "0");
    return (
        `${d.getFullYear()}-${two(d.getMonth() + 1)}-${two(d.getDate())} ` +
        `${two(d.getHours())}:${two(d.getMinutes())}:${two(d.getSeconds())}`
    );
}

// Asks a question with 是 and 否; Enter and Escape answer 否.
function ask(text: string, title: string): Promise<boolean> {
    return new Promise((resolve) => {
        const yes = el("button", { "data-name": "是" }, pageWords.yes);
        const no = el("button", { "data-name": "否" }, pageWords.no);
        const box = el(
            "dialog",
            { class: "msgbox", "data-name": "question", "aria-label": title.trim() },
            el("div", { class: "msgtitle" }, title),
            el("div", { class: "msgbody" }, el("span", { class: "icon information", "aria-hidden": "true" }, "?"), el("p", { class: "msgtext" }, text)),
            el("div", { class: "msgbuttons" }, yes, no)
        );
        const answer = (a: boolean) => {
            box.close();
            box.remove();
            resolve(a);
        };
        yes.addEventListener("click", () => answer(true));
        no.addEventListener("click", () => answer(false));
        box.addEventListener("cancel", (e) => {
            e.preventDefault();
            answer(false);
        });
        document.body.append(box);
        box.showModal();
        no.focus();
    });
}

// A window of rows with buttons below, as the window's list windows: 关闭 is
// the default, so Enter never presses another button.
class ListPanel {
    readonly box: HTMLDialogElement;
    private body = el("tbody");
    private buttons = el("div", { class: "msgbuttons" });
    private intro = el("p", { class: "intro" });
    private close = el("button", { "data-name": "关闭" }, "");
    chosen = 0;

    constructor(name: string, title: string, heads: string[]) {
        this.box = el(
            "dialog",
            { class: "msgbox panel", "data-name": name, "aria-label": title },
            el("div", { class: "msgtitle" }, title),
            this.intro,
            el("table", { class: "list" }, el("thead", {}, el("tr", {}, ...heads.map((h) => el("th", { scope: "col" }, h)))), this.body),
            this.buttons
        );
        this.close.textContent = words.tools.backups.buttons["关闭"] ?? "";
        this.close.addEventListener("click", () => this.dismiss());
        this.box.addEventListener("cancel", (e) => {
            e.preventDefault();
            this.dismiss();
        });
        this.box.addEventListener("keydown", (e) => {
            if (e.key === "Enter" && !(e.target instanceof HTMLButtonElement)) {
                e.preventDefault();
                this.dismiss();
            } else if (e.key === "ArrowUp" || e.key === "ArrowDown") {
                // The list is chosen from by keyboard too, as the window's.
                e.preventDefault();
                this.choose(Math.min(this.chosen + (e.key === "ArrowUp" ? -1 : 1), this.body.children.length - 1));
                (this.body.children[this.chosen] as HTMLElement | undefined)?.focus();
            }
        });
    }

    get open() {
        return this.box.isConnected;
    }

    setIntro(text: string) {
        this.intro.textContent = text;
    }

    setRows(rows: string[][]) {
        this.body.replaceChildren(
            ...rows.map((r, i) => {
                const tr = el("tr", { tabindex: "-1", role: "row" }, ...r.map((c) => el("td", {}, c)));
                tr.addEventListener("mousedown", () => this.choose(i));
                return tr;
            })
        );
        this.choose(Math.min(this.chosen, rows.length - 1));
    }

    private choose(i: number) {
        this.chosen = Math.max(0, i);
        [...this.body.children].forEach((tr, k) => {
            tr.classList.toggle("selected", k === this.chosen);
            tr.setAttribute("aria-selected", String(k === this.chosen));
        });
    }

    addButton(name: string, text: string, run: () => void) {
        const b = el("button", { "data-name": name }, text);
        b.addEventListener("click", run);
        this.buttons.append(b);
    }

    show() {
        this.buttons.append(this.close);
        document.body.append(this.box);
        this.box.showModal();
        this.close.focus();
    }

    dismiss() {
        this.box.close();
        this.box.remove();
    }
}

export function installTools(app: App, link: RadioLink) {
    const k = app.kernel as Kernel & JobKernel;
    const T = words.tools;
    const A = words.window.actions;
    let job: GuardedJob | null = null;
    let purpose = Purpose.Verify;
    let warned: Finding[] = [];
    let madeBackup: Backup | null = null;
    let backupsPanel: ListPanel | null = null;
    const timers = new Map<number, number>();
    let deadline = 0;
    let readyWait = 0;
    const items = ["写入并校验", "校验对讲机"];

    // Calls into the job, then sends what it gave.
    const call = (f: (j: GuardedJob) => void) => {
        if (!job) return;
        f(job);
        link.pump();
    };
    const stopTimer = (t: number) => {
        window.clearInterval(timers.get(t));
        timers.delete(t);
    };
    const host = {
        startTimer: (t: number) => {
            stopTimer(t);
            timers.set(t, window.setInterval(() => call((j) => j.tick(t)), k.timerPeriod(t)));
        },
        stopTimer,
        startDeadline: (ms: number) => {
            window.clearTimeout(deadline);
            deadline = window.setTimeout(() => call((j) => j.frameDeadlinePassed()), ms);
        },
        stopDeadline: () => window.clearTimeout(deadline),
        startReadyWait: (ms: number) => {
            window.clearTimeout(readyWait);
            readyWait = window.setTimeout(() => call((j) => j.readyWaitPassed()), ms);
        },
        stopReadyWait: () => window.clearTimeout(readyWait),
        callSoon: () => window.setTimeout(() => call((j) => j.resume())),
        backupPlace: () => pageWords.backupPlace,
        // Kept, never over another, named by its time; nothing goes to the
        // radio until the storage has said so.
        saveBackup: (squelch: string, rows: Rows) => {
            const backup: Backup = { time: Date.now(), squelch, rows, bytes: k.formatChannelFile(squelch, rows) };
            app.store
                .addBackup(backup)
                .then((id) => {
                    backup.id = id;
                    madeBackup = backup;
                    if (backupsPanel?.open) fillBackups();
                    call((j) => j.backupSaved(backupTime(backup.time)));
                })
                .catch(() => call((j) => j.backupSaved(null)));
        },
        changed: () => {
            if (!job) return;
            const step = job.step();
            if (step === Step.Done) return;
            const s = T.steps[String(step)];
            app.setStatus(s ? s.replace("{frame}", String(job.frame())) : T.waiting);
        },
        // After the job's last call has returned, as the window's queued end.
        finished: () => window.setTimeout(ended),
    };

    // Not offered while a transfer or a job holds the port; 写信道 neither during a job.
    const shown = link.onTransfer;
    link.onTransfer = (t) => {
        shown(t);
        for (const name of items) app.menus.get(name)!.disabled = t !== Transfer.None;
        if (job) app.menus.get("写信道")!.disabled = true;
    };
    // Closing the page mid-write would leave the radio with part of the table.
    window.addEventListener("beforeunload", (e) => {
        if (job?.step() === Step.Writing) e.preventDefault();
    });

    const run = (operation: Operation, squelch: string, rows: Rows, why: Purpose) => {
        // Ignored while the port is busy, as a second 写信道 is.
        if (job || link.transfer !== Transfer.None) return;
        if (!link.connected) return showMessage(words.messages.invalidPort);
        const restoring = why === Purpose.Restore;
        const writes = operation === Operation.Write;
        const check = k.sendCheck(squelch, rows, restoring, writes);
        if (!check.mayGo) {
            if (!restoring && check.stuck > 0) app.select(check.stuck - 1, app.currentField);
            return showMessage(words.messages.outOfRange);
        }
        warned = writes ? check.warnings : check.refusals;
        purpose = why;
        madeBackup = null;
        job = new k.GuardedJob(host, { operation, squelch: check.squelch, rows: check.rows, backup: writes, restoring });
        link.hold(job);
        call((j) => j.start());
    };

    const warnedLines = (wrote: boolean) => {
        if (!warned.length) return "";
        const W = wrote ? T.warnedWritten : T.warnedChecked;
        const lines = warned.map((f) =>
            W.line.replace("{channel}", String(f.channel)).replace("{column}", words.columns[f.field]).replace("{value}", f.value)
        );
        return "\n" + [W.header, ...lines].join("\n");
    };

    const failureText = (r: JobResult) => {
        const key = r.failure === Failure.Transfer ? `${r.failure}:${r.failedStep}:${r.transfer.kind}` : String(r.failure);
        return (T.failures[key] ?? "").replace("{frame}", String(r.transfer.frame)).replace("{backup}", r.backup);
    };

    const ended = () => {
        if (!job) return;
        const r = job.result();
        const changed = job.radioMayHaveChanged();
        const backup = madeBackup;
        job.delete();
        job = null;
        for (const t of [...timers.keys()]) stopTimer(t);
        app.setStatus("");
        link.hold(null);
        const wrote = purpose !== Purpose.Verify;
        if (r.failure === Failure.None) {
            const m = wrote ? T.written : T.matches;
            showMessage({ ...m, text: m.text + warnedLines(wrote) });
        } else if (r.failure === Failure.Differences) {
            showDifferences(r, wrote && backup ? backup : null);
        } else if (changed && backup) {
            offerRestore(r, backup);
        } else {
            showMessage({ text: failureText(r), title: T.failedTitle, icon: T.failedIcon });
        }
    };

    const showDifferences = (r: JobResult, backup: Backup | null) => {
        const D = T.differences;
        const panel = new ListPanel("校验结果", D.title, D.heads);
        const withTable = purpose !== Purpose.Restore;
        let intro = D.intro.replace("{n}", String(r.differences.length)).replace("{what}", withTable ? D.table : D.backup);
        if (r.backup) intro += D.backupLine.replace("{backup}", r.backup);
        panel.setIntro(intro + warnedLines(purpose !== Purpose.Verify));
        panel.setRows(
            r.differences.map((d) => [d.field === squelchField ? "-" : String(d.channel), T.fields[d.field], d.expected, d.actual])
        );
        if (backup)
            panel.addButton("恢复备份", D.restore, () => {
                panel.dismiss();
                restore(backup);
            });
        panel.show();
    };

    const offerRestore = (r: JobResult, backup: Backup) => {
        const panel = new ListPanel("写入失败", words.titles.dataError, []);
        panel.box.querySelector("table")!.remove();
        panel.setIntro(failureText(r) + T.mayHaveChanged.replace("{backup}", r.backup));
        panel.addButton("恢复备份", T.differences.restore, () => {
            panel.dismiss();
            restore(backup);
        });
        panel.show();
    };

    // A backup goes back as the radio held it, after the user has said so.
    const restore = async (b: Backup) => {
        if (job || link.transfer !== Transfer.None) return;
        const q = T.restoreQuestion.replace("{time}", backupTime(b.time)).replace("{port}", pageWords.chosenPort);
        if (!(await ask(q, T.questionTitle))) return;
        const rows = b.rows.map((r, i) => [String(i + 1), ...r.slice(1)]);
        run(Operation.Write, b.squelch, rows, Purpose.Restore);
    };

    // Replaces the table as 打开 does, asking first when the table holds something else.
    const load = async (b: Backup) => {
        if (job || link.transfer !== Transfer.None) return showMessage(words.messages.fileBusy);
        const same = k.compareInFrameForm(b.squelch, b.rows, app.squelch, app.rows).length === 0;
        if (!same && !(await ask(T.loadQuestion.replace("{time}", backupTime(b.time)), T.questionTitle))) return;
        app.endEdit(true);
        app.replaceAll(b.squelch, b.rows);
    };

    const save = (b: Backup) => {
        const bytes = b.bytes ?? k.formatChannelFile(b.squelch, b.rows);
        if (!bytes) return showMessage(words.messages.fileSaveError);
        download(`zt41-backup-${backupTime(b.time).replace(/[-: ]/g, "")}.doc`, bytes);
    };

    let listed: Backup[] = [];
    const fillBackups = async () => {
        listed = (await app.store.backups()).sort((a, b) => b.time - a.time);
        backupsPanel?.setRows(listed.map((b) => [backupTime(b.time), b.squelch, b.rows[0][1] ?? ""]));
    };

    const showBackups = () => {
        if (backupsPanel?.open) return;
        const B = T.backups;
        const panel = new ListPanel("备份与恢复", B.title, B.heads.filter((_, i) => i !== 1));
        panel.setIntro(B.intro.replace("{folder}", pageWords.backupPlace));
        const chosen = (f: (b: Backup) => void) => () => listed[panel.chosen] && f(listed[panel.chosen]);
        panel.addButton("载入表格", B.buttons["载入表格"] ?? "", chosen(load));
        panel.addButton("写入对讲机", B.buttons["写入对讲机"] ?? "", chosen((b) => {
            panel.dismiss();
            restore(b);
        }));
        panel.addButton("下载", pageWords.backupDownload, chosen(save));
        backupsPanel = panel;
        fillBackups().then(() => panel.show());
    };

    app.toolItems.push(
        app.command("写入并校验", A["写入并校验"], () => run(Operation.Write, app.squelch, app.rows, Purpose.WriteAndVerify)),
        app.command("校验对讲机", A["校验对讲机"], () => run(Operation.Verify, app.squelch, app.rows, Purpose.Verify)),
        app.command("备份与恢复", A["备份与恢复"], showBackups)
    );
    return { running: () => job !== null };
}
