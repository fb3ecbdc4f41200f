// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Counts every heap allocation the process makes, for the checks that a reading allocates nothing.
// Linking allocation_counter.cpp replaces the global operator new and delete.

namespace quorvane {

long long HeapAllocationCount();

}  // namespace quorvane
