// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The WebAssembly core's calls (web/binding/quorvane_web.cpp), as the page sees them.

export type Zone = number | 'lmt' | 'offset';

export interface FormValues {
  name: string;
  month: number; // 1..12
  day: number; // 1..31
  year: number;
  hour: number;
  minute: number;
  second: number; // the form's list; it does not enter the reading
  recordSecond?: number; // a births record's clock seconds, which do
  zone: Zone; // a row 0..70, the birthplace's local mean time, or the typed offset
  offset: string;
  daylightSaving: boolean;
  latitudeDegrees: string;
  latitudeMinutes: string;
  south: boolean;
  longitudeDegrees: string;
  longitudeMinutes: string;
  east: boolean;
  city: string;
  state: string;
  country: string;
  timeUnknown?: boolean; // the birth time is not known: every clock minute of the date is read, and a births record keeps it so
  // With timeUnknown: the first and last clock minutes read (minutes after midnight), the whole day when absent.
  windowFrom?: number;
  windowTo?: number;
}

export interface CoreMessage {
  text: string;
  icon: 'error' | 'information';
}

export interface FrameReading {
  caption: string;
  picture: string;
  sign: string;
  rulingPlanet: string;
  constellation: string;
  keywords: string;
  description: string;
}

export interface CivilTime {
  year: number;
  month: number;
  day: number;
  hour: number;
  minute: number;
  second: number;
}

export interface Wheel {
  sectors: Array<{ sign: string; picture: string; start: number; end: number; startAngle: number; middleAngle: number }>;
  points: Array<{ name: string; longitude: number; text: string; angle: number; labelAngle: number }>;
  reads: Array<{ frame: string; degree: number; source: string; angle: number; labelAngle: number }>;
  degreeAngles: number[];
}

export interface Reading {
  frames: FrameReading[]; // Sun, Ascendant, Moon, Descendant: the desktop's grid, row by row
  universalTime: CivilTime;
  utcOffset: string;
  sunDegree: number;
  moonDegree: number;
  ascendantDegree: number;
  sunLongitude: number;
  moonLongitude: number;
  ascendantLongitude: number;
  moonPhase: string;
  zoneRow: number;
  localMeanTime: boolean;
  wheel: Wheel;
}

export type ReadOutcome =
  | { ok: true; reading: Reading }
  | { ok: false; message?: CoreMessage; focus?: string; offsetUnreadable?: boolean };

// ---- A birth time not known: every clock minute of the birth date read.
export interface ChangingFrame extends Partial<FrameReading> {
  caption: string;
  depends: boolean; // its sign changes within the day: no sign is shown as the reading
  spans: Array<{ text: string; from: string; to: string }>; // "Explore 06:00–07:01", in order
  possible: FrameReading[]; // each sign it may have, once
}

export interface TimeUnknownReading {
  from: string; // the window read, "HH:MM"
  to: string;
  dependsText: string; // "depends on the birth time"
  frames: ChangingFrame[]; // Sun, Ascendant, Moon, Descendant, as a reading's
  // As quorvane-cli --time unknown --json gives them: a frame's sign over the whole day, else null, and the runs.
  ascendant: string | null;
  descendant: string | null;
  moonSign: string | null;
  sunSign: string | null;
  changes: Array<{ from: string; ascendant: string | null; descendant: string | null; moonSign: string | null; sunSign: string | null }>;
}

export type TimeUnknownOutcome =
  | { ok: true; window: TimeUnknownReading }
  | { ok: false; message?: CoreMessage; focus?: string; offsetUnreadable?: boolean };

// The reading as Copy Reading puts it on the clipboard.
export type ReadingTextOutcome =
  | { ok: true; text: string; html: string }
  | { ok: false; message?: CoreMessage; focus?: string; offsetUnreadable?: boolean };

export interface KeyVerdict {
  code: number; // 0 drops the key
  message?: CoreMessage;
}

