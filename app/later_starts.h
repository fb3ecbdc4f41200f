// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the running copy does when the program is started again: its window comes to the front, and
// a births file given to the later start is opened here.

namespace quorvane {

class SingleInstance;
class frmMain;

void ServeLaterStarts(SingleInstance& instance, frmMain& form);

}  // namespace quorvane
