// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/ScreenDriver.h"

#include "core/engine/BirthMonth.h"

using namespace tzolkara;

ScreenDriver::ScreenDriver(const Language &language)
    : m_language(language), m_context(m_desktop, language)
{
    m_main = std::make_unique<frmMDI>(m_context.programs(), m_desktop, m_context.dayNames);
    m_main->resize(1280, 760);
    m_main->show();
}

ScreenDriver::~ScreenDriver()
{
    m_main->close();
    m_main.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

ProgramScreen *ScreenDriver::open(ScreenId entry)
{
    m_main->OpenProgramScreen(entry);
    return screen(entry);
}

void ScreenDriver::click(QWidget *screen, const char *button)
{
    if (QPushButton *found = child<QPushButton>(screen, button))
        QTest::mouseClick(found, Qt::LeftButton);
}

void ScreenDriver::enter(QWidget *entry, const QString &name, const QString &month, int day,
                         int year)
{
    child<QLineEdit>(entry, "txtName")->setText(name);
    auto *months = child<QComboBox>(entry, "cboMonth");
    // By the month's place, which is the same in every language.
    months->setCurrentIndex(tzolkara::monthIndexOf(month));
    child<QComboBox>(entry, "cboDate")->setCurrentIndex(day - 1);
    child<QComboBox>(entry, "cboYear")->setCurrentIndex(year - 1900);
}

void ScreenDriver::clickOnTopOf(QWidget *widget)
{
    QWidget *window = widget->window();
    const QPoint point = widget->mapTo(window, widget->rect().center());
    QWidget *target = window->childAt(point);
    if (!target)
        target = window;
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->mapFrom(window, point));
}

ScreenId ScreenDriver::frontScreen(Start start)
{
    switch (start) {
    case Start::Welcome:
    case Start::AstrologyEntry:
        return ScreenId::AstrologyMain;
    case Start::NumerologyEntry:
        return ScreenId::NumerologyMain;
    case Start::TarotQuestion:
        return ScreenId::TarotMain;
    case Start::AstrologyResult:
        return ScreenId::AstrologyResult;
    case Start::NumerologyResult:
        return ScreenId::NumerologyResult;
    case Start::AstrologyReport:
        return ScreenId::AstrologySave;
    case Start::NumerologyReport:
        return ScreenId::NumerologySave;
    case Start::TarotResult:
        return ScreenId::TarotResult;
    case Start::MayaCalendar:
        return ScreenId::MayaCalendar;
    }
    return ScreenId::AstrologyMain;
}

QWidget *ScreenDriver::reach(Start start)
{
    if (start == Start::Welcome)
        return m_main.get();
    if (start == Start::MayaCalendar)
        return open(ScreenId::MayaCalendar);
    const bool numerology = start == Start::NumerologyEntry || start == Start::NumerologyResult ||
                            start == Start::NumerologyReport;
    if (start == Start::TarotQuestion || start == Start::TarotResult) {
        QWidget *question = open(ScreenId::TarotMain);
        if (start == Start::TarotResult) {
            child<QLineEdit>(question, "txtName")->setText(QStringLiteral("Ana"));
            click(question, "cmdNext");
        }
    } else {
        QWidget *entry = open(numerology ? ScreenId::NumerologyMain : ScreenId::AstrologyMain);
        if (start != Start::AstrologyEntry && start != Start::NumerologyEntry) {
            enter(entry, QStringLiteral("Ana"), QStringLiteral("December"), 21, 2012);
            click(entry, "cmdCalculate");
        }
        if (start == Start::AstrologyReport || start == Start::NumerologyReport)
            click(screen(numerology ? ScreenId::NumerologyResult : ScreenId::AstrologyResult),
                  "cmdSave");
    }
    return screen(frontScreen(start));
}
