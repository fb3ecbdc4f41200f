// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Takes the single-instance lock in the folder given as argument, says so, and waits to be killed.
#include <QCoreApplication>
#include <cstdio>

#include "app/single_instance.h"

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc < 2) return 2;
    quorvane::SingleInstance instance(QString::fromLocal8Bit(argv[1]));
    if (!instance.TryBecomePrimary()) return 1;
    std::puts("locked");
    std::fflush(stdout);
    return QCoreApplication::exec();
}
