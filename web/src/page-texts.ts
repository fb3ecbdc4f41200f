// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The few texts only the page has (where its births are kept, the two downloads, forgetting them), in every
// language of the desktop's catalogue, in the same words that catalogue uses ("Geburten", "записи").
// A text with a count has a form for each plural category of the language (Intl.PluralRules), %n the count.

type Forms = Partial<Record<Intl.LDMLPluralRule, string>>;
type Text = string | Forms;

export const keptLine = 'These births are kept only in this browser, on this device: nothing is sent anywhere. Save them as a file to keep them elsewhere.';
export const saveAaf = 'Save as AAF';
export const saveCsv = 'Save as CSV';
export const removeAllCommand = 'Remove them all\u2026';
export const removeAllAnswer = 'Remove them all';
export const hideList = 'Hide the births list';
export const cancel = 'Cancel';
export const dropHint = 'Drop AAF or CSV files here to import them.';
export const notKept = 'The births could not be kept in this browser: %1.';
export const replaced = 'The %n births kept in this browser are replaced by those of %1.';
export const removeAllQuestion = 'Remove all %n births kept in this browser? Undo cannot bring them back.';

const english: Record<string, Text> = {
  [replaced]: { one: 'The %n birth kept in this browser is replaced by those of %1.', other: replaced },
  [removeAllQuestion]: { one: 'Remove the %n birth kept in this browser? Undo cannot bring it back.', other: removeAllQuestion },
};

