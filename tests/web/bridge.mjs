// SPDX-License-Identifier: GPL-3.0-or-later
// zt41-radio on a pseudo-terminal, and a WebSocket on 127.0.0.1 that carries
// the page's bytes to it and back. One radio per bridge; the radio's traffic
// log (every byte with its direction) is there for the tests to read.
import { spawn } from "node:child_process";
import { closeSync, constants, mkdtempSync, openSync, readFileSync, write } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { ReadStream } from "node:tty";
import { WebSocketServer } from "ws";

export async function startRadio(radioPath, args = []) {
    const dir = mkdtempSync(join(tmpdir(), "zt41-web-"));
    const log = join(dir, "traffic.log");
    const radio = spawn(radioPath, ["--log", log, ...args], { stdio: ["ignore", "pipe", "inherit"] });
    const pty = await new Promise((resolve, reject) => {
        let out = "";
        radio.stdout.on("data", (d) => {
            out += d;
            if (out.includes("\n")) resolve(out.split("\n")[0].trim());
        });
        radio.on("exit", (code) => reject(new Error(`zt41-radio ended (${code}) before its port`)));
    });
    const exited = new Promise((resolve) => radio.on("exit", resolve));
    const server = new WebSocketServer({ host: "127.0.0.1", port: 0 });
    await new Promise((resolve) => server.on("listening", resolve));
    server.on("connection", (socket) => {
        const fd = openSync(pty, constants.O_RDWR | constants.O_NOCTTY);
        const input = new ReadStream(fd);
        input.setRawMode(true);
        let closed = false;
        const end = () => {
            if (closed) return;
            closed = true;
            input.destroy();
            socket.close();
        };
        input.on("data", (bytes) => socket.send(bytes));
        input.on("error", end);
        input.on("end", end);
        socket.on("message", (bytes) => write(fd, Buffer.from(bytes), (err) => err && end()));
        socket.on("close", () => {
            closed = true;
            input.destroy();
        });
        exited.then(end);
    });
    return {
        url: `ws://127.0.0.1:${server.address().port}`,
        dir,
        // What the radio received, and what it sent, as text, in order.
        received: () => traffic(log, "RX"),
        sent: () => traffic(log, "TX"),
        kill: () => radio.kill("SIGKILL"),
        async stop() {
            radio.kill("SIGTERM");
            await exited;
            server.close();
        },
    };
}

const traffic = (log, direction) =>
    readFileSync(log, "latin1")
        .split("\n")
        .filter((l) => l.split(" ")[1] === direction)
        .map((l) => String.fromCharCode(parseInt(l.split(" ")[2], 16)))
        .join("");
