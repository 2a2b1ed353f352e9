// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/ProgramContext.h"
#include "core/engine/KinEngine.h"
#include "core/readings/ReadingFile.h"
#include "core/readings/ReportRuns.h"
#include "gui/common/Fonts.h"
#include "gui/readings/ReportScreen.h"
#include "gui/shell/frmMDI.h"
#include "support/FakeDesktop.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMap>
#include <QMdiArea>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTextEdit>

#include <cerrno>
#include <cstring>

#include <sys/mount.h>
#include <unistd.h>

using namespace tzolkara;

Q_DECLARE_METATYPE(tzolkara::ReportScreen::Kind)

namespace {

using Kind = ReportScreen::Kind;

const QColor kLabelColour(128, 0, 128);
const QColor kValueColour(0, 0, 0);
const QColor kHeadingColour(0, 128, 0);

// A stand-in for the result screen beneath the report.
class ResultStandIn final : public ProgramScreen
{
public:
    ResultStandIn(ScreenId id, Navigator &navigator) : ProgramScreen(id, navigator)
    {
        auto *content = new QLabel(QStringLiteral("result"));
        content->setFixedSize(300, 200);
        setContent(content);
    }
};

void calculate(KinEngine &engine, const QString &name, int year, const QString &month, int day)
{
    engine.state().UserName = name;
    engine.state().BirthYear = static_cast<qint16>(year);
    engine.state().BirthMonth = month;
    engine.state().BirthDay = static_cast<qint16>(day);
    engine.CalculateReading();
}

ScreenId reportId(Kind kind)
{
    return kind == Kind::Astrology ? ScreenId::AstrologySave : ScreenId::NumerologySave;
}

ScreenId resultId(Kind kind)
{
    return kind == Kind::Astrology ? ScreenId::AstrologyResult : ScreenId::NumerologyResult;
}

ReportRuns expectedRuns(Kind kind, const KinEngine &engine)
{
    const ReadingState &state = engine.state();
    return kind == Kind::Astrology ? composeAstrologyReport(state, reportTrailer())
                                   : composeNumerologyReport(state, reportTrailer());
}

// The report as the text box holds it: one paragraph per line.
QString asBoxText(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// The format of the character that starts at `position`.
QTextCharFormat formatAt(QTextDocument *document, int position)
{
    QTextCursor cursor(document);
    cursor.setPosition(position + 1);
    return cursor.charFormat();
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The text a PDF written by Qt shows, in drawing order, with every run of
// white space made one blank: enough to tell which words were printed.
// Qt draws text as glyph numbers of embedded font subsets, compressed; each
// font's ToUnicode map turns them back into characters.
QString pdfText(const QByteArray &pdf)
{
    QMap<int, QByteArray> objects; // by number, which is also drawing order
    static const QRegularExpression objectPattern(QStringLiteral("(\\d+) 0 obj\\n(.*?)endobj"),
                                                  QRegularExpression::DotMatchesEverythingOption);
    const QString latin1 = QString::fromLatin1(pdf);
    for (auto it = objectPattern.globalMatch(latin1); it.hasNext();) {
        const auto match = it.next();
        objects.insert(match.captured(1).toInt(), match.captured(2).toLatin1());
    }
    auto streamOf = [](const QByteArray &object) {
        const qsizetype start = object.indexOf("stream\n") + 7;
        const qsizetype end = object.lastIndexOf("endstream");
        if (start < 7 || end < start)
            return QByteArray();
        QByteArray data = object.mid(start, end - start);
        if (!object.contains("/FlateDecode"))
            return data;
        // qUncompress wants the size up front; it grows the buffer as needed.
        return qUncompress(QByteArray("\x00\x10\x00\x00", 4) + data);
    };
    auto hexCodes = [](const QByteArray &hex) {
        QList<uint> codes;
        for (qsizetype i = 0; i + 4 <= hex.size(); i += 4)
            codes << hex.mid(i, 4).toUInt(nullptr, 16);
        return codes;
    };

    // Font resource name ("F7") to its glyph-to-character map.
    QMap<QByteArray, QMap<uint, QString>> fonts;
    static const QRegularExpression fontPattern(QStringLiteral("/(F\\d+) (\\d+) 0 R"));
    static const QRegularExpression rangePattern(
        QStringLiteral("<([0-9A-F]+)> <([0-9A-F]+)> \\[([^\\]]*)\\]"));
    static const QRegularExpression hexPattern(QStringLiteral("<([0-9A-F]+)>"));
    for (auto it = fontPattern.globalMatch(latin1); it.hasNext();) {
        const auto match = it.next();
        const QByteArray font = objects.value(match.captured(2).toInt());
        const qsizetype toUnicode = font.indexOf("/ToUnicode ");
        if (toUnicode < 0)
            continue;
        const int cmapId = font.mid(toUnicode + 11).split(' ').value(0).toInt();
        const QString cmap = QString::fromLatin1(streamOf(objects.value(cmapId)));
        QMap<uint, QString> &glyphs = fonts[match.captured(1).toLatin1()];
        for (auto range = rangePattern.globalMatch(cmap); range.hasNext();) {
            const auto r = range.next();
            uint glyph = r.captured(1).toUInt(nullptr, 16);
            for (auto code = hexPattern.globalMatch(r.captured(3)); code.hasNext();)
                glyphs[glyph++] = QChar(char16_t(code.next().captured(1).toUInt(nullptr, 16)));
        }
    }

    QString text;
    QMap<uint, QString> glyphs;
    for (const QByteArray &object : std::as_const(objects)) {
        if (!object.contains("/FlateDecode") || object.contains("/Length1"))
            continue; // not page content (embedded fonts carry /Length1)
        const QByteArray content = streamOf(object);
        for (const QByteArray &line : content.split('\n')) {
            const QList<QByteArray> words = line.simplified().split(' ');
            const qsizetype tf = words.indexOf("Tf");
            if (tf >= 2)
                glyphs = fonts.value(words.at(tf - 2).mid(1));
            const qsizetype show = line.indexOf("> Tj");
            if (show < 0)
                continue;
            // A move down starts a new line; a move along the line does not.
            if (words.size() >= 3 && words.at(2) == "Td" && words.at(1) != "0")
                text += QLatin1Char(' ');
            const qsizetype open = line.lastIndexOf('<', show);
            for (uint glyph : hexCodes(line.mid(open + 1, show - open - 1)))
                text += glyphs.value(glyph, QStringLiteral("?"));
        }
    }
    return text.normalized(QString::NormalizationForm_KC).simplified();
}

} // namespace

class TestReportScreen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void programRegistersBothReports();
    void screen_titleControlsAndSize_data();
    void screen_titleControlsAndSize();
    void links_openTheirPages();

    void report_textAndFormatOfEveryRun_data();
    void report_textAndFormatOfEveryRun();
    void report_formatsAtTellingPlaces_data();
    void report_formatsAtTellingPlaces();
    void report_showsWhatLastCalculationLeft();
    void report_valuesShownLiterally();

    void clipboard_emptiedByMouseAndChange_data();
    void clipboard_emptiedByMouseAndChange();

    void print_wholeReportEvenWithSelection_data();
    void print_wholeReportEvenWithSelection();
    void print_withoutPrinter_saysSo();
    void print_failing_saysSo();

    void save_asksForARichTextFile();
    void save_cancelled_writesNothing();
    void save_writesItsReadingOverEarlierFile_data();
    void save_writesItsReadingOverEarlierFile();
    void save_intoFolderThatCannotExist_namesFileAndReason();
    void save_ontoFullDisk_saysSoAndKeepsOldFile();

    void closing_showsItsResultScreenAgain_data();
    void closing_showsItsResultScreenAgain();
    void closing_withoutResultScreen_showsNothing();

private:
    ReportScreen *open(Kind kind);
    QTextEdit *rtb(ReportScreen *screen) const;
    void click(QWidget *screen, const char *button);

    KinEngine &engineOf(Kind kind) const
    {
        return kind == Kind::Astrology ? m_context->modMayanAstrology
                                       : m_context->modMayanNumerology;
    }

    std::unique_ptr<testing::FakeDesktop> m_desktop;
    std::unique_ptr<ProgramContext> m_context;
    QList<Program> m_programs;
    frmMDI *m_window = nullptr;
    QTemporaryDir *m_dir = nullptr;
};

void TestReportScreen::initTestCase() {}

void TestReportScreen::init()
{
    m_desktop = std::make_unique<testing::FakeDesktop>();
    m_context = std::make_unique<ProgramContext>(*m_desktop);
    // The real programs, their result screens stand-ins.
    m_programs = m_context->programs();
    for (Program &program : m_programs) {
        for (Program::Screen &screen : program.screens) {
            if (screen.id == ScreenId::AstrologyResult || screen.id == ScreenId::NumerologyResult)
                screen.make = [id = screen.id](Navigator &navigator) {
                    return new ResultStandIn(id, navigator);
                };
        }
    }
    calculate(m_context->modMayanAstrology, QStringLiteral("Ana"), 2012, QStringLiteral("December"),
              21);
    calculate(m_context->modMayanNumerology, QStringLiteral("Bo"), 1948, QStringLiteral("November"),
              16);
    m_dir = new QTemporaryDir;
    QVERIFY(m_dir->isValid());
    m_window = new frmMDI(m_programs, *m_desktop, m_context->dayNames);
    m_window->resize(m_window->screen()->availableGeometry().size());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    // As while a reading is open: the welcome panel would lie over the screens.
    m_window->setWelcomePanelVisible(false);
}

void TestReportScreen::cleanup()
{
    delete m_window;
    m_window = nullptr;
    delete m_dir;
    m_dir = nullptr;
    m_context.reset();
    m_desktop.reset();
}

ReportScreen *TestReportScreen::open(Kind kind)
{
    auto *screen = qobject_cast<ReportScreen *>(m_window->showScreen(reportId(kind)));
    if (screen)
        QTest::qWait(0);
    return screen;
}

QTextEdit *TestReportScreen::rtb(ReportScreen *screen) const
{
    return screen->findChild<QTextEdit *>(QStringLiteral("RTB"));
}

void TestReportScreen::click(QWidget *screen, const char *button)
{
    auto *widget = screen->findChild<QPushButton *>(QString::fromLatin1(button));
    QVERIFY(widget);
    QTest::mouseClick(widget, Qt::LeftButton);
}

void TestReportScreen::programRegistersBothReports()
{
    for (Kind kind : {Kind::Astrology, Kind::Numerology}) {
        std::unique_ptr<ProgramScreen> screen;
        for (const Program &program : m_programs) {
            for (const Program::Screen &made : program.screens) {
                if (made.id == reportId(kind))
                    screen.reset(made.make(*m_window));
            }
        }
        QVERIFY(qobject_cast<ReportScreen *>(screen.get()));
        QCOMPARE(screen->id(), reportId(kind));
    }
}

void TestReportScreen::screen_titleControlsAndSize_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("title");
    QTest::newRow("astrology") << Kind::Astrology << "frmMayanAstrologySave"
                               << "Tzolkara Mayan Astrology";
    QTest::newRow("numerology") << Kind::Numerology << "frmMayanNumerologySave"
                                << "Tzolkara Mayan Numerology";
}