const translations: Record<string, Record<string, Text>> = {
  de: {
    [dropHint]: 'Ziehen Sie AAF- oder CSV-Dateien hierher, um sie zu importieren.',
    [cancel]: 'Abbrechen',
    [keptLine]: 'Diese Geburten werden nur in diesem Browser auf diesem Gerät aufbewahrt: Nichts wird irgendwohin gesendet. Speichern Sie sie als Datei, um sie anderswo aufzubewahren.',
    [saveAaf]: 'Als AAF speichern',
    [saveCsv]: 'Als CSV speichern',
    [removeAllCommand]: 'Alle entfernen\u2026',
    [removeAllAnswer]: 'Alle entfernen',
    [hideList]: 'Die Geburtenliste ausblenden',
    [notKept]: 'Die Geburten konnten in diesem Browser nicht aufbewahrt werden: %1.',
    [replaced]: {
      one: 'Die %n in diesem Browser aufbewahrte Geburt wird durch die aus %1 ersetzt.',
      other: 'Die %n in diesem Browser aufbewahrten Geburten werden durch die aus %1 ersetzt.',
    },
    [removeAllQuestion]: {
      one: 'Die %n in diesem Browser aufbewahrte Geburt entfernen? Rückgängig kann sie nicht zurückholen.',
      other: 'Alle %n in diesem Browser aufbewahrten Geburten entfernen? Rückgängig kann sie nicht zurückholen.',
    },
  },
  es: {
    [dropHint]: 'Suelte aquí archivos AAF o CSV para importarlos.',
    [cancel]: 'Cancelar',
    [keptLine]: 'Estos nacimientos se guardan solo en este navegador, en este dispositivo: no se envía nada a ningún sitio. Guárdelos como archivo para conservarlos en otro lugar.',
    [saveAaf]: 'Guardar como AAF',
    [saveCsv]: 'Guardar como CSV',
    [removeAllCommand]: 'Quitarlos todos\u2026',
    [removeAllAnswer]: 'Quitarlos todos',
    [hideList]: 'Ocultar la lista de nacimientos',
    [notKept]: 'Los nacimientos no se pudieron guardar en este navegador: %1.',
    [replaced]: {
      one: 'El %n nacimiento guardado en este navegador se sustituye por los de %1.',
      other: 'Los %n nacimientos guardados en este navegador se sustituyen por los de %1.',
    },
    [removeAllQuestion]: {
      one: '¿Quitar el %n nacimiento guardado en este navegador? Deshacer no podrá recuperarlo.',
      other: '¿Quitar los %n nacimientos guardados en este navegador? Deshacer no podrá recuperarlos.',
    },
  },
  fr: {
    [dropHint]: 'Déposez ici des fichiers AAF ou CSV pour les importer.',
    [cancel]: 'Annuler',
    [keptLine]: 'Ces naissances ne sont conservées que dans ce navigateur, sur cet appareil : rien n’est envoyé nulle part. Enregistrez-les dans un fichier pour les garder ailleurs.',
    [saveAaf]: 'Enregistrer en AAF',
    [saveCsv]: 'Enregistrer en CSV',
    [removeAllCommand]: 'Tout retirer\u2026',
    [removeAllAnswer]: 'Tout retirer',
    [hideList]: 'Masquer la liste des naissances',
    [notKept]: 'Les naissances n’ont pas pu être conservées dans ce navigateur : %1.',
    [replaced]: {
      one: 'La %n naissance conservée dans ce navigateur est remplacée par celles de %1.',
      other: 'Les %n naissances conservées dans ce navigateur sont remplacées par celles de %1.',
    },
    [removeAllQuestion]: {
      one: 'Retirer la %n naissance conservée dans ce navigateur ? Annuler ne pourra pas la rétablir.',
      other: 'Retirer les %n naissances conservées dans ce navigateur ? Annuler ne pourra pas les rétablir.',
    },
  },
  it: {
    [dropHint]: 'Trascina qui file AAF o CSV per importarli.',
    [cancel]: 'Annulla',
    [keptLine]: 'Queste nascite sono conservate solo in questo browser, su questo dispositivo: nulla viene inviato altrove. Salvale in un file per conservarle altrove.',
    [saveAaf]: 'Salva come AAF',
    [saveCsv]: 'Salva come CSV',
    [removeAllCommand]: 'Rimuovile tutte\u2026',
    [removeAllAnswer]: 'Rimuovile tutte',
    [hideList]: 'Nascondi l’elenco delle nascite',
    [notKept]: 'Le nascite non si sono potute conservare in questo browser: %1.',
    [replaced]: {
      one: 'La %n nascita conservata in questo browser è sostituita da quelle di %1.',
      other: 'Le %n nascite conservate in questo browser sono sostituite da quelle di %1.',
    },
    [removeAllQuestion]: {
      one: 'Rimuovere la %n nascita conservata in questo browser? Annulla non potrà recuperarla.',
      other: 'Rimuovere tutte le %n nascite conservate in questo browser? Annulla non potrà recuperarle.',
    },
  },
  pt_BR: {
    [dropHint]: 'Solte aqui arquivos AAF ou CSV para importá-los.',
    [cancel]: 'Cancelar',
    [keptLine]: 'Estes nascimentos ficam guardados apenas neste navegador, neste dispositivo: nada é enviado a lugar nenhum. Salve-os como arquivo para guardá-los em outro lugar.',
    [saveAaf]: 'Salvar como AAF',
    [saveCsv]: 'Salvar como CSV',
    [removeAllCommand]: 'Remover todos\u2026',
    [removeAllAnswer]: 'Remover todos',
    [hideList]: 'Ocultar a lista de nascimentos',
    [notKept]: 'Os nascimentos não puderam ser guardados neste navegador: %1.',
    [replaced]: {
      one: 'O %n nascimento guardado neste navegador é substituído pelos de %1.',
      other: 'Os %n nascimentos guardados neste navegador são substituídos pelos de %1.',
    },
    [removeAllQuestion]: {
      one: 'Remover o %n nascimento guardado neste navegador? Desfazer não poderá recuperá-lo.',
      other: 'Remover todos os %n nascimentos guardados neste navegador? Desfazer não poderá recuperá-los.',
    },
  },
  ru: {
    [dropHint]: 'Перетащите сюда файлы AAF или CSV, чтобы импортировать их.',
    [cancel]: 'Отмена',
    [keptLine]: 'Эти записи хранятся только в этом браузере, на этом устройстве: никуда ничего не отправляется. Сохраните их в файл, чтобы хранить в другом месте.',
    [saveAaf]: 'Сохранить как AAF',
    [saveCsv]: 'Сохранить как CSV',
    [removeAllCommand]: 'Удалить все\u2026',
    [removeAllAnswer]: 'Удалить все',
    [hideList]: 'Скрыть список записей',
    [notKept]: 'Не удалось сохранить записи в этом браузере: %1.',
    [replaced]: {
      one: '%n запись, хранящаяся в этом браузере, заменяется записями из %1.',
      few: '%n записи, хранящиеся в этом браузере, заменяются записями из %1.',
      many: '%n записей, хранящихся в этом браузере, заменяются записями из %1.',
      other: '%n записи, хранящиеся в этом браузере, заменяются записями из %1.',
    },
    [removeAllQuestion]: {
      one: 'Удалить %n запись, хранящуюся в этом браузере? Отменить это будет нельзя.',
      few: 'Удалить все %n записи, хранящиеся в этом браузере? Отменить это будет нельзя.',
      many: 'Удалить все %n записей, хранящихся в этом браузере? Отменить это будет нельзя.',
      other: 'Удалить все %n записи, хранящиеся в этом браузере? Отменить это будет нельзя.',
    },
  },
};

// The languages with a translation of the page's own texts.
export const pageTextLanguages = Object.keys(translations);

// `source` in `language`, English where the language has none; with `n`, the form for that count.
export function pageText(language: string, source: string, n?: number): string {
  const text = translations[language]?.[source] ?? english[source] ?? source;
  if (typeof text === 'string') return text;
  const category = new Intl.PluralRules(language.replace('_', '-')).select(n ?? 0);
  return (text[category] ?? text.other ?? source).replace('%n', String(n ?? 0));
}
