// A reading saved as PDF, read back as a PDF viewer reads it.

#include "common/FileDialog.h"
#include "common/MessageBox.h"
#include "support/ScreenDriver.h"

#include <QAction>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace tzolkara;

namespace {

QString run(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QStringLiteral("<%1 failed>").arg(tool);
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

class TestPdfExport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void reading_savesItsPicturesTextAndPages_data();
    void reading_savesItsPicturesTextAndPages();
    void failedSave_saysWhyAndKeepsTheOldFile();

private:
    QString exportFrom(Start start);
    QTemporaryDir m_dir;
};

void TestPdfExport::initTestCase()
{
    QVERIFY(m_dir.isValid());
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed; scripts/install-deps installs it.");
}

// Opens the reading's screen, asks for the PDF and returns the path written.
QString TestPdfExport::exportFrom(Start start)
{
    ScreenDriver ui;
    QWidget *screen = ui.reach(start);
    const QString path = m_dir.filePath(QStringLiteral("reading.pdf"));
    QFile::remove(path);
    FileDialog::setNextFileName(path);
    if (start == Start::TarotResult)
        ScreenDriver::child<QAction>(screen, "mnuSavePdf")->trigger();
    else
        ScreenDriver::click(screen, "cmdSavePdf");
    return path;
}

void TestPdfExport::reading_savesItsPicturesTextAndPages_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("suggested");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("astrology") << int(Start::AstrologyReport) << "Ana - 2012-12-21.pdf"
                               << QStringList{QStringLiteral("Date of birth: December 21, 2012"),
                                              QStringLiteral("Calendar Round: 4 Ajaw 3 K'ank'in"),
                                              QStringLiteral("Mayan Day Sign: AJPU - (AHUA)")};
    QTest::newRow("numerology") << int(Start::NumerologyReport) << "Ana - 2012-12-21.pdf"
                                << QStringList{QStringLiteral("Date of birth: December 21, 2012"),
                                               QStringLiteral("Long Count: 13.0.0.0.0"),
                                               QStringLiteral("Mayan Number: 4")};
    QTest::newRow("tarot")
        << int(Start::TarotResult)
        << QStringLiteral("Ana - %1.pdf").arg(QDate::currentDate().toString(Qt::ISODate))
        << QStringList{QStringLiteral("Tzolkara Mayan Astrology Tarot Reading"),
                       QStringLiteral("Occult Position:"), QStringLiteral("Guide")};
}

void TestPdfExport::reading_savesItsPicturesTextAndPages()
{
    QFETCH(int, start);
    QFETCH(QString, suggested);
    QFETCH(QStringList, texts);
    const QString path = exportFrom(Start(start));
    QCOMPARE(FileDialog::lastRequest().initialName, suggested);
    QCOMPARE(FileDialog::lastRequest().defaultSuffix, QStringLiteral("pdf"));

    const QString text =
        run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    QVERIFY2(text.contains(QStringLiteral("Ana")), qPrintable(text.left(300)));
    for (const QString &expected : texts)
        QVERIFY2(text.contains(expected), qPrintable(expected));
    QVERIFY(text.contains(QStringLiteral("Tzolkara v1.15")));
    QVERIFY(text.contains(QStringLiteral("Page 1 of ")));

    const QString info = run(QStringLiteral("pdfinfo"), {path});
    QVERIFY2(info.contains(QStringLiteral("reading for Ana")), qPrintable(info));
    QVERIFY2(info.contains(QStringLiteral("Author:          Tzolkara")), qPrintable(info));
    // The pictures went in as vector drawings, not as bitmaps.
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(!file.readAll().contains("/Subtype /Image"));
}

void TestPdfExport::failedSave_saysWhyAndKeepsTheOldFile()
{
    ScreenDriver ui;
    QWidget *report = ui.reach(Start::AstrologyReport);
    const QString folder = m_dir.filePath(QStringLiteral("no-such-folder"));
    FileDialog::setNextFileName(folder + QStringLiteral("/reading.pdf"));
    ScreenDriver::click(report, "cmdSavePdf");
    QCOMPARE(MessageBox::shown().size(), 1);
    QVERIFY(MessageBox::shown().constFirst().text.startsWith(
        QStringLiteral("The reading could not be saved to ")));
    QVERIFY(!QFile::exists(folder));
}

QTEST_MAIN(TestPdfExport)
#include "tst_pdfexport.moc"
