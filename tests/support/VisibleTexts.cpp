// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/VisibleTexts.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTextEdit>

namespace tzolkara::testing {

namespace {

void addText(Texts &texts, const QString &key, const QString &text)
{
    if (text.contains(QRegularExpression(QStringLiteral("[A-Za-z]{2}"))))
        texts.insert(key, text);
}

void addAction(Texts &texts, const QString &key, const QAction *action)
{
    if (!action->isVisible() || action->isSeparator())
        return;
    addText(texts, key, action->text());
    if (const QMenu *menu = action->menu()) {
        const QList<QAction *> items = menu->actions();
        for (int i = 0; i < items.size(); ++i)
            addAction(texts, key + QLatin1Char('/') + QString::number(i), items[i]);
    }
}

// Values that come from the readings' data, which follow the language on
// their own, and the user's input.
bool isDataValue(const QWidget *widget)
{
    static const QStringList data = {
        QStringLiteral("lblMayanDaySign"), QStringLiteral("lblMayanEnglishName"),
        QStringLiteral("lblMayanGemstone"), QStringLiteral("lblKeywords"),
        QStringLiteral("lblSignificance"), QStringLiteral("lblFamousPersons"),
        QStringLiteral("lblMayanDesc"), QStringLiteral("lblMayanNoDesc"),
        QStringLiteral("lblCalendarRound"), QStringLiteral("lblTrecena"),
        QStringLiteral("lblLordOfTheNight"), QStringLiteral("txtName"),
        // The Maya names of the calendar, which are the same in every language.
        QStringLiteral("lblTzolkin"), QStringLiteral("lblOtherNames"), QStringLiteral("lblHaab"),
        QStringLiteral("cboSign"),
        QStringLiteral("cboHaabMonth")};
    return data.contains(widget->objectName());
}

} // namespace

Texts textsOf(QWidget *top, TextsOf which)
{
    Texts texts;
    const QList<QWidget *> widgets = top->findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        if (!widget->isVisible() || (which == TextsOf::ProgramWords && isDataValue(widget)))
            continue;
        QString key;
        for (const QObject *o = widget; o && o != top; o = o->parent())
            key.prepend(QStringLiteral("/%1#%2")
                            .arg(o->objectName())
                            .arg(o->parent() ? o->parent()->children().indexOf(o) : 0));
        addText(texts, key + QStringLiteral(":toolTip"), widget->toolTip());
        addText(texts, key + QStringLiteral(":accessibleName"), widget->accessibleName());
        addText(texts, key + QStringLiteral(":accessibleDescription"),
                widget->accessibleDescription());
        if (widget->isWindow() || qobject_cast<QMdiSubWindow *>(widget))
            addText(texts, key + QStringLiteral(":windowTitle"), widget->windowTitle());
        if (auto *label = qobject_cast<QLabel *>(widget))
            addText(texts, key + QStringLiteral(":text"), label->text());
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            addText(texts, key + QStringLiteral(":text"), button->text());
        if (auto *box = qobject_cast<QGroupBox *>(widget))
            addText(texts, key + QStringLiteral(":title"), box->title());
        if (which == TextsOf::Everything) {
            if (auto *edit = qobject_cast<QTextEdit *>(widget))
                addText(texts, key + QStringLiteral(":plainText"), edit->toPlainText());
            if (auto *edit = qobject_cast<QPlainTextEdit *>(widget))
                addText(texts, key + QStringLiteral(":plainText"), edit->toPlainText());
            if (auto *edit = qobject_cast<QLineEdit *>(widget))
                addText(texts, key + QStringLiteral(":text"), edit->text());
        }
        if (auto *list = qobject_cast<QComboBox *>(widget)) {
            for (int i = 0; i < list->count(); ++i)
                addText(texts, key + QStringLiteral(":item%1").arg(i), list->itemText(i));
        }
    }
    addText(texts, QStringLiteral(":windowTitle"), top->windowTitle());
    if (auto *window = qobject_cast<QMainWindow *>(top)) {
        const QList<QAction *> bar = window->menuBar()->actions();
        for (int i = 0; i < bar.size(); ++i)
            addAction(texts, QStringLiteral("menu/%1").arg(i), bar[i]);
    }
    return texts;
}

} // namespace tzolkara::testing
