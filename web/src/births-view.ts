// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The births book in the page: AAF and CSV files opened or imported (chooser or drop), the list with its
// filter, the form filled from a birth, the form's birth added or updated, deleting, Undo, and the book
// saved as a file. The core reads, edits and writes the book; the page keeps it in this browser.
import { dateText, downloadName, placeText, shownRows, unreadableText } from './births-list';
import { forgetBook, keepBook, loadBook } from './birth-store';
import type { BookRow, CoreMessage, FormValues, QuorvaneCore } from './core-types';
import { loadAtlas } from './finder';
import { cancel, dropHint, hideList, keptLine, notKept, pageText, removeAllAnswer, removeAllCommand, removeAllQuestion, replaced, saveAaf, saveCsv } from './page-texts';
import { productTitle, tr, trCount, withoutMnemonic } from './texts';

export interface BirthsPage {
  core: QuorvaneCore;
  language(): string;
  showMessage(message: CoreMessage | string, icon?: CoreMessage['icon']): Promise<void>;
  collect(): FormValues;
  // Puts a birth of the book on the form; `zoneRefusal` says why its zone must be chosen.
  showBirth(form: FormValues, zoneRefusal: string): void;
  focusField(name: string): void;
}

const bookContext = 'quorvane::BirthsBook';
const windowContext = 'quorvane::BirthsWindow';
const listContext = 'quorvane::BirthsListModel';
const $ = <T extends HTMLElement>(id: string) => document.getElementById(id) as T;

// The running births view: `ready` once the births kept from an earlier visit are listed; `showTexts`
// says every text of the view again in the page's language.
export interface BirthsView {
  ready: Promise<void>;
  showTexts(): void;
}