void TestReportScreen::screen_titleControlsAndSize()
{
    QFETCH(Kind, kind);
    QFETCH(QString, name);
    QFETCH(QString, title);
    ReportScreen *screen = open(kind);
    QVERIFY(screen);
    QCOMPARE(screen->objectName(), name);
    QCOMPARE(screen->windowTitle(), title);
    QVERIFY(!screen->findChild<QMenuBar *>());

    QTextEdit *box = rtb(screen);
    QVERIFY(box && box->isVisible());
    QCOMPARE(box->font().pointSizeF(), 9.75);
    QVERIFY(!box->font().bold());
    QCOMPARE(box->font().family(), verdana(9.75).family());
    // Printing takes the document's own default font.
    QCOMPARE(box->document()->defaultFont().pointSizeF(), 9.75);

    const QMap<QString, QString> captions = {
        {QStringLiteral("cmdSave"), QStringLiteral("&Save")},
        {QStringLiteral("cmdPrint"), QStringLiteral("&Print")},
        {QStringLiteral("Label1"), QStringLiteral("Click Here To Visit www.tzolkara.example Now")},
        {QStringLiteral("Label14"),
         QStringLiteral("The Most Popular Online Mystic Discussion Forum")},
    };
    for (auto it = captions.begin(); it != captions.end(); ++it) {
        auto *widget = screen->findChild<QWidget *>(it.key());
        QVERIFY2(widget && widget->isVisible(), qPrintable(it.key()));
        const QString text = qobject_cast<QPushButton *>(widget)
                                 ? qobject_cast<QPushButton *>(widget)->text()
                                 : qobject_cast<QLabel *>(widget)->text();
        QCOMPARE(text, it.value());
    }

    // The co-brand link is the one seen and clicked in the brand frame.
    auto *frame = screen->findChild<QWidget *>(QStringLiteral("fraFullBrand"));
    QVERIFY(frame && frame->isVisible());
    auto *coBrand = screen->findChild<QLabel *>(QStringLiteral("lblCobrand"));
    QCOMPARE(frame->childAt(coBrand->geometry().center()), coBrand);

    // Fits beside the main window's other screens, with the report box the
    // largest part of it.
    QVERIFY2(screen->width() <= 760 && screen->height() <= 600,
             qPrintable(QStringLiteral("%1 x %2").arg(screen->width()).arg(screen->height())));
    QVERIFY(box->width() >= 560 && box->height() >= 360);
    for (QWidget *child : screen->findChildren<QWidget *>()) {
        if (child->isVisible() && child->parentWidget() == box->parentWidget())
            QVERIFY2(child->size().expandedTo(child->minimumSizeHint()) == child->size(),
                     qPrintable(child->objectName()));
    }
}

