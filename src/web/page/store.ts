// SPDX-License-Identifier: GPL-3.0-or-later
// The table kept in the browser, as the window keeps it in its database: the
// squelch text and the 16 rows survive a reload and closing the tab. They are
// written to local storage at once, with every change, so that closing the
// tab right after an edit loses nothing; backups, larger and never replaced,
// go to IndexedDB. One tab at a time holds the table, as one program at a
// time holds the database.
import { channelCount, Rows } from "./kernel";

// What a write found in the radio, kept before it wrote: the channel file's
// bytes as 保存 makes them, and the rows they hold.
export interface Backup {
    id?: number;
    time: number;
    squelch: string;
    rows: Rows;
    bytes: Uint8Array | null;
}

export interface Saved {
    squelch: string;
    rows: Rows;
}

const dbName = "zt41";
const tableKey = "zt41.table";
const backupStore = "backups";

function request<T>(r: IDBRequest<T>): Promise<T> {
    return new Promise((resolve, reject) => {
        r.onsuccess = () => resolve(r.result);
        r.onerror = () => reject(r.error);
    });
}

export function freshRows(): Rows {
    return Array.from({ length: channelCount }, (_, i) => [String(i + 1), null, null, null, null, null, null]);
}

export class Store {
    private opened: Promise<IDBDatabase> | null = null;

    // The backups' database, opened when first needed.
    private db(): Promise<IDBDatabase> {
        if (!this.opened) {
            const open = indexedDB.open(dbName, 1);
            open.onupgradeneeded = () => {
                open.result.createObjectStore(backupStore, { keyPath: "id", autoIncrement: true });
            };
            this.opened = request(open);
        }
        return this.opened;
    }

    load(): Saved | undefined {
        const text = localStorage.getItem(tableKey);
        if (!text) return undefined;
        try {
            const saved = JSON.parse(text) as Saved;
            if (typeof saved.squelch === "string" && Array.isArray(saved.rows) && saved.rows.length === channelCount)
                return saved;
        } catch {}
        return undefined;
    }

    // False when the browser refused (storage full or switched off).
    save(saved: Saved): boolean {
        try {
            localStorage.setItem(tableKey, JSON.stringify(saved));
            return true;
        } catch {
            return false;
        }
    }

    // Backups are added, never replaced.
    async addBackup(backup: Backup): Promise<number> {
        const tx = (await this.db()).transaction(backupStore, "readwrite");
        return (await request(tx.objectStore(backupStore).add(backup))) as number;
    }

    async backups(): Promise<Backup[]> {
        const tx = (await this.db()).transaction(backupStore, "readonly");
        return request(tx.objectStore(backupStore).getAll());
    }
}

// Holds the table for this tab until it closes; false when another tab holds it.
export function holdTable(): Promise<boolean> {
    if (!navigator.locks)
        return Promise.resolve(true);
    return new Promise((resolve) => {
        navigator.locks.request("zt41-table", { ifAvailable: true }, (lock) => {
            resolve(lock !== null);
            return lock ? new Promise<void>(() => {}) : undefined;
        });
    });
}
