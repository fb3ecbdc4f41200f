// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The page's WebAssembly core and the desktop's command line give the same reading: thousands of random
// births (zone rows, exact offsets, local mean time, every hemisphere, 1901-2050, some refused) through
// both, every field compared. Run by scripts/web-test, which names the command line in QUORVANE_CLI
// (QUORVANE_PARITY_COUNT and QUORVANE_PARITY_SEED change how many births and which).
import { execFileSync, spawnSync } from 'node:child_process';
import { readdirSync, readFileSync } from 'node:fs';
import { fileURLToPath } from 'node:url';
import type { FormValues, QuorvaneCore, Reading } from '../../src/core-types';
import { expect, it } from 'vitest';
import { generatedDir, loadNodeCore } from '../node-core';
import { pick, random, randomZone, two } from './seeded';

const cli = process.env.QUORVANE_CLI;
const count = Number(process.env.QUORVANE_PARITY_COUNT ?? 3000);

interface Case { form: FormValues; csv: string }

function makeCase(): Case {
  const year = pick(1901, 2050), month = pick(1, 12);
  const days = new Date(Date.UTC(year, month, 0)).getUTCDate();
  // One in ten dates does not exist (31 April, 30 February): both must refuse it.
  const day = days < 31 && random() < 0.1 ? pick(days + 1, 31) : pick(1, days);
  const hour = pick(0, 23), minute = pick(0, 59), second = random() < 0.3 ? pick(0, 59) : 0;
  const name = Array.from({ length: pick(1, 12) }, () => String.fromCharCode(pick(65, 90))).join('');
  const { zone, offset, zoneText } = randomZone();
  const daylightSaving = random() < 0.3;
  // Now and then a coordinate outside the form's limits, which both refuse.
  const latD = random() < 0.03 ? pick(90, 99) : pick(0, 89), latM = pick(0, 59);
  const lonD = random() < 0.03 ? pick(180, 199) : pick(0, 179), lonM = random() < 0.03 ? pick(60, 99) : pick(0, 59);
  const south = random() < 0.5, east = random() < 0.5;
  const form: FormValues = {
    name, month, day, year, hour, minute, second: 0, recordSecond: second, zone, offset, daylightSaving,
    latitudeDegrees: String(latD), latitudeMinutes: String(latM), south,
    longitudeDegrees: String(lonD), longitudeMinutes: String(lonM), east, city: '', state: '', country: '',
  };
  const csv = [name, `${year}-${two(month)}-${two(day)}`, `${two(hour)}:${two(minute)}:${two(second)}`, zoneText,
    daylightSaving ? '1' : '0', `${latD}${south ? 'S' : 'N'}${latM}`, `${lonD}${east ? 'E' : 'W'}${lonM}`].join(',');
  return { form, csv };
}

// As the command line writes a longitude: to the ten-thousandth, 360 written as 0.
function longitude(degrees: number): number {
  let units = Math.round(degrees * 10000);
  if (units >= 3600000) units -= 3600000;
  return units / 10000;
}
const iso = (t: Reading['universalTime']) =>
  `${t.year}-${two(t.month)}-${two(t.day)}T${two(t.hour)}:${two(t.minute)}${t.second ? ':' + two(t.second) : ''}Z`;

function webFields(core: QuorvaneCore, form: FormValues): Record<string, unknown> {
  const outcome = core.read(form, 'en');
  // Each refuses in its own words: the form names the field, the command line the record's column.
  if (!outcome.ok) return { refused: true };
  const r = outcome.reading;
  const [sun, ascendant, moon, descendant] = r.frames.map((f) => f.sign);
  return {
    name: form.name, universalTime: iso(r.universalTime), utcOffset: r.utcOffset,
    sunDegree: r.sunDegree, moonDegree: r.moonDegree, ascendantDegree: r.ascendantDegree,
    sunLongitude: longitude(r.sunLongitude), moonLongitude: longitude(r.moonLongitude),
    ascendantLongitude: longitude(r.ascendantLongitude), moonPhase: r.moonPhase,
    ascendant, descendant, moonSign: moon, sunSign: sun,
  };
}

