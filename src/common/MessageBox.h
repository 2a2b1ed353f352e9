#pragma once

#include <QList>
#include <QString>

#include <optional>

class QWidget;

namespace tzolkara {

// Every message the program shows goes through here: the title is always the
// program's name. Tests queue the next answers and read what was shown.
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
    static void setNextAnswer(Answer answer);
    static const QList<Shown> &shown();
    static void clearShown();
};

} // namespace tzolkara
