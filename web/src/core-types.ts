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
  normalizeLanguage(localeName: string): string;
  translatedLanguages(): string[];
  loadAtlas(index: Uint8Array, foldTable: Uint8Array, zoneFiles: Uint8Array): string;
  findPlaces(query: string, limit: number): PlaceSearch;
  suggestZone(zoneId: string, clock: { year: number; month: number; day: number; hour: number; minute: number }, placeName: string, longitudeEast: number, language: string): ZoneSuggestion;
}

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
  repeated: boolean;
  skipped: boolean;
  secondsEast: number; // the offset the suggestion calls for
  clockOffset: string;
}
