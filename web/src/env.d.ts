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

// src/early.ts is written into the page as it is, with no imports: the build puts this name in.
declare const __QUORVANE_LANGUAGE_KEY__: string;
