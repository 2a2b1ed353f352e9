// Prints how long writing a tarot reading into its result screen takes, and
// how many clipboard changes were signalled meanwhile (headless, every
// emptying is one). Headless by default; run under an X server to see the
// cost of the clipboard's round trips:
//   xvfb-run -a env QT_QPA_PLATFORM=xcb build/bench/bench_tarotreading

#include "app/ProgramScreens.h"
#include "common/RandomSource.h"
#include "shell/frmMDI.h"
#include "tarot/TarotTables.h"
#include "tarot/frmMayanAstrologyTarotResult.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QStandardPaths>

#include <algorithm>
#include <cstdio>
#include <memory>

using namespace tzolkara;

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    registerProgramScreens();
    const auto main = std::make_unique<frmMDI>();
    main->show();
    auto *screen =
        qobject_cast<frmMayanAstrologyTarotResult *>(main->loadScreen(ScreenId::TarotResult));
    if (!screen)
        return 1;
    screen->show();
    QApplication::processEvents();

    int changes = 0;
    QObject::connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, [&] { ++changes; });
    RandomSource::instance().seed(7);
    constexpr int kReadings = 50;
    QList<double> times;
    for (int i = 0; i < kReadings; ++i) {
        const QList<TarotTextPiece> pieces =
            composeTarotReading(drawOracleReading([] { return RandomSource::instance().next(); }),
                                glyphTableContents(), positionTableContents());
        QElapsedTimer timer;
        timer.start();
        screen->writeReading(pieces);
        times.append(double(timer.nsecsElapsed()) / 1e6);
        QApplication::processEvents();
    }
    std::sort(times.begin(), times.end());
    double total = 0;
    for (double time : times)
        total += time;
    std::printf("writeReading on %s: mean %.2f ms, median %.2f ms over %d readings; "
                "%.1f clipboard changes a reading\n",
                qPrintable(QGuiApplication::platformName()), total / kReadings,
                times.at(kReadings / 2), kReadings, double(changes) / kReadings);
    return 0;
}
