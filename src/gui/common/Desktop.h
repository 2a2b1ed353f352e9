// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

class QTextDocument;
class QUrl;
class QWidget;

namespace tzolkara {

// The caption of every message box and file dialog: the program's name.
QString applicationTitle();

// An open or save dialog as a screen asks for it. A cancelled dialog gives
// an empty path.
struct FileRequest
{
    QString title;
    QString filter;        // e.g. "Mayan Astrology Files (*.man)"
    QString defaultSuffix; // without the dot
    QString initialName;
};

enum class PrintResult { Printed, NoPrinter, Failed };

// Everything a screen asks of the desktop it runs on: message boxes, file
// dialogs, the printer, today's date, the random numbers of the tarot, web
// addresses and the clipboard. The application hands every screen the
// system's (src/gui/desktop/), the only code that makes those calls; a test
// hands it one that answers and records instead.
class Desktop
{
public:
    // Message boxes titled with the program's name, one OK button; an error
    // or an information icon. A carriage return separates lines.
    virtual void showError(QWidget *parent, const QString &text) = 0;
    virtual void showInformation(QWidget *parent, const QString &text) = 0;
    // Information icon, Yes and No; true for Yes.
    virtual bool askYesNo(QWidget *parent, const QString &text) = 0;

    virtual QString openFileName(QWidget *parent, const FileRequest &request) = 0;
    virtual QString saveFileName(QWidget *parent, const FileRequest &request) = 0;

    // The whole document on the default printer, without a dialog.
    virtual PrintResult print(const QTextDocument &document, const QString &jobName) = 0;

    // The desktop's clock: the day and time where the user is.
    virtual QDateTime now() const = 0;
    QDate today() const { return now().date(); }
    // 0 <= r < 1, from the one generator seeded once when the program starts.
    virtual double random() = 0;

    // Hands the address to the desktop's browser; whether one opens is not
    // reported (there is nothing the user could do about it here).
    virtual void openUrl(const QUrl &address) = 0;
    // Empties the clipboard and, where the desktop has one, the selection
    // that a middle click pastes.
    virtual void emptyClipboard() = 0;

protected:
    ~Desktop() = default;
};

} // namespace tzolkara
