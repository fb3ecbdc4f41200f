// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A birth time not known: the page's whole-day reading and quorvane-cli --batch --json on the same births
// with their time "unknown" give the same signs over the day and the same runs, minute for minute.
import { spawnSync } from 'node:child_process';
import { expect, it } from 'vitest';
import type { FormValues } from '../../src/core-types';
import { loadNodeCore } from '../node-core';
import { pick, random, randomZone, two } from './seeded';

const cli = process.env.QUORVANE_CLI;
const count = Number(process.env.QUORVANE_TIME_UNKNOWN_COUNT ?? 300);

function makeCase(): { form: FormValues; csv: string } {
  const year = pick(1901, 2050), month = pick(1, 12);
  const day = pick(1, new Date(Date.UTC(year, month, 0)).getUTCDate());
  const name = Array.from({ length: pick(1, 10) }, () => String.fromCharCode(pick(65, 90))).join('');
  const { zone, offset, zoneText } = randomZone();
  const daylightSaving = zone !== 'lmt' && random() < 0.3;
  const latD = pick(0, 89), latM = pick(0, 59), lonD = pick(0, 179), lonM = pick(0, 59);
  const south = random() < 0.5, east = random() < 0.5;
  const form: FormValues = {
    name, month, day, year, hour: pick(0, 23), minute: pick(0, 59), second: 0, zone, offset, daylightSaving,
    latitudeDegrees: String(latD), latitudeMinutes: String(latM), south, longitudeDegrees: String(lonD),
    longitudeMinutes: String(lonM), east, city: '', state: '', country: '', timeUnknown: true,
  };
  const csv = [name, `${year}-${two(month)}-${two(day)}`, 'unknown', zoneText, daylightSaving ? '1' : '0',
    `${latD}${south ? 'S' : 'N'}${latM}`, `${lonD}${east ? 'E' : 'W'}${lonM}`].join(',');
  return { form, csv };
}

it.skipIf(!cli)('the page\'s whole-day reading is the command line\'s, run for run', { timeout: 300_000 }, async () => {
  const core = await loadNodeCore();
  const cases = Array.from({ length: count }, makeCase);
  const batch = spawnSync(cli!, ['--batch', '--json'], { input: cases.map((c) => c.csv).join('\n') + '\n', maxBuffer: 1 << 28 });
  const out = batch.stdout.toString().trimEnd().split('\n');
  expect(out).toHaveLength(cases.length);
  let failed = 0, runs = 0, changing = 0;
  for (const [i, c] of cases.entries()) {
    const desk = JSON.parse(out[i]);
    delete desk.note;
    const outcome = core.readTimeUnknown(c.form, 'en');
    if (!outcome.ok) throw new Error(`the page refused ${c.csv}`);
    const w = outcome.window;
    const web = {
      name: c.form.name, date: `${c.form.year}-${two(c.form.month)}-${two(c.form.day)}`, from: w.from, to: w.to,
      timeUnknown: true, ascendant: w.ascendant, descendant: w.descendant, moonSign: w.moonSign, sunSign: w.sunSign,
      changes: w.changes,
    };
    runs += w.changes.length;
    // What the frames show agrees with the runs: a sign only where one holds all day.
    for (const [f, key] of (['sunSign', 'ascendant', 'moonSign', 'descendant'] as const).entries()) {
      const frame = w.frames[f];
      if (frame.depends !== (w[key] === null) || (!frame.depends && frame.sign !== w[key])) failed++;
      if (frame.depends) changing++;
      if (frame.depends && frame.spans[0].from !== '00:00') failed++;
      if (frame.depends && frame.spans.at(-1)!.to !== '23:59') failed++;
    }
    if (JSON.stringify(web) !== JSON.stringify(desk) && failed++ < 10)
      console.error(`differs: ${c.csv}\n  web ${JSON.stringify(web)}\n  cli ${JSON.stringify(desk)}`);
  }
  console.log(`time unknown: ${cases.length} whole days, ${runs} runs, ${changing} frames that change within the day`);
  expect(failed).toBe(0);
  // The Moon Sign frame goes through every sign each day: the walk over the days must have met changes.
  expect(changing).toBeGreaterThanOrEqual(cases.length);
});
