// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/common/Artwork.h"
#include "gui/tarot/CardsAhead.h"
#include "gui/tarot/frmMayanAstrologyTarotResult.h"
#include "gui/tarot/modMayanAstrologyTarot.h"
#include "support/ScreenDriver.h"
#include "support/UnreadablePath.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextEdit>

using namespace tzolkara;

namespace {

ProgramScreen *ask(ScreenDriver &ui, const QString &name, const QString &problem = QString())
{
    ProgramScreen *question = ui.screen(ScreenId::TarotMain);
    if (!question)
        question = ui.open(ScreenId::TarotMain);
    ScreenDriver::child<QLineEdit>(question, "txtName")->setText(name);
    ScreenDriver::child<QPlainTextEdit>(question, "txtQuestion")->setPlainText(problem);
    ScreenDriver::click(question, "cmdNext");
    return ui.screen(ScreenId::TarotResult);
}

QLabel *cardControl(ProgramScreen *result, int position)
{
    return result->findChild<QLabel *>(QStringLiteral("imgMayanTarot_%1").arg(position));
}

QImage cardAt(ProgramScreen *result, int position)
{
    return cardControl(result, position)->pixmap().toImage();
}

// The card of `glyph` as the control at `position` shows it: drawn at its size.
QImage cardOfGlyph(int glyph, ProgramScreen *result, int position)
{
    const QLabel *control = cardControl(result, position);
    const ReadingPictures english;
    return english.tarotCards()
        .picture(glyph + 1, control->size(), control->devicePixelRatioF())
        .toImage();
}

void moveMouseOver(QWidget *widget)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), widget->mapToGlobal(QPointF(5, 5)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

} // namespace

class TestTarotScreens : public QObject
{
    Q_OBJECT

private slots:
    void question_drawsEveryCardWhileWaiting();
    void question_captionsAndOpenButtonInView();
    void emptyName_isRefusedWithFocus();
    void blankNameAndEmptyProblem_castAReading();
    void reading_textBoldRunsAndSize();
    void reading_picturesFollowGlyphs();
    void cards_drawnAtTheControlsDevicePixelSize();
    void cards_drawnInTheControlsProportions();
    void cross_cardsStandAtTheirPlacesInTheClientArea();
    void reading_clearsClipboardOnceAndMouseOverTextDoesToo();
    void back_keepsEntriesAndAskingAgainDrawsAfresh();
    void secondReadingIntoLoadedScreen_replacesTheText();
    void exitMenuAndCloseBox_bringWelcomePanelBack();
    void openNum_castsReadingWhateverTheFile();
    void openNum_upperCaseRefusedAndCancelSilent();
    void openNum_emptyName_asksForNameAndCastsNothing();
    void openNum_noReadableFile_stillCasts_data();
    void openNum_noReadableFile_stillCasts();
    void nameBox_keepsWholeCharactersWithinTheLimit_data();
    void nameBox_keepsWholeCharactersWithinTheLimit();
};

void TestTarotScreens::question_drawsEveryCardWhileWaiting()
{
    ScreenDriver ui;
    const ReadingPictures &pictures = ui.context().pictures;
    ProgramScreen *question = ui.open(ScreenId::TarotMain);
    const qreal ratio = question->devicePixelRatioF();
    QVERIFY(!frmMayanAstrologyTarotResult::isCardDrawn(pictures, 0, ratio));
    QTRY_VERIFY(question->findChild<CardsAhead *>()->isDone());
    for (int glyph = 0; glyph < 20; ++glyph)
        QVERIFY2(frmMayanAstrologyTarotResult::isCardDrawn(pictures, glyph, ratio),
                 qPrintable(QString::number(glyph)));
}

