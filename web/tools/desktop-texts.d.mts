// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
export function controlTexts(uiXml: string): Record<string, string>;
export function translations(tsXml: string): Record<string, Record<string, string>>;
