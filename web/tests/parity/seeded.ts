// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A small seeded generator for the parity tests, so that a failure can be run again
// (QUORVANE_PARITY_SEED chooses another sequence).
let seed = Number(process.env.QUORVANE_PARITY_SEED ?? 20261209);

export function random(): number {
  seed = (seed + 0x6d2b79f5) | 0;
  let t = Math.imul(seed ^ (seed >>> 15), 1 | seed);
  t = (t + Math.imul(t ^ (t >>> 7), 61 | t)) ^ t;
  return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
}
export const pick = (low: number, high: number) => low + Math.floor(random() * (high - low + 1));
export const two = (n: number) => String(n).padStart(2, '0');

// A birth's zone as the form takes it and as the command line's CSV writes it: six in ten a zone row, two
// the birthplace's local mean time, two an exact offset to the second up to 15 hours either way.
export function randomZone(): { zone: number | 'lmt' | 'offset'; offset: string; zoneText: string } {
  const kind = random();
  if (kind < 0.6) {
    const row = pick(0, 70);
    return { zone: row, offset: '', zoneText: String(row) };
  }
  if (kind < 0.8) return { zone: 'lmt', offset: '', zoneText: 'LMT' };
  const seconds = pick(-15 * 3600, 15 * 3600);
  const a = Math.abs(seconds);
  const offset = `${seconds < 0 ? '-' : '+'}${two(Math.floor(a / 3600))}:${two(Math.floor(a / 60) % 60)}${a % 60 ? ':' + two(a % 60) : ''}`;
  return { zone: 'offset', offset, zoneText: offset };
}
