// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The browser edition's page: the birth-data form and the reading, over the WebAssembly core.
import './style.css';
import { emptyForm, fromFragment, toFragment } from './birth';
import { startBirths, type BirthsView } from './births-view';
import { loadCore } from './core';
import type { ChangingFrame, CoreMessage, FormValues, FrameReading, Place, QuorvaneCore, Reading, TimeUnknownReading } from './core-types';
import { findPlace, queryOf, suggestionLine } from './finder';
import { filterTyped, kEnterKey, kPasteKey, letterOf } from './keys';
import { kLanguageKey } from './storage-keys';
import { drawWheel } from './wheel';
import { loadTranslation, pageLanguages, productTitle, tr, uiText, webPageUrl, withoutMnemonic } from './texts';

const pictures = import.meta.glob('../../resources/signs/*.svg', { query: '?url', import: 'default', eager: true }) as Record<string, string>;
const pictureOf = (key: string) => pictures[`../../resources/signs/${key}.svg`] ?? pictures['../../resources/signs/placeholder.svg'];

const $ = <T extends HTMLElement>(id: string) => document.getElementById(id) as T;
const formContext = 'quorvane::frmMain';
const offsetContext = 'quorvane::ZoneOffsetEntry';
const displayContext = 'quorvane::frmDisplay';
const aboutContext = 'quorvane::frmAbout';
// The zone list's two rows after the 71: the birthplace's local mean time, then a typed offset.
const localMeanTimeValue = 'lmt';
const otherOffsetValue = 'offset';

let core: QuorvaneCore;
let language = 'en';
let births: BirthsView | undefined;

function chooseLanguage(): string {
  const kept = storedLanguage();
  if (kept) return kept;
  for (const wanted of navigator.languages ?? [navigator.language]) {
    const code = core.normalizeLanguage(wanted.replace('-', '_'));
    if (pageLanguages.includes(code)) return code;
    const base = code.split('_')[0];
    if (pageLanguages.includes(base)) return base;
  }
  return 'en';
}

// ---- Languages: the page's language from the list on the page, kept in this browser; the browser's
// languages until one is chosen.
const languageList = $<HTMLSelectElement>('language');

function storedLanguage(): string | undefined {
  try {
    const kept = localStorage.getItem(kLanguageKey);
    return kept && pageLanguages.includes(kept) ? kept : undefined;
  } catch {
    return undefined;  // storage switched off: the browser's languages decide
  }
}

// A language by its own name ("Deutsch", "Русский"), as a reader of it looks for it.
function languageName(code: string): string {
  const tag = code.replace('_', '-');
  const name = new Intl.DisplayNames([tag], { type: 'language' }).of(tag) ?? code;
  return name.charAt(0).toLocaleUpperCase(tag) + name.slice(1);
}

function fillLanguageList() {
  languageList.replaceChildren(...pageLanguages.map((code) => {
    const option = new Option(languageName(code), code);
    option.lang = code.replace('_', '-');
    return option;
  }));
  languageList.value = language;
  $('language-label').textContent = core.text(language, 'label.Language');
}

// Every text of the page again in `code`, the entries and the reading on the screen kept.
async function switchLanguage(code: string) {
  const values = collect();
  language = code;
  try {
    localStorage.setItem(kLanguageKey, code);
  } catch {
    // Without storage the choice lasts while the page is open.
  }
  await loadTranslation(code);
  fillTexts();
  for (const [list, value] of [[field.month, values.month], [field.day, values.day], [field.year, values.year],
    [field.hour, values.hour], [field.minute, values.minute], [field.second, values.second]] as const)
    list.value = String(value);
  fillLanguageList();
  births?.showTexts();
  followZone();
  refreshSuggestion();
  if (!readingView.hidden) await read(true, false);
}

// ---- Messages: a modal dialog with OK, as the desktop's message boxes.
const dialog = $<HTMLDialogElement>('message');
function showMessage(message: CoreMessage | string, icon: CoreMessage['icon'] = 'error'): Promise<void> {
  const m = typeof message === 'string' ? { text: message, icon } : message;
  $('message-title').textContent = productTitle;
  $('message-text').textContent = m.text;
  dialog.dataset.icon = m.icon;
  dialog.querySelector('.message-icon')!.textContent = m.icon === 'error' ? '\u2716' : '\u2139';
  dialog.showModal();
  return new Promise((resolve) => dialog.addEventListener('close', () => resolve(), { once: true }));
}

