// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The place finder on the offline atlas and the zone suggestion under the zone list. The atlas, the fold
// of names beyond ASCII and the tz files of its zones are fetched when the finder is first opened.
import type { Place, QuorvaneCore, ZoneSuggestion } from './core-types';
import { tr } from './texts';

const finderContext = 'quorvane::PlaceFinderDialog';
const lineContext = 'quorvane::ZoneSuggestionLine';
const wheelContext = 'quorvane::WheelWindow';
const shownMatches = 50;
export const atlasFiles = ['atlas/atlas-index.bin', 'atlas/fold-table.bin', 'atlas/zones.bin'];

let atlasLoad: Promise<string> | undefined;

// The atlas's problem, or '' once it can be searched.
export function loadAtlas(core: QuorvaneCore): Promise<string> {
  atlasLoad ??= Promise.all(atlasFiles.map(async (file) => {
    const response = await fetch(new URL(file, document.baseURI));
    if (!response.ok) throw new Error(`${file}: ${response.status}`);
    return new Uint8Array(await response.arrayBuffer());
  })).then(([index, fold, zones]) => core.loadAtlas(index, fold, zones),
    (error: unknown) => {
      atlasLoad = undefined;  // tried again at the next opening
      return `the atlas cannot be fetched (${String(error)})`;
    });
  return atlasLoad;
}

const $ = <T extends HTMLElement>(id: string) => document.getElementById(id) as T;

export interface Clock { year: number; month: number; day: number; hour: number; minute: number }
export interface CurrentZone { row: number; daylightSaving: boolean; offsetText: string; localMeanTime: boolean }

// The query the desktop's finder opens with: the non-empty fields joined by ", ".
export function queryOf(city: string, state: string, country: string): string {
  return [city, state, country].map((p) => p.trim()).filter((p) => p !== '').join(', ');
}

