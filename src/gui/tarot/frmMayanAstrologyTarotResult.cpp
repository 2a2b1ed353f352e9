// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/tarot/frmMayanAstrologyTarotResult.h"

#include "core/common/SiteAddresses.h"
#include "core/settings/DayNamesChoice.h"
#include "gui/common/Artwork.h"
#include "gui/common/ClickableLabel.h"
#include "gui/common/ClipboardGuard.h"
#include "gui/common/Fonts.h"
#include "gui/common/MayaDayFrame.h"
#include "gui/common/ReadingPdf.h"
#include "gui/common/ScreenStyle.h"
#include "gui/shell/BrandLinks.h"
#include "gui/shell/CommonMenus.h"

#include "core/i18n/ShownDates.h"
#include <QDate>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextEdit>
#include <QVBoxLayout>

namespace tzolkara {

namespace {

// The cross of cards, in pixels (15 twips each) from the top left of the
// window's client area: left and top of each position, and the size every
// card is stretched to.
constexpr std::array<QPoint, kPositionCount> kCardPlaces = {
    QPoint(152, 24), QPoint(40, 160), QPoint(152, 160), QPoint(264, 160), QPoint(152, 306)};
constexpr QSize kCardSize(93, 120);
constexpr int kCaptionHeight = 16;
constexpr int kCrossWidth = 264 + 93 + 40;
constexpr int kCrossHeight = 306 + 120 + kCaptionHeight;
// The forum link runs across the top, above the Guide card.
constexpr QPoint kForumLinkPlace(16, 4);

} // namespace

frmMayanAstrologyTarotResult::frmMayanAstrologyTarotResult(const ReadingPictures &pictures,
                                                           const DayNamesChoice &dayNames,
                                                           Navigator &navigator, QWidget *parent)
    : ProgramScreen(ScreenId::TarotResult, navigator, parent), m_pictures(pictures),
      m_dayNames(dayNames)
{
    setObjectName(QStringLiteral("frmMayanAstrologyTarotResult"));
    setWindowTitle(tr("Tzolkara Mayan Astrology Tarot"));
    QMenuBar *menu = buildMenuBar();
    setContent(buildContent(), menu);
}

QMenuBar *frmMayanAstrologyTarotResult::buildMenuBar()
{
    auto *bar = new QMenuBar(this);
    QMenu *file = addFileMenu(bar);
    // Shown, but there is nothing to print from here.
    addMenuItem(file, QStringLiteral("mnuPrint"), tr("&Print"))->setEnabled(false);
    connect(addMenuItem(file, QStringLiteral("mnuSavePdf"), tr("Save as PDF\u2026")),
            &QAction::triggered, this, &frmMayanAstrologyTarotResult::mnuSavePdf_Click);
    connect(addMenuItem(file, QStringLiteral("mnuBack"), tr("&Back")), &QAction::triggered, this,
            &frmMayanAstrologyTarotResult::cmdBack_Click);
    addMenuSeparator(file, QStringLiteral("mnuFileSep1"));
    connect(addMenuItem(file, QStringLiteral("mnuExit"), tr("E&xit")), &QAction::triggered, this,
            &frmMayanAstrologyTarotResult::cmdExit_Click);
    addCommonMenus(bar, MenuVariant::TarotResult, desktop());
    return bar;
}

QWidget *frmMayanAstrologyTarotResult::buildContent()
{
    auto *content = new QWidget(this);
    applyScreenStyle(content);

    auto *cross = new QWidget(content);
    cross->setFixedSize(kCrossWidth, kCrossHeight);
    const std::array<const char *, kPositionCount> names = {
        QT_TR_NOOP("Guide"), QT_TR_NOOP("Challenge"), QT_TR_NOOP("Central"), QT_TR_NOOP("Ally"),
        QT_TR_NOOP("Occult")};
    for (int p = 0; p < kPositionCount; ++p) {
        auto *card = new QLabel(cross);
        card->setObjectName(QStringLiteral("imgMayanTarot_%1").arg(p));
        card->setScaledContents(true);
        card->setGeometry(QRect(kCardPlaces[p], kCardSize));
        card->setAccessibleName(tr(names[p]));
        imgMayanTarot[p] = card;
        showCard(p);

        auto *caption = new QLabel(tr(names[p]), cross);
        caption->setObjectName(QStringLiteral("lblImageName_%1").arg(p));
        caption->setFont(verdana(8.25, true));
        caption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        caption->setGeometry(kCardPlaces[p].x() - 10, kCardPlaces[p].y() + kCardSize.height(),
                             kCardSize.width() + 20, kCaptionHeight);
        lblImageName[p] = caption;
    }

    RTB = new QTextEdit(content);
    RTB->setObjectName(QStringLiteral("RTB"));
    RTB->setReadOnly(true);
    // Every reading is longer than the box: with the scroll bar there from the
    // start, the text is laid out once at its width, not once without the bar
    // and again with it.
    RTB->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Level with the cross: from the top of the Guide card to the bottom
    // of the Occult caption.
    RTB->setFixedSize(470, kCrossHeight - kCardPlaces[0].y());
    guardClipboard(RTB, desktop());

    cmdExit = new QPushButton(tr("E&xit"), content);
    cmdExit->setObjectName(QStringLiteral("cmdExit"));
    cmdBack = new QPushButton(tr("&Back"), content);
    cmdBack->setObjectName(QStringLiteral("cmdBack"));
    for (QPushButton *button : {cmdExit, cmdBack}) {
        button->setFont(verdana(8.25, true));
        button->setMinimumWidth(96);
    }

    auto *reading = new QHBoxLayout;
    reading->setSpacing(16);
    reading->addWidget(cross, 0, Qt::AlignTop);
    auto *text = new QVBoxLayout;
    text->addSpacing(kCardPlaces[0].y());
    text->addWidget(RTB);
    reading->addLayout(text);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdExit);
    buttons->addWidget(cmdBack);