// ---- The form.
const field = {
  name: $<HTMLInputElement>('txtName'),
  month: $<HTMLSelectElement>('cboMonth'),
  day: $<HTMLSelectElement>('cboDate'),
  year: $<HTMLSelectElement>('cboYear'),
  hour: $<HTMLSelectElement>('cboHH'),
  minute: $<HTMLSelectElement>('cboMM'),
  second: $<HTMLSelectElement>('cboSS'),
  dst: $<HTMLInputElement>('chkDST'),
  zone: $<HTMLSelectElement>('cmbTimeZone'),
  offset: $<HTMLInputElement>('txtZoneOffset'),
  latitudeDegrees: $<HTMLInputElement>('txtLatD'),
  latitudeMinutes: $<HTMLInputElement>('txtLatM'),
  north: $<HTMLInputElement>('optLat_0'),
  south: $<HTMLInputElement>('optLat_1'),
  longitudeDegrees: $<HTMLInputElement>('txtLonD'),
  longitudeMinutes: $<HTMLInputElement>('txtLonM'),
  east: $<HTMLInputElement>('optLong_0'),
  west: $<HTMLInputElement>('optLong_1'),
  city: $<HTMLInputElement>('txtMCity'),
  state: $<HTMLInputElement>('txtMState'),
  country: $<HTMLInputElement>('txtMCountry'),
};
let typedOffset = '';
// A births record on the form: its clock's seconds and whether it gives a time at all count while the
// date and clock lists still show what the record gave.
let record: { shown: string; second: number; timeUnknown: boolean } | undefined;
const clockShown = () => [field.year, field.month, field.day, field.hour, field.minute, field.second].map((l) => l.value).join(' ');

function fillList(list: HTMLSelectElement, items: Array<[string, string]>) {
  list.replaceChildren(...items.map(([value, text]) => new Option(text, value)));
}
const numbers = (from: number, to: number): Array<[string, string]> =>
  Array.from({ length: to - from + 1 }, (_, i) => [String(from + i), String(from + i)]);

function monthName(month: number): string {
  if (language === 'en') return core.text('en', `month.${month}`);
  // The name on its own, as a list shows it ("Juni", "июнь"), with a capital first letter.
  const name = new Intl.DateTimeFormat(language.replace('_', '-'), { month: 'long', timeZone: 'UTC' }).format(
    new Date(Date.UTC(2000, month - 1, 1)));
  return name.charAt(0).toLocaleUpperCase(language.replace('_', '-')) + name.slice(1);
}

function fillTexts() {
  document.documentElement.lang = language.replace('_', '-');
  document.title = productTitle;
  for (const element of document.querySelectorAll<HTMLElement>('[data-ui]')) element.textContent = uiText(language, element.dataset.ui!);
  for (const element of document.querySelectorAll<HTMLElement>('[data-a11y]')) {
    const context = element.dataset.a11yContext ?? formContext;
    element.setAttribute('aria-label', tr(language, context, element.dataset.a11y!));
    if (element.dataset.a11yDescription) element.title = tr(language, formContext, element.dataset.a11yDescription);
  }
  for (const link of document.querySelectorAll<HTMLAnchorElement>('a[data-page]')) link.href = webPageUrl(link.dataset.page!);
  document.querySelector('[data-name="Banner"]')?.setAttribute('aria-label', tr(language, formContext, 'Banner'));
  document.querySelector('[data-name="Links"]')?.setAttribute('aria-label', tr(language, formContext, 'Links'));
  $('reading-heading').textContent = productTitle;
  $('about-title').textContent = productTitle;
  $('zone-apply').textContent = tr(language, 'quorvane::ZoneSuggestionLine', 'Apply');
  $('zone-apply-second').textContent = tr(language, 'quorvane::ZoneSuggestionLine', 'Second');
  $('lblTimeUnknown').textContent = tr(language, formContext, 'Time unknown');
  $('cmdCopy').textContent = withoutMnemonic(tr(language, displayContext, '&Copy Reading'));
  $('cmdCopy').setAttribute('aria-keyshortcuts', 'Control+Shift+C');
  $('cmdWheel').textContent = withoutMnemonic(tr(language, displayContext, '&Wheel\u2026'));
  $('cmdWheel').title = tr(language, displayContext, 'Show the galactic wheel of this reading');
  // The site's address reads better than the page script's.
  $('lblHomePage').textContent = tr(language, aboutContext, 'Click here to visit %1').replace('%1', new URL(webPageUrl('home-page')).origin);
  $('lblCoBrand').setAttribute('aria-label', tr(language, aboutContext, 'More details about the fully branded edition'));
  document.querySelector('#about img')!.setAttribute('alt', tr(language, aboutContext, 'Product icon'));

  const zone = field.zone.value;
  fillList(field.month, Array.from({ length: 12 }, (_, i) => [String(i + 1), monthName(i + 1)]));
  fillList(field.day, numbers(1, 31));
  fillList(field.year, numbers(core.firstYear, core.lastYear));
  fillList(field.hour, numbers(0, 23));
  fillList(field.minute, numbers(0, 59));
  fillList(field.second, numbers(0, 59));
  const window = windowShown();
  for (const list of [windowList.fromHour, windowList.toHour]) fillList(list, numbers(0, 23));
  for (const list of [windowList.fromMinute, windowList.toMinute]) fillList(list, numbers(0, 59));
  showWindow(Number.isNaN(window.from) ? 0 : window.from, Number.isNaN(window.to) ? 1439 : window.to);
  $('lblTimeFrom').textContent = tr(language, formContext, 'between');
  $('lblTimeTo').textContent = tr(language, formContext, 'and');
  fillList(field.zone, [
    ...Array.from({ length: core.zoneCount }, (_, row): [string, string] => [String(row), core.text(language, `zone.${row}`)]),
    [localMeanTimeValue, tr(language, offsetContext, 'Local mean time of the birthplace')],
    [otherOffsetValue, tr(language, offsetContext, 'Other offset (\u00B1hh:mm[:ss])\u2026')],
  ]);
  field.zone.value = zone || String(core.defaultZone);
}

