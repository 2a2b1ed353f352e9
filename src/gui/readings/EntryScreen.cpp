// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/readings/EntryScreen.h"

#include "core/common/NameText.h"
#include "core/engine/BirthMonth.h"
#include "core/engine/KinEngine.h"
#include "core/readings/BirthYears.h"
#include "core/readings/ReadingFile.h"
#include "gui/common/Artwork.h"
#include "gui/common/Desktop.h"
#include "gui/common/Fonts.h"
#include "gui/common/NameBox.h"
#include "gui/common/SavedFileDialog.h"
#include "gui/common/ScreenStyle.h"
#include "gui/shell/BrandLinks.h"
#include "gui/shell/CommonMenus.h"
#include "tables/engine/BirthDate.h"

#include "core/i18n/ShownDates.h"
#include <QComboBox>
#include <QDate>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace tzolkara {

namespace {

// Place in a list of the numbers first, first + 1, ... of a number written
// exactly as the list writes it ("7", not "07"), or -1.
int placeOfNumber(const QString &text, int first, int count)
{
    bool ok = false;
    const int number = text.toInt(&ok);
    const int place = number - first;
    return ok && QString::number(number) == text && place >= 0 && place < count ? place : -1;
}

} // namespace

EntryScreen::EntryScreen(Kind kind, KinEngine &engine, Navigator &navigator, QWidget *parent)
    : ProgramScreen(kind == Kind::Astrology ? ScreenId::AstrologyMain : ScreenId::NumerologyMain,
                    navigator, parent),
      m_kind(kind), m_engine(engine)
{
    setObjectName(kind == Kind::Astrology ? QStringLiteral("frmMayanAstrologyMain")
                                          : QStringLiteral("frmMayanNumerologyMain"));
    setWindowTitle(kind == Kind::Astrology ? tr("Tzolkara Mayan Astrology")
                                           : tr("Tzolkara Mayan Numerology"));
    QMenuBar *menu = buildMenuBar();
    setContent(buildContent(), menu);
}

ScreenId EntryScreen::resultScreen() const
{
    return m_kind == Kind::Astrology ? ScreenId::AstrologyResult : ScreenId::NumerologyResult;
}

QMenuBar *EntryScreen::buildMenuBar()
{
    auto *bar = new QMenuBar(this);
    QMenu *file = addFileMenu(bar);
    connect(addMenuItem(file, QStringLiteral("mnuMayan"), tr("Get My &Mayan Astrology Sign")),
            &QAction::triggered, this, &EntryScreen::cmdCalculate_Click);
    addMenuSeparator(file, QStringLiteral("mnuSep3"));
    connect(addMenuItem(file, QStringLiteral("mnuExit"), tr("E&xit")), &QAction::triggered, this,
            &EntryScreen::close);
    addCommonMenus(bar, MenuVariant::EntryScreen, desktop());
    return bar;
}

QWidget *EntryScreen::buildContent()
{
    auto *content = new QWidget(this);
    applyScreenStyle(content);
    auto *layout = new QVBoxLayout(content);
    layout->setContentsMargins(18, 14, 18, 12);
    layout->setSpacing(10);

    if (m_kind == Kind::Numerology) {
        layout->addWidget(introLabel(
            QStringLiteral("Label1_2"),
            tr("Enter your date of birth and know more about your lucky Mayan Day Number!"),
            content));
    }

    QGridLayout *grid = nullptr;
    QGroupBox *frame = personalDetailsFrame(content, &grid);

    auto *picture = new QLabel(frame);
    picture->setPixmap(
        svgPixmap(Artwork::kApplicationIconResource, QSize(64, 64), devicePixelRatioF()));
    grid->addWidget(picture, 0, 0, 3, 1, Qt::AlignTop);

    grid->addWidget(boldCaption(QStringLiteral("Label1_0"), tr("Name"), frame), 0, 1);
    txtName = new QLineEdit(frame);
    txtName->setObjectName(QStringLiteral("txtName"));
    txtName->setFont(verdana(9.75));
    txtName->setMinimumWidth(300);
    NameBox::limit(txtName, ReadingFile::kMaxNameLength);
    grid->addWidget(txtName, 0, 2);

    QLabel *dateCaption = boldCaption(QStringLiteral("Label1_1"), tr("Date of Birth"), frame);
    grid->addWidget(dateCaption, 1, 1);
    auto *date = new QHBoxLayout;
    date->setSpacing(8);
    auto makeList = [frame](const char *name) {
        auto *list = new QComboBox(frame);
        list->setObjectName(QString::fromLatin1(name));
        list->setEditable(false);
        list->setFont(verdana(9.75));
        return list;
    };
    cboMonth = makeList("cboMonth");
    cboDate = makeList("cboDate");
    cboYear = makeList("cboYear");
    cboMonth->setMinimumContentsLength(9);
    date->addWidget(cboMonth, 2);
    date->addWidget(cboDate, 1);
    date->addWidget(cboYear, 1);
    grid->addLayout(date, 1, 2);

    cmdCalculate =
        new QPushButton(m_kind == Kind::Astrology ? tr("Get &Mayan Astrology Result")
                                                  : tr("&Get My Mayan Numerology Reading"),
                        frame);
    cmdCalculate->setObjectName(QStringLiteral("cmdCalculate"));
    cmdCalculate->setFont(verdana(8.25, true));
    cmdCalculate->setDefault(true);
    cmdCalculate->setAutoDefault(true);
    grid->addWidget(cmdCalculate, 2, 2, Qt::AlignLeft);
    grid->setColumnStretch(2, 1);
    layout->addWidget(frame);

    cmdOpen = new QPushButton(tr("&Open Previously Saved Reading"), content);
    cmdOpen->setObjectName(QStringLiteral("cmdOpen"));
    cmdOpen->setFont(verdana(8.25, true));
    layout->addWidget(cmdOpen, 0, Qt::AlignLeft);

    layout->addSpacing(4);
    layout->addWidget(
        createHomePageLink(desktop(), content, QStringLiteral("Label14"), forumCaption()));
    layout->addWidget(createBrandLinks(desktop(), content, BrandOnTop::FullBrand));

    // Screen readers would otherwise name the boxes after their frame, and
    // the lists only by the value they show.
    // (Qt names a list after its value; the caption and a description say
    // which part of the date it is.)
    txtName->setAccessibleName(tr("Name"));
    dateCaption->setBuddy(cboMonth);
    cboMonth->setAccessibleDescription(tr("Month of birth"));
    cboDate->setAccessibleDescription(tr("Day of birth"));
    cboYear->setAccessibleDescription(tr("Year of birth"));
    picture->setAccessibleName(tr("The Tzolkara emblem"));

    setTabOrder(txtName, cboMonth);
    setTabOrder(cboMonth, cboDate);
    setTabOrder(cboDate, cboYear);
    setTabOrder(cboYear, cmdCalculate);

    connect(cmdCalculate, &QPushButton::clicked, this, &EntryScreen::cmdCalculate_Click);
    connect(cmdOpen, &QPushButton::clicked, this, &EntryScreen::cmdOpen_Click);
    // Enter in the name box asks for the reading, as in a dialog.
    connect(txtName, &QLineEdit::returnPressed, cmdCalculate, &QPushButton::click);
    content->setFixedWidth(620);
    return content;
}

