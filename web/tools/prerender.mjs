// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The page as it stands once the core has filled it in English (every caption, every list, the empty
// birth), taken from the built page in Chromium and written to src/generated/prerendered-app.html. The
// second build puts it into index.html, so that the form arrives painted and filled and can be used while
// the core is still loading. Usage: node tools/prerender.mjs DIST
import { spawn } from 'node:child_process';
import { writeFileSync } from 'node:fs';
import { createServer } from 'node:net';
import { chromium } from '@playwright/test';

const dist = process.argv[2];
const out = new URL('../src/generated/prerendered-app.html', import.meta.url).pathname;
const port = await new Promise((resolve) => {
  const s = createServer().listen(0, '127.0.0.1', () => { const p = s.address().port; s.close(() => resolve(p)); });
});
const server = spawn('python3', ['-m', 'http.server', String(port), '--bind', '127.0.0.1', '--directory', dist], { stdio: 'ignore' });
try {
  const base = `http://127.0.0.1:${port}/`;
  for (let i = 0; i < 100; i++) {
    try { await fetch(base); break; } catch { await new Promise((r) => setTimeout(r, 100)); }
  }
  const browser = await chromium.launch({
    executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
    args: ['--no-sandbox', '--headless', '--disable-gpu', '--lang=en-US'],
  });
  try {
    // English, a fresh profile: nothing kept from an earlier visit, no births.
    const context = await browser.newContext({ serviceWorkers: 'block', locale: 'en-US' });
    const page = await context.newPage();
    await page.goto(base + 'index.html');
    await page.waitForSelector('body.ready');
    const html = await page.evaluate(() => {
      // What the page set as properties is written as attributes, which the copy keeps.
      for (const option of document.querySelectorAll('option')) option.toggleAttribute('selected', option.selected);
      for (const box of document.querySelectorAll('input[type=checkbox], input[type=radio]')) box.toggleAttribute('checked', box.checked);
      for (const input of document.querySelectorAll('input:not([type=checkbox]):not([type=radio])'))
        if (input.value) input.setAttribute('value', input.value);
      const app = document.getElementById('app').cloneNode(true);
      // What the page decides at every start stays out: the state of a running page, not of the form.
      for (const open of app.querySelectorAll('details[open]')) open.removeAttribute('open');
      return app.innerHTML;
    });
    if (!html.includes('<option')) throw new Error('the page was not filled in');
    writeFileSync(out, html);
  } finally {
    await browser.close();
  }
} finally {
  server.kill();
}
