// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The browser edition's page: the birth-data form and the reading, over the WebAssembly core.
import './style.css';
import { emptyForm, fromFragment, toFragment } from './birth';
import { startBirths } from './births-view';
import { loadCore } from './core';
import type { CoreMessage, FormValues, Place, QuorvaneCore, Reading } from './core-types';
import { findPlace, queryOf, suggestionLine } from './finder';
import { filterTyped, kEnterKey, kPasteKey, letterOf } from './keys';
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

function chooseLanguage(): string {
  for (const wanted of navigator.languages ?? [navigator.language]) {
    const code = core.normalizeLanguage(wanted.replace('-', '_'));
    if (pageLanguages.includes(code)) return code;
    const base = code.split('_')[0];
    if (pageLanguages.includes(base)) return base;
  }
  return 'en';
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

function showReading(reading: Reading) {
  const frames = reading.frames.map((f, i) => {
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
    row(uiText(language, `frmDisplay.${layout.signRow}`), f.sign, 'sign-name');
    row(uiText(language, `frmDisplay.hdr${layout.prefix}RulingPlanet`), f.rulingPlanet, 'value');
    row(uiText(language, `frmDisplay.hdr${layout.prefix}Constellation`), f.constellation, 'value');
    row(uiText(language, `frmDisplay.hdr${layout.prefix}Keywords`), f.keywords, 'value');
    const picture = document.createElement('img');
    picture.className = 'sign-picture';
    picture.src = pictureOf(f.picture);
    picture.alt = '';
    picture.width = 22;
    picture.height = 26;
    const characteristics = document.createElement('h3');
    characteristics.className = 'characteristics';
    characteristics.textContent = uiText(language, `frmDisplay.hdr${layout.prefix}Characteristics`);
    const description = document.createElement('textarea');
    description.className = 'description';
    description.readOnly = true;
    description.rows = 5;
    description.value = f.description;
    description.setAttribute('aria-label', tr(language, displayContext, '%1 characteristics').replace('%1', caption));
    // Paper has no scroll bar: printed, the characteristics are written out whole.
    const printed = document.createElement('p');
    printed.className = 'description-print';
    printed.textContent = f.description;
    section.append(heading, picture, rows, characteristics, description, printed);
    return section;
  });
  $('frames').replaceChildren(...frames);
  showWheel(reading);
  formView.hidden = true;
  readingView.hidden = false;
  document.body.classList.add('reading');
  frames[0].focus();
}

// The wheel below the frames, opened by its button: the four points and the degrees the frames read,
// numbered in frame order (Ascendant, Descendant, Moon Sign, Sun Sign) as the legend beside it says.
function showWheel(reading: Reading) {
  const frameKeys = ['Frame4', 'Frame7', 'Frame6', 'Frame3'];
  const bySign = new Map(reading.frames.map((f, i) => [frameLayout[i].frame, f.sign]));
  const svg = drawWheel(reading.wheel, pictureOf, (name) => name);
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
  formView.hidden = false;
  document.body.classList.remove('reading');
  $('frames').replaceChildren();
  if (location.hash) history.replaceState(null, '', location.pathname + location.search);
  $('cmdRashi').focus();
}

async function read(fromAddress = false): Promise<boolean> {
  const values = collect();
  const outcome = core.read(values, language);
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
  const fragment = toFragment(values);
  if (!fromAddress && location.hash !== fragment) history.pushState(null, '', fragment);
  showReading(outcome.reading);
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
let chosenPlace: Place | undefined;
function refreshSuggestion() {
  const line = $('zone-suggestion');
  const valid = (y: number, m: number, d: number) => new Date(Date.UTC(y, m - 1, d)).getUTCDate() === d;
  const form = collect();
  if (!chosenPlace || !valid(form.year, form.month, form.day)) {
    line.hidden = true;
    return;
  }
  const zone = field.zone.value;
  const { text, differs } = suggestionLine(core, language, chosenPlace,
    { year: form.year, month: form.month, day: form.day, hour: form.hour, minute: form.minute },
    { row: /^\d+$/.test(zone) ? Number(zone) : -1, daylightSaving: field.dst.checked,
      offsetText: zone === otherOffsetValue ? typedOffset : '', localMeanTime: zone === localMeanTimeValue });
  const textElement = $('zone-suggestion-text');
  if (textElement.textContent !== text) textElement.textContent = text;
  $<HTMLButtonElement>('zone-apply').disabled = !differs;
  $('zone-apply').setAttribute('aria-description', text);
  line.hidden = false;
}

function applySuggestion() {
  if (!chosenPlace) return;
  const form = collect();
  const { suggestion: s } = suggestionLine(core, language, chosenPlace,
    { year: form.year, month: form.month, day: form.day, hour: form.hour, minute: form.minute },
    { row: -1, daylightSaving: false, offsetText: '', localMeanTime: false });
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

async function start() {
  core = await loadCore();
  language = chooseLanguage();
  await loadTranslation(language);
  fillTexts();
  fill({ ...emptyForm, zone: core.defaultZone });
  guardTyping(field.name, (code, character) => {
    const letter = letterOf(character, language);
    return core.filterNameKey(code, letter.isLetter, letter.capital, language);
  });
  for (const input of [field.latitudeDegrees, field.latitudeMinutes, field.longitudeDegrees, field.longitudeMinutes])
    guardTyping(input, (code) => core.filterCoordinateKey(code, language));
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
  $('zone-apply').addEventListener('click', applySuggestion);
  for (const input of [field.month, field.day, field.year, field.hour, field.minute, field.zone, field.dst])
    input.addEventListener('change', refreshSuggestion);
  field.offset.addEventListener('input', refreshSuggestion);
  $('cmdOK').addEventListener('click', back);
  $('cmdWheel').addEventListener('click', () => {
    const wheel = $('wheel');
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
  void startBirths({
    core, language: () => language, showMessage, collect, showBirth,
    focusField: (name) => (field as Record<string, HTMLElement>)[name]?.focus(),
  });
  document.body.classList.add('ready');
  performance.mark('quorvane-form-ready');
  // Kept for offline use from the second visit on; registered once the form is usable.
  if ('serviceWorker' in navigator && import.meta.env.PROD)
    setTimeout(() => void navigator.serviceWorker.register('./sw.js', { scope: './' }), 1000);
  if (location.hash) openFromAddress();
  else field.name.focus();
}

void start();
