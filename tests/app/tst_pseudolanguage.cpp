// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A language is data alone. This test makes one at test time, as a
// translator would: lupdate reads the program's sources, every message is
// "translated" by wrapping it ("[!&Open!]"), every reading text likewise,
// and the result is built in under the language's code. Then every screen,
// menu, message box and file dialog is walked in that language: a word of the
// program's English vocabulary outside the wrappers is a string that no
// translation can reach.

#include "app/Translations.h"
#include "core/engine/InterpretationTexts.h"
#include "gui/shell/frmAbout.h"
#include "gui/shell/modHelp.h"
#include "support/FakeDesktop.h"
#include "support/ScreenDriver.h"
#include "support/VisibleTexts.h"
#include "tables/engine/DayNameTables.h"
#include "tables/engine/MayaCalendar.h"

#include <QDirIterator>
#include <QProcess>
#include <QRegularExpression>
#include <QResource>
#include <QSet>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

using namespace tzolkara;
using testing::Texts;
using testing::TextsOf;
using testing::textsOf;

namespace {

// A code reserved for local use, which no real language has.
const QString kPseudo = QStringLiteral("qps");

QString wrapped(const QString &text)
{
    // Rich text keeps its tags: only the words between them are wrapped.
    if (text.startsWith(QLatin1Char('<'))) {
        static const QRegularExpression words(QStringLiteral(">([^<]*[A-Za-z][^<]*)<"));
        QString result = text;
        result.replace(words, QStringLiteral(">[!\\1!]<"));
        return result;
    }
    return QStringLiteral("[!") + text + QStringLiteral("!]");
}

// What is left of `text` once every wrapped part is taken out; a wrapped
// message may hold wrapped words ("[!Day number 4, [!Cosmic!]!]").
QString unwrapped(QString text)
{
    static const QRegularExpression innermost(QStringLiteral("\\[!((?:(?!\\[!|!\\]).)*)!\\]"),
                                              QRegularExpression::DotMatchesEverythingOption);
    for (qsizetype before = -1; before != text.size();) {
        before = text.size();
        text.replace(innermost, QStringLiteral(" "));
    }
    return text;
}

// The text of the element the reader stands on, with the characters XML
// cannot hold, which Qt Linguist writes as <byte value="x9"/>.
QString elementText(QXmlStreamReader &reader)
{
    QString text;
    while (reader.readNext() != QXmlStreamReader::EndElement || reader.name() == u"byte") {
        if (reader.isCharacters())
            text += reader.text();
        else if (reader.isStartElement() && reader.name() == u"byte")
            text += QChar(
                reader.attributes().value(QStringLiteral("value")).mid(1).toUInt(nullptr, 16));
        if (reader.atEnd())
            break;
    }
    return text;
}

// Writes `text` as Qt Linguist does: a character XML cannot hold as it is
// (the carriage return of a two-line message) as <byte value="xd"/>.
void writeElement(QXmlStreamWriter &writer, const QString &name, const QString &text)
{
    writer.writeStartElement(name);
    QString run;
    for (const QChar c : text) {
        if (c.unicode() >= 0x20 || c == QLatin1Char('\n')) {
            run += c;
            continue;
        }
        writer.writeCharacters(run);
        run.clear();
        writer.writeEmptyElement(QStringLiteral("byte"));
        writer.writeAttribute(QStringLiteral("value"),
                              QStringLiteral("x%1").arg(c.unicode(), 0, 16));
    }
    writer.writeCharacters(run);
    writer.writeEndElement();
}

bool run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(program, arguments);
    return process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class TestPseudoLanguage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void theLanguage_isFoundByItsCode();
    void everyScreen_saysNothingInEnglish_data();
    void everyScreen_saysNothingInEnglish();
    void messagesAndDialogs_sayNothingInEnglish();

private:
    bool pseudoTranslate(const QString &sourceTs, const QString &pseudoTs);
    void collectVocabulary(const QString &text);
    QStringList englishIn(const Texts &texts) const;

    QTemporaryDir m_dir;
    QSet<QString> m_vocabulary;
};

