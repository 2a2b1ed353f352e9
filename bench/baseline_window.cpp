// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The start-up benchmark's baseline: a bare Qt Widgets program, a maximized
// QMainWindow that quits after its first paint, as bench_startup does.

#include "QuitAfterFirstPaint.h"

#include <QApplication>
#include <QMainWindow>
#include <QScreen>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Baseline"));
    // As the program: fill the screen even where no window manager maximizes.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window.setGeometry(screen->availableGeometry());
    window.showMaximized();
    window.installEventFilter(new QuitAfterFirstPaint(&window));
    return QApplication::exec();
}
