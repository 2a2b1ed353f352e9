// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The real program started many times at once, and started over settings
// that are not ours, on Qt's offscreen platform and on a private X server
// (Xvfb), where xdotool finds its windows and answers its message boxes.

#include "gui/shell/frmAbout.h"
#include "support/Processes.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSet>
#include <QStandardPaths>
#include <QTest>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

constexpr int kCopies = 20;

// Anchored, for xdotool's --name, which otherwise matches part of a title.
QString exactly(const QString &title)
{
    return QLatin1Char('^') + QRegularExpression::escape(title) + QLatin1Char('$');
}

// A private X server for the whole test, with xdotool to look at it.
class XServer
{
public:
    XServer() = default;
    ~XServer()
    {
        m_server.terminate();
        m_server.waitForFinished(5000);
    }
    Q_DISABLE_COPY_MOVE(XServer)

    // Why there is none, or an empty text once it runs.
    QString start()
    {
        for (const char *tool : {"Xvfb", "xdotool"}) {
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
                return QStringLiteral("%1 is not installed (scripts/install-deps installs it)")
                    .arg(QString::fromLatin1(tool));
        }
        // Xvfb picks a free display and names it on its standard output.
        m_server.start(QStringLiteral("Xvfb"),
                       {QStringLiteral("-displayfd"), QStringLiteral("1"),
                        QStringLiteral("-screen"), QStringLiteral("0"),
                        QStringLiteral("1280x800x24"), QStringLiteral("-nolisten"),
                        QStringLiteral("tcp"),
                        // Never resetting, as it would when a program ends and
                        // leaves it without clients, refusing the next one.
                        QStringLiteral("-noreset")});
        if (!m_server.waitForStarted() ||
            !QTest::qWaitFor(
                [this] { return m_server.canReadLine() || m_server.state() != QProcess::Running; },
                20000) ||
            !m_server.canReadLine())
            return QStringLiteral("Xvfb did not start: ") +
                   QString::fromLocal8Bit(m_server.readAllStandardError());
        m_display = QLatin1Char(':') + QString::fromLatin1(m_server.readLine().trimmed());
        return {};
    }

    QString display() const { return m_display; }

    // Shown windows whose title is exactly `title`.
    QStringList windows(const QString &title) const
    {
        return xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                        QStringLiteral("--name"), exactly(title)})
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    qint64 processOf(const QString &window) const
    {
        return xdotool({QStringLiteral("getwindowpid"), window}).trimmed().toLongLong();
    }

    // Presses Return in `window` alone, as a user answers a box.
    void pressReturn(const QString &window) const
    {
        xdotool(
            {QStringLiteral("key"), QStringLiteral("--window"), window, QStringLiteral("Return")});
    }

private:
    QString xdotool(const QStringList &arguments) const
    {
        QProcess tool;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), m_display);
        tool.setProcessEnvironment(env);
        tool.start(QStringLiteral("xdotool"), arguments);
        tool.waitForFinished(10000);
        return QString::fromLatin1(tool.readAllStandardOutput());
    }

    QProcess m_server;
    QString m_display;
};

} // namespace

class TestStartupStress : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void manyCopiesAtOnce_leaveOneMainWindow_data();
    void manyCopiesAtOnce_leaveOneMainWindow();
    void unusableSettings_mainWindowWithinOneSecond_data();
    void unusableSettings_mainWindowWithinOneSecond();

private:
    QProcessEnvironment environment(const QString &platform) const;
    QString settingsPath() const
    {
        return m_home.filePath(QStringLiteral("config/tzolkara/tzolkara.conf"));
    }
    qint64 millisecondsToMainWindow(QString *failure);

    IsolatedHome m_home;
    XServer m_x;
    QString m_noX;
};

void TestStartupStress::initTestCase()
{
    QVERIFY(m_home.isValid());
    m_noX = m_x.start();
}

void TestStartupStress::init()
{
    QFile::setPermissions(settingsPath(), QFile::ReadOwner | QFile::WriteOwner);
    QVERIFY(m_home.reset());
    QVERIFY(QDir().mkpath(m_home.filePath(QStringLiteral("config/tzolkara"))));
}