void TestReportScreen::links_openTheirPages()
{
    ReportScreen *screen = open(Kind::Astrology);
    for (const char *name : {"Label1", "Label14", "lblCobrand"}) {
        auto *label = screen->findChild<QLabel *>(QString::fromLatin1(name));
        QTest::mouseClick(label, Qt::LeftButton, Qt::NoModifier, label->rect().center());
    }
    QCOMPARE(m_desktop->openedAddresses(),
             QStringList({QStringLiteral("https://www.tzolkara.example"),
                          QStringLiteral("https://www.tzolkara.example"),
                          QStringLiteral("https://help.tzolkara.example/co-brand.html")}));
}

void TestReportScreen::report_textAndFormatOfEveryRun_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::newRow("astrology") << Kind::Astrology;
    QTest::newRow("numerology") << Kind::Numerology;
}

void TestReportScreen::report_textAndFormatOfEveryRun()
{
    QFETCH(Kind, kind);
    QTextEdit *box = rtb(open(kind));
    const ReportRuns runs = expectedRuns(kind, engineOf(kind));
    QCOMPARE(box->toPlainText(), asBoxText(reportText(runs)));

    int position = 0;
    for (int i = 0; i < runs.size(); ++i) {
        const ReportRun &run = runs.at(i);
        const bool bold = run.format == RunFormat::Label || run.format == RunFormat::Heading;
        const QColor colour = run.format == RunFormat::Label   ? kLabelColour
                              : run.format == RunFormat::Value ? kValueColour
                                                               : kHeadingColour;
        const QString text = asBoxText(run.text);
        for (int j = 0; j < text.size(); ++j) {
            if (text.at(j) == QLatin1Char('\n'))
                continue;
            const QTextCharFormat format = formatAt(box->document(), position + j);
            const QByteArray where =
                "run " + QByteArray::number(i + 1) + ", character " + QByteArray::number(j);
            QVERIFY2((format.fontWeight() == QFont::Bold) == bold, where);
            QVERIFY2(format.foreground().color() == colour, where);
        }
        position += text.size();
    }
}

