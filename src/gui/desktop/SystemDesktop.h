// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/common/RandomSource.h"
#include "gui/common/Desktop.h"

namespace tzolkara {

// The desktop the program runs on: Qt's message boxes and file dialogs, the
// default printer, the system clock, the browser and the clipboard. On a
// headless platform (offscreen), where nobody could answer a box, a message
// is written to standard error and answered with its safe default.
class SystemDesktop final : public Desktop
{
public:
    // Seeds the tarot's generator from the clock, once.
    SystemDesktop();
    Q_DISABLE_COPY_MOVE(SystemDesktop)

    void showError(QWidget *parent, const QString &text) override;
    void showInformation(QWidget *parent, const QString &text) override;
    bool askYesNo(QWidget *parent, const QString &text) override;
    QString openFileName(QWidget *parent, const FileRequest &request) override;
    QString saveFileName(QWidget *parent, const FileRequest &request) override;
    PrintResult print(const QTextDocument &document, const QString &jobName) override;
    QDateTime now() const override;
    double random() override;
    void openUrl(const QUrl &address) override;
    void emptyClipboard() override;

private:
    RandomSource m_random;
};

} // namespace tzolkara
