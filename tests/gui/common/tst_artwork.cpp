// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/i18n/Language.h"
#include "gui/common/Artwork.h"
#include "support/Processes.h"

#include <QDirIterator>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QScopeGuard>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using namespace tzolkara;

namespace {

// Every picture must render through Qt SVG without a single complaint: a
// warning means part of the drawing is silently missing.
QStringList g_svgWarnings;

void collectSvgWarnings(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type != QtDebugMsg && (QByteArray(context.category).startsWith("qt.svg") ||
                               text.contains(QLatin1String("svg"), Qt::CaseInsensitive)))
        g_svgWarnings << text;
}

bool isBlank(const QImage &image)
{
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != first)
                return false;
        }
    }
    return true;
}

// Mean difference of the colour channels (0 to 255) between the opaque pixels
// of `part` and the piece of `whole` they would cover at `at`, sampled on a
// grid of `step`.
double meanDifference(const QImage &whole, const QImage &part, QPoint at, int step)
{
    qint64 sum = 0;
    int samples = 0;
    for (int y = 0; y < part.height(); y += step) {
        const QRgb *wholeLine = reinterpret_cast<const QRgb *>(whole.constScanLine(at.y() + y));
        const QRgb *partLine = reinterpret_cast<const QRgb *>(part.constScanLine(y));
        for (int x = 0; x < part.width(); x += step) {
            const QRgb a = wholeLine[at.x() + x];
            const QRgb b = partLine[x];
            if (qAlpha(b) < 255)
                continue;
            sum += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                   std::abs(qBlue(a) - qBlue(b));
            ++samples;
        }
    }
    return samples ? double(sum) / (3.0 * samples) : 255.0;
}

// One row a tarot glyph, 0 to 19.
void addGlyphRows()
{
    QTest::addColumn<int>("glyph");
    for (int glyph = 0; glyph < 20; ++glyph)
        QTest::addRow("glyph %d", glyph) << glyph;
}

// The card of `glyph` as the result screen shows it, 93 x 120, in the language
// of `languageCode`,
// at `scale` times the pixels.
QImage shownCard(int glyph, const QString &languageCode, qreal scale = 1.0)
{
    const ReadingPictures pictures(Language::fromCode(languageCode));
    const ImageList &cards = pictures.tarotCards();
    return cards.picture(glyph + 1, cards.imageSize(), scale)
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

// The day-sign medallion over a card window's top-left corner, in pixels of
// the card as shown: its centre, and the middle of the coloured ring round
// its face, which makes it about 24 pixels across.
constexpr QPointF kMedallionCentre(18.75, 32.25);
constexpr double kMedallionRing = 10.4;

} // namespace

class TestArtwork : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void daySigns_keysInTableOrder();
    void daySigns_keyLookUpIsExact();
    void daySignIndex_findsEachSignsOwnDrawing();
    void tones_bothKeySetsAddressedByIndex();
    void tarotCards_twentyEntries();
    void tonesAndCards_drawnInTheirLanguage_data();
    void tonesAndCards_drawnInTheirLanguage();

    void lists_renderEveryPictureAtOneAndTwoTimes_data();
    void lists_renderEveryPictureAtOneAndTwoTimes();
    void cards_areNotTheirDaySignBadges_data();
    void cards_areNotTheirDaySignBadges();
    void cardMedallions_keepInsideTheirRing_data();
    void cardMedallions_keepInsideTheirRing();
    void cards_samePictureInEveryLanguage_data();
    void cards_samePictureInEveryLanguage();
    void generatedPictures_areWhatTheirScriptsDraw_data();
    void generatedPictures_areWhatTheirScriptsDraw();
    void pictures_areRenderedOnFirstUseOnly();
    void framesAndIcons_render();
    void prerenderedPictures_areTheirDrawingsRendering();
    void outOfRange_givesNullPicture();

private:
    const ReadingPictures m_english;
};

