// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/readings/frmMayanAstrologyResult.h"

#include "core/engine/BirthMonth.h"
#include "core/engine/KinEngine.h"
#include "gui/common/Artwork.h"
#include "gui/common/Fonts.h"
#include "gui/common/MayaDayFrame.h"
#include "gui/common/ScreenStyle.h"
#include "gui/readings/ResultScreenParts.h"
#include "gui/shell/BrandLinks.h"
#include "gui/shell/DateTarget.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tzolkara {

using namespace ResultScreenParts;

frmMayanAstrologyResult::frmMayanAstrologyResult(KinEngine &engine,
                                                 const ReadingPictures &pictures,
                                                 const DayNamesChoice &dayNames,
                                                 Navigator &navigator, QWidget *parent)
    : ProgramScreen(ScreenId::AstrologyResult, navigator, parent), m_engine(engine),
      m_pictures(pictures), m_dayNames(dayNames)
{
    setObjectName(QStringLiteral("frmMayanAstrologyResult"));
    setWindowTitle(tr("Tzolkara Mayan Astrology"));
    QMenuBar *menu = buildMenuBar(this, [this] { cmdBack_Click(); });
    setContent(buildContent(), menu);
}

QWidget *frmMayanAstrologyResult::buildContent()
{
    auto *content = new QWidget(this);
    applyScreenStyle(content);

    // The day sign.
    auto *frame2 = new QGroupBox(tr("Mayan Day Sign"), content);
    frame2->setObjectName(QStringLiteral("Frame2"));
    picDaySign =
        pictureBox(QStringLiteral("picDaySign"), m_pictures.signFrame(devicePixelRatioF()), frame2);
    picDaySign->setAccessibleName(tr("Day sign"));
    auto *facts = new QGridLayout;
    facts->setHorizontalSpacing(10);
    facts->setVerticalSpacing(7);
    const std::array<const char *, 6> captions = {
        QT_TR_NOOP("Mayan Day Sign"),     QT_TR_NOOP("English Name"),
        QT_TR_NOOP("Mayan Gemstone"),     QT_TR_NOOP("Mayan Keywords"),
        QT_TR_NOOP("Mayan Significance"), QT_TR_NOOP("Famous Personalities")};
    lblMayanDaySign = valueLabel(QStringLiteral("lblMayanDaySign"), frame2);
    lblMayanEnglishName = valueLabel(QStringLiteral("lblMayanEnglishName"), frame2);
    lblMayanGemstone = valueLabel(QStringLiteral("lblMayanGemstone"), frame2);
    lblKeywords = valueLabel(QStringLiteral("lblKeywords"), frame2);
    lblSignificance = valueLabel(QStringLiteral("lblSignificance"), frame2);
    lblFamousPersons = valueLabel(QStringLiteral("lblFamousPersons"), frame2, 190);
    lblMayanDaySign->setFont(verdana(9.75, true));
    const std::array<QLabel *, 6> values = {lblMayanDaySign, lblMayanEnglishName, lblMayanGemstone,
                                            lblKeywords,     lblSignificance,     lblFamousPersons};
    for (int i = 0; i < 6; ++i) {
        auto *caption = new QLabel(tr(captions[i]), frame2);
        caption->setObjectName(QStringLiteral("Label1_%1").arg(i));
        caption->setFont(verdana(8.25, true));
        facts->addWidget(caption, i, 0, i == 5 ? Qt::AlignTop : Qt::AlignVCenter);
        facts->addWidget(values[i], i, 1);
    }
    facts->setColumnStretch(1, 1);
    auto *signTop = new QHBoxLayout;
    signTop->setSpacing(14);
    signTop->addWidget(picDaySign, 0, Qt::AlignTop);
    signTop->addLayout(facts, 1);
    lblMayanDesc = valueLabel(QStringLiteral("lblMayanDesc"), frame2, 500);
    auto *signLayout = new QVBoxLayout(frame2);
    signLayout->setSpacing(12);
    signLayout->addLayout(signTop);
    signLayout->addWidget(lblMayanDesc, 1);

    // The day number.
    auto *frame1 = new QGroupBox(tr("Mayan Day Number / Galactic Tone"), content);
    frame1->setObjectName(QStringLiteral("Frame1"));
    picGalacticTone = pictureBox(QStringLiteral("picGalacticTone"),
                                 m_pictures.toneFrame(devicePixelRatioF()), frame1);
    picGalacticTone->setAccessibleName(tr("Day number"));
    lblMayanDayNumber = valueLabel(QStringLiteral("lblMayanDayNumber"), frame1);
    lblMayanDayNumber->setFont(verdana(24, true));
    lblMayanNoDesc = valueLabel(QStringLiteral("lblMayanNoDesc"), frame1, 318);
    auto *numberTop = new QHBoxLayout;
    numberTop->setSpacing(16);
    numberTop->addWidget(picGalacticTone);
    numberTop->addWidget(lblMayanDayNumber);
    numberTop->addStretch(1);
    auto *numberLayout = new QVBoxLayout(frame1);
    numberLayout->setSpacing(12);
    numberLayout->addLayout(numberTop);
    numberLayout->addWidget(lblMayanNoDesc, 1);

    // The buttons.
    auto *frame5 = new QFrame(content);
    frame5->setObjectName(QStringLiteral("Frame5"));
    cmdSave = button(QStringLiteral("cmdSave"), tr("Save"), frame5);
    cmdBack = button(QStringLiteral("cmdBack"), tr("Back"), frame5);
    auto *buttons = new QHBoxLayout(frame5);
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->addStretch(1);
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdBack);

    auto *columns = new QHBoxLayout;
    columns->setSpacing(14);
    frame2->setFixedWidth(530);
    frame1->setFixedWidth(350);
    columns->addWidget(frame2);
    auto *right = new QVBoxLayout;
    right->addWidget(frame1);
    fraMayaCalendar = new MayaDayFrame(m_dayNames, content);
    fraMayaCalendar->setFixedWidth(350);
    fraMayaCalendar->addCalendarLink();
    // After the buttons: the keyboard still starts on Save, as it always has.
    if (auto *link = fraMayaCalendar->findChild<QWidget *>(QStringLiteral("lblShowInCalendar")))
        setTabOrder(cmdBack, link);
    right->addSpacing(6);
    right->addWidget(fraMayaCalendar);
    right->addStretch(1);
    right->addWidget(frame5);
    columns->addLayout(right);

    auto *layout = new QVBoxLayout(content);
    layout->setContentsMargins(16, 12, 16, 10);
    layout->setSpacing(10);
    layout->addLayout(columns, 1);
    layout->addWidget(
        createHomePageLink(desktop(), content, QStringLiteral("Label14"), forumCaption()));
    layout->addWidget(createBrandLinks(desktop(), content, BrandOnTop::CoBrand, false));

    connect(cmdSave, &QPushButton::clicked, this, &frmMayanAstrologyResult::cmdSave_Click);
    connect(cmdBack, &QPushButton::clicked, this, &frmMayanAstrologyResult::cmdBack_Click);
    connect(fraMayaCalendar, &MayaDayFrame::calendarAsked, this,
            &frmMayanAstrologyResult::lblShowInCalendar_Click);
    content->setFixedWidth(926);
    return content;
}

