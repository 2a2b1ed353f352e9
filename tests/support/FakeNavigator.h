// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gui/shell/Navigator.h"
#include "gui/shell/ProgramScreen.h"

#include <QDate>
#include <QList>
#include <QStringList>

#include <map>
#include <memory>
#include <optional>

namespace tzolkara::testing {

// Records what a screen tells the user, answers no dialog, and gives a fixed
// day as today.
class FakeDesktop final : public Desktop
{
public:
    void showError(QWidget *, const QString &text) override { errors.append(text); }
    void showInformation(QWidget *, const QString &text) override { errors.append(text); }
    QString openFileName(QWidget *, const FileDialog::Request &) override { return {}; }
    QString saveFileName(QWidget *, const FileDialog::Request &) override { return {}; }
    Printing::Result print(const QTextDocument &, const QString &) override
    {
        return Printing::Result::NoPrinter;
    }
    QDate today() const override { return fixedToday; }

    QStringList errors;
    QDate fixedToday = QDate(2026, 12, 7);
};

// The main window as a screen sees it, without the window: it records what
// the screen asks for, and makes the screens the test registered.
class FakeNavigator final : public Navigator
{
public:
    ProgramScreen *findScreen(ScreenId id) const override
    {
        const auto it = m_screens.find(id);
        return it == m_screens.end() ? nullptr : it->second.get();
    }
    ProgramScreen *loadScreen(ScreenId id) override
    {
        loaded.append(id);
        return make(id);
    }
    ProgramScreen *showScreen(ScreenId id) override
    {
        shown.append(id);
        ProgramScreen *screen = make(id);
        if (screen)
            screen->show();
        return screen;
    }
    ProgramScreen *openProgram(ScreenId id) override
    {
        opened.append(id);
        return showScreen(id);
    }
    void activateScreen(ProgramScreen *screen) override { activated.append(screen); }
    void setWelcomePanelVisible(bool visible) override { welcomePanel = visible; }
    Desktop &desktop() override { return fakeDesktop; }

    QList<ScreenId> loaded;
    QList<ScreenId> shown;
    QList<ScreenId> opened;
    QList<ProgramScreen *> activated;
    std::optional<bool> welcomePanel;
    FakeDesktop fakeDesktop;

private:
    ProgramScreen *make(ScreenId id)
    {
        if (ProgramScreen *existing = findScreen(id))
            return existing;
        ProgramScreen *screen = ScreenRegistry::create(id, *this);
        if (!screen)
            return nullptr;
        screen->setAttribute(Qt::WA_DeleteOnClose, false);
        m_screens[id].reset(screen);
        screen->Form_Load();
        return screen;
    }

    std::map<ScreenId, std::unique_ptr<ProgramScreen>> m_screens;
};

} // namespace tzolkara::testing
