// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
import { createHash } from 'node:crypto';
import { readFileSync } from 'node:fs';
import { fileURLToPath } from 'node:url';
import ts from 'typescript';
import { VitePWA } from 'vite-plugin-pwa';
import { defineConfig, type Plugin } from 'vitest/config';
import { withoutMnemonic } from './src/mnemonic.ts';
import { kLanguageKey } from './src/storage-keys.ts';

const root = fileURLToPath(new URL('..', import.meta.url));

// The form's English captions are written into the HTML, so that it paints before the core has loaded;
// the page puts in another language's once it knows the reader's.
function englishCaptions(): Plugin {
  const escape = (text: string) => text.replace(/&/g, '&amp;').replace(/</g, '&lt;');
  return {
    name: 'quorvane-english-captions',
    transformIndexHtml(html) {
      const { forms } = JSON.parse(readFileSync(new URL('./src/generated/desktop-texts.json', import.meta.url), 'utf8'));
      return html.replace(/(<(\w+)\b[^>]*\sdata-ui="(\w+)\.(\w+)"[^>]*>)(<\/\2>)/g,
        (_, open, _tag, form, control, close) => open + escape(withoutMnemonic(forms[form]?.[control] ?? '')) + close);
    },
  };
}

// The second build (scripts/web) writes the page as the core filled it in English into the HTML
// (tools/prerender.mjs): the form arrives filled and can be used while the core is still loading.
function prerenderedForm(): Plugin {
  return {
    name: 'quorvane-prerendered-form',
    transformIndexHtml(html) {
      if (process.env.QUORVANE_PRERENDERED !== '1') return html;
      const filled = readFileSync(new URL('./src/generated/prerendered-app.html', import.meta.url), 'utf8');
      const open = '<main id="app" class="app">';
      const start = html.indexOf(open), end = html.lastIndexOf('</main>');
      if (start < 0 || end < start) throw new Error('index.html has no <main id="app" class="app">');
      return html.slice(0, start + open.length) + filled + html.slice(end);
    },
  };
}

// The style sheet travels inside the HTML: the form paints without waiting for a second request.
function inlineStyleSheet(): Plugin {
  return {
    name: 'quorvane-inline-style-sheet',
    transformIndexHtml: {
      order: 'post',
      handler(html, context) {
        for (const [name, chunk] of Object.entries(context.bundle ?? {})) {
          if (!name.endsWith('.css') || chunk.type !== 'asset') continue;
          const link = new RegExp(`<link rel="stylesheet"[^>]*href="\\./${name.replace(/[.*+?^${}()|[\]\\]/g, '\\$&')}"[^>]*>`);
          if (link.test(html)) html = html.replace(link, () => `<style>${String(chunk.source)}</style>`);
        }
        return html;
      },
    },
  };
}

// src/early.ts goes first into the body, allowed by its hash: the form is usable as soon as it is parsed,
// and it starts the main script once the form is painted (the built page has no script tag for it).
function earlyScript(): Plugin {
  const written = readFileSync(new URL('./src/early.ts', import.meta.url), 'utf8');
  if (!written.includes('__QUORVANE_LANGUAGE_KEY__')) throw new Error('src/early.ts no longer reads the language key');
  const source = written.replaceAll('__QUORVANE_LANGUAGE_KEY__', JSON.stringify(kLanguageKey));
  const code = ts.transpileModule(source, { compilerOptions: { target: ts.ScriptTarget.ES2020, removeComments: true } }).outputText.trim();
  const hash = createHash('sha256').update(code).digest('base64');
  return {
    name: 'quorvane-early-script',
    transformIndexHtml: {
      order: 'post',
      handler(html, context) {
        let main = '';
        if (context.bundle) {
          html = html.replace(/<script type="module" crossorigin src="([^"]+)"><\/script>\s*/, (_, src: string) => {
            main = src;
            return '';
          });
          if (!main) throw new Error('the built index.html has no module script');
        }
        if (!html.includes("script-src 'self'")) throw new Error("index.html's Content-Security-Policy has no script-src 'self'");
        html = html.replace("script-src 'self'", `script-src 'self' 'sha256-${hash}'`);
        return html.replace('<body>', () => `<body>\n  <script${main ? ` data-main="${main}"` : ''}>${code}</script>`);
      },
    },
  };
}

export default defineConfig({
  base: './',  // web/dist/ works from any folder of any server
  server: { fs: { allow: [root] } },
  resolve: { alias: { fs: fileURLToPath(new URL('./src/no-node.ts', import.meta.url)), path: fileURLToPath(new URL('./src/no-node.ts', import.meta.url)) } },
  build: { outDir: 'dist', emptyOutDir: true, assetsInlineLimit: 0, target: 'es2022' },
  plugins: [
    englishCaptions(),
    prerenderedForm(),
    inlineStyleSheet(),
    earlyScript(),
    // Installable, and after the first visit the whole edition works with the network off: the service
    // worker keeps every file of web/dist/ (the WebAssembly and the sign pictures among them), the atlas once fetched.
    VitePWA({
      registerType: 'autoUpdate',
      injectRegister: null,  // the page registers it once the form is usable (src/main.ts)
      includeAssets: ['quorvane.svg', 'quorvane-32.png', 'quorvane-256.png'],
      manifest: {
        name: 'Quorvane',
        short_name: 'Quorvane',
        description: 'Galactic astrology birth reading, computed on this device',
        start_url: './',
        scope: './',
        display: 'standalone',
        background_color: '#000000',
        theme_color: '#000000',
        icons: [
          { src: 'quorvane.svg', sizes: 'any', type: 'image/svg+xml', purpose: 'any' },
          { src: 'quorvane-256.png', sizes: '256x256', type: 'image/png', purpose: 'any' },
        ],
      },
      workbox: {
        globPatterns: ['**/*.{html,js,css,wasm,svg,png,webmanifest}'],
        navigateFallback: 'index.html',
        cleanupOutdatedCaches: true,
        // The atlas is not fetched before the finder is first opened; from then on it is kept for offline use.
        runtimeCaching: [{ urlPattern: ({ url }) => url.pathname.includes('/atlas/'), handler: 'CacheFirst', options: { cacheName: 'quorvane-atlas' } }],
      },
    }),
  ],
  test: { include: ['tests/unit/**/*.test.ts', 'tests/parity/**/*.test.ts'] },
});