void EntryScreen::Form_Load()
{
    for (int month = 0; month < 12; ++month)
        cboMonth->addItem(listedMonthName(month));
    for (int day = 1; day <= 31; ++day)
        cboDate->addItem(QString::number(day));
    for (int year = kFirstBirthYear, last = lastListedBirthYear(desktop().today()); year <= last;
         ++year)
        cboYear->addItem(QString::number(year));
    cboMonth->setCurrentIndex(0);
    cboDate->setCurrentIndex(0);
    cboYear->setCurrentIndex(0);
    txtName->setFocus();
}

void EntryScreen::showDate(const QDate &date)
{
    const int year = date.year() - kFirstBirthYear;
    if (date.isValid() && year >= 0 && year < cboYear->count()) {
        cboYear->setCurrentIndex(year);
        cboMonth->setCurrentIndex(date.month() - 1);
        cboDate->setCurrentIndex(date.day() - 1);
    }
    txtName->setFocus();
}

bool EntryScreen::ValidateBirthDetails()
{
    if (txtName->text().trimmed().isEmpty()) {
        desktop().showError(this, tr("Please Enter Your Name"));
        txtName->setFocus();
        return false;
    }
    const int year = kFirstBirthYear + cboYear->currentIndex();
    const int month = cboMonth->currentIndex();
    if (isListedBirthDate(year, month, cboDate->currentIndex() + 1, desktop().today()))
        return true;
    // February and the 30-day months keep their own, slightly different texts.
    constexpr int kFebruary = 1;
    desktop().showInformation(this, month == kFebruary
                                        ? tr("Please Enter Correct Date Or Month!")
                                        : tr("Please Enter Correct Date Or Month !"));
    return false;
}

void EntryScreen::cmdCalculate_Click()
{
    if (!ValidateBirthDetails())
        return;
    ReadingState &state = m_engine.state();
    state.UserName = NameText::oneLine(txtName->text()).trimmed();
    // The lists' places, not their texts: what they show may be translated.
    state.BirthYear = static_cast<qint16>(kFirstBirthYear + cboYear->currentIndex());
    state.BirthMonth = monthName(cboMonth->currentIndex());
    state.BirthDay = static_cast<qint16>(cboDate->currentIndex() + 1);
    m_engine.CalculateReading();

    // A result screen is loaded afresh for every reading.
    if (ProgramScreen *previous = navigator().findScreen(resultScreen()))
        previous->close();
    navigator().showScreen(resultScreen());
    hide();
    navigator().setWelcomePanelVisible(false);
}

void EntryScreen::cmdOpen_Click()
{
    const QString path =
        askForSavedFile(desktop(), this, tr("Mayan Astrology (*.man)"), QStringLiteral("man"));
    if (path.isEmpty())
        return;
    ReadingFile::Inputs inputs;
    if (!ReadingFile::read(path, inputs)) {
        desktop().showError(this, tr("Please Check The File."));
        return;
    }
    const int year = placeOfNumber(inputs.birthYear, kFirstBirthYear, cboYear->count());
    const int month = monthIndexOf(inputs.birthMonth);
    const int day = placeOfNumber(inputs.birthDay, 1, cboDate->count());
    // A truncated or damaged file would otherwise open as whatever date the
    // lists showed. An empty file still goes on, to ask for the name.
    if (inputs.hasLines && (year < 0 || month < 0 || day < 0)) {
        desktop().showError(this, tr("Please Check The File."));
        return;
    }
    txtName->setText(NameText::oneLine(inputs.userName));
    for (auto [list, index] :
         {std::pair{cboYear, year}, std::pair{cboMonth, month}, std::pair{cboDate, day}}) {
        if (index >= 0)
            list->setCurrentIndex(index);
    }
    cmdCalculate_Click();
}

void EntryScreen::Form_Unload()
{
    navigator().setWelcomePanelVisible(true);
}

} // namespace tzolkara