void TestArtwork::initTestCase()
{
    qInstallMessageHandler(collectSvgWarnings);
}

void TestArtwork::daySigns_keysInTableOrder()
{
    const QStringList expected = {
        QStringLiteral("Monkey"),      QStringLiteral("Road"),      QStringLiteral("Reed"),
        QStringLiteral("Jaguar"),      QStringLiteral("Eagle"),     QStringLiteral("Wisdom"),
        QStringLiteral("Earth"),       QStringLiteral("Flint"),     QStringLiteral("Storm"),
        QStringLiteral("Sun"),         QStringLiteral("Crocodile"), QStringLiteral("Wind"),
        QStringLiteral("Night"),       QStringLiteral("Seed"),      QStringLiteral("Serpent"),
        QStringLiteral("Transformer"), QStringLiteral("Deer"),      QStringLiteral("Star"),
        QStringLiteral("Offering"),    QStringLiteral("Dog"),
    };
    const ImageList &signs = m_english.daySigns();
    QCOMPARE(signs.count(), 20);
    QCOMPARE(signs.imageSize(), QSize(150, 150));
    for (int i = 1; i <= 20; ++i) {
        QCOMPARE(signs.key(i), expected.at(i - 1));
        QCOMPARE(signs.indexOfKey(expected.at(i - 1)), i);
    }
}

void TestArtwork::daySigns_keyLookUpIsExact()
{
    const ImageList &signs = m_english.daySigns();
    QCOMPARE(signs.indexOfKey(u"Crocodile"), 11);
    QCOMPARE(signs.indexOfKey(u"Sun"), 10);
    QCOMPARE(signs.indexOfKey(u"crocodile"), 0);
    QCOMPARE(signs.indexOfKey(u"Crocodile "), 0);
    QCOMPARE(signs.indexOfKey(u""), 0);
}

// A reading finds its sign's picture by number, whatever language names it.
void TestArtwork::daySignIndex_findsEachSignsOwnDrawing()
{
    for (int daySign = 1; daySign <= 20; ++daySign) {
        const QString drawing = QStringLiteral("/%1.svg").arg(daySign, 2, 10, QLatin1Char('0'));
        QVERIFY2(m_english.daySigns().resource(Artwork::daySignIndex(daySign)).endsWith(drawing),
                 qPrintable(drawing));
    }
    QCOMPARE(Artwork::daySignIndex(0), 0);
    QCOMPARE(Artwork::daySignIndex(21), 0);
}

void TestArtwork::tones_bothKeySetsAddressedByIndex()
{
    const QStringList names = {
        QStringLiteral("01-Magnetic"), QStringLiteral("02-Lunar"),
        QStringLiteral("03-Electric"), QStringLiteral("04-Self-Existing"),
        QStringLiteral("05-Overtone"), QStringLiteral("06-Rhythmic"),
        QStringLiteral("07-Resonant"), QStringLiteral("08-Galactic"),
        QStringLiteral("09-Solar"),    QStringLiteral("10-Planetary"),
        QStringLiteral("11-Spectral"), QStringLiteral("12-Crystal"),
        QStringLiteral("13-Cosmic"),
    };
    const ImageList &astrology = m_english.astrologyTones();
    const ImageList &numerology = m_english.numerologyTones();
    QCOMPARE(astrology.count(), 13);
    QCOMPARE(numerology.count(), 13);
    QCOMPARE(astrology.imageSize(), QSize(88, 55));
    for (int n = 1; n <= 13; ++n) {
        QCOMPARE(astrology.key(n), names.at(n - 1));
        QCOMPARE(numerology.key(n), names.at(n - 1) + QStringLiteral(".jpg"));
        // Both lists show the same picture for a day number.
        QCOMPARE(astrology.resource(n), numerology.resource(n));
    }
}

