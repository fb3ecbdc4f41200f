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
