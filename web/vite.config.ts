// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
import { fileURLToPath } from 'node:url';
import { defineConfig } from 'vitest/config';

const root = fileURLToPath(new URL('..', import.meta.url));

export default defineConfig({
  base: './',  // web/dist/ works from any folder of any server
  server: { fs: { allow: [root] } },
  build: { outDir: 'dist', emptyOutDir: true, assetsInlineLimit: 0, target: 'es2022' },
  test: { include: ['tests/unit/**/*.test.ts', 'tests/parity/**/*.test.ts'] },
});
