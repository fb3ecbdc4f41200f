// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
import { readFileSync, readdirSync } from 'node:fs';
import { describe, expect, it } from 'vitest';
import { controlTexts, translations } from '../../tools/desktop-texts.mjs';
import { cancel, dropHint, hideList, keptLine, notKept, pageText, pageTextLanguages, removeAllAnswer, removeAllCommand, removeAllQuestion, replaced, saveAaf, saveCsv } from '../../src/page-texts';
import { loadTranslation, pageLanguages, tr, trCount, uiText, webPageUrl, withoutMnemonic } from '../../src/texts';

const root = new URL('../../../', import.meta.url);
const read = (path: string) => readFileSync(new URL(path, root), 'utf8');

describe('the desktop\'s texts', () => {
  it('shows captions as a button does: one ampersand is a mnemonic, two are one', () => {
    expect(withoutMnemonic('E&xit')).toBe('Exit');
    expect(withoutMnemonic('Click Here To Find Latitude && Longitude')).toBe('Click Here To Find Latitude & Longitude');
    expect(uiText('en', 'frmMain.cmdBrowser')).toBe('Click Here To Find Latitude & Longitude');
    expect(uiText('en', 'frmDisplay.hdrSunCharacteristics')).toBe('Characterstics');
  });

  it('reads captions from a form by control name, and translations by context and source', () => {
    const ui = '<ui><widget class="QWidget" name="w"><widget class="QLabel" name="a"><property name="text"><string>A &amp; B</string></property></widget>' +
      '<widget class="QGroupBox" name="g"><property name="title"><string>G</string></property></widget></widget></ui>';
    expect(controlTexts(ui)).toEqual({ a: 'A & B', g: 'G' });
    const ts = '<TS><context><name>c</name><message><source>One</source><translation>Eins</translation></message>' +
      '<message><source>Two</source><translation type="unfinished"></translation></message></context></TS>';
    expect(translations(ts)).toEqual({ c: { One: 'Eins' } });
    const counted = '<TS><context><name>c</name><message numerus="yes"><source>%n birth(s)</source><translation>' +
      '<numerusform>%n запись</numerusform><numerusform>%n записи</numerusform><numerusform>%n записей</numerusform></translation></message></context></TS>';
    expect(translations(counted)).toEqual({ c: { '%n birth(s)': ['%n запись', '%n записи', '%n записей'] } });
  });

  it('says a count with the form the language\'s plural rules ask for', async () => {
    await loadTranslation('ru');
    await loadTranslation('de');
    const context = 'quorvane::BirthsWindow';
    expect([1, 3, 5, 21, 112].map((n) => trCount('ru', context, '%n birth(s)', n))).toEqual(['1 запись', '3 записи', '5 записей', '21 запись', '112 записей']);
    expect([1, 2].map((n) => trCount('de', context, '%n birth(s)', n))).toEqual(['1 Geburt', '2 Geburten']);
    expect(trCount('en', context, '%n birth(s)', 2)).toBeUndefined();
  });

  it('falls back to the English for a language or text without a translation', async () => {
    await loadTranslation('de');
    expect(tr('xx', 'frmMain', 'Name')).toBe('Name');
    expect(tr('de', 'quorvane::ZoneOffsetEntry', 'Local mean time of the birthplace')).toBe('Mittlere Ortszeit des Geburtsorts');
    expect(uiText('de', 'frmMain.Label5')).toBe('Datum');
  });

  it('uses only English sources the desktop\'s catalogues know, so every language translates them', () => {
    const catalogue = translations(read('l10n/quorvane_de.ts'));
    const page = readdirSync(new URL('web/src/', root)).filter((f) => f.endsWith('.ts')).map((f) => read(`web/src/${f}`)).join('\n')
      + read('web/index.html');
    const used: Array<[string, string]> = [];
    const constants = Object.fromEntries([...page.matchAll(/const (\w+Context) = '([^']+)'/g)].map((m) => [m[1], m[2]]));
    for (const m of page.matchAll(/(?:\btr\(language, |\btrCount\(language, |\bt\()(\w+), '((?:[^'\\]|\\.)+)'/g)) used.push([constants[m[1]], m[2]]);
    for (const m of page.matchAll(/data-tr(?:-placeholder)?="([^"|]+)\|([^"]+)"/g)) used.push([m[1], m[2].replace(/&amp;/g, '&')]);
    for (const m of page.matchAll(/data-a11y="([^"]+)"(?: [^>]*?data-a11y-context="([^"]+)")?/g)) used.push([m[2] ?? 'quorvane::frmMain', m[1].replace(/&amp;/g, '&')]);
    expect(used.length).toBeGreaterThan(25);
    const unescape = (s: string) => s.replace(/\\u([0-9A-Fa-f]{4})/g, (_, h) => String.fromCharCode(parseInt(h, 16)));
    const missing = used.filter(([context, source]) => !(unescape(source) in (catalogue[context] ?? {})));
    expect(missing).toEqual([]);
  });

  it('links to the maker\'s pages as the desktop does', () => {
    const base = /set\(QUORVANE_WEB_BASE "([^"]+)"/.exec(read('ui/CMakeLists.txt'))![1];
    expect(webPageUrl('home-page')).toBe(`${base}?page=home-page`);
  });
});

describe('the page\'s own texts', () => {
  const sources = [keptLine, dropHint, saveAaf, saveCsv, removeAllCommand, removeAllAnswer, hideList, cancel, notKept, replaced, removeAllQuestion];
  const placeholders = (text: string) => (text.match(/%[1n]/g) ?? []).sort().join();

  it('are in every language of the desktop\'s catalogue, with their placeholders and a form for each count', () => {
    expect([...pageTextLanguages].sort()).toEqual(pageLanguages.filter((l) => l !== 'en').sort());
    for (const language of pageTextLanguages) {
      const rules = new Intl.PluralRules(language.replace('_', '-'));
      for (const source of sources) {
        // Every count the language tells apart, up to the largest book anyone keeps.
        for (const n of source.includes('%n') ? [1, 2, 3, 5, 11, 21, 22, 25, 101, 1000] : [undefined]) {
          const text = pageText(language, source, n);
          expect(text, `${language}: ${source} (${n}, ${n === undefined ? '' : rules.select(n)})`).not.toBe(source.replace('%n', String(n)));
          if (n === undefined) expect(placeholders(text)).toBe(placeholders(source));
          else {
            expect(text).toContain(String(n));
            expect(placeholders(text)).toBe(placeholders(source).replace('%n', '').replace(/^,|,$/, ''));
          }
        }
      }
    }
  });

  it('keep the English as written, with one birth said as one', () => {
    expect(pageText('en', removeAllQuestion, 4)).toBe('Remove all 4 births kept in this browser? Undo cannot bring them back.');
    expect(pageText('en', replaced, 1)).toBe('The 1 birth kept in this browser is replaced by those of %1.');
    expect(pageText('ru', removeAllQuestion, 22)).toContain('22 записи');
    expect(pageText('ru', removeAllQuestion, 25)).toContain('25 записей');
    expect(pageText('ru', removeAllQuestion, 21)).toContain('21 запись,');
  });
});
