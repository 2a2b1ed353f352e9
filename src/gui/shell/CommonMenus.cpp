// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/shell/CommonMenus.h"

#include "gui/shell/frmAbout.h"
#include "gui/shell/modHelp.h"

#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

namespace tzolkara {

namespace {

struct HelpMenuNames
{
    const char *firstSeparator;
    const char *secondSeparator;
    const char *updateCaption;
    const char *makeMoneyName;
};

HelpMenuNames namesOf(MenuVariant variant)
{
    switch (variant) {
    case MenuVariant::MainWindow:
        return {"mnuSep1", "mnuSep2",
                QT_TRANSLATE_NOOP("CommonMenus", "Check for Software &Update"), "mkmoney"};
    case MenuVariant::EntryScreen:
        return {"mnuSep1", "mnuSep2",
                QT_TRANSLATE_NOOP("CommonMenus", "Check for Software &Update"), "mnuMakeMoney"};
    case MenuVariant::ResultScreen:
        return {"mnuSep2", "mnuSep3",
                QT_TRANSLATE_NOOP("CommonMenus", "Check for Software &Update"), "mnuMakeMoney"};
    case MenuVariant::TarotQuestion:
        return {"mnuFileSep1", "mnuFileSep2",
                QT_TRANSLATE_NOOP("CommonMenus", "&Check for Software Update"), "mnuMakeMoney"};
    case MenuVariant::TarotResult:
        return {"mnuHelpSep1", "mnuHelpSep2",
                QT_TRANSLATE_NOOP("CommonMenus", "Check for Software &Update"), "mnuMakeMoney"};
    }
    return {"mnuSep1", "mnuSep2", QT_TRANSLATE_NOOP("CommonMenus", "Check for Software &Update"),
            "mnuMakeMoney"};
}

} // namespace

QMenu *addFileMenu(QMenuBar *bar, const QString &objectName)
{
    QMenu *file = bar->addMenu(QCoreApplication::translate("CommonMenus", "&File"));
    file->setObjectName(objectName);
    file->menuAction()->setObjectName(objectName);
    return file;
}

QAction *addMenuItem(QMenu *menu, const QString &objectName, const QString &caption)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(objectName);
    return action;
}

QAction *addMenuSeparator(QMenu *menu, const QString &objectName)
{
    QAction *separator = menu->addSeparator();
    separator->setObjectName(objectName);
    return separator;
}

void addCommonMenus(QMenuBar *bar, MenuVariant variant, Desktop &desktop)
{
    const HelpMenuNames names = namesOf(variant);

    QMenu *help = bar->addMenu(QCoreApplication::translate("CommonMenus", "&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    QObject::connect(addMenuItem(help, QStringLiteral("mnuOnline"),
                                 QCoreApplication::translate("CommonMenus", "&Online Help")),
                     &QAction::triggered, [&desktop] { modHelp::OpenOnlineHelp(desktop); });
    QObject::connect(addMenuItem(help, QStringLiteral("mnuVisit"),
                                 QCoreApplication::translate("CommonMenus", "&Visit Us Online")),
                     &QAction::triggered, [&desktop] { modHelp::OpenHomePage(desktop); });
    addMenuSeparator(help, QString::fromLatin1(names.firstSeparator));
    QObject::connect(addMenuItem(help, QStringLiteral("mnuUpdate"),
                                 QCoreApplication::translate("CommonMenus", names.updateCaption)),
                     &QAction::triggered, [&desktop] { modHelp::OpenDownloadPage(desktop); });
    addMenuSeparator(help, QString::fromLatin1(names.secondSeparator));
    QObject::connect(addMenuItem(help, QStringLiteral("mnuAbout"),
                                 QCoreApplication::translate("CommonMenus", "&About Software")),
                     &QAction::triggered, [&desktop] { frmAbout::ShowModal(desktop); });

    QAction *donate = bar->addAction(QCoreApplication::translate("CommonMenus", "&Donate"));
    donate->setObjectName(QStringLiteral("mnuDonate"));
    QObject::connect(donate, &QAction::triggered, [&desktop] { modHelp::OpenDonatePage(desktop); });

    // Hidden, and left out of the bar: a menu bar keeps the Alt key of every
    // item it holds, so even a greyed "Make Money &Online" would take Alt+O
    // from the screens' open buttons. The full-brand page stays reachable
    // through the advertising labels.
    auto *makeMoney =
        new QAction(QCoreApplication::translate("CommonMenus", "Make Money &Online"), bar);
    makeMoney->setObjectName(QString::fromLatin1(names.makeMoneyName));
    makeMoney->setEnabled(false);
    makeMoney->setVisible(false);
    QObject::connect(makeMoney, &QAction::triggered,
                     [&desktop] { modHelp::OpenFullBrandPage(desktop); });
}

} // namespace tzolkara
