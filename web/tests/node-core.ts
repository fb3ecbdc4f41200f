// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The page's WebAssembly core loaded in Node, for the unit and parity tests (scripts/web builds it).
import { existsSync, readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { fileURLToPath, pathToFileURL } from 'node:url';
import type { QuorvaneCore } from '../src/core-types';

export const generatedDir = fileURLToPath(new URL('../src/generated/', import.meta.url));

export async function loadNodeCore(): Promise<QuorvaneCore> {
  const module = `${generatedDir}quorvane-core.mjs`;
  if (!existsSync(module)) throw new Error(`${module} is missing: run scripts/web build first`);
  // This Emscripten's module reaches Node's file functions through CommonJS names an ES module lacks.
  const global = globalThis as Record<string, unknown>;
  global.__dirname ??= generatedDir;
  global.require ??= createRequire(import.meta.url);
  const { default: create } = await import(pathToFileURL(module).href);
  return create({ wasmBinary: readFileSync(`${generatedDir}quorvane-core.wasm`) });
}