function cliFields(line: string): Record<string, unknown> {
  const j = JSON.parse(line);
  if ('error' in j) return { refused: true };
  delete j.note;
  return j;
}

it.skipIf(!cli)('the page\'s core and the command line read every birth alike', { timeout: 600_000 }, async () => {
  const core = await loadNodeCore();
  // The WebAssembly the built page serves is this same file.
  const assets = fileURLToPath(new URL('../../dist/assets/', import.meta.url));
  const served = readdirSync(assets).find((f) => /^quorvane-core-.*\.wasm$/.test(f));
  if (!served || !readFileSync(assets + served).equals(readFileSync(`${generatedDir}quorvane-core.wasm`)))
    throw new Error('web/dist/ does not serve the WebAssembly in src/generated/: run scripts/web build');

  const cases = Array.from({ length: count }, makeCase);
  // The command line ends with status 1 when it refused a birth; its answers are on standard output all the same.
  const batch = spawnSync(cli!, ['--batch', '--json'], { input: cases.map((c) => c.csv).join('\n') + '\n', maxBuffer: 1 << 28 });
  const out = batch.stdout.toString().trimEnd().split('\n');
  if (out.length !== cases.length) throw new Error(`the command line answered ${out.length} lines for ${cases.length} births`);

  let passed = 0, failed = 0, refused = 0;
  const kinds = { row: 0, lmt: 0, offset: 0 };
  for (const [i, c] of cases.entries()) {
    const web = webFields(core, c.form), desk = cliFields(out[i]);
    if ('refused' in desk) refused++;
    kinds[typeof c.form.zone === 'number' ? 'row' : c.form.zone]++;
    const same = JSON.stringify(web) === JSON.stringify(desk);
    if (same) passed++;
    else if (failed++ < 10) console.error(`differs: ${c.csv}\n  web ${JSON.stringify(web)}\n  cli ${JSON.stringify(desk)}`);
  }

  // The frames' full texts for some of them, through single readings.
  let framesChecked = 0;
  for (const c of cases.slice(0, 60)) {
    const [name, date, time, zone, dst, lat, lon] = c.csv.split(',');
    for (const language of ['en']) {  // the command line's JSON is English whatever its --lang
      const outcome = core.read(c.form, language);
      if (!outcome.ok) continue;
      const args = ['--json', '--lang', language, '--name', name, '--date', date, '--time', time, '--lat', lat, '--lon', lon];
      if (dst === '1') args.push('--dst');
      if (zone === 'LMT') args.push('--lmt');
      else if (/^[+-]/.test(zone)) args.push(`--offset=${zone}`);
      else args.push('--zone', zone);
      const desk = JSON.parse(execFileSync(cli!, args).toString());
      const byCaption = new Map(outcome.reading.frames.map((f) => [f.caption, f]));
      for (const frame of desk.frames) {
        const web = byCaption.get(frame.frame);
        const mine = web && { frame: web.caption, sign: web.sign, rulingPlanet: web.rulingPlanet, constellation: web.constellation, keywords: web.keywords, description: web.description };
        if (JSON.stringify(mine) === JSON.stringify(frame)) passed++;
        else if (failed++ < 20) console.error(`frame differs (${language}): ${c.csv}\n  web ${JSON.stringify(mine)}\n  cli ${JSON.stringify(frame)}`);
      }
      framesChecked++;
    }
  }
  console.log(`parity: ${cases.length} births (${kinds.row} zone rows, ${kinds.lmt} local mean time, ${kinds.offset} exact offsets; ${refused} refused by both), ${framesChecked} readings' frames`);
  console.log(`${passed} passed, ${failed} failed`);
  expect(failed).toBe(0);
});
