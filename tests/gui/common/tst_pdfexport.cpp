// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A reading saved as PDF, read back as a PDF viewer reads it.

#include "core/common/Version.h"
#include "gui/common/ReadingPdf.h"
#include "support/ScreenDriver.h"

#include <QAction>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QXmlStreamReader>

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
    void chineseName_isInTheTextLayerAsPlainWords();
    void tarot_showsTheCastDayInTheMayaCalendar();
    void metadata_isWellFormedWhateverTheName();
    void suggestedFileName_fitsAFileNameWhole_data();
    void suggestedFileName_fitsAFileNameWhole();

private:
    // The file dialog the export asked for.
    QString exportFrom(Start start, FileRequest *request);
    QTemporaryDir m_dir;
};

void TestPdfExport::initTestCase()
{
    QVERIFY(m_dir.isValid());
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed; scripts/install-deps installs it.");
}

// Opens the reading's screen, asks for the PDF and returns the path written.
QString TestPdfExport::exportFrom(Start start, FileRequest *request)
{
    ScreenDriver ui;
    QWidget *screen = ui.reach(start);
    const QString path = m_dir.filePath(QStringLiteral("reading.pdf"));
    QFile::remove(path);
    ui.desktop().setNextFileName(path);
    if (start == Start::TarotResult)
        ScreenDriver::child<QAction>(screen, "mnuSavePdf")->trigger();
    else
        ScreenDriver::click(screen, "cmdSavePdf");
    *request = ui.desktop().lastRequest();
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
    QTest::newRow("tarot") << int(Start::TarotResult) << QStringLiteral("Ana - 2026-12-07.pdf")
                           << QStringList{QStringLiteral("Tzolkara Mayan Astrology Tarot Reading"),
                                          QStringLiteral("Occult Position:"),
                                          QStringLiteral("Guide")};
}

void TestPdfExport::reading_savesItsPicturesTextAndPages()
{
    QFETCH(int, start);
    QFETCH(QString, suggested);
    QFETCH(QStringList, texts);
    FileRequest request;
    const QString path = exportFrom(Start(start), &request);
    QCOMPARE(request.initialName, suggested);
    QCOMPARE(request.defaultSuffix, QStringLiteral("pdf"));

    const QString text =
        run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    QVERIFY2(text.contains(QStringLiteral("Ana")), qPrintable(text.left(300)));
    for (const QString &expected : texts)
        QVERIFY2(text.contains(expected), qPrintable(expected));
    QVERIFY(text.contains(QStringLiteral("Tzolkara v" TZOLKARA_VERSION)));
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
    ui.desktop().setNextFileName(folder + QStringLiteral("/reading.pdf"));
    ScreenDriver::click(report, "cmdSavePdf");
    QCOMPARE(ui.desktop().shown.size(), 1);
    QVERIFY(ui.desktop().shown.constFirst().text.startsWith(
        QStringLiteral("The reading could not be saved to ")));
    QVERIFY(!QFile::exists(folder));
}

void TestPdfExport::chineseName_isInTheTextLayerAsPlainWords()
{
    const QString name = QStringLiteral("王小明");
    ScreenDriver ui;
    QWidget *entry = ui.reach(Start::AstrologyEntry);
    ScreenDriver::enter(entry, name, QStringLiteral("December"), 21, 2012);
    ScreenDriver::click(entry, "cmdCalculate");
    ScreenDriver::click(ui.screen(ScreenId::AstrologyResult), "cmdSave");
    const QString path = m_dir.filePath(QStringLiteral("chinese.pdf"));
    ui.desktop().setNextFileName(path);
    ScreenDriver::click(ui.screen(ScreenId::AstrologySave), "cmdSavePdf");

    const QString text = run(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    QVERIFY2(text.contains(name), qPrintable(text.left(300)));
    // Words with "fi" and "ff", as a search for them types them.
    QVERIFY2(text.contains(QStringLiteral("Mayan Significance:")), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("Date of birth")));
    QVERIFY(!text.contains(QRegularExpression(QStringLiteral("[\\x{fb00}-\\x{fb06}]"))));
}

