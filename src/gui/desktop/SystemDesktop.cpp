// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/desktop/SystemDesktop.h"

#include "gui/common/OnDemand.h"

#include <QClipboard>
#include <QDateTime>
#include <QDesktopServices>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QUrl>

#include <cstdio>

namespace tzolkara {

namespace {

enum class Buttons { Ok, YesNo };

bool headless()
{
    return QGuiApplication::platformName() == QLatin1String("offscreen") ||
           QGuiApplication::platformName() == QLatin1String("minimal");
}

// True for Yes.
bool showBox(QWidget *parent, const QString &text, QMessageBox::Icon icon, Buttons buttons)
{
    // Nobody can see or answer a box on a headless platform: say it on
    // standard error and take the safe default instead of waiting forever.
    if (headless()) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(applicationTitle()),
                     qPrintable(QString(text).replace(QLatin1Char('\r'), QLatin1Char(' '))));
        return false;
    }
    // A carriage return alone separates lines in the program's messages.
    QMessageBox box(
        icon, applicationTitle(), QString(text).replace(QLatin1Char('\r'), QLatin1Char('\n')),
        buttons == Buttons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent);
    return box.exec() == QMessageBox::Yes;
}

QString runFileDialog(QWidget *parent, const FileRequest &request, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, request.title);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setNameFilter(request.filter);
    dialog.setDefaultSuffix(request.defaultSuffix);
    // Qt's own dialog with none of its options: it keeps asking before it
    // replaces a file, and it has no read-only check box to hide, whose
    // ReadOnly would stop the user making or renaming folders in it.
    dialog.setOptions({});
    if (!request.initialName.isEmpty())
        dialog.selectFile(request.initialName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

SystemDesktop::SystemDesktop()
{
    // Another draw at every start of the program.
    const qint64 ms = QDateTime::currentMSecsSinceEpoch();
    m_random.seed(static_cast<std::uint32_t>(ms ^ (ms >> 32)));
}

void SystemDesktop::showError(QWidget *parent, const QString &text)
{
    showBox(parent, text, QMessageBox::Critical, Buttons::Ok);
}

void SystemDesktop::showInformation(QWidget *parent, const QString &text)
{
    showBox(parent, text, QMessageBox::Information, Buttons::Ok);
}

bool SystemDesktop::askYesNo(QWidget *parent, const QString &text)
{
    return showBox(parent, text, QMessageBox::Information, Buttons::YesNo);
}

QString SystemDesktop::openFileName(QWidget *parent, const FileRequest &request)
{
    return runFileDialog(parent, request, QFileDialog::AcceptOpen);
}

QString SystemDesktop::saveFileName(QWidget *parent, const FileRequest &request)
{
    return runFileDialog(parent, request, QFileDialog::AcceptSave);
}

PrintResult SystemDesktop::print(const QTextDocument &document, const QString &jobName)
{
    return OnDemand::print(document, jobName, QString());
}

QDateTime SystemDesktop::now() const
{
    return QDateTime::currentDateTime();
}

double SystemDesktop::random()
{
    return m_random.next();
}

void SystemDesktop::openUrl(const QUrl &address)
{
    QDesktopServices::openUrl(address);
}

void SystemDesktop::emptyClipboard()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return;
    clipboard->clear(QClipboard::Clipboard);
    if (clipboard->supportsSelection())
        clipboard->clear(QClipboard::Selection);
}

} // namespace tzolkara
