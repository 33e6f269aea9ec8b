// SPDX-License-Identifier: GPL-3.0-or-later
// Put in place of navigator.serial before the page loads: one port whose
// bytes travel over a WebSocket to bridge.mjs and on to zt41-radio's
// pseudo-terminal. When the bridge closes the socket (the radio gone), the
// port behaves as Chrome's does for a pulled cable: reads and writes fail.
(() => {
    const url = window.__zt41Bridge;
    const opened = [];
    window.__zt41SerialOpened = opened;
    class FakePort extends EventTarget {
        readable = null;
        writable = null;
        getInfo() {
            return { usbVendorId: 0x1a86, usbProductId: 0x7523 };
        }
        async open(options) {
            if (this.socket) throw new DOMException("The port is already open.", "InvalidStateError");
            opened.push(options);
            const socket = new WebSocket(url);
            socket.binaryType = "arraybuffer";
            await new Promise((resolve, reject) => {
                socket.onopen = resolve;
                socket.onerror = () => reject(new DOMException("Failed to open serial port.", "NetworkError"));
            });
            this.socket = socket;
            let lost = false;
            this.readable = new ReadableStream({
                start(controller) {
                    socket.onmessage = (e) => controller.enqueue(new Uint8Array(e.data));
                    socket.onclose = () => {
                        lost = true;
                        try {
                            controller.error(new DOMException("The device has been lost.", "NetworkError"));
                        } catch {}
                    };
                },
            });
            this.writable = new WritableStream({
                write(chunk) {
                    if (lost || socket.readyState !== WebSocket.OPEN)
                        throw new DOMException("The device has been lost.", "NetworkError");
                    socket.send(chunk);
                },
            });
        }
        async close() {
            this.socket?.close();
            this.socket = null;
            this.readable = this.writable = null;
        }
    }
    const port = new FakePort();
    const requests = [];
    window.__zt41SerialRequests = requests;
    Object.defineProperty(navigator, "serial", {
        value: {
            requestPort: async (options) => {
                requests.push(options ?? {});
                return port;
            },
            getPorts: async () => [port],
            addEventListener() {},
            removeEventListener() {},
        },
    });
})();
