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
    linkLost(): void;
    startPoll(): void;
    stopPoll(): void;
    startPollNow(): void;
    stopAll(): void;
    write(rules: number): void;
    read(): void;
    tick(timer: number): void;
    frameDeadlinePassed(): void;
    transfer(): number;
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

// Who else may hold the port for a while (a 工具 job): it takes what arrives
// and gives what to send, and hears when the port goes away.
export interface PortHolder {
    received(bytes: Uint8Array): void;
    takeOutgoing(): Uint8Array;
    linkLost(): void;
}

export class RadioLink {
    readonly session: Session;
    private port: SerialPort | null = null;
    private writer: WritableStreamDefaultWriter<Uint8Array> | null = null;
    private sending: Promise<void> = Promise.resolve();
    private timers = new Map<number, number>();
    private deadline = 0;
    private holder: PortHolder | null = null;
    transfer = Transfer.None;
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
        this.call(() => this.session.startPoll());
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
        if (this.holder) this.holder.received(bytes);
        else this.session.received(bytes);
        this.pump();
    }

    // The port is gone: the kernel hears it at once.
    private lost() {
        this.port = null;
        this.writer?.releaseLock();
        this.writer = null;
        this.holder?.linkLost();
        this.session.linkLost();
        this.pump();
    }

    // Sends what the kernel gave to send, in order.
    pump() {
        const out = (this.holder ?? this.session).takeOutgoing();
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

    // Ignored while a 工具 job holds the port.
    write(rules = WriteRules.Editing) {
        if (!this.holder) this.call(() => this.session.write(rules));
    }

    read() {
        if (!this.holder) this.call(() => this.session.read());
    }

    // A 工具 job takes the port from the session's poll and holds the table
    // as a write does; given back (null), the poll asks for the radio at
    // once, as in the window.
    hold(holder: PortHolder | null) {
        if (holder) this.session.stopPoll();
        this.holder = holder;
        this.transfer = holder ? Transfer.Write : Transfer.None;
        this.onTransfer(this.transfer);
        if (!holder && this.port) this.call(() => this.session.startPollNow());
    }

    private startTimer(t: Timer) {
        this.stopTimer(t);
        this.timers.set(t, window.setInterval(() => this.call(() => this.session.tick(t)), this.kernel.timerPeriod(t)));
    }

    private stopTimer(t: Timer) {
        window.clearInterval(this.timers.get(t));
        this.timers.delete(t);
    }

    // What the kernel calls: the window's side of the session.
    private host() {
        return {
            startTimer: (t: Timer) => this.startTimer(t),
            stopTimer: (t: Timer) => this.stopTimer(t),
            setStatus: (s: number) => this.app.setStatus(s < statusKeys.length ? words.status[statusKeys[s]] : ""),
            setTransfer: (t: Transfer) => {
                this.transfer = t;
                this.onTransfer(t);
            },
            report: (o: Outcome) => {
                const m = words.outcomes[`${o.transfer}:${o.kind}`];
                if (o.frame > 0 && o.kind !== 0) this.app.select(o.frame - 1, this.app.currentField);
                if (m) showMessage(m);
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
                this.deadline = window.setTimeout(() => this.call(() => this.session.frameDeadlinePassed()), ms);
            },
            stopDeadline: () => window.clearTimeout(this.deadline),
        };
    }
}
