// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

// save_loop PATH: saves the two readings of SaveLoopReadings.h to PATH in
// turn, the second first, until it is killed; tst_savekilled kills it.

#include "SaveLoopReadings.h"

#include <QString>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 2)
        return 2;
    const QString path = QString::fromLocal8Bit(argv[1]);
    const auto readings = saveLoopReadings();
    std::puts("saving");
    std::fflush(stdout);
    for (unsigned long i = 1;; ++i) {
        QString error;
        if (!tzolkara::ReadingFile::write(path, readings[i % 2], &error)) {
            std::fprintf(stderr, "save_loop: %s\n", qPrintable(error));
            return 1;
        }
    }
}
