#include "MessageBox.h"

#include <QGuiApplication>
#include <QMessageBox>

#include <cstdio>

namespace tzolkara {

namespace {

QList<MessageBox::Answer> &queuedAnswers()
{
    static QList<MessageBox::Answer> answers;
    return answers;
}

QList<MessageBox::Shown> &shownMessages()
{
    static QList<MessageBox::Shown> messages;
    return messages;
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
    shownMessages().append({text, icon, buttons});
    if (!queuedAnswers().isEmpty())
        return queuedAnswers().takeFirst();

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
    queuedAnswers().append(answer);
}

const QList<MessageBox::Shown> &MessageBox::shown()
{
    return shownMessages();
}

void MessageBox::clearShown()
{
    shownMessages().clear();
    queuedAnswers().clear();
}

} // namespace tzolkara
