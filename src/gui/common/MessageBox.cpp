// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/common/MessageBox.h"

#include <QGuiApplication>
#include <QMessageBox>

#include <cstdio>
#include <optional>

namespace tzolkara {

namespace {

// What tests set and read; left untouched, it costs the program nothing.
struct TestSeam
{
    std::optional<MessageBox::Answer> nextAnswer;
    bool record = false;
    QList<MessageBox::Shown> shown;
};

TestSeam &testSeam()
{
    static TestSeam seam;
    return seam;
}

MessageBox::Answer defaultAnswer(MessageBox::Buttons buttons)
{
    return buttons == MessageBox::Buttons::YesNo ? MessageBox::Answer::No : MessageBox::Answer::Ok;
}

} // namespace

const QString &MessageBox::title()
{
    static const QString name = QStringLiteral("Tzolkara");
    return name;
}

MessageBox::Answer MessageBox::show(QWidget *parent, const QString &text, Icon icon,
                                    Buttons buttons)
{
    TestSeam &seam = testSeam();
    if (seam.record)
        seam.shown.append({text, icon, buttons});
    if (seam.nextAnswer) {
        const Answer answer = *seam.nextAnswer;
        seam.nextAnswer.reset();
        return answer;
    }

    // Nobody can see or answer a box on a headless platform: say it on
    // standard error and take the safe default instead of waiting forever.
    if (QGuiApplication::platformName() == QLatin1String("offscreen") ||
        QGuiApplication::platformName() == QLatin1String("minimal")) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(title()),
                     qPrintable(QString(text).replace(QLatin1Char('\r'), QLatin1Char(' '))));
        return defaultAnswer(buttons);
    }

    // A carriage return alone separates lines in the program's messages.
    QMessageBox box(
        icon == Icon::Error ? QMessageBox::Critical : QMessageBox::Information, title(),
        QString(text).replace(QLatin1Char('\r'), QLatin1Char('\n')),
        buttons == Buttons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent);
    const int result = box.exec();
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    return result == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

void MessageBox::setNextAnswer(Answer answer)
{
    testSeam().nextAnswer = answer;
}

void MessageBox::recordShownMessages(bool record)
{
    testSeam().record = record;
}

const QList<MessageBox::Shown> &MessageBox::shown()
{
    return testSeam().shown;
}

void MessageBox::clearShown()
{
    testSeam().shown.clear();
    testSeam().nextAnswer.reset();
}

} // namespace tzolkara
