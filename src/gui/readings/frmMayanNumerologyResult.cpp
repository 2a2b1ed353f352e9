// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/readings/frmMayanNumerologyResult.h"

#include "core/engine/KinEngine.h"
#include "gui/common/Artwork.h"
#include "gui/common/Fonts.h"
#include "gui/common/ScreenStyle.h"
#include "gui/readings/ResultScreenParts.h"
#include "gui/shell/BrandLinks.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tzolkara {

using namespace ResultScreenParts;

frmMayanNumerologyResult::frmMayanNumerologyResult(KinEngine &engine,
                                                   const ReadingPictures &pictures,
                                                   Navigator &navigator, QWidget *parent)
    : ProgramScreen(ScreenId::NumerologyResult, navigator, parent), m_engine(engine),
      m_pictures(pictures)
{
    setObjectName(QStringLiteral("frmMayanNumerologyResult"));
    setWindowTitle(tr("Tzolkara Mayan Numerology"));
    QMenuBar *menu = buildMenuBar(this, [this] { cmdBack_Click(); });
    setContent(buildContent(), menu);
}

QWidget *frmMayanNumerologyResult::buildContent()
{
    auto *content = new QWidget(this);
    applyScreenStyle(content);

    auto *frame1 = new QGroupBox(tr("Tzolkara Mayan Numerology Result"), content);
    frame1->setObjectName(QStringLiteral("Frame1"));
    picGalacticTone = pictureBox(QStringLiteral("picGalacticTone"),
                                 m_pictures.toneFrame(devicePixelRatioF()), frame1);
    picGalacticTone->setAccessibleName(tr("Day number"));
    auto *caption = new QLabel(tr("Mayan Day Number"), frame1);
    caption->setObjectName(QStringLiteral("Label1"));
    caption->setFont(verdana(9.75, true));
    lblMayanDayNumber = valueLabel(QStringLiteral("lblMayanDayNumber"), frame1);
    lblMayanDayNumber->setText(tr("Number"));
    lblMayanDayNumber->setFont(verdana(24, true));
    lblMayanNoDesc = valueLabel(QStringLiteral("lblMayanNoDesc"), frame1, 540);
    lblMayanNoDesc->setText(tr("Desc"));
    lblMayanNoDesc->setFont(verdana(9));

    auto *top = new QHBoxLayout;
    top->setSpacing(16);
    top->addWidget(picGalacticTone);
    auto *number = new QVBoxLayout;
    number->addWidget(caption);
    number->addWidget(lblMayanDayNumber);
    top->addLayout(number);
    top->addStretch(1);
    auto *frameLayout = new QVBoxLayout(frame1);
    frameLayout->setSpacing(12);
    frameLayout->addLayout(top);
    frameLayout->addWidget(lblMayanNoDesc, 1);

    cmdBack = button(QStringLiteral("cmdBack"), tr("Back"), content);
    cmdSave = button(QStringLiteral("cmdSave"), tr("Save"), content);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdBack);

    auto *layout = new QVBoxLayout(content);
    layout->setContentsMargins(16, 12, 16, 10);
    layout->setSpacing(10);
    layout->addWidget(frame1, 1);
    layout->addLayout(buttons);
    layout->addWidget(createBrandLinks(desktop(), content, BrandOnTop::FullBrand));
    layout->addWidget(
        createHomePageLink(desktop(), content, QStringLiteral("Label14"), forumCaption()));

    setTabOrder(cmdSave, cmdBack); // left to right, as they stand
    connect(cmdSave, &QPushButton::clicked, this, &frmMayanNumerologyResult::cmdSave_Click);
    connect(cmdBack, &QPushButton::clicked, this, &frmMayanNumerologyResult::cmdBack_Click);
    content->setFixedWidth(600);
    return content;
}

void frmMayanNumerologyResult::Form_Load()
{
    m_engine.CalculateReading();
    const ReadingState &state = m_engine.state();
    lblMayanDayNumber->setText(QString::number(state.DayNumber));
    setWrappedText(lblMayanNoDesc, state.DayNumberDescription);
    showPicture(picGalacticTone, m_pictures.numerologyTones(), state.DayNumber,
                toneDescription(state.DayNumber));
}

void frmMayanNumerologyResult::cmdSave_Click()
{
    // The Numerology reading has a report of its own, as Astrology has.
    if (!navigator().findScreen(ScreenId::NumerologySave))
        navigator().showScreen(ScreenId::NumerologySave);
}

void frmMayanNumerologyResult::cmdBack_Click()
{
    goBack(this, ScreenId::NumerologyMain);
}

void frmMayanNumerologyResult::Form_Unload()
{
    closeReport(navigator(), ScreenId::NumerologySave);
    navigator().setWelcomePanelVisible(true);
}

} // namespace tzolkara