void TestReportScreen::report_formatsAtTellingPlaces_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QColor>("colour");
    const QString trailer = QStringLiteral("Report Generated By https://www.tzolkara.example");
    QTest::newRow("label") << ""
                           << "Name: " << true << kLabelColour;
    QTest::newRow("value on label's line") << "Name: "
                                           << "Ana" << false << kValueColour;
    QTest::newRow("heading") << ""
                             << "Mayan Day Number / Galactic Tone" << true << kHeadingColour;
    QTest::newRow("day number") << "Mayan Number: "
                                << "4\n"
                                << false << kValueColour;
    QTest::newRow("day sign") << "Mayan Day Sign: "
                              << "AJPU - (AHUA)\n"
                              << false << kValueColour;
    QTest::newRow("trailer under name") << "Ana\n" << trailer << false << kValueColour;
    QTest::newRow("trailer under Mayan Day Signs") << "Mayan Day Signs\n"
                                                   << trailer << false << kHeadingColour;
}

void TestReportScreen::report_formatsAtTellingPlaces()
{
    QFETCH(QString, before);
    QFETCH(QString, text);
    QFETCH(bool, bold);
    QFETCH(QColor, colour);
    QTextEdit *box = rtb(open(Kind::Astrology));
    const int position = box->toPlainText().indexOf(before + text);
    QVERIFY(position >= 0);
    const int start = position + before.size();
    for (int i = start; i < start + text.size(); ++i) {
        if (box->toPlainText().at(i) == QLatin1Char('\n'))
            continue;
        const QTextCharFormat format = formatAt(box->document(), i);
        QCOMPARE(format.fontWeight() == QFont::Bold, bold);
        QCOMPARE(format.foreground().color(), colour);
    }
}

