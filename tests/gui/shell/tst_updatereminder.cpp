// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/settings/SettingsStore.h"
#include "core/settings/UpdateReminder.h"
#include "gui/shell/modHelp.h"
#include "support/FakeDesktop.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSettings>
#include <QSysInfo>
#include <QTest>

#include <sys/wait.h>
#include <unistd.h>

using namespace tzolkara;

namespace {

const QDate kToday(2026, 12, 7);
const QString kDownloadPage =
    QStringLiteral("https://www.tzolkara.example/tzolkara/download-tzolkara.html");
const QString kQuestion = QStringLiteral(
    "There maybe an update to this software available\rDo you want to check for an update?");

QString storedDate()
{
    return SettingsStore()
        .read(kSettingsSection, kLastReminderDateKey)
        .value_or(QStringLiteral("<not a text>"));
}

QString configHome()
{
    return QFile::decodeName(qgetenv("XDG_CONFIG_HOME"));
}

void storeDate(const QString &text)
{
    QVERIFY(SettingsStore().write(kSettingsSection, kLastReminderDateKey, text));
}

} // namespace

class TestUpdateReminder : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void decision_data();
    void decision();

    void firstRun_storesTodayWithoutQuestion();
    void storedKeyAndValue_areEncodedInTheSettingsFile();
    void fourteenDaysAgo_asksNothingAndKeepsDate();
    void fifteenDaysAgo_asksAndNoOpensNothing();
    void twentyDaysAhead_yesOpensDownloadPageAfterStoringToday();
    void handEditedValue_asksNothingAndChangesNothing_data();
    void handEditedValue_asksNothingAndChangesNothing();
    void unwritableStore_isIgnored();
    void settingsNotTheProgramsOwn_replacedBySmallGoodFile_data();
    void settingsNotTheProgramsOwn_replacedBySmallGoodFile();
    void linkedSettings_writtenThroughOnlyToTheProgramsOwn_data();
    void linkedSettings_writtenThroughOnlyToTheProgramsOwn();
    void leftoverWriteLock_neverWaits_data();
    void leftoverWriteLock_neverWaits();

private:
    // As at every start: the settings as they are on disk now.
    void checkReminder()
    {
        SettingsStore settings;
        modHelp::CheckUpdateReminder(m_desktop, settings);
    }

    testing::FakeDesktop m_desktop;
};

void TestUpdateReminder::initTestCase() {}

void TestUpdateReminder::init()
{
    m_desktop.fixedToday = kToday;
    m_desktop.shown.clear();
    m_desktop.opened.clear();
    m_desktop.onOpen = nullptr;
    // As on a new account: not even ~/.config.
    QDir(configHome()).removeRecursively();
}

void TestUpdateReminder::cleanup()
{
    init();
}

void TestUpdateReminder::decision_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("action");
    const int ask = int(ReminderAction::Ask);
    const int nothing = int(ReminderAction::Nothing);
    QTest::newRow("empty") << QString() << int(ReminderAction::RecordFirstRun);
    QTest::newRow("today") << "2026-12-07" << nothing;
    QTest::newRow("14 days ago") << "2026-11-23" << nothing;
    QTest::newRow("15 days ago") << "2026-11-22" << ask;
    QTest::newRow("a year ago") << "2025-12-07" << ask;
    QTest::newRow("14 days ahead") << "2026-12-21" << nothing;
    QTest::newRow("15 days ahead") << "2026-12-22" << ask;
    QTest::newRow("20 days ahead") << "2026-12-27" << ask;
    QTest::newRow("local short format") << "07/12/2026" << nothing;
    QTest::newRow("impossible day") << "2026-02-30" << nothing;
    QTest::newRow("blank around") << " 2026-11-01 " << nothing;
    QTest::newRow("garbage") << "not a date" << nothing;
}

void TestUpdateReminder::decision()
{
    QFETCH(QString, stored);
    QFETCH(int, action);
    QCOMPARE(int(decideUpdateReminder(stored, kToday)), action);
}

void TestUpdateReminder::firstRun_storesTodayWithoutQuestion()
{
    QVERIFY(!QFileInfo::exists(configHome()));
    checkReminder();
    QVERIFY(m_desktop.shown.isEmpty());
    QVERIFY(m_desktop.opened.isEmpty());
    QCOMPARE(storedDate(), QStringLiteral("2026-12-07"));
}

