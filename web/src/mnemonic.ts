// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// "E&xit" -> "Exit", "Latitude && Longitude" -> "Latitude & Longitude", as a button shows its caption.
export function withoutMnemonic(text: string): string {
  return text.replace(/&(&?)/g, (_, second: string) => second);
}