void TestReportScreen::report_showsWhatLastCalculationLeft()
{
    // Inputs changed after the calculation must not be calculated again.
    m_context->modMayanAstrology.state().BirthDay = 22;
    m_context->modMayanAstrology.state().DayNumber = 13;
    ReportScreen *screen = open(Kind::Astrology);
    QString text = rtb(screen)->toPlainText();
    QVERIFY(text.contains(QStringLiteral("Date of Birth: December 22, 2012\n")));
    QVERIFY(text.contains(QStringLiteral("Mayan Number: 13\n")));
    QVERIFY(text.contains(QStringLiteral("Mayan Day Sign: AJPU - (AHUA)\n")));
    QCOMPARE(m_context->modMayanAstrology.state().DayNumber, qint16(13));

    // Closed and opened again after a new reading: composed afresh.
    screen->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    calculate(m_context->modMayanAstrology, QStringLiteral("Cy"), 1900, QStringLiteral("March"), 1);
    text = rtb(open(Kind::Astrology))->toPlainText();
    QVERIFY(text.startsWith(QStringLiteral("Name: Cy\n")));
    QVERIFY(text.contains(QStringLiteral("Mayan Day Sign: NOJ - (CABAN)\n")));
    QVERIFY(!text.contains(QStringLiteral("AJPU")));
}

void TestReportScreen::report_valuesShownLiterally()
{
    const QString name = QStringLiteral("<b>Zoë</b> &amp; \"Co\"");
    m_context->modMayanAstrology.state().UserName = name;
    QTextEdit *box = rtb(open(Kind::Astrology));
    QVERIFY(box->toPlainText().startsWith(QStringLiteral("Name: ") + name + QLatin1Char('\n')));
    QVERIFY(formatAt(box->document(), 6).fontWeight() != QFont::Bold);
}