QProcessEnvironment TestStartupStress::environment(const QString &platform) const
{
    QProcessEnvironment env = m_home.environment(platform);
    env.insert(QStringLiteral("DISPLAY"), m_x.display());
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    // No desktop bus: nothing to wait for or to start one.
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
               QStringLiteral("unix:path=") + m_home.filePath(QStringLiteral("no-bus")));
    env.insert(QStringLiteral("NO_AT_BRIDGE"), QStringLiteral("1"));
    return env;
}

void TestStartupStress::manyCopiesAtOnce_leaveOneMainWindow_data()
{
    QTest::addColumn<QString>("platform");
    // Offscreen, a box is written to standard error and answered at once.
    QTest::newRow("offscreen") << "offscreen";
    QTest::newRow("X server") << "xcb";
}

void TestStartupStress::manyCopiesAtOnce_leaveOneMainWindow()
{
    QFETCH(QString, platform);
    const bool onX = platform == QLatin1String("xcb");
    if (onX && !m_noX.isEmpty())
        QSKIP(qPrintable(m_noX));

    std::vector<std::unique_ptr<QProcess>> copies;
    for (int i = 0; i < kCopies; ++i) {
        copies.push_back(std::make_unique<QProcess>());
        copies.back()->setProcessEnvironment(environment(platform));
    }
    const auto endAll = qScopeGuard([&] {
        for (const auto &copy : copies) {
            copy->kill();
            copy->waitForFinished(10000);
        }
    });
    for (const auto &copy : copies)
        copy->start(QStringLiteral(TZOLKARA_PATH));
    std::vector<qint64> pids;
    for (const auto &copy : copies) {
        QVERIFY(copy->waitForStarted());
        pids.push_back(copy->processId());
    }
    const auto running = [&] {
        return std::count_if(copies.begin(), copies.end(),
                             [](const auto &copy) { return copy->state() == QProcess::Running; });
    };

    if (onX) {
        // Every refused copy shows its box; answered, it ends. A box just
        // shown may not take keys yet, so each is pressed until it goes.
        QSet<qint64> boxOwners;
        const bool allAnswered = QTest::qWaitFor(
            [&] {
                for (const QString &box : m_x.windows(QStringLiteral("Tzolkara"))) {
                    boxOwners.insert(m_x.processOf(box));
                    m_x.pressReturn(box);
                }
                return running() <= 1;
            },
            120000);
        QVERIFY2(allAnswered, qPrintable(QStringLiteral("%1 copies still run, %2 boxes seen")
                                             .arg(running())
                                             .arg(boxOwners.size())));
        for (std::size_t i = 0; i < copies.size(); ++i) {
            if (copies[i]->state() != QProcess::Running)
                QVERIFY2(boxOwners.contains(pids[i]), "a copy ended without its box");
        }
    }
    QVERIFY(QTest::qWaitFor([&] { return running() <= 1; }, 60000));
    QCOMPARE(running(), 1);

    QProcess *first = nullptr;
    for (const auto &copy : copies) {
        if (copy->state() == QProcess::Running) {
            first = copy.get();
            continue;
        }
        QCOMPARE(copy->exitStatus(), QProcess::NormalExit);
        QCOMPARE(copy->exitCode(), 0);
        if (!onX) {
            QCOMPARE(QString::fromLocal8Bit(copy->readAllStandardError())
                         .count(QStringLiteral("Application is already running")),
                     1);
        }
    }
    QVERIFY(QTest::qWaitFor([&] { return lockHolder(m_home.lockPath()) == first->processId(); },
                            10000));
    if (onX) {
        QStringList mainWindows;
        QVERIFY(QTest::qWaitFor(
            [&] {
                mainWindows = m_x.windows(tzolkara::frmAbout::versionCaption());
                return !mainWindows.isEmpty();
            },
            30000));
        QCOMPARE(mainWindows.size(), 1);
        QCOMPARE(m_x.processOf(mainWindows.first()), first->processId());
        QVERIFY(m_x.windows(QStringLiteral("Tzolkara")).isEmpty());
    }
}

