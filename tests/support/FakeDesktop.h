// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/common/RandomSource.h"
#include "gui/common/Desktop.h"
#include "gui/common/OnDemand.h"

#include <QDate>
#include <QList>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <optional>

namespace tzolkara::testing {

// The desktop a test hands the program: it shows nothing and opens nothing,
// answers from what the test queued, and keeps what was asked of it.
class FakeDesktop final : public Desktop
{
public:
    FakeDesktop() { randomSource.seed(42); }

    // Message boxes: every one is kept; a question takes the queued answer,
    // or No, as the safe default.
    enum class Icon { Information, Error };
    enum class Buttons { Ok, YesNo };
    struct Shown
    {
        QString text;
        Icon icon;
        Buttons buttons;
    };
    QList<Shown> shown;
    std::optional<bool> nextAnswer;
    QStringList shownTexts() const
    {
        QStringList texts;
        for (const Shown &message : shown)
            texts << message.text;
        return texts;
    }

    void showError(QWidget *, const QString &text) override
    {
        shown.append({text, Icon::Error, Buttons::Ok});
    }
    void showInformation(QWidget *, const QString &text) override
    {
        shown.append({text, Icon::Information, Buttons::Ok});
    }
    bool askYesNo(QWidget *, const QString &text) override
    {
        shown.append({text, Icon::Information, Buttons::YesNo});
        const bool yes = nextAnswer.value_or(false);
        nextAnswer.reset();
        return yes;
    }

    // File dialogs: each takes the next queued path; none queued is a cancel.
    QList<QString> nextFileNames;
    QList<FileRequest> fileRequests;
    void setNextFileName(const QString &path) { nextFileNames.append(path); }
    const FileRequest &lastRequest() const { return fileRequests.constLast(); }

    QString openFileName(QWidget *, const FileRequest &request) override
    {
        return fileName(request);
    }
    QString saveFileName(QWidget *, const FileRequest &request) override
    {
        return fileName(request);
    }

    // Printing goes, through the program's own printing, into this PDF file;
    // without one the machine has no printer.
    QString pdfOutputFile;
    PrintResult print(const QTextDocument &document, const QString &jobName) override
    {
        if (pdfOutputFile.isEmpty())
            return PrintResult::NoPrinter;
        return OnDemand::print(document, jobName, pdfOutputFile);
    }

    QDate fixedToday = QDate(2026, 12, 7);
    QTime fixedTime = QTime(12, 0);
    QDateTime now() const override { return QDateTime(fixedToday, fixedTime); }

    // Seeded with 42; a test may seed it again or queue the next values.
    RandomSource randomSource;
    double random() override { return randomSource.next(); }

    QList<QUrl> opened;
    // Runs at the moment an address is opened, for tests of ordering.
    std::function<void(const QUrl &)> onOpen;
    QStringList openedAddresses() const
    {
        QStringList addresses;
        for (const QUrl &url : opened)
            addresses << url.toString();
        return addresses;
    }
    void openUrl(const QUrl &address) override
    {
        opened.append(address);
        if (onOpen)
            onOpen(address);
    }

    int clipboardEmptied = 0;
    void emptyClipboard() override { ++clipboardEmptied; }

private:
    QString fileName(const FileRequest &request)
    {
        fileRequests.append(request);
        return nextFileNames.isEmpty() ? QString() : nextFileNames.takeFirst();
    }
};

} // namespace tzolkara::testing
