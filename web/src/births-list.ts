// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the births list shows of the book's records, and its filter. The records themselves are read,
// written and edited by the core (web/binding/quorvane_web.cpp); this is only how they are listed.
import type { BookRow } from './core-types';

const two = (n: number) => String(n).padStart(2, '0');

// "Pune, India": the place and its country, as the desktop's list has them.
export function placeText(row: BookRow): string {
  const place = row.place ?? '';
  const country = row.country ?? '';
  return place && country ? `${place}, ${country}` : place + country;
}

// The birth's date and clock time: 1985-06-15 14:30 in English, the language's short date with the
// whole year otherwise (births span two centuries).
export function dateText(row: BookRow, language: string, timeUnknown: (date: string) => string): string {
  const y = row.year ?? 0, m = row.month ?? 1, d = row.day ?? 1;
  let date: string;
  if (language === 'en') {
    date = `${y}-${two(m)}-${two(d)}`;
  } else {
    const when = new Date(Date.UTC(2000, m - 1, d));
    when.setUTCFullYear(y);
    date = new Intl.DateTimeFormat(language.replace('_', '-'), { year: 'numeric', month: '2-digit', day: '2-digit', timeZone: 'UTC' }).format(when);
  }
  if (row.timeUnknown) return timeUnknown(date);
  return `${date} ${two(row.hour ?? 0)}:${two(row.minute ?? 0)}`;
}

// A text the filter can look in: the name and the place, case folded, with a line break between them so
// that a match cannot span the two.
export function filterKey(row: BookRow): string {
  return `${row.name ?? ''}\n${placeText(row)}`.toLowerCase();
}

// The readable records that match the filter's text (trimmed, in any case), in the book's order.
export function shownRows(rows: BookRow[], filter: string): BookRow[] {
  const wanted = filter.trim().toLowerCase();
  return rows.filter((row) => row.error === undefined && (wanted === '' || filterKey(row).includes(wanted)));
}

// The records that could not be read: "Line 6 (Ada Okafor): the date ..." with their line and reason.
export function unreadableText(row: BookRow, line: (n: number) => string, lineNamed: (n: number, name: string) => string): string {
  const where = row.recordName ? lineNamed(row.line, row.recordName) : line(row.line);
  return `${where}: ${row.error}`;
}

// The name a download takes: the book's own name with the format's ending.
export function downloadName(bookName: string, format: 'aaf' | 'csv'): string {
  const base = bookName.replace(/\.(aaf|csv)$/i, '') || 'Births';
  return `${base}.${format}`;
}