    // The cross starts at the top left corner, where its places count from.
    auto *layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 16, 10);
    layout->setSpacing(8);
    layout->addLayout(reading);
    layout->addLayout(buttons);
    auto *brand = new QHBoxLayout;
    brand->setContentsMargins(16, 0, 0, 0);
    brand->addWidget(createBrandLinks(desktop(), content, BrandOnTop::FullBrand));
    layout->addLayout(brand);

    ClickableLabel *forumLink = createHomePageLink(
        desktop(), content, QStringLiteral("Label14"),
        tr("The Most Popular Online Mystic Discussion Forum. Click Here To Visit %1 Now")
            .arg(mainSiteCaptionAddress()));
    forumLink->setWordWrap(false);
    forumLink->adjustSize();
    forumLink->move(kForumLinkPlace);
    forumLink->raise();

    connect(cmdExit, &QPushButton::clicked, this, &frmMayanAstrologyTarotResult::cmdExit_Click);
    connect(cmdBack, &QPushButton::clicked, this, &frmMayanAstrologyTarotResult::cmdBack_Click);
    return content;
}

void frmMayanAstrologyTarotResult::writeReading(const TarotReading &reading)
{
    m_castDay = reading.castOn;
    m_askerName = reading.askerName;
    {
        // Each run changes the text, and each change would empty the
        // clipboard: once is enough.
        const QSignalBlocker quiet(RTB);
        RTB->clear();
        QTextCursor cursor(RTB->document());
        // One edit: the view lays the text out once, not once a run.
        cursor.beginEditBlock();
        QTextCharFormat format;
        format.setFont(verdana(10));
        format.setFontPointSize(10);
        bool first = true;
        for (const TarotRun &run : reading.runs) {
            format.setFontWeight(run.format == TarotRunFormat::Body ? QFont::Normal : QFont::Bold);
            if (first) {
                cursor.setCharFormat(format);
                cursor.setBlockCharFormat(format);
                first = false;
            }
            cursor.insertText(run.text, format);
            cursor.insertBlock(QTextBlockFormat(), format);
        }
        cursor.endEditBlock();
        RTB->moveCursor(QTextCursor::Start);
    }
    desktop().emptyClipboard();
    for (int position = 0; position < kPositionCount; ++position)
        layCard(position, reading.glyphs[position], reading.cardNames[position]);
}

