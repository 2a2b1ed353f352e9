// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/readings/ResultScreenParts.h"

#include "gui/common/Artwork.h"
#include "gui/common/Fonts.h"
#include "gui/common/ImageList.h"
#include "gui/common/ScreenStyle.h"
#include "gui/shell/CommonMenus.h"
#include "tables/engine/ToneNames.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace tzolkara::ResultScreenParts {

QMenuBar *buildMenuBar(ProgramScreen *screen, const std::function<void()> &back)
{
    auto *bar = new QMenuBar(screen);
    QMenu *file = addFileMenu(bar);
    QObject::connect(addMenuItem(file, QStringLiteral("mnuBack"),
                                 QCoreApplication::translate("ResultScreenParts", "&Back")),
                     &QAction::triggered, screen, back);
    addMenuSeparator(file, QStringLiteral("mnuSep1"));
    QObject::connect(addMenuItem(file, QStringLiteral("mnuExit"),
                                 QCoreApplication::translate("ResultScreenParts", "E&xit")),
                     &QAction::triggered, screen, &QWidget::close);
    addCommonMenus(bar, MenuVariant::ResultScreen, screen->desktop());
    return bar;
}

QLabel *valueLabel(const QString &objectName, QWidget *parent, int wrapWidth)
{
    QLabel *label = wrapWidth > 0 ? wrappingTextLabel(wrapWidth, parent) : new QLabel(parent);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText);
    label->setFont(verdana(8.25));
    return label;
}

QLabel *pictureBox(const QString &objectName, const QPixmap &designTimePicture, QWidget *parent)
{
    auto *box = new QLabel(parent);
    box->setObjectName(objectName);
    box->setPixmap(designTimePicture);
    box->setFixedSize(designTimePicture.deviceIndependentSize().toSize());
    return box;
}

QPushButton *button(const QString &objectName, const QString &caption, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(objectName);
    button->setFont(verdana(8.25, true));
    button->setMinimumWidth(96);
    return button;
}

void showPicture(QLabel *box, const ImageList &list, int index, const QString &description)
{
    if (index < 1 || index > list.count())
        return;
    box->setPixmap(list.picture(index, box->devicePixelRatioF()));
    box->setAccessibleName(description);
}

QString toneDescription(int dayNumber)
{
    const bool known = dayNumber >= 1 && dayNumber <= kToneCount;
    return !known
               ? QCoreApplication::translate("ResultScreenParts", "Day number %1").arg(dayNumber)
               : QCoreApplication::translate("ResultScreenParts", "Day number %1, %2")
                     .arg(dayNumber)
                     .arg(QCoreApplication::translate("ToneNames", kToneNames[dayNumber - 1]));
}

void closeReport(Navigator &navigator, ScreenId report)
{
    if (ProgramScreen *screen = navigator.findScreen(report))
        screen->close();
}

void goBack(ProgramScreen *result, ScreenId entry)
{
    Navigator &navigator = result->navigator();
    navigator.showScreen(entry);
    result->close();
    navigator.setWelcomePanelVisible(false);
}

} // namespace tzolkara::ResultScreenParts