void TestPdfExport::tarot_showsTheCastDayInTheMayaCalendar()
{
    ScreenDriver ui;
    ui.desktop().fixedToday = QDate(2012, 12, 21);
    QWidget *result = ui.reach(Start::TarotResult);
    ui.desktop().fixedToday = QDate(2013, 1, 2); // the PDF is made on a later day
    const QString path = m_dir.filePath(QStringLiteral("tarot.pdf"));
    ui.desktop().setNextFileName(path);
    ScreenDriver::child<QAction>(result, "mnuSavePdf")->trigger();

    QCOMPARE(ui.desktop().lastRequest().initialName, QStringLiteral("Ana - 2012-12-21.pdf"));
    const QString text =
        run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    for (const char *line : {"Reading of 21 December 2012", "Long Count: 13.0.0.0.0",
                             "Calendar Round: 4 Ajaw 3 K'ank'in"})
        QVERIFY2(text.contains(QLatin1String(line)), line);
}

void TestPdfExport::metadata_isWellFormedWhateverTheName()
{
    // Control characters can come from a reading file; half an emoji from a cut.
    const QString name = QStringLiteral("A\u0001n\u001ba & <B>\u0085") + QChar(0xd83d);
    QTextDocument body(QStringLiteral("Text"));
    const QByteArray pdf = ReadingPdf::render(QStringLiteral("Reading for ") + name, {}, body);

    const qsizetype start = pdf.indexOf("<x:xmpmeta");
    const qsizetype end = pdf.indexOf("</x:xmpmeta>");
    QVERIFY(start >= 0 && end > start);
    QXmlStreamReader xmp(pdf.mid(start, end - start + 12));
    QString title;
    while (!xmp.atEnd()) {
        if (xmp.readNext() == QXmlStreamReader::StartElement && xmp.name() == u"li" &&
            title.isEmpty())
            title = xmp.readElementText();
    }
    QVERIFY2(!xmp.hasError(), qPrintable(xmp.errorString()));
    QCOMPARE(title, QStringLiteral("Reading for Ana & <B>"));

    const QString path = m_dir.filePath(QStringLiteral("metadata.pdf"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(pdf) == pdf.size());
    file.close();
    const QString info = run(QStringLiteral("pdfinfo"), {path});
    QVERIFY2(info.contains(QStringLiteral("Title:           Reading for Ana & <B>\n")),
             qPrintable(info));
}

void TestPdfExport::suggestedFileName_fitsAFileNameWhole_data()
{
    // The date and ending take 17 of a file name's 255 bytes.
    const QString emoji = QStringLiteral("\U0001F600");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kept");
    QTest::newRow("Chinese, 3 bytes each")
        << QString(100, QChar(0x738b)) << QString(79, QChar(0x738b));
    QTest::newRow("emoji at the cut")
        << QStringLiteral("a") + emoji.repeated(100) << QStringLiteral("a") + emoji.repeated(59);
    QTest::newRow("accent kept with its letter")
        << QStringLiteral("a").repeated(237) + QStringLiteral("e\u0301")
        << QStringLiteral("a").repeated(237);
    QTest::newRow("half an emoji, then slashes")
        << QStringLiteral("Ana/") + emoji.left(1) + QStringLiteral("x/y")
        << QStringLiteral("Anaxy");
    QTest::newRow("control characters, and line breaks as blanks")
        << QStringLiteral("\u0001An\u007fa\tMar\u001bia\r\n\u0085") << QStringLiteral("Ana Maria");
    QTest::newRow("format characters and noncharacters")
        << QStringLiteral("Ana\u202Efdp.exe\u200b\ufffe\U0010FFFF\ufdd0")
        << QStringLiteral("Anafdp.exe");
    QTest::newRow("nothing left") << QStringLiteral("../\u0007") << QStringLiteral("Reading");
}

void TestPdfExport::suggestedFileName_fitsAFileNameWhole()
{
    QFETCH(QString, name);
    QFETCH(QString, kept);
    const QString suggested = ReadingPdf::suggestedFileName(name, QStringLiteral("2012-12-21"));
    QCOMPARE(suggested, kept + QStringLiteral(" - 2012-12-21.pdf"));
    QVERIFY(suggested.toUtf8().size() <= 255);
}

QTEST_MAIN(TestPdfExport)
#include "tst_pdfexport.moc"
