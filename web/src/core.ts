// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Loads the WebAssembly core that scripts/web built from the desktop's own CMake targets.
import createQuorvaneCore from './generated/quorvane-core.mjs';
import wasmUrl from './generated/quorvane-core.wasm?url';
import type { QuorvaneCore } from './core-types';

export function loadCore(): Promise<QuorvaneCore> {
  return createQuorvaneCore({ locateFile: () => wasmUrl });
}
