// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/common/Desktop.h"

#include "core/common/Clock.h"
#include "gui/common/MessageBox.h"

namespace tzolkara {

namespace {

class SystemDesktop final : public Desktop
{
public:
    void showError(QWidget *parent, const QString &text) override
    {
        MessageBox::error(parent, text);
    }
    void showInformation(QWidget *parent, const QString &text) override
    {
        MessageBox::information(parent, text);
    }
    QString openFileName(QWidget *parent, const FileDialog::Request &request) override
    {
        return FileDialog::getOpenFileName(parent, request);
    }
    QString saveFileName(QWidget *parent, const FileDialog::Request &request) override
    {
        return FileDialog::getSaveFileName(parent, request);
    }
    Printing::Result print(const QTextDocument &document, const QString &jobName) override
    {
        return Printing::printDocument(document, jobName);
    }
    QDate today() const override { return Clock::today(); }
};

} // namespace

Desktop &systemDesktop()
{
    static SystemDesktop desktop;
    return desktop;
}

} // namespace tzolkara