void TestArtwork::tarotCards_twentyEntries()
{
    const ImageList &cards = m_english.tarotCards();
    QCOMPARE(cards.count(), 20);
    QCOMPARE(cards.imageSize(), QSize(93, 120));
    QVERIFY(cards.resource(1).endsWith(QLatin1String("/00.svg")));  // glyph 0
    QVERIFY(cards.resource(20).endsWith(QLatin1String("/19.svg"))); // glyph 19
}

void TestArtwork::tonesAndCards_drawnInTheirLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("tone4");
    QTest::addColumn<QString>("card0");
    QTest::newRow("English") << QStringLiteral("en") << QStringLiteral(":/artwork/tones/04.svg")
                             << QStringLiteral(":/artwork/cards/00.svg");
    QTest::newRow("Spanish") << QStringLiteral("es") << QStringLiteral(":/artwork/tones/es/04.svg")
                             << QStringLiteral(":/artwork/cards/es/00.svg");
}

void TestArtwork::tonesAndCards_drawnInTheirLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, tone4);
    QFETCH(QString, card0);
    const ReadingPictures pictures(Language::fromCode(language));
    QCOMPARE(pictures.astrologyTones().resource(4), tone4);
    QCOMPARE(pictures.numerologyTones().resource(4), tone4);
    QCOMPARE(pictures.tarotCards().resource(1), card0);
    QVERIFY(QFile::exists(tone4));
    QVERIFY(QFile::exists(card0));
    // The keys a reading looks pictures up by are the same in every language.
    QCOMPARE(pictures.astrologyTones().key(4), QStringLiteral("04-Self-Existing"));
}

void TestArtwork::lists_renderEveryPictureAtOneAndTwoTimes_data()
{
    QTest::addColumn<int>("list");
    QTest::addColumn<qreal>("scale");
    QTest::addColumn<QString>("language");
    const char *names[] = {"day signs", "tones", "cards"};
    for (int list = 0; list < 3; ++list) {
        QTest::addRow("%s 1x", names[list]) << list << 1.0 << QStringLiteral("en");
        QTest::addRow("%s 2x", names[list]) << list << 2.0 << QStringLiteral("en");
    }
    QTest::addRow("tones es 1x") << 1 << 1.0 << QStringLiteral("es");
    QTest::addRow("cards es 1x") << 2 << 1.0 << QStringLiteral("es");
}

void TestArtwork::lists_renderEveryPictureAtOneAndTwoTimes()
{
    QFETCH(int, list);
    QFETCH(qreal, scale);
    QFETCH(QString, language);
    const ReadingPictures pictures(Language::fromCode(language));
    const ImageList *lists[] = {&pictures.daySigns(), &pictures.astrologyTones(),
                                &pictures.tarotCards()};
    const ImageList &images = *lists[list];
    g_svgWarnings.clear();
    QSet<QByteArray> seen;
    for (int i = 1; i <= images.count(); ++i) {
        const QPixmap picture = images.picture(i, scale);
        QCOMPARE(picture.size(), images.imageSize() * scale);
        QCOMPARE(picture.deviceIndependentSize().toSize(), images.imageSize());
        const QImage image = picture.toImage();
        QVERIFY2(!isBlank(image), qPrintable(images.resource(i)));
        const QByteArray pixels(reinterpret_cast<const char *>(image.constBits()),
                                image.sizeInBytes());
        QVERIFY2(!seen.contains(pixels),
                 qPrintable(images.resource(i) + QStringLiteral(" repeats a picture")));
        seen.insert(pixels);
    }
    QVERIFY2(g_svgWarnings.isEmpty(), qPrintable(g_svgWarnings.join(u'\n')));
}

