// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A birth in the address's fragment (#name=ASHA&date=1985-06-15&...), so that a reading can be bookmarked
// and shared: browsers never send the fragment to a server. Only the form's own entries are written;
// whether they make a reading is the core's to say when the page reads them.
import type { FormValues, Zone } from './core-types';

export const emptyForm: Readonly<FormValues> = {
  name: '', month: 1, day: 1, year: 1901, hour: 0, minute: 0, second: 0, zone: 29, offset: '',
  daylightSaving: false, latitudeDegrees: '', latitudeMinutes: '', south: false, longitudeDegrees: '',
  longitudeMinutes: '', east: true, city: '', state: '', country: '',
};

const two = (n: number) => String(n).padStart(2, '0');

export function toFragment(form: FormValues): string {
  const p = new URLSearchParams();
  p.set('name', form.name);
  p.set('date', `${form.year}-${two(form.month)}-${two(form.day)}`);
  // A birth time not known is read all day, as the command line's --time unknown, or over HH:MM-HH:MM.
  const narrowed = form.timeUnknown && form.windowFrom !== undefined && form.windowTo !== undefined &&
    (form.windowFrom > 0 || form.windowTo < 1439);
  const clock = (minute: number) => `${two(Math.floor(minute / 60))}:${two(minute % 60)}`;
  p.set('time', !form.timeUnknown ? `${two(form.hour)}:${two(form.minute)}:${two(form.second)}`
    : narrowed ? `${clock(form.windowFrom!)}-${clock(form.windowTo!)}` : 'unknown');
  p.set('zone', form.zone === 'offset' ? form.offset : String(form.zone));
  p.set('dst', form.daylightSaving ? '1' : '0');
  p.set('lat', `${form.latitudeDegrees}${form.south ? 'S' : 'N'}${form.latitudeMinutes}`);
  p.set('lon', `${form.longitudeDegrees}${form.east ? 'E' : 'W'}${form.longitudeMinutes}`);
  for (const key of ['city', 'state', 'country'] as const) if (form[key]) p.set(key, form[key]);
  return '#' + p.toString();
}

function inRange(text: string | null, low: number, high: number): number | undefined {
  if (text === null || !/^\d{1,4}$/.test(text)) return undefined;
  const n = Number(text);
  return n >= low && n <= high ? n : undefined;
}

// The form's entries a fragment gives, over the defaults; nothing when it holds no birth. A value that
// the form's lists do not offer is left at its default, as a list cannot show it.
export function fromFragment(fragment: string, zoneCount: number, firstYear: number, lastYear: number): FormValues | undefined {
  const p = new URLSearchParams(fragment.replace(/^#/, ''));
  if (!p.has('date')) return undefined;
  const form: FormValues = { ...emptyForm };
  form.name = p.get('name') ?? '';
  const [year, month, day] = (p.get('date') ?? '').split('-');
  form.year = inRange(year, firstYear, lastYear) ?? form.year;
  form.month = inRange(month, 1, 12) ?? form.month;
  form.day = inRange(day, 1, 31) ?? form.day;
  if (p.get('time') === 'unknown') form.timeUnknown = true;
  const window = /^(\d{2}):(\d{2})-(\d{2}):(\d{2})$/.exec(p.get('time') ?? '');
  if (window) {
    const [fromHour, fromMinute, toHour, toMinute] = window.slice(1).map(Number);
    if (fromHour < 24 && toHour < 24 && fromMinute < 60 && toMinute < 60) {
      form.timeUnknown = true;
      form.windowFrom = fromHour * 60 + fromMinute;
      form.windowTo = toHour * 60 + toMinute;
    }
  }
  const [hour, minute, second] = window ? [] : (p.get('time') ?? '').split(':');
  form.hour = inRange(hour, 0, 23) ?? 0;
  form.minute = inRange(minute, 0, 59) ?? 0;
  form.second = inRange(second ?? '0', 0, 59) ?? 0;
  const zone = p.get('zone') ?? '';
  const row = inRange(zone, 0, zoneCount - 1);
  let chosen: Zone = row ?? form.zone;
  if (zone.toLowerCase() === 'lmt') chosen = 'lmt';
  else if (/^[+\-\u2212]/.test(zone)) { chosen = 'offset'; form.offset = zone; }
  form.zone = chosen;
  form.daylightSaving = p.get('dst') === '1';
  const coordinate = (text: string | null, positive: string, negative: string) => {
    const m = new RegExp(`^(\\d*)([${positive}${negative}])(\\d*)$`, 'i').exec(text ?? '');
    return m ? { degrees: m[1], minutes: m[3], negative: m[2].toUpperCase() === negative } : undefined;
  };
  const lat = coordinate(p.get('lat'), 'N', 'S');
  if (lat) Object.assign(form, { latitudeDegrees: lat.degrees, latitudeMinutes: lat.minutes, south: lat.negative });
  const lon = coordinate(p.get('lon'), 'E', 'W');
  if (lon) Object.assign(form, { longitudeDegrees: lon.degrees, longitudeMinutes: lon.minutes, east: !lon.negative });
  form.city = p.get('city') ?? '';
  form.state = p.get('state') ?? '';
  form.country = p.get('country') ?? '';
  return form;
}