void frmMayanAstrologyTarotResult::layCard(int position, int glyph, const QString &cardName)
{
    if (glyph < 0 || glyph >= m_pictures.tarotCards().count())
        return;
    m_cardGlyphs[position] = glyph;
    showCard(position);
    // What a screen reader says of the card: "Guide: Cauac, Blue Storm".
    imgMayanTarot[position]->setAccessibleName(
        QStringLiteral("%1: %2").arg(lblImageName[position]->text(), cardName));
}

// The card is drawn straight at the control's size in device pixels, so it
// is as sharp as the screen allows; the control then has nothing to scale.
void frmMayanAstrologyTarotResult::showCard(int position)
{
    QLabel *card = imgMayanTarot[position];
    card->setPixmap(m_pictures.tarotCards().picture(m_cardGlyphs[position] + 1, card->size(),
                                                  card->devicePixelRatioF()));
}

void frmMayanAstrologyTarotResult::drawCardAhead(const ReadingPictures &pictures, int glyph,
                                                 qreal devicePixelRatio)
{
    pictures.tarotCards().picture(glyph + 1, kCardSize, devicePixelRatio);
}

bool frmMayanAstrologyTarotResult::isCardDrawn(const ReadingPictures &pictures, int glyph,
                                               qreal devicePixelRatio)
{
    return pictures.tarotCards().isRendered(glyph + 1, kCardSize, devicePixelRatio);
}

bool frmMayanAstrologyTarotResult::event(QEvent *event)
{
    // On a screen of another pixel density the cards are drawn afresh.
    const bool densityChanged = event->type() == QEvent::ScreenChangeInternal
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
                                || event->type() == QEvent::DevicePixelRatioChange
#endif
        ;
    if (densityChanged) {
        for (int p = 0; p < kPositionCount; ++p)
            showCard(p);
    }
    return ProgramScreen::event(event);
}

void frmMayanAstrologyTarotResult::cmdBack_Click()
{
    navigator().showScreen(ScreenId::TarotMain);
    m_closingForBack = true;
    close();
    navigator().setWelcomePanelVisible(false);
}

void frmMayanAstrologyTarotResult::cmdExit_Click()
{
    close();
}

void frmMayanAstrologyTarotResult::Form_Unload()
{
    if (m_closingForBack)
        return;
    navigator().setWelcomePanelVisible(true);
}

void frmMayanAstrologyTarotResult::mnuSavePdf_Click()
{
    // The cross as on the screen, at half its size, each card with its position.
    constexpr qreal kScale = 0.5;
    ReadingPdf::Header header;
    header.heading = windowTitle();
    header.pictureArea = QSizeF(kCrossWidth, kCrossHeight) * kScale;
    for (int p = 0; p < kPositionCount; ++p) {
        header.pictures.append(
            {m_pictures.tarotCards().resource(m_cardGlyphs[p] + 1),
             QRectF(QPointF(kCardPlaces[p]) * kScale, QSizeF(kCardSize) * kScale),
             lblImageName[p]->text()});
    }
    const QString &name = m_askerName;
    header.name = name;
    // The cards were cast on this day, whenever the PDF is made.
    const QDate day = m_castDay.isValid() ? m_castDay : desktop().today();
    header.lines << tr("Reading of %1").arg(dayFirstDate(day.year(), day.month() - 1, day.day()))
                 << MayaDayFrame::linesFor(day.year(), day.month(), day.day(), m_dayNames.names());
    ReadingPdf::exportWithDialog(
        desktop(), this, ReadingPdf::suggestedFileName(name, day.toString(Qt::ISODate)),
        tr("%1 reading for %2").arg(windowTitle(), name), header, *RTB->document());
}

} // namespace tzolkara
