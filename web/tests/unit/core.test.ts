// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The binding hands the page what the core decides: messages, the field to focus, key verdicts, texts.
import { beforeAll, describe, expect, it } from 'vitest';
import { emptyForm } from '../../src/birth';
import type { FormValues, QuorvaneCore } from '../../src/core-types';
import { filterTyped, letterOf } from '../../src/keys';
import { loadNodeCore } from '../node-core';

let core: QuorvaneCore;
beforeAll(async () => { core = await loadNodeCore(); });

const birth: FormValues = {
  ...emptyForm, name: 'ASHA', month: 6, day: 15, year: 1985, hour: 7, minute: 30, zone: 29,
  latitudeDegrees: '18', latitudeMinutes: '31', longitudeDegrees: '73', longitudeMinutes: '51',
};

describe('the reading command', () => {
  it('refuses with the form\'s own messages and names the field to focus', () => {
    const cases: Array<[Partial<FormValues>, string, string, string]> = [
      [{ name: '' }, 'Please Enter Name', 'error', 'name'],
      [{ longitudeDegrees: '180' }, 'Please Enter Value Between 0 And 179 in the Degree of Longitude', 'error', 'longitudeDegrees'],
      [{ latitudeMinutes: '60' }, 'Please Enter Value Between 0 And 59 in the  Minute of Latitude', 'error', 'latitudeMinutes'],
      [{ month: 2, day: 30 }, 'Please Enter Correct Date Or Month!', 'information', ''],
      [{ month: 4, day: 31 }, 'Please Enter Correct Date Or Month !', 'information', ''],
    ];
    for (const [change, text, icon, focus] of cases) {
      const outcome = core.read({ ...birth, ...change }, 'en');
      expect(outcome).toMatchObject({ ok: false, message: { text, icon }, focus });
    }
  });

  it('gives the messages in the page\'s language', () => {
    const outcome = core.read({ ...birth, name: '' }, 'de');
    expect(outcome.ok).toBe(false);
    if (!outcome.ok) expect(outcome.message?.text).not.toBe('Please Enter Name');
  });

  it('stops at an offset it cannot read, and reads local mean time from the longitude', () => {
    expect(core.read({ ...birth, zone: 'offset', offset: '5:45' }, 'en')).toMatchObject({ ok: false, offsetUnreadable: true });
    const lmt = core.read({ ...birth, zone: 'lmt' }, 'en');
    expect(lmt.ok && lmt.reading.utcOffset).toBe(core.localMeanTime(birth));
    expect(core.localMeanTime(birth)).toBe('+04:55:24');
    expect(core.localMeanTime({ ...birth, east: false })).toBe('-04:55:24');
    expect(core.localMeanTime({ ...birth, longitudeDegrees: '' })).toBe('');
  });

  it('takes a births record\'s seconds and never the form\'s second list', () => {
    const read = (change: Partial<FormValues>) => {
      const outcome = core.read({ ...birth, ...change }, 'en');
      if (!outcome.ok) throw new Error('refused');
      return outcome.reading.universalTime.second;
    };
    expect(read({ second: 42 })).toBe(0);
    expect(read({ recordSecond: 42 })).toBe(42);
  });

  it('fills four frames in the desktop grid\'s order, each with its picture key', () => {
    const outcome = core.read(birth, 'en');
    if (!outcome.ok) throw new Error('refused');
    expect(outcome.reading.frames.map((f) => f.caption)).toEqual(
      ['Galactic Sun Sign', 'Galactic Ascendant', 'Galactic Moon Sign', 'Galactic Descendant']);
    for (const frame of outcome.reading.frames) expect(frame.picture).toBe(frame.sign);
    const german = core.read(birth, 'de');
    if (!german.ok) throw new Error('refused');
    expect(german.reading.frames.map((f) => f.picture)).toEqual(outcome.reading.frames.map((f) => f.picture));
    expect(german.reading.frames[0].caption).not.toBe('Galactic Sun Sign');
  });
});

