// SPDX-License-Identifier: GPL-3.0-or-later
// The kernel as the page sees it: the functions kernelapi.cpp binds. Every
// rule the page applies is one of these; the page itself decides nothing.

// A field's text, or null for a field never written.
export type FieldValue = string | null;
// no, rf, rct, tf, tct, bt, pw
export type Row = FieldValue[];
export type Rows = Row[];

export const enum Field {
    No = 0,
    Rf = 1,
    Rct = 2,
    Tf = 3,
    Tct = 4,
    Bt = 5,
    Pw = 6,
}
export const fieldNames = ["no", "rf", "rct", "tf", "tct", "bt", "pw"];
export const channelCount = 16;

export interface CellRuleOutcome {
    writes: [Field, string][];
    outOfRange: boolean;
}

export interface Finding {
    channel: number;
    field: Field;
    value: string;
    reason: number;
    refuses: boolean;
}

// The kernel's edit history over the page's table.
export interface EditHistory {
    begin(): void;
    end(kind: number): void; // 0: an edit; 1: a keystroke in the squelch list
    endSquelchTyping(): void;
    canUndo(): boolean;
    canRedo(): boolean;
    undo(writing: boolean): number;
    redo(writing: boolean): number;
    replaceRows(rows: Rows, writing: boolean): number;
}
// EditHistory's outcomes.
export const enum HistoryOutcome {
    Done = 0,
    Nothing = 1,
    Refused = 2,
    BreaksRule = 3,
    NotStored = 4,
}
export interface RefusedValue {
    channel: number;
    field: Field;
    value: string;
    before: FieldValue;
    now: FieldValue;
}
export interface PasteResult {
    rows: Rows;
    refused: RefusedValue[];
    linesLeftOut: number;
    nothingToPaste: boolean;
}
export type Cell = [number, number]; // row 0..15, field 0..6
export const enum RowOperation {
    Insert = 0,
    Delete = 1,
    MoveUp = 2,
    MoveDown = 3,
    SortByReceive = 4,
}

import type { CardContent } from "./card";
import type { ServiceFinding } from "./services";

export interface ChirpWarning {
    line: number;
    channel: number;
    column: string;
    kind: number;
    text: string;
}

export interface Kernel {
    EditHistory: new (table: object) => EditHistory;
    pasteText(rows: Rows, text: string, at: Cell, selection: Cell[]): PasteResult;
    cellBlockText(rows: Rows, cells: Cell[]): string;
    clearCells(rows: Rows, cells: Cell[]): Rows;
    applyRowOperation(rows: Rows, current: number, op: RowOperation): { kind: number; rows: Rows; current: number };
    readChannelFile(bytes: Uint8Array): { error: number; squelch: string; rows: Rows };
    formatChannelFile(squelch: string, rows: Rows): Uint8Array | null;
    importChirpCsv(bytes: Uint8Array): { refusal: number; rows: Rows; warnings: ChirpWarning[] };
    exportChirpCsv(rows: Rows): { bytes: Uint8Array; leftOut: ChirpWarning[] };
    isChirpCsvFileName(name: string): boolean;
    card(squelch: string, rows: Rows): CardContent;
    checkService(index: number, rows: Rows): ServiceFinding[];
    finishEdit(row: Row, column: number, typed: string): CellRuleOutcome;
    evaluateCellRule(row: Row, column: number): CellRuleOutcome;
    pickerItems(picker: number): string[];
    pickerFields(picker: number): Field[];
    pickerForField(field: Field): number;
    checkChannelSet(squelch: string, rows: Rows): Finding[];
    encodeFrame(frameNumber: number, squelch: string, row: Row): string;
    decodeFrame(frame: string, frameNumber: number, row: Row): { row: Row; squelch: string };
    isWellFormedFrame(frame: string): boolean;
    isAlignedFrame(frame: string, frameNumber: number): boolean;
    frameProblem(frameNumber: number, row: Row): number;
    squelchItems(): string[];
    squelchRefused(text: string): boolean;
    squelchInitial(): string;
    toneSet(): string[];
    isNoValue(value: FieldValue): boolean;
}

// The pickers, as the kernel numbers them.
export const enum Picker {
    BothTones = 0, // Combo4
    TransmitTone = 1, // Combo5
    Shift = 2, // Combo2
    Power = 3, // Combo3
}

// Started by the page's head, so that the module compiles while the rest of
// the page is parsed.
declare const zt41Kernel: Promise<Kernel>;

export function loadKernel(): Promise<Kernel> {
    return zt41Kernel;
}