function collect(): FormValues {
  const zone = field.zone.value;
  const fromRecord = record && record.shown === clockShown() ? record : undefined;
  return {
    recordSecond: fromRecord?.second ?? 0,
    timeUnknown: fromRecord?.timeUnknown ?? false,
    name: field.name.value,
    month: Number(field.month.value), day: Number(field.day.value), year: Number(field.year.value),
    hour: Number(field.hour.value), minute: Number(field.minute.value), second: Number(field.second.value),
    zone: zone === localMeanTimeValue || zone === otherOffsetValue ? zone : field.zone.selectedIndex < 0 ? -1 : Number(zone),
    offset: typedOffset,
    daylightSaving: field.dst.checked,
    latitudeDegrees: field.latitudeDegrees.value, latitudeMinutes: field.latitudeMinutes.value, south: field.south.checked,
    longitudeDegrees: field.longitudeDegrees.value, longitudeMinutes: field.longitudeMinutes.value, east: field.east.checked,
    city: field.city.value, state: field.state.value, country: field.country.value,
    ...(timeUnknownBox.checked ? { timeUnknown: true, windowFrom: windowShown().from, windowTo: windowShown().to } : {}),
  };
}

function fill(form: FormValues) {
  record = undefined;
  showZoneRefusal('');
  field.name.value = form.name;
  field.month.value = String(form.month);
  field.day.value = String(form.day);
  field.year.value = String(form.year);
  field.hour.value = String(form.hour);
  field.minute.value = String(form.minute);
  field.second.value = String(form.second);
  typedOffset = form.offset;
  field.zone.value = String(form.zone);
  field.dst.checked = form.daylightSaving;
  field.latitudeDegrees.value = form.latitudeDegrees;
  field.latitudeMinutes.value = form.latitudeMinutes;
  (form.south ? field.south : field.north).checked = true;
  field.longitudeDegrees.value = form.longitudeDegrees;
  field.longitudeMinutes.value = form.longitudeMinutes;
  (form.east ? field.east : field.west).checked = true;
  field.city.value = form.city;
  field.state.value = form.state;
  field.country.value = form.country;
  timeUnknownBox.checked = form.timeUnknown === true;
  showWindow(form.windowFrom ?? 0, form.windowTo ?? 1439);
  followTimeUnknown();
  followZone();
  // A suggestion belonged to the place found before.
  chosenPlace = undefined;
  $('zone-suggestion').hidden = true;
}

// Why a births record's zone must be chosen, on the zone list until a row is.
function showZoneRefusal(refusal: string) {
  field.zone.title = refusal;
  if (refusal) field.zone.setAttribute('aria-description', refusal);
  else field.zone.removeAttribute('aria-description');
}

// A birth of the births book on the form.
function showBirth(form: FormValues, zoneRefusal: string) {
  fill(form);
  record = { shown: clockShown(), second: form.recordSecond ?? 0, timeUnknown: form.timeUnknown ?? false };
  showZoneRefusal(zoneRefusal);
  field.name.focus();
}

// The offset field beside the zone list: the local mean time of the longitude below (read only), or the
// typed offset.
function followZone() {
  const zone = field.zone.value;
  const mean = zone === localMeanTimeValue, other = zone === otherOffsetValue;
  field.offset.hidden = !(mean || other);
  field.offset.readOnly = mean;
  if (mean) {
    field.offset.value = core.localMeanTime(collect());
    field.offset.setAttribute('aria-description', tr(language, offsetContext, 'The local mean time of the longitude entered below: four minutes of clock per degree'));
  } else if (other) {
    field.offset.value = typedOffset;
    field.offset.setAttribute('aria-description', tr(language, offsetContext, 'East of Greenwich +, west \u2212: hours, minutes and seconds, for example +05:45 or -00:25:21'));
  }
}
const unreadableOffset = () => tr(language, offsetContext, 'Please enter the offset from Universal Time as +hh:mm or +hh:mm:ss east of Greenwich, -hh:mm or -hh:mm:ss west of it, up to 15 hours');