void TestUpdateReminder::storedKeyAndValue_areEncodedInTheSettingsFile()
{
    checkReminder();
    QSettings file(SettingsStore().fileName(), QSettings::IniFormat);
    file.beginGroup(QStringLiteral("Settings"));
    // "Duration" and "2026-12-07", each byte raised by 47.
    const QString key = QString::fromLatin1("s\xA4\xA1") + QChar(0x90) +
                        QString::fromLatin1("\xA3") + QChar(0x2DC) + QChar(0x17E) + QChar(0x9D);
    QCOMPARE(file.childKeys(), QStringList{key});
    QCOMPARE(file.value(key).toString(), QStringLiteral("a_ae\\`a\\_f"));

    QFile raw(SettingsStore().fileName());
    QVERIFY(raw.open(QIODevice::ReadOnly));
    const QByteArray text = raw.readAll();
    QVERIFY(!text.contains("Duration"));
    QVERIFY(!text.contains("2026"));
}

void TestUpdateReminder::fourteenDaysAgo_asksNothingAndKeepsDate()
{
    storeDate(QStringLiteral("2026-11-23"));
    checkReminder();
    QVERIFY(m_desktop.shown.isEmpty());
    QCOMPARE(storedDate(), QStringLiteral("2026-11-23"));
}

void TestUpdateReminder::fifteenDaysAgo_asksAndNoOpensNothing()
{
    storeDate(QStringLiteral("2026-11-22"));
    m_desktop.nextAnswer = false;
    checkReminder();
    QCOMPARE(m_desktop.shown.size(), 1);
    const testing::FakeDesktop::Shown &question = m_desktop.shown.constFirst();
    QCOMPARE(question.text, kQuestion);
    QCOMPARE(question.icon, testing::FakeDesktop::Icon::Information);
    QCOMPARE(question.buttons, testing::FakeDesktop::Buttons::YesNo);
    QVERIFY(m_desktop.opened.isEmpty());
    QCOMPARE(storedDate(), QStringLiteral("2026-12-07"));
}

void TestUpdateReminder::twentyDaysAhead_yesOpensDownloadPageAfterStoringToday()
{
    QString storedWhenOpened;
    m_desktop.onOpen = [&](const QUrl &) { storedWhenOpened = storedDate(); };
    storeDate(QStringLiteral("2026-12-27"));
    m_desktop.nextAnswer = true;
    checkReminder();
    QCOMPARE(m_desktop.shown.size(), 1);
    QCOMPARE(m_desktop.openedAddresses(), QStringList{kDownloadPage});
    QCOMPARE(storedWhenOpened, QStringLiteral("2026-12-07"));
}

void TestUpdateReminder::handEditedValue_asksNothingAndChangesNothing_data()
{
    // The value as it ends up in the file; "$" is what the program wrote.
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QByteArray>("inFile");
    QTest::newRow("not a date") << "edited by hand" << QByteArray("$");
    QTest::newRow("a comma after a date that would ask") << "2026-01-01" << QByteArray("$, 1");
    QTest::newRow("read as no value at all") << "2026-01-01" << QByteArray("@Invalid()");
}

void TestUpdateReminder::handEditedValue_asksNothingAndChangesNothing()
{
    QFETCH(QString, stored);
    QFETCH(QByteArray, inFile);
    storeDate(stored);
    QFile file(SettingsStore().fileName());
    QVERIFY(file.open(QIODevice::ReadWrite));
    QByteArray text = file.readAll();
    const qsizetype from = text.indexOf('=') + 1;
    const qsizetype length = text.indexOf('\n', from) - from;
    text.replace(from, length, inFile.replace("$", text.mid(from, length)));
    QVERIFY(file.resize(0) && file.write(text) == text.size());
    file.close();

    checkReminder();
    QVERIFY(m_desktop.shown.isEmpty());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), text);
}

void TestUpdateReminder::unwritableStore_isIgnored()
{
    // A folder where the settings file should be: nothing can be written.
    QVERIFY(QDir().mkpath(SettingsStore().fileName()));
    QVERIFY(!SettingsStore().write(kSettingsSection, kLastReminderDateKey,
                                   QStringLiteral("2026-12-07")));
    checkReminder();
    QVERIFY(m_desktop.shown.isEmpty());
    QVERIFY(storedDate().isEmpty());
}

void TestUpdateReminder::settingsNotTheProgramsOwn_replacedBySmallGoodFile_data()
{
    QTest::addColumn<QByteArray>("contents");
    QRandomGenerator random(20121221);
    QByteArray noise(SettingsStore::kMaxFileSize, Qt::Uninitialized);
    for (char &c : noise)
        c = char(random.bounded(256));
    QTest::newRow("64 KiB of random bytes") << noise;
    QByteArray long_ = "[Settings]\n" +
                       SettingsStore::encoded(QStringLiteral("Duration")).toLatin1() + "=" +
                       SettingsStore::encoded(QStringLiteral("2026-01-01")).toLatin1() + "\n";
    while (long_.size() <= SettingsStore::kMaxFileSize)
        long_ += "; a comment to make the file long\n";
    QTest::newRow("65 KiB, with a date that would ask") << long_;
    QTest::newRow("another program's entries") << QByteArray("[General]\nsize=3\n");
    // Entries of the program's own section that grow when written back:
    // never written larger than the limit, not even once.
    QByteArray grows = "[Settings]\n";
    for (int i = 0; grows.size() < SettingsStore::kMaxFileSize - 100; ++i)
        grows += "k" + QByteArray::number(i) + "=\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\x01\x02\x03\n";
    QTest::newRow("its own section, 64 KiB that grow when written") << grows;
}