void frmMayanAstrologyResult::Form_Load()
{
    m_engine.CalculateReading();
    const ReadingState &state = m_engine.state();
    lblMayanDayNumber->setText(QString::number(state.DayNumber));
    setWrappedText(lblMayanNoDesc, state.DayNumberDescription);
    lblMayanDaySign->setText(state.DaySignLabel);
    lblMayanGemstone->setText(state.Gemstone);
    lblKeywords->setText(state.Keywords);
    lblSignificance->setText(state.Significance);
    setWrappedText(lblMayanDesc, state.SignDescription);
    lblMayanEnglishName->setText(state.EnglishName);
    setWrappedText(lblFamousPersons, state.FamousPersons);
    fraMayaCalendar->showDate(state.BirthYear, monthIndexOf(state.BirthMonth) + 1, state.BirthDay);
    showPicture(picGalacticTone, m_pictures.astrologyTones(), state.DayNumber,
                toneDescription(state.DayNumber));
    showPicture(picDaySign, m_pictures.daySigns(), Artwork::daySignIndex(state.DaySign),
                tr("Day sign %1 (%2)").arg(state.EnglishName, state.DaySignLabel));
}

void frmMayanAstrologyResult::cmdSave_Click()
{
    if (!navigator().findScreen(ScreenId::AstrologySave))
        navigator().showScreen(ScreenId::AstrologySave);
}

void frmMayanAstrologyResult::lblShowInCalendar_Click(const QDate &date)
{
    // The calendar opens over the reading, which it gives back when closed.
    ProgramScreen *calendar = navigator().showScreen(ScreenId::MayaCalendar);
    if (auto *target = dynamic_cast<DateTarget *>(calendar))
        target->showDate(date);
}

void frmMayanAstrologyResult::cmdBack_Click()
{
    goBack(this, ScreenId::AstrologyMain);
}

void frmMayanAstrologyResult::Form_Unload()
{
    closeReport(navigator(), ScreenId::AstrologySave);
    navigator().setWelcomePanelVisible(true);
}

} // namespace tzolkara