void TestArtwork::cards_areNotTheirDaySignBadges_data()
{
    QTest::addColumn<int>("glyph");
    QTest::addColumn<QString>("sign");
    // Glyph g belongs to day sign g + 1 in calendar order.
    const char *signs[] = {"Crocodile",   "Wind",  "Night", "Seed",     "Serpent",
                           "Transformer", "Deer",  "Star",  "Offering", "Dog",
                           "Monkey",      "Road",  "Reed",  "Jaguar",   "Eagle",
                           "Wisdom",      "Earth", "Flint", "Storm",    "Sun"};
    for (int glyph = 0; glyph < 20; ++glyph)
        QTest::addRow("%d %s", glyph, signs[glyph]) << glyph << QString::fromLatin1(signs[glyph]);
}

// A card is a picture of its own, not the day-sign badge set on a card: the
// badge, at any size from half the card's width to all of it and at any
// place, never matches the card closely.
void TestArtwork::cards_areNotTheirDaySignBadges()
{
    QFETCH(int, glyph);
    QFETCH(QString, sign);
    const QImage card = m_english.tarotCards().picture(glyph + 1).toImage().convertToFormat(
        QImage::Format_ARGB32_Premultiplied);
    const ImageList &signs = m_english.daySigns();
    struct Match
    {
        double difference = 255;
        int width = 0;
        QPoint at;
    };
    // The closest placement of badges from `widths`, at every `stride`-th
    // place within `reach` of `around` (or anywhere when reach is 0).
    const auto search = [&](QList<int> widths, int stride, QPoint around, int reach) {
        Match best;
        for (int width : widths) {
            const QImage badge = signs.picture(signs.indexOfKey(sign), QSize(width, width), 1.0)
                                     .toImage()
                                     .convertToFormat(QImage::Format_ARGB32_Premultiplied);
            const QRect room(0, 0, card.width() - width + 1, card.height() - width + 1);
            const QRect places = reach ? room & QRect(around - QPoint(reach, reach),
                                                      QSize(2 * reach + 1, 2 * reach + 1))
                                       : room;
            for (int y = places.top(); y <= places.bottom(); y += stride) {
                for (int x = places.left(); x <= places.right(); x += stride) {
                    const double difference = meanDifference(card, badge, QPoint(x, y), 2);
                    if (difference < best.difference)
                        best = {difference, width, QPoint(x, y)};
                }
            }
        }
        return best;
    };
    QList<int> coarse;
    for (int width = card.width() / 2; width <= card.width(); width += 6)
        coarse << width;
    const Match rough = search(coarse, 3, {}, 0);
    QList<int> fine;
    for (int width = std::max(1, rough.width - 4); width <= std::min(card.width(), rough.width + 4);
         ++width)
        fine << width;
    const Match closest = search(fine, 1, rough.at, 4);
    QVERIFY2(closest.difference > 30,
             qPrintable(QStringLiteral("the badge, %1 wide, matches at (%2, %3) within %4")
                            .arg(closest.width)
                            .arg(closest.at.x())
                            .arg(closest.at.y())
                            .arg(closest.difference)));
}

void TestArtwork::cardMedallions_keepInsideTheirRing_data()
{
    addGlyphRows();
}

// The medallion sits where and as large as the cards are laid out for, and
// its badge stays on the face: the ring round the face, drawn six times
// larger so that its middle is clear of both outlines, is the card's own
// colour all the way round.
void TestArtwork::cardMedallions_keepInsideTheirRing()
{
    QFETCH(int, glyph);
    const qreal scale = 6;
    const QImage card = shownCard(glyph, QStringLiteral("en"), scale);
    // The frame round the window is the card's colour too.
    const QColor colour = card.pixelColor(int(scale * 6), card.height() / 2);
    int off = 0;
    const int samples = 360;
    for (int step = 0; step < samples; ++step) {
        const double angle = 2 * M_PI * step / samples;
        const QPoint at(qRound(scale * (kMedallionCentre.x() + kMedallionRing * std::cos(angle))),
                        qRound(scale * (kMedallionCentre.y() + kMedallionRing * std::sin(angle))));
        const QColor seen = card.pixelColor(at);
        if (std::abs(seen.red() - colour.red()) + std::abs(seen.green() - colour.green()) +
                std::abs(seen.blue() - colour.blue()) >
            24)
            ++off;
    }
    QVERIFY2(off == 0, qPrintable(QStringLiteral("%1 of %2 points of the ring are not %3")
                                      .arg(off)
                                      .arg(samples)
                                      .arg(colour.name())));
}

