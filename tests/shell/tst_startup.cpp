#include "app/Startup.h"
#include "common/ClockForTests.h"
#include "common/MessageBox.h"
#include "shell/SettingsStore.h"
#include "shell/UpdateReminder.h"
#include "shell/frmMDI.h"
#include "support/UrlCatcher.h"

#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <memory>

using namespace tzolkara;

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void reminderRunsBeforeMainWindow();
    void mainWindow_opensInWelcomeStateEvenWhenSettingsCannotBeWritten();

    void secondInstance_saysSoAndLeavesFirstRunning();
    void staleLockOfCrashedRun_doesNotBlockStart();

private:
    QProcessEnvironment isolatedEnvironment() const;
    static bool waitFor(const std::function<bool()> &condition, int ms = 10000);

    QTemporaryDir m_home;
};

void TestStartup::initTestCase()
{
    MessageBox::recordShownMessages(true);
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_home.isValid());
    QVERIFY(QDir(m_home.path()).mkdir(QStringLiteral("runtime")));
    QFile::setPermissions(m_home.filePath(QStringLiteral("runtime")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void TestStartup::reminderRunsBeforeMainWindow()
{
    QFile::remove(SettingsStore().fileName());
    QVERIFY(SettingsStore().write(kSettingsSection, kLastReminderDateKey,
                                  QStringLiteral("2026-01-01")));
    testing::setToday(QDate(2026, 12, 7));
    MessageBox::clearShown();
    MessageBox::setNextAnswer(MessageBox::Answer::Yes);
    UrlCatcher urls;
    bool mainWindowExistedAtQuestion = true;
    urls.onOpen = [&](const QUrl &) { mainWindowExistedAtQuestion = frmMDI::instance(); };

    const std::unique_ptr<frmMDI> window(startMainWindow());
    QCOMPARE(MessageBox::shown().size(), 1);
    QCOMPARE(urls.opened.size(), 1);
    QVERIFY(!mainWindowExistedAtQuestion);
    QVERIFY(window->isVisible());
    QVERIFY(window->isWelcomePanelVisible());
    testing::setToday(QDate());
}

void TestStartup::mainWindow_opensInWelcomeStateEvenWhenSettingsCannotBeWritten()
{
    const QString settings = SettingsStore().fileName();
    QFile::remove(settings);
    QVERIFY(QDir().mkpath(settings)); // a folder in its place: nothing can be written
    MessageBox::clearShown();

    const std::unique_ptr<frmMDI> window(startMainWindow());
    QVERIFY(window->isVisible());
    QVERIFY(window->isWelcomePanelVisible());
    QVERIFY(window->mdiArea()->subWindowList().isEmpty());
    QVERIFY(MessageBox::shown().isEmpty());
    QDir(settings).removeRecursively();
}

QProcessEnvironment TestStartup::isolatedEnvironment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("HOME"), m_home.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_home.filePath(QStringLiteral("runtime")));
    return env;
}

bool TestStartup::waitFor(const std::function<bool()> &condition, int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > ms)
            return false;
        QTest::qWait(20);
    }
    return true;
}

void TestStartup::secondInstance_saysSoAndLeavesFirstRunning()
{
    const QString lock = m_home.filePath(QStringLiteral("runtime/tzolkara.lock"));
    QProcess first;
    first.setProcessEnvironment(isolatedEnvironment());
    first.start(QStringLiteral(TZOLKARA_PATH));
    QVERIFY(first.waitForStarted());
    QVERIFY(waitFor([&] { return QFile::exists(lock); }));

    QProcess second;
    second.setProcessEnvironment(isolatedEnvironment());
    second.start(QStringLiteral(TZOLKARA_PATH));
    QVERIFY(second.waitForFinished(10000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    const QString said = QString::fromLocal8Bit(second.readAllStandardError());
    QCOMPARE(said.count(QStringLiteral("Application is already running")), 1);

    QCOMPARE(first.state(), QProcess::Running);
    QVERIFY(QFile::exists(lock));
    first.terminate();
    QVERIFY(first.waitForFinished(10000));
}

void TestStartup::staleLockOfCrashedRun_doesNotBlockStart()
{
    const QString lock = m_home.filePath(QStringLiteral("runtime/tzolkara.lock"));
    QProcess crashed;
    crashed.setProcessEnvironment(isolatedEnvironment());
    crashed.start(QStringLiteral(TZOLKARA_PATH));
    QVERIFY(crashed.waitForStarted());
    QVERIFY(waitFor([&] { return QFile::exists(lock); }));
    ::kill(pid_t(crashed.processId()), SIGKILL);
    QVERIFY(crashed.waitForFinished(10000));
    QVERIFY(QFile::exists(lock)); // left behind

    QProcess next;
    next.setProcessEnvironment(isolatedEnvironment());
    next.start(QStringLiteral(TZOLKARA_PATH));
    QVERIFY(next.waitForStarted());
    // The new run takes the lock over: the file soon names its process.
    const QByteArray pid = QByteArray::number(next.processId());
    QVERIFY(waitFor([&] {
        QFile file(lock);
        return file.open(QIODevice::ReadOnly) && file.readLine().trimmed() == pid;
    }));
    QCOMPARE(next.state(), QProcess::Running);
    next.terminate();
    QVERIFY(next.waitForFinished(10000));
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