// The core's key filters on every character typed, pasted or dropped into the name and coordinate fields.
function guardTyping(input: HTMLInputElement, filter: (code: number, character: string) => ReturnType<QuorvaneCore['filterNameKey']>) {
  input.addEventListener('beforeinput', (event) => {
    if (!event.inputType.startsWith('insert')) return;  // deleting is Backspace, which every filter lets through
    const pasted = event.inputType === 'insertFromPaste' || event.inputType === 'insertFromDrop';
    const result = pasted ? filterTyped(String.fromCharCode(kPasteKey), filter) : filterTyped(event.data ?? '', filter);
    if (result.message) {
      event.preventDefault();
      void showMessage(result.message).then(() => input.focus());
      return;
    }
    if (result.text !== (event.data ?? '')) {
      event.preventDefault();
      if (result.text) input.setRangeText(result.text, input.selectionStart ?? input.value.length, input.selectionEnd ?? input.value.length, 'end');
      input.dispatchEvent(new Event('input', { bubbles: true }));
    }
  });
  // Enter is a key the filters see (and the coordinate filter refuses); it never sends the form.
  input.addEventListener('keydown', (event) => {
    if (event.key !== 'Enter') return;
    event.preventDefault();
    const verdict = filter(kEnterKey, '\r');
    if (verdict.message) void showMessage(verdict.message).then(() => input.focus());
  });
}

// ---- The reading.
const formView = $('form-view');
const readingView = $('reading-view');
const frameLayout = [
  { frame: 'Frame3', prefix: 'Sun', signRow: 'hdrSunSign' },
  { frame: 'Frame4', prefix: 'Ascendant', signRow: 'hdrAscendantSign' },
  { frame: 'Frame6', prefix: 'Moon', signRow: 'hdrMoonSign' },
  { frame: 'Frame7', prefix: 'Descendant', signRow: 'hdrDescendantSign' },
];

// One frame of the reading, in its place in the desktop's grid (Sun, Ascendant, Moon, Descendant): its
// caption, sign, values, picture and characteristics; or, for a frame whose sign depends on the birth
// time, that sentence and the signs it may have with their clock times.
function frameSection(i: number, f: FrameReading | undefined, changing?: { dependsText: string; frame: ChangingFrame }): HTMLElement {
  const layout = frameLayout[i];
  const caption = uiText(language, `frmDisplay.${layout.frame}`);
  const section = document.createElement('section');
  section.className = 'sign-frame';
  section.id = `frame-${layout.prefix}`;
  section.tabIndex = -1;
  section.setAttribute('aria-labelledby', `${section.id}-caption`);
  const heading = document.createElement('h2');
  heading.id = `${section.id}-caption`;
  heading.className = 'frame-caption';
  heading.textContent = caption;
  const rows = document.createElement('dl');
  rows.className = 'sign-rows';
  const row = (title: string, value: string, className: string) => {
    const dt = document.createElement('dt');
    dt.textContent = title;
    const dd = document.createElement('dd');
    dd.textContent = value;
    dd.className = className;
    rows.append(dt, dd);
  };
  row(uiText(language, `frmDisplay.${layout.signRow}`), changing ? changing.dependsText : f!.sign, changing ? 'sign-name depends' : 'sign-name');
  row(uiText(language, `frmDisplay.hdr${layout.prefix}RulingPlanet`), f?.rulingPlanet ?? '', 'value');
  row(uiText(language, `frmDisplay.hdr${layout.prefix}Constellation`), f?.constellation ?? '', 'value');
  row(uiText(language, `frmDisplay.hdr${layout.prefix}Keywords`), f?.keywords ?? '', 'value');
  const characteristics = document.createElement('h3');
  characteristics.className = 'characteristics';
  characteristics.id = `${section.id}-characteristics`;
  characteristics.textContent = uiText(language, `frmDisplay.hdr${layout.prefix}Characteristics`);
  const boxName = tr(language, displayContext, '%1 characteristics').replace('%1', caption);
  if (changing) {
    section.append(heading, rows, characteristics, ...changingFrameParts(changing.frame, boxName));
    return section;
  }
  const picture = document.createElement('img');
  picture.className = 'sign-picture';
  picture.src = pictureOf(f!.picture);
  picture.alt = '';
  picture.width = 22;
  picture.height = 26;
  const description = document.createElement('textarea');
  description.className = 'description';
  description.readOnly = true;
  description.rows = 5;
  description.value = f!.description;
  description.setAttribute('aria-label', boxName);
  // Paper has no scroll bar: printed, the characteristics are written out whole.
  const printed = document.createElement('p');
  printed.className = 'description-print';
  printed.textContent = f!.description;
  section.append(heading, picture, rows, characteristics, description, printed);
  return section;
}