qint64 TestStartupStress::millisecondsToMainWindow(QString *failure)
{
    QProcess program;
    program.setProcessEnvironment(environment(QStringLiteral("xcb")));
    const auto end = qScopeGuard([&] {
        program.kill();
        program.waitForFinished(10000);
    });
    program.start(QStringLiteral(TZOLKARA_PATH));
    if (!program.waitForStarted()) {
        *failure = QStringLiteral("the program did not start");
        return -1;
    }
    // From the program's own start on: spawning a process is not start-up.
    QElapsedTimer timer;
    timer.start();
    const QString title = tzolkara::frmAbout::versionCaption();
    const bool shown = QTest::qWaitFor(
        [&] { return !m_x.windows(title).isEmpty() || program.state() != QProcess::Running; },
        30000);
    const qint64 elapsed = timer.elapsed();
    const QStringList boxes = m_x.windows(QStringLiteral("Tzolkara"));
    if (!shown || program.state() != QProcess::Running || !boxes.isEmpty()) {
        *failure =
            QStringLiteral("no main window after %1 ms; %2 boxes; the program %3; it said: %4")
                .arg(elapsed)
                .arg(boxes.size())
                .arg(program.state() == QProcess::Running ? QStringLiteral("runs")
                                                          : QStringLiteral("ended"))
                .arg(QString::fromLocal8Bit(program.readAllStandardError()));
        return -1;
    }
    return elapsed;
}

void TestStartupStress::unusableSettings_mainWindowWithinOneSecond_data()
{
    QTest::addColumn<QString>("damage");
    QTest::newRow("unreadable") << "unreadable";
    QTest::newRow("a link to itself") << "loop";
    QTest::newRow("garbage") << "garbage";
    QTest::newRow("a folder") << "folder";
    QTest::newRow("a 4 GiB file") << "huge";
    QTest::newRow("no file, a damaged write lock") << "lock";
}

void TestStartupStress::unusableSettings_mainWindowWithinOneSecond()
{
    QFETCH(QString, damage);
    if (!m_noX.isEmpty())
        QSKIP(qPrintable(m_noX));
    const QString settings = settingsPath();
    if (damage == QLatin1String("unreadable")) {
        QFile file(settings);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Settings]\n");
        file.close();
        QVERIFY(QFile::setPermissions(settings, {}));
    } else if (damage == QLatin1String("loop")) {
        // Unreadable for root too.
        QVERIFY(QFile::link(settings, settings));
    } else if (damage == QLatin1String("garbage")) {
        QFile file(settings);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QRandomGenerator random(20121221);
        QByteArray bytes(60 * 1024, Qt::Uninitialized);
        for (char &c : bytes)
            c = char(random.bounded(256));
        file.write(bytes);
    } else if (damage == QLatin1String("folder")) {
        QVERIFY(QDir().mkpath(settings));
    } else if (damage == QLatin1String("lock")) {
        // What a crash while taking the lock leaves: the first start stores today.
        QFile lock(settings + QStringLiteral(".lock"));
        QVERIFY(lock.open(QIODevice::WriteOnly));
    } else {
        QFile file(settings);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(qint64(4) << 30)); // sparse: takes no disk
    }

    // The fastest of three: the bound is the program's, not the machine's
    // other work.
    qint64 fastest = -1;
    for (int attempt = 0; attempt < 3; ++attempt) {
        QString failure;
        const qint64 ms = millisecondsToMainWindow(&failure);
        QVERIFY2(ms >= 0, qPrintable(failure));
        fastest = fastest < 0 ? ms : std::min(fastest, ms);
    }
    qInfo("main window shown after %lld ms", static_cast<long long>(fastest));
    QVERIFY2(fastest <= 1000, qPrintable(QStringLiteral("%1 ms").arg(fastest)));
}

QTEST_MAIN(TestStartupStress)
#include "tst_startupstress.moc"
