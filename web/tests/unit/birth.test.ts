// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
import { describe, expect, it } from 'vitest';
import { emptyForm, fromFragment, toFragment } from '../../src/birth';
import type { FormValues } from '../../src/core-types';

const read = (fragment: string) => fromFragment(fragment, 71, 1901, 2050);
const asha: FormValues = {
  ...emptyForm, name: 'ASHA', month: 6, day: 15, year: 1985, hour: 7, minute: 30, second: 12, zone: 42,
  latitudeDegrees: '18', latitudeMinutes: '31', longitudeDegrees: '73', longitudeMinutes: '51', city: 'Pune',
  state: 'Maharashtra', country: 'India',
};

describe('a birth in the address fragment', () => {
  it('comes back as it was written, for rows, local mean time, typed offsets and every hemisphere', () => {
    const forms: FormValues[] = [
      asha,
      { ...asha, zone: 'lmt', south: true, east: false, daylightSaving: true },
      { ...asha, zone: 'offset', offset: '-00:25:21', name: 'MARIE CLAIRE', city: 'Saint-Denis & co' },
      { ...asha, zone: 'offset', offset: '+05:45', latitudeDegrees: '', longitudeMinutes: '' },
      // An unknown time keeps no clock time: the lists go back to midnight.
      { ...asha, timeUnknown: true, hour: 0, minute: 0, second: 0 },
    ];
    for (const form of forms) expect(read(toFragment(form))).toEqual(form);
  });

  it('is readable by a person and keeps blanks and symbols safe', () => {
    const fragment = toFragment({ ...asha, name: 'A B' });
    expect(fragment).toContain('date=1985-06-15');
    expect(fragment).toContain('lat=18N31');
    expect(fragment).toContain('lon=73E51');
    expect(read('#name=A%26B&date=1985-06-15')?.name).toBe('A&B');
  });

  it('writes an unknown time as the command line takes it', () => {
    expect(toFragment({ ...asha, timeUnknown: true })).toContain('time=unknown');
    expect(read(toFragment(asha))?.timeUnknown).toBeUndefined();
    // The whole day is "unknown"; a narrower window is HH:MM-HH:MM, as --time takes it, and reads back.
    const unknown = { ...asha, timeUnknown: true, hour: 0, minute: 0, second: 0 };
    expect(toFragment({ ...unknown, windowFrom: 0, windowTo: 1439 })).toContain('time=unknown');
    const narrowed = { ...unknown, windowFrom: 6 * 60, windowTo: 12 * 60 + 30 };
    expect(decodeURIComponent(toFragment(narrowed))).toContain('time=06:00-12:30');
    expect(read(toFragment(narrowed))).toEqual(narrowed);
    expect(read('#date=1985-06-15&time=25:00-12:00')?.timeUnknown).toBeUndefined();
  });

  it('holds no birth without a date', () => {
    expect(read('')).toBeUndefined();
    expect(read('#name=ASHA')).toBeUndefined();
  });

  it('leaves at their defaults the values the lists do not offer', () => {
    const form = read('#date=1850-13-32&time=24:60:61&zone=71&lat=95N&lon=x')!;
    expect([form.year, form.month, form.day, form.hour, form.minute, form.second, form.zone]).toEqual([1901, 1, 1, 0, 0, 0, 29]);
    // A coordinate's digits are the typed text: whether they fit is the core's to say at the reading.
    expect([form.latitudeDegrees, form.latitudeMinutes, form.south]).toEqual(['95', '', false]);
    expect(form.longitudeDegrees).toBe('');
  });

  it('takes LMT in any case and an offset by its sign', () => {
    expect(read('#date=1985-06-15&zone=lmt')?.zone).toBe('lmt');
    expect(read('#date=1985-06-15&zone=%E2%88%9205:00')).toMatchObject({ zone: 'offset', offset: '\u221205:00' });
  });
});