void TestTarotScreens::question_captionsAndOpenButtonInView()
{
    ScreenDriver ui;
    ProgramScreen *question = ui.open(ScreenId::TarotMain);
    QCOMPARE(question->windowTitle(), QStringLiteral("Tzolkara Mayan Astrology Tarot"));
    QCOMPARE(ScreenDriver::child<QPushButton>(question, "cmdNext")->text(),
             QStringLiteral("&Get My Mayan Astrology Tarot Reading"));
    QCOMPARE(ScreenDriver::text(question, "lblLabel_1"), QStringLiteral("Describe the Problem"));
    QVERIFY(ScreenDriver::text(question, "Label61")
                .startsWith(QStringLiteral("The Most Popular Online Mystic Discussion Board.")));
    QVERIFY(ScreenDriver::child<QMenu>(question, "nuFile"));
    auto *open = ScreenDriver::child<QPushButton>(question, "cmdOpen");
    QVERIFY(open->isVisible());
    const QRect inWindow(open->mapTo(question, QPoint(0, 0)), open->size());
    QVERIFY(question->rect().contains(inWindow));

    QStringList order;
    QWidget *widget = ScreenDriver::child<QWidget>(question, "txtName");
    for (int i = 0; i < 3; ++i) {
        do
            widget = widget->nextInFocusChain();
        while (widget->focusPolicy() == Qt::NoFocus);
        order << widget->objectName();
    }
    QCOMPARE(order, QStringList({QStringLiteral("cmdNext"), QStringLiteral("cmdOpen"),
                                 QStringLiteral("txtQuestion")}));
}

void TestTarotScreens::emptyName_isRefusedWithFocus()
{
    ScreenDriver ui;
    QApplication::setActiveWindow(&ui.main());
    QVERIFY(!ask(ui, QString(), QStringLiteral("a problem")));
    QCOMPARE(ui.desktop().shown.size(), 1);
    QCOMPARE(ui.desktop().shown.constFirst().text, QStringLiteral("Please Enter Your Name"));
    QCOMPARE(ui.desktop().shown.constFirst().icon, testing::FakeDesktop::Icon::Error);
    QVERIFY(ScreenDriver::child<QLineEdit>(ui.screen(ScreenId::TarotMain), "txtName")->hasFocus());
}

void TestTarotScreens::blankNameAndEmptyProblem_castAReading()
{
    ScreenDriver ui;
    ProgramScreen *result = ask(ui, QStringLiteral("   "));
    QVERIFY(result && result->isVisible());
    QVERIFY(!ui.screen(ScreenId::TarotMain)->isVisible());
    QVERIFY(!ui.main().isWelcomePanelVisible());
    QVERIFY(ui.desktop().shown.isEmpty());
}

void TestTarotScreens::reading_textBoldRunsAndSize()
{
    ScreenDriver ui;
    ProgramScreen *result = ask(ui, QStringLiteral("Ana"), QStringLiteral("Secret worry"));
    auto *text = ScreenDriver::child<QTextEdit>(result, "RTB");
    const QStringList lines = text->toPlainText().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 2 + 5 * 10 + 1);
    QCOMPARE(lines.at(0), QStringLiteral("Tzolkara Mayan Astrology Tarot Reading"));
    QVERIFY(lines.at(1).isEmpty());
    QVERIFY(lines.last().isEmpty());
    QVERIFY(!text->toPlainText().contains(QStringLiteral("Ana")));
    QVERIFY(!text->toPlainText().contains(QStringLiteral("Secret worry")));

    const QList<bool> boldInBlock = {true, false, false, true, false, true, false, true, false};
    QTextBlock block = text->document()->begin();
    for (int line = 0; block.isValid(); block = block.next(), ++line) {
        if (block.text().isEmpty())
            continue;
        const QTextCharFormat format = block.begin().fragment().charFormat();
        QCOMPARE(format.fontPointSize(), 10.0);
        const bool bold = format.fontWeight() == QFont::Bold;
        if (line == 0)
            QVERIFY(bold);
        else
            QCOMPARE(bold, boldInBlock.at((line - 2) % 10));
    }
    const auto &glyph =
        ui.context()
            .modMayanAstrologyTarot
            .GlyphTable[ui.context().modMayanAstrologyTarot.LatestReading.Glyphs[0]];
    QCOMPARE(lines.at(6), glyph.SignLabel);
    QCOMPARE(lines.at(8), glyph.ColourName);
}