// Opens the finder on `query`; resolves to the place chosen, 'web' when a web search is asked for, or
// undefined.
export async function findPlace(core: QuorvaneCore, language: string, query: string): Promise<Place | 'web' | undefined> {
  const dialog = $<HTMLDialogElement>('finder');
  const input = $<HTMLInputElement>('finder-query');
  const list = $<HTMLUListElement>('finder-results');
  const status = $('finder-status');
  const use = $<HTMLButtonElement>('finder-use');
  $('finder-title').textContent = tr(language, finderContext, 'Find Latitude & Longitude');
  $('finder-prompt').textContent = tr(language, finderContext, '&Place (City, State, Country):').replace('&', '');
  list.setAttribute('aria-label', tr(language, finderContext, 'Places found'));
  status.setAttribute('aria-label', tr(language, finderContext, 'Search status'));
  use.textContent = tr(language, finderContext, 'Use');
  $('finder-web').textContent = tr(language, finderContext, 'Search the web');
  // The desktop's Cancel is the toolkit's own text, which the desktop's catalogues lack; the wheel's Close is ours.
  $('finder-cancel').textContent = tr(language, wheelContext, '&Close').replace('&', '');
  $('finder-source').textContent = tr(language, finderContext, 'Places: GeoNames (CC BY 4.0)');
  input.value = query;
  list.replaceChildren();
  status.textContent = '';
  dialog.showModal();
  input.focus();

  const problem = await loadAtlas(core);
  let shown: Place[] = [];
  let current = -1;
  const select = (i: number) => {
    current = i;
    list.querySelectorAll('[role=option]').forEach((option, at) => option.setAttribute('aria-selected', String(at === i)));
    if (i >= 0) {
      input.setAttribute('aria-activedescendant', `place-${i}`);
      list.children[i]?.scrollIntoView({ block: 'nearest' });
    } else input.removeAttribute('aria-activedescendant');
    use.disabled = i < 0;
  };
  const search = () => {
    const found = problem ? { matches: [], nameOnly: false, name: '' } : core.findPlaces(input.value, shownMatches);
    shown = found.matches;
    list.replaceChildren(...shown.map((p, i) => {
      const option = document.createElement('li');
      option.id = `place-${i}`;
      option.setAttribute('role', 'option');
      const city = p.matched === p.city ? p.city : `${p.matched} \u2192 ${p.city}`;
      const dm = (c: Place['lat']) => `${c.degrees}\u00B0${String(c.minutes).padStart(2, '0')}'${c.hemisphere}`;
      option.textContent = [city, p.state, p.country, dm(p.lat), dm(p.lon), p.timeZone].filter((t) => t !== '').join(', ');
      option.addEventListener('click', () => { select(i); dialog.close('use'); });
      return option;
    }));
    input.setAttribute('aria-expanded', String(shown.length > 0));
    let note = '';
    if (found.nameOnly)
      note = tr(language, finderContext, 'No place matches "%1" exactly; places named "%2":').replace('%1', input.value.trim()).replace('%2', found.name);
    else if (shown.length === 0 && problem)
      note = tr(language, finderContext, 'The atlas cannot be searched: %1. Press "Search the web" to look the place up online.').replace('%1', problem);
    else if (shown.length === 0 && input.value.trim() !== '')
      note = tr(language, finderContext, 'No place in the atlas matches "%1". Press "Search the web" to look it up online.').replace('%1', input.value.trim());
    status.textContent = note;
    select(shown.length > 0 ? 0 : -1);
  };
  const keys = (event: KeyboardEvent) => {
    if (event.key === 'ArrowDown' || event.key === 'ArrowUp') {
      event.preventDefault();
      if (shown.length) select(Math.max(0, Math.min(shown.length - 1, current + (event.key === 'ArrowDown' ? 1 : -1))));
    } else if (event.key === 'Enter') {
      event.preventDefault();
      // Enter does what can be done: use the highlighted place, or search the web when there is none.
      dialog.close(current >= 0 ? 'use' : 'web');
    }
  };
  input.addEventListener('input', search);
  input.addEventListener('keydown', keys);
  search();
  dialog.dataset.ready = 'true';
  return new Promise((resolve) => {
    dialog.addEventListener('close', () => {
      input.removeEventListener('input', search);
      input.removeEventListener('keydown', keys);
      delete dialog.dataset.ready;
      if (dialog.returnValue === 'web') resolve('web');
      else resolve(dialog.returnValue === 'use' && current >= 0 ? shown[current] : undefined);
    }, { once: true });
  });
}

// The suggestion line: what the place's clock showed at the birth, and Apply when the form differs; for a
// clock time that came twice, the question, and either pass may be taken whatever the form holds.
export function suggestionLine(core: QuorvaneCore, language: string, place: Place, clock: Clock, current: CurrentZone,
    pass: 'first' | 'second' = 'first'): { text: string; suggestion: ZoneSuggestion; differs: boolean } {
  const s = core.suggestZone(place.timeZone, clock, place.city, place.longitude, language, pass);
  let text = s.question || s.description;
  if (s.known && s.exact) {
    text += ` \u2192 ${core.text(language, `zone.${s.row}`)}`;
    // The catalogue keeps its texts without their leading blank.
    if (s.daylightSaving) text += ' ' + tr(language, lineContext, 'with Daylight Saving Time');
  } else if (s.known && s.exactOffset) {
    text += ' \u2192 ' + (s.localMeanTime ? tr(language, lineContext, 'Local mean time of the birthplace')
      : tr(language, lineContext, 'Other offset %1').replace('%1', s.clockOffset));
  }
  const differs = s.exactOffset
    ? current.row >= 0 || current.daylightSaving || current.localMeanTime !== s.localMeanTime ||
      (!s.localMeanTime && current.offsetText !== s.clockOffset)
    : s.row !== current.row || s.daylightSaving !== current.daylightSaving;
  return { text, suggestion: s, differs: s.known && (differs || s.repeated) };
}