// Every message of the sources, as lupdate finds them, wrapped into a .ts of
// the pseudo-language; the English words of the sources become the
// vocabulary that must not show.
bool TestPseudoLanguage::pseudoTranslate(const QString &sourceTs, const QString &pseudoTs)
{
    QFile in(sourceTs);
    QFile out(pseudoTs);
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly))
        return false;
    QXmlStreamReader reader(&in);
    QXmlStreamWriter writer(&out);
    writer.setAutoFormatting(true);
    writer.writeStartDocument();
    writer.writeDTD(QStringLiteral("<!DOCTYPE TS>"));
    writer.writeStartElement(QStringLiteral("TS"));
    writer.writeAttribute(QStringLiteral("version"), QStringLiteral("2.1"));
    writer.writeAttribute(QStringLiteral("language"), kPseudo);
    bool numerus = false;
    QString source;
    while (!reader.atEnd()) {
        reader.readNext();
        const QStringView name = reader.name();
        if (reader.isStartElement()) {
            if (name == u"context" || name == u"message") {
                writer.writeStartElement(name.toString());
                numerus = reader.attributes().value(QStringLiteral("numerus")) == u"yes";
                if (numerus)
                    writer.writeAttribute(QStringLiteral("numerus"), QStringLiteral("yes"));
            } else if (name == u"name" || name == u"comment") {
                writeElement(writer, name.toString(), elementText(reader));
            } else if (name == u"source") {
                source = elementText(reader);
                collectVocabulary(source);
                writeElement(writer, QStringLiteral("source"), source);
            } else if (name == u"translation") {
                reader.skipCurrentElement();
                if (numerus) {
                    writer.writeStartElement(QStringLiteral("translation"));
                    writeElement(writer, QStringLiteral("numerusform"), wrapped(source));
                    writeElement(writer, QStringLiteral("numerusform"), wrapped(source));
                    writer.writeEndElement();
                } else {
                    writeElement(writer, QStringLiteral("translation"), wrapped(source));
                }
            }
        } else if (reader.isEndElement() && (name == u"context" || name == u"message")) {
            writer.writeEndElement();
        }
    }
    writer.writeEndDocument();
    if (reader.hasError())
        qWarning("%s: %s", qPrintable(sourceTs), qPrintable(reader.errorString()));
    return !reader.hasError() && out.error() == QFile::NoError;
}

void TestPseudoLanguage::collectVocabulary(const QString &text)
{
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{3,}"));
    // Tags and entities of rich text are no words a user reads.
    QString plain = text;
    plain.remove(QRegularExpression(QStringLiteral("<[^>]*>|&[a-z]+;")));
    for (const QRegularExpressionMatch &match : word.globalMatch(plain))
        m_vocabulary.insert(match.captured().toLower());
}

QStringList TestPseudoLanguage::englishIn(const Texts &texts) const
{
    // Names that stay as they are in every language: the program's, the
    // user's, the Maya names of the data and the calendar, the file type.
    static const QRegularExpression kept(QStringLiteral(
        "Tzolkara|Numerwell|\\bAna\\b|https?://\\S+|[A-Z]+ - \\([A-Z]+\\)|\\bnum\\b"));
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{3,}"));
    QStringList found;
    for (auto it = texts.cbegin(); it != texts.cend(); ++it) {
        QString rest = unwrapped(it.value());
        rest.replace(kept, QStringLiteral(" "));
        for (const QRegularExpressionMatch &match : word.globalMatch(rest)) {
            if (m_vocabulary.contains(match.captured().toLower())) {
                found << it.key() + QStringLiteral(" = ") + it.value();
                break;
            }
        }
    }
    return found;
}

void TestPseudoLanguage::initTestCase()
{
    QVERIFY(m_dir.isValid());
    const QString sources = QStringLiteral(TZOLKARA_SOURCE_DIR "/src");
    const QString found = m_dir.filePath(QStringLiteral("found.ts"));
    QVERIFY(run(QStringLiteral(TZOLKARA_LUPDATE),
                {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                 QStringLiteral("-I"), sources, QStringLiteral("-recursive"), sources,
                 QStringLiteral("-ts"), found}));
    const QString pseudoTs = m_dir.filePath(QStringLiteral("tzolkara_qps.ts"));
    QVERIFY(pseudoTranslate(found, pseudoTs));
    QVERIFY(m_vocabulary.contains(QStringLiteral("reading")));
    // The Maya names of the days and months are the same in every language,
    // though some stand in English messages too ("Lamat/Star").
    const auto keep = [this](const char *name) {
        for (const QString &part : QString::fromUtf8(name).split(
                 QRegularExpression(QStringLiteral("[^A-Za-z]+")), Qt::SkipEmptyParts))
            m_vocabulary.remove(part.toLower());
    };
    for (const auto *names : {&kYucatecSignNames, &kKicheSignNames, &kColonialSignNames}) {
        for (const char *name : *names)
            keep(name);
    }
    for (int month = 1; month <= 19; ++month)
        keep(MayaCalendar::haabMonthName(month));
    keep("Wayeb'");

    // The language's files, laid out as the program's resources are.
    const QString files = m_dir.filePath(QStringLiteral("files"));
    QVERIFY(QDir().mkpath(files + QStringLiteral("/i18n")));
    QVERIFY(run(QStringLiteral(TZOLKARA_LRELEASE),
                {QStringLiteral("-silent"), pseudoTs, QStringLiteral("-qm"),
                 files + QStringLiteral("/i18n/tzolkara_qps.qm")}));
    QStringList listed{QStringLiteral("i18n/tzolkara_qps.qm")};
    for (const QString &kind :
         {QStringLiteral("signs"), QStringLiteral("tones"), QStringLiteral("glyphs")}) {
        QDirIterator english(QStringLiteral(":/texts/") + kind, QDir::Files);
        while (english.hasNext()) {
            const QString path = english.next();
            QFile text(path);
            QVERIFY(text.open(QIODevice::ReadOnly));
            const QString name = QStringLiteral("texts/qps/%1/%2").arg(kind, english.fileName());
            QVERIFY(writeFile(files + QLatin1Char('/') + name,
                              "[!" + text.readAll().trimmed() + "!]\n"));
            listed << name;
        }
    }
    QByteArray qrc = "<RCC><qresource prefix=\"/\">\n";
    for (const QString &name : listed)
        qrc += "<file>" + name.toUtf8() + "</file>\n";
    qrc += "</qresource></RCC>\n";
    QVERIFY(writeFile(files + QStringLiteral("/pseudo.qrc"), qrc));
    const QString rcc = m_dir.filePath(QStringLiteral("pseudo.rcc"));
    QVERIFY(run(QStringLiteral(TZOLKARA_RCC),
                {QStringLiteral("-binary"), files + QStringLiteral("/pseudo.qrc"),
                 QStringLiteral("-o"), rcc}));
    QVERIFY(QResource::registerResource(rcc));
}