void TestTarotScreens::reading_picturesFollowGlyphs()
{
    ScreenDriver ui;
    // Glyph 0 in Guide and 19 in Challenge.
    ui.desktop().randomSource.feed({0.0f, 0.999f, 0.5f, 0.2f, 0.1f});
    ProgramScreen *result = ask(ui, QStringLiteral("Ana"));
    QCOMPARE(cardAt(result, 0), cardOfGlyph(0, result, 0));
    QCOMPARE(cardAt(result, 1), cardOfGlyph(19, result, 1));
    QCOMPARE(cardAt(result, 2), cardOfGlyph(10, result, 2));
    const QStringList captions = {QStringLiteral("Guide"), QStringLiteral("Challenge"),
                                  QStringLiteral("Central"), QStringLiteral("Ally"),
                                  QStringLiteral("Occult")};
    for (int p = 0; p < 5; ++p)
        QCOMPARE(result->findChild<QLabel *>(QStringLiteral("lblImageName_%1").arg(p))->text(),
                 captions.at(p));
}

void TestTarotScreens::cards_drawnAtTheControlsDevicePixelSize()
{
    // CTest runs this once more with QT_SCALE_FACTOR=2, as on a high-density screen.
    const qreal ratio = qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
                            ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
                            : 1.0;
    const auto sharp = [ratio](ProgramScreen *result) {
        for (int p = 0; p < 5; ++p) {
            const QLabel *control = cardControl(result, p);
            QCOMPARE(control->devicePixelRatioF(), ratio);
            QCOMPARE(control->pixmap().devicePixelRatio(), ratio);
            QCOMPARE(control->pixmap().size(), QSize(93, 120) * ratio);
        }
    };
    ScreenDriver ui;
    ProgramScreen *fresh = ui.main().loadScreen(ScreenId::TarotResult);
    sharp(fresh);
    for (int p = 0; p < 5; ++p)
        QCOMPARE(cardAt(fresh, p), cardOfGlyph(0, fresh, p));
    sharp(ask(ui, QStringLiteral("Ana")));
}

// The card controls stretch their pictures to fill; a card drawn in other
// proportions than theirs would show with oval circles and squeezed letters.
void TestTarotScreens::cards_drawnInTheControlsProportions()
{
    ScreenDriver ui;
    ProgramScreen *result = ui.main().loadScreen(ScreenId::TarotResult);
    const QSizeF control = cardControl(result, 0)->size();
    const ImageList &cards = ui.context().pictures.tarotCards();
    for (int glyph = 0; glyph < cards.count(); ++glyph) {
        const QSizeF drawing = QSvgRenderer(cards.resource(glyph + 1)).viewBoxF().size();
        QVERIFY2(qAbs(drawing.width() / drawing.height() - control.width() / control.height()) <
                     0.001,
                 qPrintable(QStringLiteral("card %1 is drawn %2 x %3")
                                .arg(glyph)
                                .arg(drawing.width())
                                .arg(drawing.height())));
    }
}

void TestTarotScreens::cross_cardsStandAtTheirPlacesInTheClientArea()
{
    ScreenDriver ui;
    ProgramScreen *result = ask(ui, QStringLiteral("Ana"));
    // Loaded by the reading before it is shown, and still placed at the top centre.
    QCOMPARE(result->pos(),
             QPoint(std::max(0, (result->screen()->geometry().width() - result->width()) / 2), 0));
    // Left and top in twips, 15 to the pixel; every card 1395 x 1800.
    const std::array<QPoint, 5> twips = {QPoint(2280, 360), QPoint(600, 2400), QPoint(2280, 2400),
                                         QPoint(3960, 2400), QPoint(2280, 4590)};
    for (int p = 0; p < 5; ++p) {
        auto *card = result->findChild<QLabel *>(QStringLiteral("imgMayanTarot_%1").arg(p));
        QCOMPARE(card->mapTo(result->widget(), QPoint(0, 0)), twips[p] / 15);
        QCOMPARE(card->size(), QSize(1395 / 15, 1800 / 15));
    }
}

void TestTarotScreens::reading_clearsClipboardOnceAndMouseOverTextDoesToo()
{
    ScreenDriver ui;
    // Emptied once, not once for each piece of the text (under X11 each
    // emptying waits on the display server).
    ProgramScreen *result = ask(ui, QStringLiteral("Ana"));
    QCOMPARE(ui.desktop().clipboardEmptied, 1);

    auto *text = ScreenDriver::child<QTextEdit>(result, "RTB");
    moveMouseOver(text->viewport());
    QCOMPARE(ui.desktop().clipboardEmptied, 2);
    QTest::mouseClick(text->viewport(), Qt::LeftButton);
    QVERIFY(ui.desktop().clipboardEmptied > 2);
}

