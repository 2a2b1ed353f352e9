// Prints how long the kin engine takes over every date it accepts, and,
// given the path of tzolkara-kin, how long the tool takes for all of them.

#include "engine/KinEngine.h"

#include <QDate>
#include <QElapsedTimer>
#include <QLocale>
#include <QProcess>

#include <cstdio>

using namespace tzolkara;

namespace {

void benchTool(const QString &tool)
{
    QByteArray input;
    int dates = 0;
    for (QDate d(1900, 1, 1); d <= QDate(2016, 12, 31); d = d.addDays(1), ++dates)
        input += d.toString(Qt::ISODate).toLatin1() + '\n';
    QProcess process;
    QElapsedTimer timer;
    timer.start();
    process.start(tool, {});
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(60000);
    const qint64 ms = timer.elapsed();
    const int lines = int(process.readAllStandardOutput().count('\n'));
    std::printf("tzolkara-kin: %d dates in, %d lines out, exit code %d, %lld ms in all "
                "(process start included)\n",
                dates, lines, process.exitCode(), static_cast<long long>(ms));
}

} // namespace

int main(int argc, char **argv)
{
    QList<QString> months;
    for (int m = 1; m <= 12; ++m)
        months << QLocale::c().monthName(m, QLocale::LongFormat);

    KinEngine engine;
    constexpr int kRounds = 20;
    qint64 calculations = 0;
    QElapsedTimer timer;
    timer.start();
    for (int round = 0; round < kRounds; ++round) {
        for (QDate d(1900, 1, 1); d <= QDate(2016, 12, 31); d = d.addDays(1)) {
            engine.state().BirthYear = static_cast<qint16>(d.year());
            engine.state().BirthMonth = months.at(d.month() - 1);
            engine.state().BirthDay = static_cast<qint16>(d.day());
            engine.CalculateReading();
            ++calculations;
        }
    }
    const double ns = double(timer.nsecsElapsed());
    std::printf("CalculateReading: %lld calls in %.1f ms, %.0f ns per call, "
                "%.1f ms for the whole 1900-2016 range\n",
                static_cast<long long>(calculations), ns / 1e6, ns / calculations,
                ns / kRounds / 1e6);
    if (argc > 1)
        benchTool(QString::fromLocal8Bit(argv[1]));
    return 0;
}