export interface QuorvaneCore {
  zoneCount: number;
  defaultZone: number;
  firstYear: number;
  lastYear: number;
  read(form: FormValues, language: string): ReadOutcome;
  filterNameKey(code: number, isLetter: boolean, capital: number, language: string): KeyVerdict;
  filterCoordinateKey(code: number, language: string): KeyVerdict;
  localMeanTime(form: FormValues): string;
  offsetReadable(text: string): boolean;
  text(language: string, key: string): string;
  // The web search the place finder offers for the form's place, as the desktop opens it.
  webSearchUrl(city: string, state: string, country: string): string;
  normalizeLanguage(localeName: string): string;
  translatedLanguages(): string[];
  loadAtlas(index: Uint8Array, foldTable: Uint8Array, zoneFiles: Uint8Array): string;
  findPlaces(query: string, limit: number): PlaceSearch;
  readTimeUnknown(form: FormValues, language: string): TimeUnknownOutcome;
  readingText(form: FormValues, language: string, timeUnknown: boolean,
    place: Pick<Place, 'city' | 'state' | 'country' | 'timeZone' | 'longitude'> | null): ReadingTextOutcome;
  // `pass`: which pass of a clock time that came twice, as clocks went back, the suggestion takes.
  suggestZone(zoneId: string, clock: { year: number; month: number; day: number; hour: number; minute: number }, placeName: string, longitudeEast: number, language: string, pass: 'first' | 'second'): ZoneSuggestion;
  // The births book the page keeps (one at a time).
  bookInfo(): BookInfo;
  // True when the atlas is not loaded and a record of the file gives no clock, which its place may answer.
  birthsNeedAtlas(bytes: Uint8Array, fileName: string): boolean;
  openBirths(bytes: Uint8Array, fileName: string, add: boolean, language: string): OpenedBirths;
  bookRows(language: string): BookRow[];
  chooseBirth(index: number): FormValues | null;
  saveBirth(form: FormValues, language: string): SavedBirth;
  removeBirth(index: number): void;
  undoBirths(): boolean;
  bookBytes(format: 'aaf' | 'csv'): { bytes: Uint8Array; leftOut: number };
  bookState(): string; // the whole book as one JSON text, kept in the browser between visits
  restoreBook(state: string): boolean; // false for a text that is no kept book

  clearBook(): void;
}

export interface BookInfo {
  name: string; // the file's name ("Births.aaf" for a book begun in the page)
  format: 'aaf' | 'csv';
  count: number; // records, unreadable ones included
  unreadable: number;
  canUndo: boolean;
  undoKind: string; // "Add", "Update", "Delete", "Import" or empty
  undoSubject: string;
}

export interface OpenedBirths {
  ok: boolean;
  refusal?: string; // why the file is no births file
  added?: number; // imported births
  unreadable?: number;
}

// One record of the book as the list shows it; an unreadable one has only index, line, error, recordName.
export interface BookRow {
  index: number;
  line: number;
  error?: string;
  recordName?: string;
  name?: string;
  year?: number;
  month?: number;
  day?: number;
  hour?: number;
  minute?: number;
  timeUnknown?: boolean;
  place?: string;
  country?: string;
  note?: string; // how its clock is read, or why it cannot be (English)
  notes?: string;
  exactOffset?: boolean; // read with its exact offset or local mean time: the note is its notes
  refusal?: 'lmt' | 'offset' | 'zone'; // why it asks for a zone row
  offset?: string; // the file's offset, for the refusal
}

export type SavedBirth =
  | { ok: true; saved: 'added' | 'updated' | 'unchanged'; index: number }
  | { ok: false; message?: CoreMessage; focus?: string; noZone?: boolean };


export interface DegreesMinutes {
  degrees: number;
  minutes: number;
  hemisphere: string;
}

// A town of the atlas, with the fields quorvane-cli --find --json gives.
export interface Place {
  matched: string;
  city: string;
  state: string;
  country: string;
  countryCode: string;
  latitude: number;
  longitude: number;
  lat: DegreesMinutes;
  lon: DegreesMinutes;
  timeZone: string;
  population: number;
  geonameId: number;
}

export interface PlaceSearch {
  matches: Place[];
  nameOnly: boolean; // the matches are for the name alone
  name: string;
}

export interface ZoneSuggestion {
  known: boolean;
  row: number;
  daylightSaving: boolean;
  exact: boolean;
  exactOffset: boolean;
  localMeanTime: boolean;
  offsetSeconds: number;
  daylightTime: boolean;
  abbreviation: string;
  offsetText: string;
  description: string;
  question: string; // what is asked of a clock time that came twice or never; '' for any other
  repeated: boolean;
  skipped: boolean;
  secondsEast: number; // the offset the suggestion calls for
  clockOffset: string;
}