describe('typing through the key filters', () => {
  const name = (typed: string, language = 'en') => filterTyped(typed, (code, character) => {
    const letter = letterOf(character, language);
    return core.filterNameKey(code, letter.isLetter, letter.capital, language);
  });
  const coordinate = (typed: string) => filterTyped(typed, (code) => core.filterCoordinateKey(code, 'en'));

  it('makes small letters capitals and lets blanks through', () => {
    expect(name('asha k')).toEqual({ text: 'ASHA K' });
  });

  it('refuses a digit in the name and a letter in a coordinate with the message, keeping what came before', () => {
    expect(name('ab1c')).toEqual({ text: 'AB', message: { text: 'Please Enter only Letters', icon: 'information' } });
    expect(coordinate('4x')).toEqual({ text: '4', message: { text: 'Only Numbers Are Accepted', icon: 'error' } });
    expect(coordinate('-5').message?.text).toBe('Only Numbers Are Accepted');
    expect(coordinate('0123456789')).toEqual({ text: '0123456789' });
  });

  it('takes the letters of the page\'s language, not under English', () => {
    expect(name('ü', 'de')).toEqual({ text: 'Ü' });
    expect(name('ß', 'de')).toEqual({ text: 'ß' });
    expect(name('ж', 'ru')).toEqual({ text: 'Ж' });
    expect(name('ü', 'en').message?.text).toBe('Please Enter only Letters');
  });
});

describe('the core\'s texts', () => {
  it('has the 71 zone rows with the desktop list\'s texts', () => {
    expect(core.zoneCount).toBe(71);
    expect(core.text('en', `zone.${core.defaultZone}`)).toBe('Greenwich Mean Time,GMT,0.0');
    const rows = Array.from({ length: 71 }, (_, i) => core.text('en', `zone.${i}`));
    expect(new Set(rows).size).toBe(71);
    expect(rows.every((row) => row.length > 0)).toBe(true);
  });

  it('names the translated languages and maps a browser\'s language tags onto them', () => {
    expect(core.translatedLanguages()).toEqual(['de', 'es', 'fr', 'it', 'pt_BR', 'ru']);
    expect(core.normalizeLanguage('pt_BR')).toBe('pt_BR');
    expect(core.normalizeLanguage('de_AT')).toBe('de');
    expect(core.normalizeLanguage('en_US')).toBe('en');
  });
});

describe('a birth time not known, and the reading as text', () => {
  const unknown: FormValues = { ...birth, timeUnknown: true };
  const pune = { city: 'Pune', state: 'Maharashtra', country: 'India', timeZone: 'Asia/Kolkata', longitude: 73.85 };

  it('refuses what a reading refuses, with the same message and field', () => {
    const form = { ...unknown, latitudeMinutes: '60' };
    const refused = core.readTimeUnknown(form, 'de');
    expect(refused).toMatchObject({ ok: false, focus: 'latitudeMinutes' });
    expect(refused).toEqual(core.read(form, 'de'));
    expect(core.readingText({ ...unknown, zone: 'offset', offset: '5:45' }, 'en', true, null)).toMatchObject({ ok: false, offsetUnreadable: true });
  });

  it('reads the whole day whatever the hour on the form, and shows a sign only where it holds all day', () => {
    const a = core.readTimeUnknown(unknown, 'en'), b = core.readTimeUnknown({ ...unknown, hour: 21, minute: 59 }, 'en');
    if (!a.ok || !b.ok) throw new Error('refused');
    expect(b.window).toEqual(a.window);
    expect([a.window.from, a.window.to]).toEqual(['00:00', '23:59']);
    const moon = a.window.frames[2];
    expect(moon).toMatchObject({ caption: 'Galactic Moon Sign', depends: true });
    expect(moon.sign).toBeUndefined();
    expect(new Set(moon.possible.map((p) => p.sign)).size).toBe(moon.possible.length);
    for (const frame of a.window.frames.filter((f) => !f.depends)) expect(frame.spans).toHaveLength(1);
  });

  it('writes the reading as the desktop copies it, in the page\'s language, with the place found', () => {
    const known = core.readingText(birth, 'en', false, null);
    if (!known.ok) throw new Error('refused');
    expect(known.text.split('\n').slice(0, 4)).toEqual(
      ['Galactic Astrology Reading', 'ASHA', 'Born: 1985-06-15, 07:30 local clock time', 'Time zone: Greenwich Mean Time,GMT,0.0']);
    const german = core.readingText({ ...birth, day: 1 }, 'de', false, pune);
    if (!german.ok) throw new Error('refused');
    expect(german.text).toContain('\nGeboren: 1. Juni 1985, 07:30 Uhr Ortszeit\n');
    expect(german.text).toContain('\nOrt: Pune, Maharashtra, India\n');
    const day = core.readingText(unknown, 'en', true, { ...pune, city: 'A&B <x>' });
    if (!day.ok) throw new Error('refused');
    expect(day.text).toContain('\nGalactic Moon Sign: depends on the birth time\n');
    expect(day.html).toContain('<br>Place: A&amp;B &lt;x&gt;, Maharashtra, India</p>');
  });
});
