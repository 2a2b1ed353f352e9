// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>

class QWidget;

namespace tzolkara {

// Every message the program shows goes through here: the title is always the
// program's name. Tests set the next answer and, once they ask for it, read
// what was shown; the program itself keeps nothing.
class MessageBox final
{
public:
    enum class Icon { Information, Error };
    enum class Buttons { Ok, YesNo };
    enum class Answer { Ok, Yes, No };

    struct Shown
    {
        QString text;
        Icon icon;
        Buttons buttons;
    };

    static const QString &title();

    static Answer show(QWidget *parent, const QString &text, Icon icon,
                       Buttons buttons = Buttons::Ok);
    static void information(QWidget *parent, const QString &text)
    {
        show(parent, text, Icon::Information);
    }
    static void error(QWidget *parent, const QString &text) { show(parent, text, Icon::Error); }

    // For tests: the next message is not shown but answered with `answer`.
    // One answer waits at a time; a second call replaces it.
    static void setNextAnswer(Answer answer);
    // For tests: from now on keep every message shown, for shown().
    static void recordShownMessages(bool record);
    static const QList<Shown> &shown();
    // Forgets the messages shown and the waiting answer.
    static void clearShown();
};

} // namespace tzolkara