// The form while a reading is shown is set aside rather than hidden: out of sight, of the Tab order and of
// a screen reader alike, but kept laid out, so that Back shows it again in well under a frame instead of
// styling its some 600 list entries anew (style.css).
function setFormAside(aside: boolean) {
  formView.classList.toggle('set-aside', aside);
}

function showFrames(frames: HTMLElement[], focus: boolean) {
  $('frames').replaceChildren(...frames);
  $('copy-status').textContent = '';
  setFormAside(true);
  readingView.hidden = false;
  document.body.classList.add('reading');
  if (focus) frames[0].focus();
}

// The wheel and its button are set before the frames take the focus, so that the page is laid out once.
function showReading(reading: Reading, focus = true) {
  showWheel(reading);
  $<HTMLButtonElement>('cmdWheel').disabled = false;
  showFrames(reading.frames.map((f, i) => frameSection(i, f)), focus);
}

// The reading whose wheel is drawn when the wheel is next opened: most readings never open it, and its
// dozen pictures and hundreds of shapes would be made for nothing on every click.
let wheelToDraw: Reading | null = null;

function showWheel(reading: Reading) {
  if ($('wheel').hidden) {
    wheelToDraw = reading;
    $('wheel').replaceChildren();
  } else {
    drawReadingWheel(reading);
  }
}

// The wheel below the frames, opened by its button: the four points and the degrees the frames read,
// numbered in frame order (Ascendant, Descendant, Moon Sign, Sun Sign) as the legend beside it says.
function drawReadingWheel(reading: Reading) {
  wheelToDraw = null;
  const frameKeys = ['Frame4', 'Frame7', 'Frame6', 'Frame3'];
  const bySign = new Map(reading.frames.map((f, i) => [frameLayout[i].frame, f.sign]));
  const svg = drawWheel(reading.wheel, pictureOf, (name) => name, (name) => tr(language, 'Report', name));
  svg.setAttribute('aria-labelledby', 'wheel-legend');
  const legend = document.createElement('ol');
  legend.id = 'wheel-legend';
  legend.className = 'wheel-legend';
  reading.wheel.reads.forEach((r, i) => {
    const item = document.createElement('li');
    item.textContent = `${uiText(language, `frmDisplay.${frameKeys[i]}`)}: ${r.degree}°, ${bySign.get(frameKeys[i])}`;
    legend.append(item);
  });
  $('wheel').replaceChildren(svg, legend);
}

function back() {
  readingView.hidden = true;
  $('wheel').hidden = true;
  $('cmdWheel').setAttribute('aria-expanded', 'false');
  setFormAside(false);
  document.body.classList.remove('reading');
  $('frames').replaceChildren();
  addressToWrite = null;
  if (location.hash) history.replaceState(null, '', location.pathname + location.search);
  $('cmdRashi').focus();
}

// The address (a bookmark of the reading) is written once the reading is on screen: a history entry costs
// the browser a few milliseconds that the reading's first frame need not wait for. Only the last of several
// readings in one frame is written, and Back drops one not yet written.
let addressToWrite: string | null = null;
function writeAddressAfterPaint(fragment: string) {
  const scheduled = addressToWrite !== null;
  addressToWrite = fragment;
  if (scheduled) return;
  requestAnimationFrame(() => setTimeout(() => {
    const address = addressToWrite;
    addressToWrite = null;
    if (address !== null && location.hash !== address) history.pushState(null, '', address);
  }, 0));
}

async function read(fromAddress = false, focus = true): Promise<boolean> {
  const values = collect();
  if (values.timeUnknown && values.windowFrom! > values.windowTo! && core.read(values, language).ok) {
    await showMessage(tr(language, formContext, 'Please Choose an Earliest Birth Time ("%1") No Later Than the Latest ("%2")')
      .replace('%1', tr(language, formContext, 'between')).replace('%2', tr(language, formContext, 'and')), 'information');
    windowList.fromHour.focus();
    return false;
  }
  const outcome = values.timeUnknown ? core.readTimeUnknown(values, language) : core.read(values, language);
  if (!outcome.ok) {
    if (outcome.offsetUnreadable) {
      await showMessage(unreadableOffset());
      field.offset.focus();
    } else if (outcome.message) {
      await showMessage(outcome.message);
      const focus = outcome.focus ? (field as Record<string, HTMLElement>)[outcome.focus] : undefined;
      focus?.focus();
    }
    return false;
  }
  if (!fromAddress) writeAddressAfterPaint(toFragment(values));
  if ('window' in outcome) showTimeUnknownReading(outcome.window, focus);
  else showReading(outcome.reading, focus);
  return true;
}

