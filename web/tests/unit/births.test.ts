// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The births book through the page's WebAssembly: the same readers and writers as the desktop, records
// written back byte for byte, adding, updating, deleting and Undo, and a book kept and taken up again.
import { readFileSync } from 'node:fs';
import { beforeAll, beforeEach, describe, expect, it } from 'vitest';
import { dateText, downloadName, placeText, shownRows, unreadableText } from '../../src/births-list';
import type { BookRow, QuorvaneCore } from '../../src/core-types';
import { loadTranslation, tr } from '../../src/texts';
import { atlasFiles } from '../../src/finder';
import { loadNodeCore } from '../node-core';

let core: QuorvaneCore;
beforeAll(async () => { core = await loadNodeCore(); });
beforeEach(() => core.clearBook());

const fixture = (name: string) => new Uint8Array(readFileSync(new URL(`../../../tests/births/files/${name}`, import.meta.url)));
const bytes = (text: string) => new TextEncoder().encode(text);
const text = (array: Uint8Array) => new TextDecoder().decode(array);

// Two records, a comment line before them, CR LF line ends, and a chunk the program does not use.
const aaf = '#: kept as written\r\n#A93:Okafor,Ada,f,12.3.1975,6:05,Lagos,WAN\r\n#B93:*,6n27,3e24,1he,0\r\n' +
  '#ZNAM:something else\r\n#A93:Berger,Paul,m,1.5.1960,10:00,Wien/W,A\r\n#B93:*,48n13,16e22,1he,0\r\n';

describe('opening and writing back', () => {
  it('writes every untouched file back byte for byte, whatever its line ends, byte-order mark or encoding', () => {
    const latin1 = new Uint8Array([...bytes('#A93:M'), 0xfc, ...bytes('ller,J'), 0xfc, ...bytes('rgen,m,1.1.1950,12:00,K'), 0xf6,
      ...bytes('ln,D\n#B93:*,50n56,6e57,1he,0')]);
    for (const [name, file] of [['continued_crlf_bom.aaf', fixture('continued_crlf_bom.aaf')], ['zones.aaf', fixture('zones.aaf')],
      ['julian_day.aaf', fixture('julian_day.aaf')], ['crlf.aaf', bytes(aaf)], ['latin1.aaf', latin1]] as const) {
      expect(core.openBirths(file, name, false, 'en')).toMatchObject({ ok: true });
      expect(core.bookInfo()).toMatchObject({ name, format: 'aaf', canUndo: false });
      expect(Array.from(core.bookBytes('aaf').bytes), name).toEqual(Array.from(file));
      // Imported into a book without births, the file is taken up whole but for its unreadable records,
      // and Undo empties the book.
      const { count, unreadable } = core.bookInfo();
      core.clearBook();
      expect(core.openBirths(file, name, true, 'en')).toMatchObject({ ok: true, added: count - unreadable, unreadable });
      expect(core.bookInfo()).toMatchObject({ name, canUndo: true, undoKind: 'Import', undoSubject: name });
      if (unreadable === 0) expect(Array.from(core.bookBytes('aaf').bytes), name).toEqual(Array.from(file));
      core.undoBirths();
      expect(core.bookInfo().count).toBe(0);
    }
  });

  it('refuses what is no births file with the reason, and keeps the book it had', () => {
    core.openBirths(bytes(aaf), 'two.aaf', false, 'en');
    expect(core.openBirths(new Uint8Array([0x50, 0x4b, 0, 4]), 'x.zip', false, 'en')).toEqual({ ok: false, refusal: 'it is a binary file, not a births file' });
    expect(core.openBirths(bytes('just some words\nand more'), 'notes.txt', true, 'en')).toMatchObject({ ok: false, refusal: 'it is neither an AAF nor a CSV births file' });
    expect(core.bookRows('en').map((r) => r.name)).toEqual(['Ada Okafor', 'Paul Berger']);
  });

  it('lists unreadable records with their line and reason, and keeps them when written', () => {
    const file = bytes('#A93:Okafor,Ada,f,31.2.1975,6:05,Lagos,WAN\n#B93:*,6n27,3e24,1he,0\n' + aaf.replace(/\r/g, ''));
    expect(core.openBirths(file, 'bad.aaf', false, 'en')).toMatchObject({ ok: true, unreadable: 1 });
    const [bad, ...good] = core.bookRows('en');
    expect(bad).toMatchObject({ index: 0, line: 1, recordName: 'Ada Okafor' });
    expect(bad.error).toBeTruthy();
    expect(shownRows(core.bookRows('en'), '').map((r) => r.index)).toEqual([1, 2]);
    expect(good.map((r) => r.name)).toEqual(['Ada Okafor', 'Paul Berger']);
    expect(Array.from(core.bookBytes('aaf').bytes)).toEqual(Array.from(file));
    // CSV cannot hold it: it is left out and counted.
    const csv = core.bookBytes('csv');
    expect(csv.leftOut).toBe(1);
    const lines = text(csv.bytes).split('\n');
    expect(lines.map((l) => l.split(',').slice(0, 3).join(','))).toEqual(['name,date,time',
      'Ada Okafor,1975-03-12,06:05', 'Paul Berger,1960-05-01,10:00', '']);
    expect(lines[1].split(',').slice(-2)).toEqual(['6N27', '3E24']);
  });

  it('reads a CSV file and writes it as CSV or AAF', () => {
    const csv = 'name,date,time,zone,dst,lat,lon\nAsha,1985-06-15,07:30,29,0,18N31,73E51\n"Kim, Lee",2001-01-02,,-05:00,1,40N42,74W00\n';
    expect(core.openBirths(bytes(csv), 'births.csv', false, 'en')).toMatchObject({ ok: true, unreadable: 0 });
    expect(core.bookInfo().format).toBe('csv');
    expect(core.bookRows('en')).toMatchObject([{ name: 'Asha', year: 1985, timeUnknown: false }, { name: 'Kim, Lee', timeUnknown: true }]);
    expect(text(core.bookBytes('csv').bytes)).toBe(csv);
    expect(text(core.bookBytes('aaf').bytes)).toContain('#A93:');
  });
});

