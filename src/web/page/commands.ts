// SPDX-License-Identifier: GPL-3.0-or-later
// The menus' commands: each asks, calls the kernel and shows.
import type { App } from "./main";

export function installCommands(_app: App) {}