async function finder() {
  const required: Array<[HTMLInputElement, string]> = [
    [field.city, 'Please Enter City'], [field.state, 'Please Enter State'], [field.country, 'Please Enter Country']];
  for (const [input, message] of required) {
    if (input.value === '') {
      await showMessage(tr(language, formContext, message), 'information');
      input.focus();
      return;
    }
  }
  const place = await findPlace(core, language, queryOf(field.city.value, field.state.value, field.country.value));
  $('cmdBrowser').focus();
  if (place === 'web') {
    window.open(core.webSearchUrl(field.city.value, field.state.value, field.country.value), '_blank', 'noopener');
    return;
  }
  if (!place) return;
  field.latitudeDegrees.value = String(place.lat.degrees);
  field.latitudeMinutes.value = String(place.lat.minutes);
  (place.lat.hemisphere === 'S' ? field.south : field.north).checked = true;
  field.longitudeDegrees.value = String(place.lon.degrees);
  field.longitudeMinutes.value = String(place.lon.minutes);
  (place.lon.hemisphere === 'W' ? field.west : field.east).checked = true;
  // The place's zone is only suggested: the list and the box change when the user applies it.
  chosenPlace = place;
  followZone();
  refreshSuggestion();
}

// ---- The zone suggestion for the place found, at the birth date and time in the form.
// With the time unknown the window is read, and its zone is the one of its first minute, as the command
// line takes it.
function suggestionClock(form: FormValues) {
  const unknown = form.timeUnknown === true;
  return { year: form.year, month: form.month, day: form.day,
    hour: unknown ? Math.floor((form.windowFrom ?? 0) / 60) : form.hour,
    minute: unknown ? (form.windowFrom ?? 0) % 60 : form.minute };
}
let chosenPlace: Place | undefined;
// The pass of a clock time that came twice the line reads; another clock time is asked about afresh.
let suggestionPass: 'first' | 'second' = 'first';
let passClock = '';
function refreshSuggestion() {
  const line = $('zone-suggestion');
  const valid = (y: number, m: number, d: number) => new Date(Date.UTC(y, m - 1, d)).getUTCDate() === d;
  const form = collect();
  if (!chosenPlace || !valid(form.year, form.month, form.day)) {
    line.hidden = true;
    return;
  }
  const zone = field.zone.value;
  const clock = suggestionClock(form);
  if (JSON.stringify(clock) !== passClock) suggestionPass = 'first';
  passClock = JSON.stringify(clock);
  const { text, differs, suggestion } = suggestionLine(core, language, chosenPlace, clock,
    { row: /^\d+$/.test(zone) ? Number(zone) : -1, daylightSaving: field.dst.checked,
      offsetText: zone === otherOffsetValue ? typedOffset : '', localMeanTime: zone === localMeanTimeValue },
    suggestionPass);
  const textElement = $('zone-suggestion-text');
  if (textElement.textContent !== text) textElement.textContent = text;
  const apply = $<HTMLButtonElement>('zone-apply'), second = $<HTMLButtonElement>('zone-apply-second');
  apply.textContent = tr(language, 'quorvane::ZoneSuggestionLine', suggestion.repeated ? 'First' : 'Apply');
  apply.disabled = !differs;
  apply.setAttribute('aria-description', text);
  second.hidden = !suggestion.repeated;
  second.disabled = !suggestion.known;
  line.hidden = false;
}

function applySuggestion(pass: 'first' | 'second') {
  if (!chosenPlace) return;
  const form = collect();
  suggestionPass = pass;
  const { suggestion: s } = suggestionLine(core, language, chosenPlace,
    suggestionClock(form),
    { row: -1, daylightSaving: false, offsetText: '', localMeanTime: false }, pass);
  if (!s.known) return;
  if (s.exactOffset) {
    if (!s.localMeanTime) typedOffset = s.clockOffset;
    field.zone.value = s.localMeanTime ? localMeanTimeValue : otherOffsetValue;
    field.dst.checked = false;
  } else {
    field.zone.value = String(s.row);
    field.dst.checked = s.daylightSaving;
  }
  followZone();
  refreshSuggestion();
}

function openFromAddress() {
  const form = fromFragment(location.hash, core.zoneCount, core.firstYear, core.lastYear);
  if (!form) {
    if (!readingView.hidden) back();
    return;
  }
  fill(form);
  void read(true);
}