describe('editing', () => {
  const form = (name: string, extra = {}) => ({
    name, month: 6, day: 15, year: 1985, hour: 7, minute: 30, second: 0, zone: 29, offset: '', daylightSaving: false,
    latitudeDegrees: '18', latitudeMinutes: '31', south: false, longitudeDegrees: '73', longitudeMinutes: '51', east: true,
    city: 'Pune', state: 'MH', country: 'India', ...extra });

  it('fills the form from a birth, and saves it unchanged, updated while the name stays, or added under a new name', () => {
    core.openBirths(bytes(aaf), 'two.aaf', false, 'en');
    const filled = core.chooseBirth(1)!;
    expect(filled).toMatchObject({ name: 'Paul Berger', day: 1, month: 5, year: 1960, hour: 10, zone: expect.any(Number),
      latitudeDegrees: '48', latitudeMinutes: '13', east: true, city: 'Wien', state: 'W', country: 'A' });
    expect(core.saveBirth(filled, 'en')).toEqual({ ok: true, saved: 'unchanged', index: 1 });
    expect(core.bookInfo().canUndo).toBe(false);
    expect(text(core.bookBytes('aaf').bytes)).toBe(aaf);

    expect(core.saveBirth({ ...filled, hour: 11 }, 'en')).toMatchObject({ ok: true, saved: 'updated', index: 1 });
    expect(core.bookRows('en')[1]).toMatchObject({ name: 'Paul Berger', hour: 11 });
    // The record written anew; the other one and the lines around them as they were.
    const updated = text(core.bookBytes('aaf').bytes);
    expect(updated.startsWith(aaf.slice(0, aaf.indexOf('#A93:Berger')))).toBe(true);
    expect(updated).toContain('1.5.1960,11:00');

    expect(core.saveBirth(form('ASHA'), 'en')).toMatchObject({ ok: true, saved: 'added', index: 2 });
    expect(core.bookInfo()).toMatchObject({ count: 3, undoKind: 'Add', undoSubject: 'ASHA' });
    expect(core.bookRows('en')[2]).toMatchObject({ name: 'ASHA', place: 'Pune/MH', country: 'India' });
    // Saved again: the form now holds the birth it added.
    expect(core.saveBirth(form('ASHA', { minute: 31 }), 'en')).toMatchObject({ saved: 'updated', index: 2 });

    expect(core.undoBirths()).toBe(true);
    expect(core.bookRows('en')[2]).toMatchObject({ minute: 30 });
    expect(core.undoBirths()).toBe(true);
    expect(core.bookInfo()).toMatchObject({ count: 2, undoKind: 'Update' });
    expect(core.undoBirths()).toBe(true);
    expect(core.undoBirths()).toBe(false);
    expect(text(core.bookBytes('aaf').bytes)).toBe(aaf);
  });

  it('reads a birth whose file gives no zone, as the desktop does, in the last reading\'s zone', () => {
    core.openBirths(bytes(aaf + '#A93:Dupont,Eve,f,1.3.1905,6:00,Nice,F\r\n#B93:*,43n42,7e16,*,0\r\n'), 'three.aaf', false, 'en');
    const noZone = core.chooseBirth(2)!;
    expect(noZone.zone).toBe(-1);
    const withRow = core.read({ ...noZone, zone: 34 }, 'en');
    const again = core.read(noZone, 'en');
    expect(withRow.ok && again.ok).toBe(true);
    if (withRow.ok && again.ok) expect(again.reading.utcOffset).toBe(withRow.reading.utcOffset);
    expect(core.read({ ...noZone, zone: 'offset', offset: 'x' }, 'en')).toEqual({ ok: false, offsetUnreadable: true });
  });

  it('reads a record without its zone in local mean time where the nearest town kept it, once the atlas is there', async () => {
    const pokhara = '#A93:Rana,Hari,m,1.6.1905,12:00,Pokhara,NEP\n#B93:*,28n14,83e59,*,1\n#A93:Rana,Hari,m,1.6.1990,12:00,Pokhara,NEP\n#B93:*,28n14,83e59,*,0\n';
    // The page fetches the atlas first for such a file, and only while it is not there.
    expect(core.birthsNeedAtlas(bytes(pokhara), 'pokhara.aaf')).toBe(true);
    expect(core.birthsNeedAtlas(bytes('#A93:Rana,Hari,m,1.6.1990,12:00,Pokhara,NEP\n#B93:*,28n14,83e59,5he45,0\n'), 'zoned.aaf')).toBe(false);
    core.openBirths(bytes(pokhara), 'pokhara.aaf', false, 'en');
    expect(core.bookRows('en').map((r) => r.refusal)).toEqual(['zone', 'zone']);
    const withAtlas = await loadNodeCore();
    const [index, fold, zones] = atlasFiles.map((f) => new Uint8Array(readFileSync(new URL(`../../dist/${f}`, import.meta.url))));
    expect(withAtlas.loadAtlas(index, fold, zones)).toBe('');
    expect(withAtlas.birthsNeedAtlas(bytes(pokhara), 'pokhara.aaf')).toBe(false);
    withAtlas.openBirths(bytes(pokhara), 'pokhara.aaf', false, 'en');
    const [then, later] = withAtlas.bookRows('en');
    expect(then.note).toBe('the file does not give the zone: local mean time of the birthplace, UTC+5:35:56, is taken, as Pokhara (Asia/Kathmandu) kept local mean time then');
    expect(withAtlas.chooseBirth(0)).toMatchObject({ zone: 'lmt', daylightSaving: false });
    // By 1990 Nepal kept standard time: that record still asks for a row; and both are written as they came.
    expect(later.refusal).toBe('zone');
    expect(text(withAtlas.bookBytes('aaf').bytes)).toBe(pokhara);
  });

  it('refuses a form the reading would refuse, and one that names no zone', () => {
    expect(core.saveBirth(form(''), 'en')).toMatchObject({ ok: false, message: { text: 'Please Enter Name' }, focus: 'name' });
    expect(core.saveBirth(form('X', { zone: -1 }), 'en')).toEqual({ ok: false, noZone: true });
    expect(core.bookInfo().count).toBe(0);
  });

  it('keeps a typed offset and local mean time exact, and puts them back on the form', () => {
    core.saveBirth(form('A', { zone: 'offset', offset: '+05:45:10' }), 'en');
    core.saveBirth(form('B', { zone: 'lmt' }), 'en');
    expect(core.chooseBirth(0)).toMatchObject({ zone: 'offset', offset: '+05:45:10' });
    expect(core.chooseBirth(1)).toMatchObject({ zone: 'lmt' });
    expect(core.bookRows('en').map((r) => r.note)).toEqual(['', '']);
  });

  it('deletes with Undo that puts the birth back where it was, and imports after the book\'s own births', () => {
    core.openBirths(bytes(aaf), 'two.aaf', false, 'en');
    core.removeBirth(0);
    expect(core.bookRows('en').map((r) => r.name)).toEqual(['Paul Berger']);
    expect(core.bookInfo()).toMatchObject({ undoKind: 'Delete', undoSubject: 'Ada Okafor' });
    core.undoBirths();
    expect(text(core.bookBytes('aaf').bytes)).toBe(aaf);

    const csv = 'name,date,time,zone,dst,lat,lon\nAsha,1985-06-15,07:30,29,0,18N31,73E51\nBad,1985-13-15,07:30,29,0,18N31,73E51\n';
    expect(core.openBirths(bytes(csv), 'more.csv', true, 'en')).toEqual({ ok: true, added: 1, unreadable: 1 });
    expect(core.bookRows('en').map((r) => r.name)).toEqual(['Ada Okafor', 'Paul Berger', 'Asha']);
    // Written anew as AAF after the file's own lines, which stay as they were.
    const written = text(core.bookBytes('aaf').bytes);
    expect(written.startsWith(aaf)).toBe(true);
    expect(written.slice(aaf.length)).toMatch(/^#A93:Asha,\*,\*,15\.6\.1985,7:30,\*,\*\r\n#B93:/);
    core.undoBirths();
    expect(core.bookInfo().count).toBe(2);
  });

  it('writes the same bytes after the book is kept and taken up again', () => {
    const file = fixture('continued_crlf_bom.aaf');
    core.openBirths(file, 'kept.aaf', false, 'en');
    core.saveBirth(form('NEW'), 'en');
    core.openBirths(fixture('zones.aaf'), 'zones.aaf', true, 'en');
    const before = core.bookBytes('aaf').bytes;
    const rows = core.bookRows('en');
    const state = core.bookState();
    core.clearBook();
    expect(core.bookInfo().count).toBe(0);
    // A text that is no kept book changes nothing.
    for (const broken of ['', '[1,2]', state.slice(0, 100)]) expect(core.restoreBook(broken)).toBe(false);
    expect(core.restoreBook('{"births":[{"data":"x","lines":[3]}, 7]}')).toBe(true);
    expect(core.bookRows('en')).toHaveLength(1);
    expect(core.restoreBook(state)).toBe(true);
    expect(Array.from(core.bookBytes('aaf').bytes)).toEqual(Array.from(before));
    expect(core.bookRows('en')).toEqual(rows);
    expect(core.bookInfo()).toMatchObject({ name: 'kept.aaf', canUndo: false });
  });
});

describe('the list', () => {
  const row = (r: Partial<BookRow>): BookRow => ({ index: 0, line: 1, name: 'Ada Okafor', year: 1975, month: 3, day: 12, hour: 6, minute: 5, place: 'Lagos', country: 'WAN', ...r });

  it('shows the date, time and place as the desktop\'s list', () => {
    const unknown = (d: string) => `${d}, time unknown`;
    expect(dateText(row({}), 'en', unknown)).toBe('1975-03-12 06:05');
    expect(dateText(row({ timeUnknown: true }), 'en', unknown)).toBe('1975-03-12, time unknown');
    expect(dateText(row({ year: 1905 }), 'de', unknown)).toBe('12.03.1905 06:05');
    expect(placeText(row({}))).toBe('Lagos, WAN');
    expect(placeText(row({ place: '' }))).toBe('WAN');
    expect(placeText(row({ country: '' }))).toBe('Lagos');
  });

  it('filters by name or place in any case, never across the two, and leaves unreadable records out', () => {
    const rows = [row({ index: 0 }), row({ index: 1, name: 'Paul Berger', place: 'Wien', country: 'A' }),
      { index: 2, line: 9, error: 'bad date', recordName: 'Lagos Kid' }];
    const shown = (f: string) => shownRows(rows, f).map((r) => r.index);
    expect(shown('')).toEqual([0, 1]);
    expect(shown('  wien ')).toEqual([1]);
    expect(shown('OKAFOR')).toEqual([0]);
    expect(shown('a')).toEqual([0, 1]);
    expect(shown('okaforlagos')).toEqual([]);
    expect(shown('lagos')).toEqual([0]);
  });

  it('says how a birth\'s clock is read, or why it asks for a row, in the page\'s language', () => {
    core.openBirths(fixture('zones.aaf'), 'zones.aaf', false, 'en');
    core.openBirths(fixture('julian_day.aaf'), 'julian_day.aaf', true, 'en');
    const byName = (language: string, name: string) => core.bookRows(language).find((r) => r.name === name)!;
    expect(byName('en', 'Eve Dupont').note).toBe('The file does not give the zone; choose a row');
    expect(byName('de', 'Eve Dupont').note).toBe('Die Datei nennt keine Zeitzone; wählen Sie eine Zone');
    expect(byName('en', 'Luc Moreau').note).toBe('local mean time of the birthplace, UTC-0:17:56');
    expect(byName('de', 'Luc Moreau').note).toBe('mittlere Ortszeit des Geburtsorts, UTC-0:17:56');
    // A birth with its row shows no note; its notes are the list's tooltip.
    expect(byName('de', 'Bela Nagy').note).toBe('');
    expect(byName('en', 'Bela Nagy').notes).toMatch(/12 Aug 1962 12:00:00 UT$/);
    expect(byName('de', 'Bela Nagy').notes).toMatch(/12\. August 1962, 12:00:00 UT$/);
    expect(byName('de', 'Bela Nagy').notes).not.toBe(byName('en', 'Bela Nagy').notes);
  });

  it('names unreadable records by line, and downloads by the book\'s name', () => {
    const line = (n: number) => `Line ${n}`, named = (n: number, name: string) => `Line ${n} (${name})`;
    expect(unreadableText({ index: 0, line: 6, error: 'bad', recordName: 'Ada' }, line, named)).toBe('Line 6 (Ada): bad');
    expect(unreadableText({ index: 0, line: 6, error: 'bad' }, line, named)).toBe('Line 6: bad');
    expect(downloadName('family.CSV', 'aaf')).toBe('family.aaf');
    expect(downloadName('family.aaf', 'csv')).toBe('family.csv');
    expect(downloadName('notes.txt', 'aaf')).toBe('notes.txt.aaf');
  });
});