void TestReportScreen::clipboard_emptiedByMouseAndChange_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("emptied");
    QTest::newRow("press") << "press" << true;
    QTest::newRow("release") << "release" << true;
    QTest::newRow("click") << "click" << true;
    QTest::newRow("right click") << "right click" << true;
    QTest::newRow("double click") << "double click" << true;
    QTest::newRow("move") << "move" << true;
    QTest::newRow("change") << "change" << true;
    QTest::newRow("move over Save, not the report") << "move over Save" << false;
}

void TestReportScreen::clipboard_emptiedByMouseAndChange()
{
    QFETCH(QString, action);
    QFETCH(bool, emptied);
    ReportScreen *screen = open(Kind::Astrology);
    QWidget *viewport = rtb(screen)->viewport();
    const QPoint point(40, 20);
    m_desktop->clipboardEmptied = 0;

    // Moves come as the window system reports them, with no button held;
    // the pointer first goes elsewhere, since staying put reports nothing.
    auto moveTo = [this](QWidget *widget, const QPoint &at) {
        QTest::mouseMove(m_window->windowHandle(), QPoint(1, 1));
        QTest::mouseMove(m_window->windowHandle(), widget->mapTo(m_window, at));
    };
    if (action == QLatin1String("press"))
        QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, point);
    else if (action == QLatin1String("release"))
        QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, point);
    else if (action == QLatin1String("click"))
        QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, point);
    else if (action == QLatin1String("right click"))
        QTest::mouseClick(viewport, Qt::RightButton, Qt::ShiftModifier, point);
    else if (action == QLatin1String("double click"))
        QTest::mouseDClick(viewport, Qt::LeftButton, Qt::NoModifier, point);
    else if (action == QLatin1String("move"))
        moveTo(viewport, point);
    else if (action == QLatin1String("change"))
        QTextCursor(rtb(screen)->document()).insertText(QStringLiteral("x"));
    else
        moveTo(screen->findChild<QPushButton *>(QStringLiteral("cmdSave")), QPoint(5, 5));

    QCOMPARE(m_desktop->clipboardEmptied > 0, emptied);
}

void TestReportScreen::print_wholeReportEvenWithSelection_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::newRow("astrology") << Kind::Astrology;
    QTest::newRow("numerology") << Kind::Numerology;
}

void TestReportScreen::print_wholeReportEvenWithSelection()
{
    QFETCH(Kind, kind);
    ReportScreen *screen = open(kind);
    QTextEdit *box = rtb(screen);
    QTextCursor selection(box->document());
    selection.setPosition(6);
    selection.setPosition(8, QTextCursor::KeepAnchor);
    box->setTextCursor(selection);
    QVERIFY(box->textCursor().hasSelection());

    const QString pdf = m_dir->filePath(QStringLiteral("report.pdf"));
    m_desktop->pdfOutputFile = pdf;
    click(screen, "cmdPrint");

    QVERIFY(!box->textCursor().hasSelection());
    QVERIFY(m_desktop->shown.isEmpty());
    const QByteArray bytes = readAll(pdf);
    QVERIFY(bytes.startsWith("%PDF-"));
    // Word for word, the whole report, then the number of its one page;
    // spaces aside, since a PDF places words rather than writing blanks.
    auto words = [](QString text) {
        return text.remove(QRegularExpression(QStringLiteral("\\s")));
    };
    QCOMPARE(words(pdfText(bytes)),
             words(reportText(expectedRuns(kind, engineOf(kind)))) + QLatin1Char('1'));
}