// Found as every language is: by the desktop's languages, by its code.
void TestPseudoLanguage::theLanguage_isFoundByItsCode()
{
    QVERIFY(Language::available().contains(kPseudo));
    const Language language = Language::forUiLanguages({QStringLiteral("qps-ploc")});
    QCOMPARE(language.code(), kPseudo);
    QCOMPARE(textsFolder(language), QStringLiteral(":/texts/qps/"));
    QCOMPARE(language.word("SignNames", "Sun"), QStringLiteral("[!Sun!]"));
}

void TestPseudoLanguage::everyScreen_saysNothingInEnglish_data()
{
    QTest::addColumn<Start>("start");
    QTest::newRow("welcome") << Start::Welcome;
    QTest::newRow("astrology entry") << Start::AstrologyEntry;
    QTest::newRow("numerology entry") << Start::NumerologyEntry;
    QTest::newRow("tarot question") << Start::TarotQuestion;
    QTest::newRow("astrology result") << Start::AstrologyResult;
    QTest::newRow("numerology result") << Start::NumerologyResult;
    QTest::newRow("astrology report") << Start::AstrologyReport;
    QTest::newRow("numerology report") << Start::NumerologyReport;
    QTest::newRow("tarot result") << Start::TarotResult;
    QTest::newRow("maya calendar") << Start::MayaCalendar;
}

void TestPseudoLanguage::everyScreen_saysNothingInEnglish()
{
    QFETCH(Start, start);
    ScreenDriver ui(Language::fromCode(kPseudo));
    ui.reach(start);
    const QStringList english = englishIn(textsOf(&ui.main(), TextsOf::Everything));
    QVERIFY2(english.isEmpty(), qPrintable(english.join(QLatin1Char('\n'))));
}

void TestPseudoLanguage::messagesAndDialogs_sayNothingInEnglish()
{
    ScreenDriver ui(Language::fromCode(kPseudo));
    testing::FakeDesktop &desktop = ui.desktop();
    // A name left out, on each screen that asks for one.
    ScreenDriver::click(ui.reach(Start::AstrologyEntry), "cmdCalculate");
    ScreenDriver::click(ui.reach(Start::TarotQuestion), "cmdNext");
    // A file that is no reading, and one that cannot be written.
    const QString notAReading = m_dir.filePath(QStringLiteral("not-a-reading.man"));
    QVERIFY(writeFile(notAReading, QByteArray(300, '\x7f')));
    desktop.setNextFileName(notAReading);
    ScreenDriver::click(ui.reach(Start::AstrologyEntry), "cmdOpen");
    desktop.setNextFileName(m_dir.path());
    ScreenDriver::click(ui.reach(Start::AstrologyReport), "cmdSave");
    // The reminder at start-up.
    modHelp::CheckUpdateReminder(desktop, ui.context().settings);
    QVERIFY(desktop.shown.size() >= 4);

    Texts said;
    for (qsizetype i = 0; i < desktop.shown.size(); ++i)
        said.insert(QStringLiteral("message %1").arg(i), desktop.shown[i].text);
    for (qsizetype i = 0; i < desktop.fileRequests.size(); ++i) {
        said.insert(QStringLiteral("file dialog %1 title").arg(i), desktop.fileRequests[i].title);
        said.insert(QStringLiteral("file dialog %1 filter").arg(i), desktop.fileRequests[i].filter);
    }
    frmAbout about(desktop);
    about.show();
    said.insert(textsOf(&about, TextsOf::Everything));
    const QStringList english = englishIn(said);
    QVERIFY2(english.isEmpty(), qPrintable(english.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TestPseudoLanguage)
#include "tst_pseudolanguage.moc"