// ---- A birth time not known: "Time unknown" after every written control in Tab order, the hour, minute
// and second lists switched off while it is ticked, and the reading of every clock minute of the date.
const timeUnknownBox = $<HTMLInputElement>('chkTimeUnknown');
// "between" hour, minute "and" hour, minute: usable only while the box is ticked.
const windowList = {
  fromHour: $<HTMLSelectElement>('cboTimeFromHH'), fromMinute: $<HTMLSelectElement>('cboTimeFromMM'),
  toHour: $<HTMLSelectElement>('cboTimeToHH'), toMinute: $<HTMLSelectElement>('cboTimeToMM'),
};
const windowShown = () => ({
  from: Number(windowList.fromHour.value) * 60 + Number(windowList.fromMinute.value),
  to: Number(windowList.toHour.value) * 60 + Number(windowList.toMinute.value),
});
function showWindow(from: number, to: number) {
  windowList.fromHour.value = String(Math.floor(from / 60));
  windowList.fromMinute.value = String(from % 60);
  windowList.toHour.value = String(Math.floor(to / 60));
  windowList.toMinute.value = String(to % 60);
}

function followTimeUnknown() {
  for (const list of [field.hour, field.minute, field.second]) list.disabled = timeUnknownBox.checked;
  for (const list of Object.values(windowList)) list.disabled = !timeUnknownBox.checked;
  refreshSuggestion();
}

// Where a changing frame's characteristics would be: its signs with their clock times, then each sign it
// may have with its keywords and characteristics, a click or a key away (written out whole on paper).
function changingFrameParts(frame: ChangingFrame, boxName: string): HTMLElement[] {
  const spans = document.createElement('ol');
  spans.className = 'spans';
  spans.setAttribute('aria-label', boxName);
  spans.append(...frame.spans.map((span) => {
    const item = document.createElement('li');
    item.textContent = span.text;
    return item;
  }));
  const signs = frame.possible.map((sign) => {
    const details = document.createElement('details');
    details.className = 'possible';
    const summary = document.createElement('summary');
    summary.textContent = `${sign.sign} (${sign.keywords})`;
    const text = document.createElement('p');
    text.textContent = sign.description;
    details.append(summary, text);
    return details;
  });
  const printed = frame.possible.map((sign) => {
    const text = document.createElement('p');
    text.className = 'description-print';
    text.textContent = `${sign.sign} (${sign.keywords}): ${sign.description.trim()}`;
    return text;
  });
  return [spans, ...signs, ...printed];
}

function showTimeUnknownReading(window: TimeUnknownReading, focus = true) {
  // No one wheel holds over a whole day.
  wheelToDraw = null;
  $('wheel').replaceChildren();
  $('wheel').hidden = true;
  $('cmdWheel').setAttribute('aria-expanded', 'false');
  $<HTMLButtonElement>('cmdWheel').disabled = true;
  showFrames(window.frames.map((f, i) =>
    f.depends ? frameSection(i, undefined, { dependsText: window.dependsText, frame: f }) : frameSection(i, f as FrameReading)), focus);
}

// ---- Copy Reading: the reading as plain text and as HTML on the clipboard, written by the core as the
// desktop's Copy writes it (with the birthplace when it came from the finder and the coordinates are its).
function placeOnForm(values: FormValues): Place | null {
  if (!chosenPlace) return null;
  const same = (d: { degrees: number; minutes: number }, degrees: string, minutes: string) =>
    String(d.degrees) === degrees && String(d.minutes) === minutes;
  const p = chosenPlace;
  return same(p.lat, values.latitudeDegrees, values.latitudeMinutes) && (p.lat.hemisphere === 'S') === values.south &&
    same(p.lon, values.longitudeDegrees, values.longitudeMinutes) && (p.lon.hemisphere === 'E') === values.east ? p : null;
}

async function copyReading() {
  const values = collect();
  const outcome = core.readingText(values, language, values.timeUnknown === true, placeOnForm(values));
  if (!outcome.ok) return;
  try {
    await navigator.clipboard.write([new ClipboardItem({
      'text/plain': new Blob([outcome.text], { type: 'text/plain' }),
      'text/html': new Blob([outcome.html], { type: 'text/html' }),
    })]);
  } catch {
    await showMessage(core.text(language, 'message.CopyFailed'));
    $('cmdCopy').focus();
  }
}

function setUpTimeUnknownAndCopy() {
  timeUnknownBox.addEventListener('change', followTimeUnknown);
  for (const list of [windowList.fromHour, windowList.fromMinute]) list.addEventListener('change', refreshSuggestion);
  $('cmdCopy').addEventListener('click', () => void copyReading());
  // Ctrl+Shift+C, the desktop's keys, while the reading is shown.
  document.addEventListener('keydown', (event) => {
    if (readingView.hidden || !event.ctrlKey || !event.shiftKey || event.altKey || event.key.toLowerCase() !== 'c') return;
    event.preventDefault();
    void copyReading();
  });
}

