// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
/// <reference types="vite/client" />

declare module '*/quorvane-core.mjs' {
  import type { QuorvaneCore } from './core-types';
  export default function createQuorvaneCore(options?: {
    locateFile?: (path: string) => string;
    wasmBinary?: ArrayBuffer | Uint8Array;
  }): Promise<QuorvaneCore>;
}
