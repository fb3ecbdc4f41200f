// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
import { fileURLToPath } from 'node:url';
import { VitePWA } from 'vite-plugin-pwa';
import { defineConfig } from 'vitest/config';

const root = fileURLToPath(new URL('..', import.meta.url));

export default defineConfig({
  base: './',  // web/dist/ works from any folder of any server
  server: { fs: { allow: [root] } },
  build: { outDir: 'dist', emptyOutDir: true, assetsInlineLimit: 0, target: 'es2022' },
  plugins: [
    // Installable, and after the first visit the whole edition works with the network off: the service
    // worker keeps every file of web/dist/ (the WebAssembly and the sign pictures among them).
    VitePWA({
      registerType: 'autoUpdate',
      injectRegister: 'script',
      includeAssets: ['icon.svg'],
      manifest: {
        name: 'Quorvane',
        short_name: 'Quorvane',
        description: 'Galactic astrology birth reading, computed on this device',
        start_url: './',
        scope: './',
        display: 'standalone',
        background_color: '#000000',
        theme_color: '#000000',
        icons: [{ src: 'icon.svg', sizes: 'any', type: 'image/svg+xml', purpose: 'any' }],
      },
      workbox: {
        globPatterns: ['**/*.{html,js,css,wasm,svg,webmanifest}'],
        navigateFallback: 'index.html',
        cleanupOutdatedCaches: true,
      },
    }),
  ],
  test: { include: ['tests/unit/**/*.test.ts', 'tests/parity/**/*.test.ts'] },
});
