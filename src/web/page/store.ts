// SPDX-License-Identifier: GPL-3.0-or-later
// The table kept in the browser, as the window keeps it in its database: the
// squelch text and the 16 rows survive a reload and closing the tab. One tab
// at a time holds the table, as one program at a time holds the database.
import { channelCount, Rows } from "./kernel";

export interface Saved {
    squelch: string;
    rows: Rows;
}

const dbName = "zt41";
const tableStore = "table";
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
    private constructor(private db: IDBDatabase) {}

    static async open(): Promise<Store> {
        const open = indexedDB.open(dbName, 1);
        open.onupgradeneeded = () => {
            open.result.createObjectStore(tableStore);
            open.result.createObjectStore(backupStore, { keyPath: "id", autoIncrement: true });
        };
        return new Store(await request(open));
    }

    async load(): Promise<Saved | undefined> {
        const tx = this.db.transaction(tableStore, "readonly");
        return request(tx.objectStore(tableStore).get("current"));
    }

    save(saved: Saved): Promise<void> {
        const tx = this.db.transaction(tableStore, "readwrite");
        tx.objectStore(tableStore).put(saved, "current");
        return new Promise((resolve, reject) => {
            tx.oncomplete = () => resolve();
            tx.onerror = () => reject(tx.error);
        });
    }

    // Backups are added, never replaced.
    async addBackup(backup: { time: number; squelch: string; rows: Rows; bytes: string }): Promise<number> {
        const tx = this.db.transaction(backupStore, "readwrite");
        return (await request(tx.objectStore(backupStore).add(backup))) as number;
    }

    async backups(): Promise<{ id: number; time: number; squelch: string; rows: Rows; bytes: string }[]> {
        const tx = this.db.transaction(backupStore, "readonly");
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
