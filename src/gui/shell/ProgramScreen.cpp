// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/shell/ProgramScreen.h"

#include "gui/common/Artwork.h"
#include "gui/common/ScreenStyle.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace tzolkara {

namespace {
// One icon for every screen's title bar, drawn once at the size the title bar
// shows it. Left to the application's scalable icon, each window's title bar
// had its own drawing scaled and kept in Qt's picture cache.
QIcon titleBarIcon()
{
    static const QIcon icon = [] {
        const int side = QApplication::style()->pixelMetric(QStyle::PM_SmallIconSize);
        return QIcon(
            Artwork::applicationIcon().pixmap(QSize(side, side), qApp->devicePixelRatio()));
    }();
    return icon;
}
} // namespace

ProgramScreen::ProgramScreen(ScreenId id, Navigator &navigator, QWidget *parent)
    : QMdiSubWindow(parent), m_id(id), m_navigator(navigator)
{
    setAttribute(Qt::WA_DeleteOnClose);
    // A close box, but no minimise or maximise: the screens have a fixed
    // place in the main window.
    setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setWindowIcon(titleBarIcon());
}

void ProgramScreen::setContent(QWidget *content, QMenuBar *menuBar)
{
    applyScreenPalette(content);
    auto *frame = new QWidget(this);
    auto *layout = new QVBoxLayout(frame);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(content);
    setWidget(frame);
    // Outside a dialog a push button takes only Space; desktop users press
    // Enter on the focused button as well.
    for (QPushButton *button : content->findChildren<QPushButton *>())
        button->setAutoDefault(true);
    if (menuBar) {
        // A second visible bar would claim the same Alt keys as the main
        // window's; hidden, it claims none.
        menuBar->setNativeMenuBar(false);
        menuBar->hide();
        m_menuBar = menuBar;
    }
}

QList<QAction *> ProgramScreen::menuBarActions() const
{
    return m_menuBar ? m_menuBar->actions() : QList<QAction *>();
}

void ProgramScreen::fitToContent()
{
    if (QWidget *frame = widget()) {
        if (frame->layout())
            frame->layout()->activate();
    }
    // Not adjustSize(): for a window it may settle for less than the hint.
    resize(sizeHint());
}

void ProgramScreen::closeEvent(QCloseEvent *event)
{
    // Closed already while Form_Unload runs, so that nothing it sets off
    // finds this screen and shows it again.
    m_closed = true;
    Form_Unload();
    QMdiSubWindow::closeEvent(event);
    event->accept();
}

} // namespace tzolkara