void TestTarotScreens::back_keepsEntriesAndAskingAgainDrawsAfresh()
{
    ScreenDriver ui;
    ProgramScreen *result = ask(ui, QStringLiteral("Ana"), QStringLiteral("Which road?"));
    const auto first = ui.context().modMayanAstrologyTarot.LatestReading.Glyphs;
    ScreenDriver::click(result, "cmdBack");
    ProgramScreen *question = ui.screen(ScreenId::TarotMain);
    QVERIFY(question->isVisible());
    QVERIFY(!ui.main().isWelcomePanelVisible());
    QVERIFY(!ui.screen(ScreenId::TarotResult));
    QCOMPARE(ScreenDriver::child<QLineEdit>(question, "txtName")->text(), QStringLiteral("Ana"));
    QCOMPARE(ScreenDriver::child<QPlainTextEdit>(question, "txtQuestion")->toPlainText(),
             QStringLiteral("Which road?"));

    ScreenDriver::click(question, "cmdNext");
    QVERIFY(ui.screen(ScreenId::TarotResult)->isVisible());
    QVERIFY(ui.context().modMayanAstrologyTarot.LatestReading.Glyphs != first);
}

void TestTarotScreens::secondReadingIntoLoadedScreen_replacesTheText()
{
    ScreenDriver ui;
    ProgramScreen *result = ask(ui, QStringLiteral("Ana"));
    modMayanAstrologyTarot::CastTarotReading(ui.context().modMayanAstrologyTarot, ui.main(),
                                             QStringLiteral("Ana"));
    QCOMPARE(ui.screen(ScreenId::TarotResult), result);
    const QString text = ScreenDriver::child<QTextEdit>(result, "RTB")->toPlainText();
    QCOMPARE(text.count(QStringLiteral("Tzolkara Mayan Astrology Tarot Reading")), 1);
    QVERIFY(text.startsWith(QStringLiteral("Tzolkara Mayan Astrology Tarot Reading")));
    QCOMPARE(text.count(QStringLiteral("Occult Position:")), 1);
}

void TestTarotScreens::exitMenuAndCloseBox_bringWelcomePanelBack()
{
    ScreenDriver ui;
    ProgramScreen *result = ask(ui, QStringLiteral("Ana"));
    ScreenDriver::click(result, "cmdExit");
    QVERIFY(ui.main().isWelcomePanelVisible());
    QVERIFY(!ui.screen(ScreenId::TarotMain)->isVisible());

    result = ask(ui, QStringLiteral("Ana"));
    ScreenDriver::child<QAction>(result, "mnuExit")->trigger();
    QVERIFY(ui.main().isWelcomePanelVisible());
    QVERIFY(!ScreenDriver::child<QAction>(ask(ui, QStringLiteral("Ana")), "mnuPrint")->isEnabled());

    ui.screen(ScreenId::TarotResult)->close();
    QVERIFY(ui.main().isWelcomePanelVisible());
    ui.screen(ScreenId::TarotMain)->close();
    QVERIFY(ui.main().isWelcomePanelVisible());
}

