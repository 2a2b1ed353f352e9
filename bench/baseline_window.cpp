// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The start-up benchmark's baseline: a bare Qt Widgets program, a maximized
// QMainWindow that quits after its first paint, as the program does when
// TZOLKARA_QUIT_AFTER_FIRST_PAINT is set.

#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QScreen>

namespace {

class QuitAfterFirstPaint final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        }
        return false;
    }
};

} // namespace

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