void TestUpdateReminder::settingsNotTheProgramsOwn_replacedBySmallGoodFile()
{
    QFETCH(QByteArray, contents);
    const QString settings = SettingsStore().fileName();
    QVERIFY(QDir().mkpath(QFileInfo(settings).path()));
    QFile file(settings);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size());
    file.close();

    checkReminder();
    QVERIFY(m_desktop.shown.isEmpty());
    QVERIFY2(QFileInfo(settings).size() < 100,
             qPrintable(QString::number(QFileInfo(settings).size())));
    QCOMPARE(storedDate(), QStringLiteral("2026-12-07"));
    QCOMPARE(QDir(QFileInfo(settings).path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QFileInfo(settings).fileName()});
}

void TestUpdateReminder::linkedSettings_writtenThroughOnlyToTheProgramsOwn_data()
{
    QTest::addColumn<QByteArray>("target");
    QTest::addColumn<bool>("written");
    QTest::newRow("someone's notes") << QByteArray("my precious notes\n") << false;
    QTest::newRow("a file yet to be") << QByteArray() << false;
    QTest::newRow("the program's own settings, kept elsewhere")
        << "[Settings]\n" + SettingsStore::encoded(QStringLiteral("Duration")).toUtf8() + "=" +
               SettingsStore::encoded(QStringLiteral("2026-11-23")).toUtf8() + "\n"
        << true;
}

void TestUpdateReminder::linkedSettings_writtenThroughOnlyToTheProgramsOwn()
{
    QFETCH(QByteArray, target);
    QFETCH(bool, written);
    const QString settings = SettingsStore().fileName();
    const QString elsewhere = QDir::home().filePath(QStringLiteral("notes.txt"));
    QFile::remove(elsewhere);
    if (!target.isEmpty()) {
        QFile file(elsewhere);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(target) == target.size());
    }
    QVERIFY(QDir().mkpath(QFileInfo(settings).path()));
    QVERIFY(QFile::link(elsewhere, settings));

    QCOMPARE(
        SettingsStore().write(kSettingsSection, kLastReminderDateKey, QStringLiteral("2026-12-07")),
        written);
    QVERIFY(QFileInfo(settings).isSymLink());
    QCOMPARE(storedDate(), written ? QStringLiteral("2026-12-07") : QString());
    if (!written) {
        QFile file(elsewhere);
        QCOMPARE(file.exists(), !target.isEmpty());
        QVERIFY(target.isEmpty() || (file.open(QIODevice::ReadOnly) && file.readAll() == target));
    }
    QFile::remove(elsewhere);
}

void TestUpdateReminder::leftoverWriteLock_neverWaits_data()
{
    // A process that has ended, for a lock it left behind.
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    const QByteArray endedProcess =
        QByteArray::number(child) + "\ntzolkara\n" + QSysInfo::machineHostName().toUtf8() + "\n";

    QTest::addColumn<QByteArray>("lock");
    QTest::addColumn<bool>("written");
    // A damaged lock only ages out (after 30 s): the write is left for a later start.
    QTest::newRow("empty, just made") << QByteArray() << false;
    QTest::newRow("garbage, just made") << QByteArrayLiteral("\xff\xfe not a lock") << false;
    QTest::newRow("left by a process that has ended") << endedProcess << true;
}

void TestUpdateReminder::leftoverWriteLock_neverWaits()
{
    QFETCH(QByteArray, lock);
    QFETCH(bool, written);
    const QString settings = SettingsStore().fileName();
    QVERIFY(QDir().mkpath(QFileInfo(settings).path()));
    QFile lockFile(settings + QStringLiteral(".lock"));
    QVERIFY(lockFile.open(QIODevice::WriteOnly));
    lockFile.write(lock);
    lockFile.close();

    QElapsedTimer timer;
    timer.start();
    QCOMPARE(
        SettingsStore().write(kSettingsSection, kLastReminderDateKey, QStringLiteral("2026-12-07")),
        written);
    // QSettings itself would wait up to 30 s on a damaged lock.
    QVERIFY2(timer.elapsed() < 10000, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(storedDate(), written ? QStringLiteral("2026-12-07") : QString());
    QCOMPARE(lockFile.exists(), !written);
    lockFile.remove();
}

QTEST_MAIN(TestUpdateReminder)
#include "tst_updatereminder.moc"
