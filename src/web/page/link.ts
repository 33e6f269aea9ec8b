// SPDX-License-Identifier: GPL-3.0-or-later
// The radio over Web Serial: the port the user chose, at 1200 bit/s 8N1, and
// the kernel's session (ready poll, write, read) driven by the window's
// timers. The page carries bytes and time; the kernel decides.
import { Row, Rows } from "./kernel";
import type { App } from "./main";
import { showMessage } from "./ui";
import { words } from "./words";

// The kernel's session, as sessionapi.cpp binds it.
export interface Session {
    setOpen(open: boolean): void;
    received(bytes: Uint8Array): void;
    takeOutgoing(): Uint8Array;
    pollTick(): void;
    pollTakeAnswer(): boolean;
    write(rules: number): void;
    writeTick(): void;
    writing(): boolean;
    read(): void;
    readTick(): void;
    readCollect(): void;
    readExpire(): void;
    readLinkLost(): void;
    reading(): boolean;
    cannotTravel(rules: number): { frame: number; problem: number };
}
export interface SessionKernel {
    Session: new (page: object) => Session;
    timerPeriod(timer: number): number;
}

export interface Outcome {
    transfer: number;
    kind: number;
    frame: number;
    problem: number;
}

export const enum Timer {
    Write = 1,
    StatusClear = 2,
    ReadyPoll = 3,
    Read = 4,
}
export const enum Transfer {
    None = 0,
    Write = 1,
    Read = 2,
}
export const enum WriteRules {
    Editing = 0,
    FramesOnly = 1,
}
const statusKeys = ["ready", "writing", "written", "read"] as const;

// The usual chips of the radio's programming cables.
export const cableFilters: SerialPortFilter[] = [
    { usbVendorId: 0x1a86 }, // WCH CH340/CH341
    { usbVendorId: 0x067b }, // Prolific PL2303
    { usbVendorId: 0x10c4 }, // Silicon Labs CP210x
    { usbVendorId: 0x0403 }, // FTDI
];

export class RadioLink {
    readonly session: Session;
    private port: SerialPort | null = null;
    private writer: WritableStreamDefaultWriter<Uint8Array> | null = null;
    private sending: Promise<void> = Promise.resolve();
    private timers = new Map<number, number>();
    private deadline = 0;
    private clearCount = 0;
    transfer = Transfer.None;
    // Each transfer's end, for the commands that wait for it (工具).
    private waiting: ((o: Outcome) => void)[] = [];
    onTransfer: (t: Transfer) => void = () => {};

    constructor(private app: App, private kernel: SessionKernel) {
        this.session = new kernel.Session(this.host());
    }

    get connected() {
        return this.port !== null;
    }

    // Asks the browser for a port (the cables' chips, or all ports) and opens it.
    async connect(allPorts: boolean): Promise<boolean> {
        let port: SerialPort;
        try {
            port = await navigator.serial.requestPort(allPorts ? {} : { filters: cableFilters });
        } catch {
            return false; // the user closed the browser's list
        }
        await this.disconnect();
        try {
            await port.open({ baudRate: 1200, dataBits: 8, stopBits: 1, parity: "none", flowControl: "none" });
        } catch {
            await showMessage(words.messages.invalidPort);
            return false;
        }
        this.port = port;
        this.writer = port.writable!.getWriter();
        this.session.setOpen(true);
        this.readLoop(port);
        this.startTimer(Timer.ReadyPoll);
        return true;
    }

    async disconnect() {
        const port = this.port;
        if (!port) return;
        this.lost();
        try {
            await port.close();
        } catch {}
    }

    private async readLoop(port: SerialPort) {
        const reader = port.readable!.getReader();
        try {
            for (;;) {
                const { value, done } = await reader.read();
                if (done) break;
                if (value && value.length) this.received(value);
            }
        } catch {
            // The device is gone: a pulled cable, or the radio switched off.
        } finally {
            reader.releaseLock();
        }
        if (this.port === port) this.lost();
    }

    private received(bytes: Uint8Array) {
        this.session.received(bytes);
        if (this.session.reading()) this.session.readCollect();
        else if (this.timers.has(Timer.ReadyPoll)) this.session.pollTakeAnswer();
        this.pump();
    }

    // The port is gone: the kernel hears it at its next step.
    private lost() {
        this.port = null;
        this.writer?.releaseLock();
        this.writer = null;
        this.session.setOpen(false);
        if (this.session.reading()) this.session.readLinkLost();
        this.pump();
    }

    // Sends what the kernel gave to send, in order.
    private pump() {
        const out = this.session.takeOutgoing();
        if (!out.length) return;
        const writer = this.writer;
        if (!writer) return;
        this.sending = this.sending
            .then(() => writer.write(out))
            .catch(() => {
                if (this.writer === writer) this.lost();
            });
    }

    // Calls into the kernel, then sends what it gave.
    private call(f: () => void) {
        f();
        this.pump();
    }

    write(rules = WriteRules.Editing) {
        this.call(() => this.session.write(rules));
    }

    read() {
        this.call(() => this.session.read());
    }

    // The outcome of the transfer that runs now or starts next.
    nextOutcome(): Promise<Outcome> {
        return new Promise((resolve) => this.waiting.push(resolve));
    }

    startTimer(t: Timer) {
        if (this.timers.has(t)) return;
        if (t === Timer.StatusClear) this.clearCount = 0;
        this.timers.set(t, window.setInterval(() => this.tick(t), this.kernel.timerPeriod(t)));
    }

    stopTimer(t: Timer) {
        window.clearInterval(this.timers.get(t));
        this.timers.delete(t);
    }

    private tick(t: Timer) {
        if (t === Timer.Write) this.call(() => this.session.writeTick());
        else if (t === Timer.ReadyPoll) this.call(() => this.session.pollTick());
        else if (t === Timer.Read) this.call(() => this.session.readTick());
        else if (t === Timer.StatusClear && ++this.clearCount > 10) {
            this.app.setStatus("");
            this.stopTimer(Timer.StatusClear);
        }
    }

    // What the kernel calls: the window's side of the session.
    private host() {
        return {
            startTimer: (t: Timer) => this.startTimer(t),
            stopTimer: (t: Timer) => this.stopTimer(t),
            setStatus: (s: number) => this.app.setStatus(s < statusKeys.length ? words.status[statusKeys[s]] : ""),
            radioAnswered: () => {},
            setTransfer: (t: Transfer) => {
                this.transfer = t;
                this.onTransfer(t);
            },
            frameDone: () => {},
            report: (o: Outcome) => {
                const m = words.outcomes[`${o.transfer}:${o.kind}`];
                if (o.frame > 0 && o.kind !== 0) this.app.select(o.frame - 1, this.app.currentField);
                const done = this.waiting;
                this.waiting = [];
                const shown = m ? showMessage(m) : Promise.resolve();
                shown.then(() => done.forEach((resolve) => resolve(o)));
            },
            squelch: () => this.app.squelch,
            row: (i: number): Row => this.app.rows[i],
            store: (rows: Rows, squelch: string) => this.app.storeRead(rows, squelch),
            setCurrentRow: (i: number) => i >= 0 && this.app.select(i, this.app.currentField),
            numberFirstRow: () => {
                this.app.write(0, 0, "1");
                this.app.persist();
            },
            startDeadline: (ms: number) => {
                window.clearTimeout(this.deadline);
                this.deadline = window.setTimeout(() => this.call(() => this.session.readExpire()), ms);
            },
            stopDeadline: () => window.clearTimeout(this.deadline),
        };
    }
}
