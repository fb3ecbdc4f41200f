// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Everything the page keeps in this browser, by name: one table, so that the first script, the main
// script and the births store never disagree on where a thing lives.

// The page's language once the reader has chosen one (localStorage).
export const kLanguageKey = 'quorvane.language';
// The births kept in this browser (IndexedDB).
export const kBirthsDatabase = 'quorvane-births';
