// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The output module itself: the calls of svg_pictures_qtsvg.cpp and preview_print.cpp, handed out by address.
#include "output/output_module.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT const quorvane::OutputModule* quorvane_output_module() {
    static const quorvane::OutputModule module{quorvane::OutputModule::kVersion, &quorvane::svg::Load,
                                               &quorvane::svg::Write, &quorvane::PrintWithPreview};
    return &module;
}
