// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Emscripten's module names Node's "fs" and "path" on a path that runs only under Node; in the page they
// are this empty module.
export default {};
