// Prints how long start-up takes up to a shown main window (headless), and
// how long the first reading screens take to open.

#include "shell/ProgramScreen.h"
#include "app/Startup.h"
#include "shell/frmMDI.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QStandardPaths>

#include <cstdio>
#include <memory>

using namespace tzolkara;

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QElapsedTimer total;
    total.start();
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true); // never touch the real settings
    const qint64 application = total.elapsed();

    QElapsedTimer timer;
    timer.start();
    const std::unique_ptr<frmMDI> window(startMainWindow());
    QApplication::processEvents();
    const qint64 mainWindow = timer.elapsed();

    timer.restart();
    window->OpenProgramScreen(ScreenId::AstrologyMain);
    QApplication::processEvents();
    const qint64 entry = timer.elapsed();

    timer.restart();
    window->OpenProgramScreen(ScreenId::TarotMain);
    QApplication::processEvents();
    const qint64 tarot = timer.elapsed();

    std::printf("start-up: application %lld ms, main window shown %lld ms, "
                "astrology entry %lld ms, tarot question %lld ms\n",
                static_cast<long long>(application), static_cast<long long>(mainWindow),
                static_cast<long long>(entry), static_cast<long long>(tarot));
    return 0;
}
