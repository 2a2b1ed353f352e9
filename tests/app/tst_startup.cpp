// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/ProgramContext.h"
#include "app/SingleInstance.h"
#include "app/Startup.h"
#include "core/settings/SettingsStore.h"
#include "core/settings/UpdateReminder.h"
#include "gui/shell/frmMDI.h"
#include "support/FakeDesktop.h"
#include "support/Processes.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMdiArea>
#include <QProcess>
#include <QScopeGuard>
#include <QSet>
#include <QSysInfo>
#include <QTest>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstring>
#include <memory>
#include <thread>

#include <fcntl.h>
#include <linux/capability.h>
#include <linux/securebits.h>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace tzolkara;

namespace {

// How long a started program may take to do what a test waits for.
constexpr int kWaitMs = 10000;

// What a crashed run leaves: a lock naming a process that no longer exists.
QByteArray staleLockContents()
{
    return "999999999\ntzolkara\n" + QSysInfo::machineHostName().toUtf8() + '\n';
}

// Writes 4 KiB pieces until the folder holds no more.
void fillFolder(const QString &folder)
{
    QFile filler(folder + QStringLiteral("/filler"));
    QVERIFY(filler.open(QIODevice::WriteOnly));
    const QByteArray piece(4096, 'x');
    while (filler.write(piece) == piece.size() && filler.flush())
        ;
}

// What lies at `path`, for telling whether anything was changed there.
QByteArray snapshot(const QString &path)
{
    struct stat info = {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return "nothing";
    if (S_ISDIR(info.st_mode))
        return "a folder";
    if (S_ISFIFO(info.st_mode))
        return "a pipe";
    if (S_ISLNK(info.st_mode))
        return "a link to " + QFile::encodeName(QFile::symLinkTarget(path));
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("unreadable");
}

// Opens the writing end of a named pipe whenever someone waits to read it,
// so a start-up that reads the pipe is caught instead of hanging.
class PipeWatch
{
public:
    explicit PipeWatch(const QString &pipe)
    {
        if (pipe.isEmpty())
            return;
        m_thread = std::thread([this, path = QFile::encodeName(pipe)] {
            while (!m_stop) {
                const int fd = ::open(path.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
                if (fd >= 0) {
                    m_readerSeen = true;
                    ::close(fd);
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
        });
    }
    ~PipeWatch()
    {
        m_stop = true;
        if (m_thread.joinable())
            m_thread.join();
    }
    Q_DISABLE_COPY_MOVE(PipeWatch)

    bool readerSeen() const { return m_readerSeen; }

private:
    std::atomic<bool> m_stop = false;
    std::atomic<bool> m_readerSeen = false;
    std::thread m_thread;
};

// Processor time a process has used so far, in clock ticks.
long processorTicks(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = stat.readAll().split(')').last().split(' ');
    // After the name: state is field 3, utime 14 and stime 15.
    return fields.size() > 13 ? fields[12].toLong() + fields[13].toLong() : -1;
}

sockaddr_un socketAddress(const QString &path)
{
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    const QByteArray bytes = QFile::encodeName(path);
    std::memcpy(address.sun_path, bytes.constData(),
                std::min(std::size_t(bytes.size()), sizeof(address.sun_path) - 1));
    return address;
}

// Offscreen, the program writes its message boxes to standard error.
qsizetype timesSaidRunning(QProcess &program)
{
    return QString::fromLocal8Bit(program.readAllStandardError())
        .count(QStringLiteral("Application is already running"));
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void reminderRunsBeforeMainWindow();
    void unusableSettings_leftAloneAndStartUpCompletes_data();
    void unusableSettings_leftAloneAndStartUpCompletes();

    void secondInstance_saysSoAndLeavesFirstRunning();
    void staleLockOfCrashedRun_doesNotBlockStart();
    void secondStart_bringsRunningCopyToFront();
    void damagedLock_stillOneCopyRuns_data();
    void damagedLock_stillOneCopyRuns();
    void startUp_loadsNeitherSvgNorPrinting();
    void anotherUser_canNeitherReachNorTakeTheGuard();
    void guard_listensOnNoNameAnotherUserCouldTake();
    void floodOfRequests_stillRefusesASecondStart();

private:
    IsolatedHome m_home;
};

void TestStartup::initTestCase()
{
    QVERIFY(m_home.isValid());
    // Where this test, when it plays the running copy, keeps its lock.
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_home.runtimePath()));
}

void TestStartup::init()
{
    // Every run of the program starts from an empty runtime folder and no
    // settings.
    QVERIFY(m_home.reset());
}

void TestStartup::reminderRunsBeforeMainWindow()
{
    QFile::remove(SettingsStore().fileName());
    QVERIFY(SettingsStore().write(kSettingsSection, kLastReminderDateKey,
                                  QStringLiteral("2026-01-01")));
    testing::FakeDesktop desktop;
    ProgramContext context(desktop);
    desktop.nextAnswer = true;
    bool mainWindowExistedAtQuestion = true;
    desktop.onOpen = [&](const QUrl &) {
        const QWidgetList windows = QApplication::topLevelWidgets();
        mainWindowExistedAtQuestion = std::any_of(windows.cbegin(), windows.cend(), [](QWidget *w) {
            return qobject_cast<frmMDI *>(w) != nullptr;
        });
    };

    const std::unique_ptr<frmMDI> window(startMainWindow(context));
    QCOMPARE(desktop.shown.size(), 1);
    QCOMPARE(desktop.opened.size(), 1);
    QVERIFY(!mainWindowExistedAtQuestion);
    QVERIFY(window->isVisible());
    QVERIFY(window->isWelcomePanelVisible());
}

void TestStartup::unusableSettings_leftAloneAndStartUpCompletes_data()
{
    QTest::addColumn<QString>("damage");
    QTest::newRow("a folder in its place") << "folder";
    QTest::newRow("a named pipe in its place") << "pipe";
    QTest::newRow("a link to a named pipe") << "link";
    QTest::newRow("a folder in place of its write lock") << "lock";
}

void TestStartup::unusableSettings_leftAloneAndStartUpCompletes()
{
    QFETCH(QString, damage);
    const QString settings = SettingsStore().fileName();
    const QString pipe = settings + QStringLiteral(".pipe");
    const QString lock = settings + QStringLiteral(".lock");
    const auto removeAll = [&] {
        for (const QString &path : {settings, pipe, lock}) {
            QFile::remove(path);
            QDir(path).removeRecursively();
        }
    };
    removeAll();
    const auto cleanUp = qScopeGuard(removeAll);
    QVERIFY(QDir().mkpath(QFileInfo(settings).path()));

    if (damage == QLatin1String("folder")) {
        QVERIFY(QDir().mkpath(settings));
    } else if (damage == QLatin1String("pipe")) {
        QCOMPARE(::mkfifo(QFile::encodeName(settings).constData(), 0600), 0);
    } else if (damage == QLatin1String("link")) {
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        QVERIFY(QFile::link(pipe, settings));
    } else {
        QVERIFY(QDir().mkpath(lock));
    }
    const QByteArray before = snapshot(settings);
    testing::FakeDesktop desktop;
    ProgramContext context(desktop);

    std::unique_ptr<frmMDI> window;
    {
        const PipeWatch watch(damage == QLatin1String("pipe")   ? settings
                              : damage == QLatin1String("link") ? pipe
                                                                : QString());
        window.reset(startMainWindow(context));
        QVERIFY2(!watch.readerSeen(), "start-up opened the pipe and waited on it");
    }
    QVERIFY(window->isVisible());
    QVERIFY(window->isWelcomePanelVisible());
    QVERIFY(window->mdiArea()->subWindowList().isEmpty());
    QVERIFY(desktop.shown.isEmpty());
    QCOMPARE(snapshot(settings), before);
}

void TestStartup::secondInstance_saysSoAndLeavesFirstRunning()
{
    const QString lock = m_home.lockPath();
    QProcess first;
    first.setProcessEnvironment(m_home.environment());
    first.start(QStringLiteral(TZOLKARA_PATH));
    QVERIFY(first.waitForStarted());
    QVERIFY(QTest::qWaitFor([&] { return QFile::exists(lock); }, kWaitMs));

    QProcess second;
    second.setProcessEnvironment(m_home.environment());
    second.start(QStringLiteral(TZOLKARA_PATH));
    QVERIFY(second.waitForFinished(10000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(timesSaidRunning(second), 1);

    QCOMPARE(first.state(), QProcess::Running);
    QVERIFY(QFile::exists(lock));
    first.terminate();
    QVERIFY(first.waitForFinished(10000));
}

void TestStartup::staleLockOfCrashedRun_doesNotBlockStart()
{
    const QString lock = m_home.lockPath();
    QProcess crashed;
    crashed.setProcessEnvironment(m_home.environment());
    crashed.start(QStringLiteral(TZOLKARA_PATH));
    QVERIFY(crashed.waitForStarted());
    QVERIFY(QTest::qWaitFor([&] { return QFile::exists(lock); }, kWaitMs));
    ::kill(pid_t(crashed.processId()), SIGKILL);
    QVERIFY(crashed.waitForFinished(10000));
    QVERIFY(QFile::exists(lock)); // left behind

    QProcess next;
    next.setProcessEnvironment(m_home.environment());
    next.start(QStringLiteral(TZOLKARA_PATH));
    QVERIFY(next.waitForStarted());
    // The new run takes the lock over: the file soon names its process.
    const QByteArray pid = QByteArray::number(next.processId());
    QVERIFY(QTest::qWaitFor(
        [&] {
            QFile file(lock);
            return file.open(QIODevice::ReadOnly) && file.readLine().trimmed() == pid;
        },
        kWaitMs));
    QCOMPARE(next.state(), QProcess::Running);
    next.terminate();
    QVERIFY(next.waitForFinished(10000));
}

void TestStartup::secondStart_bringsRunningCopyToFront()
{
    // This test is the running copy: the real program is the second start.
    SingleInstance running;
    QVERIFY(running.tryAcquire());
    testing::FakeDesktop desktop;
    ProgramContext context(desktop);
    const std::unique_ptr<frmMDI> window(startMainWindow(context));
    QObject::connect(&running, &SingleInstance::activationRequested,
                     [&window] { bringToFront(window.get()); });
    QWidget elsewhere;
    elsewhere.show();
    elsewhere.activateWindow();
    window->showMinimized();
    QVERIFY(QTest::qWaitFor([&] { return elsewhere.isActiveWindow(); }, kWaitMs));

    QProcess second;
    second.setProcessEnvironment(m_home.environment());
    second.start(QStringLiteral(TZOLKARA_PATH));
    QVERIFY(QTest::qWaitFor([&] { return second.state() == QProcess::NotRunning; }, kWaitMs));
    QCOMPARE(timesSaidRunning(second), 1);
    QVERIFY(QTest::qWaitFor([&] { return window->isActiveWindow(); }, kWaitMs));
    QVERIFY(!window->isMinimized());
    QVERIFY(window->isMaximized());
}

void TestStartup::damagedLock_stillOneCopyRuns_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<bool>("fileLockHolds");
    QTest::addColumn<bool>("withoutRootPowers"); // for what root alone could open
    QTest::newRow("empty file") << "empty" << true << false;
    QTest::newRow("random bytes") << "random" << true << false;
    // Files cannot grow: writes fail as in a full folder.
    QTest::newRow("stale lock, full folder (simulated)") << "full-simulated" << true << false;
    QTest::newRow("stale lock in a full tmpfs") << "full-tmpfs" << true << false;
    QTest::newRow("a folder in its place") << "folder" << false << false;
    QTest::newRow("a named pipe in its place") << "fifo" << false << false;
    QTest::newRow("a link to a file elsewhere") << "link" << false << false;
    QTest::newRow("a file the user cannot open") << "unopenable" << false << true;
    QTest::newRow("a read-only runtime folder") << "read-only" << false << true;
}

void TestStartup::damagedLock_stillOneCopyRuns()
{
    QFETCH(QString, damage);
    QFETCH(bool, fileLockHolds);
    QFETCH(bool, withoutRootPowers);
    const QString runtime = m_home.runtimePath();
    const QByteArray runtimePath = QFile::encodeName(runtime);
    const QString lock = m_home.lockPath();
    const QString linkTarget = m_home.filePath(QStringLiteral("elsewhere/target"));

    bool mounted = false;
    const auto restore = qScopeGuard([&] {
        if (mounted)
            ::umount2(runtimePath.constData(), MNT_DETACH);
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    });
    if (damage == QLatin1String("full-tmpfs")) {
        if (::geteuid() != 0)
            QSKIP("mounting a small tmpfs needs root");
        if (::mount("tmpfs", runtimePath.constData(), "tmpfs", 0, "size=64k,mode=0700") != 0)
            QSKIP(qPrintable(QStringLiteral("cannot mount a tmpfs here: ") +
                             QString::fromLocal8Bit(std::strerror(errno))));
        mounted = true;
    }

    if (damage == QLatin1String("folder")) {
        QVERIFY(QDir().mkpath(lock));
    } else if (damage == QLatin1String("fifo")) {
        QCOMPARE(::mkfifo(QFile::encodeName(lock).constData(), 0600), 0);
    } else if (damage == QLatin1String("link")) {
        QVERIFY(QDir().mkpath(QFileInfo(linkTarget).path()));
        QVERIFY(QFile::link(linkTarget, lock));
    } else if (damage == QLatin1String("read-only")) {
        QVERIFY(QFile::setPermissions(runtime, QFile::ReadOwner | QFile::ExeOwner));
    } else {
        QFile file(lock);
        QVERIFY(file.open(QIODevice::WriteOnly));
        if (damage == QLatin1String("random"))
            file.write(QByteArray::fromHex("9f3a00ff7e0a0d1bc4e2885a0a0a41f0"));
        else if (damage.startsWith(QLatin1String("full")))
            file.write(staleLockContents());
        file.close();
        if (damage == QLatin1String("unopenable"))
            QVERIFY(QFile::setPermissions(lock, {}));
        if (damage == QLatin1String("full-tmpfs"))
            fillFolder(runtime);
    }
    const QByteArray lockBefore = snapshot(lock);

    // Declared after the guard: they end before the tmpfs goes.
    QProcess first;
    QProcess second;
    for (QProcess *program : {&first, &second}) {
        program->setProcessEnvironment(m_home.environment());
        program->setChildProcessModifier([damage, withoutRootPowers] {
            if (damage == QLatin1String("full-simulated")) {
                const rlimit nothing = {0, 0};
                ::setrlimit(RLIMIT_FSIZE, &nothing);
                ::signal(SIGXFSZ, SIG_IGN);
            }
            if (withoutRootPowers) {
                // No capabilities, nor again after exec: permissions bind
                // root as they bind a user.
                ::prctl(PR_SET_SECUREBITS, SECBIT_NOROOT | SECBIT_NOROOT_LOCKED);
                __user_cap_header_struct header = {_LINUX_CAPABILITY_VERSION_3, 0};
                __user_cap_data_struct none[2] = {};
                ::syscall(SYS_capset, &header, none);
            }
        });
    }
    const auto end = qScopeGuard([&] {
        for (QProcess *program : {&first, &second}) {
            program->terminate();
            program->waitForFinished(10000);
        }
    });

    // Two starting at once over the damaged lock: exactly one runs.
    first.start(QStringLiteral(TZOLKARA_PATH));
    second.start(QStringLiteral(TZOLKARA_PATH));
    QVERIFY(first.waitForStarted() && second.waitForStarted());
    QVERIFY(QTest::qWaitFor(
        [&] {
            return first.state() == QProcess::NotRunning || second.state() == QProcess::NotRunning;
        },
        kWaitMs));
    QProcess &refused = first.state() == QProcess::NotRunning ? first : second;
    QProcess &running = &refused == &first ? second : first;
    QCOMPARE(refused.exitCode(), 0);
    QCOMPARE(timesSaidRunning(refused), 1);

    // And so does every later start.
    QProcess later;
    later.setProcessEnvironment(m_home.environment());
    later.start(QStringLiteral(TZOLKARA_PATH));
    QVERIFY(later.waitForFinished(10000));
    QCOMPARE(timesSaidRunning(later), 1);

    QCOMPARE(running.state(), QProcess::Running);
    QCOMPARE(timesSaidRunning(running), 0);
    if (fileLockHolds) {
        QVERIFY(QTest::qWaitFor([&] { return lockHolder(lock) == running.processId(); }, kWaitMs));
    } else {
        QCOMPARE(snapshot(lock), lockBefore);
        QVERIFY(!QFile::exists(linkTarget));
    }
}

void TestStartup::startUp_loadsNeitherSvgNorPrinting()
{
    QProcess program;
    program.setProcessEnvironment(m_home.environment());
    program.start(QStringLiteral(TZOLKARA_PATH));
    QVERIFY(program.waitForStarted());
    // Running once its lock names it; the window is up a moment later.
    QVERIFY(QTest::qWaitFor([&] { return lockHolder(m_home.lockPath()) == program.processId(); },
                            kWaitMs));
    QTest::qWait(500);
    QFile maps(QStringLiteral("/proc/%1/maps").arg(program.processId()));
    QVERIFY(maps.open(QIODevice::ReadOnly));
    const QByteArray mapped = maps.readAll();
    program.terminate();
    QVERIFY(program.waitForFinished(kWaitMs));
    QVERIFY(mapped.contains("libQt6Widgets"));
    for (const char *library : {"libQt6Svg", "libQt6PrintSupport", "libtzolkara-ondemand"})
        QVERIFY2(!mapped.contains(library), library);
}

void TestStartup::anotherUser_canNeitherReachNorTakeTheGuard()
{
    if (::geteuid() != 0)
        QSKIP("acting as a second user needs root");
    SingleInstance running;
    QVERIFY(running.tryAcquire());
    const QString folder = m_home.runtimePath();
    const sockaddr_un address = socketAddress(folder + QStringLiteral("/tzolkara.socket"));
    const QByteArray lock = QFile::encodeName(m_home.lockPath());
    const QByteArray fallback = QFile::encodeName(SingleInstance::fallbackFolder());

    // The stranger tries everything that stood in the way of a start
    // before: talking to the guard, and taking its lock or its folder.
    const pid_t stranger = ::fork();
    if (stranger == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0)
            ::_exit(100);
        int reached = 0;
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        if (::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0)
            reached |= 1;
        if (::open(lock.constData(), O_RDWR | O_CREAT, 0666) >= 0)
            reached |= 2;
        if (::mkdir(fallback.constData(), 0777) == 0)
            reached |= 4;
        ::_exit(reached);
    }
    int status = 0;
    QCOMPARE(::waitpid(stranger, &status, 0), stranger);
    QVERIFY(WIFEXITED(status));
    QCOMPARE(WEXITSTATUS(status), 0);

    QProcess second;
    second.setProcessEnvironment(m_home.environment());
    second.start(QStringLiteral(TZOLKARA_PATH));
    QVERIFY(second.waitForFinished(kWaitMs));
    QCOMPARE(timesSaidRunning(second), 1);
}

void TestStartup::guard_listensOnNoNameAnotherUserCouldTake()
{
    SingleInstance running;
    QVERIFY(running.tryAcquire());
    // The sockets this process listens on, as the kernel lists them: a name
    // in the abstract namespace shows as "@name", and any user may bind one
    // first.
    QSet<QByteArray> ours;
    for (const QFileInfo &fd : QDir(QStringLiteral("/proc/self/fd")).entryInfoList(QDir::System)) {
        const QByteArray target = QFile::encodeName(fd.symLinkTarget());
        if (target.contains("socket:["))
            ours.insert(target.mid(target.indexOf('[') + 1).chopped(1));
    }
    QFile table(QStringLiteral("/proc/net/unix"));
    QVERIFY(table.open(QIODevice::ReadOnly));
    QStringList listening;
    for (const QByteArray &line : table.readAll().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        // Num RefCount Protocol Flags Type St Inode Path; flags 10000: listening.
        if (fields.size() >= 8 && ours.contains(fields[6]) && fields[3] == "00010000")
            listening << QString::fromLocal8Bit(fields[7]);
    }
    QCOMPARE(listening, QStringList{m_home.runtimePath() + QStringLiteral("/tzolkara.socket")});
    // In a folder nobody else may enter.
    struct stat folder = {};
    QCOMPARE(::stat(QFile::encodeName(m_home.runtimePath()).constData(), &folder), 0);
    QCOMPARE(folder.st_mode & 077, 0u);
}

void TestStartup::floodOfRequests_stillRefusesASecondStart()
{
    QProcess first;
    first.setProcessEnvironment(m_home.environment());
    first.start(QStringLiteral(TZOLKARA_PATH));
    QVERIFY(first.waitForStarted());
    const QString socket = m_home.runtimePath() + QStringLiteral("/tzolkara.socket");
    QVERIFY(QTest::qWaitFor([&] { return QFileInfo(socket).exists(); }, kWaitMs));

    // A program of the user's own that connects and hangs up without end.
    std::atomic<bool> stop = false;
    std::atomic<long> connections = 0;
    std::thread flood([&, address = socketAddress(socket)] {
        while (!stop) {
            const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0);
            if (::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0)
                ++connections;
            ::close(fd);
        }
    });
    const auto endFlood = qScopeGuard([&] {
        stop = true;
        flood.join();
        first.terminate();
        first.waitForFinished(kWaitMs);
    });
    const long ticksBefore = processorTicks(first.processId());
    QElapsedTimer timer;
    timer.start();

    QProcess second;
    second.setProcessEnvironment(m_home.environment());
    second.start(QStringLiteral(TZOLKARA_PATH));
    QVERIFY(second.waitForFinished(kWaitMs));
    QCOMPARE(timesSaidRunning(second), 1);
    QCOMPARE(first.state(), QProcess::Running);
    QTest::qWait(1000);
    const double seconds = timer.elapsed() / 1000.0;
    // A figure to read, not a goal to hold a slow machine to.
    qInfo("%ld connections in %.1f s cost the running program %.1f%% of a core", long(connections),
          seconds,
          100.0 * double(processorTicks(first.processId()) - ticksBefore) /
              double(::sysconf(_SC_CLK_TCK)) / seconds);
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
