// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Writes src/generated/desktop-texts.json (and translation-<language>.json) from the desktop's own files, so that the page has no copy of
// its own to keep in step: the forms' captions from ui/forms/*.ui (by control name), the translations
// from l10n/quorvane_*.ts (by context and English source), the product's name and version from the top
// CMakeLists.txt and the web pages' address from ui/CMakeLists.txt. The product's icons are copied from
// packaging/icons/ into public/.
import { copyFileSync, mkdirSync, readFileSync, readdirSync, writeFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { XMLParser } from 'fast-xml-parser';

const web = join(dirname(fileURLToPath(import.meta.url)), '..');
const root = join(web, '..');
const parser = new XMLParser({ ignoreAttributes: false, attributeNamePrefix: '', textNodeName: '#text',
  isArray: (name) => ['widget', 'property', 'action', 'addaction', 'context', 'message'].includes(name) });

function stringOf(value) {
  if (value === undefined) return undefined;
  if (typeof value === 'string' || typeof value === 'number') return String(value);
  return value['#text'] === undefined ? '' : String(value['#text']);
}

// Every control's text or title by its name ("Label13" -> "Name"), walking the widget tree.
export function controlTexts(uiXml) {
  const out = {};
  const visit = (node) => {
    for (const widget of node.widget ?? []) {
      for (const property of widget.property ?? []) {
        if (['text', 'title'].includes(property.name) && property.string !== undefined)
          out[widget.name] = stringOf(property.string);
      }
      visit(widget);
    }
    for (const action of node.action ?? []) {
      const text = (action.property ?? []).find((p) => p.name === 'text');
      if (text) out[action.name] = stringOf(text.string);
    }
  };
  visit(parser.parse(uiXml).ui);
  return out;
}

// context -> English source -> translation, for one Qt Linguist file; unfinished entries are left out. A
// message with a count ("%n birth(s)") gives its forms as a list.
export function translations(tsXml) {
  const out = {};
  for (const context of parser.parse(tsXml).TS.context ?? []) {
    const table = (out[stringOf(context.name)] ??= {});
    for (const message of context.message ?? []) {
      const translation = message.translation;
      if (translation?.numerusform !== undefined) {
        // A count's forms, in the order of the language's plural rules (one, few, many, other).
        const forms = [translation.numerusform].flat().map(stringOf);
        if (translation.type !== 'unfinished' && forms.every(Boolean)) table[stringOf(message.source)] = forms;
        continue;
      }
      const text = stringOf(translation);
      if (!text || (typeof translation === 'object' && translation.type === 'unfinished')) continue;
      table[stringOf(message.source)] = text;
    }
  }
  return out;
}

function main() {
  const forms = {};
  for (const form of ['frmMain', 'frmDisplay', 'frmAbout'])
    forms[form] = controlTexts(readFileSync(join(root, 'ui/forms', `${form}.ui`), 'utf8'));
  const languages = {};
  for (const file of readdirSync(join(root, 'l10n')).sort()) {
    // The report's catalogue too, for the wheel's tropical signs.
    const match = /^quorvane_(?:report_)?([a-z]{2}(?:_[A-Z]{2})?)\.ts$/.exec(file);
    if (match) languages[match[1]] = { ...languages[match[1]], ...translations(readFileSync(join(root, 'l10n', file), 'utf8')) };
  }
  const top = readFileSync(join(root, 'CMakeLists.txt'), 'utf8');
  const project = /project\((\w+) VERSION (\d+\.\d+)/.exec(top);
  const webBase = /set\(QUORVANE_WEB_BASE "([^"]+)"/.exec(readFileSync(join(root, 'ui/CMakeLists.txt'), 'utf8'));
  if (!project || !webBase) throw new Error('the product name, version or web address was not found');
  const out = { product: project[1], version: project[2], webBase: webBase[1], forms, languages: Object.keys(languages) };
  const dir = join(web, 'src/generated');
  mkdirSync(dir, { recursive: true });
  writeFileSync(join(dir, 'desktop-texts.json'), JSON.stringify(out));
  // Each translation is a file of its own, loaded only by a page in that language.
  for (const [language, table] of Object.entries(languages))
    writeFileSync(join(dir, `translation-${language}.json`), JSON.stringify(table));
  mkdirSync(join(web, 'public'), { recursive: true });
  copyFileSync(join(root, 'packaging/icons/quorvane.svg'), join(web, 'public/quorvane.svg'));
  copyFileSync(join(root, 'packaging/icons/hicolor/256x256/apps/quorvane.png'), join(web, 'public/quorvane-256.png'));
  // The tab's icon: a small picture is decoded in a moment, where the drawing would hold the first paint.
  copyFileSync(join(root, 'packaging/icons/hicolor/32x32/apps/quorvane.png'), join(web, 'public/quorvane-32.png'));
}

if (process.argv[1] === fileURLToPath(import.meta.url)) main();
