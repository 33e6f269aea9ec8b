// SPDX-License-Identifier: GPL-3.0-or-later
// The part of Web Serial the page uses (Chrome and Edge; not yet in TypeScript's DOM types).
interface SerialPortFilter {
    usbVendorId?: number;
    usbProductId?: number;
}
interface SerialOptions {
    baudRate: number;
    dataBits?: number;
    stopBits?: number;
    parity?: "none" | "even" | "odd";
    flowControl?: "none" | "hardware";
}
interface SerialPort extends EventTarget {
    readonly readable: ReadableStream<Uint8Array> | null;
    readonly writable: WritableStream<Uint8Array> | null;
    open(options: SerialOptions): Promise<void>;
    close(): Promise<void>;
    getInfo(): { usbVendorId?: number; usbProductId?: number };
}
interface Serial extends EventTarget {
    requestPort(options?: { filters?: SerialPortFilter[] }): Promise<SerialPort>;
    getPorts(): Promise<SerialPort[]>;
}
interface Navigator {
    readonly serial: Serial;
}