void TestTarotScreens::openNum_castsReadingWhateverTheFile()
{
    QTemporaryDir dir;
    for (const char *content : {"one line\n", "", "\x01\x02\xff binary\n1\n2\n3\n4\n5\n6\n7\n"}) {
        const QString path = dir.filePath(QStringLiteral("client.num"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
        file.close();
        ScreenDriver ui;
        ProgramScreen *question = ui.open(ScreenId::TarotMain);
        ScreenDriver::child<QLineEdit>(question, "txtName")->setText(QStringLiteral("Ana"));
        ui.desktop().setNextFileName(path);
        ScreenDriver::click(question, "cmdOpen");
        QVERIFY(ui.screen(ScreenId::TarotResult));
        QCOMPARE(ui.desktop().lastRequest().filter, QStringLiteral("Numerwell (*.num)"));
    }
    // A missing file still casts: nothing is read.
    ScreenDriver ui;
    ProgramScreen *question = ui.open(ScreenId::TarotMain);
    ScreenDriver::child<QLineEdit>(question, "txtName")->setText(QStringLiteral("Ana"));
    ui.desktop().setNextFileName(dir.filePath(QStringLiteral("gone.num")));
    ScreenDriver::click(question, "cmdOpen");
    QVERIFY(ui.screen(ScreenId::TarotResult));
}

void TestTarotScreens::openNum_upperCaseRefusedAndCancelSilent()
{
    ScreenDriver ui;
    ProgramScreen *question = ui.open(ScreenId::TarotMain);
    ScreenDriver::child<QLineEdit>(question, "txtName")->setText(QStringLiteral("Ana"));
    ui.desktop().setNextFileName(QStringLiteral("/tmp/CLIENT.NUM"));
    ScreenDriver::click(question, "cmdOpen");
    QCOMPARE(ui.desktop().shown.size(), 1);
    QCOMPARE(ui.desktop().shown.constFirst().text, QStringLiteral("Please Check The File."));
    QVERIFY(!ui.screen(ScreenId::TarotResult));

    ui.desktop().shown.clear();
    ui.desktop().setNextFileName(QString());
    ScreenDriver::click(question, "cmdOpen");
    QVERIFY(ui.desktop().shown.isEmpty());
    QVERIFY(!ui.screen(ScreenId::TarotResult));
}

void TestTarotScreens::openNum_emptyName_asksForNameAndCastsNothing()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("client.num"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("1\n2\n3\n4\n5\n6\n") == 12);
    file.close();
    ScreenDriver ui;
    ProgramScreen *question = ui.open(ScreenId::TarotMain);
    ui.desktop().setNextFileName(path);
    ScreenDriver::click(question, "cmdOpen");
    QCOMPARE(ui.desktop().shown.size(), 1);
    QCOMPARE(ui.desktop().shown.constFirst().text, QStringLiteral("Please Enter Your Name"));
    QVERIFY(!ui.screen(ScreenId::TarotResult));
}

void TestTarotScreens::openNum_noReadableFile_stillCasts_data()
{
    QTest::addColumn<QString>("kind");
    for (const char *kind : {"named pipe", "folder", "unreadable file"})
        QTest::newRow(kind) << QString::fromLatin1(kind);
}

void TestTarotScreens::openNum_noReadableFile_stillCasts()
{
    QFETCH(QString, kind);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("x.num"));
    const QString whyNot = makeUnreadablePath(path, kind);
    if (!whyNot.isEmpty())
        QSKIP(qPrintable(whyNot));
    ScreenDriver ui;
    ProgramScreen *question = ui.open(ScreenId::TarotMain);
    ScreenDriver::child<QLineEdit>(question, "txtName")->setText(QStringLiteral("Ana"));
    ui.desktop().setNextFileName(path);
    ScreenDriver::click(question, "cmdOpen");
    QVERIFY(ui.desktop().shown.isEmpty());
    QVERIFY(ui.screen(ScreenId::TarotResult));
}

void TestTarotScreens::nameBox_keepsWholeCharactersWithinTheLimit_data()
{
    // A name box holds 255 UTF-16 units, as many as a reading file keeps.
    const QString emoji = QStringLiteral("\U0001F600");
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("kept");
    for (const Start start : {Start::TarotQuestion, Start::AstrologyEntry}) {
        const char *screen = start == Start::TarotQuestion ? "tarot" : "entry";
        QTest::addRow("%s, a long paste", screen)
            << int(start) << QString() << emoji.repeated(200) << emoji.repeated(127);
        QTest::addRow("%s, one emoji into the last place", screen)
            << int(start) << QStringLiteral("a").repeated(254) << emoji
            << QStringLiteral("a").repeated(254);
    }
}

void TestTarotScreens::nameBox_keepsWholeCharactersWithinTheLimit()
{
    QFETCH(int, start);
    QFETCH(QString, typed);
    QFETCH(QString, pasted);
    QFETCH(QString, kept);
    ScreenDriver ui;
    auto *name = ScreenDriver::child<QLineEdit>(ui.reach(Start(start)), "txtName");
    name->setText(typed);
    name->end(false);
    name->insert(pasted); // as a paste inserts
    QCOMPARE(name->text(), kept);
}

QTEST_MAIN(TestTarotScreens)
#include "tst_tarotscreens.moc"