void TestReportScreen::print_withoutPrinter_saysSo()
{
    ReportScreen *screen = open(Kind::Astrology);
    click(screen, "cmdPrint");
    QCOMPARE(m_desktop->shown.size(), 1);
    QCOMPARE(m_desktop->shown.constFirst().text,
             QStringLiteral("No printer is available. Install a printer, then print the report "
                            "again."));
    QCOMPARE(m_desktop->shown.constFirst().icon, testing::FakeDesktop::Icon::Error);
}

void TestReportScreen::print_failing_saysSo()
{
    // A file in place of the folder: no one, root included, can write there.
    const QString blocker = m_dir->filePath(QStringLiteral("afile"));
    QVERIFY(writeFile(blocker, "keep"));
    m_desktop->pdfOutputFile = blocker + QStringLiteral("/report.pdf");
    ReportScreen *screen = open(Kind::Astrology);
    click(screen, "cmdPrint");
    QCOMPARE(m_desktop->shown.size(), 1);
    QCOMPARE(m_desktop->shown.constFirst().text,
             QStringLiteral("The report could not be printed."));
    QCOMPARE(m_desktop->shown.constFirst().icon, testing::FakeDesktop::Icon::Error);
}

void TestReportScreen::save_asksForARichTextFile()
{
    ReportScreen *screen = open(Kind::Astrology);
    m_desktop->setNextFileName(QString());
    click(screen, "cmdSave");
    const FileRequest &request = m_desktop->lastRequest();
    QCOMPARE(request.title, QStringLiteral("Tzolkara"));
    QCOMPARE(request.filter, QStringLiteral("Rich Text Format (*.man)"));
    QCOMPARE(request.defaultSuffix, QStringLiteral("man"));
    QVERIFY(request.initialName.isEmpty());
}

void TestReportScreen::save_cancelled_writesNothing()
{
    const QString existing = m_dir->filePath(QStringLiteral("old.man"));
    QVERIFY(writeFile(existing, "earlier reading\r\n"));
    ReportScreen *screen = open(Kind::Astrology);
    m_desktop->setNextFileName(QString());
    click(screen, "cmdSave");
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("old.man")});
    QCOMPARE(readAll(existing), QByteArray("earlier reading\r\n"));
    QVERIFY(m_desktop->shown.isEmpty());
}

void TestReportScreen::save_writesItsReadingOverEarlierFile_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QStringList>("lines");
    auto lines = [](const char *blankSeparated) {
        return QString::fromLatin1(blankSeparated).split(QLatin1Char(' '));
    };
    QTest::newRow("astrology") << Kind::Astrology << lines("Ana 2012 December 21");
    QTest::newRow("numerology") << Kind::Numerology << lines("Bo 1948 November 16");
}

void TestReportScreen::save_writesItsReadingOverEarlierFile()
{
    QFETCH(Kind, kind);
    QFETCH(QStringList, lines);
    const QString path = m_dir->filePath(QStringLiteral("reading.man"));
    QVERIFY(writeFile(path, QByteArray(2000, 'z') + "\r\n"));
    ReportScreen *screen = open(kind);
    m_desktop->setNextFileName(path);
    click(screen, "cmdSave");

    QVERIFY(m_desktop->shown.isEmpty());
    const QByteArray bytes = readAll(path);
    QCOMPARE(bytes, ReadingFile::encode(ReadingFile::inputsOf(engineOf(kind).state())));
    QCOMPARE(bytes.count("\r\n"), 4);
    const ReadingFile::Inputs read = ReadingFile::decode(bytes).value();
    QCOMPARE(QStringList({read.userName, read.birthYear, read.birthMonth, read.birthDay}), lines);
    // Nothing but the file: no temporary left beside it.
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("reading.man")});
}