export function startBirths(page: BirthsPage): BirthsView {
  const { core } = page;
  const view = $('births-view');
  const list = $<HTMLSelectElement>('births-list');
  const filter = $<HTMLInputElement>('births-filter');
  const t = (context: string, source: string) => tr(page.language(), context, source);
  const own = (source: string, n?: number) => pageText(page.language(), source, n);
  let rows: BookRow[] = [];

  // The captions, names and the page's own lines; the list, count and notes come with refill.
  function showFixedTexts() {
    for (const element of view.ownerDocument.querySelectorAll<HTMLElement>('[data-tr]')) {
      const [context, source] = element.dataset.tr!.split('|');
      element.textContent = withoutMnemonic(t(context, source));
    }
    for (const element of view.querySelectorAll<HTMLInputElement>('[data-tr-placeholder]')) {
      const [context, source] = element.dataset.trPlaceholder!.split('|');
      element.placeholder = t(context, source);
    }
    list.setAttribute('aria-description', t(windowContext, 'Enter fills the birth-data form; Delete removes the birth'));
    $('births-count').setAttribute('aria-label', t(windowContext, 'Number of births'));
    $('birthsChoose').title = t(windowContext, 'Fill the birth-data form with the chosen birth');
    $('birthsDelete').title = t(windowContext, 'Delete the chosen birth');
    $('birthsUndo').title = t(windowContext, 'Undo the last change to the births');
    $('birthsClose').title = own(hideList);
    $('births-kept').textContent = own(keptLine);
    $('births-drop-hint').textContent = own(dropHint);
    $('birthsAaf').textContent = own(saveAaf);
    $('birthsCsv').textContent = own(saveCsv);
    $('birthsRemoveAll').textContent = own(removeAllCommand);
  }
  showFixedTexts();

  // After every change, once the list shows it; one after the other, each writing the book as it then is.
  let keeping = Promise.resolve();
  const keep = () => {
    keeping = keeping.then(() => keepBook(core.bookState())).catch((error: unknown) =>
      page.showMessage(own(notKept).replace('%1', String(error)), 'error'));
    return keeping;
  };

  function countText(shown: number, all: number): string {
    const language = page.language();
    const plural = shown === all ? trCount(language, windowContext, '%n birth(s)', all)
      : trCount(language, windowContext, '%1 of %n birth(s)', all)?.replace('%1', String(shown));
    if (plural) return plural;
    const births = all === 1 ? 'birth' : 'births';
    return shown === all ? `${all} ${births}` : `${shown} of ${all} ${births}`;
  }

  // The core says a birth's notes and reasons in the page's language.
  const noteOf = (row: BookRow) => row.note ?? '';
  const notesOf = (row: BookRow) => row.notes ?? '';

  function showNote() {
    const row = rows.find((r) => String(r.index) === list.value);
    const note = $('births-note');
    note.textContent = row ? noteOf(row) : '';
    note.hidden = !note.textContent;
  }

  // Fills the list again from the book, keeping the chosen birth (or the one at `select`).
  // The book's records as the core last gave them: taken again when the book changes, not as the filter
  // is typed in (a book of ten thousand births filters as quickly as one of ten).
  let all: BookRow[] = [];
  function refill(select?: number, bookChanged = true) {
    const info = core.bookInfo();
    if (bookChanged) all = core.bookRows(page.language());
    const chosen = select ?? (list.value === '' ? undefined : Number(list.value));
    const language = page.language();
    const unknownTime = (date: string) => t(listContext, '%1, time unknown').replace('%1', date);
    rows = shownRows(all, filter.value);
    list.replaceChildren(...rows.map((row) => {
      const option = new Option([row.name, dateText(row, language, unknownTime), placeText(row)].filter(Boolean).join(' \u2014 '), String(row.index));
      if (row.notes) option.title = notesOf(row);
      return option;
    }));
    if (rows.length > 0) {
      const keepChosen = rows.some((r) => r.index === chosen);
      list.value = String(keepChosen ? chosen : rows[0].index);
    }
    const readable = all.filter((r) => r.error === undefined).length;
    $('births-count').textContent = countText(rows.length, readable);
    $('births-title').textContent = t(windowContext, 'Births \u2013 %1[*]').replace('%1', info.name).replace('[*]', '');
    const unreadable = all.filter((r) => r.error !== undefined);
    const line = (n: number) => t(windowContext, 'Line %1').replace('%1', String(n));
    const lineNamed = (n: number, name: string) => t(windowContext, 'Line %1 (%2)').replace('%1', String(n)).replace('%2', name);
    $('births-unreadable').hidden = unreadable.length === 0;
    $('births-unreadable').querySelector('ul')!.replaceChildren(...unreadable.map((row) => {
      const item = document.createElement('li');
      item.textContent = unreadableText(row, line, lineNamed);
      return item;
    }));
    for (const id of ['birthsChoose', 'birthsDelete']) $<HTMLButtonElement>(id).disabled = rows.length === 0;
    const undo = $<HTMLButtonElement>('birthsUndo');
    undo.disabled = !info.canUndo;
    undo.setAttribute('aria-description', info.canUndo ? t(bookContext, `${info.undoKind} %1`).replace('%1', info.undoSubject || '') : '');
    for (const id of ['birthsAaf', 'birthsCsv', 'birthsRemoveAll']) $<HTMLButtonElement>(id).disabled = info.count === 0;
    showNote();
  }

  function showView() {
    view.hidden = false;
  }

  function ask(question: string, yes: string): Promise<boolean> {
    const dialog = $<HTMLDialogElement>('confirm');
    $('confirm-title').textContent = productTitle;
    $('confirm-text').textContent = question;
    $('confirm-yes').textContent = yes;
    $('confirm-no').textContent = own(cancel);
    dialog.returnValue = '';
    dialog.showModal();
    $('confirm-no').focus();
    return new Promise((resolve) => dialog.addEventListener('close', () => resolve(dialog.returnValue === 'yes'), { once: true }));
  }

  async function readFiles(files: FileList | File[], add: boolean) {
    for (const file of Array.from(files)) {
      const bytes = new Uint8Array(await file.arrayBuffer());
      if (!add && core.bookInfo().count > 0 &&
          !await ask(own(replaced, core.bookInfo().count).replace('%1', file.name), withoutMnemonic(t('quorvane::frmMain', 'Open Births\u2026')).replace('\u2026', ''))) return;
      // A record without its zone is read in local mean time where its place kept it, as on the desktop:
      // that needs the atlas, fetched here if the finder has not fetched it yet. Without it (offline
      // before the atlas was ever fetched) such a record asks for a row, as it says in its note.
      if (core.birthsNeedAtlas(bytes, file.name)) {
        document.body.setAttribute('aria-busy', 'true');
        await loadAtlas(core);
        document.body.removeAttribute('aria-busy');
      }
      const opened = core.openBirths(bytes, file.name, add, page.language());
      if (!opened.ok) {
        const refusal = t(bookContext, add ? '%1 could not be imported: %2.' : '%1 could not be opened: %2.');
        await page.showMessage(refusal.replace('%1', file.name).replace('%2', opened.refusal ?? ''), 'error');
        continue;
      }
      filter.value = '';
      showView();
      refill(add ? undefined : 0);
      void keep();
      if (add) {
        let text = t(bookContext, '%1 births imported from %2.').replace('%1', String(opened.added)).replace('%2', file.name);
        // The catalogue has this sentence without the blank that joins it to the one before.
        if (opened.unreadable) text += ' ' + t(bookContext, '%1 records could not be read and were not imported.').replace('%1', String(opened.unreadable));
        await page.showMessage(text, 'information');
      } else if (opened.unreadable) {
        await page.showMessage(t(bookContext, '%1 of the records in %2 could not be read. They are listed with their line and reason, and kept as they are when the file is saved.')
          .replace('%1', String(opened.unreadable)).replace('%2', file.name), 'information');
      }
    }
    list.focus();
  }

  function chooser(input: HTMLInputElement) {
    input.value = '';
    input.click();
  }

  function choose() {
    if (list.value === '') return;
    const form = core.chooseBirth(Number(list.value));
    if (!form) return;
    const row = rows.find((r) => String(r.index) === list.value);
    page.showBirth(form, row?.refusal ? noteOf(row) : '');
  }

  async function remove() {
    if (list.value === '') return;
    const position = list.selectedIndex;
    core.removeBirth(Number(list.value));
    refill();
    if (rows.length > 0) list.value = String(rows[Math.min(position, rows.length - 1)].index);
    showNote();
    void keep();
    list.focus();
  }

  async function undo() {
    if (!core.undoBirths()) return;
    refill();
    void keep();
  }

  async function saveToBirths() {
    const outcome = core.saveBirth(page.collect(), page.language());
    if (!outcome.ok) {
      if (outcome.noZone) {
        await page.showMessage(t(bookContext, 'Choose a time zone first.'), 'error');
        page.focusField('zone');
      } else if (outcome.message) {
        await page.showMessage(outcome.message);
        if (outcome.focus) page.focusField(outcome.focus);
      }
      return;
    }
    filter.value = '';
    showView();
    refill(outcome.index);
    void keep();
  }

  function download(format: 'aaf' | 'csv') {
    const { bytes, leftOut } = core.bookBytes(format);
    const name = downloadName(core.bookInfo().name, format);
    const link = document.createElement('a');
    link.href = URL.createObjectURL(new Blob([bytes as BlobPart], { type: format === 'csv' ? 'text/csv' : 'text/plain' }));
    link.download = name;
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(link.href), 10_000);
    if (leftOut > 0)
      void page.showMessage(t(bookContext, '%1 of the births give no zone or could not be read; CSV cannot hold them and they were left out of %2. Save as AAF to keep them.')
        .replace('%1', String(leftOut)).replace('%2', name), 'information');
  }

  async function removeAll() {
    const count = core.bookInfo().count;
    if (!await ask(own(removeAllQuestion, count), own(removeAllAnswer))) {
      $('birthsRemoveAll').focus();
      return;
    }
    core.clearBook();
    keeping = keeping.then(forgetBook);
    await keeping;
    refill();
    $('birthsOpen').focus();
  }

  const openInput = $<HTMLInputElement>('births-open-file');
  const importInput = $<HTMLInputElement>('births-import-file');
  openInput.addEventListener('change', () => { if (openInput.files) void readFiles(openInput.files, false); });
  importInput.addEventListener('change', () => { if (importInput.files) void readFiles(importInput.files, true); });
  const fromMenu = (command: () => void) => () => {
    const menu = $<HTMLDetailsElement>('file-menu');
    menu.open = false;
    command();
  };
  $('mnuOpenBirths').addEventListener('click', fromMenu(() => chooser(openInput)));
  $('mnuImport').addEventListener('click', fromMenu(() => chooser(importInput)));
  $('mnuSaveToBirths').addEventListener('click', fromMenu(() => void saveToBirths()));
  // The list again after Close, or for the first time to open a file from it.
  $('mnuBirths').addEventListener('click', fromMenu(() => {
    showView();
    (rows.length > 0 ? list : $('birthsOpen')).focus();
  }));
  $('birthsOpen').addEventListener('click', () => chooser(openInput));
  $('birthsImport').addEventListener('click', () => chooser(importInput));
  $('birthsSave').addEventListener('click', () => void saveToBirths());
  $('birthsChoose').addEventListener('click', choose);
  $('birthsDelete').addEventListener('click', () => void remove());
  $('birthsUndo').addEventListener('click', () => void undo());
  $('birthsClose').addEventListener('click', () => {
    view.hidden = true;
    $('file-menu').querySelector('summary')!.focus();
  });
  $('birthsAaf').addEventListener('click', () => download('aaf'));
  $('birthsCsv').addEventListener('click', () => download('csv'));
  $('birthsRemoveAll').addEventListener('click', () => void removeAll());

  filter.addEventListener('input', () => refill(undefined, false));
  filter.addEventListener('keydown', (event) => {
    if (event.key === 'ArrowDown' || event.key === 'PageDown') {
      event.preventDefault();
      if (rows.length > 0 && list.value === '') list.value = String(rows[0].index);
      list.focus();
    } else if (event.key === 'Enter') {
      event.preventDefault();
      choose();
    }
  });
  list.addEventListener('change', showNote);
  list.addEventListener('keydown', (event) => {
    if (event.key === 'Enter') {
      event.preventDefault();
      choose();
    } else if (event.key === 'Delete') {
      event.preventDefault();
      void remove();
    }
  });
  list.addEventListener('dblclick', choose);
  view.addEventListener('keydown', (event) => {
    if ((event.ctrlKey || event.metaKey) && event.key === 'z' && event.target !== filter) {
      event.preventDefault();
      void undo();
    } else if ((event.ctrlKey || event.metaKey) && event.key === 'f') {
      event.preventDefault();
      filter.focus();
      filter.select();
    }
  });
  const drop = $('births-drop');
  drop.addEventListener('dragover', (event) => {
    if (!event.dataTransfer?.types.includes('Files')) return;
    event.preventDefault();
    event.dataTransfer.dropEffect = 'copy';
    drop.classList.add('dropping');
  });
  drop.addEventListener('dragleave', () => drop.classList.remove('dropping'));
  drop.addEventListener('drop', (event) => {
    event.preventDefault();
    drop.classList.remove('dropping');
    if (event.dataTransfer?.files.length) void readFiles(event.dataTransfer.files, true);
  });

  // The births kept from an earlier visit.
  const ready = loadBook().then((state) => {
    if (state && core.restoreBook(state) && core.bookInfo().count > 0) showView();
    refill();
  }).catch(() => refill());
  return {
    ready,
    showTexts() {
      showFixedTexts();
      // The rows again from the core: their notes and reasons are in the language they were asked in.
      refill();
    },
  };
}