// ---- Before the core has loaded. The build writes the form into the HTML as the core fills it in English,
// so the form is painted, filled and takes typing and choices at once (src/early.ts holds a button pressed
// meanwhile); the buttons are pressed again once the core is there, and what was typed goes through the
// core's key filters then.
const prerendered = field.zone.options.length > 0;
const firstScript = window.quorvaneEarly;

function formUsable() {
  performance.mark('quorvane-form-ready');
}

async function start() {
  core = await loadCore();
  firstScript?.fillLists();
  // A language picked from the list before the core was there.
  const pickedEarly = prerendered && languageList.value !== 'en' ? languageList.value : undefined;
  language = chooseLanguage();
  await loadTranslation(language);
  // What the reader typed and chose before the core was there stays on the form.
  const early = prerendered ? collect() : undefined;
  fillTexts();
  fillLanguageList();
  languageList.addEventListener('change', () => void switchLanguage(languageList.value));
  setUpTimeUnknownAndCopy();
  fill(early ?? { ...emptyForm, zone: core.defaultZone });
  const nameFilter = (code: number, character: string) => {
    const letter = letterOf(character, language);
    return core.filterNameKey(code, letter.isLetter, letter.capital, language);
  };
  const coordinateFilter = (code: number) => core.filterCoordinateKey(code, language);
  guardTyping(field.name, nameFilter);
  for (const input of [field.latitudeDegrees, field.latitudeMinutes, field.longitudeDegrees, field.longitudeMinutes])
    guardTyping(input, coordinateFilter);
  // Typed before the filters were there: what they would have let through, as if typed now.
  if (early) {
    field.name.value = filterTyped(field.name.value, nameFilter).text;
    for (const input of [field.latitudeDegrees, field.latitudeMinutes, field.longitudeDegrees, field.longitudeMinutes])
      input.value = filterTyped(input.value, coordinateFilter).text;
  }
  field.zone.addEventListener('change', followZone);
  field.zone.addEventListener('change', () => showZoneRefusal(''));
  for (const input of [field.longitudeDegrees, field.longitudeMinutes]) input.addEventListener('input', followZone);
  for (const input of [field.east, field.west]) input.addEventListener('change', followZone);
  field.offset.addEventListener('input', () => {
    if (field.zone.value === otherOffsetValue) typedOffset = field.offset.value;
  });
  $('birth-form').addEventListener('submit', (event) => {
    event.preventDefault();
    void read();
  });
  $('cmdBrowser').addEventListener('click', () => void finder());
  $('zone-apply').addEventListener('click', () => applySuggestion('first'));
  $('zone-apply-second').addEventListener('click', () => applySuggestion('second'));
  for (const input of [field.month, field.day, field.year, field.hour, field.minute, field.zone, field.dst])
    input.addEventListener('change', refreshSuggestion);
  field.offset.addEventListener('input', refreshSuggestion);
  $('cmdOK').addEventListener('click', back);
  $('cmdWheel').addEventListener('click', () => {
    const wheel = $('wheel');
    if (wheel.hidden && wheelToDraw) drawReadingWheel(wheelToDraw);
    wheel.hidden = !wheel.hidden;
    $('cmdWheel').setAttribute('aria-expanded', String(!wheel.hidden));
    if (!wheel.hidden) wheel.scrollIntoView({ block: 'nearest' });
  });
  for (const command of document.querySelectorAll<HTMLButtonElement>('.about-command')) {
    command.addEventListener('click', () => {
      command.closest('details')?.removeAttribute('open');
      const about = $<HTMLDialogElement>('about');
      about.showModal();
      // The box opens on OK, so that Enter closes it.
      about.querySelector<HTMLButtonElement>('button')!.focus();
      about.addEventListener('close', () => command.closest('details')?.querySelector('summary')?.focus(), { once: true });
    });
  }
  window.addEventListener('popstate', openFromAddress);
  births = startBirths({
    core, language: () => language, showMessage, collect, showBirth,
    focusField: (name) => (field as Record<string, HTMLElement>)[name]?.focus(),
  });
  const pressedEarly = firstScript?.release() ?? [];
  document.documentElement.classList.remove('language-pending');
  document.body.classList.add('ready');
  if (!performance.getEntriesByName('quorvane-form-ready').length) formUsable();
  performance.mark('quorvane-core-ready');
  // Kept for offline use from the second visit on; registered once the form is usable.
  if ('serviceWorker' in navigator && import.meta.env.PROD)
    setTimeout(() => void navigator.serviceWorker.register('./sw.js', { scope: './' }), 1000);
  if (location.hash) openFromAddress();
  else if (!early || document.activeElement === document.body) field.name.focus();
  if (pickedEarly && pickedEarly !== language) await switchLanguage(pickedEarly);
  for (const button of pressedEarly) button.click();
}

void start();
