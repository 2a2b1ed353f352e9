// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gui/shell/Navigator.h"
#include "gui/shell/Program.h"
#include "gui/shell/ProgramScreen.h"
#include "support/FakeDesktop.h"

#include <QDate>
#include <QList>
#include <QStringList>

#include <functional>
#include <map>
#include <memory>
#include <optional>

namespace tzolkara::testing {

// The main window as a screen sees it, without the window: it records what
// the screen asks for, and makes the screens the test gives it makers for.
class FakeNavigator final : public Navigator
{
public:
    ProgramScreen *findScreen(ScreenId id) const override
    {
        const auto it = m_screens.find(id);
        return it == m_screens.end() ? nullptr : it->second.get();
    }
    QList<ProgramScreen *> openScreens() const override
    {
        QList<ProgramScreen *> open;
        for (const auto &[id, screen] : m_screens)
            open.append(screen.get());
        return open;
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
    // How the screens this navigator may show are made.
    std::map<ScreenId, std::function<ProgramScreen *(Navigator &)>> makers;

private:
    ProgramScreen *make(ScreenId id)
    {
        if (ProgramScreen *existing = findScreen(id))
            return existing;
        const auto maker = makers.find(id);
        ProgramScreen *screen = maker == makers.end() ? nullptr : maker->second(*this);
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
