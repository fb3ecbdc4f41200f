// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures are compiled in by Qt's resource compiler; this library only carries them.
