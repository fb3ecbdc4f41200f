// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The page as it stands once the core has filled it in English (every caption, every list, the empty
// birth), taken from the built page in Chromium and written to src/generated/prerendered-app.html. The
// second build puts it into index.html, so that the form arrives painted and filled and can be used while
// the core is still loading. The long lists arrive short, their entries beside them. Usage: node tools/prerender.mjs DIST
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
      // A long list arrives with its chosen and its widest entry, which give it its width; the rest waits
      // as text in #list-entries until the list is first touched or the form is painted (src/early.ts).
      const entries = {};
      const measure = document.createElement('canvas').getContext('2d');
      for (const list of document.querySelectorAll('#app select')) {
        if (list.options.length <= 12) continue;
        if (!list.id) throw new Error('a long list without an id');
        // As [value, text] pairs: a third of the HTML's size, to be read before the first paint.
        for (const option of list.options)
          if ([...option.attributes].some((a) => a.name !== 'value' && a.name !== 'selected'))
            throw new Error(`an entry of #${list.id} has more than a value: ${option.outerHTML}`);
        entries[list.id] = [...list.options].map((o) => [o.value, o.text]);
        measure.font = getComputedStyle(list).font;
        const options = [...list.options];
        const widest = options.reduce((a, b) => (measure.measureText(b.text).width > measure.measureText(a.text).width ? b : a));
        const width = list.getBoundingClientRect().width;
        for (const option of options) if (option !== widest && !option.selected) option.remove();
        list.setAttribute('data-entries', '');
        if (Math.abs(list.getBoundingClientRect().width - width) > 0.01)
          throw new Error(`#${list.id} is ${list.getBoundingClientRect().width}px wide with two entries, ${width}px with all`);
      }
      const store = document.createElement('script');
      store.type = 'application/json';
      store.id = 'list-entries';
      store.textContent = JSON.stringify(entries).replace(/</g, '\\u003c');
      document.getElementById('app').append(store);
      const app = document.getElementById('app').cloneNode(true);
      // What the page decides at every start stays out: the state of a running page, not of the form.
      for (const open of app.querySelectorAll('details[open]')) open.removeAttribute('open');
      return app.innerHTML;
    });
    if (!html.includes('<option') || !html.includes('id="list-entries"')) throw new Error('the page was not filled in');
    writeFileSync(out, html);
  } finally {
    await browser.close();
  }
} finally {
  server.kill();
}