void TestArtwork::cards_samePictureInEveryLanguage_data()
{
    addGlyphRows();
}

// The Spanish cards differ from the English ones only in the colour name on
// the plate at the foot: the name plate at the top, the picture and the
// medallion are the same.
void TestArtwork::cards_samePictureInEveryLanguage()
{
    QFETCH(int, glyph);
    const QImage english = shownCard(glyph, QStringLiteral("en"));
    const QImage spanish = shownCard(glyph, QStringLiteral("es"));
    // The foot plate begins 123 units down the card's 160.
    const int foot = english.height() * 123 / 160;
    QCOMPARE(spanish.copy(0, 0, spanish.width(), foot), english.copy(0, 0, english.width(), foot));
    QVERIFY(spanish != english);
}

void TestArtwork::generatedPictures_areWhatTheirScriptsDraw_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QStringList>("folders");
    QTest::newRow("day signs") << QStringLiteral("signs.py")
                               << QStringList{QStringLiteral("signs"), QStringLiteral("frames")};
    QTest::newRow("cards") << QStringLiteral("cards.py")
                           << QStringList{QStringLiteral("cards"), QStringLiteral("cards/es")};
    QTest::newRow("tones and icons")
        << QStringLiteral("numerals.py")
        << QStringList{QStringLiteral("tones"), QStringLiteral("tones/es"),
                       QStringLiteral("icons")};
}

// The pictures the program carries are exactly what the artwork scripts
// draw today: none touched up by hand, none left behind by a change to a
// script, and nothing in the scripts that draws differently from run to run.
void TestArtwork::generatedPictures_areWhatTheirScriptsDraw()
{
    QFETCH(QString, script);
    QFETCH(QStringList, folders);
    const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
    if (python.isEmpty())
        QSKIP("python3 is not installed");
    const QString path = QFINDTESTDATA(QStringLiteral("../../scripts/artwork/") + script);
    QVERIFY2(!path.isEmpty(), qPrintable(script));
    IsolatedHome home;
    QVERIFY(home.isValid());
    QProcess run;
    run.setProcessEnvironment(home.environment());
    run.start(python, {path, home.filePath(QStringLiteral("drawn"))});
    QVERIFY(run.waitForFinished(120000));
    QVERIFY2(run.exitStatus() == QProcess::NormalExit && run.exitCode() == 0,
             run.readAllStandardError().constData());
    for (const QString &folder : folders) {
        const QDir drawn(home.filePath(QStringLiteral("drawn/resources/") + folder));
        const QStringList names = drawn.entryList({QStringLiteral("*.svg")}, QDir::Files);
        QVERIFY2(!names.isEmpty(), qPrintable(folder));
        for (const QString &name : names) {
            QFile made(drawn.filePath(name));
            QFile carried(QStringLiteral(":/artwork/%1/%2").arg(folder, name));
            QVERIFY(made.open(QIODevice::ReadOnly));
            QVERIFY2(carried.open(QIODevice::ReadOnly), qPrintable(carried.fileName()));
            QVERIFY2(made.readAll() == carried.readAll(),
                     qPrintable(carried.fileName() + QStringLiteral(" is not what ") + script +
                                QStringLiteral(" draws")));
        }
    }
}

void TestArtwork::pictures_areRenderedOnFirstUseOnly()
{
    const ImageList list(QSize(150, 150),
                         {{QStringLiteral("Sun"), QStringLiteral(":/artwork/signs/20.svg")}});
    QVERIFY(!list.isRendered(1));
    list.picture(1);
    QVERIFY(list.isRendered(1));
    QVERIFY(!list.isRendered(1, 2.0));
}