void TestReportScreen::save_intoFolderThatCannotExist_namesFileAndReason()
{
    // A file in place of the folder: no one, root included, can write there.
    const QString blocker = m_dir->filePath(QStringLiteral("afile"));
    QVERIFY(writeFile(blocker, "keep"));
    const QString path = blocker + QStringLiteral("/reading.man");
    ReportScreen *screen = open(Kind::Astrology);
    m_desktop->setNextFileName(path);
    click(screen, "cmdSave");

    QCOMPARE(m_desktop->shown.size(), 1);
    const testing::FakeDesktop::Shown message = m_desktop->shown.constFirst();
    QCOMPARE(message.icon, testing::FakeDesktop::Icon::Error);
    const QString opening = QStringLiteral("The reading could not be saved to ") +
                            QDir::toNativeSeparators(path) + QStringLiteral(".\r");
    QVERIFY2(message.text.startsWith(opening), qPrintable(message.text));
    QVERIFY2(message.text.size() > opening.size(), "the reason is missing");
    QCOMPARE(readAll(blocker), QByteArray("keep"));
}

void TestReportScreen::save_ontoFullDisk_saysSoAndKeepsOldFile()
{
    if (geteuid() != 0)
        QSKIP("Mounting the small file system to fill needs root.");
    const QString disk = m_dir->filePath(QStringLiteral("disk"));
    QVERIFY(QDir().mkdir(disk));
    if (mount("tmpfs", QFile::encodeName(disk).constData(), "tmpfs", 0, "size=64k") != 0)
        QSKIP(qPrintable(QStringLiteral("Cannot mount a tmpfs: ") +
                         QString::fromLocal8Bit(std::strerror(errno))));
    struct Unmount
    {
        QByteArray path;
        ~Unmount() { umount2(path.constData(), MNT_DETACH); }
    } unmountAtEnd{QFile::encodeName(disk)};

    const QString path = disk + QStringLiteral("/reading.man");
    const QByteArray old = "earlier reading\r\n";
    QVERIFY(writeFile(path, old));
    QFile filler(disk + QStringLiteral("/filler"));
    QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    const QByteArray block(4096, 'x');
    while (filler.write(block) > 0) {
    }
    filler.close();

    ReportScreen *screen = open(Kind::Astrology);
    m_desktop->setNextFileName(path);
    click(screen, "cmdSave");

    QCOMPARE(m_desktop->shown.size(), 1);
    QCOMPARE(m_desktop->shown.constFirst().text,
             QStringLiteral("The reading could not be saved to ") + QDir::toNativeSeparators(path) +
                 QStringLiteral(".\rNo space left on device"));
    QCOMPARE(readAll(path), old);
    QCOMPARE(QDir(disk).entryList(QDir::Files | QDir::Hidden),
             QStringList({QStringLiteral("filler"), QStringLiteral("reading.man")}));
}

void TestReportScreen::closing_showsItsResultScreenAgain_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::newRow("astrology") << Kind::Astrology;
    QTest::newRow("numerology") << Kind::Numerology;
}

void TestReportScreen::closing_showsItsResultScreenAgain()
{
    QFETCH(Kind, kind);
    const Kind other = kind == Kind::Astrology ? Kind::Numerology : Kind::Astrology;
    ProgramScreen *result = m_window->showScreen(resultId(kind));
    ProgramScreen *otherResult = m_window->showScreen(resultId(other));
    QVERIFY(result && otherResult);
    ReportScreen *screen = open(kind);
    result->hide();
    otherResult->hide();

    screen->close();
    QVERIFY(result->isVisible());
    QCOMPARE(m_window->mdiArea()->activeSubWindow(), result);
    QVERIFY(!otherResult->isVisible());
    QVERIFY(!m_window->isWelcomePanelVisible());
}

void TestReportScreen::closing_withoutResultScreen_showsNothing()
{
    ReportScreen *screen = open(Kind::Astrology);
    screen->close();
    QVERIFY(!m_window->findScreen(ScreenId::AstrologyResult));
    QVERIFY(!m_window->findScreen(ScreenId::NumerologyResult));
    QVERIFY(!m_window->isWelcomePanelVisible());
}

QTEST_MAIN(TestReportScreen)
#include "tst_reportscreen.moc"
