// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/ProgramContext.h"
#include "app/Translations.h"
#include "gui/shell/ProgramScreen.h"
#include "gui/shell/frmMDI.h"
#include "support/FakeDesktop.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

// Where a test starts: the welcome panel or one program screen, reached the
// way a user reaches it (the name "Ana", 21 December 2012).
enum class Start {
    Welcome,
    AstrologyEntry,
    NumerologyEntry,
    TarotQuestion,
    AstrologyResult,
    NumerologyResult,
    AstrologyReport,
    NumerologyReport,
    TarotResult,
    MayaCalendar,
};

// Drives the real main window and its screens the way a user does, on a
// desktop of the test's (a fixed today, dialogs answered from a queue) and
// with a context of its own: its engines start afresh. The application
// speaks `language` while the driver lives.
class ScreenDriver
{
public:
    explicit ScreenDriver(const tzolkara::Language &language = tzolkara::Language());
    ~ScreenDriver();

    tzolkara::frmMDI &main() { return *m_main; }
    tzolkara::testing::FakeDesktop &desktop() { return m_desktop; }
    tzolkara::ProgramContext &context() { return m_context; }
    tzolkara::ProgramScreen *screen(tzolkara::ScreenId id) const { return m_main->findScreen(id); }
    tzolkara::ProgramScreen *open(tzolkara::ScreenId entry);
    // The screen in front once there (the main window for the welcome panel).
    QWidget *reach(Start start);
    static tzolkara::ScreenId frontScreen(Start start);

    template <typename T> static T *child(QWidget *screen, const char *name)
    {
        T *widget = screen ? screen->findChild<T *>(QString::fromLatin1(name)) : nullptr;
        // A control that is not there fails the test: a click on nothing
        // must not pass for a click that did nothing.
        if (!widget)
            QTest::qFail(qPrintable(QStringLiteral("no control %1").arg(QString::fromLatin1(name))),
                         __FILE__, __LINE__);
        return widget;
    }
    static QString text(QWidget *screen, const char *label)
    {
        QLabel *found = child<QLabel>(screen, label);
        return found ? found->text() : QStringLiteral("<missing>");
    }
    static void click(QWidget *screen, const char *button);
    // Clicks the middle of `widget` where a user would: on whatever lies on
    // top there.
    static void clickOnTopOf(QWidget *widget);
    // Types the name and picks the date on an entry screen.
    static void enter(QWidget *entry, const QString &name, const QString &month, int day, int year);

private:
    tzolkara::InstalledLanguage m_language;
    tzolkara::testing::FakeDesktop m_desktop;
    tzolkara::ProgramContext m_context;
    std::unique_ptr<tzolkara::frmMDI> m_main;
};