void TestArtwork::framesAndIcons_render()
{
    g_svgWarnings.clear();
    QCOMPARE(m_english.signFrame().size(), QSize(150, 150));
    QVERIFY(!isBlank(m_english.signFrame().toImage()));
    QCOMPARE(m_english.toneFrame(2.0).size(), QSize(176, 110));
    QVERIFY(!isBlank(m_english.toneFrame().toImage()));
    // The frames are not any of the reading pictures.
    QVERIFY(m_english.signFrame().toImage() != m_english.daySigns().picture(1).toImage());

    QSet<QByteArray> seen;
    for (auto which : {Artwork::kAstrologyIconResource, Artwork::kTarotIconResource,
                       Artwork::kNumerologyIconResource, Artwork::kCalendarIconResource}) {
        const QImage icon = Artwork::programButtonIcon(which).toImage();
        QCOMPARE(icon.size(), QSize(32, 32));
        QVERIFY(!isBlank(icon));
        seen.insert(
            QByteArray(reinterpret_cast<const char *>(icon.constBits()), icon.sizeInBytes()));
    }
    QCOMPARE(seen.size(), 4);

    const QIcon icon = Artwork::applicationIcon();
    for (int size : {16, 32, 48, 256}) {
        const QPixmap pixmap = icon.pixmap(QSize(size, size));
        QCOMPARE(pixmap.size(), QSize(size, size));
        QVERIFY(!isBlank(pixmap.toImage()));
    }
    // The small sizes show the simplified wheel, the larger ones the full one.
    for (int size : {16, 24})
        QCOMPARE(icon.pixmap(QSize(size, size)).toImage(),
                 svgPixmap(Artwork::kSmallApplicationIconResource, QSize(size, size)).toImage());
    QCOMPARE(icon.pixmap(QSize(32, 32)).toImage(),
             svgPixmap(Artwork::kApplicationIconResource, QSize(32, 32)).toImage());
    QVERIFY2(g_svgWarnings.isEmpty(), qPrintable(g_svgWarnings.join(u'\n')));
}

// The pictures rendered at build time must be exactly what drawing the SVG
// gives, so that start-up copying them changes nothing on screen.
void TestArtwork::prerenderedPictures_areTheirDrawingsRendering()
{
    QTemporaryDir dir;
    int checked = 0;
    for (QDirIterator it(QStringLiteral(":/prerendered"), QDir::Files,
                         QDirIterator::Subdirectories);
         it.hasNext();) {
        const QString path = it.next();
        // ":/prerendered/icons/tzolkara.svg.144x144"
        const QString drawing = path.section(QLatin1Char('/'), 2).section(QLatin1Char('.'), 0, 1);
        const QStringList size = path.section(QLatin1Char('.'), -1).split(QLatin1Char('x'));
        const QSize pixels(size.value(0).toInt(), size.value(1).toInt());
        const QString resource = QStringLiteral(":/artwork/") + drawing;
        QVERIFY2(QFile::exists(resource), qPrintable(resource));
        // Drawn afresh from a copy outside the artwork, which has nothing
        // rendered in advance.
        const QString copy = dir.filePath(QString::number(checked) + QStringLiteral(".svg"));
        QVERIFY(QFile::copy(resource, copy));
        QCOMPARE(renderSvg(resource, pixels), renderSvg(copy, pixels));
        ++checked;
    }
    // The emblem and button icons at one and two times, the window icon's four.
    QCOMPARE(checked, 5 * 2 + 4);
}

void TestArtwork::outOfRange_givesNullPicture()
{
    QVERIFY(m_english.daySigns().picture(0).isNull());
    QVERIFY(m_english.daySigns().picture(21).isNull());
    QVERIFY(m_english.daySigns().key(0).isEmpty());
    QVERIFY(m_english.astrologyTones().picture(14).isNull());
}

QTEST_MAIN(TestArtwork)
#include "tst_artwork.moc"
