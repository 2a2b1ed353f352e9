// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFileDialog>
#include <QList>
#include <QString>

namespace tzolkara {

// The program's open and save dialogs. A cancelled dialog gives an empty
// path. Tests queue the next path (or a cancel) and read what was asked; the
// first setNextFileName() or reset() starts that record, which the program
// alone never keeps.
class FileDialog final
{
public:
    struct Request
    {
        QString title;
        QString filter;        // e.g. "Mayan Astrology Files (*.man)"
        QString defaultSuffix; // without the dot
        QString initialName;
        QFileDialog::Options options;
    };

    static QString getOpenFileName(QWidget *parent, const Request &request);
    static QString getSaveFileName(QWidget *parent, const Request &request);

    // For tests: the next dialog is not shown; it returns `path`
    // (an empty path is a cancel).
    static void setNextFileName(const QString &path);
    static const Request &lastRequest();
    // How many dialogs were asked for since the last reset.
    static int requestCount();
    // Forgets the queue and the record, and keeps recording from now on.
    static void reset();
};

} // namespace tzolkara
