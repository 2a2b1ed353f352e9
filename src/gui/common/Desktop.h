// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gui/common/FileDialog.h"
#include "gui/common/Printing.h"

#include <QDate>
#include <QString>

class QTextDocument;
class QWidget;

namespace tzolkara {

// What a screen asks of the desktop: message boxes, file dialogs, the
// printer and today's date. The main window hands every screen the system's
// (Qt's dialogs, behind the seams tests answer); a test may hand a screen a
// desktop of its own.
class Desktop
{
public:
    virtual void showError(QWidget *parent, const QString &text) = 0;
    virtual void showInformation(QWidget *parent, const QString &text) = 0;
    // Empty when the user cancels.
    virtual QString openFileName(QWidget *parent, const FileDialog::Request &request) = 0;
    virtual QString saveFileName(QWidget *parent, const FileDialog::Request &request) = 0;
    virtual Printing::Result print(const QTextDocument &document, const QString &jobName) = 0;
    virtual QDate today() const = 0;

protected:
    ~Desktop() = default;
};

// The system's desktop.
Desktop &systemDesktop();

} // namespace tzolkara
