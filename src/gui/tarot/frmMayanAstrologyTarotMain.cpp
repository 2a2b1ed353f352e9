// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/tarot/frmMayanAstrologyTarotMain.h"

#include "core/common/SiteAddresses.h"
#include "core/readings/ReadingFile.h"
#include "core/tarot/ForeignFile.h"
#include "gui/common/Desktop.h"
#include "gui/common/Fonts.h"
#include "gui/common/NameBox.h"
#include "gui/common/SavedFileDialog.h"
#include "gui/common/ScreenStyle.h"
#include "gui/shell/BrandLinks.h"
#include "gui/shell/CommonMenus.h"
#include "gui/tarot/CardsAhead.h"
#include "gui/tarot/modMayanAstrologyTarot.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tzolkara {

frmMayanAstrologyTarotMain::frmMayanAstrologyTarotMain(TarotOracle &oracle,
                                                       const ReadingPictures &pictures,
                                                       Navigator &navigator, QWidget *parent)
    : ProgramScreen(ScreenId::TarotMain, navigator, parent), m_oracle(oracle)
{
    setObjectName(QStringLiteral("frmMayanAstrologyTarotMain"));
    setWindowTitle(tr("Tzolkara Mayan Astrology Tarot"));
    QMenuBar *menu = buildMenuBar();
    setContent(buildContent(), menu);
    new CardsAhead(this, pictures);
}

QMenuBar *frmMayanAstrologyTarotMain::buildMenuBar()
{
    auto *bar = new QMenuBar(this);
    QMenu *file = addFileMenu(bar, QStringLiteral("nuFile"));
    connect(addMenuItem(file, QStringLiteral("mnuExit"), tr("E&xit")), &QAction::triggered, this,
            &QWidget::close);
    addCommonMenus(bar, MenuVariant::TarotQuestion, desktop());
    return bar;
}

QWidget *frmMayanAstrologyTarotMain::buildContent()
{
    auto *content = new QWidget(this);
    applyScreenStyle(content);
    auto *layout = new QVBoxLayout(content);
    layout->setContentsMargins(18, 10, 18, 12);
    layout->setSpacing(10);

    ClickableLabel *forumLink = createHomePageLink(
        desktop(), content, QStringLiteral("Label61"),
        tr("The Most Popular Online Mystic Discussion Board. Best Resource For Everything Mystic. "
           "Visit %1 Now")
            .arg(mainSiteCaptionAddress()));
    layout->addWidget(forumLink);

    layout->addWidget(introLabel(QStringLiteral("lblLabel_2"),
                                 tr("Let the Mayan Glyphs help you solve your "
                                    "problems. Enter your problem and get an instant "
                                    "Mayan Astrology Tarot reading!"),
                                 content));

    QGridLayout *grid = nullptr;
    QGroupBox *frame = personalDetailsFrame(content, &grid);
    grid->addWidget(boldCaption(QStringLiteral("lblLabel_0"), tr("Name"), frame), 0, 0);
    txtName = new QLineEdit(frame);
    txtName->setObjectName(QStringLiteral("txtName"));
    txtName->setFont(verdana(9.75));
    // As long as on the entry screens: a longer name only slows the PDF down.
    NameBox::limit(txtName, ReadingFile::kMaxNameLength);
    grid->addWidget(txtName, 0, 1);
    grid->addWidget(boldCaption(QStringLiteral("lblLabel_1"), tr("Describe the Problem"), frame), 1,
                    0, 1, 2);
    txtQuestion = new QPlainTextEdit(frame);
    txtQuestion->setObjectName(QStringLiteral("txtQuestion"));
    txtQuestion->setFont(verdana(9.75));
    txtQuestion->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtQuestion->setTabChangesFocus(true);
    txtQuestion->setFixedHeight(110);
    grid->addWidget(txtQuestion, 2, 0, 1, 2);
    cmdNext = new QPushButton(tr("&Get My Mayan Astrology Tarot Reading"), frame);
    cmdNext->setObjectName(QStringLiteral("cmdNext"));
    cmdNext->setFont(verdana(8.25, true));
    grid->addWidget(cmdNext, 3, 0, 1, 2, Qt::AlignLeft);
    grid->setColumnStretch(1, 1);
    layout->addWidget(frame);

    // In view, where a user can find it.
    cmdOpen = new QPushButton(tr("&Open Previously Saved Reading"), content);
    cmdOpen->setObjectName(QStringLiteral("cmdOpen"));
    cmdOpen->setFont(verdana(8.25, true));
    layout->addWidget(cmdOpen, 0, Qt::AlignLeft);
    QWidget *brandLinks = createBrandLinks(desktop(), content, BrandOnTop::FullBrand);
    layout->addWidget(brandLinks);

    txtName->setAccessibleName(tr("Name"));
    txtQuestion->setAccessibleName(tr("Describe the Problem"));
    setTabOrder(txtName, cmdNext);
    setTabOrder(cmdNext, cmdOpen);
    setTabOrder(cmdOpen, txtQuestion);
    // The links come after, the forum link at the top included.
    setTabOrder(txtQuestion, forumLink);
    setTabOrder(forumLink, brandLinks->findChild<ClickableLabel *>(QStringLiteral("lblFullBrand")));

    connect(cmdNext, &QPushButton::clicked, this, &frmMayanAstrologyTarotMain::cmdNext_Click);
    connect(cmdOpen, &QPushButton::clicked, this, &frmMayanAstrologyTarotMain::cmdOpen_Click);
    connect(txtName, &QLineEdit::returnPressed, cmdNext, &QPushButton::click);
    content->setFixedWidth(600);
    return content;
}

bool frmMayanAstrologyTarotMain::ValidateTarotEntries()
{
    // Only the truly empty name is refused; blanks are a name here.
    if (txtName->text().isEmpty()) {
        desktop().showError(this, tr("Please Enter Your Name"));
        txtName->setFocus();
        return false;
    }
    return true;
}

void frmMayanAstrologyTarotMain::cmdNext_Click()
{
    if (!ValidateTarotEntries())
        return;
    modMayanAstrologyTarot::CastTarotReading(m_oracle, navigator(), txtName->text());
    navigator().showScreen(ScreenId::TarotResult);
    hide();
    navigator().setWelcomePanelVisible(false);
}

void frmMayanAstrologyTarotMain::cmdOpen_Click()
{
    const QString path =
        askForSavedFile(desktop(), this, tr("Numerwell (*.num)"), QStringLiteral("num"));
    if (path.isEmpty())
        return;
    // Its lines are read and not used; an unreadable file is no reason to stop.
    ForeignFile::read(path);
    cmdNext_Click();
}

void frmMayanAstrologyTarotMain::Form_Unload()
{
    navigator().setWelcomePanelVisible(true);
}

} // namespace tzolkara
