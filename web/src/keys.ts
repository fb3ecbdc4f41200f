// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Typing into the name and coordinate fields goes through the core's key filters, one character at a
// time as the desktop's fields see them. A paste or a drop counts as Ctrl+V, which the filters refuse.
import type { CoreMessage, KeyVerdict } from './core-types';

export const kPasteKey = 22;
export const kEnterKey = 13;

export interface Filtered {
  text: string; // what the field takes
  message?: CoreMessage; // the first refusal, shown once
}

export function filterTyped(typed: string, filter: (code: number, character: string) => KeyVerdict): Filtered {
  let text = '';
  for (const character of typed) {
    // A character beyond the 16-bit codes the filters read is no letter or digit of theirs.
    const code = character.length === 1 ? character.charCodeAt(0) : 0xffff;
    const verdict = filter(code, character);
    if (verdict.message) return { text, message: verdict.message };
    if (verdict.code !== 0) text += String.fromCharCode(verdict.code);
  }
  return { text };
}

// The browser's word on a character beyond A-Z in the page's language: a letter, and its capital. Under
// English only A-Z are letters; a letter whose capital is two letters (ß) stays as typed.
export function letterOf(character: string, language: string): { isLetter: boolean; capital: number } {
  if (language === 'en' || character.length !== 1 || !/^\p{L}$/u.test(character)) return { isLetter: false, capital: 0 };
  const upper = character.toLocaleUpperCase(language.replace('_', '-'));
  return { isLetter: true, capital: (upper.length === 1 ? upper : character).charCodeAt(0) };
}
