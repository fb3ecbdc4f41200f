// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The page's atlas and zone suggestion against the command line's: searches by random beginnings of names
// (Latin with and without accents, Cyrillic, Greek, with a state or country after a comma) through
// quorvane-cli --find --json, and the clock the tz files give for places found at random births through
// quorvane-cli --place ... --json; every field compared. The atlas files are those web/dist/ serves.
import { spawnSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { fileURLToPath } from 'node:url';
import { expect, it } from 'vitest';
import type { Place, QuorvaneCore } from '../../src/core-types';
import { atlasFiles } from '../../src/finder';
import { loadNodeCore } from '../node-core';
import { pick, random, two } from './seeded';

const cli = process.env.QUORVANE_CLI;
const letters = ['abcdefghijklmnoprstuvwz', 'àáâäçéèêëíîñóôöøúüßłő', 'абвгдежзиклмнопрстуф', 'αβγδεκλμνοπρστ'];

async function atlasCore(): Promise<QuorvaneCore> {
  const core = await loadNodeCore();
  const dist = fileURLToPath(new URL('../../dist/', import.meta.url));
  const [index, fold, zones] = atlasFiles.map((f) => new Uint8Array(readFileSync(dist + f)));
  expect(core.loadAtlas(index, fold, zones)).toBe('');
  return core;
}

const coordinate = (c: Place['lat']) => `${c.degrees}${c.hemisphere}${two(c.minutes)}`;
const asCli = (p: Place) => ({
  matched: p.matched, city: p.city, state: p.state, country: p.country, countryCode: p.countryCode,
  lat: coordinate(p.lat), lon: coordinate(p.lon), latitude: p.latitude, longitude: p.longitude,
  timeZone: p.timeZone, population: p.population, geonameId: p.geonameId,
});
const find = (query: string) => {
  const run = spawnSync(cli!, ['--find', query, '--json']);
  return run.status === 0 ? JSON.parse(run.stdout.toString()) : [];
};

it.skipIf(!cli)('the page finds the places the command line finds, in the same order', { timeout: 300_000 }, async () => {
  const core = await atlasCore();
  const queries = ['London', 'Paris, France', 'Springfield, Illinois', 'St. Petersburg', 'Zürich', 'ZURICH', 'Bombay',
    'Москва', 'Αθήνα', 'São Paulo', 'Kraków', 'Łódź', 'Straße', '東京', 'Portland, OR', 'Nowhere At All', 'Frankfurt, DE'];
  for (let i = 0; i < 250; i++) {
    const alphabet = letters[pick(0, letters.length - 1)];
    let q = Array.from({ length: pick(2, 4) }, () => alphabet[pick(0, alphabet.length - 1)]).join('');
    if (random() < 0.5) q = q[0].toUpperCase() + q.slice(1);
    queries.push(q);
  }
  // Names the atlas has, with their state and country after commas as the form gives them.
  for (const q of queries.slice(0, 60)) {
    const first = core.findPlaces(q, 10).matches[0];
    if (first) queries.push(`${first.city}, ${first.state}, ${first.country}`);
  }
  let found = 0, failed = 0;
  for (const q of queries) {
    const web = core.findPlaces(q, 10).matches.map(asCli), desk = find(q);
    found += desk.length;
    if (JSON.stringify(web) !== JSON.stringify(desk) && failed++ < 10)
      console.error(`differs: ${q}\n  web ${JSON.stringify(web)}\n  cli ${JSON.stringify(desk)}`);
  }
  console.log(`atlas parity: ${queries.length} searches, ${found} places, ${failed} differ`);
  expect(found).toBeGreaterThan(queries.length);
  expect(failed).toBe(0);
});

it.skipIf(!cli)('the page suggests the clock the command line takes for a place', { timeout: 300_000 }, async () => {
  const core = await atlasCore();
  const names = ['Berlin', 'New York', 'Kathmandu', 'Amsterdam', 'Dublin', 'Moscow', 'Sydney', 'Kolkata', 'Honolulu',
    'Lisbon', 'Caracas', 'Tehran', 'Paris', 'Chicago', 'Adelaide', 'Monrovia', 'Detroit', 'Warsaw', 'Tokyo', 'Lima'];
  let compared = 0, failed = 0;
  const rows = new Set<string>();
  for (let i = 0; i < 160; i++) {
    const place = core.findPlaces(names[i % names.length], 1).matches[0];
    const query = `${place.city}, ${place.state}, ${place.country}`;
    // Around the changes of clocks now and then: the last Sunday of March or October in the small hours.
    const year = pick(1901, 2050), month = random() < 0.3 ? [3, 10][pick(0, 1)] : pick(1, 12);
    const day = month === 3 || month === 10 ? pick(25, 31) : pick(1, 28), hour = random() < 0.3 ? pick(0, 3) : pick(0, 23);
    const minute = pick(0, 59);
    const run = spawnSync(cli!, ['--json', '--name', 'PARITY', '--date', `${year}-${two(month)}-${two(day)}`,
      '--time', `${two(hour)}:${two(minute)}`, '--place', query]);
    if (run.status !== 0) continue;  // another town of that name, or a clock time the reading refuses
    const desk = JSON.parse(run.stdout.toString());
    if (desk.place.timeZone !== place.timeZone || desk.place.latitude !== place.latitude) continue;
    const s = core.suggestZone(place.timeZone, { year, month, day, hour, minute }, place.city, place.longitude, 'en', 'first');
    const web: Record<string, unknown> = {
      row: s.exactOffset ? null : s.row, dst: s.exactOffset ? false : s.daylightSaving, suggested: true,
      ...(s.localMeanTime ? { localMeanTime: true } : {}), exact: true, utcOffset: s.offsetText,
      clockOffset: s.clockOffset, agreesWithClock: true, note: s.description,
    };
    const mine = { ...desk.zone };
    delete mine.name;
    rows.add(`${web.row}/${web.dst}/${s.localMeanTime}`);
    compared++;
    if (JSON.stringify(web) !== JSON.stringify(mine) && failed++ < 10)
      console.error(`differs: ${query} ${year}-${month}-${day} ${hour}:${minute}\n  web ${JSON.stringify(web)}\n  cli ${JSON.stringify(mine)}`);
  }
  console.log(`zone parity: ${compared} suggestions (${rows.size} different answers), ${failed} differ`);
  expect(compared).toBeGreaterThan(100);
  expect(rows.size).toBeGreaterThan(10);
  expect(failed).toBe(0);
});

it('the copied reading names the place found and says when its clock showed another offset', async () => {
  const core = await atlasCore();
  const pune = core.findPlaces('Pune, Maharashtra, India', 1).matches[0];
  const form = {
    name: 'ASHA', month: 6, day: 15, year: 1985, hour: 7, minute: 30, second: 0, zone: 29, offset: '', daylightSaving: false,
    latitudeDegrees: String(pune.lat.degrees), latitudeMinutes: String(pune.lat.minutes), south: false,
    longitudeDegrees: String(pune.lon.degrees), longitudeMinutes: String(pune.lon.minutes), east: true, city: '', state: '', country: '',
  };
  const asChosen = core.readingText({ ...form, zone: 34 }, 'en', false, pune), other = core.readingText(form, 'en', false, pune);
  if (!asChosen.ok || !other.ok) throw new Error('refused');
  expect(asChosen.text).toContain('\nPlace: Pune, Maharashtra, India\n');
  expect(asChosen.text).not.toContain('\nNote: ');
  // Greenwich time chosen where the clock showed India's: the desktop's note, in the core's words.
  expect(other.text).toMatch(/\nNote: the clock there showed \+05:30 \([^)]*\), but this reading uses \+00:00 as chosen\n/);
});
